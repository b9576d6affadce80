#include "shell/period_edit.h"

#include <utility>

#include "platform/dialog_helpers.h"
#include "store/color_text.h"
#include "store/period_item.h"

namespace shell {
namespace {

constexpr char kDeleteQuestion[] = "この予定を削除してもいいですか？";
constexpr char kChangedByOther[] =
    "他の方によって、期間予定データが変更されています。\r\nもう一度、期間予定の指定処理からお願いいたします。";

bool ValidIndex(const store::PeriodList& list, int index) {
  return index > 0 && index < static_cast<int>(list.lines.size());
}

}  // namespace

bool MarksReversed(const PeriodMarks& marks) {
  if (marks.end.day != marks.start.day) return marks.end.day < marks.start.day;
  return marks.end.part < marks.start.part;
}

PeriodEdit::PeriodEdit(platform::Services& os, const store::Folders& folders,
                       const settings::Settings& settings, EditHost& host, DayEditorPort& editor)
    : os_(os), folders_(folders), settings_(settings), host_(host), editor_(editor) {}

bool PeriodEdit::EditPeriod(int index) {
  if (!ValidIndex(host_.Periods(), index)) return false;
  return RunPeriodEdit(index, store::PeriodItem{}, false);
}

bool PeriodEdit::NewPeriod(const PeriodMarks& marks) {
  if (!marks.start.set() || !marks.end.set()) return false;
  if (MarksReversed(marks)) {
    platform::Inform(os_.dialogs, store::kPeriodReversedText);
    return false;
  }
  const store::PeriodItem item = store::NewPeriodItem(
      marks.start.day, marks.start.part, marks.end.day, marks.end.part, settings_.udKFutosa,
      store::ColorToText(settings_.edtKColor), os_.system.ComputerName());
  return RunPeriodEdit(0, item, true);
}

// A change starts from the line as it stands after the re-read, so that the
// page shows what is stored now. A lock lost meanwhile refuses the write, as
// a day's edit does.
bool PeriodEdit::RunPeriodEdit(int index, const store::PeriodItem& newItem, bool isNew) {
  EditLock lock(shared_, os_.dialogs, PeriodLockPath(folders_));
  if (!LockAndReread(lock, index)) return false;
  const store::PeriodItem item =
      isNew ? newItem : store::ParsePeriodItem(host_.Periods().lines[index]);
  editors::PeriodPage page = editors::PeriodPageOf(item, isNew, settings_.edtCYotei, settings_.edtKColor);
  for (;;) {
    editors::PeriodResult result;
    EditStored stored = EditStored::No;
    bool finishedOutside = false;
    {
      OpenEdit::Scope open(host_.openEdit, [&] {
        result = editor_.FinishPeriod();
        stored = StoreResult(index, result, item.author, lock);
      });
      const editors::PeriodResult shown = editor_.EditPeriod(page);
      finishedOutside = open.finished();
      if (!finishedOutside) stored = StoreResult(index, result = shown, item.author, lock);
    }
    host_.Refresh();
    if (stored != EditStored::LockLost) return stored == EditStored::Yes;
    if (finishedOutside ||
        !RetakeLostLock(os_.dialogs, lock.path(), [&] { return LockAndReread(lock, index); }))
      return false;
    page = result.page;
  }
}

EditStored PeriodEdit::StoreResult(int index, const editors::PeriodResult& result,
                                   const std::string& author, EditLock& lock) {
  if (result.clearSelectedPeriod) host_.Periods().selected = 0;
  if (!result.writeBack) return EditStored::No;
  const store::PeriodItem item = editors::PeriodItemOf(result.page, author);
  if (!store::ConfirmPeriodDates(os_.dialogs, item)) return EditStored::No;
  if (!lock.StillHeld()) return EditStored::LockLost;
  store::StorePeriodLine(host_.Periods(), index, store::FormatPeriodItem(item));
  host_.CommitPeriodEdit();
  if (lock.networkOn()) host_.SavePeriods();
  return EditStored::Yes;
}

bool PeriodEdit::DeletePeriod() {
  const int index = host_.Periods().selected;
  if (!ValidIndex(host_.Periods(), index)) return false;
  EditLock lock(shared_, os_.dialogs, PeriodLockPath(folders_));
  if (!LockAndReread(lock, index)) return false;
  host_.Periods().selected = index;  // the line the user chose, checked above
  const bool confirmed = platform::AskYesNoCaption(os_.dialogs, kDeleteQuestion, "確認", false);
  if (confirmed && !lock.StillHeld()) {
    platform::Inform(os_.dialogs, LockLostText(lock.path()) + "\r\nもう一度、削除からお願いいたします。");
    host_.Refresh();
    return false;
  }
  const bool deleted = confirmed && store::DeleteSelectedPeriod(host_.Periods());
  host_.Refresh();
  if (deleted) host_.CommitPeriodEdit();
  if (lock.networkOn()) {
    host_.NotePeriodEdit();
    host_.SavePeriods();
  }
  return deleted;
}

bool PeriodEdit::LockAndReread(EditLock& lock, int index) {
  if (!lock.networkOn()) return true;
  if (shared_->ServiceLockPresent()) return false;
  if (!lock.Acquire()) return false;
  store::PeriodList& list = host_.Periods();
  const std::string remembered = index > 0 ? list.lines[index] : std::string();
  const store::PeriodReadResult read = host_.RereadPeriods();
  if (read == store::PeriodReadResult::NetworkFolderMissing) {
    lock.Abandon();  // the folder is gone, and the lock file with it
    return false;
  }
  // A list that could not be read again is no base for a change.
  if (read != store::PeriodReadResult::Read) return false;
  if (index > 0 && store::PeriodChangedByOther(list, index, remembered)) {
    platform::Inform(os_.dialogs, kChangedByOther);
    host_.Refresh();
    return false;
  }
  return lock.Confirm();
}

}  // namespace shell
