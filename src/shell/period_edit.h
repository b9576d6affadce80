#pragma once
// EditPeriod and DeletePeriod of the main window: a period schedule opened
// in the day editor's period page, new from two marked days or changed
// from its line, and the selected period deleted after a question. In
// network mode "CaFromTo.lock" is held around the edit, the period file is
// read again first and written at once afterwards.
#include <string>

#include "calendar/julius.h"
#include "platform/services.h"
#include "settings/settings.h"
#include "shell/edit_flows.h"
#include "store/folders.h"

namespace shell {

// A day and its part (1 morning, 2 noon, 3 evening) marked as the start or
// end of a new period; day 0 marks nothing.
struct PeriodMark {
  calendar::DayNumber day = 0;
  int part = 0;

  bool set() const { return day != 0; }
  bool operator==(const PeriodMark&) const = default;
};

struct PeriodMarks {
  PeriodMark start;
  PeriodMark end;

  bool operator==(const PeriodMarks&) const = default;
};

// The end lies before the start: an earlier day, or an earlier part of the
// same day.
bool MarksReversed(const PeriodMarks& marks);

class PeriodEdit {
 public:
  PeriodEdit(platform::Services& os, const store::Folders& folders, const settings::Settings& settings,
             EditHost& host, DayEditorPort& editor);

  void SetSharedFolder(SharedFolder* shared) { shared_ = shared; }

  // The period at line `index` of the list. True when a line was stored.
  bool EditPeriod(int index);
  // A new period between the marks; "初めと終わりが逆です。" when reversed.
  bool NewPeriod(const PeriodMarks& marks);
  // The selected period, after "この予定を削除してもいいですか？".
  bool DeletePeriod();

 private:
  bool RunPeriodEdit(int index, const store::PeriodItem& item, bool isNew);
  // Network mode: maintenance check, lock, re-read, the remembered line
  // compared, lock confirmed. False: stop (the hold releases what it took).
  bool LockAndReread(EditLock& lock, int index);
  // Takes the editor's result into the list.
  EditStored StoreResult(int index, const editors::PeriodResult& result, const std::string& author,
                         EditLock& lock);

  platform::Services& os_;
  const store::Folders& folders_;
  const settings::Settings& settings_;
  EditHost& host_;
  DayEditorPort& editor_;
  SharedFolder* shared_ = nullptr;
};

}  // namespace shell
