#include "settings/value_text.h"

#include <charconv>
#include <cstdio>

#include "support/text.h"

namespace settings {
namespace {

// Every character a decimal digit, at least one, no overflow.
std::optional<std::uint64_t> ParseDigits(std::string_view digits) {
  if (digits.empty() || digits.front() == '+' || digits.front() == '-') return std::nullopt;
  std::uint64_t value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<int> ParseField(std::string_view text, int low, int high) {
  auto value = ParseDigits(text);
  if (!value || text.size() > 2 || *value < static_cast<unsigned>(low) ||
      *value > static_cast<unsigned>(high))
    return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

std::optional<bool> ParseSwitch(std::string_view text) {
  auto value = support::ParseInt(text);
  if (!value) return std::nullopt;
  return *value != 0;
}

std::string TimeText(const TimeOfDay& time) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%d:%02d", time.hour, time.minute);
  return buffer;
}

std::optional<TimeOfDay> ParseTime(std::string_view text) {
  const std::string trimmed = support::Trim(text);
  text = trimmed;
  const auto first = text.find(':');
  if (first == std::string_view::npos) return std::nullopt;
  const auto second = text.find(':', first + 1);
  auto hour = ParseField(text.substr(0, first), 0, 23);
  auto minute = ParseField(text.substr(first + 1, second - first - 1), 0, 59);
  std::optional<int> seconds = 0;
  if (second != std::string_view::npos) seconds = ParseField(text.substr(second + 1), 0, 59);
  if (!hour || !minute || !seconds) return std::nullopt;
  return TimeOfDay{*hour, *minute, *seconds};
}

std::string CompactTimeText(const TimeOfDay& time) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d%02d%02d", time.hour, time.minute, time.second);
  return buffer;
}

TimeOfDay ParseCompactTime(std::string_view text) {
  constexpr TimeOfDay kFallback{15, 0, 0};
  if (text.size() != 6) return kFallback;
  auto hour = ParseField(text.substr(0, 2), 0, 23);
  auto minute = ParseField(text.substr(2, 2), 0, 59);
  auto second = ParseField(text.substr(4, 2), 0, 59);
  if (!hour || !minute || !second) return kFallback;
  return TimeOfDay{*hour, *minute, *second};
}

}  // namespace settings
