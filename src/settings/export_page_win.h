#pragma once
// The page "　データ書出　" as a child panel (class "TKakidashiPage") a
// setup window puts on its tab: group " 予定データ " with the four formats,
// the export folder and "予定データ書出実行". The decisions are
// export_page.h's; this window shows them and passes the click on.
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/window_win.h"
#include "settings/export_page.h"
#include "settings/page_controls_win.h"

namespace settings {

inline constexpr wchar_t kExportPageClass[] = L"TKakidashiPage";
inline constexpr int kExportPageWidth = 520;  // 96-DPI pixels
inline constexpr int kExportPageHeight = 250;

// The save dialog (GetSaveFileNameW, no overwrite prompt of its own: the
// run asks), the system's UTC time, and the main window's save.
class WindowExportHost : public ExportHost {
 public:
  WindowExportHost(HWND owner, std::function<void()> savePendingData)
      : owner_(owner), savePendingData_(std::move(savePendingData)) {}
  void SavePendingData() override {
    if (savePendingData_) savePendingData_();
  }
  std::optional<std::string> ChooseSaveFile(const SaveFileRequest& request) override;
  platform::DateTime UtcNow() override;
  void SetOwner(HWND owner) { owner_ = owner; }

 private:
  HWND owner_;
  std::function<void()> savePendingData_;
};

struct ExportPanelArgs {
  HWND parent = nullptr;
  int x = 0;
  int y = 0;
  int id = 0;
  platform::Services* os = nullptr;
  const store::Folders* folders = nullptr;
  const calendar::DayClassifier* days = nullptr;  // the grid's rules
  ExportHost* host = nullptr;
  std::function<calendar::Date()> shownMonth;     // year and month in the main window
  ExportChoice choice;                            // from ExportChoiceOf
};

class ExportPanel : public PageWindow {
 public:
  explicit ExportPanel(const ExportPanelArgs& args);
  // The folder and format to keep (StoreExportChoice) when the window closes.
  const ExportChoice& choice() const { return choice_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend std::unique_ptr<ExportPanel> CreateExportPanel(const ExportPanelArgs& args);
  bool Create();
  void CreateControls();
  void Refresh();
  void ReadControls();
  void Run();

  ExportPanelArgs args_;
  ExportChoice choice_;
};

// Null when the window cannot be made or an argument is missing.
std::unique_ptr<ExportPanel> CreateExportPanel(const ExportPanelArgs& args);

}  // namespace settings
