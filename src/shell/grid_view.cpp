#include "shell/grid_view.h"

namespace shell {

void ShowCycleSlot(grid::TSeMCal& grid, MonthCycle& cycle, int slot, calendar::DayNumber day) {
  const bool inside = slot < kWindowSlots;
  grid.Set(&grid::SeMCalProps::SkipUpDate, true);
  for (int i = 0; i < kWindowSlots; ++i) {
    store::MonthSlot* record = inside ? &cycle.slot(i).data
                               : i == kCurrentMonthSlot ? &cycle.slot(kExtraSlot).data
                                                        : nullptr;
    grid.SetMonthRecord(i, record);
  }
  grid.SetCurrentMonthIndex(inside ? slot : kCurrentMonthSlot);
  grid.SetWindowDays(cycle.windowFirstDay(), cycle.windowLastDay());
  grid.SetPeriodList(&cycle.periods());
  grid.SetReloadNeeded(false);
  grid.SetJuliusDay(day, false);
  grid.Set(&grid::SeMCalProps::SkipUpDate, false);
  grid.Rebuild();
}

}  // namespace shell
