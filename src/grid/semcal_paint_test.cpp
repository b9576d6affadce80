#include <gtest/gtest.h>

#include "grid/semcal_fixture.h"

namespace grid {
namespace {

using calendar::DateToJulius;

// Under the recording metrics with the grid defaults an entry in slot s of
// a cell sits at cell top + 27 + 18 s, a bar of slot 0 at cell top + 34.
int EntryTop(const Rect& cell, int slot) { return cell.top + 27 + 18 * slot; }

const DrawOp& TextIn(RecordingCanvas& canvas, const Rect& area, const std::string& text) {
  for (const DrawOp* op : canvas.TextsIn(area))
    if (op->text == text) return *op;
  static DrawOp none;
  ADD_FAILURE() << "no text \"" << text << "\"";
  return none;
}

// ---- day numbers and backgrounds ----------------------------------------

TEST(DayNumbers, NeighbourWeekendsKeepATintOfTheirColour) {
  GridFixture f(2024, 5);
  // 28 April 2024 is a Sunday, 5 June a Wednesday; both neighbours of May.
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(2024, 4, 28), "28").style.colour, 0xC0C0FFu);
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(2024, 6, 5), "5").style.colour, 0xC0C0C0u);
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(2024, 5, 4), "4").style.colour, 0xFF0000u);   // Saturday
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(2024, 5, 8), "8").style.colour, 0x000000u);   // Wednesday
}

TEST(DayNumbers, PlacedByTheWidthOfTwentyFive) {
  GridFixture f(2024, 5);
  f.grid.Set(&SeMCalProps::isFontBold, true);
  const Rect cell = f.CellRectOf(2024, 5, 8);
  const DrawOp& number = TextIn(f.canvas(), cell, "8");
  // "25" is 18 wide in an 18-pixel font: the number starts 28 - 18 = 10 in.
  EXPECT_EQ(number.box, (Rect{cell.left + 10, cell.top + 5, cell.left + 32, cell.top + 24}));
  EXPECT_TRUE(number.style.font.bold);
  EXPECT_EQ(number.style.font.height, 18);
  const DrawOp& neighbour = TextIn(f.canvas(), f.CellRectOf(2024, 6, 5), "5");
  EXPECT_EQ(neighbour.style.font.height, 16);
}

TEST(DayNumbers, AWideFontStartsAtTheCellEdgeInsteadOfWrapping) {
  GridFixture f(2024, 5);
  f.grid.Set(&SeMCalProps::LenFontHidukeH, 40);
  const Rect cell = f.CellRectOf(2024, 5, 8);
  EXPECT_EQ(TextIn(f.canvas(), {cell.left, cell.top - 20, cell.right, cell.bottom}, "8").box.left,
            cell.left);
}

TEST(Backgrounds, TodaySelectionAndClickedDay) {
  GridFixture f(2024, 5, DateToJulius(2024, 5, 15));
  auto centre = [&](int day) {
    const Rect r = f.CellRectOf(2024, 5, day);
    return Point{r.left + 60, r.top + 60};
  };
  EXPECT_EQ(f.canvas().FillColourAt(centre(15)), kTodayColour);
  EXPECT_EQ(f.canvas().FillColourAt(centre(16)), 0xFFFFFF);  // the control colour only

  f.grid.SetSelectionStart(DateToJulius(2024, 5, 14));
  f.grid.SetSelectionEnd(DateToJulius(2024, 5, 16));
  f.grid.Rebuild();
  EXPECT_EQ(f.canvas().FillColourAt(centre(15)), kSelectionColour);
  EXPECT_EQ(f.canvas().FillColourAt(centre(16)), kSelectionColour);

  f.grid.SetSelectionEnd(0);  // dragging back: only the start
  f.grid.MouseDown({MouseButton::Right, {}, centre(20).x, centre(20).y});
  f.grid.SetClickHighlight(true);
  f.grid.RedrawCells();
  EXPECT_EQ(f.canvas().FillColourAt(centre(14)), kSelectionColour);
  EXPECT_EQ(f.canvas().FillColourAt(centre(16)), 0xFFFFFF);
  EXPECT_EQ(f.canvas().FillColourAt(centre(20)), kClickedDayColour);
  f.grid.Rebuild();  // a layout ends the click highlight
  EXPECT_FALSE(f.grid.ClickHighlight());
}

