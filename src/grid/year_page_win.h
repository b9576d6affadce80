#pragma once
// The year page as a child panel (class "TYearPage") the main window puts
// on its year tab: the header, twelve small calendars with their labels,
// the year group " 年変更 " (year box with up-down, "変更実行", "前年",
// "翌年", "今年") and the start-month choice " 表示 ". The decisions are
// YearPage's; this window shows them and passes the commands on.
#include <windows.h>

#include <array>
#include <memory>

#include "grid/calendar_window_win.h"
#include "grid/year_page.h"
#include "platform/win_handles_win.h"

namespace grid {

inline constexpr wchar_t kYearPageClass[] = L"TYearPage";
// The panel's size at 96 DPI; it holds everything at fixed places, scaled
// to its window's DPI.
inline constexpr int kYearPageWidth = 800;
inline constexpr int kYearPageHeight = 616;

struct YearPageWindowArgs {
  HWND parent = nullptr;
  int x = 0;  // pixels of the parent
  int y = 0;
  int id = 0;
  DayNumber today = 0;
  platform::Dialogs* dialogs = nullptr;  // the month question
  YearPageOwner* owner = nullptr;        // the move to the month page
};

class YearPageWindow : public platform::Window {
 public:
  explicit YearPageWindow(const YearPageWindowArgs& args);
  ~YearPageWindow() override;

  YearPage& page() { return page_; }
  // The tab became visible: recompute from today when due, then show.
  void Shown();
  // Shows the page's state: header, labels, year box, the apply caption.
  void Refresh();
  // The year box takes the keyboard, its text selected for typing over.
  void FocusYearBox();
  HWND CalendarWindow(int tag) const { return hosts_[tag - 1]->hwnd(); }
  const GdiCanvas& CalendarBitmap(int tag) const { return hosts_[tag - 1]->bitmap(); }
  // The panel's size at its DPI, for the owner's layout.
  SIZE PixelSize() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // New fonts, the calendars told, everything placed again and the panel
  // sized anew; the owner places it (its x and y stay).
  void OnDpiChanged(int oldDpi) override;

 private:
  friend std::unique_ptr<YearPageWindow> CreateYearPageWindow(const YearPageWindowArgs& args);
  bool Create(const YearPageWindowArgs& args);
  void CreateControls();
  HWND AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id);
  void MakeFonts();
  void ApplyFonts();
  void Layout();
  void Place(HWND control, int x, int y, int width, int height);
  void OnCommand(int id, int code);
  void OnYearEdited();
  void DrawApplyButton(const DRAWITEMSTRUCT& item);

  YearPage page_;
  std::array<std::unique_ptr<CalendarHost>, kYearCalendars> hosts_;
  std::array<HWND, kYearCalendars> labels_{};
  HWND header_ = nullptr;
  HWND yearGroup_ = nullptr;
  HWND yearEdit_ = nullptr;
  HWND upDown_ = nullptr;
  HWND applyButton_ = nullptr;
  HWND previousButton_ = nullptr;
  HWND nextButton_ = nullptr;
  HWND thisYearButton_ = nullptr;
  HWND choiceGroup_ = nullptr;
  std::array<HWND, 3> choices_{};
  platform::UniqueFont uiFont_;
  platform::UniqueFont labelFont_;
  bool refreshing_ = false;
};

// Null when the window cannot be made.
std::unique_ptr<YearPageWindow> CreateYearPageWindow(const YearPageWindowArgs& args);

}  // namespace grid
