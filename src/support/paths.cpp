#include "support/paths.h"

namespace support {

std::string EnsureTrailingSeparator(std::string_view path) {
  std::string result(path);
  if (!result.empty() && result.back() != kPathSeparator) result += kPathSeparator;
  return result;
}

}  // namespace support
