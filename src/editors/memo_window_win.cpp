#include "editors/memo_window_win.h"

#include <commctrl.h>
#include <commdlg.h>
#include <windowsx.h>

#include <stdexcept>

#include "editors/bounds_win.h"
#include "editors/search_listing.h"
#include "editors/text_find.h"
#include "platform/dialog_helpers.h"
#include "platform/dpi_win.h"
#include "platform/fonts_win.h"
#include "platform/programs.h"
#include "platform/text_win.h"
#include "support/paths.h"
#include "support/text.h"

namespace editors {

using platform::Narrow;
using platform::Widen;

namespace {

constexpr UINT_PTR kKeysSubclass = 0x4D45;
constexpr char kShownTitle[] = "楓帳 -Velda-";
// 96-DPI sizes.
constexpr int kEditorFontHeight = 14;
constexpr int kUiFontHeight = 12;
constexpr int kMinTrackWidth = 320;
constexpr int kMinTrackHeight = 240;
constexpr int kLongestTextToDelete = 2000;  // lines; quick to delete even in Wine
constexpr int kPanelWidths[MemoWindow::kStatusPanels] = {120, 70, 40, 40, 40, 40, -1};
constexpr int kJumpPanelWidth = 44;

enum Panel { kCaretPanel, kReadOnlyPanel, kInsertPanel, kCapsPanel, kKanaPanel, kNumPanel, kNamePanel };

bool Toggled(int key) { return (GetKeyState(key) & 1) != 0; }
bool Held(int key) { return GetKeyState(key) < 0; }

// "テキスト( .txt)|*.txt|..." as the file dialogs want it: pieces ended by
// NUL, the whole by a second NUL.
std::wstring DialogFilter(const std::string& filter) {
  std::wstring wide = Widen(filter);
  for (wchar_t& c : wide)
    if (c == L'|') c = L'\0';
  return wide + L'\0' + L'\0';
}

struct FileDialog {
  std::wstring filter, title, folder;
  std::vector<wchar_t> name = std::vector<wchar_t>(MAX_PATH * 4, L'\0');
  OPENFILENAMEW ofn{};

