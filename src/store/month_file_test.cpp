#include "store/month_file.h"

#include <gtest/gtest.h>

#include <random>

#include "store/store_test_fixture.h"
#include "support/cp932.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;

class MonthFile : public StoreTest {
 protected:
  MonthSlot March2004() {
    MonthSlot slot;
    slot.year = 2004;
    slot.month = 3;
    return slot;
  }
  const std::string name = "Ca200403.kdf";
};

TEST_F(MonthFile, NamesAndHeader) {
  EXPECT_EQ(MonthFileName(2004, 3), "Ca200403.kdf");
  EXPECT_EQ(MonthFileName(987, 12), "Ca098712.kdf");
  EXPECT_EQ(MonthHeader(2004, 3, "Data\\Files1\\"), " 0,0,9,2004/ 3 [Data\\Files1\\]");
  EXPECT_EQ(MonthHeader(2030, 11, "Data\\Files2\\"), " 0,0,9,2030/11 [Data\\Files2\\]");
  EXPECT_EQ(MonthHeader(987, 1, ""), " 0,0,9, 987/ 1 []");
}

TEST_F(MonthFile, MissingOrEmptyFileReadsAsTheHeaderAlone) {
  for (bool create : {false, true}) {
    if (create) Put(name, "");
    MonthSlot slot = March2004();
    ReadMonth(env, slot, 1, false);
    EXPECT_EQ(slot.lines, std::vector<std::string>{" 0,0,9,2004/ 3 [Data\\Files1\\]"});
    EXPECT_EQ(slot.loadCount, 1);
  }
  EXPECT_TRUE(Texts().empty());
}

TEST_F(MonthFile, ReadsLinesAsTheyStandWithoutAddingAHeader) {
  Put(name, " 5,1,,a\r\nbroken\n12,1,,b");
  MonthSlot slot = March2004();
  ReadMonth(env, slot, 1, false);
  EXPECT_EQ(slot.lines, (std::vector<std::string>{" 5,1,,a", "broken", "12,1,,b"}));
  EXPECT_EQ(slot.loadCount, 3);
}

TEST_F(MonthFile, ReadsOnlyAnEmptySlotUnlessForced) {
  Put(name, " 5,1,,on disk\r\n");
  MonthSlot slot = March2004();
  slot.lines = {"in memory"};
  ReadMonth(env, slot, 1, false);
  EXPECT_EQ(slot.lines, std::vector<std::string>{"in memory"});
  EXPECT_EQ(slot.loadCount, 1);
  ReadMonth(env, slot, 1, true);
  EXPECT_EQ(slot.lines, std::vector<std::string>{" 5,1,,on disk"});
}

TEST_F(MonthFile, ForcedReadOfAVanishedFileLeavesOneHeader) {
  MonthSlot slot = March2004();
  slot.lines = {" 0,0,9,2004/ 3 [Data\\Files1\\]", " 5,1,,gone"};
  ReadMonth(env, slot, 1, true);
  EXPECT_EQ(slot.lines, std::vector<std::string>{" 0,0,9,2004/ 3 [Data\\Files1\\]"});
}

TEST_F(MonthFile, ReadFailureNamesTheSlotAndKeepsTheLines) {
  Put(name, " 5,1,,a\r\n");
  fake.fs.Fail(Op::ReadAll, 5);
  MonthSlot slot = March2004();
  slot.lines = {"kept"};
  ReadMonth(env, slot, 3, true);
  EXPECT_EQ(Texts(), std::vector<std::string>{"予定データ読込エラー[ 3 ]"});
  EXPECT_EQ(fake.dialogs.shown.back().caption, "確認 -楓帳-");
  EXPECT_EQ(slot.lines, std::vector<std::string>{"kept"});
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(4, 500)));
}

