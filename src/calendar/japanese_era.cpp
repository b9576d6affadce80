#include "calendar/japanese_era.h"

#include <array>

#include "support/text.h"

namespace calendar {
namespace {

struct EraStart {
  std::string_view name;
  Date first;
};

// Meiji counts from the lunisolar new year of 1868 (25 January), to which
// the era was dated back when it was proclaimed; the others from the day
// after the change of emperor, as the law fixed them.
constexpr std::array<EraStart, 5> kEras{{
    {"明治", {1868, 1, 25}},
    {"大正", {1912, 7, 30}},
    {"昭和", {1926, 12, 25}},
    {"平成", {1989, 1, 8}},
    {"令和", {2019, 5, 1}},
}};

}  // namespace

std::optional<EraDate> EraOf(DayNumber day) {
  for (auto era = kEras.rbegin(); era != kEras.rend(); ++era) {
    if (day < DateToJulius(era->first.year, era->first.month, era->first.day)) continue;
    return EraDate{era->name, JuliusToDate(day).year - era->first.year + 1};
  }
  return std::nullopt;
}

std::string EraDateText(DayNumber day) {
  const Date d = JuliusToDate(day);
  const std::optional<EraDate> era = EraOf(day);
  const std::string year = era ? std::string(era->era) + std::to_string(era->year)
                               : std::to_string(d.year);
  return year + "年" + std::to_string(d.month) + "月" + std::to_string(d.day) + "日(" +
         support::WeekdayShort(JuliusDayOfWeek(day)) + ")";
}

}  // namespace calendar
