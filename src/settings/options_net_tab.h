#pragma once
// The options window's " ネット１ " tab without its window: which of its
// buttons the rights allow, the rights shown, and what each button does
// with the network work of net/ (lock maintenance, the administration
// dialogs and files). The running network mode and the rights of this run
// belong to the main window; the tab reaches them through
// OptionsNetworkHost.
#include <memory>
#include <optional>
#include <string>

#include "net/admin_files.h"
#include "net/admin_setup.h"
#include "platform/services.h"
#include "settings/options.h"

namespace settings {

// What the tab needs of the main window.
class OptionsNetworkHost {
 public:
  virtual ~OptionsNetworkHost() = default;
  // The network mode runs now (net::NetworkMode::On).
  virtual bool NetworkOn() = 0;
  // net::NetworkMode::SetNetwork; true when the mode is as asked.
  virtual bool SetNetwork(bool on) = 0;
  // This run's administration files and rights; a rights change made on
  // the tab is the main window's from then on.
  virtual net::NetAdmin& Admin() = 0;
  // "ネットデータバックアップ＆リストア": the setup window on its backup page;
  // without one the button stays greyed.
  virtual bool CanOpenNetBackup() = 0;
  virtual void OpenNetBackup() = 0;
};

// The administration dialog (TfmNetFolder) as the tab opens it.
class AdminWindows {
 public:
  virtual ~AdminWindows() = default;
  // Create or rewrite mode, its execute button running `setup` with the
  // shared-folder field: the folder that now holds the administration
  // files, when the dialog made them.
  virtual std::optional<std::string> ShowAdminDialog(net::AdminSetup& setup, net::AdminDialogMode mode,
                                                     const std::string& netFolderField,
                                                     const net::AdminEntry& initial) = 0;
  // The same dialog for the rights flow of AdminSetup::SetRights.
  virtual std::unique_ptr<net::AdminDialogPort> RightsDialog(net::AdminSetup& setup,
                                                             const std::string& netFolderField) = 0;
};

class NetTab {
 public:
  // `dataRoot`: the program's data root (create mode does not warn of the
  // files in it).
  NetTab(platform::Services& os, OptionsNetworkHost& host, net::FolderPicker& picker, std::string dataRoot);

  // The tab came into view: with sharing checked the rights are read for
  // the folder in the field.
  void Shown(const OptionsForm& form);
  net::NetTabEnables Enables(const OptionsForm& form);
  // "管理者権限", "管理コンピュータ" or "".
  std::string RightsText();

  void SearchLocks(const OptionsForm& form);  // "ロック検索"
  void UnlockAll(const OptionsForm& form);    // "すべてのロックを解除"
  // "初期データフォルダ作成" (Create) and "管理コンピュータ再指定" (Rewrite): the
  // field may take the folder the dialog made.
  void RunAdminDialog(net::AdminDialogMode mode, OptionsForm& form, AdminWindows& windows);
  void SetRights(OptionsForm& form, AdminWindows& windows);  // "管理者権限設定"
  void OpenBackup();  // "ネットデータバックアップ＆リストア"

  // The window closes: the administration paths go back to the shared
  // folder in force, `netFolderInForce` when the field's change was taken.
  void Finish(const std::optional<std::string>& netFolderInForce);

 private:
  // The computer name is missing: sharing goes off.
  void SharingOff(OptionsForm& form);

  platform::Services& os_;
  OptionsNetworkHost& host_;
  net::AdminSetup setup_;
  std::string folderAtOpen_;
};

}  // namespace settings
