#include "shell/function_tick.h"

#include <gtest/gtest.h>

#include "platform/dialog_helpers.h"
#include "platform/doubles_testutil.h"
#include "shell/instance.h"
#include "support/paths.h"

namespace shell {
namespace {

using platform::DateTime;

// Records what the tick asked of the main window.
class FakeTickPort : public FunctionTickPort {
 public:
  bool DayEditorOpen() override { return editorOpen; }
  bool DayEditorUntouched() override { return editorUntouched; }
  void BringApplicationForward() override { ++raised; }
  bool MainWindowVisible() override { return visible; }
  void ShowClock(const std::string& text) override { clocks.push_back(text); }
  bool TrayIconVisible() override { return trayVisible; }
  bool TryShowTrayIcon() override {
    ++trayAttempts;
    return trayVisible = trayAttempts > trayRefusals;
  }
  void SetTimerInterval(unsigned ms) override { intervals.push_back(ms); }
  void ShowAlarmButton(bool armed) override { alarmButtons.push_back(armed); }
  void RefreshStatusPanel2() override { ++panel2; }
  bool RollingOver() override { return rollingOver; }
  calendar::DayNumber CurrentDate() override { return currentDate; }
  bool MonthOrYearPageActive() override { return monthOrYearPage; }
  void RollOver(calendar::DayNumber today) override {
    rolledTo.push_back(today);
    currentDate = today;
  }
  std::optional<editors::AlarmValues> ShowAlarmWindow(const editors::AlarmValues& v) override {
    notices.push_back(v);
    if (noticeFails) return std::nullopt;
    return v;
  }

