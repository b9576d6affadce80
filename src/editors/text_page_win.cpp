#include "editors/text_page_win.h"

#include "platform/dpi_win.h"
#include "platform/fonts_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace editors {
namespace {

// 96-DPI sizes. The fixed font stays even at every DPI, so that a
// half-width character is exactly half a full-width one and Shift-JIS byte
// columns line up.
constexpr int kFixedHalfHeight = 7;
constexpr int kUiFontHeight = 12;
constexpr int kMargin = 6, kButtonHeight = 28, kButtonWidth = 110;
constexpr POINT kFormPlace{80, 60};  // screen pixels

}  // namespace

struct TextPage::Fonts {
  platform::UniqueFont fixed, ui;
};

TextPage::TextPage() : fonts_(std::make_unique<Fonts>()) {}
TextPage::~TextPage() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool TextPage::Create(const TextPageArgs& args) {
  args_ = args;
  platform::WindowArgs w;
  w.className = L"TfmTextPage";
  w.title = platform::Widen(args.title);
  w.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_CLIPCHILDREN;
  w.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  w.parent = args.owner;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  const SIZE outer = platform::OuterSizeForClient(args.width, args.height, w.style, w.exStyle,
                                                  platform::DpiAtPoint(kFormPlace));
  w.x = kFormPlace.x;
  w.y = kFormPlace.y;
  w.width = outer.cx;
  w.height = outer.cy;
  if (!CreateWindowFrom(w)) return false;
  text_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", platform::Widen(args.text).c_str(),
                          WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | ES_MULTILINE |
                              ES_READONLY | ES_AUTOVSCROLL | ES_AUTOHSCROLL,
                          0, 0, 10, 10, hwnd(), reinterpret_cast<HMENU>(kText),
                          platform::ModuleInstance(), nullptr);
  close_ = CreateWindowExW(0, L"BUTTON", L"閉じる(&X)", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 10,
                           10, hwnd(), reinterpret_cast<HMENU>(kBtnClose), platform::ModuleInstance(),
                           nullptr);
  ApplyFonts();
  Layout();
  return true;
}

void TextPage::ApplyFonts() {
  auto fresh = std::make_unique<Fonts>();
  const int fixedHeight = 2 * Scale(kFixedHalfHeight);
  fresh->fixed.reset(CreateFontW(-fixedHeight, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY,
                                 FIXED_PITCH, platform::ChooseFixedFontFace().c_str()));
  fresh->ui.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  SendMessageW(text_, WM_SETFONT, reinterpret_cast<WPARAM>(fresh->fixed.get()), TRUE);
  SendMessageW(close_, WM_SETFONT, reinterpret_cast<WPARAM>(fresh->ui.get()), TRUE);
  fonts_ = std::move(fresh);  // the old ones go once the controls let go
}

void TextPage::OnDpiChanged(int) {
  if (!text_) return;
  ApplyFonts();
  Layout();
}

void TextPage::Layout() {
  RECT r{};
  GetClientRect(hwnd(), &r);
  const int margin = Scale(kMargin), buttonHeight = Scale(kButtonHeight), buttonWidth = Scale(kButtonWidth);
  MoveWindow(text_, margin, margin, r.right - 2 * margin, r.bottom - 3 * margin - buttonHeight, TRUE);
  MoveWindow(close_, r.right - margin - buttonWidth, r.bottom - margin - buttonHeight, buttonWidth, buttonHeight,
             TRUE);
}

void TextPage::ShowModal() {
  closed_ = false;
  platform::ModalOwner owner(args_.owner);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(close_);
  platform::RunModalLoop(hwnd(), [this] { return closed_; }, platform::OwnKeysFirst([this](const MSG& msg) {
                           const bool escape = msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE;
                           if (escape) closed_ = true;
                           return escape;
                         }));
  owner.Return(hwnd());
}

LRESULT TextPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SIZE:
      if (text_) Layout();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kBtnClose) closed_ = true;
      return 0;
    case WM_CLOSE:
      closed_ = true;
      return 0;
    case WM_CTLCOLORSTATIC:  // a read-only edit keeps the paper white
      if (reinterpret_cast<HWND>(lParam) == text_) return reinterpret_cast<LRESULT>(GetStockObject(WHITE_BRUSH));
      break;
  }
  return Default(message, wParam, lParam);
}

void ShowTextPage(const TextPageArgs& args) {
  TextPage page;
  if (page.Create(args)) page.ShowModal();
}

}  // namespace editors
