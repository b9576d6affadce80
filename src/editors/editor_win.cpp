#include "editors/editor_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <imm.h>
#include <richedit.h>

#include "platform/window_win.h"
#include <windowsx.h>

#include <algorithm>

#include "platform/dpi_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "support/text.h"

namespace editors {
namespace {

constexpr UINT_PTR kSubclassId = 0x7E51;
constexpr int kTwipsPerInch = 1440;

// msftedit.dll stays loaded for the life of the process once a control
// has been made.
bool LoadRichEdit() {
  static platform::UniqueModule module(LoadLibraryW(L"Msftedit.dll"));
  return static_cast<bool>(module);
}

bool KeyDown(int key) { return (GetKeyState(key) & 0x8000) != 0; }

// The control separates paragraphs with CR; the owner sees LF.
std::string FromControl(std::wstring_view text) {
  std::string utf8 = platform::Narrow(text);
  utf8 = support::ReplaceAll(utf8, "\r\n", "\n");
  std::replace(utf8.begin(), utf8.end(), '\r', '\n');
  std::replace(utf8.begin(), utf8.end(), '\v', '\n');  // soft breaks are lines too
  return utf8;
}

std::wstring ToControl(std::string_view text) {
  std::string t = support::ReplaceAll(text, "\r\n", "\n");
  std::replace(t.begin(), t.end(), '\n', '\r');
  t.erase(std::remove(t.begin(), t.end(), '\0'), t.end());
  return platform::Widen(t);
}

COLORREF SystemOr(store::Color color) {
  if (store::IsSystemColor(color)) return GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color & 0xFFFFFF);
}

}  // namespace

TEditor::~TEditor() {
  if (hwnd_) RemoveWindowSubclass(hwnd_, &TEditor::SubclassProc, kSubclassId);
}

bool TEditor::Create(const TEditorArgs& args) {
  if (!LoadRichEdit()) return false;
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                ES_WANTRETURN | ES_AUTOVSCROLL | ES_NOHIDESEL | ES_NOOLEDRAGDROP;
  if (!args.wordWrap) style |= ES_AUTOHSCROLL;
  hwnd_ = CreateWindowExW(WS_EX_CLIENTEDGE, MSFTEDIT_CLASS, L"", style, 0, 0, 10, 10, args.parent,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id)),
                          GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  id_ = args.id;
  clipboard_ = args.clipboard;
  events_ = args.events ? args.events : &noEvents_;
  SetWindowSubclass(hwnd_, &TEditor::SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(hwnd_, EM_SETTEXTMODE, TM_RICHTEXT | TM_MULTILEVELUNDO | TM_MULTICODEPAGE, 0);
  SendMessageW(hwnd_, EM_SETUNDOLIMIT, 0, 0);
  SendMessageW(hwnd_, EM_AUTOURLDETECT, TRUE, 0);
  SendMessageW(hwnd_, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
  SendMessageW(hwnd_, EM_SETTARGETDEVICE, 0, args.wordWrap ? 0 : 1);
  SendMessageW(hwnd_, EM_SETEVENTMASK, 0, ENM_CHANGE | ENM_SELCHANGE | ENM_LINK);
  ApplyFont(args.fontFace, args.fontHeight);
  SetScrollBars(ScrollBars::None);
  return true;
}

// The control takes its font in twips, which it turns into pixels by the
// DPI its device context reports, the screen's; the GDI font that measures
// lines and columns is made at that DPI too. A 96-DPI height is a size in
// points, the same at every DPI.
void TEditor::ApplyFont(const std::wstring& face, int height96) {
  const int height = platform::ScaleToDpi(height96, platform::ScreenDpi());
  font_.reset(CreateFontW(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                          FIXED_PITCH | FF_MODERN, face.c_str()));
  CHARFORMAT2W cf{};
  cf.cbSize = sizeof cf;
  cf.dwMask = CFM_FACE | CFM_SIZE | CFM_CHARSET | CFM_COLOR | CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE |
              CFM_STRIKEOUT;
  cf.dwEffects = CFE_AUTOCOLOR;
  cf.yHeight = height96 * kTwipsPerInch / platform::kBaseDpi;
  cf.bCharSet = SHIFTJIS_CHARSET;
  cf.bPitchAndFamily = FIXED_PITCH | FF_MODERN;
  lstrcpynW(cf.szFaceName, face.c_str(), LF_FACESIZE);
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_ALL, reinterpret_cast<LPARAM>(&cf));
  SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&cf));
}

