#include "platform/ini_file.h"

#include "support/cp932.h"

namespace platform {

bool LoadIniFile(FileSystem& fs, const std::string& path, support::IniText& ini) {
  const std::optional<std::string> bytes = fs.ReadAll(path);
  ini = support::IniText::FromText(bytes ? support::Cp932ToUtf8(*bytes) : std::string());
  return bytes.has_value();
}

bool SaveIniFile(FileSystem& fs, const std::string& path, const support::IniText& ini) {
  return fs.WriteAtomic(path, support::Utf8ToCp932(ini.ToText()));
}

}  // namespace platform
