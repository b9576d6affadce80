#include "shell/grid_editing.h"

namespace shell {

GridEditing::GridEditing(platform::Services& os, MainController& controller, grid::TSeMCal& grid,
                         MonthView& view, DayEditorPort& editor)
    : host_(os, controller.folders().folders, controller.cycle(), controller.network(), view),
      dayCopy_(os),
      flows_(os, controller.folders().folders, controller.settings(), host_, editor, grid.Classifier()),
      periods_(os, controller.folders().folders, controller.settings(), host_, editor),
      specialDays_(os, controller.folders().folders, host_, editor, grid.Classifier()),
      edits_(host_, flows_, periods_, specialDays_, dayCopy_, controller.settings(), controller.network()),
      gridCommands_(grid, edits_, os.dialogs) {
  host_.networkFolderLost = [&controller] { controller.NetworkFolderLost(); };
}

}  // namespace shell
