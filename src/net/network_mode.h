#pragma once
// The network mode ("ネットＯｎ"): several computers keep their schedules in
// one shared folder, with no server.
//
//   <shared>\mente.lock              maintenance: no one else edits or re-reads
//   <shared>\update.kdf              change counter, polled by every computer
//   <shared>\Data\Files1\Ca*.kdf     the months, each guarded by Ca*.lock
//   <shared>\Data\Files1\CaFromTo.kdf  the periods, guarded by CaFromTo.lock
//
// This class is the network side of the main window: the locks of an edit
// (shell::SharedFolder), the count after every write (store::NetworkLink),
// the poll of the counter and what it leads to, the re-read, the
// maintenance lock and switching the mode on and off. What it asks of the
// main window goes through NetHost.
#include <set>
#include <string>

#include "net/admin_files.h"
#include "net/change_counter.h"
#include "net/lock_files.h"
#include "net/status_label.h"
#include "platform/services.h"
#include "store/folders.h"
#include "store/network_link.h"

namespace net {

inline constexpr char kMaintenanceLockName[] = "mente.lock";
inline constexpr unsigned kMaintenanceSettleMs = 1000;

// What the poll of the change counter leads to.
enum class PollAction { None, Reload, SaveAndQuit };
// `count` -1 is a failed read and changes nothing.
PollAction DecidePoll(int count, int remembered);
// The interval of tmNet from "rbNetKoushin": 0 none (only on return from
// residency), 1 every 10 s, anything else every 60 s.
unsigned PollIntervalMs(int rbNetKoushin);

// The places a vanished shared folder is noticed, with their codes.
enum class FolderCheck { BeforeReadingMonths, BeforeReadingPeriods, BeforeSaving };
// "ネットフォルダ[…]が確認できません。\r\nローカルフォルダに設定を戻します（ネットＯｆｆ）。[n030]".
std::string MissingFolderText(const std::string& dataFolder, FolderCheck check);
// The first show's question [n070]: Yes ends the program.
std::string FirstShowQuestion(const std::string& dataFolder);
// Shown when the shared folder of the last run did not come back while
// the waiting window waited.
extern const char kNetFolderNotFoundAtStart[];

// The controls the network mode changes.
struct NetworkControls {
  bool on = false;
  bool dataSetButtons = true;  // "Files1", "Files2"
  bool backupMenu = true;      // "バックアップ＆リストア(&B)"
  bool textExportMenu = true;  // "テキスト書出(&W)"
  bool setAsideButton = true;  // "退避"
  bool netReload = false;      // "ネット読み直し"
  bool networkLabel = false;
  std::string switchCaption = "ネットＯｎ";  // menu items and the button
  bool clearPanel1 = true;
  bool switchWarning = false;  // the button yellow with red text

  bool operator==(const NetworkControls&) const = default;
};
NetworkControls ControlsFor(bool on);

// The main window as the network mode needs it.
class NetHost {
 public:
  virtual ~NetHost() = default;
  // The shown month read again from the data folder, laid out and painted.
  virtual void RereadShownMonth() = 0;
  // The period list read again; false when its folder is gone ([n040] was
  // shown and the network switched off).
  virtual bool RereadPeriods() = 0;
  virtual void SaveAndQuit() = 0;
  virtual bool SaveAndTidy() = 0;
  // "vNet_flg" on, the data folder `dataFolder`, every month read again.
  virtual void UseSharedData(const std::string& dataFolder) = 0;
  // "vNet_flg" off and back to the local data set in use ("UseFolNo"),
  // saving no data on the way.
  virtual void UseLocalData() = 0;
  virtual void ShowNetworkState(const NetworkControls& controls) = 0;
  // The grid's month into the month window when it lies outside.
  virtual void FollowShownMonth() = 0;
};

class NetworkMode {
 public:
  // Fills `link.countUpdate` for as long as it lives.
  NetworkMode(platform::Services& os, const store::Folders& folders, store::NetworkLink& link,
              StatusLabel& label, NetHost& host, NetAdmin& admin);
  ~NetworkMode();
  NetworkMode(const NetworkMode&) = delete;
  NetworkMode& operator=(const NetworkMode&) = delete;

  bool On() const { return link_.on; }
  int accessLevel() const { return admin_.level(); }
  const ChangeCounter& counter() const { return counter_; }

  // The lock side of an edit, with this computer's name: 300 ms and 5
  // tries to acquire, 10 to release.
  bool ServiceLockPresent();  // shows the maintenance text
  bool AcquireLock(const std::string& path);
  bool ReleaseLock(const std::string& path);
  // The edit's lock is still this computer's, just before its write.
  bool HoldsLock(const std::string& path);
  // After every network write of a month or of the period file.
  bool CountUpdate();

  // tmNet's tick and the return from residency. Holds back while an edit
  // holds one of its locks or any question of the program is open: a
  // re-read then would replace what the user is about to confirm.
  PollAction Poll(bool windowVisible, bool editorOpen);
  // An edit is between its lock and its release.
  bool editing() const { return !heldLocks_.empty(); }
  // "ネット読み直し".
  bool NetReload();

  // The maintenance lock of the options window's maintenance functions.
  bool TakeServiceLock(bool on);
  bool holdsServiceLock() const { return holdsServiceLock_; }
  // At close; false when a held maintenance lock stayed.
  bool ReleaseServiceLockAtClose();

  // "ネットＯｎ" / "ネットＯｆｆ"; true when the mode is as asked.
  bool SetNetwork(bool on);
  // The settings load switched the mode on: rights and controls follow.
  void StartedOn();
  // The waiting window closed at start: found, the mode goes on; else the
  // button is marked and the user told.
  void AfterNetworkWait(bool found);
  // A vanished shared folder noticed at `check`: told, the mode goes off.
  // True when the folder is there (or the mode is off).
  bool CheckFolder(FolderCheck check);

 private:
  std::string NetPath(const char* name) const;
  bool MaintenanceLockExists() const;
  bool Reload(bool tellMaintenance);
  void SwitchOn();
  bool SetMode(bool on);
  void Tell(const std::string& text);

  platform::Services& os_;
  const store::Folders& folders_;
  store::NetworkLink& link_;
  NetHost& host_;
  NetAdmin& admin_;
  LockFiles locks_;
  ChangeCounter counter_;
  bool holdsServiceLock_ = false;
  bool reloading_ = false;
  std::set<std::string> heldLocks_;  // an edit's second acquire names the same
};

}  // namespace net
