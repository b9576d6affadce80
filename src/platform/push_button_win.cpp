#include "platform/push_button_win.h"

#include "platform/dpi_win.h"
#include "platform/win_handles_win.h"

namespace platform {

void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, const std::wstring& caption,
                    COLORREF textColour) {
  RECT r = item.rcItem;
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  SetTextColor(item.hDC, textColour);
  SetBkMode(item.hDC, TRANSPARENT);
  SelectGuard selected(item.hDC, font);
  if (pushed) OffsetRect(&r, 1, 1);
  DrawTextW(item.hDC, caption.c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    const int inset = ScaleToDpi(4, WindowDpi(item.hwndItem));
    InflateRect(&focus, -inset, -inset);
    DrawFocusRect(item.hDC, &focus);
  }
}

}  // namespace platform
