#include "store/period_item.h"

#include <cstdio>

#include "platform/dialog_helpers.h"
#include "support/text.h"
#include "store/schedule_item.h"

namespace store {
namespace {

enum PeriodField : int {
  kStartYear = 0, kStartPart = 3, kEndYear = 4, kEndPart = 7, kSummaryYear = 8,
  kThickness = 11, kColor = 12, kText = 13, kAuthor = 14,
};

constexpr std::string_view kFullWidthComma = "，";

std::string_view FieldOr(const std::vector<std::string_view>& f, size_t i) {
  return i < f.size() ? f[i] : std::string_view();
}

PeriodDate DateAt(const std::vector<std::string_view>& f, size_t first) {
  return {support::StrToIntDef(FieldOr(f, first), 0), support::StrToIntDef(FieldOr(f, first + 1), 0),
          support::StrToIntDef(FieldOr(f, first + 2), 0)};
}

DayPart StartPartOf(std::string_view t) {
  return t == "A" ? DayPart::Noon : t == "E" ? DayPart::Evening : DayPart::Morning;
}
DayPart EndPartOf(std::string_view t) {
  return t == "A" ? DayPart::Noon : t == "M" ? DayPart::Morning : DayPart::Evening;
}
const char* PartLetter(DayPart p) {
  return p == DayPart::Noon ? "A" : p == DayPart::Evening ? "E" : "M";
}

std::string DateFields(const PeriodDate& d) {
  char text[48];
  std::snprintf(text, sizeof text, "%4d,%2d,%2d", d.year, d.month, d.day);
  return text;
}

bool IsAsciiDigit(char c) { return c >= '0' && c <= '9'; }

PeriodDate DateOfDay(calendar::DayNumber day) {
  calendar::Date d = calendar::JuliusToDate(day);
  return {d.year, d.month, d.day};
}

}  // namespace

PeriodItem ParsePeriodItem(std::string_view line) {
  auto f = SplitItem(line);
  PeriodItem item;
  item.start = DateAt(f, kStartYear);
  item.startPart = StartPartOf(FieldOr(f, kStartPart));
  item.end = DateAt(f, kEndYear);
  item.endPart = EndPartOf(FieldOr(f, kEndPart));
  item.summary = DateAt(f, kSummaryYear);
  item.thickness = support::StrToIntDef(FieldOr(f, kThickness), 1);
  item.colorText = FieldOr(f, kColor);
  item.text = FieldOr(f, kText);
  item.author = FieldOr(f, kAuthor);
  return item;
}

std::string FormatPeriodItem(const PeriodItem& item) {
  return DateFields(item.start) + ',' + PartLetter(item.startPart) + ',' + DateFields(item.end) +
         ',' + PartLetter(item.endPart) + ',' + DateFields(item.summary) + ',' +
         std::to_string(item.thickness) + ',' + item.colorText + ',' + CommasToStored(item.text) +
         ',' + item.author + ",,,,,";
}

bool IsHiddenPeriod(const PeriodItem& item) { return item.colorText == "D"; }

Color PeriodColor(const PeriodItem& item, Color shortFieldColor, Color unreadableColor) {
  if (item.colorText.size() <= 2) return shortFieldColor;
  return ParseColorText(item.colorText).value_or(unreadableColor);
}

std::string DigitCommaToShown(std::string_view stored) {
  size_t at = stored.find(kFullWidthComma);
  size_t after = at + kFullWidthComma.size();
  bool betweenDigits = at != std::string_view::npos && at > 0 && after < stored.size() &&
                       IsAsciiDigit(stored[at - 1]) && IsAsciiDigit(stored[after]);
  if (!betweenDigits) return std::string(stored);
  return std::string(stored.substr(0, at)) + "," + std::string(stored.substr(after));
}

std::string PeriodDateText(const PeriodDate& date) {
  char text[48];
  std::snprintf(text, sizeof text, "%.4d/%.2d/%.2d", date.year, date.month, date.day);
  return text;
}

bool IsValidPeriodDate(const PeriodDate& date) {
  if (date.year < 1 || date.year > 9999) return false;
  try {
    return calendar::IsValidDate(date.year, date.month, date.day);
  } catch (const calendar::EJuliusError&) {
    return false;
  }
}

// Valid dates compare as their "%.4d/%.2d/%.2d" texts.
bool PeriodReversed(const PeriodItem& item) {
  const std::string start = PeriodDateText(item.start), end = PeriodDateText(item.end);
  if (start != end) return end < start;
  return static_cast<int>(item.endPart) < static_cast<int>(item.startPart);
}

// A reversed line is never drawn, so it could never be selected or deleted
// again: it is refused like a bad date.
bool ConfirmPeriodDates(platform::Dialogs& dialogs, const PeriodItem& item) {
  for (const PeriodDate* date : {&item.start, &item.end, &item.summary}) {
    if (IsValidPeriodDate(*date)) continue;
    dialogs.Show({"不正な日付：" + PeriodDateText(*date), "警告", platform::MsgIcon::Warning,
                  platform::MsgButtons::Ok, 0});
    platform::Inform(dialogs, "登録いたしません。");
    return false;
  }
  if (!PeriodReversed(item)) return true;
  platform::Inform(dialogs, kPeriodReversedText);
  return false;
}

PeriodItem NewPeriodItem(calendar::DayNumber start, int startMark, calendar::DayNumber end,
                         int endMark, int thickness, const std::string& colorText,
                         const std::string& author) {
  PeriodItem item;
  item.start = DateOfDay(start);
  item.startPart = startMark == 2 ? DayPart::Noon : startMark == 3 ? DayPart::Evening : DayPart::Morning;
  item.end = DateOfDay(end);
  item.endPart = endMark == 2 ? DayPart::Noon : endMark == 1 ? DayPart::Morning : DayPart::Evening;
  item.summary = DateOfDay(static_cast<calendar::DayNumber>((static_cast<std::int64_t>(start) + end) / 2));
  item.thickness = thickness;
  item.colorText = colorText;
  item.author = author;
  return item;
}

void StorePeriodLine(PeriodList& list, int index, const std::string& line) {
  if (index > 0 && index < static_cast<int>(list.lines.size())) list.lines.erase(list.lines.begin() + index);
  list.lines.push_back(line);
  list.selected = 0;
}

bool DeleteSelectedPeriod(PeriodList& list) {
  int s = list.selected;
  if (s <= 0 || s >= static_cast<int>(list.lines.size())) return false;
  list.lines.erase(list.lines.begin() + s);
  list.selected = 0;
  return true;
}

bool PeriodChangedByOther(const PeriodList& list, int index, const std::string& remembered) {
  return index < 0 || index >= static_cast<int>(list.lines.size()) || list.lines[index] != remembered;
}

}  // namespace store
