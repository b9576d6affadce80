#pragma once
// The alarm (時限) as arithmetic on the clock face: when its notice is due,
// whether a time may be set, and the texts that count towards it. Times are
// seconds of the day; the alarm has no date, so every distance is taken to
// the nearest occurrence of the set time, across midnight as well:
//
//   alarm 00:02, 3 minutes' warning: due from 23:59 (the evening before)
//   until 00:34 (the last second before A + B + 30 minutes)
#include <string>

#include "platform/datetime.h"
#include "settings/value_text.h"

namespace editors {

inline constexpr int kSecondsPerDay = 24 * 60 * 60;

// The exchange values of the alarm window.
enum AlarmMode : int { kAlarmSetMode = 1, kAlarmDisplayMode = 2 };
struct AlarmValues {
  settings::TimeOfDay time;
  bool armed = false;
  int mode = kAlarmSetMode;
  int warningMinutes = 3;  // 0..9
};

int SecondsOfDay(const settings::TimeOfDay& time);
int SecondsOfDay(const platform::DateTime& now);
settings::TimeOfDay TimeOfSeconds(int seconds);
bool IsValidTime(const settings::TimeOfDay& time);

// Seconds from `now` to the nearest occurrence of `alarm`, in
// (-12 h, +12 h]: negative once it has passed.
int SecondsUntil(int now, int alarm);

// The notice is due from `warningMinutes` before the alarm until just
// before `warningMinutes` + 30 minutes after it. Later than that the alarm
// has been missed for the day and waits for the next.
bool AlarmDue(int now, int alarm, int warningMinutes);

enum class StartVerdict {
  Arm,                // far enough ahead
  AskTwelveHours,     // twelve hours or more away: ask first
  RefusePast,         // "時刻が既に過ぎています。"
  RefuseAboutToPass,  // "時刻が過ぎようとしています。"
};
struct StartDecision {
  StartVerdict verdict = StartVerdict::Arm;
  int hours = 0;    // time until the notice plus the warning, for the
  int minutes = 0;  // twelve-hour question
};
// "タイマー開始": ahead by more than the warning, or passed by at least
// the warning + 30 minutes (then it means tomorrow).
StartDecision DecideStart(int now, int alarm, int warningMinutes);

// The question and refusals, ready to show.
std::string TwelveHourQuestion(const StartDecision& decision);
inline constexpr char kAlarmBoxCaption[] = "確認 -楓歌-";
inline constexpr char kSetAgainText[] = "もう一度、時刻の設定をお願いいたします。";
inline constexpr char kPastText[] = "時刻が既に過ぎています。\r\n中止いたします。";
inline constexpr char kAboutToPassText[] = "時刻が過ぎようとしています。\r\n中止いたします。";
inline constexpr char kInvalidTimeText[] = "時刻が不正です。\r\n正しい時刻を入力してください。";
inline constexpr char kConversionErrorText[] = "時刻変換エラー";
inline constexpr char kCannotConvertText[] = "時刻を変換できません。";
inline constexpr char kCloseUnsetText[] = "タイマーをセットせずに、閉じてもよろしいですか？";

// While the alarm runs: "設定時刻まで、2 時間 5 分" or "設定時刻まで、5 分"
// (whole minutes left plus one), then "（ ３分前に通知します ）" when
// there is a warning.
std::string CountdownText(int now, int alarm, int warningMinutes);

// After the notice: "設定時刻、3 分前です" (minutes plus one) while ahead,
// "設定時刻です", "設定時刻を、4 分経過しています",
// "設定時刻を、1 時間 4 分経過しています".
std::string NoticeText(int now, int alarm);

// The warning minutes as the window shows them: 0..9, anything else 3.
int ShownWarningMinutes(int minutes);

enum class TimeField { Hour, Minute, Second };
// An up-down step: beyond its range a field wraps and carries into the
// next larger one (seconds into minutes, minutes into hours); hours wrap.
settings::TimeOfDay StepTime(const settings::TimeOfDay& time, TimeField field, int delta);

}  // namespace editors
