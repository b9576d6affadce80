#pragma once
// What keeps the program there for weeks: the notification-area icon and
// residency, the function timer's tick, the alarm, the global hot keys, the
// today balloon and the "/J" countdown. The decisions are the portable
// classes of function_tick.h, residency.h, alarm_command.h, hotkeys.h and
// today_balloon.h; this is their Win32 side. It hears the main window
// through ResidentHost and owns the timers it names.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/tray_icon_win.h"
#include "shell/alarm_command.h"
#include "shell/function_tick.h"
#include "shell/hotkeys_win.h"
#include "shell/main_controller.h"
#include "settings/generation_backup.h"
#include "shell/residency.h"
#include "shell/status_panel2.h"
#include "shell/today_balloon.h"

namespace shell {

// Timers of the main window (WM_TIMER ids).
inline constexpr UINT_PTR kFunctionTimer = 1;   // tmKinou
inline constexpr UINT_PTR kResidencyTimer = 2;  // tmJouchuu, 1 s
inline constexpr UINT_PTR kBalloonTimer = 3;    // Timer4
inline constexpr UINT_PTR kNetTimer = 4;        // tmNet
// After an installation the new copy starts and this one ends a second later.
inline constexpr UINT_PTR kEndAfterSetupTimer = 5;
inline constexpr UINT kEndAfterSetupMs = 1000;
inline constexpr UINT kTrayMessage = WM_APP + 10;

// What the main window does for them.
class ResidentHost {
 public:
  virtual ~ResidentHost() = default;
  virtual HWND MainHwnd() const = 0;
  virtual MainController& Controller() = 0;
  virtual bool DayEditorOpen() = 0;
  virtual bool DayEditorUntouched() = 0;
  virtual void ShowClockText(const std::string& text) = 0;  // status panel 0
  virtual void ShowStatusPanel2(const Panel2Text& text) = 0;
  virtual void ShowAlarmButton(const AlarmButtonLook& look) = 0;
  virtual void ClearGridSelection() = 0;
  virtual bool MonthOrYearPageActive() const = 0;
  virtual void ShowMonthPageAndRefresh() = 0;
  virtual bool MemoWindowOpen() = 0;
  virtual bool SearchWindowOpen() = 0;
  virtual void SaveAndCloseMemoWindow() = 0;
  virtual void SaveAndCloseSearchWindow() = 0;
  virtual void CheckSharedFolder() = 0;  // the poll, also when it is off
  virtual bool EditorProgramKnown() = 0;
  virtual void ToggleEditorProgram() = 0;  // Ctrl+F11
};

class ResidentFeature {
 public:
  ResidentFeature(platform::Services& os, ResidentHost& host);
  ~ResidentFeature();
  ResidentFeature(const ResidentFeature&) = delete;
  ResidentFeature& operator=(const ResidentFeature&) = delete;

  // Once the main window exists, before the months are read.
  void Attach(HICON icon);
  // After the settings were read: the alarm's time, close-button mode.
  void SettingsLoaded();

  // LaterWork hooks.
  bool AlarmArmed() const { return alarm_.armed; }
  void RegisterHotkeys();
  // The options changed the hot keys: released, and bound again when on
  // (never in close-button mode, which holds from the start).
  void RebindHotkeys();
  void RunAutoBackup();
  void StartCountdown(int seconds);
  void MonthViewInitialised() { tick_->MonthViewInitialised(); }

  // Commands.
  void GoResident(ResidencyCaller caller) { residency_->GoResident(caller); }
  void Restore(bool moveTopLeft) { residency_->Restore(moveTopLeft); }
  void OpenAlarm();
  void ShowTrayMenu();
  bool moveMenuEnabled() const { return moveMenuEnabled_; }
  bool closeButtonMode() const { return closeButtonMode_; }

  // A press on the grid or a change of page stops the "/J" countdown.
  void CancelCountdown();
  void RefreshStatusPanel2();
  // The waiting window of start-up holds the "/J" countdown back.
  void SetWaitingForSharedFolder(bool waiting) {
    waitingForSharedFolder_ = waiting;
    RefreshStatusPanel2();
  }
  // Before the settings are written: the alarm's time and warning.
  void SaveInto(settings::Settings& s) const { alarm_.ToSettings(s); }
  void OptionsClosed() { tick_->OptionsClosed(); }
  // "cbJigen" switched: the button follows; switched off, the alarm is
  // disarmed too.
  void AlarmFunctionChanged();
  void DayEditorShown() { tick_->DayEditorShown(); }

  // Messages of the main window; true when handled.
  bool OnTimer(UINT_PTR id);
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void OnDestroy();

 private:
  class TickPort;
  class StayPort;
  class BalloonPortImpl;

  void OnHotkey(int id);
  void OnTrayEvent(LPARAM event);
  void ShowTodayBalloon();
  settings::AutoBackupFacts BackupFacts();
  std::string ProgramFolder();

  platform::Services& os_;
  ResidentHost& host_;
  AlarmState alarm_;
  std::unique_ptr<TickPort> tickPort_;
  std::unique_ptr<StayPort> stayPort_;
  std::unique_ptr<BalloonPortImpl> balloonPort_;
  std::unique_ptr<FunctionTick> tick_;
  std::unique_ptr<Residency> residency_;
  std::unique_ptr<TodayBalloon> balloon_;
  ResidencyCountdown countdown_;
  platform::TrayIcon tray_;
  std::unique_ptr<WinHotkeyRegistrar> hotkeys_;
  std::vector<int> boundHotkeys_;
  bool closeButtonMode_ = false;
  bool hotkeysOn_ = false;
  bool moveMenuEnabled_ = false;
  bool waitingForSharedFolder_ = false;
};

}  // namespace shell
