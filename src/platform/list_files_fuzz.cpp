// Any bytes read as lines without a line break inside them; writing the
// lines and reading them again gives as many lines back.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/list_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  platform::LineList lines = platform::ParseListText(bytes);
  for (const auto& line : lines)
    if (line.find_first_of("\r\n") != std::string::npos) std::abort();
  if (platform::ParseListText(platform::FormatListText(lines)).size() != lines.size()) std::abort();
  return 0;
}
