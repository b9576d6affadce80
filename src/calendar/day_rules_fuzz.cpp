// Rule lines from outside (Hday.dat, Sday.kdf): parse them, match them and
// name days with them; comma text must split back to what was joined.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "calendar/comma_text.h"
#include "calendar/day_classifier.h"

namespace {

std::vector<std::string> LinesOf(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.emplace_back();
    } else {
      lines.back() += static_cast<char>(data[i]);
    }
  }
  return lines;
}

void CheckCommaTextRoundTrip(const std::string& line) {
  const std::vector<std::string> fields = calendar::SplitCommaText(line);
  if (!fields.empty() && calendar::SplitCommaText(calendar::JoinCommaText(fields)) != fields)
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::string> lines = LinesOf(data, size);
  for (const std::string& line : lines) CheckCommaTextRoundTrip(line);

  const calendar::DayRuleParse parsed = calendar::ParseDayRules(lines);
  for (const calendar::TBinaryDayListItem& rule : parsed.rules) {
    rule.Matches(2024, 2, 29);
    rule.Matches(1, 1, 1);
    rule.Matches(-4000, 12, 31);
  }
  calendar::DayClassifier days;
  days.SetHolidayList(lines);
  days.SetSpecialDayList(lines);
  // A stretch around a Monday after a Sunday, the end of February and a
  // turn of the year.
  for (int day = 1; day <= 7; ++day) {
    days.GetDayKind(2024, 5, day);
    days.GetDayFont(2024, 2, 23 + day);
    calendar::SplitCommaText(days.GetDayNames(2023, 12, 25 + day > 31 ? 31 : 25 + day));
  }
  days.GetDayNames(1582, 10, 15);
  return 0;
}
