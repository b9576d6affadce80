#include "calendar/day_classifier.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

class DayClassifierTest : public testing::Test {
 protected:
  DayClassifierTest() : classifier_([this] { ++changes_; }) {}

  DayClassifier classifier_;
  int changes_ = 0;
};

// 3 May 2020 was a Sunday.
TEST_F(DayClassifierTest, TheMondayAfterASundayHolidayIsASubstituteHoliday) {
  classifier_.SetHolidayList({"5,3,憲法記念日"});
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 3), dkHoliday | dkSunday);
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 4), dkFurikae);
  EXPECT_EQ(classifier_.GetDayNames(2020, 5, 4), "振替休日");
  EXPECT_EQ(classifier_.GetDayFont(2020, 5, 4), CalFont::Holiday);
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 5), 0);

  classifier_.SetAutoFurikae(false);
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 4), 0);
  EXPECT_EQ(classifier_.GetDayNames(2020, 5, 4), "");
}

// Only the Monday right after the Sunday: a Monday that is a holiday
// itself passes nothing on to Tuesday, and a Saturday holiday gives none.
TEST_F(DayClassifierTest, OnlyTheMondayRightAfterTheSundayIsSubstituted) {
  classifier_.SetHolidayList({"5,3,憲法記念日", "5,4,みどりの日", "5,5,こどもの日"});
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 4), dkHoliday);
  EXPECT_EQ(classifier_.GetDayNames(2020, 5, 4), "みどりの日");
  EXPECT_EQ(classifier_.GetDayKind(2020, 5, 6), 0);
  EXPECT_EQ(classifier_.GetDayKind(2019, 5, 6), dkFurikae);  // after Sunday 5 May 2019
  EXPECT_EQ(classifier_.GetDayKind(2021, 5, 3), dkHoliday);  // a Monday holiday, no more
  EXPECT_EQ(classifier_.GetDayKind(2025, 5, 3), dkHoliday | dkSaturday);
  EXPECT_EQ(classifier_.GetDayKind(1950, 5, 8), 0);          // Sunday 7 May 1950: no rule
  EXPECT_EQ(classifier_.GetDayKind(1912, 5, 6), dkFurikae);  // the rule knows no years
}

TEST_F(DayClassifierTest, EquinoxDaysAreHolidaysWhileTheSwitchIsOn) {
  EXPECT_EQ(classifier_.GetDayKind(2024, 3, 20), dkHoliday);
  EXPECT_EQ(classifier_.GetDayNames(2024, 3, 20), "春分の日");
  EXPECT_EQ(classifier_.GetDayNames(2024, 9, 22), "秋分の日");
  EXPECT_EQ(classifier_.GetDayKind(2024, 9, 22), dkHoliday | dkSunday);
  EXPECT_EQ(classifier_.GetDayKind(2024, 9, 23), dkFurikae);
  EXPECT_EQ(classifier_.GetDayNames(2024, 9, 23), "振替休日");

  classifier_.SetAutoEquinox(false);
  EXPECT_EQ(classifier_.GetDayKind(2024, 3, 20), 0);
  EXPECT_EQ(classifier_.GetDayNames(2024, 9, 22), "");
  EXPECT_EQ(classifier_.GetDayKind(2024, 9, 23), 0);
}

TEST_F(DayClassifierTest, NamesComeSpecialFirstThenHolidaysThenComputedOnes) {
  classifier_.SetHolidayList({"3,20,\"祝日 A\"", "0,20,毎月二十日"});
  classifier_.SetSpecialDayList({"2024,0,3,20,誕生日", "3,20,\"He said \"\"hi\"\"\""});
  EXPECT_EQ(classifier_.GetDayNames(2024, 3, 20),
            "誕生日,\"He said \"\"hi\"\"\",\"祝日 A\",毎月二十日,春分の日");
  const std::vector<DayName> names = classifier_.DayNames(2024, 3, 20);
  ASSERT_EQ(names.size(), 5u);
  EXPECT_TRUE(names[0].special && names[1].special);
  EXPECT_FALSE(names[2].special || names[3].special || names[4].special);
  EXPECT_EQ(classifier_.GetDayKind(2024, 3, 20), dkHoliday | dkSpecial);
  EXPECT_EQ(classifier_.GetDayNames(2025, 3, 20), "\"He said \"\"hi\"\"\",\"祝日 A\",毎月二十日,春分の日");
}

TEST_F(DayClassifierTest, AnEmptyNameAloneIsWrittenAsTwoQuotes) {
  classifier_.SetSpecialDayList({",,7,7,,,"});
  EXPECT_EQ(classifier_.GetDayNames(2024, 7, 7), "\"\"");
  EXPECT_EQ(classifier_.GetDayNames(2024, 7, 8), "");
}

