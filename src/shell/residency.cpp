#include "shell/residency.h"

#include "platform/dialog_helpers.h"
#include "platform/notify_retry.h"

namespace shell {

void Residency::GoResident(ResidencyCaller caller) {
  port_.EnableMoveMenu();
  if (closeButtonMode_ && caller != ResidencyCaller::FileMenu) {
    port_.CloseMainWindow();
    return;
  }
  port_.HideMainWindow();
  port_.ClearGridSelection();
  SaveOpenWork();
  platform::RetryShellRefusal(os_.clock, [this] { return port_.TryShowTrayIcon(); });
  port_.AutoBackup();
}

void Residency::SaveOpenWork() {
  if (port_.MemoWindowOpen()) port_.SaveAndCloseMemoWindow();
  if (port_.SearchWindowOpen()) port_.SaveAndCloseSearchWindow();
  port_.SaveAndTidy();
}

void Residency::Restore(bool moveTopLeft) {
  if (moveTopLeft) port_.MoveToTopLeft();
  if (port_.MainWindowVisible()) {
    if (port_.BringApplicationForward()) return;
    port_.BringMainWindowForward();
    platform::Inform(os_.dialogs, kRestoreErrorText);
    port_.EndProgram();
    return;
  }
  port_.ShowMainWindow();
  if (port_.MemoPageActive()) port_.ShowMonthPageAndRefresh();
  // A date that changed while the window was hidden is caught at once.
  port_.RunFunctionTick();
  port_.BringMainWindowForward();
  if (!port_.NetworkOn() && port_.DataSetInUse() != 1) port_.SwitchDataSet(1);
  port_.CheckSharedFolder();
}

void Residency::ToggleByHotkey(bool applicationActive) {
  if (port_.MainWindowVisible() && applicationActive)
    GoResident(ResidencyCaller::HotKey);
  else
    Restore();
}

bool ResidencyCountdown::Tick() {
  if (seconds_ <= 0) return false;
  return --seconds_ == 0;
}

bool ResidencyCountdown::Cancel() {
  const bool wasRunning = running();
  seconds_ = 0;
  return wasRunning;
}

}  // namespace shell
