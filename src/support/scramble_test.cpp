#include "support/scramble.h"

#include <gtest/gtest.h>

#include "support/cp932.h"
#include "support/utf8.h"

namespace support {
namespace {

using Lines = std::vector<std::string>;
constexpr std::string_view kKey = "TORENVAKILUMESPADIROQUEXN";

TEST(ScrambleText, TwiceGivesTheTextBack) {
  const std::string text = Utf8ToCp932("予定\r\n\t会議 ABC xyz ｱｲｳ") + std::string("\x01\x7F\xFE", 3);
  const std::string scrambled = ScrambleText(text, kKey);
  EXPECT_NE(scrambled, text);
  EXPECT_EQ(scrambled.size(), text.size());
  EXPECT_EQ(ScrambleText(scrambled, kKey), text);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool control = static_cast<unsigned char>(scrambled[i]) < 0x20;
    EXPECT_EQ(control, static_cast<unsigned char>(text[i]) < 0x20) << i;
  }
}

TEST(ScrambleText, KeyByteEqualToTextByteIsKeptAndKeyStillAdvances) {
  // 'A' ^ 'A' would be 0: kept. 'B' ^ 'B' likewise; 'b' ^ 'B' = 0x20.
  EXPECT_EQ(ScrambleText("AB", "AB"), "AB");
  EXPECT_EQ(ScrambleText("Ab", "AB"), "A ");
  EXPECT_EQ(ScrambleText("\rx", "a1"), "\rI");  // 'x' ^ '1': the CR used up the "a"
  EXPECT_EQ(ScrambleText("abc", ""), "abc");
}

TEST(MakeHeaderCode, SixToNinetyNineDigits) {
  std::mt19937 random(1);
  std::size_t shortest = 99, longest = 0;
  for (int i = 0; i < 2000; ++i) {
    const std::string code = MakeHeaderCode(random);
    ASSERT_EQ(code.find_first_not_of("0123456789"), std::string::npos) << code;
    shortest = std::min(shortest, code.size());
    longest = std::max(longest, code.size());
  }
  EXPECT_EQ(shortest, 6u);
  EXPECT_EQ(longest, 99u);
  EXPECT_EQ(HeaderTrailer("1234567"), "123");
}

TEST(KeyBook, OnePhysicalLineThatDecodesToCodeLinesAndTrailer) {
  const Lines lines{Utf8ToCp932("管理者"), "PC01", "", "x"};
  const std::string file = EncodeKeyBook("12345678", lines, kKey);
  EXPECT_EQ(file.find_first_of("\r\n"), file.size() - 2);
  EXPECT_EQ(DecodeKeyBook(file, kKey), (Lines{"12345678", Utf8ToCp932("管理者"), "PC01", "", "x", "1234"}));
  EXPECT_NE(DecodeKeyBook(file, "OTHERKEY"), DecodeKeyBook(file, kKey));
}

TEST(KeyBook, EmptyListHoldsCodeAndTrailerOnly) {
  EXPECT_EQ(DecodeKeyBook(EncodeKeyBook("987654", {}, kKey), kKey), (Lines{"987654", "987"}));
  EXPECT_EQ(DecodeKeyBook("", kKey), Lines{});
}

TEST(ScrambledIni, TenLinesOfThirtyMakeChunksOfSevenAndThree) {
  Lines lines;
  for (int i = 0; i < 10; ++i) lines.push_back("Key" + std::to_string(i) + "=" + std::string(25, 'v'));
  ASSERT_EQ(lines[0].size(), 30u);
  const std::string file = EncodeScrambledIni(lines, "TOREN");
  const Lines physical = [&] {
    Lines out;
    std::size_t start = 0;
    for (std::size_t end; (end = file.find("\r\n", start)) != std::string::npos; start = end + 2) {
      out.push_back(file.substr(start, end - start));
    }
    EXPECT_EQ(start, file.size());
    return out;
  }();
  ASSERT_EQ(physical.size(), 3u);
  EXPECT_EQ(physical[0], Utf8ToCp932(kScrambledIniHeader));
  EXPECT_EQ(physical[1].size(), 7 * 32u);
  EXPECT_EQ(physical[2].size(), 3 * 32u);
  EXPECT_EQ(DecodeScrambledIni(file, "TOREN"), lines);
}

TEST(ScrambledIni, EachLineScrambledFromTheFirstKeyByte) {
  const std::string file = EncodeScrambledIni({"[Net]", "[Net]"}, "TOREN");
  const std::string once = ScrambleText("[Net]", "TOREN") + std::string(kScrambleMark);
  EXPECT_EQ(file.substr(file.size() - 2 * once.size() - 2), once + once + "\r\n");
}

TEST(ScrambledIni, HeaderIs217PrintableBytes) {
  const std::string bytes = Utf8ToCp932(kScrambledIniHeader);
  EXPECT_EQ(bytes.size(), 217u);
  EXPECT_EQ(Utf8CharCount(kScrambledIniHeader), 217u);
  for (unsigned char b : bytes) EXPECT_TRUE((b >= 0x20 && b <= 0x7E) || (b >= 0xA1 && b <= 0xDF)) << int(b);
}

TEST(ScrambledIni, EmptyIniAndFilesWithoutHeader) {
  EXPECT_EQ(EncodeScrambledIni({}, "TOREN"), Utf8ToCp932(kScrambledIniHeader) + "\r\n");
  EXPECT_EQ(DecodeScrambledIni(EncodeScrambledIni({}, "TOREN"), "TOREN"), Lines{});
  const std::string plain = ScrambleText("[A]", "TOREN") + "\r\n" + ScrambleText("k=1", "TOREN") + "\r\n";
  EXPECT_EQ(DecodeScrambledIni(plain, "TOREN"), (Lines{"[A]", "k=1"}));
}

}  // namespace
}  // namespace support
