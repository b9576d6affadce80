#pragma once
// The command-line switches of Velda.exe. Each argument is tested on its
// own, upper-cased, by its first two or three characters:
//
//   Velda.exe /2 /J05 "/D2C:\Temp\VeldaSetup.exe" "/DN\\SERVER\Velda"
#include <optional>
#include <string>
#include <vector>

namespace shell {

struct CommandSwitches {
  bool secondInstance = false;     // "/2": start even when another one runs
  bool networkFirstStart = false;  // "/F"
  int residencySeconds = 0;        // "/J" + two digits; 0 arms nothing
  std::optional<std::string> deleteFile;     // "/D1": deleted without asking
  std::optional<std::string> setupArchive;   // "/D2": offered for deletion
  std::optional<std::string> setupWorkFolder;  // "/D3": offered after "/D2"
  std::optional<std::string> netFolder;      // "/DN": replaces the shared folder

  bool AnyCleanup() const { return deleteFile || setupArchive || setupWorkFolder; }
};

// Arguments as UTF-8, without the program name.
CommandSwitches ParseSwitches(const std::vector<std::string>& args);

}  // namespace shell
