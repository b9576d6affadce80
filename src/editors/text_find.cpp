#include "editors/text_find.h"

#include "support/utf8.h"

namespace editors {
namespace {

// Full-width "Ａ".."Ｚ" are EF BC A1..BA, "ａ".."ｚ" EF BD 81..9A: the same
// length, so folding keeps every byte offset.
void FoldCase(std::string& text) {
  const std::size_t n = text.size();
  for (std::size_t i = 0; i < n; ++i) {
    auto b = static_cast<unsigned char>(text[i]);
    if (b >= 'A' && b <= 'Z') {
      text[i] = static_cast<char>(b + ('a' - 'A'));
    } else if (b == 0xEF && i + 2 < n && static_cast<unsigned char>(text[i + 1]) == 0xBC) {
      auto c = static_cast<unsigned char>(text[i + 2]);
      if (c >= 0xA1 && c <= 0xBA) {
        text[i + 1] = static_cast<char>(0xBD);
        text[i + 2] = static_cast<char>(c - 0xA1 + 0x81);
      }
      i += 2;
    }
  }
}

// A word without Latin letters finds the same with or without folding.
bool HasLetter(std::string_view word) {
  for (std::size_t i = 0; i < word.size(); ++i) {
    auto b = static_cast<unsigned char>(word[i]);
    if ((b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z')) return true;
    if (b != 0xEF || i + 2 >= word.size()) continue;
    auto lead = static_cast<unsigned char>(word[i + 1]), c = static_cast<unsigned char>(word[i + 2]);
    if ((lead == 0xBC && c >= 0xA1 && c <= 0xBA) || (lead == 0xBD && c >= 0x81 && c <= 0x9A))
      return true;
  }
  return false;
}

std::optional<TextRange> FindExact(std::string_view text, std::string_view word, std::size_t from,
                                   bool forward) {
  std::size_t at;
  if (forward) {
    at = from <= text.size() ? text.find(word, from) : std::string_view::npos;
  } else {
    if (from < word.size()) return std::nullopt;
    at = text.rfind(word, from - word.size());
  }
  if (at == std::string_view::npos) return std::nullopt;
  return TextRange{at, at + word.size()};
}

enum class CharKind { None, Latin, Kanji, Hiragana, Katakana };

CharKind KindOf(char32_t c) {
  if ((c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_')
    return CharKind::Latin;
  if ((c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A))
    return CharKind::Latin;
  if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
      c == 0x3005 || c == 0x3006)
    return CharKind::Kanji;
  if (c >= 0x3041 && c <= 0x309F) return CharKind::Hiragana;
  if ((c >= 0x30A1 && c <= 0x30FF) || (c >= 0xFF66 && c <= 0xFF9F)) return CharKind::Katakana;
  return CharKind::None;
}

// Start of the character that ends right before `offset`.
std::size_t PreviousStart(std::string_view text, std::size_t offset) {
  std::size_t p = offset - 1;
  while (p > 0 && (static_cast<unsigned char>(text[p]) & 0xC0) == 0x80) --p;
  return p;
}

}  // namespace

std::optional<TextRange> FindText(std::string_view text, std::string_view word, std::size_t from,
                                  bool forward, bool matchCase) {
  if (word.empty()) return std::nullopt;
  if (matchCase || !HasLetter(word)) return FindExact(text, word, from, forward);
  std::string foldedText(text), foldedWord(word);
  FoldCase(foldedText);
  FoldCase(foldedWord);
  return FindExact(foldedText, foldedWord, from, forward);
}

std::string WordAt(std::string_view text, std::size_t offset) {
  if (offset > text.size()) offset = text.size();
  std::size_t at = offset;
  CharKind kind = at < text.size() ? KindOf(support::DecodeUtf8At(text, at).code) : CharKind::None;
  if (kind == CharKind::None && at > 0) {  // the word that ends at the caret
    at = PreviousStart(text, offset);
    kind = KindOf(support::DecodeUtf8At(text, at).code);
  }
  if (kind == CharKind::None) return {};
  std::size_t start = at, end = at;
  while (start > 0) {
    std::size_t p = PreviousStart(text, start);
    if (KindOf(support::DecodeUtf8At(text, p).code) != kind) break;
    start = p;
  }
  while (end < text.size()) {
    support::Utf8Char c = support::DecodeUtf8At(text, end);
    if (KindOf(c.code) != kind) break;
    end += c.length;
  }
  return std::string(text.substr(start, end - start));
}

}  // namespace editors
