#pragma once
// The page "記念日" ("「記念日等」一括編集") as a child panel (class
// "TKinenbiPage") a setup window puts on its tab: the table of "Sday.kdf"
// (a report-mode list view with an edit box over a cell for typing in
// place), the entry area with the form, and the page's buttons. The
// decisions are SpecialDayPage's; this window shows them and passes the
// clicks and keys on.
//
// Keys in the table: Enter moves to the next column (from the last to
// column 1 of the next row), Left and Right move between columns, F2 or a
// double-click types into the cell, Ctrl+Down goes to the text box.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "platform/window_win.h"
#include "settings/page_controls_win.h"
#include "settings/special_day_page.h"

namespace settings {

inline constexpr wchar_t kSpecialDayPageClass[] = L"TKinenbiPage";
inline constexpr int kSpecialDayPageWidth = 760;  // 96-DPI pixels
inline constexpr int kSpecialDayPageHeight = 560;

class SpecialDayPanelHost {
 public:
  virtual ~SpecialDayPanelHost() = default;
  // "書込／閉じる(&W)" after a successful write (true) or "キャンセル(&Q)":
  // the setup window closes. After a write the main window reloads
  // "Sday.kdf" into the grid and the year page.
  virtual void ClosePage(bool written) = 0;
};

struct SpecialDayPanelArgs {
  HWND parent = nullptr;
  int x = 0;
  int y = 0;
  int id = 0;
  platform::Services* os = nullptr;
  const store::Folders* folders = nullptr;
  SpecialDayPanelHost* host = nullptr;
};

class SpecialDayPanel : public PageWindow {
 public:
  explicit SpecialDayPanel(const SpecialDayPanelArgs& args);
  ~SpecialDayPanel() override;
  SpecialDayPage& page() { return page_; }
  HWND table() const { return list_; }
  int currentColumn() const { return column_; }
  // Everything again from the page (after a command from outside).
  void RefreshAll();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  friend std::unique_ptr<SpecialDayPanel> CreateSpecialDayPanel(const SpecialDayPanelArgs& args);
  bool Create();
  void CreateControls();
  void CreateTable();
  void CreateEntryArea();
  void CreateButtons();
  void LoadEntry();
  void EnableBoxes();
  EntryArea ReadEntry() const;
  void SyncSelection();
  void OnCommand(int id, int code);
  void OnButton(int id);
  LRESULT OnNotify(const NMHDR& header);
  LRESULT OnTableNotify(const NMHDR& header);
  void FillCellText(NMLVDISPINFOW& info);
  void OnTableClick(const NMITEMACTIVATE& hit, bool doubleClick);
  LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) const;
  void OnRowChosen(int row);
  void MoveToCell(Cell cell);
  void BeginEdit();
  void EndEdit(bool keep, bool moveOn);

  static LRESULT CALLBACK TableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self);
  static LRESULT CALLBACK CellEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self);
  bool OnTableKey(WPARAM key);

  SpecialDayPanelHost& host_;
  SpecialDayPage page_;
  HWND list_ = nullptr;
  HWND cellEdit_ = nullptr;
  Cell editing_;
  int column_ = kColYear1;
  std::wstring dispText_;  // the text the list view is handed for a cell
  bool refreshing_ = false;
  bool syncing_ = false;
  bool endingEdit_ = false;
  bool busy_ = false;
};

// Loads the table; null when the window cannot be made or an argument is missing.
std::unique_ptr<SpecialDayPanel> CreateSpecialDayPanel(const SpecialDayPanelArgs& args);

}  // namespace settings
