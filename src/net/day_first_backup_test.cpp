#include "net/day_first_backup.h"

#include "net/net_test_fixture.h"
#include "store/period_file.h"

namespace net {
namespace {

class DayFirstBackupTest : public NetTest {
 protected:
  DayFirstBackupTest() {
    const std::pair<int, int> shown[] = {{2026, 12}, {2027, 1}};
    for (int i = 0; i < 2; ++i) {
      months[i].year = shown[i].first;
      months[i].month = shown[i].second;
      months[i].lines = {store::MonthHeader(months[i].year, months[i].month, "Data\\Files1\\"), " 8,1,,会議,,,,,,"};
    }
    periods.lines = {store::PeriodHeader("Data\\Files1\\")};
  }
  bool Backup() { return DayFirstBackup(pc.os, dir.path(), {&months[0], &months[1]}, periods); }

  Computer pc{fs, "PC01"};
  store::MonthSlot months[2];
  store::PeriodList periods;
};

TEST_F(DayFirstBackupTest, TheFirstSaveOfTheDayKeepsTheSharedDataOnce) {
  ASSERT_TRUE(Backup());
  const std::string folder = "Net/DayFirst/Files1/";
  EXPECT_EQ(Get(folder + "Ca202612.kdf"), "\x20\x30\x2C\x30\x2C\x39\x2C" "2026/12 [Data\\Files1\\]\r\n 8,1,,\x89\xEF\x8B\x63,,,,,,\r\n");
  EXPECT_TRUE(Has(folder + "Ca202701.kdf"));
  EXPECT_TRUE(Has(folder + "CaFromTo.kdf"));
  EXPECT_EQ(Get(folder + "VelDate.kdf"), "[Date]\r\nSakusei=2026/12/08\r\n");

  months[0].lines.pop_back();
  ASSERT_TRUE(Backup());  // later the same day: the first copy stays
  EXPECT_NE(Get(folder + "Ca202612.kdf").find(" 8,1,"), std::string::npos);
  pc.clock.Set({2026, 12, 9, 8, 0, 0, 0});
  ASSERT_TRUE(Backup());
  EXPECT_EQ(Get(folder + "Ca202612.kdf").find(" 8,1,"), std::string::npos);
  EXPECT_TRUE(pc.dialogs.shown.empty());
}

TEST_F(DayFirstBackupTest, AMonthThatCouldNotBeReadIsNotCopied) {
  months[1].unread = true;
  ASSERT_TRUE(Backup());
  EXPECT_FALSE(Has("Net/DayFirst/Files1/Ca202701.kdf"));
}

TEST_F(DayFirstBackupTest, AFolderThatCannotBeMadeIsTold) {
  Put("Net", "a file where the folder belongs");
  EXPECT_FALSE(Backup());
  ASSERT_EQ(pc.dialogs.Texts().size(), 1u);
  EXPECT_TRUE(pc.dialogs.Texts()[0].starts_with("ネットデータバックアップフォルダを作成できませんでした。"));
}

}  // namespace
}  // namespace net
