// The options window from the main window and the memo window, and the
// changes it brings applied at once.
#include "settings/options_window_win.h"
#include "shell/main_window_win.h"
#include "shell/run_log.h"
#include "shell/status_texts.h"
#include "support/paths.h"

namespace shell {

// Everything typed so far is on disk first: the window may change the
// data folder, and the program then ends.
void MainWindow::ShowOptionsWindow(int mode, HWND owner) {
  controller_.SaveAll();
  const StartupState& st = controller_.startup();
  settings::ShowOptionsArgs args;
  args.owner = owner ? owner : hwnd();
  args.os = &os_;
  args.context = {st.programFolder, st.onRemovableDrive, st.onCdRom,
                  os_.fs.Exists(support::JoinPath(st.programFolder, "localfol.kdf")),
                  os_.system.ShellMajorVersion()};
  args.settingsFile = st.settingsFile;
  args.dataRoot = controller_.folders().folders.dataRoot;
  args.network = network_.get();
  const settings::OptionsOutcome out = settings::ShowOptions(args, mode, controller_.settings());
  if (out.shown) ApplyOptionChanges(out.changes);
}

void MainWindow::ApplyOptionChanges(const settings::OptionsChanges& c) {
  const settings::Settings& s = controller_.settings();
  if (c.switchNetworkOff) network_->SetNetwork(false);
  if (c.gridOptions) {
    ApplyGridSettings(s);
    Refresh();
  }
  if (c.yearPage) SetYearPageStart(s.rgYFirstMonth, s.SpHajimariTuki);
  if (c.gridOptions || c.yearPage) RefreshYearPage();
  if (c.displayMode) controller_.ReapplyDisplayMode();
  if (c.timeCheckInterval) resident_->OptionsClosed();
  if (c.alarmButton) resident_->AlarmFunctionChanged();
  if (c.companionPaths) memos_->SettingsLoaded();
  if (c.hotkeys) resident_->RebindHotkeys();
  if (c.runLog) RunLog(os_, RunLogPath()).LoggingSwitched(s.cbKidouKiroku);
  if (c.statusBar) {
    ShowClockText(ClockText(os_.clock.Now(), s.cb24ji));
    resident_->RefreshStatusPanel2();
  }
  if (c.memoTab || c.printButton || c.companionPaths) ApplyMemoSettings();
  if (c.netPoll) network_->RestartTimer();
  if (c.netFolder) network_->NetFolderChanged();
  if (settings::AfterOptionsClosed(c, os_.dialogs)) RequestClose();
}

}  // namespace shell
