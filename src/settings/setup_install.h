#pragma once
// The page "Setup" ("開始"): installing the program into a new folder or
// over an installation, with the generation backups before anything is
// overwritten, the change of an older installation to the data layout with
// "Data\Files1\" (undone when any step fails), the program files and the
// shortcuts; and the command line that starts the installed program:
//
//   "C:\AppFiles\Velda\Velda.exe" /F /2 /DN"\\SERVER\Velda\\" "/D3C:\Temp\VeldaWork\\"
#include <array>
#include <functional>
#include <string>

#include "platform/services.h"
#include "settings/backup_restore.h"
#include "settings/shortcuts.h"

namespace settings {

enum class SetupKind { New, Overwrite };

inline constexpr char kNewSetupCaption[] = "すべてを新規でセットアップ";
inline constexpr char kOverwriteSetupCaption[] = "上書きセットアップ（すでに楓帳を使用されている方）";
inline constexpr char kNoBackupCaption[] = "上書きセットアップ時に、バックアップを取らない。";
inline constexpr char kStartSetupCaption[] = "開始";

// The folder choices of the page, in their order ("Set_Ta").
enum class SetupFolderChoice { UserArea, ProgramFiles, OtherDrive, Free };
inline constexpr int kSetupFolderChoices = 4;
inline constexpr const char* kSetupFolderChoiceCaptions[kSetupFolderChoices] = {
    "Vista、及び WindowsXP[個人・会社ユーザ]---(自分のエリア)",
    "WindowsXP（以前の規定値、Vista不可）",
    "Vista、及び WindowsXP[個人ユーザ]---(起動ドライブ以外)",
    "セットアップの場所を自由に設定"};

// The folder a choice puts into the field ("" for the free choice, which
// keeps what the field holds).
std::string SetupFolderOf(platform::Services& os, SetupFolderChoice choice);
// "(起動ドライブ以外)" only when there is a second fixed drive D.
bool SetupFolderChoiceEnabled(platform::Services& os, SetupFolderChoice choice);

struct SetupRequest {
  SetupKind kind = SetupKind::New;
  std::string folder;  // the setup folder field
  bool noBackup = false;
  std::array<bool, kShortcutKinds> shortcuts{};  // in ShortcutKind order
};

struct SetupFacts {
  std::string sourceFolder;  // the running program's folder, with separator
  bool netIni = false;       // cbNetIni: the installed copy gets the shared folder
  std::string netFolder;
  // Opened from the first-start question on a local drive: the installed
  // copy offers to delete the work folder (and the archive, when known).
  bool offerCleanup = false;
  std::string setupArchive;
  // The drive kind of a path as GetDriveKind names it; null: the system's.
  std::function<std::string(const std::string&)> driveKindOf;
};

class SetupHost : public MaintenanceHost {
 public:
  virtual bool AutoBackupRunning() = 0;
  virtual bool Busy() = 0;
  // The progress label of the page.
  virtual void ShowProgress(const std::string& label) = 0;
  // The run-time log records the end of this run.
  virtual void RecordEnd() = 0;
};

struct SetupOutcome {
  bool installed = false;  // this program ends and the installed one starts
  std::string commandLine;
  std::string workingFolder;
};

// "開始". Every refusal and failure is told; a failed layout change is undone.
SetupOutcome RunSetup(platform::Services& os, SetupHost& host, const SetupFacts& facts,
                      const SetupRequest& request);

// Ticking "上書きセットアップ時に、バックアップを取らない。": on a fixed drive
// the user confirms. False: the box is unticked again.
bool ConfirmNoBackup(platform::Services& os, const SetupFacts& facts, const std::string& folderField);

// One argument as the C runtime and CommandLineToArgvW read it back.
std::string QuoteArgument(const std::string& argument);

struct RestartFacts {
  std::string programFolder;      // the installed copy, with separator
  bool fromNetworkWithData = false;  // " /N"
  std::string netFolder;          // " /DN" when not empty
  std::string setupArchive;       // "/D2" when not empty
  std::string workFolder;         // "/D3" when not empty
};
std::string RestartCommandLine(const RestartFacts& facts);

}  // namespace settings
