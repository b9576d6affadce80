#pragma once
// For the window tests of the settings windows at another DPI: what a
// window's controls look like at 96 DPI, told WM_DPICHANGED as on a
// monitor of another DPI, and compared with themselves afterwards.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/dpi_win.h"
#include "platform/window_win.h"

namespace settings::dpi_test {

struct Laid {
  HWND control;
  RECT rect;  // in its parent's client coordinates
  LONG fontHeight;
};

inline std::wstring ClassOf(HWND window) {
  wchar_t name[64]{};
  GetClassNameW(window, name, 64);
  return name;
}

inline RECT RectInParent(HWND control) {
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

inline LONG FontHeightOf(HWND control) {
  LOGFONTW font{};
  HGDIOBJ handle = reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0));
  return handle && GetObjectW(handle, sizeof font, &font) ? font.lfHeight : 0;
}

// The direct children of `parent`, as they lie now.
inline std::vector<Laid> ChildrenOf(HWND parent) {
  std::vector<Laid> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back({child, RectInParent(child), FontHeightOf(child)});
  return children;
}

inline bool Overlap(const RECT& a, const RECT& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Each control of `at96` lies now where its 96-DPI place lies at `dpi`
// (a drop-down list's box keeps the height its font gives it, an up-down
// places itself beside its buddy), with its font made for `dpi`; controls
// clear of each other at 96 DPI still are.
inline void ExpectScaledFrom(const std::vector<Laid>& at96, int dpi, int fontHeight96) {
  std::vector<RECT> now;
  for (const Laid& laid : at96) {
    const RECT r = RectInParent(laid.control);
    now.push_back(r);
    if (ClassOf(laid.control) == UPDOWN_CLASSW) continue;
    const support::Rect want = platform::ScaleRectToDpi(
        {laid.rect.left, laid.rect.top, laid.rect.right, laid.rect.bottom}, dpi);
    const std::string what = "control " + std::to_string(GetDlgCtrlID(laid.control)) + " at " + std::to_string(dpi);
    EXPECT_EQ(r.left, want.left) << what;
    EXPECT_EQ(r.top, want.top) << what;
    EXPECT_EQ(r.right, want.right) << what;
    if (ClassOf(laid.control) != L"ComboBox") {
      EXPECT_EQ(r.bottom, want.bottom) << what;
    }
    if (laid.fontHeight == -fontHeight96) {
      EXPECT_EQ(FontHeightOf(laid.control), -platform::ScaleToDpi(fontHeight96, dpi)) << what;
    }
  }
  for (std::size_t i = 0; i < at96.size(); ++i)
    for (std::size_t j = i + 1; j < at96.size(); ++j)
      if (!Overlap(at96[i].rect, at96[j].rect)) {
        EXPECT_FALSE(Overlap(now[i], now[j])) << GetDlgCtrlID(at96[i].control) << " / " << GetDlgCtrlID(at96[j].control);
      }
}

// Every visible child of `parent` inside its client area: nothing clipped.
inline void ExpectNothingClipped(HWND parent) {
  RECT client{};
  GetClientRect(parent, &client);
  for (const Laid& laid : ChildrenOf(parent)) {
    if (!IsWindowVisible(laid.control)) continue;
    EXPECT_LE(laid.rect.right, client.right) << GetDlgCtrlID(laid.control);
    EXPECT_LE(laid.rect.bottom, client.bottom) << GetDlgCtrlID(laid.control);
  }
}

// WM_DPICHANGED as Windows sends it when `window` is moved to a monitor of
// `dpi`: the outer size of 96 DPI scaled; true when it took the new DPI
// and the rectangle.
inline bool MoveToDpi(HWND window, const RECT& outer96, int dpi) {
  RECT suggested{outer96.left, outer96.top,
                 outer96.left + platform::ScaleToDpi(outer96.right - outer96.left, dpi),
                 outer96.top + platform::ScaleToDpi(outer96.bottom - outer96.top, dpi)};
  SendMessageW(window, platform::kWmDpiChanged, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
  RECT now{};
  GetWindowRect(window, &now);
  const platform::Window* self = platform::Window::FromHandle(window);
  return self && self->Dpi() == dpi && EqualRect(&now, &suggested);
}

}  // namespace settings::dpi_test
