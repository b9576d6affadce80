#include "platform/copy_check.h"

#include <map>
#include <vector>

#include "platform/folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace platform {
namespace {

using support::EnsureTrailingSeparator;

using EntriesByName = std::map<std::string, DirEntry>;

EntriesByName EntriesOf(std::vector<DirEntry> listed) {
  EntriesByName entries;
  for (DirEntry& e : listed) entries.emplace(e.name, std::move(e));
  return entries;
}

bool Arrived(const DirEntry& source, const EntriesByName& copied) {
  const auto it = copied.find(source.name);
  if (it == copied.end() || it->second.isFolder != source.isFolder) return false;
  return source.isFolder || it->second.size == source.size;
}

}  // namespace

bool SameTree(FileSystem& fs, const std::string& from, const std::string& to) {
  const std::string source = EnsureTrailingSeparator(from), copy = EnsureTrailingSeparator(to);
  const EntriesByName copied = EntriesOf(fs.List(copy + "*"));
  for (const DirEntry& e : fs.List(source + "*")) {
    if (!Arrived(e, copied)) return false;
    if (e.isFolder && !SameTree(fs, source + e.name, copy + e.name)) return false;
  }
  return true;
}

bool SameNamedFiles(FileSystem& fs, const std::string& from, const std::string& to,
                    std::string_view patternList) {
  const std::string source = EnsureTrailingSeparator(from), copy = EnsureTrailingSeparator(to);
  for (const std::string& pattern : support::Split(patternList, ',')) {
    if (pattern.empty()) continue;
    const EntriesByName copied = EntriesOf(ListNamed(fs, copy, pattern));
    for (const DirEntry& e : ListNamed(fs, source, pattern))
      if (!e.isFolder && !Arrived(e, copied)) return false;
  }
  return true;
}

}  // namespace platform
