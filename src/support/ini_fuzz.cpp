// Any file text parses; what was not touched writes back line for line, and
// reading a key never fails whatever the names.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "support/cp932.h"
#include "support/ini.h"
#include "support/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = support::Cp932ToUtf8(std::string(reinterpret_cast<const char*>(data), size));
  support::IniText ini = support::IniText::FromText(text);
  if (ini.ToText() != support::JoinLines(support::SplitLines(text))) std::abort();
  for (const std::string& section : ini.Sections()) {
    for (const std::string& key : ini.ReadSection(section)) {
      if (!ini.ValueExists(section, key)) std::abort();
      ini.ReadInteger(section, key, 0);
    }
  }
  ini.WriteString("Fuzz", "Key", text.substr(0, 40));
  if (support::IniText::FromText(ini.ToText()).ReadString("fuzz", "key", "") !=
      ini.ReadString("Fuzz", "Key", "")) {
    std::abort();
  }
  return 0;
}
