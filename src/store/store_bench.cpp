// Fifty years of month files read and parsed beside plainly reading the
// same bytes, and one day of a crowded month edited.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>

#include "platform/doubles_testutil.h"
#include "store/month_file.h"
#include "store/save_guard.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace {

// The real file system; everything else faked, since the reads need none of it.
struct Environment {
  platform::FakeServices fake;
  platform::FileSystem* fs = &platform::RealFileSystem();
};

constexpr int kFirstYear = 1990, kYears = 50, kEntries = 100;

const char* const kTexts[] = {"会議，第二会議室", "歯医者", "締切：報告書", "出張 大阪",
                              "誕生日パーティー", "定例ミーティング(10F)", "買い物", "ゴミ出し"};

std::string EntryLine(std::mt19937& rng, int position) {
  store::DayEntry e{kTexts[rng() % std::size(kTexts)], {}};
  if (rng() % 3 == 0) e.attributes.color = 0x0000FF;
  if (rng() % 2 == 0) e.attributes.time = static_cast<int>(rng() % 86400);
  return store::FormatItemLine(static_cast<int>(rng() % 31) + 1, position, e);
}

// The files are made once, in a folder removed at exit.
class MonthFiles {
 public:
  MonthFiles() {
    namespace fs = std::filesystem;
    root_ = fs::temp_directory_path() / ("velda-bench-" + std::to_string(std::random_device{}()));
    fs::create_directories(root_);
    folders_.dataFolder = support::EnsureTrailingSeparator(root_.string());
    std::mt19937 rng(1);
    for (int y = kFirstYear; y < kFirstYear + kYears; ++y)
      for (int m = 1; m <= 12; ++m) Write(rng, y, m);
  }
  ~MonthFiles() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  const store::Folders& folders() const { return folders_; }

 private:
  void Write(std::mt19937& rng, int y, int m) {
    std::string bytes = support::Utf8ToCp932(store::MonthHeader(y, m, "Data\\Files1\\")) + "\r\n";
    for (int i = 0; i < kEntries; ++i) bytes += support::Utf8ToCp932(EntryLine(rng, i + 1)) + "\r\n";
    env_.fs->WriteAtomic(folders_.dataFolder + store::MonthFileName(y, m), bytes);
  }
  std::filesystem::path root_;
  store::Folders folders_;
  Environment env_;
};

const MonthFiles& Files() {
  static MonthFiles files;
  return files;
}

void BM_RawReadMonths(benchmark::State& state) {
  Environment env;
  const std::string& folder = Files().folders().dataFolder;
  for (auto _ : state)
    for (int y = kFirstYear; y < kFirstYear + kYears; ++y)
      for (int m = 1; m <= 12; ++m)
        benchmark::DoNotOptimize(env.fs->ReadAll(folder + store::MonthFileName(y, m)));
}
BENCHMARK(BM_RawReadMonths)->Unit(benchmark::kMillisecond);

// Reads every month into a slot the way the main window does; with `split`
// each line is cut into fields and its day read (what the grid does with
// every line), with `attributes` the colour, marks and time are read too
// (what painting and the editor add for the lines they show).
void ReadMonths(benchmark::State& state, bool split, bool attributes) {
  Environment env;
  platform::Services os{*env.fs, env.fake.dialogs, env.fake.clock, env.fake.system,
                        env.fake.shell, env.fake.clipboard};
  store::StoreEnv storeEnv{os, Files().folders()};
  std::vector<std::string_view> fields;
  for (auto _ : state) {
    for (int y = kFirstYear; y < kFirstYear + kYears; ++y) {
      for (int m = 1; m <= 12; ++m) {
        store::MonthSlot slot{y, m};
        store::ReadMonth(storeEnv, slot, 5, true);
        for (const auto& line : slot.lines) {
          if (!split) break;
          store::SplitItem(line, fields);
          benchmark::DoNotOptimize(store::ItemDay(line));
          if (attributes) benchmark::DoNotOptimize(store::ParseItemAttributes(fields));
        }
        benchmark::DoNotOptimize(slot.lines.data());
      }
    }
  }
}
void BM_ReadMonths(benchmark::State& state) { ReadMonths(state, false, false); }
void BM_ReadAndSplitMonths(benchmark::State& state) { ReadMonths(state, true, false); }
void BM_ReadAndParseMonths(benchmark::State& state) { ReadMonths(state, true, true); }
BENCHMARK(BM_ReadMonths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndSplitMonths)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadAndParseMonths)->Unit(benchmark::kMillisecond);

