#include "shell/resident_win.h"

#include <utility>

#include "editors/alarm_window_win.h"
#include "platform/foreground_win.h"
#include "platform/notify_retry.h"
#include "platform/system_folders.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "shell/instance.h"
#include "shell/main_menu_win.h"
#include "support/paths.h"

namespace shell {
namespace {

constexpr UINT kResidencyTickMs = 1000;

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

}  // namespace

// ---- the ports --------------------------------------------------------------

class ResidentFeature::TickPort : public FunctionTickPort {
 public:
  explicit TickPort(ResidentFeature& f) : f_(f) {}

  std::optional<editors::AlarmValues> ShowAlarmWindow(const editors::AlarmValues& values) override {
    editors::TfmNichiji window;
    if (!window.Create({f_.host_.MainHwnd(), &f_.os_})) return std::nullopt;
    return window.ShowModal(values);
  }
  bool DayEditorOpen() override { return f_.host_.DayEditorOpen(); }
  bool DayEditorUntouched() override { return f_.host_.DayEditorUntouched(); }
  void BringApplicationForward() override { SetForegroundWindow(f_.host_.MainHwnd()); }
  bool MainWindowVisible() override { return Visible(f_.host_.MainHwnd()); }
  void ShowClock(const std::string& text) override { f_.host_.ShowClockText(text); }
  bool TrayIconVisible() override { return f_.tray_.visible(); }
  bool TryShowTrayIcon() override { return f_.tray_.TryAdd(); }
  void SetTimerInterval(unsigned ms) override { SetTimer(f_.host_.MainHwnd(), kFunctionTimer, ms, nullptr); }
  void ShowAlarmButton(bool armed) override {
    f_.host_.ShowAlarmButton(AlarmButtonLookOf(f_.host_.Controller().settings().cbJigen, armed));
  }
  void RefreshStatusPanel2() override { f_.RefreshStatusPanel2(); }
  bool RollingOver() override { return f_.host_.Controller().rollingOver(); }
  calendar::DayNumber CurrentDate() override { return f_.host_.Controller().cycle().today(); }
  bool MonthOrYearPageActive() override { return f_.host_.MonthOrYearPageActive(); }
  void RollOver(calendar::DayNumber today) override { f_.host_.Controller().RollOverTo(today); }

 private:
  ResidentFeature& f_;
};

class ResidentFeature::StayPort : public ResidencyPort {
 public:
  explicit StayPort(ResidentFeature& f) : f_(f) {}

  void EnableMoveMenu() override { f_.moveMenuEnabled_ = true; }
  void CloseMainWindow() override { PostMessageW(Main(), WM_CLOSE, 0, 0); }
  void HideMainWindow() override { ShowWindow(Main(), SW_HIDE); }
  void ClearGridSelection() override { f_.host_.ClearGridSelection(); }
  bool MemoWindowOpen() override { return f_.host_.MemoWindowOpen(); }
  void SaveAndCloseMemoWindow() override { f_.host_.SaveAndCloseMemoWindow(); }
  bool SearchWindowOpen() override { return f_.host_.SearchWindowOpen(); }
  void SaveAndCloseSearchWindow() override { f_.host_.SaveAndCloseSearchWindow(); }
  void SaveAndTidy() override { f_.host_.Controller().SaveAndTidy(); }
  bool TryShowTrayIcon() override { return f_.tray_.TryAdd(); }
  void AutoBackup() override { f_.RunAutoBackup(); }
  bool MainWindowVisible() override { return Visible(Main()); }
  // Found is what counts: Windows refuses the foreground while another
  // program is in front, and then the taskbar button flashes instead.
  bool BringApplicationForward() override {
    const platform::WindowHandle w = f_.os_.shell.FindTopWindow(kMainWindowClass, kAppTitle);
    if (!w) return false;
    if (!f_.os_.shell.BringToFront(w)) FlashWindow(reinterpret_cast<HWND>(w), TRUE);
    return true;
  }
  void BringMainWindowForward() override { SetForegroundWindow(Main()); }
  void EndProgram() override { f_.host_.Controller().EndProgram(Ending::Saving); }
  void ShowMainWindow() override {
    ShowWindow(Main(), SW_SHOW);
    SetForegroundWindow(Main());
  }
  bool MemoPageActive() override { return !f_.host_.MonthOrYearPageActive(); }
  void ShowMonthPageAndRefresh() override { f_.host_.ShowMonthPageAndRefresh(); }
  void RunFunctionTick() override { f_.tick_->Tick(); }
  bool NetworkOn() override { return f_.host_.Controller().network().on; }
  int DataSetInUse() override { return f_.host_.Controller().folders().sets.inUse; }
  void SwitchDataSet(int set) override { f_.host_.Controller().SwitchDataSet(set); }
  void CheckSharedFolder() override { f_.host_.CheckSharedFolder(); }
  void MoveToTopLeft() override {
    const RECT area = platform::WorkArea();
    SetWindowPos(Main(), nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  }

 private:
  HWND Main() const { return f_.host_.MainHwnd(); }
  ResidentFeature& f_;
};

// The balloon needs the icon: it is put up first when the window is shown.
class ResidentFeature::BalloonPortImpl : public BalloonPort {
 public:
  explicit BalloonPortImpl(ResidentFeature& f) : f_(f) {}
  bool TryShowBalloon(const std::string& title, const std::string& text, unsigned timeoutMs) override {
    if (!f_.tray_.visible() && !f_.tray_.TryAdd()) return false;
    return f_.tray_.TryShowBalloon(title, text, timeoutMs);
  }
  bool TryHideBalloon() override { return f_.tray_.TryHideBalloon(); }
  void StartBalloonTimer(unsigned ms) override { SetTimer(f_.host_.MainHwnd(), kBalloonTimer, ms, nullptr); }
  void StopBalloonTimer() override { KillTimer(f_.host_.MainHwnd(), kBalloonTimer); }

