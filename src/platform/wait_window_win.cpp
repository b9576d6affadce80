#include "platform/wait_window_win.h"

#include <algorithm>

#include "platform/dpi_win.h"

namespace platform {
namespace {

constexpr UINT_PTR kBlinkTimer = 1;
constexpr UINT kBlinkMs = 500;
// 96-DPI sizes.
constexpr int kPaddingX = 16;
constexpr int kPaddingY = 10;
constexpr int kFontHeight = 16;

}  // namespace

bool WaitWindow::Create() {
  WindowArgs args;
  args.className = L"TfmWait";
  args.title = title_.empty() ? text_ : title_;
  args.style = Style();
  args.exStyle = WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  args.x = args.y = 0;
  args.width = args.height = 1;
  args.background = GetSysColorBrush(COLOR_BTNFACE);
  if (!CreateWindowFrom(args)) return false;
  font_.reset(CreateUiFont(kFontHeight, Dpi(), true));
  return true;
}

void WaitWindow::OnDpiChanged(int) { font_.reset(CreateUiFont(kFontHeight, Dpi(), true)); }

SIZE WaitWindow::TextSize() {
  WindowDc dc(hwnd());
  SelectGuard select(dc.get(), font_.get());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &size);
  SIZE title{};  // the title bar shows the title whole
  GetTextExtentPoint32W(dc.get(), title_.c_str(), static_cast<int>(title_.size()), &title);
  size.cx = std::max(size.cx, title.cx);
  return size;
}

bool WaitWindow::Show() {
  if (!hwnd() && !Create()) return false;
  SIZE text = TextSize();
  const RECT frame = AdjustWindowRectForDpi(
      {0, 0, text.cx + 2 * Scale(kPaddingX), text.cy + 2 * Scale(kPaddingY)}, Style(), 0, Dpi());
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  const RECT work = WorkArea();
  SetWindowPos(hwnd(), HWND_TOPMOST, work.right - width, work.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  dimmed_ = false;
  SetTimer(hwnd(), kBlinkTimer, kBlinkMs, nullptr);
  UpdateWindow(hwnd());
  return true;
}

void WaitWindow::Hide() {
  if (!hwnd()) return;
  KillTimer(hwnd(), kBlinkTimer);
  ShowWindow(hwnd(), SW_HIDE);
}

void WaitWindow::Paint() {
  PaintDc dc(hwnd());
  RECT client;
  GetClientRect(hwnd(), &client);
  SelectGuard select(dc.get(), font_.get());
  SetBkMode(dc.get(), TRANSPARENT);
  SetTextColor(dc.get(), GetSysColor(dimmed_ ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc.get(), text_.c_str(), -1, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT WaitWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_TIMER:
      if (wParam != kBlinkTimer) break;
      dimmed_ = !dimmed_;
      InvalidateRect(hwnd(), nullptr, TRUE);
      return 0;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
  }
  return Default(message, wParam, lParam);
}

}  // namespace platform
