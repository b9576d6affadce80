#pragma once
// A month grid on a recording canvas with a loaded month window, for the
// tests of this folder.
#include <array>
#include <cstdio>
#include <string>

#include "calendar/julius.h"
#include "grid/canvas_testutil.h"
#include "grid/semcal.h"
#include "store/month_file.h"
#include "store/period_item.h"

namespace grid {

class GridFixture {
 public:
  // The grid shows `year`/`month`; today lies far away unless set.
  GridFixture(int year, int month, DayNumber today = calendar::DateToJulius(2000, 1, 1),
              platform::Services* os = nullptr)
      : grid(today, os) {
    grid.SetTarget(&target);
    grid.SetEvents(&events);
    grid.SetClientSize({7 * 128 + 3, 6 * 95 + 24 + 3});
    periods.lines.push_back("***** FromTo予定 [Data\\Files1\\]");
    grid.SetPeriodList(&periods);
    LoadWindow(year, month);
    events.log.clear();
  }

  // Records 0..4 hold the month before `month` to three months after; the
  // grid shows record 1.
  void LoadWindow(int year, int month) {
    for (int i = 0; i < 5; ++i) {
      int y = year, m = month - 1 + i;
      TSeMCal::NormalizeYearMonth(y, m);
      months[i] = store::MonthSlot{y, m, {store::MonthHeader(y, m, "Data\\Files1\\")}, 1, {}};
      grid.SetMonthRecord(i, &months[i]);
    }
    grid.SetCurrentMonthIndex(1);
    grid.SetShownDate(year, month, 1);
    grid.Rebuild();
  }

  // An entry line "%2d,%d,,text,colour,,,,," in record `record`.
  int AddEntry(int record, int day, const std::string& text, const std::string& colour = "") {
    auto& lines = months[record].lines;
    char head[16];
    std::snprintf(head, sizeof head, "%2d,1,,", day);
    lines.push_back(head + text + "," + colour + ",,,,,");
    return static_cast<int>(lines.size()) - 1;
  }

  struct Period {
    calendar::Date start;
    std::string startPart = "M";
    calendar::Date end;
    std::string endPart = "E";
    calendar::Date summary{};
    std::string thickness = "1";
    std::string colour = "clBlue";
    std::string text = "期間";
  };
  int AddPeriod(const Period& p) {
    const calendar::Date summary = p.summary.year ? p.summary : p.start;
    periods.lines.push_back(DateText(p.start) + "," + p.startPart + "," + DateText(p.end) + "," +
                            p.endPart + "," + DateText(summary) + "," + p.thickness + "," + p.colour +
                            "," + p.text + ",PC01,,,,,");
    return static_cast<int>(periods.lines.size()) - 1;
  }

  int CellOf(int year, int month, int day) const {
    return calendar::DateToJulius(year, month, day) - grid.CachedFirstShownDay();
  }
  Rect CellRect(int cell) const {
    const auto& p = grid.Metrics();
    const int column = cell % 7, row = cell / 7 + 1;
    const int top = p.LenYoubiH + (row - 1) * p.LenDayH;
    return {column * p.LenDayW, top, (column + 1) * p.LenDayW, top + p.LenDayH};
  }
  Rect CellRectOf(int year, int month, int day) const { return CellRect(CellOf(year, month, day)); }
  const CellSlots& SlotsOf(int year, int month, int day) const {
    return grid.Slots()[CellOf(year, month, day)];
  }
  // A point inside slot `slot` of a cell.
  Point PointInSlot(int cell, int slot) const {
    const Rect r = CellRect(cell);
    return {r.left + 60, r.top + grid.ItemsTop() + slot * grid.LineStep() + 1};
  }
  RecordingCanvas& canvas() { return target.recording; }

  RecordingTarget target;
  RecordingEvents events;
  std::array<store::MonthSlot, 5> months;
  store::PeriodList periods;
  TSeMCal grid;

 private:
  static std::string DateText(const calendar::Date& d) {
    char text[32];
    std::snprintf(text, sizeof text, "%4d,%2d,%2d", d.year, d.month, d.day);
    return text;
  }
};

}  // namespace grid
