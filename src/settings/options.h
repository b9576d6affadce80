#pragma once
// The options window without its window: the values its controls show, the
// transfer from and back to the main window's settings, the change of the
// local data folder, the removable-drive backup warning and the local-mode
// marker. The window itself only shows an OptionsForm and reports clicks.
#include <string>

#include "platform/services.h"
#include "settings/settings.h"
#include "settings/window_keys.h"

namespace settings {

// What the options window needs to know about this run.
struct OptionsContext {
  std::string programFolder;
  bool onRemovableDrive = false;
  bool onCdRom = false;
  bool localMarkerExists = false;  // "localfol.kdf" in the program folder
  int shellMajorVersion = 0;
};

struct OptionsForm {
  // The controls backed by settings keys carry the keys' names and live in
  // this copy; CopyOptionsBack copies only those back.
  Settings values;
  OptionsWindowKeys windowKeys;  // [Jikoku] and [Option] PageIndex
  // The memo page (mode 1): vCLine1, vCLine2, vJHanten, vMenuCount.
  MemoWindowKeys memo;
  bool cbLocal = false;
  bool cbLocalEnabled = true;  // not on a CD-ROM
  bool cbTodayEnabled = true;  // not on a shell of version 4 or lower
};

OptionsForm FillOptions(const Settings& s, const OptionsWindowKeys& windowKeys,
                        const MemoWindowKeys& memo, const OptionsContext& context);

// Every control back into the settings. A local data folder equal to the
// program folder (in any letter case) is stored empty; the backup interval
// in days follows the chosen index.
void CopyOptionsBack(const OptionsForm& form, const OptionsContext& context, Settings& s,
                     MemoWindowKeys& memo);
// Only the local data folder: a change executed in the window stands even
// when the window is cancelled afterwards (the user confirmed it and was
// told it is used from the next start).
void CopyDataFolderBack(const OptionsForm& form, const OptionsContext& context, Settings& s);

// One folder, whatever its letter case, blanks around it or final
// separator ("D:\data" and "d:\data\").
bool SameDataFolder(const std::string& a, const std::string& b);

// The " ローカルデータフォルダ " group: "変更", "変更実行", "キャンセル".
class LocalFolderEdit {
 public:
  explicit LocalFolderEdit(std::string folder) : text_(std::move(folder)) {}

  void Begin();   // "変更": the field unlocks
  void Cancel();  // "キャンセル": the previous text comes back
  // Leaving the field while a change is pending says so; false keeps the
  // focus in the field.
  bool MayLeave(platform::Dialogs& dialogs) const;
  // "変更実行" with the text typed into the field; true when the folder
  // changed.
  bool Execute(platform::Services& os, const std::string& programFolder,
               const std::string& typed);

  const std::string& text() const { return text_; }
  bool pending() const { return pending_; }
  bool changed() const { return changed_; }

 private:
  void EndChange(bool keepTyped, const std::string& typed);

  std::string text_;
  std::string previous_;
  bool pending_ = false;
  bool changed_ = false;
};

// "規定値に戻す": the six colours of the grid texts back to their defaults.
void ResetTextColors(Settings& values);

// A backup interval other than "0" chosen while the program runs from a
// removable drive: offers to turn automatic backup off. Returns the index
// to keep.
int ConfirmBackupInterval(int index, bool onRemovableDrive, platform::Dialogs& dialogs);

// cbLocal: checking writes "localfol.kdf" in the program folder, unchecking
// deletes it. Nothing happens on a CD-ROM. True when the marker now is as
// asked.
bool SetLocalMarker(platform::FileSystem& fs, const OptionsContext& context, bool checked);

}  // namespace settings
