#pragma once
// The day editor TfmDay as the main window's edits use it: made once with
// the main window, shown modally for each edit with the grid's tab width,
// colours and the input-method setting of the moment.
#include <windows.h>

#include <string>

#include "editors/day_window_win.h"
#include "grid/semcal.h"
#include "settings/settings.h"
#include "shell/edit_flows.h"

namespace shell {

class DayEditorWindow : public DayEditorPort {
 public:
  DayEditorWindow(const settings::Settings& settings, grid::TSeMCal& grid)
      : settings_(settings), grid_(grid) {}

  // Owned by `owner`, which is disabled while the editor is shown; its place
  // is kept in section "fmDay" of `settingsFile`.
  bool Create(HWND owner, platform::Services& os, const std::string& settingsFile,
              editors::DayEditorHost* host);
  HWND hwnd() const { return form_.hwnd(); }
  bool Showing() const { return form_.Showing(); }

  // After the main window changed size: an editor lying partly outside the
  // work area goes back over the main window.
  void KeepInsideWorkArea(HWND mainWindow);

  editors::DayResult EditDay(const editors::DayRequest& request) override;
  editors::DayResult EditMonthMemo(const editors::MonthMemoRequest& request) override;
  editors::PeriodResult EditPeriod(const editors::PeriodPage& page) override;
  editors::SpecialDayResult EditSpecialDay(const calendar::Date& date,
                                           const editors::SpecialDayPage& page) override;

 private:
  editors::DayEditorSettings EditorSettings() const;

  const settings::Settings& settings_;
  grid::TSeMCal& grid_;
  editors::TfmDay form_;
};

}  // namespace shell
