#pragma once
// Day numbers: the Julian day number of a civil date, across the calendar
// reform of 1582 (Julian up to 1582-10-04, Gregorian from 1582-10-15).
// Weekdays count 1 = Sunday .. 7 = Saturday.
#include <cstdint>
#include <stdexcept>

namespace calendar {

using DayNumber = std::int32_t;

// Day number of 2000-01-01, a Saturday; handy anchor for tests and callers.
inline constexpr DayNumber kJulius20000101 = 2451545;
// The first Gregorian day, 1582-10-15.
inline constexpr DayNumber kFirstGregorianDay = 2299161;

struct Date {
  std::int32_t year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31

  bool operator==(const Date&) const = default;
};

// Raised for the ten days the reform dropped.
class EJuliusError : public std::runtime_error {
 public:
  EJuliusError();
};

// Raised when a date lies so far out that its day number would not fit
// the 32-bit day number.
class EJuliusRangeError : public std::out_of_range {
 public:
  EJuliusRangeError();
};

// Throws EJuliusError for 1582-10-05..1582-10-14 and EJuliusRangeError
// when the result leaves the 32-bit range. Months and days outside their
// ranges are not refused: they count on from the month or year before
// (IsValidDate tells them apart).
DayNumber DateToJulius(std::int32_t year, int month, int day);
// The formulas hold from day -1401 (4717 BC, 1 March) on; earlier day
// numbers give dates that do not convert back.
Date JuliusToDate(DayNumber day);
int JuliusDayOfWeek(DayNumber day);  // 1 = Sunday .. 7 = Saturday

bool IsLeapYear(std::int32_t year);
// 28..31 from the month-length table; 0 for a month outside 1..12.
int DaysInMonth(std::int32_t year, int month);
// True when the date converts to a day number and back unchanged. Throws
// EJuliusError for the days of the reform gap.
bool IsValidDate(std::int32_t year, int month, int day);
// Last day of the month as a day of month, found through the first day of
// the next month; 0 when year < 1, the month is outside 1..12 or a
// conversion fails.
int LastDayOfMonth(std::int32_t year, int month);

// Day number of the calendar date of a system date value: days since
// 1899-12-30 with the time of day as fraction (the OLE automation date).
DayNumber DateTimeToJulius(double dateTime);

// Japanese equinox days (the vernal one in March, the autumnal one in
// September) from a fitted formula valid around the present centuries.
DayNumber VernalEquinoxJulius(std::int32_t year);
DayNumber AutumnalEquinoxJulius(std::int32_t year);
bool IsVernalEquinoxDay(std::int32_t year, int month, int day);
bool IsAutumnalEquinoxDay(std::int32_t year, int month, int day);

}  // namespace calendar
