#pragma once
// Other programs and the outside world, under the names the windows use.
#include <string>

#include "platform/shell.h"
#include "platform/system.h"

namespace platform {

// The shell's "open" on a program, document or web address.
inline bool RunDocument(Shell& shell, const std::string& path, int showCommand) {
  return shell.Open(path, showCommand);
}

// A top-level window of `className` titled `title` exists; with `activate`
// it is brought to the foreground.
inline bool FindRunningInstance(Shell& shell, const std::string& className,
                                const std::string& title, bool activate) {
  WindowHandle window = shell.FindTopWindow(className, title);
  if (window && activate) shell.BringToFront(window);
  return window != 0;
}

inline bool InternetConnected(System& system) { return system.InternetConnected(); }
inline bool CapsLockOn(System& system) { return system.CapsLockOn(); }

}  // namespace platform
