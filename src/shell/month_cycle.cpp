#include "shell/month_cycle.h"

#include <algorithm>
#include <cstdio>

#include "platform/dialog_helpers.h"
#include "platform/list_files.h"
#include "shell/month_entry.h"
#include "store/data_folders.h"
#include "store/save_guard.h"
#include "support/paths.h"
#include "support/text.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using platform::Inform;

constexpr int kRunLogTries = 5;
constexpr unsigned kRunLogWaitMs = 500;

// Year and month of "YYYYMM"; what is not a number counts as 0.
std::pair<int, int> ParseMonthText(std::string_view text) {
  const int year = support::StrToIntDef(text.substr(0, 4), 0);
  const int month = text.size() > 4 ? support::StrToIntDef(text.substr(4, 2), 0) : 0;
  return {year, month};
}

void ClearLines(store::MonthSlot& d) {
  d.lines.clear();
  d.originals.Clear();
}

// A month whose folder is gone: shown empty, never written (the save
// guard's unread rule).
void ProtectMissing(store::MonthSlot& d, const std::string& setName) {
  ClearLines(d);
  d.lines.assign(1, store::MonthHeader(d.year, d.month, setName));
  d.loadCount = 1;
  d.unread = true;
}

}  // namespace

std::string WindowTabCaption(int month) {
  return support::ToFullWidthDigits(std::to_string(month)) + "月";
}

std::string ExtraTabCaption(int year, int month) {
  char text[32];
  std::snprintf(text, sizeof text, "%d.%2d", year, month);
  return text;
}

MonthCycle::MonthCycle(platform::Services& os, const store::Folders& folders,
                       store::NetworkLink& network, MonthView& view, CycleHost& host)
    : os_(os), folders_(folders), network_(network), view_(view), host_(host) {}

void MonthCycle::FillSlot(int i, int year, int month) {
  const std::string text = MonthText(year, month);  // wraps the month into 1..12
  const auto [y, m] = ParseMonthText(text);
  Slot& s = slots_[i];
  s.data.year = y;
  s.data.month = m;
  ClearLines(s.data);
  s.data.loadCount = 0;
  s.data.unread = false;
  s.unsaved = false;
  s.caption = i < kWindowSlots ? WindowTabCaption(m) : ExtraTabCaption(y, m);
  s.fileName = store::MonthFileName(y, m);
}

void MonthCycle::BuildWindow(const calendar::Date& today) {
  today_ = DateToJulius(today.year, today.month, today.day);
  view_.SetEntryText(MonthText(today.year, today.month));
  for (int i = 0; i < kExtraSlot + 1; ++i) FillSlot(i, today.year, today.month + i - 1);
  windowFirst_ = DateToJulius(slots_[0].data.year, slots_[0].data.month, 1);
  const Slot& last = slots_[kWindowSlots - 1];
  windowLast_ = DateToJulius(last.data.year, last.data.month + 1, 1) - 1;
  current_ = returnSlot_ = kCurrentMonthSlot;
  outside_ = periodsUnsaved_ = false;
  ShowFiveTabs();
  view_.ShowSlot(current_, today_);
}

void MonthCycle::EnsureRunLogFile() {
  const std::string path = support::JoinPath(folders_.commonDataFolder, kRunLogFileName);
  if (os_.fs.Exists(path)) return;
  if (!platform::SaveListRetry(os_, {kRunLogHeader}, path, kRunLogWaitMs, kRunLogTries))
    Inform(os_.dialogs, "[ " + path + " ]の書込に失敗しました。");
}

// A data folder that went away (renamed, a drive gone) would show empty
// months, and the next write would make a fresh empty folder in its place.
// Said once until it is back; the months read meanwhile are never written.
bool MonthCycle::LocalDataFolderMissing() {
  if (network_.on || os_.fs.IsFolder(support::RemoveTrailingSeparator(folders_.dataFolder))) {
    folderMissingTold_ = false;
    return false;
  }
  if (!folderMissingTold_)
    Inform(os_.dialogs, "データフォルダ[ " + folders_.dataFolder + " ]が見つかりません。\r\n"
                        "フォルダが移動または削除されていないか確認してください。\r\n"
                        "フォルダが戻るまで、予定は表示も保存もできません。");
  folderMissingTold_ = true;
  return true;
}

