// Any month file exports to an iCalendar file whose lines are at most 75
// octets of whole UTF-8 characters ended by CR LF, and to one text line
// per day; any special-day file shows in the table and writes back lines
// that show the same table again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "settings/schedule_export.h"
#include "settings/special_day_table.h"
#include "store/exact_lines.h"
#include "support/utf8.h"

namespace {

void CheckCalendarLines(const std::string& ics) {
  std::size_t start = 0;
  while (start < ics.size()) {
    const std::size_t end = ics.find("\r\n", start);
    if (end == std::string::npos) std::abort();
    const std::string_view line(ics.data() + start, end - start);
    if (line.size() > 75 || !support::IsValidUtf8(line) || line.find_first_of("\r\n") != std::string_view::npos)
      std::abort();
    start = end + 2;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const int month = data[0] % 12 + 1;
  const auto lines = store::DecodeLines(bytes, nullptr);
  calendar::DayClassifier days;
  days.SetSpecialDayList(lines);
  const settings::MonthToExport m{2024, month, lines, days};
  CheckCalendarLines(settings::ICalendarExport(m, {2026, 1, 2, 3, 4, 5, 0}));
  if (settings::TextExportLines(m).size() != static_cast<std::size_t>(calendar::DaysInMonth(2024, month)))
    std::abort();
  settings::CsvExportLines(m);
  settings::HtmlExportLines(m);
  const auto written = settings::LinesOfTable(settings::TableOfLines(lines));
  if (settings::LinesOfTable(settings::TableOfLines(written)) != written) std::abort();
  return 0;
}
