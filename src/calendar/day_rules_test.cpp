#include "calendar/day_rules.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

TBinaryDayListItem OnlyRule(const std::string& line) {
  DayRuleParse parsed = ParseDayRules({line});
  EXPECT_FALSE(parsed.error) << line;
  EXPECT_EQ(parsed.rules.size(), 1u) << line;
  return parsed.rules.empty() ? TBinaryDayListItem{} : parsed.rules[0];
}

struct FormCase {
  std::string line;
  TBinaryDayListItem rule;  // Day, Month, DayOfWeek, WeekNo, FromYear, ToYear, Name
};

class RuleFormTest : public testing::TestWithParam<FormCase> {};

TEST_P(RuleFormTest, FieldsLandWhereTheFormSays) { EXPECT_EQ(OnlyRule(GetParam().line), GetParam().rule); }

constexpr std::int32_t U = kYearUnset;

INSTANTIATE_TEST_SUITE_P(
    Forms, RuleFormTest,
    testing::Values(
        FormCase{"5,3,憲法記念日", {3, 5, 0, 0, U, U, "憲法記念日"}},
        FormCase{"1,2,2,成人の日", {0, 1, 2, 2, U, U, "成人の日"}},
        FormCase{"1999,0,4,29,x", {29, 4, 0, 0, 1999, 1999, "x"}},
        FormCase{"1999,1,4,29,x", {29, 4, 0, 0, U, 1999, "x"}},
        FormCase{"1999,2,4,29,x", {29, 4, 0, 0, 1999, U, "x"}},
        FormCase{"1999,7,4,29,x", {29, 4, 0, 0, U, U, "x"}},     // other kinds: every year
        FormCase{"1999,x,4,29,x", {29, 4, 0, 0, U, U, "x"}},
        FormCase{"2003,2,9,3,2,敬老の日", {0, 9, 2, 3, 2003, U, "敬老の日"}},
        FormCase{"1996,2002,7,20,,,海の日", {20, 7, 0, 0, 1996, 2002, "海の日"}},
        FormCase{",,2,33,,,月末", {33, 2, 0, 0, U, U, "月末"}},
        FormCase{"2010,,,,2,1,第一月曜", {0, 0, 2, 1, 2010, U, "第一月曜"}},
        FormCase{"2000,,3,4,,,", {4, 3, 0, 0, 2000, U, ""}},
        FormCase{"\"5\",\"3\",\"quoted name\"", {3, 5, 0, 0, U, U, "quoted name"}},
        FormCase{"261,259,x", {3, 5, 0, 0, U, U, "x"}},           // low 8 bits
        FormCase{"-251,+3,x", {3, 5, 0, 0, U, U, "x"}},
        FormCase{"-2147483648,2147483647,1,1,,,x", {1, 1, 0, 0, U, 2147483647, "x"}}));

TEST(ParseDayRules, LinesOfTwoOrEightFieldsAreSkipped) {
  const DayRuleParse parsed =
      ParseDayRules({"1,1", "1,2,3,4,5,6,7,8", "", "  ", "5,5,こどもの日"});
  EXPECT_FALSE(parsed.error);
  ASSERT_EQ(parsed.rules.size(), 1u);
  EXPECT_EQ(parsed.rules[0].Name, "こどもの日");
}

// A name with a blank splits into one field more; "New" then stands where
// a weekday belongs, and the parse ends there with the rules before it.
TEST(ParseDayRules, ABadNumberEndsTheParseKeepingTheRulesBeforeIt) {
  const DayRuleParse parsed = ParseDayRules({"1,1,元日", "1,1,New Year", "5,5,こどもの日"});
  ASSERT_EQ(parsed.rules.size(), 1u);
  EXPECT_EQ(parsed.rules[0].Name, "元日");
  ASSERT_TRUE(parsed.error);
  EXPECT_EQ(parsed.error->line, 1u);
  EXPECT_EQ(parsed.error->field, "New");
}

