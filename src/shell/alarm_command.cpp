#include "shell/alarm_command.h"

#include <exception>

#include "platform/dialog_helpers.h"

namespace shell {
namespace {

editors::AlarmValues ValuesOf(const AlarmState& alarm, int mode) {
  return {alarm.time, alarm.armed, mode, alarm.warningMinutes};
}

}  // namespace

AlarmButtonLook AlarmButtonLookOf(bool available, bool armed) {
  if (!available) return {false, "", store::kClBlue, store::kClWindowText};
  if (armed) return {true, "時限", kClAqua, store::kClBlue};
  return {};
}

void OpenAlarmSetting(AlarmState& alarm, AlarmWindowPort& window, platform::Dialogs& dialogs) {
  try {
    const auto back = window.ShowAlarmWindow(ValuesOf(alarm, editors::kAlarmSetMode));
    if (!back) return platform::Inform(dialogs, kAlarmSettingError);
    alarm.time = back->time;
    alarm.warningMinutes = back->warningMinutes;
    alarm.armed = back->armed;
  } catch (const std::exception&) {
    platform::Inform(dialogs, kAlarmSettingError);
  }
}

void ShowAlarmNotice(AlarmState& alarm, AlarmWindowPort& window, platform::Dialogs& dialogs) {
  alarm.armed = false;
  try {
    if (window.ShowAlarmWindow(ValuesOf(alarm, editors::kAlarmDisplayMode))) return;
  } catch (const std::exception&) {
  }
  platform::Inform(dialogs, kAlarmNoticeError);
}

}  // namespace shell
