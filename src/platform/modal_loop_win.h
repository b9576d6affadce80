#pragma once
// The modal loop of the program's own modal windows: the owner disabled
// while the window is up, the thread's messages run until the window is
// done, WM_QUIT handed on to the loop outside, and the owner enabled and
// active again afterwards.
#include <windows.h>

#include <functional>

namespace platform {

// What the loop does with one message after the window has seen it.
enum class ModalRoute {
  Taken,     // the window handled it (a key of its own): nothing more
  Navigate,  // dialog navigation (Tab, Enter, Esc, mnemonics), else dispatched
  Dispatch,  // translated and dispatched without dialog navigation
};
using ModalFilter = std::function<ModalRoute(const MSG& msg)>;
// The filter of a window whose own keys come before the dialog
// navigation: `ownKey` true when it took the message.
ModalFilter OwnKeysFirst(std::function<bool(const MSG& msg)> ownKey);

// Runs the thread's messages until `done()` holds or `window` is gone;
// without a filter every message goes through the dialog navigation of
// `window`. WM_QUIT ends the loop and is posted again, so that the loop
// outside ends too: false then.
bool RunModalLoop(HWND window, const std::function<bool()>& done, const ModalFilter& filter = {});

// The owner of a modal window (may be null): disabled from here until
// Return, or the end of the scope should something be thrown first.
class ModalOwner {
 public:
  explicit ModalOwner(HWND owner);
  ~ModalOwner();
  ModalOwner(const ModalOwner&) = delete;
  ModalOwner& operator=(const ModalOwner&) = delete;

  // The owner enabled before `window` hides, then made active, so that
  // the activation goes back to it and not to another program's window.
  void Return(HWND window);

 private:
  void Enable();
  HWND owner_;
  bool disabled_ = false;
};

}  // namespace platform
