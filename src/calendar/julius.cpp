#include "calendar/julius.h"

#include "calendar/julius_detail.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace calendar {
namespace {

// The conversions are the classic astronomical ones (J. Meeus, Astronomical
// Algorithms, ch. 7) with truncation toward zero. They run in long double
// (a 64-bit mantissa on x86 with g++ and MinGW), so that 30.6001, 122.1 and
// the equinox terms round exactly as they always have.
using Real = long double;

constexpr Real kPi = 3.14159265358979323846264338327950288L;
// 1899-12-30, day 0 of the system date value, in days since 1970-01-01.
constexpr std::int64_t kUnixDayOf18991230 = -25569;
constexpr int kMonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
constexpr DayNumber kFirstDayOfYear1 = 1721424;    // 0001-01-01, Julian
constexpr DayNumber kLastDayOfYear9999 = 5373484;  // 9999-12-31

std::int64_t Trunc(Real x) { return static_cast<std::int64_t>(x); }

DayNumber CheckedDayNumber(std::int64_t day) {
  if (day < std::numeric_limits<DayNumber>::min() || day > std::numeric_limits<DayNumber>::max())
    throw EJuliusRangeError();
  return static_cast<DayNumber>(day);
}

bool IsGregorianDate(std::int32_t year, int month, int day) {
  if (year != 1582) return year > 1582;
  return month >= 11 || (month == 10 && day >= 15);
}

bool IsJulianDate(std::int32_t year, int month, int day) {
  if (year != 1582) return year < 1582;
  return month <= 9 || (month == 10 && day <= 4);
}

// Sine of degrees; a value the sine cannot be taken of counts as 0.
Real SinDeg(Real degrees) {
  const Real s = std::sin(degrees / 180 * kPi);
  return std::isfinite(s) ? s : 0;
}

// Days since 1899-12-30 to a proleptic Gregorian date (H. Hinnant,
// "chrono-Compatible Low-Level Date Algorithms", civil_from_days).
Date CivilFromDays(std::int64_t days) {
  const std::int64_t z = days + kUnixDayOf18991230 + 719468;  // days since 0000-03-01
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const std::int64_t doe = z - era * 146097;             // [0, 146096]
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);                // [0, 365]
  const std::int64_t mp = (5 * doy + 2) / 153;           // [0, 11], March first
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);  // [1, 31]
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);  // [1, 12]
  const std::int64_t year = yoe + era * 400 + (month <= 2);
  return {static_cast<std::int32_t>(year), month, day};
}

}  // namespace

EJuliusError::EJuliusError() : std::runtime_error("1582/10/5-10/14は存在しません。") {}

EJuliusRangeError::EJuliusRangeError() : std::out_of_range("日付が計算できる範囲を超えています。") {}

namespace detail {

DayNumber DateToJuliusByFormula(std::int32_t year, int month, int day) {
  const bool gregorian = IsGregorianDate(year, month, day);
  if (!gregorian && !IsJulianDate(year, month, day)) throw EJuliusError();
  // January and February count as months 13 and 14 of the year before, so
  // that the leap day ends the counting year.
  const std::int64_t y = month < 3 ? std::int64_t{year} - 1 : year;  // year - 1 or year
  const std::int64_t m = month <= 2 ? month + 12 : month;              // [3, 14] for real months
  Real a = 365.25L * y;  // exact: |y| < 2^32 needs far less than 64 bits
  if (year <= 0) a -= 0.75L;
  const std::int64_t p = Trunc(a);                 // days of the whole counting years
  const std::int64_t q = Trunc((m + 1) * 30.6001L);  // [122, 459]: days to the month, +122
  std::int64_t result = p + q + day + 1720995;
  if (gregorian) {
    const std::int64_t c = y / 100;  // centuries, y > 1581 here
    result += c / 4 - c + 2;         // days the Gregorian rule drops, +2 for the reform
  }
  return CheckedDayNumber(result);
}

Date JuliusToDateByFormula(DayNumber day) {
  const std::int64_t j = day;
  std::int64_t b = j + 1524;
  if (j >= kFirstGregorianDay) {
    // alpha: century years since 1582 that are not leap years, plus the
    // ten days of the reform; [10, 58800] for 32-bit day numbers.
    const std::int64_t alpha = Trunc((j - 1867216.25L) / 36524.25L);
    b = j + alpha - alpha / 4 + 1525;
  }
  const std::int64_t c = Trunc((b - 122.1L) / 365.25L);  // Julian counting year + 4716
  const std::int64_t d = Trunc(c * 365.25L);             // its first day, relative to b
  const std::int64_t e = Trunc((b - d) / 30.6001L);      // [4, 15]: month + 1, March first
  const int dayOfMonth = static_cast<int>(b - d - Trunc(e * 30.6001L));  // [1, 31]
  const int month = static_cast<int>(e >= 14 ? e - 13 : e - 1);        // [1, 12]
  const std::int64_t year = month >= 3 ? c - 4716 : c - 4715;
  return {static_cast<std::int32_t>(year), month, dayOfMonth};
}

}  // namespace detail

