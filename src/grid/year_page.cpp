#include "grid/year_page.h"

#include <algorithm>
#include <cstdio>

#include "platform/dialog_helpers.h"

namespace grid {
namespace {

constexpr Colour kYearPageToday = 0x81FE8A;  // RGB(138, 254, 129)
constexpr char kMonthQuestionTail[] = " 月のマンスリーカレンダーを表示しますか？";

void ApplyYearPageLook(TSeMCalendar& calendar) {
  CalendarProps props = calendar.Props();
  props.NeighborColor = 0xC0C0C0;
  props.DayOfWeekBkColor = 0xE1E1E1;
  props.ShowRokuyo = false;
  calendar.SetCalendarProps(props);
  calendar.SetSmallProps({false, false, kYearPageToday});
}

}  // namespace

YearPage::YearPage(DayNumber today, platform::Dialogs& dialogs, YearPageOwner& owner)
    : dialogs_(dialogs), owner_(owner), today_(today) {
  for (int tag = 1; tag <= kYearCalendars; ++tag) {
    auto calendar = std::make_unique<TSeMCalendar>(today);
    calendar->SetTag(tag);
    ApplyYearPageLook(*calendar);
    calendar->SetEvents(this);
    calendars_[tag - 1] = std::move(calendar);
  }
  yearBox_ = calendar::JuliusToDate(today).year;
}

void YearPage::SetYearBox(int year) { yearBox_ = std::clamp(year, kYearBoxMin, kYearBoxMax); }

void YearPage::SetChoice(YearStart choice) {
  choice_ = choice;
  recomputeFromToday_ = true;
  RecomputeFromToday();
}

void YearPage::SetSpHajimariTuki(int month) { spHajimariTuki_ = std::clamp(month, 1, 12); }

int YearPage::StartMonth() const {
  switch (choice_) {
    case YearStart::FiscalYear: return 4;
    case YearStart::Special: return spHajimariTuki_;
    default: return 1;
  }
}

void YearPage::SetHolidayList(const std::vector<std::string>& lines) {
  for (auto& calendar : calendars_) calendar->SetHolidayList(lines);
}

void YearPage::SetSpecialDayList(const std::vector<std::string>& lines) {
  for (auto& calendar : calendars_) calendar->SetSpecialDayList(lines);
}

void YearPage::SetToday(DayNumber today) {
  today_ = today;
  for (auto& calendar : calendars_) calendar->SetToday(today);
}

void YearPage::Shown() { RecomputeFromToday(); }

void YearPage::Apply() { Fill(yearBox_, StartMonth()); }

void YearPage::PreviousYear() {
  SetYearBox(yearBox_ - 1);
  Fill(yearBox_, StartMonth());
}

void YearPage::NextYear() {
  SetYearBox(yearBox_ + 1);
  Fill(yearBox_, StartMonth());
}

void YearPage::ThisYear() {
  recomputeFromToday_ = true;
  RecomputeFromToday();
}

void YearPage::YearBoxEntered() { applyPending_ = true; }

void YearPage::RecomputeFromToday() {
  if (!recomputeFromToday_) return;
  recomputeFromToday_ = false;
  const calendar::Date now = calendar::JuliusToDate(today_);
  int startYear = now.year;
  if (choice_ == YearStart::FiscalYear && now.month <= 3) startYear = now.year - 1;
  if (choice_ == YearStart::Special && now.month < spHajimariTuki_) startYear = now.year - 1;
  SetYearBox(startYear);
  Fill(yearBox_, StartMonth());
}

void YearPage::Fill(int year, int startMonth) {
  for (int tag = 1; tag <= kYearCalendars; ++tag) {
    int month = startMonth + tag - 1;  // [1, 23]
    const int shownYear = month > 12 ? year + 1 : year;
    if (month > 12) month -= 12;
    Calendar(tag).SetJuliusDay(calendar::DateToJulius(shownYear, month, 1), false);
    labels_[tag - 1] = std::to_string(month);
  }
  char header[64];
  std::snprintf(header, sizeof header, "%d/%d - %d/%d", Calendar(1).Year(), Calendar(1).Month(),
                Calendar(kYearCalendars).Year(), Calendar(kYearCalendars).Month());
  header_ = header;
  applyPending_ = false;
}

void YearPage::CalendarClicked(int tag) {
  if (tag < 1 || tag > kYearCalendars || !owner_.StandardSidePageActive()) return;
  const int year = Calendar(tag).Year();
  const int month = Calendar(tag).Month();
  const std::string question = std::to_string(year) + " 年 " + std::to_string(month) + kMonthQuestionTail;
  if (platform::AskYesNoCaption(dialogs_, question, "確認", true)) owner_.ShowMonthPage(year, month);
}

void YearPage::OnClick(TCustomCalendarEx& sender) {
  CalendarClicked(static_cast<TSeMCalendar&>(sender).Tag());
}

}  // namespace grid
