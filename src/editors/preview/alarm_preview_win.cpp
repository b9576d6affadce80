// Opens the alarm window (TfmNichiji) to look at it and to drive it from
// outside. Prints the values it hands back when it closes.
//
//   alarm_preview.exe [set|armed|display] [minutes-ahead] [warning] [result-file]
//
// set: set mode, not armed; armed: set mode with the alarm running
// `minutes-ahead` from now; display: the notice for an alarm that far
// ahead (negative: past).
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "editors/alarm_window_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"

namespace {

using namespace editors;

settings::TimeOfDay MinutesFromNow(platform::Clock& clock, int minutes) {
  return TimeOfSeconds(SecondsOfDay(clock.Now()) + minutes * 60);
}

std::string Describe(const AlarmValues& v) {
  char text[96];
  std::snprintf(text, sizeof text, "time=%d:%02d:%02d armed=%d mode=%d warning=%d\n", v.time.hour,
                v.time.minute, v.time.second, v.armed ? 1 : 0, v.mode, v.warningMinutes);
  return text;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  const std::string mode = argc > 1 ? platform::Narrow(argv[1]) : "set";
  const int ahead = argc > 2 ? _wtoi(argv[2]) : 2;
  const int warning = argc > 3 ? _wtoi(argv[3]) : 3;
  const std::wstring resultFile = argc > 4 ? argv[4] : L"";
  platform::NativeServices native;
  TfmNichiji window;
  if (!window.Create({nullptr, &native.services()})) return 2;
  native.dialogs().SetOwner(reinterpret_cast<platform::WindowHandle>(window.hwnd()));
  SetWindowPos(window.hwnd(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  AlarmValues values{MinutesFromNow(native.services().clock, ahead), mode == "armed",
                     mode == "display" ? kAlarmDisplayMode : kAlarmSetMode, warning};
  const auto back = window.ShowModal(values);
  const std::string out = back ? Describe(*back) : "not shown\n";
  std::fputs(out.c_str(), stdout);
  if (!resultFile.empty()) native.services().fs.WriteAtomic(platform::Narrow(resultFile), out);
  return 0;
}