TEST_F(MonthFile, ReadFailureOfAnEmptySlotGivesTheHeader) {
  Put(name, " 5,1,,a\r\n");
  fake.fs.Fail(Op::ReadAll, 5);
  MonthSlot slot = March2004();
  ReadMonth(env, slot, 0, false);
  EXPECT_EQ(Texts(), std::vector<std::string>{"予定データ読込エラー[ 0 ]"});
  EXPECT_EQ(slot.lines.size(), 1u);
  EXPECT_EQ(ItemDay(slot.lines[0]), kHeaderDay);
}

TEST_F(MonthFile, FifthReadAttemptStillCounts) {
  Put(name, " 5,1,,a\r\n");
  fake.fs.Fail(Op::ReadAll, 4);
  MonthSlot slot = March2004();
  ReadMonth(env, slot, 0, false);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(slot.lines, std::vector<std::string>{" 5,1,,a"});
}

TEST_F(MonthFile, WritesTheWholeListWithCrLf) {
  MonthSlot slot = March2004();
  slot.lines = {" 0,0,9,2004/ 3 [Data\\Files1\\]", " 5,1,,会議,,,,,,"};
  ASSERT_TRUE(WriteMonth(env, slot));
  EXPECT_EQ(Get(name), " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,\x89\xEF\x8B\x63,,,,,,\r\n");
}

TEST_F(MonthFile, FailedWriteLeavesTheOldFileWhole) {
  Put(name, "old\r\n");
  fake.fs.Fail(Op::WriteAtomic, 10);
  MonthSlot slot = March2004();
  slot.lines = {"new"};
  EXPECT_FALSE(WriteMonth(env, slot));
  EXPECT_EQ(Get(name), "old\r\n");
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(9, 300)));
  fake.fs.Fail(Op::WriteAtomic, 9);
  EXPECT_TRUE(WriteMonth(env, slot));
  EXPECT_EQ(Get(name), "new\r\n");
}

TEST_F(MonthFile, UneditedLinesAreWrittenBackByteForByte) {
  std::mt19937 rng(20260401);
  for (int round = 0; round < 20; ++round) {
    std::string bytes = RandomMonthBytes(rng);
    Put(name, bytes);
    MonthSlot slot = March2004();
    ReadMonth(env, slot, 1, false);
    ASSERT_TRUE(WriteMonth(env, slot));
    if (bytes.empty()) continue;  // the header was added
    ASSERT_EQ(Get(name), bytes) << "round " << round;
  }
}

TEST_F(MonthFile, EditingOneDayKeepsTheBytesOfEveryOtherLine) {
  std::mt19937 rng(77);
  for (int round = 0; round < 10; ++round) {
    std::string bytes = RandomMonthBytes(rng) + " 9,1,,\x87\x90\r\n 9,2,,\x81\xE0\r\n 4,1,,x\r\n";
    Put(name, bytes);
    MonthSlot slot = March2004();
    ReadMonth(env, slot, 1, false);
    ReplaceDay(slot, 3, 4, {{"edited", {}}}, false);
    ASSERT_TRUE(WriteMonth(env, slot));
    // Every line but those of day 4 stays, in order, and the new line ends it.
    std::string kept;
    size_t pos = 0;
    while (pos < bytes.size()) {
      size_t end = bytes.find("\r\n", pos);
      std::string line = bytes.substr(pos, end - pos);
      if (ItemDay(support::Cp932ToUtf8(line)) != 4) kept += line + "\r\n";
      pos = end + 2;
    }
    ASSERT_EQ(Get(name), kept + " 4,1,,edited,,,,,,\r\n") << "round " << round;
  }
}

struct DayCase {
  std::string name;
  std::vector<std::string> lines;
  int month, day;
  bool memoOption;
  std::vector<DayEntry> expected;
};

class DayView : public testing::TestWithParam<DayCase> {};

TEST_P(DayView, LinesOfDay) {
  const DayCase& c = GetParam();
  MonthSlot slot;
  slot.year = 2004;
  slot.month = 3;
  slot.lines = c.lines;
  EXPECT_EQ(LinesOfDay(slot, c.month, c.day, c.memoOption), c.expected);
}

