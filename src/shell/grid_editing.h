#pragma once
// The edits of the main window put together: the grid's commands, the day,
// month-memo, period and special-day edits and the day copy, over the
// months and settings the controller owns. The main window makes one after
// its grid, its controller and the day editor exist, and forwards the
// grid's mouse events and the pop-up items to `commands()`.
#include <functional>

#include "grid/semcal.h"
#include "platform/services.h"
#include "shell/day_copy.h"
#include "shell/edit_flows.h"
#include "shell/grid_commands.h"
#include "shell/main_controller.h"
#include "shell/period_edit.h"
#include "shell/special_day_edit.h"

namespace shell {

class GridEditing {
 public:
  // All references must outlive this object.
  GridEditing(platform::Services& os, MainController& controller, grid::TSeMCal& grid, MonthView& view,
              DayEditorPort& editor);
  GridEditing(const GridEditing&) = delete;
  GridEditing& operator=(const GridEditing&) = delete;

  GridCommands& commands() { return gridCommands_; }
  // The edit whose editor is showing, if any.
  OpenEdit& openEdit() { return host_.openEdit; }
  DayCopy& dayCopy() { return dayCopy_; }
  SpecialDayEdit& specialDays() { return specialDays_; }

  // The special-day rules changed (after the grid repainted): the year page
  // shows them too.
  void OnSpecialDaysChanged(std::function<void()> hook) { host_.specialDaysChanged = std::move(hook); }
  // The shared folder's side of every edit; none: local mode.
  void SetSharedFolder(SharedFolder* shared) {
    flows_.SetSharedFolder(shared);
    periods_.SetSharedFolder(shared);
  }
  // Another computer changed the shared data: the shown month and the
  // periods read again. False when the periods' folder was gone.
  void RereadShownMonth() { host_.RereadMonth(host_.ShownSlot()); }
  bool RereadPeriods() { return host_.RereadPeriods() != store::PeriodReadResult::NetworkFolderMissing; }

  // The automatic-residency countdown, stopped by a press on the grid.
  void OnGridPressed(std::function<void()> hook) { edits_.cancelResidencyCountdown = std::move(hook); }

 private:
  CycleEditHost host_;
  DayCopy dayCopy_;
  EditFlows flows_;
  PeriodEdit periods_;
  SpecialDayEdit specialDays_;
  EditCommands edits_;
  GridCommands gridCommands_;
};

}  // namespace shell
