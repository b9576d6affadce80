#pragma once
// Thin owners of Win32 handles: each closes what it holds exactly once.
#include <windows.h>

#include <type_traits>
#include <utility>

namespace platform {

// A handle closed by `Close`; both null and INVALID_HANDLE_VALUE mean none.
template <typename H, BOOL(WINAPI* Close)(H)>
class UniqueWin {
 public:
  UniqueWin() = default;
  explicit UniqueWin(H h) : h_(h) {}
  ~UniqueWin() { reset(); }
  UniqueWin(UniqueWin&& o) noexcept : h_(o.release()) {}
  UniqueWin& operator=(UniqueWin&& o) noexcept {
    if (this != &o) reset(o.release());
    return *this;
  }
  UniqueWin(const UniqueWin&) = delete;
  UniqueWin& operator=(const UniqueWin&) = delete;

  H get() const { return h_; }
  explicit operator bool() const { return IsValid(h_); }
  H release() { return std::exchange(h_, H{}); }
  void reset(H h = H{}) {
    if (IsValid(h_)) Close(h_);
    h_ = h;
  }

 private:
  static bool IsValid(H h) {
    if constexpr (std::is_same_v<H, HANDLE>) return h != nullptr && h != INVALID_HANDLE_VALUE;
    else return h != nullptr;
  }
  H h_{};
};

template <typename G>
inline BOOL WINAPI DeleteGdi(G object) { return DeleteObject(object); }

using UniqueHandle = UniqueWin<HANDLE, CloseHandle>;      // files, processes, threads
using UniqueFindHandle = UniqueWin<HANDLE, FindClose>;    // FindFirstFileExW
using UniqueModule = UniqueWin<HMODULE, FreeLibrary>;     // LoadLibraryW
using UniqueFont = UniqueWin<HFONT, DeleteGdi<HFONT>>;
using UniqueBrush = UniqueWin<HBRUSH, DeleteGdi<HBRUSH>>;
using UniquePen = UniqueWin<HPEN, DeleteGdi<HPEN>>;
using UniqueBitmap = UniqueWin<HBITMAP, DeleteGdi<HBITMAP>>;
using UniqueMemoryDc = UniqueWin<HDC, DeleteDC>;          // CreateCompatibleDC

// A window's device context from GetDC, released with ReleaseDC.
class WindowDc {
 public:
  explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
  ~WindowDc() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND window_;
  HDC dc_;
};

// BeginPaint and EndPaint around a WM_PAINT handler.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintDc() { EndPaint(window_, &ps_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  HDC get() const { return dc_; }
  const RECT& dirty() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects a GDI object into a DC and selects the previous one back.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), old_(object ? SelectObject(dc, object) : nullptr) {}
  ~SelectGuard() {
    if (old_) SelectObject(dc_, old_);
  }
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace platform
