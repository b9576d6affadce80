#pragma once
// Global hot keys of one window: RegisterHotKey and UnregisterHotKey, the
// ids still held released when this is destroyed.
#include <windows.h>

#include <vector>

namespace platform {

class GlobalHotkeys {
 public:
  explicit GlobalHotkeys(HWND window = nullptr) : window_(window) {}
  ~GlobalHotkeys();
  GlobalHotkeys(const GlobalHotkeys&) = delete;
  GlobalHotkeys& operator=(const GlobalHotkeys&) = delete;

  void SetWindow(HWND window) { window_ = window; }
  // False when the key is taken or the system refuses.
  bool Register(int id, UINT modifiers, UINT key);
  // False when the system could not release it; it counts as released.
  bool Unregister(int id);
  const std::vector<int>& held() const { return held_; }

 private:
  HWND window_;
  std::vector<int> held_;
};

}  // namespace platform
