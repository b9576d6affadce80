#include "grid/monthly_calendar.h"

#include <gtest/gtest.h>

#include "grid/canvas_testutil.h"

namespace grid {
namespace {

using calendar::DateToJulius;
using calendar::JuliusToDate;

template <class Calendar>
struct Small {
  explicit Small(DayNumber today, DayNumber shown) : calendar(today) {
    calendar.SetTarget(&target);
    calendar.SetEvents(&events);
    calendar.SetClientSize({184, 125});
    calendar.SetJuliusDay(shown, false);
  }
  Point CentreOf(int year, int month, int day) const {
    const int index = DateToJulius(year, month, day) - calendar.FirstShownDay();
    const Rect r = calendar.CellRect(index % 7, index / 7 + 1);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  RecordingTarget target;
  RecordingEvents events;
  Calendar calendar;
};

TEST(SmallCalendarCells, TruncatedOrRounded) {
  const DayNumber day = DateToJulius(2024, 5, 1);
  Small<TMonthlyCalendar> plain(day, day);
  Small<TSeMCalendar> year(day, day);
  // 184 x 125 in 7 columns and 7 rows: bounds at 26.29, 52.57 and 17.86, 35.71.
  EXPECT_EQ(plain.calendar.CellRect(1, 1), (Rect{26, 17, 52, 35}));
  EXPECT_EQ(year.calendar.CellRect(1, 1), (Rect{26, 18, 53, 36}));
  EXPECT_EQ(year.calendar.CellRect(6, 6), (Rect{158, 107, 184, 125}));
  EXPECT_EQ(plain.calendar.CellAt({183, 124}), (CellPos{6, 6}));
  EXPECT_FALSE(plain.calendar.CellAt({184, 10}));
}

struct KeyCase {
  calendar::Date from;
  int key;
  calendar::Date to;
};

class CalendarKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(CalendarKeys, MoveTheSelectedDay) {
  const KeyCase& c = GetParam();
  const DayNumber from = DateToJulius(c.from.year, c.from.month, c.from.day);
  Small<TMonthlyCalendar> small(from, from);
  small.calendar.KeyDown(c.key, {});
  EXPECT_EQ(JuliusToDate(small.calendar.JuliusDay()), c.to);
}

INSTANTIATE_TEST_SUITE_P(Keys, CalendarKeys,
                         testing::Values(KeyCase{{2024, 2, 28}, kKeyRight, {2024, 2, 29}},
                                         KeyCase{{2024, 3, 1}, kKeyLeft, {2024, 2, 29}},
                                         KeyCase{{2024, 3, 1}, kKeyUp, {2024, 2, 23}},
                                         KeyCase{{2024, 12, 28}, kKeyDown, {2025, 1, 4}},
                                         KeyCase{{2024, 1, 31}, kKeyPageDown, {2024, 2, 29}},
                                         KeyCase{{2024, 1, 31}, kKeyPageUp, {2023, 12, 31}},
                                         KeyCase{{1582, 9, 10}, kKeyPageDown, {1582, 10, 15}}));

TEST(CalendarKeysOwner, KeysTheOwnerUsesDoNotMove) {
  const DayNumber day = DateToJulius(2024, 5, 10);
  Small<TMonthlyCalendar> small(day, day);
  EXPECT_FALSE(small.calendar.KeyDown('A', {}));
  small.events.handleKeys = true;
  EXPECT_TRUE(small.calendar.KeyDown(kKeyRight, {}));
  EXPECT_EQ(small.calendar.JuliusDay(), day);
  EXPECT_EQ(small.events.log.back(), "key 39");
}

TEST(CalendarClicks, SelectOwnDaysAndNeighboursOnlyWithJump) {
  const DayNumber day = DateToJulius(2024, 5, 10);
  Small<TMonthlyCalendar> small(day, day);
  const Point may20 = small.CentreOf(2024, 5, 20);
  small.calendar.MouseDown({MouseButton::Left, {}, may20.x, may20.y});
  EXPECT_EQ(JuliusToDate(small.calendar.JuliusDay()), (calendar::Date{2024, 5, 20}));
  const Point june1 = small.CentreOf(2024, 6, 1);
  small.calendar.MouseDown({MouseButton::Left, {}, june1.x, june1.y});
  EXPECT_EQ(small.calendar.Month(), 5);
  small.calendar.Set(&CalendarProps::NeighborJump, true);
  small.calendar.MouseDown({MouseButton::Right, {}, june1.x, june1.y});
  EXPECT_EQ(small.calendar.Month(), 5);
  small.calendar.MouseDown({MouseButton::Left, {}, june1.x, june1.y});
  EXPECT_EQ(small.calendar.Month(), 6);
  EXPECT_EQ(small.events.log.back(), "day 2024/6/1");
}

TEST(MonthlyCalendarPaint, SelectedDayInvertsItsColours) {
  const DayNumber day = DateToJulius(2024, 5, 12);  // a Sunday
  Small<TMonthlyCalendar> small(DateToJulius(2000, 1, 1), day);
  small.calendar.Render();
  const DrawOp* number = small.target.recording.FindText("12");
  ASSERT_NE(number, nullptr);
  EXPECT_EQ(number->style.colour, 0xFFFFFFu);
  EXPECT_EQ(small.target.recording.FillColourAt(small.CentreOf(2024, 5, 12)), 0x0000FF);
}

TEST(SeMCalendarPaint, TodayCursorHeaderAndNeighbours) {
  const DayNumber today = DateToJulius(2024, 5, 15);
  Small<TSeMCalendar> small(today, DateToJulius(2024, 5, 1));
  small.calendar.Render();
  RecordingCanvas& canvas = small.target.recording;
  EXPECT_EQ(canvas.FillColourAt(small.CentreOf(2024, 5, 15)), 0xD0FFD5);
  EXPECT_EQ(canvas.FillColourAt(small.CentreOf(2024, 5, 1)), 0xFFFFFF);  // no cursor
  EXPECT_EQ(canvas.FindText("日")->style.colour, 0x0000FFu);
  EXPECT_EQ(canvas.FindText("土")->style.colour, 0xFF0000u);
  EXPECT_EQ(canvas.FindText("火")->style.colour, 0x000000u);
  EXPECT_EQ(canvas.FindText("28")->style.colour, 0xC0C0FFu);  // Sunday 28 April
  EXPECT_EQ(canvas.FindText("28")->style.font.height, 16);    // 12 points
  EXPECT_TRUE(canvas.LinesIn({0, 0, 184, 125}).empty());

  small.calendar.SetSmallProps({true, true, 0x81FE8A});
  EXPECT_EQ(canvas.FillColourAt(small.CentreOf(2024, 5, 1)), kCursorColour);
  EXPECT_EQ(canvas.FillColourAt(small.CentreOf(2024, 5, 15)), 0x81FE8A);
  // Right and bottom lines of every cell but the last column and row: six
  // of each in each of the seven rows.
  EXPECT_EQ(canvas.LinesIn({0, 0, 184, 125}).size(), 6u * 7u * 2u);

  small.calendar.Set(&CalendarProps::ShowNeighbor, false);
  const Point april28 = small.CentreOf(2024, 4, 28);
  EXPECT_TRUE(canvas.TextsIn({april28.x - 12, april28.y - 8, april28.x + 12, april28.y + 8}).empty());
  EXPECT_NE(canvas.FindText("28"), nullptr);  // 28 May
}

TEST(SeMCalendarPaint, RokuyoUnderTheNumber) {
  const DayNumber day = DateToJulius(1990, 6, 23);
  Small<TSeMCalendar> small(DateToJulius(2000, 1, 1), day);
  small.calendar.Set(&CalendarProps::ShowRokuyo, true);
  small.calendar.SetClientSize({280, 350});  // room for both lines
  const int index = day - small.calendar.FirstShownDay();
  const Rect cell = small.calendar.CellRect(index % 7, index / 7 + 1);
  const auto texts = small.target.recording.TextsIn(cell);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, "23");
  EXPECT_EQ(texts[1]->text, "大安");
  EXPECT_EQ(texts[1]->box.top, texts[0]->box.bottom);
  EXPECT_EQ(texts[1]->style.font.height, 13);  // 10 points
}

}  // namespace
}  // namespace grid
