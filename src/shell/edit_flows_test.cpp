#include "shell/edit_flows.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/doubles_testutil.h"
#include "shell/day_copy.h"
#include "shell/edit_flows_testutil.h"
#include "shell/fakes_testutil.h"
#include "support/cp932.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using Lines = std::vector<std::string>;

store::DayEntry Entry(std::string text, store::Color color = store::kClWindowText, int time = 0) {
  store::DayEntry entry{std::move(text), {}};
  entry.attributes.color = color;
  entry.attributes.time = time;
  return entry;
}

class EditFlowsTest : public ::testing::Test {
 protected:
  EditFlowsTest() {
    folders.dataFolder = "data/";
    days.SetSpecialDayList({",,3,5,,,結婚記念日"});
    host.months[1].lines = {host.months[1].lines[0], " 5,1,,会議，第二会議室,clRed,,9:05:00,,,",
                            "12,1,,歯医者,,,,,,", " 5,2,,昼食,,,,,,", "77,1,,支払い,clBlack,,,,,"};
  }
  void GoNetwork() { flows.SetSharedFolder(&shared); }
  std::string LockPath() const { return MonthLockPath(folders, 2004, 3); }

  platform::FakeServices fake;
  store::Folders folders;
  settings::Settings settings;
  calendar::DayClassifier days;
  FakeEditHost host;
  FakeDayEditor editor;
  FakeSharedFolder shared;
  DayCopy dayCopy{fake.services};
  EditFlows flows{fake.services, folders, settings, host, editor, days};
};

// ---- local mode ----------------------------------------------------------------

TEST_F(EditFlowsTest, TheEditorGetsTheDaysEntriesAndNames) {
  flows.EditDay(DateToJulius(2004, 3, 5));
  ASSERT_EQ(editor.days.size(), 1u);
  const editors::DayRequest& r = editor.days[0];
  EXPECT_EQ(r.year * 10000 + r.month * 100 + r.day, 20040305);
  EXPECT_EQ(r.entries, (std::vector<store::DayEntry>{Entry("会議,第二会議室", 0x0000FF, 9 * 3600 + 5 * 60),
                                                     Entry("昼食")}));
  EXPECT_EQ(r.names, (std::vector<calendar::DayName>{{"結婚記念日", true}}));
}

TEST_F(EditFlowsTest, ConfirmedLinesReplaceTheDayAtTheEnd) {
  editor.Write({Entry("A,B"), Entry(""), Entry("夕食", 0x0000FF)});
  EXPECT_TRUE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(host.months[1].lines,
            (Lines{host.months[1].lines[0], "12,1,,歯医者,,,,,,", "77,1,,支払い,clBlack,,,,,",
                   " 5,1,,A，B,,,,,,", " 5,2,,,,,,,,", " 5,3,,夕食,clRed,,,,,"}));
  // Local mode: written at once through the guards.
  EXPECT_EQ(host.log, (Lines{"Commit 1"}));
  EXPECT_EQ(host.refreshes, 1);
}

TEST_F(EditFlowsTest, ACancelledEditChangesNothing) {
  const Lines before = host.months[1].lines;
  EXPECT_FALSE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(editor.shown, 1);
  EXPECT_EQ(host.months[1].lines, before);
  EXPECT_TRUE(host.log.empty());
}

TEST_F(EditFlowsTest, ADayOfAnotherMonthThanTheShownOneOpensNothing) {
  EXPECT_FALSE(flows.EditDay(DateToJulius(2004, 4, 5)));
  EXPECT_FALSE(flows.EditDay(DateToJulius(2005, 3, 5)));
  EXPECT_EQ(editor.shown, 0);
}

TEST_F(EditFlowsTest, TheEditorMayDropThePeriodSelection) {
  host.periods.selected = 3;
  editor.Write({Entry("x")});
  flows.EditDay(DateToJulius(2004, 3, 7));  // a written close keeps it
  EXPECT_EQ(host.periods.selected, 3);
  editor.CancelDroppingSelection();
  flows.EditDay(DateToJulius(2004, 3, 7));
  EXPECT_EQ(host.periods.selected, 0);
}

