#include "editors/day_editor.h"

#include <gtest/gtest.h>

#include "editors/day_window_keys.h"

namespace editors {
namespace {

constexpr Color kRed = 0x0000FF;

DayLines Loaded(std::vector<Color> colors) {
  std::vector<store::DayEntry> entries;
  for (Color c : colors) entries.push_back({"x", {c}});
  DayLines lines;
  lines.Load(entries);
  return lines;
}

EditorSelection Caret(int row) { return {false, row, row, 0, row}; }
EditorSelection Rows(int first, int last, int endColumn) {
  return {true, first, last, endColumn, last};
}

// ---- Loading and writing back -----------------------------------------

TEST(DayLines, ADayWithoutEntriesOpensWithOneEmptyDefaultLine) {
  DayLines lines;
  EXPECT_EQ(lines.Load({}), (std::vector<std::string>{""}));
  EXPECT_EQ(lines.Attrs().Items(), (std::vector<LineAttr>{kDefaultLineAttr}));
}

TEST(DayLines, ALoneEmptyLineGetsAFreshDefaultRecord) {
  DayLines lines;
  EXPECT_EQ(lines.Load({{"", {store::kClBlack, 4}}}), (std::vector<std::string>{""}));
  EXPECT_EQ(lines.Attrs().Get(0), kDefaultLineAttr);
}

TEST(DayLines, EntriesKeepEveryAttributeOfTheirLine) {
  store::ItemAttributes marked{0x123456, 3, 9 * 3600 + 5 * 60, 4, -7};
  DayLines lines;
  auto texts = lines.Load({{"会議,A", marked}, {"", {}}});
  texts.push_back("新しい行");
  lines.Attrs().Add(kDefaultLineAttr);
  auto entries = lines.Entries(texts);
  ASSERT_EQ(entries.size(), 3u);
  EXPECT_EQ(entries[0], (store::DayEntry{"会議,A", marked}));
  EXPECT_EQ(entries[2], (store::DayEntry{"新しい行", kDefaultLineAttr}));
}

TEST(DayLines, FollowRefusesAChangeThatDoesNotFitTheList) {
  std::vector<std::string> reports;
  DayLines lines([&](const std::string& t) { reports.push_back(t); });
  lines.Load({{"a", {}}});
  lines.Attrs().Delete(0, 1);  // out of step on purpose
  EXPECT_FALSE(lines.Follow("a", {1, "", "\n"}));
  EXPECT_EQ(lines.Attrs().Count(), 0);
  EXPECT_EQ(reports.size(), 1u);
  EXPECT_TRUE(ConsistencyMessage(2, lines.Attrs()).has_value());
  EXPECT_FALSE(ConsistencyMessage(0, lines.Attrs()).has_value());
}

// ---- Colours ----------------------------------------------------------

TEST(DayLines, RedTwiceOnTheSameLineTogglesBackToTheDefault) {
  DayLines lines = Loaded({store::kClWindowText, store::kClWindowText});
  lines.ApplyColor(ColorCommand::Red, kRed, Caret(1));
  EXPECT_EQ(lines.LineColor(1), kRed);
  EXPECT_EQ(lines.CheckedColor(Caret(1)), ColorCommand::Red);
  lines.ApplyColor(ColorCommand::Red, kRed, Caret(1));
  EXPECT_EQ(lines.LineColor(1), kDefaultLineAttr.color);
  EXPECT_EQ(lines.CheckedColor(Caret(1)), ColorCommand::Standard);
}

TEST(DayLines, TheDialogColourNeverToggles) {
  DayLines lines = Loaded({0x00AA00});
  lines.ApplyColor(ColorCommand::Dialog, 0x00AA00, Caret(0));
  EXPECT_EQ(lines.LineColor(0), 0x00AA00u);
  EXPECT_EQ(lines.CheckedColor(Caret(0)), std::nullopt);
}

TEST(DayLines, ASelectionColoursItsRowsButNotALastRowItOnlyTouches) {
  DayLines lines = Loaded({store::kClWindowText, store::kClWindowText, store::kClWindowText, store::kClWindowText});
  lines.Attrs().Put(1, {kRed, 5, 60, 6, 7});
  lines.ApplyColor(ColorCommand::Blue, 0xFF0000, Rows(0, 2, 0));  // ends at the start of row 2
  EXPECT_EQ(lines.LineColor(0), 0xFF0000u);
  EXPECT_EQ(lines.Attrs().Get(1), (LineAttr{0xFF0000, 5, 60, 6, 7}));  // other fields kept
  EXPECT_EQ(lines.LineColor(2), kDefaultLineAttr.color);
  // Selected again, the rows are not toggled: they are blue already.
  lines.ApplyColor(ColorCommand::Blue, 0xFF0000, Rows(0, 1, 1));
  EXPECT_EQ(lines.LineColor(1), 0xFF0000u);
  EXPECT_EQ(lines.CheckedColor(Rows(0, 1, 1)), std::nullopt);  // several rows: no mark
  EXPECT_EQ(lines.CheckedColor(Rows(0, 1, 0)), ColorCommand::Blue);
}

TEST(ColorCommands, FixedColours) {
  EXPECT_EQ(CommandColor(ColorCommand::Red), 0x0000FFu);
  EXPECT_EQ(CommandColor(ColorCommand::Blue), 0xFF0000u);
  EXPECT_EQ(CommandColor(ColorCommand::Pink), 0xFF00FFu);
  EXPECT_EQ(CommandColor(ColorCommand::Teal), 0x808000u);
  EXPECT_EQ(CommandColor(ColorCommand::Brown), 0x000080u);
  EXPECT_EQ(CommandColor(ColorCommand::Standard), store::kClWindowText);
}

// ---- Keys -------------------------------------------------------------

struct KeyCase {
  KeyStroke key;
  KeyCommand command;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
  *os << "key " << c.key.key << (c.key.ctrl ? " ctrl" : "") << (c.key.shift ? " shift" : "")
      << (c.key.alt ? " alt" : "") << (c.key.inEditor ? " editor" : "");
}

class DecideKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(DecideKeyTest, Command) {
  EXPECT_EQ(DecideKey(GetParam().key), GetParam().command);
}

constexpr unsigned kEnter = 0x0D, kEsc = 0x1B, kIns = 0x2D, kDel = 0x2E, kLeft = 0x25;

INSTANTIATE_TEST_SUITE_P(
    Keys, DecideKeyTest,
    testing::Values(
        KeyCase{{kEnter, true, false, false, false}, KeyCommand::WriteClose},  // anywhere
        KeyCase{{kEnter, true, false, false, true}, KeyCommand::WriteClose},
        KeyCase{{kEnter, false, false, false, true}, KeyCommand::None},  // a new line
        KeyCase{{kEsc, false, false, false, false}, KeyCommand::AskCancel},
        KeyCase{{kIns, true, false, false, true}, KeyCommand::CopyCollapse},
        KeyCase{{kIns, false, true, false, true}, KeyCommand::Paste},
        KeyCase{{kDel, false, true, false, true}, KeyCommand::Cut},
        KeyCase{{kDel, false, false, false, true}, KeyCommand::None},
        KeyCase{{'R', true, false, false, true}, KeyCommand::ColorRed},
        KeyCase{{'R', true, false, false, false}, KeyCommand::None},  // in another control
        KeyCase{{'R', true, false, false, true, true}, KeyCommand::Swallow},  // month memo
        KeyCase{{0x78, false, false, false, true, true}, KeyCommand::Swallow},
        KeyCase{{'O', true, false, false, true}, KeyCommand::ColorStandard},
        KeyCase{{'L', true, false, false, true}, KeyCommand::ColorDialog},
        KeyCase{{'N', true, false, false, true, true}, KeyCommand::InsertNow},
        KeyCase{{'Z', true, false, false, true}, KeyCommand::Undo},
        KeyCase{{'Z', true, false, true, true}, KeyCommand::Redo},
        KeyCase{{'E', true, false, false, true}, KeyCommand::Swallow},  // centring
        KeyCase{{'1', true, false, false, true}, KeyCommand::Swallow},  // line spacing
        KeyCase{{kLeft, true, true, false, true}, KeyCommand::None},
        KeyCase{{0x78, false, false, false, true}, KeyCommand::ShowColorMenu}));

// ---- Closing ----------------------------------------------------------

TEST(DecideClose, WritesOnlyWhatWasChangedAndNotCancelled) {
  using M = DayEditorMode;
  struct Case {
    CloseState state;
    bool writeBack, clearSelectedPeriod;
  } cases[] = {
      {{M::Day, false, false}, false, true},  // opened and closed: nothing written
      {{M::Day, false, true}, true, false},
      {{M::Day, true, true}, false, true},
      {{M::Period, false, false}, true, false},  // a period page always writes
      {{M::Period, true, false}, false, true},
      {{M::SpecialDay, false, false, true}, true, false},
      {{M::SpecialDay, false, true, false}, false, false},
      {{M::SpecialDay, true, false, true}, false, false},
  };
  for (const auto& c : cases) {
    CloseDecision d = DecideClose(c.state);
    EXPECT_EQ(d.writeBack, c.writeBack) << static_cast<int>(c.state.mode);
    EXPECT_EQ(d.clearSelectedPeriod, c.clearSelectedPeriod) << static_cast<int>(c.state.mode);
  }
}

// ---- Period page ------------------------------------------------------

PeriodPage March(store::PeriodDate summary) {
  PeriodPage p;
  p.start = {2004, 3, 5};
  p.end = {2004, 3, 12};
  p.summary = summary;
  return p;
}

TEST(CorrectSummaryDate, MovesADateOutsideThePeriodToTheMiddle) {
  struct Case {
    store::PeriodDate summary, expected;
  } cases[] = {
      {{2004, 3, 4}, {2004, 3, 8}},   // before the start
      {{2004, 3, 13}, {2004, 3, 8}},  // after the end
      {{2004, 3, 5}, {2004, 3, 5}},   // the ends belong to the period
      {{2004, 3, 12}, {2004, 3, 12}},
      {{2004, 3, 10}, {2004, 3, 10}},
  };
  for (const auto& c : cases) {
    PeriodPage p = March(c.summary);
    CorrectSummaryDate(p);
    EXPECT_EQ(p.summary, c.expected) << c.summary.day;
  }
  PeriodPage across = March({2003, 1, 1});
  across.end = {2004, 4, 1};  // 28 days between: the middle is the 15th of March
  CorrectSummaryDate(across);
  EXPECT_EQ(across.summary, (store::PeriodDate{2004, 3, 18}));
}

TEST(StepDate, DaysAndMonthsWrapAndCarry) {
  struct Case {
    store::PeriodDate from;
    DateField field;
    int delta;
    store::PeriodDate to;
  } cases[] = {
      {{2004, 3, 31}, DateField::Day, 1, {2004, 4, 1}},
      {{2004, 12, 31}, DateField::Day, 1, {2005, 1, 1}},
      {{2004, 3, 1}, DateField::Day, -1, {2004, 2, 31}},  // the up-down knows no month lengths
      {{2004, 1, 1}, DateField::Day, -1, {2003, 12, 31}},
      {{2004, 12, 5}, DateField::Month, 1, {2005, 1, 5}},
      {{2004, 1, 5}, DateField::Month, -1, {2003, 12, 5}},
      {{2004, 6, 5}, DateField::Month, 1, {2004, 7, 5}},
      {{9999, 12, 5}, DateField::Month, 1, {9999, 1, 5}},
      {{0, 5, 5}, DateField::Year, -1, {0, 5, 5}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(StepDate(c.from, c.field, c.delta), c.to) << c.from.year << "-" << c.from.month;
}

TEST(PeriodPage, RoundTripsAnItemWithCommasInItsText) {
  store::PeriodItem item = store::ParsePeriodItem(
      "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,2,$00123456,1，000円，大阪,PC01,,,,,");
  PeriodPage page = PeriodPageOf(item, false, kDefaultEntryColor, 0xFF0000);
  EXPECT_EQ(page.text, "1,000円，大阪");
  EXPECT_EQ(page.color, 0x123456u);
  EXPECT_EQ(page.thickness, 2);
  EXPECT_EQ(page.startPart, store::DayPart::Noon);
  store::PeriodItem back = PeriodItemOf(page, "PC01");
  EXPECT_EQ(back.text, "1，000円，大阪");
  EXPECT_EQ(back.colorText, "$00123456");
  EXPECT_EQ(back.start, item.start);
  EXPECT_EQ(back.summary, item.summary);
}

TEST(PeriodPage, AShortColourFieldShowsTheDefaultEntryColour) {
  store::PeriodItem item = store::ParsePeriodItem("2004, 3, 5,M,2004, 3, 6,E,2004, 3, 5,,D,x,,,,,,");
  EXPECT_EQ(PeriodPageOf(item, false, kDefaultEntryColor, 0xFF0000).color, kDefaultEntryColor);
  EXPECT_EQ(PeriodPageOf(item, false, kDefaultEntryColor, 0xFF0000).thickness, 1);
}

// ---- Header texts and placement ---------------------------------------

TEST(HeaderTexts, Formats) {
  EXPECT_EQ(DateLabel(2004, 3, 5), "2004. 3. 5");
  EXPECT_EQ(WeekdayLabel(6), "（ 金曜日 ）");
  EXPECT_EQ(ToneOfWeekday(1), WeekdayTone::Sunday);
  EXPECT_EQ(ToneOfWeekday(7), WeekdayTone::Saturday);
  EXPECT_EQ(ToneOfWeekday(4), WeekdayTone::Normal);
  EXPECT_EQ(MonthMemoCaption(2004, 3), "２００４年３月メモ");
  EXPECT_EQ(TimeStamp(9, 5), "09:05");
}

TEST(NameStrip, SpecialDaysFirstSeparatedThenHolidays) {
  std::vector<calendar::DayName> names{
      {"結婚　記念日", true}, {"誕生日，祝", true}, {"春分の日", false}, {"振替休日", false}};
  EXPECT_EQ(NameStripPieces(names), (std::vector<NamePiece>{{"結婚 記念日，", true},
                                                            {"誕生日,祝 ", true},
                                                            {"春分の日", false},
                                                            {"振替休日", false}}));
  EXPECT_EQ(NameStripStart(200, 100, 4), 46);
  EXPECT_EQ(NameStripStart(100, 180, 4), 0);  // too wide: from the left edge
}

TEST(FitIntoWorkArea, KeepsTheWindowInside) {
  Bounds area{0, 0, 1280, 984};
  EXPECT_EQ(FitIntoWorkArea({-20, -5, 298, 330}, area), (Bounds{0, 0, 298, 330}));
  EXPECT_EQ(FitIntoWorkArea({1200, 900, 298, 330}, area), (Bounds{982, 654, 298, 330}));
  EXPECT_EQ(FitIntoWorkArea({100, 100, 298, 330}, area), (Bounds{100, 100, 298, 330}));
  EXPECT_EQ(FitIntoWorkArea({500, 500, 2000, 330}, area), (Bounds{0, 500, 2000, 330}));
}

// A kept size means the same window at every DPI; the place is the
// desktop's and is never scaled.
TEST(WindowBoundsAtDpi, SizesScalePlacesStay) {
  const Bounds kept{300, 120, 298, 330};
  EXPECT_EQ(BoundsOnScreen(kept, 96), kept);
  EXPECT_EQ(BoundsOnScreen(kept, 144), (Bounds{300, 120, 447, 495}));
  EXPECT_EQ(BoundsOnScreen(kept, 192), (Bounds{300, 120, 596, 660}));
  EXPECT_EQ(BoundsToKeep({300, 120, 447, 495}, 144), kept);
  // A window the user widened by a pixel keeps that pixel, session after
  // session, at every DPI.
  for (int dpi : {96, 120, 144, 168, 192}) {
    Bounds b{-1500, 40, 299, 331};
    for (int session = 0; session < 5; ++session) b = BoundsToKeep(BoundsOnScreen(b, dpi), dpi);
    EXPECT_EQ(b, (Bounds{-1500, 40, 299, 331})) << dpi;
  }
}

TEST(DayWindowKeys, ReadsAndWritesSectionFmDay) {
  auto ini = support::IniText::FromText("[fmDay]\r\nfmTop=120\r\nfmLeft=x\r\n[Other]\r\nk=1\r\n");
  Bounds b = ReadDayWindowBounds(ini, {10, 20, 298, 330});
  EXPECT_EQ(b, (Bounds{10, 120, 298, 330}));
  WriteDayWindowBounds(ini, {7, 8, 400, 300});
  EXPECT_EQ(ini.ReadInteger("fmDay", "fmLeft", 0), 7);
  EXPECT_EQ(ini.ReadInteger("fmDay", "fmHeight", 0), 300);
  EXPECT_EQ(ini.ReadString("Other", "k", ""), "1");
}

}  // namespace
}  // namespace editors