struct FontCase {
  int year, month, day;
  CalFont font;
};

// Special day over holiday over Sunday and Saturday.
TEST_F(DayClassifierTest, FontsFollowTheDayKind) {
  classifier_.SetHolidayList({"5,3,憲法記念日", "11,3,文化の日", "7,10,土曜の祝日"});
  classifier_.SetSpecialDayList({"11,3,記念日", "7,13,土曜の記念日"});
  const FontCase cases[] = {
      {2024, 7, 9, CalFont::Weekday},    {2024, 7, 6, CalFont::Saturday},
      {2024, 7, 7, CalFont::Sunday},     {2024, 5, 3, CalFont::Holiday},
      {2020, 5, 4, CalFont::Holiday},    {2024, 11, 3, CalFont::SpecialDay},
      {2021, 7, 10, CalFont::Holiday},   {2024, 7, 13, CalFont::SpecialDay},
  };
  for (const FontCase& c : cases)
    EXPECT_EQ(classifier_.GetDayFont(c.year, c.month, c.day), c.font)
        << c.year << "-" << c.month << "-" << c.day;
}

TEST(TCalExFonts, DefaultColoursAreBgr) {
  const TCalExFonts fonts;
  EXPECT_EQ(fonts[CalFont::Saturday].colour, 0xFF0000u);  // blue
  EXPECT_EQ(fonts[CalFont::Sunday].colour, 0x0000FFu);    // red
  EXPECT_EQ(fonts[CalFont::Holiday].colour, 0x0000FFu);
  EXPECT_EQ(fonts[CalFont::SpecialDay].colour, 0x008000u);
  EXPECT_EQ(fonts[CalFont::DayOfWeek].colour, 0xFFFFFFu);
  EXPECT_EQ(fonts[CalFont::Rokuyo].size, 10);
}

TEST_F(DayClassifierTest, EitherListChangingRebuildsBothAndTellsTheOwner) {
  classifier_.SetHolidayList({"1,1,元日"});
  classifier_.SetSpecialDayList({"2,2,x", "bad,1,y", "3,3,z"});
  EXPECT_EQ(changes_, 2);
  EXPECT_EQ(classifier_.HolidayRules().size(), 1u);
  EXPECT_EQ(classifier_.SpecialDayRules().size(), 1u);
  EXPECT_FALSE(classifier_.HolidayError());
  ASSERT_TRUE(classifier_.SpecialDayError());
  EXPECT_EQ(classifier_.SpecialDayError()->line, 1u);

  classifier_.SetHolidayList({"1,1,元日", "1,2,二日"});
  EXPECT_EQ(classifier_.HolidayRules().size(), 2u);
  EXPECT_TRUE(classifier_.SpecialDayError());  // parsed again, same stop
  EXPECT_EQ(classifier_.GetDayNames(2024, 1, 2), "二日");
}

TEST_F(DayClassifierTest, ABatchRebuildsOnceAtItsEnd) {
  classifier_.BeginUpdate();
  classifier_.SetHolidayList({"1,1,元日"});
  classifier_.SetSpecialDayList({"2,2,x"});
  classifier_.SetAutoFurikae(false);
  EXPECT_EQ(changes_, 0);
  EXPECT_TRUE(classifier_.HolidayRules().empty());
  classifier_.EndUpdate();
  EXPECT_EQ(changes_, 1);
  EXPECT_EQ(classifier_.GetDayNames(2024, 1, 1), "元日");
  classifier_.EndUpdate();  // unbalanced: ignored
  EXPECT_EQ(changes_, 1);
}

TEST_F(DayClassifierTest, SwitchesTellTheOwnerOnlyWhenTheyChange) {
  classifier_.SetAutoEquinox(true);
  EXPECT_EQ(changes_, 0);
  classifier_.SetAutoEquinox(false);
  classifier_.SetAutoFurikae(false);
  EXPECT_EQ(changes_, 2);
}

TEST_F(DayClassifierTest, TheDaysOfTheReformGapAreRefused) {
  EXPECT_THROW(classifier_.GetDayKind(1582, 10, 10), EJuliusError);
  EXPECT_THROW(classifier_.GetDayNames(1582, 10, 10), EJuliusError);
  // 15 October 1582 was a Friday; the day before it is 4 October.
  EXPECT_EQ(classifier_.GetDayKind(1582, 10, 15), 0);
}

TEST_F(DayClassifierTest, TheFirstMondayAfterTheGapLooksBackAcrossIt) {
  classifier_.SetHolidayList({"1582,0,10,17,日曜の祝日"});
  EXPECT_EQ(classifier_.GetDayKind(1582, 10, 17), dkHoliday | dkSunday);
  EXPECT_EQ(classifier_.GetDayKind(1582, 10, 18), dkFurikae);
}

}  // namespace
}  // namespace calendar
