#pragma once
// TfmC21, the main window.
#include <windows.h>

namespace shell {

// Registers the class and creates the window; null on failure.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);

}  // namespace shell
