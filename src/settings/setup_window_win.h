#pragma once
// TfmSetup, the setup window: the maintenance console the main window opens
// modally, titled "楓帳 -Velda-", on one of its pages (setup_tabs.h):
//
//   コピー     "　データ退避（バックアップ） " (backup, restore) and
//              "　データ書出　" (export_page_win.h)
//   Setup      installation and overwrite (setup_install.h)
//   起動方法   the shortcuts (shortcuts.h)
//   かえで記念 commemoration_page_win.h, alone
//   記念日     special_day_page_win.h, alone
//
// The window keeps the "Setup" keys of the settings file: read when it
// opens, written when it closes. While it is open, message boxes belong to
// it and the main window is disabled.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "calendar/day_classifier.h"
#include "platform/native_services.h"
#include "settings/backup_restore.h"
#include "settings/export_page.h"
#include "settings/setup_install.h"
#include "settings/setup_tabs.h"
#include "settings/window_keys.h"
#include "store/network_link.h"

namespace settings {

inline constexpr wchar_t kSetupWindowClass[] = L"TfmSetup";

// What the setup window needs of the main window.
class SetupMainWindow {
 public:
  virtual ~SetupMainWindow() = default;
  // The months and periods in memory written out (SaveAll).
  virtual void SavePendingData() = 0;
  virtual bool AutoBackupRunning() = 0;
  virtual bool Busy() = 0;
  // The run-time log records the stop, when it is kept.
  virtual void RecordEnd() = 0;
};

struct SetupWindowArgs {
  HWND owner = nullptr;                       // the main window
  platform::Services* os = nullptr;
  platform::NativeDialogs* dialogs = nullptr;  // owned by this window while it is open; may be null
  SetupMainWindow* main = nullptr;
  std::string settingsFile;                   // "Velda.ini": the section "Setup"
  DataPlace place;
  SetupFacts setup;                           // sourceFolder = ProgramFolder
  // The export sub-page; without the rules and the month it is left out.
  const calendar::DayClassifier* days = nullptr;
  std::function<calendar::Date()> shownMonth;
  // The commemoration page.
  store::NetworkLink* network = nullptr;
  CommemorationSettings commemoration;
};

enum class SetupEnding {
  Closed,      // nothing more to do than what the fields below say
  EndProgram,  // a restore ran (its end is in the run log): end at once, without saving the months in memory
  Restart,     // installed: record the end, start `commandLine`, end after a second
};

struct SetupWindowResult {
  SetupEnding ending = SetupEnding::Closed;
  std::string commandLine;    // Restart: the installed program and its switches
  std::string workingFolder;
  // かえで記念: "適用(&W)" keeps `commemoration`; files rewritten need a reload.
  bool commemorationApplied = false;
  CommemorationSettings commemoration;
  bool reloadNeeded = false;
  // 記念日: "書込／閉じる(&W)" wrote "Sday.kdf".
  bool specialDaysWritten = false;
};

// Shows the window modally on `page` and returns when it has closed.
// Nullopt when it could not be made.
std::optional<SetupWindowResult> ShowSetupWindow(SetupPage page, const SetupWindowArgs& args);

}  // namespace settings
