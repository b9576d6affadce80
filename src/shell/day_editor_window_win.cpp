#include "shell/day_editor_window_win.h"

#include "shell/window_layout.h"

namespace shell {
namespace {

Box BoxOf(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

Box WindowBox(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return BoxOf(r);
}

Box WorkAreaBox() {
  RECT r{0, 0, 1280, 1024};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return BoxOf(r);
}

// The grid took the mouse for the click that opens the editor; the modal
// editor needs it back.
void ReleaseGridMouse() {
  if (GetCapture()) ReleaseCapture();
}

}  // namespace

bool DayEditorWindow::Create(HWND owner, platform::Services& os, const std::string& settingsFile,
                             editors::DayEditorHost* host) {
  return form_.Create({owner, &os, settingsFile, host});
}

void DayEditorWindow::KeepInsideWorkArea(HWND mainWindow) {
  if (!form_.hwnd()) return;
  const auto placed = PlaceInsideWorkArea(WindowBox(form_.hwnd()), WindowBox(mainWindow), WorkAreaBox());
  if (placed)
    SetWindowPos(form_.hwnd(), nullptr, placed->x, placed->y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

editors::DayEditorSettings DayEditorWindow::EditorSettings() const {
  editors::DayEditorSettings s;
  s.tabWidth = grid_.GridProps().TabMojiSuu;
  s.japaneseInput = settings_.cbNihongo;
  s.defaultEntryColor = grid::kDefaultEntryColour;
  s.specialDayColor = grid_.Fonts()[calendar::CalFont::SpecialDay].colour;
  s.holidayColor = grid_.Fonts()[calendar::CalFont::Holiday].colour;
  return s;
}

editors::DayResult DayEditorWindow::EditDay(const editors::DayRequest& request) {
  ReleaseGridMouse();
  return form_.EditDay(request, EditorSettings());
}

editors::DayResult DayEditorWindow::EditMonthMemo(const editors::MonthMemoRequest& request) {
  ReleaseGridMouse();
  return form_.EditMonthMemo(request, EditorSettings());
}

editors::PeriodResult DayEditorWindow::EditPeriod(const editors::PeriodPage& page) {
  ReleaseGridMouse();
  return form_.EditPeriod(page, EditorSettings());
}

editors::SpecialDayResult DayEditorWindow::EditSpecialDay(const calendar::Date& date,
                                                          const editors::SpecialDayPage& page) {
  ReleaseGridMouse();
  return form_.EditSpecialDay(date.year, date.month, date.day, page, EditorSettings());
}

}  // namespace shell
