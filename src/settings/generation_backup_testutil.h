#pragma once
// A data folder of many month files, for the backup's benchmark and its
// test under Wine.
#include <string>

#include "platform/filesystem.h"

namespace settings {

// `months` month files of `entries` lines each in `folder` (made when
// missing), from January of `firstYear` on; Shift-JIS text as the program
// writes it. Returns the bytes written.
std::size_t WriteMonthFiles(platform::FileSystem& fs, const std::string& folder, int months,
                            int entries, int firstYear = 1990);

}  // namespace settings
