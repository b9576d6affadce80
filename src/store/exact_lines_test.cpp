#include "store/exact_lines.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"
#include "support/cp932.h"

namespace store {
namespace {

// U+2252 "≒" has the NEC code 87 90 and the JIS code 81 E0; Windows writes
// the second. A kanji of the NEC-selected IBM extensions (ED 40) is written
// as its IBM code (FA 5C).
TEST(OriginalBytes, CodesWindowsWouldRewriteComeBackAsRead) {
  std::string bytes = "\x87\x90\r\n\x81\xE0\r\n\xED\x40,\x87\x90\r\n\x87\x90\r\n";
  OriginalBytes originals;
  auto lines = DecodeLines(bytes, &originals);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], lines[1]);
  EXPECT_EQ(lines[0], lines[3]);
  EXPECT_NE(EncodeLines(lines, nullptr), bytes);  // what the codec alone writes
  EXPECT_EQ(EncodeLines(lines, &originals), bytes);
}

TEST(OriginalBytes, EqualTextsKeepTheirOwnBytesInOrder) {
  std::string bytes = "\x81\xE0\r\n\x87\x90\r\n\x81\xE0\r\n";
  OriginalBytes originals;
  auto lines = DecodeLines(bytes, &originals);
  EXPECT_EQ(EncodeLines(lines, &originals), bytes);
  // A line added later with the same text takes the codec's form.
  lines.push_back(lines[0]);
  EXPECT_EQ(EncodeLines(lines, &originals), bytes + "\x81\xE0\r\n");
}

TEST(DecodeLines, EndsLinesAtCrLfAndCrLf) {
  struct Case {
    std::string bytes;
    std::vector<std::string> lines;
  } cases[] = {{"", {}},
               {"a", {"a"}},
               {"a\r\n", {"a"}},
               {"a\nb\rc", {"a", "b", "c"}},
               {"a\r\r\nb", {"a", "", "b"}},
               {"\r\n\r\n", {"", ""}},
               {std::string("a\0b", 3), {std::string("a\0b", 3)}},
               {"x\x82\r\ny", {std::string("x").append(support::Cp932ToUtf8("\x82")), "y"}}};
  for (const auto& c : cases) EXPECT_EQ(DecodeLines(c.bytes, nullptr), c.lines);
}

TEST(OriginalBytes, AnyBytesComeBackByteForByte) {
  std::mt19937 rng(4242);
  for (int round = 0; round < 1000; ++round) {
    std::string bytes = RandomMonthBytes(rng);
    OriginalBytes originals;
    auto lines = DecodeLines(bytes, &originals);
    ASSERT_EQ(EncodeLines(lines, &originals), bytes) << "round " << round;
  }
}

}  // namespace
}  // namespace store
