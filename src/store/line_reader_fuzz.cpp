// Any file splits into lines that are written back as the same bytes, line
// ends made CR LF, up to a NUL or 0x1A.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "store/exact_lines.h"
#include "store/line_reader.h"

namespace {

std::string WithCrLf(std::string_view text) {
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    out += (text[i] == '\r' || text[i] == '\n') ? std::string("\r\n") : std::string(1, text[i]);
  }
  if (!out.empty() && !out.ends_with("\r\n")) out += "\r\n";
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view text = store::TextBeforeEndMark(bytes);
  if (text.find('\0') != std::string_view::npos || text.find('\x1A') != std::string_view::npos)
    std::abort();
  store::OriginalBytes originals;
  const auto lines = store::DecodeLines(text, &originals);
  if (store::EncodeLines(lines, &originals) != WithCrLf(text)) std::abort();
  return 0;
}
