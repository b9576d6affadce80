#include "settings/options_changes.h"

#include <initializer_list>
#include <string_view>

#include "platform/dialog_helpers.h"
#include "settings/options.h"

namespace settings {
namespace {

using C = OptionsChanges;
using Flag = bool C::*;

struct KeyActions {
  std::string_view key;
  std::initializer_list<Flag> flags;
};

// Keys not named here take effect where they are next read (at the next
// start, an edit, a backup run) and need nothing at once.
const KeyActions kActions[] = {
    {"cbTukiMemo", {&C::gridOptions}},
    {"cbTukiMUeTume", {&C::gridOptions}},
    {"cbUetume", {&C::gridOptions}},
    {"TabToSp", {&C::gridOptions}},
    {"TabAdj", {&C::gridOptions}},
    {"cbBold", {&C::gridOptions}},
    {"cbToubai", {&C::gridOptions}},
    {"cbCursor", {&C::gridOptions}},
    {"cbTukiYotei", {&C::gridOptions}},
    {"edtKColor", {&C::gridOptions}},
    {"edtCYotei", {&C::gridOptions}},
    {"cbNeighborJump", {&C::gridOptions}},
    {"cbNextDay", {&C::gridOptions, &C::yearPage}},
    {"cbEquinox", {&C::gridOptions, &C::yearPage}},
    {"cbFurikae", {&C::gridOptions, &C::yearPage}},
    {"rgStYoubi", {&C::gridOptions, &C::yearPage}},
    {"rbKinenbi", {&C::gridOptions, &C::yearPage}},
    {"edtCRokuyo", {&C::gridOptions, &C::yearPage}},
    {"edtCKinenbi", {&C::gridOptions, &C::yearPage}},
    {"edtCSun", {&C::gridOptions, &C::yearPage}},
    {"edtCSat", {&C::gridOptions, &C::yearPage}},
    {"edtCWeekDay", {&C::gridOptions, &C::yearPage}},
    {"SpHajimariTuki", {&C::yearPage}},
    {"udYokoC", {&C::displayMode}},
    {"cbJigen", {&C::timeCheckInterval, &C::alarmButton}},
    {"cbTimerNo", {&C::timeCheckInterval}},
    {"cbBackKankaku", {&C::backupInterval}},
    {"cbHotkey", {&C::hotkeys}},
    {"cbToday", {&C::hotkeys}},
    {"cbEditor", {&C::hotkeys, &C::memoTab}},
    {"edtEditorFolder", {&C::hotkeys, &C::memoTab, &C::companionPaths}},
    {"edtPrintFolder", {&C::companionPaths}},
    {"cbKidouKiroku", {&C::runLog}},
    {"cb24ji", {&C::statusBar}},
    {"cbShiyouchuu", {&C::statusBar}},
    {"cbMemo", {&C::memoTab}},
    {"cbVelkaM", {&C::memoTab}},
    {"cbPrint", {&C::printButton}},
    {"rbNetKoushin", {&C::netPoll}},
    {"edtNetFolder", {&C::netFolder}},
    {"cbCloseBtn", {&C::nextStart}},
    {"cbLNetf", {&C::nextStart}},
};

void Mark(std::string_view key, OptionsChanges& changes) {
  for (const auto& row : kActions)
    if (row.key == key)
      for (Flag flag : row.flags) changes.*flag = true;
}

}  // namespace

OptionsChanges ChangesOf(const Settings& before, const Settings& after, bool networkOn) {
  OptionsChanges changes;
  for (const auto& row : SettingsKeys()) {
    if (ValueText(row, before) == ValueText(row, after)) continue;
    changes.changedKeys.emplace_back(row.key);
    Mark(row.key, changes);
  }
  changes.endProgram = !SameDataFolder(before.edFolder, after.edFolder);
  changes.switchNetworkOff = networkOn && ((before.cbNet && !after.cbNet) || changes.netFolder);
  return changes;
}

bool AfterOptionsClosed(const OptionsChanges& changes, platform::Dialogs& dialogs) {
  if (!changes.endProgram) return false;
  platform::Inform(dialogs,
                   "データフォルダ等が変更になったため、一度終了します。\r\n"
                   "再び、起動した後は、設定した項目が有効になります。");
  return true;
}

}  // namespace settings
