#pragma once
// The small month calendars: TMonthlyCalendar scales its cells to its
// client size and moves the selected day with the keys; TSeMCalendar, the
// calendar of the year page, paints today, the selected day and optional
// cell lines its own way.
#include <optional>
#include <string>

#include "grid/custom_calendar.h"

namespace grid {

struct CellPos {
  int column = 0;  // 0..6
  int row = 0;     // 0 weekday row, 1.. week rows
  bool operator==(const CellPos&) const = default;
};

class TMonthlyCalendar : public TCustomCalendarEx {
 public:
  explicit TMonthlyCalendar(DayNumber today) : TCustomCalendarEx(today) {}

  // Cell bounds at width * column / 7 and height * row / rows, truncated.
  virtual Rect CellRect(int column, int row) const;
  // The cell under a point of the client area; none outside it.
  std::optional<CellPos> CellAt(Point point) const;
  DayNumber DayOfCell(const CellPos& cell) const;

  // Right/Left one day, Up/Down one week, Page Up/Down one month (the day
  // kept inside the month); other keys go to the owner.
  bool KeyDown(int key, ShiftState shift) override;
  // A left click selects the clicked day; a neighbour-month day only with
  // NeighborJump on.
  void MouseDown(const MouseEvent& event) override;

 protected:
  void Paint(Canvas& canvas) override;
  virtual void DrawCell(Canvas& canvas, int column, int row, const Rect& cell);
  virtual void DrawHeaderCell(Canvas& canvas, int column, const Rect& cell);
  // The day number (and the rokuyo under it when shown) in `colour`.
  void DrawDayText(Canvas& canvas, DayNumber day, const Rect& cell, CalFont font, Colour colour);
  bool IsNeighbour(DayNumber day) const;
  Colour NumberColour(Canvas& canvas, DayNumber day, CalFont font) const;
  void MoveMonths(int months);
};

// The year page's calendar.
struct SeMCalendarProps {
  bool IsCursor = false;         // highlight the selected day
  bool Keisen = false;           // cell lines
  Colour ColorToDay = 0xD0FFD5;  // today's cell

  bool operator==(const SeMCalendarProps&) const = default;
};

inline constexpr Colour kCursorColour = 0xFFFFB9;

class TSeMCalendar : public TMonthlyCalendar {
 public:
  explicit TSeMCalendar(DayNumber today) : TMonthlyCalendar(today) {}

  const SeMCalendarProps& SmallProps() const { return small_; }
  void SetSmallProps(const SeMCalendarProps& props);
  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Bounds rounded to the nearest pixel.
  Rect CellRect(int column, int row) const override;

 protected:
  void DrawCell(Canvas& canvas, int column, int row, const Rect& cell) override;
  void DrawHeaderCell(Canvas& canvas, int column, const Rect& cell) override;

 private:
  void DrawCellLines(Canvas& canvas, const Rect& cell, Colour colour);
  SeMCalendarProps small_;
  int tag_ = 0;
};

}  // namespace grid
