#pragma once
// The page "タイマー" of TfmNichiji without its window: the set and display
// modes, the setting and running states, the start and stop rules, the
// blinking tick with its texts and the close rule. The window shows what
// view() says after every call.
#include <array>
#include <optional>
#include <string>

#include "editors/alarm.h"
#include "platform/dialogs.h"

namespace editors {

inline constexpr char kStartCaption[] = "タイマー開始(&G)";
inline constexpr char kStopCaption[] = "タイマー中止(&G)";
inline constexpr char kRunningText[] = "タイマー作動中";
inline constexpr char kTimeHasComeText[] = "設定された時刻になりました。";

struct AlarmView {
  bool running = false;           // narrow, two-touch and current-time hidden, time greyed
  bool startVisible = true;       // btnTimerOnOff
  std::string startCaption = kStartCaption;
  bool timerOn = false;           // Timer1
  bool sadouVisible = false;      // lblSadou, blinking
  bool sadouEnabled = true;
  std::string sadou = kRunningText;
  bool countdownVisible = false;  // lblCDown
  std::string countdown;
  bool noticeVisible = false;     // lblShuuryou
  std::string notice;
  bool topmost = false;           // in front of every window, not activated
  bool focusOnClose = false;      // else on edtHour
  std::array<std::string, 3> fields;  // edtHour, edtMin, edtSec
  settings::TimeOfDay clockTime;      // ckTimer
  int warningMinutes = 3;             // cbTimerBf
};

class AlarmPage {
 public:
  explicit AlarmPage(platform::Dialogs& dialogs) : dialogs_(dialogs) {}

  // Shows the values. False when no time could be shown (the message was
  // given): the window closes.
  bool Open(const AlarmValues& values, const platform::DateTime& now);
  void SetCurrentTime(const platform::DateTime& now);  // btnImaSet
  void SetHour(int hour);                              // a two-touch button
  void SetMinute(int minute);
  void StepField(TimeField field, int delta);          // the up-downs
  // Typed text; a time that does not convert is told and the clock keeps
  // the time it showed. An empty field is waited out.
  void EditField(TimeField field, const std::string& text);
  void LeaveField(TimeField field);  // empty becomes "0"
  void ClearField(TimeField field);  // Esc
  void SetWarningMinutes(int minutes);
  void PressStartStop(const platform::DateTime& now);
  void Tick(const platform::DateTime& now);  // Timer1, every 800 ms
  // "閉じる(&X)" and every other way of closing: true lets the window close.
  bool RequestClose();

  const AlarmValues& values() const { return values_; }
  const AlarmView& view() const { return view_; }

 private:
  std::optional<settings::TimeOfDay> TypedTime() const;
  void ShowTime(const settings::TimeOfDay& time);
  void EnterRunning();
  void EnterSetting();
  void EnterNotice();
  bool InNotice() const { return values_.mode == kAlarmDisplayMode && !values_.armed; }
  void Arm(const settings::TimeOfDay& time);
  void Tell(const std::string& text);

  platform::Dialogs& dialogs_;
  AlarmValues values_;
  AlarmView view_;
  bool dimPhase_ = false;
};

}  // namespace editors