// ---- Messages ------------------------------------------------------------

LRESULT CALLBACK TEditor::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<TEditor*>(data);
  return platform::GuardedCall(window, [&] {
    bool handled = false;
    const LRESULT result = self->OnControlMessage(message, wParam, lParam, &handled);
    return handled ? result : DefSubclassProc(window, message, wParam, lParam);
  });
}

LRESULT TEditor::OnControlMessage(UINT message, WPARAM wParam, LPARAM lParam, bool* handled) {
  *handled = true;
  switch (message) {
    case WM_KEYDOWN:
      if (OnKeyDown(wParam)) return 0;
      break;
    case WM_CHAR:
      // Ctrl with a letter arrives as a control character (Ctrl+H is a
      // backspace, Ctrl+I a tab); the shortcut has already been handled.
      if (wParam < 0x20 && KeyDown(VK_CONTROL)) return 0;
      break;
    case WM_PASTE: Paste(); return 0;
    case WM_CUT: Cut(); return 0;
    case WM_COPY: Copy(); return 0;
    case WM_UNDO:
    case EM_UNDO: Undo(); return TRUE;
    case EM_REDO: Redo(); return TRUE;
    case WM_MOUSEWHEEL: ScrollByWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_CONTEXTMENU: ShowContextMenu(lParam); return 0;
  }
  if (StartsAnEdit(message)) RememberSelection();
  *handled = AfterDefault(message);
  if (!*handled) return 0;
  LRESULT result = DefSubclassProc(hwnd_, message, wParam, lParam);
  Notify(message, wParam);
  return result;
}

bool TEditor::StartsAnEdit(UINT message) {
  switch (message) {
    case WM_KEYDOWN: case WM_CHAR: case WM_CLEAR: case EM_REPLACESEL: case WM_IME_CHAR:
    case WM_IME_COMPOSITION: case WM_IME_STARTCOMPOSITION: return true;
  }
  return false;
}

// Messages the control handles first and the owner hears of afterwards.
bool TEditor::AfterDefault(UINT message) {
  switch (message) {
    case WM_KEYUP: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return true;
    case WM_SETFOCUS: return imeOpen_;
  }
  return false;
}

void TEditor::Notify(UINT message, WPARAM wParam) {
  switch (message) {
    case WM_KEYUP: events_->OnKeyUp(static_cast<unsigned>(wParam)); break;
    case WM_LBUTTONUP: events_->OnMouseUp(); break;
    case WM_LBUTTONDBLCLK: events_->OnDoubleClick(); break;
    case WM_SETFOCUS:
      if (HIMC context = ImmGetContext(hwnd_)) {
        ImmSetOpenStatus(context, TRUE);
        ImmReleaseContext(hwnd_, context);
      }
      break;
  }
}

// One line per notch, whatever the system's setting.
void TEditor::ScrollByWheel(int delta) {
  wheelRest_ += delta;
  int lines = wheelRest_ / WHEEL_DELTA;
  wheelRest_ -= lines * WHEEL_DELTA;
  if (lines) SendMessageW(hwnd_, EM_LINESCROLL, 0, -lines);
}

void TEditor::ShowContextMenu(LPARAM lParam) {
  POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the caret
    GetCaretPos(&at);
    ClientToScreen(hwnd_, &at);
  }
  events_->OnContextMenu(at.x, at.y);
}

bool TEditor::OnKeyDown(WPARAM key) {
  bool ctrl = KeyDown(VK_CONTROL), shift = KeyDown(VK_SHIFT), alt = KeyDown(VK_MENU);
  unsigned k = static_cast<unsigned>(key);
  if (events_->OnKeyDown(k, ctrl, shift, alt)) return true;
  return StandardKey(k, ctrl, shift, alt);
}

