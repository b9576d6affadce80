#include "shell/main_window_win.h"

#include <commctrl.h>

#include "platform/dialog_helpers.h"
#include "platform/fonts_win.h"
#include "platform/text_win.h"
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
constexpr UINT_PTR kFunctionTimer = 1;  // tmKinou
constexpr UINT kFunctionTimerMs = 10000;
constexpr UINT kIdGrid = 100;
constexpr UINT kIdPageTabs = 101;
constexpr UINT kIdMonthTabs = 102;
constexpr UINT kIdYearPage = 103;
constexpr int kUiFontHeight = -12;
constexpr int kYearPageWindowWidth = 1010;  // the window on the year page
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

void SetText(HWND window, const char* text) { SetWindowTextW(window, Widen(text).c_str()); }

int CurrentTab(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }

void InsertTab(HWND tabs, int index, const std::string& caption) {
  std::wstring text = Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

std::string MonthName(int year, int month) {
  return std::to_string(year) + "年" + std::to_string(month) + "月";
}

}  // namespace

// ---- the command table -------------------------------------------------------

struct MainWindow::Command {
  UINT id;
  void (MainWindow::*run)();
};

namespace {
using W = MainWindow;
}

// Commands of later work (residency, network, backup, options, search, the
// alarm, printing, the memo and the run log) have no row yet: their menu
// items and buttons stay disabled. The pop-up items run the grid's
// commands.
const MainWindow::Command* MainWindow::FindCommand(UINT id) {
  static const Command kCommands[] = {
      {kCmdFiles1, &W::Files1},
      {kCmdFiles2, &W::Files2},
      {kCmdFiles3, &W::Files3},
      {kCmdExit, &W::Exit},
      {kCmdPrevMonth, &W::PrevMonth},
      {kCmdNextMonth, &W::NextMonth},
      {kCmdPrevYear, &W::PrevYear},
      {kCmdNextYear, &W::NextYear},
      {kCmdThisMonth, &W::ThisMonth},
      {kCmdEnterMonth, &W::ToggleEntryBox},
      {kCmdStandard, &W::ShowStandard},
      {kCmdPrevMonthKey, &W::PrevMonthByKey},
      {kCmdNextMonthKey, &W::NextMonthByKey},
      {kCmdThisMonthKey, &W::ThisMonthByKey},
      {kCmdNextPage, &W::NextPage},
      {kCmdPrevPage, &W::PreviousPage},
      {kCmdRokuyo, &W::ToggleRokuyo},
      {kCmdWindowSize, &W::ToggleWindowSize},
      {kCmdResidentButton, &W::ResidentButton},
      {kCmdPopupEditDay, &W::PopupEditDay},
      {kCmdPopupMonthMemo, &W::PopupMonthMemo},
      {kCmdPopupPeriodStart, &W::PopupPeriodStart},
      {kCmdPopupPeriodEnd, &W::PopupPeriodEnd},
      {kCmdPopupDayCopy, &W::PopupDayCopy},
      {kCmdPopupDayPaste, &W::PopupDayPaste},
      {kCmdPopupSpecialDay, &W::PopupSpecialDay},
      {kCmdPopupExit, &W::Exit},
      {kCmdPopupCancel, &W::PopupCancel},
      {kCmdPopupDeletePeriod, &W::PopupDeletePeriod},
  };
  for (const Command& c : kCommands)
    if (c.id == id) return &c;
  return nullptr;
}

bool MainWindow::CommandAvailable(UINT id) const {
  if (IsRowsCommand(id)) return ModeSelectable(ModeOfRowsCommand(id), WorkArea().Height());
  if (!FindCommand(id)) return false;
  if (IsPopupCommand(id)) return PopupItemEnabled(id);
  switch (id) {
    case kCmdFiles1:
    case kCmdFiles2:
    case kCmdFiles3:
      return dataSetEnabled_[id - kCmdFiles1] && !controller_.folders().networkOn;
    case kCmdResidentButton:
      return closeButtonMode_;
  }
  return true;
}

LRESULT MainWindow::OnCommand(UINT id) {
  if (IsRowsCommand(id)) {
    controller_.ChooseDisplayMode(ModeOfRowsCommand(id));
    return 0;
  }
  if (const Command* c = FindCommand(id); c && CommandAvailable(id)) (this->*c->run)();
  return 0;
}

