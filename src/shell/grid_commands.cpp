#include "shell/grid_commands.h"

#include "platform/dialog_helpers.h"
#include "support/text.h"

namespace shell {
namespace {

using grid::HitResult;
using grid::MouseButton;

bool IsDayOfMonth(int year, int month, int day) {
  try {
    return day >= 1 && calendar::IsValidDate(year, month, day);
  } catch (const calendar::EJuliusError&) {
    return false;  // the days the 1582 reform dropped
  }
}

}  // namespace

// ---- where a point lies ----------------------------------------------------

bool GridCommands::InDayRow(const HitResult& hit) const {
  return hit.row >= 1 && hit.row < grid_.RowCount() && hit.column >= 0 && hit.column <= 6;
}

calendar::DayNumber GridCommands::DayOf(const HitResult& hit) const {
  return grid_.FirstShownDay() + (hit.row - 1) * 7 + hit.column;
}

bool GridCommands::InShownMonth(calendar::DayNumber day) const {
  const calendar::Date date = calendar::JuliusToDate(day);
  return date.year == grid_.Year() && date.month == grid_.Month();
}

// The day editor opens on the selected day only when the click landed on
// it, in the shown month, and the grid did not just move to another month.
bool GridCommands::OpensDayEditor(const HitResult& hit) const {
  const calendar::DayNumber day = DayOf(hit);
  return InShownMonth(day) && !grid_.JumpedToNeighbor() && day == grid_.JuliusDay();
}

// ---- mouse -----------------------------------------------------------------

void GridCommands::MouseDown(const grid::MouseEvent& event) {
  mouseDownSeen_ = true;
  downPoint_ = {event.x, event.y};
  // Only the double-click of the click that opened an editor is swallowed;
  // a later click starts afresh.
  if (!event.doubleClick) editorJustOpened_ = false;
  host_.CancelResidencyCountdown();
  const HitResult hit = grid_.HitTest(event.x, event.y);
  if (event.button == MouseButton::Right) RightButtonDown();
  else if (grid_.ClickHighlight() || grid_.SelectionStart() > 0) grid_.ClearSelection();
  if (event.shift.alt && InDayRow(hit)) {
    marks_.start = {DayOf(hit), hit.third};
    grid_.SetSelectionStart(marks_.start.day);
  }
}

// A new selected day lays the grid out again anyway; otherwise the
// highlight is painted here.
void GridCommands::RightButtonDown() {
  if (menu_ == GridMenu::Delete) return;
  grid_.SetClickHighlight(true);
  const calendar::DayNumber clicked = grid_.ClickedDay();
  if (clicked == grid_.JuliusDay() || !InShownMonth(clicked)) grid_.RedrawCells();
}

void GridCommands::MouseMove(const grid::MouseEvent& event) {
  if (!event.shift.alt || !mouseDownSeen_ || !marks_.start.set()) return;
  const HitResult hit = grid_.HitTest(event.x, event.y);
  if (!InDayRow(hit) || hit.Cell() == lastDragCell_) return;
  lastDragCell_ = hit.Cell();
  grid_.SetSelectionEnd(DayOf(hit));
  grid_.Rebuild();
}

void GridCommands::MouseUp(const grid::MouseEvent& event) {
  if (!mouseDownSeen_) return;
  mouseDownSeen_ = false;
  const HitResult hit = grid_.HitTest(event.x, event.y);
  if (event.button == MouseButton::Right) {
    RememberPopupPlace(hit);
    return;
  }
  popupPlace_ = {};
  lastDragCell_ = -1;
  grid_.SetSelectionStart(0);
  grid_.SetSelectionEnd(0);
  MonthMemoClick(event);
  marks_.end.part = hit.third;
  // A copy: an edit lays the grid out again.
  const grid::Slot slot = grid_.SlotAt(hit);
  bool stop = false;
  const bool opened =
      EntryOrCtrlClick(event, hit, slot, stop) || (!stop && AltDragEnd(event, hit, stop));
  if (stop) return;
  menu_ = GridMenu::Normal;
  PeriodBarClick(hit, slot, opened);
  grid_.Rebuild();
}

void GridCommands::RememberPopupPlace(const HitResult& hit) {
  const bool onDay = InDayRow(hit) && !grid_.MonthMemoClicked();
  popupPlace_ = onDay ? PeriodMark{DayOf(hit), hit.third} : PeriodMark{};
}

void GridCommands::MonthMemoClick(const grid::MouseEvent& event) {
  monthMemoPending_ = false;
  if (!grid_.MonthMemoClicked()) return;
  if (!event.shift.ctrl || !host_.MonthMemoOption()) {
    monthMemoPending_ = true;
    return;
  }
  marks_ = {};
  editorJustOpened_ = true;
  host_.EditMonthMemo();
}

// A click on an entry, or a Ctrl+click anywhere in a day: the day editor.
bool GridCommands::EntryOrCtrlClick(const grid::MouseEvent& event, const HitResult& hit,
                                    const grid::Slot& slot, bool& stop) {
  if (!((!event.shift.alt && slot.IsEntry()) || event.shift.ctrl)) return false;
  stop = true;
  if (!InDayRow(hit)) return false;
  marks_ = {};
  if (!OpensDayEditor(hit)) return false;
  stop = false;
  editorJustOpened_ = true;
  host_.EditDay(grid_.JuliusDay());
  return true;
}

// The end of an Alt+drag: the period editor from the start's part of day
// to the end's. Any other click forgets the marks.
bool GridCommands::AltDragEnd(const grid::MouseEvent& event, const HitResult& hit, bool& stop) {
  if (!event.shift.alt || !marks_.start.set()) {
    marks_ = {};
    return false;
  }
  if (!InDayRow(hit)) {
    stop = true;
    return false;
  }
  marks_.end.day = DayOf(hit);
  host_.NewPeriod(marks_);
  marks_ = {};
  return true;
}

// The first click on a bar selects it and makes the delete menu the grid's
// menu; a click on the selected bar edits it. A click that already opened
// an editor, or one in the month memo area (where bars of the next month's
// days lie undrawn), selects nothing.
void GridCommands::PeriodBarClick(const HitResult& hit, const grid::Slot& slot, bool editorOpened) {
  const bool onBar = slot.IsPeriod() && hit.line >= 1 && hit.line <= grid_.GridProps().ItemGyo;
  if (!onBar || editorOpened || grid_.MonthMemoClicked()) {
    grid_.SetSelectedPeriod(0);
    return;
  }
  if (slot.index == grid_.SelectedPeriod()) {
    host_.EditPeriod(slot.index);
    return;
  }
  editorJustOpened_ = true;
  grid_.SetSelectedPeriod(slot.index);
  menu_ = GridMenu::Delete;
}

void GridCommands::DblClick() {
  if (editorJustOpened_) {
    editorJustOpened_ = false;
    return;
  }
  if (monthMemoPending_ && host_.MonthMemoOption()) {
    marks_ = {};
    host_.EditMonthMemo();
    return;
  }
  const HitResult hit = grid_.HitTest(downPoint_.x, downPoint_.y);
  if (!InDayRow(hit)) return;
  marks_ = {};
  if (InShownMonth(DayOf(hit)) && !grid_.JumpedToNeighbor()) host_.EditDay(grid_.JuliusDay());
}

// ---- pop-up menu -----------------------------------------------------------

std::optional<GridPopup> GridCommands::OpenPopup() {
  if (menu_ == GridMenu::Normal) return GridPopup{GridMenu::Normal, NormalItems()};
  if (grid_.SelectedPeriod() == 0) return std::nullopt;
  grid_.ClearSelection();
  return GridPopup{GridMenu::Delete, {}};
}

PopupItems GridCommands::NormalItems() const {
  PopupItems items;
  const bool onDay = popupPlace_.set();
  items.editMonthMemo = host_.MonthMemoOption();
  items.periodStart = items.periodEnd = items.specialDay = onDay;
  // A day copy is local data only, and waits while a period is being marked.
  items.dayCopy = onDay && !marks_.start.set() && !host_.NetworkOn();
  items.dayPaste = items.dayCopy && host_.DayCopyPending();
  return items;
}

void GridCommands::PopupEditDay() {
  host_.EditDay(grid_.JuliusDay());
  grid_.SetClickHighlight(false);
  grid_.RedrawCells();
}

void GridCommands::PopupEditMonthMemo() {
  if (host_.MonthMemoOption()) host_.EditMonthMemo();
}

void GridCommands::PopupPeriodStart() {
  if (popupPlace_.set()) marks_.start = popupPlace_;
}

// A refused end keeps the start, so that another end can be chosen.
void GridCommands::PopupPeriodEnd() {
  if (!popupPlace_.set()) return;
  marks_.end = popupPlace_;
  if (!marks_.start.set()) return;
  if (host_.NewPeriod(marks_)) marks_ = {};
  else marks_.end = {};
}

void GridCommands::PopupDayCopy() {
  if (!NormalItems().dayCopy) return;
  grid_.SetJuliusDay(popupPlace_.day);
  host_.CopyDay(popupPlace_.day);
  AfterDayCommand();
}

void GridCommands::PopupDayPaste() {
  if (!NormalItems().dayPaste) return;
  grid_.SetJuliusDay(popupPlace_.day);
  host_.PasteDay(popupPlace_.day);
  AfterDayCommand();
}

void GridCommands::AfterDayCommand() {
  grid_.ClearSelection();
  grid_.Rebuild();
}

void GridCommands::PopupSpecialDay() {
  if (!popupPlace_.set()) return;
  grid_.SetJuliusDay(popupPlace_.day);
  host_.EditSpecialDay(popupPlace_.day);
}

void GridCommands::PopupDeletePeriod() {
  if (menu_ == GridMenu::Delete) host_.DeletePeriod();
}

// ---- day-number box --------------------------------------------------------

bool GridCommands::OpensDayNumberBox(int key, grid::ShiftState shift, bool monthPage,
                                     bool entryBoxShown) {
  return monthPage && !entryBoxShown && shift.ctrl && (key == grid::kKeyDown || key == kKeyL);
}

DayBoxKey GridCommands::DayNumberBoxKey(int key) {
  if (key == kKeySpace || key == kKeyReturn) return DayBoxKey::Enter;
  return key == kKeyEscape ? DayBoxKey::Clear : DayBoxKey::None;
}

bool GridCommands::DayNumberEntered(std::string_view text) {
  const std::string trimmed = support::Trim(text);
  if (trimmed.empty()) return false;
  const int day = support::StrToIntDef(trimmed, 0);
  if (!IsDayOfMonth(grid_.Year(), grid_.Month(), day)) {
    platform::Inform(dialogs_, "[ " + trimmed + " ]日は、日付に出来ません。");
    return false;
  }
  host_.EditDay(calendar::DateToJulius(grid_.Year(), grid_.Month(), day));
  return true;
}

// ---- EditCommands ----------------------------------------------------------

bool EditCommands::NewPeriod(const PeriodMarks& marks) {
  const bool reversed = MarksReversed(marks);
  periods_.NewPeriod(marks);  // shows the refusal itself
  return !reversed;
}

void EditCommands::CopyDay(calendar::DayNumber day) { dayCopy_.Copy(host_, calendar::JuliusToDate(day)); }

void EditCommands::PasteDay(calendar::DayNumber day) {
  dayCopy_.Paste(host_, calendar::JuliusToDate(day));
}

void EditCommands::EditSpecialDay(calendar::DayNumber day) {
  specialDays_.Edit(calendar::JuliusToDate(day));
}

}  // namespace shell
