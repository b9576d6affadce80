// Any memo text gives ten marks, each on a line that starts with an
// ampersand.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/exact_lines.h"
#include "store/memo_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto lines = store::DecodeLines({reinterpret_cast<const char*>(data), size}, nullptr);
  for (int index : store::ScanMemoMarks(lines)) {
    if (index < -1 || index >= static_cast<int>(lines.size())) std::abort();
    if (index >= 0 && !lines[index].starts_with("&") && !lines[index].starts_with("＆")) std::abort();
  }
  return 0;
}