const ItemAttributes kRed{0x0000FF, 1, 9 * 3600, 2, 3};
const ItemAttributes kBlack{kClBlack};

INSTANTIATE_TEST_SUITE_P(
    All, DayView,
    testing::Values(
        DayCase{"InFileOrderWithCommasShown",
                {" 0,0,9,2004/ 3 [Data\\Files1\\]", " 5,1,,A，B,,,,,,", "12,1,,x,,,,,,",
                 " 5,2,,c,clRed,1,9:00:00,2,3,"},
                3, 5, false, {{"A,B", {}}, {"c", kRed}}},
        DayCase{"FourFieldLineGetsTheDefaults", {" 7,1,,only text"}, 3, 7, false, {{"only text", {}}}},
        DayCase{"ColourOneIsTheDefault", {" 7,1,,t,1,,,,,"}, 3, 7, false, {{"t", {}}}},
        DayCase{"Orange", {" 7,1,,t,$000080FF,,,,,"}, 3, 7, false, {{"t", {0x000080FF}}}},
        DayCase{"ShortLineHasNoText", {" 7,1"}, 3, 7, false, {{"", {}}}},
        DayCase{"NoLineGivesOneEmptyEntry", {" 5,1,,a"}, 3, 6, false, {{"", {}}}},
        DayCase{"BrokenDayFieldsBelongToNoDay", {"a5,1,,a", ",1,,b", ""}, 3, 5, false, {{"", {}}}},
        DayCase{"OtherMonthGivesNothing", {" 5,1,,a"}, 4, 5, false, {{"", {}}}},
        DayCase{"MemoNeedsTheOption", {"77,1,,memo,,,,,,"}, 0, 77, false, {{"", {}}}},
        DayCase{"MemoIsBlackWithoutAttributes", {"77,1,,m，1,clRed,5,9:00:00,5,5,", "77,2,,n"},
                0, 77, true, {{"m,1", kBlack}, {"n", kBlack}}}),
    [](const auto& info) { return info.param.name; });

TEST(ReplaceDay, RemovesTheDayWhereverItStandsAndAppendsItsEntries) {
  MonthSlot slot;
  slot.month = 3;
  slot.lines = {" 0,0,9,2004/ 3 [Data\\Files1\\]", " 5,1,,old", " 6,1,,x", " 5,2,,old2", "junk"};
  ReplaceDay(slot, 3, 5, {{"A,B", {}}, {"t", {0x0000FF, 0, 9 * 3600 + 5 * 60, 0, 0}}, {"", {}}},
             false);
  EXPECT_EQ(slot.lines, (std::vector<std::string>{" 0,0,9,2004/ 3 [Data\\Files1\\]", " 6,1,,x", "junk",
                                                  " 5,1,,A，B,,,,,,", " 5,2,,t,clRed,,9:05:00,,,",
                                                  " 5,3,,,,,,,,"}));
}

TEST(ReplaceDay, WithoutTheMemoOptionTouchesOnlyTheGivenMonth) {
  MonthSlot slot;
  slot.month = 3;
  slot.lines = {" 5,1,,old"};
  ReplaceDay(slot, 4, 5, {{"new", {}}}, false);
  EXPECT_EQ(slot.lines, std::vector<std::string>{" 5,1,,old"});
}

TEST(ReplaceDay, MonthMemoGoesBackBlackAndReadsBackTheSame) {
  MonthSlot slot;
  slot.month = 3;
  slot.lines = {"77,1,,memo，a,,,,,,"};
  auto memo = LinesOfDay(slot, 0, kMonthMemoDay, true);
  ReplaceDay(slot, 0, kMonthMemoDay, memo, true);
  EXPECT_EQ(slot.lines, std::vector<std::string>{"77,1,,memo，a,clBlack,,,,,"});
  EXPECT_EQ(LinesOfDay(slot, 0, kMonthMemoDay, true), memo);
}

}  // namespace
}  // namespace store
