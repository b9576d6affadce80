#include "shell/day_editor_window_win.h"

#include "platform/dialog_helpers.h"
#include "platform/window_win.h"
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
  return BoxOf(platform::WorkArea());
}

// The grid took the mouse for the click that opens the editor; the modal
// editor needs it back.
void ReleaseGridMouse() {
  if (GetCapture()) ReleaseCapture();
}

}  // namespace

void DayEditorWindow::Prepare(HWND owner, platform::Services& os, const std::string& settingsFile,
                              editors::DayEditorHost* host) {
  args_ = {owner, &os, settingsFile, host};
}

bool DayEditorWindow::EnsureMade() {
  if (form_.hwnd()) return true;
  if (failed_ || !args_.os) return false;
  if (form_.Create(args_)) return true;
  failed_ = true;
  platform::Inform(args_.os->dialogs, "予定編集フォームを作成できませんでした。\r\n予定の編集はできません。");
  return false;
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
  s.defaultEntryColor = grid_.GridProps().DefaultEntryColor;
  s.specialDayColor = grid_.Fonts()[calendar::CalFont::SpecialDay].colour;
  s.holidayColor = grid_.Fonts()[calendar::CalFont::Holiday].colour;
  return s;
}

// Nothing was shown: the same as a cancelled edit.
editors::DayResult DayEditorWindow::EditDay(const editors::DayRequest& request) {
  ReleaseGridMouse();
  if (!EnsureMade()) return {false, true};
  return form_.EditDay(request, EditorSettings());
}

editors::DayResult DayEditorWindow::EditMonthMemo(const editors::MonthMemoRequest& request) {
  ReleaseGridMouse();
  if (!EnsureMade()) return {false, true};
  return form_.EditMonthMemo(request, EditorSettings());
}

editors::PeriodResult DayEditorWindow::EditPeriod(const editors::PeriodPage& page) {
  ReleaseGridMouse();
  if (!EnsureMade()) return {false, true};
  return form_.EditPeriod(page, EditorSettings());
}

editors::SpecialDayResult DayEditorWindow::EditSpecialDay(const calendar::Date& date,
                                                          const editors::SpecialDayPage& page) {
  ReleaseGridMouse();
  if (!EnsureMade()) return {false, page};
  return form_.EditSpecialDay(date.year, date.month, date.day, page, EditorSettings());
}

editors::DayResult DayEditorWindow::FinishDay() {
  form_.FinishNow();
  return form_.DayResultNow();
}

editors::PeriodResult DayEditorWindow::FinishPeriod() {
  form_.FinishNow();
  return form_.PeriodResultNow();
}

editors::SpecialDayResult DayEditorWindow::FinishSpecialDay() {
  form_.FinishNow();
  return form_.SpecialDayResultNow();
}

}  // namespace shell
