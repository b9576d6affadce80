// A settings file of any bytes loads without harm, and what the save writes
// loads back as the same settings (times to the minute, which is all the
// file keeps; texts lose blanks and control characters at their ends and,
// when quoted at both ends, one pair of quotes per read, as the profile
// functions have it).
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/load_rules.h"
#include "settings/settings_file.h"
#include "support/cp932.h"
#include "support/ini.h"
#include "support/text.h"

namespace {

using settings::KeyRow;
using settings::Settings;

bool QuotedAtBothEnds(const std::string& text) {
  return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
         text.back() == text.front();
}

bool SameAfterSave(const KeyRow<Settings>& row, const Settings& first, const Settings& again) {
  if (row.type() == settings::ValueType::Time) {
    const auto& a = first.*std::get<settings::TimeOfDay Settings::*>(row.member);
    const auto& b = again.*std::get<settings::TimeOfDay Settings::*>(row.member);
    return a.hour == b.hour && a.minute == b.minute;
  }
  const std::string text = support::Trim(settings::ValueText(row, first));
  return QuotedAtBothEnds(text) || text == support::Trim(settings::ValueText(row, again));
}

settings::ReadConditions ConditionsFrom(std::uint8_t bits) {
  return {bits & 1 ? 600 : 1040, (bits & 2) != 0, (bits & 4) != 0, bits & 8 ? 4 : 6};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto conditions = ConditionsFrom(size > 0 ? data[0] : 0);
  auto ini = support::IniText::FromText(
      support::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size)));
  Settings first{};
  settings::ReadSettings(settings::ValuesOf(ini), conditions, first);
  settings::WriteRows(settings::SettingsKeys(), settings::ValuesOf(ini), first);

  auto saved = support::IniText::FromText(ini.ToText());
  Settings again{};
  settings::ReadSettings(settings::ValuesOf(saved), conditions, again);
  for (const auto& row : settings::SettingsKeys()) {
    if (!saved.ValueExists(row.section, row.key)) std::abort();
    if (!SameAfterSave(row, first, again)) std::abort();
  }
  return 0;
}