TEST(Backgrounds, HiddenNeighboursDrawNothing) {
  GridFixture f(2024, 5);
  f.AddEntry(0, 30, "April entry");
  f.grid.Set(&CalendarProps::ShowNeighbor, false);
  const Rect april30 = f.CellRectOf(2024, 4, 30);
  EXPECT_TRUE(f.canvas().TextsIn(april30).empty());
  EXPECT_TRUE(f.canvas().LinesIn(april30).empty());
  EXPECT_FALSE(f.canvas().TextsIn(f.CellRectOf(2024, 5, 1)).empty());
}

TEST(WeekdayRow, NamesColoursAndFirstDay) {
  GridFixture f(2024, 5);
  const Rect row{0, 0, 7 * 128, 24};
  EXPECT_EQ(f.canvas().TextStringsIn(row),
            (std::vector<std::string>{"日", "月", "火", "水", "木", "金", "土"}));
  EXPECT_EQ(f.canvas().FindText("日")->style.colour, 0x0000FFu);
  EXPECT_EQ(f.canvas().FindText("土")->style.colour, 0xFF0000u);
  EXPECT_EQ(f.canvas().FindText("水")->style.colour, 0x000000u);
  EXPECT_EQ(f.canvas().FindText("水")->style.hAlign, HAlign::Center);
  EXPECT_EQ(f.canvas().FillColourAt({130, 10}), 0xE1E1E1);

  f.grid.SetWeekdayNames({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
  f.grid.Set(&CalendarProps::FirstDayOfWeek, dowMon);
  EXPECT_EQ(f.canvas().TextStringsIn(row).front(), "Mon");
  EXPECT_EQ(f.canvas().FindText("Sun")->style.colour, 0x0000FFu);
  EXPECT_EQ(f.canvas().FindText("Sun")->at.x, 6 * 128 + (128 - 24) / 2);
}

TEST(CellLines, EveryCellButAlongTheRightAndBottomEdge) {
  GridFixture f(2024, 5);
  const Rect inner = f.CellRect(8);
  const auto lines = f.canvas().LinesIn(inner);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0]->from, (Point{inner.right - 1, inner.top}));
  EXPECT_EQ(lines[0]->colour, kCellLineColour);
  EXPECT_EQ(lines[1]->from, (Point{inner.left, inner.bottom - 1}));
  EXPECT_TRUE(f.canvas().LinesIn(f.CellRect(kCellCount - 1)).empty());
}

// ---- names and rokuyo ----------------------------------------------------

TEST(Names, HolidayNameAfterTheNumberInTheSundayColour) {
  GridFixture f(2024, 5);
  f.grid.SetHolidayList({"5,3,憲法記念日"});
  const Rect cell = f.CellRectOf(2024, 5, 3);
  const DrawOp& name = TextIn(f.canvas(), cell, "憲法記念日");
  EXPECT_EQ(name.box.left, cell.left + 10 + 9 + 4);
  EXPECT_EQ(name.box.top, cell.top + 23 - 12 - 3);
  EXPECT_EQ(name.box.right, cell.right);
  EXPECT_EQ(name.style.colour, 0x0000FFu);
  EXPECT_EQ(name.style.font.height, 12);
  EXPECT_EQ(TextIn(f.canvas(), cell, "3").style.colour, 0x0000FFu);  // the holiday font
}

TEST(Names, SpecialDaysFirstThenABlankThenHolidays) {
  GridFixture f(2024, 5);
  f.grid.SetHolidayList({"5,3,憲法記念日", "5,3,祝日"});
  f.grid.SetSpecialDayList({"5,3,記念日", "5,3,誕生日　会"});
  const Rect cell = f.CellRectOf(2024, 5, 3);
  // The names run on past the cell's right edge, where they are clipped.
  const auto texts = f.canvas().TextsIn({cell.left, cell.top, cell.right + 128, cell.bottom});
  std::vector<std::pair<std::string, Colour>> names;
  for (const DrawOp* op : texts)
    if (op->style.font.height == 12) names.push_back({op->text, op->style.colour});
  const std::vector<std::pair<std::string, Colour>> expected{
      {"記念日，", 0x008000}, {"誕生日 会 ", 0x008000}, {"憲法記念日,", 0x0000FF}, {"祝日", 0x0000FF}};
  EXPECT_EQ(names, expected);
  EXPECT_EQ(texts[2]->box.left, cell.left + 23 + 48);  // after "記念日，"
  EXPECT_TRUE(texts[2]->style.clip);
  // The day number keeps its weekday font: a special day only adds names.
  f.grid.SetHolidayList({});
  EXPECT_EQ(TextIn(f.canvas(), cell, "3").style.colour, 0x000000u);
  EXPECT_EQ(TextIn(f.canvas(), cell, "記念日，").style.colour, 0x008000u);
  EXPECT_EQ(TextIn(f.canvas(), cell, "誕生日 会").style.colour, 0x008000u);
}