// The items of the menu on show, as the grid's commands decided them.
bool MainWindow::PopupItemEnabled(UINT id) const {
  if (!editing_) return false;
  if (popupMenu_ == GridMenu::Delete) return id == kCmdPopupCancel || id == kCmdPopupDeletePeriod;
  switch (id) {
    case kCmdPopupEditDay: return popupItems_.editDay;
    case kCmdPopupMonthMemo: return popupItems_.editMonthMemo;
    case kCmdPopupPeriodStart: return popupItems_.periodStart;
    case kCmdPopupPeriodEnd: return popupItems_.periodEnd;
    case kCmdPopupDayCopy: return popupItems_.dayCopy;
    case kCmdPopupDayPaste: return popupItems_.dayPaste;
    case kCmdPopupSpecialDay: return popupItems_.specialDay;
    case kCmdPopupExit: return true;
  }
  return false;
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
  menu_ = BuildMainMenu();
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
  const std::wstring& face = platform::ChooseUiFontFace();
  uiFont_.reset(CreateFontW(kUiFontHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                            CLEARTYPE_QUALITY, 0, face.c_str()));
  boldFont_.reset(CreateFontW(kUiFontHeight, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                              CLEARTYPE_QUALITY, 0, face.c_str()));
}

HWND MainWindow::MakeButton(ButtonSlot slot, UINT id, const char* caption) {
  HWND button = CreateWindowExW(0, L"BUTTON", Widen(caption).c_str(),
                                WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd(),
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
  statusBar_.Create(hwnd(), uiFont_.get(), boldFont_.get());
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
  EnableWindow(MakeButton(kBtnAlarm, kCmdAlarm, "時限"), FALSE);
  EnableWindow(MakeButton(kBtnResident, kCmdResidentButton, "常駐"), FALSE);
  entryBox_.Create(hwnd(), uiFont_.get(), [this] { EntryConfirmed(); }, [this] { HideEntryBox(); });
}

void MainWindow::CreateGrid() {
  grid::SeMCalWindowArgs args{hwnd(), {2, 48, 929, 645}, static_cast<int>(kIdGrid),
                              Today(os_.clock), &os_, this};
  grid_ = grid::CreateSeMCalWindow(args);
  if (grid_) grid::UseSystemWeekdayNames(grid_->grid());
}

void MainWindow::CreateYearPage() {
  yearPage_ = grid::CreateYearPageWindow(
      {hwnd(), 0, 26, static_cast<int>(kIdYearPage), Today(os_.clock), &os_.dialogs, this});
  if (yearPage_) ShowWindow(yearPage_->hwnd(), SW_HIDE);
}

// The day editor window itself is made at its first use.
void MainWindow::CreateEditing() {
  dayEditor_ = std::make_unique<DayEditorWindow>(controller_.settings(), grid_->grid());
  dayEditor_->Prepare(hwnd(), os_, controller_.startup().settingsFile, nullptr);
  editing_ = std::make_unique<GridEditing>(os_, controller_, grid_->grid(), *this, *dayEditor_);
  editing_->specialDays().SetFileCopy(&specialDayFile_);
  editing_->OnSpecialDaysChanged([this] { SpecialDaysChanged(); });
  dayNumberBox_.Create(
      hwnd(), uiFont_.get(),
      [this](const std::string& text) { return editing_->commands().DayNumberEntered(text); },
      [this] {
        if (page_ == Page::Month) SetFocus(grid_->hwnd());
      });
}

// The year page's panel with the page tabs above it and the status bar
// below, 1010 pixels wide.
SIZE MainWindow::YearPageWindowSize() const {
  RECT r{0, 0, kYearPageWindowWidth, 0};
  r.bottom = layout_.pageTabs.height + 2 + grid::kYearPageHeight + 4 + statusBar_.height();
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), TRUE, 0);
  return {kYearPageWindowWidth, r.bottom - r.top};
}

settings::Rect MainWindow::WorkArea() const {
  RECT r{0, 0, 1280, 1024};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right, r.bottom};
}

