// Backing up and restoring fifty years of month files (1977-2026): the copy into the
// staging folder, its check and the moves into place (the shell's copy is
// the file system's own here; tools under Wine give the figure with it).
#include <benchmark/benchmark.h>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "settings/backup_restore.h"
#include "store/long_history_testutil.h"
#include "store/data_folders.h"
#include "support/paths.h"

namespace settings {
namespace {

class QuietHost : public MaintenanceHost {
 public:
  void SavePendingData() override {}
  void SaveWindowKeys() override {}
  platform::WindowHandle ProgressOwner() override { return 0; }
};

struct FiftyYears {
  FiftyYears() {
    const std::string root = support::EnsureTrailingSeparator(support::JoinPath(temp.path(), "Velda"));
    const std::string common = support::JoinPath(root, "Data\\");
    platform::CreateFolderChain(fake.fs, store::DataSetFolder(root, 1));
    store::WriteLongHistory(fake.fs, store::DataSetFolder(root, 1), common, {}, written);
    place.programFolder = place.folders.dataRoot = root;
    place.folders.dataFolder = store::DataSetFolder(root, 1);
    place.folders.commonDataFolder = common;
    keys.edtCopy1 = keys.edtCopy3 = support::EnsureTrailingSeparator(support::JoinPath(temp.path(), "Backup"));
    platform::CreateFolderChain(fake.fs, keys.edtCopy1);
  }
  // Every month of the fifty years arrived.
  bool Complete(const std::string& folder) {
    for (const std::string& name : written.monthFileNames)
      if (!fake.fs.Exists(support::JoinPath(folder, name))) return false;
    return true;
  }
  platform::TempFolder temp;
  platform::FakeServices fake;
  store::LongHistory written;
  QuietHost host;
  DataPlace place;
  SetupWindowKeys keys;
};

void BM_BackupFiftyYears(benchmark::State& state) {
  FiftyYears w;
  for (auto _ : state)
    if (BackupData(w.fake.services, w.host, w.place, w.keys, 1) != CopyOutcome::Done) state.SkipWithError("failed");
  if (!w.Complete(w.keys.edtCopy1)) state.SkipWithError("months missing from the backup");
}
BENCHMARK(BM_BackupFiftyYears)->Unit(benchmark::kMillisecond);

void BM_RestoreFiftyYears(benchmark::State& state) {
  FiftyYears w;
  BackupData(w.fake.services, w.host, w.place, w.keys, 1);
  for (auto _ : state) {
    w.fake.dialogs.Answer(platform::MsgResult::Yes);
    if (RestoreData(w.fake.services, w.host, w.place, w.keys) != CopyOutcome::Done) state.SkipWithError("failed");
  }
  if (!w.Complete(w.place.folders.dataFolder)) state.SkipWithError("months missing after the restore");
}
BENCHMARK(BM_RestoreFiftyYears)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace settings