 private:
  ResidentFeature& f_;
};

// ---- the feature --------------------------------------------------------------

ResidentFeature::ResidentFeature(platform::Services& os, ResidentHost& host)
    : os_(os),
      host_(host),
      tickPort_(std::make_unique<TickPort>(*this)),
      stayPort_(std::make_unique<StayPort>(*this)),
      balloonPort_(std::make_unique<BalloonPortImpl>(*this)) {
  tick_ = std::make_unique<FunctionTick>(os_, host_.Controller().settings(), alarm_, *tickPort_);
  residency_ = std::make_unique<Residency>(os_, *stayPort_, false);
  balloon_ = std::make_unique<TodayBalloon>(os_.clock, *balloonPort_);
}

ResidentFeature::~ResidentFeature() = default;

void ResidentFeature::Attach(HICON icon) {
  tray_.Configure({host_.MainHwnd(), 1, kTrayMessage, icon, "楓帳"});
  hotkeys_ = std::make_unique<WinHotkeyRegistrar>(host_.MainHwnd());
}

void ResidentFeature::SettingsLoaded() {
  const settings::Settings& s = host_.Controller().settings();
  alarm_ = AlarmState::FromSettings(s);
  closeButtonMode_ = s.cbCloseBtn;
  hotkeysOn_ = host_.Controller().loadOutcome().hotkeysOn;
  residency_ = std::make_unique<Residency>(os_, *stayPort_, closeButtonMode_);
  tickPort_->ShowAlarmButton(false);
}

void ResidentFeature::RegisterHotkeys() {
  const settings::Settings& s = host_.Controller().settings();
  boundHotkeys_ = BindHotkeys(os_, *hotkeys_, HotkeysToBind(host_.EditorProgramKnown(), s.cbEditor, s.cbToday));
}

void ResidentFeature::RebindHotkeys() {
  ReleaseHotkeys(os_, *hotkeys_, boundHotkeys_);
  boundHotkeys_.clear();
  hotkeysOn_ = !closeButtonMode_ && host_.Controller().settings().cbHotkey;
  if (hotkeysOn_) RegisterHotkeys();
}

void ResidentFeature::OnDestroy() {
  if (hotkeys_) ReleaseHotkeys(os_, *hotkeys_, boundHotkeys_);
  boundHotkeys_.clear();
  tray_.TryRemove();
}

void ResidentFeature::StartCountdown(int seconds) {
  countdown_.Start(seconds);
  if (countdown_.running()) SetTimer(host_.MainHwnd(), kResidencyTimer, kResidencyTickMs, nullptr);
  RefreshStatusPanel2();
}

void ResidentFeature::CancelCountdown() {
  if (!countdown_.Cancel()) return;
  KillTimer(host_.MainHwnd(), kResidencyTimer);
  RefreshStatusPanel2();
}

void ResidentFeature::RefreshStatusPanel2() {
  MainController& c = host_.Controller();
  const Panel2Facts facts{platform::StartupShortcutExists(os_.fs, os_.system, kTimeSettingShortcut),
                          countdown_.seconds(), waitingForSharedFolder_, c.settings().cbShiyouchuu,
                          c.startup().programFolder};
  host_.ShowStatusPanel2(StatusPanel2(facts));
}

void ResidentFeature::AlarmFunctionChanged() {
  if (!host_.Controller().settings().cbJigen) alarm_.armed = false;
  tickPort_->ShowAlarmButton(alarm_.armed);
}

void ResidentFeature::OpenAlarm() {
  OpenAlarmSetting(alarm_, *tickPort_, os_.dialogs);
  tickPort_->ShowAlarmButton(alarm_.armed);
}

void ResidentFeature::RunAutoBackup() {
  MainController& c = host_.Controller();
  settings::AutoBackup(os_, BackupFacts(), c.settings(), [&c](bool on) { c.SetBusy(on); });
}

settings::AutoBackupFacts ResidentFeature::BackupFacts() {
  MainController& c = host_.Controller();
  const StartupState& st = c.startup();
  const store::Folders& f = c.folders().folders;
  return {c.network().on, st.driveKind, st.programFolder,
          f.dataFolder, f.safeGuardFolder, support::JoinPath(st.userWorkFolder, "SafeGuard\\"),
          reinterpret_cast<platform::WindowHandle>(host_.MainHwnd())};
}

// ---- messages -------------------------------------------------------------------

bool ResidentFeature::OnTimer(UINT_PTR id) {
  switch (id) {
    case kFunctionTimer:
      tick_->Tick();
      return true;
    case kResidencyTimer:
      // A question's modal loop runs this timer too: residency waits for the answer.
      if (os_.dialogs.AnyOpen()) return true;
      if (countdown_.Tick()) {
        KillTimer(host_.MainHwnd(), kResidencyTimer);
        residency_->GoResident(ResidencyCaller::Countdown);
      }
      RefreshStatusPanel2();
      return true;
    case kBalloonTimer:
      balloon_->OnTimer();
      return true;
  }
  return false;
}

bool ResidentFeature::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_HOTKEY) {
    OnHotkey(static_cast<int>(wParam));
    return true;
  }
  if (message == kTrayMessage) {
    OnTrayEvent(lParam);
    return true;
  }
  if (message == platform::TrayIcon::TaskbarCreatedMessage() && message != 0) {
    if (tray_.visible() || !Visible(host_.MainHwnd())) {
      tray_.TryRemove();
      platform::RetryShellRefusal(os_.clock, [this] { return tray_.TryAdd(); });
    }
    return true;
  }
  return false;
}

