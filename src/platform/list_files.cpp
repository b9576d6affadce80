#include "platform/list_files.h"

#include <algorithm>
#include <optional>

#include "support/cp932.h"
#include "support/text.h"

namespace platform {
namespace {

// Runs `attempt` until it succeeds or the tries are spent, sleeping between.
template <typename Attempt>
bool Retry(Clock& clock, unsigned waitMs, int tries, Attempt attempt) {
  tries = std::max(tries, 1);
  for (int i = 0; i < tries; ++i) {
    if (i > 0) clock.Sleep(waitMs);
    if (attempt()) return true;
  }
  return false;
}

}  // namespace

LineList ParseListText(std::string_view cp932) {
  // Split on bytes before decoding: a stray lead byte must not swallow a CR.
  LineList lines = support::SplitLines(cp932);
  for (auto& line : lines) line = support::Cp932ToUtf8(line);
  return lines;
}

std::string FormatListText(const LineList& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += support::Utf8ToCp932(line);
    out += "\r\n";
  }
  return out;
}

bool LoadListRetry(FileSystem& fs, Clock& clock, LineList& list, const std::string& path,
                   unsigned waitMs, int tries) {
  return Retry(clock, waitMs, tries, [&] {
    std::optional<std::string> bytes = fs.ReadAll(path);
    if (!bytes) return false;
    list = ParseListText(*bytes);
    return true;
  });
}

bool SaveListRetry(FileSystem& fs, Clock& clock, const LineList& list, const std::string& path,
                   unsigned waitMs, int tries) {
  const std::string bytes = FormatListText(list);
  return Retry(clock, waitMs, tries, [&] { return fs.WriteAtomic(path, bytes); });
}

}  // namespace platform
