#include "shell/network_win.h"

#include "net/day_first_backup.h"
#include "net/folder_wait_window_win.h"
#include "shell/controls_win.h"
#include "shell/resident_win.h"

namespace shell {

NetworkFeature::NetworkFeature(platform::Services& os, NetworkHost& host) : os_(os), host_(host) {}

NetworkFeature::~NetworkFeature() = default;

void NetworkFeature::WireLaterWork() {
  MainController& c = host_.Controller();
  const StartupState& st = c.startup();
  admin_ = std::make_unique<net::NetAdmin>(os_, st.settingsFolder,
                                           c.switches().networkFirstStart && st.onNetworkDrive);
  LaterWork& later = c.later();
  later.registerNetworkAdministrator = [this, &st] { return admin_->RegisterNetworkAdministrator(st.programFolder); };
  later.networkAccessLevel = [this] { return admin_->level(); };
  later.holdsMaintenanceLock = [this] { return mode_ && mode_->holdsServiceLock(); };
  later.releaseMaintenanceLock = [this] { return !mode_ || mode_->ReleaseServiceLockAtClose(); };
  later.dayFirstBackup = [this] { BackUpDayFirst(); };
  later.showNetworkWaitWindow = [this] { WaitForSharedFolder(); };
}

// The shared folder of the last run was missing at start: wait for it.
void NetworkFeature::WaitForSharedFolder() {
  const std::string folder = store::DataSetFolder(host_.Controller().folders().folders.netFolder, 1);
  host_.SetWaitingForSharedFolder(true);
  const bool found = net::ShowFolderWaitWindow(host_.MainHwnd(), os_, folder) == net::FolderWaitResult::Found;
  host_.SetWaitingForSharedFolder(false);
  AfterWait(found);
}

void NetworkFeature::Start() {
  MainController& c = host_.Controller();
  mode_ = std::make_unique<net::NetworkMode>(os_, c.folders().folders, c.network(),
                                             static_cast<net::StatusLabel&>(*this),
                                             static_cast<net::NetHost&>(*this), *admin_);
  // From now on a vanished folder switches the mode off through it.
  c.later().switchNetworkOff = [this] { mode_->SetNetwork(false); };
  if (GridEditing* editing = host_.Editing()) editing->SetSharedFolder(this);
  mode_->StartedOn();
  ShowNetworkState(net::ControlsFor(mode_->On()));
  RestartTimer();
}

void NetworkFeature::Toggle() {
  if (mode_) mode_->SetNetwork(!mode_->On());
}

void NetworkFeature::Reload() {
  if (mode_) mode_->NetReload();
}

void NetworkFeature::Poll() {
  if (!mode_) return;
  mode_->Poll(IsWindowVisible(host_.MainHwnd()) != FALSE, host_.DayEditorOpen());
}

bool NetworkFeature::OnTimer(UINT_PTR id) {
  if (id != kNetTimer) return false;
  Poll();
  return true;
}

void NetworkFeature::RestartTimer() {
  const unsigned ms = net::PollIntervalMs(host_.Controller().settings().rbNetKoushin);
  KillTimer(host_.MainHwnd(), kNetTimer);
  if (ms) SetTimer(host_.MainHwnd(), kNetTimer, ms, nullptr);
}

void NetworkFeature::AfterWait(bool found) {
  if (mode_) mode_->AfterNetworkWait(found);
}

void NetworkFeature::NetFolderChanged() {
  host_.Controller().ApplyNetFolderSetting();
  admin_->SetNetFolder(host_.Controller().folders().folders.netFolder);
}

// ---- what the protocol asks of the window ---------------------------------

void NetworkFeature::RereadShownMonth() {
  if (GridEditing* editing = host_.Editing()) editing->RereadShownMonth();
}

bool NetworkFeature::RereadPeriods() {
  GridEditing* editing = host_.Editing();
  return !editing || editing->RereadPeriods();
}

void NetworkFeature::ShowNetworkState(const net::NetworkControls& controls) {
  host_.ShowNetworkPanel(controls.networkLabel ? kNetworkPanelText : "");
  host_.UpdateCommandButtons();
}

void NetworkFeature::Show(const net::LockStatus& status) {
  host_.ShowLockStatus(status.text, ColourOf(net::ColorValue(status.color)));
}

bool NetworkFeature::BackUpDayFirst() {
  MainController& c = host_.Controller();
  std::vector<const store::MonthSlot*> months;
  for (int i = 0; i < kWindowSlots; ++i) months.push_back(&c.cycle().slot(i).data);
  return net::DayFirstBackup(os_, c.folders().folders.safeGuardFolder, months, c.cycle().periods());
}

void NetworkFeature::HoldingOthersOff(const std::function<void()>& work) {
  if (!On()) return work();
  if (!mode_->TakeServiceLock(true)) return;
  // Released even when `work` fails: a lock left behind would shut every
  // other computer out of the shared data.
  struct Release {
    net::NetworkMode& mode;
    ~Release() { mode.TakeServiceLock(false); }
  } release{*mode_};
  work();
}

}  // namespace shell
