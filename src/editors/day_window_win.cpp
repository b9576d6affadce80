#include "editors/day_window_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <richedit.h>

#include <algorithm>
#include <stdexcept>

#include "calendar/julius.h"
#include "editors/bounds_win.h"
#include "editors/day_window_keys.h"
#include "platform/dialog_helpers.h"
#include "platform/dpi_win.h"
#include "platform/fonts_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "support/cp932.h"
#include "support/text.h"

namespace editors {

using platform::Narrow;
using platform::Widen;


namespace {

constexpr wchar_t kClassName[] = L"TfmDay";
constexpr char kShownTitle[] = "楓帳 -Velda-";
constexpr char kBoxCaption[] = "確認 -楓帳-";
// 96-DPI sizes, laid out at the window's DPI.
constexpr int kMargin = 6;
constexpr int kRowHeight = 24;
constexpr int kHeaderHeight = 44;
constexpr int kButtonHeight = 26;
constexpr int kUiFontHeight = 12;
constexpr int kDateFontHeight = 16;
constexpr int kEditorFontHeight = 12;
constexpr int kKiteichiShownAbove = 372;  // "定型" while the window is wider
constexpr int kMinTrackWidth = 260;
constexpr int kMinTrackHeight = 200;
constexpr POINT kFormPlace{200, 150};   // screen pixels

const wchar_t* const kDayParts[] = {L"朝", L"昼", L"夕"};

int NumberOf(HWND edit) { return support::StrToIntDef(platform::WindowTextUtf8(edit), 0); }

void SetNumber(HWND edit, int value) { SetWindowTextW(edit, std::to_wstring(value).c_str()); }

COLORREF ToColorRef(store::Color color) {
  if (store::IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace

struct TfmDay::Controls {
  HWND label1, lblYoubi, imgSaijitu, panel1;
  HWND btnKakikomi, btnCancel, btnKiteichi;
  // Period page: start, end and summary date rows (year, month, day edits
  // and their up-downs), the part-of-day boxes, label, thickness, colour.
  HWND pnlKikan, lblStart, lblEnd, lblSummary, lblText, lblFutosa, lblColor;
  std::array<std::array<HWND, 3>, 3> dateEdits{}, upDowns{};
  std::array<std::array<HWND, 3>, 3> dateUnits{};
  HWND combo1, combo2, seEdit4, edtFutosa, udFutosa, edtColor, btnColor;
  // Special-day page.
  HWND lblKinenbi, edtKinenbi, lblHint8, lblHintDelete, lblYears, edtYear1, lblFrom, edtYear2,
      lblUntil, lblHintWestern, lblHintEvery;
  std::vector<HWND> periodPage, specialPage;
  platform::UniqueFont uiFont, dateFont, stripFont;
  platform::UniqueBrush colorBrush;
  HMENU popup = nullptr, insertMenu = nullptr, colorMenu = nullptr;
  std::wstring fixedFace;
  COLORREF custom[16]{};

  ~Controls() {
    if (popup) DestroyMenu(popup);
  }
};

TfmDay::TfmDay() = default;
TfmDay::~TfmDay() = default;

// ---- Creation ----------------------------------------------------------------

bool TfmDay::Create(const TfmDayArgs& args) {
  try {
    return CreateWindowAndControls(args);
  } catch (const std::exception&) {
    return false;  // no RichEdit, no resources: the caller goes on without an editor
  }
}

bool TfmDay::CreateWindowAndControls(const TfmDayArgs& args) {
  os_ = args.os;
  host_ = args.host ? args.host : &noHost_;
  owner_ = args.owner;
  settingsFile_ = args.settingsFile;
  lines_ = DayLines([this](const std::string& text) { ReportError(text); });
  c_ = std::make_unique<Controls>();
  platform::WindowArgs w;
  w.className = kClassName;
  w.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
  w.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  w.parent = owner_;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  Bounds kept{kFormPlace.x, kFormPlace.y, kFormWidth, kFormHeight};
  if (!settingsFile_.empty() && os_) kept = LoadDayWindowBounds(os_->fs, settingsFile_, kept);
  // The size for the DPI of the monitor the window comes up on.
  const Bounds form = FitIntoWorkArea(BoundsOnScreen(kept, platform::DpiAtPoint({kept.left, kept.top})), WorkAreaBounds());
  w.x = form.left;
  w.y = form.top;
  w.width = form.width;
  w.height = form.height;
  if (!CreateWindowFrom(w)) return false;
  CreateControls();
  Layout();
  return true;
}

HWND TfmDay::AddControl(const wchar_t* cls, const std::wstring& text, DWORD style, int id) {
  return CreateWindowExW(0, cls, text.c_str(), WS_CHILD | style, 0, 0, 10, 10, hwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         platform::ModuleInstance(), nullptr);
}

void TfmDay::MakeFonts() {
  c_->uiFont.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  c_->dateFont.reset(platform::CreateUiFont(kDateFontHeight, Dpi(), true));
  c_->stripFont.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
}

void TfmDay::CreateControls() {
  c_->fixedFace = platform::ChooseFixedFontFace();
  MakeFonts();
  CreateDayPage();
  CreatePeriodPage();
  CreateSpecialDayPage();
  c_->btnKakikomi = AddControl(L"BUTTON", L"書込／閉じる(&W)", WS_VISIBLE | WS_TABSTOP, kBtnKakikomi);
  c_->btnCancel = AddControl(L"BUTTON", L"キャンセル(&Q)", WS_VISIBLE | WS_TABSTOP, kBtnCancel);
  c_->btnKiteichi = AddControl(L"BUTTON", L"定型", WS_TABSTOP, kBtnKiteichi);
  CreateMenus();
  ApplyFonts();
}

void TfmDay::CreateDayPage() {
  c_->panel1 = AddControl(L"STATIC", L"", SS_CENTER | SS_CENTERIMAGE, kPanel1);
  c_->label1 = AddControl(L"STATIC", L"", SS_LEFT | SS_CENTERIMAGE, kLabel1);
  c_->lblYoubi = AddControl(L"STATIC", L"", SS_LEFT | SS_CENTERIMAGE, kLblYoubi);
  c_->imgSaijitu = AddControl(L"STATIC", L"", SS_OWNERDRAW, kImgSaijitu);
  TEditorArgs e;
  e.parent = hwnd();
  e.id = kMemo2;
  e.clipboard = os_ ? &os_->clipboard : nullptr;
  e.events = this;
  e.fontFace = c_->fixedFace;
  e.fontHeight = kEditorFontHeight;
  if (!editor_.Create(e)) throw std::runtime_error("RichEdit (Msftedit.dll) is not available");
  editor_.SetLineColors(true);
}

HWND TfmDay::AddPeriodControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
  HWND h = AddControl(cls, text, style, id);
  c_->periodPage.push_back(h);
  return h;
}

HWND TfmDay::AddPeriodEdit(int id, DWORD style, int limit) {
  HWND h = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_TABSTOP | style, 0, 0, 10,
                           10, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           platform::ModuleInstance(), nullptr);
  if (limit) SendMessageW(h, EM_LIMITTEXT, limit, 0);
  c_->periodPage.push_back(h);
  return h;
}

// Year, month and day edits, each with its up-down and unit.
void TfmDay::CreateDateRow(int row, int firstId) {
  const wchar_t* units[3] = {L"年", L"月", L"日"};
  const int maxima[3] = {9999, 12, 31}, minima[3] = {0, 1, 1};
  for (int f = 0; f < 3; ++f) {
    int id = firstId + 2 * f;
    c_->dateEdits[row][f] = AddPeriodEdit(id, ES_NUMBER | ES_CENTER, f == 0 ? 4 : 2);
    c_->upDowns[row][f] = AddPeriodControl(UPDOWN_CLASSW, L"", UDS_ARROWKEYS, id + 1);
    SendMessageW(c_->upDowns[row][f], UDM_SETRANGE32, minima[f], maxima[f]);
    c_->dateUnits[row][f] = AddPeriodControl(L"STATIC", units[f], SS_LEFT | SS_CENTERIMAGE, -1);
  }
}

void TfmDay::CreatePeriodPage() {
  auto label = [&](const wchar_t* text) {
    return AddPeriodControl(L"STATIC", text, SS_LEFT | SS_CENTERIMAGE, -1);
  };
  c_->pnlKikan = AddPeriodControl(L"STATIC", L"追加", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, kPnlKikan);
  c_->lblStart = label(L"開始日　：");
  c_->lblEnd = label(L"終了日　：");
  c_->lblSummary = label(L"摘要を書込む日 ：");
  CreateDateRow(0, kEdtYear1);
  CreateDateRow(1, kEdtYear2);
  CreateDateRow(2, kEdtYear3);
  DWORD combo = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;  // no typing
  c_->combo1 = AddPeriodControl(L"COMBOBOX", L"", combo, kCombo1);
  c_->combo2 = AddPeriodControl(L"COMBOBOX", L"", combo, kCombo2);
  for (HWND box : {c_->combo1, c_->combo2})
    for (const wchar_t* part : kDayParts)
      SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(part));
  c_->lblText = label(L"摘要　：");
  c_->seEdit4 = AddPeriodEdit(kSeEdit4, ES_AUTOHSCROLL, 0);
  c_->lblFutosa = label(L"線の太さ：");
  c_->edtFutosa = AddPeriodEdit(kEdtFutosa, ES_NUMBER | ES_CENTER, 1);
  c_->udFutosa = AddPeriodControl(UPDOWN_CLASSW, L"", UDS_ARROWKEYS, kUdFutosa);
  SendMessageW(c_->udFutosa, UDM_SETRANGE32, 1, 3);
  c_->lblColor = label(L"線の色　：");
  c_->edtColor = AddPeriodEdit(kEdtColor, ES_READONLY, 0);
  SetWindowLongW(c_->edtColor, GWL_STYLE, GetWindowLongW(c_->edtColor, GWL_STYLE) & ~WS_TABSTOP);
  c_->btnColor = AddPeriodControl(L"BUTTON", L"色の変更", WS_TABSTOP, kBtnColor);
}

void TfmDay::CreateSpecialDayPage() {
  auto add = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD ex = 0) {
    HWND h = CreateWindowExW(ex, cls, text, WS_CHILD | style, 0, 0, 10, 10, hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             platform::ModuleInstance(), nullptr);
    c_->specialPage.push_back(h);
    return h;
  };
  DWORD text = SS_LEFT | SS_CENTERIMAGE;
  c_->lblKinenbi = add(L"STATIC", L"記念日等 ：", text, -1);
  c_->edtKinenbi = add(L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, kEdtKinenbi, WS_EX_CLIENTEDGE);
  c_->lblHint8 = add(L"STATIC", L"※全角８文字くらいまでが適当です", text, -1);
  c_->lblHintDelete = add(L"STATIC", L"※削除は「記念日等」欄を空白にします", text, -1);
  c_->lblYears = add(L"STATIC", L"表示年(どちらか一方、又は両方を省略可)", text, -1);
  c_->edtYear1 = add(L"EDIT", L"", WS_TABSTOP | ES_NUMBER | ES_CENTER, kEdtKinenYear1, WS_EX_CLIENTEDGE);
  c_->lblFrom = add(L"STATIC", L"年から", text, -1);
  c_->edtYear2 = add(L"EDIT", L"", WS_TABSTOP | ES_NUMBER | ES_CENTER, kEdtKinenYear2, WS_EX_CLIENTEDGE);
  c_->lblUntil = add(L"STATIC", L"年まで表示", text, -1);
  c_->lblHintWestern = add(L"STATIC", L"※表示年は西暦で記入してください(省略可)", text, -1);
  c_->lblHintEvery = add(L"STATIC", L"両方を省略すると毎年表示されます", text, -1);
  SendMessageW(c_->edtYear1, EM_LIMITTEXT, 4, 0);
  SendMessageW(c_->edtYear2, EM_LIMITTEXT, 4, 0);
}

