#include "editors/text_change.h"

#include <algorithm>

#include "support/utf8.h"

namespace editors {
namespace {

bool IsContinuation(std::string_view text, std::size_t i) {
  return i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
}

int CountBreaks(std::string_view text) {
  return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

std::size_t CommonPrefix(std::string_view a, std::string_view b) {
  std::size_t n = std::min(a.size(), b.size());
  std::size_t p = 0;
  while (p < n && a[p] == b[p]) ++p;
  return p;
}

std::size_t CommonSuffix(std::string_view a, std::string_view b, std::size_t limit) {
  std::size_t s = 0;
  while (s < limit && a[a.size() - 1 - s] == b[b.size() - 1 - s]) ++s;
  return s;
}

// UTF-16 units of one character: 2 above the basic plane.
int Utf16Units(char32_t code) { return code >= 0x10000 ? 2 : 1; }

std::size_t LineStart(std::string_view text, int row) {
  std::size_t at = 0;
  for (int r = 0; r < row; ++r) {
    std::size_t nl = text.find('\n', at);
    if (nl == std::string_view::npos) return text.size();
    at = nl + 1;
  }
  return at;
}

}  // namespace

TextChange DiffTexts(std::string_view before, std::string_view after, std::size_t hint) {
  std::size_t p = std::min(CommonPrefix(before, after), hint);
  while (p > 0 && (IsContinuation(before, p) || IsContinuation(after, p))) --p;
  std::size_t limit = std::min(before.size(), after.size()) - p;
  std::size_t s = CommonSuffix(before, after, limit);
  while (s > 0 && IsContinuation(before, before.size() - s)) --s;
  return {p, std::string(before.substr(p, before.size() - s - p)),
          std::string(after.substr(p, after.size() - s - p))};
}

std::string Apply(std::string_view text, const TextChange& change) {
  std::string out(text.substr(0, change.offset));
  out += change.inserted;
  out += text.substr(std::min(text.size(), change.offset + change.removed.size()));
  return out;
}

TextChange Reverse(const TextChange& change) {
  return {change.offset, change.inserted, change.removed};
}

LineEdit LineEditOf(std::string_view before, const TextChange& change) {
  std::string_view head = before.substr(0, std::min(change.offset, before.size()));
  std::size_t lastBreak = head.rfind('\n');
  std::size_t column = lastBreak == std::string_view::npos ? head.size() : head.size() - lastBreak - 1;
  return {CountBreaks(head), column > 0, CountBreaks(change.removed), CountBreaks(change.inserted)};
}

bool FollowEdit(TRecList& attrs, const LineEdit& edit) {
  // Worked on a copy, so that a failure leaves the list as it was.
  TRecList work(attrs.Reporter());
  work.Assign(attrs.Items());
  int at = edit.insideLine ? edit.row + 1 : edit.row;
  bool ok = work.Delete(at, edit.removedBreaks);
  for (int i = 0; ok && i < edit.insertedBreaks; ++i) ok = work.Insert(at, kDefaultLineAttr);
  if (!ok) return false;
  attrs.Assign(work.Items());
  return true;
}

std::string JoinEditorLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i) text += '\n';
    text += lines[i];
  }
  return text;
}

std::vector<std::string> SplitEditorText(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t at = 0;
  while (true) {
    std::size_t nl = text.find('\n', at);
    if (nl == std::string_view::npos) break;
    lines.emplace_back(text.substr(at, nl - at));
    at = nl + 1;
  }
  lines.emplace_back(text.substr(at));
  return lines;
}

TextPos PosOfOffset(std::string_view text, std::size_t offset) {
  offset = std::min(offset, text.size());
  std::string_view head = text.substr(0, offset);
  std::size_t lastBreak = head.rfind('\n');
  std::size_t start = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
  int column = 0;
  for (std::size_t i = start; i < offset;) {
    support::Utf8Char c = support::DecodeUtf8At(text, i);
    column += c.valid ? Utf16Units(c.code) : 1;
    i += c.length;
  }
  return {CountBreaks(head), column};
}

std::size_t OffsetOfPos(std::string_view text, TextPos pos) {
  std::size_t at = LineStart(text, std::max(0, pos.row));
  int column = 0;
  while (at < text.size() && text[at] != '\n' && column < pos.column) {
    support::Utf8Char c = support::DecodeUtf8At(text, at);
    column += c.valid ? Utf16Units(c.code) : 1;
    at += c.length;
  }
  return at;
}

long Utf16IndexOf(std::string_view text, std::size_t offset) {
  long index = 0;
  for (std::size_t i = 0; i < std::min(offset, text.size());) {
    support::Utf8Char c = support::DecodeUtf8At(text, i);
    index += c.valid ? Utf16Units(c.code) : 1;
    i += c.length;
  }
  return index;
}

std::size_t OffsetOfUtf16Index(std::string_view text, long index) {
  std::size_t i = 0;
  for (long units = 0; i < text.size();) {
    support::Utf8Char c = support::DecodeUtf8At(text, i);
    units += c.valid ? Utf16Units(c.code) : 1;
    if (units > index) break;
    i += c.length;
  }
  return i;
}

}  // namespace editors