// The keys every editor shares. Other Ctrl shortcuts of the control would
// format the text (bold, alignment, line spacing) and are swallowed.
bool TEditor::StandardKey(unsigned key, bool ctrl, bool shift, bool alt) {
  if (key == VK_RETURN && shift && !ctrl) {  // a soft break would not be a line
    InsertText("\n");
    return true;
  }
  if (shift && !ctrl && key == VK_INSERT) return Paste(), true;
  if (shift && !ctrl && key == VK_DELETE) return Cut(), true;
  if (!ctrl) return false;
  if (alt) return key == 'Z' ? (Redo(), true) : false;
  switch (key) {
    case 'Z': Undo(); return true;
    case 'Y': Redo(); return true;
    case 'X': Cut(); return true;
    case 'C':
    case VK_INSERT: Copy(); return true;
    case 'V': Paste(); return true;
    case 'A': SelectAll(); return true;
  }
  bool character = (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') ||
                   (key >= VK_OEM_1 && key <= VK_OEM_102);
  return character;
}

bool TEditor::HandleParentMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (!hwnd_) return false;
  if (message == WM_COMMAND && reinterpret_cast<HWND>(lParam) == hwnd_) {
    if (HIWORD(wParam) == EN_CHANGE) OnTextChanged();
    *result = 0;
    return true;
  }
  if (message != WM_NOTIFY) return false;
  auto* header = reinterpret_cast<NMHDR*>(lParam);
  if (header->hwndFrom != hwnd_) return false;
  *result = 0;
  if (header->code == EN_SELCHANGE && !quiet_) events_->OnCaretMoved();
  if (header->code == EN_LINK) {
    auto* link = reinterpret_cast<ENLINK*>(lParam);
    bool dbl = link->msg == WM_LBUTTONDBLCLK;
    if (dbl || link->msg == WM_LBUTTONUP) {
      std::wstring address(static_cast<size_t>(link->chrg.cpMax - link->chrg.cpMin) + 1, L'\0');
      TEXTRANGEW range{link->chrg, address.data()};
      SendMessageW(hwnd_, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(&range));
      address.resize(wcslen(address.c_str()));
      events_->OnLink(platform::Narrow(address), dbl);
    }
  }
  return true;
}

// ---- Text changes ----------------------------------------------------------

std::string TEditor::ReadControlText() const {
  GETTEXTLENGTHEX length{GTL_NUMCHARS | GTL_PRECISE, 1200};
  LRESULT count = SendMessageW(hwnd_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&length), 0);
  std::wstring text(static_cast<size_t>(std::max<LRESULT>(count, 0)) + 1, L'\0');
  GETTEXTEX get{static_cast<DWORD>(text.size() * sizeof(wchar_t)), GT_DEFAULT, 1200, nullptr,
                nullptr};
  SendMessageW(hwnd_, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
               reinterpret_cast<LPARAM>(text.data()));
  text.resize(wcslen(text.c_str()));
  return FromControl(text);
}

void TEditor::RememberSelection() {
  if (quiet_) return;
  pendingSelection_ = SelectionOffsets();
  hint_ = pendingSelection_.start;
}

void TEditor::OnTextChanged() {
  if (quiet_) return;
  std::string now = ReadControlText();
  TextChange change = DiffTexts(text_, now, hint_);
  hint_ = kNoHint;
  if (change.Empty()) return;
  std::string before = std::move(text_);
  text_ = std::move(now);
  UndoStep step;
  step.change = change;
  step.selectionBefore = pendingSelection_;
  step.extraBefore = events_->SaveUndoState();
  events_->OnChange(before, change);
  step.extraAfter = events_->SaveUndoState();
  step.selectionAfter = SelectionOffsets();
  pendingSelection_ = step.selectionAfter;
  history_.Record(std::move(step));
  modified_ = true;
  RefreshColors();
}

void TEditor::ReplaceSelection(const std::string& text) {
  if (ReadOnly()) return;
  RememberSelection();
  std::wstring wide = ToControl(text);
  SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wide.c_str()));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

void TEditor::InsertText(const std::string& text) {
  history_.BreakRun();
  ReplaceSelection(text);
  history_.BreakRun();
}

void TEditor::SetLines(const std::vector<std::string>& lines) {
  ++quiet_;
  text_ = JoinEditorLines(lines);
  std::wstring wide = ToControl(text_);
  SETTEXTEX set{ST_DEFAULT, 1200};
  SendMessageW(hwnd_, EM_SETTEXTEX, reinterpret_cast<WPARAM>(&set),
               reinterpret_cast<LPARAM>(wide.c_str()));
  text_ = ReadControlText();
  --quiet_;
  history_.Clear();
  modified_ = false;
  ApplyTabStops();
  RefreshColors();
}

int TEditor::LineCount() const {
  return static_cast<int>(std::count(text_.begin(), text_.end(), '\n')) + 1;
}

void TEditor::SetReadOnly(bool readOnly) { SendMessageW(hwnd_, EM_SETREADONLY, readOnly, 0); }

bool TEditor::ReadOnly() const {
  return (GetWindowLongW(hwnd_, GWL_STYLE) & ES_READONLY) != 0;
}

// ---- Caret and selection ---------------------------------------------------

