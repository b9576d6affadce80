#pragma once
// One tick of the function timer tmKinou, in its order: the day editor's
// reminder, the clock or the tray icon, the warm-up of the interval, the
// alarm, the time-setting program and the change of date. The window
// implements the port and calls Tick() from WM_TIMER.
#include <string>

#include "calendar/julius.h"
#include "platform/services.h"
#include "settings/settings.h"
#include "shell/alarm_command.h"

namespace shell {

inline constexpr unsigned kFirstTickIntervalMs = 10000;
inline constexpr int kWarmUpTicks = 300;
inline constexpr int kReminderSeconds = 180;
inline constexpr char kTimeSettingTitle[] = "刻守 -Horan-";
inline constexpr char kTimeSettingShortcut[] = "Horan";  // "Horan.lnk" in the Startup folder

class FunctionTickPort : public AlarmWindowPort {
 public:
  // The day editor, open and not typed in since it opened (its special-day
  // mode never counts as untouched).
  virtual bool DayEditorOpen() = 0;
  virtual bool DayEditorUntouched() = 0;
  // The program's window to the foreground.
  virtual void BringApplicationForward() = 0;

  virtual bool MainWindowVisible() = 0;
  virtual void ShowClock(const std::string& text) = 0;  // status panel 0
  virtual bool TrayIconVisible() = 0;
  virtual bool TryShowTrayIcon() = 0;  // one attempt; false: the shell refused

  virtual void SetTimerInterval(unsigned milliseconds) = 0;
  virtual void ShowAlarmButton(bool armed) = 0;
  virtual void RefreshStatusPanel2() = 0;

  // The date the month view was last set up for, and its change.
  virtual bool RollingOver() = 0;
  virtual calendar::DayNumber CurrentDate() = 0;
  virtual bool MonthOrYearPageActive() = 0;
  virtual void RollOver(calendar::DayNumber today) = 0;
};

class FunctionTick {
 public:
  FunctionTick(platform::Services& os, const settings::Settings& settings, AlarmState& alarm,
               FunctionTickPort& port)
      : os_(os), settings_(settings), alarm_(alarm), port_(port) {}

  void Tick();

  // The day editor opened: its reminder starts from 180 s.
  void DayEditorShown() { reminder_ = kReminderSeconds; }
  // Every set-up of the month view starts the timer at 10 s again.
  void MonthViewInitialised();
  // The options window closed: its interval, once the warm-up is spent.
  void OptionsClosed();

  unsigned interval() const { return interval_; }
  int warmUp() const { return warmUp_; }
  bool timeSettingSeen() const { return timeSettingSeen_; }

 private:
  void RemindOfDayEditor();
  void ShowClockOrTray();
  void WarmUp();
  void CheckAlarm();
  bool TimeSettingProgramRuns();
  void FollowDate();
  void SetInterval(unsigned milliseconds);

  platform::Services& os_;
  const settings::Settings& settings_;
  AlarmState& alarm_;
  FunctionTickPort& port_;
  unsigned interval_ = kFirstTickIntervalMs;
  int warmUp_ = kWarmUpTicks;
  int reminder_ = kReminderSeconds;
  bool timeSettingSeen_ = false;
};

}  // namespace shell
