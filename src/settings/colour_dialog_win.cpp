#include "settings/colour_dialog_win.h"

#include <commdlg.h>

namespace settings {

COLORREF ToColorRef(store::Color colour) {
  if (store::IsSystemColor(colour)) return GetSysColor(static_cast<int>(colour & 0xFF));
  return static_cast<COLORREF>(colour & 0xFFFFFF);
}

std::optional<store::Color> PickColour(HWND owner, store::Color initial) {
  static COLORREF custom[16] = {};  // the dialog's own colours, for this run
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = owner;
  cc.rgbResult = ToColorRef(initial);
  cc.lpCustColors = custom;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (!ChooseColorW(&cc)) return std::nullopt;
  return static_cast<store::Color>(cc.rgbResult & 0xFFFFFF);
}

}  // namespace settings
