#pragma once
// The road of one edit: a day's entries or the month memo taken from the
// shown month, handed to the day editor, and on confirmation written back
// into the month's lines, to be saved at the next save point. In network
// mode the month's lock file is taken first, the month read again, and the
// month written at once; that side goes through SharedFolder.
//
// The day editor, the month cycle and the shared folder appear here only as
// the narrow interfaces below, so every decision runs and is tested without
// a window.
#include <functional>
#include <string>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"
#include "editors/day_editor.h"
#include "platform/services.h"
#include "settings/settings.h"
#include "shell/month_cycle.h"
#include "store/folders.h"
#include "store/month_file.h"
#include "store/period_item.h"

namespace shell {

class DayCopy;

// TfmDay as the edits use it; each call shows it modally with the caption
// "楓帳 -Velda-" and returns what the user left.
class DayEditorPort {
 public:
  virtual ~DayEditorPort() = default;
  virtual editors::DayResult EditDay(const editors::DayRequest& request) = 0;
  virtual editors::DayResult EditMonthMemo(const editors::MonthMemoRequest& request) = 0;
  virtual editors::PeriodResult EditPeriod(const editors::PeriodPage& page) = 0;
  virtual editors::SpecialDayResult EditSpecialDay(const calendar::Date& date,
                                                   const editors::SpecialDayPage& page) = 0;
};

// The months and the period list the main window owns, and the grid that
// shows them. Slot numbers are those of the month cycle (5: the extra slot).
class EditHost {
 public:
  virtual ~EditHost() = default;
  virtual int ShownSlot() const = 0;
  virtual store::MonthSlot& Month(int slot) = 0;
  virtual store::PeriodList& Periods() = 0;
  // An entry of the shown month changed: the extra slot is marked for the
  // next save, and in network mode a write is pending.
  virtual void NoteMonthEdit() = 0;
  // The period list changed; in network mode a write is pending.
  virtual void NotePeriodEdit() = 0;
  // The guarded writes (shrink guard, network turn).
  virtual bool SaveMonth(int slot) = 0;
  virtual bool SavePeriods() = 0;
  // The slot or the period list read again from the data folder, then laid
  // out and painted. False when the period file's folder is gone.
  virtual void RereadMonth(int slot) = 0;
  virtual bool RereadPeriods() = 0;
  // Lay out and paint the grid again.
  virtual void Refresh() = 0;
  // The special-day rules changed (the year page shows them too).
  virtual void SpecialDaysChanged() {}
};

// The shared folder's side of an edit; the network code implements it.
// Without one, edits run in local mode.
class SharedFolder {
 public:
  virtual ~SharedFolder() = default;
  virtual bool On() const = 0;
  // "mente.lock" exists; the maintenance text was shown.
  virtual bool ServiceLockPresent() = 0;
  // With this computer's name, 300 ms and 5 tries; the waits and refusals
  // are shown inside.
  virtual bool AcquireLock(const std::string& path) = 0;
  // 300 ms and 10 tries; false leaves the caller's message to show.
  virtual bool ReleaseLock(const std::string& path) = 0;
};

// "Ca200403.lock" and "CaFromTo.lock" in the data folder.
std::string MonthLockPath(const store::Folders& folders, int year, int month);
std::string PeriodLockPath(const store::Folders& folders);

// One edit's hold on a lock file. In local mode (no shared folder, or it is
// off) every step succeeds and nothing is touched. A held lock is released
// when the hold ends, with the message for a failed release.
class EditLock {
 public:
  EditLock(SharedFolder* shared, platform::Dialogs& dialogs, std::string path);
  ~EditLock();
  EditLock(const EditLock&) = delete;
  EditLock& operator=(const EditLock&) = delete;

  bool networkOn() const { return shared_ != nullptr; }
  bool Acquire();
  // After the re-read: the same call again. Refused, the lock is left as it
  // is (it may have been taken over meanwhile).
  bool Confirm();
  // The lock file went with its folder: nothing left to release.
  void Abandon() { held_ = false; }

 private:
  SharedFolder* shared_;
  platform::Dialogs& dialogs_;
  std::string path_;
  bool held_ = false;
};

// EditDay and EditMonthMemo of the main window.
class EditFlows {
 public:
  EditFlows(platform::Services& os, const store::Folders& folders, const settings::Settings& settings,
            EditHost& host, DayEditorPort& editor, const calendar::DayClassifier& days,
            DayCopy& dayCopy);

  void SetSharedFolder(SharedFolder* shared) { shared_ = shared; }
  SharedFolder* sharedFolder() const { return shared_; }
  bool NetworkOn() const { return shared_ && shared_->On(); }

  // The day of the shown month; nothing for a day of another month. True
  // when the day's lines were replaced.
  bool EditDay(calendar::DayNumber day);
  // The month memo (day 77) of the shown month; only with the month-memo
  // option ("cbTukiMemo").
  bool EditMonthMemo();

 private:
  using ShowEditor = std::function<editors::DayResult(std::vector<store::DayEntry>)>;
  bool RunMonthEdit(int slot, int day, bool monthMemo, const ShowEditor& show);
  bool LockAndReread(EditLock& lock, int slot, bool monthMemo);

  platform::Services& os_;
  const store::Folders& folders_;
  const settings::Settings& settings_;
  EditHost& host_;
  DayEditorPort& editor_;
  const calendar::DayClassifier& days_;
  DayCopy& dayCopy_;
  SharedFolder* shared_ = nullptr;
};

// EditHost over the main window's month cycle and grid view.
class CycleEditHost : public EditHost {
 public:
  CycleEditHost(platform::Services& os, const store::Folders& folders, MonthCycle& cycle,
                store::NetworkLink& network, MonthView& view)
      : os_(os), folders_(folders), cycle_(cycle), network_(network), view_(view) {}

  int ShownSlot() const override { return cycle_.current(); }
  store::MonthSlot& Month(int slot) override { return cycle_.slot(slot).data; }
  store::PeriodList& Periods() override { return cycle_.periods(); }
  void NoteMonthEdit() override { cycle_.NoteEdit(); }
  void NotePeriodEdit() override;
  bool SaveMonth(int slot) override { return cycle_.SaveMonth(slot); }
  bool SavePeriods() override { return cycle_.SavePeriods(); }
  void RereadMonth(int slot) override;
  bool RereadPeriods() override;
  void Refresh() override { view_.Refresh(); }
  void SpecialDaysChanged() override;

  // Hooks of the main window: the shared folder vanished while the period
  // file was read ([n040] was shown; the network goes off), and the
  // special-day rules changed.
  std::function<void()> networkFolderLost;
  std::function<void()> specialDaysChanged;

 private:
  platform::Services& os_;
  const store::Folders& folders_;
  MonthCycle& cycle_;
  store::NetworkLink& network_;
  MonthView& view_;
};

}  // namespace shell
