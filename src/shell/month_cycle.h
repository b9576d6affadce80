#pragma once
// The months in memory: a window of five consecutive months around the
// current one plus one extra slot for any other month, the moves between
// them, and the guarded writes.
//
//   slot:     0        1         2        3        4        5
//   month:  2004/12  2005/ 1  2005/ 2  2005/ 3  2005/ 4   (elsewhere)
//   tab:     １２月    １月      ２月     ３月     ４月    "2030. 5"
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/julius.h"
#include "platform/services.h"
#include "store/folders.h"
#include "store/month_file.h"
#include "store/network_link.h"
#include "store/period_file.h"

namespace shell {

inline constexpr int kWindowSlots = 5;
inline constexpr int kExtraSlot = 5;
inline constexpr int kCurrentMonthSlot = 1;
// A move further than this from the window (about 300 years) is refused.
inline constexpr calendar::DayNumber kFarthestMoveDays = 109500;
inline constexpr char kCurrentMonthTab[] = "今月";
inline constexpr char kRunLogFileName[] = "VeldaSte.kdl";
inline constexpr char kRunLogHeader[] = "起動時刻ファイル<VeldaSte.kdl>";

struct Slot {
  store::MonthSlot data;
  std::string caption;   // "１２月", or "2030. 5" for the extra slot
  std::string fileName;  // "" when the slot holds nothing to save
  // Edited since the month was last written: offered again at every save
  // point until a write succeeds.
  bool unsaved = false;
  // The last attempt could not put the lines on disk (told at the time).
  bool writeFailed = false;
};

// The month grid and its tabs as the cycle drives them.
class MonthView {
 public:
  virtual ~MonthView() = default;
  // Show `slot` of the cycle in the grid on `day`; the grid reads the
  // slots' lines itself.
  virtual void ShowSlot(int slot, calendar::DayNumber day) = 0;
  virtual void SetTabs(const std::vector<std::string>& captions, int selected) = 0;
  virtual void SetEntryText(const std::string& yyyymm) = 0;
  // The data changed: lay out and paint again.
  virtual void Refresh() = 0;
};

// What the cycle needs from the main window.
class CycleHost {
 public:
  virtual ~CycleHost() = default;
  // The whole save of the main window (settings, then data).
  virtual bool SaveAll() = 0;
  // The shared folder is gone: the text with its code was shown; the
  // network is switched off.
  virtual void NetworkFolderLost() = 0;
};

enum class ReloadResult { Read, NetworkOff, FolderNotCreatable };

// What became of a confirmed edit: on disk, kept in memory for the next
// save point (the guard refused or the write failed, both told), or left
// to the network protocol.
enum class EditSaved { Written, Kept, Deferred };

// Slot captions and file names.
std::string WindowTabCaption(int month);           // "１２月"
std::string ExtraTabCaption(int year, int month);  // "2030. 5"

class MonthCycle {
 public:
  MonthCycle(platform::Services& os, const store::Folders& folders, store::NetworkLink& network,
             MonthView& view, CycleHost& host);

  // Today, the entry text, the six slots around today's month and the five
  // tabs. Reads nothing.
  void BuildWindow(const calendar::Date& today);
  // The five window months and the period file again from the data folder.
  ReloadResult ReloadAll();

  // "YYYYMM": into the window, or out into the extra slot; the grid shows
  // `day` of the month when given, else the 1st.
  void GoToMonth(std::string_view yyyymm, int day = 0);
  // The shown month moved by `months` (±1 a month, ±12 a year).
  void MoveBy(int months);
  void GoToCurrentMonth();       // "今月"
  void ReturnToStandard();       // "標準表示"
  void SelectTab(int index);
  // Enter in the month entry box; false (and the message) for a bad month.
  bool EnterMonth(std::string_view text);
  // The grid moved to another day by itself (a click on a neighbour day, a
  // pop-up command on one): the slot of its month is shown, inside the
  // window or out in the extra slot, so the grid never shows a month
  // without its lines.
  void FollowGrid(const calendar::Date& date);

  // The guarded write (store/save_guard.h). True when the month was written;
  // the file's line count is then the guard's new measure.
  bool SaveMonth(int slot);
  bool SavePeriods();
  // The data part of SaveAll: every month and the period file still
  // holding an edit that is not on disk (normally none: edits are written
  // when confirmed). The files whose edits could not be written.
  std::vector<std::string> SaveData();
  // A confirmed edit of the slot's lines or of the period list: marked, and
  // in local mode written at once through the guard, so that nothing
  // confirmed waits in memory for a close that may never come. In network
  // mode only the pending write is noted; the edit's own lock protocol
  // writes it.
  EditSaved CommitEdit(int slot);
  EditSaved CommitPeriodEdit();
  void NoteEdit(int slot);
  void NotePeriodEdit();
  bool unsaved(int slot) const { return slots_[slot].unsaved; }
  bool periodsUnsaved() const { return periodsUnsaved_; }

  // Forgets the window's lines and the periods before the window is built
  // again at the change of month.
  void ClearForRebuild();
  void SetToday(calendar::DayNumber today) { today_ = today; }

  const Slot& slot(int i) const { return slots_[i]; }
  Slot& slot(int i) { return slots_[i]; }
  const store::PeriodList& periods() const { return periods_; }
  store::PeriodList& periods() { return periods_; }
  store::PeriodBackups& periodBackups() { return backups_; }
  int current() const { return current_; }
  bool outside() const { return outside_; }
  calendar::DayNumber today() const { return today_; }
  calendar::DayNumber windowFirstDay() const { return windowFirst_; }
  calendar::DayNumber windowLastDay() const { return windowLast_; }
  // Year and month shown in the grid.
  int shownYear() const { return slots_[current_].data.year; }
  int shownMonth() const { return slots_[current_].data.month; }
  // The window slot of a month, or -1.
  int WindowSlotOf(int year, int month) const;

 private:
  store::StoreEnv env() const { return {os_, folders_}; }
  void FillSlot(int i, int year, int month);
  bool LocalDataFolderMissing();
  void ShowWindowSlot(int i, int day = 1);
  void ShowFiveTabs();
  void LeaveOutside(int day);
  bool MoveOutside(int year, int month, int day);
  void EnsureRunLogFile();

  platform::Services& os_;
  const store::Folders& folders_;
  store::NetworkLink& network_;
  MonthView& view_;
  CycleHost& host_;

  std::array<Slot, 6> slots_;
  store::PeriodList periods_;
  store::PeriodBackups backups_;
  int current_ = kCurrentMonthSlot;
  int returnSlot_ = kCurrentMonthSlot;
  bool outside_ = false;
  bool periodsUnsaved_ = false;
  bool folderMissingTold_ = false;
  bool periodsWriteFailed_ = false;
  calendar::DayNumber today_ = 0;
  calendar::DayNumber windowFirst_ = 0;
  calendar::DayNumber windowLast_ = 0;
};

}  // namespace shell
