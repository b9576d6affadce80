#pragma once
// TfmC21 without its window: the start-up of the main window, its first
// show and activations, the data sets, the display modes, the day change,
// the saves and the close query. The Win32 window (main_window_win.h)
// forwards its messages here and implements ShellView.
#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calendar/julius.h"
#include "platform/services.h"
#include "settings/settings_file.h"
#include "shell/display_modes.h"
#include "shell/month_cycle.h"
#include "shell/startup_state.h"
#include "shell/switches.h"
#include "store/network_link.h"

namespace shell {

// The main window as the controller drives it.
class ShellView : public MonthView {
 public:
  // Panels 0 (clock), 1 (network) and 2 (folder, countdowns).
  virtual void SetStatusPanel(int panel, const std::string& text, bool rightAligned) = 0;
  // The yellow status bar with its text while the date changes.
  virtual void SetDateChangeLook(bool on) = 0;
  // The status label of the data set in use; "" hides it.
  virtual void SetDataSetLabel(const std::string& text) = 0;
  virtual void SetDataSetCommands(const std::array<bool, 3>& enabled) = 0;
  virtual bool MainPanelEnabled() const = 0;
  virtual void SetMainPanelEnabled(bool enabled) = 0;
  virtual bool IsVisible() const = 0;
  virtual bool MonthOrYearPageActive() const = 0;
  virtual void ShowMonthPage() = 0;
  virtual void HideEntryBox() = 0;

  // The grid and the twelve calendars of the year page.
  virtual void SetToday(calendar::DayNumber today) = 0;
  virtual void LoadHolidays(const std::string& path) = 0;
  virtual void LoadSpecialDays(const std::string& folder) = 0;
  virtual void ApplyGridSettings(const settings::Settings& s) = 0;
  virtual void ApplyDisplayMode(const GridMetrics& metrics, bool centre) = 0;
  virtual void SetYearPageStart(int choice, int specialMonth) = 0;
  virtual void RefreshYearPage() = 0;

  // Window position and size into the settings before they are written.
  virtual void CaptureWindowState(settings::Settings& s) = 0;
  virtual void StartFunctionTimer() = 0;
  // Close through the close query / end at once without it.
  virtual void RequestClose() = 0;
  virtual void EndApplication() = 0;
  // Before an end that passes the close query: the open edit stored as if
  // confirmed, and the memo and search windows' save step. `silent`: nothing
  // may be asked (the session ends).
  virtual void FinishOpenWork(bool silent) = 0;
};

// Work of other parts of the program that plugs in here. Each may stay
// empty; the controller then does without it.
struct LaterWork {
  std::function<bool()> alarmArmed;                   // the alarm (時限) is armed
  std::function<bool()> recordStart;                  // run-time log; false: error
  std::function<void()> recordStop;
  std::function<void()> registerHotkeys;
  std::function<bool()> holdsMaintenanceLock;
  std::function<bool()> releaseMaintenanceLock;       // false: could not
  std::function<bool()> registerNetworkAdministrator;  // "/F": false: refused
  std::function<int()> networkAccessLevel;
  std::function<void()> dayFirstBackup;
  std::function<void()> generationBackup;             // automatic generation backup
  std::function<void()> switchNetworkOff;
  std::function<void()> showNetworkWaitWindow;        // shared folder of the last run missing
  std::function<void()> startResidencyCountdown;      // "/J"
  std::function<void(bool fromNetworkDrive)> openSetup;
  std::function<void(const std::string& path)> offerArchiveDeletion;     // "/D2"
  std::function<void(const std::string& path)> offerWorkFolderDeletion;  // "/D3"
  std::function<void(const std::string& commonDataFolder)> dataFoldersChanged;
  std::function<void()> monthViewInitialised;         // the function timer starts at 10 s again
};

// What the window knows about the desktop before the settings are read.
struct WindowFacts {
  settings::Rect workArea{0, 0, 1280, 1024};
  int windowWidth = 1015;
  int windowHeight = 740;
  int outsideWidth = 90;  // the window's width outside the grid
  int dpi = 96;           // the main window's; the three numbers above are at it
};

enum class Page { Month, Year };

// The ways the program ends past the close query.
enum class Ending {
  Saving,     // the stop count, a window lost at residency, setup's restart
  Session,    // Windows ends the session: as Saving, nothing asked
  DiskNewer,  // after a restore: what is on disk is newer than memory
};

class MainController : private CycleHost {
 public:
  MainController(platform::Services& os, const CommandSwitches& switches, ShellView& view);

