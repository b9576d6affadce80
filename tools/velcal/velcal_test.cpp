#include "velcal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "platform/doubles_testutil.h"
#include "support/cp932.h"

namespace velcal {
namespace {

class VelcalTest : public testing::Test {
 protected:
  // Runs velcal with the shipped Hday.dat beside it, on 8 December 2026.
  int Velcal(std::vector<std::string> args) {
    out_.str(""), err_.str("");
    Environment env{fs_, programFolder_, {2026, 12, 8}, out_, err_};
    return velcal::Run(args, env);
  }

  void WriteCp932(const std::string& path, const std::string& utf8) {
    ASSERT_TRUE(fs_.WriteAtomic(path, support::Utf8ToCp932(utf8)));
  }

  static int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  }

  platform::FileSystem& fs_ = platform::RealFileSystem();
  std::string programFolder_ = VELDA_SOURCE_DIR "/data/";
  platform::TempFolder temp_;
  std::ostringstream out_, err_;
};

TEST_F(VelcalTest, DaysListsKindNamesAndRokuyoTabSeparated) {
  ASSERT_EQ(Velcal({"--days", "2020-05-03", "2020-05-07"}), kExitOk);
  EXPECT_EQ(out_.str(),
            "2020-05-03\t1\t5\t憲法記念日\t友引\n"
            "2020-05-04\t2\t4\tみどりの日\t先負\n"
            "2020-05-05\t3\t4\tこどもの日\t仏滅\n"
            "2020-05-06\t4\t4\t振替休日\t大安\n"
            "2020-05-07\t5\t0\t\t赤口\n");
  EXPECT_EQ(err_.str(), "");
}

TEST_F(VelcalTest, DaysOutsideTheLunisolarTableHaveNoRokuyo) {
  ASSERT_EQ(Velcal({"--days", "1899-12-31", "1900-01-01"}), kExitOk);
  EXPECT_EQ(out_.str(), "1899-12-31\t1\t1\t\t\n1900-01-01\t2\t0\t\t赤口\n");
  ASSERT_EQ(Velcal({"--days", "2101-01-28", "2101-01-29"}), kExitOk);
  EXPECT_EQ(out_.str(), "2101-01-28\t6\t0\t\t仏滅\n2101-01-29\t7\t2\t\t\n");
}

TEST_F(VelcalTest, SwitchesTurnOffTheComputedHolidays) {
  ASSERT_EQ(Velcal({"--no-equinox", "--days", "2024-03-20", "2024-03-20"}), kExitOk);
  EXPECT_EQ(out_.str(), "2024-03-20\t4\t0\t\t赤口\n");
  ASSERT_EQ(Velcal({"--no-furikae", "--days", "2024-02-12", "2024-02-12"}), kExitOk);
  EXPECT_EQ(out_.str(), "2024-02-12\t2\t0\t\t先負\n");
}

TEST_F(VelcalTest, SpecialDaysComeFirstAndAreFlagged) {
  WriteCp932(temp_ / "Sday.kdf", "2000,,2,11,,,創立記念日\r\n,,2,11,,,\"a b\"\r\n");
  ASSERT_EQ(Velcal({"--special", temp_ / "Sday.kdf", "--days", "2024-02-11", "2024-02-11"}),
            kExitOk);
  EXPECT_EQ(out_.str(), "2024-02-11\t1\t21\t創立記念日,\"a b\",建国記念の日\t友引\n");
}

TEST_F(VelcalTest, AMissingHolidayFileBesideTheProgramIsOneLineOnStderr) {
  programFolder_ = temp_.path();
  ASSERT_EQ(Velcal({"--days", "2024-01-01", "2024-01-01"}), kExitOk);
  EXPECT_EQ(out_.str(), "2024-01-01\t2\t0\t\t赤口\n");
  EXPECT_EQ(Lines(err_.str()), 1) << err_.str();
  EXPECT_NE(err_.str().find("Hday.dat"), std::string::npos);
}

TEST_F(VelcalTest, ARuleFileThatStopsAtABadNumberStillCounts) {
  WriteCp932(temp_ / "h.dat", "1,1,元日\r\n1,1,New Year\r\n5,5,こどもの日\r\n");
  ASSERT_EQ(Velcal({"--holidays", temp_ / "h.dat", "--days", "2025-01-01", "2025-01-01"}), kExitOk);
  EXPECT_EQ(out_.str(), "2025-01-01\t4\t4\t元日\t先勝\n");
  EXPECT_NE(err_.str().find("line 2"), std::string::npos) << err_.str();
}

struct BadCase {
  std::vector<std::string> args;
  std::string message;
};

TEST_F(VelcalTest, BadArgumentsGetOneLineAndStatus2) {
  const BadCase cases[] = {
      {{"--days", "2024-02-30", "2024-03-01"}, "not a date"},
      {{"--days", "2024-03-01"}, "needs a value"},
      {{"--days", "2024-03-02", "2024-03-01"}, "after"},
      {{"--days", "1582-10-10", "1582-10-20"}, "1582/10/5-10/14は存在しません。"},
      {{"2024", "13"}, "not a month"},
      {{"year"}, "not a year"},
      {{"2024", "5", "1"}, "too many"},
      {{"--frobnicate"}, "unknown option"},
      {{"--holidays", "/no/such/file", "2024"}, "cannot read"},
      {{"99999999", "1"}, "out of range"},
      {{"-5000"}, "out of range"},
      {{"--days", "5000000-01-01", "99999999-01-01"}, "not a date"},
  };
  for (const BadCase& c : cases) {
    EXPECT_EQ(Velcal(c.args), kExitBadArgument) << c.args[0];
    EXPECT_EQ(out_.str(), "") << c.args[0];
    EXPECT_NE(err_.str().find(c.message), std::string::npos) << err_.str();
    EXPECT_EQ(Lines(err_.str()), 1) << err_.str();
  }
}

TEST_F(VelcalTest, AMonthLikeCalWithItsDaysListedUnderIt) {
  ASSERT_EQ(Velcal({"2019", "5"}), kExitOk);
  const std::string text = out_.str();
  EXPECT_EQ(text.substr(0, text.find("\n 1 ")),
            "     2019年5月\n"
            "日 月 火 水 木 金 土\n"
            "          1* 2* 3* 4*\n"
            " 5* 6* 7  8  9 10 11\n"
            "12 13 14 15 16 17 18\n"
            "19 20 21 22 23 24 25\n"
            "26 27 28 29 30 31\n");
  // 5 May 2019 began the fourth lunisolar month: 仏滅.
  EXPECT_NE(text.find("\n 1 水 大安 天皇の即位の日\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n 5 日 仏滅 こどもの日\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n 6 月 大安 振替休日\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n 7 火 赤口\n"), std::string::npos) << text;
}

TEST_F(VelcalTest, WeeksMayStartOnMonday) {
  ASSERT_EQ(Velcal({"--monday", "2024", "7"}), kExitOk);
  EXPECT_NE(out_.str().find("月 火 水 木 金 土 日\n 1  2  3  4  5  6  7\n"), std::string::npos)
      << out_.str();
  EXPECT_NE(out_.str().find("\n15*16 17"), std::string::npos) << out_.str();  // 海の日
}

TEST_F(VelcalTest, TheReformMonthRunsFromTheFourthToTheFifteenth) {
  ASSERT_EQ(Velcal({"1582", "10"}), kExitOk);
  EXPECT_NE(out_.str().find(" 1  2  3  4 15 16\n17 18"), std::string::npos) << out_.str();
}

TEST_F(VelcalTest, WithoutArgumentsTodaysMonth) {
  ASSERT_EQ(Velcal({}), kExitOk);
  EXPECT_EQ(out_.str().substr(0, out_.str().find('\n')), "     2026年12月");
}

TEST_F(VelcalTest, AYearInThreeColumnsAndItsNamedDays) {
  ASSERT_EQ(Velcal({"2026"}), kExitOk);
  const std::string text = out_.str();
  EXPECT_NE(text.find("\n     2026年1月             2026年2月             2026年3月\n"
                      "日 月 火 水 木 金 土  日 月 火 水 木 金 土  日 月 火 水 木 金 土\n"
                      "             1* 2  3   1  2  3  4  5  6  7   1  2  3  4  5  6  7\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("\n 9/22 火 先勝 国民の休日\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\n 1/ 1 木 大安 元日\n"), std::string::npos) << text;
  EXPECT_EQ(text.find(" 1/ 2 "), std::string::npos) << "only days with names are listed";
}

}  // namespace
}  // namespace velcal