TEST(Names, NeighbourNamesAreTintedAndSmaller) {
  GridFixture f(2024, 5);
  f.grid.SetHolidayList({"4,29,昭和の日"});
  const Rect cell = f.CellRectOf(2024, 4, 29);
  const DrawOp& name = TextIn(f.canvas(), cell, "昭和の日");
  EXPECT_EQ(name.style.colour, 0xC0C0FFu);
  EXPECT_EQ(name.style.font.height, 11);
  EXPECT_EQ(name.box.top, cell.top + 23 - 11 - 1);
}

TEST(Names, OverhangReachesIntoTheNextCell) {
  GridFixture f(2024, 5);
  f.grid.SetHolidayList({"5,3,憲法記念日"});
  f.grid.Set(&SeMCalProps::NameOverhang, true);
  const Rect cell = f.CellRectOf(2024, 5, 3);
  EXPECT_EQ(TextIn(f.canvas(), cell, "憲法記念日").box.right, cell.right + 9);
}

TEST(Rokuyo, ShownInsteadOfTheNames) {
  GridFixture f(1990, 6);
  f.grid.SetHolidayList({"6,23,名前"});
  f.grid.Set(&CalendarProps::ShowRokuyo, true);
  const Rect cell = f.CellRectOf(1990, 6, 23);
  const DrawOp& rokuyo = TextIn(f.canvas(), cell, " 大安 ");
  EXPECT_EQ(rokuyo.style.colour, 0x000000u);
  EXPECT_EQ(f.canvas().FindText("名前"), nullptr);
  // 1 July is day 9 of the leap fifth month: (5 + 9 - 2) mod 6 + 1 = 1.
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(1990, 7, 1), " 先勝 ").style.colour, 0xC0C0C0u);
}

TEST(Rokuyo, NothingOutsideTheTable) {
  GridFixture f(1900, 1);
  f.grid.Set(&CalendarProps::ShowRokuyo, true);
  const Rect eve = f.CellRectOf(1899, 12, 31);  // a neighbour day, drawn
  EXPECT_EQ(TextIn(f.canvas(), eve, "31").text, "31");
  for (const DrawOp* op : f.canvas().TextsIn(eve)) EXPECT_NE(op->text[0], ' ');
  EXPECT_EQ(TextIn(f.canvas(), f.CellRectOf(1900, 1, 1), " 赤口 ").style.font.height, 12);
}

// ---- entries -------------------------------------------------------------

TEST(Entries, ColoursOfShownAndNeighbourMonths) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 10, "plain");
  f.AddEntry(1, 10, "red", "clRed");
  f.AddEntry(1, 10, "broken", "$ZZZZ");
  f.AddEntry(2, 1, "june");
  f.AddEntry(2, 1, "junered", "clRed");
  f.AddEntry(1, 11, "system", "clWindowText");
  f.grid.Rebuild();
  EXPECT_EQ(f.canvas().FindText("plain")->style.colour, kDefaultEntryColour);
  EXPECT_EQ(f.canvas().FindText("red")->style.colour, 0x0000FFu);
  EXPECT_EQ(f.canvas().FindText("broken")->style.colour, kDefaultEntryColour);
  EXPECT_EQ(f.canvas().FindText("june")->style.colour, 0xC0C0C0u);
  EXPECT_EQ(f.canvas().FindText("junered")->style.colour, 0xC0C0FFu);
  EXPECT_EQ(f.canvas().FindText("system")->style.colour, 0x000000u);
}

