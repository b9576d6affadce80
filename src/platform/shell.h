#pragma once
// Programs, documents, shortcuts and other programs' windows.
#include <cstdint>
#include <string>

namespace platform {

using WindowHandle = std::uintptr_t;  // 0 for none

struct ShortcutSpec {
  std::string linkPath;   // ends in ".lnk"
  std::string target;
  std::string arguments;
  std::string workingFolder;
  std::string description;
};

class Shell {
 public:
  virtual ~Shell() = default;
  // The shell's "open" verb on a program, document or web address.
  virtual bool Open(const std::string& target, int showCommand) = 0;
  virtual bool ShowProperties(const std::string& path) = 0;
  virtual bool CreateShortcut(const ShortcutSpec& spec) = 0;
  virtual bool StartProgram(const std::string& commandLine, const std::string& workingFolder) = 0;
  // Empty class or title matches any.
  virtual WindowHandle FindTopWindow(const std::string& className, const std::string& title) = 0;
  virtual bool BringToFront(WindowHandle window) = 0;
  // `window` is the foreground window or owns it at any depth: its program
  // has the user's attention.
  virtual bool OwnsForeground(WindowHandle window) { return false; }
  virtual bool PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                           std::intptr_t lParam) = 0;
};

}  // namespace platform
