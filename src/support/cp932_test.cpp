#include "support/cp932.h"

#include <gtest/gtest.h>
#include <algorithm>

#include <random>
#include <string>

#include "support/utf8.h"

namespace support {
namespace {

std::string Bytes(std::initializer_list<int> values) {
  std::string s;
  for (int v : values) s += static_cast<char>(v);
  return s;
}

std::string Escape(unsigned char b) {
  std::string s;
  AppendUtf8(s, kCp932EscapeBase + b);
  return s;
}

struct KnownChar {
  const char* utf8;
  std::string cp932;
};

class Cp932KnownChar : public testing::TestWithParam<KnownChar> {};

TEST_P(Cp932KnownChar, MapsBothWays) {
  EXPECT_EQ(Cp932ToUtf8(GetParam().cp932), GetParam().utf8);
  EXPECT_EQ(Utf8ToCp932(GetParam().utf8), GetParam().cp932);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Cp932KnownChar,
    testing::Values(KnownChar{"表", Bytes({0x95, 0x5C})}, KnownChar{"ソ", Bytes({0x83, 0x5C})},
                    KnownChar{"①", Bytes({0x87, 0x40})}, KnownChar{"ｱ", Bytes({0xB1})},
                    KnownChar{"＼", Bytes({0x81, 0x5F})}, KnownChar{"\\~", "\\~"},
                    KnownChar{"　", Bytes({0x81, 0x40})}, KnownChar{"，", Bytes({0x81, 0x43})},
                    KnownChar{"\xEE\x80\x80", Bytes({0xF0, 0x40})},   // U+E000
                    KnownChar{"\xEE\x9D\x97", Bytes({0xF9, 0xFC})},   // U+E757
                    KnownChar{"\xC2\x80", Bytes({0x80})},             // U+0080
                    KnownChar{"\xEF\xA3\xB0", Bytes({0xA0})},         // U+F8F0
                    KnownChar{"\xEF\xA3\xB3", Bytes({0xFF})},         // U+F8F3
                    KnownChar{"髙", Bytes({0xFB, 0xFC})}));

// Characters with two or three codes: Windows writes the first form.
TEST(Cp932, DuplicateCodesEncodeInWindowsPreferredForm) {
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(Bytes({0x87, 0x90}))), Bytes({0x81, 0xE0}));  // ≒
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(Bytes({0xFA, 0x4A}))), Bytes({0x87, 0x54}));  // Ⅰ
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(Bytes({0xEE, 0xEF}))), Bytes({0xFA, 0x40}));  // ⅰ
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(Bytes({0xEE, 0xF9}))), Bytes({0x81, 0xCA}));  // ¬
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(Bytes({0xED, 0x40}))), Bytes({0xFA, 0x5C}));  // 纊
  EXPECT_EQ(Utf8ToCp932("∵"), Bytes({0x81, 0xE6}));
}

TEST(Cp932, EverySingleByteRoundTrips) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(one)), one) << b;
  }
}

// Over all 65536 byte pairs: a pair comes back unchanged, or it is one of
// Windows' duplicate codes and comes back as another code of the same
// character. glibc marks 398 such codes.
TEST(Cp932, EveryBytePairRoundTripsExceptDuplicates) {
  int duplicates = 0;
  for (int code = 0; code < 0x10000; ++code) {
    const std::string pair = Bytes({code >> 8, code & 0xFF});
    const std::string text = Cp932ToUtf8(pair);
    const std::string back = Utf8ToCp932(text);
    if (back == pair) continue;
    ++duplicates;
    EXPECT_EQ(Utf8CharCount(text), 1u) << std::hex << code;
    EXPECT_EQ(Cp932ToUtf8(back), text) << std::hex << code;
    EXPECT_TRUE(code >> 8 == 0x87 || code >> 8 == 0xED || code >> 8 == 0xEE || code >> 8 == 0xFA)
        << std::hex << code;
  }
  EXPECT_EQ(duplicates, 398);
}