TEST_F(EditFlowsTest, TheMonthMemoNeedsItsOption) {
  EXPECT_FALSE(flows.EditMonthMemo());
  EXPECT_EQ(editor.shown, 0);
  settings.cbTukiMemo = true;
  editor.Write({Entry("家賃", store::kClBlack), Entry("電話", store::kClBlack)});
  EXPECT_TRUE(flows.EditMonthMemo());
  ASSERT_EQ(editor.memos.size(), 1u);
  EXPECT_EQ(editor.memos[0].month, 3);
  EXPECT_EQ(editor.memos[0].entries, (std::vector<store::DayEntry>{Entry("支払い", store::kClBlack)}));
  EXPECT_EQ(host.months[1].lines.back(), "77,2,,電話,clBlack,,,,,");
  EXPECT_EQ(host.months[1].lines[host.months[1].lines.size() - 2], "77,1,,家賃,clBlack,,,,,");
}

// Checking a pasted day in the editor must not take the paste away: only
// a failed paste and the memo and search windows end a day copy.
TEST_F(EditFlowsTest, OpeningTheEditorKeepsTheDayCopy) {
  ASSERT_TRUE(dayCopy.Copy(host, {2004, 3, 5}));
  const auto copied = fake.clipboard.text;
  flows.EditDay(DateToJulius(2004, 3, 12));
  EXPECT_TRUE(dayCopy.pending());
  EXPECT_EQ(fake.clipboard.text, copied);
}

// ---- network mode -----------------------------------------------------------

TEST_F(EditFlowsTest, NetworkEditLocksRereadsWritesAndReleases) {
  GoNetwork();
  host.monthOnDisk = {host.months[1].lines[0], " 5,1,,他の人の予定,,,,,,"};
  editor.Write({Entry("確認済み")});
  EXPECT_TRUE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(shared.log, (Lines{"ServiceLockPresent", "Acquire Ca200403.lock", "Acquire Ca200403.lock",
                               "Holds Ca200403.lock", "Release Ca200403.lock"}));
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1", "Commit 1", "SaveMonth 1"}));
  EXPECT_EQ(editor.days[0].entries, (std::vector<store::DayEntry>{Entry("他の人の予定")}));
  EXPECT_EQ(host.months[1].lines, (Lines{host.months[1].lines[0], " 5,1,,確認済み,,,,,,"}));
}

// "すべてのロックを解除" while the editor showed, and maybe another
// computer's edit since: nothing is written over it. Asked, the user edits
// again on the month read afresh, with what was typed.
TEST_F(EditFlowsTest, ALockLostWhileTheEditorShowedRefusesTheWriteAndKeepsTheText) {
  GoNetwork();
  shared.holdAnswers = {false};
  editor.Write({Entry("入力した予定")});
  editor.Write({Entry("他の人の予定"), Entry("入力した予定")});
  editor.whileShown = [&] { host.monthOnDisk = {host.months[1].lines[0], " 5,1,,他の人の予定,,,,,,"}; };
  EXPECT_TRUE(flows.EditDay(DateToJulius(2004, 3, 5)));

  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_NE(fake.dialogs.Texts()[0].find("ロックファイル[" + LockPath() + "]が、このコンピュータのものではなくなっています。"),
            std::string::npos);
  ASSERT_EQ(editor.days.size(), 2u);
  EXPECT_FALSE(editor.days[0].unwritten);
  EXPECT_TRUE(editor.days[1].unwritten) << "confirmed unchanged, the typed text would not be written";
  // The other computer's entry of the same day stays beside what was typed.
  EXPECT_EQ(editor.days[1].entries, (std::vector<store::DayEntry>{Entry("他の人の予定"), Entry("入力した予定")}));
  EXPECT_EQ(shared.log, (Lines{"ServiceLockPresent", "Acquire Ca200403.lock", "Acquire Ca200403.lock",
                               "Lost Ca200403.lock", "ServiceLockPresent", "Acquire Ca200403.lock",
                               "Acquire Ca200403.lock", "Holds Ca200403.lock", "Release Ca200403.lock"}));
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1", "RereadMonth 1", "Commit 1", "SaveMonth 1"}));
  EXPECT_EQ(host.months[1].lines,
            (Lines{host.months[1].lines[0], " 5,1,,他の人の予定,,,,,,", " 5,2,,入力した予定,,,,,,"}));
}

