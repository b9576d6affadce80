// The yardstick for Velda.exe's start: an empty Win32 program with one
// window, a menu and one line of Japanese text, built with the same
// compiler and flags. tools/startup/measure-start.sh times both.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(window, &ps);
      HFONT font = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                               L"Noto Sans CJK JP");
      HGDIOBJ old = SelectObject(dc, font);
      TextOutW(dc, 20, 20, L"楓帳 起動時間の物差し", 11);
      SelectObject(dc, old);
      DeleteObject(font);
      EndPaint(window, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSEXW wc{sizeof wc};
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  wc.lpszClassName = L"VeldaStartProbe";
  RegisterClassExW(&wc);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, 1, L"終了(&X)");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"ファイル(&F)");
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"楓帳 probe", WS_OVERLAPPEDWINDOW, 0, 0, 640, 480,
                                nullptr, bar, instance, nullptr);
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
