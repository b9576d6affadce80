#include "shell/month_entry_win.h"

#include <commctrl.h>

#include "platform/text_win.h"
#include "platform/window_win.h"
#include "shell/month_entry.h"

namespace shell {
namespace {

constexpr UINT_PTR kSubclassId = 1;

}  // namespace

bool MonthEntryBox::Create(HWND parent, HFONT font, std::function<void()> onEnter,
                           std::function<void()> onEscape) {
  onEnter_ = std::move(onEnter);
  onEscape_ = std::move(onEscape);
  edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | ES_CENTER | ES_AUTOHSCROLL,
                          0, 0, 0, 0, parent, nullptr, platform::ModuleInstance(), nullptr);
  if (!edit_) return false;
  SetWindowTextW(edit_, L"");
  SendMessageW(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageW(edit_, EM_SETLIMITTEXT, kEntryLength, 0);
  return SetWindowSubclass(edit_, &MonthEntryBox::Proc, kSubclassId,
                           reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

void MonthEntryBox::SetText(const std::string& text) {
  SetWindowTextW(edit_, platform::Widen(text).c_str());
}

std::string MonthEntryBox::Text() const {
  wchar_t text[32]{};
  GetWindowTextW(edit_, text, 32);
  return platform::Narrow(text);
}

void MonthEntryBox::TypeDigit(char digit) {
  DWORD start = 0;
  SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  auto typed = TypeIntoEntry({Text(), static_cast<int>(start)}, digit);
  if (!typed) {
    MessageBeep(MB_OK);
    return;
  }
  SetText(typed->text);
  SendMessageW(edit_, EM_SETSEL, typed->caret, typed->caret);
}

LRESULT MonthEntryBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CHAR:
      if (wParam == L'\r' && onEnter_) onEnter_();
      else if (wParam == 27 && onEscape_) onEscape_();
      else if (wParam >= L'0' && wParam <= L'9') TypeDigit(static_cast<char>(wParam));
      return 0;  // nothing but digits gets in
    case WM_KEYDOWN:
      if (wParam == VK_DELETE) return 0;
      break;
    case WM_PASTE:
    case WM_CUT:
    case WM_CLEAR:
      return 0;
    case WM_SETFOCUS: {
      LRESULT r = DefSubclassProc(edit_, message, wParam, lParam);
      SendMessageW(edit_, EM_SETSEL, kEntryCaretOnFocus, kEntryCaretOnFocus);
      return r;
    }
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DefSubclassProc(edit_, message, wParam, lParam);
  }
  return DefSubclassProc(edit_, message, wParam, lParam);
}

LRESULT CALLBACK MonthEntryBox::Proc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR, DWORD_PTR self) {
  if (message == WM_NCDESTROY) RemoveWindowSubclass(edit, &MonthEntryBox::Proc, kSubclassId);
  // Enter moves the month: saves and reads run from here.
  return platform::GuardedCall(
      edit, [&] { return reinterpret_cast<MonthEntryBox*>(self)->OnMessage(message, wParam, lParam); });
}

}  // namespace shell
