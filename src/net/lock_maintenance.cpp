#include "net/lock_maintenance.h"

#include <algorithm>

#include "net/network_mode.h"
#include "platform/dialog_helpers.h"
#include "platform/list_files.h"
#include "store/data_folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace net {
namespace {

constexpr char kNoNetFolder[] = "「ネットワーク上のデータフォルダ」が設定されていません。\r\n先に設定してください。";
constexpr char kNetFolderMissing[] = "「ネットワーク上のデータフォルダ」が確認できません。\r\n中止します。";
constexpr char kNoLocks[] = "ロックファイルはありません。";
constexpr int kDataSets = 3;

// Read with every other access denied, as the lock protocol reads it, and
// never created: a lock that vanished meanwhile stays gone.
std::optional<std::string> OwnerOf(platform::FileSystem& fs, const std::string& path) {
  std::unique_ptr<platform::FileLock> held = fs.OpenExclusive(path);
  if (!held) return std::nullopt;
  const std::optional<std::string> bytes = held->ReadContent();
  if (!bytes) return std::nullopt;
  const platform::LineList lines = platform::ParseListText(*bytes);
  if (lines.empty() || support::IsBlank(lines.front())) return std::nullopt;
  return lines.front();
}

void Add(platform::FileSystem& fs, const std::string& netFolder, const std::string& path,
         std::vector<FoundLock>& found) {
  found.push_back({path, path.substr(std::min(netFolder.size(), path.size())), OwnerOf(fs, path)});
}

// The folder as set, with its separator; nullopt (told) when it is not set
// or cannot be reached.
std::optional<std::string> ReachableFolder(platform::Services& os, const std::string& netFolder) {
  if (support::IsBlank(netFolder)) {
    platform::Inform(os.dialogs, kNoNetFolder);
    return std::nullopt;
  }
  const std::string folder = support::EnsureTrailingSeparator(support::Trim(netFolder));
  if (!os.fs.IsFolder(folder)) {
    platform::Inform(os.dialogs, kNetFolderMissing);
    return std::nullopt;
  }
  return folder;
}

}  // namespace

std::vector<FoundLock> FindLocks(platform::FileSystem& fs, const std::string& netFolder) {
  const std::string root = support::EnsureTrailingSeparator(netFolder);
  std::vector<FoundLock> found;
  const std::string maintenance = support::JoinPath(root, kMaintenanceLockName);
  if (fs.Exists(maintenance)) Add(fs, root, maintenance, found);
  for (int set = 1; set <= kDataSets; ++set) {
    const std::string folder = store::DataSetFolder(root, set);
    std::vector<platform::DirEntry> entries = fs.List(support::JoinPath(folder, "*.lock"));
    std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) { return a.name < b.name; });
    for (const auto& e : entries)
      if (!e.isFolder) Add(fs, root, support::JoinPath(folder, e.name), found);
  }
  return found;
}

std::string LockListText(const std::vector<FoundLock>& locks, std::size_t limit) {
  std::vector<std::string> lines;
  for (std::size_t i = 0; i < locks.size() && i < limit; ++i)
    lines.push_back(locks[i].shown + "　【" + locks[i].owner.value_or("使用中") + "】");
  if (locks.size() > limit) lines.push_back("ほか " + std::to_string(locks.size() - limit) + " 個");
  return support::JoinLines(lines);
}

bool SearchLocks(platform::Services& os, const std::string& netFolder) {
  const std::optional<std::string> folder = ReachableFolder(os, netFolder);
  if (!folder) return false;
  const std::vector<FoundLock> locks = FindLocks(os.fs, *folder);
  if (locks.empty()) {
    platform::Inform(os.dialogs, kNoLocks);
    return true;
  }
  platform::Inform(os.dialogs, "ロックファイルが、" + std::to_string(locks.size()) + " 個あります。\r\n\r\n" +
                                   LockListText(locks));
  return true;
}

UnlockResult UnlockAll(platform::Services& os, const std::string& netFolder) {
  UnlockResult result;
  const std::optional<std::string> folder = ReachableFolder(os, netFolder);
  if (!folder) return result;
  const std::vector<FoundLock> locks = FindLocks(os.fs, *folder);
  if (locks.empty()) {
    platform::Inform(os.dialogs, kNoLocks);
    return result;
  }
  if (!platform::AskYesNo(os.dialogs,
                          LockListText(locks) + "\r\n\r\nこれらのロックを、すべて解除しますか？\r\n"
                              "（予定を編集中のコンピュータがあれば、編集が重なるおそれがあります。）",
                          false))
    return result;
  for (const auto& lock : locks) {
    if (os.fs.DeleteFile(lock.path) || !os.fs.Exists(lock.path)) ++result.removed;
    else result.failed.push_back(lock.path);
  }
  std::string text = "ロックファイルを、" + std::to_string(result.removed) + " 個削除しました。";
  for (const auto& path : result.failed) text += "\r\nロックファイル[" + path + "]の削除に失敗しました。";
  platform::Inform(os.dialogs, text);
  return result;
}

}  // namespace net
