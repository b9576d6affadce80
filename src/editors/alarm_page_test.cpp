#include "editors/alarm_page.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"

namespace editors {
namespace {

using platform::DateTime;
using platform::MsgResult;
using settings::TimeOfDay;

DateTime Today(int hour, int minute, int second = 0) { return {2026, 12, 8, hour, minute, second, 0}; }

class AlarmPageTest : public ::testing::Test {
 protected:
  void OpenSet(const AlarmValues& values, const DateTime& now) { ASSERT_TRUE(page.Open(values, now)); }
  void Type(int hour, int minute, int second = 0) {
    page.EditField(TimeField::Hour, std::to_string(hour));
    page.EditField(TimeField::Minute, std::to_string(minute));
    page.EditField(TimeField::Second, std::to_string(second));
  }
  // Two ticks: one dims the label, the next does the work.
  void TickAt(const DateTime& now) {
    page.Tick(now);
    page.Tick(now);
  }

  platform::ScriptedDialogs dialogs;
  AlarmPage page{dialogs};
};

TEST_F(AlarmPageTest, SetModeUnarmedShowsTheCurrentTimeInTheSettingState) {
  OpenSet({{7, 45, 0}, false, kAlarmSetMode, 5}, Today(10, 0, 12));
  const AlarmView& v = page.view();
  EXPECT_FALSE(v.running);
  EXPECT_EQ(v.startCaption, "タイマー開始(&G)");
  EXPECT_TRUE(v.startVisible);
  EXPECT_FALSE(v.timerOn);
  EXPECT_EQ(v.fields, (std::array<std::string, 3>{"10", "0", "12"}));
  EXPECT_EQ(v.clockTime, (TimeOfDay{10, 0, 12}));
  EXPECT_EQ(v.warningMinutes, 5);
}

TEST_F(AlarmPageTest, SetModeArmedRunsWithTheSetTimeAndCountsDown) {
  OpenSet({{12, 30, 0}, true, kAlarmSetMode, 3}, Today(10, 0));
  EXPECT_TRUE(page.view().running);
  EXPECT_EQ(page.view().startCaption, "タイマー中止(&G)");
  EXPECT_EQ(page.view().fields[0], "12");
  EXPECT_TRUE(page.view().countdownVisible);
  TickAt(Today(10, 0));
  EXPECT_EQ(page.view().countdown, "設定時刻まで、2 時間 31 分（ ３分前に通知します ）");
}

TEST_F(AlarmPageTest, AnUnreadableAlarmTimeShowsTheCurrentTime) {
  OpenSet({{25, 99, 0}, false, kAlarmDisplayMode, 3}, Today(10, 4));
  EXPECT_EQ(page.view().clockTime, (TimeOfDay{10, 4, 0}));
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(AlarmPageTest, AboutToPassAndPastAreRefusedAndNothingIsArmed) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 0));
  Type(10, 2);
  page.PressStartStop(Today(10, 0));
  Type(9, 40);
  page.PressStartStop(Today(10, 0));
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{
                                 "時刻が過ぎようとしています。\r\n中止いたします。",
                                 "時刻が既に過ぎています。\r\n中止いたします。"}));
  EXPECT_EQ(dialogs.shown[0].caption, "確認 -楓歌-");
  EXPECT_FALSE(page.values().armed);
  EXPECT_FALSE(page.view().running);
}

TEST_F(AlarmPageTest, TwelveHoursAwayIsArmedOnlyAfterYes) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 0));
  Type(9, 20);
  dialogs.Answer(MsgResult::No);
  page.PressStartStop(Today(10, 0));
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].defaultButton, 1);  // No
  EXPECT_EQ(dialogs.shown[1].text, "もう一度、時刻の設定をお願いいたします。");
  EXPECT_FALSE(page.values().armed);

  dialogs.Answer(MsgResult::Yes);
  page.PressStartStop(Today(10, 0));
  EXPECT_TRUE(page.values().armed);
  EXPECT_EQ(page.values().time, (TimeOfDay{9, 20, 0}));
  EXPECT_TRUE(page.view().running);
}

TEST_F(AlarmPageTest, AnInvalidTypedTimeIsToldOnceAndRefusedAtStart) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 0));
  page.EditField(TimeField::Minute, "75");
  EXPECT_EQ(page.view().clockTime, (TimeOfDay{10, 0, 0}));  // the clock keeps its time
  page.PressStartStop(Today(10, 0));
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{
                                 "時刻変換エラー", "時刻が不正です。\r\n正しい時刻を入力してください。"}));
}