ReloadResult MonthCycle::ReloadAll() {
  if (network_.on && !os_.fs.IsFolder(folders_.dataFolder)) {
    Inform(os_.dialogs, store::NetworkFolderMissingText(folders_.dataFolder, "[n030]"));
    host_.NetworkFolderLost();
    return ReloadResult::NetworkOff;
  }
  for (int i = 0; i < kWindowSlots; ++i) {
    ClearLines(slots_[i].data);
    slots_[i].unsaved = false;
  }
  periods_.lines.clear();
  periods_.originals.Clear();
  periodsUnsaved_ = false;
  if (LocalDataFolderMissing()) {
    for (int i = 0; i < kWindowSlots; ++i) ProtectMissing(slots_[i].data, folders_.setName);
    periods_.lines.assign(1, store::PeriodHeader(folders_.setName));
    periods_.unread = true;
    view_.Refresh();
    return ReloadResult::Read;
  }
  EnsureRunLogFile();
  for (int i = 0; i < kWindowSlots; ++i) store::ReadMonth(env(), slots_[i].data, i, true);
  const auto read = store::ReadPeriods(env(), periods_, network_.on, network_.on, backups_);
  view_.Refresh();
  if (read == store::PeriodReadResult::NetworkFolderMissing) {
    host_.NetworkFolderLost();
    return ReloadResult::NetworkOff;
  }
  if (read == store::PeriodReadResult::FolderNotCreatable) return ReloadResult::FolderNotCreatable;
  return ReloadResult::Read;
}

int MonthCycle::WindowSlotOf(int year, int month) const {
  for (int i = 0; i < kWindowSlots; ++i)
    if (slots_[i].data.year == year && slots_[i].data.month == month) return i;
  return -1;
}

void MonthCycle::ShowFiveTabs() {
  std::vector<std::string> captions;
  for (int i = 0; i < kWindowSlots; ++i) captions.push_back(slots_[i].caption);
  view_.SetTabs(captions, current_);
}

void MonthCycle::ShowWindowSlot(int i, int day) {
  current_ = i;
  if (outside_) {
    LeaveOutside(day);
    return;
  }
  ShowFiveTabs();
  view_.ShowSlot(i, DateToJulius(slots_[i].data.year, slots_[i].data.month, day));
}

void MonthCycle::LeaveOutside(int day) {
  Slot& extra = slots_[kExtraSlot];
  if (!extra.fileName.empty() && extra.unsaved) {
    SaveMonth(kExtraSlot);
    extra.fileName.clear();
  }
  if (periodsUnsaved_ || network_.on) SavePeriods();
  outside_ = false;
  extra.unsaved = false;
  ShowFiveTabs();
  const store::MonthSlot& d = slots_[current_].data;
  view_.ShowSlot(current_, DateToJulius(d.year, d.month, day));
}

// A refused move changes nothing: the extra slot keeps what it shows, so
// an edit made there afterwards is still saved.
bool MonthCycle::MoveOutside(int year, int month, int day) {
  if (current_ == kExtraSlot && slots_[kExtraSlot].unsaved) host_.SaveAll();
  const calendar::DayNumber first = DateToJulius(year, month, 1);
  if (first < windowFirst_ - kFarthestMoveDays) {
    Inform(os_.dialogs, "日付がむかしすぎます。");
    return false;
  }
  if (first > windowLast_ + kFarthestMoveDays) {
    Inform(os_.dialogs, "日付が未来すぎます。");
    return false;
  }
  if (current_ < kWindowSlots) returnSlot_ = current_;
  outside_ = true;
  FillSlot(kExtraSlot, year, month);
  view_.SetTabs({slots_[kExtraSlot].caption, kCurrentMonthTab}, 0);
  if (LocalDataFolderMissing()) ProtectMissing(slots_[kExtraSlot].data, folders_.setName);
  else store::ReadMonth(env(), slots_[kExtraSlot].data, kExtraSlot, true);
  current_ = kExtraSlot;
  view_.ShowSlot(kExtraSlot, first + day - 1);
  return true;
}

