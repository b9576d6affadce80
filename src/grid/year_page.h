#pragma once
// The year page: twelve consecutive months as small calendars, starting in
// January ("標準"), April ("年度", the fiscal year) or a month of the
// user's choice ("特別"), stepped year by year; a click on a small month
// offers to show that month on the month page. The decisions live here;
// year_page_win.h is the panel that shows them.
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "grid/monthly_calendar.h"
#include "platform/dialogs.h"

namespace grid {

inline constexpr int kYearCalendars = 12;
inline constexpr int kYearBoxMin = 0;
inline constexpr int kYearBoxMax = 9999;

// What the year page asks of the main window.
class YearPageOwner {
 public:
  virtual ~YearPageOwner() = default;
  // Switch to the month page and GoToMonth(year, month).
  virtual void ShowMonthPage(int year, int month) = 0;
  // The month question is asked only while the standard side page is up.
  virtual bool StandardSidePageActive() { return true; }
};

enum class YearStart : int { Standard = 0, FiscalYear = 1, Special = 2 };

class YearPage : private CalendarEvents {
 public:
  YearPage(DayNumber today, platform::Dialogs& dialogs, YearPageOwner& owner);

  // Tags 1..12: 1 top left, 12 bottom right, three to a row.
  TSeMCalendar& Calendar(int tag) { return *calendars_[tag - 1]; }
  const std::string& Label(int tag) const { return labels_[tag - 1]; }
  // "2024/4 - 2025/3"
  const std::string& Header() const { return header_; }
  // The year box (udYear, 0..9999) and whether a change waits for
  // "変更実行" (its caption black instead of grey).
  int YearBox() const { return yearBox_; }
  void SetYearBox(int year);
  bool ApplyPending() const { return applyPending_; }

  // rgYFirstMonth, persisted by the owner; a change recomputes from today.
  YearStart Choice() const { return choice_; }
  void SetChoice(YearStart choice);
  int SpHajimariTuki() const { return spHajimariTuki_; }
  void SetSpHajimariTuki(int month);
  int StartMonth() const;

  // The same rule lines for all twelve calendars.
  void SetHolidayList(const std::vector<std::string>& lines);
  void SetSpecialDayList(const std::vector<std::string>& lines);
  // Midnight: every calendar's today moves on.
  void SetToday(DayNumber today);

  // Commands of the page.
  void Shown();               // the page became visible
  void Apply();               // "変更実行"
  void PreviousYear();        // "前年"
  void NextYear();            // "翌年"
  void ThisYear();            // "今年"
  void YearBoxEntered();      // the focus went into the year box
  void CalendarClicked(int tag);

 private:
  void OnClick(TCustomCalendarEx& sender) override;
  void RecomputeFromToday();
  void Fill(int year, int startMonth);

  platform::Dialogs& dialogs_;
  YearPageOwner& owner_;
  std::array<std::unique_ptr<TSeMCalendar>, kYearCalendars> calendars_;
  std::array<std::string, kYearCalendars> labels_;
  std::string header_;
  DayNumber today_;
  int yearBox_ = 0;
  bool applyPending_ = false;
  YearStart choice_ = YearStart::Standard;
  int spHajimariTuki_ = 1;
  bool recomputeFromToday_ = true;
};

}  // namespace grid