  FileDialog(HWND owner, const FileDialogRequest& r)
      : filter(DialogFilter(r.filter)), title(Widen(r.title)), folder(Widen(r.folder)) {
    std::wstring initial = Widen(r.name);
    initial.copy(name.data(), std::min(initial.size(), name.size() - 1));
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : title.c_str();
  }
  FileDialogAnswer Answer(BOOL ok) const { return {ok != FALSE, Narrow(name.data())}; }
};

}  // namespace

// ---- The command table ---------------------------------------------------------

enum Kinds : unsigned { kForMemo = 1, kForSearch = 2, kForBoth = 3 };

struct MemoWindow::Command {
  int id;  // 0: a separator
  const char* caption;
  int popup;  // index into the menu bar
  unsigned kinds;
  void (*run)(MemoWindow&);
  bool (*enabled)(MemoWindow&);  // null: always
};

namespace {

const char* const kPopupCaptions[] = {"ファイル(&F)", "切替(&K)", "編集(&E)", "検索(&S)", "その他(&O)"};
constexpr int kPopupCount = 5;

}  // namespace

std::span<const MemoWindow::Command> MemoWindow::Commands() {
  using W = MemoWindow;
  static const Command kCommands[] = {
      {kMnNew, "新規作成(&N)\tCtrl+N", 0, kForBoth, [](W& w) { w.controller_->NewText(); },
       [](W& w) { return w.controller_->CanNewOrOpen(); }},
      {kMnOpen, "開く(&O)\tCtrl+O", 0, kForBoth, [](W& w) { w.controller_->OpenFile(); },
       [](W& w) { return w.controller_->CanNewOrOpen(); }},
      {kMnSaveAs, "名前を付けて保存(&A)", 0, kForBoth, [](W& w) { w.controller_->SaveAs(); },
       [](W& w) { return w.controller_->CanSaveAs(); }},
      {kMnRebuild, "検索ファイル再作成", 0, kForSearch,
       [](W& w) { w.controller_->Rebuild(); }, [](W& w) { return w.controller_->doc() == MemoDoc::Memo; }},
      {0, "", 0, kForBoth, nullptr, nullptr},
      {kMnClose, "閉じる(&C)\tF2", 0, kForBoth, [](W& w) { w.Close(); }, nullptr},
      {kMnDocMemo, "メモ(&M)", 1, kForBoth, [](W& w) { w.SwitchTo(MemoDoc::Memo); }, nullptr},
      {kMnDocReadMe, "ReadMe.txt(&R)", 1, kForBoth, [](W& w) { w.SwitchTo(MemoDoc::ReadMe); },
       [](W& w) { return w.controller_->DocAvailable(MemoDoc::ReadMe); }},
      {kMnDocUsage, "使用法(&S)", 1, kForBoth, [](W& w) { w.SwitchTo(MemoDoc::Usage); },
       [](W& w) { return w.controller_->DocAvailable(MemoDoc::Usage); }},
      {kMnDocEditor, "Editor(&E)", 1, kForBoth, [](W& w) { w.SwitchTo(MemoDoc::Editor); }, nullptr},
      {kMnUndo, "やり直し(&U)\tCtrl+Z", 2, kForBoth, [](W& w) { w.editor_->Undo(); },
       [](W& w) { return w.editor_->CanUndo(); }},
      {kMnRedo, "やり直しのやり直し(&R)\tCtrl+Y", 2, kForBoth, [](W& w) { w.editor_->Redo(); },
       [](W& w) { return w.editor_->CanRedo(); }},
      {0, "", 2, kForBoth, nullptr, nullptr},
      {kMnCut, "切り取り(&T)\tCtrl+X", 2, kForBoth, [](W& w) { w.editor_->Cut(); },
       [](W& w) { return w.editor_->HasSelection() && !w.editor_->ReadOnly(); }},
      {kMnCopy, "コピー(&C)\tCtrl+C", 2, kForBoth, [](W& w) { w.editor_->Copy(); },
       [](W& w) { return w.editor_->HasSelection(); }},
      {kMnPaste, "貼り付け(&P)\tCtrl+V", 2, kForBoth, [](W& w) { w.editor_->Paste(); },
       [](W& w) { return w.ClipboardHasText() && !w.editor_->ReadOnly(); }},
      {0, "", 2, kForBoth, nullptr, nullptr},
      {kMnSelectAll, "すべてを選択(&A)\tCtrl+A", 2, kForBoth, [](W& w) { w.editor_->SelectAll(); }, nullptr},
      {0, "", 2, kForBoth, nullptr, nullptr},
      {kMnReload, "再読込[編集取消](&O)", 2, kForBoth, [](W& w) { w.controller_->Reload(); }, nullptr},
      {kMnFind, "検索(&S)\tCtrl+F", 3, kForBoth, [](W& w) { w.ShowFindForm(); }, nullptr},
      {kMnFindPrev, "上候補(&P)\tShift+F3", 3, kForBoth, [](W& w) { w.controller_->FindAgain(false); },
       nullptr},
      {kMnFindNext, "下候補(&N)\tF3", 3, kForBoth, [](W& w) { w.controller_->FindAgain(true); }, nullptr},
      {0, "", 3, kForBoth, nullptr, nullptr},
      {kMnFirst, "最初", 3, kForSearch, [](W& w) { w.controller_->ToFirstLine(); }, nullptr},
      {kMnLast, "最後", 3, kForSearch, [](W& w) { w.controller_->ToLastLine(); }, nullptr},
      {kMnTop, "テキストの先頭へ(&F)", 3, kForBoth, [](W& w) { w.controller_->ToFirstLine(); }, nullptr},
      {kMnBottom, "テキストの最後に(&L)", 3, kForBoth, [](W& w) { w.controller_->ToLastLine(); }, nullptr},
      {0, "", 3, kForMemo, nullptr, nullptr},
      {kMnJumpToggle, "ジャンプボタンＯｎ(&G)", 3, kForMemo, [](W& w) { w.controller_->ToggleJumpPanel(); },
       nullptr},
      {kMnJumpReset, "ジャンプボタン再セット(&R)", 3, kForMemo, [](W& w) { w.controller_->RescanMarks(); },
       [](W& w) { return w.controller_->jumpPanelShown(); }},
      {kMnOptions, "オプション設定(&O)", 4, kForBoth,
       [](W& w) {
         w.host_->OpenMemoOptions();
         w.controller_->ReloadOptionKeys();
       },
       [](W& w) { return w.host_->CanOpenMemoOptions(); }},
      {kPmClose, "閉じる(&Q)", -1, kForBoth, [](W& w) { w.Close(); }, nullptr},
      {kPmCut, "切り取り(&T)", -1, kForBoth, [](W& w) { w.editor_->Cut(); },
       [](W& w) { return w.editor_->HasSelection() && !w.editor_->ReadOnly(); }},
      {kPmCopy, "コピー(&C)", -1, kForBoth, [](W& w) { w.editor_->Copy(); },
       [](W& w) { return w.editor_->HasSelection(); }},
      {kPmPaste, "貼り付け(&P)", -1, kForBoth, [](W& w) { w.editor_->Paste(); },
       [](W& w) { return w.ClipboardHasText() && !w.editor_->ReadOnly(); }},
      {kPmShowDay, "この日を表示(&D)", -1, kForSearch, [](W& w) { w.ShowDayOfCaretLine(); },
       [](W& w) {
         return w.controller_->doc() == MemoDoc::Memo &&
                ListingDateAt(SplitEditorText(w.editor_->Text()), w.editor_->Caret().row).has_value();
       }},
  };
  return kCommands;
}

const MemoWindow::Command* MemoWindow::FindCommand(int id) {
  for (const Command& c : Commands())
    if (c.id == id) return &c;
  return nullptr;
}

bool MemoWindow::CommandEnabled(const Command& c) {
  unsigned mine = kind_ == MemoKind::Memo ? kForMemo : kForSearch;
  return (c.kinds & mine) && (!c.enabled || c.enabled(*this));
}

void MemoWindow::RunCommand(int id) {
  const Command* c = FindCommand(id);
  if (c && c->run && CommandEnabled(*c)) c->run(*this);
}

// ---- Creation --------------------------------------------------------------------

MemoWindow::MemoWindow(MemoKind kind) : kind_(kind) {}

MemoWindow::~MemoWindow() {
  if (popup_) DestroyMenu(popup_);
}

bool MemoWindow::Create(const MemoWindowArgs& args) {
  os_ = args.os;
  host_ = args.host ? args.host : &noHost_;
  owner_ = args.owner;
  folders_ = args.folders;
  if (!os_) return false;
  MemoTextArea& text = *this;
  MemoScreen& screen = *this;
  if (!controller_) controller_ = std::make_unique<MemoController>(kind_, *os_, text, screen);
  controller_->SetFolders(folders_);
  CreateMenus();
  platform::WindowArgs w;
  w.className = ClassName();
  w.title = Widen(kShownTitle);
  w.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  w.exStyle = WS_EX_CONTROLPARENT;
  w.parent = owner_;
  w.menuOrId = menuBar_;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  const Bounds design = BoundsOnScreen(DesignBounds(), platform::DpiAtPoint({DesignBounds().left, DesignBounds().top}));
  w.x = design.left;
  w.y = design.top;
  w.width = design.width;
  w.height = design.height;
  if (!CreateWindowFrom(w)) return false;
  CreateControls();
  Relayout();
  return true;
}

void MemoWindow::SetFolders(const MemoFolders& folders) {
  folders_ = folders;
  if (controller_) controller_->SetFolders(folders);
}

// The status bar, the buttons and the search bar take the new font; the
// text keeps its size in points.
void MemoWindow::OnDpiChanged(int) {
  if (!uiFont_) return;
  const platform::UniqueFont old = std::move(uiFont_);
  uiFont_.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  platform::ReplaceChildFonts(hwnd(), old.get(), uiFont_.get());
  Relayout();
}

void MemoWindow::CreateControls() {
  uiFont_.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0,
                               0, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusBar)),
                               platform::ModuleInstance(), nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(uiFont_.get()), FALSE);
  CreateEditor();
  CreateExtras();
  SetStatus(kInsertPanel, "挿入");
}

