#pragma once
// Holiday and special-day rules, one per rule line. A line is comma text
// (comma_text.h) of 3 to 7 fields; the count selects the form:
//
//   3  month, day, name                                  5,3,憲法記念日
//   4  month, week, weekday, name                        1,2,2,成人の日
//   5  year, kind, month, day, name                      2006,1,4,29,みどりの日
//   6  year, kind, month, week, weekday, name            2003,2,9,3,2,敬老の日
//   7  from-year, to-year, month, day, weekday, week, name
//                                                        1996,2002,7,20,,,海の日
//
// Kind "0": that year only, "1": up to that year, "2": from that year on,
// anything else: every year. Weekday 1 = Sunday .. 7 = Saturday; week n is
// days 7n-6..7n of the month; day 33 is the last day of the month. Empty
// numeric fields of the 7-field form leave the field unset. Other field
// counts are skipped; a numeric field that is no integer ends the parse.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "calendar/julius.h"

namespace calendar {

inline constexpr std::int32_t kYearUnset = std::numeric_limits<std::int32_t>::min();
inline constexpr std::uint8_t kLastDayOfMonth = 33;

// A date with what the rules ask of it, worked out once for many rules.
struct DayFacts {
  std::int32_t year = 0;
  int month = 0;
  int day = 0;
  DayNumber dayNumber = 0;
  int weekday = 0;  // 1 = Sunday .. 7 = Saturday
  int lastDay = 0;  // LastDayOfMonth(year, month)
};
// Throws EJuliusError for the days of the reform gap.
DayFacts FactsOf(std::int32_t year, int month, int day);

struct TBinaryDayListItem {
  std::uint8_t Day = 0;        // 0 any, 1..31, 33 last day of the month
  std::uint8_t Month = 0;      // 0 any, 1..12
  std::uint8_t DayOfWeek = 0;  // 0 any, 1..7
  std::uint8_t WeekNo = 0;     // 0 any, n-th week; only with DayOfWeek
  std::int32_t FromYear = kYearUnset;
  std::int32_t ToYear = kYearUnset;
  std::string Name;

  bool Matches(std::int32_t year, int month, int day) const;
  bool Matches(const DayFacts& date) const;

  bool operator==(const TBinaryDayListItem&) const = default;

 private:
  bool YearMatches(std::int32_t year) const;
  bool DayMatches(int day, int lastDay) const;
  bool WeekdayMatches(int day, int weekday) const;
};

using TBinaryDayList = std::vector<TBinaryDayListItem>;

// Where a parse stopped: the index of the line and the field that is no
// integer.
struct RuleParseError {
  std::size_t line = 0;
  std::string field;
};

struct DayRuleParse {
  TBinaryDayList rules;                 // the rules before any error
  std::optional<RuleParseError> error;  // set when a bad number ended it
};

DayRuleParse ParseDayRules(const std::vector<std::string>& lines);

}  // namespace calendar
