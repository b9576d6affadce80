#pragma once
// The lunisolar month table (the JDOLDCAL resource) and the rokuyo, the
// six-day cycle that follows from the lunisolar month and day.
//
// Table text, one month a line, CR LF, first day number and month number
// (101..112 for a leap month flagged as such):
//
//   2415021,12
//   2415051,1
//   ...
//   2415287,108
//
// Each month runs up to the day before the next line's first day; the last
// line only ends the one before it.
#include <string>
#include <string_view>
#include <vector>

#include "calendar/julius.h"

namespace calendar {

struct TJDOldMonth {
  DayNumber firstDay = 0;
  int month = 0;  // 1..12, or 101..112 for a flagged leap month

  bool operator==(const TJDOldMonth&) const = default;
};

struct OldDate {
  int month = 0;  // 0 outside the table
  int day = 0;

  bool operator==(const OldDate&) const = default;
};

class OldMonthTable {
 public:
  OldMonthTable() = default;
  // Lines that are not two integers are skipped; rows must ascend.
  static OldMonthTable FromText(std::string_view text);

  const std::vector<TJDOldMonth>& Rows() const { return rows_; }
  OldDate OldCalendarDate(DayNumber day) const;
  int RokuyoOf(DayNumber day) const;  // 0..6

 private:
  std::vector<TJDOldMonth> rows_;
};

// The table shipped with the program, read on first use.
const OldMonthTable& JdOldCal();
// The raw bytes of the shipped table.
std::string_view JdOldCalText();

OldDate OldCalendarDate(DayNumber day);
int RokuyoOf(DayNumber day);
// "不明" for 0 (never drawn), then "先勝" "友引" "先負" "仏滅" "大安" "赤口";
// empty outside 0..6.
std::string_view RokuyoName(int index);

}  // namespace calendar