void MemoWindow::CreateEditor() {
  editor_ = std::make_unique<TEditor>();
  TEditorArgs e;
  e.parent = hwnd();
  e.id = kMemo1;
  e.clipboard = &os_->clipboard;
  e.events = this;
  e.fontFace = platform::ChooseFixedFontFace();
  e.fontHeight = kEditorFontHeight;
  if (!editor_->Create(e)) throw std::runtime_error("RichEdit (Msftedit.dll) is not available");
  editor_->SetScrollBars(ScrollBars::Both);
  SetWindowSubclass(editor_->hwnd(), &MemoWindow::EditorKeys, kKeysSubclass,
                    reinterpret_cast<DWORD_PTR>(this));
}

// Wine's RichEdit deletes a text in time that grows with the square of its
// paragraphs (each step finds its place from the first paragraph again):
// replacing the fifty-year listing took minutes. A long text is never
// deleted; the control holding it makes way for a new, empty one.
void MemoWindow::SetLines(const std::vector<std::string>& lines) {
  if (editor_->LineCount() > kLongestTextToDelete) RenewEditor();
  editor_->SetLines(lines);
}

void MemoWindow::RenewEditor() {
  const HWND old = editor_->hwnd();
  const bool readOnly = editor_->ReadOnly(), focused = GetFocus() == old;
  RemoveWindowSubclass(old, &MemoWindow::EditorKeys, kKeysSubclass);
  editor_.reset();
  DestroyWindow(old);
  CreateEditor();
  editor_->SetReadOnly(readOnly);
  Relayout();
  if (lastFocus_ == old) lastFocus_ = editor_->hwnd();
  if (focused) editor_->Focus();
}

