#include "settings/folder_checks.h"

#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {

using support::EnsureTrailingSeparator;

bool SameFolder(const std::string& a, const std::string& b) {
  return support::EqualsIgnoreCase(EnsureTrailingSeparator(a), EnsureTrailingSeparator(b));
}

bool FolderInside(const std::string& inner, const std::string& outer) {
  if (inner.empty() || outer.empty()) return false;
  const std::string in = EnsureTrailingSeparator(inner), out = EnsureTrailingSeparator(outer);
  return in.size() > out.size() && support::StartsWithIgnoreCase(in, out);
}

bool FoldersOverlap(const std::string& a, const std::string& b) {
  return SameFolder(a, b) || FolderInside(a, b) || FolderInside(b, a);
}

std::optional<std::string> CheckedFolderField(platform::Services& os, const std::string& field) {
  const std::string folder = support::EnsureTrailingChar(field, support::kPathSeparator);
  if (folder.size() <= 1) {
    platform::Inform(os.dialogs, "フォルダの設定が、不明です。\r\n中止します。");
    return std::nullopt;
  }
  if (!os.fs.IsFolder(support::RemoveTrailingSeparator(folder))) {
    platform::Inform(os.dialogs, "フォルダが存在しません。\r\n中止します。");
    return std::nullopt;
  }
  const std::optional<std::string> storable = platform::StorablePath(os.fs, folder);
  if (!storable) {
    platform::Inform(os.dialogs, platform::UnstorableFolderText(folder));
    return std::nullopt;
  }
  return EnsureTrailingSeparator(*storable);
}

void KeepFolderField(platform::FileSystem& fs, std::string& key, const std::string& typed) {
  if (const std::optional<std::string> storable = platform::StorablePath(fs, typed)) key = *storable;
}

std::optional<std::string> ActualFileName(platform::FileSystem& fs, const std::string& folder,
                                          const std::string& name) {
  for (const platform::DirEntry& e : fs.List(EnsureTrailingSeparator(folder) + name))
    if (!e.isFolder && support::EqualsIgnoreCase(e.name, name)) return e.name;
  return std::nullopt;
}

}  // namespace settings
