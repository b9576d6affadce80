#include "shell/month_cycle.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "shell/fakes_testutil.h"
#include "store/long_history_testutil.h"
#include "support/paths.h"
#include "support/cp932.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using platform::MsgResult;

class FakeHost : public CycleHost {
 public:
  bool SaveAll() override {
    ++saves;
    if (cycle) cycle->SaveData();
    return true;
  }
  void NetworkFolderLost() override { ++networkLost; }
  MonthCycle* cycle = nullptr;
  int saves = 0;
  int networkLost = 0;
};

class MonthCycleTest : public ::testing::Test {
 protected:
  MonthCycleTest() {
    folders.programFolder = folders.dataRoot = folders.dataFolder = folders.commonDataFolder =
        temp.path();
    host.cycle = &cycle;
  }

  void WriteMonthFile(int year, int month, int entries) {
    fake.fs.WriteAtomic(temp / store::MonthFileName(year, month),
                        Cp932Lines(MonthLines(year, month, entries)));
  }
  std::optional<std::string> MonthFile(int year, int month) {
    return fake.fs.ReadAll(temp / store::MonthFileName(year, month));
  }
  void Start(int year, int month, int day) {
    cycle.BuildWindow({year, month, day});
    cycle.ReloadAll();
    fake.dialogs.shown.clear();  // the new period file was announced
  }
  // Leaves `lines` lines (header included) in a slot.
  void Shrink(int slot, int lines) { cycle.slot(slot).data.lines.resize(lines); }
  std::vector<std::string> Texts() const { return fake.dialogs.Texts(); }

  platform::TempFolder temp;
  platform::FakeServices fake;
  CountingFileSystem counting{fake.fs};
  platform::Services os{counting, fake.dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
  store::Folders folders;
  store::NetworkLink network;
  FakeShellView view;
  FakeHost host;
  MonthCycle cycle{os, folders, network, view, host};
};

TEST_F(MonthCycleTest, WindowOfFifteenthOfJanuary2005SpansDecemberToApril) {
  cycle.BuildWindow({2005, 1, 15});
  const int expected[6][2] = {{2004, 12}, {2005, 1}, {2005, 2}, {2005, 3}, {2005, 4}, {2005, 5}};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(cycle.slot(i).data.year, expected[i][0]) << i;
    EXPECT_EQ(cycle.slot(i).data.month, expected[i][1]) << i;
  }
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"１２月", "１月", "２月", "３月", "４月"}));
  EXPECT_EQ(view.selectedTab, 1);
  EXPECT_EQ(cycle.slot(5).caption, "2005. 5");
  EXPECT_EQ(cycle.slot(0).fileName, "Ca200412.kdf");
  EXPECT_EQ(view.entryText, "200501");
  EXPECT_EQ(cycle.windowFirstDay(), DateToJulius(2004, 12, 1));
  EXPECT_EQ(cycle.windowLastDay(), DateToJulius(2005, 4, 30));
  EXPECT_EQ(cycle.today(), DateToJulius(2005, 1, 15));
}

TEST_F(MonthCycleTest, PreviousMonthTwiceLeavesTheWindowIntoTheExtraSlot) {
  Start(2005, 1, 15);
  cycle.MoveBy(-1);
  EXPECT_EQ(cycle.current(), 0);
  EXPECT_FALSE(cycle.outside());
  cycle.MoveBy(-1);
  EXPECT_EQ(view.entryText, "200411");
  EXPECT_TRUE(cycle.outside());
  EXPECT_EQ(cycle.current(), kExtraSlot);
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"2004.11", "今月"}));
  EXPECT_EQ(view.shownSlot, kExtraSlot);
  EXPECT_EQ(view.shownDay, DateToJulius(2004, 11, 1));
  cycle.SelectTab(1);  // "今月"
  EXPECT_FALSE(cycle.outside());
  EXPECT_EQ(cycle.current(), 1);
  EXPECT_EQ(view.tabs.size(), 5u);
}

TEST_F(MonthCycleTest, YearMovesCarryAcrossTheYear) {
  Start(2005, 1, 15);
  cycle.MoveBy(12);
  EXPECT_EQ(view.entryText, "200601");
  EXPECT_EQ(cycle.shownYear(), 2006);
  cycle.MoveBy(-1);
  EXPECT_EQ(view.entryText, "200512");
}

TEST_F(MonthCycleTest, ExtraSlotReadsItsMonthFile) {
  WriteMonthFile(2030, 5, 3);
  Start(2005, 1, 15);
  cycle.GoToMonth("203005");
  EXPECT_EQ(cycle.slot(kExtraSlot).data.lines, MonthLines(2030, 5, 3));
  EXPECT_EQ(cycle.slot(kExtraSlot).data.loadCount, 4);
  EXPECT_EQ(cycle.slot(kExtraSlot).caption, "2030. 5");
}

