#include "shell/day_number_box_win.h"

#include <commctrl.h>

#include <exception>

#include "platform/text_win.h"
#include "platform/window_win.h"
#include "shell/grid_commands.h"

namespace shell {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kDigitsAllowed = 4;

}  // namespace

bool DayNumberBox::Create(HWND parent, HFONT font, std::function<bool(const std::string&)> onEnter,
                          std::function<void()> onHidden) {
  onEnter_ = std::move(onEnter);
  onHidden_ = std::move(onHidden);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_CENTER | ES_AUTOHSCROLL, 0, 0,
                          0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kControlId)),
                          platform::ModuleInstance(), nullptr);
  if (!edit_) return false;
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(edit_, EM_SETLIMITTEXT, kDigitsAllowed, 0);
  return SetWindowSubclass(edit_, &DayNumberBox::Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) !=
         FALSE;
}

void DayNumberBox::Show(const RECT& b) {
  SetWindowPos(edit_, HWND_TOP, b.left, b.top, b.right - b.left, b.bottom - b.top, SWP_SHOWWINDOW);
  SetFocus(edit_);
  SendMessageW(edit_, EM_SETSEL, 0, -1);
}

void DayNumberBox::ClearAndHide() {
  if (!edit_) return;
  SetWindowTextW(edit_, L"");
  if (!IsWindowVisible(edit_)) return;
  ShowWindow(edit_, SW_HIDE);
  if (onHidden_) onHidden_();
}

std::string DayNumberBox::Text() const {
  wchar_t text[16]{};
  GetWindowTextW(edit_, text, 16);
  return platform::Narrow(text);
}

LRESULT DayNumberBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
      switch (GridCommands::DayNumberBoxKey(static_cast<int>(wParam))) {
        case DayBoxKey::Enter:
          if (onEnter_ && onEnter_(Text())) ClearAndHide();
          return 0;
        case DayBoxKey::Clear:
          ClearAndHide();
          return 0;
        case DayBoxKey::None:
          break;
      }
      break;
    case WM_CHAR:
      // Their key-downs were handled above; the control would beep or type a blank.
      if (wParam == L'\r' || wParam == L' ' || wParam == 27) return 0;
      break;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DefSubclassProc(edit_, message, wParam, lParam);
  }
  return DefSubclassProc(edit_, message, wParam, lParam);
}

LRESULT CALLBACK DayNumberBox::Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, &DayNumberBox::Proc, kSubclassId);
  // The day opened from here runs the whole edit.
  return platform::GuardedCall(
      edit, [&] { return reinterpret_cast<DayNumberBox*>(self)->OnMessage(message, wParam, lParam); });
}

}  // namespace shell
