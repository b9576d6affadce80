#pragma once
// The date stamp "VelDate.kdf" of a backup folder: the day it was last
// filled, so that a once-a-day copy is not repeated.
//
//   [Date]
//   Sakusei=2026/12/08
#include <string>

#include "calendar/julius.h"
#include "platform/filesystem.h"

namespace store {

inline constexpr char kDateStampFileName[] = "VelDate.kdf";

// Days from the stamped date to `today`; -1 when the file, the key or a
// readable date is missing.
int DaysSinceStamp(platform::FileSystem& fs, const std::string& folder, const calendar::Date& today);
// Stamps `today` as "yyyy/mm/dd"; false when it could not be written.
bool WriteStamp(platform::FileSystem& fs, const std::string& folder, const calendar::Date& today);

}  // namespace store
