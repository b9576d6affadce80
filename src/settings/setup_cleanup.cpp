#include "settings/setup_cleanup.h"

#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "settings/folder_checks.h"
#include "support/paths.h"

namespace settings {
namespace {

constexpr std::uint32_t kMagenta = 0xFF00FF;
constexpr std::uint32_t kBlue = 0xFF0000;
constexpr char kWorkFolderMarker[] = "localfol.kdf";

// A drive root ("C:\", "\\SERVER\Share\", "/") is never a work folder.
bool IsRootFolder(const std::string& folder) {
  const std::string f = support::RemoveTrailingSeparator(folder);
  if (f.empty() || (f.size() == 2 && f[1] == ':')) return true;
  if (f.rfind("\\\\", 0) == 0) return f.find('\\', f.find('\\', 2) + 1) == std::string::npos;
  return false;
}

bool Protected(const std::string& folder, const CleanupGuard& guard) {
  for (const std::string& kept : {guard.programFolder, guard.dataRoot})
    if (!kept.empty() && (SameFolder(kept, folder) || FolderInside(kept, folder))) return true;
  return IsRootFolder(folder);
}

bool DeleteArchive(platform::Services& os, const std::string& path, const CleanupGuard& guard,
                   platform::WindowHandle owner) {
  // An archive never lies among the program's own files or its data.
  const bool ours = (!guard.programFolder.empty() && FolderInside(path, guard.programFolder)) ||
                    (!guard.dataRoot.empty() && FolderInside(path, guard.dataRoot));
  const bool deleted = !ours && platform::DeleteOneFile(os.fs, path, owner, true);
  platform::Inform(os.dialogs, "[ " + path + " ]" + (deleted ? "を削除しました。" : "は削除できませんでした。"));
  return deleted;
}

bool DeleteWorkFolder(platform::Services& os, const std::string& path, const CleanupGuard& guard,
                      platform::WindowHandle owner) {
  const std::string folder = support::EnsureTrailingSeparator(path);
  if (Protected(folder, guard) || !os.fs.Exists(folder + kWorkFolderMarker)) {
    platform::Inform(os.dialogs, "このフォルダ[ " + path +
                                     " ]はワークフォルダでない可能性がありますので、削除いたしません。");
    return false;
  }
  const bool deleted = platform::DeleteFolderItems(os.fs, folder, "", owner, false, false) &&
                       !os.fs.Exists(support::RemoveTrailingSeparator(folder));
  platform::Inform(os.dialogs,
                   "フォルダ[ " + path + " ]" + (deleted ? "を削除しました。" : "は削除できませんでした。"));
  return deleted;
}

}  // namespace

CleanupTexts CleanupTextsOf(CleanupMode mode) {
  if (mode == CleanupMode::ArchiveFile)
    return {"「楓歌」 Ver9.1.0　自己解凍書庫削除（確認）",
            "セットアップで利用した【自己解凍書庫ファイル】を削除しますか？",
            "削除ファイル　：",
            {"通常は、一度セットアップすると、上記ファイルは必要有りません。"},
            kMagenta};
  return {"「楓歌」 Ver9.1.0　ワークフォルダ削除（確認）",
          "自己解凍書庫ファイルで作成したセットアップ用の【ワークフォルダ】を削除しますか？",
          "削除フォルダ　：",
          {"通常は、一度セットアップすると、上記フォルダは必要有りません。",
           "再度必要な場合は、再びダウンロードして作成する事も出来ます。"},
          kBlue};
}

bool DeleteSetupLeftover(platform::Services& os, CleanupMode mode, const std::string& path,
                         const CleanupGuard& guard, platform::WindowHandle owner) {
  return mode == CleanupMode::ArchiveFile ? DeleteArchive(os, path, guard, owner)
                                          : DeleteWorkFolder(os, path, guard, owner);
}

}  // namespace settings
