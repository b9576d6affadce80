#pragma once
// Rolling copies of whole data folders, numbered by generation in a backup
// root, and the automatic backup of the main window:
//
//   SafeGuard\01_AutoVelData\VelDate.kdf   the newest ([Date] Sakusei=2026/12/08)
//   SafeGuard\02_AutoVelData\Ca202612.kdf
//   SafeGuard\03_AutoVelData\Ca202612.kdf  the oldest
//   SafeGuard\wk_Files1\Ca202612.kdf       a copy an interrupted run left
//
// A fresh copy lands in root + the source's folder name and becomes
// generation 01 by a rename. It is made before any generation is touched:
// a copy that fails leaves every generation as it was.
#include <functional>
#include <string>

#include "calendar/julius.h"
#include "platform/filesystem.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "settings/settings.h"

namespace settings {

inline constexpr char kAutoBackupName[] = "AutoVelData";
inline constexpr int kAutoBackupGenerations = 3;

// root + "%.2d_%s" with the separator: GenerationFolder(root, 1, "AutoVelData").
std::string GenerationFolder(const std::string& root, int number, const std::string& name);

struct GenerationBackupArgs {
  std::string source;  // folder to copy
  std::string root;    // backup root
  platform::WindowHandle owner = 0;
  bool showMessages = false;
  int generations = kAutoBackupGenerations;  // 2..9
  std::string name = kAutoBackupName;
  bool showProgress = true;  // the shell's progress window during the copy
};

// True when generation 01 is a complete new copy of the source and the
// older ones moved up, at most `generations` kept.
bool GenerationBackup(platform::Services& os, const GenerationBackupArgs& args);

// The backup root to use: `preferred` when it exists or can be made, else
// `fallback` (the per-user folder) when that can; "" when neither can.
// Below Program Files the common root needs rights a user seldom has.
std::string UsableBackupRoot(platform::FileSystem& fs, const std::string& preferred,
                             const std::string& fallback);

struct AutoBackupFacts {
  bool networkDataInUse = false;
  platform::DriveKind programDrive = platform::DriveKind::Fixed;
  std::string programFolder;
  std::string dataFolder;
  std::string backupRoot;    // SafeGuardFolder
  std::string fallbackRoot;  // UserWorkFolder + "SafeGuard\"
  platform::WindowHandle owner = 0;
};

enum class AutoBackupOutcome { Skipped, StampedToday, BackedUp, Failed };

struct AutoBackupResult {
  AutoBackupOutcome outcome = AutoBackupOutcome::Skipped;
  std::string root;  // the backup root used, when it got that far
};

// The automatic generation backup: three generations of the data folder,
// at most once per vBackKankaku days, into the first usable root. Updates
// BackupDay. `markRunning` is told true while it works and false after it,
// on every path; the main window refuses to close meanwhile.
AutoBackupResult AutoBackup(platform::Services& os, const AutoBackupFacts& facts, Settings& s,
                            const std::function<void(bool)>& markRunning = {});

}  // namespace settings
