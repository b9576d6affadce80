#include "grid/canvas.h"

namespace grid {

// COLOR_SCROLLBAR (0) .. COLOR_INFOBK (24) are the indexes a colour text
// names; higher ones are left to the canvas as well.
bool IsSystemColour(Colour colour) { return (colour & 0xFF000000u) == kSystemColourBase; }

Colour ResolveColour(Canvas& canvas, Colour colour) {
  if (IsSystemColour(colour)) return canvas.SystemColour(static_cast<int>(colour & 0xFF)) & 0xFFFFFF;
  return colour & 0xFFFFFF;
}

int AlignedLeft(const Rect& box, int width, HAlign align) {
  switch (align) {
    case HAlign::Center: return box.left + (box.Width() - width) / 2;
    case HAlign::Right: return box.right - width;
    default: return box.left;
  }
}

int AlignedTop(const Rect& box, int height, VAlign align) {
  return align == VAlign::Center ? box.top + (box.Height() - height) / 2 : box.top;
}

}  // namespace grid
