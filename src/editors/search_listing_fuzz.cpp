// Any month file under any name lists without a crash: the first line of
// the input is the file's name, the rest its bytes. Every line with a day
// (1..31) or the month memo (77) gives exactly one listed entry, and every
// listed line finds its way back to its heading's date.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editors/search_listing.h"
#include "store/exact_lines.h"
#include "store/schedule_item.h"

namespace {

bool Listed(int day) { return day == store::kMonthMemoDay || (day >= 1 && day <= 31); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t cut = std::min(input.find('\n'), input.size());
  const editors::YearMonth ym = editors::YearMonthOfFileName(input.substr(0, cut));
  const auto lines = store::DecodeLines(input.substr(std::min(cut + 1, input.size())), nullptr);

  std::vector<std::string> out;
  editors::AppendMonthListing(ym, lines, out);
  std::size_t entries = 0, memoHeadings = 0, groups = 0;
  for (const auto& line : lines) entries += Listed(store::ItemDay(line)) ? 1 : 0;
  for (const auto& line : out) {
    if (line.empty()) ++groups;
    else if (line.starts_with("[ ")) ++memoHeadings;
  }
  if (out.size() != entries + memoHeadings + groups) std::abort();
  if (memoHeadings > 1 || groups > 32) std::abort();

  const bool dated = ym.year >= 0 && ym.month >= 1 && ym.month <= 12;
  for (int row = 0; row < static_cast<int>(out.size()); ++row) {
    auto date = editors::ListingDateAt(out, row);
    if (out[row].empty() && date) std::abort();
    if (dated && !out[row].empty() && (!date || date->year != ym.year || date->month != ym.month))
      std::abort();
  }
  return 0;
}
