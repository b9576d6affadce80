#pragma once
// Maintenance of the locks of a shared folder, for the options window's
// " ネット１ " tab: "ロック検索" names every lock file and its owner,
// "すべてのロックを解除" removes them once the user agrees. A lock another
// computer left behind after a crash stays until this removes it.
//
//   <shared>\mente.lock                 maintenance
//   <shared>\Data\Files1\Ca200403.lock  a month ("Files2", "Files3" alike)
//   <shared>\Data\Files1\CaFromTo.lock  the periods
#include <optional>
#include <string>
#include <vector>

#include "platform/services.h"

namespace net {

struct FoundLock {
  std::string path;
  std::string shown;                 // below the shared folder: "Data\Files1\Ca200403.lock"
  std::optional<std::string> owner;  // nullopt: being written, empty or unreadable
};

// The maintenance lock first, then the data locks of each data set, by name.
std::vector<FoundLock> FindLocks(platform::FileSystem& fs, const std::string& netFolder);
// One line per lock, "Data\Files1\Ca200403.lock　【PC01】"; at most
// `limit` lines and then how many more there are.
std::string LockListText(const std::vector<FoundLock>& locks, std::size_t limit = 15);

// "ロック検索": tells which locks the shared folder holds, or that it holds
// none. False when the folder is not set or cannot be reached (told).
bool SearchLocks(platform::Services& os, const std::string& netFolder);

struct UnlockResult {
  int removed = 0;
  std::vector<std::string> failed;  // paths that could not be deleted
};
// "すべてのロックを解除": after the user agrees (No is the default), every
// lock file is deleted and the result told. Nothing when there is none or
// the folder cannot be reached.
UnlockResult UnlockAll(platform::Services& os, const std::string& netFolder);

}  // namespace net
