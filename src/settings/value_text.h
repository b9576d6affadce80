#pragma once
// The text forms of settings values: how an INI value is read back into a
// number, a switch or a time of day, and how each is written.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Numbers are read as the data files read them (support::ParseInt).
// Switches are numbers; any non-zero number is on.
std::optional<bool> ParseSwitch(std::string_view text);
inline std::string SwitchText(bool on) { return on ? "1" : "0"; }

struct TimeOfDay {
  int hour = 0;    // 0..23
  int minute = 0;  // 0..59
  int second = 0;  // 0..59
  auto operator<=>(const TimeOfDay&) const = default;
};

// Times of day are written in the short time form "H:mm" (the alarm keeps
// whole minutes); "H:mm" and "H:mm:ss" are read.
std::string TimeText(const TimeOfDay& time);
std::optional<TimeOfDay> ParseTime(std::string_view text);

// The compact "hhmmss" form of the time-check setting vTime.
std::string CompactTimeText(const TimeOfDay& time);
// Unreadable text gives 15:00:00.
TimeOfDay ParseCompactTime(std::string_view text);

}  // namespace settings
