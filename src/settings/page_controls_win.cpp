#include "settings/page_controls_win.h"

#include <utility>

#include "platform/dpi_win.h"
#include "platform/text_win.h"

namespace settings {
namespace {

COLORREF ToColorRef(store::Color colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

}  // namespace

void PageControls::Attach(HWND page, int dpi, int fontHeight96) {
  page_ = page;
  dpi_ = platform::UsableDpi(dpi);
  fontHeight96_ = fontHeight96;
  MakeFont();
}

void PageControls::MakeFont() { font_.reset(platform::CreateUiFont(fontHeight96_, dpi_)); }

int PageControls::Scale(int pixels96) const { return platform::ScaleToDpi(pixels96, dpi_); }

void PageControls::SizePage(int width96, int height96) {
  pageSize96_ = {width96, height96};
  SetWindowPos(page_, nullptr, 0, 0, Scale(width96), Scale(height96), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void PageControls::MoveTo(HWND control, const Place& place) const {
  const support::Rect r = PlaceAtDpi(place, dpi_);
  MoveWindow(control, r.left, r.top, r.Width(), r.Height(), TRUE);
}

HWND PageControls::Add(const wchar_t* className, const std::string& text, DWORD style, Place p, int id,
                       DWORD exStyle) {
  const support::Rect r = PlaceAtDpi(p, dpi_);
  HWND control = CreateWindowExW(exStyle, className, platform::Widen(text).c_str(), WS_CHILD | WS_VISIBLE | style,
                                 r.left, r.top, r.Width(), r.Height(), page_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::ModuleInstance(), nullptr);
  if (!control) return nullptr;
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  placed_.push_back({control, p});
  return control;
}

// The old font lives until every control has let go of it.
void PageControls::SetDpi(int dpi) {
  dpi_ = platform::UsableDpi(dpi);
  const platform::UniqueFont old = std::move(font_);
  MakeFont();
  platform::ReplaceChildFonts(page_, old.get(), font_.get());
  if (pageSize96_.width) SizePage(pageSize96_.width, pageSize96_.height);
  for (const Placed& p : placed_) MoveTo(p.control, p.place);
}

void PageWindow::OnDpiChanged(int) { controls_.SetDpi(Dpi()); }

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

platform::WindowArgs PanelWindowArgs(const wchar_t* className, HWND parent, int id, int x, int y) {
  platform::WindowArgs w;
  w.className = className;
  w.style = kPageStyle;
  w.exStyle = kPageExStyle;
  w.x = x;
  w.y = y;
  w.width = w.height = 0;
  w.parent = parent;
  w.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
  w.classStyle = 0;
  w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  return w;
}

}  // namespace settings
