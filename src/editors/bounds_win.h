#pragma once
// The editors' windows and the desktop as `Bounds` (left, top, width,
// height in screen pixels).
#include <windows.h>

#include "editors/day_editor.h"
#include "platform/window_win.h"

namespace editors {

inline Bounds BoundsOfRect(const RECT& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top}; }

inline Bounds BoundsOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return BoundsOfRect(r);
}

inline Bounds WorkAreaBounds() { return BoundsOfRect(platform::WorkArea()); }

}  // namespace editors
