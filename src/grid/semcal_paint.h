#pragma once
// Paints a TSeMCal from its slot table: the weekday row, the day cells
// with their numbers, names or rokuyo, entries and period bars, the month
// memo area and the cell lines. One painter per paint; it keeps nothing.
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "grid/canvas.h"
#include "grid/semcal.h"

namespace grid {

class SeMCalPainter {
 public:
  SeMCalPainter(const TSeMCal& grid, Canvas& canvas);

  // Fills the bitmap with the control colour, then the weekday row and the
  // week rows 1..RowCount-1.
  void RedrawCells();
  // Row 0 is the weekday row.
  void DrawDayCell(int column, int row, const Rect& cell);
  void DrawMonthMemo(const Rect& area);

 private:
  struct DayCell {
    DayNumber day = 0;
    calendar::Date date;
    int index = 0;  // 0..41
    bool neighbour = false;
    calendar::DayKind kind = 0;
    CalFont font = CalFont::Weekday;
    Rect rect;
    Colour background = 0;
  };
  // Entry hiding runs on across the lines of one cell.
  struct HiddenState {
    bool on = false;
    int count = 0;
  };

  void DrawWeekdayCell(int column, const Rect& cell);
  bool DrawBackground(DayCell& cell);
  int DrawDayNumber(const DayCell& cell);
  int DrawRokuyo(const DayCell& cell, int nameLeft);
  void DrawNames(const DayCell& cell, int nameLeft);
  int DrawName(const DayCell& cell, int left, const std::string& text, CalFont font);
  void DrawLines(const DayCell& cell);
  void DrawEntry(const DayCell& cell, const Rect& box, HiddenState& hidden, int slot);
  void DrawOverflowMark(const Rect& box, const CanvasFont& font, Colour colour);
  void DrawPeriodBar(const DayCell& cell, const Rect& box, int slot);
  void DrawBarLine(const DayCell& cell, const Rect& box, const PeriodSpan& span, int y, Colour pen,
                   int width);
  void DrawBarLabel(const DayCell& cell, const Rect& line, const std::string& label, Colour colour);
  void DrawCellLines(const Rect& cell, Colour colour);

  CanvasFont EntryFont(bool bold = false, bool strikeOut = false) const;
  Colour NeighbourTinted(Colour colour, bool neighbour) const;
  Rect NameBox(const DayCell& cell, int left) const;
  std::string FitBeforeSlash(const std::string& text, const CanvasFont& font, int room);
  std::vector<std::string> MonthMemoLines() const;

  const TSeMCal& grid_;
  const SeMCalProps& p_;
  Canvas& canvas_;
  Colour window_;
  Colour neighbour_;
};

}  // namespace grid
