#include "platform/window_win.h"

#include <algorithm>
#include <exception>
#include <utility>

#include "platform/dpi_win.h"
#include "platform/text_win.h"

namespace platform {
namespace {

// Marks our objects in GWLP_USERDATA so a foreign window is never cast.
constexpr LONG_PTR kTagMask = 1;

bool RegisterOnce(const WindowArgs& args, WNDPROC proc) {
  WNDCLASSEXW existing{sizeof existing};
  if (GetClassInfoExW(ModuleInstance(), args.className, &existing)) return true;
  WNDCLASSEXW wc{sizeof wc};
  wc.style = args.classStyle;
  wc.lpfnWndProc = proc;
  wc.hInstance = ModuleInstance();
  wc.hIcon = args.icon;
  wc.hIconSm = args.icon;
  wc.hCursor = args.cursor ? args.cursor : LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = args.background;
  wc.lpszClassName = args.className;
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

HINSTANCE ModuleInstance() { return GetModuleHandleW(nullptr); }

RECT WorkArea() {
  RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return area;
}

POINT CentredIn(const RECT& area, SIZE size) {
  return {area.left + std::max(0L, (area.right - area.left - size.cx) / 2),
          area.top + std::max(0L, (area.bottom - area.top - size.cy) / 2)};
}

Window::~Window() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

Window* Window::FromHandle(HWND window) {
  LONG_PTR data = GetWindowLongPtrW(window, GWLP_USERDATA);
  if (!(data & kTagMask)) return nullptr;
  return reinterpret_cast<Window*>(data & ~kTagMask);
}

bool Window::CreateWindowFrom(const WindowArgs& args) {
  if (!RegisterOnce(args, &Window::StaticProc)) return false;
  HWND made = CreateWindowExW(args.exStyle, args.className, args.title.c_str(), args.style, args.x,
                              args.y, args.width, args.height, args.parent, args.menuOrId,
                              ModuleInstance(), this);
  return made != nullptr;
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return Default(message, wParam, lParam);
}

LRESULT Window::Default(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(hwnd_, message, wParam, lParam);
}

int Window::Scale(int pixels96) const { return ScaleToDpi(pixels96, dpi_); }

void Window::SetDpi(int dpi) {
  dpi = UsableDpi(dpi);
  if (dpi == dpi_) return;
  const int old = std::exchange(dpi_, dpi);
  OnDpiChanged(old);
}

// The fonts and the layout follow first; the move to the suggested
// rectangle then sizes the window as the new DPI wants it.
void Window::TakeSuggestedDpi(WPARAM wParam, LPARAM lParam) {
  SetDpi(NewDpiOf(wParam));
  if (!lParam) return;
  const RECT& r = SuggestedRect(lParam);
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Window::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kWmDpiChanged) {
    TakeSuggestedDpi(wParam, lParam);
    return 0;
  }
  if (message == kWmDpiChangedAfterParent) SetDpi(WindowDpi(hwnd_));
  return OnMessage(message, wParam, lParam);
}

void ReportUnexpectedError(HWND window, const char* what) {
  HWND owner = window ? GetAncestor(window, GA_ROOT) : nullptr;
  const std::string text = std::string("予期しないエラーが発生しました。\r\n処理を中断しました。\r\n\r\n") + what;
  MessageBoxW(owner, Widen(text).c_str(), L"エラー -楓帳-", MB_OK | MB_ICONERROR);
}

void Window::OnUnexpectedError(const char* what) { ReportUnexpectedError(hwnd_, what); }

LRESULT CALLBACK Window::StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = window;
    self->dpi_ = WindowDpi(window);
    EnableNonClientScaling(window);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self) | kTagMask);
  }
  Window* self = FromHandle(window);
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = 0;
  try {
    result = self->Dispatch(message, wParam, lParam);
  } catch (const std::exception& e) {
    self->OnUnexpectedError(e.what());
  } catch (...) {
    self->OnUnexpectedError("unknown exception");
  }
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
  }
  return result;
}

}  // namespace platform
