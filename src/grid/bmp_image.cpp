#include "grid/bmp_image.h"

namespace grid {
namespace {

constexpr int kFileHeaderSize = 14;
constexpr int kInfoHeaderSize = 40;

void PutLE(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string EncodeBmp(const Image& image) {
  if (image.width <= 0 || image.height <= 0 ||
      image.pixels.size() != static_cast<std::size_t>(image.width) * image.height)
    return {};
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(image.width) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = rowBytes * static_cast<std::uint32_t>(image.height);
  std::string out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  out += "BM";
  PutLE(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes, 4);
  PutLE(out, 0, 4);                                  // reserved
  PutLE(out, kFileHeaderSize + kInfoHeaderSize, 4);  // offset of the pixels
  PutLE(out, kInfoHeaderSize, 4);
  PutLE(out, static_cast<std::uint32_t>(image.width), 4);
  PutLE(out, static_cast<std::uint32_t>(image.height), 4);  // positive: bottom-up
  PutLE(out, 1, 2);                                         // planes
  PutLE(out, 24, 2);                                        // bits per pixel
  PutLE(out, 0, 4);                                         // BI_RGB
  PutLE(out, pixelBytes, 4);
  PutLE(out, 3780, 4);  // 96 dots per inch, as dots per metre
  PutLE(out, 3780, 4);
  PutLE(out, 0, 4);
  PutLE(out, 0, 4);
  for (int y = image.height - 1; y >= 0; --y) {
    for (int x = 0; x < image.width; ++x) {
      const Colour c = image.At(x, y);  // 0x00BBGGRR; the file wants B, G, R
      out.push_back(static_cast<char>((c >> 16) & 0xFF));
      out.push_back(static_cast<char>((c >> 8) & 0xFF));
      out.push_back(static_cast<char>(c & 0xFF));
    }
    out.append(rowBytes - static_cast<std::uint32_t>(image.width) * 3, '\0');
  }
  return out;
}

}  // namespace grid
