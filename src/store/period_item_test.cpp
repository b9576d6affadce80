#include "store/period_item.h"

#include <gtest/gtest.h>

#include "calendar/julius.h"
#include "platform/doubles_testutil.h"
#include "store/schedule_item.h"

namespace store {
namespace {

TEST(PeriodItem, StoresTheFieldsOfTheFileFormat) {
  calendar::DayNumber start = calendar::DateToJulius(2004, 3, 5);
  calendar::DayNumber end = calendar::DateToJulius(2004, 3, 12);
  PeriodItem item = NewPeriodItem(start, 2, end, 3, 1, "clBlue", "PC01");
  item.text = "出張,大阪";
  EXPECT_EQ(FormatPeriodItem(item), "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,出張，大阪,PC01,,,,,");
  EXPECT_EQ(SplitItem(FormatPeriodItem(item)).size(), 20u);
}

TEST(PeriodItem, ReadsBackWhatItWrote) {
  PeriodItem item{{2030, 12, 31}, DayPart::Evening, {2031, 1, 2}, DayPart::Morning, {2031, 1, 1},
                  3, "$00484848", "1，000円", "PC-2"};
  EXPECT_EQ(ParsePeriodItem(FormatPeriodItem(item)), item);
}

TEST(PeriodItem, NewItemTakesItsPartsFromTheMarks) {
  struct Case {
    int startMark, endMark;
    DayPart start, end;
  } cases[] = {{1, 1, DayPart::Morning, DayPart::Morning}, {2, 2, DayPart::Noon, DayPart::Noon},
               {3, 3, DayPart::Evening, DayPart::Evening}, {0, 0, DayPart::Morning, DayPart::Evening}};
  for (const auto& c : cases) {
    PeriodItem item = NewPeriodItem(2453000, c.startMark, 2453001, c.endMark, 2, "clRed", "PC");
    EXPECT_EQ(item.startPart, c.start);
    EXPECT_EQ(item.endPart, c.end);
  }
}

TEST(PeriodItem, SummaryDateIsHalfwayWithTheFractionDropped) {
  auto day = [](int y, int m, int d) { return calendar::DateToJulius(y, m, d); };
  EXPECT_EQ(NewPeriodItem(day(2004, 2, 28), 1, day(2004, 3, 2), 3, 1, "", "").summary,
            (PeriodDate{2004, 2, 29}));
  EXPECT_EQ(NewPeriodItem(day(2004, 3, 1), 1, day(2004, 3, 2), 3, 1, "", "").summary,
            (PeriodDate{2004, 3, 1}));
}

TEST(PeriodItem, UnreadableFieldsGiveZerosAndDefaults) {
  PeriodItem item = ParsePeriodItem("abcd, x,5,Q,,,,,");
  EXPECT_EQ(item.start, (PeriodDate{0, 0, 5}));
  EXPECT_EQ(item.startPart, DayPart::Morning);
  EXPECT_EQ(item.endPart, DayPart::Evening);
  EXPECT_EQ(item.thickness, 1);
  EXPECT_EQ(item.colorText, "");
  EXPECT_EQ(item.author, "");
  EXPECT_EQ(ParsePeriodItem("***** FromTo予定 [Data\\Files1\\]").start, (PeriodDate{}));
  EXPECT_EQ(ParsePeriodItem(""), PeriodItem{});
}

TEST(PeriodItem, PartLettersReadLikeTheFileAlwaysWasRead) {
  EXPECT_EQ(ParsePeriodItem("0,0,0,A,0,0,0,A").startPart, DayPart::Noon);
  EXPECT_EQ(ParsePeriodItem("0,0,0,A,0,0,0,A").endPart, DayPart::Noon);
  EXPECT_EQ(ParsePeriodItem("0,0,0,E,0,0,0,M").startPart, DayPart::Evening);
  EXPECT_EQ(ParsePeriodItem("0,0,0,E,0,0,0,M").endPart, DayPart::Morning);
  EXPECT_EQ(ParsePeriodItem("0,0,0,a,0,0,0,m").startPart, DayPart::Morning);
  EXPECT_EQ(ParsePeriodItem("0,0,0,a,0,0,0,m").endPart, DayPart::Evening);
}

TEST(PeriodItem, AuthorIsKeptWhenTheLineEndsAfterIt) {
  EXPECT_EQ(ParsePeriodItem("2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,t,PC01").author, "PC01");
}

TEST(PeriodColor, ShortFieldsTakeTheGridDefaultAndBadOnesTheSettings) {
  auto colorOf = [](const char* text) {
    PeriodItem item;
    item.colorText = text;
    return PeriodColor(item, 0x111111, 0x222222);
  };
  EXPECT_EQ(colorOf("clRed"), 0x0000FFu);
  EXPECT_EQ(colorOf("$000080FF"), 0x000080FFu);
  EXPECT_EQ(colorOf("D"), 0x111111u);
  EXPECT_EQ(colorOf("12"), 0x111111u);
  EXPECT_EQ(colorOf(""), 0x111111u);
  EXPECT_EQ(colorOf("clNothing"), 0x222222u);
  PeriodItem hidden;
  hidden.colorText = "D";
  EXPECT_TRUE(IsHiddenPeriod(hidden));
  hidden.colorText = "DD";
  EXPECT_FALSE(IsHiddenPeriod(hidden));
}

TEST(DigitCommaToShown, OnlyTheFirstFullWidthCommaBetweenDigits) {
  EXPECT_EQ(DigitCommaToShown("1，000円"), "1,000円");
  EXPECT_EQ(DigitCommaToShown("1，000，000"), "1,000，000");
  EXPECT_EQ(DigitCommaToShown("A，B"), "A，B");
  EXPECT_EQ(DigitCommaToShown("A，B 1，2"), "A，B 1，2");  // only the first one is looked at
  EXPECT_EQ(DigitCommaToShown("，1"), "，1");
  EXPECT_EQ(DigitCommaToShown("1，"), "1，");
  EXPECT_EQ(DigitCommaToShown(""), "");
}

TEST(PeriodDates, TheFirstInvalidDateIsToldAndNothingRegistered) {
  struct Case {
    PeriodDate start, end, summary;
    std::string told;
  } cases[] = {
      {{2004, 2, 30}, {2004, 3, 1}, {2004, 3, 1}, "不正な日付：2004/02/30"},
      {{2004, 2, 29}, {2003, 2, 29}, {2004, 3, 32}, "不正な日付：2003/02/29"},
      {{2004, 2, 29}, {2004, 3, 1}, {2004, 13, 1}, "不正な日付：2004/13/01"},
      {{1582, 10, 10}, {2004, 3, 1}, {2004, 3, 1}, "不正な日付：1582/10/10"},
      {{0, 1, 1}, {2004, 3, 1}, {2004, 3, 1}, "不正な日付：0000/01/01"},
  };
  for (const auto& c : cases) {
    platform::ScriptedDialogs dialogs;
    PeriodItem item;
    item.start = c.start;
    item.end = c.end;
    item.summary = c.summary;
    EXPECT_FALSE(ConfirmPeriodDates(dialogs, item));
    EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{c.told, "登録いたしません。"}));
    EXPECT_EQ(dialogs.shown[0].icon, platform::MsgIcon::Warning);
  }
  platform::ScriptedDialogs dialogs;
  PeriodItem valid{{1582, 10, 4}, DayPart::Morning, {1582, 10, 15}, DayPart::Evening, {2004, 2, 29}};
  EXPECT_TRUE(ConfirmPeriodDates(dialogs, valid));
  EXPECT_TRUE(dialogs.shown.empty());
}