TEST(Entries, PlacedOnTheLineGridWithTheMargin) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 10, "one");
  f.AddEntry(1, 10, "two");
  f.grid.Rebuild();
  const Rect cell = f.CellRectOf(2024, 5, 10);
  const DrawOp* two = f.canvas().FindText("two");
  ASSERT_NE(two, nullptr);
  EXPECT_EQ(two->box, (Rect{cell.left + 8, EntryTop(cell, 4), cell.right, cell.bottom}));
  EXPECT_TRUE(two->style.clip);
  EXPECT_EQ(two->style.font.height, 16);
  EXPECT_EQ(f.canvas().FindText("one")->box.top, EntryTop(cell, 3));
}

TEST(Entries, MarkupTabsAndCommas) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 10, "<b>太字");
  f.AddEntry(1, 10, "<S>取消</s>");
  f.AddEntry(1, 10, "a\tb");
  f.AddEntry(1, 10, "1，000円");
  f.grid.Rebuild();
  const DrawOp* bold = f.canvas().FindText("太字");
  ASSERT_NE(bold, nullptr);
  EXPECT_TRUE(bold->style.font.bold);
  EXPECT_FALSE(bold->style.font.strikeOut);
  const DrawOp* struck = f.canvas().FindText("取消");
  ASSERT_NE(struck, nullptr);
  EXPECT_TRUE(struck->style.font.strikeOut);
  EXPECT_NE(f.canvas().FindText("a   b"), nullptr);
  EXPECT_NE(f.canvas().FindText("1,000円"), nullptr);
}

TEST(Entries, HiddenTextAcrossEntriesShowsWhatTheLayoutKept) {
  GridFixture f(2024, 5);
  f.grid.Set(&SeMCalProps::UeTume, true);
  f.AddEntry(1, 10, "<H>x");
  f.AddEntry(1, 10, "y</H>z");
  f.AddEntry(1, 11, "a<H>b");
  f.AddEntry(1, 11, "</H>");
  f.AddEntry(1, 11, "c");
  f.grid.Rebuild();
  const Rect cell = f.CellRectOf(2024, 5, 10);
  EXPECT_EQ(f.canvas().TextStringsIn({cell.left, cell.top + 25, cell.right, cell.bottom}),
            (std::vector<std::string>{"z"}));
  EXPECT_NE(f.canvas().FindText("c"), nullptr);
  EXPECT_NE(f.canvas().FindText("a"), nullptr);
}

TEST(Entries, OverflowShortensTheLastLineAndMarksIt) {
  GridFixture f(2024, 5);
  for (int i = 0; i < 4; ++i) f.AddEntry(1, 10, "e" + std::to_string(i));
  f.AddEntry(1, 10, "abcdefghijklmnopqrst");
  f.AddEntry(1, 10, "sixth");
  f.grid.Rebuild();
  const Rect cell = f.CellRectOf(2024, 5, 10);
  // Room 120 less " /" (16): the text must stay under 104 pixels.
  const DrawOp* fifth = f.canvas().FindText("abcdefghijkl");
  ASSERT_NE(fifth, nullptr);
  EXPECT_EQ(fifth->box.top, EntryTop(cell, 4));
  const DrawOp* slash = f.canvas().FindText("/");
  ASSERT_NE(slash, nullptr);
  EXPECT_EQ(slash->box, (Rect{cell.right - 10, cell.bottom - 17, cell.right - 2, cell.bottom - 1}));
  EXPECT_EQ(f.canvas().FindText("sixth"), nullptr);
}

TEST(Entries, OverflowKeepsDoubleByteCharactersWhole) {
  GridFixture f(2024, 5);
  for (int i = 0; i < 4; ++i) f.AddEntry(1, 10, "e" + std::to_string(i));
  f.AddEntry(1, 10, "会議会議会議会議");
  f.AddEntry(1, 10, "六");
  f.grid.Rebuild();
  EXPECT_NE(f.canvas().FindText("会議会議会議"), nullptr);
}

TEST(Entries, NoOverflowMarkWhenOnlyABarOverflows) {
  GridFixture f(2024, 5);
  for (int i = 0; i < 6; ++i) f.AddPeriod({{2024, 5, 1}, "M", {2024, 5, 31}, "E"});
  f.grid.Rebuild();
  EXPECT_EQ(f.canvas().FindText("/"), nullptr);
}

// ---- period bars ---------------------------------------------------------

