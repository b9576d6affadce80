#include "net/admin_dialog_win.h"

#include <shlobj.h>

#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace net {
namespace {

using platform::Narrow;
using platform::Widen;

// 96-DPI sizes of the dialog.
constexpr int kWidth = 380;
constexpr int kHeight = 240;
constexpr int kMargin = 14;
constexpr int kLabelWidth = 110;
constexpr int kRowHeight = 24;
constexpr int kButtonWidth = 150;
constexpr int kCancelWidth = 100;
constexpr int kFontHeight = 13;
constexpr int kTitleFontHeight = 16;

int CALLBACK StartIn(HWND window, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start) SendMessageW(window, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

struct AdminDialog::Controls {
  HWND title, rightsNote, nameLabel, name, passwordLabel, password, prompt, execute, cancel;
  platform::UniqueFont font, titleFont;
};

AdminDialog::AdminDialog(HWND owner, AdminSetup& setup, std::string netFolderField)
    : owner_(owner), setup_(setup), netFolderField_(std::move(netFolderField)) {}

AdminDialog::~AdminDialog() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool AdminDialog::Build() {
  platform::WindowArgs args;
  args.className = L"TfmNetFolder";
  args.title = Widen(TextsOf(AdminDialogMode::Create).caption);
  args.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  args.exStyle = WS_EX_DLGMODALFRAME;
  args.width = args.height = 1;  // sized at the window's DPI below
  args.parent = owner_;
  args.background = GetSysColorBrush(COLOR_BTNFACE);
  if (!CreateWindowFrom(args)) return false;
  c_ = std::make_unique<Controls>();
  MakeFonts();
  auto make = [&](const wchar_t* cls, DWORD style, int id, DWORD ex = 0) {
    HWND h = CreateWindowExW(ex, cls, L"", WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::ModuleInstance(), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(c_->font.get()), TRUE);
    return h;
  };
  c_->title = make(L"STATIC", SS_LEFT, kTitle);
  c_->rightsNote = make(L"STATIC", SS_LEFT, kRightsNote);
  c_->nameLabel = make(L"STATIC", SS_RIGHT, kNameLabel);
  c_->name = make(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, kName, WS_EX_CLIENTEDGE);
  c_->passwordLabel = make(L"STATIC", SS_RIGHT, kPasswordLabel);
  c_->password = make(L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, kPassword, WS_EX_CLIENTEDGE);
  c_->prompt = make(L"STATIC", SS_LEFT, kPrompt);
  c_->execute = make(L"BUTTON", WS_TABSTOP | BS_DEFPUSHBUTTON, kExecute);
  c_->cancel = make(L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON, kCancel);
  SendMessageW(c_->title, WM_SETFONT, reinterpret_cast<WPARAM>(c_->titleFont.get()), TRUE);
  Layout();
  return true;
}

void AdminDialog::MakeFonts() {
  c_->font.reset(platform::CreateUiFont(kFontHeight, Dpi()));
  c_->titleFont.reset(platform::CreateUiFont(kTitleFontHeight, Dpi(), true));
}

void AdminDialog::Layout() {
  SetWindowPos(hwnd(), nullptr, 0, 0, Scale(kWidth), Scale(kHeight), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  auto place = [this](HWND h, int x, int y, int width, int height) {
    MoveWindow(h, Scale(x), Scale(y), Scale(width), Scale(height), TRUE);
  };
  const int fieldX = kMargin + kLabelWidth + 8, fieldWidth = kWidth - fieldX - kMargin - 8;
  place(c_->title, kMargin, 12, kWidth - 2 * kMargin, 22);
  place(c_->rightsNote, kMargin, 40, kWidth - 2 * kMargin, 18);
  place(c_->nameLabel, kMargin, 70, kLabelWidth, kRowHeight);
  place(c_->name, fieldX, 66, fieldWidth, kRowHeight);
  place(c_->passwordLabel, kMargin, 104, kLabelWidth, kRowHeight);
  place(c_->password, fieldX, 100, fieldWidth, kRowHeight);
  place(c_->prompt, kMargin, 134, kWidth - 2 * kMargin, 18);
  const int cancelX = kWidth - kMargin - 8 - kCancelWidth;
  place(c_->execute, cancelX - 10 - kButtonWidth, 166, kButtonWidth, 28);
  place(c_->cancel, cancelX, 166, kCancelWidth, 28);
}

// The dialog keeps its 96-DPI outer size: it is laid out by it, as the
// form was.
void AdminDialog::OnDpiChanged(int) {
  if (!c_) return;
  const platform::UniqueFont oldFont = std::move(c_->font), oldTitle = std::move(c_->titleFont);
  MakeFonts();
  platform::ReplaceChildFonts(hwnd(), oldFont.get(), c_->font.get());
  platform::ReplaceChildFonts(hwnd(), oldTitle.get(), c_->titleFont.get());
  Layout();
}

void AdminDialog::Fill(AdminDialogMode mode, const AdminEntry& initial) {
  const AdminDialogTexts t = TextsOf(mode);
  SetWindowTextW(hwnd(), Widen(t.caption).c_str());
  SetWindowTextW(c_->title, Widen(t.title).c_str());
  SetWindowTextW(c_->rightsNote, Widen(t.rightsNote).c_str());
  SetWindowTextW(c_->nameLabel, Widen(t.nameLabel).c_str());
  SetWindowTextW(c_->passwordLabel, Widen(t.passwordLabel).c_str());
  SetWindowTextW(c_->prompt, Widen(t.prompt).c_str());
  SetWindowTextW(c_->execute, Widen(t.execute).c_str());
  SetWindowTextW(c_->cancel, Widen(t.cancel).c_str());
  SetWindowTextW(c_->name, Widen(initial.name).c_str());
  SetWindowTextW(c_->password, Widen(initial.password).c_str());
  ShowWindow(c_->rightsNote, t.rightsNote.empty() ? SW_HIDE : SW_SHOW);
  ShowWindow(c_->prompt, t.prompt.empty() ? SW_HIDE : SW_SHOW);
}

std::optional<AdminEntry> AdminDialog::Show(AdminDialogMode mode, const AdminEntry& initial) {
  if (!hwnd() && !Build()) return std::nullopt;
  mode_ = mode;
  entry_.reset();
  target_.reset();
  Fill(mode, initial);
  const POINT place = platform::CentredIn(platform::WorkArea(), {Scale(kWidth), Scale(kHeight)});
  SetWindowPos(hwnd(), HWND_TOP, place.x, place.y, 0, 0, SWP_NOSIZE);
  platform::ModalOwner owner(owner_);
  closed_ = false;
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(c_->name);
  platform::RunModalLoop(hwnd(), [this] { return closed_; });
  SetWindowTextW(c_->password, L"");  // the password stays nowhere it is not needed
  owner.Return(hwnd());
  return entry_;
}

void AdminDialog::OnExecute() {
  const AdminEntry entry{Narrow(platform::WindowText(c_->name)), Narrow(platform::WindowText(c_->password))};
  const ExecuteResult result = setup_.Execute(mode_, entry, netFolderField_);
  if (!result.close) return;
  target_ = result.target;
  const bool done = mode_ == AdminDialogMode::Rights || result.target;
  if (done) entry_ = entry;
  closed_ = true;
}

LRESULT AdminDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (LOWORD(wParam) == kExecute) OnExecute();
      if (LOWORD(wParam) == kCancel) closed_ = true;
      return 0;
    case WM_CLOSE:
      closed_ = true;
      return 0;
  }
  return Window::OnMessage(message, wParam, lParam);
}

std::optional<std::string> ShellFolderPicker::PickFolder(const std::string& start) {
  const std::wstring startW = Widen(start);
  BROWSEINFOW info{};
  info.hwndOwner = owner_;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = StartIn;
  info.lParam = startW.empty() ? 0 : reinterpret_cast<LPARAM>(startW.c_str());
  PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
  if (!list) return std::nullopt;
  wchar_t path[MAX_PATH] = {};
  const bool got = SHGetPathFromIDListW(list, path);
  CoTaskMemFree(list);
  if (!got) return std::nullopt;
  return Narrow(path);
}

}  // namespace net
