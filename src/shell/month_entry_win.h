#pragma once
// The month entry box `meNengetu`: an edit control that takes digits only,
// each typed over the digit right of the caret, with the caret before the
// month digits whenever it gets the focus.
#include <windows.h>

#include <functional>
#include <string>

namespace shell {

class MonthEntryBox {
 public:
  // The edit control's id in the main window, for tools.
  static constexpr int kControlId = 111;

  bool Create(HWND parent, HFONT font, std::function<void()> onEnter,
              std::function<void()> onEscape);
  HWND hwnd() const { return edit_; }
  void SetText(const std::string& text);
  std::string Text() const;

 private:
  static LRESULT CALLBACK Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                               UINT_PTR id, DWORD_PTR self);
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void TypeDigit(char digit);

  HWND edit_ = nullptr;
  std::function<void()> onEnter_;
  std::function<void()> onEscape_;
};

}  // namespace shell
