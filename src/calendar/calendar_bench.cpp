// The month grid asks for the kind, font and names of 42 days at every
// paint; these give the cost per day and per month with the shipped rules.
#include <benchmark/benchmark.h>

#include <fstream>
#include <sstream>

#include "calendar/day_classifier.h"
#include "calendar/old_calendar.h"
#include "support/cp932.h"
#include "support/text.h"

namespace calendar {
namespace {

std::vector<std::string> ShippedHolidayLines() {
  std::ifstream file(VELDA_SOURCE_DIR "/data/Hday.dat", std::ios::binary);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return support::SplitLines(support::Cp932ToUtf8(bytes.str()));
}

DayClassifier ShippedClassifier() {
  DayClassifier classifier;
  classifier.SetHolidayList(ShippedHolidayLines());
  classifier.SetSpecialDayList({"2000,,3,4,,,誕生日", ",,12,24,,,イブ", "2024,2024,8,1,,,旅行"});
  return classifier;
}

// GetDayKind and GetDayNames for every day of 1900-2100.
void BM_KindAndNamesPerDay(benchmark::State& state) {
  const DayClassifier classifier = ShippedClassifier();
  const DayNumber first = DateToJulius(1900, 1, 1);
  const DayNumber last = DateToJulius(2100, 12, 31);
  for (auto _ : state) {
    for (DayNumber day = first; day <= last; ++day) {
      const Date d = JuliusToDate(day);
      benchmark::DoNotOptimize(classifier.GetDayKind(d.year, d.month, d.day));
      benchmark::DoNotOptimize(classifier.GetDayNames(d.year, d.month, d.day));
    }
  }
  state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_KindAndNamesPerDay)->Unit(benchmark::kMillisecond);

// One month of the grid: kind, font, names and rokuyo of 42 cells.
void BM_MonthOf42Days(benchmark::State& state) {
  const DayClassifier classifier = ShippedClassifier();
  const DayNumber first = DateToJulius(2026, 4, 26);  // the Sunday before May 2026
  for (auto _ : state) {
    for (DayNumber day = first; day < first + 42; ++day) {
      const Date d = JuliusToDate(day);
      benchmark::DoNotOptimize(classifier.GetDayKind(d.year, d.month, d.day));
      benchmark::DoNotOptimize(classifier.GetDayFont(d.year, d.month, d.day));
      benchmark::DoNotOptimize(classifier.GetDayNames(d.year, d.month, d.day));
      benchmark::DoNotOptimize(RokuyoOf(day));
    }
  }
}
BENCHMARK(BM_MonthOf42Days)->Unit(benchmark::kMicrosecond);

void BM_ParseHolidayFile(benchmark::State& state) {
  const std::vector<std::string> lines = ShippedHolidayLines();
  for (auto _ : state) benchmark::DoNotOptimize(ParseDayRules(lines));
  state.SetItemsProcessed(state.iterations() * lines.size());
}
BENCHMARK(BM_ParseHolidayFile)->Unit(benchmark::kMicrosecond);

void BM_DayNumberRoundTrip(benchmark::State& state) {
  const DayNumber first = DateToJulius(1900, 1, 1);
  DayNumber day = first;
  for (auto _ : state) {
    const Date d = JuliusToDate(day);
    benchmark::DoNotOptimize(day = DateToJulius(d.year, d.month, d.day) + 1);
    if (day > first + 73000) day = first;
  }
}
BENCHMARK(BM_DayNumberRoundTrip);

}  // namespace
}  // namespace calendar