TEST(ParseDayRules, WhatIsNoNumber) {
  for (const char* line : {"x,1,a", "1,,a", "1,1.5,a", "1,0x10,a", "1,99999999999,a",
                           "1,+-1,a", "1,- 1,a", "x,0,1,1,a", "1,2,3,4,x,6,a"}) {
    const DayRuleParse parsed = ParseDayRules({line});
    EXPECT_TRUE(parsed.error) << line;
    EXPECT_TRUE(parsed.rules.empty()) << line;
  }
}

struct MatchCase {
  std::string line;
  int year, month, day;
  bool matches;
};

class RuleMatchTest : public testing::TestWithParam<MatchCase> {};

TEST_P(RuleMatchTest, MatchesTheDatesItShould) {
  const MatchCase& c = GetParam();
  const TBinaryDayListItem rule = OnlyRule(c.line);
  EXPECT_EQ(rule.Matches(c.year, c.month, c.day), c.matches)
      << c.line << " on " << c.year << "-" << c.month << "-" << c.day;
  EXPECT_EQ(rule.Matches(FactsOf(c.year, c.month, c.day)), c.matches) << "with facts";
}

INSTANTIATE_TEST_SUITE_P(
    Days, RuleMatchTest,
    testing::Values(
        // Day 33 is the last day of any month; a rule for the 31st never
        // moves to the 30th.
        MatchCase{"2,33,x", 2023, 2, 28, true}, MatchCase{"2,33,x", 2024, 2, 28, false},
        MatchCase{"2,33,x", 2024, 2, 29, true}, MatchCase{"0,33,x", 2023, 4, 30, true},
        MatchCase{"4,31,x", 2023, 4, 30, false}, MatchCase{"0,31,x", 2023, 5, 31, true},
        MatchCase{"0,0,x", 2023, 7, 7, true}, MatchCase{"2,33,x", 4000, 2, 29, true},
        // n-th weekday: week n is days 7n-6..7n.
        MatchCase{"1,2,2,x", 2024, 1, 8, true}, MatchCase{"1,2,2,x", 2024, 1, 15, false},
        MatchCase{"1,2,2,x", 2024, 1, 1, false}, MatchCase{"1,2,2,x", 2023, 1, 9, true},
        MatchCase{"1,2,2,x", 2023, 1, 10, false},  // a Tuesday in week 2
        MatchCase{"7,5,2,x", 2024, 7, 22, false}, MatchCase{"7,5,2,x", 2024, 7, 29, true},
        MatchCase{"0,0,1,x", 2024, 7, 28, true},   // every Sunday (week 0 = any)
        MatchCase{"2010,,,,,3,x", 2024, 1, 16, true},  // a week alone is never looked at
        MatchCase{"0,1,x", 1582, 10, 1, true},
        // Year bounds and windows that wrap.
        MatchCase{"1999,1,1,1,x", 1999, 1, 1, true}, MatchCase{"1999,1,1,1,x", 1850, 1, 1, true},
        MatchCase{"1999,1,1,1,x", 2000, 1, 1, false}, MatchCase{"1999,2,1,1,x", 1998, 1, 1, false},
        MatchCase{"1999,0,1,1,x", 1999, 1, 1, true}, MatchCase{"1999,0,1,1,x", 2000, 1, 1, false},
        MatchCase{"2005,2010,1,1,,,x", 2007, 1, 1, true},
        MatchCase{"2010,2005,1,1,,,x", 2004, 1, 1, true},
        MatchCase{"2010,2005,1,1,,,x", 2011, 1, 1, true},
        MatchCase{"2010,2005,1,1,,,x", 2007, 1, 1, false},
        MatchCase{"2010,2005,1,1,,,x", 2005, 1, 1, true},
        MatchCase{"2010,2005,1,1,,,x", 2010, 1, 1, true},
        MatchCase{",2005,1,1,,,x", 2006, 1, 1, false}, MatchCase{"2005,,1,1,,,x", 2004, 1, 1, false}));

TEST(RuleMatch, WeekdayRulesRefuseTheDaysOfTheReformGap) {
  EXPECT_THROW(OnlyRule("10,2,2,x").Matches(1582, 10, 11), EJuliusError);
  EXPECT_TRUE(OnlyRule("10,11,x").Matches(1582, 10, 11));  // no day number needed
}

}  // namespace
}  // namespace calendar