// Where the bytes differ, both hold a double-byte code of one character.
testing::AssertionResult SameExceptDuplicates(const std::string& original, const std::string& back) {
  if (back.size() != original.size()) return testing::AssertionFailure() << "length differs";
  for (std::size_t i = 0; i < original.size();) {
    if (original[i] == back[i]) {
      ++i;
      continue;
    }
    const std::string before = Cp932ToUtf8(original.substr(i, 2));
    if (i + 1 >= original.size() || before != Cp932ToUtf8(back.substr(i, 2)) ||
        Utf8CharCount(before) != 1 || Cp932Length(before) != 2) {
      return testing::AssertionFailure() << "differs at byte " << i;
    }
    i += 2;
  }
  return testing::AssertionSuccess();
}

TEST(Cp932, RandomBytesRoundTrip) {
  std::mt19937 random(932);
  std::uniform_int_distribution<int> length(0, 40), byte(0, 255);
  for (int n = 0; n < 20000; ++n) {
    std::string bytes;
    for (int i = length(random); i > 0; --i) bytes += static_cast<char>(byte(random));
    const std::string text = Cp932ToUtf8(bytes);
    ASSERT_TRUE(IsValidUtf8(text));
    ASSERT_TRUE(SameExceptDuplicates(bytes, Utf8ToCp932(text)));
    ASSERT_EQ(Cp932Length(text), bytes.size());
  }
}

// An undecodable lead byte is kept as it is even when the duplicate code
// after it is rewritten (here EEFC, "＂", as FA57).
TEST(Cp932, EscapedLeadByteBeforeDuplicateCodeIsKept) {
  const std::string bytes = Bytes({0xEE, 0xEE, 0xFC});
  EXPECT_EQ(Cp932ToUtf8(bytes), Escape(0xEE) + "＂");
  EXPECT_EQ(Utf8ToCp932(Cp932ToUtf8(bytes)), Bytes({0xEE, 0xFA, 0x57}));
}

TEST(Cp932, InvalidBytesBecomeEscapes) {
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x81})), Escape(0x81));  // lone lead byte at the end
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x81, 0x20})), Escape(0x81) + " ");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x81, 0x7F})), Escape(0x81) + "\x7F");
  // The bad trail byte may itself lead the next character.
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x85, 0x81, 0x40})), Escape(0x85) + "　");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0xFD, 0x40})), "\xEF\xA3\xB1@");
  EXPECT_EQ(Cp932ToUtf8(Bytes({0x82, 0xFD})), Escape(0x82) + "\xEF\xA3\xB1");
}