// The parts of the work above, on bytes already in memory.
std::vector<std::string> AllMonthBytes() {
  Environment env;
  std::vector<std::string> all;
  for (int y = kFirstYear; y < kFirstYear + kYears; ++y)
    for (int m = 1; m <= 12; ++m)
      all.push_back(*env.fs->ReadAll(Files().folders().dataFolder + store::MonthFileName(y, m)));
  return all;
}

// The floor under any reading: decoding the bytes alone.
void BM_CodecOnly(benchmark::State& state) {
  auto all = AllMonthBytes();
  for (auto _ : state)
    for (const auto& bytes : all) benchmark::DoNotOptimize(support::Cp932ToUtf8(bytes));
}
BENCHMARK(BM_CodecOnly)->Unit(benchmark::kMillisecond);

void BM_ParseMonthLines(benchmark::State& state) {
  std::vector<std::vector<std::string>> months;
  for (const auto& bytes : AllMonthBytes()) months.push_back(store::DecodeLines(bytes, nullptr));
  std::vector<std::string_view> fields;
  for (auto _ : state)
    for (const auto& lines : months)
      for (const auto& line : lines) {
        store::SplitItem(line, fields);
        benchmark::DoNotOptimize(store::ItemDay(line));
        benchmark::DoNotOptimize(store::ParseItemAttributes(fields));
      }
}
BENCHMARK(BM_ParseMonthLines)->Unit(benchmark::kMillisecond);

void BM_EditOneDayOfACrowdedMonth(benchmark::State& state) {
  std::mt19937 rng(2);
  store::MonthSlot slot{2026, 12};
  slot.lines.push_back(store::MonthHeader(2026, 12, "Data\\Files1\\"));
  for (int i = 0; i < 3000; ++i) slot.lines.push_back(EntryLine(rng, i + 1));
  for (auto _ : state) {
    auto entries = store::LinesOfDay(slot, 12, 15, false);
    store::ReplaceDay(slot, 12, 15, entries, false);
    benchmark::DoNotOptimize(slot.lines.data());
  }
}
BENCHMARK(BM_EditOneDayOfACrowdedMonth)->Unit(benchmark::kMicrosecond);

// What a confirmed edit costs now that it is written at once: the day
// replaced and the 3,000-entry month written through the guard (temporary
// file, atomic replace) on the real file system.
void BM_ConfirmedEditWrittenAtOnce(benchmark::State& state) {
  Environment env;
  platform::TempFolder folder;
  platform::Services os{*env.fs, env.fake.dialogs, env.fake.clock, env.fake.system,
                        env.fake.shell, env.fake.clipboard};
  store::Folders folders;
  folders.dataFolder = folder.path();
  store::StoreEnv storeEnv{os, folders};
  std::mt19937 rng(2);
  store::MonthSlot slot{2026, 12};
  slot.lines.push_back(store::MonthHeader(2026, 12, "Data\\Files1\\"));
  for (int i = 0; i < 3000; ++i) slot.lines.push_back(EntryLine(rng, i + 1));
  slot.loadCount = static_cast<int>(slot.lines.size());
  store::NetworkLink local;
  for (auto _ : state) {
    auto entries = store::LinesOfDay(slot, 12, 15, false);
    store::ReplaceDay(slot, 12, 15, entries, false);
    if (store::SaveMonth(storeEnv, slot, local) != store::SaveOutcome::Written) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_ConfirmedEditWrittenAtOnce)->Unit(benchmark::kMillisecond);

}  // namespace
