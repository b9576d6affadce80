#include "store/month_file.h"

#include <algorithm>
#include <cstdio>

#include "platform/dialog_helpers.h"

namespace store {
namespace {

DayEntry EntryOfLine(std::string_view line, bool memo) {
  auto fields = SplitItem(line);
  DayEntry entry;
  if (fields.size() > kItemText) entry.text = CommasToShown(fields[kItemText]);
  if (memo)
    entry.attributes.color = kClBlack;
  else
    entry.attributes = ParseItemAttributes(fields);
  return entry;
}

}  // namespace

std::string MonthFileName(int year, int month) {
  char name[32];
  std::snprintf(name, sizeof name, "Ca%.4d%.2d.kdf", year, month);
  return name;
}

std::string MonthHeader(int year, int month, const std::string& setName) {
  char head[48];
  std::snprintf(head, sizeof head, " 0,0,9,%4.d/%2.d [", year, month);
  return head + setName + "]";
}

void ReadMonth(const StoreEnv& env, MonthSlot& slot, int slotNumber, bool force) {
  std::string path = env.folders.dataFolder + MonthFileName(slot.year, slot.month);
  bool missing = false;
  if (slot.lines.empty() || force) {
    // One attempt first, so that a missing file costs no waiting.
    auto read = [&](int tries) {
      return ReadLinesRetry(env.os, path, kMonthReadWaitMs, tries, slot.lines, &slot.originals);
    };
    bool done = read(1);
    missing = !done && !env.os.fs.Exists(path);
    if (!done && !missing) {
      env.os.clock.Sleep(kMonthReadWaitMs);
      done = read(kMonthReadTries - 1);
      if (!done)
        platform::Inform(env.os.dialogs, "予定データ読込エラー[ " + std::to_string(slotNumber) + " ]");
    }
    slot.unread = !done && !missing;
  }
  if (slot.lines.empty() || missing) slot.lines.assign(1, MonthHeader(slot.year, slot.month, env.folders.setName));
  slot.loadCount = static_cast<int>(slot.lines.size());
}

bool WriteMonth(const StoreEnv& env, const MonthSlot& slot) {
  return WriteLinesRetry(env.os, env.folders.dataFolder + MonthFileName(slot.year, slot.month),
                         kMonthWriteWaitMs, kMonthWriteTries, slot.lines, &slot.originals);
}

std::vector<DayEntry> LinesOfDay(const MonthSlot& slot, int month, int day, bool monthMemoOption) {
  bool memo = day == kMonthMemoDay;
  bool monthMatches = slot.month == month || (memo && monthMemoOption);
  std::vector<DayEntry> entries;
  if (monthMatches)
    for (const auto& line : slot.lines)
      if (ItemDay(line) == day) entries.push_back(EntryOfLine(line, memo));
  if (entries.empty()) entries.emplace_back();
  return entries;
}

void ReplaceDay(MonthSlot& slot, int month, int day, const std::vector<DayEntry>& entries,
                bool monthMemoOption) {
  if (!monthMemoOption && slot.month != month) return;
  std::erase_if(slot.lines, [day](const std::string& line) { return ItemDay(line) == day; });
  int position = 0;
  for (const auto& entry : entries) slot.lines.push_back(FormatItemLine(day, ++position, entry));
}

}  // namespace store
