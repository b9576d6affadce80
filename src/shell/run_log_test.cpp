#include "shell/run_log.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/list_files.h"
#include "shell/month_cycle.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace shell {
namespace {

using platform::DateTime;
using platform::FailingFileSystem;
using platform::MsgResult;

constexpr char kHeading[] = "日付                            開始時刻            終了時刻";

TEST(RunLogDateTime, WrittenAsTheJapaneseLocaleAndReadWithOrWithoutZeros) {
  EXPECT_EQ(RunLogDateTimeText({2026, 12, 8, 9, 5, 3, 0}), "2026/12/08 9:05:03");
  EXPECT_EQ(ParseRunLogDateTime("2026/12/08 9:05:03"), (DateTime{2026, 12, 8, 9, 5, 3, 0}));
  EXPECT_EQ(ParseRunLogDateTime(" 2008/4/1 09:05 "), (DateTime{2008, 4, 1, 9, 5, 0, 0}));
  for (const char* bad : {"", "2026/12/08", "2026/02/30 1:00:00", "2026/12/08 24:00:00",
                          "2026-12-08 9:00:00", "2026/12/08 9:00:00 PM", "２０２６/12/08 9:00"})
    EXPECT_FALSE(ParseRunLogDateTime(bad)) << bad;
}

class RunLogTest : public ::testing::Test {
 protected:
  RunLogTest() { fake.clock.Set({2026, 12, 8, 9, 0, 12, 0}); }
  void WriteLines(const std::vector<std::string>& lines) {
    ASSERT_TRUE(fake.fs.WriteAtomic(path, platform::FormatListText(lines)));
  }
  std::vector<std::string> Lines() {
    auto bytes = fake.fs.ReadAll(path);
    return bytes ? platform::ParseListText(*bytes) : std::vector<std::string>{};
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  std::string path = support::JoinPath(temp.path(), kRunLogFileName);
  RunLog log{fake.services, path};
};

TEST_F(RunLogTest, AFreshFileReportsAnAbnormalEnd) {
  WriteLines({kRunLogHeader});
  const StartRecord r = log.RecordStart(true, 100);
  EXPECT_TRUE(r.ok);
  EXPECT_EQ(r.report, "前回は不正終了しました。");
  EXPECT_EQ(Lines(), (std::vector<std::string>{kRunLogHeader, "S:2026/12/08 9:00:12"}));
  // Shift-JIS on disk, CR LF after each line
  EXPECT_EQ(fake.fs.ReadAll(path), support::Utf8ToCp932(std::string(kRunLogHeader) + "\r\nS:2026/12/08 9:00:12\r\n"));
}

TEST_F(RunLogTest, AnOrderlyEndIsReportedWithItsTime) {
  WriteLines({kRunLogHeader, "S:2026/12/7 8:00:00", "E:2026/12/7 18:30"});
  EXPECT_EQ(log.RecordStart(true, 100).report, "前回は 2026/12/07 18:30:00 に終了しました。");
  EXPECT_EQ(log.RecordStart(false, 100).report, "");
}

TEST_F(RunLogTest, TheFileKeepsTheNewestLines) {
  std::vector<std::string> lines{kRunLogHeader};
  for (int i = 1; i < 10; ++i) lines.push_back("S:2026/12/0" + std::to_string(i % 9 + 1) + " 9:00:00");
  WriteLines(lines);
  log.RecordStart(false, 10);
  const auto after = Lines();
  ASSERT_EQ(after.size(), 10u);
  EXPECT_EQ(after.front(), lines[1]);  // the header went first
  EXPECT_EQ(after.back(), "S:2026/12/08 9:00:12");
}

TEST_F(RunLogTest, AMissingFileIsMadeOnlyWhenTheUserSaysSo) {
  fake.dialogs.Answer(MsgResult::No);
  log.RecordStart(true, 100);
  EXPECT_FALSE(fake.fs.Exists(path));
  ASSERT_EQ(fake.dialogs.shown.size(), 2u);
  EXPECT_EQ(fake.dialogs.shown[0].defaultButton, 0);
  EXPECT_EQ(fake.dialogs.shown[1].text, "起動＆終了時刻の記録を今回は中止いたします。");

  log.RecordStart(true, 100);  // the default answer: Yes
  EXPECT_EQ(Lines(), (std::vector<std::string>{"S:2026/12/08 9:00:12"}));
}

// Neither an empty file nor one that cannot be read is written over.
TEST_F(RunLogTest, AStartThatFindsNoPreviousLineWritesNothing) {
  WriteLines({});
  EXPECT_FALSE(log.RecordStart(true, 100).ok);
  EXPECT_EQ(fake.fs.ReadAll(path), "");

  WriteLines({kRunLogHeader, "S:2026/12/07 8:00:00"});
  fake.fs.Fail(FailingFileSystem::Op::ReadAll, 5);
  EXPECT_FALSE(log.RecordStart(true, 100).ok);
  EXPECT_EQ(fake.dialogs.Texts().back(), "[ " + path + " ]の読込に失敗しました。");
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::WriteAtomic), 2);  // the two set-up writes only
  EXPECT_EQ(Lines().size(), 2u);
}

