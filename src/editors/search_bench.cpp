// The search listing of fifty years (600 month files) beside plainly
// reading the same files, the listing written as "kensaku.txt" and read
// back as the window does, and a find over the whole listing, which has to
// answer within a frame.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "editors/search_listing.h"
#include "editors/text_change.h"
#include "editors/text_find.h"
#include "platform/doubles_testutil.h"
#include "store/long_history_testutil.h"
#include "store/memo_file.h"
#include "support/paths.h"

namespace {

// Made once, in a folder removed at exit: fifty years as a long-time user
// has them (store/long_history_testutil.h).
class MonthFolder {
 public:
  MonthFolder() {
    root_ = std::filesystem::temp_directory_path() /
            ("velda-search-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root_);
    folder_ = support::EnsureTrailingSeparator(root_.string());
    store::LongHistory written;
    if (!store::WriteLongHistory(fs(), folder_, folder_, {}, written)) std::abort();
    names_ = written.monthFileNames;
  }
  ~MonthFolder() {
    std::error_code ec;
    std::filesystem::remove_all(root_, ec);
  }
  static platform::FileSystem& fs() { return platform::RealFileSystem(); }
  const std::string& folder() const { return folder_; }
  const std::vector<std::string>& names() const { return names_; }

 private:
  std::filesystem::path root_;
  std::string folder_;
  std::vector<std::string> names_;
};

const MonthFolder& Folder() {
  static MonthFolder folder;
  return folder;
}

// Real files, everything else faked.
struct Os {
  platform::FakeServices fake;
  platform::Services services{MonthFolder::fs(), fake.dialogs, fake.clock, fake.system, fake.shell,
                              fake.clipboard};
};

void ReadEveryFile() {
  for (const auto& name : Folder().names())
    benchmark::DoNotOptimize(MonthFolder::fs().ReadAll(Folder().folder() + name));
}

double Seconds(auto work, int times) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < times; ++i) work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / times;
}

void BM_RawReadOf600MonthFiles(benchmark::State& state) {
  for (auto _ : state) ReadEveryFile();
}
BENCHMARK(BM_RawReadOf600MonthFiles)->Unit(benchmark::kMillisecond);

// The listing with the time of a raw read of the same files beside it.
void BM_BuildSearchListingOf600MonthFiles(benchmark::State& state) {
  Os os;
  const double raw = Seconds(ReadEveryFile, 5);
  std::size_t lines = 0;
  double total = 0;
  for (auto _ : state) {
    auto start = std::chrono::steady_clock::now();
    editors::SearchListing listing = editors::BuildSearchListing(os.services, Folder().folder());
    total += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    lines = listing.lines.size();
    benchmark::DoNotOptimize(listing.lines.data());
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["raw_read_ms"] = raw * 1000;
  state.counters["x_raw_read"] = total / static_cast<double>(state.iterations()) / raw;
}
BENCHMARK(BM_BuildSearchListingOf600MonthFiles)->Unit(benchmark::kMillisecond);

// The second and later openings: "kensaku.txt" written and read back.
void BM_ListingFileWrittenAndReadBack(benchmark::State& state) {
  Os os;
  const std::vector<std::string> lines = editors::BuildSearchListing(os.services, Folder().folder()).lines;
  const std::string path = Folder().folder() + editors::kSearchFileName;
  for (auto _ : state) {
    if (!store::WriteMemo(MonthFolder::fs(), path, lines)) state.SkipWithError("write failed");
    benchmark::DoNotOptimize(store::ReadMemo(MonthFolder::fs(), path).lines.size());
  }
  state.counters["lines"] = static_cast<double>(lines.size());
}
BENCHMARK(BM_ListingFileWrittenAndReadBack)->Unit(benchmark::kMillisecond);

const std::string& WholeListingText() {
  static const std::string text = [] {
    Os os;
    return editors::JoinEditorLines(editors::BuildSearchListing(os.services, Folder().folder()).lines);
  }();
  return text;
}

// A word that is not there: the whole text is read.
void FindOverTheWholeListing(benchmark::State& state, const char* word, bool forward) {
  const std::string& text = WholeListingText();
  const std::size_t from = forward ? 0 : text.size();
  for (auto _ : state) benchmark::DoNotOptimize(editors::FindText(text, word, from, forward));
  state.counters["text_MB"] = static_cast<double>(text.size()) / 1e6;
}
void BM_FindJapaneseWordNotThere(benchmark::State& s) { FindOverTheWholeListing(s, "見つからない語", true); }
void BM_FindLatinWordNotThere(benchmark::State& s) { FindOverTheWholeListing(s, "Velda", true); }
void BM_FindBackwardsNotThere(benchmark::State& s) { FindOverTheWholeListing(s, "見つからない語", false); }
BENCHMARK(BM_FindJapaneseWordNotThere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindLatinWordNotThere)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FindBackwardsNotThere)->Unit(benchmark::kMillisecond);

}  // namespace
