#include "editors/alarm_window_win.h"

#include <commctrl.h>

#include <array>

#include "editors/clock_face_win.h"
#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "support/text.h"

namespace editors {

using platform::Narrow;
using platform::Widen;

namespace {

constexpr wchar_t kClassName[] = L"TfmNichiji";
constexpr wchar_t kFormCaption[] = L"日付と時刻のプロパティ";
constexpr wchar_t kShownTitle[] = L"楓帳 -Velda-";
constexpr UINT_PTR kTimer1 = 1;       // the page's 800 ms tick
constexpr UINT_PTR kClockTimer = 2;   // Clock2 follows the current time
constexpr UINT kTimer1Ms = 800;
constexpr UINT kClockMs = 500;
constexpr COLORREF kGreyedTime = RGB(0x80, 0x80, 0x80);

// 96-DPI places of the page, the left panel's from its left edge, the
// right panel's from the right edge of the client area.
constexpr int kTop = 34;
constexpr int kTabStripHeight = 22;
constexpr int kClockSize = 136;
constexpr int kTimeRowTop = kTop + kClockSize + 14;
constexpr int kBoxRowTop = kTimeRowTop + 40;
constexpr int kRightMargin = 10;
constexpr POINT kFormPlace{120, 100};  // screen pixels
constexpr int kUiFontHeight = 12;
constexpr int kTimeFontHeight = 16;
constexpr int kSadouFontHeight = 14;

void Show(HWND window, bool visible) { ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE); }

TimeField FieldOfControl(int id) {
  return id == TfmNichiji::kEdtHour || id == TfmNichiji::kUdHour   ? TimeField::Hour
         : id == TfmNichiji::kEdtMin || id == TfmNichiji::kUdMin   ? TimeField::Minute
                                                                    : TimeField::Second;
}

}  // namespace

struct TfmNichiji::Controls {
  HWND tabs, pageFrame, gb2Tach, btnImaSet, cbTimerBf, lblBf, btnTimerOnOff, btnClose;
  HWND lblSadou, lblCDown, lblShuuryou;
  std::array<HWND, 3> edits{}, upDowns{}, colons{};
  std::array<HWND, 24> hourButtons{};
  std::array<HWND, 12> minuteButtons{};
  ClockFace clock2, ckTimer;
  platform::UniqueFont uiFont, bigFont, sadouFont;
  platform::UniqueBrush greyBrush;
};

TfmNichiji::TfmNichiji() = default;
TfmNichiji::~TfmNichiji() {
  if (hwnd()) DestroyWindow(hwnd());
}

platform::DateTime TfmNichiji::Now() const { return os_->clock.Now(); }

// ---- creation ------------------------------------------------------------------

bool TfmNichiji::Create(const TfmNichijiArgs& args) {
  os_ = args.os;
  owner_ = args.owner;
  page_ = std::make_unique<AlarmPage>(os_->dialogs);
  c_ = std::make_unique<Controls>();
  platform::WindowArgs w;
  w.className = kClassName;
  w.title = kFormCaption;
  // Without WS_CLIPCHILDREN: the form's own background shows inside the
  // group box, which paints only its frame.
  w.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  w.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  w.parent = owner_;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  const SIZE outer = platform::OuterSizeForClient(kClientWidth, kClientHeight, w.style, w.exStyle,
                                                  platform::DpiAtPoint(kFormPlace));
  w.x = kFormPlace.x;
  w.y = kFormPlace.y;
  w.width = outer.cx;
  w.height = outer.cy;
  if (!CreateWindowFrom(w)) return false;
  CreateControls();
  PlaceControls();
  return true;
}

HWND TfmNichiji::Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD exStyle) {
  return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         platform::ModuleInstance(), nullptr);
}

