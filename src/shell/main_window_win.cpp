#include "shell/main_window_win.h"

#include <cstdio>
#include <string>

#include "platform/fonts_win.h"
#include "platform/text_win.h"

namespace shell {
namespace {

constexpr wchar_t kClassName[] = L"TfmC21";
constexpr wchar_t kTitle[] = L"楓帳 - Velda -";

void Paint(HWND window) {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(window, &ps);
  RECT rc;
  GetClientRect(window, &rc);
  FillRect(dc, &rc, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  HFONT font = CreateFontW(-48, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0,
                           CLEARTYPE_QUALITY, 0, platform::ChooseUiFontFace().c_str());
  HGDIOBJ old = SelectObject(dc, font);
  SYSTEMTIME now;
  GetLocalTime(&now);
  wchar_t text[64];
  swprintf(text, 64, L"%d年%d月", now.wYear, now.wMonth);
  SetBkMode(dc, TRANSPARENT);
  DrawTextW(dc, text, -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(dc, old);
  DeleteObject(font);
  EndPaint(window, &ps);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      Paint(window);
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return nullptr;
  HWND window = CreateWindowExW(0, kClassName, kTitle, WS_OVERLAPPEDWINDOW, 40, 40, 900, 640,
                                nullptr, nullptr, instance, nullptr);
  if (window) {
    ShowWindow(window, showCommand);
    UpdateWindow(window);
  }
  return window;
}

}  // namespace shell