TEST_F(RunLogTest, AFailedWriteIsToldAfterFiveTries) {
  WriteLines({kRunLogHeader});
  fake.fs.Fail(FailingFileSystem::Op::WriteAtomic, -1);
  log.RecordStart(false, 100);
  EXPECT_EQ(fake.fs.Calls(FailingFileSystem::Op::WriteAtomic), 1 + 5);
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{"[ " + path + " ]の書込に失敗しました。"}));
  EXPECT_EQ(Lines(), (std::vector<std::string>{kRunLogHeader}));
}

TEST_F(RunLogTest, EndAndOptionChangesWriteOnlyIntoAnExistingFile) {
  log.RecordEnd();
  log.LoggingSwitched(false);
  EXPECT_FALSE(fake.fs.Exists(path));
  log.LoggingSwitched(true);
  fake.clock.Set({2026, 12, 8, 17, 30, 0, 0});
  log.RecordEnd();
  log.LoggingSwitched(true);  // the file is there: nothing more
  log.LoggingSwitched(false);
  EXPECT_EQ(Lines(), (std::vector<std::string>{"S:2026/12/08 9:00:12", "E:2026/12/08 17:30:00",
                                               "E:2026/12/08 17:30:00"}));
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

struct TableCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> rows;  // between the heading and the closing heading
};

class ViewerTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(ViewerTable, RowsInShiftJisColumns) {
  RunLogTable table([] { return false; });
  const auto out = table.Build(GetParam().lines);
  ASSERT_TRUE(out);
  std::vector<std::string> expected{kHeading, ""};
  expected.insert(expected.end(), GetParam().rows.begin(), GetParam().rows.end());
  expected.push_back("");
  expected.push_back(kHeading);
  EXPECT_EQ(*out, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ViewerTable,
    ::testing::Values(
        TableCase{"sameDay",
                  {kRunLogHeader, "S:2026/12/08 9:00:00", "E:2026/12/08 17:00:00"},
                  {"令和8年12月8日(火)               9:00:00            17:00:00"}},
        TableCase{"overMidnight",
                  {"S:2026/12/08 23:00:00", "E:2026/12/09 1:00:00"},
                  {"令和8年12月8日(火)              23:00:00                   -",
                   "令和8年12月9日(水)                     -             1:00:00"}},
        TableCase{"twoStarts",
                  {"S:2026/12/08 9:00:00", "S:2026/12/08 12:00:00", "E:2026/12/08 17:00:00"},
                  {"令和8年12月8日(火)               9:00:00            不正終了",
                   "                                12:00:00            17:00:00"}},
        TableCase{"lastStartOpen",
                  {"S:2026/12/08 9:00:00"},
                  {"令和8年12月8日(火)               9:00:00"}},
        TableCase{"recordingMarks",
                  {"E:2026/12/08 8:00:00", "T:2026/12/08 9:00:00", "T:2026/12/08 9:30:00",
                   "F:2026/12/08 10:00:00", "F:2026/12/08 11:00:00"},
                  {"令和8年12月8日(火)                                   8:00:00",
                   "                                記録開始                不明",
                   "                                記録開始            記録終了",
                   "                                                    記録停止"}},
        TableCase{"eraChange",
                  {"S:2019/04/30 23:00:00", "E:2019/05/01 0:10:00"},
                  {"平成31年4月30日(火)             23:00:00                   -",
                   "令和1年5月1日(水)                      -             0:10:00"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ViewerTableAsk, AnUnreadableDateAsksAndStopsOrGoesOnWithoutADate) {
  const std::vector<std::string> lines{"S:2026/12/08 9:00:00", "E:yesterday", "S:2026/12/08 10:00:00"};
  int asked = 0;
  EXPECT_FALSE(RunLogTable([&] { ++asked; return true; }).Build(lines));
  EXPECT_EQ(asked, 1);
  const auto out = RunLogTable([] { return false; }).Build(lines);
  ASSERT_TRUE(out);
  // the next record opens its date again, since the previous one was forgotten
  EXPECT_EQ((*out)[2], "令和8年12月8日(火)               9:00:00           yesterday");
  EXPECT_EQ((*out)[3], "令和8年12月8日(火)              10:00:00");
}

TEST_F(RunLogTest, TheViewerNeedsTheFile) {
  EXPECT_FALSE(log.ViewerText());
  WriteLines({kRunLogHeader, "S:2026/12/08 9:00:00"});
  const auto text = log.ViewerText();
  ASSERT_TRUE(text);
  EXPECT_EQ(text->substr(0, std::string(kHeading).size() + 4), std::string(kHeading) + "\r\n\r\n");
}

}  // namespace
}  // namespace shell