void ResidentFeature::OnHotkey(int id) {
  switch (HotkeyActionOf(id, hotkeysOn_)) {
    case HotkeyAction::ToggleResidency:
      residency_->ToggleByHotkey(platform::IsOwnWindowForeground(host_.MainHwnd()));
      break;
    case HotkeyAction::LaunchEditor:
      host_.ToggleEditorProgram();
      break;
    case HotkeyAction::ToggleTodayBalloon:
      ShowTodayBalloon();
      break;
    case HotkeyAction::None:
      break;
  }
}

void ResidentFeature::ShowTodayBalloon() {
  MainController& c = host_.Controller();
  const platform::DateTime now = os_.clock.Now();
  const store::MonthSlot& shown = c.cycle().slot(c.cycle().current()).data;
  balloon_->Toggle(BalloonTitle(now, c.settings().cb24ji), BalloonText(TodayEntryTexts(shown, now)));
}

void ResidentFeature::OnTrayEvent(LPARAM event) {
  switch (LOWORD(event)) {
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      residency_->Restore();
      break;
    case WM_RBUTTONUP:
    case WM_CONTEXTMENU:
      ShowTrayMenu();
      break;
    case NIN_BALLOONUSERCLICK:
    case NIN_BALLOONHIDE:
    case NIN_BALLOONTIMEOUT:
      balloon_->OnBalloonGone();
      break;
  }
}

// The chosen item runs through the main window's command table.
void ResidentFeature::ShowTrayMenu() {
  HMENU menu = BuildTrayMenu(closeButtonMode_);
  POINT at{};
  GetCursorPos(&at);
  HWND main = host_.MainHwnd();
  SetForegroundWindow(main);
  SendMessageW(main, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(menu), 0);
  const UINT id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, main,
                                 nullptr);
  DestroyMenu(menu);
  PostMessageW(main, WM_NULL, 0, 0);
  if (id) PostMessageW(main, WM_COMMAND, id, 0);
}

}  // namespace shell
