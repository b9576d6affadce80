// The setup window under Wine, driven as a person would through its
// controls while it runs modally: back up fifty years of months and
// restore them, install into a new folder with the shell's own shortcuts,
// the hosted pages closing it, and the clean-up window.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>
#include <shobjidl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <deque>
#include <functional>
#include <utility>

#include "platform/native_services.h"
#include "settings/commemoration_page_win.h"
#include "settings/dpi_test_fixture_win.h"
#include "settings/export_page_win.h"
#include "settings/special_day_page_win.h"
#include "platform/text_win.h"
#include "settings/cleanup_window_win.h"
#include "settings/generation_backup_testutil.h"
#include "settings/page_controls_win.h"
#include "settings/setup_panels_win.h"
#include "settings/setup_test_fixture.h"
#include "settings/setup_window_win.h"
#include "store/data_folders.h"
#include "support/cp932.h"

namespace settings {
namespace {

using platform::MsgResult;
using support::JoinPath;
using Tree = std::map<std::string, std::string>;

// Steps run one per tick of a thread timer, inside the window's own loop.
std::deque<std::function<void()>> gSteps;

void CALLBACK RunStep(HWND, UINT, UINT_PTR timer, DWORD) {
  if (gSteps.empty()) {
    KillTimer(nullptr, timer);
    return;
  }
  auto step = std::move(gSteps.front());
  gSteps.pop_front();
  step();
}

// A script that does not close its window must not hang the run.
UINT_PTR gWatchdog = 0;

void CALLBACK CloseLeftWindows(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  for (const wchar_t* cls : {kSetupWindowClass, kCleanupWindowClass})
    if (HWND w = FindWindowW(cls, nullptr)) {
      ADD_FAILURE() << "a window was left open";
      PostMessageW(w, WM_CLOSE, 0, 0);
    }
}

void Script(std::initializer_list<std::function<void()>> steps) {
  if (gWatchdog) KillTimer(nullptr, gWatchdog);
  gSteps.assign(steps.begin(), steps.end());
  SetTimer(nullptr, 0, 150, RunStep);
  gWatchdog = SetTimer(nullptr, 0, 120 * 1000, CloseLeftWindows);
}

HWND Top(const wchar_t* cls) { return FindWindowW(cls, nullptr); }
HWND Panel(const wchar_t* cls) { return FindWindowExW(Top(kSetupWindowClass), nullptr, cls, nullptr); }
HWND Control(HWND parent, const char* caption) {
  return FindWindowExW(parent, nullptr, nullptr, platform::Widen(caption).c_str());
}
void Click(HWND parent, const char* caption) {
  HWND button = Control(parent, caption);
  ASSERT_NE(button, nullptr) << caption;
  SendMessageW(button, BM_CLICK, 0, 0);
}
void Type(HWND parent, int id, const std::string& text) {
  SetWindowTextW(GetDlgItem(parent, id), platform::Widen(text).c_str());
}

std::string LinkTarget(const std::string& link) {
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  IShellLinkW* shell = nullptr;
  std::string target;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&shell)))) {
    IPersistFile* file = nullptr;
    wchar_t path[MAX_PATH]{};
    if (SUCCEEDED(shell->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(platform::Widen(link).c_str(), STGM_READ)) &&
        SUCCEEDED(shell->GetPath(path, MAX_PATH, nullptr, 0)))
      target = platform::Narrow(path);
    if (file) file->Release();
    shell->Release();
  }
  CoUninitialize();
  return target;
}

class SetupWindowTest : public SetupWorld, public SetupMainWindow {
 protected:
  SetupWindowTest() {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    program = Folder("Velda");
    Put(program, "Velda.exe", "the program");
    Put(program, "HDay.dat", "1,1,元日\r\n");
    args.os = &os;
    args.main = this;
    args.settingsFile = program + "Velda.ini";
    args.place.programFolder = program;
    args.place.folders.programFolder = args.place.folders.dataRoot = program;
    args.place.folders.dataFolder = store::DataSetFolder(program, 1);
    args.place.folders.commonDataFolder = JoinPath(program, "Data\\");
    args.setup.sourceFolder = program;
    args.network = &network;
  }
  ~SetupWindowTest() override {
    gSteps.clear();
    if (gWatchdog) KillTimer(nullptr, std::exchange(gWatchdog, 0));
  }

