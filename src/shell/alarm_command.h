#pragma once
// The 時限 command of the main window: the alarm's state, the look of its
// button, and the setting window's round trip. The armed flag is not kept
// between runs; the time and warning minutes are (pTimer, pTimerBf).
#include <optional>
#include <string>

#include "editors/alarm.h"
#include "platform/dialogs.h"
#include "settings/settings.h"
#include "store/color_text.h"

namespace shell {

struct AlarmState {
  settings::TimeOfDay time;
  int warningMinutes = 3;
  bool armed = false;

  static AlarmState FromSettings(const settings::Settings& s) { return {s.pTimer, s.pTimerBf, false}; }
  void ToSettings(settings::Settings& s) const {
    s.pTimer = time;
    s.pTimerBf = warningMinutes;
  }
};

// btnM10: fonts of the armed and disarmed states; without the alarm
// function (cbJigen off) a blank, disabled button.
struct AlarmButtonLook {
  bool enabled = true;
  std::string caption = "時限";
  store::Color activeFont = store::kClBlue;
  store::Color inactiveFont = store::kClWindowText;
};
inline constexpr store::Color kClAqua = 0xFFFF00;
AlarmButtonLook AlarmButtonLookOf(bool available, bool armed);

// The alarm window (TfmNichiji) as the main window opens it: modal,
// titled "楓帳 -Velda-"; nullopt when it could not be shown.
class AlarmWindowPort {
 public:
  virtual ~AlarmWindowPort() = default;
  virtual std::optional<editors::AlarmValues> ShowAlarmWindow(const editors::AlarmValues& values) = 0;
};

inline constexpr char kAlarmSettingError[] = "タイマーエラー（設定）";
inline constexpr char kAlarmNoticeError[] = "タイマーエラー（表示）";

// btnM10 and T1: the window in set mode; its values are taken back.
void OpenAlarmSetting(AlarmState& alarm, AlarmWindowPort& window, platform::Dialogs& dialogs);
// The tick found the alarm due: disarmed first, then the notice.
void ShowAlarmNotice(AlarmState& alarm, AlarmWindowPort& window, platform::Dialogs& dialogs);

}  // namespace shell
