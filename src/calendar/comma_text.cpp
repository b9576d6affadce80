#include "calendar/comma_text.h"

#include <algorithm>

namespace calendar {
namespace {

constexpr char kQuote = '"';
constexpr char kComma = ',';

// Blanks and control characters; UTF-8 bytes of other characters are all
// above 0x7F and never separate.
bool IsBlank(char c) {
  const auto u = static_cast<unsigned char>(c);
  return u >= 1 && u <= 0x20;
}

bool NeedsQuotes(char c) { return IsBlank(c) || c == kQuote || c == kComma; }

std::size_t SkipBlanks(std::string_view text, std::size_t at) {
  while (at < text.size() && IsBlank(text[at])) ++at;
  return at;
}

// Reads a quoted field starting at its opening quote; returns the position
// after the closing quote. An unclosed quote runs to the end of the text.
std::size_t ReadQuoted(std::string_view text, std::size_t at, std::string& field) {
  for (++at; at < text.size(); ++at) {
    if (text[at] != kQuote) {
      field += text[at];
    } else if (at + 1 < text.size() && text[at + 1] == kQuote) {
      field += kQuote;
      ++at;
    } else {
      return at + 1;
    }
  }
  return at;
}

std::size_t ReadPlain(std::string_view text, std::size_t at, std::string& field) {
  const std::size_t start = at;
  while (at < text.size() && !IsBlank(text[at]) && text[at] != kComma) ++at;
  field.assign(text.substr(start, at - start));
  return at;
}

}  // namespace

std::vector<std::string> SplitCommaText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> fields;
  std::size_t at = SkipBlanks(text, 0);
  while (at < text.size()) {
    std::string field;
    at = text[at] == kQuote ? ReadQuoted(text, at, field) : ReadPlain(text, at, field);
    fields.push_back(std::move(field));
    at = SkipBlanks(text, at);
    if (at < text.size() && text[at] == kComma) {
      if (at + 1 == text.size()) fields.emplace_back();
      at = SkipBlanks(text, at + 1);
    }
  }
  return fields;
}

std::string JoinCommaText(const std::vector<std::string>& fields) {
  if (fields.size() == 1 && fields[0].empty()) return "\"\"";
  std::string text;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) text += kComma;
    const std::string& field = fields[i];
    if (std::none_of(field.begin(), field.end(), NeedsQuotes)) {
      text += field;
      continue;
    }
    text += kQuote;
    for (char c : field) {
      if (c == kQuote) text += kQuote;
      text += c;
    }
    text += kQuote;
  }
  return text;
}

}  // namespace calendar
