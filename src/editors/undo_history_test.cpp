#include "editors/undo_history.h"

#include <gtest/gtest.h>

namespace editors {
namespace {

UndoStep Backspace(std::size_t caret, std::string removed) {
  UndoStep s;
  s.change = {caret - removed.size(), removed, ""};
  s.selectionBefore = {caret, caret};
  s.selectionAfter = {caret - removed.size(), caret - removed.size()};
  return s;
}

TEST(UndoHistory, TypingOnOneLineIsOneStep) {
  UndoHistory h;
  std::string text;
  for (std::size_t i = 0; i < 3; ++i) {
    UndoStep s;
    s.change = {i, "", std::string(1, static_cast<char>('a' + i))};
    s.selectionBefore = {i, i};
    s.selectionAfter = {i + 1, i + 1};
    h.Record(s);
  }
  ASSERT_EQ(h.UndoCount(), 1);
  auto step = h.Undo();
  ASSERT_TRUE(step);
  EXPECT_EQ(step->change, (TextChange{0, "", "abc"}));
  EXPECT_EQ(step->selectionBefore, (Selection{0, 0}));
  EXPECT_TRUE(h.CanRedo());
}

TEST(UndoHistory, LineBreaksCaretMovesAndColoursStartNewSteps) {
  UndoHistory h;
  UndoStep a{{0, "", "a"}, {0, 0}, {1, 1}};
  UndoStep enter{{1, "", "\n"}, {1, 1}, {2, 2}};
  UndoStep b{{2, "", "b"}, {2, 2}, {3, 3}};
  UndoStep elsewhere{{0, "", "x"}, {0, 0}, {1, 1}};  // the caret moved first
  UndoStep colour{{}, {1, 1}, {1, 1}};
  for (const auto& s : {a, enter, b, elsewhere, colour}) h.Record(s);
  EXPECT_EQ(h.UndoCount(), 5);
}

TEST(UndoHistory, BackspaceAndDeleteRunsJoin) {
  UndoHistory h;
  h.Record(Backspace(5, "e"));
  h.Record(Backspace(4, "d"));
  EXPECT_EQ(h.UndoCount(), 1);
  h.BreakRun();
  h.Record(UndoStep{{1, "b", ""}, {1, 1}, {1, 1}});
  h.Record(UndoStep{{1, "c", ""}, {1, 1}, {1, 1}});
  ASSERT_EQ(h.UndoCount(), 2);
  EXPECT_EQ(h.Undo()->change, (TextChange{1, "bc", ""}));
  EXPECT_EQ(h.Undo()->change, (TextChange{3, "de", ""}));
}

TEST(UndoHistory, InputMethodRewritesJoinIntoOneStep) {
  UndoHistory h;
  // A composition "か" -> "かい" -> "会" replaced in place.
  h.Record(UndoStep{{4, "", "か"}, {4, 4}, {7, 7}});
  h.Record(UndoStep{{4, "か", "かい"}, {7, 7}, {10, 10}});
  h.Record(UndoStep{{4, "かい", "会"}, {10, 10}, {7, 7}});
  ASSERT_EQ(h.UndoCount(), 1);
  EXPECT_EQ(h.Undo()->change, (TextChange{4, "", "会"}));
}

TEST(UndoHistory, KeepsTheLast64StepsAndANewStepDropsRedo) {
  UndoHistory h;
  for (int i = 0; i < 70; ++i) {
    h.BreakRun();
    h.Record(UndoStep{{0, "", std::to_string(i)}, {0, 0}, {1, 1}});
  }
  EXPECT_EQ(h.UndoCount(), 64);
  h.Undo();
  EXPECT_TRUE(h.CanRedo());
  h.Record(UndoStep{{0, "", "z"}, {0, 0}, {1, 1}});
  EXPECT_FALSE(h.CanRedo());
  int undone = 0;
  while (h.Undo()) ++undone;
  EXPECT_EQ(undone, 64);
}

TEST(UndoHistory, RedoGivesBackTheStepWithItsExtra) {
  UndoHistory h;
  UndoStep s{{0, "", "a"}, {0, 0}, {1, 1}, std::vector<int>{1}, std::vector<int>{1, 2}};
  h.Record(s);
  h.Undo();
  auto redo = h.Redo();
  ASSERT_TRUE(redo);
  EXPECT_EQ(std::any_cast<std::vector<int>>(redo->extraAfter), (std::vector<int>{1, 2}));
  EXPECT_FALSE(h.CanRedo());
  EXPECT_TRUE(h.CanUndo());
}

}  // namespace
}  // namespace editors
