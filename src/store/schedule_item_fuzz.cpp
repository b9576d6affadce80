// Any line of a month file splits, parses and, written again from what was
// read, reads back to the same entry.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/month_file.h"
#include "store/schedule_item.h"
#include "support/cp932.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line = support::Cp932ToUtf8({reinterpret_cast<const char*>(data), size});
  const auto fields = store::SplitItem(line);
  const int day = store::ItemDay(line);
  store::DayEntry entry{store::CommasToShown(fields.size() > 3 ? fields[3] : ""),
                        store::ParseItemAttributes(fields)};
  const std::string written = store::FormatItemLine(day, 1, entry);
  const auto again = store::SplitItem(written);
  if (again.size() != store::kItemFieldCount) std::abort();
  if (store::ItemDay(written) != day) std::abort();
  if (store::ParseItemAttributes(again) != entry.attributes) std::abort();
  if (store::CommasToShown(again[store::kItemText]) != entry.text) std::abort();

  store::MonthSlot slot;
  slot.month = 3;
  slot.lines = {line, written};
  auto view = store::LinesOfDay(slot, 3, day, true);
  store::ReplaceDay(slot, 3, day, view, true);
  if (store::LinesOfDay(slot, 3, day, true) != view) std::abort();
  return 0;
}
