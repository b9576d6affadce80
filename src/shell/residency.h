#pragma once
// Residency (常駐): the main window hidden with only its tray icon left,
// and the way back; the automatic residency countdown of "/J". The steps
// and their order are decided here; the window carries them out through
// the port.
#include <string>

#include "platform/services.h"

namespace shell {

// Who asks to go resident: in close-button mode only the File menu's
// "常駐(&J)" still hides the window; every other request ends the program.
enum class ResidencyCaller {
  FileMenu,          // 常駐(&J) mnJouchuu
  ResidentButton,    // btnM12 "常駐" / "終了"
  GridPopup,         // 常駐(&J) pmJouchuu
  TrayMenu,          // 常駐(&J) iconJouchuu
  HotKey,            // Ctrl+F12
  Countdown,         // "/J"
  BeforeSubWindow,   // memo or search window with visMemoMHide
  CompanionProgram,  // editor or print program with their residency options
};

// The 常駐 button's caption.
inline constexpr char kResidentCaption[] = "常駐";
inline constexpr char kCloseButtonCaption[] = "終了";
inline const char* ResidentButtonCaption(bool closeButtonMode) {
  return closeButtonMode ? kCloseButtonCaption : kResidentCaption;
}

inline constexpr char kRestoreErrorText[] = "常駐回復エラー、楓帳を終了させます。";

class ResidencyPort {
 public:
  virtual ~ResidencyPort() = default;
  // Going resident.
  virtual void EnableMoveMenu() = 0;                // mnIdou
  virtual void CloseMainWindow() = 0;               // through the close query
  virtual void HideMainWindow() = 0;
  virtual void ClearGridSelection() = 0;            // highlight off, repainted
  virtual bool MemoWindowOpen() = 0;
  virtual void SaveAndCloseMemoWindow() = 0;
  virtual bool SearchWindowOpen() = 0;
  virtual void SaveAndCloseSearchWindow() = 0;
  virtual void SaveAndTidy() = 0;
  virtual bool TryShowTrayIcon() = 0;               // one attempt; false: the shell refused
  virtual void AutoBackup() = 0;
  // Restoring.
  virtual bool MainWindowVisible() = 0;
  virtual bool BringApplicationForward() = 0;       // false: its window was not found
  virtual void BringMainWindowForward() = 0;
  virtual void EndProgram() = 0;                    // the ordered end past the close query
  virtual void ShowMainWindow() = 0;
  virtual bool MemoPageActive() = 0;
  virtual void ShowMonthPageAndRefresh() = 0;
  virtual void RunFunctionTick() = 0;
  virtual bool NetworkOn() = 0;
  virtual int DataSetInUse() = 0;                   // 1..3
  virtual void SwitchDataSet(int set) = 0;
  virtual void CheckSharedFolder() = 0;             // the poll, also when it is off
  virtual void MoveToTopLeft() = 0;                 // of the work area, size kept
};

class Residency {
 public:
  Residency(platform::Services& os, ResidencyPort& port, bool closeButtonMode)
      : os_(os), port_(port), closeButtonMode_(closeButtonMode) {}

  void GoResident(ResidencyCaller caller);
  // Tray click or double click, "開く(&O)"; "左上移動(L)" moves first.
  void Restore(bool moveTopLeft = false);
  // Ctrl+F12: hides a window that is visible and active, else restores.
  void ToggleByHotkey(bool applicationActive);

 private:
  // The memo, search and data saved, as before anything that hides or ends.
  void SaveOpenWork();

  platform::Services& os_;
  ResidencyPort& port_;
  bool closeButtonMode_;
};

// The seconds before automatic residency ("/J"), shown in status panel 2.
class ResidencyCountdown {
 public:
  void Start(int seconds) { seconds_ = seconds > 0 ? seconds : 0; }
  int seconds() const { return seconds_; }
  bool running() const { return seconds_ > 0; }
  // tmJouchuu, every second: true when it has just reached 0 (go resident
  // and stop the timer).
  bool Tick();
  // A click on the grid, a change of page, a press on the page tabs: true
  // when a countdown was stopped (panel 2 shows the folder again).
  bool Cancel();

 private:
  int seconds_ = 0;
};

}  // namespace shell
