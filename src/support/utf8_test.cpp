#include "support/utf8.h"

#include <gtest/gtest.h>

namespace support {
namespace {

TEST(Utf8, Utf16RoundTripKeepsEveryPlane) {
  const std::string text = "a表ｱ😀\xF4\x8F\xBE\x81";  // the last: a CP932 escape
  const std::u16string wide = Utf8ToUtf16(text);
  EXPECT_EQ(wide, (std::u16string{u'a', u'表', u'ｱ', 0xD83D, 0xDE00, 0xDBFF, 0xDF81}));
  EXPECT_EQ(Utf16ToUtf8(wide), text);
}

TEST(Utf8, BadInputBecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), (std::u16string{u'a', 0xFFFD, u'b'}));
  EXPECT_EQ(Utf8ToUtf16("\xE8\xA1"), (std::u16string{0xFFFD, 0xFFFD}));
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, u'a'}), "\xEF\xBF\xBD" "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00}), "\xEF\xBF\xBD");
}

TEST(Utf8, RejectsMalformedSequences) {
  for (const char* bad : {"\x80", "\xC0\x80", "\xC1\xBF", "\xE0\x80\x80", "\xED\xA0\x80",
                          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xE3\x81", "\xE3\x41\x81"}) {
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
    const Utf8Char c = DecodeUtf8At(bad, 0);
    EXPECT_FALSE(c.valid);
    EXPECT_EQ(c.length, 1u);
  }
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF" "\xEF\xBF\xBF" "\xDF\xBF"));
  EXPECT_EQ(Utf8CharCount("a表\xFF😀"), 4u);
}

}  // namespace
}  // namespace support
