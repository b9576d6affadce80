#include "shell/instance.h"

#include "platform/dialog_helpers.h"
#include "support/paths.h"

namespace shell {
namespace {

bool AnotherInstanceMayRun(platform::Services& os, const CommandSwitches& switches) {
  return !switches.secondInstance && !os.fs.Exists(kSecondStartMarker);
}

// A copy kept local by its marker, not one started by several computers
// from a share, tells the user why nothing new appears.
bool ShouldExplain(platform::Services& os, const CommandSwitches& switches,
                   const std::string& programFolder) {
  return os.fs.Exists(support::JoinPath(programFolder, "localfol.kdf")) &&
         !os.fs.Exists(support::JoinPath(programFolder, "Kidou.kdf")) &&
         !switches.networkFirstStart;
}

}  // namespace

bool ClaimStart(platform::Services& os, const CommandSwitches& switches,
                const std::string& programFolder) {
  const platform::WindowHandle running = os.shell.FindTopWindow(kMainWindowClass, kAppTitle);
  if (!running || !AnotherInstanceMayRun(os, switches)) return true;
  if (platform::WindowHandle titled = os.shell.FindTopWindow("", kAppTitle))
    os.shell.PostMessage(titled, kShowYourselfMessage, 0, 0);
  if (ShouldExplain(os, switches, programFolder))
    platform::Inform(os.dialogs,
                     "すでに別の【楓帳】が起動しています。\r\n"
                     "表示された【楓帳】を終了させてから、もう一度起動してください。");
  os.shell.BringToFront(running);
  return false;
}

}  // namespace shell
