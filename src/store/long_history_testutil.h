#pragma once
// A data folder as a long-time user has it, for benchmarks, window tests and
// the end-to-end scenarios: years of month files with 5 to 30 entries each
// (Japanese texts, colours, times, a month memo now and then), a period file
// with a few hundred periods and a memo file of a few hundred lines. The
// same arguments always give the same bytes.
//
//   <data>\Ca197701.kdf .. Ca202612.kdf   every month of the years
//   <data>\CaFromTo.kdf                   periods spread over the years
//   <common>\CaMemo.kdf                   the memo
//
// One entry, `marker.text` on `marker`'s day, is the only place that text
// appears, so a search can be told where it must land.
#include <string>
#include <vector>

#include "platform/filesystem.h"

namespace store {

struct LongHistorySpec {
  int firstYear = 1977;
  int years = 50;
  unsigned seed = 1;
  int periods = 300;
  int memoLines = 400;
  // Found in exactly one entry; empty for none.
  std::string markerText = "楓の記念植樹";
  int markerYear = 1985, markerMonth = 6, markerDay = 15;
  std::string setName = "Data\\Files1\\";
};

struct LongHistory {
  std::vector<std::string> monthFileNames;  // oldest first
  int entries = 0;                          // month memos included
  std::size_t bytes = 0;                    // of every file written
};

// Writes the files (the folders must exist); false when a write failed.
bool WriteLongHistory(platform::FileSystem& fs, const std::string& dataFolder,
                      const std::string& commonFolder, const LongHistorySpec& spec,
                      LongHistory& written);

}  // namespace store
