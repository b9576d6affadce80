#pragma once
// The month cycle's slots as the month grid shows them.
#include "calendar/julius.h"
#include "grid/semcal.h"
#include "shell/month_cycle.h"

namespace shell {

// Shows `slot` of the cycle on `day`: the grid's five month records (the
// window's, or the extra slot alone), the record shown, the window's days
// and the period list. The grid's records are the cycle's again, so its
// reload flag is cleared.
void ShowCycleSlot(grid::TSeMCal& grid, MonthCycle& cycle, int slot, calendar::DayNumber day);

}  // namespace shell
