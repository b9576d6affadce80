#include "net/change_counter.h"

#include <optional>

#include "platform/list_files.h"
#include "support/text.h"

namespace net {
namespace {

std::optional<int> CountIn(const std::string& bytes) {
  platform::LineList lines = platform::ParseListText(bytes);
  if (lines.empty()) return std::nullopt;
  return support::ParseInt(support::Trim(lines.front()));
}

std::string CountText(int count) { return platform::FormatListText({std::to_string(count)}); }

int NextCount(const std::string& bytes) {
  int count = CountIn(bytes).value_or(0);
  if (count > kCounterRestartAbove || count < 0) count = 0;
  return count + 1;
}

// The file is made already holding its first count, so no one finds it
// empty; of two computers making it, one fails and counts again.
std::optional<int> MakeCounter(platform::FileSystem& fs, const std::string& path) {
  if (!fs.CreateExclusive(path, CountText(1))) return std::nullopt;
  return 1;
}

// Read, increased and written back through one exclusive handle: no other
// computer reads or counts in between.
std::optional<int> Increase(platform::FileSystem& fs, const std::string& path) {
  std::unique_ptr<platform::FileLock> held = fs.OpenExclusive(path);
  if (!held) return std::nullopt;
  std::optional<std::string> bytes = held->ReadContent();
  if (!bytes) return std::nullopt;
  const int next = NextCount(*bytes);
  if (!held->Rewrite(CountText(next))) return std::nullopt;
  return next;
}

// One attempt; nullopt when it failed.
std::optional<int> Attempt(platform::FileSystem& fs, const std::string& path, bool increment) {
  if (!fs.Exists(path)) return MakeCounter(fs, path);
  if (increment) return Increase(fs, path);
  std::optional<std::string> bytes = fs.ReadAll(path);
  if (!bytes) return std::nullopt;
  return CountIn(*bytes).value_or(-1);
}

}  // namespace

int CountUpdate(platform::Services& os, const std::string& path, int tries, bool increment,
                unsigned waitMs) {
  for (int i = 0; i < tries; ++i) {
    if (i > 0) os.clock.Sleep(waitMs);
    if (std::optional<int> count = Attempt(os.fs, path, increment)) return *count;
  }
  return -1;
}

// Only a count right after the remembered one is this computer's own
// change alone; any other means another computer wrote meanwhile, and the
// next poll must still see a difference.
bool ChangeCounter::CountWrite() {
  const int count = CountUpdate(os_, path_, kCounterTries, true, kCounterWaitMs);
  if (count < 0) {
    remembered_ = 0;
    return false;
  }
  if (count == remembered_ + 1) remembered_ = count;
  return true;
}

int ChangeCounter::Read() { return CountUpdate(os_, path_, kCounterTries, false, kCounterWaitMs); }

}  // namespace net
