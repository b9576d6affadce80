#include "editors/undo_history.h"

namespace editors {
namespace {

bool OnOneLine(const TextChange& c) {
  return c.removed.find('\n') == std::string::npos && c.inserted.find('\n') == std::string::npos;
}

// `next` replaces text that `last` brought in (typing on, backspacing over
// what was typed, the input method rewriting its composition).
bool InsideInserted(const TextChange& last, const TextChange& next) {
  return next.offset >= last.offset &&
         next.offset + next.removed.size() <= last.offset + last.inserted.size();
}

bool JoinChanges(TextChange& last, const TextChange& next) {
  if (InsideInserted(last, next)) {
    last.inserted.replace(next.offset - last.offset, next.removed.size(), next.inserted);
    return true;
  }
  bool deleting = last.inserted.empty() && next.inserted.empty();
  if (deleting && next.offset + next.removed.size() == last.offset) {  // Backspace
    last.offset = next.offset;
    last.removed.insert(0, next.removed);
    return true;
  }
  if (deleting && next.offset == last.offset) {  // Delete
    last.removed += next.removed;
    return true;
  }
  return false;
}

}  // namespace

bool UndoHistory::TryJoin(const UndoStep& step) {
  if (!joinable_ || undo_.empty()) return false;
  UndoStep& last = undo_.back();
  if (step.change.Empty() || last.change.Empty()) return false;
  if (!OnOneLine(last.change) || !OnOneLine(step.change)) return false;
  if (!(step.selectionBefore == last.selectionAfter)) return false;
  if (!JoinChanges(last.change, step.change)) return false;
  last.selectionAfter = step.selectionAfter;
  last.extraAfter = step.extraAfter;
  return true;
}

void UndoHistory::Record(UndoStep step) {
  redo_.clear();
  if (!TryJoin(step)) {
    undo_.push_back(std::move(step));
    while (static_cast<int>(undo_.size()) > depth_) undo_.pop_front();
  }
  joinable_ = true;
}

void UndoHistory::Clear() {
  undo_.clear();
  redo_.clear();
  joinable_ = false;
}

std::optional<UndoStep> UndoHistory::Undo() {
  joinable_ = false;
  if (undo_.empty()) return std::nullopt;
  UndoStep step = std::move(undo_.back());
  undo_.pop_back();
  redo_.push_back(step);
  return step;
}

std::optional<UndoStep> UndoHistory::Redo() {
  joinable_ = false;
  if (redo_.empty()) return std::nullopt;
  UndoStep step = std::move(redo_.back());
  redo_.pop_back();
  undo_.push_back(step);
  return step;
}

}  // namespace editors
