#include "net/network_mode.h"

#include "platform/dialog_helpers.h"
#include "store/data_folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace net {
namespace {

constexpr char kMaintenanceText[] = "現在、メンテナンス中です。\r\nしばらくしてから、処理をお願いいたします。";
constexpr char kMaintenanceDeleteFailed[] = "メンテナンスファイルの削除に失敗しました。";

}  // namespace

const char kNetFolderNotFoundAtStart[] =
    "　　楓歌を起動中に、前回の終了時に設定されていたネット上のフォルダを確認できませんでしたので　　\r\n"
    "　　ローカルなフォルダに設定を変更しました。　　\r\n\r\n"
    "　　ネット上のフォルダが使用できるようになってから、【NetOn】ボタンをクリックしてください。　　";

PollAction DecidePoll(int count, int remembered) {
  if (count < 0) return PollAction::None;
  if (count > kStopAllAbove) return PollAction::SaveAndQuit;
  return count == remembered ? PollAction::None : PollAction::Reload;
}

unsigned PollIntervalMs(int rbNetKoushin) {
  if (rbNetKoushin == 0) return 0;
  return rbNetKoushin == 1 ? 10000 : 60000;
}

std::string MissingFolderText(const std::string& dataFolder, FolderCheck check) {
  const char* code = check == FolderCheck::BeforeReadingMonths    ? "[n030]"
                     : check == FolderCheck::BeforeReadingPeriods ? "[n040]"
                                                                  : "[n050]";
  return store::NetworkFolderMissingText(dataFolder, code);
}

std::string FirstShowQuestion(const std::string& dataFolder) {
  return "ネットフォルダ[" + dataFolder + "]が確認できません。[n070]\r\n\r\n"
         "ローカルフォルダに設定を戻すか、\r\nネットワークをご確認下さい。\r\n"
         "ネットワークを使えるようになれば、[いいえ]を押してください。\r\n\r\n"
         "ネットワークを確認できない場合は、一旦終了しますので[はい]を押してください\r\n\r\n"
         "楓歌を、終了させますか。";
}

NetworkControls ControlsFor(bool on) {
  NetworkControls c;
  c.on = on;
  c.dataSetButtons = c.backupMenu = c.textExportMenu = c.setAsideButton = !on;
  c.netReload = c.networkLabel = on;
  c.switchCaption = on ? "ネットＯｆｆ" : "ネットＯｎ";
  c.clearPanel1 = !on;
  return c;
}

NetworkMode::NetworkMode(platform::Services& os, const store::Folders& folders, store::NetworkLink& link,
                         StatusLabel& label, NetHost& host, NetAdmin& admin)
    : os_(os), folders_(folders), link_(link), host_(host), admin_(admin), locks_(os, label),
      counter_(os, "") {
  link_.countUpdate = [this] { return CountUpdate(); };
}

NetworkMode::~NetworkMode() { link_.countUpdate = nullptr; }

std::string NetworkMode::NetPath(const char* name) const {
  return support::JoinPath(folders_.netFolder, name);
}

void NetworkMode::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

// ---- the locks of an edit ------------------------------------------------

bool NetworkMode::MaintenanceLockExists() const {
  return !support::IsBlank(folders_.netFolder) && os_.fs.Exists(NetPath(kMaintenanceLockName));
}

bool NetworkMode::ServiceLockPresent() {
  if (!MaintenanceLockExists()) return false;
  Tell(kMaintenanceText);
  return true;
}

bool NetworkMode::AcquireLock(const std::string& path) {
  const bool held = locks_.AcquireLock(path, os_.system.ComputerName(), kLockWaitMs, kAcquireTries);
  if (held) heldLocks_.insert(path);
  else heldLocks_.erase(path);  // a confirmation refused: the edit ends here
  return held;
}

// The edit is over whether or not its lock file could be deleted.
bool NetworkMode::ReleaseLock(const std::string& path) {
  heldLocks_.erase(path);
  return locks_.ReleaseLock(path, os_.system.ComputerName(), kLockWaitMs, kDataReleaseTries);
}

bool NetworkMode::HoldsLock(const std::string& path) {
  return locks_.StillOwns(path, os_.system.ComputerName(), kLockWaitMs, kAcquireTries);
}

bool NetworkMode::CountUpdate() {
  if (!On()) return false;
  counter_.SetPath(NetPath(kCounterFileName));
  return counter_.CountWrite();
}

// ---- polling and re-reading ---------------------------------------------

