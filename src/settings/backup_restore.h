#pragma once
// The data backup ("退避") to one of two folders and the restore ("回復")
// from a folder, as the setup window's buttons run them. A backup holds
// the data in the older one-folder layout:
//
//   E:\VeldaBackup\Ca202612.kdf   month files of every year, CaFromTo.kdf, CaFT*.kdp
//   E:\VeldaBackup\CaMemo.kdf     common files (memo, Sday.kdf, run log ...)
//   E:\VeldaBackup\Files2\        the sub sets, whole
//   E:\VeldaBackup\velnet.kdf     with the shared data only
//
// Both copy into a staging folder first and move the copy in only when it
// is whole (staged_replace.h): a copy that fails half-way leaves the
// source and the destination as they were.
#include <string>

#include "platform/services.h"
#include "settings/window_keys.h"
#include "store/folders.h"

namespace settings {

inline constexpr char kNotBackedUpText[] = "バックアップされていません。";
inline constexpr char kNetAdminFileName[] = "velnet.kdf";

// Where the data are, as the main window resolved them.
struct DataPlace {
  std::string programFolder;
  std::string edFolder;  // the settings' local data folder; "" for the program folder
  store::Folders folders;
  bool networkDataInUse = false;
};

// What backup and restore need from the windows around them.
class MaintenanceHost {
 public:
  virtual ~MaintenanceHost() = default;
  // The main window writes out its pending months and periods.
  virtual void SavePendingData() = 0;
  // The setup window's keys into the settings file.
  virtual void SaveWindowKeys() = 0;
  // The owner of the shell's progress windows; 0 shows none (tests).
  virtual platform::WindowHandle ProgressOwner() = 0;
};

// The slot's label after a backup: "令和08年12月8日(火) 09:05 退避".
std::string BackupLabel(const platform::DateTime& now);

// The keys the page shows: the "Net" ones while the shared data are in use.
std::string& DestinationField(SetupWindowKeys& keys, int slot, bool networkDataInUse);
std::string& SlotLabel(SetupWindowKeys& keys, int slot, bool networkDataInUse);
std::string& RestoreField(SetupWindowKeys& keys, bool networkDataInUse);

enum class CopyOutcome { Refused, Done, Failed };

// "← データ退避実行" of slot 1 or 2. Done: the slot's label and folder
// field are set.
CopyOutcome BackupData(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                       SetupWindowKeys& keys, int slot);

// "①「データ回復」をオン": true when the user wants the restore panel.
bool ConfirmRestorePanel(platform::Dialogs& dialogs);
// "← ②データ回復". Done and Failed both end the program (the message said
// so); Refused leaves everything as it was.
CopyOutcome RestoreData(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                        SetupWindowKeys& keys);

}  // namespace settings
