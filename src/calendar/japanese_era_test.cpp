#include "calendar/japanese_era.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

struct EraCase {
  Date date;
  const char* text;
};

class EraBoundary : public ::testing::TestWithParam<EraCase> {};

TEST_P(EraBoundary, LastAndFirstDaysOfEachEra) {
  const EraCase& c = GetParam();
  EXPECT_EQ(EraDateText(DateToJulius(c.date.year, c.date.month, c.date.day)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Eras, EraBoundary,
    ::testing::Values(EraCase{{1868, 1, 24}, "1868年1月24日(金)"},
                      EraCase{{1868, 1, 25}, "明治1年1月25日(土)"},
                      EraCase{{1912, 7, 29}, "明治45年7月29日(月)"},
                      EraCase{{1912, 7, 30}, "大正1年7月30日(火)"},
                      EraCase{{1926, 12, 24}, "大正15年12月24日(金)"},
                      EraCase{{1926, 12, 25}, "昭和1年12月25日(土)"},
                      EraCase{{1989, 1, 7}, "昭和64年1月7日(土)"},
                      EraCase{{1989, 1, 8}, "平成1年1月8日(日)"},
                      EraCase{{2019, 4, 30}, "平成31年4月30日(火)"},
                      EraCase{{2019, 5, 1}, "令和1年5月1日(水)"},
                      EraCase{{2026, 12, 8}, "令和8年12月8日(火)"}));

// Every day from 1868 to 2100 belongs to exactly one era, and the era year
// goes up by one exactly at each new year or era change.
TEST(EraOf, YearsStepOnlyAtNewYearOrEraChange) {
  const DayNumber first = DateToJulius(1868, 1, 25), last = DateToJulius(2100, 12, 31);
  std::optional<EraDate> before = EraOf(first);
  ASSERT_TRUE(before);
  for (DayNumber day = first + 1; day <= last; ++day) {
    const std::optional<EraDate> now = EraOf(day);
    ASSERT_TRUE(now);
    const Date d = JuliusToDate(day);
    if (now->era != before->era) {
      EXPECT_EQ(now->year, 1) << d.year << "-" << d.month << "-" << d.day;
    } else if (d.month == 1 && d.day == 1) {
      EXPECT_EQ(now->year, before->year + 1);
    } else {
      EXPECT_EQ(now->year, before->year);
    }
    before = now;
  }
  EXPECT_FALSE(EraOf(first - 1));
}

}  // namespace
}  // namespace calendar
