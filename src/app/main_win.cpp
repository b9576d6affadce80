// The composition root of Velda.exe: the real operating system, the
// single-instance check, the main window and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "platform/native_services.h"
#include "platform/text_win.h"
#include "shell/instance.h"
#include "shell/main_window_win.h"

namespace {

std::vector<std::string> Arguments() {
  int count = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; argv && i < count; ++i) args.push_back(platform::Narrow(argv[i]));
  if (argv) LocalFree(argv);
  return args;
}

int RunMessageLoop(shell::MainWindow& window) {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES};
  InitCommonControlsEx(&icc);
  platform::NativeServices native;
  const shell::CommandSwitches switches = shell::ParseSwitches(Arguments());
  if (!shell::ClaimStart(native.services(), switches, native.services().system.ProgramFolder()))
    return 0;
  shell::MainWindow window(native, switches);
  if (!window.Create(showCommand)) return 1;
  return RunMessageLoop(window);
}
