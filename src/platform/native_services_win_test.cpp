#include <windows.h>

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/native_services.h"
#include "platform/system_win.h"
#include "platform/text_win.h"
#include "support/cp932.h"

namespace platform {
namespace {

class NativeWin : public testing::Test {
 protected:
  NativeServices native;
  Services& s = native.services();
};

// Japanese text must survive whatever the ANSI code page is (Wine's
// default is 1252), and older programs reading CF_TEXT must get CP932.
TEST_F(NativeWin, ClipboardRoundTripsJapaneseInBothFormats) {
  const std::string text = "12月8日(火)\r\n会議，準備①";
  ASSERT_TRUE(s.clipboard.SetText(text));
  EXPECT_EQ(s.clipboard.GetText(), text);

  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  HANDLE ansi = GetClipboardData(CF_TEXT);
  ASSERT_NE(ansi, nullptr);
  std::string bytes(static_cast<const char*>(GlobalLock(ansi)));
  GlobalUnlock(ansi);
  CloseClipboard();
  EXPECT_EQ(bytes, support::Utf8ToCp932(text));
}

TEST_F(NativeWin, EmptyClipboardHasNoText) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  CloseClipboard();
  EXPECT_EQ(s.clipboard.GetText(), std::nullopt);
}

TEST_F(NativeWin, SpecialFoldersResolveWithSeparator) {
  for (int csidl : {kStartupFolder, kAppDataFolder, kProfileFolder, kDesktopFolder,
                    kProgramsMenuFolder}) {
    std::string folder = s.system.SpecialFolder(csidl);
    ASSERT_FALSE(folder.empty()) << csidl;
    EXPECT_EQ(folder.back(), '\\') << csidl;
  }
  EXPECT_TRUE(s.fs.IsFolder(s.system.SpecialFolder(kAppDataFolder)));
  EXPECT_EQ(s.system.SpecialFolder(0x7777), "");
}

TEST_F(NativeWin, SystemFacts) {
  std::string windows = s.system.WindowsFolder();
  ASSERT_GT(windows.size(), 3u);
  EXPECT_EQ(windows[1], ':');
  EXPECT_EQ(windows.back(), '\\');
  EXPECT_TRUE(s.fs.Exists(s.system.ProgramFolder() + "platform_test.exe"));
  EXPECT_FALSE(s.system.ComputerName().empty());
  EXPECT_FALSE(s.system.UserName().empty());
  EXPECT_GE(s.system.Version().major, 6);
  EXPECT_GT(s.system.ShellMajorVersion(), 4);
}

TEST(LibraryVersion, MissingLibraryOrExportGivesZero) {
  EXPECT_GT(LibraryMajorVersion(L"shell32.dll"), 4);
  EXPECT_EQ(LibraryMajorVersion(L"kernel32.dll"), 0);  // no DllGetVersion
  EXPECT_EQ(LibraryMajorVersion(L"no-such-library-velda.dll"), 0);
}

TEST_F(NativeWin, ClockMatchesTheSystemAndMovesOn) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  DateTime t = s.clock.Now();
  EXPECT_EQ(t.year, now.wYear);
  EXPECT_EQ(t.month, now.wMonth);
  std::uint64_t before = s.clock.TickMs();
  s.clock.Sleep(30);
  EXPECT_GE(s.clock.TickMs(), before + 15);
}

TEST_F(NativeWin, StatusTextGoesToTheSink) {
  std::string seen;
  native.dialogs().SetStatusSink([&](const std::string& t) { seen = t; });
  s.dialogs.SetStatusText("[Ca200403.kdf]書込権限取得のため待機中");
  EXPECT_EQ(seen, "[Ca200403.kdf]書込権限取得のため待機中");
}

TEST_F(NativeWin, ShortcutIsWritten) {
  TempFolder dir;
  ShortcutSpec spec{dir / "楓帳.lnk", s.system.ProgramFolder() + "platform_test.exe", "/2",
                    s.system.ProgramFolder(), "楓帳"};
  ASSERT_TRUE(s.shell.CreateShortcut(spec));
  EXPECT_TRUE(s.fs.Exists(dir / "楓帳.lnk"));
}

TEST_F(NativeWin, ProgramsStartOrReportFailure) {
  EXPECT_TRUE(s.shell.StartProgram("cmd.exe /c exit 0", ""));
  EXPECT_FALSE(s.shell.StartProgram("no-such-program-velda.exe", ""));
  EXPECT_FALSE(s.shell.Open("C:\\no\\such\\document-velda.txt", SW_SHOWNORMAL));
}

TEST_F(NativeWin, WindowsAreFoundByClassAndTitleAndReceivePosts) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"TfmC21Test";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, L"TfmC21Test", L"楓帳 - Velda -", WS_OVERLAPPEDWINDOW, 0, 0,
                                100, 100, nullptr, nullptr, wc.hInstance, nullptr);
  ASSERT_NE(window, nullptr);
  auto handle = reinterpret_cast<WindowHandle>(window);
  EXPECT_EQ(s.shell.FindTopWindow("TfmC21Test", "楓帳 - Velda -"), handle);
  EXPECT_EQ(s.shell.FindTopWindow("", "楓帳 - Velda -"), handle);
  EXPECT_EQ(s.shell.FindTopWindow("TApplication", "楓帳 - Velda -"), 0u);

  ASSERT_TRUE(s.shell.PostMessage(handle, 0x0500, 7, 9));
  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, window, 0x0500, 0x0500, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_FALSE(s.shell.BringToFront(0));
  DestroyWindow(window);
}

}  // namespace
}  // namespace platform
