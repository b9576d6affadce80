#pragma once
// The inline markup of entry texts, tags in any case:
//
//   a<H>b  c  d</H>e  f     ->  a  e  f   (hidden from <H> to </H>, across
//                                          the entries of one day)
//   <b>会議                  ->  会議, bold
//   <S>中止</S>              ->  中止, struck out
#include <string>
#include <string_view>

namespace grid {

// One entry passed through the hiding markup.
struct HiddenStep {
  std::string visible;      // what is left to draw
  bool hiddenAfter = false; // the entries that follow start hidden
  bool lineHidden = false;  // nothing of this entry is drawn
  bool touched = false;     // the markup applied to this entry at all
};
HiddenStep ApplyHiding(std::string_view text, bool hiddenBefore);
// Whether the layout gives the entry a line: untouched entries always (an
// empty one too), touched ones only when visible text remains.
bool TakesLine(const HiddenStep& step);

struct StyledText {
  std::string text;
  bool bold = false;
  bool strikeOut = false;
};
// Every "<B>", "</B>", "<S>" and "</S>" removed; any of them styles the
// whole line.
StyledText ApplyStyleTags(std::string_view text);

// Every TAB replaced by `blanks` blanks.
std::string ExpandTabs(std::string_view text, int blanks);

// The text without its last character; a multi-byte character goes whole.
std::string_view DropLastCharacter(std::string_view text);

// Position of `tag` (ASCII, any case) at or after `from`; npos when absent.
std::size_t FindIgnoreCase(std::string_view text, std::string_view tag, std::size_t from = 0);

}  // namespace grid
