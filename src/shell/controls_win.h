#pragma once
// Small helpers over the main window's common controls.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/text_win.h"
#include "store/color_text.h"

namespace shell {

inline void SetText(HWND window, const char* text) {
  SetWindowTextW(window, platform::Widen(text).c_str());
}

inline int CurrentTab(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETCURSEL, 0, 0)); }
inline int TabCount(HWND tabs) { return static_cast<int>(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0)); }

inline void InsertTab(HWND tabs, int index, const std::string& caption) {
  std::wstring text = platform::Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(tabs, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

// A colour of the data and settings files (system colours included).
inline COLORREF ColourOf(store::Color colour) {
  constexpr store::Color kSystemBase = 0x80000000;
  if ((colour & 0xFF000000u) == kSystemBase) return GetSysColor(static_cast<int>(colour & 0xFF));
  return colour & 0xFFFFFF;
}

}  // namespace shell
