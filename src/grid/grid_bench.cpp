// The month grid's layout and render on a heavy month: 42 cells with 12
// entries a day, periods overlapping in view, and a long period list whose
// other lines lie in other years.
#include <benchmark/benchmark.h>

#include <memory>

#include "grid/semcal_fixture.h"

namespace grid {
namespace {

constexpr int kPeriodListLines = 3000;

void AddHeavyEntries(GridFixture& f) {
  for (int record = 0; record < 3; ++record)
    for (int day = 1; day <= 31; ++day)
      for (int i = 0; i < 12; ++i)
        f.AddEntry(record, day, i % 3 == 0 ? "<B>会議 第" + std::to_string(i) + "会議室" : "予定\tその" + std::to_string(i),
                   i % 4 == 0 ? "clRed" : "");
}

// `inView` periods overlapping in May 2024, the rest of the list in the
// years before.
void AddPeriods(GridFixture& f, int inView) {
  for (int i = 0; i < inView; ++i)
    f.AddPeriod({{2024, 4, 20 + i % 10}, "A", {2024, 5, 1 + i % 28}, "E", {2024, 5, 1 + i % 28}, "1",
                 "clBlue", "期間" + std::to_string(i)});
  for (int i = static_cast<int>(f.periods.lines.size()); i < kPeriodListLines; ++i)
    f.AddPeriod({{1990 + i % 30, 1 + i % 12, 1}, "M", {1990 + i % 30, 1 + i % 12, 20}, "E"});
}

std::unique_ptr<GridFixture> HeavyMonth(int inView, bool paint) {
  auto f = std::make_unique<GridFixture>(2024, 5, calendar::DateToJulius(2024, 5, 15));
  f->grid.SetHolidayList({"5,3,憲法記念日", "5,4,みどりの日", "5,5,こどもの日"});
  f->grid.SetSpecialDayList({"5,14,記念日"});
  AddHeavyEntries(*f);
  AddPeriods(*f, inView);
  if (!paint) f->grid.SetTarget(nullptr);  // layout only
  f->grid.Rebuild();
  return f;
}

void BM_LayoutHeavyMonth(benchmark::State& state) {
  auto f = HeavyMonth(60, false);
  for (auto _ : state) {
    f->grid.Rebuild();
    benchmark::DoNotOptimize(f->grid.Slots());
  }
}
BENCHMARK(BM_LayoutHeavyMonth)->Unit(benchmark::kMicrosecond);

void BM_RenderHeavyMonth(benchmark::State& state) {
  auto f = HeavyMonth(60, true);
  for (auto _ : state) {
    f->grid.Rebuild();
    benchmark::DoNotOptimize(f->canvas().ops.size());
  }
  state.counters["drawn"] = static_cast<double>(f->canvas().ops.size());
}
BENCHMARK(BM_RenderHeavyMonth)->Unit(benchmark::kMicrosecond);

// Render time against the periods in view, the list kept unchanged.
void BM_RenderByPeriodsInView(benchmark::State& state) {
  auto f = HeavyMonth(static_cast<int>(state.range(0)), true);
  for (auto _ : state) f->grid.Rebuild();
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RenderByPeriodsInView)->RangeMultiplier(2)->Range(15, 480)->Complexity()->Unit(benchmark::kMicrosecond);

// The first layout after the period list changed: the list is sorted and
// parsed again.
void BM_LayoutAfterPeriodEdit(benchmark::State& state) {
  auto f = HeavyMonth(60, false);
  std::string& line = f->periods.lines.back();
  for (auto _ : state) {
    line.back() = line.back() == ',' ? ' ' : ',';
    f->grid.Rebuild();
  }
}
BENCHMARK(BM_LayoutAfterPeriodEdit)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace grid