  bool editorOpen = false, editorUntouched = true, visible = true, trayVisible = false;
  bool rollingOver = false, monthOrYearPage = true, noticeFails = false;
  int trayRefusals = 0, trayAttempts = 0, raised = 0, panel2 = 0;
  calendar::DayNumber currentDate = calendar::DateToJulius(2026, 12, 8);
  std::vector<std::string> clocks;
  std::vector<unsigned> intervals;
  std::vector<bool> alarmButtons;
  std::vector<calendar::DayNumber> rolledTo;
  std::vector<editors::AlarmValues> notices;
};

class FunctionTickTest : public ::testing::Test {
 protected:
  FunctionTickTest() {
    fake.clock.Set({2026, 12, 8, 23, 59, 50, 0});
    s.cbTimerNo = 2;  // 3 s
    s.cb24ji = true;
    fake.system.specialFolders[platform::kStartupFolder] = temp.path();
  }
  // Ticks as the window timer would: the clock moves on by the interval.
  void TickAfter(unsigned ms) {
    fake.clock.Advance(ms);
    tick.Tick();
  }
  void CrossMidnight() { fake.clock.Set({2026, 12, 9, 0, 0, 5, 0}); }
  void ShortcutInStartup(bool there) {
    const std::string link = support::JoinPath(temp.path(), "Horan.lnk");
    there ? (void)fake.fs.WriteAtomic(link, "") : (void)fake.fs.DeleteFile(link);
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  settings::Settings s;
  AlarmState alarm;
  FakeTickPort port;
  FunctionTick tick{fake.services, s, alarm, port};
};

TEST_F(FunctionTickTest, WarmUpTakesThreeHundredTicksThenTheChosenInterval) {
  for (int i = 0; i < 299; ++i) tick.Tick();
  EXPECT_TRUE(port.intervals.empty());
  EXPECT_EQ(tick.warmUp(), 1);
  tick.Tick();
  EXPECT_EQ(port.intervals, (std::vector<unsigned>{3000}));
  EXPECT_EQ(tick.warmUp(), -1);
  tick.Tick();
  EXPECT_EQ(port.intervals.size(), 1u);

  tick.MonthViewInitialised();
  tick.OptionsClosed();
  EXPECT_EQ(port.intervals, (std::vector<unsigned>{3000, 10000, 3000}));
}

TEST_F(FunctionTickTest, OptionsDuringTheWarmUpKeepTenSeconds) {
  tick.Tick();
  tick.OptionsClosed();
  EXPECT_TRUE(port.intervals.empty());
  EXPECT_EQ(tick.interval(), 10000u);
}

TEST_F(FunctionTickTest, ClockWhileVisibleTrayIconWhileHidden) {
  tick.Tick();
  EXPECT_EQ(port.clocks, (std::vector<std::string>{"2026/12/8 (火) 23 : 59"}));
  EXPECT_EQ(port.trayAttempts, 0);

  port.visible = false;
  port.trayRefusals = 2;  // the shell is busy twice
  tick.Tick();
  EXPECT_EQ(port.trayAttempts, 3);
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>{500, 500}));
  tick.Tick();  // the icon is there: nothing more
  EXPECT_EQ(port.trayAttempts, 3);
}

TEST_F(FunctionTickTest, AtMidnightTheViewMovesOnceWithNoSubWindowOpen) {
  tick.Tick();
  EXPECT_TRUE(port.rolledTo.empty());
  CrossMidnight();
  tick.Tick();
  tick.Tick();
  EXPECT_EQ(port.rolledTo, (std::vector<calendar::DayNumber>{calendar::DateToJulius(2026, 12, 9)}));
  EXPECT_EQ(port.panel2, 1);
}

TEST_F(FunctionTickTest, AnOpenSubWindowOrAnotherPageKeepsTheDateWaiting) {
  CrossMidnight();
  fake.shell.windows[{"TfmDay", kSubWindowTitle}] = 77;
  tick.Tick();
  EXPECT_TRUE(port.rolledTo.empty());
  fake.shell.windows.clear();
  port.monthOrYearPage = false;  // the memo page
  tick.Tick();
  EXPECT_TRUE(port.rolledTo.empty());
  port.visible = false;  // resident
  port.monthOrYearPage = true;
  tick.Tick();
  EXPECT_TRUE(port.rolledTo.empty());
  port.visible = true;
  tick.Tick();  // the editor has closed
  EXPECT_EQ(port.rolledTo.size(), 1u);
}

TEST_F(FunctionTickTest, TheDateWaitsForAnOpenQuestion) {
  CrossMidnight();
  fake.dialogs.whileShown = [&] { tick.Tick(); };
  platform::AskYesNo(fake.dialogs, "この月を保存してもいいですか。", false);
  EXPECT_TRUE(port.rolledTo.empty());
  fake.dialogs.whileShown = nullptr;
  tick.Tick();
  EXPECT_EQ(port.rolledTo.size(), 1u);
}

TEST_F(FunctionTickTest, ARunningChangeOfDateIsNotStartedAgain) {
  CrossMidnight();
  port.rollingOver = true;
  tick.Tick();
  EXPECT_TRUE(port.rolledTo.empty());
  EXPECT_EQ(port.clocks.size(), 1u);  // the steps before it still ran
}

TEST_F(FunctionTickTest, TheTimeSettingProgramHoldsTheDateWhileItsShortcutStays) {
  CrossMidnight();
  ShortcutInStartup(true);
  tick.Tick();  // shortcut alone: the date is followed
  EXPECT_EQ(port.rolledTo.size(), 1u);

  fake.clock.Set({2026, 12, 10, 0, 0, 5, 0});
  fake.shell.windows[{"", kTimeSettingTitle}] = 5;
  tick.Tick();
  EXPECT_TRUE(tick.timeSettingSeen());
  fake.shell.windows.clear();  // the window has gone; the shortcut stays
  tick.Tick();
  tick.Tick();
  EXPECT_EQ(port.rolledTo.size(), 1u);
  EXPECT_EQ(port.panel2, 1 + 3);

  ShortcutInStartup(false);
  tick.Tick();  // one more tick is skipped
  EXPECT_EQ(port.rolledTo.size(), 1u);
  EXPECT_FALSE(tick.timeSettingSeen());
  tick.Tick();
  EXPECT_EQ(port.rolledTo.size(), 2u);
}

TEST_F(FunctionTickTest, TheProgramsWindowWithoutTheShortcutDoesNotHoldTheDate) {
  CrossMidnight();
  fake.shell.windows[{"", kTimeSettingTitle}] = 5;
  tick.Tick();
  EXPECT_EQ(port.rolledTo.size(), 1u);
}

TEST_F(FunctionTickTest, TheAlarmFiresOnceAtTheFirstTickInItsWindow) {
  fake.clock.Set({2026, 12, 8, 11, 56, 0, 0});
  alarm = {{12, 0, 0}, 3, true};
  std::vector<int> firedAt;
  for (int i = 0; i < 30; ++i) {  // every 10 s for five minutes
    const std::size_t before = port.notices.size();
    TickAfter(10000);
    if (port.notices.size() > before) firedAt.push_back(fake.clock.Now().hour * 60 + fake.clock.Now().minute);
  }
  EXPECT_EQ(firedAt, (std::vector<int>{11 * 60 + 57}));
  EXPECT_FALSE(alarm.armed);
  EXPECT_EQ(port.alarmButtons, (std::vector<bool>{false}));
  EXPECT_EQ(port.notices[0].mode, editors::kAlarmDisplayMode);
  EXPECT_FALSE(port.notices[0].armed);
}

TEST_F(FunctionTickTest, AnAlarmLookedAtTooLateStaysArmedForTheNextDay) {
  fake.clock.Set({2026, 12, 8, 12, 33, 0, 0});
  alarm = {{12, 0, 0}, 3, true};
  tick.Tick();
  EXPECT_TRUE(alarm.armed);
  EXPECT_TRUE(port.notices.empty());
  fake.clock.Set({2026, 12, 9, 11, 57, 0, 0});
  tick.Tick();
  EXPECT_EQ(port.notices.size(), 1u);
}

TEST_F(FunctionTickTest, AFailedNoticeIsTold) {
  fake.clock.Set({2026, 12, 8, 12, 0, 0, 0});
  alarm = {{12, 0, 0}, 3, true};
  port.noticeFails = true;
  tick.Tick();
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{"タイマーエラー（表示）"}));
  EXPECT_FALSE(alarm.armed);
}

TEST_F(FunctionTickTest, AnUntouchedDayEditorIsRaisedEveryThreeMinutes) {
  port.editorOpen = true;
  tick.DayEditorShown();
  for (int i = 0; i < 17; ++i) tick.Tick();  // 170 s
  EXPECT_EQ(port.raised, 0);
  tick.Tick();
  EXPECT_EQ(port.raised, 1);
  port.editorUntouched = false;
  for (int i = 0; i < 18; ++i) tick.Tick();
  EXPECT_EQ(port.raised, 1);
}

}  // namespace
}  // namespace shell
