#include "calendar/old_calendar.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "calendar/comma_text.h"
#include "calendar/jdoldcal_bytes.h"

namespace calendar {
namespace {

constexpr int kLeapFlag = 100;

std::optional<int> IntOf(const std::string& field) {
  int value = 0;
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
  if (field.empty() || ec != std::errc() || end != field.data() + field.size()) return std::nullopt;
  return value;
}

std::optional<TJDOldMonth> RowOf(std::string_view line) {
  const std::vector<std::string> fields = SplitCommaText(line);
  if (fields.size() < 2) return std::nullopt;
  const std::optional<int> firstDay = IntOf(fields[0]);
  const std::optional<int> month = IntOf(fields[1]);
  if (!firstDay || !month) return std::nullopt;
  return TJDOldMonth{*firstDay, *month};
}

}  // namespace

OldMonthTable OldMonthTable::FromText(std::string_view text) {
  OldMonthTable table;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find_first_of("\r\n"), text.size());
    const std::optional<TJDOldMonth> row = RowOf(text.substr(0, end));
    // A row out of order would break the lookup; it is dropped.
    if (row && (table.rows_.empty() || row->firstDay > table.rows_.back().firstDay))
      table.rows_.push_back(*row);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return table;
}

// The month runs from its row's first day to the day before the next row's;
// the last row only ends the month before it.
OldDate OldMonthTable::OldCalendarDate(DayNumber day) const {
  if (rows_.empty() || day < rows_.front().firstDay || day >= rows_.back().firstDay) return {};
  const auto next = std::upper_bound(rows_.begin() + 1, rows_.end(), day,
                                     [](DayNumber d, const TJDOldMonth& row) { return d < row.firstDay; });
  const TJDOldMonth& month = *(next - 1);
  return {month.month, day - month.firstDay + 1};
}

int OldMonthTable::RokuyoOf(DayNumber day) const {
  const OldDate date = OldCalendarDate(day);
  if (date.month == 0) return 0;
  const int month = date.month > kLeapFlag ? date.month - kLeapFlag : date.month;
  // The first day of month m starts the cycle at name m (mod 6).
  return (month + date.day - 2) % 6 + 1;
}

const OldMonthTable& JdOldCal() {
  static const OldMonthTable table = OldMonthTable::FromText(JdOldCalText());
  return table;
}

OldDate OldCalendarDate(DayNumber day) { return JdOldCal().OldCalendarDate(day); }

int RokuyoOf(DayNumber day) { return JdOldCal().RokuyoOf(day); }

std::string_view RokuyoName(int index) {
  static constexpr std::string_view kNames[7] = {"不明", "先勝", "友引", "先負",
                                                 "仏滅", "大安", "赤口"};
  return index >= 0 && index < 7 ? kNames[index] : std::string_view{};
}

}  // namespace calendar
