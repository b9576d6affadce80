#include "editors/text_find.h"

#include <gtest/gtest.h>

namespace editors {
namespace {

const std::string kText = "会議 Meeting\n歯医者\nmeeting 会議\nＡＢＣ";

TEST(FindText, ForwardsFromTheCaretAndBackwardsBeforeIt) {
  auto first = FindText(kText, "会議", 0, true);
  ASSERT_TRUE(first);
  EXPECT_EQ(*first, (TextRange{0, 6}));
  auto second = FindText(kText, "会議", first->end, true);
  ASSERT_TRUE(second);
  EXPECT_EQ(kText.substr(second->start, 6), "会議");
  EXPECT_FALSE(FindText(kText, "会議", second->end, true));
  // Backwards from a match's start finds the one before it, then none.
  auto back = FindText(kText, "会議", second->start, false);
  ASSERT_TRUE(back);
  EXPECT_EQ(*back, *first);
  EXPECT_FALSE(FindText(kText, "会議", first->start, false));
  EXPECT_FALSE(FindText(kText, "", 0, true));
  EXPECT_FALSE(FindText(kText, "会議", kText.size() + 5, true));
}

TEST(FindText, LettersMatchInEitherCaseUnlessAsked) {
  auto ascii = FindText(kText, "MEETING", 0, true);
  ASSERT_TRUE(ascii);
  EXPECT_EQ(ascii->start, 7u);
  EXPECT_FALSE(FindText(kText, "MEETING", 0, true, true));
  auto lower = FindText(kText, "meeting", 8, true, true);
  ASSERT_TRUE(lower);
  EXPECT_EQ(kText.substr(lower->start, 7), "meeting");
  auto wide = FindText(kText, "ｂｃ", 0, true);  // full-width letters fold too
  ASSERT_TRUE(wide);
  EXPECT_EQ(kText.substr(wide->start), "ＢＣ");
}

struct WordCase {
  std::string text;
  std::size_t offset;
  std::string word;
};
class WordAtTest : public testing::TestWithParam<WordCase> {};

TEST_P(WordAtTest, RunOfOneKind) {
  EXPECT_EQ(WordAt(GetParam().text, GetParam().offset), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, WordAtTest,
    testing::Values(WordCase{"明日の会議に出る", 9, "会議"},          // inside kanji
                    WordCase{"会議 明日", 6, "会議"},                 // right after it
                    WordCase{"カタカナとひらがな", 3, "カタカナ"},
                    WordCase{"abc_12 def", 2, "abc_12"}, WordCase{"abc def", 3, "abc"},
                    WordCase{"  ", 1, ""}, WordCase{"", 0, ""}, WordCase{"ｶﾀｶﾅ!", 12, "ｶﾀｶﾅ"},
                    WordCase{"Ｖｅｌｄａ社", 0, "Ｖｅｌｄａ"}, WordCase{"x", 99, "x"}));

}  // namespace
}  // namespace editors
