// The composition root of Velda.exe.
#include <windows.h>
#include <commctrl.h>

#include "shell/main_window_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES};
  InitCommonControlsEx(&icc);
  if (!shell::CreateMainWindow(instance, showCommand)) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
