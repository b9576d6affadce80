#include "editors/alarm.h"

#include <cstdio>

#include "support/text.h"

namespace editors {
namespace {

constexpr int kMinute = 60;
constexpr int kHour = 60 * kMinute;
constexpr int kMissedAfterMinutes = 30;

std::string Format(const char* pattern, int a, int b = 0) {
  char text[160];
  std::snprintf(text, sizeof text, pattern, a, b);
  return text;
}

// Seconds in [0, day).
int Wrap(int seconds) { return ((seconds % kSecondsPerDay) + kSecondsPerDay) % kSecondsPerDay; }

}  // namespace

int SecondsOfDay(const settings::TimeOfDay& time) {
  return time.hour * kHour + time.minute * kMinute + time.second;
}

int SecondsOfDay(const platform::DateTime& now) {
  return now.hour * kHour + now.minute * kMinute + now.second;
}

settings::TimeOfDay TimeOfSeconds(int seconds) {
  const int s = Wrap(seconds);
  return {s / kHour, s / kMinute % 60, s % 60};
}

bool IsValidTime(const settings::TimeOfDay& t) {
  return t.hour >= 0 && t.hour < 24 && t.minute >= 0 && t.minute < 60 && t.second >= 0 &&
         t.second < 60;
}

int SecondsUntil(int now, int alarm) {
  const int ahead = Wrap(alarm - now);                                // [0, day)
  return ahead > kSecondsPerDay / 2 ? ahead - kSecondsPerDay : ahead;  // (-12 h, 12 h]
}

bool AlarmDue(int now, int alarm, int warningMinutes) {
  const int until = SecondsUntil(now, alarm);
  return until <= warningMinutes * kMinute &&
         until > -(warningMinutes + kMissedAfterMinutes) * kMinute;
}

StartDecision DecideStart(int now, int alarm, int warningMinutes) {
  const int until = SecondsUntil(now, alarm);
  const int warning = warningMinutes * kMinute;
  StartDecision d;
  if (until < warning && until > -(warning + kMissedAfterMinutes * kMinute)) {
    d.verdict = until < 0 ? StartVerdict::RefusePast : StartVerdict::RefuseAboutToPass;
    return d;
  }
  const int away = Wrap(alarm - now) + warning;  // [0, day + 9 min]
  d.hours = away / kHour;
  d.minutes = away / kMinute % 60;
  d.verdict = away >= kSecondsPerDay / 2 ? StartVerdict::AskTwelveHours : StartVerdict::Arm;
  return d;
}

std::string TwelveHourQuestion(const StartDecision& d) {
  return Format("設定時刻が現時刻から１２時間以上（ %d 時 %d 分）ありますが、\r\n"
                "これで間違いないでしょうか？",
                d.hours, d.minutes);
}

std::string CountdownText(int now, int alarm, int warningMinutes) {
  int left = Wrap(alarm - now);
  if (left == 0) left = kSecondsPerDay;  // the set time itself counts a whole day on
  const int hours = left / kHour, minutes = left / kMinute % 60 + 1;
  std::string text = hours > 0 ? Format("設定時刻まで、%d 時間 %d 分", hours, minutes)
                               : Format("設定時刻まで、%d 分", minutes);
  if (warningMinutes > 0)
    text += "（ " + support::FullWidthDigit(warningMinutes) + "分前に通知します ）";
  return text;
}

std::string NoticeText(int now, int alarm) {
  const int until = SecondsUntil(now, alarm);
  const int distance = until < 0 ? -until : until;
  const int hours = distance / kHour, minutes = distance / kMinute % 60;
  if (hours > 0) return Format("設定時刻を、%d 時間 %d 分経過しています", hours, minutes);
  if (minutes == 0) return "設定時刻です";
  if (until < 0) return Format("設定時刻を、%d 分経過しています", minutes);
  return Format("設定時刻、%d 分前です", minutes + 1);
}

int ShownWarningMinutes(int minutes) { return minutes >= 0 && minutes <= 9 ? minutes : 3; }

settings::TimeOfDay StepTime(const settings::TimeOfDay& time, TimeField field, int delta) {
  const int unit = field == TimeField::Hour ? kHour : field == TimeField::Minute ? kMinute : 1;
  if (field == TimeField::Hour) {
    settings::TimeOfDay t = time;
    t.hour = ((t.hour + delta) % 24 + 24) % 24;
    return t;
  }
  return TimeOfSeconds(SecondsOfDay(time) + delta * unit);
}

}  // namespace editors