void MemoWindow::CreateMenus() {
  if (menuBar_) return;  // a window made again after residency gets new ones
  menuBar_ = CreateMenu();
  for (int p = 0; p < kPopupCount; ++p) {
    popups_[p] = BuildPopup(p);
    AppendMenuW(menuBar_, MF_POPUP, reinterpret_cast<UINT_PTR>(popups_[p]), Widen(kPopupCaptions[p]).c_str());
  }
  popup_ = BuildPopup(-1);
}

HMENU MemoWindow::BuildPopup(int popup) {
  HMENU menu = CreatePopupMenu();
  const unsigned mine = kind_ == MemoKind::Memo ? kForMemo : kForSearch;
  for (const Command& c : Commands()) {
    if (c.popup != popup || !(c.kinds & mine)) continue;
    if (!c.id) AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    else if (c.id != kPmShowDay || host_->CanShowDay())
      AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(c.id), Widen(c.caption).c_str());
  }
  return menu;
}

// Alt with a key reaches the control as a system key: the window's keys
// are taken here, before the menu bar would beep at them.
LRESULT CALLBACK MemoWindow::EditorKeys(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR data) {
  auto* self = reinterpret_cast<MemoWindow*>(data);
  return platform::GuardedCall(control, [&]() -> LRESULT {
    if (message == WM_SYSKEYDOWN) {
      MemoKey key = DecideMemoKey({static_cast<unsigned>(wParam), Held(VK_CONTROL), Held(VK_SHIFT), true});
      if (key != MemoKey::None) return self->RunKey(key), 0;
    }
    if (message == WM_SYSCHAR && (wParam == 'm' || wParam == 'M')) return 0;
    return DefSubclassProc(control, message, wParam, lParam);
  });
}

// ---- Opening and closing -----------------------------------------------------------

