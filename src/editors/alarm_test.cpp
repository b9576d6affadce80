#include "editors/alarm.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"

namespace editors {
namespace {

int At(int hour, int minute, int second = 0) { return SecondsOfDay(settings::TimeOfDay{hour, minute, second}); }

// The function timer looks at the alarm on every tick: the first tick at or
// after A - B fires it; one that first looks at A + B + 30 minutes or later
// has missed it for the day.
struct DueCase {
  int now, alarm, warning;
  bool due;
};

class AlarmDueTable : public ::testing::TestWithParam<DueCase> {};

TEST_P(AlarmDueTable, FromTheWarningUntilHalfAnHourAfterIt) {
  const DueCase& c = GetParam();
  EXPECT_EQ(AlarmDue(c.now, c.alarm, c.warning), c.due)
      << "now " << c.now << " alarm " << c.alarm << " warning " << c.warning;
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, AlarmDueTable,
    ::testing::Values(
        DueCase{At(11, 56, 59), At(12, 0), 3, false},  // before A - B
        DueCase{At(11, 57), At(12, 0), 3, true},       // at A - B
        DueCase{At(12, 0), At(12, 0), 3, true},
        DueCase{At(12, 32, 59), At(12, 0), 3, true},   // the last second
        DueCase{At(12, 33), At(12, 0), 3, false},      // A + B + 30 min: missed
        DueCase{At(12, 0), At(12, 0), 0, true},
        DueCase{At(11, 59, 59), At(12, 0), 0, false},
        DueCase{At(12, 29, 59), At(12, 0), 0, true},
        DueCase{At(12, 30), At(12, 0), 0, false},
        // across midnight, both ways
        DueCase{At(23, 59), At(0, 2), 3, true},
        DueCase{At(23, 58, 59), At(0, 2), 3, false},
        DueCase{At(0, 10), At(23, 50), 3, true},
        DueCase{At(0, 23), At(23, 50), 3, false},
        DueCase{At(0, 0), At(0, 0), 9, true},
        DueCase{At(23, 51), At(0, 0), 9, true},
        DueCase{At(23, 50, 59), At(0, 0), 9, false}));

struct StartCase {
  int now, alarm, warning;
  StartVerdict verdict;
  int hours, minutes;  // for the twelve-hour question
};

class StartTable : public ::testing::TestWithParam<StartCase> {};

TEST_P(StartTable, ArmsAsksOrRefuses) {
  const StartCase& c = GetParam();
  const StartDecision d = DecideStart(c.now, c.alarm, c.warning);
  EXPECT_EQ(d.verdict, c.verdict);
  if (c.verdict == StartVerdict::AskTwelveHours) {
    EXPECT_EQ(d.hours, c.hours);
    EXPECT_EQ(d.minutes, c.minutes);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Starts, StartTable,
    ::testing::Values(
        StartCase{At(10, 0), At(10, 2), 3, StartVerdict::RefuseAboutToPass},
        StartCase{At(10, 0), At(10, 0), 3, StartVerdict::RefuseAboutToPass},
        StartCase{At(10, 0), At(10, 3), 3, StartVerdict::Arm},  // exactly the warning ahead
        StartCase{At(10, 0), At(9, 40), 3, StartVerdict::RefusePast},
        StartCase{At(10, 0), At(9, 27, 1), 3, StartVerdict::RefusePast},
        StartCase{At(10, 0), At(9, 27), 3, StartVerdict::AskTwelveHours, 23, 30},
        StartCase{At(10, 0), At(9, 20), 3, StartVerdict::AskTwelveHours, 23, 23},
        StartCase{At(10, 0), At(21, 56, 59), 3, StartVerdict::Arm},
        StartCase{At(10, 0), At(21, 57), 3, StartVerdict::AskTwelveHours, 12, 0},
        StartCase{At(10, 0), At(21, 58), 3, StartVerdict::AskTwelveHours, 12, 1},
        // two minutes before midnight, an alarm two minutes after it is
        // about to pass, not a day away
        StartCase{At(23, 58), At(0, 0), 3, StartVerdict::RefuseAboutToPass},
        StartCase{At(23, 58), At(0, 5), 3, StartVerdict::Arm},
        StartCase{At(0, 10), At(23, 50), 3, StartVerdict::RefusePast}));

TEST(AlarmTexts, CountdownInHoursAndMinutesWithTheWarning) {
  EXPECT_EQ(CountdownText(At(10, 0), At(12, 5), 3), "設定時刻まで、2 時間 6 分（ ３分前に通知します ）");
  EXPECT_EQ(CountdownText(At(10, 0, 30), At(10, 5), 0), "設定時刻まで、5 分");
  EXPECT_EQ(CountdownText(At(23, 50), At(0, 10), 9), "設定時刻まで、21 分（ ９分前に通知します ）");
  EXPECT_EQ(CountdownText(At(10, 0), At(10, 0), 0), "設定時刻まで、24 時間 1 分");
}

TEST(AlarmTexts, NoticeCountsDownToTheTimeAndOnPastIt) {
  const int alarm = At(12, 0);
  EXPECT_EQ(NoticeText(At(11, 57), alarm), "設定時刻、4 分前です");
  EXPECT_EQ(NoticeText(At(11, 57, 30), alarm), "設定時刻、3 分前です");
  EXPECT_EQ(NoticeText(At(11, 59, 1), alarm), "設定時刻です");
  EXPECT_EQ(NoticeText(At(12, 0, 59), alarm), "設定時刻です");
  EXPECT_EQ(NoticeText(At(12, 4, 10), alarm), "設定時刻を、4 分経過しています");
  EXPECT_EQ(NoticeText(At(13, 5), alarm), "設定時刻を、1 時間 5 分経過しています");
  // fired before midnight for a time after it
  EXPECT_EQ(NoticeText(At(23, 59), At(0, 2)), "設定時刻、4 分前です");
}

TEST(AlarmTexts, TwelveHourQuestionNamesTheDistance) {
  EXPECT_EQ(TwelveHourQuestion({StartVerdict::AskTwelveHours, 23, 23}),
            "設定時刻が現時刻から１２時間以上（ 23 時 23 分）ありますが、\r\nこれで間違いないでしょうか？");
}

TEST(StepTime, CarriesAndBorrowsAcrossFields) {
  using T = settings::TimeOfDay;
  EXPECT_EQ(StepTime(T{10, 59, 0}, TimeField::Minute, 1), (T{11, 0, 0}));
  EXPECT_EQ(StepTime(T{10, 0, 0}, TimeField::Minute, -1), (T{9, 59, 0}));
  EXPECT_EQ(StepTime(T{10, 59, 59}, TimeField::Second, 1), (T{11, 0, 0}));
  EXPECT_EQ(StepTime(T{0, 0, 0}, TimeField::Second, -1), (T{23, 59, 59}));
  EXPECT_EQ(StepTime(T{23, 59, 0}, TimeField::Minute, 1), (T{0, 0, 0}));
  EXPECT_EQ(StepTime(T{23, 10, 5}, TimeField::Hour, 1), (T{0, 10, 5}));
  EXPECT_EQ(StepTime(T{0, 10, 5}, TimeField::Hour, -1), (T{23, 10, 5}));
}

TEST(ShownWarningMinutes, OutsideZeroToNineShowsThree) {
  EXPECT_EQ(ShownWarningMinutes(0), 0);
  EXPECT_EQ(ShownWarningMinutes(9), 9);
  EXPECT_EQ(ShownWarningMinutes(10), 3);
  EXPECT_EQ(ShownWarningMinutes(-1), 3);
}

}  // namespace
}  // namespace editors
