#include "platform/dpi_win.h"

#include "platform/fonts_win.h"
#include "platform/win_handles_win.h"

namespace platform {
namespace {

constexpr int kMdtEffectiveDpi = 0;                  // MONITOR_DPI_TYPE
constexpr int kProcessPerMonitorDpiAware = 2;        // PROCESS_DPI_AWARENESS
const HANDLE kPerMonitorAwareV2 = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-4));

template <class F>
void Find(HMODULE module, const char* name, F& out) {
  if (module) out = reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

DpiFunctions LookUp() {
  DpiFunctions f;
  HMODULE user32 = GetModuleHandleW(L"user32.dll");
  Find(user32, "GetDpiForWindow", f.getDpiForWindow);
  Find(user32, "GetDpiForSystem", f.getDpiForSystem);
  Find(user32, "AdjustWindowRectExForDpi", f.adjustWindowRectExForDpi);
  Find(user32, "GetSystemMetricsForDpi", f.getSystemMetricsForDpi);
  Find(user32, "EnableNonClientDpiScaling", f.enableNonClientDpiScaling);
  Find(user32, "SetProcessDpiAwarenessContext", f.setProcessDpiAwarenessContext);
  Find(user32, "SetProcessDPIAware", f.setProcessDpiAware);
  // shcore stays loaded for the life of the process, as the table does.
  HMODULE shcore = LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  Find(shcore, "GetDpiForMonitor", f.getDpiForMonitor);
  Find(shcore, "SetProcessDpiAwareness", f.setProcessDpiAwareness);
  return f;
}

}  // namespace

const DpiFunctions& SystemDpiFunctions() {
  static const DpiFunctions functions = LookUp();
  return functions;
}

int ScreenDpi() {
  WindowDc screen(nullptr);
  return screen ? UsableDpi(GetDeviceCaps(screen.get(), LOGPIXELSY)) : kBaseDpi;
}

int SystemDpi(const DpiFunctions& f) {
  return f.getDpiForSystem ? UsableDpi(static_cast<int>(f.getDpiForSystem())) : ScreenDpi();
}

int WindowDpi(HWND window, const DpiFunctions& f) {
  if (!window || !f.getDpiForWindow) return SystemDpi(f);
  const UINT dpi = f.getDpiForWindow(window);
  return dpi ? UsableDpi(static_cast<int>(dpi)) : SystemDpi(f);
}

int DpiAtPoint(POINT point, const DpiFunctions& f) {
  if (!f.getDpiForMonitor) return SystemDpi(f);
  UINT x = 0, y = 0;
  HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
  if (!monitor || FAILED(f.getDpiForMonitor(monitor, kMdtEffectiveDpi, &x, &y)) || !y) return SystemDpi(f);
  return UsableDpi(static_cast<int>(y));
}

namespace {

RECT AdjustForDpi(RECT client, DWORD style, BOOL hasMenu, DWORD exStyle, int dpi, const DpiFunctions& f) {
  RECT r = client;
  if (!f.adjustWindowRectExForDpi ||
      !f.adjustWindowRectExForDpi(&r, style, hasMenu, exStyle, static_cast<UINT>(UsableDpi(dpi)))) {
    r = client;
    AdjustWindowRectEx(&r, style, hasMenu, exStyle);
  }
  return r;
}

}  // namespace

RECT AdjustWindowRectForDpi(RECT client, DWORD style, DWORD exStyle, int dpi, const DpiFunctions& f) {
  return AdjustForDpi(client, style, FALSE, exStyle, dpi, f);
}

RECT AdjustMenuWindowRectForDpi(RECT client, DWORD style, int dpi, const DpiFunctions& f) {
  return AdjustForDpi(client, style, TRUE, 0, dpi, f);
}

SIZE OuterSizeForClient(int clientWidth96, int clientHeight96, DWORD style, DWORD exStyle, int dpi,
                        const DpiFunctions& f) {
  const RECT client{0, 0, ScaleToDpi(clientWidth96, dpi), ScaleToDpi(clientHeight96, dpi)};
  const RECT outer = AdjustWindowRectForDpi(client, style, exStyle, dpi, f);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

int SystemMetricForDpi(int index, int dpi, const DpiFunctions& f) {
  if (f.getSystemMetricsForDpi) return f.getSystemMetricsForDpi(index, static_cast<UINT>(UsableDpi(dpi)));
  return MulDiv(GetSystemMetrics(index), UsableDpi(dpi), SystemDpi(f));
}

void EnableNonClientScaling(HWND window, const DpiFunctions& f) {
  if (f.enableNonClientDpiScaling && window && !(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD))
    f.enableNonClientDpiScaling(window);
}

bool DeclarePerMonitorDpiAwareness(const DpiFunctions& f) {
  if (f.setProcessDpiAwarenessContext && f.setProcessDpiAwarenessContext(kPerMonitorAwareV2)) return true;
  if (f.setProcessDpiAwareness && SUCCEEDED(f.setProcessDpiAwareness(kProcessPerMonitorDpiAware))) return true;
  return f.setProcessDpiAware && f.setProcessDpiAware();
}

HFONT CreateUiFont(int height96, int dpi, bool bold, const std::wstring& face) {
  const std::wstring& name = face.empty() ? ChooseUiFontFace() : face;
  return CreateFontW(-ScaleToDpi(height96, dpi), 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                     DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                     DEFAULT_PITCH | FF_DONTCARE, name.c_str());
}

void ReplaceChildFonts(HWND parent, HFONT from, HFONT to) {
  struct Swap {
    HFONT from, to;
  } swap{from, to};
  EnumChildWindows(
      parent,
      [](HWND child, LPARAM data) {
        const auto* s = reinterpret_cast<const Swap*>(data);
        if (reinterpret_cast<HFONT>(SendMessageW(child, WM_GETFONT, 0, 0)) == s->from)
          SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(s->to), TRUE);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&swap));
}

SIZE SmallIconSize(int dpi, const DpiFunctions& f) {
  return {SystemMetricForDpi(SM_CXSMICON, dpi, f), SystemMetricForDpi(SM_CYSMICON, dpi, f)};
}

HICON LoadSmallIcon(HINSTANCE module, const wchar_t* resource, int dpi, const DpiFunctions& f) {
  const SIZE size = SmallIconSize(dpi, f);
  return static_cast<HICON>(LoadImageW(module, resource, IMAGE_ICON, size.cx, size.cy, LR_DEFAULTCOLOR));
}

}  // namespace platform
