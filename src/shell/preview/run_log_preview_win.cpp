// Shows the run-time log's viewer, to look at it: on a given
// "VeldaSte.kdl", or on a sample log written into a scratch folder.
//
//   run_log_preview.exe [log-file]
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "platform/list_files.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "shell/month_cycle.h"
#include "shell/run_log_window_win.h"
#include "support/paths.h"

namespace {

const std::vector<std::string> kSample{
    shell::kRunLogHeader,
    "S:2019/04/30 8:55:10", "E:2019/04/30 18:02:41",
    "S:2019/04/30 22:40:00", "E:2019/05/01 0:15:30",
    "S:2026/12/07 9:00:12", "S:2026/12/07 13:20:05", "E:2026/12/07 17:31:05",
    "T:2026/12/08 8:00:00", "F:2026/12/08 12:00:00",
    "S:2026/12/08 12:30:44",
};

std::string SampleLog(platform::Services& os) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string path = support::JoinPath(platform::Narrow(temp), shell::kRunLogFileName);
  platform::SaveListRetry(os, kSample, path, 0, 1);
  return path;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  platform::NativeServices native;
  const std::string path = argc > 1 ? platform::Narrow(argv[1]) : SampleLog(native.services());
  shell::ShowRunLogViewer(nullptr, native.services(), path);
  return 0;
}
