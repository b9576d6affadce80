#include "shell/status_bar_win.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/dpi.h"
#include "platform/text_win.h"
#include "platform/window_win.h"

namespace shell {
namespace {

constexpr int kClockWidth = 200;
constexpr int kNetworkWidth = 80;
constexpr int kLabelGap = 10;
constexpr int kDataSetLabelWidth = 120;
constexpr int kSizeLabelWidth = 160;
constexpr COLORREF kAlertColour = RGB(255, 255, 0);
constexpr COLORREF kTeal = RGB(0, 128, 128);

HWND MakeLabel(HWND parent, HFONT font) {
  HWND label = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_CENTERIMAGE | SS_NOPREFIX, 0, 0,
                               0, 0, parent, nullptr, platform::ModuleInstance(), nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return label;
}

void ShowLabel(HWND label, const std::string& text) {
  if (text.empty() && !IsWindowVisible(label)) return;
  SetWindowTextW(label, platform::Widen(text).c_str());
  ShowWindow(label, text.empty() ? SW_HIDE : SW_SHOWNA);
  if (!text.empty()) SetWindowPos(label, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace

bool StatusBar::Create(HWND parent, HFONT font, HFONT boldFont, int dpi) {
  font_ = font;
  dpi_ = dpi;
  bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                         0, 0, parent, nullptr, platform::ModuleInstance(), nullptr);
  if (!bar_) return false;
  SendMessageW(bar_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SetParts();
  for (int i = 0; i < 3; ++i) SendMessageW(bar_, SB_SETTEXTW, i | SBT_OWNERDRAW, 0);
  // The labels belong to the main window so that it colours them.
  dataSetLabel_ = MakeLabel(parent, boldFont);
  sizeLabel_ = MakeLabel(parent, font);
  lockLabel_ = MakeLabel(parent, boldFont);
  alertBrush_.reset(CreateSolidBrush(kAlertColour));
  return true;
}

int StatusBar::Px(int pixels96) const { return platform::ScaleToDpi(pixels96, dpi_); }

void StatusBar::SetParts() {
  int edges[3] = {Px(kClockWidth), Px(kClockWidth + kNetworkWidth), -1};
  SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void StatusBar::SetDpi(int dpi, HFONT font) {
  dpi_ = dpi;
  font_ = font;
  SetParts();
  PlaceLabels();
}

void StatusBar::SetHeight(int height) {
  height_ = height;
  SendMessageW(bar_, SB_SETMINHEIGHT, height, 0);
  Resize();
}

void StatusBar::Resize() {
  SendMessageW(bar_, WM_SIZE, 0, 0);
  PlaceLabels();
}

void StatusBar::PlaceLabels() {
  RECT bar;
  GetWindowRect(bar_, &bar);
  MapWindowPoints(nullptr, GetParent(bar_), reinterpret_cast<POINT*>(&bar), 2);
  const int y = bar.top + Px(2);
  const int h = bar.bottom - bar.top - Px(4);
  const int x = Px(kClockWidth + kNetworkWidth + kLabelGap);
  MoveWindow(dataSetLabel_, x, y, Px(kDataSetLabelWidth), h, TRUE);
  MoveWindow(sizeLabel_, x + Px(kDataSetLabelWidth + kLabelGap), y, Px(kSizeLabelWidth), h, TRUE);
  MoveWindow(lockLabel_, x, y, std::max<LONG>(0, bar.right - x - Px(kLabelGap)), h, TRUE);
}

const StatusBar::Panel& StatusBar::Shown(int panel) const {
  static const Panel kSetAside;
  if (panel == 2 && IsWindowVisible(lockLabel_)) return kSetAside;
  return panel == 2 && !notice_.text.empty() ? notice_ : panels_[panel];
}

void StatusBar::Redraw(int panel) {
  RECT r;
  if (SendMessageW(bar_, SB_GETRECT, panel, reinterpret_cast<LPARAM>(&r)))
    InvalidateRect(bar_, &r, TRUE);
}

void StatusBar::SetText(int panel, const std::string& text, bool rightAligned) {
  if (panel < 0 || panel > 2) return;
  panels_[panel] = {text, rightAligned};
  Redraw(panel);
}

void StatusBar::SetNotice(const std::string& text) {
  notice_ = {text, false};
  Redraw(2);
}

void StatusBar::SetAlert(bool on) {
  alert_ = on;
  InvalidateRect(bar_, nullptr, TRUE);
}

void StatusBar::SetDataSetLabel(const std::string& text) {
  ShowLabel(dataSetLabel_, text);
  Redraw(2);
}

void StatusBar::SetSizeLabel(const std::string& text) {
  sizeShown_ = !text.empty();
  ShowLabel(sizeLabel_, text);
  Redraw(2);
}

void StatusBar::SetLockStatus(const std::string& text, COLORREF colour) {
  lockColour_ = colour;
  ShowLabel(lockLabel_, text);
  Redraw(2);
}

bool StatusBar::DrawPanel(const DRAWITEMSTRUCT& item) {
  if (item.hwndItem != bar_) return false;
  const int panel = static_cast<int>(item.itemID);
  if (panel < 0 || panel > 2) return true;
  RECT r = item.rcItem;
  FillRect(item.hDC, &r, alert_ ? alertBrush_.get() : GetSysColorBrush(COLOR_BTNFACE));
  const Panel& p = Shown(panel);
  platform::SelectGuard select(item.hDC, font_);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
  InflateRect(&r, -3, 0);
  // Left-aligned text of panel 2 starts after the labels laid over it.
  if (panel == 2 && !p.right) r.left = std::max<LONG>(r.left, LabelsRight());
  const std::wstring text = platform::Widen(p.text);
  DrawTextW(item.hDC, text.c_str(), -1, &r,
            DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | (p.right ? DT_RIGHT : DT_LEFT));
  return true;
}

LONG StatusBar::LabelsRight() const {
  LONG right = 0;
  for (HWND label : {dataSetLabel_, sizeLabel_}) {
    if (!IsWindowVisible(label)) continue;
    RECT r;
    GetWindowRect(label, &r);
    MapWindowPoints(nullptr, bar_, reinterpret_cast<POINT*>(&r), 2);
    right = std::max(right, r.right + kLabelGap);
  }
  return right;
}

HBRUSH StatusBar::LabelColours(HWND label, HDC dc) {
  if (label != dataSetLabel_ && label != sizeLabel_ && label != lockLabel_) return nullptr;
  SetBkMode(dc, TRANSPARENT);
  const COLORREF text = label == dataSetLabel_ ? kTeal : label == lockLabel_ ? lockColour_ : GetSysColor(COLOR_BTNTEXT);
  SetTextColor(dc, text);
  return alert_ ? alertBrush_.get() : GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace shell
