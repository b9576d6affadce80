#include "settings/page_controls_win.h"

#include "platform/fonts_win.h"
#include "platform/text_win.h"
#include "platform/window_win.h"

namespace settings {
namespace {

constexpr int kFontHeight96 = 12;

COLORREF ToColorRef(store::Color colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

}  // namespace

void PageControls::Attach(HWND page) {
  page_ = page;
  platform::WindowDc dc(page);
  if (dc) dpi_ = GetDeviceCaps(dc.get(), LOGPIXELSY);
  font_.reset(CreateFontW(-Scale(kFontHeight96), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          platform::ChooseUiFontFace().c_str()));
}

HWND PageControls::Add(const wchar_t* className, const std::string& text, DWORD style, Place p, int id,
                       DWORD exStyle) {
  HWND control = CreateWindowExW(exStyle, className, platform::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 Scale(p.x), Scale(p.y), Scale(p.width), Scale(p.height), page_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::ModuleInstance(),
                                 nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  return control;
}

void PageControls::SetText(int id, const std::string& utf8) const {
  if (Text(id) != utf8) SetWindowTextW(Item(id), platform::Widen(utf8).c_str());
}

std::string PageControls::Text(int id) const { return WindowTextUtf8(Item(id)); }

void PageControls::Enable(int id, bool on) const { EnableWindow(Item(id), on ? TRUE : FALSE); }

void PageControls::Check(int id, bool on) const {
  SendMessageW(Item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool PageControls::Checked(int id) const { return SendMessageW(Item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void PageControls::Show(int id, bool on) const { ShowWindow(Item(id), on ? SW_SHOW : SW_HIDE); }

std::string WindowTextUtf8(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return platform::Narrow(text);
}

void DrawPageButton(const DRAWITEMSTRUCT& item, HFONT font, const ButtonLook& look) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  if (look.lit) {
    RECT face = r;
    InflateRect(&face, -2, -2);
    platform::UniqueBrush brush(CreateSolidBrush(ToColorRef(pushed || focused ? look.active : look.inactive)));
    FillRect(item.hDC, &face, brush.get());
  }
  wchar_t caption[64]{};
  GetWindowTextW(item.hwndItem, caption, 64);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  platform::SelectGuard selected(item.hDC, font);
  if (pushed) OffsetRect(&r, 1, 1);
  DrawTextW(item.hDC, caption, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (focused) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace settings
