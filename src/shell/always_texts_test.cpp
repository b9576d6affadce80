// The hot keys, the today balloon, status panel 2 and the alarm button:
// small decisions of the resident program.
#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <set>

#include "platform/doubles_testutil.h"
#include "shell/alarm_command.h"
#include "shell/hotkeys.h"
#include "shell/instance.h"
#include "shell/status_panel2.h"
#include "shell/today_balloon.h"
#include "support/cp932.h"

namespace shell {
namespace {

using platform::DateTime;

class FakeRegistrar : public HotkeyRegistrar {
 public:
  bool Register(int id, unsigned mods, unsigned key) override {
    registered.push_back({static_cast<unsigned>(id), mods, key});
    return !refused.count(id);
  }
  bool Unregister(int id) override {
    unregistered.push_back(id);
    return !stuck.count(id);
  }
  std::vector<std::array<unsigned, 3>> registered;
  std::vector<int> unregistered;
  std::set<int> refused, stuck;
};

TEST(Hotkeys, WhichKeysAreBound) {
  auto ids = [](const std::vector<HotkeyBinding>& keys) {
    std::vector<int> out;
    for (const auto& k : keys) out.push_back(k.id);
    return out;
  };
  EXPECT_EQ(ids(HotkeysToBind(false, true, false)), (std::vector<int>{123}));
  EXPECT_EQ(ids(HotkeysToBind(true, false, true)), (std::vector<int>{123, 129}));
  EXPECT_EQ(ids(HotkeysToBind(true, true, true)), (std::vector<int>{123, 125, 129}));
}

TEST(Hotkeys, EachFailedBindingIsToldUnlessTheMarkerFileSilencesIt) {
  platform::TempFolder temp;
  platform::FakeServices fake;
  FakeRegistrar registrar;
  registrar.refused = {123, 129};
  const auto keys = HotkeysToBind(true, true, true);
  EXPECT_EQ(BindHotkeys(fake.services, registrar, keys), (std::vector<int>{125}));
  EXPECT_EQ(registrar.registered,
            (std::vector<std::array<unsigned, 3>>{{123, 2, 0x7B}, {125, 2, 0x7A}, {129, 1, 0x28}}));
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{
                                      "RegisterHotKey();に失敗しました\r\n[Ctrl]+[F12]は使えません。",
                                      "RegisterHotKey();に失敗しました\r\n[今日の予定表示キー]は使えません。"}));

  // "Velda2Ju.$$$" in the current folder: the same failures are silent.
  const auto here = std::filesystem::current_path();
  std::filesystem::current_path(temp.path());
  fake.fs.WriteAtomic(kSecondStartMarker, "");
  BindHotkeys(fake.services, registrar, keys);
  std::filesystem::current_path(here);
  EXPECT_EQ(fake.dialogs.shown.size(), 2u);
}

TEST(Hotkeys, ReleaseOfTheBoundIdsToldOnceOnError) {
  platform::FakeServices fake;
  FakeRegistrar registrar;
  ReleaseHotkeys(fake.services, registrar, {123, 129});
  EXPECT_TRUE(fake.dialogs.shown.empty());
  registrar.stuck = {123, 129};
  ReleaseHotkeys(fake.services, registrar, {123, 129});
  EXPECT_EQ(registrar.unregistered, (std::vector<int>{123, 129, 123, 129}));
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{
                                      "ホットキーが解除エラーになりました。\r\n動作に問題はありません。"}));
}

TEST(Hotkeys, MessagesAreIgnoredWhileHotkeysAreOff) {
  EXPECT_EQ(HotkeyActionOf(123, true), HotkeyAction::ToggleResidency);
  EXPECT_EQ(HotkeyActionOf(125, true), HotkeyAction::LaunchEditor);
  EXPECT_EQ(HotkeyActionOf(129, true), HotkeyAction::ToggleTodayBalloon);
  EXPECT_EQ(HotkeyActionOf(124, true), HotkeyAction::None);
  EXPECT_EQ(HotkeyActionOf(123, false), HotkeyAction::None);
}

// ---- the today balloon --------------------------------------------------

TEST(BalloonText, CutsAtTwoHundredFiftyFiveBytesWithoutSplittingACharacter) {
  const std::string ascii254(254, 'a');
  // byte 254 starts a double-byte character: cut to 254 bytes
  const std::string leadAt254 = CutToBalloonBytes(ascii254 + "予定" + std::string(42, 'b'));
  EXPECT_EQ(support::Cp932Length(leadAt254), 254u);
  EXPECT_EQ(leadAt254, ascii254);
  // byte 254 is single-byte: the icon's 255 bytes
  const std::string text300 = std::string(255, 'a') + std::string(45, 'b');
  EXPECT_EQ(CutToBalloonBytes(text300), std::string(255, 'a'));
  // a double-byte character ending at byte 254 stays whole
  const std::string evenJapanese = CutToBalloonBytes(std::string(253, 'a') + "予定予定");
  EXPECT_EQ(evenJapanese, std::string(253, 'a') + "予");
  EXPECT_EQ(CutToBalloonBytes("短い"), "短い");
}

TEST(BalloonText, TitleAndTodaysEntriesOfTheShownMonthOnly) {
  store::MonthSlot slot;
  slot.year = 2026;
  slot.month = 12;
  slot.lines = {" 0,0,9,2026/12 [Data\\Files1\\]", " 8,1,,会議,,,,,,", " 8,2,,歯医者,,,,,,", " 9,1,,出張,,,,,,"};
  const DateTime now{2026, 12, 8, 15, 5, 0, 0};
  EXPECT_EQ(TodayEntryTexts(slot, now), (std::vector<std::string>{"会議", "歯医者"}));
  EXPECT_EQ(BalloonText(TodayEntryTexts(slot, now)), "\r\n会議\r\n歯医者");
  EXPECT_TRUE(TodayEntryTexts(slot, {2027, 1, 8, 9, 0, 0, 0}).empty());
  EXPECT_EQ(BalloonText({}), "\r\n");
  EXPECT_EQ(BalloonTitle(now, true), "2026/12/8 (火) 15 : 5");
  EXPECT_EQ(BalloonTitle(now, false), "2026/12/8 (火) PM 3 : 5");
}

