#include "grid/year_page.h"

#include <gtest/gtest.h>

#include "grid/canvas_testutil.h"
#include "platform/doubles_testutil.h"

namespace grid {
namespace {

using calendar::DateToJulius;

struct Owner : YearPageOwner {
  void ShowMonthPage(int year, int month) override {
    shown.push_back(std::to_string(year) + "/" + std::to_string(month));
  }
  bool StandardSidePageActive() override { return standard; }
  std::vector<std::string> shown;
  bool standard = true;
};

struct Page {
  explicit Page(int year, int month, int day) : page(DateToJulius(year, month, day), dialogs, owner) {}
  std::vector<std::string> Labels() const {
    std::vector<std::string> labels;
    for (int tag = 1; tag <= kYearCalendars; ++tag) labels.push_back(page.Label(tag));
    return labels;
  }
  platform::ScriptedDialogs dialogs;
  Owner owner;
  YearPage page;
};

struct StartCase {
  calendar::Date today;
  YearStart choice;
  int special;
  std::string header;
};

class YearStartTest : public testing::TestWithParam<StartCase> {};

TEST_P(YearStartTest, RecomputedFromToday) {
  const StartCase& c = GetParam();
  Page p(c.today.year, c.today.month, c.today.day);
  p.page.SetSpHajimariTuki(c.special);
  p.page.SetChoice(c.choice);
  EXPECT_EQ(p.page.Header(), c.header);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, YearStartTest,
    testing::Values(StartCase{{2024, 3, 31}, YearStart::Standard, 1, "2024/1 - 2024/12"},
                    StartCase{{2024, 3, 31}, YearStart::FiscalYear, 1, "2023/4 - 2024/3"},
                    StartCase{{2024, 4, 1}, YearStart::FiscalYear, 1, "2024/4 - 2025/3"},
                    StartCase{{2024, 9, 30}, YearStart::Special, 10, "2023/10 - 2024/9"},
                    StartCase{{2024, 10, 1}, YearStart::Special, 10, "2024/10 - 2025/9"},
                    StartCase{{2024, 1, 1}, YearStart::Special, 1, "2024/1 - 2024/12"}));

TEST(YearPage, LabelsAndCalendarsFollowTheStartMonth) {
  Page p(2024, 3, 15);
  p.page.SetChoice(YearStart::FiscalYear);
  EXPECT_EQ(p.Labels(), (std::vector<std::string>{"4", "5", "6", "7", "8", "9", "10", "11", "12", "1",
                                                  "2", "3"}));
  EXPECT_EQ(p.page.Calendar(1).JuliusDay(), DateToJulius(2023, 4, 1));
  EXPECT_EQ(p.page.Calendar(12).JuliusDay(), DateToJulius(2024, 3, 1));
  EXPECT_EQ(p.page.YearBox(), 2023);
  EXPECT_EQ(p.page.Calendar(5).Today(), DateToJulius(2024, 3, 15));
}

TEST(YearPage, YearBoxStopsAt9999WhileTheLastMonthsRunOn) {
  Page p(2024, 5, 1);
  p.page.SetChoice(YearStart::FiscalYear);
  p.page.SetYearBox(9999);
  p.page.Apply();
  EXPECT_EQ(p.page.Header(), "9999/4 - 10000/3");
  EXPECT_EQ(p.page.Calendar(10).Year(), 10000);
  p.page.NextYear();
  EXPECT_EQ(p.page.YearBox(), 9999);
  p.page.SetYearBox(-3);
  EXPECT_EQ(p.page.YearBox(), 0);
  p.page.PreviousYear();
  EXPECT_EQ(p.page.YearBox(), 0);
  EXPECT_EQ(p.page.Header(), "0/4 - 1/3");
}

TEST(YearPage, StepsAndTheYearKeptAcrossShowing) {
  Page p(2024, 5, 1);
  p.page.Shown();
  EXPECT_EQ(p.page.Header(), "2024/1 - 2024/12");
  p.page.NextYear();
  EXPECT_EQ(p.page.Header(), "2025/1 - 2025/12");
  p.page.PreviousYear();
  p.page.PreviousYear();
  EXPECT_EQ(p.page.Header(), "2023/1 - 2023/12");
  p.page.Shown();  // leaving and coming back keeps the year
  EXPECT_EQ(p.page.Header(), "2023/1 - 2023/12");
  p.page.ThisYear();
  EXPECT_EQ(p.page.Header(), "2024/1 - 2024/12");
}

TEST(YearPage, EnteringTheYearBoxMarksAChangePending) {
  Page p(2024, 5, 1);
  EXPECT_FALSE(p.page.ApplyPending());
  p.page.YearBoxEntered();
  EXPECT_TRUE(p.page.ApplyPending());
  p.page.SetYearBox(2030);
  p.page.Apply();
  EXPECT_FALSE(p.page.ApplyPending());
  EXPECT_EQ(p.page.Header(), "2030/1 - 2030/12");
}

TEST(YearPage, ClickAsksBeforeShowingTheMonth) {
  Page p(2024, 5, 1);
  p.page.Shown();
  p.dialogs.Answer(platform::MsgResult::No);
  p.page.CalendarClicked(4);
  ASSERT_EQ(p.dialogs.shown.size(), 1u);
  EXPECT_EQ(p.dialogs.shown[0].text, "2024 年 4 月のマンスリーカレンダーを表示しますか？");
  EXPECT_EQ(p.dialogs.shown[0].caption, "確認");
  EXPECT_EQ(p.dialogs.shown[0].buttons, platform::MsgButtons::YesNo);
  EXPECT_TRUE(p.owner.shown.empty());
  EXPECT_EQ(p.page.Header(), "2024/1 - 2024/12");

  p.dialogs.Answer(platform::MsgResult::Yes);
  p.page.CalendarClicked(4);
  EXPECT_EQ(p.owner.shown, (std::vector<std::string>{"2024/4"}));

  p.owner.standard = false;
  p.page.CalendarClicked(4);
  EXPECT_EQ(p.dialogs.shown.size(), 2u);
}

TEST(YearPage, AClickOnASmallCalendarReachesTheQuestion) {
  Page p(2024, 5, 1);
  p.page.SetChoice(YearStart::FiscalYear);
  TSeMCalendar& june = p.page.Calendar(3);
  june.SetClientSize({184, 125});
  p.dialogs.Answer(platform::MsgResult::Yes);
  june.MouseDown({MouseButton::Left, {}, 100, 60});
  june.Click();
  june.MouseUp({MouseButton::Left, {}, 100, 60});
  EXPECT_EQ(p.owner.shown, (std::vector<std::string>{"2024/6"}));
}

TEST(YearPage, MidnightMovesTodayOnEveryCalendar) {
  Page p(2024, 5, 1);
  p.page.SetToday(DateToJulius(2024, 5, 2));
  for (int tag = 1; tag <= kYearCalendars; ++tag)
    EXPECT_EQ(p.page.Calendar(tag).Today(), DateToJulius(2024, 5, 2));
}

TEST(YearPage, CalendarsHaveTheYearPageLook) {
  Page p(2024, 5, 1);
  const TSeMCalendar& first = p.page.Calendar(1);
  EXPECT_EQ(first.SmallProps().ColorToDay, 0x81FE8Au);
  EXPECT_FALSE(first.SmallProps().IsCursor);
  EXPECT_FALSE(first.SmallProps().Keisen);
  EXPECT_FALSE(first.Props().ShowRokuyo);
  EXPECT_TRUE(first.Props().ShowNeighbor);
  EXPECT_EQ(first.Props().DayOfWeekBkColor, 0xE1E1E1u);
  p.page.SetHolidayList({"5,3,憲法記念日"});
  EXPECT_EQ(p.page.Calendar(12).HolidayList().size(), 1u);
}

}  // namespace
}  // namespace grid
