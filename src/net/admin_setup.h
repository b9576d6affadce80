#pragma once
// The decisions of the administration dialogs ("データフォルダ作成" in its
// three modes, and "管理者権限設定"), without their windows. The options
// window opens them; the dialog calls Execute when its button is pressed.
//
//   create   "初期データフォルダ作成": a new shared folder, its layout and
//            both administration files
//   rewrite  "管理コンピュータ再指定": both administration files rewritten
//            in the shared folder, this computer as the management computer
//   rights   "管理者権限設定": the administrator's password entered here
//            gives this computer administrator rights
#include <optional>
#include <string>

#include "net/admin_files.h"
#include "platform/services.h"

namespace net {

enum class AdminDialogMode { Create, Rewrite, Rights };

struct AdminDialogTexts {
  std::string caption = "データフォルダ作成";
  std::string title;          // the title label
  std::string execute;        // the execute button
  std::string cancel = "キャンセル";
  std::string nameLabel;      // "ネット管理者名", "名称" in rights mode
  std::string passwordLabel = "パスワード";
  std::string rightsNote;     // rights mode only
  std::string prompt;         // rights mode only
};
AdminDialogTexts TextsOf(AdminDialogMode mode);

// What the two fields hold; the password field shows only masks.
struct AdminEntry {
  std::string name;
  std::string password;
};
// Empty fields start with the computer name.
AdminEntry InitialEntry(AdminEntry fields, const std::string& computerName);

// The folder picker of create mode, starting in `start`; nullopt: cancelled.
class FolderPicker {
 public:
  virtual ~FolderPicker() = default;
  virtual std::optional<std::string> PickFolder(const std::string& start) = 0;
};

// The dialog itself for the rights flow: shown modally in rights mode,
// it gives what was entered, or nullopt when cancelled.
class AdminDialogPort {
 public:
  virtual ~AdminDialogPort() = default;
  virtual std::optional<AdminEntry> Show(AdminDialogMode mode, const AdminEntry& initial) = 0;
};

enum class OpenCheck { Open, Refused, NoComputerName /* sharing goes off */ };

struct ExecuteResult {
  bool close = false;                 // the dialog closes
  std::optional<std::string> target;  // the folder now holding the files
};

class AdminSetup {
 public:
  // `operatingFolder`: the program's data root; create mode does not warn
  // of files in it.
  AdminSetup(platform::Services& os, NetAdmin& admin, FolderPicker& picker, std::string operatingFolder)
      : os_(os), admin_(admin), picker_(picker), operatingFolder_(std::move(operatingFolder)) {}

  // Before the dialog opens from the options window.
  OpenCheck CanOpen(AdminDialogMode mode, bool sharingChecked, const std::string& netFolderField);
  // The dialog's execute button.
  ExecuteResult Execute(AdminDialogMode mode, const AdminEntry& entry, const std::string& netFolderField);
  // After the dialog closed with a target: true when the shared-folder
  // field is to take it. The rights are read again either way.
  bool AfterClose(const std::string& target, const std::string& netFolderField);

  // The rights dialog from the options window; true when the rights changed.
  bool SetRights(AdminDialogPort& dialog, const std::string& netFolder);

 private:
  std::optional<std::string> ChooseTarget(AdminDialogMode mode, const std::string& netFolderField);
  bool ConfirmNewFolder(const std::string& target);
  bool WriteBoth(const std::string& target);
  bool CheckEntry(const AdminEntry& entry, bool& close);
  bool WriteRights(const std::string& name, const std::string& password, int level);
  void Tell(const std::string& text);

  platform::Services& os_;
  NetAdmin& admin_;
  FolderPicker& picker_;
  std::string operatingFolder_;
};

}  // namespace net