// Years 1..9999 are what calendars show. There the formulas reduce to exact
// integer arithmetic: 365.25 y and alpha are exact quarters, and 30.6001 and
// 122.1 leave every quotient at least 1e-5 from an integer, far beyond the
// rounding of a 64-bit mantissa; so truncating the exact rationals gives the
// same days at a fraction of the cost (a test compares every day).
DayNumber DateToJulius(std::int32_t year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
    return detail::DateToJuliusByFormula(year, month, day);
  const bool gregorian = IsGregorianDate(year, month, day);
  if (!gregorian && !IsJulianDate(year, month, day)) throw EJuliusError();
  const std::int32_t y = month < 3 ? year - 1 : year;   // [0, 9999]
  const std::int32_t m = month < 3 ? month + 12 : month;  // [3, 14]
  std::int32_t result = 1461 * y / 4 + 306001 * (m + 1) / 10000 + day + 1720995;
  if (gregorian) result += y / 100 / 4 - y / 100 + 2;
  return result;
}

Date JuliusToDate(DayNumber day) {
  if (day < kFirstDayOfYear1 || day > kLastDayOfYear9999) return detail::JuliusToDateByFormula(day);
  std::int64_t b = day + 1524;
  if (day >= kFirstGregorianDay) {
    const std::int64_t alpha = (4 * std::int64_t{day} - 7468865) / 146097;  // [10, 96]
    b = day + alpha - alpha / 4 + 1525;
  }
  const std::int64_t c = (20 * b - 2442) / 7305;  // Julian counting year + 4716: [4716, 14716]
  const std::int64_t d = 1461 * c / 4;             // its first day, relative to b
  const std::int64_t e = 10000 * (b - d) / 306001;  // [4, 15]
  const int dayOfMonth = static_cast<int>(b - d - 306001 * e / 10000);
  const int month = static_cast<int>(e >= 14 ? e - 13 : e - 1);
  return {static_cast<std::int32_t>(month >= 3 ? c - 4716 : c - 4715), month, dayOfMonth};
}

int JuliusDayOfWeek(DayNumber day) {
  // Floored, so that day numbers before day -1 keep weekdays 1..7.
  const std::int64_t r = (std::int64_t{day} + 1) % 7;  // [-6, 6]
  return static_cast<int>((r < 0 ? r + 7 : r) + 1);     // [1, 7], 1 = Sunday
}

bool IsLeapYear(std::int32_t year) {
  if (year <= 1581) return (std::int64_t{year} + 4712) % 4 == 0;
  if (year % 4000 == 0) return false;
  if (year % 400 == 0) return true;
  return year % 4 == 0 && year % 100 != 0;
}

int DaysInMonth(std::int32_t year, int month) {
  if (month < 1 || month > 12) return 0;
  return kMonthLengths[month - 1] + (month == 2 && IsLeapYear(year) ? 1 : 0);
}

bool IsValidDate(std::int32_t year, int month, int day) {
  try {
    return JuliusToDate(DateToJulius(year, month, day)) == Date{year, month, day};
  } catch (const EJuliusRangeError&) {
    return false;
  }
}

int LastDayOfMonth(std::int32_t year, int month) {
  if (year < 1 || month < 1 || month > 12) return 0;
  if (month == 12 && year == std::numeric_limits<std::int32_t>::max()) return 0;  // no next year
  const std::int32_t nextYear = month == 12 ? year + 1 : year;
  const int nextMonth = month == 12 ? 1 : month + 1;
  try {
    return JuliusToDate(DateToJulius(nextYear, nextMonth, 1) - 1).day;
  } catch (const std::exception&) {
    return 0;
  }
}

DayNumber DateTimeToJulius(double dateTime) {
  // The system date value counts days on the proleptic Gregorian calendar;
  // its date is converted as a calendar date, as every other date is.
  if (!std::isfinite(dateTime) || std::fabs(dateTime) > 1e9) throw EJuliusRangeError();
  const Date date = CivilFromDays(static_cast<std::int64_t>(dateTime));
  return DateToJulius(date.year, date.month, date.day);
}

DayNumber VernalEquinoxJulius(std::int32_t year) {
  const Real b = Real(year) - 2000;  // years from 2000
  const Real t = 0.002L * (SinDeg(321 - 30.37L * b) + SinDeg(249 + 0.19L * b) +
                           SinDeg(202 - 132.57L * b) + SinDeg(84 - 90.37L * b)) -
                 0.00004871850323926L * b + 0.001L * SinDeg(132 - 134.81L * b) +
                 0.005L * SinDeg(239 - 19.34L * b);  // |t| < 0.02 + 5e-5 |b| days
  const Real v = 365.24229L * b + 2451624.683L + (0.0000001L * b * b - t);
  if (!(std::fabs(v) < 4e9L)) throw EJuliusRangeError();
  return CheckedDayNumber(Trunc(v));
}

DayNumber AutumnalEquinoxJulius(std::int32_t year) {
  const Real b = Real(year) - 2000;
  const Real t = 0.002L * (SinDeg(485 - 30.37L * b) + SinDeg(249 + 0.19L * b) +
                           SinDeg(268.2L - 132.57L * b) + SinDeg(309.2L - 90.37L * b)) +
                 0.00004871850323926L * b + 0.001L * SinDeg(244.6L - 134.81L * b) +
                 0.005L * SinDeg(248.6L - 19.34L * b);
  const Real v = 365.24206L * b + 2451811.096L + (0.0000001L * b * b - t);
  if (!(std::fabs(v) < 4e9L)) throw EJuliusRangeError();
  return CheckedDayNumber(Trunc(v));
}

bool IsVernalEquinoxDay(std::int32_t year, int month, int day) {
  const Date d = JuliusToDate(VernalEquinoxJulius(year));
  return d.month == month && d.day == day;
}

bool IsAutumnalEquinoxDay(std::int32_t year, int month, int day) {
  const Date d = JuliusToDate(AutumnalEquinoxJulius(year));
  return d.month == month && d.day == day;
}

}  // namespace calendar