  LaterWork& later() { return later_; }
  void SetWindowFacts(const WindowFacts& facts) { facts_ = facts; }

  // Steps of the window creation after the grid exists; false when the
  // months could not be set up (the message was shown; the program ends).
  bool Create();
  bool InitMonthWindow();
  void OnShown();
  void OnActivated();
  // The close query: true lets the window close.
  bool QueryClose();
  // Every end past the close query, in one order: the open windows' save
  // step, the months and settings, the run log's stop, the maintenance
  // lock, then the window's end. A save that failed while ending Saving asks
  // as the close does; false: the user keeps the program running.
  bool EndProgram(Ending how);
  // All of it but the window's end, for an end that must come later.
  bool PrepareEnd(Ending how);
  // False when something could not be written; saveFailures() names it.
  bool SaveAll() override;
  const std::vector<std::string>& saveFailures() const { return saveFailures_; }
  bool SaveAndTidy();

  // The change of date the function timer found (function_tick.h).
  void RollOverTo(calendar::DayNumber today);

  void SwitchDataSet(int set);
  // The network switched: the shared folder's main set, or back to the
  // local data set in use; every month read again, nothing saved on the way
  // (network edits are on disk when confirmed).
  void UseSharedData(const std::string& dataFolder);
  void UseLocalData();
  // The grid's month into the month window when it lies outside.
  void FollowShownMonth();
  void ChooseDisplayMode(int mode);
  // The mode in use laid out again where the window stands (the options
  // changed the wide cells' adjustment).
  void ReapplyDisplayMode();
  // The options changed "edtNetFolder": the shared folder follows, unless
  // "/DN" named it for this run.
  void ApplyNetFolderSetting();
  void ToggleRokuyo();

  MonthCycle& cycle() { return cycle_; }
  const StartupState& startup() const { return startup_; }
  const CommandSwitches& switches() const { return switches_; }
  settings::Settings& settings() { return settings_; }
  const settings::Settings& settings() const { return settings_; }
  const settings::DataFolderState& folders() const { return folders_; }
  const settings::LoadOutcome& loadOutcome() const { return loadOutcome_; }
  store::NetworkLink& network() { return network_; }
  int sizeClass() const { return sizeClass_; }
  void SetSizeClass(int sizeClass) { sizeClass_ = sizeClass; }
  ScreenFacts screen() const;
  bool rollingOver() const { return rollingOver_; }
  void SetBusy(bool busy) { busy_ = busy; }
  bool busy() const { return busy_; }
  void RequestRestart() { restartRequested_ = true; }
  void SetPendingInfo(const std::string& text) { pendingInfo_ = text; }
  void RequestPage(Page page) { pendingPage_ = page; }
  std::optional<Page> TakePendingPage();
  // The shared folder vanished (its message was shown): the network goes
  // off. Also what an edit does when the folder is gone at its re-read.
  void NetworkFolderLost() override;

 private:

  settings::StartupFacts Facts() const;
  void SeedNetworkFirstStart();
  void ApplyNetFolderSwitch();
  void LoadSettingsNow();
  void SaveSettingsFile();
  bool ConfirmCloseUnsaved();
  void RecordStop();
  void ReleaseMaintenanceLock();
  void ShowFolderPanel();
  bool ConfirmNetworkFolder();
  void RunCleanupSwitches();
  void AskSetupQuestion();
  void DeleteStaleBackups();
  bool MonthChangedTo(calendar::DayNumber today) const;
  void ApplyDisplayMode(int mode, bool fromMenu);

  platform::Services& os_;
  CommandSwitches switches_;
  ShellView& view_;
  LaterWork later_;
  WindowFacts facts_;
  StartupState startup_;
  settings::Settings settings_;
  settings::DataFolderState folders_;
  settings::LoadOutcome loadOutcome_;
  store::NetworkLink network_;
  MonthCycle cycle_;

  bool netFolderSetByStartup_ = false;
  // "/DN" alone set the shared folder for this run: the file keeps the
  // user's network keys.
  bool netKeysForThisRunOnly_ = false;
  // The settings file is there but could not be read: never written over.
  bool settingsUnreadable_ = false;
  std::vector<std::string> saveFailures_;
  bool busy_ = false;
  bool rollingOver_ = false;
  bool switchingNetworkOff_ = false;
  bool restartRequested_ = false;
  bool shownBefore_ = false;
  bool activatedBefore_ = false;
  std::string pendingInfo_;
  std::optional<Page> pendingPage_;
  int sizeClass_ = 1;
};

}  // namespace shell
