#pragma once
// One small base class for the program's windows: the static window
// procedure forwards to the object stored in GWLP_USERDATA, and no C++
// exception ever leaves a window procedure.
#include <windows.h>

#include <string>

namespace platform {

struct WindowArgs {
  const wchar_t* className = nullptr;  // the program's type name, e.g. L"TSeMCal"
  std::wstring title;
  DWORD style = WS_OVERLAPPEDWINDOW;
  DWORD exStyle = 0;
  int x = CW_USEDEFAULT;
  int y = CW_USEDEFAULT;
  int width = CW_USEDEFAULT;
  int height = CW_USEDEFAULT;
  HWND parent = nullptr;
  HMENU menuOrId = nullptr;
  // Class attributes, used when the class is registered the first time.
  UINT classStyle = CS_DBLCLKS;
  HICON icon = nullptr;
  HCURSOR cursor = nullptr;          // arrow when null
  HBRUSH background = nullptr;       // none: the window paints everything
};

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND hwnd() const { return hwnd_; }
  // The object behind a window made by this class, or null.
  static Window* FromHandle(HWND window);

  // The DPI the window is laid out for: its own when it was made, then
  // what WM_DPICHANGED said or the owner set.
  int Dpi() const { return dpi_; }
  // A 96-DPI size at the window's DPI.
  int Scale(int pixels96) const;
  // Lays the window out for `dpi` (a parent passes its new DPI on to the
  // children it made); nothing when it is the DPI already.
  void SetDpi(int dpi);

 protected:
  bool CreateWindowFrom(const WindowArgs& args);
  // Messages not handled here go to DefWindowProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Called when a handler threw; shows the text and carries on.
  virtual void OnUnexpectedError(const char* what);
  LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam);
  // The DPI changed (Dpi() tells the new one): make the fonts again and lay
  // the children out. A top-level window is then moved to the rectangle
  // the system suggested, which sends WM_SIZE when its size changes.
  virtual void OnDpiChanged(int oldDpi) {}

 private:
  static LRESULT CALLBACK StaticProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  void TakeSuggestedDpi(WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  int dpi_ = 96;
};

// The HINSTANCE of the running module.
HINSTANCE ModuleInstance();

// The desktop's work area (the screen less the task bar), screen pixels.
RECT WorkArea();
// The top left that centres a window of `size` in `area`, never above or
// left of the area when the window is the larger.
POINT CentredIn(const RECT& area, SIZE size);

// Tells the user that a handler of `window` failed: "予期しないエラー" with
// what was caught, in an error box owned by the window's top-level window.
void ReportUnexpectedError(HWND window, const char* what);

// The one exception boundary of every window procedure, subclassed
// controls included: nothing raised unwinds through the system's frames.
// A handler that throws is reported and its message counts as handled
// with `failed`, never passed on half done.
template <class Handler>
LRESULT GuardedCall(HWND window, Handler&& handler, LRESULT failed = 0) noexcept {
  try {
    return handler();
  } catch (const std::exception& e) {
    ReportUnexpectedError(window, e.what());
  } catch (...) {
    ReportUnexpectedError(window, "unknown exception");
  }
  return failed;
}

}  // namespace platform
