#pragma once
// The day-first backup of the shared data: the first save of the day on a
// computer with administrator rights keeps a copy of the five window
// months and the period list as it holds them, in
// SafeGuardFolder + "Net\DayFirst\Files1\", stamped with the date.
#include <string>
#include <vector>

#include "platform/services.h"
#include "store/month_file.h"
#include "store/period_item.h"

namespace net {

std::string DayFirstFolder(const std::string& safeGuardFolder);

// True when today's copy is there (made now or earlier today). Months that
// could not be read are left out: their lines are not the file's.
bool DayFirstBackup(platform::Services& os, const std::string& safeGuardFolder,
                    const std::vector<const store::MonthSlot*>& months, const store::PeriodList& periods);

}  // namespace net