TEST_F(EditFlowsTest, ALostLockNotRetriedWritesNothingAndReleasesNothing) {
  GoNetwork();
  shared.holdAnswers = {false};
  fake.dialogs.Answer(platform::MsgResult::No);
  editor.Write({Entry("入力した予定")});
  const Lines before = host.months[1].lines;
  EXPECT_FALSE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1"}));
  EXPECT_EQ(shared.log.back(), "Lost Ca200403.lock");
  EXPECT_EQ(editor.shown, 1);
  EXPECT_EQ(host.months[1].lines, before);
}

// The other computer still holds the month: the question comes again until
// the lock is free or the user gives up.
TEST_F(EditFlowsTest, ALostLockStillHeldElsewhereIsAskedForAgain) {
  GoNetwork();
  shared.holdAnswers = {false};
  shared.acquireAnswers = {true, true, false, true, true};
  editor.Write({Entry("入力した予定")});
  editor.Write({Entry("入力した予定")});
  EXPECT_TRUE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(editor.shown, 2);
  EXPECT_EQ(fake.dialogs.shown.size(), 2u);  // the question twice; AcquireLock tells its own refusal
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1", "RereadMonth 1", "Commit 1", "SaveMonth 1"}));
}

struct RefusalCase {
  const char* name;
  bool maintenance;
  std::deque<bool> acquire;
  Lines sharedLog;
  Lines hostLog;
};