// The kept size is scaled for the window's DPI now; moved to a monitor of
// another DPI, the window is scaled again by WM_DPICHANGED.
void MemoWindow::Place() {
  Bounds b = PlaceMemoWindow(BoundsOnScreen(controller_->SavedBounds(), Dpi()), WorkAreaBounds());
  SetWindowPos(hwnd(), nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MemoWindow::Open(MemoDoc doc) {
  if (!hwnd() && !Create({owner_, os_, folders_, host_})) return;
  if (Showing()) {  // shown already: to the front, on the document asked for
    if (controller_->doc() != doc) SwitchTo(doc);
    SetForegroundWindow(hwnd());
    return;
  }
  SetWindowTextW(hwnd(), Widen(kShownTitle).c_str());
  controller_->LoadSettings(DesignBounds());
  Place();
  ShowWindow(hwnd(), SW_SHOW);
  UpdateWindow(hwnd());
  controller_->Show(doc);
  UpdateCaretPanel();
  UpdateKeyPanels();
  AfterOpen();
  lastFocus_ = InitialFocus();
  SetFocus(lastFocus_);
  SetForegroundWindow(hwnd());
}

bool MemoWindow::CloseWindow(Page page) {
  if (!Showing() || closing_) return true;
  closing_ = true;
  const bool closed = controller_->Close(BoundsToKeep(BoundsOf(hwnd()), Dpi()));
  closing_ = false;
  if (!closed) return false;
  ShowWindow(hwnd(), SW_HIDE);
  // Every opening reads its document again; a long text kept out of sight
  // would hold the control at several times the program's own memory.
  if (editor_->LineCount() > kLongestTextToDelete) RenewEditor();
  if (owner_ && IsWindowVisible(owner_)) SetActiveWindow(owner_);
  host_->MemoWindowClosed(page);
  return true;
}

bool MemoWindow::SaveAndDestroy() {
  if (!hwnd()) return true;
  if (!CloseWindow(Page::Keep)) return false;
  DestroyWindow(hwnd());
  menuBar_ = nullptr;  // destroyed with the window
  if (popup_) DestroyMenu(popup_);
  popup_ = nullptr;
  return true;
}

void MemoWindow::SwitchTo(MemoDoc doc) {
  controller_->Switch(doc);
  UpdateCaretPanel();
  editor_->Focus();
}

// ---- Keys ----------------------------------------------------------------------------

bool MemoWindow::RunKey(MemoKey key) {
  switch (key) {
    case MemoKey::None: return false;
    case MemoKey::Swallow: return true;
    case MemoKey::Close: CloseWindow(Page::Keep); return true;
    case MemoKey::CloseToMonth: CloseWindow(Page::Month); return true;
    case MemoKey::CloseToYear: CloseWindow(Page::Year); return true;
    case MemoKey::New: RunCommand(kMnNew); return true;
    case MemoKey::Open: RunCommand(kMnOpen); return true;
    case MemoKey::FindDialog: RunCommand(kMnFind); return true;
    case MemoKey::FindNext: controller_->FindAgain(true); return true;
    case MemoKey::FindPrevious: controller_->FindAgain(false); return true;
    case MemoKey::ToggleInsert: ToggleInsertMode(); return false;  // the control switches too
  }
  return false;
}

bool MemoWindow::PreTranslate(MSG& msg) {
  if (!hwnd() || (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd))) return false;
  if (msg.hwnd == editor_->hwnd()) return false;  // the text hands its keys over itself
  const bool down = msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN;
  if (down || msg.message == WM_KEYUP) {
    MemoKey key = DecideMemoKey({static_cast<unsigned>(msg.wParam), Held(VK_CONTROL), Held(VK_SHIFT),
                                 Held(VK_MENU), msg.message == WM_KEYUP});
    if (key != MemoKey::ToggleInsert && RunKey(key)) return true;
  }
  return IsDialogMessageW(hwnd(), &msg) != FALSE;
}

bool MemoWindow::OnKeyDown(unsigned key, bool ctrl, bool shift, bool alt) {
  bool taken = RunKey(DecideMemoKey({key, ctrl, shift, alt}));
  UpdateKeyPanels();
  return taken;
}

void MemoWindow::OnKeyUp(unsigned key) {
  UpdateKeyPanels();
  RunKey(DecideMemoKey({key, Held(VK_CONTROL), Held(VK_SHIFT), Held(VK_MENU), true}));
}

void MemoWindow::ToggleInsertMode() {
  overwrite_ = !overwrite_;
  SetStatus(kInsertPanel, overwrite_ ? "上書" : "挿入");
}

// ---- Editor events -------------------------------------------------------------------

void MemoWindow::OnChange(const std::string&, const TextChange&) {
  controller_->TextChanged();
  UpdateCaretPanel();
}

void MemoWindow::OnCaretMoved() { UpdateCaretPanel(); }

void MemoWindow::OnContextMenu(int x, int y) {
  OnInitMenuPopup(popup_);
  TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, hwnd(), nullptr);
}