struct FarMove {
  const char* target;
  const char* message;
};
class FarMoveTest : public MonthCycleTest, public ::testing::WithParamInterface<FarMove> {};

TEST_P(FarMoveTest, IsRefusedAndLeavesEverythingAsItWas) {
  Start(2005, 1, 15);
  cycle.GoToMonth("203005");
  cycle.slot(kExtraSlot).data.lines.push_back(" 2,1,,追加,,,,,,");
  cycle.NoteEdit(kExtraSlot);
  host.saves = 0;
  cycle.GoToMonth(GetParam().target);
  EXPECT_EQ(Texts().back(), GetParam().message);
  EXPECT_EQ(host.saves, 1);  // the changed extra month was saved first
  EXPECT_EQ(cycle.current(), kExtraSlot);
  EXPECT_EQ(cycle.slot(kExtraSlot).fileName, "Ca203005.kdf");
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"2030. 5", "今月"}));
}

INSTANTIATE_TEST_SUITE_P(BothDirections, FarMoveTest,
                         ::testing::Values(FarMove{"000101", "日付がむかしすぎます。"},
                                           FarMove{"170502", "日付がむかしすぎます。"},
                                           FarMove{"230503", "日付が未来すぎます。"},
                                           FarMove{"999912", "日付が未来すぎます。"}));

// 109 500 days before 2004/12/1 fall in February 1705, after 2005/4/30 in
// March 2305.
TEST_F(MonthCycleTest, MonthsJustWithinTheLimitAreReached) {
  Start(2005, 1, 15);
  for (const char* target : {"170503", "230502"}) {
    cycle.GoToMonth(target);
    EXPECT_TRUE(cycle.outside()) << target;
    EXPECT_EQ(cycle.slot(kExtraSlot).fileName, std::string("Ca") + target + ".kdf");
  }
  EXPECT_TRUE(Texts().empty());
}

TEST_F(MonthCycleTest, MovesWithinTheWindowReadAndWriteNoFile) {
  for (int m = 1; m <= 4; ++m) WriteMonthFile(2005, m, 2);
  Start(2005, 1, 15);
  counting.Reset();
  cycle.MoveBy(1);
  cycle.MoveBy(1);
  cycle.MoveBy(-1);
  cycle.MoveBy(-1);
  cycle.MoveBy(-1);
  for (int tab = 0; tab < 5; ++tab) cycle.SelectTab(tab);
  cycle.GoToMonth("200503");
  cycle.GoToCurrentMonth();
  EXPECT_EQ(counting.Reads(), 0);
  EXPECT_EQ(counting.Count("WriteAtomic"), 0);
  EXPECT_EQ(cycle.current(), 1);
}

// Fifty years on disk cost a start or a jump no more than one month does:
// the window's months are read, and no listing takes every month file.
TEST_F(MonthCycleTest, FiftyYearsOnDiskAreReadOnlyWhereTheWindowShowsThem) {
  store::LongHistory written;
  ASSERT_TRUE(store::WriteLongHistory(fake.fs, temp.path(), temp.path(), {}, written));
  ASSERT_EQ(written.monthFileNames.size(), 600u);
  counting.Reset();
  Start(2026, 12, 8);
  const int startLists = counting.Count("List");
  EXPECT_LE(counting.Count("ReadAll"), 6 + 3);  // the window's months, the period and rule files
  counting.Reset();
  cycle.GoToMonth("198506");
  EXPECT_EQ(cycle.slot(cycle.current()).data.year, 1985);
  EXPECT_LE(counting.Count("ReadAll"), 6);
  EXPECT_LE(counting.Count("List"), startLists);
}

