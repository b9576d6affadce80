#include "calendar/julius.h"

#include "calendar/julius_detail.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

struct DayCase {
  Date date;
  DayNumber number;
  int weekday;
};

// Anchors on both sides of the reform and far from it.
const DayCase kDays[] = {
    {{2000, 1, 1}, 2451545, 7},   // Saturday
    {{1582, 10, 4}, 2299160, 5},  // last Julian day, a Thursday
    {{1582, 10, 15}, 2299161, 6}, // first Gregorian day, a Friday
    {{1989, 12, 28}, 2447889, 5},
    {{2030, 12, 25}, 2462861, 4},
    {{1970, 1, 1}, 2440588, 5},
    {{1899, 12, 30}, 2415019, 7},
    {{1, 1, 1}, 1721424, 7},      // Julian 1 January 1
    {{0, 3, 1}, 1721118, 2},      // year 0, a leap year: 366 days after 1 March of -1
    {{-1, 3, 1}, 1720752, 7},
    {{-4712, 1, 1}, 0, 2},        // the start of the day count, a Monday
    {{2100, 3, 1}, 2488129, 2},
    {{2025, 1, 1}, 2460677, 4},
};

TEST(Julius, KnownDayNumbersAndWeekdays) {
  for (const DayCase& c : kDays) {
    SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
    EXPECT_EQ(DateToJulius(c.date.year, c.date.month, c.date.day), c.number);
    EXPECT_EQ(JuliusToDate(c.number), c.date);
    EXPECT_EQ(JuliusDayOfWeek(c.number), c.weekday);
  }
}

TEST(Julius, TheTenDaysOfTheReformDoNotExist) {
  for (int day = 5; day <= 14; ++day) {
    EXPECT_THROW(DateToJulius(1582, 10, day), EJuliusError) << day;
    EXPECT_THROW(IsValidDate(1582, 10, day), EJuliusError) << day;
  }
  EXPECT_EQ(DateToJulius(1582, 10, 15) - DateToJulius(1582, 10, 4), 1);
  EXPECT_EQ(JuliusToDate(2299160), (Date{1582, 10, 4}));
  EXPECT_EQ(JuliusToDate(2299161), (Date{1582, 10, 15}));
  try {
    DateToJulius(1582, 10, 10);
  } catch (const EJuliusError& e) {
    EXPECT_STREQ(e.what(), "1582/10/5-10/14は存在しません。");
  }
}

// Every day from -1000 to 3000 converts there and back, the next day
// number is the next calendar day, and the weekday moves on by one.
TEST(Julius, EveryDayOfFourThousandYearsRoundTripsAndStepsByOne) {
  const DayNumber first = DateToJulius(-1000, 1, 1);
  const DayNumber last = DateToJulius(3000, 12, 31);
  Date previous = JuliusToDate(first - 1);
  ASSERT_EQ(previous, (Date{-1001, 12, 31}));
  for (DayNumber j = first; j <= last; ++j) {
    const Date d = JuliusToDate(j);
    ASSERT_EQ(DateToJulius(d.year, d.month, d.day), j) << d.year << "-" << d.month << "-" << d.day;
    Date expected{previous.year, previous.month, previous.day + 1};
    if (previous == Date{1582, 10, 4}) {
      expected.day = 15;
    } else if (previous.day == DaysInMonth(previous.year, previous.month)) {
      expected = previous.month == 12 ? Date{previous.year + 1, 1, 1}
                                      : Date{previous.year, previous.month + 1, 1};
    }
    ASSERT_EQ(d, expected) << "after " << previous.year << "-" << previous.month << "-"
                           << previous.day;
    ASSERT_EQ(JuliusDayOfWeek(j), JuliusDayOfWeek(j - 1) % 7 + 1);
    previous = d;
  }
}

// The integer forms for years 1..9999 must agree with the long double
// formulas on every day and on every day-of-month up to 31, valid or not.
TEST(Julius, FastFormsAgreeWithTheFormulasOverYears1To9999) {
  for (DayNumber j = 1721424 - 400; j <= 5373484 + 400; ++j)
    ASSERT_EQ(JuliusToDate(j), detail::JuliusToDateByFormula(j)) << j;
  for (int year = 0; year <= 10000; ++year) {
    for (int month = 1; month <= 12; ++month) {
      for (int day = 1; day <= 31; ++day) {
        if (year == 1582 && month == 10 && day > 4 && day < 15) continue;
        ASSERT_EQ(DateToJulius(year, month, day), detail::DateToJuliusByFormula(year, month, day))
            << year << "-" << month << "-" << day;
      }
    }
  }
}

TEST(Julius, LeapYearsFollowTheCalendarOfTheirTime) {
  const struct {
    int year;
    bool leap;
  } cases[] = {{1500, true},  {1700, false}, {1900, false}, {2000, true},  {2100, false},
               {4000, false}, {8000, false}, {2024, true},  {2023, false}, {1580, true},
               {1581, false}, {1584, true},  {0, true},     {-1, false},   {-4, true},
               {-4712, true}, {1600, true},  {12000, false}};
  for (const auto& c : cases) EXPECT_EQ(IsLeapYear(c.year), c.leap) << c.year;
}

TEST(Julius, MonthLengthsComeFromTheTableAndTheLeapRule) {
  EXPECT_EQ(DaysInMonth(2023, 2), 28);
  EXPECT_EQ(DaysInMonth(2024, 2), 29);
  EXPECT_EQ(DaysInMonth(4000, 2), 28);  // the 4000-year rule touches lengths only
  EXPECT_EQ(DaysInMonth(1582, 10), 31);
  EXPECT_EQ(DaysInMonth(2023, 4), 30);
  EXPECT_EQ(DaysInMonth(2023, 0), 0);
  EXPECT_EQ(DaysInMonth(2023, 13), 0);
}

