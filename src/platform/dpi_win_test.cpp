#include "platform/dpi_win.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "platform/window_win.h"

namespace platform {
namespace {

// ---- the older path: no per-monitor functions at all (Windows 7, 8) ------

TEST(DpiFallback, EveryQueryAnswersWithTheScreensDpi) {
  const DpiFunctions none{};
  const int screen = ScreenDpi();
  HWND desktop = GetDesktopWindow();
  EXPECT_EQ(SystemDpi(none), screen);
  EXPECT_EQ(WindowDpi(desktop, none), screen);
  EXPECT_EQ(WindowDpi(nullptr, none), screen);
  EXPECT_EQ(DpiAtPoint({10, 10}, none), screen);
  EXPECT_FALSE(DeclarePerMonitorDpiAwareness(none));
  EnableNonClientScaling(desktop, none);  // nothing to call, nothing happens
}

TEST(DpiFallback, FramesComeFromAdjustWindowRectEx) {
  const DpiFunctions none{};
  const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME;
  RECT expected{0, 0, 300, 200};
  AdjustWindowRectEx(&expected, style, FALSE, WS_EX_DLGMODALFRAME);
  const RECT got = AdjustWindowRectForDpi({0, 0, 300, 200}, style, WS_EX_DLGMODALFRAME, 192, none);
  EXPECT_EQ(got.left, expected.left);
  EXPECT_EQ(got.top, expected.top);
  EXPECT_EQ(got.right, expected.right);
  EXPECT_EQ(got.bottom, expected.bottom);
  const SIZE outer = OuterSizeForClient(150, 100, style, WS_EX_DLGMODALFRAME, 192, none);
  EXPECT_EQ(outer.cx, expected.right - expected.left);  // 150 at 192 DPI is 300
  EXPECT_EQ(outer.cy, expected.bottom - expected.top);
}

TEST(DpiFallback, MetricsScaleFromTheSystemDpi) {
  const DpiFunctions none{};
  const int screen = ScreenDpi();
  EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, screen, none), GetSystemMetrics(SM_CXSMICON));
  EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, 2 * screen, none), 2 * GetSystemMetrics(SM_CXSMICON));
  const SIZE icon = SmallIconSize(2 * screen, none);
  EXPECT_EQ(icon.cx, 2 * GetSystemMetrics(SM_CXSMICON));
}

// ---- the newer path, through functions of the test's own ------------------

UINT lastDpiAsked = 0;
UINT WINAPI Dpi144(HWND) { return 144; }
UINT WINAPI DpiZero(HWND) { return 0; }
UINT WINAPI System120() { return 120; }
HRESULT WINAPI MonitorFails(HMONITOR, int, UINT*, UINT*) { return E_FAIL; }
HRESULT WINAPI Monitor168(HMONITOR, int, UINT* x, UINT* y) {
  *x = *y = 168;
  return S_OK;
}
BOOL WINAPI AdjustByDpi(RECT* r, DWORD, BOOL, DWORD, UINT dpi) {
  lastDpiAsked = dpi;
  InflateRect(r, static_cast<int>(dpi) / 24, static_cast<int>(dpi) / 24);
  return TRUE;
}
BOOL WINAPI AdjustRefuses(RECT*, DWORD, BOOL, DWORD, UINT) { return FALSE; }
int WINAPI MetricByDpi(int, UINT dpi) { return static_cast<int>(dpi) / 6; }

TEST(DpiFunctionsUsed, WhenPresentTheyAnswer) {
  DpiFunctions f;
  f.getDpiForWindow = Dpi144;
  f.getDpiForSystem = System120;
  f.getDpiForMonitor = Monitor168;
  f.adjustWindowRectExForDpi = AdjustByDpi;
  f.getSystemMetricsForDpi = MetricByDpi;
  EXPECT_EQ(WindowDpi(GetDesktopWindow(), f), 144);
  EXPECT_EQ(WindowDpi(nullptr, f), 120);  // no window: the system's
  EXPECT_EQ(SystemDpi(f), 120);
  EXPECT_EQ(DpiAtPoint({0, 0}, f), 168);
  const RECT r = AdjustWindowRectForDpi({0, 0, 100, 100}, WS_OVERLAPPEDWINDOW, 0, 192, f);
  EXPECT_EQ(lastDpiAsked, 192u);
  EXPECT_EQ(r.left, -8);
  EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, 144, f), 24);
}

