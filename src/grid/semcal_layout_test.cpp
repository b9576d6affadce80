#include <gtest/gtest.h>

#include "grid/semcal_fixture.h"

namespace grid {
namespace {

using calendar::DateToJulius;

Slot Entry(int record, int index, bool hiddenBefore = false) {
  return Slot{static_cast<char>('0' + record), index, hiddenBefore};
}
Slot Bar(int index) { return Slot{'F', index}; }

// ---- rows ----------------------------------------------------------------

struct FirstDayCase {
  int year, month;
  TDayOfWeek firstDayOfWeek;
  bool firstRowFirstDay;
  calendar::Date expected;
};

class FirstShownDayTest : public testing::TestWithParam<FirstDayCase> {};

TEST_P(FirstShownDayTest, TopLeftCell) {
  const FirstDayCase& c = GetParam();
  GridFixture f(c.year, c.month);
  f.grid.Set(&CalendarProps::FirstDayOfWeek, c.firstDayOfWeek);
  f.grid.Set(&CalendarProps::FirstRowFirstDay, c.firstRowFirstDay);
  EXPECT_EQ(calendar::JuliusToDate(f.grid.FirstShownDay()), c.expected);
  EXPECT_EQ(f.grid.CachedFirstShownDay(), f.grid.FirstShownDay());
}

INSTANTIATE_TEST_SUITE_P(
    Months, FirstShownDayTest,
    testing::Values(
        // 1 September 2024 is a Sunday: by default the first row shows the
        // last seven days of August.
        FirstDayCase{2024, 9, dowSun, false, {2024, 8, 25}},
        FirstDayCase{2024, 9, dowSun, true, {2024, 9, 1}},
        FirstDayCase{2024, 9, dowMon, false, {2024, 8, 26}},
        FirstDayCase{2024, 5, dowSun, false, {2024, 4, 28}},
        FirstDayCase{2024, 5, dowSat, false, {2024, 4, 27}},
        // 1 June 2024 is a Saturday: with Saturday first it moves down.
        FirstDayCase{2024, 6, dowSat, false, {2024, 5, 25}}));

struct RowCase {
  bool autoResize, firstRowFirstDay, lastRowLastDay;
  int rows;
};

class RowCountTest : public testing::TestWithParam<RowCase> {};

// February 2026 starts on a Sunday and fills exactly four weeks.
TEST_P(RowCountTest, February2026) {
  GridFixture f(2026, 2);
  CalendarProps p = f.grid.Props();
  p.AutoResize = GetParam().autoResize;
  p.FirstRowFirstDay = GetParam().firstRowFirstDay;
  p.LastRowLastDay = GetParam().lastRowLastDay;
  f.grid.SetCalendarProps(p);
  EXPECT_EQ(f.grid.RowCount(), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(Switches, RowCountTest,
                         testing::Values(RowCase{false, true, true, 7}, RowCase{true, true, true, 5},
                                         RowCase{true, true, false, 6}, RowCase{true, false, true, 6},
                                         RowCase{true, false, false, 7}));

// ---- entries -------------------------------------------------------------

TEST(EntryLayout, FewEntriesSitAtTheBottomUnlessPackedToTheTop) {
  GridFixture f(2024, 5);
  const int a = f.AddEntry(1, 10, "a");
  const int b = f.AddEntry(1, 10, "b");
  f.grid.Rebuild();
  const CellSlots* cell = &f.SlotsOf(2024, 5, 10);
  EXPECT_EQ((*cell)[3], Entry(1, a));
  EXPECT_EQ((*cell)[4], Entry(1, b));
  EXPECT_TRUE((*cell)[0].Free());

  f.grid.Set(&SeMCalProps::UeTume, true);
  cell = &f.SlotsOf(2024, 5, 10);
  EXPECT_EQ((*cell)[0], Entry(1, a));
  EXPECT_EQ((*cell)[1], Entry(1, b));
  EXPECT_TRUE((*cell)[4].Free());
}

TEST(EntryLayout, SeventhEntryIsDroppedSixthTakesTheOverflowSlot) {
  GridFixture f(2024, 5);
  std::vector<int> lines;
  for (int i = 0; i < 7; ++i) lines.push_back(f.AddEntry(1, 10, "e" + std::to_string(i)));
  f.grid.Rebuild();
  const CellSlots& cell = f.SlotsOf(2024, 5, 10);
  for (int s = 0; s <= 5; ++s) EXPECT_EQ(cell[s], Entry(1, lines[s])) << s;
  EXPECT_TRUE(cell[6].Free());
  EXPECT_EQ(f.grid.DrawnEntryTexts(f.CellOf(2024, 5, 10)).size(), 5u);
}

TEST(EntryLayout, HiddenEntriesGetNoSlot) {
  GridFixture f(2024, 5);
  const int a = f.AddEntry(1, 10, "a<H>b");
  f.AddEntry(1, 10, "c");
  const int d = f.AddEntry(1, 10, "d</H>e");
  const int last = f.AddEntry(1, 10, "f");
  f.grid.Rebuild();
  const CellSlots& cell = f.SlotsOf(2024, 5, 10);
  EXPECT_EQ(cell[2], Entry(1, a));
  EXPECT_EQ(cell[3], Entry(1, d, true));  // painted from inside the hidden span
  EXPECT_EQ(cell[4], Entry(1, last));
  EXPECT_EQ(f.grid.DrawnEntryTexts(f.CellOf(2024, 5, 10)), (std::vector<std::string>{"a", "e", "f"}));
}

TEST(EntryLayout, HiddenSpanEndsAtTheCellBoundary) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 10, "<H>never closed");
  const int next = f.AddEntry(1, 11, "next day");
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 5, 11)[4], Entry(1, next));
}

