#include "shell/function_tick.h"

#include "editors/alarm.h"
#include "platform/notify_retry.h"
#include "platform/system_folders.h"
#include "shell/instance.h"
#include "shell/status_texts.h"

namespace shell {

void FunctionTick::SetInterval(unsigned milliseconds) {
  interval_ = milliseconds;
  port_.SetTimerInterval(milliseconds);
}

void FunctionTick::MonthViewInitialised() { SetInterval(kFirstTickIntervalMs); }

void FunctionTick::OptionsClosed() {
  if (warmUp_ < 0) SetInterval(static_cast<unsigned>(settings::TimeCheckIntervalMs(settings_.cbTimerNo)));
}

void FunctionTick::Tick() {
  RemindOfDayEditor();
  ShowClockOrTray();
  WarmUp();
  CheckAlarm();
  // A box's modal loop runs this timer: the change of date reloads the
  // months the question may be about, so it waits for the answer.
  if (port_.RollingOver() || TimeSettingProgramRuns() || os_.dialogs.AnyOpen()) return;
  FollowDate();
}

// A day editor left untouched for three minutes is brought back to mind.
void FunctionTick::RemindOfDayEditor() {
  if (!port_.DayEditorOpen()) return;
  reminder_ -= static_cast<int>((interval_ + 500) / 1000);
  if (reminder_ > 0) return;
  if (port_.DayEditorUntouched() && port_.MainWindowVisible()) port_.BringApplicationForward();
  reminder_ = kReminderSeconds;
}

void FunctionTick::ShowClockOrTray() {
  if (port_.MainWindowVisible()) {
    port_.ShowClock(ClockText(os_.clock.Now(), settings_.cb24ji));
  } else if (!port_.TrayIconVisible()) {
    platform::RetryShellRefusal(os_.clock, [this] { return port_.TryShowTrayIcon(); });
  }
}

void FunctionTick::WarmUp() {
  if (warmUp_ > 0) --warmUp_;
  if (warmUp_ != 0) return;
  SetInterval(static_cast<unsigned>(settings::TimeCheckIntervalMs(settings_.cbTimerNo)));
  warmUp_ = -1;
}

void FunctionTick::CheckAlarm() {
  if (!alarm_.armed) return;
  const int now = editors::SecondsOfDay(os_.clock.Now());
  if (!editors::AlarmDue(now, editors::SecondsOfDay(alarm_.time), alarm_.warningMinutes)) return;
  alarm_.armed = false;
  port_.ShowAlarmButton(false);
  ShowAlarmNotice(alarm_, port_, os_.dialogs);
}

// While the time-setting program changes the clock the date is not to be
// trusted: once its window has been seen with its start-up shortcut in
// place, the date waits for as long as the shortcut stays, and one tick
// more.
bool FunctionTick::TimeSettingProgramRuns() {
  const bool window = os_.shell.FindTopWindow("", kTimeSettingTitle) != 0;
  if (!window && !timeSettingSeen_) return false;
  const bool shortcut = platform::StartupShortcutExists(os_.fs, os_.system, kTimeSettingShortcut);
  if (!shortcut && !timeSettingSeen_) return false;
  timeSettingSeen_ = shortcut;
  port_.RefreshStatusPanel2();
  return true;
}

// A modal sub-window (their title is kSubWindowTitle while shown) or
// another page keeps the change waiting until a later tick.
void FunctionTick::FollowDate() {
  const platform::DateTime now = os_.clock.Now();
  const calendar::DayNumber today = calendar::DateToJulius(now.year, now.month, now.day);
  if (today == port_.CurrentDate() || !port_.MainWindowVisible()) return;
  if (os_.shell.FindTopWindow("", kSubWindowTitle) || !port_.MonthOrYearPageActive()) return;
  port_.RollOver(today);
  port_.RefreshStatusPanel2();
}

}  // namespace shell