void MonthCycle::GoToMonth(std::string_view yyyymm, int day) {
  const auto [year, month] = ParseMonthText(yyyymm);
  if (month < 1 || month > 12) return;
  day = std::clamp(day, 1, calendar::DaysInMonth(year, month));
  const int slot = WindowSlotOf(year, month);
  if (slot >= 0) ShowWindowSlot(slot, day);
  else MoveOutside(year, month, day);
}

void MonthCycle::MoveBy(int months) {
  const std::string target = MonthText(shownYear(), shownMonth() + months);
  view_.SetEntryText(target);
  GoToMonth(target);
}

void MonthCycle::GoToCurrentMonth() {
  const store::MonthSlot& d = slots_[kCurrentMonthSlot].data;
  GoToMonth(MonthText(d.year, d.month));
}

void MonthCycle::ReturnToStandard() {
  if (outside_) ShowWindowSlot(returnSlot_);
}

void MonthCycle::SelectTab(int index) {
  if (outside_) {
    if (index == 1) GoToCurrentMonth();
    return;
  }
  if (index >= 0 && index < kWindowSlots) ShowWindowSlot(index);
}

bool MonthCycle::EnterMonth(std::string_view text) {
  if (!EntryMonthValid(text)) {
    Inform(os_.dialogs, kEntryFormatError);
    return false;
  }
  GoToMonth(text);
  return true;
}

void MonthCycle::FollowGrid(const calendar::Date& date) {
  if (date.year == shownYear() && date.month == shownMonth()) return;
  GoToMonth(MonthText(date.year, date.month), date.day);
}

// Every month write of the program passes here: the data store's shrink
// guard asks before a month that lost half of its lines is written.
bool MonthCycle::SaveMonth(int slot) {
  Slot& s = slots_[slot];
  if (s.fileName.empty() || s.data.month == 0) return false;  // nothing to save
  const store::SaveOutcome outcome = store::SaveMonth(env(), s.data, network_);
  s.writeFailed = outcome == store::SaveOutcome::Failed;
  if (outcome != store::SaveOutcome::Written) return false;
  s.unsaved = false;
  s.data.loadCount = static_cast<int>(s.data.lines.size());
  return true;
}

bool MonthCycle::SavePeriods() {
  const store::SaveOutcome outcome = store::SavePeriods(env(), periods_, network_);
  periodsWriteFailed_ = outcome == store::SaveOutcome::Failed;
  if (outcome != store::SaveOutcome::Written) return false;
  periodsUnsaved_ = false;
  periods_.loadCount = static_cast<int>(periods_.lines.size());
  return true;
}

std::vector<std::string> MonthCycle::SaveData() {
  std::vector<std::string> failed;
  for (int i : {kExtraSlot, 0, 1, 2, 3, 4}) {
    if (!slots_[i].unsaved) continue;
    if (!SaveMonth(i) && slots_[i].writeFailed)
      failed.push_back(support::JoinPath(folders_.dataFolder, slots_[i].fileName));
  }
  if (periodsUnsaved_ && !SavePeriods() && periodsWriteFailed_)
    failed.push_back(support::JoinPath(folders_.dataFolder, store::kPeriodFileName));
  return failed;
}

void MonthCycle::NoteEdit(int slot) {
  slots_[slot].unsaved = true;
  if (network_.on) network_.writePending = true;
}

void MonthCycle::NotePeriodEdit() {
  periodsUnsaved_ = true;
  if (network_.on) network_.writePending = true;
}

EditSaved MonthCycle::CommitEdit(int slot) {
  NoteEdit(slot);
  if (network_.on) return EditSaved::Deferred;
  return SaveMonth(slot) ? EditSaved::Written : EditSaved::Kept;
}

EditSaved MonthCycle::CommitPeriodEdit() {
  NotePeriodEdit();
  if (network_.on) return EditSaved::Deferred;
  return SavePeriods() ? EditSaved::Written : EditSaved::Kept;
}

void MonthCycle::ClearForRebuild() {
  for (int i = 0; i < kWindowSlots; ++i) ClearLines(slots_[i].data);
  periods_.lines.clear();
  periods_.originals.Clear();
  periodsUnsaved_ = false;
}

}  // namespace shell
