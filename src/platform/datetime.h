#pragma once
// A local date and time as the clock and the file system report it.
#include <compare>
#include <cstdint>

namespace platform {

struct DateTime {
  int year = 0;
  int month = 0;  // 1..12
  int day = 0;    // 1..31
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  auto operator<=>(const DateTime&) const = default;
};

}  // namespace platform
