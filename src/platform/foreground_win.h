#pragma once
#include <windows.h>

namespace platform {

// The foreground window is `window`, or is owned (at any depth) by it or by
// its own owner: one of this program's windows has the user's attention.
bool IsOwnWindowForeground(HWND window);

}  // namespace platform
