#include "shell/status_panel2.h"

#include <cstdio>

#include "shell/status_texts.h"

namespace shell {

Panel2Text StatusPanel2(const Panel2Facts& f) {
  const std::string notice = f.timeSettingShortcut ? kTimeSettingNotice : "";
  if (f.countdownSeconds > 0 && f.waitingForSharedFolder)
    return {notice + "     自動常駐待機中   ", true};
  if (f.countdownSeconds > 0) {
    char countdown[64];
    std::snprintf(countdown, sizeof countdown, "     " " 自動常駐まであと %2d 秒   ", f.countdownSeconds);
    return {notice + countdown, true};
  }
  if (f.showFolder) return {notice + FolderPanelText(f.programFolder, true), true};
  return {notice, false};
}

}  // namespace shell
