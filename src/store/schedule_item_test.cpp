#include "store/schedule_item.h"

#include <gtest/gtest.h>

#include "store/color_text.h"
#include "store/store_test_fixture.h"
#include "support/text.h"

namespace store {
namespace {

TEST(ColorText, EveryNameOfTheTablesGoesBothWays) {
  const char* standard[] = {"clBlack", "clMaroon", "clGreen", "clOlive", "clNavy", "clPurple",
                            "clTeal",  "clGray",   "clSilver", "clRed", "clLime", "clYellow",
                            "clBlue",  "clFuchsia", "clAqua",  "clWhite"};
  for (const char* name : standard) {
    auto value = ParseColorText(name);
    ASSERT_TRUE(value) << name;
    EXPECT_EQ(ColorToText(*value), name);
  }
  for (Color c = 0x80000000; c <= 0x80000018; ++c) {
    std::string name = ColorToText(c);
    ASSERT_EQ(name.substr(0, 2), "cl") << std::hex << c;
    EXPECT_EQ(ParseColorText(name), c);
  }
  EXPECT_EQ(ColorToText(0x80000000), "clScrollBar");
  EXPECT_EQ(ColorToText(0x80000018), "clInfoBk");
  EXPECT_EQ(ColorToText(kClWindowText), "clWindowText");
  EXPECT_EQ(ColorToText(kClBtnFace), "clBtnFace");
  EXPECT_EQ(ColorToText(0x0000FF), "clRed");
  EXPECT_EQ(ColorToText(0xFF0000), "clBlue");
}

TEST(ColorText, OtherValuesAreEightUpperCaseHexDigits) {
  EXPECT_EQ(ColorToText(0x00484848), "$00484848");
  EXPECT_EQ(ColorToText(0x000080FF), "$000080FF");
  EXPECT_EQ(ColorToText(0x80000019), "$80000019");
  EXPECT_EQ(ParseColorText("$000080FF"), 0x000080FFu);
  EXPECT_EQ(ParseColorText("255"), 0x0000FFu);
  EXPECT_EQ(ParseColorText("CLRED"), 0x0000FFu);
  EXPECT_EQ(ParseColorText("-16777208"), 0xFF000008u);
  EXPECT_FALSE(ParseColorText("clOrange"));
  EXPECT_FALSE(ParseColorText(""));
  EXPECT_FALSE(ParseColorText("$00GG0000"));
}

TEST(SplitItem, KeepsEmptyFields) {
  EXPECT_EQ(SplitItem(""), std::vector<std::string_view>{""});
  EXPECT_EQ(SplitItem("a,,b"), (std::vector<std::string_view>{"a", "", "b"}));
  EXPECT_EQ(SplitItem("a,"), (std::vector<std::string_view>{"a", ""}));
  EXPECT_EQ(SplitItem(" 5,1,,会議,,,,,,").size(), 10u);
}

TEST(ItemDay, ReadsFieldZeroOrNoDay) {
  EXPECT_EQ(ItemDay(" 5,1,,x,,,,,,"), 5);
  EXPECT_EQ(ItemDay("77,1,,x"), 77);
  EXPECT_EQ(ItemDay(" 0,0,9,2004/ 3 [Data\\Files1\\]"), 0);
  EXPECT_EQ(ItemDay("a5,1"), kNoDay);
  EXPECT_EQ(ItemDay(""), kNoDay);
  EXPECT_EQ(ItemDay("12"), 12);
}

ItemAttributes AttributesOf(std::string_view line) { return ParseItemAttributes(SplitItem(line)); }

TEST(ItemAttributes, ReadFromFieldsFourToEight) {
  ItemAttributes full = AttributesOf(" 5,1,,t,clRed,3,9:05:00,200,-12345,");
  EXPECT_EQ(full.color, 0x0000FFu);
  EXPECT_EQ(full.markA, 3);
  EXPECT_EQ(full.time, 9 * 3600 + 5 * 60);
  EXPECT_EQ(full.markB, 200);
  EXPECT_EQ(full.markC, -12345);

  EXPECT_EQ(AttributesOf(" 5,1,,t,1,,,,,").color, kClWindowText);
  EXPECT_EQ(AttributesOf(" 5,1,,t,,,,,,").color, kClWindowText);
  EXPECT_EQ(AttributesOf(" 5,1,,t,$000080FF,,,,,").color, 0x000080FFu);  // orange
  EXPECT_EQ(AttributesOf(" 5,1,,t,,,9:05,,,").time, 9 * 3600 + 5 * 60);
}

TEST(ItemAttributes, ShortLinesGetTheDefaults) {
  EXPECT_EQ(AttributesOf(" 7,1,,text"), ItemAttributes{});
  EXPECT_EQ(AttributesOf(" 7,1,,text,clRed"), ItemAttributes{});  // five fields
  ItemAttributes six = AttributesOf(" 7,1,,text,clRed,4");
  EXPECT_EQ(six.color, 0x0000FFu);
  EXPECT_EQ(six.markA, 4);
}

TEST(ItemAttributes, AnUnreadableColourOrTimeLeavesTheRestAtDefaults) {
  EXPECT_EQ(AttributesOf(" 5,1,,t,clNothing,3,9:00:00,4,5,"), ItemAttributes{});
  ItemAttributes badTime = AttributesOf(" 5,1,,t,clRed,3,25:00,4,5,");
  EXPECT_EQ(badTime.color, 0x0000FFu);
  EXPECT_EQ(badTime.markA, 3);
  EXPECT_EQ(badTime.time, 0);
  EXPECT_EQ(badTime.markB, 0);
  EXPECT_EQ(badTime.markC, 0);
}

TEST(ItemAttributes, MarksThatAreNoBytesReadAsZero) {
  ItemAttributes a = AttributesOf(" 5,1,,t,,x,,256,y,");
  EXPECT_EQ(a.markA, 0);
  EXPECT_EQ(a.markB, 0);
  EXPECT_EQ(a.markC, 0);
  EXPECT_EQ(AttributesOf(" 5,1,,t,,-1,,,,").markA, 0);
}

TEST(TimeText, WrittenWithSecondsAndReadWithOrWithout) {
  EXPECT_EQ(TimeToText(9 * 3600 + 5 * 60), "9:05:00");
  EXPECT_EQ(TimeToText(23 * 3600 + 59 * 60 + 59), "23:59:59");
  EXPECT_EQ(TimeToText(0), "");
  EXPECT_EQ(ParseTimeText("9:05:00"), 32700);
  EXPECT_EQ(ParseTimeText(" 09:05 "), 32700);
  EXPECT_EQ(ParseTimeText("0:00:01"), 1);
  for (const char* bad : {"", "9", "9:", "24:00", "9:60", "9:05:60", "9:05:00:00", "a:05", "9:5x", "123:00"})
    EXPECT_FALSE(ParseTimeText(bad)) << bad;
}

TEST(FormatItemLine, WritesTenFieldsWithEmptyZeros) {
  EXPECT_EQ(FormatItemLine(5, 1, {"会議", {}}), " 5,1,,会議,,,,,,");
  DayEntry full{"A,B", {0x0000FF, 3, 9 * 3600 + 5 * 60, 7, -9}};
  EXPECT_EQ(FormatItemLine(12, 3, full), "12,3,,A，B,clRed,3,9:05:00,7,-9,");
  EXPECT_EQ(FormatItemLine(77, 1, {"memo", {kClBlack}}), "77,1,,memo,clBlack,,,,,");
  EXPECT_EQ(FormatItemLine(5, 1, {"", {0x00484848}}), " 5,1,,,$00484848,,,,,");
}

TEST(FormatItemLine, ReadsBackAsWritten) {
  DayEntry entry{"x,y，z", {0x123456, 255, 86399, 1, INT32_MIN}};
  std::string line = FormatItemLine(31, 2, entry);
  auto fields = SplitItem(line);
  ASSERT_EQ(fields.size(), 10u);
  EXPECT_EQ(ParseItemAttributes(fields), entry.attributes);
  EXPECT_EQ(CommasToShown(fields[kItemText]), "x,y,z");
}

TEST(CommaRules, UserCommasAreStoredFullWidth) {
  EXPECT_EQ(CommasToStored("A,B,,C"), "A，B，，C");
  EXPECT_EQ(CommasToShown("A，B"), "A,B");
  EXPECT_EQ(CommasToShown(CommasToStored("A,B")), "A,B");
  EXPECT_EQ(CommasToShown("A，B，"), "A,B,");  // typed with "，", shown with ","
}

}  // namespace
}  // namespace store
