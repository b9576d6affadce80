#include "platform/modal_loop_win.h"

#include <utility>

namespace platform {

ModalFilter OwnKeysFirst(std::function<bool(const MSG& msg)> ownKey) {
  return [ownKey = std::move(ownKey)](const MSG& msg) { return ownKey(msg) ? ModalRoute::Taken : ModalRoute::Navigate; };
}

bool RunModalLoop(HWND window, const std::function<bool()>& done, const ModalFilter& filter) {
  MSG msg;
  while (!done() && IsWindow(window)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
      return false;
    }
    const ModalRoute route = filter ? filter(msg) : ModalRoute::Navigate;
    if (route == ModalRoute::Taken) continue;
    if (route == ModalRoute::Navigate && IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

ModalOwner::ModalOwner(HWND owner) : owner_(owner) {
  if (!owner_) return;
  EnableWindow(owner_, FALSE);
  disabled_ = true;
}

ModalOwner::~ModalOwner() { Enable(); }

void ModalOwner::Enable() {
  if (!disabled_) return;
  disabled_ = false;
  EnableWindow(owner_, TRUE);
}

void ModalOwner::Return(HWND window) {
  Enable();
  ShowWindow(window, SW_HIDE);
  if (owner_) SetActiveWindow(owner_);
}

}  // namespace platform
