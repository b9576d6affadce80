// The search listing of fifty years and a month (601 month files of 100
// entries) beside plainly reading the same files, and a find over the whole
// listing, which has to answer within a frame.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>

#include "editors/search_listing.h"
#include "editors/text_change.h"
#include "editors/text_find.h"
#include "platform/doubles_testutil.h"
#include "store/month_file.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace {

constexpr int kFirstYear = 1976, kMonths = 601, kEntries = 100;

const char* const kTexts[] = {"会議，第二会議室", "歯医者", "締切：報告書", "出張 大阪",
                              "誕生日パーティー", "定例ミーティング(10F)", "買い物", "ゴミ出し"};

std::string MonthBytes(std::mt19937& rng, int year, int month) {
  std::string bytes = support::Utf8ToCp932(store::MonthHeader(year, month, "Data\\Files1\\")) + "\r\n";
  for (int i = 0; i < kEntries; ++i) {
    store::DayEntry e{kTexts[rng() % std::size(kTexts)], {}};
    if (rng() % 3 == 0) e.attributes.color = 0x0000FF;
    if (rng() % 2 == 0) e.attributes.time = static_cast<int>(rng() % 86400);
    int day = rng() % 20 == 0 ? store::kMonthMemoDay : static_cast<int>(rng() % 31) + 1;
    bytes += support::Utf8ToCp932(store::FormatItemLine(day, i + 1, e)) + "\r\n";
  }
  return bytes;
}

// Made once, in a folder removed at exit.
class MonthFolder {
 public:
  MonthFolder() {
    root_ = std::filesystem::temp_directory_path() /
            ("velda-search-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(root_);
    folder_ = support::EnsureTrailingSeparator(root_.string());
    std::mt19937 rng(7);
    for (int i = 0; i < kMonths; ++i) {
      int year = kFirstYear + i / 12, month = i % 12 + 1;
      names_.push_back(store::MonthFileName(year, month));
      fs().WriteAtomic(folder_ + names_.back(), MonthBytes(rng, year, month));
    }
    fs().WriteAtomic(folder_ + "CaFromTo.kdf", "");
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

void BM_RawReadOf601MonthFiles(benchmark::State& state) {
  for (auto _ : state) ReadEveryFile();
}
BENCHMARK(BM_RawReadOf601MonthFiles)->Unit(benchmark::kMillisecond);

// The listing with the time of a raw read of the same files beside it.
void BM_BuildSearchListingOf601MonthFiles(benchmark::State& state) {
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
BENCHMARK(BM_BuildSearchListingOf601MonthFiles)->Unit(benchmark::kMillisecond);

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