TEST(DpiFunctionsUsed, BadAnswersFallBack) {
  DpiFunctions f;
  f.getDpiForWindow = DpiZero;       // a window of another process, a failed call
  f.getDpiForSystem = System120;
  f.getDpiForMonitor = MonitorFails;
  f.adjustWindowRectExForDpi = AdjustRefuses;
  EXPECT_EQ(WindowDpi(GetDesktopWindow(), f), 120);
  EXPECT_EQ(DpiAtPoint({0, 0}, f), 120);
  RECT expected{0, 0, 100, 100};
  AdjustWindowRectEx(&expected, WS_OVERLAPPEDWINDOW, FALSE, 0);
  EXPECT_EQ(AdjustWindowRectForDpi({0, 0, 100, 100}, WS_OVERLAPPEDWINDOW, 0, 144, f).top, expected.top);
}

TEST(DpiFunctionsUsed, ThisSystemsTableIsUsable) {
  const DpiFunctions& f = SystemDpiFunctions();
  std::printf("GetDpiForWindow %s, GetDpiForMonitor %s, AdjustWindowRectExForDpi %s; screen %d DPI\n",
              f.getDpiForWindow ? "found" : "missing", f.getDpiForMonitor ? "found" : "missing",
              f.adjustWindowRectExForDpi ? "found" : "missing", ScreenDpi());
  std::printf("system %d, desktop window %d, before and after declaring per-monitor awareness: ", SystemDpi(),
              WindowDpi(GetDesktopWindow()));
  const bool declared = DeclarePerMonitorDpiAwareness();
  std::printf("%s, system %d, desktop window %d\n", declared ? "declared" : "refused", SystemDpi(),
              WindowDpi(GetDesktopWindow()));
  EXPECT_EQ(&SystemDpiFunctions(), &f);  // looked up once
  const int system = SystemDpi();
  EXPECT_GE(system, 72);
  EXPECT_LE(system, 480);
  HFONT font = CreateUiFont(12, 192);
  ASSERT_NE(font, nullptr);
  LOGFONTW info{};
  GetObjectW(font, sizeof info, &info);
  EXPECT_EQ(info.lfHeight, -24);
  DeleteObject(font);
}

// ---- the window base: WM_DPICHANGED ---------------------------------------

class DpiProbe : public Window {
 public:
  bool Create() {
    WindowArgs args;
    args.className = L"VeldaDpiProbe";
    args.style = WS_OVERLAPPEDWINDOW;
    args.x = 10;
    args.y = 10;
    args.width = 200;
    args.height = 150;
    return CreateWindowFrom(args);
  }
  std::vector<int> changes;  // the old DPI of each change
  int sizesSeen = 0;

 protected:
  void OnDpiChanged(int oldDpi) override { changes.push_back(oldDpi); }
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_SIZE) ++sizesSeen;
    return Default(message, wParam, lParam);
  }
};

TEST(WindowDpi, StartsAtItsOwnDpiAndTakesTheSuggestedRectangle) {
  DpiProbe probe;
  ASSERT_TRUE(probe.Create());
  EXPECT_EQ(probe.Dpi(), WindowDpi(probe.hwnd()));
  const int start = probe.Dpi();
  const int next = start == 144 ? 192 : 144;
  RECT suggested{30, 40, 30 + 300, 40 + 225};
  SendMessageW(probe.hwnd(), kWmDpiChanged, MAKEWPARAM(next, next), reinterpret_cast<LPARAM>(&suggested));
  EXPECT_EQ(probe.Dpi(), next);
  ASSERT_EQ(probe.changes.size(), 1u);
  EXPECT_EQ(probe.changes[0], start);
  RECT now{};
  GetWindowRect(probe.hwnd(), &now);
  EXPECT_EQ(now.left, 30);
  EXPECT_EQ(now.top, 40);
  EXPECT_EQ(now.right - now.left, 300);
  EXPECT_EQ(now.bottom - now.top, 225);
  EXPECT_GE(probe.sizesSeen, 1);
  EXPECT_EQ(probe.Scale(100), ScaleToDpi(100, next));

  // The same DPI again moves the window but lays nothing out anew.
  RECT again{50, 60, 350, 285};
  SendMessageW(probe.hwnd(), kWmDpiChanged, MAKEWPARAM(next, next), reinterpret_cast<LPARAM>(&again));
  EXPECT_EQ(probe.changes.size(), 1u);
  GetWindowRect(probe.hwnd(), &now);
  EXPECT_EQ(now.left, 50);
  probe.SetDpi(0);  // nonsense is read as 96
  EXPECT_EQ(probe.Dpi(), 96);
}

}  // namespace
}  // namespace platform