TEST(Cp932, UnrepresentableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp932("a😀b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("¥"), "?");  // no best fit to 5C
  EXPECT_FALSE(Cp932CanEncode("予定😀"));
  EXPECT_TRUE(Cp932CanEncode("予定ｱ①" + Escape(0x85)));
  EXPECT_EQ(Cp932Length("a😀"), 2u);
}

TEST(Cp932, MalformedUtf8EncodesAsQuestionMarksPerByte) {
  EXPECT_EQ(Utf8ToCp932("a\xFF" "b"), "a?b");
  EXPECT_EQ(Utf8ToCp932("\xE8\xA1"), "??");            // truncated
  EXPECT_EQ(Utf8ToCp932("\xC0\x80"), "??");            // overlong NUL
  EXPECT_EQ(Utf8ToCp932("\xED\xA0\x80"), "???");       // surrogate
  EXPECT_EQ(Utf8ToCp932("\xF4\x8F\xBD\x81"), "?");     // an escape of 0x41: not ours
  EXPECT_FALSE(Cp932CanEncode("\xE8\xA1"));
  EXPECT_EQ(Cp932Length("\xE8\xA1"), 2u);
}

// What the user is told before a write, so that nothing is stored as "?".
TEST(Cp932, UnencodableCharactersAreFoundWhereTheyStand) {
  using U = UnencodableChar;
  EXPECT_EQ(Cp932Unencodable("予定\r\n会😀議¥\nJosé" + Escape(0x85)),
            (std::vector<U>{{"😀", 2, 2}, {"¥", 2, 4}, {"é", 3, 4}}));
  EXPECT_EQ(Cp932Unencodable("a\xFF\n\xE8\xA1"),
            (std::vector<U>{{"\xEF\xBF\xBD", 1, 2}, {"\xEF\xBF\xBD", 2, 1}, {"\xEF\xBF\xBD", 2, 2}}));
  const std::string notice = UnencodableNotice({{"😀", 2, 2}});
  EXPECT_NE(notice.find("「😀」　2行目 2文字目"), std::string::npos);
  EXPECT_TRUE(Cp932CanEncode(notice.substr(notice.find("」"))));  // the rest of the text can be shown anywhere
}

TEST(Cp932, UnencodableListAgreesWithTheEncoder) {
  std::mt19937 random(7);
  const std::vector<std::string> pieces = {"a", "予", "😀", "\n", "\r", "¥", "\xFF", "é", "ｱ", Escape(0x90)};
  for (int round = 0; round < 500; ++round) {
    std::string text;
    for (int i = 0; i < 8; ++i) text += pieces[random() % pieces.size()];
    const auto found = Cp932Unencodable(text);
    EXPECT_EQ(found.empty(), Cp932CanEncode(text)) << text;
    const std::string encoded = Utf8ToCp932(text);
    const auto marks = std::count(encoded.begin(), encoded.end(), '?');
    EXPECT_LE(found.size(), static_cast<size_t>(marks)) << text;
  }
}

TEST(Cp932, LengthCountsShiftJisBytes) {
  EXPECT_EQ(Cp932Length(""), 0u);
  EXPECT_EQ(Cp932Length("表a"), 3u);
  EXPECT_EQ(Cp932Length("ｱｲ"), 2u);
  EXPECT_EQ(Cp932Length(Escape(0x81) + "x"), 2u);
}

TEST(Cp932, LeadBytes) {
  for (int b = 0; b < 256; ++b) {
    const bool lead = (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
    EXPECT_EQ(IsCp932LeadByte(static_cast<unsigned char>(b)), lead) << b;
  }
}

struct CopyCase {
  const char* text;
  int from, count;
  const char* expected;
};

class CopyMbcsCase : public testing::TestWithParam<CopyCase> {};

TEST_P(CopyMbcsCase, CutsWholeCharacters) {
  const CopyCase& c = GetParam();
  EXPECT_EQ(CopyMbcs(c.text, c.from, c.count), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CopyMbcsCase,
    testing::Values(CopyCase{"abcdef", 2, 3, "bcd"}, CopyCase{"abc", 0, 2, "ab"},
                    CopyCase{"abc", 3, 10, "c"}, CopyCase{"abc", 4, 1, ""},
                    CopyCase{"abc", 1, 0, ""}, CopyCase{"abc", 1, -1, ""},
                    CopyCase{"あいう", 1, 4, "あい"},
                    CopyCase{"あいう", 1, 3, "あ"},   // would end on a lead byte
                    CopyCase{"あいう", 2, 4, "い"},   // starts on a trail byte
                    CopyCase{"あいう", 2, 1, ""}, CopyCase{"aあb", 2, 3, "あb"},
                    CopyCase{"ｱｲｳ", 2, 2, "ｲｳ"}, CopyCase{"予定😀x", 5, 2, "😀x"}));

TEST(ReplaceAllMbcs, MatchesWholeCharactersOnly) {
  EXPECT_EQ(ReplaceAllMbcs("表示表", "表", "X"), "X示X");
  // In Shift-JIS ソ and 表 end in 5C, the byte of "\".
  EXPECT_EQ(ReplaceAllMbcs("ソ\\表", "\\", "/"), "ソ/表");
  EXPECT_EQ(ReplaceAllMbcs("aaa", "aa", "b"), "ba");
  EXPECT_EQ(ReplaceAllMbcs("abc", "", "x"), "abc");
  EXPECT_EQ(ReplaceAllMbcs("a,b", ",", "，"), "a，b");
}

}  // namespace
}  // namespace support
