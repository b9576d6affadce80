// A month change within the window as the main window does it: the cycle
// picks the slot and the grid lays the month out again (painting is
// measured by the grid's own benchmarks). No file is touched.
#include <benchmark/benchmark.h>

#include "grid/semcal.h"
#include "platform/doubles_testutil.h"
#include "shell/fakes_testutil.h"
#include "shell/grid_view.h"
#include "shell/month_cycle.h"

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

}  // namespace
}  // namespace shell
