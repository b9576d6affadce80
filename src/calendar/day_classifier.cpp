#include "calendar/day_classifier.h"

#include <algorithm>
#include <utility>

#include "calendar/comma_text.h"

namespace calendar {
namespace {

constexpr Colour kBlack = 0x000000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kGreen = 0x008000;

RulesByMonth IndexByMonth(const TBinaryDayList& rules) {
  RulesByMonth index;
  for (std::uint32_t i = 0; i < rules.size(); ++i) {
    index[0].push_back(i);
    for (int month = 1; month <= 12; ++month)
      if (rules[i].Month == 0 || rules[i].Month == month) index[month].push_back(i);
  }
  return index;
}

template <class Visit>
void ForEachMatch(const TBinaryDayList& rules, const RulesByMonth& index,
                  const DayFacts& date, Visit visit) {
  const bool monthInRange = date.month >= 1 && date.month <= 12;
  for (std::uint32_t i : index[monthInRange ? date.month : 0])
    if (rules[i].Matches(date)) visit(rules[i]);
}

bool AnyMatch(const TBinaryDayList& rules, const RulesByMonth& index,
              const DayFacts& date) {
  bool found = false;
  ForEachMatch(rules, index, date, [&](const TBinaryDayListItem&) { found = true; });
  return found;
}

DayFacts DayBefore(const DayFacts& date) {
  const Date before = JuliusToDate(date.dayNumber - 1);
  return FactsOf(before.year, before.month, before.day);
}

}  // namespace

TCalExFonts::TCalExFonts() {
  const Colour colours[7] = {kBlack, kBlue, kRed, kWhite, kRed, kGreen, kBlack};
  for (int i = 0; i < 7; ++i) fonts[i].colour = colours[i];
  (*this)[CalFont::Rokuyo].size = 10;
}

DayClassifier::DayClassifier(std::function<void()> onChanged) : onChanged_(std::move(onChanged)) {}

void DayClassifier::SetHolidayList(std::vector<std::string> lines) {
  holidayLines_ = std::move(lines);
  RulesChanged();
}

void DayClassifier::SetSpecialDayList(std::vector<std::string> lines) {
  specialLines_ = std::move(lines);
  RulesChanged();
}

void DayClassifier::BeginUpdate() { ++updateDepth_; }

void DayClassifier::EndUpdate() {
  if (updateDepth_ == 0 || --updateDepth_ > 0) return;
  if (std::exchange(pendingRebuild_, false)) Rebuild();
  if (std::exchange(pendingNotify_, false)) Notify();
}

void DayClassifier::SetAutoEquinox(bool on) {
  if (std::exchange(autoEquinox_, on) != on) Notify();
}

void DayClassifier::SetAutoFurikae(bool on) {
  if (std::exchange(autoFurikae_, on) != on) Notify();
}

// Either list changing rebuilds both, as the owner expects after any edit.
void DayClassifier::RulesChanged() {
  if (updateDepth_ > 0) {
    pendingRebuild_ = true;
    pendingNotify_ = true;
    return;
  }
  Rebuild();
  Notify();
}

void DayClassifier::Rebuild() {
  holidays_ = ParseDayRules(holidayLines_);
  specials_ = ParseDayRules(specialLines_);
  holidayIndex_ = IndexByMonth(holidays_.rules);
  specialIndex_ = IndexByMonth(specials_.rules);
}

void DayClassifier::Notify() {
  if (updateDepth_ > 0) {
    pendingNotify_ = true;
    return;
  }
  if (onChanged_) onChanged_();
}

const DayClassifier::EquinoxDays& DayClassifier::EquinoxesOf(std::int32_t year) const {
  for (const EquinoxDays& cached : equinoxCache_)
    if (cached.year == year) return cached;
  EquinoxDays& slot = equinoxCache_[equinoxNext_++ % equinoxCache_.size()];
  slot = {year, JuliusToDate(VernalEquinoxJulius(year)), JuliusToDate(AutumnalEquinoxJulius(year))};
  return slot;
}

int DayClassifier::EquinoxOf(const DayFacts& date) const {
  const EquinoxDays& days = EquinoxesOf(date.year);
  if (days.vernal.month == date.month && days.vernal.day == date.day) return 1;
  if (days.autumnal.month == date.month && days.autumnal.day == date.day) return 2;
  return 0;
}

bool DayClassifier::IsHoliday(const DayFacts& date) const {
  return AnyMatch(holidays_.rules, holidayIndex_, date) || (autoEquinox_ && EquinoxOf(date) != 0);
}

DayKind DayClassifier::KindOf(const DayFacts& date) const {
  DayKind kind = 0;
  if (AnyMatch(specials_.rules, specialIndex_, date)) kind |= dkSpecial;
  if (IsHoliday(date)) kind |= dkHoliday;
  if (date.weekday == 1) kind |= dkSunday;
  if (date.weekday == 7) kind |= dkSaturday;
  if (IsFurikae(date, kind & dkHoliday)) kind |= dkFurikae;
  return kind;
}

// Only the Monday right after a Sunday holiday; a Monday that is itself a
// holiday passes nothing on.
bool DayClassifier::IsFurikae(const DayFacts& date, bool isHoliday) const {
  return autoFurikae_ && date.weekday == 2 && !isHoliday && IsHoliday(DayBefore(date));
}

DayKind DayClassifier::GetDayKind(std::int32_t year, int month, int day) const {
  return KindOf(FactsOf(year, month, day));
}

CalFont DayClassifier::GetDayFont(std::int32_t year, int month, int day) const {
  const DayKind kind = GetDayKind(year, month, day);
  CalFont font = CalFont::Weekday;
  if (kind & dkSaturday) {
    font = CalFont::Saturday;
  } else if (kind & dkSunday) {
    font = CalFont::Sunday;
  }
  if (kind & (dkHoliday | dkFurikae)) font = CalFont::Holiday;
  if (kind & dkSpecial) font = CalFont::SpecialDay;
  return font;
}

std::vector<DayName> DayClassifier::DayNames(std::int32_t year, int month, int day) const {
  const DayFacts date = FactsOf(year, month, day);
  std::vector<DayName> names;
  ForEachMatch(specials_.rules, specialIndex_, date,
               [&](const TBinaryDayListItem& rule) { names.push_back({rule.Name, true}); });
  ForEachMatch(holidays_.rules, holidayIndex_, date,
               [&](const TBinaryDayListItem& rule) { names.push_back({rule.Name, false}); });
  if (autoEquinox_) {
    const int equinox = EquinoxOf(date);
    if (equinox == 1) names.push_back({kVernalEquinoxName, false});
    if (equinox == 2) names.push_back({kAutumnalEquinoxName, false});
  }
  const bool isHoliday = std::any_of(names.begin(), names.end(),
                                     [](const DayName& name) { return !name.special; });
  if (IsFurikae(date, isHoliday)) names.push_back({kFurikaeName, false});
  return names;
}

std::string DayClassifier::GetDayNames(std::int32_t year, int month, int day) const {
  std::vector<std::string> texts;
  for (DayName& name : DayNames(year, month, day)) texts.push_back(std::move(name.text));
  return JoinCommaText(texts);
}

}  // namespace calendar
