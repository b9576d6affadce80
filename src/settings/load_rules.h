#pragma once
// The rules of a settings load that need no file system: which keys are
// read on this computer, the values forced after reading, and where the
// main window goes.
#include "settings/key_table.h"
#include "settings/settings.h"
#include "support/geometry.h"

namespace settings {

using support::Rect;

// A work area this high or lower gets the compact three-row grid.
inline constexpr int kCompactScreenHeight = 609;

// What the computer and the start-up decide about reading.
struct ReadConditions {
  int workAreaHeight = 0;
  bool netFolderSetByStartup = false;  // "/DN" or "/F" filled the network keys
  bool onNetworkDrive = false;
  int shellMajorVersion = 0;  // 0 when unknown
};

// Reads every key of `ini` into `s` and applies the forced values: vSizeNo,
// cbMonthBtn, the valid vCalGyou rows, cbToday on an old shell. Keys that
// are not read on this computer get their default or, for the network keys
// set by start-up, stay as they are.
void ReadSettings(const IniValues& ini, const ReadConditions& conditions, Settings& s);

bool IsValidCalendarRows(int rows);  // 3, 4, 5, 6, 14, 15, 26

// Hot keys work only when wanted and the resident button stays a resident
// button.
inline bool HotkeysOn(const Settings& s) { return s.cbHotkey && !s.cbCloseBtn; }

struct WindowPlacement {
  bool centred = true;
  int left = 0;
  int top = 0;
};

// HyoujiIchi 0 centres the window in the work area; 1 puts it where it was
// at exit, unless that place lies off the work area (its middle below or
// right of it, its top or left above or left of it) and cbNotMannaka does
// not allow that.
WindowPlacement PlaceMainWindow(const Settings& s, const Rect& workArea, int width, int height);

}  // namespace settings