void TfmNichiji::CreateControls() {
  // Only the strip of the tab control shows; the page below it is the
  // form's own, in the form's colour, framed.
  c_->tabs = Add(WC_TABCONTROLW, L"", WS_CLIPSIBLINGS, kPageTabs);
  c_->pageFrame = Add(L"STATIC", L"", SS_ETCHEDFRAME, kPageFrame);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<wchar_t*>(L"タイマー");
  TabCtrl_InsertItem(c_->tabs, 0, &item);
  c_->clock2.Create(hwnd(), kClock2, RGB(255, 255, 255));
  c_->ckTimer.Create(hwnd(), kCkTimer, RGB(255, 250, 220));
  CreateTimePanel();
  CreateTwoTouchGroup();
  CreateRightPanel();
  c_->greyBrush.reset(CreateSolidBrush(GetSysColor(COLOR_BTNFACE)));
  // The page's frame lies beneath the controls placed on it.
  SetWindowPos(c_->pageFrame, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  MakeFonts();
  ApplyFonts();
}

void TfmNichiji::CreateTimePanel() {
  const int edits[3] = {kEdtHour, kEdtMin, kEdtSec};
  const int maxima[3] = {23, 59, 59};
  for (int f = 0; f < 3; ++f) {
    c_->edits[f] = Add(L"EDIT", L"", WS_TABSTOP | ES_NUMBER | ES_CENTER, edits[f], WS_EX_CLIENTEDGE);
    SendMessageW(c_->edits[f], EM_LIMITTEXT, 2, 0);
    c_->upDowns[f] = Add(UPDOWN_CLASSW, L"", UDS_ARROWKEYS, edits[f] + 1);
    SendMessageW(c_->upDowns[f], UDM_SETRANGE32, 0, maxima[f]);
    c_->colons[f] = Add(L"STATIC", f < 2 ? L":" : L"", SS_CENTER | SS_CENTERIMAGE, kTimeColons);
  }
  c_->cbTimerBf = Add(L"COMBOBOX", L"", WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, kCbTimerBf);
  for (int n = 0; n <= 9; ++n)
    SendMessageW(c_->cbTimerBf, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(std::to_wstring(n).c_str()));
  c_->lblBf = Add(L"STATIC", L"分前", SS_LEFT | SS_CENTERIMAGE, kLblBf);
  c_->btnImaSet = Add(L"BUTTON", L"現在時刻セット", WS_TABSTOP, kBtnImaSet);
}

void TfmNichiji::CreateTwoTouchGroup() {
  c_->gb2Tach = Add(L"BUTTON", L" ２タッチ設定 ", BS_GROUPBOX, kGb2Tach);
  for (int h = 0; h < 24; ++h)
    c_->hourButtons[h] = Add(L"BUTTON", std::to_wstring(h).c_str(), 0, kBtnH0 + h);
  for (int m = 0; m < 12; ++m)
    c_->minuteButtons[m] = Add(L"BUTTON", std::to_wstring(m * 5).c_str(), 0, kBtnM0 + m);
}

void TfmNichiji::CreateRightPanel() {
  c_->btnTimerOnOff = Add(L"BUTTON", Widen(kStartCaption).c_str(), WS_TABSTOP, kBtnTimerOnOff);
  c_->lblSadou = Add(L"STATIC", Widen(kRunningText).c_str(), SS_CENTER, kLblSadou);
  c_->lblCDown = Add(L"STATIC", L"", SS_LEFT, kLblCDown);
  c_->lblShuuryou = Add(L"STATIC", L"", SS_LEFT, kLblShuuryou);
  c_->btnClose = Add(L"BUTTON", L"閉じる(&X)", WS_TABSTOP, kBtnClose);
}

void TfmNichiji::MakeFonts() {
  c_->uiFont.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  c_->bigFont.reset(platform::CreateUiFont(kTimeFontHeight, Dpi(), true));
  c_->sadouFont.reset(platform::CreateUiFont(kSadouFontHeight, Dpi(), true));
}

void TfmNichiji::ApplyFonts() {
  EnumChildWindows(
      hwnd(),
      [](HWND child, LPARAM font) {
        SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(c_->uiFont.get()));
  for (HWND edit : c_->edits) SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(c_->bigFont.get()), TRUE);
  SendMessageW(c_->lblSadou, WM_SETFONT, reinterpret_cast<WPARAM>(c_->sadouFont.get()), TRUE);
}

// ---- layout --------------------------------------------------------------------

void TfmNichiji::PlaceControls() {
  auto place = [this](HWND h, int x, int y, int w, int hgt) {
    MoveWindow(h, Scale(x), Scale(y), Scale(w), Scale(hgt), FALSE);
  };
  place(c_->clock2.hwnd(), 14, kTop, kClockSize, kClockSize + 20);
  place(c_->ckTimer.hwnd(), 14 + kClockSize + 10, kTop, kClockSize, kClockSize + 20);
  for (int f = 0; f < 3; ++f) {
    const int x = 22 + f * 94;
    place(c_->edits[f], x, kTimeRowTop + 10, 46, 30);
    place(c_->upDowns[f], x + 46, kTimeRowTop + 10, 18, 30);
    place(c_->colons[f], x + 66, kTimeRowTop + 10, 24, 30);
  }
  place(c_->cbTimerBf, 22, kBoxRowTop + 10, 52, 200);
  place(c_->lblBf, 80, kBoxRowTop + 10, 40, 24);
  place(c_->btnImaSet, 146, kBoxRowTop + 8, 140, 28);
  const int groupLeft = kLeftPanelWidth + 6, groupWidth = kClientWidth - kLeftPanelWidth - kRightPanelWidth - 12;
  place(c_->gb2Tach, groupLeft, kTop - 4, groupWidth, 300);
  const int cell = (groupWidth - 16) / 6;
  for (int h = 0; h < 24; ++h)
    place(c_->hourButtons[h], groupLeft + 8 + (h % 6) * cell, kTop + 18 + (h / 6) * 34, cell - 4, 30);
  for (int m = 0; m < 12; ++m)
    place(c_->minuteButtons[m], groupLeft + 8 + (m % 6) * cell, kTop + 18 + 4 * 34 + 16 + (m / 6) * 34,
          cell - 4, 30);
  PlaceRightPanel(kClientWidth);
}

// The right panel keeps to the right edge, in the full and the narrow width.
void TfmNichiji::PlaceRightPanel(int clientWidth) {
  const int x = clientWidth - kRightMargin - kRightPanelWidth + 6, w = kRightPanelWidth - 12;
  auto place = [&](HWND h, int y, int hgt) { MoveWindow(h, Scale(x), Scale(y), Scale(w), Scale(hgt), TRUE); };
  place(c_->btnTimerOnOff, kTop + 6, 36);
  place(c_->lblSadou, kTop + 56, 26);
  place(c_->lblCDown, kTop + 92, 64);
  place(c_->lblShuuryou, kTop + 160, 64);
  place(c_->btnClose, kClientHeight - 62, 32);
  MoveWindow(c_->tabs, Scale(4), Scale(4), Scale(clientWidth - 8), Scale(kTabStripHeight), TRUE);
  MoveWindow(c_->pageFrame, Scale(4), Scale(4 + kTabStripHeight), Scale(clientWidth - 8),
             Scale(kClientHeight - 8 - kTabStripHeight), TRUE);
}

void TfmNichiji::ResizeClient(int width) {
  const SIZE outer = platform::OuterSizeForClient(width, kClientHeight,
                                                  static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_STYLE)),
                                                  static_cast<DWORD>(GetWindowLongPtrW(hwnd(), GWL_EXSTYLE)), Dpi());
  SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceRightPanel(width);
}

