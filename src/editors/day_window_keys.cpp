#include "editors/day_window_keys.h"

#include "platform/ini_file.h"

namespace editors {

Bounds ReadDayWindowBounds(const support::IniText& ini, const Bounds& d) {
  return {ini.ReadInteger(kDayWindowSection, "fmLeft", d.left),
          ini.ReadInteger(kDayWindowSection, "fmTop", d.top),
          ini.ReadInteger(kDayWindowSection, "fmWidth", d.width),
          ini.ReadInteger(kDayWindowSection, "fmHeight", d.height)};
}

void WriteDayWindowBounds(support::IniText& ini, const Bounds& b) {
  ini.WriteInteger(kDayWindowSection, "fmTop", b.top);
  ini.WriteInteger(kDayWindowSection, "fmLeft", b.left);
  ini.WriteInteger(kDayWindowSection, "fmWidth", b.width);
  ini.WriteInteger(kDayWindowSection, "fmHeight", b.height);
}

Bounds LoadDayWindowBounds(platform::FileSystem& fs, const std::string& path,
                           const Bounds& defaults) {
  support::IniText ini;
  if (!platform::LoadIniFile(fs, path, ini)) return defaults;
  return ReadDayWindowBounds(ini, defaults);
}

bool SaveDayWindowBounds(platform::FileSystem& fs, const std::string& path, const Bounds& bounds) {
  support::IniText ini;
  if (fs.Exists(path) && !platform::LoadIniFile(fs, path, ini)) return false;
  WriteDayWindowBounds(ini, bounds);
  return platform::SaveIniFile(fs, path, ini);
}

}  // namespace editors
