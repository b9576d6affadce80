#pragma once
// Drives, system folders, the names of this computer and its user, and the
// Windows and shell versions, as the program's start-up and setup ask them.
#include <optional>
#include <string>
#include <string_view>

#include "platform/filesystem.h"
#include "platform/services.h"

namespace platform {

// "REMOVABLE", "FIXED", "NETWORK", "CDROM", "RAMDISK" or "?".
std::string DriveKindName(DriveKind kind);
// A path starting with "\\" is "NETWORK" without asking the system; else
// the kind of the drive of its first letter, "?" when that is no letter.
std::string GetDriveKind(FileSystem& fs, std::string_view path);
// "D" when D: is a fixed drive, else "C": the default drive for setup.
std::string DefaultDataDrive(FileSystem& fs);
// The root of the Windows drive ("C:\"), "C:\" when it cannot be told;
// natively "/".
std::string WindowsDriveRoot(System& system);
// WindowsDriveRoot + "Program Files\Common Files\".
std::string CommonFilesFolder(System& system);
// The shell's special folder with separator; empty when unknown.
std::string SpecialFolderPath(System& system, int csidl);
// `name` + ".lnk" lies in the user's start-up folder.
bool StartupShortcutExists(FileSystem& fs, System& system, std::string_view name);
bool IsShellVersionAbove4(System& system);
// Windows 6.0 exactly.
bool IsVistaFamily(System& system);

enum NameKind : int { kUserName = 1, kComputerName = 2 };
// kind 1 the log-on user, 2 the computer; other kinds "". Nullopt when the
// system cannot tell.
std::optional<std::string> UserOrComputerName(System& system, int kind);

}  // namespace platform
