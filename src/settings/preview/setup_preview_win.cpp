// Opens the setup window on one of its pages, or the clean-up window, over
// sample data made afresh in the temporary folder, to look at them under
// Xvfb; and times the backup and restore of fifty years of month files
// through the shell with its progress window.
//
//   setup_preview.exe [backup|export|install|shortcuts|commemoration|days|
//                      cleanup-file|cleanup-folder] [--seconds n]
//   setup_preview.exe time [--years n]   (50 years from 1977)
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>

#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "settings/cleanup_window_win.h"
#include "settings/generation_backup_testutil.h"
#include "store/long_history_testutil.h"
#include "settings/setup_window_win.h"
#include "store/special_days.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace {

using namespace settings;
using support::JoinPath;

constexpr UINT_PTR kCloseAfter = 1;
const std::map<std::string, SetupPage> kPages = {
    {"backup", SetupPage::Backup},       {"export", SetupPage::Export},
    {"install", SetupPage::Install},     {"shortcuts", SetupPage::Shortcuts},
    {"commemoration", SetupPage::Commemoration}, {"days", SetupPage::SpecialDays}};

void Put(platform::FileSystem& fs, const std::string& folder, const std::string& name, const std::string& utf8) {
  platform::CreateFolderChain(fs, folder);
  fs.WriteAtomic(JoinPath(folder, name), support::Utf8ToCp932(utf8));
}

struct Sample {
  std::string root;     // the temporary folder of the preview
  std::string program;  // a program folder with its data below it
};

Sample MakeSample(platform::FileSystem& fs, int years, int firstYear) {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  Sample s;
  s.root = support::EnsureTrailingSeparator(platform::Narrow(temp) + "VeldaSetupPreview");
  platform::DeleteFolderItems(fs, s.root, "", 0, false, false);
  s.program = JoinPath(s.root, "Velda\\");
  Put(fs, s.program, "Velda.exe", "stand-in");
  Put(fs, s.program, "HDay.dat", "1,1,元日\r\n");
  const std::string files1 = JoinPath(s.program, "Data\\Files1\\"), common = JoinPath(s.program, "Data\\");
  platform::CreateFolderChain(fs, files1);
  store::LongHistorySpec spec;
  spec.years = years;
  spec.firstYear = firstYear;
  store::LongHistory written;
  store::WriteLongHistory(fs, files1, common, spec, written);
  Put(fs, files1, "Ca200403.kdf", " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,朝礼,,,,,,\r\n");
  Put(fs, files1, "Ca200403.cmr", " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 3,1,,ひな祭り,,,,,1001,\r\n");
  Put(fs, common, "Sday.kdf", "1990,,5,14,,,結婚記念日\r\n,,,,2,2,第二月曜日の集まり\r\n");
  Put(fs, common, "CaMemo.kdf", "メモ\r\n");
  platform::CreateFolderChain(fs, JoinPath(s.program, "Data\\Files2\\"));
  platform::CreateFolderChain(fs, JoinPath(s.root, "Backup\\"));
  Put(fs, s.program, "Velda.ini",
      "[Setup]\r\nedtCopy1=" + JoinPath(s.root, "Backup\\") + "\r\nlblCopy1=令和08年12月8日(火) 09:05 退避\r\n"
      "edtCopy3=" + JoinPath(s.root, "Backup\\") + "\r\n");
  return s;
}

DataPlace PlaceOf(const Sample& s) {
  DataPlace place;
  place.programFolder = s.program;
  place.folders.programFolder = place.folders.dataRoot = s.program;
  place.folders.dataFolder = JoinPath(s.program, "Data\\Files1\\");
  place.folders.commonDataFolder = JoinPath(s.program, "Data\\");
  return place;
}

class PreviewMain : public SetupMainWindow {
 public:
  void SavePendingData() override { Say("save pending data"); }
  bool AutoBackupRunning() override { return false; }
  bool Busy() override { return false; }
  void RecordEnd() override { Say("record end"); }
  static void Say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
  }
};

// Closes whichever of the preview's windows is up.
void CALLBACK CloseAfter(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  for (const wchar_t* cls : {kSetupWindowClass, kCleanupWindowClass})
    if (HWND w = FindWindowW(cls, nullptr)) PostMessageW(w, WM_CLOSE, 0, 0);
}

int ShowPage(platform::NativeServices& native, const Sample& sample, const std::string& page) {
  platform::Services& os = native.services();
  PreviewMain main;
  calendar::DayClassifier days;
  days.SetHolidayList({"1,1,元日", "3,20,春分の日", "5,3,憲法記念日"});
  store::NetworkLink network;
  SetupWindowArgs args;
  args.os = &os;
  args.dialogs = &native.dialogs();
  args.main = &main;
  args.settingsFile = sample.program + "Velda.ini";
  args.place = PlaceOf(sample);
  args.setup.sourceFolder = sample.program;
  args.days = &days;
  args.shownMonth = [] { return calendar::Date{2004, 3, 1}; };
  args.network = &network;
  args.commemoration = {"かえで記念機能", "かえで記念機能", true, "", true, true, false, store::kClTeal};
  const auto result = ShowSetupWindow(kPages.at(page), args);
  if (!result) return 2;
  std::printf("ending %d, command line %s\n", static_cast<int>(result->ending), result->commandLine.c_str());
  return 0;
}