void MemoWindow::OnLink(const std::string& address, bool doubleClick) {
  if (!doubleClick) return;
  LinkAction action = DecideLink(address, [this](const std::string& path) { return os_->fs.Exists(path); });
  if (!action.open.empty()) platform::RunDocument(os_->shell, action.open, SW_SHOWNORMAL);
  else if (!action.message.empty()) platform::Inform(os_->dialogs, action.message);
}

void MemoWindow::Select(TextPos from, TextPos to) {
  editor_->Select(from, to);
  editor_->ScrollCaretIntoView();
}

// ---- Menus ----------------------------------------------------------------------------

bool MemoWindow::ClipboardHasText() const {
  return IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
}

void MemoWindow::OnInitMenuPopup(HMENU menu) {
  const int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    const int id = static_cast<int>(GetMenuItemID(menu, i));
    const Command* c = FindCommand(id);
    if (!c) continue;
    EnableMenuItem(menu, id, MF_BYCOMMAND | (CommandEnabled(*c) ? MF_ENABLED : MF_GRAYED));
  }
  const int current = kMnDocMemo + static_cast<int>(controller_->doc());
  CheckMenuRadioItem(menu, kMnDocMemo, kMnDocEditor, current, MF_BYCOMMAND);
  if (kind_ == MemoKind::Memo) {
    const wchar_t* caption = controller_->jumpPanelShown() ? L"ジャンプボタンＯｆｆ(&G)" : L"ジャンプボタンＯｎ(&G)";
    ModifyMenuW(menu, kMnJumpToggle, MF_BYCOMMAND | MF_STRING, kMnJumpToggle, caption);
  }
}

void MemoWindow::ShowFindForm() {
  const std::string& text = editor_->Text();
  std::string word = editor_->HasSelection() ? std::string() : WordAt(text, OffsetOfPos(text, editor_->Caret()));
  if (editor_->HasSelection()) {
    EditorSelectionRange s = editor_->GetSelection();
    std::size_t a = OffsetOfPos(text, s.start), b = OffsetOfPos(text, s.end);
    word = text.substr(a, b - a);
    if (word.find('\n') != std::string::npos) word = WordAt(text, a);
  }
  auto request = AskFindText(hwnd(), {word, controller_->matchCase(), forwardFind_}, findHistory_);
  if (!request) return;
  controller_->SetMatchCase(request->matchCase);
  forwardFind_ = request->forward;
  controller_->Find(request->word, request->forward);
}

void MemoWindow::ShowDayOfCaretLine() {
  auto date = ListingDateAt(SplitEditorText(editor_->Text()), editor_->Caret().row);
  if (date) host_->ShowDay(date->year, date->month, date->day);
}

// ---- Status bar --------------------------------------------------------------------------

