#include "net/status_label.h"

namespace net {

std::string_view ColorName(LabelColor color) {
  return color == LabelColor::Red ? "clRed" : "clFuchsia";
}

store::Color ColorValue(LabelColor color) {
  return *store::ParseColorText(ColorName(color));
}

}  // namespace net
