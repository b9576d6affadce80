// The shipped holiday file against the holiday law of Japan.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "calendar/day_classifier.h"
#include "support/cp932.h"
#include "support/text.h"

namespace calendar {
namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

class NationalHolidays : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    const std::string bytes = ReadFile(VELDA_SOURCE_DIR "/data/Hday.dat");
    lines_ = support::SplitLines(support::Cp932ToUtf8(bytes));
  }

  NationalHolidays() { classifier_.SetHolidayList(lines_); }

  static std::vector<std::string> lines_;
  DayClassifier classifier_;
};

std::vector<std::string> NationalHolidays::lines_;

TEST_F(NationalHolidays, EveryLineOfTheFileParses) {
  ASSERT_GT(lines_.size(), 50u);
  EXPECT_FALSE(classifier_.HolidayError());
  EXPECT_EQ(classifier_.HolidayRules().size(), lines_.size());
}

// Every holiday from 1973-04-12, when substitute holidays began, as the law
// gives it (written by tools/holidays/hday.py), and no other day.
TEST_F(NationalHolidays, TheFileGivesTheHolidaysOfTheLawDayByDay) {
  std::istringstream expected(ReadFile(VELDA_SOURCE_DIR "/src/calendar/testdata/national_holidays.txt"));
  std::string line;
  int holidays = 0;
  DayNumber day = DateToJulius(1973, 4, 12);
  const DayNumber last = DateToJulius(2099, 12, 31);
  auto next = [&] { return std::getline(expected, line) ? line : std::string(); };
  std::string want = next();
  for (; day <= last; ++day) {
    const Date d = JuliusToDate(day);
    const std::string names = classifier_.GetDayNames(d.year, d.month, d.day);
    if (names.empty()) continue;
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", d.year, d.month, d.day);
    ASSERT_EQ(std::string(date) + "\t" + names, want);
    EXPECT_TRUE(classifier_.GetDayKind(d.year, d.month, d.day) & (dkHoliday | dkFurikae)) << date;
    ++holidays;
    want = next();
  }
  EXPECT_EQ(want, "") << "a holiday of the law the file misses";
  EXPECT_GT(holidays, 2000);
}

struct HolidayCase {
  int year, month, day;
  const char* names;  // "" for no holiday
};

// Law changes, single days and computed days, as published.
const HolidayCase kHolidays[] = {
    // Substitute holidays start with the amendment of 12 April 1973.
    {1973, 4, 29, "天皇誕生日"}, {1973, 4, 30, "振替休日"},
    {1973, 9, 24, "振替休日"},
    // Coming of age day on the 15th, then the second Monday (2000).
    {1999, 1, 15, "成人の日"}, {2000, 1, 10, "成人の日"}, {2000, 1, 15, ""},
    {2024, 1, 8, "成人の日"},
    // National foundation day from 1967.
    {1966, 2, 11, ""}, {1967, 2, 11, "建国記念の日"},
    // The emperor's birthday: 29 April, 23 December (1989-2018), 23 February (2020-).
    {1988, 4, 29, "天皇誕生日"}, {1989, 4, 29, "みどりの日"}, {2006, 4, 29, "みどりの日"},
    {2007, 4, 29, "昭和の日"}, {1988, 12, 23, ""}, {1989, 12, 23, "天皇誕生日"},
    {2018, 12, 23, "天皇誕生日"}, {2018, 12, 24, "振替休日"}, {2019, 12, 23, ""},
    {2019, 2, 23, ""}, {2020, 2, 23, "天皇誕生日"}, {2020, 2, 24, "振替休日"},
    // Golden week: citizens' holiday on 4 May 1988-2006, Greenery day from 2007.
    {1987, 5, 4, "振替休日"}, {1988, 5, 4, "国民の休日"}, {1992, 5, 4, "振替休日"},
    {1997, 5, 4, ""}, {2006, 5, 4, "国民の休日"}, {2007, 5, 4, "みどりの日"},
    {2008, 5, 6, "振替休日"}, {2009, 5, 6, "振替休日"}, {2025, 5, 6, "振替休日"},
    {2026, 5, 6, "振替休日"}, {2024, 5, 6, "振替休日"}, {2023, 5, 6, ""},
    // Marine day from 1996, third Monday from 2003.
    {1995, 7, 20, ""}, {1996, 7, 20, "海の日"}, {2002, 7, 20, "海の日"},
    {2003, 7, 21, "海の日"}, {2019, 7, 15, "海の日"}, {2022, 7, 18, "海の日"},
    // Mountain day from 2016.
    {2015, 8, 11, ""}, {2016, 8, 11, "山の日"}, {2019, 8, 12, "振替休日"},
    // The games: 2020 and 2021 moved marine, sports and mountain day.
    {2020, 7, 20, ""}, {2020, 7, 23, "海の日"}, {2020, 7, 24, "スポーツの日"},
    {2020, 8, 10, "山の日"}, {2020, 8, 11, ""}, {2020, 10, 12, ""},
    {2021, 7, 19, ""}, {2021, 7, 22, "海の日"}, {2021, 7, 23, "スポーツの日"},
    {2021, 8, 8, "山の日"}, {2021, 8, 9, "振替休日"}, {2021, 8, 11, ""}, {2021, 10, 11, ""},
    // Respect for the aged day: 15 September, third Monday from 2003.
    {1966, 9, 15, "敬老の日"}, {2002, 9, 15, "敬老の日"}, {2003, 9, 15, "敬老の日"},
    {2004, 9, 20, "敬老の日"},
    // Citizens' holidays between respect for the aged day and the equinox.
    {2009, 9, 22, "国民の休日"}, {2015, 9, 22, "国民の休日"}, {2026, 9, 22, "国民の休日"},
    {2032, 9, 21, "国民の休日"}, {2020, 9, 22, "秋分の日"},
    // Health and sports day, then sports day (2020).
    {1966, 10, 10, "体育の日"}, {1999, 10, 10, "体育の日"}, {2000, 10, 9, "体育の日"},
    {2019, 10, 14, "体育の日"}, {2022, 10, 10, "スポーツの日"},
    // Equinox days are computed.
    {2024, 3, 20, "春分の日"}, {2023, 3, 21, "春分の日"}, {2024, 9, 22, "秋分の日"},
    {2024, 9, 23, "振替休日"}, {1979, 9, 24, "秋分の日"},
    // Single days of special laws.
    {1959, 4, 10, "皇太子明仁親王の結婚の儀"}, {1989, 2, 24, "昭和天皇の大喪の礼"},
    {1990, 11, 12, "即位礼正殿の儀"}, {1993, 6, 9, "皇太子徳仁親王の結婚の儀"},
    {2019, 4, 30, "国民の休日"}, {2019, 5, 1, "天皇の即位の日"}, {2019, 5, 2, "国民の休日"},
    {2019, 10, 22, "即位礼正殿の儀"}, {2019, 5, 6, "振替休日"},
    // The autumn holidays since 1948.
    {1948, 11, 3, "文化の日"}, {1948, 11, 23, "勤労感謝の日"}, {2025, 11, 24, "振替休日"},
    {1949, 1, 1, "元日"}, {2023, 1, 2, "振替休日"}, {2050, 1, 1, "元日"},
};

TEST_F(NationalHolidays, PublishedHolidaysAndTheirNames) {
  for (const HolidayCase& c : kHolidays) {
    EXPECT_EQ(classifier_.GetDayNames(c.year, c.month, c.day), c.names)
        << c.year << "-" << c.month << "-" << c.day;
  }
}

}  // namespace
}  // namespace calendar
