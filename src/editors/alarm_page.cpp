#include "editors/alarm_page.h"

#include "platform/dialog_helpers.h"
#include "support/text.h"

namespace editors {
namespace {

constexpr int kFieldLimit[] = {23, 59, 59};

std::optional<int> FieldValue(const std::string& text, TimeField field) {
  const std::string trimmed = support::Trim(text);
  if (trimmed.empty() || trimmed.size() > 2) return std::nullopt;
  for (char c : trimmed)
    if (c < '0' || c > '9') return std::nullopt;
  const int value = std::stoi(trimmed);
  if (value > kFieldLimit[static_cast<int>(field)]) return std::nullopt;
  return value;
}

}  // namespace

std::optional<settings::TimeOfDay> AlarmPage::TypedTime() const {
  auto h = FieldValue(view_.fields[0], TimeField::Hour);
  auto m = FieldValue(view_.fields[1], TimeField::Minute);
  auto s = FieldValue(view_.fields[2], TimeField::Second);
  if (!h || !m || !s) return std::nullopt;
  return settings::TimeOfDay{*h, *m, *s};
}

void AlarmPage::ShowTime(const settings::TimeOfDay& t) {
  view_.fields = {std::to_string(t.hour), std::to_string(t.minute), std::to_string(t.second)};
  view_.clockTime = t;
}

void AlarmPage::Tell(const std::string& text) {
  platform::ShowInfo(dialogs_, text, kAlarmBoxCaption);
}

bool AlarmPage::Open(const AlarmValues& values, const platform::DateTime& now) {
  values_ = values;
  settings::TimeOfDay shown{values.time.hour, values.time.minute, 0};
  if (!IsValidTime(shown)) shown = {now.hour, now.minute, 0};
  if (!IsValidTime(shown)) {
    Tell(kCannotConvertText);
    return false;
  }
  ShowTime(shown);
  view_.warningMinutes = values_.warningMinutes = ShownWarningMinutes(values.warningMinutes);
  if (values_.mode == kAlarmDisplayMode) {
    view_.startVisible = false;
    view_.topmost = true;
    if (values_.armed) view_.sadou = kRunningText;
    else EnterNotice();
    EnterRunning();
    return true;
  }
  view_.sadou = kRunningText;
  view_.startVisible = true;
  if (!values_.armed) SetCurrentTime(now);
  values_.armed ? EnterRunning() : EnterSetting();
  return true;
}

void AlarmPage::SetCurrentTime(const platform::DateTime& now) {
  ShowTime({now.hour, now.minute, now.second});
}

void AlarmPage::SetHour(int hour) { EditField(TimeField::Hour, std::to_string(hour)); }
void AlarmPage::SetMinute(int minute) { EditField(TimeField::Minute, std::to_string(minute)); }

void AlarmPage::StepField(TimeField field, int delta) {
  const settings::TimeOfDay from = TypedTime().value_or(view_.clockTime);
  ShowTime(StepTime(from, field, delta));
}

void AlarmPage::EditField(TimeField field, const std::string& text) {
  view_.fields[static_cast<int>(field)] = text;
  if (support::IsBlank(text)) return;
  if (auto t = TypedTime()) {
    view_.clockTime = *t;
  } else if (!FieldValue(text, field)) {
    Tell(kConversionErrorText);
  }
}

void AlarmPage::LeaveField(TimeField field) {
  std::string& text = view_.fields[static_cast<int>(field)];
  if (!support::IsBlank(text)) return;
  text = "0";
  if (auto t = TypedTime()) view_.clockTime = *t;
}

void AlarmPage::ClearField(TimeField field) { view_.fields[static_cast<int>(field)].clear(); }

void AlarmPage::SetWarningMinutes(int minutes) {
  view_.warningMinutes = values_.warningMinutes = ShownWarningMinutes(minutes);
}

void AlarmPage::EnterRunning() {
  view_.running = true;
  view_.startCaption = kStopCaption;
  view_.timerOn = true;
  view_.sadouVisible = true;
  view_.sadouEnabled = true;
  view_.countdownVisible = values_.mode == kAlarmSetMode;
  view_.focusOnClose = values_.mode == kAlarmDisplayMode;
  dimPhase_ = false;
}

void AlarmPage::EnterSetting() {
  view_.running = false;
  view_.startCaption = kStartCaption;
  view_.timerOn = false;
  view_.sadouVisible = view_.countdownVisible = view_.noticeVisible = false;
  view_.focusOnClose = false;
}

void AlarmPage::EnterNotice() {
  values_.mode = kAlarmDisplayMode;
  values_.armed = false;
  view_.sadou = kTimeHasComeText;
  view_.startVisible = false;
  view_.topmost = true;
}

void AlarmPage::Arm(const settings::TimeOfDay& time) {
  values_.time = time;
  values_.armed = true;
  EnterRunning();
}

void AlarmPage::PressStartStop(const platform::DateTime& now) {
  if (view_.running) {
    values_.armed = false;
    EnterSetting();
    return;
  }
  const std::optional<settings::TimeOfDay> t = TypedTime();
  if (!t) return Tell(kInvalidTimeText);
  const StartDecision d = DecideStart(SecondsOfDay(now), SecondsOfDay(*t), values_.warningMinutes);
  switch (d.verdict) {
    case StartVerdict::Arm: return Arm(*t);
    case StartVerdict::RefusePast: return Tell(kPastText);
    case StartVerdict::RefuseAboutToPass: return Tell(kAboutToPassText);
    case StartVerdict::AskTwelveHours: break;
  }
  if (platform::AskYesNoCaption(dialogs_, TwelveHourQuestion(d), kAlarmBoxCaption, false))
    Arm(*t);
  else
    Tell(kSetAgainText);
}

void AlarmPage::Tick(const platform::DateTime& now) {
  if (!view_.sadouVisible) return;
  dimPhase_ = !dimPhase_;
  view_.sadouEnabled = !dimPhase_;
  if (dimPhase_) return;
  const int nowSeconds = SecondsOfDay(now), alarm = SecondsOfDay(values_.time);
  if (InNotice()) {
    view_.notice = NoticeText(nowSeconds, alarm);
    view_.noticeVisible = true;
  }
  if (values_.mode == kAlarmSetMode && values_.armed &&
      AlarmDue(nowSeconds, alarm, values_.warningMinutes)) {
    EnterNotice();
    EnterRunning();
    return;
  }
  if (values_.armed) view_.countdown = CountdownText(nowSeconds, alarm, values_.warningMinutes);
}

bool AlarmPage::RequestClose() {
  if (view_.running) return true;
  return platform::AskYesNoCaption(dialogs_, kCloseUnsetText, kAlarmBoxCaption, false);
}

}  // namespace editors