  void SavePendingData() override { ++saves; }
  bool AutoBackupRunning() override { return false; }
  bool Busy() override { return false; }
  void RecordEnd() override { ++ends; }

  std::string program;
  store::NetworkLink network;
  SetupWindowArgs args;
  int saves = 0;
  int ends = 0;
};

TEST_F(SetupWindowTest, BackUpFiftyYearsThenRestoreThemByteForByte) {
  WriteMonthFiles(fs, store::DataSetFolder(program, 1), 601, 30, 2000);
  Put(JoinPath(program, "Data\\"), "CaMemo.kdf", "memo\r\n");
  const std::string backup = Folder("Backup");
  const Tree before = TreeOf(fs, JoinPath(program, "Data\\"));
  Answer({MsgResult::Ok, MsgResult::Yes, MsgResult::Yes, MsgResult::Ok});
  long long backupMs = 0, restoreMs = 0;
  auto timed = [](long long& ms, const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  };
  Script({[&] {
            HWND page = Panel(kBackupPageClass);
            ASSERT_NE(page, nullptr);
            EXPECT_EQ(Panel(L"TKakidashiPage"), nullptr);  // the backup menu leaves the export out
            Type(page, BackupPanel::kSlotFieldId, backup);
            timed(backupMs, [&] { SendMessageW(GetDlgItem(page, BackupPanel::kSlotRunId), BM_CLICK, 0, 0); });
          },
          [&] {
            Put(store::DataSetFolder(program, 1), "Ca200001.kdf", "an entry added after the backup\r\n");
            HWND page = Panel(kBackupPageClass);
            Click(page, "①「データ回復」をオン");
            EXPECT_TRUE(IsWindowEnabled(GetDlgItem(page, BackupPanel::kRestoreRunId)));
            Type(page, BackupPanel::kRestoreFieldId, backup);
            timed(restoreMs, [&] { SendMessageW(GetDlgItem(page, BackupPanel::kRestoreRunId), BM_CLICK, 0, 0); });
          }});
  const auto result = ShowSetupWindow(SetupPage::Backup, args);
  ASSERT_TRUE(result);
  std::printf("through the window, 601 month files: backup %lld ms, restore %lld ms\n", backupMs, restoreMs);
  EXPECT_EQ(result->ending, SetupEnding::EndProgram);
  EXPECT_EQ(Texts().front(), "データ退避作業を終了しました。");
  EXPECT_EQ(TreeOf(fs, JoinPath(program, "Data\\")), before);
  EXPECT_EQ(TreeOf(fs, backup).size(), 602u);
  EXPECT_EQ(saves, 2);
  EXPECT_EQ(ends, 1);
  const std::string ini = Read(args.settingsFile);
  EXPECT_NE(ini.find(support::Utf8ToCp932("lblCopy1=令和")), std::string::npos);
  EXPECT_NE(ini.find("edtCopy3=" + backup), std::string::npos);
}

