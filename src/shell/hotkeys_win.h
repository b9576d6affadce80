#pragma once
// The hot-key decisions (hotkeys.h) over the window's RegisterHotKey.
#include "platform/hotkeys_win.h"
#include "shell/hotkeys.h"

namespace shell {

class WinHotkeyRegistrar : public HotkeyRegistrar {
 public:
  explicit WinHotkeyRegistrar(HWND window) : keys_(window) {}
  bool Register(int id, unsigned modifiers, unsigned key) override {
    return keys_.Register(id, modifiers, key);
  }
  bool Unregister(int id) override { return keys_.Unregister(id); }

 private:
  platform::GlobalHotkeys keys_;
};

}  // namespace shell
