#pragma once
// The day editor TfmDay as the main window's edits use it: made at its
// first use (the start does not wait for RichEdit) and kept, shown modally
// for each edit with the grid's tab width, colours and the input-method
// setting of the moment.
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
  // is kept in section "fmDay" of `settingsFile`. Nothing is made yet.
  void Prepare(HWND owner, platform::Services& os, const std::string& settingsFile,
               editors::DayEditorHost* host);
  // Makes the window now; false (told once) when it cannot be made.
  bool EnsureMade();
  HWND hwnd() const { return form_.hwnd(); }
  bool Showing() const { return form_.Showing(); }
  // Showing, but already finished: its loop is about to unwind.
  bool Finishing() const { return form_.Showing() && form_.Finished(); }
  // The showing text cannot be stored as it stands: the editor told why.
  bool RefusesToWrite() { return form_.Showing() && form_.RefusesToWrite(); }

  // After the main window changed size: an editor lying partly outside the
  // work area goes back over the main window.
  void KeepInsideWorkArea(HWND mainWindow);

  editors::DayResult EditDay(const editors::DayRequest& request) override;
  editors::DayResult EditMonthMemo(const editors::MonthMemoRequest& request) override;
  editors::PeriodResult EditPeriod(const editors::PeriodPage& page) override;
  editors::SpecialDayResult EditSpecialDay(const calendar::Date& date,
                                           const editors::SpecialDayPage& page) override;
  bool Changed() const override { return form_.Showing() && form_.Changed(); }
  bool UntouchedForReminder() const { return form_.UntouchedForReminder(); }
  editors::DayResult FinishDay() override;
  editors::PeriodResult FinishPeriod() override;
  editors::SpecialDayResult FinishSpecialDay() override;

 private:
  editors::DayEditorSettings EditorSettings() const;

  const settings::Settings& settings_;
  grid::TSeMCal& grid_;
  editors::TfmDay form_;
  editors::TfmDayArgs args_;
  bool failed_ = false;
};

}  // namespace shell