TEST_F(SetupWindowTest, InstallIntoANewFolderWithTheShellsShortcuts) {
  auto realShell = platform::CreateNativeShell();
  platform::Services real{fs, fake.dialogs, fake.clock, fake.system, *realShell, fake.clipboard};
  args.os = &real;
  for (int csidl : {7, 16, 11, 2, 26, 40}) fake.system.specialFolders[csidl] = Folder("Special" + std::to_string(csidl));
  const std::string target = JoinPath(temp.path(), "Installed\\");
  Answer({MsgResult::Yes, MsgResult::Ok, MsgResult::Ok});
  Script({[&] {
    HWND page = Panel(kInstallPageClass);
    ASSERT_NE(page, nullptr);
    Click(page, kSetupFolderChoiceCaptions[3]);
    Type(page, InstallPanel::kFieldId, target);
    Click(page, kStartSetupCaption);
  }});
  const auto result = ShowSetupWindow(SetupPage::Install, args);
  ASSERT_TRUE(result);
  ASSERT_EQ(result->ending, SetupEnding::Restart) << ::testing::PrintToString(Texts());
  EXPECT_EQ(result->commandLine, "\"" + target + "Velda.exe\" /F /2");
  EXPECT_EQ(Read(target + "Velda.exe"), "the program");
  EXPECT_TRUE(Exists(store::DataSetFolder(target, 1)));
  for (int csidl : {16, 2}) {
    const std::string link = fake.system.specialFolders[csidl] + "楓帳.lnk";
    ASSERT_TRUE(Exists(link)) << link;
    EXPECT_TRUE(support::EqualsIgnoreCase(LinkTarget(link), target + "Velda.exe")) << LinkTarget(link);
  }
  EXPECT_FALSE(Exists(fake.system.specialFolders[7] + "楓帳.lnk"));
  EXPECT_EQ(ends, 1);
  EXPECT_NE(Read(args.settingsFile).find("edtSetup=" + target), std::string::npos);
}

TEST_F(SetupWindowTest, HostedPagesCloseTheWindowThemselves) {
  Put(JoinPath(program, "Data\\"), "Sday.kdf", "1990,,5,14,,,記念日\r\n");
  Script({[&] {
    HWND page = Panel(L"TKinenPage");
    ASSERT_NE(page, nullptr);
    Click(page, "記念日を優先する");
    Click(page, "適用(&W)");
  }});
  auto result = ShowSetupWindow(SetupPage::Commemoration, args);
  ASSERT_TRUE(result);
  EXPECT_TRUE(result->commemorationApplied);
  EXPECT_TRUE(result->commemoration.pCcbYuusen);
  EXPECT_FALSE(result->reloadNeeded);

  Script({[&] { Click(Panel(L"TKinenbiPage"), "キャンセル(&Q)"); }});
  result = ShowSetupWindow(SetupPage::SpecialDays, args);
  ASSERT_TRUE(result);
  EXPECT_FALSE(result->specialDaysWritten);
  EXPECT_EQ(result->ending, SetupEnding::Closed);

  // The export opening shows its sub-page in front of the backup.
  calendar::DayClassifier days;
  args.days = &days;
  args.shownMonth = [] { return calendar::Date{2026, 12, 1}; };
  Script({[&] {
    EXPECT_TRUE(IsWindowVisible(Panel(L"TKakidashiPage")));
    EXPECT_FALSE(IsWindowVisible(Panel(kBackupPageClass)));
    PostMessageW(Top(kSetupWindowClass), WM_CLOSE, 0, 0);
  }});
  ASSERT_TRUE(ShowSetupWindow(SetupPage::Export, args));
}

