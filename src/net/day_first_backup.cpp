#include "net/day_first_backup.h"

#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "store/date_stamp.h"
#include "store/exact_lines.h"
#include "store/period_file.h"
#include "support/paths.h"

namespace net {
namespace {

constexpr int kWriteTries = 10;
constexpr unsigned kWriteWaitMs = 500;

void WriteCopy(platform::Services& os, const std::string& path, const std::vector<std::string>& lines,
               const store::OriginalBytes& originals) {
  if (!store::WriteLinesRetry(os, path, kWriteWaitMs, kWriteTries, lines, &originals))
    platform::Inform(os.dialogs, "[ " + path + " ]の書込に失敗しました。");
}

}  // namespace

std::string DayFirstFolder(const std::string& safeGuardFolder) {
  return support::JoinPath(safeGuardFolder, "Net\\DayFirst\\Files1\\");
}

bool DayFirstBackup(platform::Services& os, const std::string& safeGuardFolder,
                    const std::vector<const store::MonthSlot*>& months, const store::PeriodList& periods) {
  const std::string folder = DayFirstFolder(safeGuardFolder);
  const platform::DateTime now = os.clock.Now();
  const calendar::Date today{now.year, now.month, now.day};
  if (store::DaysSinceStamp(os.fs, folder, today) == 0) return true;
  if (!platform::ForceFolder(os.fs, os.dialogs, folder, true, false)) {
    platform::Inform(os.dialogs,
                     "ネットデータバックアップフォルダを作成できませんでした。\r\n"
                     "ネットフォルダのバックアップデータは保管していません。\r\nご注意下さい。\r\n"
                     "（このバックアップは、今日最初のネットデータを一時的に保管しておくものです）");
    return false;
  }
  for (const store::MonthSlot* month : months)
    if (month && !month->unread && month->year > 0)
      WriteCopy(os, support::JoinPath(folder, store::MonthFileName(month->year, month->month)), month->lines,
                month->originals);
  WriteCopy(os, support::JoinPath(folder, store::kPeriodFileName), periods.lines, periods.originals);
  return store::WriteStamp(os.fs, folder, today);
}

}  // namespace net
