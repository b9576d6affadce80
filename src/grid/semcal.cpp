#include "grid/semcal.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "calendar/comma_text.h"
#include "grid/entry_line.h"
#include "grid/markup.h"
#include "grid/semcal_paint.h"
#include "platform/dialog_helpers.h"
#include "platform/dpi.h"
#include "store/line_reader.h"
#include "store/special_days.h"
#include "support/text.h"

namespace grid {
namespace {

constexpr char kDeleteQuestion[] = "この予定を削除してもいいですか？";
constexpr int kPrintedEntries = 5;

int MonthKey(int year, int month) { return year * 12 + month; }

// Bits of the slots 0..n taken in a cell.
std::uint16_t TakenMask(const CellSlots& cell, int lastSlot) {
  std::uint16_t mask = 0;
  for (int s = 0; s <= lastSlot; ++s)
    if (!cell[s].Free()) mask |= std::uint16_t(1u << s);
  return mask;
}

}  // namespace

TSeMCal::TSeMCal(DayNumber today, platform::Services* os)
    : TCustomCalendarEx(today), os_(os), metrics_(grid_) {
  firstShown_ = FirstShownDay();
  if (os_) store::LoadHolidayFile(*os_, Classifier(), store::kHolidayFileName);
}

// ---- properties ----------------------------------------------------------

SeMCalProps TSeMCal::Normalized(SeMCalProps p) {
  p.ItemGyo = std::clamp(p.ItemGyo, 1, kMaxItemGyo);
  p.LenDayW = std::max(p.LenDayW, 1);
  p.LenDayH = std::max(p.LenDayH, 1);
  p.LenYoubiH = std::max(p.LenYoubiH, 0);
  p.LenFontYoteiH = std::max(p.LenFontYoteiH, 1);
  p.LenGyokan = std::max(p.LenGyokan, 0);
  return p;
}

void TSeMCal::SetProps(const SeMCalProps& props) {
  const SeMCalProps next = Normalized(props);
  SeMCalProps storedOnly = grid_;
  storedOnly.SkipUpDate = next.SkipUpDate;
  storedOnly.SkipUpDate2 = next.SkipUpDate2;
  grid_ = next;
  metrics_ = ScaledProps(grid_, Dpi());
  if (!(storedOnly == next)) Rebuild();
}

void TSeMCal::DpiChanged() { metrics_ = ScaledProps(grid_, Dpi()); }

SeMCalProps TSeMCal::ScaledProps(const SeMCalProps& p, int dpi) {
  const auto s = [dpi](int pixels96) { return platform::ScaleToDpi(pixels96, dpi); };
  SeMCalProps m = p;
  for (int SeMCalProps::*size :
       {&SeMCalProps::LenYoubiH, &SeMCalProps::LenFontYoubiH, &SeMCalProps::LenDayW, &SeMCalProps::LenHidukeH,
        &SeMCalProps::LenHidukeW, &SeMCalProps::LenYoteiH, &SeMCalProps::LenYohaku, &SeMCalProps::LenFontHidukeH,
        &SeMCalProps::LenFontNeighbH, &SeMCalProps::LenFontKinenbH, &SeMCalProps::LenFontKinenbNH,
        &SeMCalProps::LenFontYoteiH, &SeMCalProps::LenBottomItem, &SeMCalProps::LenItemLeftM,
        &SeMCalProps::LenKinenC, &SeMCalProps::LenKinenNC})
    m.*size = s(p.*size);
  m.LenTopItem = s(p.LenHidukeH + p.LenTopItem) - m.LenHidukeH;
  m.LenGyokan = s(p.LenFontYoteiH + p.LenGyokan) - m.LenFontYoteiH;
  const auto content = [](const SeMCalProps& q) {
    return q.LenHidukeH + q.LenTopItem + q.ItemGyo * (q.LenFontYoteiH + q.LenGyokan) + q.LenBottomItem;
  };
  m.LenDayH = s(p.LenDayH) + std::max(0, content(m) - s(content(p)));
  return m;
}

Size TSeMCal::GridSize() const {
  return {7 * metrics_.LenDayW, metrics_.LenYoubiH + kWeekRows * metrics_.LenDayH};
}

void TSeMCal::SetDataKyoFile(const std::string& folder) {
  if (folder == dataKyoFile_) return;
  dataKyoFile_ = folder;
  if (os_) store::LoadSpecialDayFile(*os_, Classifier(), folder);
  Rebuild();
}

// ---- month data ----------------------------------------------------------

void TSeMCal::SetMonthRecord(int index, const store::MonthSlot* month) {
  if (index >= 0 && index < kMonthRecords) monthWindow_[index] = month;
}

const store::MonthSlot* TSeMCal::MonthRecord(int index) const {
  return index >= 0 && index < kMonthRecords ? monthWindow_[index] : nullptr;
}

void TSeMCal::SetCurrentMonthIndex(int index) {
  currentMonthIndex_ = std::clamp(index, 0, kMonthRecords - 1);
}

void TSeMCal::SetWindowDays(DayNumber first, DayNumber last) {
  windowFirstDay_ = first;
  windowLastDay_ = last;
}

void TSeMCal::SetSelectedPeriod(int index) {
  if (periodList_) periodList_->selected = index;
}

const Slot& TSeMCal::SlotAt(const HitResult& hit) const {
  static const Slot kNone;
  const int cell = hit.Cell();
  if (hit.row < 1 || hit.column > 6 || cell >= kCellCount || hit.line < 1 ||
      hit.line > kSlotsPerCell)
    return kNone;
  return slots_[cell][hit.line - 1];
}

std::string_view TSeMCal::EntryLineOf(const Slot& slot) const {
  if (!slot.IsEntry()) return {};
  const store::MonthSlot* month = MonthRecord(slot.Record());
  if (!month || slot.index < 0 || slot.index >= static_cast<int>(month->lines.size())) return {};
  return month->lines[slot.index];
}

int TSeMCal::RecordOfDate(const calendar::Date& date) const {
  const int shown = MonthKey(Year(), Month());
  const int key = MonthKey(date.year, date.month);
  int record = currentMonthIndex_;
  if (key > shown) record = currentMonthIndex_ < kMonthRecords - 1 ? currentMonthIndex_ + 1 : -1;
  if (key < shown) record = currentMonthIndex_ > 0 ? currentMonthIndex_ - 1 : -1;
  if (record < 0) return -1;
  const store::MonthSlot* month = monthWindow_[record];
  if (!month || month->year != date.year || month->month != date.month) return -1;
  return record;
}

CalFont TSeMCal::GetDayFont(int year, int month, int day) const {
  const calendar::DayKind kind = GetDayKind(year, month, day);
  if (kind & (calendar::dkHoliday | calendar::dkFurikae)) return CalFont::Holiday;
  if (kind & calendar::dkSaturday) return CalFont::Saturday;
  if (kind & calendar::dkSunday) return CalFont::Sunday;
  return CalFont::Weekday;
}

// ---- layout --------------------------------------------------------------

void TSeMCal::Render() {
  TCustomCalendarEx::Render();
  clickHighlight_ = false;
}

void TSeMCal::Layout() {
  for (CellSlots& cell : slots_) cell.fill(Slot{});
  firstShown_ = FirstShownDay();
  LayoutPeriods();
  LayoutEntries();
}

void TSeMCal::LayoutPeriods() {
  if (!periodList_) return;
  const DayNumber viewLast = firstShown_ + kCellCount - 1;
  for (const PeriodSpan& span : periods_.Spans(periodList_->lines)) {
    const DayNumber first = std::max(span.first, firstShown_);
    const DayNumber last = std::min(span.last, viewLast);
    if (first > last) continue;
    const int c0 = first - firstShown_, c1 = last - firstShown_;
    std::uint16_t taken = 0;
    for (int c = c0; c <= c1; ++c) taken |= TakenMask(slots_[c], grid_.ItemGyo);
    const int slot = std::countr_one(taken);
    if (slot > grid_.ItemGyo) continue;
    for (int c = c0; c <= c1; ++c) slots_[c][slot] = Slot{'F', span.line};
  }
}

void TSeMCal::BucketRecord(int record) {
  for (auto& day : byDay_[record]) day.clear();
  const store::MonthSlot* month = monthWindow_[record];
  if (!month) return;
  for (int i = 0; i < static_cast<int>(month->lines.size()); ++i) {
    const int day = store::ItemDay(month->lines[i]);
    if (day >= 1 && day <= 31) byDay_[record][day].push_back(i);
  }
}

std::vector<TSeMCal::TakenEntry> TSeMCal::TakenEntries(int record, int day) const {
  std::vector<TakenEntry> taken;
  bool hidden = false;
  const store::MonthSlot& month = *monthWindow_[record];
  for (int index : byDay_[record][day]) {
    const HiddenStep step = ApplyHiding(FieldOf(month.lines[index], store::kItemText), hidden);
    if (TakesLine(step)) taken.push_back({index, hidden});
    hidden = step.hiddenAfter;
  }
  return taken;
}

void TSeMCal::PlaceEntries(CellSlots& cell, int record, const std::vector<TakenEntry>& entries) {
  const int count = static_cast<int>(entries.size());
  int slot = grid_.UeTume || count >= grid_.ItemGyo ? 0 : grid_.ItemGyo - count;
  const char tag = static_cast<char>('0' + record);
  for (const TakenEntry& entry : entries) {
    while (slot <= grid_.ItemGyo && !cell[slot].Free()) ++slot;
    if (slot > grid_.ItemGyo) return;  // no room left: the rest are dropped
    cell[slot] = Slot{tag, entry.index, entry.hiddenBefore};
  }
}

void TSeMCal::LayoutEntries() {
  std::array<bool, kMonthRecords> bucketed{};
  for (int c = 0; c < kCellCount; ++c) {
    const calendar::Date date = calendar::JuliusToDate(firstShown_ + c);
    const int record = RecordOfDate(date);
    if (record < 0) continue;
    if (!bucketed[record]) BucketRecord(record);
    bucketed[record] = true;
    PlaceEntries(slots_[c], record, TakenEntries(record, date.day));
  }
}

void TSeMCal::Paint(Canvas& canvas) { SeMCalPainter(*this, canvas).RedrawCells(); }

void TSeMCal::RedrawCells() {
  if (!Target()) return;
  if (Canvas* canvas = Target()->canvas()) Paint(*canvas);
  Repaint();
}

// ---- mouse ---------------------------------------------------------------

HitResult TSeMCal::HitTest(int x, int y) const {
  x = std::max(x, 0);
  y = std::max(y, 0);
  HitResult hit;
  const SeMCalProps& m = metrics_;
  hit.column = x / m.LenDayW;
  hit.third = (x % m.LenDayW) / ColumnThird() + 1;
  if (y < m.LenYoubiH) return hit;
  hit.row = (y - m.LenYoubiH) / m.LenDayH + 1;
  const int inCell = (y - m.LenYoubiH) % m.LenDayH;
  hit.line = inCell < ItemsTop() ? m.ItemGyo + 1 : (inCell - ItemsTop()) / LineStep() + 1;
  return hit;
}

void TSeMCal::MouseDown(const MouseEvent& event) {
  monthMemoClicked_ = false;
  inOwnMonth_ = false;
  const HitResult hit = HitTest(event.x, event.y);
  clickedDay_ = firstShown_ + hit.row * 7 + hit.column - 7;
  TCustomCalendarEx::MouseDown(event);
  if (hit.row == 0 || hit.row >= RowCount() || hit.column > 6) return;
  const calendar::Date date = calendar::JuliusToDate(clickedDay_);
  if (date.year == Year() && date.month == Month()) {
    inOwnMonth_ = true;
    jumpedToNeighbor_ = false;
    SetJuliusDay(clickedDay_);
    return;
  }
  if (grid_.TukiMemo && hit.row == RowCount() - 1 && hit.column > 2) {
    monthMemoClicked_ = true;
    return;
  }
  if (!Props().NeighborJump || event.button == MouseButton::Right) return;
  JumpToNeighbor(hit);
}

void TSeMCal::JumpToNeighbor(const HitResult& hit) {
  const bool back = hit.row <= 2;
  jumpDirection_ = back ? 0 : 1;
  if (!reloadNeeded_) {
    if (back && currentMonthIndex_ == 0) reloadNeeded_ = true;
    else if (!back && currentMonthIndex_ > 3) reloadNeeded_ = true;
    else currentMonthIndex_ += back ? -1 : 1;
  }
  jumpedToNeighbor_ = true;
  SetJuliusDay(clickedDay_);
}

// ---- operations ----------------------------------------------------------

void TSeMCal::SetShownDate(int year, int month, int day) {
  if (month == 0) {
    --year;
    month = 12;
  } else if (month > 12) {
    ++year;
    month = 1;
  } else if (month < 0) {
    NormalizeYearMonth(year, month);
  }
  day = std::clamp(day, 1, std::max(1, DaysOfMonth(year, month)));
  SetJuliusDay(calendar::DateToJulius(year, month, day));
}

void TSeMCal::NormalizeYearMonth(int& year, int& month) {
  // Floor division keeps month - 1 in [0, 11] for negative months too.
  int zeroBased = month - 1;
  int years = zeroBased >= 0 ? zeroBased / 12 : -((-zeroBased + 11) / 12);
  year += years;
  month = zeroBased - years * 12 + 1;  // [1, 12]
}

int TSeMCal::DaysOfMonth(int year, int month) {
  if (month < 1 || month > 12) return 0;
  try {
    const DayNumber next = month == 12 ? calendar::DateToJulius(year + 1, 1, 1)
                                       : calendar::DateToJulius(year, month + 1, 1);
    return calendar::JuliusToDate(next - 1).day;
  } catch (const std::exception&) {
    return 0;
  }
}

void TSeMCal::ClearSelection() {
  clickHighlight_ = false;
  selectionStart_ = 0;
  selectionEnd_ = 0;
  RedrawCells();
}

void TSeMCal::DeletePeriodItem(int index) {
  if (index <= 0 || !periodList_ || index >= static_cast<int>(periodList_->lines.size())) return;
  if (os_ && platform::AskYesNo(os_->dialogs, kDeleteQuestion, false)) {
    periodList_->lines.erase(periodList_->lines.begin() + index);
    periodList_->selected = 0;
  }
  Rebuild();
}

std::string TSeMCal::HolidayNames(int year, int month, int day) const {
  std::vector<std::string> names;
  for (const calendar::DayName& name : Classifier().DayNames(year, month, day))
    if (!name.special) names.push_back(name.text);
  return names.empty() ? std::string() : calendar::JoinCommaText(names);
}

std::vector<std::string> TSeMCal::DrawnEntryTexts(int cell) const {
  std::vector<std::string> texts;
  if (cell < 0 || cell >= kCellCount) return texts;
  const int blanks = grid_.TabChousei * grid_.TabMojiSuu / 100;
  for (int s = 0; s < grid_.ItemGyo; ++s) {
    if (!slots_[cell][s].IsEntry()) continue;
    bool hidden = slots_[cell][s].hiddenBefore;
    EntryLine entry = PrepareEntryLine(EntryLineOf(slots_[cell][s]), hidden, blanks);
    if (!entry.hidden) texts.push_back(std::move(entry.text));
  }
  return texts;
}

CellContents TSeMCal::CellContent(int column, int row) const {
  CellContents contents;
  const int cell = (row - 1) * 7 + column;
  if (row < 1 || column < 0 || column > 6 || cell >= kCellCount) return contents;
  const calendar::Date date = calendar::JuliusToDate(firstShown_ + cell);
  contents.month = date.month;
  contents.day = date.day;
  contents.names = GetDayNames(date.year, date.month, date.day);
  contents.holidayNames = HolidayNames(date.year, date.month, date.day);
  std::vector<std::string> special;
  for (const calendar::DayName& name : Classifier().DayNames(date.year, date.month, date.day))
    if (name.special) special.push_back(name.text);
  if (!special.empty()) contents.specialNames = calendar::JoinCommaText(special);
  contents.entries = DrawnEntryTexts(cell);
  if (contents.entries.size() > kPrintedEntries) contents.entries.resize(kPrintedEntries);
  return contents;
}

void TSeMCal::SplitFields(std::string_view text, std::vector<std::string>& list, char separator) {
  list.clear();
  support::SplitAt(text, separator, list);
}

bool TSeMCal::LoadLines(std::vector<std::string>& list, const std::string& path) {
  return os_ && store::LoadLines(*os_, list, path);
}

}  // namespace grid