TEST(Julius, LastDayOfMonthGoesThroughTheNextMonth) {
  EXPECT_EQ(LastDayOfMonth(2023, 2), 28);
  EXPECT_EQ(LastDayOfMonth(2024, 2), 29);
  EXPECT_EQ(LastDayOfMonth(2023, 12), 31);
  EXPECT_EQ(LastDayOfMonth(1582, 10), 31);
  EXPECT_EQ(LastDayOfMonth(1582, 9), 30);
  EXPECT_EQ(LastDayOfMonth(4000, 2), 29);  // the conversion knows no 4000-year rule
  EXPECT_EQ(LastDayOfMonth(0, 5), 0);
  EXPECT_EQ(LastDayOfMonth(2023, 0), 0);
  EXPECT_EQ(LastDayOfMonth(2023, 13), 0);
  EXPECT_EQ(LastDayOfMonth(2147483647, 12), 0);  // beyond the day numbers
}

TEST(Julius, ValidDatesRoundTrip) {
  EXPECT_TRUE(IsValidDate(2024, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 2, 29));
  EXPECT_FALSE(IsValidDate(2023, 4, 31));
  EXPECT_FALSE(IsValidDate(2023, 13, 1));
  EXPECT_FALSE(IsValidDate(2023, 1, 0));
  EXPECT_FALSE(IsValidDate(2023, 0, 10));
  EXPECT_TRUE(IsValidDate(1582, 10, 4));
  EXPECT_TRUE(IsValidDate(1582, 10, 15));
  EXPECT_TRUE(IsValidDate(1500, 2, 29));
  EXPECT_FALSE(IsValidDate(1700, 2, 29));
  EXPECT_TRUE(IsValidDate(-4716, 3, 1));   // day -1401, the first that converts back
  EXPECT_FALSE(IsValidDate(-5000, 1, 1));
  EXPECT_FALSE(IsValidDate(2147483647, 1, 1));
  EXPECT_FALSE(IsValidDate(-2147483647 - 1, 1, 1));
}

TEST(Julius, SystemDateValuesGiveTheirCalendarDate) {
  EXPECT_EQ(DateTimeToJulius(0.0), 2415019);           // 1899-12-30
  EXPECT_EQ(DateTimeToJulius(36526.75), 2451545);      // 2000-01-01 18:00
  EXPECT_EQ(DateTimeToJulius(-1.25), 2415018);         // 1899-12-29 06:00
  EXPECT_EQ(DateTimeToJulius(45658.999), 2460677);     // 2025-01-01 23:58
  EXPECT_EQ(DateTimeToJulius(-115858.0), 2299161);     // 1582-10-15
  EXPECT_THROW(DateTimeToJulius(-115863.0), EJuliusError);  // proleptic 1582-10-10
  EXPECT_THROW(DateTimeToJulius(1e300), EJuliusRangeError);
}

TEST(Julius, HugeDatesAreRefusedNotWrapped) {
  EXPECT_THROW(DateToJulius(6000000, 1, 1), EJuliusRangeError);
  EXPECT_THROW(DateToJulius(-6000000, 1, 1), EJuliusRangeError);
  EXPECT_NO_THROW(DateToJulius(5000000, 12, 31));
  EXPECT_EQ(JuliusDayOfWeek(-2), 7);  // weekdays stay 1..7 before day 0
  EXPECT_EQ(JuliusDayOfWeek(2147483647), JuliusDayOfWeek(2147483647 - 7));
}

struct EquinoxCase {
  int year;
  int vernalDay;    // in March
  int autumnalDay;  // in September; 0 when not checked
};

// The days the formulas give agree with the days published for Japan.
const EquinoxCase kEquinoxes[] = {
    {2000, 20, 23}, {2010, 21, 23}, {2020, 20, 22}, {2023, 21, 23}, {2024, 20, 22},
    {2025, 20, 23}, {1973, 21, 23}, {1979, 21, 24}, {1980, 20, 23}, {2012, 20, 22},
    {2026, 20, 23}, {2044, 20, 22}, {2050, 20, 23}, {1960, 20, 23},
};

TEST(Julius, EquinoxDaysOfTheYears) {
  for (const EquinoxCase& c : kEquinoxes) {
    SCOPED_TRACE(c.year);
    EXPECT_EQ(JuliusToDate(VernalEquinoxJulius(c.year)), (Date{c.year, 3, c.vernalDay}));
    EXPECT_EQ(JuliusToDate(AutumnalEquinoxJulius(c.year)), (Date{c.year, 9, c.autumnalDay}));
    EXPECT_TRUE(IsVernalEquinoxDay(c.year, 3, c.vernalDay));
    EXPECT_FALSE(IsVernalEquinoxDay(c.year, 3, c.vernalDay + 1));
    EXPECT_TRUE(IsAutumnalEquinoxDay(c.year, 9, c.autumnalDay));
    EXPECT_FALSE(IsAutumnalEquinoxDay(c.year, 3, c.vernalDay));
  }
}

TEST(Julius, EquinoxFormulasRunForAnyYear) {
  // No range check: far years still give a day near their equinox.
  EXPECT_EQ(JuliusToDate(VernalEquinoxJulius(1000)).month, 3);
  EXPECT_EQ(JuliusToDate(AutumnalEquinoxJulius(3000)).month, 9);
  EXPECT_NO_THROW(VernalEquinoxJulius(-100000));
}

}  // namespace
}  // namespace calendar
