#include "shell/edit_flows.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "platform/dialog_helpers.h"
#include "store/period_file.h"
#include "support/paths.h"

namespace shell {
namespace {

constexpr char kPeriodLockName[] = "CaFromTo.lock";

std::string ReleaseFailure(const std::string& path) {
  return "ロックファイル[" + path + "]を消去できませんでした。" + "\r\n" +
         "もし、自身のロックファイルが存在していましたら、" + "\r\n" +
         "メンテナンスでロックファイルを削除する必要があります。";
}

std::string ShrinkWarning(int lost) {
  return "データ行数が、[" + std::to_string(lost) + "]行少なくなっています（元の半分以下）。" + "\r\n" +
         "ご注意下さい。" + "\r\n" + "（どなたかがデータを削除されているのであれば、問題はありません。）";
}

// The user's change of the day (what the editor showed -> what was typed)
// laid over the day as it now stands, so that what another computer wrote
// into the same day meanwhile stays.
std::vector<store::DayEntry> TypedOver(const std::vector<store::DayEntry>& shown,
                                       std::vector<store::DayEntry> added,
                                       std::vector<store::DayEntry> now) {
  for (const store::DayEntry& e : shown) {
    if (auto kept = std::find(added.begin(), added.end(), e); kept != added.end()) {
      added.erase(kept);
    } else if (auto removed = std::find(now.begin(), now.end(), e); removed != now.end()) {
      now.erase(removed);
    }
  }
  now.insert(now.end(), added.begin(), added.end());
  return now;
}

}  // namespace

std::string LockLostText(const std::string& path) {
  return "ロックファイル[" + path + "]が、このコンピュータのものではなくなっています。\r\n"
         "（メンテナンスでロックが解除されたか、他のコンピュータがロックしています。）\r\n"
         "データは書き込んでいません。";
}

bool RetakeLostLock(platform::Dialogs& dialogs, const std::string& path,
                    const std::function<bool()>& lockAndReread) {
  const std::string question =
      LockLostText(path) + "\r\n\r\nデータを読み直して、入力した内容で編集をやり直しますか？";
  while (platform::AskYesNo(dialogs, question, true))
    if (lockAndReread()) return true;
  return false;
}

std::string MonthLockPath(const store::Folders& folders, int year, int month) {
  char name[32];
  std::snprintf(name, sizeof name, "Ca%.4d%.2d.lock", year, month);
  return support::JoinPath(folders.dataFolder, name);
}

std::string PeriodLockPath(const store::Folders& folders) {
  return support::JoinPath(folders.dataFolder, kPeriodLockName);
}

// ---- EditLock ----------------------------------------------------------------

EditLock::EditLock(SharedFolder* shared, platform::Dialogs& dialogs, std::string path)
    : shared_(shared && shared->On() ? shared : nullptr), dialogs_(dialogs), path_(std::move(path)) {}

EditLock::~EditLock() {
  if (held_ && !shared_->ReleaseLock(path_)) platform::Inform(dialogs_, ReleaseFailure(path_));
}

bool EditLock::Acquire() {
  if (!shared_) return true;
  held_ = shared_->AcquireLock(path_);
  return held_;
}

bool EditLock::StillHeld() {
  if (!shared_) return true;
  if (held_ && shared_->HoldsLock(path_)) return true;
  held_ = false;
  return false;
}

bool EditLock::Confirm() {
  if (!shared_) return true;
  if (shared_->AcquireLock(path_)) return true;
  held_ = false;
  return false;
}

// ---- OpenEdit ----------------------------------------------------------------

bool OpenEdit::Finish() {
  if (!finish_ || finished_) return false;
  finished_ = true;
  finish_();
  return true;
}

OpenEdit::Scope::Scope(OpenEdit& open, std::function<void()> finish) : open_(open) {
  open_.finish_ = std::move(finish);
  open_.finished_ = false;
}

OpenEdit::Scope::~Scope() {
  open_.finish_ = nullptr;
  open_.finished_ = false;
}

// ---- EditFlows ---------------------------------------------------------------

EditFlows::EditFlows(platform::Services& os, const store::Folders& folders,
                     const settings::Settings& settings, EditHost& host, DayEditorPort& editor,
                     const calendar::DayClassifier& days)
    : os_(os), folders_(folders), settings_(settings), host_(host), editor_(editor), days_(days) {}

bool EditFlows::EditDay(calendar::DayNumber day) {
  const int slot = host_.ShownSlot();
  const calendar::Date date = calendar::JuliusToDate(day);
  const store::MonthSlot& month = host_.Month(slot);
  if (month.year != date.year || month.month != date.month) return false;
  return RunMonthEdit(slot, date.day, false, [&](std::vector<store::DayEntry> entries, bool unwritten) {
    editors::DayRequest request{date.year, date.month, date.day, std::move(entries),
                                days_.DayNames(date.year, date.month, date.day), unwritten};
    return editor_.EditDay(request);
  });
}

bool EditFlows::EditMonthMemo() {
  if (!settings_.cbTukiMemo) return false;
  const int slot = host_.ShownSlot();
  return RunMonthEdit(slot, store::kMonthMemoDay, true, [&](std::vector<store::DayEntry> entries, bool unwritten) {
    const store::MonthSlot& month = host_.Month(slot);
    return editor_.EditMonthMemo({month.year, month.month, std::move(entries), unwritten});
  });
}

// The editor may be open for a long time; in network mode the month's lock
// is held meanwhile and the month is written as soon as it closes. A lock
// lost meanwhile refuses the write; the user may edit again with what was
// typed, on the month as it now stands.
bool EditFlows::RunMonthEdit(int slot, int day, bool monthMemo, const ShowEditor& show) {
  store::MonthSlot& month = host_.Month(slot);
  EditLock lock(shared_, os_.dialogs, MonthLockPath(folders_, month.year, month.month));
  if (!LockAndReread(lock, slot)) return false;
  const int monthAsked = monthMemo ? 0 : month.month;
  std::vector<store::DayEntry> entries = store::LinesOfDay(month, monthAsked, day, settings_.cbTukiMemo);
  for (bool madeAgain = false;; madeAgain = true) {
    editors::DayResult result;
    EditStored stored = EditStored::No;
    bool finishedOutside = false;
    {
      OpenEdit::Scope open(host_.openEdit, [&] {
        result = editor_.FinishDay();
        stored = StoreDayResult(slot, day, lock, result);
      });
      const editors::DayResult shown = show(entries, madeAgain);
      finishedOutside = open.finished();
      if (!finishedOutside) stored = StoreDayResult(slot, day, lock, result = shown);
    }
    host_.Refresh();
    if (stored != EditStored::LockLost) return stored == EditStored::Yes;
    if (finishedOutside ||
        !RetakeLostLock(os_.dialogs, lock.path(), [&] { return LockAndReread(lock, slot); }))
      return false;
    entries = TypedOver(entries, result.entries, store::LinesOfDay(month, monthAsked, day, settings_.cbTukiMemo));
  }
}

EditStored EditFlows::StoreDayResult(int slot, int day, EditLock& lock, const editors::DayResult& result) {
  if (result.clearSelectedPeriod) host_.Periods().selected = 0;
  if (!result.writeBack) return EditStored::No;
  if (!lock.StillHeld()) return EditStored::LockLost;
  store::MonthSlot& month = host_.Month(slot);
  store::ReplaceDay(month, month.month, day, result.entries, settings_.cbTukiMemo);
  host_.CommitMonthEdit(slot);
  if (lock.networkOn()) host_.SaveMonth(slot);
  return EditStored::Yes;
}

bool EditFlows::LockAndReread(EditLock& lock, int slot) {
  if (!lock.networkOn()) return true;
  // A maintenance restore may be replacing the month files, the month
  // memo's among them.
  if (shared_->ServiceLockPresent()) return false;
  if (!lock.Acquire()) return false;
  const int before = static_cast<int>(host_.Month(slot).lines.size());
  host_.RereadMonth(slot);
  // The read failure was told; an editor on what is left would only lose
  // what the user types to the save guard. The lock goes with `lock`.
  if (host_.Month(slot).unread) return false;
  const int after = static_cast<int>(host_.Month(slot).lines.size());
  if (after < before / 2) platform::Inform(os_.dialogs, ShrinkWarning(before - after));
  return lock.Confirm();
}

// ---- CycleEditHost -----------------------------------------------------------

void CycleEditHost::RereadMonth(int slot) {
  store::MonthSlot& month = cycle_.slot(slot).data;
  month.lines.clear();
  month.originals.Clear();
  store::ReadMonth({os_, folders_}, month, slot, true);
  view_.Refresh();
}

store::PeriodReadResult CycleEditHost::RereadPeriods() {
  store::PeriodList& periods = cycle_.periods();
  periods.lines.clear();
  periods.originals.Clear();
  const auto result =
      store::ReadPeriods({os_, folders_}, periods, true, network_.on, cycle_.periodBackups());
  if (result == store::PeriodReadResult::NetworkFolderMissing && networkFolderLost) networkFolderLost();
  view_.Refresh();
  return result;
}

void CycleEditHost::SpecialDaysChanged() {
  view_.Refresh();
  if (specialDaysChanged) specialDaysChanged();
}

}  // namespace shell
