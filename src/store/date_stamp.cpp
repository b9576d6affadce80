#include "store/date_stamp.h"

#include <cstdio>
#include <optional>

#include "platform/ini_file.h"
#include "support/paths.h"
#include "support/text.h"

namespace store {
namespace {

// "2026/12/08" (and "2026/1/8"), a real day of the calendar.
std::optional<calendar::DayNumber> DayOf(const std::string& text) {
  const std::vector<std::string> parts = support::Split(support::Trim(text), '/');
  if (parts.size() != 3) return std::nullopt;
  const auto y = support::ParseInt(parts[0]), m = support::ParseInt(parts[1]), d = support::ParseInt(parts[2]);
  try {
    if (!y || !m || !d || *y < 1 || !calendar::IsValidDate(*y, *m, *d)) return std::nullopt;
    return calendar::DateToJulius(*y, *m, *d);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

}  // namespace

int DaysSinceStamp(platform::FileSystem& fs, const std::string& folder, const calendar::Date& today) {
  support::IniText ini;
  if (!platform::LoadIniFile(fs, support::JoinPath(folder, kDateStampFileName), ini)) return -1;
  const std::optional<calendar::DayNumber> stamped = DayOf(ini.ReadString("Date", "Sakusei", ""));
  if (!stamped) return -1;
  return calendar::DateToJulius(today.year, today.month, today.day) - *stamped;
}

bool WriteStamp(platform::FileSystem& fs, const std::string& folder, const calendar::Date& today) {
  const std::string path = support::JoinPath(folder, kDateStampFileName);
  support::IniText ini;
  platform::LoadIniFile(fs, path, ini);
  char text[32];
  std::snprintf(text, sizeof text, "%.4d/%.2d/%.2d", today.year, today.month, today.day);
  ini.WriteString("Date", "Sakusei", text);
  return platform::SaveIniFile(fs, path, ini);
}

}  // namespace store
