#include "grid/bmp_image.h"

#include <gtest/gtest.h>

namespace grid {
namespace {

std::uint32_t ReadLE(const std::string& bytes, std::size_t at, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  return value;
}

TEST(Bmp, HeaderRowsBottomUpPaddedToFourBytes) {
  Image image{3, 2, {0x0000FF, 0x00FF00, 0xFF0000, 0x010203, 0x040506, 0x070809}};
  const std::string bmp = EncodeBmp(image);
  const std::size_t rowBytes = 12;  // 9 bytes of pixels and 3 of padding
  ASSERT_EQ(bmp.size(), 54 + rowBytes * 2);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(ReadLE(bmp, 2, 4), bmp.size());
  EXPECT_EQ(ReadLE(bmp, 10, 4), 54u);
  EXPECT_EQ(ReadLE(bmp, 18, 4), 3u);
  EXPECT_EQ(ReadLE(bmp, 22, 4), 2u);
  EXPECT_EQ(ReadLE(bmp, 28, 2), 24u);
  // The file starts with the bottom row, each pixel blue, green, red.
  EXPECT_EQ(bmp.substr(54, 3), std::string("\x01\x02\x03", 3));
  EXPECT_EQ(bmp.substr(54 + rowBytes, 3), std::string("\x00\x00\xFF", 3));
  EXPECT_EQ(bmp.substr(54 + rowBytes + 3, 3), std::string("\x00\xFF\x00", 3));
}

TEST(Bmp, RefusesPicturesWithoutPixels) {
  EXPECT_TRUE(EncodeBmp({0, 0, {}}).empty());
  EXPECT_TRUE(EncodeBmp({2, 2, {1, 2, 3}}).empty());
}

}  // namespace
}  // namespace grid
