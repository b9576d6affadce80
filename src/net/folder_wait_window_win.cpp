#include "net/folder_wait_window_win.h"

#include <commctrl.h>

#include <cmath>

#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace net {
namespace {

using platform::Widen;

constexpr wchar_t kClassName[] = L"TfmNetWait";
constexpr UINT_PTR kTickTimer = 1;       // FolderWait's count
constexpr UINT_PTR kAnimationTimer = 2;  // the magnifier's next frame
constexpr UINT_PTR kCloseTimer = 3;      // the second after the find
constexpr UINT kAnimationMs = 100;
constexpr int kAnimationFrames = 12;     // one round of the magnifier
constexpr COLORREF kFoundColor = RGB(255, 0, 0);

// 96-DPI places.
constexpr int kMargin = 16;
constexpr int kAnimationSize = 48;
constexpr int kAnimationX = TfmNetWait::kClientWidth - kMargin - kAnimationSize;
constexpr int kProgressRow = 96;
constexpr int kBottomRow = 140;
constexpr int kButtonWidth = 180;
constexpr int kFontHeight = 13;
constexpr int kBoldFontHeight = 14;

// By the control's own style: before the window shows, every child counts
// as invisible to IsWindowVisible.
void Show(HWND window, bool visible) {
  const bool shown = (GetWindowLongPtrW(window, GWL_STYLE) & WS_VISIBLE) != 0;
  if (shown != visible) ShowWindow(window, visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace

struct TfmNetWait::Controls {
  HWND waiting, starts, searched, progress, timeout, count, outOf, animation, found, pleaseWait, local;
  platform::UniqueFont font, boldFont;
};

TfmNetWait::TfmNetWait(platform::FileSystem& fs, std::string folder, unsigned tickMs)
    : wait_(fs, std::move(folder)), tickMs_(tickMs) {}

TfmNetWait::~TfmNetWait() {
  if (hwnd()) DestroyWindow(hwnd());  // the children first, while the fonts live
}

// ---- creation ------------------------------------------------------------------

bool TfmNetWait::Create(HWND owner) {
  owner_ = owner;
  platform::WindowArgs w;
  w.className = kClassName;
  w.title = Widen(kFolderWaitCaption);
  w.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  w.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  w.parent = owner_;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  const RECT area = platform::WorkArea();
  const POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
  const SIZE outer = platform::OuterSizeForClient(kClientWidth, kClientHeight, w.style, w.exStyle,
                                                  platform::DpiAtPoint(middle));
  w.width = outer.cx;
  w.height = outer.cy;
  const POINT place = platform::CentredIn(area, outer);
  w.x = place.x;
  w.y = place.y;
  if (!CreateWindowFrom(w)) return false;
  CreateControls();
  PlaceControls();
  Render();
  return true;
}

void TfmNetWait::CreateControls() {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  c_ = std::make_unique<Controls>();
  MakeFonts();
  auto add = [this](const wchar_t* cls, const std::string& text, DWORD style, int id, HFONT font) {
    HWND h = CreateWindowExW(0, cls, Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::ModuleInstance(),
                             nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return h;
  };
  HFONT font = c_->font.get(), bold = c_->boldFont.get();
  c_->waiting = add(L"STATIC", kFolderWaitText, SS_LEFT, kLblWaiting, bold);
  c_->starts = add(L"STATIC", kFolderWaitStartsText, SS_LEFT, kLblStarts, font);
  c_->searched = add(L"STATIC", wait_.SearchedText(), SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, kLblSearched, font);
  c_->progress = add(PROGRESS_CLASSW, "", 0, kProgress, font);
  SendMessageW(c_->progress, PBM_SETRANGE32, 0, kFolderWaitLimit);
  c_->timeout = add(L"STATIC", kFolderWaitTimeoutLabel, SS_LEFT, kLblTimeout, font);
  c_->count = add(L"STATIC", "", SS_RIGHT, kLblCount, font);
  c_->outOf = add(L"STATIC", kFolderWaitOutOf, SS_LEFT, kLblOutOf, font);
  c_->animation = add(L"STATIC", "", SS_OWNERDRAW, kAnimation, font);
  c_->found = add(L"STATIC", kFolderFoundText, SS_LEFT, kLblFound, bold);
  c_->pleaseWait = add(L"STATIC", kFolderFoundPleaseWait, SS_LEFT, kLblPleaseWait, font);
  c_->local = add(L"BUTTON", kFolderWaitLocalButton, WS_TABSTOP | BS_DEFPUSHBUTTON, kBtnLocal, font);
}

void TfmNetWait::MakeFonts() {
  c_->font.reset(platform::CreateUiFont(kFontHeight, Dpi()));
  c_->boldFont.reset(platform::CreateUiFont(kBoldFontHeight, Dpi(), true));
}

// New fonts, places and client size; the magnifier is drawn at the DPI.
void TfmNetWait::OnDpiChanged(int) {
  if (!c_) return;
  const platform::UniqueFont oldFont = std::move(c_->font), oldBold = std::move(c_->boldFont);
  MakeFonts();
  platform::ReplaceChildFonts(hwnd(), oldFont.get(), c_->font.get());
  platform::ReplaceChildFonts(hwnd(), oldBold.get(), c_->boldFont.get());
  PlaceControls();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void TfmNetWait::PlaceControls() {
  auto place = [this](HWND h, int x, int y, int width, int height) {
    MoveWindow(h, Scale(x), Scale(y), Scale(width), Scale(height), TRUE);
  };
  const int fullWidth = kClientWidth - 2 * kMargin;
  place(c_->waiting, kMargin, 14, fullWidth, 20);
  place(c_->starts, kMargin, 40, fullWidth, 18);
  place(c_->searched, kMargin, 68, kAnimationX - kMargin - 12, 18);
  place(c_->animation, kAnimationX, 62, kAnimationSize, kAnimationSize);
  place(c_->progress, kMargin, kProgressRow, 300, 18);
  place(c_->timeout, kMargin + 310, kProgressRow + 1, 80, 18);
  place(c_->count, kMargin + 390, kProgressRow + 1, 30, 18);
  place(c_->outOf, kMargin + 424, kProgressRow + 1, 48, 18);
  place(c_->found, kMargin, kBottomRow + 6, 236, 20);
  place(c_->pleaseWait, kMargin + 244, kBottomRow + 7, 160, 18);
  place(c_->local, kClientWidth - kMargin - kButtonWidth, kBottomRow, kButtonWidth, 30);
}

// ---- showing what the wait says ------------------------------------------------

void TfmNetWait::Render() {
  const FolderWaitView v = wait_.View();
  if (SendMessageW(c_->progress, PBM_GETPOS, 0, 0) != v.progress)
    SendMessageW(c_->progress, PBM_SETPOS, static_cast<WPARAM>(v.progress), 0);
  platform::SetWindowTextIfChanged(c_->count, v.counter);
  if (!v.waiting) {
    KillTimer(hwnd(), kTickTimer);
    KillTimer(hwnd(), kAnimationTimer);
    if (GetFocus() == c_->local) SetFocus(hwnd());
  }
  Show(c_->local, v.waiting);
  Show(c_->animation, v.waiting);
  Show(c_->found, v.foundShown);
  Show(c_->pleaseWait, v.foundShown);
  if (v.closeSoon && !closing_) {
    closing_ = true;
    result_ = FolderWaitResult::Found;
    UpdateWindow(hwnd());  // the found texts show during the second
    SetTimer(hwnd(), kCloseTimer, kFolderFoundCloseMs, nullptr);
  }
  if (v.closeNow) Finish(FolderWaitResult::NotFound);
}

void TfmNetWait::OnTimer(UINT_PTR id) {
  if (id == kTickTimer) {
    wait_.Tick();
    Render();
  } else if (id == kAnimationTimer) {
    ++frame_;
    InvalidateRect(c_->animation, nullptr, FALSE);
  } else if (id == kCloseTimer) {
    Finish(FolderWaitResult::Found);
  }
}

// The button, Esc and the close box all start with the local folder; once
// the folder was found the answer stays "found".
void TfmNetWait::Finish(FolderWaitResult result) {
  KillTimer(hwnd(), kTickTimer);
  KillTimer(hwnd(), kAnimationTimer);
  KillTimer(hwnd(), kCloseTimer);
  result_ = closing_ ? FolderWaitResult::Found : result;
  closed_ = true;
}

// A folder with a magnifier going round over it, drawn off screen.
void TfmNetWait::DrawAnimation(const DRAWITEMSTRUCT& item) const {
  const RECT& r = item.rcItem;
  const int width = r.right - r.left, height = r.bottom - r.top;
  platform::UniqueMemoryDc dc(CreateCompatibleDC(item.hDC));
  platform::UniqueBitmap bitmap(CreateCompatibleBitmap(item.hDC, width, height));
  if (!dc || !bitmap) return;
  platform::SelectGuard selectBitmap(dc.get(), bitmap.get());
  const RECT all{0, 0, width, height};
  FillRect(dc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
  auto s = [this](double pixels) { return static_cast<int>(std::lround(pixels * Dpi() / 96.0)); };

  platform::UniquePen outline(CreatePen(PS_SOLID, platform::LineWidthForDpi(1, Dpi()), RGB(0x80, 0x60, 0x10)));
  platform::UniqueBrush folder(CreateSolidBrush(RGB(0xF0, 0xC8, 0x50)));
  platform::SelectGuard selectPen(dc.get(), outline.get());
  platform::SelectGuard selectBrush(dc.get(), folder.get());
  const POINT shape[] = {{s(6), s(16)}, {s(18), s(16)}, {s(21), s(20)}, {s(42), s(20)},
                         {s(42), s(42)}, {s(6), s(42)}};
  Polygon(dc.get(), shape, static_cast<int>(std::size(shape)));

  const double angle = 2 * 3.14159265358979 * (frame_ % kAnimationFrames) / kAnimationFrames;  // [0, 2π)
  const double cx = 22 + 7 * std::cos(angle), cy = 24 + 7 * std::sin(angle);
  platform::UniquePen handle(CreatePen(PS_SOLID, s(4), RGB(0x40, 0x40, 0x40)));
  platform::UniquePen rim(CreatePen(PS_SOLID, s(2), RGB(0x40, 0x40, 0x40)));
  platform::UniqueBrush glass(CreateSolidBrush(RGB(0xC8, 0xE6, 0xFF)));
  SelectObject(dc.get(), handle.get());
  MoveToEx(dc.get(), s(cx + 6), s(cy + 6), nullptr);
  LineTo(dc.get(), s(cx + 12), s(cy + 12));
  SelectObject(dc.get(), rim.get());
  SelectObject(dc.get(), glass.get());
  Ellipse(dc.get(), s(cx - 8), s(cy - 8), s(cx + 8), s(cy + 8));
  SelectObject(dc.get(), outline.get());  // the guards select the originals back
  SelectObject(dc.get(), folder.get());
  BitBlt(item.hDC, r.left, r.top, width, height, dc.get(), 0, 0, SRCCOPY);
}

// ---- the modal loop ------------------------------------------------------------

FolderWaitResult TfmNetWait::ShowModal() {
  closed_ = false;
  closing_ = false;
  result_ = FolderWaitResult::NotFound;
  platform::ModalOwner owner(owner_);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(c_->local);
  SetTimer(hwnd(), kTickTimer, tickMs_, nullptr);
  SetTimer(hwnd(), kAnimationTimer, kAnimationMs, nullptr);
  platform::RunModalLoop(hwnd(), [this] { return closed_; });
  Finish(result_);
  owner.Return(hwnd());
  return result_;
}

// ---- messages ------------------------------------------------------------------

LRESULT TfmNetWait::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_COMMAND:
      if ((LOWORD(wParam) == kBtnLocal && HIWORD(wParam) == BN_CLICKED) || LOWORD(wParam) == IDCANCEL)
        Finish(FolderWaitResult::NotFound);
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (item.CtlID != kAnimation) break;
      DrawAnimation(item);
      return TRUE;
    }
    case WM_CTLCOLORSTATIC: {
      const LRESULT brush = Default(message, wParam, lParam);
      if (reinterpret_cast<HWND>(lParam) == c_->found) SetTextColor(reinterpret_cast<HDC>(wParam), kFoundColor);
      return brush;
    }
    case WM_CLOSE:
      Finish(FolderWaitResult::NotFound);
      return 0;
  }
  return Default(message, wParam, lParam);
}

// ---- the one call of start-up --------------------------------------------------

FolderWaitResult ShowFolderWaitWindow(HWND owner, platform::Services& os, const std::string& folder,
                                      unsigned tickMs) {
  TfmNetWait window(os.fs, folder, tickMs);
  if (!window.Create(owner)) return FolderWaitResult::NotFound;
  return window.ShowModal();
}

}  // namespace net