// A period ending before it starts would never be drawn, so it could never
// be selected or deleted again.
TEST(PeriodDates, AReversedPeriodIsRefused) {
  struct Case {
    PeriodDate start;
    DayPart startPart;
    PeriodDate end;
    DayPart endPart;
    bool refused;
  } cases[] = {
      {{2026, 12, 14}, DayPart::Noon, {2026, 12, 10}, DayPart::Noon, true},
      {{2026, 12, 14}, DayPart::Evening, {2026, 12, 14}, DayPart::Morning, true},
      {{2026, 12, 31}, DayPart::Morning, {2027, 1, 1}, DayPart::Morning, false},
      {{2026, 12, 14}, DayPart::Noon, {2026, 12, 14}, DayPart::Noon, false},
      {{999, 1, 1}, DayPart::Morning, {1000, 1, 1}, DayPart::Morning, false},  // compared as dates
  };
  for (const auto& c : cases) {
    platform::ScriptedDialogs dialogs;
    const PeriodItem item{c.start, c.startPart, c.end, c.endPart, c.start};
    EXPECT_EQ(ConfirmPeriodDates(dialogs, item), !c.refused) << PeriodDateText(c.start);
    EXPECT_EQ(dialogs.Texts(), c.refused ? std::vector<std::string>{"初めと終わりが逆です。"}
                                         : std::vector<std::string>{});
  }
}

TEST(PeriodList, StoringAnEditReplacesTheOldLineAtTheEnd) {
  PeriodList list;
  list.lines = {"header", "a", "b", "c"};
  list.selected = 2;
  StorePeriodLine(list, 1, "a2");
  EXPECT_EQ(list.lines, (std::vector<std::string>{"header", "b", "c", "a2"}));
  EXPECT_EQ(list.selected, 0);
  StorePeriodLine(list, 0, "new");
  EXPECT_EQ(list.lines.back(), "new");
  EXPECT_EQ(list.lines.size(), 5u);
}

TEST(PeriodList, DeletesOnlyASelectedPeriod) {
  PeriodList list;
  list.lines = {"header", "a", "b"};
  EXPECT_FALSE(DeleteSelectedPeriod(list));
  list.selected = 5;
  EXPECT_FALSE(DeleteSelectedPeriod(list));
  list.selected = 1;
  EXPECT_TRUE(DeleteSelectedPeriod(list));
  EXPECT_EQ(list.lines, (std::vector<std::string>{"header", "b"}));
  EXPECT_EQ(list.selected, 0);
}

TEST(PeriodList, ChangedByAnotherComputer) {
  PeriodList list;
  list.lines = {"header", "a", "b"};
  EXPECT_FALSE(PeriodChangedByOther(list, 2, "b"));
  EXPECT_TRUE(PeriodChangedByOther(list, 2, "a"));
  EXPECT_TRUE(PeriodChangedByOther(list, 3, "b"));  // the list got shorter
}

}  // namespace
}  // namespace store
