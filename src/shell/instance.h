#pragma once
// One Velda per desktop: a second start hands over to the running one.
#include <string>

#include "platform/services.h"
#include "shell/switches.h"

namespace shell {

// The main window's caption and the application title.
inline constexpr char kAppTitle[] = "楓帳 - Velda -";
// The caption modal sub-windows carry while shown; the timers look for it.
inline constexpr char kSubWindowTitle[] = "楓帳 -Velda-";
inline constexpr char kMainWindowClass[] = "TfmC21";
// Asks the running instance to show itself; both parameters 0.
inline constexpr unsigned kShowYourselfMessage = 0x0400 + 0x100;
// In the current folder, lets a second instance start (used by setup).
inline constexpr char kSecondStartMarker[] = "Velda2Ju.$$$";

// Before any window of this process exists: false when another instance
// runs and was asked to show itself, so this process must end.
bool ClaimStart(platform::Services& os, const CommandSwitches& switches,
                const std::string& programFolder);

}  // namespace shell
