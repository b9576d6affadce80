#pragma once
// Facts about this computer and its user.
#include <string>

namespace platform {

struct OsVersion {
  int major = 0;
  int minor = 0;
  int build = 0;
};

// CSIDL numbers the program asks for.
enum SpecialFolderId : int {
  kStartupFolder = 7,
  kProgramsMenuFolder = 2,
  kDesktopFolder = 16,
  kAppDataFolder = 26,
  kProfileFolder = 40,
};

class System {
 public:
  virtual ~System() = default;
  virtual std::string ComputerName() = 0;
  virtual std::string UserName() = 0;
  // With separator; empty when the shell cannot resolve it.
  virtual std::string SpecialFolder(int csidl) = 0;
  virtual std::string WindowsFolder() = 0;
  // The folder of the running program, with separator.
  virtual std::string ProgramFolder() = 0;
  virtual OsVersion Version() = 0;
  // The shell library's major version (0 when it cannot be asked).
  virtual int ShellMajorVersion() = 0;
  virtual bool InternetConnected() = 0;
  virtual bool CapsLockOn() = 0;
};

}  // namespace platform
