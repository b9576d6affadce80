#pragma once
// The page "かえで記念" as a child panel (class "TKinenPage") a setup
// window puts on its tab: the display settings of the commemoration
// function, the import group ("「読込」をＯＮ", "前に挿入", "規定色", the read
// colour, "読込色の変更", "予定追加読込"), the removal group ("「削除」をＯＮ",
// the delete code, "削除開始"), "適用(&W)" and "中止(&Q)". The decisions are
// CommemorationPage's; this window shows them and passes the clicks on.
#include <windows.h>

#include <memory>

#include "platform/window_win.h"
#include "settings/commemoration_page.h"
#include "settings/page_controls_win.h"

namespace settings {

inline constexpr wchar_t kCommemorationPageClass[] = L"TKinenPage";
inline constexpr int kCommemorationPageWidth = 560;  // 96-DPI pixels
inline constexpr int kCommemorationPageHeight = 400;
// The removal's code box, for tests that type into it.
inline constexpr int kCommemorationDeleteCodeId = 116;

// What the page needs from the setup window around it.
class CommemorationPanelHost {
 public:
  virtual ~CommemorationPanelHost() = default;
  // "適用(&W)" (apply), "中止(&Q)" or an error that ended a run: the setup
  // window closes. Afterwards page().reloadNeeded() and page().Apply().
  virtual void ClosePage(bool apply) = 0;
  // After an import or removal the window is left only with "適用(&W)".
  virtual void ShowCloseButton(bool visible) = 0;
};

struct CommemorationPanelArgs {
  HWND parent = nullptr;
  int x = 0;
  int y = 0;
  int id = 0;
  platform::Services* os = nullptr;
  const store::Folders* folders = nullptr;
  store::NetworkLink* network = nullptr;
  CommemorationSettings settings;  // as "Cmr.kdf" holds them
  CommemorationPanelHost* host = nullptr;
};

class CommemorationPanel : public PageWindow {
 public:
  explicit CommemorationPanel(const CommemorationPanelArgs& args);
  CommemorationPage& page() { return page_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend std::unique_ptr<CommemorationPanel> CreateCommemorationPanel(const CommemorationPanelArgs& args);
  bool Create();
  void CreateControls();
  void Refresh();
  void OnCommand(int id, int code);
  void ChooseReadColour();
  CommemorationSettings SettingsOfBoxes() const;
  void AfterRun();

  CommemorationPanelHost& host_;
  CommemorationPage page_;
  platform::UniqueBrush colourBrush_;
  store::Color brushColour_ = 0xFFFFFFFF;
  COLORREF customColours_[16]{};
  bool refreshing_ = false;
};

// Null when the window cannot be made or an argument is missing.
std::unique_ptr<CommemorationPanel> CreateCommemorationPanel(const CommemorationPanelArgs& args);

}  // namespace settings
