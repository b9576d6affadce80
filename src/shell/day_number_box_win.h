#pragma once
// The day-number box in the status bar: Ctrl+Down or Ctrl+L on the month
// page shows it; a day number with Space or Enter opens that day of the
// shown month, Esc clears and hides it. What the keys mean is decided by
// GridCommands; this is the edit control around them.
#include <windows.h>

#include <functional>
#include <string>

namespace shell {

class DayNumberBox {
 public:
  // The edit control's id in the main window, for tools.
  static constexpr int kControlId = 110;

  // `onEnter` gets the text; true hides the box.
  bool Create(HWND parent, HFONT font, std::function<bool(const std::string&)> onEnter,
              std::function<void()> onHidden);
  HWND hwnd() const { return edit_; }
  bool shown() const { return edit_ && IsWindowVisible(edit_); }

  // Shown at `bounds` (parent coordinates) with the focus.
  void Show(const RECT& bounds);
  void ClearAndHide();

 private:
  static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                               DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  std::string Text() const;

  HWND edit_ = nullptr;
  std::function<bool(const std::string&)> onEnter_;
  std::function<void()> onHidden_;
};

}  // namespace shell
