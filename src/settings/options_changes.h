#pragma once
// What the main window must do once the options window is gone, worked out
// from its settings before and after. The main window applies each item;
// none of them is done here.
#include <string>
#include <vector>

#include "platform/dialogs.h"
#include "settings/settings.h"

namespace settings {

struct OptionsChanges {
  std::vector<std::string> changedKeys;  // in the order of the key table

  // The grid's options, fonts and colours: ApplyGridSettings, repaint.
  bool gridOptions = false;
  // The year page: its special start month, colours, week start, holidays.
  bool yearPage = false;
  // udYokoC: the display mode in use laid out again (the wide cells).
  bool displayMode = false;
  // cbJigen, cbTimerNo: the function timer's interval (once warmed up).
  bool timeCheckInterval = false;
  // cbJigen: the "時限" button's caption and action.
  bool alarmButton = false;
  // cbBackKankaku: the automatic backup's interval in days changed.
  bool backupInterval = false;
  // cbHotkey, cbToday, cbEditor, the editor path: the keys bound again.
  bool hotkeys = false;
  // cbKidouKiroku switched: the run-time log's option change and its menu
  // item (on: after.cbKidouKiroku).
  bool runLog = false;
  // cb24ji, cbShiyouchuu: the clock and status panel 2.
  bool statusBar = false;
  // cbMemo, cbEditor, cbVelkaM, the editor path: the memo tab, its menu
  // and the memo button.
  bool memoTab = false;
  // cbPrint: the print button and pop-up item.
  bool printButton = false;
  // edtEditorFolder, edtPrintFolder: the companion programs' paths.
  bool companionPaths = false;
  // rbNetKoushin: the shared-folder poll's interval.
  bool netPoll = false;
  // edtNetFolder: the lock, counter and administration paths.
  bool netFolder = false;
  // Sharing switched off, or its folder changed, while the network mode
  // runs: the mode goes off (the user switches it on again).
  bool switchNetworkOff = false;
  // cbCloseBtn, cbLNetf: they take effect at the next start.
  bool nextStart = false;
  // The local data folder changed: the program tells that it ends once
  // and closes (AfterOptionsClosed).
  bool endProgram = false;

  bool any() const { return !changedKeys.empty(); }
};

// `networkOn`: the network mode runs now.
OptionsChanges ChangesOf(const Settings& before, const Settings& after, bool networkOn);

// Step 4 of the options flow, after the window is gone and the changes
// are applied: when the data folder changed, tells that the program ends
// once and returns true; the main window then closes.
bool AfterOptionsClosed(const OptionsChanges& changes, platform::Dialogs& dialogs);

}  // namespace settings
