#pragma once
// UTF-16 exists only at Win32 calls.
#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Text in the system's ANSI code page, as older programs and files hand it
// over, to UTF-8. Unpaired surrogates cannot arise: the result is valid.
std::string AnsiToUtf8(std::string_view ansi);

// A window's or control's text, whole.
std::wstring WindowText(HWND window);
std::string WindowTextUtf8(HWND window);
// Sets the text only when it differs, so that a timer's refresh does not
// flicker or move a caret.
void SetWindowTextIfChanged(HWND window, const std::string& utf8);

}  // namespace platform