// The data folder gone while the program runs: told once with the folder,
// nothing written or made in its place, the months back when it is.
TEST_F(MonthCycleTest, AVanishedDataFolderIsToldOnceAndNeverMadeAfresh) {
  const std::string data = temp.path() + "Data" + support::kPathSeparator;
  ASSERT_TRUE(fake.fs.CreateFolder(temp.path() + "Data"));
  folders.dataFolder = data;
  fake.fs.WriteAtomic(data + store::MonthFileName(2027, 6), Cp932Lines(MonthLines(2027, 6, 5)));
  Start(2027, 6, 1);
  ASSERT_EQ(cycle.slot(cycle.current()).data.lines.size(), 6u);
  ASSERT_TRUE(fake.fs.Rename(temp.path() + "Data", temp.path() + "Moved"));
  counting.Reset();
  cycle.ReloadAll();
  cycle.GoToMonth("203001");
  EXPECT_EQ(Texts(), std::vector<std::string>{"データフォルダ[ " + data + " ]が見つかりません。\r\n"
                                              "フォルダが移動または削除されていないか確認してください。\r\n"
                                              "フォルダが戻るまで、予定は表示も保存もできません。"});
  cycle.slot(cycle.current()).data.lines.push_back("12,1,,typed,,,,,,");
  cycle.NoteEdit(cycle.current());
  cycle.SaveData();
  EXPECT_EQ(Texts().back(), "2030年1月の予定データが読み込めていないため、\r\nファイルを守るためこの月は保存しません。");
  EXPECT_FALSE(fake.fs.Exists(temp.path() + "Data"));
  EXPECT_EQ(counting.Count("WriteAtomic"), 0);
  EXPECT_EQ(counting.Count("CreateFolder"), 0);
  ASSERT_TRUE(fake.fs.Rename(temp.path() + "Moved", temp.path() + "Data"));
  fake.dialogs.shown.clear();
  cycle.ReloadAll();
  cycle.GoToMonth("202706");
  EXPECT_EQ(cycle.slot(cycle.current()).data.lines.size(), 6u);
}

TEST_F(MonthCycleTest, ReloadCreatesTheRunLogWithItsHeader) {
  Start(2005, 1, 15);
  auto bytes = fake.fs.ReadAll(temp / kRunLogFileName);
  ASSERT_TRUE(bytes);
  EXPECT_EQ(*bytes, Cp932Lines({kRunLogHeader}));
}

TEST_F(MonthCycleTest, ReloadReadsTheFiveMonthsAndCountsTheirLines) {
  WriteMonthFile(2004, 12, 9);
  WriteMonthFile(2005, 3, 1);
  Start(2005, 1, 15);
  EXPECT_EQ(cycle.slot(0).data.loadCount, 10);
  EXPECT_EQ(cycle.slot(3).data.lines, MonthLines(2005, 3, 1));
  EXPECT_EQ(cycle.slot(1).data.loadCount, 1);  // missing file: the header alone
  EXPECT_GE(cycle.periods().loadCount, 1);
}

TEST_F(MonthCycleTest, ReturnToStandardGoesBackToTheMonthLeft) {
  Start(2005, 1, 15);
  cycle.SelectTab(3);
  cycle.GoToMonth("201001");
  cycle.GoToMonth("201501");  // outside to outside keeps the way back
  cycle.ReturnToStandard();
  EXPECT_FALSE(cycle.outside());
  EXPECT_EQ(cycle.current(), 3);
  EXPECT_EQ(view.selectedTab, 3);
}

TEST_F(MonthCycleTest, EntryWithAMonthOutsideOneToTwelveDoesNotMove) {
  Start(2005, 1, 15);
  for (const char* text : {"200513", "200500", "2005", "abcdef"}) {
    EXPECT_FALSE(cycle.EnterMonth(text)) << text;
    EXPECT_EQ(Texts().back(), "[YYYYMM]形式で、指定してください。");
  }
  EXPECT_EQ(cycle.current(), 1);
  EXPECT_TRUE(cycle.EnterMonth("200503"));
  EXPECT_EQ(cycle.current(), 3);
}

TEST_F(MonthCycleTest, LeavingTheExtraMonthSavesItsEditOnce) {
  Start(2005, 1, 15);
  cycle.GoToMonth("201001");
  cycle.slot(kExtraSlot).data.lines.push_back(" 5,1,,会議,,,,,,");
  cycle.NoteEdit(kExtraSlot);
  EXPECT_TRUE(cycle.unsaved(kExtraSlot));
  cycle.GoToCurrentMonth();
  auto bytes = MonthFile(2010, 1);
  ASSERT_TRUE(bytes);
  EXPECT_NE(bytes->find(support::Utf8ToCp932("会議")), std::string::npos);
  EXPECT_TRUE(cycle.slot(kExtraSlot).fileName.empty());
  EXPECT_FALSE(cycle.unsaved(kExtraSlot));
}

TEST_F(MonthCycleTest, AnUnchangedExtraMonthIsNotWrittenOnLeaving) {
  Start(2005, 1, 15);
  cycle.GoToMonth("201001");
  cycle.GoToCurrentMonth();
  EXPECT_FALSE(MonthFile(2010, 1));
}

