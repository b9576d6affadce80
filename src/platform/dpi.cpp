#include "platform/dpi.h"

#include <cstdint>

namespace platform {
namespace {

// Windows goes up to 500 % (480 DPI); anything far beyond is a bad value.
constexpr int kHighestDpi = 96 * 8;

// value * numerator / denominator, halves away from zero.
int MulDivRounded(int value, int numerator, int denominator) {
  const std::int64_t product = std::int64_t(value) * numerator;  // |product| < 2^31 * 768
  const std::int64_t half = denominator / 2;
  const std::int64_t q = product >= 0 ? (product + half) / denominator : -((-product + half) / denominator);
  return static_cast<int>(q);
}

}  // namespace

int UsableDpi(int dpi) { return dpi >= 24 && dpi <= kHighestDpi ? dpi : kBaseDpi; }

int ScaleToDpi(int pixels96, int dpi) { return MulDivRounded(pixels96, UsableDpi(dpi), kBaseDpi); }

int ScaleFromDpi(int pixels, int dpi) { return MulDivRounded(pixels, kBaseDpi, UsableDpi(dpi)); }

int LineWidthForDpi(int width96, int dpi) {
  if (width96 <= 0) return 1;
  const int whole = width96 * UsableDpi(dpi) / kBaseDpi;  // truncated: 1 stays 1 below 192
  return whole < 1 ? 1 : whole;
}

support::Rect ScaleRectToDpi(const support::Rect& r, int dpi) {
  return {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.right, dpi),
          ScaleToDpi(r.bottom, dpi)};
}

int PointsToPixelsAtDpi(int points, int dpi) { return MulDivRounded(points, UsableDpi(dpi), 72); }

}  // namespace platform
