#pragma once
// The administration dialog "データフォルダ作成" in its three modes, and the
// folder picker of create mode. The decisions are AdminSetup's; this is
// the window around them. The password field shows only masks.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "net/admin_setup.h"
#include "platform/window_win.h"

namespace net {

class AdminDialog : public platform::Window, public AdminDialogPort {
 public:
  enum ControlId : int { kTitle = 101, kRightsNote, kNameLabel, kName, kPasswordLabel, kPassword, kPrompt,
                         kExecute = IDOK, kCancel = IDCANCEL };

  // `setup` runs the execute button of create and rewrite modes with
  // `netFolderField` (the options window's shared-folder field).
  AdminDialog(HWND owner, AdminSetup& setup, std::string netFolderField);
  ~AdminDialog() override;

  // Modal; what was entered when the dialog closed by its execute button.
  std::optional<AdminEntry> Show(AdminDialogMode mode, const AdminEntry& initial) override;
  // The folder that now holds the administration files (create, rewrite).
  const std::optional<std::string>& target() const { return target_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  struct Controls;
  bool Build();
  void MakeFonts();
  void Layout();
  void Fill(AdminDialogMode mode, const AdminEntry& initial);
  void OnExecute();

  HWND owner_;
  AdminSetup& setup_;
  std::string netFolderField_;
  std::unique_ptr<Controls> c_;
  AdminDialogMode mode_ = AdminDialogMode::Create;
  std::optional<AdminEntry> entry_;
  std::optional<std::string> target_;
  bool closed_ = true;
};

// SHBrowseForFolderW, starting in the given folder.
class ShellFolderPicker : public FolderPicker {
 public:
  explicit ShellFolderPicker(HWND owner) : owner_(owner) {}
  std::optional<std::string> PickFolder(const std::string& start) override;

 private:
  HWND owner_;
};

}  // namespace net
