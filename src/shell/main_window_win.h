#pragma once
// TfmC21, the main window: the month grid and the year page, the month
// tabs, the button column, the menus and the status bar. Every decision
// is the controller's (main_controller.h); this class builds the controls,
// forwards messages and implements what the controller shows.
#include <windows.h>

#include <memory>
#include <string>

#include "grid/calendar_window_win.h"
#include "grid/year_page_win.h"
#include "platform/native_services.h"
#include "platform/win_handles_win.h"
#include "platform/window_win.h"
#include "settings/options_changes.h"
#include "settings/setup_window_win.h"
#include "shell/day_editor_window_win.h"
#include "shell/day_number_box_win.h"
#include "shell/grid_editing.h"
#include "shell/main_controller.h"
#include "shell/main_menu_win.h"
#include "shell/memo_feature_win.h"
#include "shell/month_entry_win.h"
#include "shell/network_win.h"
#include "shell/resident_win.h"
#include "shell/status_bar_win.h"
#include "shell/window_layout.h"
#include "store/special_days.h"

namespace shell {

class MainWindow : public platform::Window,
                   public ShellView,
                   private MainCommands,
                   private grid::CalendarEvents,
                   private grid::YearPageOwner,
                   private ResidentHost,
                   private MemoFeatureHost,
                   private NetworkHost,
                   private editors::DayEditorHost,
                   private settings::SetupMainWindow {
 public:
  MainWindow(platform::NativeServices& native, const CommandSwitches& switches);
  ~MainWindow() override;

  // The window, its controls and the first months, in the order the
  // program builds itself; false when it cannot run (the message was shown).
  bool Create(int showCommand);
  // Keys of the main window before the focused control sees them.
  bool PreTranslate(MSG& msg);
  MainController& controller() { return controller_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // ---- MonthView / ShellView ----
  void ShowSlot(int slot, calendar::DayNumber day) override;
  void SetTabs(const std::vector<std::string>& captions, int selected) override;
  void SetEntryText(const std::string& yyyymm) override;
  void Refresh() override;
  void SetStatusPanel(int panel, const std::string& text, bool rightAligned) override;
  void SetDateChangeLook(bool on) override;
  void SetDataSetLabel(const std::string& text) override;
  void SetDataSetCommands(const std::array<bool, 3>& enabled) override;
  bool MainPanelEnabled() const override { return mainPanelEnabled_; }
  void SetMainPanelEnabled(bool enabled) override;
  bool IsVisible() const override;
  bool MonthOrYearPageActive() const override { return true; }
  void ShowMonthPage() override;
  void HideEntryBox() override;
  void SetToday(calendar::DayNumber today) override;
  void LoadHolidays(const std::string& path) override;
  void LoadSpecialDays(const std::string& folder) override;
  void ApplyGridSettings(const settings::Settings& s) override;
  void ApplyDisplayMode(const GridMetrics& metrics, bool centre) override;
  void SetYearPageStart(int choice, int specialMonth) override;
  void RefreshYearPage() override;
  void CaptureWindowState(settings::Settings& s) override;
  void StartFunctionTimer() override;
  void RequestClose() override;
  void EndApplication() override;
  void FinishOpenWork(bool silent) override;

  // ---- grid and year page events ----
  void OnDayChange(grid::TCustomCalendarEx& sender, int year, int month, int day) override;
  void OnMouseDown(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) override;
  void OnMouseMove(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) override;
  void OnMouseUp(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) override;
  void OnDblClick(grid::TCustomCalendarEx& sender) override;
  void OnContextMenu(grid::TCustomCalendarEx& sender, grid::Point screen) override;
  void ShowMonthPage(int year, int month) override;
  // The grid's commands when editing is wired and `sender` is the grid.
  GridCommands* CommandsOf(const grid::TCustomCalendarEx& sender);

  // ---- ResidentHost (main_window_resident_win.cpp) ----
  HWND MainHwnd() const override { return hwnd(); }
  MainController& Controller() override { return controller_; }
  bool DayEditorOpen() override;
  bool DayEditorUntouched() override;
  void ShowClockText(const std::string& text) override;
  void ShowStatusPanel2(const Panel2Text& text) override;
  void ShowAlarmButton(const AlarmButtonLook& look) override;
  void ClearGridSelection() override;
  void ShowMonthPageAndRefresh() override;
  bool MemoWindowOpen() override { return memos_->MemoOpen(); }
  bool SearchWindowOpen() override { return memos_->SearchOpen(); }
  void SaveAndCloseMemoWindow() override { memos_->SaveAndCloseMemo(); }
  void SaveAndCloseSearchWindow() override { memos_->SaveAndCloseSearch(); }
  void CheckSharedFolder() override { network_->Poll(); }
  bool EditorProgramKnown() override { return memos_->EditorFound(); }
  void ToggleEditorProgram() override { memos_->ToggleEditor(); }
  void EditorShown() override { resident_->DayEditorShown(); }

  // ---- NetworkHost (main_window_network_win.cpp) ----
  GridEditing* Editing() override { return editing_.get(); }
  void ShowLockStatus(const std::string& text, COLORREF colour) override;
  void ShowNetworkPanel(const std::string& text) override;
  void UpdateCommandButtons() override { UpdateButtons(); }
  void FollowShownMonth() override { controller_.FollowShownMonth(); }
  void SetWaitingForSharedFolder(bool waiting) override { resident_->SetWaitingForSharedFolder(waiting); }
  void OpenSharedBackup(HWND owner) override;

  // ---- MemoFeatureHost (main_window_memo_win.cpp) ----
  void GoResident(ResidencyCaller caller) override { resident_->GoResident(caller); }
  void ForgetDayCopy() override;
  void ShowDay(int year, int month, int day) override;
  // The memo tab, the menu bar's メモ欄(&M), the memo and print buttons and
  // the memo pop-up item follow cbMemo, cbPrint and the editor program.
  void ApplyMemoSettings();
  bool MemoTabSelected() const;
  bool CanOpenMemoOptions() override { return true; }
  void OpenMemoOptions() override { ShowOptionsWindow(1, GetActiveWindow()); }

  // ---- the options window (main_window_options_win.cpp) ----
  // Mode 0 from the main window, 1 from the memo window (its own tab).
  void ShowOptionsWindow(int mode, HWND owner);
  void ApplyOptionChanges(const settings::OptionsChanges& changes);
  // What the controller hands back to the resident side while it starts.
  void WireLaterWork();

  // ---- the setup window (main_window_setup_win.cpp) ----
  settings::SetupWindowArgs SetupArgs();
  void RunSetupWindow(settings::SetupPage page, const settings::SetupWindowArgs& args);
  void AfterSetupPage(settings::SetupPage page, const settings::SetupWindowArgs& args,
                      const settings::SetupWindowResult& result);
  void ReloadAfterImport();
  void OpenInstallation(bool fromNetworkDrive);
  // The first start's setup question and the clean-up switches.
  void WireSetupWork();
  void SavePendingData() override;
  bool AutoBackupRunning() override { return false; }  // the generation backup runs to its end before returning
  bool Busy() override;
  void RecordEnd() override;
  std::string RunLogPath() const;
  bool DrawAlarmButton(const DRAWITEMSTRUCT& item);

  // ---- building ----
  bool CreateFrame();
  void CreateFonts();
  void CreateControls();
  HWND MakeButton(ButtonSlot slot, UINT id, const char* caption, DWORD style = BS_PUSHBUTTON);
  void CreateGrid();
  bool EnsureYearPage();
  void CreateEditing();
  WindowFacts MeasureFacts() const;
  void ApplyCloseButtonMode();
  void PlaceWindow();
  void MoveControls(const MainLayout& layout);
  RECT BoundsForClient(int width, int height, bool centre, const RECT& from) const;
  void ResizeClient(int width, int height, bool centre);
  settings::Rect WorkArea() const;
  SIZE YearPageWindowSize() const;

  // ---- pages ----
  void SelectPage(Page page);
  void FocusPage();
  bool TabAt(LPARAM clientPoint) const;
  void ShowMonthControls(bool show);
  void ResizeForPage(Page page);

  // ---- messages ----
  LRESULT OnCommand(UINT id);
  LRESULT OnNotify(const NMHDR& header);
  void OnInitMenuPopup(HMENU menu);
  CommandState CurrentState() const;
  ViewMenuState ViewState() const;
  void UpdateButtons();
  void OnClose();
  bool EditorLetsClose();
  void OnEndSession();
  void OnSize();
  void OnDpiChanged(int oldDpi) override;
  void FitWindowToPage();
  int StatusBarHeightAtDpi() const;
  int WorkAreaHeight96() const;
  void ShowYourself();

  // ---- MainCommands (the rows of commands.h run these) ----
  void SwitchDataSet(int set) override;
  void Exit() override;
  void MoveMonths(int months) override;
  void MoveMonthsByKey(int months) override;
  void ThisMonth() override;
  void ThisMonthByKey() override;
  void ToggleEntryBox() override;
  void ShowStandard() override;
  void NextPage() override;
  void PreviousPage() override;
  void ChooseDisplayMode(int mode) override;
  void ToggleRokuyo() override;
  void ToggleWindowSize() override;
  void ResidentButton() override;
  void GoResident(int caller) override;
  void Restore(bool moveTopLeft) override;
  void OpenAlarm() override;
  void ShowRunLog() override;
  void OpenMemo(int doc) override;
  void OpenSearch() override { memos_->OpenSearch(); }
  void MemoButton() override { memos_->MemoButton(); }
  void Print() override { memos_->Print(); }
  void StartClock() override { memos_->StartClock(); }
  void ToggleEditor() override { memos_->ToggleEditor(); }
  void CloseEditor() override { memos_->CloseEditor(); }
  void ShowProperties() override { memos_->ShowProperties(); }
  void OpenMakerSite() override { memos_->OpenMakerSite(); }
  void OpenOptions() override { ShowOptionsWindow(0, hwnd()); }
  void ToggleNetwork() override { network_->Toggle(); }
  void NetReload() override { network_->Reload(); }
  void OpenBackup() override;
  void OpenExport() override;
  void OpenCommemoration() override;
  void OpenSpecialDayTable() override;
  GridCommands* Grid() override;
  bool MonthKeysActive() const;
  void EntryConfirmed();
  bool OpensDayNumberBox(const MSG& msg) const;
  void ShowDayNumberBox();
  void SpecialDaysChanged();
  void UpdateSizeLabel();

  platform::NativeServices& native_;
  platform::Services& os_;
  MainController controller_;

  MainMenu menu_;
  platform::UniqueWin<HACCEL, DestroyAcceleratorTable> accelerators_;
  platform::UniqueFont uiFont_;
  platform::UniqueFont boldFont_;
  platform::UniqueWin<HICON, DestroyIcon> trayIcon_;
  StatusBar statusBar_;
  HWND pageTabs_ = nullptr;
  HWND monthTabs_ = nullptr;
  std::array<HWND, kButtonCount> buttons_{};
  MonthEntryBox entryBox_;
  std::unique_ptr<grid::SeMCalWindow> grid_;
  std::unique_ptr<grid::YearPageWindow> yearPage_;
  // Editing: made after the grid and the controller; none when the day
  // editor could not be made.
  std::unique_ptr<DayEditorWindow> dayEditor_;
  std::unique_ptr<GridEditing> editing_;
  DayNumberBox dayNumberBox_;
  std::unique_ptr<ResidentFeature> resident_;
  std::unique_ptr<MemoFeature> memos_;
  std::unique_ptr<NetworkFeature> network_;
  bool memoTab_ = false;  // the page tabs end with "メモ"
  AlarmButtonLook alarmLook_;
  PopupItems popupItems_;  // of the pop-up menu being shown
  GridMenu popupMenu_ = GridMenu::Normal;
  store::RuleFileCopy specialDayFile_;  // "Sday.kdf" as read

  MainLayout layout_;
  GridMetrics metrics_;
  RECT monthBounds_{};     // the window on the month page
  RECT yearBounds_{};      // the window on the year page, once placed
  bool yearBoundsSet_ = false;
  bool monthResizePending_ = false;  // a display mode was chosen on the year page
  bool altShortcutUsed_ = false;     // an Alt shortcut ran while Alt is down
  bool applyingMode_ = false;
  Page page_ = Page::Month;
  std::vector<std::string> tabCaptions_;
  std::array<bool, 3> dataSetEnabled_{};
  bool mainPanelEnabled_ = true;
  bool entryShown_ = false;
  bool compact_ = false;
  bool closeButtonMode_ = false;
  bool followingGrid_ = false;
  bool ending_ = false;
};

}  // namespace shell
