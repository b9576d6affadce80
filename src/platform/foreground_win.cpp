#include "platform/foreground_win.h"

namespace platform {

bool IsOwnWindowForeground(HWND window) {
  HWND foreground = GetForegroundWindow();
  if (!window || !foreground) return false;
  HWND owner = GetWindow(window, GW_OWNER);
  for (HWND w = foreground; w; w = GetWindow(w, GW_OWNER))
    if (w == window || (owner && w == owner)) return true;
  return false;
}

}  // namespace platform