// The window's width outside the grid: frame and the button column.
WindowFacts MainWindow::MeasureFacts() const {
  WindowFacts f;
  f.workArea = WorkArea();
  RECT r{0, 0, kButtonColumnWidth, 100};
  AdjustWindowRectEx(&r, kFrameStyle, TRUE, 0);
  f.outsideWidth = r.right - r.left;
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
  CreateFonts();
  compact_ = WorkArea().Height() <= kCompactWorkAreaHeight;
  CreateControls();
  CreateGrid();
  if (!grid_) return false;
  if (!compact_) CreateYearPage();
  statusBar_.SetHeight(StatusBarHeight(GetSystemMetrics(SM_CYCAPTION)));
  controller_.SetWindowFacts(MeasureFacts());
  if (!controller_.Create()) return false;
  CreateEditing();
  ApplyCloseButtonMode();
  PlaceWindow();
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
    SetWindowPos(yearPage_->hwnd(), nullptr, 2, l.pageTabs.height + 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ResizeClient(int width, int height, bool centre) {
  RECT r{0, 0, width, height};
  AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)), TRUE, 0);
  const int w = r.right - r.left;
  const int h = r.bottom - r.top;
  RECT now;
  GetWindowRect(hwnd(), &now);
  int x = now.left;
  int y = now.top;
  if (centre) {
    const settings::Rect area = WorkArea();
    x = area.left + (area.Width() - w) / 2;
    y = area.top + (area.Height() - h) / 2;
  }
  SetWindowPos(hwnd(), nullptr, x, y, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::ShowMonthControls(bool show) {
  const int how = show ? SW_SHOW : SW_HIDE;
  ShowWindow(monthTabs_, how);
  ShowWindow(grid_->hwnd(), how);
  for (HWND b : buttons_) ShowWindow(b, how);
  ShowWindow(entryBox_.hwnd(), show && entryShown_ ? SW_SHOW : SW_HIDE);
}

void MainWindow::SelectPage(Page page) {
  if (page == Page::Year && !yearPage_) page = Page::Month;
  if (page == Page::Year) dayNumberBox_.ClearAndHide();
  SendMessageW(pageTabs_, TCM_SETCURSEL, page == Page::Year ? 1 : 0, 0);
  if (page == page_) return;
  page_ = page;
  ResizeForPage(page);
  ShowMonthControls(page == Page::Month);
  if (yearPage_) ShowWindow(yearPage_->hwnd(), page == Page::Year ? SW_SHOW : SW_HIDE);
  if (page == Page::Year) yearPage_->Shown();
  SetFocus(page == Page::Year ? yearPage_->hwnd() : grid_->hwnd());
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
  if (!next) return;
  controller_.SetSizeClass(*next);
  GetWindowRect(hwnd(), &yearBounds_);
  const RECT& b = monthBounds_;
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_NOZORDER);
}

void MainWindow::OnSize() {
  if (!grid_) return;
  MoveControls(layout_);
  UpdateSizeLabel();
}

// ---- ShellView ----------------------------------------------------------------

