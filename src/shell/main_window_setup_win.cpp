// The setup window from the main window, on the page of each command:
// backup and restore, export, the commemoration import, the
// commemoration-day table and the installation the first start offers;
// and what it leaves behind (an end, a restart, files to read again).
#include "settings/cleanup_window_win.h"
#include "platform/dialog_helpers.h"
#include "settings/settings_file.h"
#include "shell/main_window_win.h"
#include "shell/run_log.h"

namespace shell {
namespace {

constexpr char kReloadFailed[] =
    "月の予定読込に失敗しました。\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。";

}  // namespace

settings::SetupWindowArgs MainWindow::SetupArgs() {
  const StartupState& st = controller_.startup();
  const settings::Settings& s = controller_.settings();
  settings::SetupWindowArgs args;
  args.owner = hwnd();
  args.os = &os_;
  args.dialogs = &native_.dialogs();
  args.main = this;
  args.settingsFile = st.settingsFile;
  args.place.programFolder = st.programFolder;
  args.place.edFolder = s.edFolder;
  args.place.folders = controller_.folders().folders;
  args.place.networkDataInUse = network_->On();
  args.setup.sourceFolder = st.programFolder;
  args.setup.netIni = s.cbNetIni;
  args.setup.netFolder = s.edtNetFolder;
  args.network = &controller_.network();
  return args;
}

void MainWindow::RunSetupWindow(settings::SetupPage page, const settings::SetupWindowArgs& args) {
  const auto result = settings::ShowSetupWindow(page, args);
  if (!result) return;
  switch (result->ending) {
    case settings::SetupEnding::EndProgram:
      controller_.EndProgram(Ending::DiskNewer);
      break;
    case settings::SetupEnding::Restart:
      // What this copy holds is on disk before the installed copy reads it;
      // that copy starts while this one still runs for a second: it gets the
      // hot keys (and the tray) free, not a failure to tell.
      if (!controller_.PrepareEnd(Ending::Saving)) break;
      resident_->OnDestroy();
      os_.shell.StartProgram(result->commandLine, result->workingFolder);
      SetTimer(hwnd(), kEndAfterSetupTimer, kEndAfterSetupMs, nullptr);
      break;
    case settings::SetupEnding::Closed:
      AfterSetupPage(page, args, *result);
      break;
  }
}

void MainWindow::AfterSetupPage(settings::SetupPage page, const settings::SetupWindowArgs& args,
                                const settings::SetupWindowResult& result) {
  const std::string& common = controller_.folders().folders.commonDataFolder;
  if (page == settings::SetupPage::SpecialDays && result.specialDaysWritten) {
    LoadSpecialDays(common);
    SpecialDaysChanged();
    Refresh();
  }
  if (page != settings::SetupPage::Commemoration) return;
  // Settings applied without an import are kept too, or 適用 would forget them.
  if (result.commemorationApplied || result.reloadNeeded)
    settings::SaveCommemoration(os_.fs, common, result.commemorationApplied ? result.commemoration
                                                                            : args.commemoration);
  if (result.reloadNeeded) ReloadAfterImport();
}

void MainWindow::ReloadAfterImport() {
  if (controller_.cycle().ReloadAll() == ReloadResult::FolderNotCreatable) {
    platform::Inform(os_.dialogs, kReloadFailed);
    EndApplication();
    return;
  }
  Refresh();
}

void MainWindow::OpenBackup() { RunSetupWindow(settings::SetupPage::Backup, SetupArgs()); }

// From the options window's " ネット１ " tab, which stays open meanwhile.
void MainWindow::OpenSharedBackup(HWND owner) {
  settings::SetupWindowArgs args = SetupArgs();
  args.owner = owner;
  RunSetupWindow(settings::SetupPage::Backup, args);
}

void MainWindow::OpenExport() {
  settings::SetupWindowArgs args = SetupArgs();
  args.days = &grid_->grid().Classifier();
  args.shownMonth = [this] { return calendar::JuliusToDate(grid_->grid().JuliusDay()); };
  RunSetupWindow(settings::SetupPage::Export, args);
}

// The import rewrites month files: every edit is on disk first, and a
// failed save keeps the window closed rather than read over what it holds.
void MainWindow::OpenCommemoration() {
  if (!controller_.SaveAndTidy()) return;
  controller_.cycle().GoToCurrentMonth();
  settings::SetupWindowArgs args = SetupArgs();
  args.commemoration = settings::LoadCommemoration(os_.fs, controller_.folders().folders.commonDataFolder);
  network_->HoldingOthersOff([&] { RunSetupWindow(settings::SetupPage::Commemoration, args); });
}

void MainWindow::OpenSpecialDayTable() { RunSetupWindow(settings::SetupPage::SpecialDays, SetupArgs()); }

void MainWindow::OpenInstallation(bool fromNetworkDrive) {
  settings::SetupWindowArgs args = SetupArgs();
  args.setup.offerCleanup = !fromNetworkDrive;
  if (const auto& archive = controller_.switches().setupArchive) args.setup.setupArchive = *archive;
  RunSetupWindow(settings::SetupPage::Install, args);
}

void MainWindow::WireSetupWork() {
  LaterWork& later = controller_.later();
  later.openSetup = [this](bool fromNetworkDrive) { OpenInstallation(fromNetworkDrive); };
  const settings::CleanupContext cleanup{hwnd(), &os_, &native_.dialogs(), [this] {
                                           return settings::CleanupGuard{controller_.startup().programFolder,
                                                                         controller_.folders().folders.dataRoot};
                                         }};
  later.offerArchiveDeletion = settings::ArchiveDeletionOffer(cleanup);
  later.offerWorkFolderDeletion = settings::WorkFolderDeletionOffer(cleanup);
}

// ---- SetupMainWindow ----

// A backup takes, and a restore keeps aside, the memo typed until now.
void MainWindow::SavePendingData() {
  FinishOpenWork(false);
  controller_.SaveAll();
}
bool MainWindow::Busy() { return controller_.busy(); }
void MainWindow::RecordEnd() { RunLog(os_, RunLogPath()).RecordEnd(); }

}  // namespace shell
