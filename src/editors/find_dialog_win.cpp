#include "editors/find_dialog_win.h"

#include <exception>

#include "platform/fonts_win.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "support/text.h"

namespace editors {
namespace {

enum : WORD { kWord = 201, kCase, kUp, kDown };

// A dialog template built in memory: DLGTEMPLATE, then each item on a
// DWORD boundary, strings as UTF-16 with their terminators.
class TemplateBuilder {
 public:
  TemplateBuilder(const wchar_t* caption, short width, short height, const std::wstring& face) {
    DLGTEMPLATE t{};
    t.style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.cx = width;
    t.cy = height;
    Append(&t, sizeof t);
    Word(0);  // no menu
    Word(0);  // the standard class
    String(caption);
    Word(9);  // points
    String(face.c_str());
  }
  void Item(WORD id, WORD cls, const wchar_t* text, DWORD style, short x, short y, short cx, short cy) {
    Align();
    DLGITEMTEMPLATE item{WS_CHILD | WS_VISIBLE | style, 0, x, y, cx, cy, id};
    Append(&item, sizeof item);
    Word(0xFFFF);
    Word(cls);
    String(text);
    Word(0);  // no creation data
    ++count_;
  }
  DLGTEMPLATE* Finish() {
    reinterpret_cast<DLGTEMPLATE*>(bytes_.data())->cdit = count_;
    return reinterpret_cast<DLGTEMPLATE*>(bytes_.data());
  }

 private:
  void Append(const void* data, std::size_t size) {
    auto* p = static_cast<const char*>(data);
    bytes_.insert(bytes_.end(), p, p + size);
  }
  void Word(WORD w) { Append(&w, sizeof w); }
  void String(const wchar_t* s) { Append(s, (wcslen(s) + 1) * sizeof(wchar_t)); }
  void Align() {
    while (bytes_.size() % 4) bytes_.push_back(0);
  }
  std::vector<char> bytes_;
  WORD count_ = 0;
};

constexpr WORD kButton = 0x0080, kStatic = 0x0082, kComboBox = 0x0085;

struct DialogState {
  FindRequest request;
  std::vector<std::string>* history;
};

void Fill(HWND dialog, const DialogState& state) {
  HWND box = GetDlgItem(dialog, kWord);
  for (const auto& word : *state.history)
    SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Widen(word).c_str()));
  SetWindowTextW(box, platform::Widen(state.request.word).c_str());
  SendMessageW(box, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
  CheckDlgButton(dialog, kCase, state.request.matchCase ? BST_CHECKED : BST_UNCHECKED);
  CheckRadioButton(dialog, kUp, kDown, state.request.forward ? kDown : kUp);
}

void Take(HWND dialog, DialogState& state) {
  state.request.word = platform::Narrow(platform::WindowText(GetDlgItem(dialog, kWord)));
  state.request.matchCase = IsDlgButtonChecked(dialog, kCase) == BST_CHECKED;
  state.request.forward = IsDlgButtonChecked(dialog, kDown) == BST_CHECKED;
}

INT_PTR Handle(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* state = reinterpret_cast<DialogState*>(GetWindowLongPtrW(dialog, DWLP_USER));
  if (message == WM_INITDIALOG) {
    SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    Fill(dialog, *reinterpret_cast<DialogState*>(lParam));
    return TRUE;
  }
  if (message != WM_COMMAND || !state) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    Take(dialog, *state);
    EndDialog(dialog, IDOK);
    return TRUE;
  }
  if (LOWORD(wParam) == IDCANCEL) {
    EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
  return FALSE;
}

// Nothing raised leaves the dialog procedure.
// A failure is told and ends the dialog as cancelled.
INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  bool failed = true;
  const INT_PTR result = platform::GuardedCall(dialog, [&]() -> LRESULT {
    const INT_PTR handled = Handle(dialog, message, wParam, lParam);
    failed = false;
    return handled;
  });
  if (failed) EndDialog(dialog, IDCANCEL);
  return failed ? TRUE : result;
}

}  // namespace

std::optional<FindRequest> AskFindText(HWND owner, const FindRequest& initial,
                                       std::vector<std::string>& history) {
  TemplateBuilder t(L"検索", 236, 78, platform::ChooseUiFontFace());
  t.Item(0xFFFF, kStatic, L"検索する文字列(&N):", SS_LEFT, 7, 9, 64, 9);
  t.Item(kWord, kComboBox, L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP, 72, 7, 100, 120);
  t.Item(kCase, kButton, L"大文字と小文字を区別する(&C)", BS_AUTOCHECKBOX | WS_TABSTOP, 7, 56, 110, 10);
  t.Item(0xFFFF, kButton, L"方向", BS_GROUPBOX, 120, 26, 52, 44);
  t.Item(kUp, kButton, L"上へ(&U)", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 126, 38, 40, 10);
  t.Item(kDown, kButton, L"下へ(&D)", BS_AUTORADIOBUTTON, 126, 52, 40, 10);
  t.Item(IDOK, kButton, L"次を検索(&F)", BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP, 178, 6, 52, 14);
  t.Item(IDCANCEL, kButton, L"キャンセル", BS_PUSHBUTTON | WS_TABSTOP, 178, 24, 52, 14);
  DialogState state{initial, &history};
  INT_PTR result = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), t.Finish(), owner, &DialogProc,
                                           reinterpret_cast<LPARAM>(&state));
  if (result != IDOK || state.request.word.empty()) return std::nullopt;
  support::PushRecent(history, state.request.word, static_cast<int>(kFindHistoryLimit));
  return state.request;
}

}  // namespace editors
