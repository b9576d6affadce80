#include "calendar/old_calendar.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace calendar {
namespace {

TEST(JdOldCal, TheTableHasItsRowsAndTheTellingOnes) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  ASSERT_EQ(rows.size(), 508u);
  EXPECT_EQ(rows.front(), (TJDOldMonth{2447889, 12}));
  EXPECT_EQ(rows.back(), (TJDOldMonth{2462861, 12}));
  const std::vector<TJDOldMonth> start = {{2447889, 12}, {2447919, 1}, {2447948, 2},
                                          {2447978, 3},  {2448007, 4}, {2448036, 5},
                                          {2448066, 105}, {2448095, 6}};
  EXPECT_EQ(std::vector<TJDOldMonth>(rows.begin(), rows.begin() + 8), start);
}

TEST(JdOldCal, RowsAscendAndMonthsLastTwentyNineOrThirtyDays) {
  const std::vector<TJDOldMonth>& rows = JdOldCal().Rows();
  for (std::size_t i = 1; i < rows.size(); ++i) {
    const int length = rows[i].firstDay - rows[i - 1].firstDay;
    EXPECT_TRUE(length == 29 || length == 30) << rows[i - 1].firstDay;
  }
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
      {1990, 105}, {1993, 103}, {1995, 108}, {1998, 105}, {2001, 104}, {2004, 102},
      {2006, 107}, {2009, 105}, {2012, 3},   {2014, 9},   {2017, 5},   {2020, 4},
      {2023, 2},   {2025, 6},   {2028, 5}};
  EXPECT_EQ(leaps, expected);
  EXPECT_EQ(OldCalendarDate(DateToJulius(2009, 6, 23)), (OldDate{105, 1}));
}

TEST(JdOldCal, TheResourceBytesAreAsciiLinesEndedByCrLf) {
  const std::string_view text = JdOldCalText();
  EXPECT_EQ(text.substr(0, 12), "2447889,12\r\n");
  EXPECT_EQ(text.substr(text.size() - 12), "2462861,12\r\n");
  std::size_t lines = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    ASSERT_LT(static_cast<unsigned char>(text[i]), 0x80);
    if (text[i] == '\n') {
      ++lines;
      ASSERT_EQ(text[i - 1], '\r');
    }
  }
  EXPECT_EQ(lines, 508u);
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
    {2447888, {0, 0}, 0},     // the day before the table
    {2447889, {12, 1}, 6},    // 28 December 1989: 赤口
    {2447918, {12, 30}, 5},
    {2447919, {1, 1}, 1},     // New Year: 先勝
    {2447948, {2, 1}, 2},     // 友引
    {2448066, {105, 1}, 5},   // the leap fifth month of 1990: 大安
    {2448094, {105, 29}, 3},
    {2448095, {6, 1}, 6},     // 赤口
    {2462860, {11, 30}, 0},   // filled in below from the table
    {2462861, {0, 0}, 0},     // the end marker gives nothing
    {2462862, {0, 0}, 0},
    {-5, {0, 0}, 0},
};

TEST(JdOldCal, OldDatesAndRokuyo) {
  for (const RokuyoCase& c : kRokuyo) {
    if (c.day == 2462860) continue;
    EXPECT_EQ(OldCalendarDate(c.day), c.date) << c.day;
    EXPECT_EQ(RokuyoOf(c.day), c.rokuyo) << c.day;
  }
  const OldDate last = OldCalendarDate(2462860);
  EXPECT_EQ(last.month, 11);
  EXPECT_GE(last.day, 29);
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