// A change not re-read (maintenance, a re-read already running) stays
// unseen, so the next poll tries again.
PollAction NetworkMode::Poll(bool windowVisible, bool editorOpen) {
  if (!windowVisible || editorOpen || editing() || os_.dialogs.AnyOpen()) return PollAction::None;
  if (!On() || !os_.fs.IsFolder(folders_.dataFolder)) return PollAction::None;
  counter_.SetPath(NetPath(kCounterFileName));
  const int count = counter_.Read();
  const PollAction action = DecidePoll(count, counter_.remembered());
  if (action == PollAction::SaveAndQuit) host_.SaveAndQuit();
  if (action == PollAction::Reload && Reload(false)) counter_.Remember(count);
  return action;
}

bool NetworkMode::NetReload() { return Reload(true); }

// The poll keeps quiet about maintenance: it would show its box every tick.
bool NetworkMode::Reload(bool tellMaintenance) {
  if (!On() || reloading_) return false;
  if (tellMaintenance ? ServiceLockPresent() : MaintenanceLockExists()) return false;
  reloading_ = true;
  host_.RereadShownMonth();
  host_.RereadPeriods();
  reloading_ = false;
  return true;
}

// ---- the maintenance lock ------------------------------------------------

bool NetworkMode::TakeServiceLock(bool on) {
  const std::string path = NetPath(kMaintenanceLockName);
  const std::string me = os_.system.ComputerName();
  if (!on) {
    if (!locks_.ReleaseLock(path, me, kLockWaitMs, kServiceReleaseTries)) {
      Tell(kMaintenanceDeleteFailed);
      return false;
    }
    holdsServiceLock_ = false;
    return true;
  }
  if (!locks_.AcquireLock(path, me, kLockWaitMs, kAcquireTries)) {
    Tell("メンテナンスファイルの書出しに失敗しました。");
    return false;
  }
  // A writer that took its data lock just before must not be cut off.
  os_.clock.Sleep(kMaintenanceSettleMs);
  if (os_.fs.Exists(support::JoinPath(folders_.dataFolder, "*.lock"))) {
    if (!locks_.ReleaseLock(path, me, kLockWaitMs, kServiceReleaseTries)) Tell(kMaintenanceDeleteFailed);
    return false;
  }
  holdsServiceLock_ = true;
  return true;
}

bool NetworkMode::ReleaseServiceLockAtClose() {
  if (!holdsServiceLock_) return true;
  holdsServiceLock_ = !locks_.ReleaseLock(NetPath(kMaintenanceLockName), os_.system.ComputerName(),
                                          kLockWaitMs, kServiceReleaseTries);
  return !holdsServiceLock_;
}

// ---- switching -------------------------------------------------------------

bool NetworkMode::SetMode(bool on) {
  if (on && os_.system.ComputerName().empty()) {
    Tell("コンピュータ名が取得できません。\r\nネットワークフォルダを使用できません。\r\n\r\nネットワーク処理を中止します。");
    on = false;
  }
  link_.on = on;
  if (!on) heldLocks_.clear();  // locks of a folder no longer in use hold nothing back
  if (on) {
    admin_.SetNetFolder(folders_.netFolder);
    admin_.ReadRights();
  }
  host_.ShowNetworkState(ControlsFor(on));
  return on;
}

void NetworkMode::SwitchOn() {
  if (ServiceLockPresent()) return;
  if (support::IsBlank(folders_.netFolder)) {
    Tell("「オプション設定」でネット上のフォルダを先に指定してください。");
    return;
  }
  // The shared months would replace a local edit that is not on disk.
  if (!host_.SaveAndTidy()) return;
  const std::string shared = store::DataSetFolder(folders_.netFolder, 1);
  if (!os_.fs.IsFolder(shared)) {
    Tell("ネット上のフォルダを見つけられません。\r\nローカルなフォルダに設置を変更します。");
    SetMode(false);
    return;
  }
  if (SetMode(true)) host_.UseSharedData(shared);
}

// A folder lost while the months are read switches the mode off again
// from inside; the result is the mode as it ends up.
bool NetworkMode::SetNetwork(bool on) {
  if (on) {
    SwitchOn();
  } else {
    SetMode(false);
    host_.UseLocalData();
  }
  host_.FollowShownMonth();
  return On() == on;
}

void NetworkMode::StartedOn() {
  if (On()) SetMode(true);
}

void NetworkMode::AfterNetworkWait(bool found) {
  if (found) {
    SetNetwork(true);
    return;
  }
  NetworkControls controls = ControlsFor(false);
  controls.switchWarning = true;
  host_.ShowNetworkState(controls);
  Tell(kNetFolderNotFoundAtStart);
}

bool NetworkMode::CheckFolder(FolderCheck check) {
  if (!On() || os_.fs.IsFolder(folders_.dataFolder)) return true;
  Tell(MissingFolderText(folders_.dataFolder, check));
  SetNetwork(false);
  return false;
}

}  // namespace net
