#include "shell/run_log_window_win.h"

#include "editors/text_page_win.h"
#include "shell/instance.h"
#include "shell/run_log.h"

namespace shell {

void ShowRunLogViewer(HWND owner, platform::Services& os, const std::string& logPath) {
  RunLog log(os, logPath);
  const auto table = log.ViewerText();
  if (!table) return;
  editors::TextPageArgs args;
  args.owner = owner;
  args.title = kSubWindowTitle;
  args.text = *table;
  args.width = 560;
  args.height = 460;
  editors::ShowTextPage(args);
}

}  // namespace shell