// New fonts and places; the client keeps its 96-DPI width, full or narrow.
void TfmNichiji::OnDpiChanged(int) {
  if (!c_ || !c_->uiFont) return;
  const platform::UniqueFont oldUi = std::move(c_->uiFont), oldBig = std::move(c_->bigFont),
                             oldSadou = std::move(c_->sadouFont);
  MakeFonts();
  ApplyFonts();
  c_->clock2.SetDpi(Dpi());
  c_->ckTimer.SetDpi(Dpi());
  PlaceControls();
  ResizeClient(shownRunning_.value_or(false) ? kNarrowClientWidth : kClientWidth);
}

// ---- showing what the page says ----------------------------------------------

void TfmNichiji::Render() {
  rendering_ = true;
  const AlarmView& v = page_->view();
  RenderLayout(v);
  RenderLabels(v);
  RenderTime(v);
  RenderFocusAndTimer(v);
  rendering_ = false;
}

void TfmNichiji::RenderLayout(const AlarmView& v) {
  if (shownRunning_ != v.running) ResizeClient(v.running ? kNarrowClientWidth : kClientWidth);
  Show(c_->gb2Tach, !v.running);
  for (HWND b : c_->hourButtons) Show(b, !v.running);
  for (HWND b : c_->minuteButtons) Show(b, !v.running);
  Show(c_->btnImaSet, !v.running);
  for (HWND u : c_->upDowns) Show(u, !v.running);
  for (HWND e : c_->edits) EnableWindow(e, !v.running);
  EnableWindow(c_->cbTimerBf, !v.running);
  Show(c_->btnTimerOnOff, v.startVisible);
  platform::SetWindowTextIfChanged(c_->btnTimerOnOff, v.startCaption);
  if (v.topmost)
    SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfmNichiji::RenderLabels(const AlarmView& v) {
  Show(c_->lblSadou, v.sadouVisible);
  EnableWindow(c_->lblSadou, v.sadouEnabled);
  platform::SetWindowTextIfChanged(c_->lblSadou, v.sadou);
  Show(c_->lblCDown, v.countdownVisible);
  platform::SetWindowTextIfChanged(c_->lblCDown, v.countdown);
  Show(c_->lblShuuryou, v.noticeVisible);
  platform::SetWindowTextIfChanged(c_->lblShuuryou, v.notice);
}

void TfmNichiji::RenderTime(const AlarmView& v) {
  for (int f = 0; f < 3; ++f) platform::SetWindowTextIfChanged(c_->edits[f], v.fields[f]);
  c_->ckTimer.SetTime(v.clockTime);
  if (SendMessageW(c_->cbTimerBf, CB_GETCURSEL, 0, 0) != v.warningMinutes)
    SendMessageW(c_->cbTimerBf, CB_SETCURSEL, static_cast<WPARAM>(v.warningMinutes), 0);
  for (HWND e : c_->edits) InvalidateRect(e, nullptr, TRUE);
}

void TfmNichiji::RenderFocusAndTimer(const AlarmView& v) {
  if (v.timerOn != timerOn_) {
    v.timerOn ? SetTimer(hwnd(), kTimer1, kTimer1Ms, nullptr) : KillTimer(hwnd(), kTimer1);
    timerOn_ = v.timerOn;
  }
  if (shownRunning_ == v.running) return;
  shownRunning_ = v.running;
  if (v.focusOnClose) SetFocus(c_->btnClose);
  else if (!v.running) SetFocus(c_->edits[0]);
  else SetFocus(v.startVisible ? c_->btnTimerOnOff : c_->btnClose);
}

// ---- the modal loop ------------------------------------------------------------

std::optional<AlarmValues> TfmNichiji::ShowModal(const AlarmValues& values) {
  shownRunning_.reset();
  if (!page_->Open(values, Now())) return std::nullopt;
  SetWindowTextW(hwnd(), kShownTitle);
  closed_ = false;
  platform::ModalOwner owner(owner_);
  c_->clock2.SetTime({Now().hour, Now().minute, Now().second});
  SetTimer(hwnd(), kClockTimer, kClockMs, nullptr);
  Render();
  const bool notice = page_->view().topmost;
  ShowWindow(hwnd(), notice ? SW_SHOWNOACTIVATE : SW_SHOW);
  if (!notice) SetForegroundWindow(hwnd());
  platform::RunModalLoop(hwnd(), [this] { return closed_; },
                         platform::OwnKeysFirst([this](const MSG& msg) { return PreTranslateKey(msg); }));
  KillTimer(hwnd(), kClockTimer);
  KillTimer(hwnd(), kTimer1);
  timerOn_ = false;
  owner.Return(hwnd());
  SetWindowTextW(hwnd(), kFormCaption);
  return page_->values();
}

// Esc clears a time edit; elsewhere it asks to close like "閉じる(&X)".
bool TfmNichiji::PreTranslateKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_ESCAPE) return false;
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  const int id = GetDlgCtrlID(msg.hwnd);
  if (id == kEdtHour || id == kEdtMin || id == kEdtSec) {
    page_->ClearField(FieldOfControl(id));
    Render();
    return true;
  }
  AskClose();
  return true;
}

