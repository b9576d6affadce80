#pragma once
// Undo and redo of an editor, kept here rather than in the control: each
// step holds the text change and, beside it, what the editor's owner keeps
// per line (the day editor's attributes), so that taking a step back
// restores both together. Runs of typing or deleting join into one step.
#include <any>
#include <cstddef>
#include <deque>
#include <optional>
#include <vector>

#include "editors/text_change.h"

namespace editors {

// Byte offsets in the editor's joined text; start <= end.
struct Selection {
  std::size_t start = 0;
  std::size_t end = 0;

  bool Empty() const { return start == end; }
  bool operator==(const Selection&) const = default;
};

struct UndoStep {
  TextChange change;  // before -> after; empty for an attribute-only step
  Selection selectionBefore;
  Selection selectionAfter;
  std::any extraBefore;  // the owner's per-line state before and after
  std::any extraAfter;
};

class UndoHistory {
 public:
  static constexpr int kDefaultDepth = 64;

  explicit UndoHistory(int depth = kDefaultDepth) : depth_(depth) {}

  // A step the user made. It joins the last one when it goes on typing or
  // deleting where that one left the caret, on one line.
  void Record(UndoStep step);
  // The next step starts afresh (the caret moved, a command ran).
  void BreakRun() { joinable_ = false; }
  void Clear();

  bool CanUndo() const { return !undo_.empty(); }
  bool CanRedo() const { return !redo_.empty(); }
  int UndoCount() const { return static_cast<int>(undo_.size()); }

  // The step to take back (revert its change, restore extraBefore and
  // selectionBefore); it moves to the redo list.
  std::optional<UndoStep> Undo();
  // The step to make again (apply its change, restore extraAfter).
  std::optional<UndoStep> Redo();

 private:
  bool TryJoin(const UndoStep& step);

  std::deque<UndoStep> undo_;
  std::vector<UndoStep> redo_;
  int depth_;
  bool joinable_ = false;
};

}  // namespace editors
