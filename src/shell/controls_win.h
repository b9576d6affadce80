#pragma once
// Small helpers over the main window's common controls.
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/text_win.h"

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

}  // namespace shell
