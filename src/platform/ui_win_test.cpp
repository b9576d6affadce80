#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/fonts_win.h"
#include "platform/foreground_win.h"
#include "platform/text_win.h"
#include "platform/wait_window_win.h"
#include "support/utf8.h"

namespace platform {
namespace {

TEST(Fonts, ChosenFacesComeFromTheirLists) {
  const std::wstring& ui = ChooseUiFontFace();
  std::printf("UI font: %s, fixed font: %s\n", Narrow(ui).c_str(),
              Narrow(ChooseFixedFontFace()).c_str());
  EXPECT_TRUE(ui == L"Meiryo UI" || ui == L"Yu Gothic UI" || ui == L"MS UI Gothic" ||
              ui == L"Noto Sans CJK JP" || ui == L"IPAexGothic" || ui == L"VL Gothic");
  const std::wstring& fixed = ChooseFixedFontFace();
  EXPECT_TRUE(fixed == L"MS Gothic" || fixed == L"Noto Sans Mono CJK JP" || fixed == L"IPAGothic");
}

int CALLBACK KeepFirstFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM out) {
  *reinterpret_cast<std::wstring*>(out) = font->lfFaceName;
  return 0;
}

TEST(Fonts, FirstInstalledSkipsMissingFacesAndFallsBack) {
  EXPECT_EQ(FirstInstalledFace({L"No Such Face Velda"}, L"Fallback"), L"Fallback");
  EXPECT_FALSE(IsFontInstalled(L"No Such Face Velda"));
  std::wstring installed;
  LOGFONTW any{};
  any.lfCharSet = DEFAULT_CHARSET;
  HDC screen = GetDC(nullptr);
  EnumFontFamiliesExW(screen, &any, KeepFirstFamily, reinterpret_cast<LPARAM>(&installed), 0);
  ReleaseDC(nullptr, screen);
  ASSERT_FALSE(installed.empty());
  EXPECT_EQ(FirstInstalledFace({L"No Such Face Velda", installed.c_str()}, L"Fallback"), installed);
}

TEST(AnsiText, GivesValidUtf8ForEveryByte) {
  for (int b = 1; b < 256; ++b) {
    std::string one(1, static_cast<char>(b));
    EXPECT_TRUE(support::IsValidUtf8(AnsiToUtf8(one))) << b;
  }
  EXPECT_EQ(AnsiToUtf8("Velda 2026"), "Velda 2026");
  if (GetACP() == 932) {
    EXPECT_EQ(AnsiToUtf8("\x82\xa0\x8a\xbf"), "あ漢");
  } else if (GetACP() == 1252) {
    EXPECT_EQ(AnsiToUtf8("caf\xe9"), "café");
  }
}

HWND MakeWindow(HWND owner) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VeldaForegroundTest";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"t", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                         200, 100, owner, nullptr, wc.hInstance, nullptr);
}

TEST(Foreground, OwnWindowsAndTheirOwnedPopupsCount) {
  HWND main = MakeWindow(nullptr);
  HWND popup = MakeWindow(main);
  HWND other = MakeWindow(nullptr);
  SetForegroundWindow(popup);
  if (GetForegroundWindow() != popup) GTEST_SKIP() << "no foreground control here";
  EXPECT_TRUE(IsOwnWindowForeground(main));
  EXPECT_TRUE(IsOwnWindowForeground(popup));
  EXPECT_FALSE(IsOwnWindowForeground(other));
  EXPECT_FALSE(IsOwnWindowForeground(nullptr));
  DestroyWindow(other);
  DestroyWindow(popup);
  DestroyWindow(main);
}

TEST(WaitWindowTest, SitsTopRightAndBlinks) {
  WaitWindow wait;
  ASSERT_TRUE(wait.Show());
  EXPECT_TRUE(wait.visible());
  RECT work{}, rc{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(wait.hwnd(), &rc);
  EXPECT_EQ(rc.right, work.right);
  EXPECT_EQ(rc.top, work.top);
  EXPECT_GT(rc.right - rc.left, 60);
  wchar_t title[32];
  GetWindowTextW(wait.hwnd(), title, 32);
  EXPECT_EQ(Narrow(title), "少々お待ちください");

  EXPECT_FALSE(wait.dimmed());
  SendMessageW(wait.hwnd(), WM_TIMER, 1, 0);
  EXPECT_TRUE(wait.dimmed());
  SendMessageW(wait.hwnd(), WM_TIMER, 1, 0);
  EXPECT_FALSE(wait.dimmed());
  wait.Hide();
  EXPECT_FALSE(wait.visible());
  ASSERT_TRUE(wait.Show());
  EXPECT_TRUE(wait.visible());
}

TEST(WaitWindowTest, ATitledOneShowsItsTextUnderItsTitleBar) {
  WaitWindow wait(L"処理中", L"楓帳 -Velda-");
  ASSERT_TRUE(wait.Show());
  wchar_t title[32];
  GetWindowTextW(wait.hwnd(), title, 32);
  EXPECT_EQ(Narrow(title), "楓帳 -Velda-");
  EXPECT_EQ(GetWindowLongW(wait.hwnd(), GWL_STYLE) & WS_CAPTION, static_cast<LONG>(WS_CAPTION));
  RECT client{};
  GetClientRect(wait.hwnd(), &client);
  EXPECT_GT(client.bottom, 0);
}

}  // namespace
}  // namespace platform
