// The notification-area icon and the global hot keys as the system gives
// them under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/hotkeys_win.h"
#include "platform/tray_icon_win.h"

namespace platform {
namespace {

HWND MessageWindow() {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = DefWindowProcW;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = L"VeldaNotifyTest";
  RegisterClassExW(&wc);
  return CreateWindowExW(0, wc.lpszClassName, L"n", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                         nullptr, wc.hInstance, nullptr);
}

TEST(GlobalHotkeysTest, ATakenKeyIsRefusedAndReleasedKeysCanBeTakenAgain) {
  HWND a = MessageWindow(), b = MessageWindow();
  {
    GlobalHotkeys first(a);
    ASSERT_TRUE(first.Register(123, MOD_CONTROL, VK_F12));
    GlobalHotkeys second(b);
    EXPECT_FALSE(second.Register(123, MOD_CONTROL, VK_F12));  // the key is taken
    EXPECT_TRUE(second.held().empty());
    EXPECT_TRUE(first.Unregister(123));
    EXPECT_FALSE(first.Unregister(123));  // not held any more
    EXPECT_TRUE(second.Register(123, MOD_CONTROL, VK_F12));
  }  // both released here
  GlobalHotkeys third(a);
  EXPECT_TRUE(third.Register(123, MOD_CONTROL, VK_F12));
  DestroyWindow(b);
  DestroyWindow(a);
}

TEST(TrayIconTest, AddBalloonAndRemove) {
  HWND owner = MessageWindow();
  TrayIcon icon;
  icon.Configure({owner, 1, WM_APP + 1, nullptr, "楓帳"});
  EXPECT_FALSE(icon.visible());
  if (!icon.TryAdd()) GTEST_SKIP() << "no notification area here";
  EXPECT_TRUE(icon.visible());
  EXPECT_TRUE(icon.TryAdd());  // again: modified, still one icon
  EXPECT_TRUE(icon.TryShowBalloon("2026/12/8 (火) 9 : 5", "\r\n会議\r\n歯医者", 30000));
  EXPECT_TRUE(icon.TryHideBalloon());
  EXPECT_TRUE(icon.TryRemove());
  EXPECT_FALSE(icon.visible());
  EXPECT_NE(TrayIcon::TaskbarCreatedMessage(), 0u);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace platform
