#pragma once
// The settings file "Velda.ini": where it is read from, the whole load with
// its derived state, and the whole save. Also the file access of the other
// windows' keys and of the commemoration settings "Cmr.kdf".
//
//   [Header]
//   Version=Ver9.1.0
//   Folder=C:\Velda\      (where the writing program lives)
//   [kanri]
//   BackupDay=46000
//   ...
#include <span>
#include <string>

#include "platform/services.h"
#include "settings/folder_decision.h"
#include "settings/key_table.h"
#include "settings/load_rules.h"
#include "settings/settings.h"
#include "settings/window_keys.h"
#include "support/ini.h"

namespace settings {

inline constexpr char kSettingsFileName[] = "Velda.ini";
inline constexpr char kFormatVersion[] = "Ver9.1.0";

// What start-up has decided before the settings are read.
struct StartupFacts {
  std::string programFolder;   // with separator
  std::string settingsFolder;  // with separator
  bool localMode = false;      // "localfol.kdf" or a removable drive
  bool onNetworkDrive = false;
  // "/DN" (an existing folder) or "/F" already set the network keys.
  bool netFolderSetByStartup = false;
  Rect workArea;
  int windowWidth = 0;
  int windowHeight = 0;
  // The main window's DPI: the rules that fit rows to the screen count in
  // 96-DPI pixels, positions stay in the screen's.
  int dpi = 96;
};

struct LoadOutcome {
  std::string fileRead;  // "" when there was no file: every key has its default
  // A file that is there but could not be read after five tries: the run
  // goes on with the defaults and must never save them over it.
  std::string unreadable;
  WindowPlacement placement;
  bool hotkeysOn = false;
  // cbLNetf on a network drive: the per-user working folder is used.
  bool userWorkFolderInUse = false;
  NetFiles netFiles;
};

std::string SettingsFilePath(const StartupFacts& facts);

// The file a load reads: the settings folder's "Velda.ini"; in local mode,
// when that is missing, the program folder's. "" when there is none. Tells
// when a copy started from a network share cannot find the user's folder.
std::string FileToRead(platform::Services& os, const StartupFacts& facts);

// Reads every key into `s` (the "current value" keys keep what `s` holds;
// pTimer defaults to the clock's time) and decides the data folders in
// `folders`, whose programFolder it sets. Tells when the common data
// folder changed since an earlier load of this run.
LoadOutcome LoadSettings(platform::Services& os, const StartupFacts& facts, Settings& s,
                         DataFolderState& folders);

// Writes every key, sections and keys of others kept, the whole file
// replaced at once. False on any failure, without a message; an existing
// file that cannot be read is left alone. A path the file cannot hold in
// Shift-JIS is written in its short form, or the file keeps its value.
// KeepNetworkKeys leaves the network keys as the file has them (a shared
// folder given for one run only).
enum class SaveScope { AllKeys, KeepNetworkKeys };
bool SaveSettings(platform::FileSystem& fs, const std::string& path,
                  const std::string& programFolder, const Settings& s,
                  SaveScope scope = SaveScope::AllKeys);

// `get` and `set` bound to an INI text.
IniValues ValuesOf(support::IniText& ini);

// The options window's own keys. vTime defaults to the clock's time.
OptionsWindowKeys LoadOptionsWindowKeys(platform::Services& os, const std::string& path);
bool SaveOptionsWindowKeys(platform::FileSystem& fs, const std::string& path,
                           const OptionsWindowKeys& keys);

// Section "Memo" or "Kensaku"; `base` holds the window's design values.
MemoWindowKeys LoadMemoWindowKeys(platform::FileSystem& fs, const std::string& path,
                                  const std::string& section, const MemoWindowKeys& base);
bool SaveMemoWindowKeys(platform::FileSystem& fs, const std::string& path,
                        const std::string& section, const MemoWindowKeys& keys);

SetupWindowKeys LoadSetupWindowKeys(platform::FileSystem& fs, const std::string& path,
                                    const SetupWindowKeys& base);
bool SaveSetupWindowKeys(platform::FileSystem& fs, const std::string& path,
                         const SetupWindowKeys& keys);

// "Cmr.kdf" in the common data folder.
CommemorationSettings LoadCommemoration(platform::FileSystem& fs,
                                        const std::string& commonDataFolder);
bool SaveCommemoration(platform::FileSystem& fs, const std::string& commonDataFolder,
                       const CommemorationSettings& settings);

}  // namespace settings
