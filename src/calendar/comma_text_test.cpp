#include "calendar/comma_text.h"

#include <gtest/gtest.h>

namespace calendar {
namespace {

using Fields = std::vector<std::string>;

struct SplitCase {
  std::string text;
  Fields fields;
};

class SplitCommaTextTest : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitCommaTextTest, Splits) {
  EXPECT_EQ(SplitCommaText(GetParam().text), GetParam().fields) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitCommaTextTest,
    testing::Values(
        SplitCase{"5,3,憲法記念日", {"5", "3", "憲法記念日"}},
        SplitCase{"1,1,New Year", {"1", "1", "New", "Year"}},  // a blank separates
        SplitCase{"1\t1\x01x", {"1", "1", "x"}},                // so do control characters
        SplitCase{"  a , b  ", {"a", "b"}},                     // blanks around a comma
        SplitCase{"a,,b", {"a", "", "b"}},
        SplitCase{",a", {"", "a"}},
        SplitCase{"a,", {"a", ""}},    // a comma at the very end adds an empty field
        SplitCase{"a, ", {"a"}},       // but not when blanks follow it
        SplitCase{"2000,,3,4,,,名前", {"2000", "", "3", "4", "", "", "名前"}},
        SplitCase{"1,1,\"New Year\"", {"1", "1", "New Year"}},
        SplitCase{"\"a,b\",\"say \"\"hi\"\"\"", {"a,b", "say \"hi\""}},
        SplitCase{"\"\"", {""}},
        SplitCase{"\"ab\"cd", {"ab", "cd"}},
        SplitCase{"\"open quote, never closed", {"open quote, never closed"}},
        SplitCase{"", {}},
        SplitCase{"   ", {}},
        SplitCase{std::string("a,b\0,c", 6), {"a", "b"}},  // NUL ends the text
        // Bytes of Japanese characters (over 0x7F, some with 0x20-ish low
        // bits in other encodings) never separate.
        SplitCase{"\xE3\x80\x80x,\xE2\x80\x82", {"\xE3\x80\x80x", "\xE2\x80\x82"}}));

struct JoinCase {
  Fields fields;
  std::string text;
};

class JoinCommaTextTest : public testing::TestWithParam<JoinCase> {};

TEST_P(JoinCommaTextTest, JoinsAndSplitsBack) {
  EXPECT_EQ(JoinCommaText(GetParam().fields), GetParam().text);
  if (!GetParam().fields.empty()) {
    EXPECT_EQ(SplitCommaText(GetParam().text), GetParam().fields);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, JoinCommaTextTest,
    testing::Values(JoinCase{{}, ""}, JoinCase{{""}, "\"\""},
                    JoinCase{{"元日"}, "元日"}, JoinCase{{"a", "b"}, "a,b"},
                    JoinCase{{"a b"}, "\"a b\""}, JoinCase{{"a,b", "c"}, "\"a,b\",c"},
                    JoinCase{{"say \"hi\""}, "\"say \"\"hi\"\"\""},
                    JoinCase{{"tab\there"}, "\"tab\there\""},
                    JoinCase{{"全角　空白"}, "全角　空白"},  // a full-width blank is no blank
                    JoinCase{{"a", "", "b"}, "a,,b"}));

}  // namespace
}  // namespace calendar