void MemoWindow::SetStatus(int panel, const std::string& text) {
  status_[panel] = text;
  if (statusBar_) SendMessageW(statusBar_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

std::string MemoWindow::StatusText(int panel) const {
  return panel >= 0 && panel < kStatusPanels ? status_[panel] : std::string();
}

void MemoWindow::UpdateCaretPanel() {
  TextPos caret = editor_->Caret();
  SetStatus(kCaretPanel, CaretPanelText(caret.row, caret.column));
}

void MemoWindow::UpdateKeyPanels() {
  SetStatus(kCapsPanel, Toggled(VK_CAPITAL) ? "Caps" : "");
  SetStatus(kKanaPanel, Toggled(VK_KANA) ? "かな" : "");
  SetStatus(kNumPanel, Toggled(VK_NUMLOCK) ? "Num" : "");
}

void MemoWindow::ShowTitle(const std::string& title) { SetWindowTextW(hwnd(), Widen(title).c_str()); }

void MemoWindow::ShowDocument(MemoDoc doc, bool readOnly) {
  SetStatus(kReadOnlyPanel, readOnly ? "Read Only" : "");
  SetStatus(kNamePanel, MemoDocName(kind_, doc));
  UpdateCaretPanel();
}

FileDialogAnswer MemoWindow::AskSaveName(const FileDialogRequest& request) {
  FileDialog d(hwnd(), request);
  d.ofn.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  d.ofn.lpstrDefExt = L"txt";
  return d.Answer(GetSaveFileNameW(&d.ofn));
}

FileDialogAnswer MemoWindow::AskOpenName(const FileDialogRequest& request) {
  FileDialog d(hwnd(), request);
  d.ofn.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
  return d.Answer(GetOpenFileNameW(&d.ofn));
}

// ---- Layout and messages -------------------------------------------------------------------

void MemoWindow::Relayout() {
  if (!statusBar_ || !editor_) return;
  SendMessageW(statusBar_, WM_SIZE, 0, 0);
  RECT client{}, bar{};
  GetClientRect(hwnd(), &client);
  GetWindowRect(statusBar_, &bar);
  int right[kStatusPanels], x = 0;
  for (int i = 0; i < kStatusPanels; ++i) right[i] = kPanelWidths[i] < 0 ? -1 : (x += Scale(kPanelWidths[i]));
  SendMessageW(statusBar_, SB_SETPARTS, kStatusPanels, reinterpret_cast<LPARAM>(right));
  for (int i = 0; i < kStatusPanels; ++i)  // the texts set before the parts existed
    SendMessageW(statusBar_, SB_SETTEXTW, i, reinterpret_cast<LPARAM>(Widen(status_[i]).c_str()));
  client.bottom -= bar.bottom - bar.top;
  RECT text = LayoutExtras(client);
  editor_->Move(text);
}

LRESULT MemoWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (editor_ && editor_->HandleParentMessage(message, wParam, lParam, &result)) return result;
  switch (message) {
    case WM_COMMAND:
      if (OnExtraCommand(LOWORD(wParam), HIWORD(wParam))) return 0;
      if (HIWORD(wParam) == 0 || HIWORD(wParam) == 1) RunCommand(LOWORD(wParam));
      return 0;
    case WM_INITMENUPOPUP: OnInitMenuPopup(reinterpret_cast<HMENU>(wParam)); return 0;
    case WM_SIZE: Relayout(); return 0;
    case WM_ACTIVATE:
      if (!editor_) break;
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd(), focus)) lastFocus_ = focus;
        return 0;
      }
      UpdateKeyPanels();
      SetFocus(lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd(), lastFocus_) ? lastFocus_ : InitialFocus());
      return 0;
    case WM_GETMINMAXINFO:
      reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = {Scale(kMinTrackWidth), Scale(kMinTrackHeight)};
      return 0;
    case WM_CLOSE: CloseWindow(Page::Keep); return 0;
    // Never holds the session up with a question: the main window saves
    // the memo silently when the session ends.
    case WM_QUERYENDSESSION: return TRUE;
  }
  return Default(message, wParam, lParam);
}

// ---- TfmMemo: the jump buttons ------------------------------------------------------------

