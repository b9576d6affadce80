#include "shell/main_window_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <utility>

#include "platform/dialog_helpers.h"
#include "platform/dpi_win.h"
#include "platform/fonts_win.h"
#include "platform/text_win.h"
#include "shell/controls_win.h"
#include "shell/grid_view.h"
#include "shell/instance.h"
#include "shell/month_entry.h"
#include "shell/status_texts.h"
#include "store/special_days.h"

namespace shell {
namespace {

using platform::Widen;

constexpr wchar_t kClassName[] = L"TfmC21";
constexpr UINT kMsgShown = WM_APP + 1;
constexpr UINT kMsgActivated = WM_APP + 2;
constexpr UINT kMsgFitClient = WM_APP + 3;  // after the system moved the window to a new DPI
constexpr UINT kFunctionTimerMs = 10000;
constexpr UINT kIdGrid = 100;
constexpr UINT kIdPageTabs = 101;
constexpr UINT kIdMonthTabs = 102;
constexpr UINT kIdYearPage = 103;
// Sizes at 96 DPI, scaled to the window's.
constexpr int kUiFontHeight = 12;
constexpr int kYearPageWindowWidth = 1010;  // the window on the year page
constexpr int kYearPageTop = 26;
constexpr int kCompactWorkAreaHeight = 610;
// The main window has no title-bar buttons: it is left through the menu
// (and residency); in close-button mode it gets its system menu.
constexpr DWORD kFrameStyle = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;

calendar::DayNumber Today(platform::Clock& clock) {
  const platform::DateTime now = clock.Now();
  return calendar::DateToJulius(now.year, now.month, now.day);
}

void Move(HWND window, const Box& box) {
  MoveWindow(window, box.x, box.y, box.width, box.height, TRUE);
}

std::string MonthName(int year, int month) {
  return std::to_string(year) + "年" + std::to_string(month) + "月";
}

}  // namespace

// ---- the command table -------------------------------------------------------

// What the rows' enable and check rules look at, as things stand now.
CommandState MainWindow::CurrentState() const {
  CommandState st;
  st.networkOn = controller_.folders().networkOn;
  st.networkAvailable = controller_.settings().cbNet;
  st.alarmAvailable = controller_.settings().cbJigen;
  st.moveMenuEnabled = resident_ && resident_->moveMenuEnabled();
  st.dataSetEnabled = dataSetEnabled_;
  st.closeButtonMode = closeButtonMode_;
  st.rokuyoShown = !controller_.settings().rbKinenbi;
  st.displayMode = controller_.settings().vCalGyou;
  st.workAreaHeight = WorkAreaHeight96();
  st.view = ViewState();
  st.editing = editing_ != nullptr;
  st.memoMenu = controller_.settings().cbMemo;
  st.memoDoc = memos_->memoDoc();
  st.printOn = controller_.settings().cbPrint;
  st.clockFound = memos_->ClockFound();
  st.editorIntegration = memos_->EditorIntegration();
  st.popupMenu = popupMenu_;
  st.popup = popupItems_;
  return st;
}

ViewMenuState MainWindow::ViewState() const {
  const StartupState& s = controller_.startup();
  const auto& f = controller_.folders().folders;
  return ViewMenuStateOf({os_.fs.Exists(s.programFolder + "ReadMe.txt"),
                          os_.fs.Exists(s.programFolder + "CaSima.dat"),
                          os_.fs.Exists(f.commonDataFolder + kRunLogFileName),
                          controller_.settings().cbKidouKiroku, controller_.settings().cbEditor});
}

LRESULT MainWindow::OnCommand(UINT id) {
  RunCommand(id, *this, CurrentState());
  return 0;
}

// The buttons follow the same rules as the menu items.
void MainWindow::UpdateButtons() {
  const CommandState state = CurrentState();
  for (HWND button : buttons_) {
    if (!button) continue;
    const CommandRow* row = FindCommandRow(static_cast<UINT>(GetDlgCtrlID(button)));
    EnableWindow(button, row && CommandEnabled(*row, state));
  }
}

// ---- creation ------------------------------------------------------------------

MainWindow::MainWindow(platform::NativeServices& native, const CommandSwitches& switches)
    : native_(native), os_(native.services()), controller_(os_, switches, *this) {}

MainWindow::~MainWindow() {
  native_.dialogs().SetOwner(0);
  native_.dialogs().SetStatusSink(nullptr);
}

bool MainWindow::CreateFrame() {
  platform::WindowArgs args;
  args.className = kClassName;
  args.title = Widen(kAppTitle);
  args.style = kFrameStyle;
  args.icon = LoadIconW(platform::ModuleInstance(), MAKEINTRESOURCEW(1));
  args.background = GetSysColorBrush(COLOR_BTNFACE);
  menu_ = BuildMainMenu(true);
  args.menuOrId = menu_.bar;
  args.x = args.y = 0;
  args.width = 1015;
  args.height = 740;
  if (!CreateWindowFrom(args)) return false;
  accelerators_.reset(BuildAccelerators());
  native_.dialogs().SetOwner(reinterpret_cast<platform::WindowHandle>(hwnd()));
  native_.dialogs().SetStatusSink([this](const std::string& text) { statusBar_.SetNotice(text); });
  return true;
}

void MainWindow::CreateFonts() {
  uiFont_.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  boldFont_.reset(platform::CreateUiFont(kUiFontHeight, Dpi(), true));
}

// The status bar fits the caption, whose height is measured at the DPI and
// compared in 96-DPI pixels.
int MainWindow::StatusBarHeightAtDpi() const {
  const int caption = platform::SystemMetricForDpi(SM_CYCAPTION, Dpi());
  return Scale(StatusBarHeight(platform::ScaleFromDpi(caption, Dpi())));
}

int MainWindow::WorkAreaHeight96() const { return platform::ScaleFromDpi(WorkArea().Height(), Dpi()); }

HWND MainWindow::MakeButton(ButtonSlot slot, UINT id, const char* caption, DWORD style) {
  HWND button = CreateWindowExW(0, L"BUTTON", Widen(caption).c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, 0, 0, 0, 0, hwnd(),
                                reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                platform::ModuleInstance(), nullptr);
  SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  buttons_[slot] = button;
  return button;
}

namespace {

HWND MakeTabs(HWND parent, UINT id, DWORD style, HFONT font) {
  HWND tabs = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style,
                              0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                              platform::ModuleInstance(), nullptr);
  SendMessageW(tabs, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return tabs;
}

}  // namespace

void MainWindow::CreateControls() {
  statusBar_.Create(hwnd(), uiFont_.get(), boldFont_.get(), Dpi());
  pageTabs_ = MakeTabs(hwnd(), kIdPageTabs, 0, uiFont_.get());
  InsertTab(pageTabs_, 0, "　  月  　");
  if (!compact_) InsertTab(pageTabs_, 1, "　  年  　");
  monthTabs_ = MakeTabs(hwnd(), kIdMonthTabs, TCS_FIXEDWIDTH | TCS_FOCUSNEVER, uiFont_.get());
  MakeButton(kBtnPrevMonth, kCmdPrevMonth, "前月");
  MakeButton(kBtnNextMonth, kCmdNextMonth, "翌月");
  MakeButton(kBtnPrevYear, kCmdPrevYear, "前年");
  MakeButton(kBtnNextYear, kCmdNextYear, "翌年");
  MakeButton(kBtnThisMonth, kCmdThisMonth, "今月");
  MakeButton(kBtnEnterMonth, kCmdEnterMonth, "年月指定");
  MakeButton(kBtnStandard, kCmdStandard, "標準表示");
  MakeButton(kBtnFiles1, kCmdFiles1, "Files1");
  MakeButton(kBtnFiles2, kCmdFiles2, "Files2");
  MakeButton(kBtnSearch, kCmdSearch, "検索");
  MakeButton(kBtnMemo, kCmdMemoButton, "");
  MakeButton(kBtnPrint, kCmdPrint, "");
  MakeButton(kBtnAlarm, kCmdAlarm, "時限", BS_OWNERDRAW);  // its caption's colour tells the alarm
  MakeButton(kBtnResident, kCmdResidentButton, "常駐");
  entryBox_.Create(hwnd(), uiFont_.get(), [this] { EntryConfirmed(); }, [this] { HideEntryBox(); });
}

void MainWindow::CreateGrid() {
  // No size yet: the display mode gives it, and nothing is drawn twice.
  grid::SeMCalWindowArgs args{hwnd(), {0, 0, 0, 0}, static_cast<int>(kIdGrid),
                              Today(os_.clock), &os_, this};
  grid_ = grid::CreateSeMCalWindow(args);
  if (!grid_) return;
  grid_->SetDpi(Dpi());
  grid::UseSystemWeekdayNames(grid_->grid());
}

// Made when the year tab is first chosen: its twelve calendars would
// otherwise cost every start a sixth of its time.
bool MainWindow::EnsureYearPage() {
  if (yearPage_ || compact_) return yearPage_ != nullptr;
  yearPage_ = grid::CreateYearPageWindow({hwnd(), 0, Scale(kYearPageTop), static_cast<int>(kIdYearPage),
                                          controller_.cycle().today(), &os_.dialogs, this});
  if (!yearPage_) return false;
  yearPage_->SetDpi(Dpi());
  ShowWindow(yearPage_->hwnd(), SW_HIDE);
  grid::YearPage& page = yearPage_->page();
  page.SetHolidayList(grid_->grid().HolidayList());
  page.SetSpecialDayList(grid_->grid().SpecialDayList());
  const settings::Settings& s = controller_.settings();
  page.SetSpHajimariTuki(s.SpHajimariTuki);
  page.SetChoice(static_cast<grid::YearStart>(s.rgYFirstMonth >= 0 && s.rgYFirstMonth <= 2 ? s.rgYFirstMonth : 0));
  EnableWindow(yearPage_->hwnd(), mainPanelEnabled_);
  MoveControls(layout_);
  return true;
}

// The day editor window itself is made at its first use.
void MainWindow::CreateEditing() {
  dayEditor_ = std::make_unique<DayEditorWindow>(controller_.settings(), grid_->grid());
  dayEditor_->Prepare(hwnd(), os_, controller_.startup().settingsFile, this);
  editing_ = std::make_unique<GridEditing>(os_, controller_, grid_->grid(), *this, *dayEditor_);
  editing_->specialDays().SetFileCopy(&specialDayFile_);
  editing_->OnSpecialDaysChanged([this] { SpecialDaysChanged(); });
  editing_->OnGridPressed([this] { resident_->CancelCountdown(); });
  dayNumberBox_.Create(
      hwnd(), uiFont_.get(),
      [this](const std::string& text) { return editing_->commands().DayNumberEntered(text); },
      [this] {
        if (page_ == Page::Month) SetFocus(grid_->hwnd());
      });
}

// The year page's panel with the page tabs above it and the status bar
// below, 1010 pixels wide at 96 DPI.
SIZE MainWindow::YearPageWindowSize() const {
  const int panel = yearPage_ ? yearPage_->PixelSize().cy : Scale(grid::kYearPageHeight);
  RECT r{0, 0, Scale(kYearPageWindowWidth), layout_.pageTabs.height + Scale(2) + panel + Scale(4) + statusBar_.height()};
  r = platform::AdjustMenuWindowRectForDpi(r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), Dpi());
  return {Scale(kYearPageWindowWidth), r.bottom - r.top};
}

