// The main window's side of residency, the function timer, the alarm and
// the run-time log (resident_win.h).
#include "platform/push_button_win.h"
#include "platform/text_win.h"
#include "shell/controls_win.h"
#include "shell/main_window_win.h"
#include "shell/run_log.h"
#include "shell/run_log_window_win.h"
#include "support/paths.h"

namespace shell {
std::string MainWindow::RunLogPath() const {
  return support::JoinPath(controller_.folders().folders.commonDataFolder, kRunLogFileName);
}

// Set before the controller starts: it calls them while it builds itself.
void MainWindow::WireLaterWork() {
  LaterWork& later = controller_.later();
  later.alarmArmed = [this] { return resident_->AlarmArmed(); };
  later.recordStart = [this] {
    const settings::Settings& s = controller_.settings();
    const StartRecord r = RunLog(os_, RunLogPath()).RecordStart(s.cbKirokuHyouji, s.udKidouGyou);
    if (!r.report.empty()) controller_.SetPendingInfo(r.report);
    return r.ok;
  };
  later.recordStop = [this] { RunLog(os_, RunLogPath()).RecordEnd(); };
  later.registerHotkeys = [this] { resident_->RegisterHotkeys(); };
  later.generationBackup = [this] { resident_->RunAutoBackup(); };
  later.startResidencyCountdown = [this] {
    resident_->StartCountdown(controller_.switches().residencySeconds);
  };
  // The settings were (re)read just before: the companions are looked for
  // with them, before the hot keys are bound.
  later.monthViewInitialised = [this] {
    resident_->MonthViewInitialised();
    memos_->SettingsLoaded();
  };
}

// ---- ResidentHost ------------------------------------------------------------

bool MainWindow::DayEditorOpen() { return dayEditor_ && dayEditor_->Showing(); }

bool MainWindow::DayEditorUntouched() { return dayEditor_ && dayEditor_->UntouchedForReminder(); }

void MainWindow::ShowClockText(const std::string& text) {
  if (mainPanelEnabled_) statusBar_.SetText(0, text, false);
}

void MainWindow::ShowStatusPanel2(const Panel2Text& text) {
  statusBar_.SetText(2, text.text, text.rightAligned);
}

void MainWindow::ShowAlarmButton(const AlarmButtonLook& look) {
  alarmLook_ = look;
  HWND button = buttons_[kBtnAlarm];
  SetWindowTextW(button, platform::Widen(look.caption).c_str());
  EnableWindow(button, look.enabled);
  ShowWindow(button, page_ == Page::Month && !look.caption.empty() ? SW_SHOW : SW_HIDE);
  InvalidateRect(button, nullptr, TRUE);
}

// Focused or pressed, the caption takes the look's active colour.
bool MainWindow::DrawAlarmButton(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != buttons_[kBtnAlarm]) return false;
  const bool active = (item.itemState & (ODS_FOCUS | ODS_SELECTED)) != 0;
  const COLORREF colour = !alarmLook_.enabled ? GetSysColor(COLOR_GRAYTEXT)
                          : ColourOf(active ? alarmLook_.activeFont : alarmLook_.inactiveFont);
  platform::DrawPushButton(item, uiFont_.get(), platform::Widen(alarmLook_.caption), colour);
  return true;
}

void MainWindow::ClearGridSelection() {
  grid_->grid().ClearSelection();
  InvalidateRect(grid_->hwnd(), nullptr, FALSE);
}

void MainWindow::ShowMonthPageAndRefresh() {
  SelectPage(Page::Month);
  Refresh();
}

// ---- commands -------------------------------------------------------------------

void MainWindow::ResidentButton() { resident_->GoResident(ResidencyCaller::ResidentButton); }

void MainWindow::GoResident(int caller) {
  static constexpr ResidencyCaller kCallers[] = {ResidencyCaller::FileMenu, ResidencyCaller::GridPopup,
                                                 ResidencyCaller::TrayMenu};
  if (caller >= 0 && caller < 3) resident_->GoResident(kCallers[caller]);
}

void MainWindow::Restore(bool moveTopLeft) { resident_->Restore(moveTopLeft); }

void MainWindow::OpenAlarm() { resident_->OpenAlarm(); }

void MainWindow::ShowRunLog() { ShowRunLogViewer(hwnd(), os_, RunLogPath()); }

}  // namespace shell