void TfmDay::CreateMenus() {
  c_->insertMenu = CreatePopupMenu();
  AppendMenuW(c_->insertMenu, MF_STRING, kPmNow, L"現在時刻\tCtrl+N");
  c_->colorMenu = CreatePopupMenu();
  const wchar_t* colors[] = {L"赤色\tCtrl+R", L"青色\tCtrl+B", L"ピンク\tCtrl+F", L"青緑\tCtrl+G",
                             L"茶色\tCtrl+H", L"色指定\tCtrl+L", L"標準色\tCtrl+O"};
  for (int i = 0; i < 7; ++i) AppendMenuW(c_->colorMenu, MF_STRING, kPmColor1 + i, colors[i]);
  HMENU m = c_->popup = CreatePopupMenu();
  AppendMenuW(m, MF_POPUP, reinterpret_cast<UINT_PTR>(c_->insertMenu), L"挿入(&I)\tCtrl+I");
  AppendMenuW(m, MF_POPUP, reinterpret_cast<UINT_PTR>(c_->colorMenu), L"文字色(&M)\tF9");
  AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(m, MF_STRING, kPmUndo, L"元に戻す(&U)\tCtrl+Z");
  AppendMenuW(m, MF_STRING, kPmRedo, L"やり直し(&R)\tCtrl+Alt+Z");
  AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(m, MF_STRING, kPmCut, L"切り取り(&T)\tCtrl+X");
  AppendMenuW(m, MF_STRING, kPmCopy, L"コピー(&C)\tCtrl+C");
  AppendMenuW(m, MF_STRING, kPmPaste, L"貼り付け(&P)\tCtrl+V");
  AppendMenuW(m, MF_SEPARATOR, 0, nullptr);
  AppendMenuW(m, MF_STRING, kMnSelectAll, L"すべてを選択(&A)\tCtrl+A");
}