class FakeBalloonPort : public BalloonPort {
 public:
  bool TryShowBalloon(const std::string& title, const std::string& text, unsigned timeout) override {
    log.push_back("show " + title + "|" + text + "|" + std::to_string(timeout));
    return true;
  }
  bool TryHideBalloon() override {
    log.push_back("hide");
    return ++hideAttempts > hideRefusals;
  }
  void StartBalloonTimer(unsigned ms) override { log.push_back("timer " + std::to_string(ms)); }
  void StopBalloonTimer() override { log.push_back("stop"); }
  std::vector<std::string> log;
  int hideAttempts = 0, hideRefusals = 0;
};

TEST(TodayBalloonToggle, SecondPressHidesAndTheTimerHidesItAfterFifteenSeconds) {
  platform::FakeClock clock;
  FakeBalloonPort port;
  TodayBalloon balloon(clock, port);
  balloon.Toggle("T", "\r\n");
  EXPECT_TRUE(balloon.shown());
  balloon.Toggle("T", "\r\n");
  EXPECT_FALSE(balloon.shown());
  EXPECT_EQ(port.log, (std::vector<std::string>{"timer 15000", "show T|\r\n|30000", "stop", "hide"}));

  port.log.clear();
  port.hideAttempts = 0;
  port.hideRefusals = 2;
  balloon.Toggle("T", "x");
  balloon.OnTimer();
  EXPECT_FALSE(balloon.shown());
  EXPECT_EQ(port.log, (std::vector<std::string>{"timer 15000", "show T|x|30000", "hide", "hide", "hide", "stop"}));
  EXPECT_EQ(clock.sleeps, (std::vector<unsigned>{500, 500}));

  balloon.Toggle("T", "x");
  balloon.OnBalloonGone();
  EXPECT_FALSE(balloon.shown());
  EXPECT_EQ(port.log.back(), "stop");
}

// ---- status panel 2 -----------------------------------------------------

TEST(StatusPanel2Text, NoticeThenCountdownWaitingOrFolder) {
  Panel2Facts f;
  f.programFolder = "C:\\Velda\\";
  EXPECT_EQ(StatusPanel2(f).text, "     【 起動フォルダ 】   C:\\Velda\\  ");
  EXPECT_TRUE(StatusPanel2(f).rightAligned);
  f.countdownSeconds = 9;
  EXPECT_EQ(StatusPanel2(f).text, "      自動常駐まであと  9 秒   ");
  f.countdownSeconds = 10;
  f.timeSettingShortcut = true;
  EXPECT_EQ(StatusPanel2(f).text, "<刻守>によって時刻変更中      自動常駐まであと 10 秒   ");
  f.waitingForSharedFolder = true;
  EXPECT_EQ(StatusPanel2(f).text, "<刻守>によって時刻変更中     自動常駐待機中   ");
  EXPECT_TRUE(StatusPanel2(f).rightAligned);
  f = {};
  f.showFolder = false;
  EXPECT_EQ(StatusPanel2(f).text, "");
  EXPECT_FALSE(StatusPanel2(f).rightAligned);
}

// ---- the alarm button and window -----------------------------------------

class FakeAlarmWindow : public AlarmWindowPort {
 public:
  std::optional<editors::AlarmValues> ShowAlarmWindow(const editors::AlarmValues& v) override {
    given.push_back(v);
    if (fail) return std::nullopt;
    editors::AlarmValues back = v;
    back.time = {7, 30, 0};
    back.armed = true;
    back.warningMinutes = 5;
    return back;
  }
  std::vector<editors::AlarmValues> given;
  bool fail = false;
};

TEST(AlarmCommand, SetModeTakesTheValuesBackOrTellsTheFailure) {
  platform::ScriptedDialogs dialogs;
  FakeAlarmWindow window;
  AlarmState alarm{{12, 0, 0}, 3, false};
  OpenAlarmSetting(alarm, window, dialogs);
  EXPECT_EQ(window.given.at(0).mode, editors::kAlarmSetMode);
  EXPECT_EQ(alarm.time, (settings::TimeOfDay{7, 30, 0}));
  EXPECT_TRUE(alarm.armed);
  EXPECT_EQ(alarm.warningMinutes, 5);
  window.fail = true;
  OpenAlarmSetting(alarm, window, dialogs);
  EXPECT_EQ(dialogs.Texts(), (std::vector<std::string>{"タイマーエラー（設定）"}));
  EXPECT_TRUE(alarm.armed);
}

TEST(AlarmCommand, ButtonColoursFollowTheArmedFlag) {
  const AlarmButtonLook armed = AlarmButtonLookOf(true, true);
  EXPECT_EQ(armed.activeFont, kClAqua);
  EXPECT_EQ(armed.inactiveFont, store::kClBlue);
  const AlarmButtonLook idle = AlarmButtonLookOf(true, false);
  EXPECT_EQ(idle.activeFont, store::kClBlue);
  EXPECT_EQ(idle.inactiveFont, store::kClWindowText);
  const AlarmButtonLook off = AlarmButtonLookOf(false, true);
  EXPECT_FALSE(off.enabled);
  EXPECT_EQ(off.caption, "");
}

}  // namespace
}  // namespace shell
