#pragma once
// The month file "Ca%.4d%.2d.kdf" in the data folder: a header line, then
// the ScheduleItem lines (schedule_item.h) in the order they were stored.
//
//    0,0,9,2004/ 3 [Data\Files1\]
//   12,1,,歯医者,,,9:30:00,,,
//    5,1,,会議，第二会議室,clRed,,,,,
//   77,1,,月末に支払い,clBlack,,,,,
//
// The lines are kept as read, so a line nobody edited is written back byte
// for byte; rewriting a day removes its lines wherever they stand and
// appends the new ones at the end.
#include <string>
#include <vector>

#include "store/exact_lines.h"
#include "store/folders.h"
#include "store/schedule_item.h"

namespace store {

inline constexpr int kMonthReadTries = 5;
inline constexpr unsigned kMonthReadWaitMs = 500;
inline constexpr int kMonthWriteTries = 10;
inline constexpr unsigned kMonthWriteWaitMs = 300;

// One month in memory. The grid and the main window work on the same lines.
struct MonthSlot {
  int year = 0;
  int month = 0;  // 1..12
  std::vector<std::string> lines;
  int loadCount = 0;  // lines right after the last read, header included
  OriginalBytes originals;  // for writing unedited lines back byte for byte
  // The month's file exists but could not be read: the lines are not the
  // file's, so writing them would destroy it.
  bool unread = false;
};

// "Ca200403.kdf".
std::string MonthFileName(int year, int month);
// " 0,0,9,2004/ 3 [Data\Files1\]".
std::string MonthHeader(int year, int month, const std::string& setName);

// Reads the slot's month from the data folder unless the slot already holds
// lines and `force` is false; 5 attempts 500 ms apart, and when all fail
// "予定データ読込エラー[ n ]" with the slot number, the lines left as they
// were. A missing or empty file gives the header alone. Sets the load count.
void ReadMonth(const StoreEnv& env, MonthSlot& slot, int slotNumber, bool force);

// The whole list, header first; 10 attempts 300 ms apart, each an atomic
// replacement. False when all failed (the file is then as it was).
bool WriteMonth(const StoreEnv& env, const MonthSlot& slot);

// The entries of one day in file order, for the editor. `month` is the
// month being edited; the month memo is asked for with day 77 and month 0,
// and its lines are found only with the month-memo option ("cbTukiMemo").
// A day without lines gives one empty entry.
std::vector<DayEntry> LinesOfDay(const MonthSlot& slot, int month, int day, bool monthMemoOption);

// Removes the day's lines and appends one line per entry, positions from 1.
// Without the month-memo option only a slot of `month` is touched.
void ReplaceDay(MonthSlot& slot, int month, int day, const std::vector<DayEntry>& entries,
                bool monthMemoOption);

}  // namespace store
