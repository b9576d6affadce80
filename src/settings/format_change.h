#pragma once
// An overwrite setup moves an installation of the older one-folder layout
// to the layout with "Data\Files1\". The installation folder P becomes
// "Old_Velda" beside it and P is made anew; data kept elsewhere (F)
// become "OD_Velda" beside F and F is made anew:
//
//   C:\AppFiles\Velda\          new: Data\Files1\Ca202612.kdf, Velda.ini ...
//   C:\AppFiles\Old_Velda\      the installation as it was
//   D:\VeldaData\ -> D:\OD_Velda\ when the data lay in a folder of their own
//
// Nothing is deleted but a leftover "Old_Velda"/"OD_Velda" of an earlier
// change (after its generation backup); a step that fails puts the folders
// back as they were and tells how that went.
#include <functional>
#include <string>

#include "platform/services.h"

namespace settings {

struct FormatChangeArgs {
  std::string setupFolder;  // P, with separator
  std::string dataFolder;   // F, "" when the data lie in P
  std::string backupRoot;   // for the leftovers' generation backups; "" for none
  platform::WindowHandle owner = 0;  // the shell's progress; 0 shows none
};

class FormatChange {
 public:
  FormatChange(platform::Services& os, FormatChangeArgs args,
               std::function<void(const std::string&)> progress);
  // False when refused or failed: told, and the folders put back.
  bool Run();
  // A later step of the setup failed: the folders are put back and told.
  void Undo();
  // The setup is through: "Old_Velda" is stamped with the day it was made.
  void Commit();

  const std::string& oldSetupFolder() const { return oldSetup_; }
  const std::string& oldDataFolder() const { return oldData_; }

 private:
  bool Refused();
  bool ClearLeftover(const std::string& folder, const std::string& name, int code);
  bool MoveSetupFolder();
  bool MoveDataFolder();
  bool CopyMissing(const std::string& from, const std::string& to, const char* patterns);
  bool Fail(int code);
  int PutBack(bool moved, const std::string& made, const std::string& old, int deleteCode, int renameCode);
  bool Delete(const std::string& folder);
  bool Rename(const std::string& from, const std::string& to);

  platform::Services& os_;
  FormatChangeArgs args_;
  std::function<void(const std::string&)> progress_;
  std::string oldSetup_;  // O
  std::string oldData_;   // D2
  bool setupMoved_ = false;
  bool dataMoved_ = false;
};

// The numbered texts of the change: (201)..(215).
std::string FormatChangeErrorText(int code, const std::string& folder);

}  // namespace settings
