#include "support/text.h"

#include <algorithm>
#include <array>

#include "support/cp932.h"
#include "support/utf8.h"

namespace support {
namespace {

bool IsTrimmed(char c) { return static_cast<unsigned char>(c) <= 0x20; }

const std::array<const char*, 7> kWeekdayShort = {"日", "月", "火", "水", "木", "金", "土"};
const std::array<const char*, 7> kWeekdayLong = {"日曜日", "月曜日", "火曜日", "水曜日",
                                                 "木曜日", "金曜日", "土曜日"};

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits only, in the given base, below `limit`.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base, std::uint64_t limit) {
  if (digits.empty()) return std::nullopt;
  std::uint64_t value = 0;
  for (char c : digits) {
    const int d = HexDigit(c);
    if (d < 0 || d >= base) return std::nullopt;
    value = value * base + d;  // stays below 2^36 * 16: no overflow
    if (value > limit) return std::nullopt;
  }
  return value;
}

// Skips the hexadecimal prefix; true when there was one.
bool TakeHexPrefix(std::string_view& text) {
  for (std::string_view prefix : {"$", "0x", "0X", "x", "X"}) {
    if (text.starts_with(prefix)) {
      text.remove_prefix(prefix.size());
      return true;
    }
  }
  return false;
}

}  // namespace

std::string TrimLeft(std::string_view text) {
  const auto first = std::find_if_not(text.begin(), text.end(), IsTrimmed);
  return std::string(first, text.end());
}

std::string TrimRight(std::string_view text) {
  const auto last = std::find_if_not(text.rbegin(), text.rend(), IsTrimmed);
  return std::string(text.begin(), last.base());
}

std::string Trim(std::string_view text) { return TrimRight(TrimLeft(text)); }

bool IsBlank(std::string_view text) { return std::all_of(text.begin(), text.end(), IsTrimmed); }

char ToLowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

std::string ToLowerAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = ToLowerAscii(c);
  return out;
}

std::string ToUpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
  return out;
}

int CompareIgnoreCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto x = static_cast<unsigned char>(ToLowerAscii(a[i]));
    const auto y = static_cast<unsigned char>(ToLowerAscii(b[i]));
    if (x != y) return x < y ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareIgnoreCase(a, b) == 0;
}

bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && EqualsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with) {
  if (find.empty()) return std::string(text);
  std::string out;
  out.reserve(text.size());
  std::size_t start = 0;
  for (std::size_t hit; (hit = text.find(find, start)) != std::string_view::npos;) {
    out.append(text, start, hit - start).append(with);
    start = hit + find.size();
  }
  out.append(text, start);
  return out;
}

void SplitAt(std::string_view text, char separator, std::vector<std::string>& list) {
  std::size_t start = 0;
  for (std::size_t hit; (hit = text.find(separator, start)) != std::string_view::npos;) {
    list.emplace_back(text.substr(start, hit - start));
    start = hit + 1;
  }
  list.emplace_back(text.substr(start));
}

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> pieces;
  SplitAt(text, separator, pieces);
  return pieces;
}

std::string Join(const std::vector<std::string>& pieces, std::string_view separator) {
  std::string out;
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (i > 0) out += separator;
    out += pieces[i];
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
    lines.emplace_back(text.substr(start, end - start));
    start = end + 1;
    if (end < text.size() && text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineBreak) {
  std::string out;
  for (const std::string& line : lines) out.append(line).append(lineBreak);
  return out;
}

std::optional<std::int32_t> ParseInt(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  const bool hex = TakeHexPrefix(text);
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  const auto magnitude = ParseDigits(text, hex ? 16 : 10, limit);
  if (!magnitude) return std::nullopt;
  const auto bits = static_cast<std::uint32_t>(negative ? 0 - *magnitude : *magnitude);
  return static_cast<std::int32_t>(bits);  // hexadecimal above $7FFFFFFF wraps, as in Delphi
}

std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback) {
  return ParseInt(text).value_or(fallback);
}

std::string FullWidthDigit(int digit) {
  static const std::array<const char*, 10> kDigits = {"０", "１", "２", "３", "４",
                                                      "５", "６", "７", "８", "９"};
  return kDigits[digit >= 0 && digit <= 9 ? digit : 9];
}

std::string ToFullWidthDigits(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3);
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      out += FullWidthDigit(c - '0');
    } else {
      out += c;
    }
  }
  return out;
}

std::string WeekdayShort(int weekday) {
  return weekday >= 1 && weekday <= 7 ? kWeekdayShort[weekday - 1] : "不明";
}

std::string WeekdayLong(int weekday) {
  return weekday >= 1 && weekday <= 7 ? kWeekdayLong[weekday - 1] : "不明";
}

std::string WeekdayNumber(std::string_view name) {
  for (std::size_t i = 0; i < kWeekdayLong.size(); ++i) {
    if (name == kWeekdayLong[i]) return std::to_string(i + 1);
  }
  return "";
}

std::string Repeat(std::string_view text, int times) {
  std::string out;
  for (int i = 0; i < times; ++i) out += text;
  return out;
}

std::string PadRight(std::string_view text, int width) {
  if (width <= 0) return "";
  std::string out = CopyMbcs(text, 1, width);
  out.append(width - Cp932Length(out), ' ');
  return out;
}

std::string PadLeft(std::string_view text, int width) {
  if (width <= 0) return "";
  const std::string tail = RightPart(text, width);
  return std::string(width - Cp932Length(tail), ' ') + tail;
}

std::string RightPart(std::string_view text, int width) {
  if (width <= 0) return "";
  std::size_t excess = Cp932Length(text);
  std::size_t pos = 0;
  while (excess > static_cast<std::size_t>(width)) {
    const std::size_t length = DecodeUtf8At(text, pos).length;
    excess -= Cp932Length(text.substr(pos, length));
    pos += length;
  }
  return std::string(text.substr(pos));
}

std::string SpaceToken(std::string_view text, bool encode) {
  static constexpr std::string_view kToken = "_\\Sp\\_";
  return encode ? ReplaceAll(text, " ", kToken) : ReplaceAll(text, kToken, " ");
}

std::string Unquote(std::string_view text) {
  if (text.size() < 2 || text.front() != '\'' || text.back() != '\'') return std::string(text);
  return ReplaceAll(text.substr(1, text.size() - 2), "''", "'");
}

std::string ColorToHex(std::uint32_t color) {
  static constexpr char kHex[] = "0123456789abcdef";
  std::string out = "#";
  for (int shift : {0, 8, 16}) {  // red, green, blue
    const unsigned byte = (color >> shift) & 0xFF;
    out += kHex[byte >> 4];
    out += kHex[byte & 0xF];
  }
  return out;
}

void PushRecent(std::vector<std::string>& list, std::string_view text, int limit) {
  if (IsBlank(text)) return;
  std::erase(list, text);
  list.insert(list.begin(), std::string(text));
  if (limit > 0 && list.size() > static_cast<std::size_t>(limit)) list.resize(limit);
}

}  // namespace support
