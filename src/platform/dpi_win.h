#pragma once
// The DPI of windows and monitors, for laying them out in 96-DPI numbers
// (platform/dpi.h) scaled at the last moment.
//
// The functions of per-monitor DPI came with Windows 8.1 (shcore) and
// Windows 10 1607/1703 (user32); Wine has some. They are looked up at run
// time into DpiFunctions, and every helper here takes the table, so that a
// test can hand it an empty one and see the older path: the screen's
// LOGPIXELSY, AdjustWindowRectEx, GetSystemMetrics.
#include <windows.h>

#include <string>

#include "platform/dpi.h"

namespace platform {

// Messages the MinGW headers hide below Windows 10.
inline constexpr UINT kWmDpiChanged = 0x02E0;
inline constexpr UINT kWmDpiChangedBeforeParent = 0x02E2;
inline constexpr UINT kWmDpiChangedAfterParent = 0x02E3;

struct DpiFunctions {
  UINT(WINAPI* getDpiForWindow)(HWND) = nullptr;                                    // user32, 10 1607
  UINT(WINAPI* getDpiForSystem)() = nullptr;                                        // user32, 10 1607
  HRESULT(WINAPI* getDpiForMonitor)(HMONITOR, int, UINT*, UINT*) = nullptr;         // shcore, 8.1
  BOOL(WINAPI* adjustWindowRectExForDpi)(RECT*, DWORD, BOOL, DWORD, UINT) = nullptr;  // user32, 10 1607
  int(WINAPI* getSystemMetricsForDpi)(int, UINT) = nullptr;                         // user32, 10 1607
  BOOL(WINAPI* enableNonClientDpiScaling)(HWND) = nullptr;                          // user32, 10 1607
  BOOL(WINAPI* setProcessDpiAwarenessContext)(HANDLE) = nullptr;                    // user32, 10 1703
  HRESULT(WINAPI* setProcessDpiAwareness)(int) = nullptr;                           // shcore, 8.1
  BOOL(WINAPI* setProcessDpiAware)() = nullptr;                                     // user32, Vista
};

// What this system has, looked up once; missing functions stay null.
const DpiFunctions& SystemDpiFunctions();

// The DPI of the screen as GDI reports it (LOGPIXELSY); 96 when unknown.
int ScreenDpi();
// The system DPI: the one of the primary monitor at log-on.
int SystemDpi(const DpiFunctions& f = SystemDpiFunctions());
// The DPI a window is shown at; the system DPI for null or without the
// per-window function.
int WindowDpi(HWND window, const DpiFunctions& f = SystemDpiFunctions());
// The DPI of the monitor nearest to a point of the desktop (where a window
// about to be made will be); the system DPI without the monitor function.
int DpiAtPoint(POINT point, const DpiFunctions& f = SystemDpiFunctions());

// The outer rectangle around a client rectangle, frame and caption sized
// for `dpi`; AdjustWindowRectEx (the system DPI's frame) without it.
RECT AdjustWindowRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi,
                            const DpiFunctions& f = SystemDpiFunctions());
// The same for a window with a menu bar of one line.
RECT AdjustMenuWindowRectForDpi(RECT client, DWORD style, int dpi, const DpiFunctions& f = SystemDpiFunctions());
// The outer size of a window of `style` whose client area is `clientWidth96`
// x `clientHeight96` at 96 DPI, shown at `dpi`.
SIZE OuterSizeForClient(int clientWidth96, int clientHeight96, DWORD style, DWORD exStyle, int dpi,
                        const DpiFunctions& f = SystemDpiFunctions());
// GetSystemMetrics at `dpi`; without GetSystemMetricsForDpi the system
// DPI's value scaled from the system DPI to `dpi`.
int SystemMetricForDpi(int index, int dpi, const DpiFunctions& f = SystemDpiFunctions());

// A top-level window of a per-monitor (v1) process scales its caption and
// frame only when asked while it is being made (WM_NCCREATE); a no-op
// where the function is missing, and under v2, which does it anyway.
void EnableNonClientScaling(HWND window, const DpiFunctions& f = SystemDpiFunctions());

// For programs without the manifest (previews, tests): per-monitor v2,
// else per-monitor (8.1), else system aware (Vista). False when none took.
bool DeclarePerMonitorDpiAwareness(const DpiFunctions& f = SystemDpiFunctions());

// The font of the user interface at `height96` pixels (em height at 96
// DPI) shown at `dpi`; `face` empty for the Japanese UI font.
HFONT CreateUiFont(int height96, int dpi, bool bold = false, const std::wstring& face = {});

// Every child window of `parent` (at any depth) that uses `from` is given
// `to`, for a window that made its fonts again at a new DPI; the caller
// frees `from` afterwards.
void ReplaceChildFonts(HWND parent, HFONT from, HFONT to);

// The size of a small icon (the tray's, the caption's) at `dpi`.
SIZE SmallIconSize(int dpi, const DpiFunctions& f = SystemDpiFunctions());
// An icon resource at its small size for `dpi`; null when it cannot be
// loaded. The caller destroys it (DestroyIcon).
HICON LoadSmallIcon(HINSTANCE module, const wchar_t* resource, int dpi,
                    const DpiFunctions& f = SystemDpiFunctions());

// The rectangle of a WM_DPICHANGED message: where the system suggests the
// window goes at its new DPI.
inline const RECT& SuggestedRect(LPARAM lParam) { return *reinterpret_cast<const RECT*>(lParam); }
inline int NewDpiOf(WPARAM wParam) { return UsableDpi(HIWORD(wParam)); }

}  // namespace platform
