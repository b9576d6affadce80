#include "shell/month_entry.h"

#include <cstdio>

#include "support/text.h"

namespace shell {

std::optional<EntryText> TypeIntoEntry(const EntryText& now, char key) {
  if (key < '0' || key > '9') return std::nullopt;
  const auto caret = static_cast<std::size_t>(now.caret);
  if (caret > now.text.size()) return std::nullopt;
  EntryText next = now;
  if (caret < next.text.size()) next.text.erase(caret, 1);
  else if (next.text.size() >= kEntryLength) return std::nullopt;  // full, caret at the end
  next.text.insert(caret, 1, key);
  next.caret = now.caret + 1;
  return next;
}

bool EntryMonthValid(std::string_view text) {
  if (text.size() < kEntryLength) return false;
  const auto month = support::ParseInt(text.substr(4, 2));
  return month && *month >= 1 && *month <= 12;
}

std::string MonthText(int year, int month) {
  // Months count on across years: 0 is December before, 13 January after.
  const int index = year * 12 + (month - 1);
  const int y = index >= 0 ? index / 12 : -((-index + 11) / 12);
  const int m = index - y * 12 + 1;  // 1..12
  char text[32];
  std::snprintf(text, sizeof text, "%.4d%.2d", y, m);
  return text;
}

}  // namespace shell
