#include "store/schedule_item.h"

#include <cstdio>

#include "support/text.h"

namespace store {
namespace {

constexpr std::string_view kFullWidthComma = "，";

std::uint8_t MarkOrZero(std::string_view text) {
  std::int32_t v = support::StrToIntDef(text, 0);
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
  size_t start = 0;
  for (size_t comma; (comma = line.find(',', start)) != std::string_view::npos; start = comma + 1)
    fields.push_back(line.substr(start, comma - start));
  fields.push_back(line.substr(start));
  return fields;
}

int ItemDay(std::string_view line) {
  return support::StrToIntDef(line.substr(0, line.find(',')), kNoDay);
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
  if (fields.size() > kItemMarkC) a.markC = support::StrToIntDef(fields[kItemMarkC], 0);
  return a;
}

std::optional<int> ParseTimeText(std::string_view untrimmed) {
  const std::string trimmed = support::Trim(untrimmed);
  std::string_view text = trimmed;
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