TEST_F(MonthCycleTest, OutsideToOutsideWithChangesRunsTheWholeSaveFirst) {
  Start(2005, 1, 15);
  cycle.GoToMonth("201001");
  cycle.slot(kExtraSlot).data.lines.push_back(" 5,1,,会議,,,,,,");
  cycle.NoteEdit(kExtraSlot);
  cycle.GoToMonth("201002");
  EXPECT_EQ(host.saves, 1);
  EXPECT_TRUE(MonthFile(2010, 1));
  EXPECT_EQ(cycle.slot(kExtraSlot).data.month, 2);
}

TEST_F(MonthCycleTest, TheCycleFollowsTheGridWhereverItGoes) {
  Start(2005, 1, 15);
  cycle.FollowGrid({2005, 2, 10});
  EXPECT_EQ(cycle.current(), 2);
  EXPECT_EQ(view.selectedTab, 2);
  EXPECT_EQ(view.shownDay, calendar::DateToJulius(2005, 2, 10));  // the day the grid went to
  cycle.FollowGrid({2005, 5, 3});
  EXPECT_TRUE(cycle.outside());
  EXPECT_EQ(view.tabs, (std::vector<std::string>{"2005. 5", "今月"}));
  EXPECT_EQ(view.shownDay, calendar::DateToJulius(2005, 5, 3));
  cycle.FollowGrid({2005, 4, 30});
  EXPECT_FALSE(cycle.outside());
  EXPECT_EQ(cycle.current(), 4);
}

// ---- the shrink guard ------------------------------------------------------

struct GuardCase {
  const char* name;
  int loaded;  // lines at load, header included
  int now;     // lines left
  std::vector<MsgResult> answers;
  bool written;
  std::vector<std::string> texts;  // every box shown, in order
};

const char kHalfQuestion[] =
    "2005年2月予定が立ち上げ時の半分以下、または０になっています。\r\n"
    "この月を保存してもいいですか。\r\n"
    "（※大量に予定を削除した月以外は、「いいえ」（保存しない）にしてください。）";
const char kReallyMany[] = "本当に予定を大量に削除しましたか？";
const char kEmptyQuestion[] =
    "2005年2月予定が全く有りませんが、\r\n"
    "この月を保存してもいいですか。\r\n"
    "（※予定を全削除した月以外は、「いいえ」（保存しない）にしてください。）";
const char kReallyEmpty[] = "本当にこのまま 2005年2月予定をない状態にしてもいいですか？";
const char kNotSaved[] = "2005年2月予定は保存しません。";

class GuardTest : public MonthCycleTest, public ::testing::WithParamInterface<GuardCase> {};

TEST_P(GuardTest, WritesOnlyAsTheAnswersAllow) {
  const GuardCase& c = GetParam();
  WriteMonthFile(2005, 2, c.loaded - 1);
  const auto before = MonthFile(2005, 2);
  Start(2005, 1, 15);
  Shrink(2, c.now);
  for (MsgResult r : c.answers) fake.dialogs.Answer(r);
  EXPECT_EQ(cycle.SaveMonth(2), c.written);
  EXPECT_EQ(Texts(), c.texts);
  const auto after = MonthFile(2005, 2);
  if (c.written) {
    ASSERT_TRUE(after);
    EXPECT_EQ(*after, Cp932Lines(cycle.slot(2).data.lines));
  } else {
    EXPECT_EQ(after, before);
  }
}