int ShowCleanup(platform::NativeServices& native, const Sample& sample, bool folder) {
  CleanupContext context{nullptr, &native.services(), &native.dialogs(),
                         [&sample] { return CleanupGuard{sample.program, sample.program}; }};
  const std::string work = JoinPath(sample.root, "VeldaWork\\");
  Put(native.services().fs, work, "localfol.kdf", "[Set]\r\nFirst=1\r\n");
  Put(native.services().fs, sample.root, "VeldaSetup910.exe", "archive");
  auto offer = folder ? WorkFolderDeletionOffer(context) : ArchiveDeletionOffer(context);
  offer(folder ? work : JoinPath(sample.root, "VeldaSetup910.exe"));
  return 0;
}

// Answers every question with its default, or Yes where the restore asks.
class AnsweringDialogs : public platform::Dialogs {
 public:
  platform::MsgResult Ask(const platform::Message& m) override {
    std::printf("  [%s]\n", platform::Narrow(platform::Widen(m.text)).c_str());
    return m.buttons == platform::MsgButtons::YesNo ? platform::MsgResult::Yes : platform::DefaultAnswer(m);
  }
};

class TimingHost : public MaintenanceHost {
 public:
  explicit TimingHost(HWND owner) : owner_(owner) {}
  void SavePendingData() override {}
  void SaveWindowKeys() override {}
  platform::WindowHandle ProgressOwner() override { return reinterpret_cast<platform::WindowHandle>(owner_); }

 private:
  HWND owner_;
};

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

long long Milliseconds(std::chrono::steady_clock::time_point since) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - since).count();
}

// Every month file of the years, byte for byte, in `copy`.
bool AllMonthsIn(platform::FileSystem& fs, const std::string& data, const std::string& copy) {
  int months = 0;
  for (const platform::DirEntry& e : platform::ListNamed(fs, data, "Ca######.kdf")) {
    if (fs.ReadAll(JoinPath(data, e.name)) != fs.ReadAll(JoinPath(copy, e.name))) return false;
    ++months;
  }
  return months > 0;
}

int TimeCopies(platform::NativeServices& native, int years) {
  platform::FileSystem& fs = native.services().fs;
  const Sample sample = MakeSample(fs, years, 1977);
  const int months = years * 12;
  AnsweringDialogs dialogs;
  platform::Services os{fs, dialogs, native.services().clock, native.services().system, native.services().shell,
                        native.services().clipboard};
  HWND owner = CreateWindowExW(0, L"STATIC", L"楓帳 -Velda-", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40, 400, 120,
                               nullptr, nullptr, nullptr, nullptr);
  TimingHost host(owner);
  SetupWindowKeys keys = Defaults(SetupWindowKeyRows());
  keys.edtCopy1 = keys.edtCopy3 = JoinPath(sample.root, "Backup\\");
  const DataPlace place = PlaceOf(sample);
  for (int round = 1; round <= 2; ++round) {
    Pump();
    auto start = std::chrono::steady_clock::now();
    const CopyOutcome backup = BackupData(os, host, place, keys, 1);
    std::printf("backup %d of %d month files: %s in %lld ms, %s\n", round, months,
                backup == CopyOutcome::Done ? "done" : "FAILED", Milliseconds(start),
                AllMonthsIn(fs, place.folders.dataFolder, keys.edtCopy1) ? "every month in it" : "MONTHS MISSING");
    Pump();
    start = std::chrono::steady_clock::now();
    const CopyOutcome restore = RestoreData(os, host, place, keys);
    std::printf("restore %d of %d month files: %s in %lld ms\n", round, months,
                restore == CopyOutcome::Done ? "done" : "FAILED", Milliseconds(start));
  }
  DestroyWindow(owner);
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  std::string page = "backup";
  int seconds = 0, years = 50;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = platform::Narrow(argv[i]);
    if (arg == "--seconds" && i + 1 < argc) seconds = _wtoi(argv[++i]);
    else if (arg == "--years" && i + 1 < argc) years = _wtoi(argv[++i]);
    else page = arg;
  }
  platform::NativeServices native;
  if (page == "time") return TimeCopies(native, years);
  if (seconds > 0) SetTimer(nullptr, kCloseAfter, static_cast<UINT>(seconds) * 1000, CloseAfter);
  const Sample sample = MakeSample(native.services().fs, 2, 2025);
  if (page == "cleanup-file" || page == "cleanup-folder") return ShowCleanup(native, sample, page == "cleanup-folder");
  if (!kPages.count(page)) return 1;
  return ShowPage(native, sample, page);
}