void TfmDay::ApplyFonts() {
  auto setFont = [](HWND child, LPARAM font) -> BOOL {
    wchar_t cls[32]{};
    GetClassNameW(child, cls, 32);
    if (lstrcmpiW(cls, MSFTEDIT_CLASS) != 0)  // the editor keeps its fixed-pitch font
      SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
  };
  EnumChildWindows(hwnd(), setFont, reinterpret_cast<LPARAM>(c_->uiFont.get()));
  SendMessageW(c_->label1, WM_SETFONT, reinterpret_cast<WPARAM>(c_->dateFont.get()), TRUE);
  SendMessageW(c_->lblYoubi, WM_SETFONT, reinterpret_cast<WPARAM>(c_->dateFont.get()), TRUE);
  SendMessageW(c_->panel1, WM_SETFONT, reinterpret_cast<WPARAM>(c_->dateFont.get()), TRUE);
}

// ---- Layout ------------------------------------------------------------------

// Places are 96-DPI numbers; each edge is scaled, so neighbours stay
// neighbours at every DPI.
void TfmDay::Place(HWND control, int x, int y, int width, int height) {
  const support::Rect r = platform::ScaleRectToDpi({x, y, x + width, y + height}, Dpi());
  MoveWindow(control, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void TfmDay::Layout() {
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int w = platform::ScaleFromDpi(client.right, Dpi()), h = platform::ScaleFromDpi(client.bottom, Dpi());
  LayoutHeader(w);
  const int top = mode_ == DayEditorMode::Period ? kMargin : kHeaderHeight;
  const support::Rect text = platform::ScaleRectToDpi(
      {kMargin / 2, top, w - kMargin / 2, h - kButtonHeight - 2 * kMargin}, Dpi());
  editor_.Move({text.left, text.top, text.right, text.bottom});
  LayoutPeriodPage();
  LayoutSpecialDayPage();
  LayoutButtons(w, h);
}

void TfmDay::LayoutHeader(int width) {
  Place(c_->panel1, 0, 0, width, kHeaderHeight - 4);
  Place(c_->label1, kMargin, 2, 104, 22);
  Place(c_->lblYoubi, kMargin + 108, 2, 120, 22);
  Place(c_->imgSaijitu, kMargin, 25, width - 2 * kMargin, 15);
}

void TfmDay::LayoutPeriodPage() {
  const int x0 = kMargin + 2, labelW = 112, y0 = kMargin + 32;
  Place(c_->pnlKikan, x0, kMargin, 60, 22);
  HWND labels[3] = {c_->lblStart, c_->lblEnd, c_->lblSummary};
  const int widths[3] = {44, 28, 28};
  for (int row = 0; row < 3; ++row) {
    int y = y0 + row * (kRowHeight + 4);
    Place(labels[row], x0, y, labelW, kRowHeight);
    int x = x0 + labelW;
    for (int f = 0; f < 3; ++f) {
      Place(c_->dateEdits[row][f], x, y, widths[f], kRowHeight - 2);
      Place(c_->upDowns[row][f], x + widths[f], y, 16, kRowHeight - 2);
      Place(c_->dateUnits[row][f], x + widths[f] + 18, y, 16, kRowHeight);
      x += widths[f] + 38;
    }
    if (row < 2) Place(row == 0 ? c_->combo1 : c_->combo2, x + 4, y, 52, 120);
  }
  int y = y0 + 3 * (kRowHeight + 4);
  Place(c_->lblText, x0, y, labelW, kRowHeight);
  Place(c_->seEdit4, x0 + labelW, y, 250, kRowHeight - 2);
  y += kRowHeight + 4;
  Place(c_->lblFutosa, x0, y, labelW, kRowHeight);
  Place(c_->edtFutosa, x0 + labelW, y, 28, kRowHeight - 2);
  Place(c_->udFutosa, x0 + labelW + 28, y, 16, kRowHeight - 2);
  y += kRowHeight + 4;
  Place(c_->lblColor, x0, y, labelW, kRowHeight);
  Place(c_->edtColor, x0 + labelW, y, 60, kRowHeight - 2);
  Place(c_->btnColor, x0 + labelW + 68, y - 1, 80, kRowHeight);
}

void TfmDay::LayoutSpecialDayPage() {
  const int x0 = kMargin + 4, y0 = kHeaderHeight + 4;
  Place(c_->lblKinenbi, x0, y0, 80, kRowHeight);
  Place(c_->edtKinenbi, x0 + 80, y0, 180, kRowHeight - 2);
  Place(c_->lblHint8, x0 + 12, y0 + 26, 260, 18);
  Place(c_->lblHintDelete, x0 + 12, y0 + 44, 260, 18);
  Place(c_->lblYears, x0, y0 + 70, 270, 18);
  int y = y0 + 90;
  Place(c_->edtYear1, x0 + 12, y, 48, kRowHeight - 2);
  Place(c_->lblFrom, x0 + 64, y, 44, kRowHeight);
  Place(c_->edtYear2, x0 + 110, y, 48, kRowHeight - 2);
  Place(c_->lblUntil, x0 + 162, y, 80, kRowHeight);
  Place(c_->lblHintWestern, x0 + 12, y + 28, 270, 18);
  Place(c_->lblHintEvery, x0 + 12, y + 46, 270, 18);
}

void TfmDay::LayoutButtons(int width, int height) {
  int y = height - kButtonHeight - kMargin;
  Place(c_->btnKakikomi, kMargin, y, 124, kButtonHeight);
  Place(c_->btnCancel, kMargin + 130, y, 100, kButtonHeight);
  Place(c_->btnKiteichi, width - kMargin - 56, y, 56, kButtonHeight);
  // "定型" only while the window is wider than the standard day size.
  ShowWindow(c_->btnKiteichi, BoundsOf(hwnd()).width > Scale(kKiteichiShownAbove) ? SW_SHOW : SW_HIDE);
}

// New fonts for the controls (the editor's is in points and stays), the
// old ones kept until the controls let go of them; then a new layout.
void TfmDay::OnDpiChanged(int) {
  if (!c_) return;
  const platform::UniqueFont oldUi = std::move(c_->uiFont), oldDate = std::move(c_->dateFont),
                             oldStrip = std::move(c_->stripFont);
  MakeFonts();
  ApplyFonts();
  Layout();
}

SIZE TfmDay::StandardSize() const { return {Scale(kStandardWidth), Scale(kStandardHeight)}; }

// ---- Edits -------------------------------------------------------------------

DayResult TfmDay::EditDay(const DayRequest& request, const DayEditorSettings& settings) {
  monthMemo_ = false;
  names_ = request.names;
  Prepare(DayEditorMode::Day, settings);
  SetHeader(request.year, request.month, request.day);
  editor_.SetLines(lines_.Load(request.entries));
  editor_.SetModified(request.unwritten);
  RunModal();
  return DayResultNow();
}

DayResult TfmDay::DayResultNow() const {
  DayResult result{writeBack_, cancelled_, clearSelectedPeriod_, {}};
  if (writeBack_) result.entries = lines_.Entries(editor_.Lines());
  return result;
}

PeriodResult TfmDay::PeriodResultNow() const {
  return {writeBack_, cancelled_, clearSelectedPeriod_, ReadPeriodPage()};
}

SpecialDayResult TfmDay::SpecialDayResultNow() const { return {writeBack_, ReadSpecialDayPage()}; }

bool TfmDay::Changed() const {
  switch (mode_) {
    case DayEditorMode::Day: return editor_.Modified();
    case DayEditorMode::Period: return !(ReadPeriodPage() == periodAtOpen_);
    case DayEditorMode::SpecialDay: return !(ReadSpecialDayPage() == specialAtOpen_);
  }
  return false;
}

void TfmDay::FinishNow() {
  if (!showing_ || closed_) return;
  cancelled_ = !Changed();
  CloseQuery();
}

DayResult TfmDay::EditMonthMemo(const MonthMemoRequest& request, const DayEditorSettings& settings) {
  monthMemo_ = true;
  names_.clear();
  Prepare(DayEditorMode::Day, settings);
  SetMonthMemoHeader(request.year, request.month);
  editor_.SetLines(lines_.Load(request.entries));
  editor_.SetModified(request.unwritten);
  RunModal();
  monthMemo_ = false;
  return DayResultNow();
}

PeriodResult TfmDay::EditPeriod(const PeriodPage& page, const DayEditorSettings& settings) {
  GetWindowRect(hwnd(), &daySize_);
  Prepare(DayEditorMode::Period, settings);
  // Hidden here: a size change must not activate it (the owner would lose
  // the keyboard).
  const UINT sizeOnly = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
  SetWindowPos(hwnd(), nullptr, 0, 0, StandardSize().cx, StandardSize().cy, sizeOnly);
  FillPeriodPage(page);
  periodAtOpen_ = ReadPeriodPage();
  RunModal();
  PeriodResult result = PeriodResultNow();
  SetWindowPos(hwnd(), nullptr, 0, 0, daySize_.right - daySize_.left, daySize_.bottom - daySize_.top,
               sizeOnly);
  mode_ = DayEditorMode::Day;
  return result;
}

SpecialDayResult TfmDay::EditSpecialDay(int year, int month, int day, const SpecialDayPage& page,
                                        const DayEditorSettings& settings) {
  names_.clear();
  Prepare(DayEditorMode::SpecialDay, settings);
  SetHeader(year, month, day);
  specialAtOpen_ = page;
  SetWindowTextW(c_->edtKinenbi, Widen(page.name).c_str());
  SetWindowTextW(c_->edtYear1, Widen(page.fromYear).c_str());
  SetWindowTextW(c_->edtYear2, Widen(page.toYear).c_str());
  RunModal();
  return SpecialDayResultNow();
}

void TfmDay::Prepare(DayEditorMode mode, const DayEditorSettings& settings) {
  mode_ = mode;
  settings_ = settings;
  writeBack_ = cancelled_ = clearSelectedPeriod_ = false;
  editor_.SetTabWidth(settings.tabWidth);
  editor_.SetImeOpenOnFocus(settings.japaneseInput);
}

void TfmDay::SetHeader(int year, int month, int day) {
  SetWindowTextW(c_->label1, Widen(DateLabel(year, month, day)).c_str());
  weekday_ = 0;
  try {
    weekday_ = calendar::JuliusDayOfWeek(calendar::DateToJulius(year, month, day));
  } catch (const std::exception&) {
  }
  SetWindowTextW(c_->lblYoubi, weekday_ ? Widen(WeekdayLabel(weekday_)).c_str() : L"");
  SetWindowTextW(c_->panel1, L"");
}

void TfmDay::SetMonthMemoHeader(int year, int month) {
  SetWindowTextW(c_->panel1, Widen(MonthMemoCaption(year, month)).c_str());
}

void TfmDay::ShowPage() {
  bool day = mode_ == DayEditorMode::Day, period = mode_ == DayEditorMode::Period,
       special = mode_ == DayEditorMode::SpecialDay;
  bool header = !period;
  ShowWindow(c_->panel1, header ? SW_SHOW : SW_HIDE);
  for (HWND h : {c_->label1, c_->lblYoubi, c_->imgSaijitu})
    ShowWindow(h, header && !monthMemo_ ? SW_SHOW : SW_HIDE);
  editor_.Show(day);
  for (HWND h : c_->periodPage) ShowWindow(h, period ? SW_SHOW : SW_HIDE);
  for (HWND h : c_->specialPage) ShowWindow(h, special ? SW_SHOW : SW_HIDE);
  Layout();
  if (day) PrepareDayPage();
  if (period) SetFocus(c_->seEdit4);
  if (special) SetFocus(c_->edtKinenbi);
}

// Scroll bars only where the lines need them: more lines than rows in
// view, a line wider than the columns in view (CP932 bytes are columns of
// the fixed-pitch font). True when the lines do not all fit.
bool TfmDay::FitScrollBars() {
  std::vector<std::string> lines = editor_.Lines();
  size_t longest = 0;
  for (const auto& line : lines) longest = std::max(longest, support::Cp932Length(line));
  bool vertical = static_cast<int>(lines.size()) > editor_.VisibleRows();
  bool horizontal = static_cast<int>(longest) > editor_.VisibleColumns();
  editor_.SetScrollBars(vertical && horizontal ? ScrollBars::Both
                        : vertical             ? ScrollBars::Vertical
                        : horizontal           ? ScrollBars::Horizontal
                                               : ScrollBars::None);
  return vertical;
}

// The caret at the end of the last line, or of the last row in view when
// the lines do not all fit.
void TfmDay::PrepareDayPage() {
  editor_.SetScrollBars(ScrollBars::None);
  editor_.Focus();
  bool overflow = FitScrollBars();
  int last = overflow ? editor_.VisibleRows() - 1 : editor_.LineCount() - 1;
  editor_.SetFirstVisibleRow(0);
  editor_.SetCaret({last, 1 << 30});
}

void TfmDay::RunModal() {
  SetWindowTextW(hwnd(), Widen(kShownTitle).c_str());
  closed_ = false;
  showing_ = true;
  platform::ModalOwner owner(owner_);
  ShowWindow(hwnd(), SW_SHOW);
  ShowPage();
  SetForegroundWindow(hwnd());
  host_->EditorShown();
  PumpUntilClosed();
  owner.Return(hwnd());
  showing_ = false;
  host_->EditorHidden();
  SetWindowTextW(hwnd(), L"");
}

// The editor keeps every key of its own; elsewhere the window's keys,
// then the dialog navigation.
void TfmDay::PumpUntilClosed() {
  platform::RunModalLoop(hwnd(), [this] { return closed_; }, [this](const MSG& msg) {
    if (GetFocus() == editor_.hwnd()) return platform::ModalRoute::Dispatch;
    return PreTranslateKey(msg) ? platform::ModalRoute::Taken : platform::ModalRoute::Navigate;
  });
}

// Ctrl+Enter and Esc outside the editor (the editor hands its keys over
// itself); Tab and the rest go on to the dialog navigation.
bool TfmDay::PreTranslateKey(const MSG& msg) {
  bool ours = msg.hwnd == hwnd() || IsChild(hwnd(), msg.hwnd);
  if (msg.message != WM_KEYDOWN || !ours) return false;
  KeyStroke k{static_cast<unsigned>(msg.wParam), GetKeyState(VK_CONTROL) < 0,
              GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_MENU) < 0, false, monthMemo_};
  return RunKeyCommand(DecideKey(k));
}

// ---- Period and special-day pages --------------------------------------------

void TfmDay::FillPeriodPage(const PeriodPage& page) {
  SetWindowTextW(c_->pnlKikan, page.isNew ? L"追加" : L"修正");
  const store::PeriodDate* dates[3] = {&page.start, &page.end, &page.summary};
  for (int row = 0; row < 3; ++row) {
    SetNumber(c_->dateEdits[row][0], dates[row]->year);
    SetNumber(c_->dateEdits[row][1], dates[row]->month);
    SetNumber(c_->dateEdits[row][2], dates[row]->day);
  }
  SendMessageW(c_->combo1, CB_SETCURSEL, static_cast<int>(page.startPart) - 1, 0);
  SendMessageW(c_->combo2, CB_SETCURSEL, static_cast<int>(page.endPart) - 1, 0);
  SetWindowTextW(c_->seEdit4, Widen(page.text).c_str());
  SetNumber(c_->edtFutosa, std::clamp(page.thickness, 1, 3));
  periodColor_ = page.color;
  c_->colorBrush.reset(CreateSolidBrush(ToColorRef(periodColor_)));
  InvalidateRect(c_->edtColor, nullptr, TRUE);
}

PeriodPage TfmDay::ReadPeriodPage() const {
  PeriodPage page;
  page.isNew = platform::WindowText(c_->pnlKikan) == L"追加";
  store::PeriodDate* dates[3] = {&page.start, &page.end, &page.summary};
  for (int row = 0; row < 3; ++row)
    *dates[row] = {NumberOf(c_->dateEdits[row][0]), NumberOf(c_->dateEdits[row][1]),
                   NumberOf(c_->dateEdits[row][2])};
  auto part = [](HWND box, store::DayPart fallback) {
    LRESULT i = SendMessageW(box, CB_GETCURSEL, 0, 0);
    return i >= 0 && i < 3 ? static_cast<store::DayPart>(i + 1) : fallback;
  };
  page.startPart = part(c_->combo1, store::DayPart::Morning);
  page.endPart = part(c_->combo2, store::DayPart::Evening);
  page.text = platform::WindowTextUtf8(c_->seEdit4);
  page.thickness = std::clamp(NumberOf(c_->edtFutosa), 1, 3);
  page.color = periodColor_;
  return page;
}

SpecialDayPage TfmDay::ReadSpecialDayPage() const {
  return {platform::WindowTextUtf8(c_->edtKinenbi), platform::WindowTextUtf8(c_->edtYear1), platform::WindowTextUtf8(c_->edtYear2)};
}

// The day and month up-downs wrap and carry; the year and thickness stop
// at their ends.
void TfmDay::StepUpDown(int upDownId, int delta) {
  if (upDownId == kUdFutosa) {
    SetNumber(c_->edtFutosa, std::clamp(NumberOf(c_->edtFutosa) + delta, 1, 3));
    return;
  }
  for (int row = 0; row < 3; ++row)
    for (int f = 0; f < 3; ++f) {
      if (GetDlgCtrlID(c_->upDowns[row][f]) != upDownId) continue;
      auto& e = c_->dateEdits[row];
      store::PeriodDate d{NumberOf(e[0]), NumberOf(e[1]), NumberOf(e[2])};
      d = StepDate(d, static_cast<DateField>(f), delta);
      SetNumber(e[0], d.year);
      SetNumber(e[1], d.month);
      SetNumber(e[2], d.day);
    }
}

// ---- Commands ----------------------------------------------------------------

void TfmDay::OnCommand(int id, int code, HWND from) {
  if (code == EN_SETFOCUS && (id == kSeEdit4 || id == kEdtKinenbi)) return OpenIme(from);
  if (code != BN_CLICKED && code != 0 && code != 1) return;
  switch (id) {
    case kBtnKakikomi: return WriteAndClose();
    case kBtnCancel: return CancelAndClose();
    case kBtnKiteichi:
      SetWindowPos(hwnd(), nullptr, 0, 0, StandardSize().cx, StandardSize().cy, SWP_NOMOVE | SWP_NOZORDER);
      return;
    case kBtnColor:
      if (auto color = PickColor(periodColor_)) {
        periodColor_ = *color;
        c_->colorBrush.reset(CreateSolidBrush(ToColorRef(periodColor_)));
        InvalidateRect(c_->edtColor, nullptr, TRUE);
      }
      return;
    case kPmNow: return InsertNow();
    case kPmUndo: return editor_.Undo();
    case kPmRedo: return editor_.Redo();
    case kPmCut: return editor_.Cut();
    case kPmCopy: return editor_.Copy();
    case kPmPaste: return editor_.Paste();
    case kMnSelectAll: return editor_.SelectAll();
  }
  if (id >= kPmColor1 && id <= kPmColorStd)
    ApplyColorCommand(kColorCommands[id - kPmColor1]);
}

bool TfmDay::RunKeyCommand(KeyCommand command) {
  if (auto color = ColorOfKeyCommand(command)) {
    ApplyColorCommand(*color);
    return true;
  }
  switch (command) {
    case KeyCommand::None: return false;
    case KeyCommand::Swallow: return true;
    case KeyCommand::WriteClose: WriteAndClose(); return true;
    case KeyCommand::AskCancel: AskCancel(); return true;
    case KeyCommand::CopyCollapse:
      editor_.Copy();
      editor_.CollapseSelection();
      return true;
    case KeyCommand::Copy: editor_.Copy(); return true;
    case KeyCommand::Cut: editor_.Cut(); return true;
    case KeyCommand::Paste: editor_.Paste(); return true;
    case KeyCommand::SelectAll: editor_.SelectAll(); return true;
    case KeyCommand::Undo: editor_.Undo(); return true;
    case KeyCommand::Redo: editor_.Redo(); return true;
    case KeyCommand::InsertNow: InsertNow(); return true;
    case KeyCommand::ShowInsertMenu: ShowSubmenuAtCaret(c_->insertMenu); return true;
    case KeyCommand::ShowColorMenu: ShowSubmenuAtCaret(c_->colorMenu); return true;
    default: return false;
  }
}

// The summary day moves only once the period is accepted.
void TfmDay::WriteAndClose() {
  if (RefusesToWrite()) return;
  if (mode_ == DayEditorMode::Period) {
    const PeriodPage page = PeriodToWrite();
    SetNumber(c_->dateEdits[2][0], page.summary.year);
    SetNumber(c_->dateEdits[2][1], page.summary.month);
    SetNumber(c_->dateEdits[2][2], page.summary.day);
  }
  CloseQuery();
}

PeriodPage TfmDay::PeriodToWrite() const {
  PeriodPage page = ReadPeriodPage();
  CorrectSummaryDate(page);
  return page;
}

std::string TfmDay::TextToWrite() const {
  switch (mode_) {
    case DayEditorMode::Day: return editor_.Modified() ? support::JoinLines(editor_.Lines(), "\n") : "";
    case DayEditorMode::Period: return ReadPeriodPage().text;
    case DayEditorMode::SpecialDay: return ReadSpecialDayPage().name;
  }
  return "";
}

// Checked here, where the user can still change the text: a period that
// ends before it starts, characters Shift-JIS cannot hold.
bool TfmDay::RefusesToWrite() {
  if (!os_) return false;
  HWND focus = GetFocus();
  bool refused = false;
  if (mode_ == DayEditorMode::Period && !store::ConfirmPeriodDates(os_->dialogs, PeriodItemOf(PeriodToWrite(), "")))
    refused = true;
  const auto unencodable = support::Cp932Unencodable(TextToWrite());
  if (!refused && !unencodable.empty()) {
    platform::Inform(os_->dialogs, support::UnencodableNotice(unencodable));
    refused = true;
  }
  if (refused && focus) SetFocus(focus);
  return refused;
}

// "No" leaves everything as it was: the window in front, the text and
// the caret where they were.
void TfmDay::AskCancel() {
  if (!os_) return CancelAndClose();
  HWND focus = GetFocus();
  if (platform::AskYesNoCaption(os_->dialogs, "キャンセルしますか？", kBoxCaption, false)) {
    CancelAndClose();
    return;
  }
  SetForegroundWindow(hwnd());
  if (focus) SetFocus(focus);
}

void TfmDay::CancelAndClose() {
  cancelled_ = true;
  CloseQuery();
}

void TfmDay::CloseQuery() {
  try {
    CloseState state{mode_, cancelled_, editor_.Modified(),
                     !(ReadSpecialDayPage() == specialAtOpen_)};
    CloseDecision d = DecideClose(state);
    writeBack_ = d.writeBack;
    clearSelectedPeriod_ = d.clearSelectedPeriod;
    Bounds here = BoundsOf(hwnd());
    if (mode_ == DayEditorMode::Period) {  // the day editor's own size is kept
      here.width = daySize_.right - daySize_.left;
      here.height = daySize_.bottom - daySize_.top;
    }
    if (os_ && !settingsFile_.empty()) SaveDayWindowBounds(os_->fs, settingsFile_, BoundsToKeep(here, Dpi()));
  } catch (const std::exception&) {
    ReportError("予定編集フォームエラー");
  }
  closed_ = true;
}

void TfmDay::ApplyColorCommand(ColorCommand command) {
  if (mode_ != DayEditorMode::Day || monthMemo_) return;
  store::Color color = CommandColor(command);
  if (command == ColorCommand::Dialog) {
    auto picked = PickColor(lines_.LineColor(editor_.Caret().row));
    if (!picked) return;
    color = *picked;
  }
  EditorSelection selection = CurrentSelection();
  std::any before = SaveUndoState();
  lines_.ApplyColor(command, color, selection);
  if (selection.exists) editor_.CollapseSelection();
  editor_.RecordOwnerStep(before);
}

void TfmDay::InsertNow() {
  if (!os_) return;
  platform::DateTime now = os_->clock.Now();
  editor_.InsertText(TimeStamp(now.hour, now.minute));
}

EditorSelection TfmDay::CurrentSelection() const {
  EditorSelectionRange s = const_cast<TEditor&>(editor_).GetSelection();
  return {s.length > 0, s.start.row, s.end.row, s.end.column, editor_.Caret().row};
}

void TfmDay::ShowSubmenuAtCaret(HMENU menu) {
  POINT at{};
  GetCaretPos(&at);
  ClientToScreen(editor_.hwnd(), &at);
  OnInitMenuPopup(menu);
  TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN, at.x, at.y + 14, 0, hwnd(), nullptr);
}

