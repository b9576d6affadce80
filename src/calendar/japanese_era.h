#pragma once
// Japanese era dates: 令和8年12月8日(火). The table is ours: the five eras
// of the modern calendar with the first day each counts from.
#include <optional>
#include <string>
#include <string_view>

#include "calendar/julius.h"

namespace calendar {

struct EraDate {
  std::string_view era;  // "明治", "大正", "昭和", "平成", "令和"
  int year = 0;          // 1 in the era's first (partial) year
};

// The era and era year of a day; nullopt before Meiji began.
std::optional<EraDate> EraOf(DayNumber day);

// `ggge"年"m"月"d"日""("aaa")"`: "平成1年1月8日(日)". Before Meiji the
// western year stands alone: "1850年1月1日(火)".
std::string EraDateText(DayNumber day);

}  // namespace calendar
