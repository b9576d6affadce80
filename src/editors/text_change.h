#pragma once
// One change of an editor's text, found by comparing the text before and
// after it, and what it does to the lines. The text is the editor's lines
// joined with "\n", in UTF-8.
//
//   before "会議\n昼食"   after "会議\n\n昼食"   -> at 7 inserted "\n"
//   (row 1, column 0: a new line above "昼食", which keeps its attributes)
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "editors/rec_list.h"

namespace editors {

inline constexpr std::size_t kNoHint = static_cast<std::size_t>(-1);

// before[offset, offset + removed.size()) was replaced by `inserted`.
struct TextChange {
  std::size_t offset = 0;
  std::string removed;
  std::string inserted;

  bool Empty() const { return removed.empty() && inserted.empty(); }
  bool operator==(const TextChange&) const = default;
};

// The smallest change that turns `before` into `after`, cut at character
// boundaries. `hint` is where the user's edit began (the caret or the
// selection start before it); where the texts allow several answers, the
// one that begins no later than the hint is taken.
TextChange DiffTexts(std::string_view before, std::string_view after, std::size_t hint = kNoHint);

// `text` with the change applied; `Revert` undoes it on the changed text.
std::string Apply(std::string_view text, const TextChange& change);
TextChange Reverse(const TextChange& change);

// A change seen as lines: it began in `row`, inside the line or at its
// start, and took away and brought in that many line breaks.
struct LineEdit {
  int row = 0;
  bool insideLine = false;  // the change began right of column 0
  int removedBreaks = 0;
  int insertedBreaks = 0;

  bool operator==(const LineEdit&) const = default;
};

LineEdit LineEditOf(std::string_view before, const TextChange& change);

// Keeps one attribute record per line through the edit. A line whose start
// stays keeps its record; the lines the edit makes get the default record:
//  - the change began inside a line: that line keeps its record, the
//    records of the lines merged into it go, new lines below it get the
//    default (Enter in the middle of a line: the second half is default);
//  - it began at a line's start: the records of the lines it swallowed go,
//    the line that carries on the old text keeps its record, the new lines
//    above it get the default (Enter at the start: the colour moves down
//    with the text; deleting three whole lines removes their three records).
bool FollowEdit(TRecList& attrs, const LineEdit& edit);

// Lines and their joined text.
std::string JoinEditorLines(const std::vector<std::string>& lines);
std::vector<std::string> SplitEditorText(std::string_view text);

// Positions: a byte offset in the joined text and a row with a column
// counted in UTF-16 units, as the editor control counts them.
struct TextPos {
  int row = 0;
  int column = 0;

  bool operator==(const TextPos&) const = default;
};
TextPos PosOfOffset(std::string_view text, std::size_t offset);
// A column beyond the line's end gives the end of the line; a row beyond
// the last gives the end of the text.
std::size_t OffsetOfPos(std::string_view text, TextPos pos);
// The control's character index (UTF-16 units, one for each line break)
// of a byte offset, and back; an index inside a character or beyond the
// end gives the nearest character start before it.
long Utf16IndexOf(std::string_view text, std::size_t offset);
std::size_t OffsetOfUtf16Index(std::string_view text, long index);

}  // namespace editors
