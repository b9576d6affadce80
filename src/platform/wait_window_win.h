#pragma once
// The small "少々お待ちください" window at the top-right corner of the screen,
// shown while a long operation runs. Its text blinks whenever messages are
// pumped.
#include <windows.h>

#include "platform/win_handles_win.h"
#include "platform/window_win.h"

namespace platform {

class WaitWindow : public Window {
 public:
  WaitWindow() = default;
  // Made on first use; shown without taking the focus, painted at once.
  bool Show();
  void Hide();
  bool visible() const { return hwnd() && IsWindowVisible(hwnd()); }
  // The text is drawn grey in the dim phase of the blink.
  bool dimmed() const { return dimmed_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  bool Create();
  SIZE TextSize();
  void Paint();
  UniqueFont font_;
  bool dimmed_ = false;
};

}  // namespace platform
