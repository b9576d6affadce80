#include "settings/generation_backup_testutil.h"

#include <iterator>

#include "platform/folders.h"
#include "store/month_file.h"
#include "store/schedule_item.h"
#include "support/cp932.h"

namespace settings {

std::size_t WriteMonthFiles(platform::FileSystem& fs, const std::string& folder, int months,
                            int entries, int firstYear) {
  static const char* const kTexts[] = {"会議，第二会議室", "歯医者", "締切：報告書", "出張 大阪",
                                       "定例ミーティング(10F)", "買い物"};
  platform::CreateFolderChain(fs, folder);
  std::size_t total = 0;
  for (int i = 0; i < months; ++i) {
    const int year = firstYear + i / 12, month = i % 12 + 1;
    std::string text = store::MonthHeader(year, month, "Data\\Files1\\") + "\r\n";
    for (int e = 0; e < entries; ++e)
      text += store::FormatItemLine(e % 28 + 1, e + 1,
                                    {kTexts[e % std::size(kTexts)], {}}) + "\r\n";
    const std::string bytes = support::Utf8ToCp932(text);
    fs.WriteAtomic(folder + store::MonthFileName(year, month), bytes);
    total += bytes.size();
  }
  return total;
}

}  // namespace settings
