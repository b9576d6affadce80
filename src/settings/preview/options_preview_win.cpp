// Opens the options window (TfmOption) on sample settings, to look at it
// and to drive it from outside (xdotool under Xvfb). Prints what the
// window hands back when it closes.
//
//   options_preview.exe [main|memo] [--tab n] [--seconds n] [--level 0|6|7]
//                       [--click name] [--folder dir]
//
// --tab selects the n-th tab shown (from 0) once the window is up; --click
// presses the named control's button after that ("edtCSun" opens the
// colour dialog, "btnLockSearch" searches); --level gives this computer
// those rights; --folder keeps the program folder and its "Velda.ini"
// there instead of a fresh one in the temporary folder.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "net/admin_files.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "settings/options_window_win.h"
#include "store/data_folders.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace {

using namespace settings;

class PreviewHost : public OptionsNetworkHost {
 public:
  PreviewHost(platform::Services& os, const std::string& settingsFolder, int level)
      : admin_(os, settingsFolder, false) {
    admin_.SetLevel(level);
  }
  bool NetworkOn() override { return false; }
  bool SetNetwork(bool on) override {
    std::printf("network %s\n", on ? "on" : "off");
    return true;
  }
  net::NetAdmin& Admin() override { return admin_; }
  bool CanOpenNetBackup() override { return true; }
  void OpenNetBackup() override { std::puts("open the setup window on its backup page"); }

 private:
  net::NetAdmin admin_;
};

// A shared folder this computer manages, so that the network tab shows
// its rights ("管理コンピュータ") without a message.
std::string MakeSharedFolder(platform::Services& os, const std::string& programFolder) {
  const std::string shared = support::JoinPath(programFolder, "共有フォルダ\\");
  store::CreateDataFolders(os.fs, os.dialogs, shared, false);
  net::NetAdmin admin(os, programFolder, false);
  admin.SetAdministrator("admin", "pw");
  admin.WriteAdminList(support::JoinPath(shared, net::kAdminListName));
  return shared;
}

Settings SampleSettings(const std::string& programFolder, const std::string& shared) {
  Settings s = DefaultSettings();
  s.edFolder = support::JoinPath(programFolder, "予定データ\\");
  s.edtNetFolder = shared;
  s.cbNet = true;
  s.rbNetKoushin = 1;
  s.edtEditorFolder = "C:\\Program Files\\Gakto\\Gakto.exe";
  s.edtPrintFolder = "C:\\Program Files\\Velprin\\Velprin.exe";
  s.cbBackKankaku = 3;
  s.vBackKankaku = 7;
  s.cbKidouKiroku = true;
  s.udYokoC = -12;
  return s;
}

std::string Flags(const OptionsChanges& c) {
  std::string out;
  auto add = [&](bool on, const char* name) {
    if (on) out += std::string(" ") + name;
  };
  add(c.gridOptions, "grid");
  add(c.yearPage, "year-page");
  add(c.displayMode, "display-mode");
  add(c.timeCheckInterval, "time-check");
  add(c.alarmButton, "alarm-button");
  add(c.backupInterval, "backup-interval");
  add(c.hotkeys, "hotkeys");
  add(c.runLog, "run-log");
  add(c.statusBar, "status-bar");
  add(c.memoTab, "memo-tab");
  add(c.printButton, "print-button");
  add(c.companionPaths, "companion-paths");
  add(c.netPoll, "net-poll");
  add(c.netFolder, "net-folder");
  add(c.switchNetworkOff, "network-off");
  add(c.nextStart, "next-start");
  add(c.endProgram, "end-program");
  return out;
}

// What the timer does once the window is up.
struct Script {
  int tab = -1;
  std::string click;
  int seconds = 0;
  int ticks = 0;
};
Script g_script;

void CALLBACK Step(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND window = FindWindowW(TfmOption::kClassName, nullptr);
  if (!window || !IsWindowVisible(window)) return;
  ++g_script.ticks;
  if (g_script.ticks == 1 && g_script.tab >= 0) {
    HWND tabs = GetDlgItem(window, TfmOption::kTabs);
    TabCtrl_SetCurSel(tabs, g_script.tab);
    NMHDR header{tabs, static_cast<UINT_PTR>(TfmOption::kTabs), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(window, WM_NOTIFY, TfmOption::kTabs, reinterpret_cast<LPARAM>(&header));
  }
  if (g_script.ticks == 3 && !g_script.click.empty()) {
    const OptionControl* c = FindControl(g_script.click);
    const int id = c && c->kind == ControlKind::Colour ? IdOf(g_script.click, kChange) : IdOf(g_script.click);
    PostMessageW(GetDlgItem(window, id), BM_CLICK, 0, 0);
  }
  if (g_script.seconds > 0 && g_script.ticks >= g_script.seconds * 4) {
    KillTimer(nullptr, timer);
    PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
  InitCommonControlsEx(&icc);
  int mode = 0, level = 0;
  std::string folder;
  for (int i = 1; i < argc; ++i) {
    const std::string a = platform::Narrow(argv[i]);
    const std::string next = i + 1 < argc ? platform::Narrow(argv[i + 1]) : "";
    if (a == "memo") mode = 1;
    else if (a == "--tab") g_script.tab = std::stoi(next), ++i;
    else if (a == "--seconds") g_script.seconds = std::stoi(next), ++i;
    else if (a == "--level") level = std::stoi(next), ++i;
    else if (a == "--click") g_script.click = next, ++i;
    else if (a == "--folder") folder = support::EnsureTrailingSeparator(next), ++i;
  }
  platform::NativeServices native;
  platform::Services& os = native.services();
  if (folder.empty()) {
    wchar_t temp[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temp);
    folder = support::JoinPath(platform::Narrow(temp), "options_preview\\");
  }
  os.fs.CreateFolder(support::RemoveTrailingSeparator(folder));

  ShowOptionsArgs args;
  args.os = &os;
  args.context.programFolder = folder;
  args.context.shellMajorVersion = os.system.ShellMajorVersion();
  args.context.localMarkerExists = os.fs.Exists(support::JoinPath(folder, "localfol.kdf"));
  args.settingsFile = support::JoinPath(folder, "Velda.ini");
  args.dataRoot = folder;
  PreviewHost host(os, folder, level);
  args.network = &host;

  Settings s = SampleSettings(folder, MakeSharedFolder(os, folder));
  SetTimer(nullptr, 0, 250, Step);
  const OptionsOutcome out = ShowOptions(args, mode, s);
  if (!out.shown) return 2;
  std::printf("%s\n", out.confirmed ? "OK" : "cancelled");
  std::string keys;
  for (const auto& k : out.changes.changedKeys) keys += " " + k;
  std::printf("changed:%s\nwork:%s\n", keys.c_str(), Flags(out.changes).c_str());
  if (AfterOptionsClosed(out.changes, os.dialogs)) std::puts("the main window closes now");
  return 0;
}