TEST(EntryLayout, EntriesBelongToTheirDayAndMonthOnly) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 77, "memo");
  f.months[1].lines.push_back("xx,1,,no day,,,,,,");
  f.months[1].lines.push_back("");
  const int june = f.AddEntry(2, 1, "June 1st");
  const int april = f.AddEntry(0, 30, "April 30th");
  f.AddEntry(3, 1, "July 1st, beyond the view");
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 6, 1)[4], Entry(2, june));
  EXPECT_EQ(f.SlotsOf(2024, 4, 30)[4], Entry(0, april));
  for (const CellSlots& cell : f.grid.Slots())
    for (int s = 0; s < 5; ++s)
      if (cell[s].IsEntry()) {
        EXPECT_TRUE(cell[s].index == june || cell[s].index == april);
      }
}

TEST(EntryLayout, NeighbourMonthsNeedTheirRecordInTheWindow) {
  GridFixture f(2024, 5);
  f.AddEntry(0, 30, "April");
  f.grid.SetCurrentMonthIndex(0);  // the shown month in record 0: no record before it
  f.months[0] = store::MonthSlot{2024, 5, {}, 0, {}};
  f.grid.Rebuild();
  EXPECT_TRUE(f.SlotsOf(2024, 4, 30)[4].Free());
}

TEST(EntryLayout, EntriesNeverMoveABar) {
  GridFixture f(2024, 5);
  const int bar = f.AddPeriod({{2024, 5, 1}, "M", {2024, 5, 31}, "E"});
  std::vector<int> lines;
  for (int i = 0; i < 5; ++i) lines.push_back(f.AddEntry(1, 10, "e" + std::to_string(i)));
  f.grid.Rebuild();
  const CellSlots& cell = f.SlotsOf(2024, 5, 10);
  EXPECT_EQ(cell[0], Bar(bar));
  for (int s = 1; s <= 5; ++s) EXPECT_EQ(cell[s], Entry(1, lines[s - 1]));
}

// ---- periods -------------------------------------------------------------

TEST(PeriodLayout, OverlappingPeriodsTakeTheLowestFreeSlots) {
  GridFixture f(2024, 5);
  std::vector<int> bars;
  for (int i = 0; i < 7; ++i) bars.push_back(f.AddPeriod({{2024, 4, 1}, "M", {2024, 6, 30}, "E"}));
  f.grid.Rebuild();
  for (int c = 0; c < kCellCount; ++c)
    for (int s = 0; s <= 5; ++s) ASSERT_EQ(f.grid.Slots()[c][s], Bar(bars[s])) << c << "/" << s;
  for (int c = 0; c < kCellCount; ++c) EXPECT_TRUE(f.grid.Slots()[c][6].Free());
}

TEST(PeriodLayout, ASlotMustBeFreeInEveryCellOfTheSpan) {
  GridFixture f(2024, 5);
  const int shortBar = f.AddPeriod({{2024, 5, 10}, "M", {2024, 5, 12}, "E"});
  const int longBar = f.AddPeriod({{2024, 5, 11}, "M", {2024, 5, 20}, "E"});
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 5, 10)[0], Bar(shortBar));
  EXPECT_EQ(f.SlotsOf(2024, 5, 20)[1], Bar(longBar));
  EXPECT_TRUE(f.SlotsOf(2024, 5, 20)[0].Free());
}

TEST(PeriodLayout, SortedLinesComeFirstWithoutReorderingTheList) {
  GridFixture f(2024, 5);
  const int later = f.AddPeriod({{2024, 5, 11}, "M", {2024, 5, 12}, "E"});
  const int earlier = f.AddPeriod({{2024, 5, 10}, "M", {2024, 5, 12}, "E"});
  const std::vector<std::string> before = f.periods.lines;
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 5, 11)[0], Bar(earlier));
  EXPECT_EQ(f.SlotsOf(2024, 5, 11)[1], Bar(later));
  EXPECT_EQ(f.periods.lines, before);
}

