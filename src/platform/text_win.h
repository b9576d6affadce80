#pragma once
// UTF-16 exists only at Win32 calls.
#include <windows.h>

#include <string>
#include <string_view>

namespace platform {

std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

}  // namespace platform
