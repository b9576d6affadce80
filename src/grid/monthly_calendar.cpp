#include "grid/monthly_calendar.h"

#include <algorithm>
#include <cmath>

#include "calendar/old_calendar.h"

namespace grid {
namespace {

constexpr Colour kHeaderRed = 0x0000FF;
constexpr Colour kHeaderBlue = 0xFF0000;

// Client coordinate of bound `index` of `count` equal parts of `length`.
int Truncated(int length, int index, int count) {
  return static_cast<int>(static_cast<long long>(length) * index / count);
}
int Rounded(int length, int index, int count) {
  return static_cast<int>(std::lround(static_cast<double>(length) * index / count));
}

}  // namespace

// ---- TMonthlyCalendar ----------------------------------------------------

Rect TMonthlyCalendar::CellRect(int column, int row) const {
  const Size client = ClientSize();
  const int rows = RowCount();
  return {Truncated(client.width, column, 7), Truncated(client.height, row, rows),
          Truncated(client.width, column + 1, 7), Truncated(client.height, row + 1, rows)};
}

std::optional<CellPos> TMonthlyCalendar::CellAt(Point point) const {
  for (int row = 0; row < RowCount(); ++row)
    for (int column = 0; column < 7; ++column)
      if (CellRect(column, row).Contains(point)) return CellPos{column, row};
  return std::nullopt;
}

DayNumber TMonthlyCalendar::DayOfCell(const CellPos& cell) const {
  return FirstShownDay() + (cell.row - 1) * 7 + cell.column;
}

bool TMonthlyCalendar::IsNeighbour(DayNumber day) const {
  const calendar::Date date = calendar::JuliusToDate(day);
  return date.year != Year() || date.month != Month();
}

bool TMonthlyCalendar::KeyDown(int key, ShiftState shift) {
  if (TCustomCalendarEx::KeyDown(key, shift)) return true;
  switch (key) {
    case kKeyRight: SetJuliusDay(JuliusDay() + 1); return true;
    case kKeyLeft: SetJuliusDay(JuliusDay() - 1); return true;
    case kKeyDown: SetJuliusDay(JuliusDay() + 7); return true;
    case kKeyUp: SetJuliusDay(JuliusDay() - 7); return true;
    case kKeyPageDown: MoveMonths(1); return true;
    case kKeyPageUp: MoveMonths(-1); return true;
    default: return false;
  }
}

void TMonthlyCalendar::MoveMonths(int months) {
  int year = Year();
  int month = Month() + months;
  if (month > 12) month -= 12, ++year;
  if (month < 1) month += 12, --year;
  const int lastDay = calendar::DaysInMonth(year, month);
  try {
    SetJuliusDay(calendar::DateToJulius(year, month, std::min(Day(), lastDay)));
  } catch (const calendar::EJuliusError&) {
    // October 1582: the days the reform dropped are skipped over.
    SetJuliusDay(calendar::DateToJulius(year, month, 15));
  }
}

void TMonthlyCalendar::MouseDown(const MouseEvent& event) {
  TCustomCalendarEx::MouseDown(event);
  if (event.button != MouseButton::Left) return;
  const auto cell = CellAt({event.x, event.y});
  if (!cell || cell->row == 0) return;
  const DayNumber day = DayOfCell(*cell);
  if (!IsNeighbour(day) || Props().NeighborJump) SetJuliusDay(day);
}

void TMonthlyCalendar::Paint(Canvas& canvas) {
  const Size client = ClientSize();
  canvas.FillRect({0, 0, client.width, client.height}, ResolveColour(canvas, Color()));
  for (int row = 0; row < RowCount(); ++row)
    for (int column = 0; column < 7; ++column) {
      const Rect cell = CellRect(column, row);
      if (row == 0) DrawHeaderCell(canvas, column, cell);
      else DrawCell(canvas, column, row, cell);
    }
}

void TMonthlyCalendar::DrawHeaderCell(Canvas& canvas, int column, const Rect& cell) {
  const std::string& name = WeekdayNames()[(Props().FirstDayOfWeek + column) % 7];
  canvas.FillRect(cell, ResolveColour(canvas, Props().DayOfWeekBkColor));
  const CanvasFont font = FontOf(CalFont::DayOfWeek, PointsToPixels(Fonts()[CalFont::DayOfWeek].size, Dpi()));
  canvas.DrawText(cell, name, {font, FontColour(canvas, CalFont::DayOfWeek), HAlign::Center, VAlign::Center});
}

Colour TMonthlyCalendar::NumberColour(Canvas& canvas, DayNumber day, CalFont font) const {
  const Colour colour = FontColour(canvas, font);
  return IsNeighbour(day) ? colour | ResolveColour(canvas, Props().NeighborColor) : colour;
}

void TMonthlyCalendar::DrawCell(Canvas& canvas, int column, int row, const Rect& cell) {
  const DayNumber day = DayOfCell({column, row});
  if (IsNeighbour(day) && !Props().ShowNeighbor) return;
  const calendar::Date date = calendar::JuliusToDate(day);
  const CalFont font = GetDayFont(date.year, date.month, date.day);
  Colour colour = NumberColour(canvas, day, font);
  if (day == JuliusDay()) {
    canvas.FillRect(cell, colour);
    colour = ResolveColour(canvas, Color());
  }
  DrawDayText(canvas, day, cell, font, colour);
}

void TMonthlyCalendar::DrawDayText(Canvas& canvas, DayNumber day, const Rect& cell, CalFont font,
                                   Colour colour) {
  const calendar::Date date = calendar::JuliusToDate(day);
  const CanvasFont numberFont = FontOf(font, PointsToPixels(Fonts()[font].size, Dpi()));
  const int rokuyo = Props().ShowRokuyo ? calendar::RokuyoOf(day) : 0;
  if (rokuyo < 1 || rokuyo > 6) {
    canvas.DrawText(cell, std::to_string(date.day), {numberFont, colour, HAlign::Center, VAlign::Center});
    return;
  }
  // The number moves up to make room for the rokuyo name under it.
  const CanvasFont rokuyoFont = FontOf(CalFont::Rokuyo, PointsToPixels(Fonts()[CalFont::Rokuyo].size, Dpi()));
  const int top = cell.top + (cell.Height() - numberFont.height - rokuyoFont.height) / 2;
  const Rect numberBox{cell.left, top, cell.right, top + numberFont.height};
  const Rect rokuyoBox{cell.left, numberBox.bottom, cell.right, numberBox.bottom + rokuyoFont.height};
  canvas.DrawText(numberBox, std::to_string(date.day), {numberFont, colour, HAlign::Center});
  canvas.DrawText(rokuyoBox, std::string(calendar::RokuyoName(rokuyo)),
                  {rokuyoFont, FontColour(canvas, CalFont::Rokuyo), HAlign::Center});
}

// ---- TSeMCalendar --------------------------------------------------------

void TSeMCalendar::SetSmallProps(const SeMCalendarProps& props) {
  if (props == small_) return;
  small_ = props;
  Rebuild();
}

Rect TSeMCalendar::CellRect(int column, int row) const {
  const Size client = ClientSize();
  const int rows = RowCount();
  return {Rounded(client.width, column, 7), Rounded(client.height, row, rows),
          Rounded(client.width, column + 1, 7), Rounded(client.height, row + 1, rows)};
}

void TSeMCalendar::DrawHeaderCell(Canvas& canvas, int column, const Rect& cell) {
  const std::string& name = WeekdayNames()[(Props().FirstDayOfWeek + column) % 7];
  Colour colour = ResolveColour(canvas, kClWindowText);
  if (name == "日" || name == "Sun") colour = kHeaderRed;
  if (name == "土" || name == "Sat") colour = kHeaderBlue;
  canvas.FillRect(cell, ResolveColour(canvas, Props().DayOfWeekBkColor));
  const CanvasFont font = FontOf(CalFont::DayOfWeek, PointsToPixels(Fonts()[CalFont::DayOfWeek].size, Dpi()));
  canvas.DrawText(cell, name, {font, colour, HAlign::Center, VAlign::Center});
  if (small_.Keisen) DrawCellLines(canvas, cell, ResolveColour(canvas, kClBtnShadow));
}

void TSeMCalendar::DrawCell(Canvas& canvas, int column, int row, const Rect& cell) {
  const DayNumber day = DayOfCell({column, row});
  if (IsNeighbour(day) && !Props().ShowNeighbor) return;
  if (small_.IsCursor && day == JuliusDay()) canvas.FillRect(cell, kCursorColour);
  else if (day == Today() && !IsNeighbour(day)) canvas.FillRect(cell, ResolveColour(canvas, small_.ColorToDay));
  const calendar::Date date = calendar::JuliusToDate(day);
  const CalFont font = GetDayFont(date.year, date.month, date.day);
  DrawDayText(canvas, day, cell, font, NumberColour(canvas, day, font));
  if (small_.Keisen) DrawCellLines(canvas, cell, 0xC0C0C0);
}

void TSeMCalendar::DrawCellLines(Canvas& canvas, const Rect& cell, Colour colour) {
  const Size client = ClientSize();
  const int width = LineWidth(1), inset = 1 + (width - 1) / 2, edge = Px(4);
  if (cell.right < client.width - edge)
    canvas.Line({cell.right - inset, cell.top}, {cell.right - inset, cell.bottom}, colour, width);
  if (cell.bottom < client.height - edge)
    canvas.Line({cell.left, cell.bottom - inset}, {cell.right, cell.bottom - inset}, colour, width);
}

}  // namespace grid