void MainWindow::ShowSlot(int slot, calendar::DayNumber day) {
  grid::TSeMCal& cal = grid_->grid();
  MonthCycle& cycle = controller_.cycle();
  cal.Set(&grid::SeMCalProps::SkipUpDate, true);
  for (int i = 0; i < kWindowSlots; ++i) {
    const bool inside = slot < kWindowSlots;
    cal.SetMonthRecord(i, inside ? &cycle.slot(i).data
                                 : i == kCurrentMonthSlot ? &cycle.slot(kExtraSlot).data : nullptr);
  }
  cal.SetCurrentMonthIndex(slot < kWindowSlots ? slot : kCurrentMonthSlot);
  cal.SetWindowDays(cycle.windowFirstDay(), cycle.windowLastDay());
  cal.SetPeriodList(&cycle.periods());
  followingGrid_ = true;
  cal.SetJuliusDay(day, false);
  followingGrid_ = false;
  cal.Set(&grid::SeMCalProps::SkipUpDate, false);
  cal.Rebuild();
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

void MainWindow::EnableDataSetCommand(UINT id, HWND button, bool enabled) {
  EnableMenuItem(menu_.bar, id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
  if (button) EnableWindow(button, enabled);
}

void MainWindow::SetDataSetCommands(const std::array<bool, 3>& enabled) {
  dataSetEnabled_ = enabled;
  EnableDataSetCommand(kCmdFiles1, buttons_[kBtnFiles1], CommandAvailable(kCmdFiles1));
  EnableDataSetCommand(kCmdFiles2, buttons_[kBtnFiles2], CommandAvailable(kCmdFiles2));
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
  layout_ = LayOut(m.gridWidth, m.gridHeight, m.LenDayW, statusBar_.height());
  if (page_ == Page::Month) ResizeClient(layout_.clientWidth, layout_.clientHeight, centre);
  MoveControls(layout_);
  cal.RecalcMetrics();
  if (page_ == Page::Month) GetWindowRect(hwnd(), &monthBounds_);
  if (dayEditor_) dayEditor_->KeepInsideWorkArea(hwnd());
}

void MainWindow::SetYearPageStart(int choice, int specialMonth) {
  if (!yearPage_) return;
  yearPage_->page().SetSpHajimariTuki(specialMonth);
  yearPage_->page().SetChoice(static_cast<grid::YearStart>(choice >= 0 && choice <= 2 ? choice : 0));
}

void MainWindow::RefreshYearPage() {
  if (!yearPage_) return;
  for (int tag = 1; tag <= grid::kYearCalendars; ++tag) yearPage_->page().Calendar(tag).Rebuild();
}

void MainWindow::CaptureWindowState(settings::Settings& s) {
  if (!hwnd() || IsIconic(hwnd())) return;
  RECT w = monthBounds_;
  if (page_ == Page::Month) GetWindowRect(hwnd(), &w);
  s.fmC21Left = w.left;
  s.fmC21Top = w.top;
  s.vClientHeight = layout_.clientHeight;
}

void MainWindow::StartFunctionTimer() { SetTimer(hwnd(), kFunctionTimer, kFunctionTimerMs, nullptr); }

void MainWindow::RequestClose() { PostMessageW(hwnd(), WM_CLOSE, 0, 0); }

void MainWindow::EndApplication() {
  ending_ = true;
  PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

// ---- grid and year page events ------------------------------------------------

void MainWindow::OnDayChange(grid::TCustomCalendarEx& sender, int year, int month, int) {
  if (followingGrid_ || &sender != &grid_->grid()) return;
  controller_.cycle().FollowGrid(year, month, grid_->grid().JumpedToNeighbor());
  SetWindowTextW(grid_->hwnd(), Widen(MonthName(year, month)).c_str());
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
  HMENU menu = popup->menu == GridMenu::Delete ? BuildDeleteMenu() : BuildGridMenu(closeButtonMode_);
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

void MainWindow::PrevMonthByKey() {
  if (MonthKeysActive()) MoveMonths(-1);
}

void MainWindow::NextMonthByKey() {
  if (MonthKeysActive()) MoveMonths(1);
}

void MainWindow::ThisMonth() {
  HideEntryBox();
  controller_.cycle().GoToCurrentMonth();
}

void MainWindow::ThisMonthByKey() {
  if (MonthKeysActive()) ThisMonth();
}

// Alt+Right and Alt+Left step between the pages while the year tab is
// there; from the last page they will open the memo window.
void MainWindow::NextPage() {
  if (page_ == Page::Month && yearPage_) SelectPage(Page::Year);
}

void MainWindow::PreviousPage() {
  if (page_ == Page::Year) SelectPage(Page::Month);
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

void MainWindow::ResidentButton() {
  if (closeButtonMode_) Exit();
}

void MainWindow::ToggleRokuyo() { controller_.ToggleRokuyo(); }

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

void MainWindow::UpdateRowsMenu() {
  const int current = controller_.settings().vCalGyou;
  for (const DisplayMode& mode : DisplayModes()) {
    if (!mode.visible) continue;
    const UINT id = RowsCommand(mode.mode);
    EnableMenuItem(menu_.rows, id, MF_BYCOMMAND | (CommandAvailable(id) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu_.rows, id, MF_BYCOMMAND | (mode.mode == current ? MF_CHECKED : MF_UNCHECKED));
  }
}

void MainWindow::UpdateViewMenu() {
  const StartupState& s = controller_.startup();
  const auto& f = controller_.folders().folders;
  const ViewMenuState state = ViewMenuStateOf(
      {os_.fs.Exists(s.programFolder + "ReadMe.txt"), os_.fs.Exists(s.programFolder + "CaSima.dat"),
       os_.fs.Exists(f.commonDataFolder + kRunLogFileName), controller_.settings().cbKidouKiroku,
       controller_.settings().cbEditor});
  auto enable = [&](UINT id, bool rule) {
    EnableMenuItem(menu_.view, id, MF_BYCOMMAND | (rule && CommandAvailable(id) ? MF_ENABLED : MF_GRAYED));
  };
  enable(kCmdReadMe, state.readMe);
  enable(kCmdUsage, state.usage);
  enable(kCmdRunLog, state.runLog);
  enable(kCmdShowOptions, true);
  enable(kCmdRokuyo, true);
  EnableMenuItem(menu_.memo, kCmdMemoWindow, MF_BYCOMMAND | MF_GRAYED);
  CheckMenuItem(menu_.view, kCmdRokuyo,
                MF_BYCOMMAND | (controller_.settings().rbKinenbi ? MF_UNCHECKED : MF_CHECKED));
}

void MainWindow::OnInitMenuPopup(HMENU menu) {
  if (menu == menu_.rows) return UpdateRowsMenu();
  if (menu == menu_.view) return UpdateViewMenu();
  if (menu == menu_.memo) return;
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    if (id == 0 || id == static_cast<UINT>(-1)) continue;
    EnableMenuItem(menu, i, MF_BYPOSITION | (CommandAvailable(id) ? MF_ENABLED : MF_GRAYED));
  }
}

// ---- messages ------------------------------------------------------------------------

bool MainWindow::PreTranslate(MSG& msg) {
  if (!hwnd() || !accelerators_) return false;
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  if (OpensDayNumberBox(msg)) {
    ShowDayNumberBox();
    return true;
  }
  return TranslateAcceleratorW(hwnd(), accelerators_.get(), &msg) != 0;
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
  const RECT box{panel.right + kGap, panel.top, panel.right + kGap + kWidth, panel.bottom};
  dayNumberBox_.Show(box);
}

LRESULT MainWindow::OnNotify(const NMHDR& header) {
  if (header.code != TCN_SELCHANGE) return 0;
  if (header.hwndFrom == monthTabs_) controller_.cycle().SelectTab(CurrentTab(monthTabs_));
  if (header.hwndFrom == pageTabs_) SelectPage(CurrentTab(pageTabs_) == 1 ? Page::Year : Page::Month);
  return 0;
}

void MainWindow::OnTimer(UINT_PTR id) {
  if (id == kFunctionTimer) controller_.OnFunctionTick();
}

// A close from outside (the taskbar, another program) while the day editor
// is open: the editor decides first, so what was typed is never thrown
// away by a window the user did not look at.
bool MainWindow::EditorLetsClose() {
  if (!editing_ || !editing_->openEdit().active()) return true;
  if (dayEditor_->Changed() &&
      !platform::AskYesNo(os_.dialogs, "予定を編集中です。\r\n書き込んでから、楓帳を終了しますか？", true))
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
  if (!EditorLetsClose()) return;
  if (editing_ && editing_->openEdit().active()) {
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    return;
  }
  if (controller_.QueryClose()) DestroyWindow(hwnd());
}

// Nothing may be asked now: the open edit is stored as if confirmed and
// everything is saved as a close saves it.
void MainWindow::OnEndSession() {
  native_.dialogs().SetSilent(true);
  if (editing_) editing_->openEdit().Finish();
  controller_.EndSession();
  EndApplication();
}

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
    case WM_DRAWITEM:
      if (statusBar_.DrawPanel(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return TRUE;
      break;
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
      if (page_ == Page::Month && GetActiveWindow() == hwnd() && !entryShown_)
        SetFocus(dayNumberBox_.shown() ? dayNumberBox_.hwnd() : grid_->hwnd());
      return 0;
    case kShowYourselfMessage:
      ShowYourself();
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
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
      KillTimer(hwnd(), kFunctionTimer);
      PostQuitMessage(0);
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace shell
