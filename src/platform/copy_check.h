#pragma once
// Whether a copy arrived whole. The shell's word is not enough: under Wine
// a silent copy skips a file another program holds open and still reports
// success, so the copy is compared with its source before anything relies
// on it.
#include <string>
#include <string_view>

#include "platform/filesystem.h"

namespace platform {

// Every entry of `from` is in `to`, files with their sizes, sub-folders
// alike at every depth. Entries only `to` holds do not matter.
bool SameTree(FileSystem& fs, const std::string& from, const std::string& to);
// Every file of `from` matching a pattern of the comma list is in `to`
// with its size.
bool SameNamedFiles(FileSystem& fs, const std::string& from, const std::string& to,
                    std::string_view patternList);

}  // namespace platform
