#pragma once
// The holiday file "Hday.dat" (program folder, read only) and the special-day
// file "Sday.kdf" (common data folder): rule lines of the calendar
// (calendar/day_rules.h). Lines the program writes have the 7-field form
//
//   1990,,5,14,,,結婚記念日　（銀婚式まで）
//   from-year,to-year,month,day,,,name
//
// with "，" for the commas and "　" for the blanks of the name.
#include <optional>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "store/exact_lines.h"
#include "store/folders.h"

namespace store {

inline constexpr char kHolidayFileName[] = "Hday.dat";
inline constexpr char kSpecialDayFileName[] = "Sday.kdf";

// What a load remembers of "Sday.kdf" for writing it back.
struct RuleFileCopy {
  OriginalBytes originals;  // unedited lines go back byte for byte
  // The file is there but every read failed: the list is not the file's,
  // so it is never written over it.
  bool unread = false;
};

// When the file exists: its lines become the classifier's holiday list
// (rules rebuilt once). A load or rule error shows
// "祭日ファイル読込ミス\r\n処理は続けます。" and returns false; the rules
// before the error stay in effect. A missing file changes nothing.
bool LoadHolidayFile(platform::Services& os, calendar::DayClassifier& days, const std::string& path);
// The same for `folder` + "Sday.kdf" and the special-day list, with
// "スペシャルDayファイル読込ミス\r\n処理は続けます。". `copy` keeps what
// SaveSpecialDays needs.
bool LoadSpecialDayFile(platform::Services& os, calendar::DayClassifier& days,
                        const std::string& folder, RuleFileCopy* copy = nullptr);

// A special day of the list: the first 7-field line of its month and day.
struct SpecialDay {
  int fromYear = 0;  // 0: empty
  int toYear = 0;
  std::string name;  // as stored
  int index = -1;    // line index in the list
};
std::optional<SpecialDay> FindSpecialDay(const std::vector<std::string>& lines, int month, int day);

// The name as the editor shows it: "，" between two digits as ",", "　" as
// a blank.
std::string SpecialDayNameShown(const std::string& stored);

// What the user left in the special-day editor.
struct SpecialDayEdit {
  std::string name;  // as typed
  int fromYear = 0;  // 0: empty
  int toYear = 0;

  bool operator==(const SpecialDayEdit&) const = default;
};

// Writes the edit into the list when the name or a year changed: the old
// line (if any) removed, a new 7-field line appended unless the name is
// blank. The name is stored so that the line reads back as written: commas
// as "，", blanks and control characters as "　", a leading quote quoted.
// False when nothing changed.
bool ApplySpecialDayEdit(std::vector<std::string>& lines, const std::optional<SpecialDay>& old,
                         int month, int day, const SpecialDayEdit& edit);

// SaveListRetry to the common data folder, 5 attempts 500 ms apart; on
// failure "[ " + folder + "Sday.kdf" + " ]の書込に失敗しました。". A file
// whose load failed is refused with its message.
bool SaveSpecialDays(const StoreEnv& env, const std::vector<std::string>& lines,
                     const RuleFileCopy* copy = nullptr);

}  // namespace store
