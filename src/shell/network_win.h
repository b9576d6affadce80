#pragma once
// The main window's side of sharing one data folder between computers:
// the administration files of "/F", the network mode with its locks, the
// change counter's poll on tmNet, the lock status label and the network
// panel of the status bar. The protocol itself is net::NetworkMode; this
// class plugs it into the controller, the edits and the window.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "net/admin_files.h"
#include "net/network_mode.h"
#include "settings/options_net_tab.h"
#include "shell/edit_flows.h"
#include "shell/grid_editing.h"
#include "shell/main_controller.h"

namespace shell {

// What the main window does for it.
class NetworkHost {
 public:
  virtual ~NetworkHost() = default;
  virtual HWND MainHwnd() const = 0;
  virtual MainController& Controller() = 0;
  virtual GridEditing* Editing() = 0;
  virtual bool DayEditorOpen() = 0;
  // The coloured label over the status bar; "" hides it.
  virtual void ShowLockStatus(const std::string& text, COLORREF colour) = 0;
  // Status panel 1; "" clears it.
  virtual void ShowNetworkPanel(const std::string& text) = 0;
  // The buttons follow the command rules again.
  virtual void UpdateCommandButtons() = 0;
  virtual void FollowShownMonth() = 0;
  virtual void SetWaitingForSharedFolder(bool waiting) = 0;
  // The setup window's backup page over the shared data, owned by `owner`.
  virtual void OpenSharedBackup(HWND owner) = 0;
};

inline constexpr char kNetworkPanelText[] = "ネット";

class NetworkFeature : public SharedFolder,
                       public settings::OptionsNetworkHost,
                       private net::NetHost,
                       private net::StatusLabel {
 public:
  NetworkFeature(platform::Services& os, NetworkHost& host);
  ~NetworkFeature() override;
  NetworkFeature(const NetworkFeature&) = delete;
  NetworkFeature& operator=(const NetworkFeature&) = delete;

  // Before the controller starts: the hooks it calls while it builds
  // itself ("/F" registration, the access level, the day-first backup).
  void WireLaterWork();
  // After the months were read: the mode as the settings left it, the
  // edits' lock side and the poll timer.
  void Start();

  // SharedFolder, for the edits.
  bool On() const override { return mode_ && mode_->On(); }
  bool ServiceLockPresent() override { return mode_ && mode_->ServiceLockPresent(); }
  bool AcquireLock(const std::string& path) override { return mode_ && mode_->AcquireLock(path); }
  bool ReleaseLock(const std::string& path) override { return mode_ && mode_->ReleaseLock(path); }
  bool HoldsLock(const std::string& path) override { return mode_ && mode_->HoldsLock(path); }

  // "ネットＯｎ"/"ネットＯｆｆ" and "ネット読み直し".
  void Toggle();
  void Reload();
  // tmNet's tick and the return from residency.
  void Poll();
  bool OnTimer(UINT_PTR id);
  // The poll's interval after the options changed "rbNetKoushin".
  void RestartTimer();
  // The waiting window closed at start.
  void AfterWait(bool found);
  // The options changed the shared folder.
  void NetFolderChanged();
  // Runs `work`, which writes or replaces shared data wholesale, with the
  // maintenance lock holding every other writer off; when the lock cannot
  // be had (told), `work` does not run. Local data need no lock.
  void HoldingOthersOff(const std::function<void()>& work);

  // settings::OptionsNetworkHost, for the options window's " ネット１ " tab.
  bool NetworkOn() override { return On(); }
  bool SetNetwork(bool on) override { return mode_ && mode_->SetNetwork(on); }
  net::NetAdmin& Admin() override { return *admin_; }
  bool CanOpenNetBackup() override { return true; }  // the tab enables it by the access level
  void OpenNetBackup() override {
    HoldingOthersOff([this] { host_.OpenSharedBackup(GetActiveWindow()); });
  }

 private:
  // net::NetHost
  void RereadShownMonth() override;
  bool RereadPeriods() override;
  void SaveAndQuit() override { host_.Controller().EndProgram(Ending::Saving); }
  bool SaveAndTidy() override { return host_.Controller().SaveAndTidy(); }
  void UseSharedData(const std::string& dataFolder) override { host_.Controller().UseSharedData(dataFolder); }
  void UseLocalData() override { host_.Controller().UseLocalData(); }
  void ShowNetworkState(const net::NetworkControls& controls) override;
  void FollowShownMonth() override { host_.FollowShownMonth(); }
  // net::StatusLabel
  void Show(const net::LockStatus& status) override;
  void Hide() override { host_.ShowLockStatus("", 0); }

  bool BackUpDayFirst();
  void WaitForSharedFolder();

  platform::Services& os_;
  NetworkHost& host_;
  std::unique_ptr<net::NetAdmin> admin_;
  std::unique_ptr<net::NetworkMode> mode_;
};

}  // namespace shell
