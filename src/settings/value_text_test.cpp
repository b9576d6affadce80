#include "settings/value_text.h"

#include <gtest/gtest.h>

namespace settings {
namespace {

TEST(ParseSwitch, AnyNonZeroNumberIsOn) {
  EXPECT_EQ(ParseSwitch("1"), true);
  EXPECT_EQ(ParseSwitch("0"), false);
  EXPECT_EQ(ParseSwitch("-1"), true);
  EXPECT_EQ(ParseSwitch("2"), true);
  EXPECT_EQ(ParseSwitch("$0"), false);
}

TEST(ParseSwitch, TextThatIsNoNumberIsUnreadable) {
  for (const char* text : {"", "true", "on", "1x", "0.5", "- 1"})
    EXPECT_EQ(ParseSwitch(text), std::nullopt) << text;
}

struct TimeCase {
  const char* text;
  std::optional<TimeOfDay> expected;
};

class ParseTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(ParseTimeTest, ReadsShortAndLongForms) {
  EXPECT_EQ(ParseTime(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Times, ParseTimeTest,
    testing::Values(TimeCase{"9:05", TimeOfDay{9, 5, 0}}, TimeCase{"09:05:30", TimeOfDay{9, 5, 30}},
                    TimeCase{"0:00", TimeOfDay{0, 0, 0}}, TimeCase{"23:59:59", TimeOfDay{23, 59, 59}},
                    TimeCase{" 7:15 ", TimeOfDay{7, 15, 0}}, TimeCase{"24:00", std::nullopt},
                    TimeCase{"12:60", std::nullopt}, TimeCase{"12:00:60", std::nullopt},
                    TimeCase{"12", std::nullopt}, TimeCase{"12:", std::nullopt},
                    TimeCase{":30", std::nullopt}, TimeCase{"-1:30", std::nullopt},
                    TimeCase{"12:30:", std::nullopt}, TimeCase{"123:00", std::nullopt},
                    TimeCase{"1:2:3:4", std::nullopt}, TimeCase{"", std::nullopt}));

TEST(TimeText, EveryMinuteOfTheDayReadsBack) {
  for (int minutes = 0; minutes < 24 * 60; ++minutes) {
    TimeOfDay t{minutes / 60, minutes % 60, 0};
    ASSERT_EQ(ParseTime(TimeText(t)), t) << TimeText(t);
  }
  EXPECT_EQ(TimeText({7, 5, 59}), "7:05");
}

TEST(CompactTime, ReadsSixDigitsAndFallsBackToThreeInTheAfternoon) {
  EXPECT_EQ(ParseCompactTime("093015"), (TimeOfDay{9, 30, 15}));
  EXPECT_EQ(ParseCompactTime(CompactTimeText({23, 5, 7})), (TimeOfDay{23, 5, 7}));
  EXPECT_EQ(CompactTimeText({1, 2, 3}), "010203");
  for (const char* bad : {"", "0930", "250000", "126000", "12 000", "abcdef", "1200000"})
    EXPECT_EQ(ParseCompactTime(bad), (TimeOfDay{15, 0, 0})) << bad;
}

}  // namespace
}  // namespace settings
