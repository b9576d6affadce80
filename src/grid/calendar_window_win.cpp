#include "grid/calendar_window_win.h"

#include <windowsx.h>

namespace grid {
namespace {

bool KeyHeld(int key) { return GetKeyState(key) < 0; }

ShiftState CurrentShift() { return {KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL), KeyHeld(VK_MENU)}; }

Size ClientSizeOf(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

}  // namespace

CalendarHost::~CalendarHost() { calendar_.SetTarget(nullptr); }

bool CalendarHost::Create(HWND parent, const wchar_t* className, const RECT& bounds, int id,
                          bool followWindowDpi) {
  calendar_.SetTarget(this);
  followDpi_ = followWindowDpi;
  platform::WindowArgs args;
  args.className = className;
  args.style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
  args.exStyle = WS_EX_CLIENTEDGE;
  args.x = bounds.left;
  args.y = bounds.top;
  args.width = bounds.right - bounds.left;
  args.height = bounds.bottom - bounds.top;
  args.parent = parent;
  args.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  args.classStyle = CS_DBLCLKS;
  if (!CreateWindowFrom(args)) return false;
  if (followDpi_) calendar_.SetDpi(Dpi());
  OnSize();
  return true;
}

void CalendarHost::OnDpiChanged(int) {
  if (followDpi_) calendar_.SetDpi(Dpi());
}

void CalendarHost::Repaint() {
  if (hwnd()) InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT CalendarHost::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND: return 1;  // the bitmap covers everything
    case WM_PAINT: OnPaint(); return 0;
    case WM_SIZE: OnSize(); return 0;
    case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_LBUTTONDOWN: OnButtonDown(MouseButton::Left, wParam, lParam); return 0;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: OnButtonDown(MouseButton::Right, wParam, lParam); return 0;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: OnButtonDown(MouseButton::Middle, wParam, lParam); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(wParam, lParam); return 0;
    case WM_LBUTTONUP: OnButtonUp(MouseButton::Left, wParam, lParam); return 0;
    case WM_RBUTTONUP: OnButtonUp(MouseButton::Right, wParam, lParam); return Default(message, wParam, lParam);
    case WM_MBUTTONUP: OnButtonUp(MouseButton::Middle, wParam, lParam); return 0;
    case WM_MOUSEMOVE: calendar_.MouseMove(EventOf(MouseButton::Left, wParam, lParam)); return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      if (OnKey(wParam)) return 0;
      break;
    case WM_CHAR: calendar_.KeyPress(static_cast<char32_t>(wParam)); return 0;
    case WM_CONTEXTMENU: OnContextMenu(lParam); return 0;
    default: break;
  }
  return Default(message, wParam, lParam);
}

void CalendarHost::OnSize() {
  const Size size = ClientSizeOf(hwnd());
  if (size.width <= 0 || size.height <= 0) return;
  if (!canvas_.HasBitmap() || canvas_.size() != size) canvas_.Resize(size);
  if (calendar_.ClientSize() == size) calendar_.Rebuild();
  else calendar_.SetClientSize(size);
}

void CalendarHost::OnPaint() {
  platform::PaintDc paint(hwnd());
  canvas_.CopyTo(paint.get(), paint.dirty());
}

MouseEvent CalendarHost::EventOf(MouseButton button, WPARAM wParam, LPARAM lParam) const {
  MouseEvent event;
  event.button = button;
  event.shift = {(wParam & MK_SHIFT) != 0, (wParam & MK_CONTROL) != 0, KeyHeld(VK_MENU)};
  event.x = GET_X_LPARAM(lParam);
  event.y = GET_Y_LPARAM(lParam);
  return event;
}

void CalendarHost::OnButtonDown(MouseButton button, WPARAM wParam, LPARAM lParam) {
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  SetCapture(hwnd());
  if (button == MouseButton::Left) leftPressed_ = true;
  calendar_.MouseDown(EventOf(button, wParam, lParam));
}

void CalendarHost::OnDoubleClick(WPARAM wParam, LPARAM lParam) {
  SetCapture(hwnd());
  leftPressed_ = false;  // the release of a double-click is no click
  calendar_.DblClick();
  MouseEvent event = EventOf(MouseButton::Left, wParam, lParam);
  event.doubleClick = true;
  calendar_.MouseDown(event);
}

void CalendarHost::OnButtonUp(MouseButton button, WPARAM wParam, LPARAM lParam) {
  if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 && GetCapture() == hwnd()) ReleaseCapture();
  const MouseEvent event = EventOf(button, wParam, lParam);
  if (button == MouseButton::Left && leftPressed_) {
    leftPressed_ = false;
    const Size size = ClientSizeOf(hwnd());
    if (Rect{0, 0, size.width, size.height}.Contains({event.x, event.y})) calendar_.Click();
  }
  calendar_.MouseUp(event);
}

bool CalendarHost::OnKey(WPARAM key) { return calendar_.KeyDown(static_cast<int>(key), CurrentShift()); }

void CalendarHost::OnContextMenu(LPARAM lParam) {
  POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (lParam == -1) {  // from the keyboard: the middle of the calendar
    const Size size = ClientSizeOf(hwnd());
    p = {size.width / 2, size.height / 2};
    ClientToScreen(hwnd(), &p);
  }
  calendar_.ContextMenu({p.x, p.y});
}

// ---- the month grid ------------------------------------------------------

SeMCalWindow::SeMCalWindow(const SeMCalWindowArgs& args) : grid_(args.today, args.os), host_(grid_) {
  grid_.SetEvents(args.events);
  UseSystemWeekdayNames(grid_);
}

std::unique_ptr<SeMCalWindow> CreateSeMCalWindow(const SeMCalWindowArgs& args) {
  auto window = std::make_unique<SeMCalWindow>(args);
  if (!window->host_.Create(args.parent, kSeMCalClass, args.bounds, args.id, /*followWindowDpi=*/false))
    return nullptr;
  return window;
}

void UseSystemWeekdayNames(TCustomCalendarEx& calendar) {
  const std::array<std::string, 7> names = SystemWeekdayNames();
  for (const std::string& name : names)
    if (name.empty()) return;
  calendar.SetWeekdayNames(names);
}

}  // namespace grid