void TfmDay::OnInitMenuPopup(HMENU menu) {
  auto enable = [](HMENU m, UINT item, bool on, bool byPosition = false) {
    EnableMenuItem(m, item, (byPosition ? MF_BYPOSITION : MF_BYCOMMAND) | (on ? MF_ENABLED : MF_GRAYED));
  };
  if (menu == c_->popup) {
    enable(menu, 1, !monthMemo_, true);  // "文字色(&M)"
    enable(menu, kPmUndo, editor_.CanUndo());
    enable(menu, kPmRedo, editor_.CanRedo());
    enable(menu, kPmCut, editor_.HasSelection());
    enable(menu, kPmCopy, editor_.HasSelection());
    enable(menu, kPmPaste, IsClipboardFormatAvailable(CF_UNICODETEXT) ||
                               IsClipboardFormatAvailable(CF_TEXT));
  }
  if (menu == c_->colorMenu) {
    auto checked = lines_.CheckedColor(CurrentSelection());
    for (int i = 0; i < 7; ++i) {
      bool on = checked && *checked == kColorCommands[i];
      CheckMenuItem(menu, kPmColor1 + i, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
    }
  }
}

std::optional<store::Color> TfmDay::PickColor(store::Color initial) {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = hwnd();
  cc.rgbResult = ToColorRef(initial);
  cc.lpCustColors = c_->custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return static_cast<store::Color>(cc.rgbResult);
}

void TfmDay::OpenIme(HWND edit) {
  if (!settings_.japaneseInput) return;
  if (HIMC context = ImmGetContext(edit)) {
    ImmSetOpenStatus(context, TRUE);
    ImmReleaseContext(edit, context);
  }
}

void TfmDay::ReportError(const std::string& text) {
  if (os_) platform::Inform(os_->dialogs, text);
}

// ---- Editor events -----------------------------------------------------------

void TfmDay::OnChange(const std::string& before, const TextChange& change) {
  if (mode_ != DayEditorMode::Day) return;
  try {
    lines_.Follow(before, change);
  } catch (const std::exception&) {
    ReportError("行数変更エラー");
  }
  if (auto message = ConsistencyMessage(editor_.LineCount(), lines_.Attrs())) ReportError(*message);
  FitScrollBars();
}

bool TfmDay::OnKeyDown(unsigned key, bool ctrl, bool shift, bool alt) {
  return RunKeyCommand(DecideKey({key, ctrl, shift, alt, true, monthMemo_}));
}

void TfmDay::OnContextMenu(int x, int y) {
  TrackPopupMenu(c_->popup, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, hwnd(), nullptr);
}

std::optional<store::Color> TfmDay::LineColor(int row) { return lines_.LineColor(row); }

std::any TfmDay::SaveUndoState() { return lines_.Attrs().Items(); }

void TfmDay::RestoreUndoState(const std::any& state) {
  if (auto* attrs = std::any_cast<std::vector<LineAttr>>(&state)) lines_.Attrs().Assign(*attrs);
}

// ---- Painting ----------------------------------------------------------------

LRESULT TfmDay::OnCtlColor(HDC dc, HWND control) {
  if (control == c_->edtColor && c_->colorBrush) {
    SetBkColor(dc, ToColorRef(periodColor_));
    return reinterpret_cast<LRESULT>(c_->colorBrush.get());
  }
  SetBkMode(dc, TRANSPARENT);
  if (control == c_->lblYoubi) {
    WeekdayTone tone = ToneOfWeekday(weekday_);
    SetTextColor(dc, tone == WeekdayTone::Sunday     ? RGB(255, 0, 0)
                     : tone == WeekdayTone::Saturday ? RGB(0, 0, 255)
                                                     : GetSysColor(COLOR_WINDOWTEXT));
  }
  return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

// The holiday and special-day names, centred, each in its colour.
void TfmDay::DrawNames(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
  platform::SelectGuard font(dc, c_->stripFont.get());
  SetBkMode(dc, TRANSPARENT);
  std::vector<NamePiece> pieces = NameStripPieces(names_);
  std::vector<std::wstring> texts;
  int total = 0;
  for (const auto& p : pieces) {
    texts.push_back(Widen(p.text));
    SIZE s{};
    GetTextExtentPoint32W(dc, texts.back().c_str(), static_cast<int>(texts.back().size()), &s);
    total += s.cx;
  }
  SIZE blank{};
  GetTextExtentPoint32W(dc, L" ", 1, &blank);
  int x = item.rcItem.left + NameStripStart(item.rcItem.right - item.rcItem.left, total, blank.cx);
  for (size_t i = 0; i < pieces.size(); ++i) {
    SetTextColor(dc, ToColorRef(pieces[i].special ? settings_.specialDayColor : settings_.holidayColor));
    TextOutW(dc, x, item.rcItem.top, texts[i].c_str(), static_cast<int>(texts[i].size()));
    SIZE s{};
    GetTextExtentPoint32W(dc, texts[i].c_str(), static_cast<int>(texts[i].size()), &s);
    x += s.cx;
  }
}

LRESULT TfmDay::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (editor_.HandleParentMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      if (header->code == UDN_DELTAPOS) {
        StepUpDown(static_cast<int>(header->idFrom), reinterpret_cast<NMUPDOWN*>(lParam)->iDelta);
        return TRUE;  // the edits hold the value, not the up-down
      }
      break;
    }
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_CTLCOLORSTATIC: return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DRAWITEM: {
      auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
      if (item->CtlID == kImgSaijitu) DrawNames(*item);
      return TRUE;
    }
    case WM_SIZE: if (c_) Layout(); return 0;
    case WM_GETMINMAXINFO: {
      auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
      info->ptMinTrackSize = {Scale(kMinTrackWidth), Scale(kMinTrackHeight)};
      return 0;
    }
    case WM_CLOSE:  // the title bar's button writes like "書込／閉じる"
      if (!closed_) WriteAndClose();
      return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace editors