TEST(PeriodBars, NoonToMorningAcrossThreeDays) {
  // 3 May 2024 is a Friday: the bar runs on into the next week row.
  GridFixture f(2024, 5, DateToJulius(2024, 5, 4));
  f.AddPeriod({{2024, 5, 3}, "A", {2024, 5, 5}, "M", {2024, 5, 4}, "1", "clRed", "旅行"});
  f.grid.Rebuild();
  auto barLines = [&](const Rect& cell, int extendLeft = 0) {
    const int y = cell.top + 34;
    return f.canvas().LinesIn({cell.left - extendLeft, y - 3, cell.right, y + 3});
  };
  const Rect first = f.CellRectOf(2024, 5, 3), middle = f.CellRectOf(2024, 5, 4),
             last = f.CellRectOf(2024, 5, 5);
  const auto start = barLines(first);
  ASSERT_EQ(start.size(), 2u);
  EXPECT_EQ(start[0]->from, (Point{first.left + 50, first.top + 34}));
  EXPECT_EQ(start[0]->to, (Point{first.right, first.top + 34}));
  EXPECT_EQ(start[1]->to, (Point{first.left + 65, first.top + 36}));
  EXPECT_EQ(start[0]->colour, 0x0000FFu);
  const auto across = barLines(middle);
  ASSERT_EQ(across.size(), 1u);
  EXPECT_EQ(across[0]->from, (Point{middle.left, middle.top + 34}));
  EXPECT_EQ(across[0]->to, (Point{middle.right, middle.top + 34}));
  const auto end = barLines(last);
  ASSERT_EQ(end.size(), 2u);
  EXPECT_EQ(end[0]->from, (Point{last.left, last.top + 34}));
  EXPECT_EQ(end[0]->to, (Point{last.right - 95, last.top + 34}));
  EXPECT_EQ(end[1]->from, (Point{last.right - 110, last.top + 32}));
  // The label on the summary day, right-aligned 4 pixels in, on the cell's
  // background (today's colour here).
  const DrawOp* label = f.canvas().FindText(" 旅行 ");
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->box, (Rect{middle.right - 4 - 48, middle.top + 27, middle.right - 4, middle.top + 43}));
  EXPECT_EQ(label->style.hAlign, HAlign::Right);
  EXPECT_EQ(label->style.colour, 0x0000FFu);
  bool labelFilled = false;
  for (const DrawOp& op : f.canvas().ops)
    labelFilled |= op.kind == DrawOp::Kind::Fill && op.box == label->box && op.colour == kTodayColour;
  EXPECT_TRUE(labelFilled);
}

TEST(PeriodBars, ThicknessSelectionAndDefaults) {
  GridFixture f(2024, 5);
  const int thick = f.AddPeriod({{2024, 5, 6}, "M", {2024, 5, 8}, "E", {}, "2", "$00008000"});
  f.AddPeriod({{2024, 5, 13}, "M", {2024, 5, 15}, "E", {}, "7", "D1"});
  f.AddPeriod({{2024, 5, 20}, "M", {2024, 5, 22}, "E", {}, "x", "clNoSuchColour"});
  f.grid.Rebuild();
  auto barIn = [&](int day) {
    const Rect r = f.CellRectOf(2024, 5, day);
    auto lines = f.canvas().LinesIn({r.left, r.top + 30, r.right, r.top + 40});
    return lines.empty() ? DrawOp{} : *lines.front();
  };
  EXPECT_EQ(barIn(7).width, 2);
  EXPECT_EQ(barIn(7).colour, 0x008000u);
  EXPECT_EQ(barIn(14).width, 1);
  EXPECT_EQ(barIn(14).colour, kDefaultPeriodColour);  // a field of two characters
  EXPECT_EQ(barIn(21).colour, kDefaultPeriodColour);  // an unreadable colour
  f.grid.SetSelectedPeriod(thick);
  f.grid.RedrawCells();
  EXPECT_EQ(barIn(7).width, 3);
  EXPECT_EQ(barIn(7).colour, kSelectedBarColour);
}