Selection TEditor::SelectionOffsets() const {
  CHARRANGE range{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return {OffsetOfUtf16Index(text_, range.cpMin), OffsetOfUtf16Index(text_, range.cpMax)};
}

void TEditor::SelectOffsets(const Selection& s) {
  CHARRANGE range{Utf16IndexOf(text_, s.start), Utf16IndexOf(text_, s.end)};
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

TextPos TEditor::Caret() const {
  CHARRANGE range{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  // The caret stands at the end the user moved last; the control tells
  // only the range, and its end is where typing extends a selection.
  return PosOfOffset(text_, OffsetOfUtf16Index(text_, range.cpMax));
}

void TEditor::SetCaret(TextPos pos) {
  std::size_t at = OffsetOfPos(text_, pos);
  SelectOffsets({at, at});
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool TEditor::HasSelection() const { return !SelectionOffsets().Empty(); }

EditorSelectionRange TEditor::GetSelection() const {
  CHARRANGE range{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  editors::Selection s = SelectionOffsets();
  return {PosOfOffset(text_, s.start), PosOfOffset(text_, s.end), range.cpMin,
          range.cpMax - range.cpMin};
}

void TEditor::Select(TextPos from, TextPos to) {
  SelectOffsets({OffsetOfPos(text_, from), OffsetOfPos(text_, to)});
}

void TEditor::CollapseSelection() {
  editors::Selection s = SelectionOffsets();
  SelectOffsets({s.end, s.end});
}

void TEditor::SelectAll() { SelectOffsets({0, text_.size()}); }

// ---- View ------------------------------------------------------------------

void TEditor::SetScrollBars(ScrollBars bars) {
  bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
  bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
  SendMessageW(hwnd_, EM_SHOWSCROLLBAR, SB_VERT, vertical);
  SendMessageW(hwnd_, EM_SHOWSCROLLBAR, SB_HORZ, horizontal);
  // Wine's control keeps its bars for the message above; the frame obeys.
  ShowScrollBar(hwnd_, SB_VERT, vertical);
  ShowScrollBar(hwnd_, SB_HORZ, horizontal);
}

int TEditor::LineHeight() const {
  platform::WindowDc dc(hwnd_);
  platform::SelectGuard keep(dc.get(), font_.get());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc.get(), &tm);
  return std::max(1, static_cast<int>(tm.tmHeight + tm.tmExternalLeading));
}

int TEditor::CharWidth() const {
  platform::WindowDc dc(hwnd_);
  platform::SelectGuard keep(dc.get(), font_.get());
  SIZE size{};
  GetTextExtentPoint32W(dc.get(), L"0", 1, &size);
  return std::max(1, static_cast<int>(size.cx));
}

int TEditor::VisibleRows() const {
  RECT r{};
  SendMessageW(hwnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  return std::max(1, static_cast<int>(r.bottom - r.top) / LineHeight());
}

int TEditor::VisibleColumns() const {
  RECT r{};
  SendMessageW(hwnd_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
  return std::max(1, static_cast<int>(r.right - r.left) / CharWidth());
}

int TEditor::FirstVisibleRow() const {
  return static_cast<int>(SendMessageW(hwnd_, EM_GETFIRSTVISIBLELINE, 0, 0));
}

void TEditor::SetFirstVisibleRow(int row) {
  SendMessageW(hwnd_, EM_LINESCROLL, 0, row - FirstVisibleRow());
}

void TEditor::ScrollCaretIntoView() { SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0); }

void TEditor::SetTabWidth(int characters) {
  tabWidth_ = std::clamp(characters, 1, 32);
  ApplyTabStops();
}

// Tab stops at every `tabWidth_` characters of the fixed-pitch font, for
// the whole text; new paragraphs inherit them.
void TEditor::ApplyTabStops() {
  int twips = tabWidth_ * CharWidth() * kTwipsPerInch / platform::ScreenDpi();
  PARAFORMAT2 pf{};
  pf.cbSize = sizeof pf;
  pf.dwMask = PFM_TABSTOPS;
  pf.cTabCount = MAX_TAB_STOPS;
  for (int i = 0; i < MAX_TAB_STOPS; ++i) pf.rgxTabs[i] = twips * (i + 1);
  ++quiet_;
  editors::Selection keep = SelectionOffsets();
  SelectOffsets({0, text_.size()});
  SendMessageW(hwnd_, EM_SETPARAFORMAT, 0, reinterpret_cast<LPARAM>(&pf));
  SelectOffsets(keep);
  --quiet_;
}

void TEditor::SetImeOpenOnFocus(bool open) { imeOpen_ = open; }

void TEditor::SetLineColors(bool on) {
  colors_ = on;
  RefreshColors();
}

// Each line, with its line break, in the owner's colour. Done with the
// selection, out of sight and without events; the control's own undo is
// off, so none of it is recorded.
void TEditor::RefreshColors() {
  if (!hwnd_ || !colors_) return;
  ++quiet_;
  SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  CHARRANGE keep{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&keep));
  POINT scroll{};
  SendMessageW(hwnd_, EM_GETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  std::vector<std::string> lines = Lines();
  long start = 0;
  for (size_t row = 0; row < lines.size(); ++row) {
    long length = Utf16IndexOf(lines[row], lines[row].size()) + 1;
    CHARRANGE range{start, start + length};
    SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = CFM_COLOR;
    auto color = events_->LineColor(static_cast<int>(row));
    if (!color || *color == store::kClWindowText) cf.dwEffects = CFE_AUTOCOLOR;
    else cf.crTextColor = SystemOr(*color);
    SendMessageW(hwnd_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    start += length;
  }
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&keep));
  SendMessageW(hwnd_, EM_SETSCROLLPOS, 0, reinterpret_cast<LPARAM>(&scroll));
  SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(hwnd_, nullptr, TRUE);
  --quiet_;
}

void TEditor::Focus() { SetFocus(hwnd_); }

void TEditor::Move(const RECT& b) {
  MoveWindow(hwnd_, b.left, b.top, b.right - b.left, b.bottom - b.top, TRUE);
}

void TEditor::Show(bool show) { ShowWindow(hwnd_, show ? SW_SHOW : SW_HIDE); }

// ---- Editing ---------------------------------------------------------------

void TEditor::ApplyStep(const TextChange& change, const std::any& state,
                        const editors::Selection& selection) {
  ++quiet_;
  if (!change.Empty()) {
    SelectOffsets({change.offset, change.offset + change.removed.size()});
    std::wstring wide = ToControl(change.inserted);
    SendMessageW(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    text_ = ReadControlText();
  }
  events_->RestoreUndoState(state);
  SelectOffsets(selection);
  --quiet_;
  modified_ = true;
  pendingSelection_ = selection;
  RefreshColors();
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
  events_->OnCaretMoved();
}

void TEditor::Undo() {
  if (ReadOnly()) return;
  if (auto step = history_.Undo())
    ApplyStep(Reverse(step->change), step->extraBefore, step->selectionBefore);
}

void TEditor::Redo() {
  if (ReadOnly()) return;
  if (auto step = history_.Redo())
    ApplyStep(step->change, step->extraAfter, step->selectionAfter);
}

void TEditor::Copy() {
  editors::Selection s = SelectionOffsets();
  if (s.Empty() || !clipboard_) return;
  std::string text = text_.substr(s.start, s.end - s.start);
  clipboard_->SetText(support::ReplaceAll(text, "\n", "\r\n"));
}

void TEditor::Cut() {
  if (ReadOnly() || !HasSelection()) return;
  Copy();
  DeleteSelection();
}

void TEditor::Paste() {
  if (ReadOnly() || !clipboard_) return;
  auto text = clipboard_->GetText();
  if (!text || text->empty()) return;
  InsertText(*text);
}

void TEditor::DeleteSelection() {
  if (HasSelection()) InsertText("");
}

void TEditor::RecordOwnerStep(const std::any& before) {
  editors::Selection here = SelectionOffsets();
  history_.BreakRun();
  history_.Record({{}, here, here, before, events_->SaveUndoState()});
  history_.BreakRun();
  modified_ = true;
  RefreshColors();
}

bool TEditor::Find(const std::string& text, bool forward, bool matchCase) {
  if (text.empty()) return false;
  std::wstring wide = platform::Widen(text);
  CHARRANGE now{};
  SendMessageW(hwnd_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&now));
  FINDTEXTEXW find{};
  find.chrg = forward ? CHARRANGE{now.cpMax, -1} : CHARRANGE{now.cpMin, 0};
  find.lpstrText = wide.c_str();
  WPARAM flags = (forward ? FR_DOWN : 0) | (matchCase ? FR_MATCHCASE : 0);
  if (SendMessageW(hwnd_, EM_FINDTEXTEXW, flags, reinterpret_cast<LPARAM>(&find)) < 0) return false;
  SendMessageW(hwnd_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&find.chrgText));
  SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
  return true;
}

}  // namespace editors
