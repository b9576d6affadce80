#pragma once
// Where the day editor was last: section "fmDay" of the settings file;
// top and left in screen pixels, width and height at 96 DPI (see
// BoundsOnScreen).
//
//   [fmDay]
//   fmTop=120
//   fmLeft=300
//   fmWidth=298
//   fmHeight=330
#include <string>

#include "editors/day_editor.h"
#include "platform/filesystem.h"
#include "support/ini.h"

namespace editors {

inline constexpr char kDayWindowSection[] = "fmDay";

// Keys missing or not numbers keep the value of `defaults`.
Bounds ReadDayWindowBounds(const support::IniText& ini, const Bounds& defaults);
void WriteDayWindowBounds(support::IniText& ini, const Bounds& bounds);

// The same on the settings file; a missing file gives `defaults`. Saving
// keeps every other section and key of the file.
Bounds LoadDayWindowBounds(platform::FileSystem& fs, const std::string& path,
                           const Bounds& defaults);
bool SaveDayWindowBounds(platform::FileSystem& fs, const std::string& path, const Bounds& bounds);

}  // namespace editors
