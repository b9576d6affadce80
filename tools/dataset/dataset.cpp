// velda-dataset DATA_FOLDER COMMON_FOLDER [YEARS [FIRST_YEAR]]: writes YEARS
// (50) years of month files from FIRST_YEAR (1977) into DATA_FOLDER, the
// period file beside them and the memo into COMMON_FOLDER, making both
// folders. Prints what it wrote and where the one marker entry lies:
//
//   600 month files, 10312 entries, 2431006 bytes; marker 1985/6/15 楓の記念植樹
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "store/long_history_testutil.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 5) {
    std::fprintf(stderr, "usage: velda-dataset DATA_FOLDER COMMON_FOLDER [YEARS [FIRST_YEAR]]\n");
    return 2;
  }
  store::LongHistorySpec spec;
  if (argc > 3) spec.years = std::atoi(argv[3]);
  if (argc > 4) spec.firstYear = std::atoi(argv[4]);
  if (spec.years < 1 || spec.firstYear < 1900 || spec.firstYear + spec.years > 10000) {
    std::fprintf(stderr, "velda-dataset: years from 1900, at least one\n");
    return 2;
  }
  platform::FileSystem& fs = platform::RealFileSystem();
  for (const char* folder : {argv[1], argv[2]})
    if (!fs.IsFolder(folder) && !platform::CreateFolderChain(fs, folder)) {
      std::fprintf(stderr, "velda-dataset: cannot make %s\n", folder);
      return 1;
    }
  store::LongHistory written;
  if (!store::WriteLongHistory(fs, argv[1], argv[2], spec, written)) {
    std::fprintf(stderr, "velda-dataset: a write failed\n");
    return 1;
  }
  std::printf("%zu month files, %d entries, %zu bytes; marker %d/%d/%d %s\n",
              written.monthFileNames.size(), written.entries, written.bytes, spec.markerYear,
              spec.markerMonth, spec.markerDay, spec.markerText.c_str());
  return 0;
}