settings::Rect MainWindow::WorkArea() const {
  const RECT r = platform::WorkArea();
  return {r.left, r.top, r.right, r.bottom};
}

// The window's width outside the grid: frame and the button column.
WindowFacts MainWindow::MeasureFacts() const {
  WindowFacts f;
  f.workArea = WorkArea();
  const RECT r = platform::AdjustMenuWindowRectForDpi({0, 0, Scale(kButtonColumnWidth), 100}, kFrameStyle, Dpi());
  f.outsideWidth = r.right - r.left;
  f.dpi = Dpi();
  RECT w;
  GetWindowRect(hwnd(), &w);
  f.windowWidth = w.right - w.left;
  f.windowHeight = w.bottom - w.top;
  return f;
}

void MainWindow::ApplyCloseButtonMode() {
  closeButtonMode_ = controller_.settings().cbCloseBtn;
  if (!closeButtonMode_) return;
  SetWindowLongPtrW(hwnd(), GWL_STYLE, kFrameStyle | WS_SYSMENU);
  SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  SetText(buttons_[kBtnResident], "終了");
  EnableWindow(buttons_[kBtnResident], TRUE);
}

void MainWindow::PlaceWindow() {
  const settings::WindowPlacement& p = controller_.loadOutcome().placement;
  if (p.centred) return;  // the display mode centred it
  SetWindowPos(hwnd(), nullptr, p.left, p.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  GetWindowRect(hwnd(), &monthBounds_);
}

bool MainWindow::Create(int showCommand) {
  if (!CreateFrame()) return false;
  resident_ = std::make_unique<ResidentFeature>(os_, static_cast<ResidentHost&>(*this));
  // The notification area draws its icons at the system's DPI.
  trayIcon_.reset(platform::LoadSmallIcon(platform::ModuleInstance(), MAKEINTRESOURCEW(1), platform::SystemDpi()));
  resident_->Attach(trayIcon_ ? trayIcon_.get() : LoadIconW(platform::ModuleInstance(), MAKEINTRESOURCEW(1)));
  memos_ = std::make_unique<MemoFeature>(os_, static_cast<MemoFeatureHost&>(*this));
  network_ = std::make_unique<NetworkFeature>(os_, static_cast<NetworkHost&>(*this));
  network_->WireLaterWork();
  WireLaterWork();
  WireSetupWork();
  CreateFonts();
  compact_ = WorkAreaHeight96() <= kCompactWorkAreaHeight;
  CreateControls();
  CreateGrid();
  if (!grid_) return false;
  // One layout and paint of the grid at the end, not one per setting.
  grid_->grid().Set(&grid::SeMCalProps::SkipUpDate2, true);
  statusBar_.SetHeight(StatusBarHeightAtDpi());
  controller_.SetWindowFacts(MeasureFacts());
  if (!controller_.Create()) return false;
  resident_->SettingsLoaded();
  CreateEditing();
  network_->Start();
  ApplyMemoSettings();
  ApplyCloseButtonMode();
  PlaceWindow();
  grid_->grid().Set(&grid::SeMCalProps::SkipUpDate2, false);
  grid_->grid().Rebuild();
  ShowWindow(hwnd(), showCommand);
  UpdateWindow(hwnd());
  return true;
}

// ---- layout and pages -------------------------------------------------------

void MainWindow::MoveControls(const MainLayout& l) {
  Move(pageTabs_, l.pageTabs);
  Move(monthTabs_, l.monthTabs);
  SendMessageW(monthTabs_, TCM_SETITEMSIZE, 0, MAKELPARAM(l.monthTabWidth, l.monthTabs.height));
  Move(grid_->hwnd(), l.grid);
  for (int i = 0; i < kButtonCount; ++i) Move(buttons_[i], l.buttons[i]);
  Move(entryBox_.hwnd(), l.entryBox);
  statusBar_.Resize();
  if (yearPage_)
    SetWindowPos(yearPage_->hwnd(), nullptr, Scale(2), l.pageTabs.height + Scale(2), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window around a client area, at `from`'s corner or centred.
RECT MainWindow::BoundsForClient(int width, int height, bool centre, const RECT& from) const {
  const RECT r = platform::AdjustMenuWindowRectForDpi(
      {0, 0, width, height}, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), Dpi());
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  int x = from.left;
  int y = from.top;
  if (centre) {
    const settings::Rect area = WorkArea();
    x = area.left + (area.Width() - w) / 2;
    y = area.top + (area.Height() - h) / 2;
  }
  return {x, y, x + w, y + h};
}

void MainWindow::ResizeClient(int width, int height, bool centre) {
  RECT now;
  GetWindowRect(hwnd(), &now);
  const RECT b = BoundsForClient(width, height, centre, now);
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowMonthControls(bool show) {
  const int how = show ? SW_SHOW : SW_HIDE;
  ShowWindow(monthTabs_, how);
  ShowWindow(grid_->hwnd(), how);
  // A button without a caption (no editor program, no print program, no
  // alarm) is left out rather than shown blank.
  for (HWND b : buttons_) ShowWindow(b, show && GetWindowTextLengthW(b) > 0 ? SW_SHOW : SW_HIDE);
  ShowWindow(entryBox_.hwnd(), show && entryShown_ ? SW_SHOW : SW_HIDE);
}

void MainWindow::SelectPage(Page page) {
  if (page == Page::Year && !EnsureYearPage()) page = Page::Month;
  if (page == Page::Year) dayNumberBox_.ClearAndHide();
  SendMessageW(pageTabs_, TCM_SETCURSEL, page == Page::Year ? 1 : 0, 0);
  if (page == page_) return;
  page_ = page;
  if (resident_) resident_->CancelCountdown();  // the user is here
  ResizeForPage(page);
  ShowMonthControls(page == Page::Month);
  if (yearPage_) ShowWindow(yearPage_->hwnd(), page == Page::Year ? SW_SHOW : SW_HIDE);
  if (page == Page::Year) yearPage_->Shown();
  FocusPage();
}

bool MainWindow::TabAt(LPARAM clientPoint) const {
  const POINT p{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
  const HWND child = ChildWindowFromPoint(hwnd(), p);
  return child && (child == pageTabs_ || child == monthTabs_);
}

// The grid on the month page, the year box on the year page.
void MainWindow::FocusPage() {
  if (page_ == Page::Year && yearPage_) yearPage_->FocusYearBox();
  else if (page_ == Page::Month) SetFocus(dayNumberBox_.shown() ? dayNumberBox_.hwnd() : grid_->hwnd());
}

// Some display modes keep one window size for both pages; the others
// switch between the month page's bounds and the year page's.
void MainWindow::ResizeForPage(Page page) {
  const int mode = controller_.settings().vCalGyou;
  if (page == Page::Year) {
    const auto next = SizeClassForYearPage(controller_.sizeClass(), mode);
    if (!next) return;
    controller_.SetSizeClass(*next);
    GetWindowRect(hwnd(), &monthBounds_);
    if (!yearBoundsSet_) {
      const SIZE want = YearPageWindowSize();
      const int cx = (monthBounds_.left + monthBounds_.right) / 2;
      const int cy = (monthBounds_.top + monthBounds_.bottom) / 2;
      yearBounds_ = {cx - want.cx / 2, cy - want.cy / 2, cx + want.cx / 2, cy + want.cy / 2};
      yearBoundsSet_ = true;
    }
    const RECT& b = yearBounds_;
    SetWindowPos(hwnd(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER);
    return;
  }
  const auto next = SizeClassForMonthPage(controller_.sizeClass(), mode);
  const bool modeChanged = std::exchange(monthResizePending_, false);
  if (!next && !modeChanged) return;
  if (next) controller_.SetSizeClass(*next);
  GetWindowRect(hwnd(), &yearBounds_);
  const RECT& b = monthBounds_;
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER);
}

// Another monitor's DPI: new fonts for every control, the grid, the year
// page and the status bar at the DPI, and the display mode laid out anew.
// The system then moves the window to the rectangle it suggests, scaled
// from the old size; the posted fit gives it the exact size afterwards.
void MainWindow::OnDpiChanged(int) {
  platform::UniqueFont oldUi(uiFont_.release()), oldBold(boldFont_.release());
  CreateFonts();
  platform::ReplaceChildFonts(hwnd(), oldUi.get(), uiFont_.get());
  platform::ReplaceChildFonts(hwnd(), oldBold.get(), boldFont_.get());
  statusBar_.SetDpi(Dpi(), uiFont_.get());
  statusBar_.SetHeight(StatusBarHeightAtDpi());
  if (!grid_) return;
  grid_->SetDpi(Dpi());
  if (yearPage_) yearPage_->SetDpi(Dpi());
  yearBoundsSet_ = false;
  controller_.SetWindowFacts(MeasureFacts());
  controller_.ReapplyDisplayMode();
  PostMessageW(hwnd(), kMsgFitClient, 0, 0);
}

void MainWindow::FitWindowToPage() {
  if (page_ == Page::Month) {
    ResizeClient(layout_.clientWidth, layout_.clientHeight, false);
    return;
  }
  const SIZE size = YearPageWindowSize();
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveControls(layout_);
}

void MainWindow::OnSize() {
  if (!grid_ || applyingMode_) return;  // the mode lays the controls out itself
  MoveControls(layout_);
  UpdateSizeLabel();
}

// ---- ShellView ----------------------------------------------------------------

void MainWindow::ShowSlot(int slot, calendar::DayNumber day) {
  followingGrid_ = true;
  ShowCycleSlot(grid_->grid(), controller_.cycle(), slot, day);
  followingGrid_ = false;
  // The grid's name tells tools and screen readers the month shown.
  const calendar::Date d = calendar::JuliusToDate(day);
  SetWindowTextW(grid_->hwnd(), Widen(MonthName(d.year, d.month)).c_str());
}

void MainWindow::SetTabs(const std::vector<std::string>& captions, int selected) {
  if (captions != tabCaptions_) {
    SendMessageW(monthTabs_, TCM_DELETEALLITEMS, 0, 0);
    for (size_t i = 0; i < captions.size(); ++i) InsertTab(monthTabs_, static_cast<int>(i), captions[i]);
    tabCaptions_ = captions;
  }
  SendMessageW(monthTabs_, TCM_SETCURSEL, selected, 0);
}

void MainWindow::SetEntryText(const std::string& yyyymm) { entryBox_.SetText(yyyymm); }

void MainWindow::Refresh() { grid_->grid().Rebuild(); }

void MainWindow::SetStatusPanel(int panel, const std::string& text, bool rightAligned) {
  statusBar_.SetText(panel, text, rightAligned);
}

void MainWindow::SetDateChangeLook(bool on) {
  statusBar_.SetAlert(on);
  statusBar_.SetNotice(on ? kDateChangingText : "");
  UpdateWindow(statusBar_.hwnd());
}

void MainWindow::SetDataSetLabel(const std::string& text) { statusBar_.SetDataSetLabel(text); }

void MainWindow::SetDataSetCommands(const std::array<bool, 3>& enabled) {
  dataSetEnabled_ = enabled;
  UpdateButtons();
}

void MainWindow::SetMainPanelEnabled(bool enabled) {
  mainPanelEnabled_ = enabled;
  for (HWND w : {pageTabs_, monthTabs_, grid_->hwnd()}) EnableWindow(w, enabled);
  if (yearPage_) EnableWindow(yearPage_->hwnd(), enabled);
}

bool MainWindow::IsVisible() const { return IsWindowVisible(hwnd()) != FALSE; }

void MainWindow::ShowMonthPage() { SelectPage(Page::Month); }

void MainWindow::HideEntryBox() {
  if (!entryShown_) return;
  entryShown_ = false;
  ShowWindow(entryBox_.hwnd(), SW_HIDE);
  SetText(buttons_[kBtnEnterMonth], "年月指定");
  statusBar_.SetNotice("");
  MoveControls(layout_);
  if (page_ == Page::Month) SetFocus(grid_->hwnd());
}

void MainWindow::SetToday(calendar::DayNumber today) {
  grid_->grid().SetToday(today);
  if (yearPage_) yearPage_->page().SetToday(today);
}

void MainWindow::LoadHolidays(const std::string& path) {
  store::LoadHolidayFile(os_, grid_->grid().Classifier(), path);
  if (yearPage_) yearPage_->page().SetHolidayList(grid_->grid().HolidayList());
}

// The file's bytes are kept so that a special-day edit writes the lines
// nobody edited back as they were.
void MainWindow::LoadSpecialDays(const std::string& folder) {
  grid::TSeMCal& cal = grid_->grid();
  store::LoadSpecialDayFile(os_, cal.Classifier(), folder, &specialDayFile_);
  cal.Rebuild();
  if (yearPage_) yearPage_->page().SetSpecialDayList(cal.SpecialDayList());
}

void MainWindow::SpecialDaysChanged() {
  if (!yearPage_) return;
  yearPage_->page().SetSpecialDayList(grid_->grid().SpecialDayList());
  RefreshYearPage();
}

void MainWindow::ApplyGridSettings(const settings::Settings& s) {
  grid::TSeMCal& cal = grid_->grid();
  grid::SeMCalProps g = cal.GridProps();
  g.TukiMemo = s.cbTukiMemo;
  g.TukiMUeTume = s.cbTukiMUeTume;
  g.UeTume = s.cbUetume;
  g.TabMojiSuu = s.TabToSp;
  g.TabChousei = s.TabAdj;
  g.isFontBold = s.cbBold;
  g.DefaultPeriodColor = s.edtKColor;
  g.DefaultEntryColor = s.edtCYotei;
  g.NameOverhang = s.cbNextDay;
  g.EntryFace = s.cbToubai ? platform::Narrow(platform::ChooseFixedFontFace()) : std::string();
  cal.SetProps(g);
  grid::CalendarProps c = cal.Props();
  c.FirstDayOfWeek = s.rgStYoubi == 1 ? grid::dowMon : grid::dowSun;
  c.ShowRokuyo = !s.rbKinenbi;
  c.NeighborJump = s.cbNeighborJump;
  cal.SetCalendarProps(c);
  cal.SetAutoEquinox(!s.cbEquinox);
  cal.SetAutoFurikae(!s.cbFurikae);
  cal.Fonts().SetColour(calendar::CalFont::Weekday, s.edtCWeekDay);
  cal.Fonts().SetColour(calendar::CalFont::Saturday, s.edtCSat);
  cal.Fonts().SetColour(calendar::CalFont::Sunday, s.edtCSun);
  cal.Fonts().SetColour(calendar::CalFont::SpecialDay, s.edtCKinenbi);
  cal.Fonts().SetColour(calendar::CalFont::Rokuyo, s.edtCRokuyo);
}

void MainWindow::ApplyDisplayMode(const GridMetrics& m, bool centre) {
  metrics_ = m;
  grid::TSeMCal& cal = grid_->grid();
  grid::SeMCalProps g = cal.GridProps();
  g.SkipUpDate = true;
  cal.SetProps(g);
  g.ItemGyo = m.ItemGyo;
  g.LenFontHidukeH = m.LenFontHidukeH;
  g.LenFontNeighbH = m.LenFontNeighbH;
  g.LenTopItem = m.LenTopItem;
  g.LenFontYoteiH = m.LenFontYoteiH;
  g.LenGyokan = m.LenGyokan;
  g.LenBottomItem = m.LenBottomItem;
  g.LenFontKinenbH = m.LenFontKinenbH;
  g.LenFontKinenbNH = m.LenFontKinenbNH;
  g.LenHidukeH = m.LenHidukeH;
  g.LenHidukeW = m.LenHidukeW;
  g.LenYohaku = m.LenYohaku;
  g.LenKinenC = m.LenKinenC;
  g.LenKinenNC = m.LenKinenNC;
  g.LenYoubiH = m.LenYoubiH;
  g.LenItemLeftM = m.LenItemLeftM;
  g.LenFontYoubiH = m.LenFontYoubiH;
  g.LenYoteiH = m.LenYoteiH;
  g.LenDayH = m.LenDayH;
  g.LenDayW = m.LenDayW;
  g.SkipUpDate = false;
  cal.SetProps(g);
  // The grid's cells as it draws them at the DPI, and its edges.
  const grid::Size cells = cal.GridSize();
  const int edges = Scale(m.gridWidth - m.LenDayW * 7);
  layout_ = LayOut(cells.width + edges, cells.height + edges, cells.width / 7, statusBar_.height(), Dpi());
  applyingMode_ = true;
  if (page_ == Page::Month) ResizeClient(layout_.clientWidth, layout_.clientHeight, centre);
  applyingMode_ = false;
  MoveControls(layout_);
  cal.RecalcMetrics();
  if (page_ == Page::Month) {
    GetWindowRect(hwnd(), &monthBounds_);
  } else {
    // Chosen on the year page: the month page gets its new size when the
    // user goes back to it.
    monthBounds_ = BoundsForClient(layout_.clientWidth, layout_.clientHeight, centre, monthBounds_);
    monthResizePending_ = true;
  }
  if (dayEditor_) dayEditor_->KeepInsideWorkArea(hwnd());
}

void MainWindow::SetYearPageStart(int choice, int specialMonth) {
  if (!yearPage_) return;
  yearPage_->page().SetSpHajimariTuki(specialMonth);
  yearPage_->page().SetChoice(static_cast<grid::YearStart>(choice >= 0 && choice <= 2 ? choice : 0));
  yearPage_->Refresh();
}

// The header, the labels and the year box follow the calendars.
void MainWindow::RefreshYearPage() {
  if (!yearPage_) return;
  for (int tag = 1; tag <= grid::kYearCalendars; ++tag) yearPage_->page().Calendar(tag).Rebuild();
  yearPage_->Refresh();
}

void MainWindow::CaptureWindowState(settings::Settings& s) {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT w = monthBounds_;
  if (page_ == Page::Month) GetWindowRect(hwnd(), &w);
  s.fmC21Left = w.left;
  s.fmC21Top = w.top;
  s.vClientHeight = platform::ScaleFromDpi(layout_.clientHeight, Dpi());
  if (yearPage_) s.rgYFirstMonth = static_cast<int>(yearPage_->page().Choice());
  if (resident_) resident_->SaveInto(s);
}

void MainWindow::StartFunctionTimer() { SetTimer(hwnd(), kFunctionTimer, kFunctionTimerMs, nullptr); }

void MainWindow::RequestClose() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void MainWindow::FinishOpenWork(bool silent) {
  if (silent) native_.dialogs().SetSilent(true);
  if (editing_) editing_->openEdit().Finish();
  if (!memos_) return;
  if (silent)
    memos_->SaveAtSessionEnd();
  else
    memos_->SaveAndCloseBoth();
}

void MainWindow::EndApplication() {
  ending_ = true;
  PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

// ---- grid and year page events ------------------------------------------------

void MainWindow::OnDayChange(grid::TCustomCalendarEx& sender, int year, int month, int day) {
  if (followingGrid_ || &sender != &grid_->grid()) return;
  controller_.cycle().FollowGrid({year, month, day});
  const calendar::Date shown = calendar::JuliusToDate(grid_->grid().JuliusDay());
  SetWindowTextW(grid_->hwnd(), Widen(MonthName(shown.year, shown.month)).c_str());
}

GridCommands* MainWindow::CommandsOf(const grid::TCustomCalendarEx& sender) {
  return editing_ && &sender == &grid_->grid() ? &editing_->commands() : nullptr;
}

void MainWindow::OnMouseDown(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) {
  if (GridCommands* c = CommandsOf(sender)) c->MouseDown(event);
}

void MainWindow::OnMouseMove(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) {
  if (GridCommands* c = CommandsOf(sender)) c->MouseMove(event);
}

void MainWindow::OnMouseUp(grid::TCustomCalendarEx& sender, const grid::MouseEvent& event) {
  if (GridCommands* c = CommandsOf(sender)) c->MouseUp(event);
}

void MainWindow::OnDblClick(grid::TCustomCalendarEx& sender) {
  if (GridCommands* c = CommandsOf(sender)) c->DblClick();
}

// The chosen item runs after the menu has closed, through the command
// table like any other command.
void MainWindow::OnContextMenu(grid::TCustomCalendarEx& sender, grid::Point screen) {
  GridCommands* c = CommandsOf(sender);
  if (!c) return;
  const std::optional<GridPopup> popup = c->OpenPopup();
  if (!popup) return;
  popupMenu_ = popup->menu;
  popupItems_ = popup->items;
  HMENU menu = popup->menu == GridMenu::Delete ? BuildDeleteMenu() : BuildGridMenu(closeButtonMode_, controller_.settings().cbPrint);
  ModifyMenuW(menu, kCmdPopupMemo, MF_BYCOMMAND | MF_STRING, kCmdPopupMemo,
              Widen(memos_->MemoPopupCaption()).c_str());
  OnInitMenuPopup(menu);
  SetForegroundWindow(hwnd());
  const UINT id = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x,
                                 screen.y, 0, hwnd(), nullptr);
  DestroyMenu(menu);
  if (id) OnCommand(id);
}

void MainWindow::ShowMonthPage(int year, int month) {
  SelectPage(Page::Month);
  controller_.cycle().GoToMonth(MonthText(year, month));
}

// ---- commands ---------------------------------------------------------------------

bool MainWindow::MonthKeysActive() const { return page_ == Page::Month && !entryShown_; }

void MainWindow::MoveMonths(int months) { controller_.cycle().MoveBy(months); }

void MainWindow::MoveMonthsByKey(int months) {
  if (MonthKeysActive()) MoveMonths(months);
}

void MainWindow::ThisMonth() {
  HideEntryBox();
  controller_.cycle().GoToCurrentMonth();
}

void MainWindow::ThisMonthByKey() {
  if (MonthKeysActive()) ThisMonth();
}

// Alt+Right and Alt+Left step round the pages: month, year, memo window.
void MainWindow::NextPage() {
  if (page_ == Page::Month && !compact_) SelectPage(Page::Year);
  else if (page_ == Page::Year) OpenMemo(-1);
}

void MainWindow::PreviousPage() {
  if (page_ == Page::Year) SelectPage(Page::Month);
  else OpenMemo(-1);
}

void MainWindow::ToggleEntryBox() {
  if (entryShown_) {
    HideEntryBox();
    return;
  }
  dayNumberBox_.ClearAndHide();
  entryShown_ = true;
  SetText(buttons_[kBtnEnterMonth], "Cancel");
  statusBar_.SetNotice(kEntryHint);
  ShowWindow(entryBox_.hwnd(), SW_SHOW);
  SetFocus(entryBox_.hwnd());
}

void MainWindow::EntryConfirmed() {
  if (controller_.cycle().EnterMonth(entryBox_.Text())) HideEntryBox();
}

void MainWindow::ShowStandard() {
  HideEntryBox();
  controller_.cycle().ReturnToStandard();
}

void MainWindow::ToggleRokuyo() { controller_.ToggleRokuyo(); }

void MainWindow::ChooseDisplayMode(int mode) { controller_.ChooseDisplayMode(mode); }

void MainWindow::SwitchDataSet(int set) { controller_.SwitchDataSet(set); }

void MainWindow::Exit() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

GridCommands* MainWindow::Grid() { return editing_ ? &editing_->commands() : nullptr; }

void MainWindow::UpdateSizeLabel() {
  if (!statusBar_.sizeLabelShown()) return;
  RECT w;
  GetWindowRect(hwnd(), &w);
  statusBar_.SetSizeLabel(WindowSizeText(w.right - w.left, w.bottom - w.top));
}

void MainWindow::ToggleWindowSize() {
  if (statusBar_.sizeLabelShown()) {
    statusBar_.SetSizeLabel("");
    return;
  }
  statusBar_.SetSizeLabel(" ");
  UpdateSizeLabel();
}

// ---- menus -------------------------------------------------------------------------

void MainWindow::OnInitMenuPopup(HMENU menu) {
  const CommandState state = CurrentState();
  // The one item whose caption follows the state.
  ModifyMenuW(menu, kCmdNetOn, MF_BYCOMMAND | MF_STRING, kCmdNetOn, state.networkOn ? L"ネットＯｆｆ" : L"ネットＯｎ");
  UpdateMenuItems(menu, state);
}

// ---- messages ------------------------------------------------------------------------

bool MainWindow::PreTranslate(MSG& msg) {
  if (!hwnd() || !accelerators_) return false;
  if (memos_ && memos_->PreTranslate(msg)) return true;
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  if (OpensDayNumberBox(msg)) {
    ShowDayNumberBox();
    return true;
  }
  // An Alt key released after Alt+Right or Alt+Left would open the menu
  // bar: the key-down it belonged to never reached the window.
  const bool keyUp = msg.message == WM_SYSKEYUP || msg.message == WM_KEYUP;
  if (keyUp && msg.wParam == VK_MENU && std::exchange(altShortcutUsed_, false)) return true;
  if (TranslateAcceleratorW(hwnd(), accelerators_.get(), &msg)) {
    altShortcutUsed_ = msg.message == WM_SYSKEYDOWN;
    return true;
  }
  // Tab and the arrows between the controls, as in any dialog.
  return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

// Ctrl+Down and Ctrl+L anywhere in the window, before the focused control.
bool MainWindow::OpensDayNumberBox(const MSG& msg) const {
  if (!editing_ || msg.message != WM_KEYDOWN) return false;
  const grid::ShiftState shift{GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                               GetKeyState(VK_MENU) < 0};
  return GridCommands::OpensDayNumberBox(static_cast<int>(msg.wParam), shift, page_ == Page::Month,
                                         entryShown_);
}

// Right of the clock and network panels of the status bar.
void MainWindow::ShowDayNumberBox() {
  constexpr int kGap = 4, kWidth = 48;
  RECT panel{};
  SendMessageW(statusBar_.hwnd(), SB_GETRECT, 1, reinterpret_cast<LPARAM>(&panel));
  MapWindowPoints(statusBar_.hwnd(), hwnd(), reinterpret_cast<POINT*>(&panel), 2);
  const RECT box{panel.right + Scale(kGap), panel.top, panel.right + Scale(kGap + kWidth), panel.bottom};
  dayNumberBox_.Show(box);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return 0;
  if (header.hwndFrom == monthTabs_) controller_.cycle().SelectTab(CurrentTab(monthTabs_));
  if (header.hwndFrom == pageTabs_ && MemoTabSelected()) {
    // The memo tab opens the window and leaves the page as it was.
    SendMessageW(pageTabs_, TCM_SETCURSEL, page_ == Page::Year ? 1 : 0, 0);
    OpenMemo(-1);
  } else if (header.hwndFrom == pageTabs_) {
    SelectPage(CurrentTab(pageTabs_) == 1 ? Page::Year : Page::Month);
  }
  resident_->CancelCountdown();
  return 0;
}

// A close from outside (the taskbar, another program) while the day editor
// is open: the editor decides first, so what was typed is never thrown
// away by a window the user did not look at.
bool MainWindow::EditorLetsClose() {
  if (!editing_ || !editing_->openEdit().active()) return true;
  if (dayEditor_->Changed() &&
      (!platform::AskYesNo(os_.dialogs, "予定を編集中です。\r\n書き込んでから、楓帳を終了しますか？", true) ||
       dayEditor_->RefusesToWrite()))
    return false;
  editing_->openEdit().Finish();
  return true;
}

void MainWindow::OnClose() {
  // The editor's loop has to unwind before the windows go.
  if (dayEditor_ && dayEditor_->Finishing()) {
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (ending_) {
    DestroyWindow(hwnd());
    return;
  }
  if (!EditorLetsClose() || !memos_->SaveAndCloseBoth()) return;
  if (editing_ && editing_->openEdit().active()) {
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (controller_.QueryClose()) DestroyWindow(hwnd());
}

// Nothing may be asked now: the open edit is stored as if confirmed and
// everything is saved as a close saves it.
void MainWindow::OnEndSession() { controller_.EndProgram(Ending::Session); }

void MainWindow::ShowYourself() {
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
}

LRESULT MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam));
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (statusBar_.DrawPanel(item) || DrawAlarmButton(item)) return TRUE;
      break;
    }
    case WM_CTLCOLORSTATIC:
      if (HBRUSH b = statusBar_.LabelColours(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<LRESULT>(b);
      break;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_SHOWWINDOW:
      if (wParam) PostMessageW(hwnd(), kMsgShown, 0, 0);
      break;
    case kMsgShown:
      controller_.OnShown();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE) PostMessageW(hwnd(), kMsgActivated, 0, 0);
      break;
    case kMsgActivated:
      controller_.OnActivated();
      if (auto page = controller_.TakePendingPage()) SelectPage(*page);
      if (GetActiveWindow() == hwnd() && !entryShown_) FocusPage();
      return 0;
    case kShowYourselfMessage:
      ShowYourself();
      return 0;
    case kMsgFitClient:
      FitWindowToPage();
      return 0;
    case WM_TIMER:
      if (wParam == kEndAfterSetupTimer) {
        KillTimer(hwnd(), kEndAfterSetupTimer);
        EndApplication();
        return 0;
      }
      if (resident_ && !resident_->OnTimer(wParam) && network_) network_->OnTimer(wParam);
      return 0;
    case WM_PARENTNOTIFY:
      // A press on a tab, even the one already chosen, stops the "/J" countdown.
      if (LOWORD(wParam) == WM_LBUTTONDOWN && resident_ && TabAt(lParam)) resident_->CancelCountdown();
      return 0;
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // never holds the session up; WM_ENDSESSION saves
    case WM_ENDSESSION:
      if (wParam) OnEndSession();
      return 0;
    case WM_DESTROY:
      for (UINT_PTR timer : {kFunctionTimer, kResidencyTimer, kBalloonTimer, kNetTimer}) KillTimer(hwnd(), timer);
      if (resident_) resident_->OnDestroy();
      PostQuitMessage(0);
      return 0;
  }
  if (resident_ && resident_->OnMessage(message, wParam, lParam)) return 0;
  return Default(message, wParam, lParam);
}

}  // namespace shell
