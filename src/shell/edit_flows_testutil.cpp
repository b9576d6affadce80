#include "shell/edit_flows_testutil.h"

#include "support/paths.h"

namespace shell {

FakeEditHost::FakeEditHost() {
  for (int i = 0; i < 6; ++i) SetMonth(i, 2004, 2 + i);
  periods.lines = {"***** FromTo予定 [Data\\Files1\\]"};
  periods.loadCount = 1;
}

void FakeEditHost::SetMonth(int slot, int year, int month) {
  months.at(slot) = store::MonthSlot{year, month, {store::MonthHeader(year, month, "Data\\Files1\\")}, 1, {}};
}

EditSaved FakeEditHost::CommitMonthEdit(int slot) {
  log.push_back("Commit " + std::to_string(slot));
  return network ? EditSaved::Deferred : EditSaved::Written;
}

EditSaved FakeEditHost::CommitPeriodEdit() {
  log.push_back("CommitPeriods");
  return network ? EditSaved::Deferred : EditSaved::Written;
}

bool FakeEditHost::SaveMonth(int slot) {
  log.push_back("SaveMonth " + std::to_string(slot));
  return true;
}

bool FakeEditHost::SavePeriods() {
  log.push_back("SavePeriods");
  return true;
}

void FakeEditHost::RereadMonth(int slot) {
  log.push_back("RereadMonth " + std::to_string(slot));
  if (!monthOnDisk.empty()) months.at(slot).lines = monthOnDisk;
  months.at(slot).unread = monthUnreadable;
}

store::PeriodReadResult FakeEditHost::RereadPeriods() {
  log.push_back("RereadPeriods");
  if (periodFolderGone) return store::PeriodReadResult::NetworkFolderMissing;
  if (periodsUnreadable) return store::PeriodReadResult::Unread;
  if (!periodsOnDisk.empty()) periods.lines = periodsOnDisk;
  return store::PeriodReadResult::Read;
}

// ---- FakeDayEditor ---------------------------------------------------------

namespace {

template <typename Result>
Result Next(std::deque<Result>& queue) {
  if (queue.empty()) return Result{false, true};
  Result result = std::move(queue.front());
  queue.pop_front();
  return result;
}

}  // namespace

void FakeDayEditor::WhileShown() {
  ++shown;
  showing = true;
  if (whileShown) whileShown();
  showing = false;
}

// A window finished early returns the same result again when it unwinds.
editors::DayResult FakeDayEditor::EditDay(const editors::DayRequest& request) {
  days.push_back(request);
  WhileShown();
  return Next(dayResults_);
}

editors::DayResult FakeDayEditor::EditMonthMemo(const editors::MonthMemoRequest& request) {
  memos.push_back(request);
  WhileShown();
  return Next(dayResults_);
}

editors::PeriodResult FakeDayEditor::EditPeriod(const editors::PeriodPage& page) {
  periods.push_back(page);
  WhileShown();
  return Next(periodResults_);
}

editors::SpecialDayResult FakeDayEditor::EditSpecialDay(const calendar::Date&,
                                                        const editors::SpecialDayPage& page) {
  specialDays.push_back(page);
  WhileShown();
  if (specialResults_.empty()) return {false, page};
  editors::SpecialDayResult result = specialResults_.front();
  specialResults_.pop_front();
  return result;
}

editors::DayResult FakeDayEditor::FinishDay() {
  return dayResults_.empty() ? editors::DayResult{false, true} : dayResults_.front();
}

editors::PeriodResult FakeDayEditor::FinishPeriod() {
  return periodResults_.empty() ? editors::PeriodResult{false, true} : periodResults_.front();
}

editors::SpecialDayResult FakeDayEditor::FinishSpecialDay() {
  if (specialResults_.empty()) return {false, specialDays.empty() ? editors::SpecialDayPage{} : specialDays.back()};
  return specialResults_.front();
}

void FakeDayEditor::Write(std::vector<store::DayEntry> entries) {
  dayResults_.push_back({true, false, false, std::move(entries)});
}

void FakeDayEditor::Write(const editors::PeriodPage& page) {
  periodResults_.push_back({true, false, false, page});
}

void FakeDayEditor::CancelDroppingSelection() {
  dayResults_.push_back({false, false, true, {}});
}

void FakeDayEditor::CancelPeriodDroppingSelection() {
  periodResults_.push_back({false, false, true, {}});
}

void FakeDayEditor::Write(const editors::SpecialDayPage& page) {
  specialResults_.push_back({true, page});
}

// ---- FakeSharedFolder ------------------------------------------------------

bool FakeSharedFolder::ServiceLockPresent() {
  log.push_back("ServiceLockPresent");
  return maintenance;
}

bool FakeSharedFolder::AcquireLock(const std::string& path) {
  const bool granted = acquireAnswers.empty() || acquireAnswers.front();
  if (!acquireAnswers.empty()) acquireAnswers.pop_front();
  log.push_back(std::string(granted ? "Acquire " : "Refused ") + support::LastFolderName(path));
  return granted;
}

bool FakeSharedFolder::HoldsLock(const std::string& path) {
  const bool held = holdAnswers.empty() || holdAnswers.front();
  if (!holdAnswers.empty()) holdAnswers.pop_front();
  log.push_back(std::string(held ? "Holds " : "Lost ") + support::LastFolderName(path));
  return held;
}

bool FakeSharedFolder::ReleaseLock(const std::string& path) {
  log.push_back("Release " + support::LastFolderName(path));
  return releaseAnswer;
}

}  // namespace shell
