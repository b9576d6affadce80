#pragma once
// The guarded write of a month: a month whose lines shrank below half of
// the count at load, or to nothing, is written only after two Yes answers,
// and a month left with its header alone after two more. In network mode
// only a pending edit is written, and the change counter counted up.
#include "store/folders.h"
#include "store/month_file.h"
#include "store/network_link.h"

namespace store {

// Fewer lines than half the load count (fraction dropped), or none at all.
inline bool ShrankTooMuch(int lines, int loadCount) { return lines < loadCount / 2 || lines == 0; }

// What a guarded write did. Skipped: nothing to write (network mode
// without a pending edit, an empty month that never had a file). Refused:
// the user answered No. Failed: the lines are not on disk, either because
// every write failed or because the file could not be read and is
// protected; both were told.
enum class SaveOutcome { Written, Skipped, Refused, Failed };

// Whether a shrink is asked about. A removal the user asked for in so many
// words (a delete code over many months) is a shrink already confirmed.
enum class ShrinkGuard { Ask, Confirmed };

// Failures are told with (fs01)..(fs06). The unread guard holds whatever
// the shrink guard says.
SaveOutcome SaveMonth(const StoreEnv& env, const MonthSlot& slot, NetworkLink& network,
                      ShrinkGuard shrink = ShrinkGuard::Ask);

}  // namespace store
