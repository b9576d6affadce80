// velda-timing edit-write [EDITS]: what a confirmed edit costs on this
// machine's file system. A month of 3,000 entries is read, one day is
// replaced and the month written back through the guard (temporary file,
// then the atomic replace), EDITS times; prints the fastest, the median and
// the slowest edit in milliseconds. Built natively and as a Windows program,
// so the figure can be taken under Wine as the user meets it.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/doubles_testutil.h"
#include "store/month_file.h"
#include "store/save_guard.h"
#include "support/paths.h"

namespace {

constexpr int kEntries = 3000;

std::vector<std::string> CrowdedMonth() {
  std::mt19937 rng(3);
  std::vector<std::string> lines{store::MonthHeader(2026, 12, "Data\\Files1\\")};
  for (int i = 0; i < kEntries; ++i) {
    store::DayEntry entry{"定例ミーティング(10F) 第" + std::to_string(i) + "回", {}};
    if (rng() % 3 == 0) entry.attributes.color = 0x0000FF;
    lines.push_back(store::FormatItemLine(static_cast<int>(rng() % 31) + 1, i + 1, entry));
  }
  return lines;
}

double EditMilliseconds(const store::StoreEnv& env, store::MonthSlot& slot, int round) {
  const auto start = std::chrono::steady_clock::now();
  auto entries = store::LinesOfDay(slot, 12, 15, false);
  entries.push_back({"追加 " + std::to_string(round), {}});
  store::ReplaceDay(slot, 12, 15, entries, false);
  store::NetworkLink local;
  if (store::SaveMonth(env, slot, local) != store::SaveOutcome::Written) std::exit(1);
  slot.loadCount = static_cast<int>(slot.lines.size());
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int edits = argc > 2 ? std::max(1, std::atoi(argv[2])) : 50;
  if (argc < 2 || std::string(argv[1]) != "edit-write") {
    std::fprintf(stderr, "usage: velda-timing edit-write [EDITS]\n");
    return 2;
  }
  platform::TempFolder folder;
  platform::FakeServices fake;
  store::Folders folders;
  folders.dataFolder = folder.path();
  store::StoreEnv env{fake.services, folders};
  store::MonthSlot slot{2026, 12, CrowdedMonth(), kEntries + 1, {}};
  std::vector<double> times;
  for (int i = 0; i < edits; ++i) times.push_back(EditMilliseconds(env, slot, i));
  std::sort(times.begin(), times.end());
  std::printf("confirmed edit of a %d-entry month (%d edits): fastest %.2f ms, median %.2f ms, slowest %.2f ms\n",
              kEntries, edits, times.front(), times[times.size() / 2], times.back());
  return 0;
}
