#include "grid/semcal_paint.h"

#include <algorithm>
#include <optional>

#include "calendar/old_calendar.h"
#include "grid/entry_line.h"
#include "grid/markup.h"
#include "store/schedule_item.h"
#include "support/text.h"

namespace grid {
namespace {

// 96-DPI sizes, drawn at the grid's DPI.
constexpr int kNameOverhang = 9;
constexpr int kBarTick = 15;
constexpr int kBarTickRise = 2;
constexpr int kLabelRightGap = 4;
constexpr int kSlashRightGap = 2;
constexpr int kSlashBottomGap = 1;
constexpr int kEdgeWithoutLines = 4;  // cell lines stop this far from the control's edge

bool IsWeekend(DayNumber day) {
  const int weekday = calendar::JuliusDayOfWeek(day);
  return weekday == 1 || weekday == 7;
}

// Start of a bar in its first cell and end in its last, by part of day.
int StartOffset(store::DayPart part) {
  return part == store::DayPart::Morning ? 5 : part == store::DayPart::Noon ? 50 : 95;
}
int EndOffset(store::DayPart part) {
  return part == store::DayPart::Morning ? 95 : part == store::DayPart::Noon ? 50 : 5;
}

std::string NameShown(std::string_view name) {
  return support::ReplaceAll(support::ReplaceAll(name, "　", " "), "，", ",");
}

}  // namespace

SeMCalPainter::SeMCalPainter(const TSeMCal& grid, Canvas& canvas)
    : grid_(grid),
      p_(grid.Metrics()),
      canvas_(canvas),
      window_(ResolveColour(canvas, kClWindow)),
      neighbour_(ResolveColour(canvas, grid.Props().NeighborColor)) {}

void SeMCalPainter::RedrawCells() {
  const Size client = grid_.ClientSize();
  canvas_.FillRect({0, 0, client.width, client.height}, ResolveColour(canvas_, grid_.Color()));
  for (int c = 0; c < 7; ++c)
    DrawDayCell(c, 0, {c * p_.LenDayW, 0, (c + 1) * p_.LenDayW, p_.LenYoubiH});
  const int rows = grid_.RowCount();
  for (int r = 1; r < rows && r <= kWeekRows; ++r) {
    const int top = p_.LenYoubiH + (r - 1) * p_.LenDayH;
    const bool memoRow = p_.TukiMemo && r == rows - 1;
    for (int c = 0; c < (memoRow ? 3 : 7); ++c)
      DrawDayCell(c, r, {c * p_.LenDayW, top, (c + 1) * p_.LenDayW, top + p_.LenDayH});
    if (memoRow) DrawMonthMemo({3 * p_.LenDayW, top, 16 * p_.LenDayW, top + p_.LenDayH});
  }
}

// ---- weekday row ---------------------------------------------------------

void SeMCalPainter::DrawWeekdayCell(int column, const Rect& cell) {
  const std::string& name = grid_.WeekdayNames()[(grid_.Props().FirstDayOfWeek + column) % 7];
  const Colour colour =
      grid_.WeekdayHeaderColour(canvas_, name, ResolveColour(canvas_, grid_.Fonts()[CalFont::Weekday].colour));
  const int rule = grid_.LineWidth(1);
  canvas_.FillRect({cell.left + rule, cell.top + rule, cell.right, cell.bottom},
                   ResolveColour(canvas_, grid_.Props().DayOfWeekBkColor));
  TextStyle style{{grid_.Fonts()[CalFont::DayOfWeek].face, p_.LenFontYoubiH}, colour,
                  HAlign::Center, VAlign::Center, false};
  canvas_.DrawText(cell, name, style);
  DrawCellLines(cell, ResolveColour(canvas_, kClBtnShadow));
}

// ---- day cells -----------------------------------------------------------

void SeMCalPainter::DrawDayCell(int column, int row, const Rect& rect) {
  if (row == 0) return DrawWeekdayCell(column, rect);
  DayCell cell;
  cell.index = (row - 1) * 7 + column;
  cell.day = grid_.CachedFirstShownDay() + cell.index;
  cell.date = calendar::JuliusToDate(cell.day);
  cell.neighbour = cell.date.year != grid_.Year() || cell.date.month != grid_.Month();
  cell.kind = grid_.GetDayKind(cell.date.year, cell.date.month, cell.date.day);
  cell.font = grid_.GetDayFont(cell.date.year, cell.date.month, cell.date.day);
  cell.rect = rect;
  if (!DrawBackground(cell)) return;
  int nameLeft = DrawDayNumber(cell);
  // The rokuyo goes first; the names follow it, never left out for it.
  if (grid_.Props().ShowRokuyo) nameLeft = DrawRokuyo(cell, nameLeft);
  DrawNames(cell, nameLeft);
  DrawLines(cell);
  DrawCellLines(rect, kCellLineColour);
}

// Fills the cell by the first rule that applies; false when a neighbour
// day is not to be drawn any further.
bool SeMCalPainter::DrawBackground(DayCell& cell) {
  const DayNumber a = cell.day;
  const DayNumber start = grid_.SelectionStart();
  const bool selecting = start > 0;
  std::optional<Colour> fill;
  if (start >= 1 && start <= a && a <= grid_.SelectionEnd()) fill = kSelectionColour;
  else if (a == start) fill = kSelectionColour;
  else if (a == grid_.ClickedDay() && grid_.ClickHighlight()) fill = kClickedDayColour;
  else if (!cell.neighbour && a == grid_.Today() && grid_.Props().IsToDay) fill = kTodayColour;
  else if (selecting && (!cell.neighbour || grid_.Props().ShowNeighbor)) fill = window_;
  cell.background = fill.value_or(ResolveColour(canvas_, grid_.Color()));
  if (fill) canvas_.FillRect(cell.rect, *fill);
  return !cell.neighbour || grid_.Props().ShowNeighbor;
}

// Draws the number; returns where the names start.
int SeMCalPainter::DrawDayNumber(const DayCell& cell) {
  const int height = cell.neighbour ? p_.LenFontNeighbH : p_.LenFontHidukeH;
  const CanvasFont font{grid_.Fonts()[cell.font].face, height, p_.isFontBold};
  Colour colour = ResolveColour(canvas_, grid_.Fonts()[cell.font].colour);
  if (cell.neighbour) colour = IsWeekend(cell.day) ? colour | neighbour_ : neighbour_;
  // A number wider than its room starts at the cell's edge.
  const int diff = std::max(0, p_.LenHidukeW - canvas_.TextSize(font, "25").width);
  const std::string text = std::to_string(cell.date.day);
  const Size size = canvas_.TextSize(font, text);
  const Rect& r = cell.rect;
  const Rect box{r.left + diff, r.top + p_.LenHidukeH - size.height,
                 r.left + p_.LenHidukeW + p_.LenYohaku, r.top + p_.LenHidukeH + 1};
  canvas_.DrawText(box, text, {font, colour});
  return r.left + diff + size.width + p_.LenYohaku;
}

Rect SeMCalPainter::NameBox(const DayCell& cell, int left) const {
  const int height = cell.neighbour ? p_.LenFontKinenbNH : p_.LenFontKinenbH;
  const int lift = cell.neighbour ? p_.LenKinenNC : p_.LenKinenC;
  const Rect& r = cell.rect;
  return {left, r.top + p_.LenHidukeH - height - lift,
          r.right + (p_.NameOverhang ? grid_.Px(kNameOverhang) : 0), r.top + p_.LenHidukeH};
}

int SeMCalPainter::DrawRokuyo(const DayCell& cell, int nameLeft) {
  const int rokuyo = calendar::RokuyoOf(cell.day);
  if (rokuyo < 1 || rokuyo > 6) return nameLeft;
  const std::string text = " " + std::string(calendar::RokuyoName(rokuyo)) + " ";
  const int height = cell.neighbour ? p_.LenFontKinenbNH : p_.LenFontKinenbH;
  const CanvasFont font{grid_.Fonts()[CalFont::Rokuyo].face, height};
  const Colour colour =
      cell.neighbour ? neighbour_ : ResolveColour(canvas_, grid_.Fonts()[CalFont::Rokuyo].colour);
  canvas_.DrawText(NameBox(cell, nameLeft), text, {font, colour});
  return nameLeft + canvas_.TextSize(font, text).width;
}

int SeMCalPainter::DrawName(const DayCell& cell, int left, const std::string& text, CalFont which) {
  const int height = cell.neighbour ? p_.LenFontKinenbNH : p_.LenFontKinenbH;
  const CanvasFont font{grid_.Fonts()[which].face, height};
  const Colour colour = NeighbourTinted(ResolveColour(canvas_, grid_.Fonts()[which].colour), cell.neighbour);
  canvas_.DrawText(NameBox(cell, left), text, {font, colour});
  return left + canvas_.TextSize(font, text).width;
}

// Special-day names first, joined by "，", then a blank and the holiday
// names, each part in its own colour.
void SeMCalPainter::DrawNames(const DayCell& cell, int nameLeft) {
  const auto names = grid_.Classifier().DayNames(cell.date.year, cell.date.month, cell.date.day);
  if (names.empty()) return;
  const bool hasSpecial = cell.kind & calendar::dkSpecial;
  if (!hasSpecial || names.size() == 1) {
    std::vector<std::string> texts;
    for (const auto& name : names) texts.push_back(NameShown(name.text));
    DrawName(cell, nameLeft, support::Join(texts, ","), hasSpecial ? CalFont::SpecialDay : CalFont::Sunday);
    return;
  }
  for (std::size_t i = 0; i < names.size(); ++i) {
    std::string part = NameShown(names[i].text);
    const bool hasNext = i + 1 < names.size();
    if (hasNext && names[i].special) part += names[i + 1].special ? "，" : " ";
    if (hasNext && !names[i].special) part += ",";
    nameLeft = DrawName(cell, nameLeft, part, names[i].special ? CalFont::SpecialDay : CalFont::Sunday);
  }
}

// ---- line slots ----------------------------------------------------------

void SeMCalPainter::DrawLines(const DayCell& cell) {
  const Rect& r = cell.rect;
  const Rect lines{r.left, r.top + grid_.ItemsTop(), r.right, r.bottom};
  HiddenState hidden;
  const CellSlots& slots = grid_.Slots()[cell.index];
  for (int s = 0; s < p_.ItemGyo; ++s) {
    if (slots[s].IsEntry()) {
      DrawEntry(cell, {lines.left + p_.LenItemLeftM, lines.top, lines.right, lines.bottom}, hidden, s);
    } else if (slots[s].IsPeriod()) {
      DrawPeriodBar(cell, lines, s);
    }
  }
}

CanvasFont SeMCalPainter::EntryFont(bool bold, bool strikeOut) const {
  const std::string& face = p_.EntryFace.empty() ? grid_.Fonts()[CalFont::DayOfWeek].face : p_.EntryFace;
  return {face, p_.LenFontYoteiH, bold, strikeOut};
}

Colour SeMCalPainter::NeighbourTinted(Colour colour, bool neighbour) const {
  return neighbour ? colour | neighbour_ : colour;
}

void SeMCalPainter::DrawEntry(const DayCell& cell, const Rect& box, HiddenState& hidden, int slot) {
  const Slot& at = grid_.Slots()[cell.index][slot];
  const int blanks = p_.TabChousei * p_.TabMojiSuu / 100;
  hidden.on = at.hiddenBefore;  // the state the layout saw before this entry
  EntryLine entry = PrepareEntryLine(grid_.EntryLineOf(at), hidden.on, blanks);
  if (entry.hidden) {
    ++hidden.count;
    return;
  }
  const bool neighbourRecord = at.Record() != grid_.CurrentMonthIndex();
  Colour colour = entry.colour ? ResolveColour(canvas_, *entry.colour) : p_.DefaultEntryColor;
  if (neighbourRecord) colour = entry.colour ? colour | neighbour_ : neighbour_;
  const CanvasFont font = EntryFont(entry.bold, entry.strikeOut);
  const int height = canvas_.TextSize(font, "").height;
  const int top = box.top + (slot - hidden.count) * grid_.LineStep() + grid_.LineStep() - height;
  const Slot& overflow = grid_.Slots()[cell.index][p_.ItemGyo];
  if (slot + 1 == p_.ItemGyo && overflow.IsEntry()) {
    const int room = box.Width() - canvas_.TextSize(font, " /").width;
    entry.text = FitBeforeSlash(entry.text, font, room);
    DrawOverflowMark(box, EntryFont(), colour);
  }
  canvas_.DrawText({box.left, top, box.right, box.bottom}, entry.text, {font, colour});
}

// The longest start of `text`, whole characters, narrower than `room`.
std::string SeMCalPainter::FitBeforeSlash(const std::string& text, const CanvasFont& font, int room) {
  std::string_view fitted = text;
  while (!fitted.empty() && canvas_.TextSize(font, fitted).width >= room) {
    // Halve long texts first so that a very long entry costs few measures.
    std::string_view half = fitted.substr(0, fitted.size() / 2);
    while (!half.empty() && (static_cast<unsigned char>(fitted[half.size()]) & 0xC0) == 0x80)
      half.remove_suffix(1);
    fitted = !half.empty() && canvas_.TextSize(font, half).width >= room ? half
                                                                        : DropLastCharacter(fitted);
  }
  return std::string(fitted);
}

void SeMCalPainter::DrawOverflowMark(const Rect& box, const CanvasFont& font, Colour colour) {
  const Size size = canvas_.TextSize(font, "/");
  const int right = box.right - grid_.Px(kSlashRightGap), bottom = box.bottom - grid_.Px(kSlashBottomGap);
  const Rect mark{right - size.width, bottom - size.height, right, bottom};
  canvas_.DrawText(mark, "/", {font, colour});
}

void SeMCalPainter::DrawPeriodBar(const DayCell& cell, const Rect& box, int slot) {
  const PeriodSpan* span = grid_.Periods().SpanOfLine(grid_.Slots()[cell.index][slot].index);
  if (!span || (cell.neighbour && !grid_.Props().ShowNeighbor)) return;
  const store::PeriodItem& item = span->item;
  const Colour colour = NeighbourTinted(
      ResolveColour(canvas_, store::PeriodColor(item, p_.DefaultPeriodColor, p_.DefaultPeriodColor)),
      cell.neighbour);
  const bool selected = span->line == grid_.SelectedPeriod();
  const int width = grid_.LineWidth(selected ? 3 : (item.thickness >= 1 && item.thickness <= 3 ? item.thickness : 1));
  const std::string label = " " + item.text + " ";
  const int height = canvas_.TextSize(EntryFont(), label).height;
  const int top = box.top + slot * grid_.LineStep() + grid_.LineStep() - height;
  DrawBarLine(cell, box, *span, top + height / 2 - grid_.Px(1), selected ? kSelectedBarColour : colour, width);
  if (span->hasSummaryDay && cell.day == span->summaryDay)
    DrawBarLabel(cell, {box.left, top, box.right, top + height}, label, colour);
}

// The bar starts at its part of day in its first cell with a tick below,
// ends at its part of day in its last cell with a tick above, and crosses
// the cells between.
void SeMCalPainter::DrawBarLine(const DayCell& cell, const Rect& box, const PeriodSpan& span, int y,
                                Colour pen, int width) {
  const int tick = grid_.Px(kBarTick), rise = grid_.Px(kBarTickRise);
  if (cell.day == span.first) {
    const int x0 = box.left + grid_.Px(StartOffset(span.item.startPart));
    canvas_.Line({x0, y}, {box.right, y}, pen, width);
    canvas_.Line({x0, y}, {x0 + tick, y + rise}, pen, width);
  } else if (cell.day == span.last) {
    const int x1 = box.right - grid_.Px(EndOffset(span.item.endPart));
    canvas_.Line({box.left, y}, {x1, y}, pen, width);
    canvas_.Line({x1 - tick, y - rise}, {x1, y}, pen, width);
  } else {
    canvas_.Line({box.left, y}, {box.right, y}, pen, width);
  }
}

// The summary text on the cell's background, 4 pixels from its right edge.
void SeMCalPainter::DrawBarLabel(const DayCell& cell, const Rect& line, const std::string& label,
                                 Colour colour) {
  const int right = line.right - grid_.Px(kLabelRightGap);
  const Rect box{std::max(line.left, right - canvas_.TextSize(EntryFont(), label).width), line.top,
                 right, line.bottom};
  canvas_.FillRect(box, cell.background);
  canvas_.DrawText(box, label, {EntryFont(), colour, HAlign::Right});
}

// A wider pen is centred on its line: the rule is drawn inside the cell.
void SeMCalPainter::DrawCellLines(const Rect& cell, Colour colour) {
  const Size client = grid_.ClientSize();
  const int width = grid_.LineWidth(1), inset = 1 + (width - 1) / 2, edge = grid_.Px(kEdgeWithoutLines);
  if (cell.right < client.width - edge)
    canvas_.Line({cell.right - inset, cell.top}, {cell.right - inset, cell.bottom - 1}, colour, width);
  if (cell.bottom < client.height - edge)
    canvas_.Line({cell.left, cell.bottom - inset}, {cell.right - 1, cell.bottom - inset}, colour, width);
}

// ---- month memo ----------------------------------------------------------

std::vector<std::string> SeMCalPainter::MonthMemoLines() const {
  std::vector<std::string> lines;
  const store::MonthSlot* month = grid_.MonthRecord(grid_.CurrentMonthIndex());
  if (!month) return lines;
  for (const std::string& line : month->lines)
    if (store::ItemDay(line) == kMonthMemoDay) lines.emplace_back(FieldOf(line, store::kItemText));
  return lines;
}

void SeMCalPainter::DrawMonthMemo(const Rect& area) {
  canvas_.FillRect(area, window_);
  const std::vector<std::string> lines = MonthMemoLines();
  const int count = static_cast<int>(lines.size());
  const int capacity = p_.ItemGyo + 1;
  const int k = p_.TukiMUeTume || count >= capacity ? 0 : capacity - count;
  const CanvasFont font = EntryFont();
  for (int i = 0; i < count && i + k < capacity; ++i) {
    const int height = canvas_.TextSize(font, lines[i]).height;
    const int top = area.top + grid_.ItemsTop() + (i + k) * grid_.LineStep() - height;
    canvas_.DrawText({area.left + p_.LenItemLeftM, top, area.right, area.bottom}, lines[i],
                     {font, p_.DefaultEntryColor});
  }
}

}  // namespace grid
