#include "store/schedule_item.h"

#include <cstdio>

#include "support/text.h"

namespace store {
namespace {

constexpr std::string_view kFullWidthComma = "，";

// Day fields are nearly always "%2d" of 0..31 or 77; those are read here
// directly, anything else the general way.
std::optional<int> ShortNumber(std::string_view t) {
  if (t.size() == 2 && t[0] == ' ') t.remove_prefix(1);
  if (t.empty() || t.size() > 2) return std::nullopt;
  int v = 0;
  for (char c : t) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v;
}

std::int32_t NumberOr(std::string_view text, std::int32_t fallback) {
  if (text.empty()) return fallback;
  if (auto v = ShortNumber(text)) return *v;
  return support::StrToIntDef(text, fallback);
}

std::uint8_t MarkOrZero(std::string_view text) {
  std::int32_t v = NumberOr(text, 0);
  return (v >= 0 && v <= 255) ? static_cast<std::uint8_t>(v) : 0;
}

// 1..2 decimal digits.
std::optional<int> TimePart(std::string_view text, int limit) {
  if (text.empty() || text.size() > 2) return std::nullopt;
  int v = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    v = v * 10 + (c - '0');
  }
  return v < limit ? std::optional<int>(v) : std::nullopt;
}

std::string MarkText(long value) { return value == 0 ? std::string() : std::to_string(value); }

}  // namespace

std::vector<std::string_view> SplitItem(std::string_view line) {
  std::vector<std::string_view> fields;
  fields.reserve(kItemFieldCount);
  SplitItem(line, fields);
  return fields;
}

void SplitItem(std::string_view line, std::vector<std::string_view>& fields) {
  // Fields are short: a plain scan beats a memchr call per field.
  fields.clear();
  size_t start = 0;
  for (size_t i = 0; i < line.size(); ++i)
    if (line[i] == ',') {
      fields.push_back(line.substr(start, i - start));
      start = i + 1;
    }
  fields.push_back(line.substr(start));
}

int ItemDay(std::string_view line) {
  return NumberOr(line.substr(0, line.find(',')), kNoDay);
}

ItemAttributes ParseItemAttributes(const std::vector<std::string_view>& fields) {
  ItemAttributes a;
  if (fields.size() <= 5) return a;
  std::string_view color = fields[kItemColor];
  if (!color.empty() && color != "1") {
    auto c = ParseColorText(color);
    if (!c) return a;
    a.color = *c;
  }
  a.markA = MarkOrZero(fields[kItemMarkA]);
  if (fields.size() <= kItemTime) return a;
  if (!fields[kItemTime].empty()) {
    auto t = ParseTimeText(fields[kItemTime]);
    if (!t) return a;
    a.time = *t;
  }
  if (fields.size() > kItemMarkB) a.markB = MarkOrZero(fields[kItemMarkB]);
  if (fields.size() > kItemMarkC) a.markC = NumberOr(fields[kItemMarkC], 0);
  return a;
}

std::optional<int> ParseTimeText(std::string_view text) {
  while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
  while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
  size_t c1 = text.find(':');
  if (c1 == std::string_view::npos) return std::nullopt;
  size_t c2 = text.find(':', c1 + 1);
  auto h = TimePart(text.substr(0, c1), 24);
  auto m = TimePart(text.substr(c1 + 1, c2 == std::string_view::npos ? c2 : c2 - c1 - 1), 60);
  auto s = c2 == std::string_view::npos ? std::optional<int>(0) : TimePart(text.substr(c2 + 1), 60);
  if (!h || !m || !s) return std::nullopt;
  return *h * 3600 + *m * 60 + *s;
}

std::string TimeToText(int seconds) {
  if (seconds <= 0) return {};
  char text[16];
  std::snprintf(text, sizeof text, "%d:%.2d:%.2d", seconds / 3600 % 24, seconds / 60 % 60, seconds % 60);
  return text;
}

std::string FormatItemLine(int day, int position, const DayEntry& entry) {
  const ItemAttributes& a = entry.attributes;
  char head[32];
  std::snprintf(head, sizeof head, "%2d,%d,,", day, position);
  std::string line = head;
  line += CommasToStored(entry.text);
  line += ',';
  if (a.color != kClWindowText) line += ColorToText(a.color);
  line += ',' + MarkText(a.markA) + ',' + TimeToText(a.time) + ',' + MarkText(a.markB) + ',' +
          MarkText(a.markC) + ',';
  return line;
}

std::string CommasToStored(std::string_view text) { return support::ReplaceAll(text, ",", kFullWidthComma); }
std::string CommasToShown(std::string_view text) { return support::ReplaceAll(text, kFullWidthComma, ","); }

}  // namespace store
