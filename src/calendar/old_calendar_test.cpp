#include "calendar/old_calendar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace calendar {

// Readable failures instead of bytes.
void PrintTo(const OldDate& date, std::ostream* os) { *os << date.month << "/" << date.day; }
void PrintTo(const TJDOldMonth& row, std::ostream* os) { *os << row.firstDay << "," << row.month; }

namespace {

TEST(JdOldCal, TheTableHasItsRowsAndTheTellingOnes) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  ASSERT_EQ(rows.size(), 2488u);
  EXPECT_EQ(rows.front(), (TJDOldMonth{2415021, 12}));  // begins on 1 January 1900
  EXPECT_EQ(rows.back(), (TJDOldMonth{2488463, 1}));    // 29 January 2101, the end marker
  const auto from1989 = std::find(rows.begin(), rows.end(), TJDOldMonth{2447889, 12});
  ASSERT_GE(rows.end() - from1989, 8);
  const std::vector<TJDOldMonth> start = {{2447889, 12}, {2447919, 1}, {2447948, 2},
                                          {2447978, 3},  {2448007, 4}, {2448036, 5},
                                          {2448066, 105}, {2448095, 6}};
  EXPECT_EQ(std::vector<TJDOldMonth>(from1989, from1989 + 8), start);
}

// Months where the rules have to choose: a month without a principal term
// that is no leap month (1965, 1985, 2033, 2053) and the leap month after
// month 11 that settles 2033-2034.
TEST(JdOldCal, MonthsWhereTheRulesChoose) {
  struct Case {
    Date firstDay;
    int month;
  };
  const Case cases[] = {
      {{1900, 9, 24}, 108},  {{1965, 9, 25}, 9},    {{1985, 2, 20}, 1},
      {{2033, 8, 25}, 8},    {{2033, 9, 23}, 9},    {{2033, 11, 22}, 11},
      {{2033, 12, 22}, 11},  {{2034, 1, 20}, 12},   {{2034, 2, 19}, 1},
      {{2053, 2, 19}, 1},    {{2099, 4, 21}, 3},    {{2099, 12, 12}, 11},
  };
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  for (const Case& c : cases) {
    const DayNumber day = DateToJulius(c.firstDay.year, c.firstDay.month, c.firstDay.day);
    const auto row = std::find_if(rows.begin(), rows.end(),
                                  [day](const TJDOldMonth& r) { return r.firstDay == day; });
    ASSERT_NE(row, rows.end()) << c.firstDay.year << "-" << c.firstDay.month << "-" << c.firstDay.day;
    EXPECT_EQ(row->month, c.month) << c.firstDay.year << "-" << c.firstDay.month;
  }
}

TEST(JdOldCal, RowsAscendAndMonthsLastTwentyNineOrThirtyDays) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const int length = rows[i].firstDay - rows[i - 1].firstDay;
    EXPECT_TRUE(length == 29 || length == 30) << rows[i - 1].firstDay;
  }
}

// Month 11 holds the winter solstice, so every year has one New Year, from
// 21 January to 20 February; a month numbered wrongly anywhere moves it.
TEST(JdOldCal, OneNewYearAYearBetweenTheTwentyFirstOfJanuaryAndTheTwentiethOfFebruary) {
  std::vector<int> years;
  for (const TJDOldMonth& row : JdOldCal().Rows()) {
    if (row.month != 1) continue;
    const Date date = JuliusToDate(row.firstDay);
    years.push_back(date.year);
    EXPECT_GE(row.firstDay, DateToJulius(date.year, 1, 21)) << date.year;
    EXPECT_LE(row.firstDay, DateToJulius(date.year, 2, 20)) << date.year;
  }
  ASSERT_EQ(years.size(), 202u);
  for (std::size_t i = 0; i < years.size(); ++i) EXPECT_EQ(years[i], 1900 + static_cast<int>(i));
}

// Leap months flagged with 100 up to 2009, the plain repeated number after.
TEST(JdOldCal, LeapMonthsOfTheTable) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  std::vector<std::pair<int, int>> leaps;  // year, month
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const bool flagged = rows[i].month > 100;
    const bool repeated = rows[i].month == rows[i - 1].month;
    if (flagged || repeated)
      leaps.emplace_back(JuliusToDate(rows[i].firstDay).year, rows[i].month);
  }
  const std::vector<std::pair<int, int>> expected = {
      {1900, 108}, {1903, 105}, {1906, 104}, {1909, 102}, {1911, 106}, {1914, 105},
      {1917, 102}, {1919, 107}, {1922, 105}, {1925, 104}, {1928, 102}, {1930, 106},
      {1933, 105}, {1936, 103}, {1938, 107}, {1941, 106}, {1944, 104}, {1947, 102},
      {1949, 107}, {1952, 105}, {1955, 103}, {1957, 108}, {1960, 106}, {1963, 104},
      {1966, 103}, {1968, 107}, {1971, 105}, {1974, 104}, {1976, 108}, {1979, 106},
      {1982, 104}, {1984, 110}, {1987, 106},
      // The table as it was first kept, 1989-2030.
      {1990, 105}, {1993, 103}, {1995, 108}, {1998, 105}, {2001, 104}, {2004, 102},
      {2006, 107}, {2009, 105}, {2012, 3},   {2014, 9},   {2017, 5},   {2020, 4},
      {2023, 2},   {2025, 6},   {2028, 5},
      {2031, 3},   {2033, 11},  {2036, 6},   {2039, 5},   {2042, 2},   {2044, 7},
      {2047, 5},   {2050, 3},   {2052, 8},   {2055, 6},   {2058, 4},   {2061, 3},
      {2063, 7},   {2066, 5},   {2069, 4},   {2071, 8},   {2074, 6},   {2077, 4},
      {2080, 3},   {2082, 7},   {2085, 5},   {2088, 4},   {2090, 8},   {2093, 6},
      {2096, 4},   {2099, 3}};
  EXPECT_EQ(leaps, expected);
  EXPECT_EQ(OldCalendarDate(DateToJulius(2009, 6, 23)), (OldDate{105, 1}));
}