using R = MsgResult;
INSTANTIATE_TEST_SUITE_P(
    EveryBranch, GuardTest,
    ::testing::Values(
        GuardCase{"HalfMinusOneAsksAndYesYesWrites", 10, 4, {R::Yes, R::Yes}, true,
                  {kHalfQuestion, kReallyMany}},
        GuardCase{"HalfMinusOneNoKeepsTheFile", 10, 4, {R::No}, false, {kHalfQuestion, kNotSaved}},
        GuardCase{"HalfMinusOneSecondNoKeepsTheFile", 10, 4, {R::Yes, R::No}, false,
                  {kHalfQuestion, kReallyMany, kNotSaved}},
        GuardCase{"DefaultAnswersKeepTheFile", 10, 4, {}, false, {kHalfQuestion, kNotSaved}},
        GuardCase{"ExactlyHalfWritesSilently", 10, 5, {}, true, {}},
        GuardCase{"OddLoadCountDropsTheFraction", 5, 2, {}, true, {}},
        GuardCase{"NothingLeftAtAllAsks", 3, 0, {R::No}, false, {kHalfQuestion, kNotSaved}},
        GuardCase{"LastEntryDeletedAsksAboutAnEmptyMonth", 2, 1, {R::No}, false, {kEmptyQuestion}},
        GuardCase{"LastEntryDeletedSecondNoTells", 2, 1, {R::Yes, R::No}, false,
                  {kEmptyQuestion, kReallyEmpty, kNotSaved}},
        GuardCase{"LastEntryDeletedYesYesWrites", 2, 1, {R::Yes, R::Yes}, true,
                  {kEmptyQuestion, kReallyEmpty}},
        GuardCase{"AllButOneOfThreeGoesToTheEmptyQuestions", 3, 1, {}, false, {kEmptyQuestion}},
        GuardCase{"GrowingMonthWritesSilently", 3, 3, {}, true, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MonthCycleTest, AnEmptyMonthNeverGetsAFile) {
  Start(2005, 1, 15);
  EXPECT_FALSE(cycle.SaveMonth(2));
  EXPECT_FALSE(MonthFile(2005, 2));
  EXPECT_TRUE(Texts().empty());
}

struct WriteFailureCase {
  int loaded;
  int now;
  std::vector<MsgResult> answers;
  const char* code;
};
class WriteFailureTest : public MonthCycleTest,
                         public ::testing::WithParamInterface<WriteFailureCase> {};

TEST_P(WriteFailureTest, NamesTheBranchThatFailed) {
  const auto& c = GetParam();
  WriteMonthFile(2005, 2, c.loaded - 1);
  const auto before = MonthFile(2005, 2);
  Start(2005, 1, 15);
  Shrink(2, c.now);
  if (c.now == c.loaded) cycle.slot(2).data.lines.push_back(" 9,1,,追加,,,,,,");
  for (MsgResult r : c.answers) fake.dialogs.Answer(r);
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_FALSE(cycle.SaveMonth(2));
  EXPECT_EQ(Texts().back(), std::string("2005年2月のデータを書き損ねたおそれがあります(") + c.code +
                                ")。\r\nチェック願います。");
  EXPECT_EQ(MonthFile(2005, 2), before);
  EXPECT_EQ(fake.dialogs.shown.back().caption, "確認 -楓帳-");
}

INSTANTIATE_TEST_SUITE_P(Codes, WriteFailureTest,
                         ::testing::Values(WriteFailureCase{10, 4, {R::Yes, R::Yes}, "fs01"},
                                           WriteFailureCase{2, 1, {R::Yes, R::Yes}, "fs03"},
                                           WriteFailureCase{3, 3, {}, "fs05"}));

TEST_F(MonthCycleTest, NetworkCounterFailureAfterAWriteIsReported) {
  Start(2005, 1, 15);
  cycle.slot(2).data.lines.push_back(" 9,1,,追加,,,,,,");
  network.on = true;
  network.writePending = true;
  network.countUpdate = [] { return false; };
  EXPECT_TRUE(cycle.SaveMonth(2));
  EXPECT_EQ(Texts().back(),
            "2005年2月のデータを書き損ねたおそれがあります(fs06)。\r\nチェック願います。");
  EXPECT_TRUE(MonthFile(2005, 2));
}

TEST_F(MonthCycleTest, NetworkSaveWithoutAPendingEditWritesNothing) {
  Start(2005, 1, 15);
  cycle.slot(2).data.lines.push_back(" 9,1,,追加,,,,,,");
  network.on = true;
  EXPECT_FALSE(cycle.SaveMonth(2));
  EXPECT_FALSE(MonthFile(2005, 2));
  cycle.NoteEdit(2);
  EXPECT_TRUE(network.writePending);
}

// Every path that writes months meets the guard: with the default answers
// (No) a month shrunk to its header is never written.
TEST_F(MonthCycleTest, NoPathWritesAShrunkMonthPastTheGuard) {
  WriteMonthFile(2005, 2, 9);
  WriteMonthFile(2010, 1, 9);
  const auto february = MonthFile(2005, 2);
  const auto outside = MonthFile(2010, 1);
  Start(2005, 1, 15);
  Shrink(2, 1);
  cycle.NoteEdit(2);
  cycle.SaveData();
  cycle.GoToMonth("201001");
  Shrink(kExtraSlot, 1);
  cycle.NoteEdit(kExtraSlot);
  cycle.GoToMonth("201002");  // outside to outside: the whole save
  cycle.GoToMonth("201001");
  Shrink(kExtraSlot, 1);
  cycle.NoteEdit(kExtraSlot);
  cycle.GoToCurrentMonth();  // leaving the outside state
  cycle.SaveData();
  EXPECT_EQ(MonthFile(2005, 2), february);
  EXPECT_EQ(MonthFile(2010, 1), outside);
}

}  // namespace
}  // namespace shell
