#pragma once
// The small window shown while a long operation runs. Its text blinks
// whenever messages are pumped.
#include <windows.h>

#include <string>
#include <utility>

#include "platform/win_handles_win.h"
#include "platform/window_win.h"

namespace platform {

class WaitWindow : public Window {
 public:
  // The blinking "少々お待ちください" of long operations, borderless at the
  // work area's top right.
  WaitWindow() = default;
  // A window of its own with a title bar (the search listing's "処理中");
  // its owner places it after Show.
  WaitWindow(std::wstring text, std::wstring title) : text_(std::move(text)), title_(std::move(title)) {}
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
  DWORD Style() const { return title_.empty() ? WS_POPUP | WS_BORDER : WS_POPUP | WS_CAPTION; }
  std::wstring text_ = L"少々お待ちください";
  std::wstring title_;
  UniqueFont font_;
  bool dimmed_ = false;
};

}  // namespace platform
