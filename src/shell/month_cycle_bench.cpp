// A month change within the window as the main window does it: the cycle
// picks the slot and the grid lays the month out again (painting is
// measured by the grid's own benchmarks). No file is touched. And the
// start's reading with one year and with fifty years on disk.
#include <benchmark/benchmark.h>

#include "grid/semcal.h"
#include "platform/doubles_testutil.h"
#include "shell/fakes_testutil.h"
#include "shell/grid_view.h"
#include "shell/month_cycle.h"
#include "store/long_history_testutil.h"

namespace shell {
namespace {

// Hands the cycle's slots to the grid, as MainWindow::ShowSlot does.
class GridView : public FakeShellView {
 public:
  explicit GridView(MonthCycle*& cycle) : cycle_(cycle) {}
  void ShowSlot(int slot, calendar::DayNumber day) override { ShowCycleSlot(grid, *cycle_, slot, day); }
  grid::TSeMCal grid{calendar::DateToJulius(2026, 12, 8)};

 private:
  MonthCycle*& cycle_;
};

class NoHost : public CycleHost {
  bool SaveAll() override { return true; }
  void NetworkFolderLost() override {}
};

void BM_MonthChangeWithinTheWindow(benchmark::State& state) {
  platform::TempFolder temp;
  platform::FakeServices fake;
  store::Folders folders;
  folders.dataRoot = folders.dataFolder = folders.commonDataFolder = temp.path();
  for (int m = 11; m <= 15; ++m) {
    const int year = m > 12 ? 2027 : 2026, month = (m - 1) % 12 + 1;
    fake.fs.WriteAtomic(temp / store::MonthFileName(year, month),
                        Cp932Lines(MonthLines(year, month, 60)));
  }
  store::NetworkLink network;
  MonthCycle* cycle = nullptr;
  GridView view(cycle);
  NoHost host;
  MonthCycle months(fake.services, folders, network, view, host);
  cycle = &months;
  months.BuildWindow({2026, 12, 8});
  months.ReloadAll();
  for (auto _ : state) {
    months.MoveBy(1);
    months.MoveBy(-1);
  }
  state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_MonthChangeWithinTheWindow)->Unit(benchmark::kMicrosecond);

// The start's reading as the main window does it, with one year or fifty
// years of a long-time user's data on disk: the figure must not grow with
// the years, for only the window's months and the period file are read.
void BM_StartWithYearsOnDisk(benchmark::State& state) {
  platform::TempFolder temp;
  platform::FakeServices fake;
  store::Folders folders;
  folders.dataRoot = folders.dataFolder = folders.commonDataFolder = temp.path();
  store::LongHistorySpec spec;
  spec.years = static_cast<int>(state.range(0));
  spec.firstYear = 2027 - spec.years;
  store::LongHistory written;
  if (!store::WriteLongHistory(fake.fs, temp.path(), temp.path(), spec, written)) state.SkipWithError("no data");
  store::NetworkLink network;
  MonthCycle* cycle = nullptr;
  GridView view(cycle);
  NoHost host;
  for (auto _ : state) {
    MonthCycle months(fake.services, folders, network, view, host);
    cycle = &months;
    months.BuildWindow({2026, 12, 8});
    months.ReloadAll();
  }
  state.counters["month_files"] = static_cast<double>(written.monthFileNames.size());
}
BENCHMARK(BM_StartWithYearsOnDisk)->Arg(1)->Arg(50)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace shell
