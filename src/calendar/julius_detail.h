#pragma once
// The day-number formulas evaluated as written, in long double, for every
// date. DateToJulius and JuliusToDate use faster exact integer forms for
// years 1..9999; tests hold the two to the same results.
#include "calendar/julius.h"

namespace calendar::detail {

DayNumber DateToJuliusByFormula(std::int32_t year, int month, int day);
Date JuliusToDateByFormula(DayNumber day);

}  // namespace calendar::detail
