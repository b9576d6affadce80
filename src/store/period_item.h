#pragma once
// One line of the period file (PeriodItem): twenty comma-separated fields.
//
//   2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,出張，大阪,PC01,,,,,
//   start date,part,end date,part,summary date,thickness,colour,text,author
//
// Parts of the day: "M" morning, "A" noon, "E" evening. A colour field "D"
// marks a period that is not drawn. The text never holds ",": the user's
// commas are stored as "，".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/julius.h"
#include "platform/dialogs.h"
#include "store/color_text.h"
#include "store/exact_lines.h"

namespace store {

// As the grid's hit test reports the thirds of a cell.
enum class DayPart : int { Morning = 1, Noon = 2, Evening = 3 };

struct PeriodDate {
  int year = 0;
  int month = 0;
  int day = 0;

  bool operator==(const PeriodDate&) const = default;
};

struct PeriodItem {
  PeriodDate start;
  DayPart startPart = DayPart::Morning;
  PeriodDate end;
  DayPart endPart = DayPart::Evening;
  PeriodDate summary;  // the day whose cell shows the text
  int thickness = 1;
  std::string colorText;  // field 12 as stored ("clBlue", "$00FF8000", "D")
  std::string text;       // as stored: "，" for the user's commas
  std::string author;     // ComputerName of the computer that created it

  bool operator==(const PeriodItem&) const = default;
};

inline constexpr int kPeriodFieldCount = 20;

// Never fails: numbers that cannot be read are 0 (thickness 1), missing
// fields are empty.
PeriodItem ParsePeriodItem(std::string_view line);

// The line as the file holds it, "," in the text stored as "，".
std::string FormatPeriodItem(const PeriodItem& item);

// Field 12 "D": the period is kept but not drawn.
bool IsHiddenPeriod(const PeriodItem& item);
// The colour to draw with: `shortFieldColor` (the grid's default) for a
// field of 2 characters or fewer, `unreadableColor` (the settings' default
// period colour) for a field that is no colour text.
Color PeriodColor(const PeriodItem& item, Color shortFieldColor, Color unreadableColor);

// The stored text as the editor shows it: the first "，" becomes "," when it
// stands between two ASCII digits (1，000 -> 1,000); any other "，" stays.
std::string DigitCommaToShown(std::string_view stored);

// "%.4d/%.2d/%.2d"; valid when it names a day of the calendar (years
// 1..9999, not in the ten days of 1582 the reform dropped).
std::string PeriodDateText(const PeriodDate& date);
bool IsValidPeriodDate(const PeriodDate& date);

inline constexpr char kPeriodReversedText[] = "初めと終わりが逆です。";

// The end lies before the start: an earlier day, or an earlier part of the
// same day.
bool PeriodReversed(const PeriodItem& item);

// Checks start, end and summary date in that order; for the first invalid
// one shows "不正な日付：" + its text and then "登録いたしません。"; then
// refuses a reversed period with "初めと終わりが逆です。". True when the
// item may be stored.
bool ConfirmPeriodDates(platform::Dialogs& dialogs, const PeriodItem& item);

// A new period between two marked days: the summary date is the day halfway
// between them (fraction dropped); parts from the marks (1 morning, 2 noon,
// 3 evening; a start mark defaults to morning, an end mark to evening).
PeriodItem NewPeriodItem(calendar::DayNumber start, int startMark, calendar::DayNumber end,
                         int endMark, int thickness, const std::string& colorText,
                         const std::string& author);

// The period list: the lines of the period file in file order, header
// first (index 0 is never a period).
struct PeriodList {
  std::vector<std::string> lines;
  int loadCount = 0;
  int selected = 0;  // index of the period chosen in the grid; 0 = none
  OriginalBytes originals;  // for writing unedited lines back byte for byte
  // The file exists but could not be read: the lines are not the file's,
  // so writing them would destroy everyone's periods.
  bool unread = false;
};

// After a confirmed edit: the old line (index > 0) removed, the new one
// appended, the selection cleared.
void StorePeriodLine(PeriodList& list, int index, const std::string& line);
// Removes the selected period and clears the selection; false when none is
// selected.
bool DeleteSelectedPeriod(PeriodList& list);
// After a re-read in network mode: the line the user started from is no
// longer at `index`.
bool PeriodChangedByOther(const PeriodList& list, int index, const std::string& remembered);

}  // namespace store
