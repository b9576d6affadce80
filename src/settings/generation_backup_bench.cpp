// The automatic backup of fifty years of month files (601 files), each run
// rotating three generations as the main window does when it goes
// resident.
#include <benchmark/benchmark.h>

#include "platform/doubles_testutil.h"
#include "settings/generation_backup.h"
#include "settings/generation_backup_testutil.h"
#include "support/paths.h"

namespace {

void BM_GenerationBackup601Months(benchmark::State& state) {
  platform::TempFolder temp;
  platform::FakeServices fake;
  const std::string data = support::JoinPath(temp.path(), "Data\\Files1\\");
  const std::size_t bytes = settings::WriteMonthFiles(fake.fs, data, 601, 60);
  const settings::GenerationBackupArgs args{data, support::JoinPath(temp.path(), "SafeGuard\\"),
                                            0, false, 3, settings::kAutoBackupName, false};
  for (auto _ : state)
    if (!settings::GenerationBackup(fake.services, args)) state.SkipWithError("backup failed");
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
  state.counters["files"] = 601;
}
BENCHMARK(BM_GenerationBackup601Months)->Unit(benchmark::kMillisecond);

}  // namespace
