#pragma once
// Doubles of the narrow interfaces the edits use: the months and periods of
// the main window, the day editor and the shared folder.
#include <array>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "shell/edit_flows.h"

namespace shell {

// Six month slots and a period list in memory; records what was asked.
class FakeEditHost : public EditHost {
 public:
  FakeEditHost();

  int ShownSlot() const override { return shown; }
  store::MonthSlot& Month(int slot) override { return months.at(slot); }
  store::PeriodList& Periods() override { return periods; }
  // Local mode writes at once (logged as "Commit"); with `network` the
  // write is left to the edit's locked save.
  EditSaved CommitMonthEdit(int slot) override;
  EditSaved CommitPeriodEdit() override;
  void NotePeriodEdit() override { log.push_back("NotePeriodEdit"); }
  bool SaveMonth(int slot) override;
  bool SavePeriods() override;
  void RereadMonth(int slot) override;
  store::PeriodReadResult RereadPeriods() override;
  void Refresh() override { ++refreshes; }
  void SpecialDaysChanged() override { log.push_back("SpecialDaysChanged"); }

  // Slot `slot` holds `year`/`month` with its header line.
  void SetMonth(int slot, int year, int month);

  int shown = 1;
  std::array<store::MonthSlot, 6> months;
  store::PeriodList periods;
  std::vector<std::string> log;
  int refreshes = 0;
  // What a re-read finds; unset, the lines stay as they are.
  std::vector<std::string> monthOnDisk;
  bool monthUnreadable = false;  // the re-read fails
  std::vector<std::string> periodsOnDisk;
  bool periodFolderGone = false;
  bool periodsUnreadable = false;
  bool network = false;
};

// Answers each edit from a queue (nothing queued: the user cancelled) and
// keeps what it was shown.
class FakeDayEditor : public DayEditorPort {
 public:
  editors::DayResult EditDay(const editors::DayRequest& request) override;
  editors::DayResult EditMonthMemo(const editors::MonthMemoRequest& request) override;
  editors::PeriodResult EditPeriod(const editors::PeriodPage& page) override;
  editors::SpecialDayResult EditSpecialDay(const calendar::Date& date,
                                           const editors::SpecialDayPage& page) override;
  bool Changed() const override { return showing; }
  // The next queued result, as the window would give it when finished now.
  editors::DayResult FinishDay() override;
  editors::PeriodResult FinishPeriod() override;
  editors::SpecialDayResult FinishSpecialDay() override;

  // Runs while the editor shows (a session end or a close arriving then).
  std::function<void()> whileShown;

  // The user writes these entries back / this page.
  void Write(std::vector<store::DayEntry> entries);
  void Write(const editors::PeriodPage& page);
  void Write(const editors::SpecialDayPage& page);
  // The user closes the day page (the period page) without writing, and
  // the grid's period selection is to be dropped.
  void CancelDroppingSelection();
  void CancelPeriodDroppingSelection();

  std::vector<editors::DayRequest> days;
  std::vector<editors::MonthMemoRequest> memos;
  std::vector<editors::PeriodPage> periods;
  std::vector<editors::SpecialDayPage> specialDays;
  int shown = 0;
  bool showing = false;

 private:
  void WhileShown();

  std::deque<editors::DayResult> dayResults_;
  std::deque<editors::PeriodResult> periodResults_;
  std::deque<editors::SpecialDayResult> specialResults_;
};

// The shared folder with scripted lock answers; logs every call.
class FakeSharedFolder : public SharedFolder {
 public:
  bool On() const override { return on; }
  bool ServiceLockPresent() override;
  bool AcquireLock(const std::string& path) override;
  bool ReleaseLock(const std::string& path) override;
  bool HoldsLock(const std::string& path) override;

  bool on = true;
  bool maintenance = false;
  std::deque<bool> acquireAnswers;  // nothing queued: granted
  bool releaseAnswer = true;
  std::deque<bool> holdAnswers;  // nothing queued: still held
  std::vector<std::string> log;
};

}  // namespace shell
