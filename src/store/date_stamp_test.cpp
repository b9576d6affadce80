#include "store/date_stamp.h"

#include "store/store_test_fixture.h"

namespace store {
namespace {

class DateStampTest : public StoreTest {};

TEST_F(DateStampTest, CountsDaysFromTheStampedDate) {
  platform::FileSystem& fs = platform::RealFileSystem();
  EXPECT_EQ(DaysSinceStamp(fs, dir.path(), {2026, 12, 8}), -1);
  ASSERT_TRUE(WriteStamp(fs, dir.path(), {2026, 12, 8}));
  EXPECT_EQ(Get("VelDate.kdf"), "[Date]\r\nSakusei=2026/12/08\r\n");
  EXPECT_EQ(DaysSinceStamp(fs, dir.path(), {2026, 12, 8}), 0);
  EXPECT_EQ(DaysSinceStamp(fs, dir.path(), {2027, 1, 1}), 24);
}

TEST_F(DateStampTest, AnUnreadableDateCountsAsNoStamp) {
  platform::FileSystem& fs = platform::RealFileSystem();
  const std::pair<const char*, int> cases[] = {
      {"[Date]\r\nSakusei=2026/1/8\r\n", 334},   {"[Date]\r\nSakusei=2026/02/30\r\n", -1},
      {"[Date]\r\nSakusei=tomorrow\r\n", -1},   {"[Other]\r\nSakusei=2026/12/08\r\n", -1},
      {"", -1},
  };
  for (const auto& [file, days] : cases) {
    Put("VelDate.kdf", file);
    EXPECT_EQ(DaysSinceStamp(fs, dir.path(), {2026, 12, 8}), days) << file;
  }
}

}  // namespace
}  // namespace store
