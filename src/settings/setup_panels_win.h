#pragma once
// The setup window's own pages as child panels: the data backup and
// restore ("　データ退避（バックアップ） " of "コピー"), the installation
// ("Setup") and the shortcuts ("起動方法"). The decisions are those of
// backup_restore.h, setup_install.h and shortcuts.h; these windows show
// them and pass the clicks on.
#include <windows.h>

#include <array>
#include <memory>

#include "platform/window_win.h"
#include "settings/backup_restore.h"
#include "settings/page_controls_win.h"
#include "settings/setup_install.h"
#include "settings/shortcuts.h"
#include "settings/window_keys.h"

namespace settings {

inline constexpr wchar_t kBackupPageClass[] = L"TTaihiPage";
inline constexpr wchar_t kInstallPageClass[] = L"TSetupPage";
inline constexpr wchar_t kShortcutPageClass[] = L"TKidouPage";

// The panel window every page is: a child holding controls.

class BackupPanelHost : public MaintenanceHost {
 public:
  // A restore ran, well or not: the program ends, as its message said.
  virtual void RestoreEnded() = 0;
};

struct BackupPanelArgs {
  HWND parent = nullptr;
  int id = 0;
  platform::Services* os = nullptr;
  DataPlace place;
  SetupWindowKeys* keys = nullptr;  // the folder fields and labels, kept by the window
  BackupPanelHost* host = nullptr;
};

class BackupPanel : public PageWindow {
 public:
  enum ControlId : int {
    kSlotGroupId = 100, kSlotFieldId = 101, kSlotPickId = 102, kSlotRunId = 103, kSlotLabelId = 104,
    kSlotStep = 10,  // slot 2: 110..114
    kRestoreGroupId = 120, kRestoreOnId, kRestoreFieldId, kRestorePickId, kRestoreRunId,
  };
  // The folder fields into the keys, before they are kept.
  void ReadFields();

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend std::unique_ptr<BackupPanel> CreateBackupPanel(const BackupPanelArgs& args);
  explicit BackupPanel(const BackupPanelArgs& args) : args_(args) {}
  bool Build();
  void Refresh();
  void OnCommand(int id);
  void Pick(int fieldId);

  BackupPanelArgs args_;
  bool restoreOn_ = false;
};
std::unique_ptr<BackupPanel> CreateBackupPanel(const BackupPanelArgs& args);

class InstallPanelHost : public SetupHost {
 public:
  // Installed: this program ends and the installed one starts.
  virtual void SetupEnded(const SetupOutcome& outcome) = 0;
};

struct InstallPanelArgs {
  HWND parent = nullptr;
  int id = 0;
  platform::Services* os = nullptr;
  SetupFacts facts;
  SetupWindowKeys* keys = nullptr;  // edtSetup and the folder choice "Set_Ta"
  InstallPanelHost* host = nullptr;
};

class InstallPanel : public PageWindow {
 public:
  enum ControlId : int {
    kKindGroupId = 200, kNewId, kOverwriteId, kFolderGroupId, kChoiceFirstId,
    kFieldId = kChoiceFirstId + kSetupFolderChoices, kPickId, kNoBackupId, kLinkGroupId, kLinkFirstId,
    kProgressId = kLinkFirstId + kShortcutKinds, kStartId,
  };
  void ReadFields();
  // The progress label, painted at once: the work runs on this thread.
  void ShowProgress(const std::string& label);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend std::unique_ptr<InstallPanel> CreateInstallPanel(const InstallPanelArgs& args);
  explicit InstallPanel(const InstallPanelArgs& args) : args_(args) {}
  bool Build();
  void CreateControls();
  void Choose(SetupFolderChoice choice);
  void OnCommand(int id);
  void Start();

  InstallPanelArgs args_;
  SetupFolderChoice choice_ = SetupFolderChoice::UserArea;
};
std::unique_ptr<InstallPanel> CreateInstallPanel(const InstallPanelArgs& args);

struct ShortcutPanelArgs {
  HWND parent = nullptr;
  int id = 0;
  platform::Services* os = nullptr;
  std::string programFolder;  // the running program, which the shortcuts start
};

class ShortcutPanel : public PageWindow {
 public:
  enum ControlId : int { kGroupFirstId = 300, kIdsPerGroup = 10, kAllOffId = 350 };
  static int OnId(ShortcutKind kind) { return kGroupFirstId + static_cast<int>(kind) * kIdsPerGroup + 1; }
  static int OffId(ShortcutKind kind) { return OnId(kind) + 1; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend std::unique_ptr<ShortcutPanel> CreateShortcutPanel(const ShortcutPanelArgs& args);
  explicit ShortcutPanel(const ShortcutPanelArgs& args) : args_(args) {}
  bool Build();
  void Show(ShortcutKind kind);
  void OnCommand(int id);

  ShortcutPanelArgs args_;
  std::array<bool, kShortcutKinds> on_{};
};
std::unique_ptr<ShortcutPanel> CreateShortcutPanel(const ShortcutPanelArgs& args);

}  // namespace settings
