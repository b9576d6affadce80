#include <gtest/gtest.h>

#include <fstream>

#include "grid/semcal_fixture.h"
#include "platform/doubles_testutil.h"

namespace grid {
namespace {

using calendar::DateToJulius;
using calendar::JuliusToDate;

MouseEvent Click(Point p, MouseButton button = MouseButton::Left) {
  return MouseEvent{button, {}, p.x, p.y};
}

// ---- hit test ------------------------------------------------------------

struct HitCase {
  int x, y;
  HitResult expected;
};

class HitTestTest : public testing::TestWithParam<HitCase> {};

// Default sizes: cells 128 x 95 under a 24-pixel weekday row, thirds of 43
// pixels, lines of 18 pixels from 25 pixels below the cell top.
TEST_P(HitTestTest, ColumnThirdRowLine) {
  GridFixture f(2024, 5);
  EXPECT_EQ(f.grid.HitTest(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Points, HitTestTest,
    testing::Values(HitCase{10, 5, {0, 1, 0, 0}},
                    HitCase{130, 24 + 3, {1, 1, 1, 6}},  // the date band
                    HitCase{2 * 128 + 50, 24 + 95 + 25, {2, 2, 2, 1}},
                    HitCase{127, 24 + 25 + 18 * 3 + 10, {0, 3, 1, 4}},
                    HitCase{6 * 128 + 86, 24 + 5 * 95 + 94, {6, 3, 6, 4}},
                    HitCase{-5, -5, {0, 1, 0, 0}}));

TEST(HitTest, LineAddressesTheSlotItLiesIn) {
  GridFixture f(2024, 5);
  const int line = f.AddEntry(1, 15, "entry");
  f.AddEntry(1, 15, "second");
  f.grid.Rebuild();
  const int cell = f.CellOf(2024, 5, 15);
  const Point p = f.PointInSlot(cell, 3);
  const HitResult hit = f.grid.HitTest(p.x, p.y);
  EXPECT_EQ(hit.Cell(), cell);
  EXPECT_EQ(f.grid.SlotAt(hit), (Slot{'1', line}));
  EXPECT_TRUE(f.grid.SlotAt(f.grid.HitTest(p.x, 10)).Free());
}

// ---- mouse-down ----------------------------------------------------------

TEST(MouseDown, ADayOfTheShownMonthBecomesTheSelectedDay) {
  GridFixture f(2024, 5);
  const int cell = f.CellOf(2024, 5, 15);
  f.grid.MouseDown(Click(f.PointInSlot(cell, 0)));
  EXPECT_EQ(f.grid.JuliusDay(), DateToJulius(2024, 5, 15));
  EXPECT_EQ(f.grid.ClickedDay(), DateToJulius(2024, 5, 15));
  EXPECT_TRUE(f.grid.InOwnMonth());
  EXPECT_FALSE(f.grid.JumpedToNeighbor());
  ASSERT_EQ(f.events.log.size(), 2u);
  EXPECT_EQ(f.events.log[0].substr(0, 4), "down");  // the owner hears the press first
  EXPECT_EQ(f.events.log[1], "day 2024/5/15");
}

TEST(MouseDown, NeighbourDaysMoveOnlyWithNeighborJump) {
  GridFixture f(2024, 5);
  const Point april28 = f.PointInSlot(0, 0);
  f.grid.MouseDown(Click(april28));
  EXPECT_EQ(f.grid.Month(), 5);
  EXPECT_FALSE(f.grid.InOwnMonth());

  f.grid.Set(&CalendarProps::NeighborJump, true);
  f.grid.MouseDown(Click(april28, MouseButton::Right));
  EXPECT_EQ(f.grid.Month(), 5);

  f.grid.MouseDown(Click(april28));
  EXPECT_EQ(JuliusToDate(f.grid.JuliusDay()), (calendar::Date{2024, 4, 28}));
  EXPECT_EQ(f.grid.CurrentMonthIndex(), 0);
  EXPECT_TRUE(f.grid.JumpedToNeighbor());
  EXPECT_EQ(f.grid.JumpDirection(), 0);
  EXPECT_FALSE(f.grid.ReloadNeeded());
}

TEST(MouseDown, LeavingTheWindowAsksForAReload) {
  GridFixture f(2024, 5);
  f.grid.Set(&CalendarProps::NeighborJump, true);
  f.grid.MouseDown(Click(f.PointInSlot(0, 0)));  // to April, record 0
  f.grid.MouseDown(Click(f.PointInSlot(0, 0)));  // March 31 in the first row of April
  EXPECT_TRUE(f.grid.ReloadNeeded());
  EXPECT_EQ(f.grid.CurrentMonthIndex(), 0);
  EXPECT_EQ(JuliusToDate(f.grid.JuliusDay()), (calendar::Date{2024, 3, 31}));
}

TEST(MouseDown, LaterRowsMoveForwardUpToTheLastRecord) {
  GridFixture f(2024, 5);
  f.grid.Set(&CalendarProps::NeighborJump, true);
  for (int expected = 2; expected <= 4; ++expected) {
    f.grid.MouseDown(Click(f.PointInSlot(kCellCount - 1, 0)));
    EXPECT_EQ(f.grid.CurrentMonthIndex(), expected);
    EXPECT_EQ(f.grid.JumpDirection(), 1);
  }
  EXPECT_FALSE(f.grid.ReloadNeeded());
  f.grid.MouseDown(Click(f.PointInSlot(kCellCount - 1, 0)));
  EXPECT_TRUE(f.grid.ReloadNeeded());
  EXPECT_EQ(f.grid.CurrentMonthIndex(), 4);
}

TEST(MouseDown, TheMonthMemoAreaIsNoDay) {
  GridFixture f(2024, 5);
  f.grid.Set(&SeMCalProps::TukiMemo, true);
  f.grid.Set(&CalendarProps::NeighborJump, true);
  f.grid.MouseDown(Click(f.PointInSlot(5 * 7 + 4, 1)));
  EXPECT_TRUE(f.grid.MonthMemoClicked());
  EXPECT_EQ(f.grid.Month(), 5);
  f.grid.MouseDown(Click(f.PointInSlot(5 * 7 + 1, 1)));  // 3 June: a neighbour day
  EXPECT_FALSE(f.grid.MonthMemoClicked());
  EXPECT_EQ(f.grid.Month(), 6);
}

TEST(MouseDown, TheWeekdayRowSelectsNothing) {
  GridFixture f(2024, 5);
  const DayNumber before = f.grid.JuliusDay();
  f.grid.MouseDown(Click({300, 5}));
  EXPECT_EQ(f.grid.JuliusDay(), before);
  EXPECT_EQ(f.events.log.size(), 1u);
}

// ---- properties ----------------------------------------------------------

TEST(Properties, SettersRenderExceptTheStoredOnes) {
  GridFixture f(2024, 5);
  int renders = f.target.renders;
  f.grid.Set(&SeMCalProps::LenDayW, 140);
  EXPECT_EQ(f.target.renders, ++renders);
  f.grid.Set(&SeMCalProps::LenDayW, 140);
  f.grid.Set(&CalendarProps::NeighborJump, true);
  EXPECT_EQ(f.target.renders, renders);

  f.grid.Set(&SeMCalProps::SkipUpDate, true);
  f.grid.Set(&SeMCalProps::LenDayH, 100);
  f.grid.Set(&CalendarProps::ShowRokuyo, true);
  f.grid.Fonts().SetColour(CalFont::Sunday, 0x0000C0);
  f.grid.Set(&SeMCalProps::SkipUpDate, false);
  EXPECT_EQ(f.target.renders, renders);
  f.grid.RecalcMetrics();
  EXPECT_EQ(f.target.renders, renders + 1);
}

TEST(Properties, GridDefaults) {
  TSeMCal grid(DateToJulius(2024, 5, 1));
  const SeMCalProps& p = grid.GridProps();
  EXPECT_EQ(p.ItemGyo, 5);
  EXPECT_EQ(p.LenHidukeH, 23);
  EXPECT_EQ(p.LenTopItem, 2);
  EXPECT_EQ(p.LenFontYoteiH, 16);
  EXPECT_EQ(p.LenItemLeftM, 8);
  EXPECT_EQ(p.LenKinenNC, 1);
  EXPECT_EQ(p.TabChousei, 150);
  EXPECT_TRUE(p.TukiMUeTume);
  EXPECT_EQ(grid.Props().NeighborColor, 0xC0C0C0u);
  EXPECT_EQ(grid.Props().DayOfWeekBkColor, 0xE1E1E1u);
  EXPECT_TRUE(grid.Props().ShowNeighbor);
  EXPECT_TRUE(grid.Props().IsToDay);
  EXPECT_EQ(grid.LineStep(), 18);
  EXPECT_EQ(grid.ItemsTop(), 25);
  EXPECT_EQ(grid.ColumnThird(), 43);
  EXPECT_EQ(grid.JuliusDay(), DateToJulius(2024, 5, 1));
  EXPECT_EQ(grid.Fonts()[CalFont::Rokuyo].size, 10);
  EXPECT_EQ(grid.Fonts()[CalFont::Sunday].colour, 0x0000FFu);
}

TEST(Properties, SynchronizedFontsKeepTheirColours) {
  TSeMCal grid(DateToJulius(2024, 5, 1));
  grid.Fonts().SetSynchronize(true);
  calendar::FontSpec font{"Noto Sans CJK JP", 14, 0x123456, true};
  grid.Fonts().SetFont(CalFont::Weekday, font);
  EXPECT_EQ(grid.Fonts()[CalFont::Rokuyo].face, "Noto Sans CJK JP");
  EXPECT_EQ(grid.Fonts()[CalFont::Rokuyo].size, 14);
  EXPECT_EQ(grid.Fonts()[CalFont::Sunday].colour, 0x0000FFu);
  EXPECT_EQ(grid.Fonts()[CalFont::Weekday].colour, 0x123456u);
}

TEST(Properties, DayChangeFiresAfterTheRender) {
  struct Watch : CalendarEvents {
    RecordingTarget* target = nullptr;
    int rendersAtEvent = -1;
    void OnDayChange(TCustomCalendarEx&, int, int, int) override { rendersAtEvent = target->renders; }
  } watch;
  GridFixture f(2024, 5);
  watch.target = &f.target;
  f.grid.SetEvents(&watch);
  f.grid.SetDay(20);
  EXPECT_EQ(watch.rendersAtEvent, f.target.renders);
  EXPECT_GT(watch.rendersAtEvent, 0);
}

TEST(Properties, InvalidDatePartsChangeNothing) {
  GridFixture f(2024, 1);
  f.grid.SetDay(31);
  f.grid.SetMonth(2);
  EXPECT_EQ(JuliusToDate(f.grid.JuliusDay()), (calendar::Date{2024, 1, 31}));
  f.grid.SetYear(2023);
  EXPECT_EQ(f.grid.Year(), 2023);
  EXPECT_THROW(TSeMCal(DateToJulius(1582, 10, 1)).SetDay(10), calendar::EJuliusError);
}

// ---- operations ----------------------------------------------------------

struct ShownDateCase {
  int year, month, day;
  calendar::Date expected;
};

class SetShownDateTest : public testing::TestWithParam<ShownDateCase> {};

TEST_P(SetShownDateTest, NormalisesMonthAndDay) {
  GridFixture f(2024, 5);
  f.grid.SetShownDate(GetParam().year, GetParam().month, GetParam().day);
  EXPECT_EQ(JuliusToDate(f.grid.JuliusDay()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Dates, SetShownDateTest,
                         testing::Values(ShownDateCase{2024, 0, 15, {2023, 12, 15}},
                                         ShownDateCase{2024, 13, 31, {2025, 1, 31}},
                                         ShownDateCase{2024, 2, 31, {2024, 2, 29}},
                                         ShownDateCase{2023, 2, 30, {2023, 2, 28}},
                                         ShownDateCase{2024, 4, 31, {2024, 4, 30}},
                                         ShownDateCase{2024, 1, 40, {2024, 1, 31}},
                                         ShownDateCase{2024, 1, 0, {2024, 1, 1}}));

TEST(Operations, ShownDateInTheReformGapRaises) {
  GridFixture f(2024, 5);
  EXPECT_THROW(f.grid.SetShownDate(1582, 10, 10), calendar::EJuliusError);
}

TEST(Operations, NormalizeYearMonthAndDaysOfMonth) {
  const int cases[][4] = {{2024, 13, 2025, 1}, {2024, 0, 2023, 12}, {2024, -11, 2023, 1},
                          {2024, -12, 2022, 12}, {2024, 25, 2026, 1}, {2024, 12, 2024, 12}};
  for (const auto& c : cases) {
    int year = c[0], month = c[1];
    TSeMCal::NormalizeYearMonth(year, month);
    EXPECT_EQ(year, c[2]) << c[0] << "/" << c[1];
    EXPECT_EQ(month, c[3]) << c[0] << "/" << c[1];
  }
  EXPECT_EQ(TSeMCal::DaysOfMonth(2024, 2), 29);
  EXPECT_EQ(TSeMCal::DaysOfMonth(1900, 2), 28);
  EXPECT_EQ(TSeMCal::DaysOfMonth(2023, 12), 31);
  EXPECT_EQ(TSeMCal::DaysOfMonth(1582, 10), 31);
  EXPECT_EQ(TSeMCal::DaysOfMonth(2024, 13), 0);
}

TEST(Operations, DeletePeriodItemAsksWithNoAsDefault) {
  platform::FakeServices os;
  GridFixture f(2024, 5, DateToJulius(2000, 1, 1), &os.services);
  const int first = f.AddPeriod({{2024, 5, 1}, "M", {2024, 5, 2}, "E"});
  f.AddPeriod({{2024, 5, 3}, "M", {2024, 5, 4}, "E"});
  f.grid.SetSelectedPeriod(first);

  f.grid.DeletePeriodItem(0);
  EXPECT_TRUE(os.dialogs.shown.empty());

  os.dialogs.Answer(platform::MsgResult::No);
  f.grid.DeletePeriodItem(first);
  ASSERT_EQ(os.dialogs.shown.size(), 1u);
  EXPECT_EQ(os.dialogs.shown[0].text, "この予定を削除してもいいですか？");
  EXPECT_EQ(os.dialogs.shown[0].defaultButton, 1);
  EXPECT_EQ(f.periods.lines.size(), 3u);

  os.dialogs.Answer(platform::MsgResult::Yes);
  const int renders = f.target.renders;
  f.grid.DeletePeriodItem(first);
  EXPECT_EQ(f.periods.lines.size(), 2u);
  EXPECT_EQ(f.grid.SelectedPeriod(), 0);
  EXPECT_EQ(f.target.renders, renders + 1);
}

TEST(Operations, ClearSelectionRepaintsWithoutALayout) {
  GridFixture f(2024, 5);
  f.grid.SetSelectionStart(DateToJulius(2024, 5, 3));
  f.grid.SetSelectionEnd(DateToJulius(2024, 5, 5));
  f.grid.SetClickHighlight(true);
  const int repaints = f.target.repaints;
  const int rebuilds = f.grid.Periods().Rebuilds();
  f.grid.ClearSelection();
  EXPECT_EQ(f.grid.SelectionStart(), 0);
  EXPECT_EQ(f.grid.SelectionEnd(), 0);
  EXPECT_FALSE(f.grid.ClickHighlight());
  EXPECT_EQ(f.target.repaints, repaints + 1);
  EXPECT_EQ(f.grid.Periods().Rebuilds(), rebuilds);
}

TEST(Operations, CellContentForPrinting) {
  GridFixture f(2024, 5);
  f.grid.SetHolidayList({"5,3,憲法記念日"});
  f.grid.SetSpecialDayList({"5,3,記念日"});
  for (int i = 0; i < 7; ++i) f.AddEntry(1, 3, "<b>e" + std::to_string(i));
  f.grid.Set(&SeMCalProps::ItemGyo, 9);
  const int cell = f.CellOf(2024, 5, 3);
  const CellContents contents = f.grid.CellContent(cell % 7, cell / 7 + 1);
  EXPECT_EQ(contents.month, 5);
  EXPECT_EQ(contents.day, 3);
  EXPECT_EQ(contents.names, "記念日,憲法記念日");
  EXPECT_EQ(contents.holidayNames, "憲法記念日");
  EXPECT_EQ(contents.specialNames, "記念日");
  EXPECT_EQ(contents.entries, (std::vector<std::string>{"e0", "e1", "e2", "e3", "e4"}));
}

TEST(Operations, HolidayNamesLeaveSpecialDaysOut) {
  GridFixture f(2024, 3);
  f.grid.SetSpecialDayList({"3,20,誕生日"});
  EXPECT_EQ(f.grid.HolidayNames(2024, 3, 20), "春分の日");
  EXPECT_EQ(f.grid.HolidayNames(2024, 3, 21), "");
}

TEST(Operations, SplitFieldsKeepsEmptyFieldsAndClearsTheList) {
  std::vector<std::string> list{"old"};
  TSeMCal::SplitFields("a,,b", list, ',');
  EXPECT_EQ(list, (std::vector<std::string>{"a", "", "b"}));
  TSeMCal::SplitFields("\"x y\"", list, ' ');
  EXPECT_EQ(list, (std::vector<std::string>{"\"x", "y\""}));
}

TEST(Operations, DataKyoFileLoadsTheSpecialDays) {
  platform::FakeServices os;
  platform::TempFolder folder;
  std::ofstream(folder / "Sday.kdf", std::ios::binary) << "2000,,5,10,,,Anniversary\r\n";
  GridFixture f(2024, 5, DateToJulius(2000, 1, 1), &os.services);
  f.grid.SetDataKyoFile(folder.path());
  EXPECT_EQ(f.grid.SpecialDayList().size(), 1u);
  const int cell = f.CellOf(2024, 5, 10);
  EXPECT_EQ(f.grid.CellContent(cell % 7, cell / 7 + 1).specialNames, "Anniversary");
  EXPECT_NE(f.canvas().FindText("Anniversary"), nullptr);
}

}  // namespace
}  // namespace grid
