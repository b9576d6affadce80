#pragma once
// The special day (commemoration day) of one date, edited from the grid's
// pop-up menu in the day editor's special-day page: the rule line of the
// date's month and day is shown, and a changed name or year replaces it in
// "Sday.kdf"; a cleared name deletes it.
#include <optional>
#include <string_view>

#include "calendar/day_classifier.h"
#include "calendar/julius.h"
#include "platform/services.h"
#include "shell/edit_flows.h"
#include "store/exact_lines.h"
#include "store/folders.h"
#include "store/special_days.h"

namespace shell {

// A display year as typed: blank is 0 (every year); otherwise decimal
// digits only.
std::optional<int> DisplayYearOfText(std::string_view text);
// The year edit's text: empty for 0.
std::string DisplayYearText(int year);

class SpecialDayEdit {
 public:
  // `days` holds the special-day rules the grid shows.
  SpecialDayEdit(platform::Services& os, const store::Folders& folders, EditHost& host,
                 DayEditorPort& editor, calendar::DayClassifier& days);

  // What the load kept of "Sday.kdf": its bytes, so that lines nobody
  // edited are written back byte for byte, and whether it could be read.
  void SetFileCopy(const store::RuleFileCopy* copy) { copy_ = copy; }

  // True when the rules changed (the file is then written, or the failure
  // shown).
  bool Edit(const calendar::Date& date);

 private:
  platform::Services& os_;
  const store::Folders& folders_;
  EditHost& host_;
  DayEditorPort& editor_;
  calendar::DayClassifier& days_;
  bool StoreResult(const calendar::Date& date, const editors::SpecialDayResult& result);

  const store::RuleFileCopy* copy_ = nullptr;
};

}  // namespace shell
