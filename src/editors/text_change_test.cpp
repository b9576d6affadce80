#include "editors/text_change.h"

#include <gtest/gtest.h>

#include <random>

#include "support/utf8.h"

namespace editors {
namespace {

LineAttr Tagged(int id) {
  LineAttr a;
  a.markC = id;
  return a;
}

TRecList TaggedList(int count) {
  TRecList list;
  for (int i = 0; i < count; ++i) list.Add(Tagged(100 + i));
  return list;
}

std::vector<int> Tags(const TRecList& list) {
  std::vector<int> tags;
  for (const auto& a : list.Items()) tags.push_back(a.markC);
  return tags;
}

// ---- TRecList ---------------------------------------------------------

TEST(TRecList, GrowsFourteenRecordsAtATime) {
  TRecList list;
  EXPECT_EQ(list.Capacity(), 0);
  for (int i = 0; i < 14; ++i) list.Add(kDefaultLineAttr);
  EXPECT_EQ(list.Capacity(), 14);
  list.Add(kDefaultLineAttr);
  EXPECT_EQ(list.Capacity(), 28);
  list.Insert(0, kDefaultLineAttr);
  EXPECT_EQ(list.Count(), 16);
  EXPECT_EQ(list.Capacity(), 28);
}

TEST(TRecList, IndexOutsideIsReportedAndLeavesTheList) {
  std::vector<std::string> reports;
  TRecList list([&](const std::string& t) { reports.push_back(t); });
  list.Add(Tagged(1));
  list.Add(Tagged(2));
  EXPECT_FALSE(list.Put(2, Tagged(9)));
  EXPECT_FALSE(list.Insert(3, Tagged(9)));
  EXPECT_FALSE(list.Delete(-1, 1));
  EXPECT_FALSE(list.Delete(1, 2));  // runs past the end: nothing goes
  EXPECT_EQ(list.Get(5), kDefaultLineAttr);
  EXPECT_EQ(Tags(list), (std::vector<int>{1, 2}));
  ASSERT_EQ(reports.size(), 5u);
  EXPECT_EQ(reports[0], "リストのインデックスが範囲を超えています (2)");
  EXPECT_EQ(reports[4], "リストのインデックスが範囲を超えています (5)");
}

TEST(TRecList, DeleteRemovesExactlyCountRecordsAndMovesTheRestUp) {
  TRecList list = TaggedList(6);
  EXPECT_TRUE(list.Delete(1, 3));
  EXPECT_EQ(Tags(list), (std::vector<int>{100, 104, 105}));
  EXPECT_TRUE(list.Delete(3, 0));  // nothing at the end
  EXPECT_TRUE(list.Insert(3, Tagged(7)));
  EXPECT_EQ(Tags(list), (std::vector<int>{100, 104, 105, 7}));
}

// ---- Diff -------------------------------------------------------------

TEST(DiffTexts, PlacesAnAmbiguousInsertNoLaterThanTheHint) {
  // "a\n" pasted at the start of the second "a": without the hint the
  // change would be placed after it, inside the line.
  EXPECT_EQ(DiffTexts("a\na", "a\na\na", 2), (TextChange{2, "", "a\n"}));
  EXPECT_EQ(DiffTexts("a\na", "a\na\na"), (TextChange{3, "", "\na"}));
}

TEST(DiffTexts, CutsAtCharacterBoundaries) {
  // 日 E6 97 A5 and 旦 E6 97 A6 share two bytes.
  TextChange c = DiffTexts("日本", "旦本");
  EXPECT_EQ(c, (TextChange{0, "日", "旦"}));
}

std::string RandomText(std::mt19937& rng, int maxChars) {
  static const char* pieces[] = {"a", "b", "\n", "会", "議", "，", "😀", " "};
  std::uniform_int_distribution<int> len(0, maxChars), pick(0, 7);
  std::string t;
  for (int n = len(rng); n > 0; --n) t += pieces[pick(rng)];
  return t;
}

// Any byte offset moved down to a character start.
std::size_t CharStart(const std::string& t, std::size_t at) {
  while (at > 0 && at < t.size() && (static_cast<unsigned char>(t[at]) & 0xC0) == 0x80) --at;
  return at;
}

TEST(DiffTexts, RebuildsTheNewTextFromAnyEdit) {
  std::mt19937 rng(7);
  for (int round = 0; round < 3000; ++round) {
    std::string before = RandomText(rng, 12);
    std::uniform_int_distribution<std::size_t> at(0, before.size());
    std::size_t a = CharStart(before, at(rng)), b = CharStart(before, at(rng));
    if (a > b) std::swap(a, b);
    std::string after = before.substr(0, a) + RandomText(rng, 4) + before.substr(b);
    TextChange c = DiffTexts(before, after, a);
    ASSERT_EQ(Apply(before, c), after) << round;
    ASSERT_EQ(Apply(after, Reverse(c)), before) << round;
    ASSERT_LE(c.offset, a);
    ASSERT_TRUE(support::IsValidUtf8(c.removed) && support::IsValidUtf8(c.inserted));
  }
}

// ---- Attributes through edits -----------------------------------------

struct EditCase {
  const char* name;
  std::vector<std::string> before;
  std::size_t from, to;  // the replaced bytes of the joined text
  std::string inserted;
  std::vector<int> tags;  // 0: a default record
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.name; }

class FollowEditTest : public testing::TestWithParam<EditCase> {};

TEST_P(FollowEditTest, KeepsOneRecordPerLine) {
  const EditCase& c = GetParam();
  std::string before = JoinEditorLines(c.before);
  std::string after = before.substr(0, c.from) + c.inserted + before.substr(c.to);
  TRecList list = TaggedList(static_cast<int>(c.before.size()));
  ASSERT_TRUE(FollowEdit(list, LineEditOf(before, DiffTexts(before, after, c.from))));
  EXPECT_EQ(Tags(list), c.tags);
  EXPECT_EQ(list.Count(), static_cast<int>(SplitEditorText(after).size()));
}

INSTANTIATE_TEST_SUITE_P(
    Edits, FollowEditTest,
    testing::Values(
        // The colour moves down with the text of the line.
        EditCase{"EnterAtLineStart", {"赤い行", "次"}, 0, 0, "\n", {0, 100, 101}},
        EditCase{"EnterInTheMiddle", {"赤い行", "次"}, 3, 3, "\n", {100, 0, 101}},
        EditCase{"EnterAtLineEnd", {"赤い行", "次"}, 9, 9, "\n", {100, 0, 101}},
        EditCase{"DeleteThreeWholeLines", {"a", "b", "c", "d", "e"}, 2, 8, "", {100, 104}},
        EditCase{"DeleteFromInsideALine", {"ab", "c", "de"}, 1, 6, "", {100}},
        EditCase{"BackspaceJoinsIntoTheLineAbove", {"ab", "c"}, 2, 3, "", {100}},
        EditCase{"BackspaceBelowAnEmptyLine", {"ab", "", "c"}, 3, 4, "", {100, 102}},
        EditCase{"DeleteAtTheEndOfALine", {"ab", "c"}, 2, 3, "", {100}},
        EditCase{"PasteLinesAtALineStart", {"x", "y"}, 2, 2, "p\nq\n", {100, 0, 0, 101}},
        EditCase{"PasteLinesInsideALine", {"xy", "z"}, 1, 1, "p\nq", {100, 0, 101}},
        EditCase{"TypingChangesNothing", {"x", "y"}, 1, 1, "会", {100, 101}},
        EditCase{"ReplaceSelectionOverLines", {"ab", "cd", "ef"}, 1, 7, "\n", {100, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// Random edits of random texts: the list never drifts from the lines, and
// the lines before and after the edited ones keep their own records.
TEST(FollowEdit, NeverDriftsOverLongRuns) {
  std::mt19937 rng(11);
  std::string text = "朝礼\n会議\n\n昼食";
  TRecList list = TaggedList(4);
  int nextTag = 200;
  for (int round = 0; round < 2000; ++round) {
    std::uniform_int_distribution<std::size_t> at(0, text.size());
    std::size_t a = CharStart(text, at(rng)), b = CharStart(text, at(rng));
    if (a > b) std::swap(a, b);
    std::string after = text.substr(0, a) + RandomText(rng, 3) + text.substr(b);
    LineEdit e = LineEditOf(text, DiffTexts(text, after, a));
    std::vector<int> old = Tags(list);
    ASSERT_TRUE(FollowEdit(list, e));
    std::vector<int> now = Tags(list);
    ASSERT_EQ(now.size(), SplitEditorText(after).size()) << round;
    for (int r = 0; r < e.row; ++r) ASSERT_EQ(now[r], old[r]);
    for (size_t k = 1; k + e.row + e.removedBreaks < old.size(); ++k)
      ASSERT_EQ(now[now.size() - k], old[old.size() - k]);
    for (int r = 0; r < list.Count(); ++r)  // give new lines a tag of their own
      if (now[r] == 0) list.Put(r, Tagged(nextTag++));
    text = after;
  }
}

// ---- Positions --------------------------------------------------------

TEST(TextPos, CountsColumnsInUtf16Units) {
  std::string text = "ab\n会😀x\n";
  EXPECT_EQ(PosOfOffset(text, 0), (TextPos{0, 0}));
  EXPECT_EQ(PosOfOffset(text, 3), (TextPos{1, 0}));
  EXPECT_EQ(PosOfOffset(text, 10), (TextPos{1, 3}));  // after the emoji: 1 + 2
  EXPECT_EQ(PosOfOffset(text, text.size()), (TextPos{2, 0}));
  for (std::size_t offset : {0u, 2u, 3u, 6u, 10u, 11u, 12u})
    EXPECT_EQ(OffsetOfPos(text, PosOfOffset(text, offset)), offset) << offset;
  EXPECT_EQ(OffsetOfPos(text, {0, 99}), 2u);  // the end of the line
  EXPECT_EQ(OffsetOfPos(text, {9, 0}), text.size());
}

TEST(TextPos, ControlIndexesCountLineBreaksAsOneUnit) {
  std::string text = "a\n会😀b";
  EXPECT_EQ(Utf16IndexOf(text, 2), 2);
  EXPECT_EQ(Utf16IndexOf(text, 9), 5);  // after the emoji
  EXPECT_EQ(Utf16IndexOf(text, text.size()), 6);
  EXPECT_EQ(OffsetOfUtf16Index(text, 5), 9u);
  EXPECT_EQ(OffsetOfUtf16Index(text, 4), 5u);  // inside the emoji: its start
  EXPECT_EQ(OffsetOfUtf16Index(text, 99), text.size());
}

TEST(TextPos, SplitAndJoinKeepEmptyLines) {
  EXPECT_EQ(SplitEditorText(""), (std::vector<std::string>{""}));
  EXPECT_EQ(SplitEditorText("a\n\nb\n"), (std::vector<std::string>{"a", "", "b", ""}));
  EXPECT_EQ(JoinEditorLines({"a", "", "b", ""}), "a\n\nb\n");
}

}  // namespace
}  // namespace editors
