// Any clipboard text either is refused or gives well-formed lines of the
// target day, and those lines copied again read back unchanged.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/day_copy.h"
#include "store/schedule_item.h"

namespace {

void CheckLine(const std::string& line, int day) {
  const auto fields = store::SplitItem(line);
  if (fields.size() != store::kItemFieldCount) std::abort();
  if (store::ItemDay(line) != day || !fields[2].empty() || !fields.back().empty()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const int day = 1 + data[0] % 31;  // the first byte picks the target day
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const shell::PastedLines pasted = shell::ParseDayCopy(text, day);
  if (pasted.refusal != shell::PasteRefusal::None) {
    if (!pasted.lines.empty()) std::abort();
    return 0;
  }
  if (pasted.lines.empty()) std::abort();
  for (const std::string& line : pasted.lines) CheckLine(line, day);

  store::MonthSlot slot{2004, 3, pasted.lines, 0, {}};
  const auto copied = shell::DayCopyText(slot, {2004, 3, day});
  if (!copied) return 0;  // lines without text copy nothing
  if (shell::ParseDayCopy(copied, day).lines != pasted.lines) std::abort();
  return 0;
}
