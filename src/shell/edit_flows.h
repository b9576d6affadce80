#pragma once
// The road of one edit: a day's entries or the month memo taken from the
// shown month, handed to the day editor, and on confirmation written back
// into the month's lines and at once to its file. In network mode the
// month's lock file is taken first, the month read again, and the month
// written inside the lock; that side goes through SharedFolder.
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
#include "store/period_file.h"
#include "store/period_item.h"

namespace shell {

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
  // While one of the calls above shows the window: its text differs from
  // what it opened with.
  virtual bool Changed() const = 0;
  // Ends the showing window at once as if "書込／閉じる" was pressed, with
  // no question, and gives its result now; the showing call returns the
  // same result when it unwinds.
  virtual editors::DayResult FinishDay() = 0;
  virtual editors::PeriodResult FinishPeriod() = 0;
  virtual editors::SpecialDayResult FinishSpecialDay() = 0;
};

// The edit whose editor is showing. The end of the Windows session or a
// close from outside finishes it: what the editor holds is stored at once
// as if confirmed, and the edit's own result is then left alone, so the
// text is stored exactly once.
class OpenEdit {
 public:
  bool active() const { return static_cast<bool>(finish_); }
  // False when no edit is open or it was finished already.
  bool Finish();

  // An edit registers its finish while its editor shows.
  class Scope {
   public:
    Scope(OpenEdit& open, std::function<void()> finish);
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    bool finished() const { return open_.finished_; }

   private:
    OpenEdit& open_;
  };

 private:
  std::function<void()> finish_;
  bool finished_ = false;
};

// The months and the period list the main window owns, and the grid that
// shows them. Slot numbers are those of the month cycle (5: the extra slot).
class EditHost {
 public:
  virtual ~EditHost() = default;
  virtual int ShownSlot() const = 0;
  virtual store::MonthSlot& Month(int slot) = 0;
  virtual store::PeriodList& Periods() = 0;
  // A confirmed change of the slot's lines (of the period list): written at
  // once in local mode through the guards; in network mode only a write is
  // noted as pending, for the edit's own locked write.
  virtual EditSaved CommitMonthEdit(int slot) = 0;
  virtual EditSaved CommitPeriodEdit() = 0;
  // The period list changed; in network mode a write is pending.
  virtual void NotePeriodEdit() = 0;
  // The guarded writes (shrink guard, network turn).
  virtual bool SaveMonth(int slot) = 0;
  virtual bool SavePeriods() = 0;
  // The slot or the period list read again from the data folder, then laid
  // out and painted.
  virtual void RereadMonth(int slot) = 0;
  virtual store::PeriodReadResult RereadPeriods() = 0;
  // Lay out and paint the grid again.
  virtual void Refresh() = 0;
  // The special-day rules changed (the year page shows them too).
  virtual void SpecialDaysChanged() {}

  // The edit whose editor is showing, shared by every kind of edit.
  OpenEdit openEdit;
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
  // Just before the edit's write: the lock file still names this computer.
  virtual bool HoldsLock(const std::string& path) = 0;
};

// An edit's lock lost before its write: nothing was written. The question
// offers the edit again on the data read afresh, with what was typed.
std::string LockLostText(const std::string& path);
// Asked until the lock is taken and the data read again (true), or the
// user gives up (false): the other computer may need a moment.
bool RetakeLostLock(platform::Dialogs& dialogs, const std::string& path,
                    const std::function<bool()>& lockAndReread);

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
  // Just before the write: the lock is still this computer's. When it is
  // not, there is nothing left to release.
  bool StillHeld();
  const std::string& path() const { return path_; }
  // The lock file went with its folder: nothing left to release.
  void Abandon() { held_ = false; }

 private:
  SharedFolder* shared_;
  platform::Dialogs& dialogs_;
  std::string path_;
  bool held_ = false;
};

// What became of an editor's result.
enum class EditStored { No, Yes, LockLost };

// EditDay and EditMonthMemo of the main window.
class EditFlows {
 public:
  EditFlows(platform::Services& os, const store::Folders& folders, const settings::Settings& settings,
            EditHost& host, DayEditorPort& editor, const calendar::DayClassifier& days);

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
  using ShowEditor = std::function<editors::DayResult(std::vector<store::DayEntry>, bool unwritten)>;
  bool RunMonthEdit(int slot, int day, bool monthMemo, const ShowEditor& show);
  bool LockAndReread(EditLock& lock, int slot);
  // Takes the editor's result into the month.
  EditStored StoreDayResult(int slot, int day, EditLock& lock, const editors::DayResult& result);

  platform::Services& os_;
  const store::Folders& folders_;
  const settings::Settings& settings_;
  EditHost& host_;
  DayEditorPort& editor_;
  const calendar::DayClassifier& days_;
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
  EditSaved CommitMonthEdit(int slot) override { return cycle_.CommitEdit(slot); }
  EditSaved CommitPeriodEdit() override { return cycle_.CommitPeriodEdit(); }
  void NotePeriodEdit() override { cycle_.NotePeriodEdit(); }
  bool SaveMonth(int slot) override { return cycle_.SaveMonth(slot); }
  bool SavePeriods() override { return cycle_.SavePeriods(); }
  void RereadMonth(int slot) override;
  store::PeriodReadResult RereadPeriods() override;
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
