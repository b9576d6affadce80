#include "platform/system_folders.h"

#include "support/paths.h"

namespace platform {

std::string DriveKindName(DriveKind kind) {
  switch (kind) {
    case DriveKind::Removable: return "REMOVABLE";
    case DriveKind::Fixed: return "FIXED";
    case DriveKind::Network: return "NETWORK";
    case DriveKind::CdRom: return "CDROM";
    case DriveKind::RamDisk: return "RAMDISK";
    case DriveKind::Unknown: break;
  }
  return "?";
}

std::string GetDriveKind(FileSystem& fs, std::string_view path) {
  if (path.substr(0, 2) == "\\\\") return "NETWORK";
  if (path.empty()) return "?";
  char letter = path[0] >= 'a' && path[0] <= 'z' ? static_cast<char>(path[0] - 32) : path[0];
  if (letter < 'A' || letter > 'Z') return "?";
  return DriveKindName(fs.KindOfDrive(std::string(1, letter) + ":\\"));
}

std::string DefaultDataDrive(FileSystem& fs) {
  return GetDriveKind(fs, "D:\\") == "FIXED" ? "D" : "C";
}

std::string WindowsDriveRoot(System& system) {
  std::string windows = support::EnsureTrailingSeparator(system.WindowsFolder());
  if (windows.size() > 2 && windows[1] == ':') return windows.substr(0, 3);
  return support::kPathSeparator == '\\' ? "C:\\" : "/";
}

std::string CommonFilesFolder(System& system) {
  return support::JoinPath(WindowsDriveRoot(system), "Program Files\\Common Files\\");
}

std::string SpecialFolderPath(System& system, int csidl) {
  return support::EnsureTrailingSeparator(system.SpecialFolder(csidl));
}

bool StartupShortcutExists(FileSystem& fs, System& system, std::string_view name) {
  std::string startup = SpecialFolderPath(system, kStartupFolder);
  // Without a start-up folder the bare name would be looked for here.
  return !startup.empty() && fs.Exists(startup + std::string(name) + ".lnk");
}

bool IsShellVersionAbove4(System& system) { return system.ShellMajorVersion() > 4; }

bool IsVistaFamily(System& system) {
  OsVersion v = system.Version();
  return v.major == 6 && v.minor == 0;
}

std::optional<std::string> UserOrComputerName(System& system, int kind) {
  if (kind != kUserName && kind != kComputerName) return std::string();
  std::string name = kind == kUserName ? system.UserName() : system.ComputerName();
  if (name.empty()) return std::nullopt;
  return name;
}

}  // namespace platform