// Moved to monitors of 144 and then 192 DPI, the window takes the
// rectangle the system suggests; every page, shown or not, lays its
// controls out from their 96-DPI places with fonts for that DPI, and the
// page shown lies whole inside its tab.
TEST_F(SetupWindowTest, EveryPageFollowsTheDpiOfTheMonitorItIsMovedTo) {
  if (platform::SystemDpi() != 96) GTEST_SKIP() << "laid out at 96 DPI first";
  Put(JoinPath(program, "Data\\"), "Sday.kdf", "1990,,5,14,,,記念日\r\n");
  calendar::DayClassifier days;
  args.days = &days;
  args.shownMonth = [] { return calendar::Date{2026, 12, 1}; };
  const std::pair<SetupPage, std::vector<const wchar_t*>> openings[] = {
      {SetupPage::Export, {kBackupPageClass, kExportPageClass, kInstallPageClass, kShortcutPageClass}},
      {SetupPage::Commemoration, {kCommemorationPageClass}},
      {SetupPage::SpecialDays, {kSpecialDayPageClass}}};
  for (const auto& [page, panels] : openings) {
    Script({[&, &panels = panels] {
      HWND window = Top(kSetupWindowClass);
      HWND tabs = FindWindowExW(window, nullptr, WC_TABCONTROLW, nullptr);
      std::vector<std::vector<dpi_test::Laid>> at96;
      for (const wchar_t* cls : panels) {
        ASSERT_NE(Panel(cls), nullptr);
        at96.push_back(dpi_test::ChildrenOf(Panel(cls)));
      }
      HWND table = FindWindowExW(Panel(panels.front()), nullptr, WC_LISTVIEWW, nullptr);
      const int textColumn96 = table ? ListView_GetColumnWidth(table, 7) : 0;
      RECT outer{};
      GetWindowRect(window, &outer);
      for (int dpi : {144, 192}) {
        EXPECT_TRUE(dpi_test::MoveToDpi(window, outer, dpi));
        EXPECT_EQ(dpi_test::FontHeightOf(tabs), -platform::ScaleToDpi(kPageFontHeight96, dpi));
        for (std::size_t i = 0; i < panels.size(); ++i) {
          dpi_test::ExpectScaledFrom(at96[i], dpi, kPageFontHeight96);
          if (IsWindowVisible(Panel(panels[i]))) dpi_test::ExpectNothingClipped(Panel(panels[i]));
        }
        if (table) {
          EXPECT_EQ(ListView_GetColumnWidth(table, 7), platform::ScaleToDpi(textColumn96, dpi));
        }
      }
      PostMessageW(window, WM_CLOSE, 0, 0);
    }});
    ASSERT_TRUE(ShowSetupWindow(page, args));
  }
}

// The clean-up window likewise.
TEST_F(SetupWindowTest, TheCleanUpWindowFollowsTheDpiOfTheMonitor) {
  if (platform::SystemDpi() != 96) GTEST_SKIP() << "laid out at 96 DPI first";
  const CleanupContext context{nullptr, &os, nullptr, [this] { return CleanupGuard{program, program}; }};
  Script({[] {
    HWND window = Top(kCleanupWindowClass);
    const auto at96 = dpi_test::ChildrenOf(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    for (int dpi : {144, 192}) {
      EXPECT_TRUE(dpi_test::MoveToDpi(window, outer, dpi));
      dpi_test::ExpectScaledFrom(at96, dpi, kPageFontHeight96);
      dpi_test::ExpectNothingClipped(window);
    }
    Click(window, kCleanupNoCaption);
  }});
  WorkFolderDeletionOffer(context)(Folder("Temp/VeldaWork"));
}

TEST_F(SetupWindowTest, TheCleanUpWindowDeletesTheWorkFolderOnlyOnYes) {
  const std::string work = Folder("Temp/VeldaWork");
  Put(work, "localfol.kdf", "[Set]\r\n");
  const CleanupContext context{nullptr, &os, nullptr, [this] { return CleanupGuard{program, program}; }};
  Script({[] {
    HWND window = Top(kCleanupWindowClass);
    ASSERT_NE(window, nullptr);
    wchar_t title[128]{};
    GetWindowTextW(window, title, 128);
    EXPECT_EQ(platform::Narrow(title), "「楓歌」 Ver9.1.0　ワークフォルダ削除（確認）");
    Click(window, kCleanupNoCaption);
  }});
  WorkFolderDeletionOffer(context)(work);
  EXPECT_TRUE(Exists(work + "localfol.kdf"));
  Script({[] { Click(Top(kCleanupWindowClass), kCleanupYesCaption); }});
  WorkFolderDeletionOffer(context)(work);
  EXPECT_FALSE(Exists(work));
  EXPECT_EQ(Texts(), std::vector<std::string>{"フォルダ[ " + work + " ]を削除しました。"});
}

}  // namespace
}  // namespace settings