TEST(PeriodLayout, ClippedToTheShownDays) {
  GridFixture f(2024, 5);
  f.AddPeriod({{2024, 3, 1}, "M", {2024, 4, 27}, "E"});  // ends the day before the first cell
  const int edge = f.AddPeriod({{2024, 6, 8}, "M", {2024, 7, 30}, "E"});
  f.grid.Rebuild();
  EXPECT_EQ(calendar::JuliusToDate(f.grid.CachedFirstShownDay()), (calendar::Date{2024, 4, 28}));
  for (int c = 0; c < kCellCount - 1; ++c) EXPECT_TRUE(f.grid.Slots()[c][0].Free()) << c;
  EXPECT_EQ(f.grid.Slots()[kCellCount - 1][0], Bar(edge));
}

TEST(PeriodLayout, LinesThatAreNoDrawablePeriodsAreSkipped) {
  GridFixture f(2024, 5);
  f.periods.lines.push_back("2024, 5, 1,M,2024, 5,31");  // 7 fields: still a period
  f.periods.lines.push_back("2024, 5, 1,M,2024,5");       // 6 fields
  f.AddPeriod({{2024, 5, 1}, "M", {2024, 5, 31}, "E", {}, "1", "D"});
  f.periods.lines.push_back("abcd,ef,gh,M,xx,yy,zz,E,,,,1,clRed,text,,,,,,");
  f.AddPeriod({{1582, 10, 1}, "M", {1582, 10, 10}, "E"});  // the reform gap
  f.AddPeriod({{999999999, 5, 1}, "M", {999999999, 5, 2}, "E"});  // no day number
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 5, 10)[0], Bar(1));
  EXPECT_TRUE(f.SlotsOf(2024, 5, 10)[1].Free());
}

// Lines that end before they start were once accepted and then never
// drawn, so nobody could select or delete them again.
TEST(PeriodLayout, AReversedLineIsAOneDayBarAtItsStart) {
  GridFixture f(2024, 5);
  const int reversed = f.AddPeriod({{2024, 5, 14}, "A", {2024, 5, 10}, "A"});
  const int sameDay = f.AddPeriod({{2024, 5, 20}, "E", {2024, 5, 20}, "M"});
  f.grid.Rebuild();
  EXPECT_EQ(f.SlotsOf(2024, 5, 14)[0], Bar(reversed));
  EXPECT_TRUE(f.SlotsOf(2024, 5, 13)[0].Free());
  EXPECT_TRUE(f.SlotsOf(2024, 5, 15)[0].Free());
  EXPECT_EQ(f.SlotsOf(2024, 5, 20)[0], Bar(sameDay));
  const PeriodSpan* span = f.grid.Periods().SpanOfLine(reversed);
  ASSERT_NE(span, nullptr);
  EXPECT_EQ(span->item.endPart, store::DayPart::Evening);  // drawn across the whole cell
}

TEST(PeriodLayout, TheSortedListIsKeptWhileTheListStaysTheSame) {
  GridFixture f(2024, 5);
  f.AddPeriod({{2024, 5, 1}, "M", {2024, 5, 2}, "E"});
  f.grid.Rebuild();
  const int rebuilds = f.grid.Periods().Rebuilds();
  f.grid.Rebuild();
  f.grid.SetShownDate(2024, 6, 1);
  f.grid.SetShownDate(2024, 5, 1);
  EXPECT_EQ(f.grid.Periods().Rebuilds(), rebuilds);
  f.periods.lines[1] = "2024, 6,20,M,2024, 6,21,E,2024, 6,20,1,clBlue,x,PC01,,,,,";
  f.grid.Rebuild();
  EXPECT_EQ(f.grid.Periods().Rebuilds(), rebuilds + 1);
  EXPECT_TRUE(f.SlotsOf(2024, 5, 1)[0].Free());
}

TEST(EntryLayout, SmallerItemGyoMovesTheOverflowSlot) {
  GridFixture f(2024, 5);
  f.grid.Set(&SeMCalProps::ItemGyo, 3);
  std::vector<int> lines;
  for (int i = 0; i < 5; ++i) lines.push_back(f.AddEntry(1, 10, "e" + std::to_string(i)));
  f.grid.Rebuild();
  const CellSlots& cell = f.SlotsOf(2024, 5, 10);
  EXPECT_EQ(cell[3], Entry(1, lines[3]));
  EXPECT_TRUE(cell[4].Free());
  f.grid.Set(&SeMCalProps::ItemGyo, 40);
  EXPECT_EQ(f.grid.GridProps().ItemGyo, kMaxItemGyo);
  f.grid.Set(&SeMCalProps::ItemGyo, 0);
  EXPECT_EQ(f.grid.GridProps().ItemGyo, 1);
}

}  // namespace
}  // namespace grid
