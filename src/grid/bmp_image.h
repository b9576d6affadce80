#pragma once
// A picture as a Windows BMP file (24 bits, rows bottom-up), for saving
// what a calendar drew so that people and tests can look at it.
#include <cstdint>
#include <string>
#include <vector>

#include "grid/canvas.h"

namespace grid {

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row-major from the top, 0x00BBGGRR

  Colour At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, pixel rows padded to
// four bytes. Empty for an image with no pixels or wrong pixel count.
std::string EncodeBmp(const Image& image);

}  // namespace grid
