#include "settings/staged_replace.h"

#include <utility>

#include "platform/file_operations.h"
#include "platform/folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

using support::EnsureTrailingSeparator;
using support::RemoveTrailingSeparator;

constexpr int kMostAsideNames = 99;

// Every rename made, so that a failure can undo them newest first.
class MoveJournal {
 public:
  explicit MoveJournal(platform::FileSystem& fs) : fs_(fs) {}

  bool Move(const std::string& from, const std::string& to) {
    if (!fs_.Rename(from, to)) return false;
    done_.emplace_back(from, to);
    return true;
  }

  bool PutBack() {
    bool all = true;
    for (auto it = done_.rbegin(); it != done_.rend(); ++it) all = fs_.Rename(it->second, it->first) && all;
    done_.clear();
    return all;
  }

 private:
  platform::FileSystem& fs_;
  std::vector<std::pair<std::string, std::string>> done_;
};

std::vector<std::string> FilesOfKinds(platform::FileSystem& fs, const std::string& folder,
                                      const std::string& kinds) {
  std::vector<std::string> names;
  for (const std::string& pattern : support::Split(kinds, ','))
    if (!pattern.empty())
      for (const platform::DirEntry& e : platform::ListNamed(fs, folder, pattern))
        if (!e.isFolder) names.push_back(e.name);
  return names;
}

std::string FreeAsideName(platform::FileSystem& fs, const std::string& asideRoot) {
  const std::string base = RemoveTrailingSeparator(asideRoot);
  std::string name = base;
  for (int n = 2; fs.Exists(name) && n <= kMostAsideNames; ++n) name = base + "_" + std::to_string(n);
  return EnsureTrailingSeparator(name);
}

class Replacement {
 public:
  Replacement(platform::FileSystem& fs, std::string aside) : fs_(fs), journal_(fs), aside_(std::move(aside)) {}

  bool Group(const ReplaceGroup& g, int index) {
    const std::string aside = EnsureTrailingSeparator(aside_ + std::to_string(index));
    if (!fs_.CreateFolder(RemoveTrailingSeparator(aside))) return false;
    for (const std::string& name : FilesOfKinds(fs_, g.target, g.fileKinds)) {
      if (g.keepOthers && !fs_.Exists(g.staged + name)) continue;
      if (!journal_.Move(g.target + name, aside + name)) return false;
    }
    for (const std::string& name : g.folders) {
      if (!fs_.IsFolder(g.staged + name) || !fs_.Exists(g.target + name)) continue;
      if (!journal_.Move(g.target + name, aside + name)) return false;
    }
    for (const std::string& name : FilesOfKinds(fs_, g.staged, g.fileKinds))
      if (!journal_.Move(g.staged + name, g.target + name)) return false;
    for (const std::string& name : g.folders)
      if (fs_.IsFolder(g.staged + name) && !journal_.Move(g.staged + name, g.target + name)) return false;
    return true;
  }

  bool PutBack() { return journal_.PutBack(); }

 private:
  platform::FileSystem& fs_;
  MoveJournal journal_;
  std::string aside_;
};

}  // namespace

ReplaceResult ReplaceWithStaged(platform::FileSystem& fs, const std::vector<ReplaceGroup>& groups,
                                const std::string& asideRoot, platform::WindowHandle owner, OldFiles old) {
  ReplaceResult result;
  result.asideFolder = FreeAsideName(fs, asideRoot);
  if (!fs.CreateFolder(RemoveTrailingSeparator(result.asideFolder))) return result;
  Replacement replacement(fs, result.asideFolder);
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (replacement.Group(groups[i], static_cast<int>(i) + 1)) continue;
    const bool putBack = replacement.PutBack();
    result.outcome = putBack ? ReplaceOutcome::PutBack : ReplaceOutcome::Stranded;
    if (putBack) platform::DeleteTree(fs, result.asideFolder, owner);
    return result;
  }
  result.outcome = ReplaceOutcome::Replaced;
  if (old == OldFiles::Remove) platform::DeleteTree(fs, result.asideFolder, owner);
  return result;
}

bool RemoveLeftoverCopy(platform::FileSystem& fs, const std::string& folder, platform::WindowHandle owner) {
  return platform::DeleteTree(fs, folder, owner);
}

}  // namespace settings
