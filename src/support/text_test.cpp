#include "support/text.h"

#include <gtest/gtest.h>

#include "support/cp932.h"

namespace support {
namespace {

using Lines = std::vector<std::string>;

TEST(Trim, DropsBlanksAndControlsButNotJapanese) {
  EXPECT_EQ(Trim(" \t\r\n予定 \x01"), "予定");
  EXPECT_EQ(TrimLeft("  a b  "), "a b  ");
  EXPECT_EQ(TrimRight("  a b  "), "  a b");
  EXPECT_EQ(Trim("　全角　"), "　全角　");  // the full-width blank is text
  EXPECT_EQ(Trim(" \x1F "), "");
  EXPECT_TRUE(IsBlank(" \r\n"));
  EXPECT_FALSE(IsBlank(" ｱ "));
}

TEST(IgnoreCase, FoldsAsciiOnly) {
  EXPECT_TRUE(EqualsIgnoreCase("Velda", "vELDA"));
  EXPECT_FALSE(EqualsIgnoreCase("Ａ", "ａ"));
  EXPECT_LT(CompareIgnoreCase("abc", "ABD"), 0);
  EXPECT_GT(CompareIgnoreCase("abcd", "ABC"), 0);
  EXPECT_EQ(CompareIgnoreCase("[Set]", "[set]"), 0);
  EXPECT_TRUE(StartsWithIgnoreCase("CaFromTo.kdf", "cafrom"));
  EXPECT_FALSE(StartsWithIgnoreCase("Ca", "cafrom"));
  EXPECT_EQ(ToUpperAscii("abcｱz"), "ABCｱZ");
  EXPECT_EQ(ToLowerAscii("ABC表"), "abc表");
}

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning) {
  EXPECT_EQ(ReplaceAll("a,b,c", ",", "，"), "a，b，c");
  EXPECT_EQ(ReplaceAll("aaa", "a", "aa"), "aaaaaa");
  EXPECT_EQ(ReplaceAll("abc", "", "x"), "abc");
}

TEST(SplitAt, KeepsEmptyPiecesAndAppends) {
  Lines list{"old"};
  SplitAt("a,,b", ',', list);
  EXPECT_EQ(list, (Lines{"old", "a", "", "b"}));
  EXPECT_EQ(Split("", ','), Lines{""});
  EXPECT_EQ(Split("a,", ','), (Lines{"a", ""}));
  EXPECT_EQ(Join(Split("x,,y,", ','), ","), "x,,y,");
}

TEST(SplitLines, TakesEveryLineBreakAndNoFinalEmptyLine) {
  EXPECT_EQ(SplitLines(""), Lines{});
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n"), Lines{"a"});
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (Lines{"a", ""}));
  EXPECT_EQ(SplitLines("\n\r"), (Lines{"", ""}));  // LF then a lone CR
  EXPECT_EQ(JoinLines({"a", ""}), "a\r\n\r\n");
  EXPECT_EQ(SplitLines(JoinLines({"x", "", "y"})), (Lines{"x", "", "y"}));
}

struct IntCase {
  const char* text;
  std::optional<std::int32_t> value;
};

class ParseIntCase : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntCase, ReadsAsDelphi) { EXPECT_EQ(ParseInt(GetParam().text), GetParam().value); }

INSTANTIATE_TEST_SUITE_P(
    Table, ParseIntCase,
    testing::Values(IntCase{"42", 42}, IntCase{"  -7", -7}, IntCase{"+3", 3}, IntCase{"$1F", 31},
                    IntCase{"0x10", 16}, IntCase{"-$10", -16}, IntCase{"$FFFFFFFF", -1},
                    IntCase{"2147483647", 2147483647}, IntCase{"-2147483648", INT32_MIN},
                    IntCase{"2147483648", std::nullopt}, IntCase{"$100000000", std::nullopt},
                    IntCase{"", std::nullopt}, IntCase{"-", std::nullopt}, IntCase{"$", std::nullopt},
                    IntCase{"12 ", std::nullopt}, IntCase{"1.5", std::nullopt},
                    IntCase{"true", std::nullopt}, IntCase{"１２", std::nullopt},
                    IntCase{"99999999999999999999", std::nullopt}));

TEST(StrToIntDef, FallsBackOnAnythingElse) {
  EXPECT_EQ(StrToIntDef("12", 5), 12);
  EXPECT_EQ(StrToIntDef("x", 5), 5);
}