TEST_F(AlarmPageTest, AnEmptyFieldWaitsAndBecomesZeroWhenLeft) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 30));
  page.ClearField(TimeField::Minute);
  page.EditField(TimeField::Minute, "");
  EXPECT_TRUE(dialogs.shown.empty());
  page.LeaveField(TimeField::Minute);
  EXPECT_EQ(page.view().fields[1], "0");
  EXPECT_EQ(page.view().clockTime, (TimeOfDay{10, 0, 0}));
}

TEST_F(AlarmPageTest, MinuteStepFromFiftyNineAddsAnHour) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 59));
  page.StepField(TimeField::Minute, 1);
  EXPECT_EQ(page.view().fields, (std::array<std::string, 3>{"11", "0", "0"}));
  EXPECT_EQ(page.view().clockTime, (TimeOfDay{11, 0, 0}));
  page.SetHour(23);
  page.SetMinute(55);
  EXPECT_EQ(page.view().clockTime, (TimeOfDay{23, 55, 0}));
}

// A set time five minutes ahead with three minutes' warning: the notice
// comes three minutes ahead, then counts down to the time and on past it.
TEST_F(AlarmPageTest, TheNoticeComesAtTheWarningAndCountsOn) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 0));
  Type(10, 5);
  page.PressStartStop(Today(10, 0));
  ASSERT_TRUE(page.values().armed);

  TickAt(Today(10, 1, 59));
  EXPECT_EQ(page.values().mode, kAlarmSetMode);
  TickAt(Today(10, 2));
  EXPECT_EQ(page.values().mode, kAlarmDisplayMode);
  EXPECT_FALSE(page.values().armed);
  EXPECT_EQ(page.view().sadou, "設定された時刻になりました。");
  EXPECT_FALSE(page.view().startVisible);
  EXPECT_FALSE(page.view().countdownVisible);
  EXPECT_TRUE(page.view().topmost);

  std::vector<std::string> notices;
  for (const DateTime& t : {Today(10, 2, 30), Today(10, 4, 30), Today(10, 5, 0), Today(10, 7, 5)}) {
    TickAt(t);
    notices.push_back(page.view().notice);
  }
  EXPECT_EQ(notices, (std::vector<std::string>{"設定時刻、3 分前です", "設定時刻です", "設定時刻です",
                                               "設定時刻を、2 分経過しています"}));
  EXPECT_TRUE(page.RequestClose());  // the notice closes without a question
}

TEST_F(AlarmPageTest, TheLabelBlinksEveryOtherTick) {
  OpenSet({{12, 0, 0}, true, kAlarmSetMode, 3}, Today(10, 0));
  std::vector<bool> enabled;
  for (int i = 0; i < 4; ++i) {
    page.Tick(Today(10, 0));
    enabled.push_back(page.view().sadouEnabled);
  }
  EXPECT_EQ(enabled, (std::vector<bool>{false, true, false, true}));
}

TEST_F(AlarmPageTest, DisplayModeOpensAsTheNoticeInFrontWithFocusOnClose) {
  OpenSet({{12, 0, 0}, false, kAlarmDisplayMode, 3}, Today(11, 57));
  const AlarmView& v = page.view();
  EXPECT_TRUE(v.running);
  EXPECT_FALSE(v.startVisible);
  EXPECT_TRUE(v.topmost);
  EXPECT_TRUE(v.focusOnClose);
  EXPECT_FALSE(v.countdownVisible);
  EXPECT_EQ(v.sadou, "設定された時刻になりました。");
  TickAt(Today(11, 57));
  EXPECT_EQ(v.notice, "設定時刻、4 分前です");
  EXPECT_TRUE(v.noticeVisible);
}

TEST_F(AlarmPageTest, ClosingUnsetAsksWithNoAsDefault) {
  OpenSet({{9, 0, 0}, false, kAlarmSetMode, 3}, Today(10, 0));
  EXPECT_FALSE(page.RequestClose());  // the default answer is No
  dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(page.RequestClose());
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "タイマーをセットせずに、閉じてもよろしいですか？");
  EXPECT_EQ(dialogs.shown[0].caption, "確認 -楓歌-");
}

TEST_F(AlarmPageTest, StopDisarmsAndReturnsToSetting) {
  OpenSet({{12, 0, 0}, true, kAlarmSetMode, 3}, Today(10, 0));
  page.PressStartStop(Today(10, 0));
  EXPECT_FALSE(page.values().armed);
  EXPECT_FALSE(page.view().running);
  EXPECT_FALSE(page.view().timerOn);
  EXPECT_FALSE(page.view().sadouVisible);
}

}  // namespace
}  // namespace editors