class NetworkRefusalTest : public EditFlowsTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(NetworkRefusalTest, StopsBeforeTheEditorAndReleasesOnlyWhatItHolds) {
  const RefusalCase& c = GetParam();
  GoNetwork();
  shared.maintenance = c.maintenance;
  shared.acquireAnswers = c.acquire;
  EXPECT_FALSE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(editor.shown, 0);
  EXPECT_EQ(shared.log, c.sharedLog);
  EXPECT_EQ(host.log, c.hostLog);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NetworkRefusalTest,
    ::testing::Values(
        RefusalCase{"Maintenance", true, {}, {"ServiceLockPresent"}, {}},
        RefusalCase{"LockedByOther", false, {false}, {"ServiceLockPresent", "Refused Ca200403.lock"}, {}},
        // Taken over between the two acquires: the lock is no longer ours.
        RefusalCase{"TakenOverMeanwhile",
                    false,
                    {true, false},
                    {"ServiceLockPresent", "Acquire Ca200403.lock", "Refused Ca200403.lock"},
                    {"RereadMonth 1"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditFlowsTest, ACancelledNetworkEditWritesNothingButReleases) {
  GoNetwork();
  flows.EditDay(DateToJulius(2004, 3, 5));
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1"}));
  EXPECT_EQ(shared.log.back(), "Release Ca200403.lock");
}

TEST_F(EditFlowsTest, AMonthThatCannotBeReadAgainOpensNoEditorAndIsReleased) {
  GoNetwork();
  host.monthUnreadable = true;
  editor.Write(std::vector<store::DayEntry>{{"typed", {}}});
  EXPECT_FALSE(flows.EditDay(DateToJulius(2004, 3, 5)));
  EXPECT_EQ(editor.shown, 0);
  EXPECT_EQ(host.log, (Lines{"RereadMonth 1"}));
  EXPECT_EQ(shared.log.back(), "Release Ca200403.lock");
}

TEST_F(EditFlowsTest, AFailedReleaseTellsWhatToDo) {
  GoNetwork();
  shared.releaseAnswer = false;
  flows.EditDay(DateToJulius(2004, 3, 5));
  EXPECT_EQ(fake.dialogs.Texts(),
            (Lines{"ロックファイル[" + LockPath() + "]を消去できませんでした。\r\n"
                   "もし、自身のロックファイルが存在していましたら、\r\n"
                   "メンテナンスでロックファイルを削除する必要があります。"}));
}

TEST_F(EditFlowsTest, AMonthShrunkToLessThanHalfOnRereadIsPointedOut) {
  GoNetwork();
  host.months[1].lines.resize(5);
  host.months[1].lines.insert(host.months[1].lines.end(), 5, "12,1,,x,,,,,,");  // 10 lines
  host.monthOnDisk = Lines(5, "12,1,,x,,,,,,");  // half: no word
  flows.EditDay(DateToJulius(2004, 3, 5));
  EXPECT_TRUE(fake.dialogs.Texts().empty());
  host.monthOnDisk = Lines(1, "12,1,,x,,,,,,");  // 5 before, 1 after
  flows.EditDay(DateToJulius(2004, 3, 5));
  EXPECT_EQ(fake.dialogs.Texts(),
            (Lines{"データ行数が、[4]行少なくなっています（元の半分以下）。\r\nご注意下さい。\r\n"
                   "（どなたかがデータを削除されているのであれば、問題はありません。）"}));
}

// Maintenance may be replacing the month files: the month memo waits too.
TEST_F(EditFlowsTest, TheMonthMemoWaitsForMaintenance) {
  GoNetwork();
  settings.cbTukiMemo = true;
  shared.maintenance = true;
  flows.EditMonthMemo();
  EXPECT_TRUE(editor.memos.empty());
  EXPECT_EQ(shared.log, (Lines{"ServiceLockPresent"}));
  shared.maintenance = false;
  flows.EditMonthMemo();
  EXPECT_EQ(editor.memos.size(), 1u);
}

TEST_F(EditFlowsTest, ASharedFolderSwitchedOffMeansLocalMode) {
  GoNetwork();
  shared.on = false;
  editor.Write({Entry("x")});
  flows.EditDay(DateToJulius(2004, 3, 5));
  EXPECT_TRUE(shared.log.empty());
  EXPECT_EQ(host.log, (Lines{"Commit 1"}));
}

// The end of the session (or a close from outside) while the editor shows:
// what it holds is stored once, then, and the editor's own return does not
// store it a second time.
TEST_F(EditFlowsTest, AnEditFinishedWhileShownIsStoredOnce) {
  editor.Write({Entry("打合せ")});
  editor.whileShown = [&] {
    EXPECT_TRUE(host.openEdit.active());
    EXPECT_TRUE(host.openEdit.Finish());
    EXPECT_EQ(host.log, (Lines{"Commit 1"}));
    EXPECT_FALSE(host.openEdit.Finish());
  };
  EXPECT_TRUE(flows.EditDay(DateToJulius(2004, 3, 7)));
  EXPECT_EQ(host.log, (Lines{"Commit 1"}));
  EXPECT_EQ(std::count(host.months[1].lines.begin(), host.months[1].lines.end(), " 7,1,,打合せ,,,,,,"), 1);
  EXPECT_FALSE(host.openEdit.active());
}

// ---- CycleEditHost over the month cycle --------------------------------------

class NoSaveHost : public CycleHost {
 public:
  bool SaveAll() override { return true; }
  void NetworkFolderLost() override {}
};

class CycleEditHostTest : public ::testing::Test {
 protected:
  CycleEditHostTest() {
    folders.programFolder = folders.dataRoot = folders.dataFolder = folders.commonDataFolder =
        temp.path();
    cycle.BuildWindow({2005, 1, 15});
    cycle.ReloadAll();
    fake.dialogs.shown.clear();
  }
  std::optional<std::string> MonthFile(int year, int month) {
    return fake.fs.ReadAll(temp / store::MonthFileName(year, month));
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  store::Folders folders;
  store::NetworkLink network;
  FakeShellView view;
  NoSaveHost cycleHost;
  MonthCycle cycle{fake.services, folders, network, view, cycleHost};
  CycleEditHost host{fake.services, folders, cycle, network, view};
  settings::Settings settings;
  calendar::DayClassifier days;
  FakeDayEditor editor;
  DayCopy dayCopy{fake.services};
  EditFlows flows{fake.services, folders, settings, host, editor, days};
};

// A crash, a power cut or weeks in the tray must not cost a confirmed entry.
TEST_F(CycleEditHostTest, AConfirmedEditIsOnDiskAtOnceAndTheCloseFindsNothingToWrite) {
  for (const char* month : {"200502", "203005"}) {
    cycle.GoToMonth(month);
    editor.Write({Entry("予定")});
    const auto [year, m] = std::pair(std::stoi(std::string(month, 4)), std::stoi(std::string(month + 4)));
    EXPECT_TRUE(flows.EditDay(DateToJulius(year, m, 3)));
    const auto bytes = MonthFile(year, m);
    ASSERT_TRUE(bytes) << month;
    EXPECT_NE(bytes->find(support::Utf8ToCp932(" 3,1,,予定,,,,,,\r\n")), std::string::npos);
    EXPECT_FALSE(cycle.unsaved(cycle.current()));
  }
  const int writes = fake.fs.Calls(platform::FailingFileSystem::Op::WriteAtomic);
  EXPECT_TRUE(cycle.SaveData().empty());
  EXPECT_EQ(fake.fs.Calls(platform::FailingFileSystem::Op::WriteAtomic), writes);
}

// A write that fails is told, kept in memory and tried again at every save
// point; the close learns which file is still not written.
TEST_F(CycleEditHostTest, AFailedWriteStaysPendingUntilAWriteSucceeds) {
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  editor.Write({Entry("予定")});
  EXPECT_TRUE(flows.EditDay(DateToJulius(2005, 1, 3)));
  EXPECT_TRUE(cycle.unsaved(1));
  EXPECT_EQ(fake.dialogs.Texts().back(), "2005年1月のデータを書き損ねたおそれがあります(fs05)。\r\nチェック願います。");
  EXPECT_EQ(cycle.SaveData(), (Lines{temp / "Ca200501.kdf"}));
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, 0);
  EXPECT_TRUE(cycle.SaveData().empty());
  EXPECT_FALSE(cycle.unsaved(1));
  ASSERT_TRUE(MonthFile(2005, 1));
}

TEST_F(CycleEditHostTest, RereadTakesTheFileAsItIsNow) {
  const std::string path = temp / store::MonthFileName(2005, 1);
  fake.fs.WriteAtomic(path, Cp932Lines({" 0,0,9,2005/ 1 [Data\\Files1\\]", " 9,1,,他で追加,,,,,,"}));
  host.RereadMonth(1);
  EXPECT_EQ(cycle.slot(1).data.lines.back(), " 9,1,,他で追加,,,,,,");
  EXPECT_EQ(cycle.slot(1).data.loadCount, 2);
  EXPECT_GE(view.refreshes, 1);
}

TEST_F(CycleEditHostTest, PeriodEditsArePendingOnlyInNetworkMode) {
  host.NotePeriodEdit();
  EXPECT_FALSE(network.writePending);
  network.on = true;
  host.NotePeriodEdit();
  EXPECT_TRUE(network.writePending);
}

TEST_F(CycleEditHostTest, APeriodFileWhoseSharedFolderVanishedIsReported) {
  int lost = 0;
  host.networkFolderLost = [&] { ++lost; };
  network.on = true;
  folders.dataFolder = temp / "gone/";
  EXPECT_EQ(host.RereadPeriods(), store::PeriodReadResult::NetworkFolderMissing);
  EXPECT_EQ(lost, 1);
}

}  // namespace
}  // namespace shell
