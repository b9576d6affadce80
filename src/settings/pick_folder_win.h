#pragma once
// The shell's folder dialog, starting in a given folder.
#include <windows.h>

#include <optional>
#include <string>

namespace settings {

// The folder chosen, with its separator; nullopt when cancelled.
std::optional<std::string> PickFolder(HWND owner, const std::string& start);

}  // namespace settings