TEST(PeriodBars, NeighbourDaysTintedOrHidden) {
  GridFixture f(2024, 5);
  f.AddPeriod({{2024, 4, 29}, "M", {2024, 5, 2}, "E", {}, "1", "clRed"});
  f.grid.Rebuild();
  const Rect april = f.CellRectOf(2024, 4, 29);
  auto lines = f.canvas().LinesIn({april.left, april.top + 30, april.right, april.top + 40});
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.front()->colour, 0xC0C0FFu);
  f.grid.Set(&CalendarProps::ShowNeighbor, false);
  EXPECT_TRUE(f.canvas().LinesIn({april.left, april.top + 30, april.right, april.top + 40}).empty());
}

TEST(PeriodBars, AYearLongPeriodMarksOnlyItsRealStart) {
  GridFixture f(2025, 3);
  f.AddPeriod({{2024, 3, 5}, "A", {2025, 4, 1}, "E"});
  f.grid.Rebuild();
  const Rect cell = f.CellRectOf(2025, 3, 5);
  const auto lines = f.canvas().LinesIn({cell.left, cell.top + 30, cell.right, cell.top + 40});
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->from.x, cell.left);
}

// ---- month memo ----------------------------------------------------------

TEST(MonthMemo, LinesInTheLastRowPackedTopOrBottom) {
  GridFixture f(2024, 5);
  f.AddEntry(1, 77, "支払い");
  f.AddEntry(1, 77, "two");
  f.months[1].lines.push_back("77,3,,<B>raw");
  f.grid.Set(&SeMCalProps::TukiMemo, true);
  const int top = 24 + 5 * 95;
  const DrawOp* first = f.canvas().FindText("支払い");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->box.left, 3 * 128 + 8);
  EXPECT_EQ(first->box.top, top + 25 - 16);
  EXPECT_EQ(first->style.colour, kDefaultEntryColour);
  EXPECT_NE(f.canvas().FindText("<B>raw"), nullptr);  // drawn as stored
  EXPECT_EQ(f.canvas().FillColourAt({5 * 128, top + 50}), 0xFFFFFF);
  EXPECT_TRUE(f.canvas().TextsIn({3 * 128, top, 7 * 128, top + 95}).size() == 3);

  f.grid.Set(&SeMCalProps::TukiMUeTume, false);
  EXPECT_EQ(f.canvas().FindText("支払い")->box.top, top + 25 + 3 * 18 - 16);
  EXPECT_EQ(f.canvas().FindText("<B>raw")->box.top, top + 25 + 5 * 18 - 16);
}

TEST(MonthMemo, AtMostItemGyoPlusOneLines) {
  GridFixture f(2024, 5);
  for (int i = 0; i < 8; ++i) f.AddEntry(1, 77, "m" + std::to_string(i));
  f.grid.Set(&SeMCalProps::TukiMemo, true);
  EXPECT_NE(f.canvas().FindText("m5"), nullptr);
  EXPECT_EQ(f.canvas().FindText("m6"), nullptr);
}

// ---- bad data ------------------------------------------------------------

TEST(BadData, PaintsWithDefaultsAndNeverRaises) {
  GridFixture f(2024, 5);
  for (const char* line :
       {"", ",", "10", "10,", "10,1,,", "10,1,,text,$", "10,1,,text,clNoSuch,x,y,z,w,",
        "10,1,,text,99999999999999999999,,,,,", "10,1,,<H>", "10,1,,</H></H><H><H>",
        "10,1,,\t\t\t\t\t\t\t\t\t\t\t\t\t\t\t", "10,1,,\xE4\xBC", "-5,1,,negative", "31,1,,no such"})
    f.months[1].lines.push_back(line);
  f.months[1].lines.push_back("20,1,,text,$,,,,,");
  for (const char* line : {"", ",,,,,,", "2024,5,1,M,2024,5,2,E,,,,,,,,,,,,",
                           "2024, 5, 3,M,2024, 5,10,E,2024, 5, 4,999999999999,$GG,t,a,,,,,",
                           "-1,-1,-1,M,-1,99,99,E,0,0,0,1,clRed,x,a,,,,,"})
    f.periods.lines.push_back(line);
  EXPECT_NO_THROW(f.grid.Rebuild());
  EXPECT_NO_THROW(f.grid.Set(&SeMCalProps::TukiMemo, true));
  EXPECT_NE(f.canvas().FindText("text"), nullptr);
  EXPECT_EQ(f.canvas().FindText("text")->style.colour, kDefaultEntryColour);
}

}  // namespace
}  // namespace grid
