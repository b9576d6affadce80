#include "calendar/day_rules.h"

#include <charconv>

#include "calendar/comma_text.h"

namespace calendar {
namespace {

// A field that is no integer: the parse ends there.
struct BadNumber {
  std::string field;
};

// Decimal, with an optional sign, in 32 bits.
std::int32_t ToInt(const std::string& field) {
  const bool plus = !field.empty() && field[0] == '+';
  const char* first = field.data() + (plus ? 1 : 0);
  const char* last = field.data() + field.size();
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(first, last, value);
  if (first == last || (plus && *first == '-') || ec != std::errc() || end != last)
    throw BadNumber{field};
  return value;
}

// Numeric fields keep the low 8 bits of the number.
std::uint8_t ToByte(const std::string& field) { return static_cast<std::uint8_t>(ToInt(field)); }

std::uint8_t ToByteOrAny(const std::string& field) { return field.empty() ? 0 : ToByte(field); }

std::int32_t ToYearOrUnset(const std::string& field) {
  return field.empty() ? kYearUnset : ToInt(field);
}

// The year field and kind of the 5- and 6-field forms.
void SetYearBound(TBinaryDayListItem& rule, const std::string& yearField, const std::string& kind) {
  const std::int32_t year = ToInt(yearField);
  if (kind == "0" || kind == "2") rule.FromYear = year;
  if (kind == "0" || kind == "1") rule.ToYear = year;
}

std::optional<TBinaryDayListItem> RuleOf(const std::vector<std::string>& f) {
  TBinaryDayListItem rule;
  switch (f.size()) {
    case 3:  // month, day, name
      rule.Month = ToByte(f[0]), rule.Day = ToByte(f[1]);
      break;
    case 4:  // month, week, weekday, name
      rule.Month = ToByte(f[0]), rule.WeekNo = ToByte(f[1]), rule.DayOfWeek = ToByte(f[2]);
      break;
    case 5:  // year, kind, month, day, name
      SetYearBound(rule, f[0], f[1]);
      rule.Month = ToByte(f[2]), rule.Day = ToByte(f[3]);
      break;
    case 6:  // year, kind, month, week, weekday, name
      SetYearBound(rule, f[0], f[1]);
      rule.Month = ToByte(f[2]), rule.WeekNo = ToByte(f[3]), rule.DayOfWeek = ToByte(f[4]);
      break;
    case 7:  // from-year, to-year, month, day, weekday, week, name
      rule.FromYear = ToYearOrUnset(f[0]), rule.ToYear = ToYearOrUnset(f[1]);
      rule.Month = ToByteOrAny(f[2]), rule.Day = ToByteOrAny(f[3]);
      rule.DayOfWeek = ToByteOrAny(f[4]), rule.WeekNo = ToByteOrAny(f[5]);
      break;
    default:
      return std::nullopt;
  }
  rule.Name = f.back();
  return rule;
}

}  // namespace

DayFacts FactsOf(std::int32_t year, int month, int day) {
  const DayNumber number = DateToJulius(year, month, day);
  return {year, month, day, number, JuliusDayOfWeek(number), LastDayOfMonth(year, month)};
}

bool TBinaryDayListItem::YearMatches(std::int32_t year) const {
  const bool hasFrom = FromYear != kYearUnset;
  const bool hasTo = ToYear != kYearUnset;
  if (hasFrom && hasTo && ToYear < FromYear) return year >= FromYear || year <= ToYear;  // wraps
  return (!hasFrom || year >= FromYear) && (!hasTo || year <= ToYear);
}

// Day 33 stands for the last day of the month; any other day matches only
// itself, so a rule for the 31st never falls on the 30th.
bool TBinaryDayListItem::DayMatches(int day, int lastDay) const {
  return Day == 0 || Day == day || (Day == kLastDayOfMonth && day == lastDay);
}

bool TBinaryDayListItem::WeekdayMatches(int day, int weekday) const {
  if (DayOfWeek == 0) return true;
  return weekday == DayOfWeek && (WeekNo == 0 || (day - 1) / 7 + 1 == WeekNo);
}

bool TBinaryDayListItem::Matches(std::int32_t year, int month, int day) const {
  if (!YearMatches(year) || (Month != 0 && Month != month)) return false;
  if (!DayMatches(day, Day == kLastDayOfMonth ? LastDayOfMonth(year, month) : 0)) return false;
  return DayOfWeek == 0 || WeekdayMatches(day, JuliusDayOfWeek(DateToJulius(year, month, day)));
}

bool TBinaryDayListItem::Matches(const DayFacts& date) const {
  return YearMatches(date.year) && (Month == 0 || Month == date.month) &&
         DayMatches(date.day, date.lastDay) && WeekdayMatches(date.day, date.weekday);
}

DayRuleParse ParseDayRules(const std::vector<std::string>& lines) {
  DayRuleParse result;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    try {
      if (auto rule = RuleOf(SplitCommaText(lines[i]))) result.rules.push_back(std::move(*rule));
    } catch (const BadNumber& bad) {
      result.error = RuleParseError{i, bad.field};
      break;
    }
  }
  return result;
}

}  // namespace calendar
