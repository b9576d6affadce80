#include "shell/startup_state.h"

#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/paths.h"

namespace shell {
namespace {

using platform::DriveKind;
using support::JoinPath;

bool StartsWithTwoBackslashes(const std::string& path) {
  return path.size() >= 2 && path[0] == '\\' && path[1] == '\\';
}

// "C:\" of the Windows folder, "C:\" when it has no drive letter.
std::string WindowsDriveRoot(platform::System& system) {
  const std::string windows = system.WindowsFolder();
  if (windows.size() > 2 && windows[1] == ':') return windows.substr(0, 3);
  return "C:\\";
}

std::string CommonFilesFolder(platform::System& system) {
  return JoinPath(WindowsDriveRoot(system), "Program Files\\Common Files\\");
}

void DecideDrive(platform::FileSystem& fs, StartupState& s) {
  s.driveKind = DriveKindOf(fs, s.programFolder);
  s.onCdRom = s.driveKind == DriveKind::CdRom;
  s.onNetworkDrive = s.driveKind == DriveKind::Network;
  s.onRemovableDrive = s.driveKind == DriveKind::Removable;
}

void DecideUserWorkFolder(platform::System& system, StartupState& s) {
  const std::string profile = system.SpecialFolder(platform::kProfileFolder);
  s.perUserMode = !profile.empty() && (IsVistaOrLater(system.Version()) ||
                                       s.programFolder.find(profile) != std::string::npos);
  const std::string appData = system.SpecialFolder(platform::kAppDataFolder);
  if (appData.empty()) {
    s.userWorkFolder = s.programFolder;
    s.perUserMode = false;
    return;
  }
  s.userWorkFolder = support::EnsureTrailingSeparator(
      JoinPath(JoinPath(appData, "AppFiles\\Velda\\"), support::EncodeFolderKey(s.programFolder)));
}

// The marker's "First" key is seen once: it is turned off at once.
bool TakeFirstRunKey(platform::FileSystem& fs, const std::string& markerPath) {
  support::IniText ini;
  platform::LoadIniFile(fs, markerPath, ini);
  if (!ini.ReadBool("Set", "First", false)) return false;
  ini.WriteBool("Set", "First", false);
  platform::SaveIniFile(fs, markerPath, ini);
  return true;
}

void DecideLocalModeAndFirstRun(platform::FileSystem& fs, StartupState& s) {
  const std::string marker = JoinPath(s.programFolder, kLocalMarker);
  if (fs.Exists(marker) || s.onRemovableDrive) {
    s.localMode = true;
    s.firstRun = TakeFirstRunKey(fs, marker);
  }
  // A copy on a share without the start marker asks every time it starts.
  if (s.onNetworkDrive) s.firstRun = s.HasStartMarker(fs) ? false : !s.firstRun;
  if (!fs.IsFolder(JoinPath(s.programFolder, "Data"))) s.firstRun = true;
}

void DecideSettingsFolders(platform::Services& os, StartupState& s) {
  const bool perInstallation = s.onNetworkDrive && s.HasStartMarker(os.fs);
  s.settingsFolder = perInstallation ? s.userWorkFolder : s.programFolder;
  if (s.settingsFolder == s.userWorkFolder && s.settingsFolder != s.programFolder)
    platform::ForceFolder(os.fs, os.dialogs, s.settingsFolder, true, false);
  s.safeGuardFolder = s.perUserMode
                          ? JoinPath(s.userWorkFolder, "SafeGuard\\")
                          : JoinPath(CommonFilesFolder(os.system), "Bren\\Velda\\SafeGuard\\");
  s.settingsFile = JoinPath(s.settingsFolder, "Velda.ini");
  s.netIdFile = JoinPath(s.settingsFolder, "velnetid.kdf");
}

}  // namespace

DriveKind DriveKindOf(platform::FileSystem& fs, const std::string& path) {
  if (StartsWithTwoBackslashes(path)) return DriveKind::Network;
  if (path.empty()) return DriveKind::Unknown;
  const char letter = static_cast<char>(path[0] & ~0x20);  // upper case
  if (letter < 'A' || letter > 'Z') return DriveKind::Unknown;
  return fs.KindOfDrive(std::string(1, letter) + ":\\");
}

bool IsVistaOrLater(const platform::OsVersion& version) { return version.major >= 6; }

StartupState ResolveStartupState(platform::Services& os) {
  StartupState s;
  s.programFolder = support::EnsureTrailingSeparator(os.system.ProgramFolder());
  DecideDrive(os.fs, s);
  DecideUserWorkFolder(os.system, s);
  s.computerName = os.system.ComputerName();
  s.startMarkerPath = JoinPath(s.programFolder, kStartMarker);
  DecideLocalModeAndFirstRun(os.fs, s);
  DecideSettingsFolders(os, s);
  return s;
}

}  // namespace shell