void TfmNichiji::AskClose() {
  if (page_->RequestClose()) closed_ = true;
}

// ---- messages ------------------------------------------------------------------

LRESULT TfmNichiji::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY: {
      LRESULT result = 0;
      if (OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result)) return result;
      break;
    }
    case WM_TIMER:
      if (wParam == kTimer1) {
        page_->Tick(Now());
        Render();
      } else if (wParam == kClockTimer) {
        const platform::DateTime now = Now();
        c_->clock2.SetTime({now.hour, now.minute, now.second});
      }
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      return OnCtlColor(message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CLOSE:
      AskClose();
      return 0;
  }
  return Default(message, wParam, lParam);
}

void TfmNichiji::OnCommand(int id, int code) {
  if (id >= kBtnH0 && id < kBtnH0 + 24 && code == BN_CLICKED) page_->SetHour(id - kBtnH0);
  else if (id >= kBtnM0 && id < kBtnM0 + 12 && code == BN_CLICKED) page_->SetMinute((id - kBtnM0) * 5);
  else if (id == kBtnImaSet && code == BN_CLICKED) page_->SetCurrentTime(Now());
  else if (id == kBtnTimerOnOff && code == BN_CLICKED) page_->PressStartStop(Now());
  else if (id == kBtnClose && code == BN_CLICKED) return AskClose();
  else if (id == kCbTimerBf && code == CBN_SELCHANGE)
    page_->SetWarningMinutes(static_cast<int>(SendMessageW(c_->cbTimerBf, CB_GETCURSEL, 0, 0)));
  else if ((id == kEdtHour || id == kEdtMin || id == kEdtSec) && code == EN_CHANGE && !rendering_)
    page_->EditField(FieldOfControl(id), platform::WindowTextUtf8(GetDlgItem(hwnd(), id)));
  else if ((id == kEdtHour || id == kEdtMin || id == kEdtSec) && code == EN_KILLFOCUS)
    page_->LeaveField(FieldOfControl(id));
  else
    return;
  if (!rendering_) Render();
}

// The up-downs have no buddy: a step goes through the page, which carries
// it into the next field.
bool TfmNichiji::OnNotify(const NMHDR& header, LRESULT& result) {
  if (header.code != UDN_DELTAPOS) return false;
  const auto& step = reinterpret_cast<const NMUPDOWN&>(header);
  page_->StepField(FieldOfControl(static_cast<int>(header.idFrom)), step.iDelta > 0 ? 1 : -1);
  Render();
  result = TRUE;  // the control keeps its own position
  return true;
}

// The running state greys the time panel ($808080).
LRESULT TfmNichiji::OnCtlColor(UINT message, HDC dc, HWND control) {
  const LRESULT standard = Default(message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const int id = GetDlgCtrlID(control);
  if ((id == kEdtHour || id == kEdtMin || id == kEdtSec) && page_->view().running) {
    SetTextColor(dc, kGreyedTime);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(c_->greyBrush.get());
  }
  if (id == kLblSadou) SetTextColor(dc, RGB(200, 0, 0));
  return standard;
}

}  // namespace editors