TEST(FullWidth, DigitsAndOutOfRange) {
  EXPECT_EQ(FullWidthDigit(0), "０");
  EXPECT_EQ(FullWidthDigit(7), "７");
  EXPECT_EQ(FullWidthDigit(10), "９");
  EXPECT_EQ(FullWidthDigit(-1), "９");
  EXPECT_EQ(ToFullWidthDigits("12月3日 a9"), "１２月３日 a９");
}

TEST(Weekday, NamesAndNumbers) {
  EXPECT_EQ(WeekdayShort(1), "日");
  EXPECT_EQ(WeekdayShort(7), "土");
  EXPECT_EQ(WeekdayShort(0), "不明");
  EXPECT_EQ(WeekdayLong(2), "月曜日");
  EXPECT_EQ(WeekdayLong(8), "不明");
  for (int d = 1; d <= 7; ++d) EXPECT_EQ(WeekdayNumber(WeekdayLong(d)), std::to_string(d));
  EXPECT_EQ(WeekdayNumber("月"), "");
  EXPECT_EQ(WeekdayNumber("不明"), "");
}

struct PadCase {
  const char* text;
  int width;
  const char* right;
  const char* left;
  const char* rightPart;
};

class Padding : public testing::TestWithParam<PadCase> {};

TEST_P(Padding, FillsToExactWidth) {
  const PadCase& c = GetParam();
  EXPECT_EQ(PadRight(c.text, c.width), c.right);
  EXPECT_EQ(PadLeft(c.text, c.width), c.left);
  EXPECT_EQ(RightPart(c.text, c.width), c.rightPart);
  if (c.width > 0) {
    EXPECT_EQ(Cp932Length(PadRight(c.text, c.width)), static_cast<std::size_t>(c.width));
    EXPECT_EQ(Cp932Length(PadLeft(c.text, c.width)), static_cast<std::size_t>(c.width));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Padding,
    testing::Values(PadCase{"ab", 4, "ab  ", "  ab", "ab"}, PadCase{"abcdef", 3, "abc", "def", "def"},
                    PadCase{"予定", 6, "予定  ", "  予定", "予定"},
                    PadCase{"予定", 3, "予 ", " 定", "定"},  // no half characters
                    PadCase{"ｱｲ", 3, "ｱｲ ", " ｱｲ", "ｱｲ"}, PadCase{"ab", 0, "", "", ""},
                    PadCase{"", 2, "  ", "  ", ""}));

TEST(Repeat, Times) {
  EXPECT_EQ(Repeat("ab", 3), "ababab");
  EXPECT_EQ(Repeat("ab", 0), "");
  EXPECT_EQ(Repeat("ab", -2), "");
}

TEST(SpaceToken, EncodesAndDecodes) {
  EXPECT_EQ(SpaceToken("a b  c", true), "a_\\Sp\\_b_\\Sp\\__\\Sp\\_c");
  EXPECT_EQ(SpaceToken(SpaceToken("C:\\My Data\\ x", true), false), "C:\\My Data\\ x");
}

TEST(Unquote, OnlyWhenQuotedAtBothEnds) {
  EXPECT_EQ(Unquote("'abc'"), "abc");
  EXPECT_EQ(Unquote("'it''s'"), "it's");
  EXPECT_EQ(Unquote("''"), "");
  EXPECT_EQ(Unquote("'"), "'");
  EXPECT_EQ(Unquote("'abc"), "'abc");
  EXPECT_EQ(Unquote("a'b'"), "a'b'");
}

TEST(ColorToHex, RedGreenBlueFromColorref) {
  EXPECT_EQ(ColorToHex(0x000000FF), "#ff0000");
  EXPECT_EQ(ColorToHex(0x00FF0000), "#0000ff");
  EXPECT_EQ(ColorToHex(0x00123456), "#563412");
  EXPECT_EQ(ColorToHex(0xFF00FF00), "#00ff00");  // the top byte is no colour
}

TEST(PushRecent, MovesToTopWithoutDuplicatesAndCuts) {
  Lines list{"b", "a", "c"};
  PushRecent(list, "a", 0);
  EXPECT_EQ(list, (Lines{"a", "b", "c"}));
  PushRecent(list, "d", 3);
  EXPECT_EQ(list, (Lines{"d", "a", "b"}));
  PushRecent(list, "  ", 3);
  EXPECT_EQ(list, (Lines{"d", "a", "b"}));
  PushRecent(list, "B", 3);  // case counts
  EXPECT_EQ(list, (Lines{"B", "d", "a"}));
}

}  // namespace
}  // namespace support