TEST(JdOldCal, TheResourceBytesAreAsciiLinesEndedByCrLf) {
  const std::string_view text = JdOldCalText();
  EXPECT_EQ(text.substr(0, 12), "2415021,12\r\n");
  EXPECT_EQ(text.substr(text.size() - 12), "\n2488463,1\r\n");
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80);
    if (text[i] == '\n') {
      ++lines;
      ASSERT_EQ(text[i - 1], '\r');
    }
  }
  EXPECT_EQ(lines, 2488u);
}

TEST(JdOldCal, CompiledInBytesAreTheDataFile) {
  std::ifstream file(VELDA_SOURCE_DIR "/src/calendar/jdoldcal.dat", std::ios::binary);
  ASSERT_TRUE(file);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  EXPECT_EQ(bytes.str(), JdOldCalText());
}

struct RokuyoCase {
  DayNumber day;
  OldDate date;
  int rokuyo;
};

const RokuyoCase kRokuyo[] = {
    {2415020, {0, 0}, 0},     // 31 December 1899, the day before the table
    {2415021, {12, 1}, 6},    // 1 January 1900: 赤口
    {2415287, {108, 1}, 2},   // the leap eighth month of 1900: 友引
    {2447888, {11, 30}, 4},   // 27 December 1989: 仏滅
    {2447889, {12, 1}, 6},    // 28 December 1989: 赤口
    {2447918, {12, 30}, 5},
    {2447919, {1, 1}, 1},     // New Year: 先勝
    {2447948, {2, 1}, 2},     // 友引
    {2448066, {105, 1}, 5},   // the leap fifth month of 1990: 大安
    {2448094, {105, 29}, 3},
    {2448095, {6, 1}, 6},     // 赤口
    {2462860, {11, 30}, 4},   // 24 December 2030: 仏滅
    {2462861, {12, 1}, 6},    // 25 December 2030: 赤口
    {2463954, {11, 1}, 5},    // 22 December 2033, the leap eleventh month: 大安
    {2488069, {11, 20}, 6},   // 31 December 2099: 赤口
    {2488434, {12, 1}, 6},    // 31 December 2100: 赤口
    {2488462, {12, 29}, 4},   // 28 January 2101, the last day of the table: 仏滅
    {2488463, {0, 0}, 0},     // the end marker gives nothing
    {2488464, {0, 0}, 0},
    {-5, {0, 0}, 0},
};

TEST(JdOldCal, OldDatesAndRokuyo) {
  for (const RokuyoCase& c : kRokuyo) {
    EXPECT_EQ(OldCalendarDate(c.day), c.date) << c.day;
    EXPECT_EQ(RokuyoOf(c.day), c.rokuyo) << c.day;
  }
}

TEST(JdOldCal, EveryDayOf1900To2100HasARokuyo) {
  for (DayNumber day = DateToJulius(1900, 1, 1); day <= DateToJulius(2100, 12, 31); ++day) {
    const OldDate date = OldCalendarDate(day);
    ASSERT_TRUE(date.day >= 1 && date.day <= 30) << day;
    ASSERT_NE(RokuyoOf(day), 0) << day;
  }
}

TEST(JdOldCal, BothThirdMonthsOf2012RunTheSameRokuyo) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  auto first = std::find_if(rows.begin(), rows.end(), [](const TJDOldMonth& r) {
    return r.month == 3 && JuliusToDate(r.firstDay).year == 2012;
  });
  ASSERT_NE(first, rows.end());
  const auto second = first + 1;
  ASSERT_EQ(second->month, 3);
  for (int d = 0; d < 29; ++d) {
    EXPECT_EQ(RokuyoOf(first->firstDay + d), (3 + d - 1) % 6 + 1);
    EXPECT_EQ(RokuyoOf(second->firstDay + d), RokuyoOf(first->firstDay + d));
  }
}

TEST(OldMonthTable, ReadsRowsSkipsJunkAndKeepsOrder) {
  const OldMonthTable table =
      OldMonthTable::FromText("100,1\r\nnot a row\n130,2\r159,3\r\n150,9\r\n\r\n189,4");
  const std::vector<TJDOldMonth> expected = {{100, 1}, {130, 2}, {159, 3}, {189, 4}};
  EXPECT_EQ(table.Rows(), expected);
  EXPECT_EQ(table.OldCalendarDate(129), (OldDate{1, 30}));
  EXPECT_EQ(table.OldCalendarDate(188), (OldDate{3, 30}));
  EXPECT_EQ(table.OldCalendarDate(189), (OldDate{}));
  EXPECT_EQ(OldMonthTable().OldCalendarDate(100), (OldDate{}));
  EXPECT_EQ(OldMonthTable::FromText("100,1").OldCalendarDate(100), (OldDate{}));
}

TEST(Rokuyo, Names) {
  const char* names[] = {"不明", "先勝", "友引", "先負", "仏滅", "大安", "赤口"};
  for (int i = 0; i < 7; ++i) EXPECT_EQ(RokuyoName(i), names[i]);
  EXPECT_EQ(RokuyoName(7), "");
  EXPECT_EQ(RokuyoName(-1), "");
}

}  // namespace
}  // namespace calendar
