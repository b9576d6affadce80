// Any period line parses; what it gives is written and read back unchanged,
// and the date checks and colour rules take it without harm.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/dialogs.h"
#include "store/period_item.h"
#include "store/schedule_item.h"
#include "support/cp932.h"

namespace {

class SilentDialogs : public platform::Dialogs {
 public:
  platform::MsgResult Ask(const platform::Message&) override { return platform::MsgResult::Ok; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string line = support::Cp932ToUtf8({reinterpret_cast<const char*>(data), size});
  const store::PeriodItem item = store::ParsePeriodItem(line);
  const std::string written = store::FormatPeriodItem(item);
  if (store::SplitItem(written).size() != store::kPeriodFieldCount) std::abort();
  if (store::ParsePeriodItem(written) != item) std::abort();
  store::PeriodColor(item, 1, 2);
  store::DigitCommaToShown(item.text);
  SilentDialogs dialogs;
  store::ConfirmPeriodDates(dialogs, item);
  return 0;
}
