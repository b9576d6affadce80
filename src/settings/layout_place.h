#pragma once
// A control's place in 96-DPI pixels, as the layout tables of the settings
// windows hold it, and where it lies at the DPI of the window that shows it.
#include "support/geometry.h"

namespace settings {

struct Place {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;

  int right() const { return x + width; }
  int bottom() const { return y + height; }
};

// Each edge scaled on its own, so that places that touch or keep apart at
// 96 DPI still do at any other.
support::Rect PlaceAtDpi(const Place& place, int dpi);

// `control`, given from the corner of `group`, in the coordinates `group`
// is given in.
Place Inside(const Place& group, const Place& control);

}  // namespace settings
