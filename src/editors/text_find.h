#pragma once
// Finding a word in an editor's text (UTF-8, lines joined with "\n"), from
// the caret forwards or backwards, and the word at the caret that the find
// form starts with.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace editors {

// Bytes [start, end) of the text.
struct TextRange {
  std::size_t start = 0;
  std::size_t end = 0;

  bool operator==(const TextRange&) const = default;
};

// Forwards: the first match that starts at or after `from`. Backwards: the
// last match that ends at or before `from`, so that searching again from a
// match's start steps to the one before it. Without `matchCase`, Latin
// letters match in either case, full-width ones too ("Ａ" finds "ａ").
std::optional<TextRange> FindText(std::string_view text, std::string_view word, std::size_t from,
                                  bool forward, bool matchCase = false);

// The run of characters of one kind (Latin letters and digits, kanji,
// hiragana, katakana) at the byte `offset`, or ending there when the
// character at `offset` belongs to none; "" between blanks and signs.
std::string WordAt(std::string_view text, std::size_t offset);

}  // namespace editors
