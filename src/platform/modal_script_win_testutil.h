#pragma once
// Steps a test runs one by one while a window is shown modally: a thread
// timer reaches them from whichever modal loop runs (the window's, or a
// dialog's it opened).
#include <windows.h>

#include <deque>
#include <functional>
#include <utility>

namespace platform {

class ModalScript {
 public:
  static void Run(std::deque<std::function<void()>> steps, UINT intervalMs) {
    steps_ = std::move(steps);
    timer_ = SetTimer(nullptr, 0, intervalMs, Next);
  }

 private:
  static void CALLBACK Next(HWND, UINT, UINT_PTR, DWORD) {
    if (steps_.empty()) {
      KillTimer(nullptr, timer_);
      return;
    }
    auto step = std::move(steps_.front());
    steps_.pop_front();
    step();
  }
  static inline std::deque<std::function<void()>> steps_;
  static inline UINT_PTR timer_ = 0;
};

}  // namespace platform
