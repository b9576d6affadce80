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

// True when the month was written. Failures are told with (fs01)..(fs06).
bool SaveMonth(const StoreEnv& env, const MonthSlot& slot, NetworkLink& network);

}  // namespace store