COLORREF TfmMemo::DigitColor(bool markSet, bool hot) {
  if (markSet) return hot ? RGB(255, 0, 255) : RGB(0, 128, 0);
  return hot ? RGB(0, 0, 255) : GetSysColor(COLOR_WINDOWTEXT);
}

int TfmMemo::DigitOf(int id) const {
  if (id < kBtnDigit1 || id >= kBtnLast) return -1;
  return (id - kBtnDigit1 + 1) % 10;  // 1..9, then 0
}

void TfmMemo::CreateExtras() {
  marks_.fill(-1);
  for (int i = 0; i < 12; ++i) {
    const int id = kBtnFirst + i;
    std::wstring caption = i == 0 ? L"最初" : i == 11 ? L"最後" : std::to_wstring((i % 10));
    buttons_[i] = CreateWindowExW(0, L"BUTTON", caption.c_str(), WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                  hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  platform::ModuleInstance(), nullptr);
    SendMessageW(buttons_[i], WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
    SetWindowSubclass(buttons_[i], &TfmMemo::ButtonHover, 1, reinterpret_cast<DWORD_PTR>(this));
  }
}

RECT TfmMemo::LayoutExtras(RECT area) {
  if (!panelShown_) return area;
  const int width = Scale(kJumpPanelWidth);
  const int height = area.bottom - area.top;
  // The twelve buttons share the panel's height alike.
  const int each = std::max(1, (height - 4) / 12);
  for (int i = 0; i < 12; ++i)
    MoveWindow(buttons_[i], area.right - width + 2, area.top + 2 + i * each, width - 4, each, TRUE);
  area.right -= width;
  return area;
}

void TfmMemo::ShowJumpPanel(bool shown) {
  panelShown_ = shown;
  for (HWND b : buttons_) ShowWindow(b, shown ? SW_SHOW : SW_HIDE);
  Relayout();
}

void TfmMemo::ShowMarks(const std::array<int, 10>& marks) {
  marks_ = marks;
  for (HWND b : buttons_) InvalidateRect(b, nullptr, TRUE);
}

bool TfmMemo::OnExtraCommand(int id, int code) {
  if (id < kBtnFirst || id > kBtnLast) return false;
  if (code != BN_CLICKED) return true;
  if (id == kBtnFirst) controller().ToFirstLine();
  else if (id == kBtnLast) controller().ToLastLine();
  else controller().Jump(DigitOf(id), GetKeyState(VK_SHIFT) < 0);
  editor().Focus();
  return true;
}

LRESULT CALLBACK TfmMemo::ButtonHover(HWND button, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                      DWORD_PTR data) {
  auto* self = reinterpret_cast<TfmMemo*>(data);
  if (message == WM_MOUSEMOVE && self->hot_ != button) {
    HWND before = self->hot_;
    self->hot_ = button;
    TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, button, 0};
    TrackMouseEvent(&track);
    if (before) InvalidateRect(before, nullptr, TRUE);
    InvalidateRect(button, nullptr, TRUE);
  } else if (message == WM_MOUSELEAVE && self->hot_ == button) {
    self->hot_ = nullptr;
    InvalidateRect(button, nullptr, TRUE);
  }
  return DefSubclassProc(button, message, wParam, lParam);
}

void TfmMemo::DrawJumpButton(const DRAWITEMSTRUCT& item) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const int digit = DigitOf(static_cast<int>(item.CtlID));
  const bool set = digit >= 0 && marks_[digit] >= 0;  // "最初" and "最後" look like unset digits
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, DigitColor(set, item.hwndItem == hot_));
  wchar_t caption[16]{};
  GetWindowTextW(item.hwndItem, caption, 16);
  platform::SelectGuard font(item.hDC, UiFont());
  DrawTextW(item.hDC, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

LRESULT TfmMemo::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DRAWITEM) {
    auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
    if (item->CtlID >= static_cast<UINT>(kBtnFirst) && item->CtlID <= static_cast<UINT>(kBtnLast)) {
      DrawJumpButton(*item);
      return TRUE;
    }
  }
  return MemoWindow::OnMessage(message, wParam, lParam);
}

}  // namespace editors
