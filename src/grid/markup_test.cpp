#include "grid/markup.h"

#include <gtest/gtest.h>

#include <vector>

#include "grid/entry_line.h"

namespace grid {
namespace {

// The texts a day's entries show, run through the hiding markup in order.
std::vector<std::string> Visible(const std::vector<std::string>& texts) {
  std::vector<std::string> shown;
  bool hidden = false;
  for (const auto& text : texts) {
    HiddenStep step = ApplyHiding(text, hidden);
    hidden = step.hiddenAfter;
    if (TakesLine(step)) shown.push_back(step.visible);
  }
  return shown;
}

struct HidingCase {
  std::vector<std::string> entries;
  std::vector<std::string> shown;
};

class HidingTest : public testing::TestWithParam<HidingCase> {};

TEST_P(HidingTest, ShowsWhatTheMarkupLeaves) {
  EXPECT_EQ(Visible(GetParam().entries), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Days, HidingTest,
    testing::Values(
        HidingCase{{"a<H>b", "c", "d</H>e", "f"}, {"a", "e", "f"}},
        HidingCase{{"x<h>y</h>z"}, {"xz"}},
        HidingCase{{"a<H>b</H>c<H>d</H>e"}, {"ace"}},
        // An entry whose markup leaves nothing takes no line; a plain empty
        // entry still does.
        HidingCase{{"<H>secret</H>", "", "b"}, {"", "b"}},
        HidingCase{{"<H>open", "still hidden", "gone</H>"}, {}},
        HidingCase{{"<H>open", "x</H>y", "z"}, {"y", "z"}},
        // A closing tag with nothing hidden before it is plain text.
        HidingCase{{"a</H>b"}, {"a</H>b"}}));

TEST(StyleTags, BoldAndStrikeRemoveEveryTagInAnyCase) {
  StyledText bold = ApplyStyleTags("<b>会議</B>");
  EXPECT_EQ(bold.text, "会議");
  EXPECT_TRUE(bold.bold);
  EXPECT_FALSE(bold.strikeOut);
  StyledText struck = ApplyStyleTags("a<S>中止</s>b");
  EXPECT_EQ(struck.text, "a中止b");
  EXPECT_TRUE(struck.strikeOut);
  EXPECT_FALSE(struck.bold);
  EXPECT_FALSE(ApplyStyleTags("<BR>").bold);
}

TEST(ExpandTabs, EveryTabBecomesTheBlanks) {
  EXPECT_EQ(ExpandTabs("a\tb\t", 3), "a   b   ");
  EXPECT_EQ(ExpandTabs("a\tb", 0), "ab");
}

TEST(DropLastCharacter, KeepsMultiByteCharactersWhole) {
  EXPECT_EQ(DropLastCharacter("会議"), "会");
  EXPECT_EQ(DropLastCharacter("ab"), "a");
  EXPECT_EQ(DropLastCharacter("会"), "");
  EXPECT_EQ(DropLastCharacter(""), "");
}

TEST(EntryLine, FieldsColoursAndCommas) {
  bool hidden = false;
  EntryLine entry = PrepareEntryLine(" 5,1,,<B>A，B\tC,clRed,,,,,", hidden, 3);
  EXPECT_EQ(entry.text, "A,B   C");
  EXPECT_TRUE(entry.bold);
  ASSERT_TRUE(entry.colour);
  EXPECT_EQ(*entry.colour, 0x0000FFu);
}

TEST(EntryLine, ColourFieldOnlyCountsWithMoreThanFiveFields) {
  EXPECT_FALSE(EntryColour(" 7,1,,text"));
  EXPECT_FALSE(EntryColour(" 7,1,,text,clRed"));
  EXPECT_FALSE(EntryColour(" 7,1,,text,1,,,,,"));
  EXPECT_FALSE(EntryColour(" 7,1,,text,,,,,,"));
  // An unreadable colour falls back to the default instead of failing.
  EXPECT_FALSE(EntryColour(" 7,1,,text,$ZZ,,,,,"));
  EXPECT_EQ(EntryColour(" 7,1,,text,$000080FF,,,,,"), 0x000080FFu);
}

TEST(EntryLine, MissingFieldsGiveAnEmptyText) {
  bool hidden = false;
  EXPECT_EQ(PrepareEntryLine("7", hidden, 3).text, "");
  EXPECT_EQ(FieldOf("a,b", 5), "");
  EXPECT_EQ(FieldCount("a,,b,"), 4);
}

}  // namespace
}  // namespace grid
