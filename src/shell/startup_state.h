#pragma once
// Where this run of the program lives: the folders every other part works
// in, the kind of drive it was started from, and whether this is a first
// run that asks the setup question.
#include <string>

#include "platform/filesystem.h"
#include "platform/services.h"

namespace shell {

inline constexpr char kLocalMarker[] = "localfol.kdf";
inline constexpr char kStartMarker[] = "Kidou.kdf";

struct StartupState {
  std::string programFolder;  // every folder ends with the separator
  platform::DriveKind driveKind = platform::DriveKind::Unknown;
  bool onCdRom = false;
  bool onNetworkDrive = false;
  bool onRemovableDrive = false;
  bool perUserMode = false;
  std::string userWorkFolder;   // per-installation folder under application data
  std::string settingsFolder;   // holds "Velda.ini"
  std::string safeGuardFolder;  // generation and day-first backups
  std::string settingsFile;
  std::string netIdFile;        // "velnetid.kdf"
  std::string startMarkerPath;  // "Kidou.kdf"
  std::string computerName;     // "" when it cannot be read
  bool localMode = false;
  bool firstRun = false;

  bool HasStartMarker(platform::FileSystem& fs) const { return fs.Exists(startMarkerPath); }
};

// The drive kind of a path: "\\" is a network drive without asking;
// anything but a drive letter is unknown.
platform::DriveKind DriveKindOf(platform::FileSystem& fs, const std::string& path);

// Windows Vista and every later version keep per-user data apart.
bool IsVistaOrLater(const platform::OsVersion& version);

// The folders and flags, in the order the main window decides them.
// Creates the per-user settings folder when it is the one used, and turns
// the first-run key of "localfol.kdf" off once it has been seen.
StartupState ResolveStartupState(platform::Services& os);

}  // namespace shell
