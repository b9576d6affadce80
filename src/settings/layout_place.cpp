#include "settings/layout_place.h"

#include "platform/dpi.h"

namespace settings {

support::Rect PlaceAtDpi(const Place& place, int dpi) {
  return platform::ScaleRectToDpi({place.x, place.y, place.right(), place.bottom()}, dpi);
}

Place Inside(const Place& group, const Place& control) {
  return {group.x + control.x, group.y + control.y, control.width, control.height};
}

}  // namespace settings
