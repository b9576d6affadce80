#include "platform/file_operations.h"

#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace platform {
namespace {

// The names of the comma list that exist in `folder`, as full paths; a
// name with the program's "#" is given to the shell as the names it matches.
std::vector<std::string> ExistingItems(FileSystem& fs, const std::string& folder,
                                       std::string_view nameList) {
  const std::string base = support::EnsureTrailingSeparator(folder);
  std::vector<std::string> items;
  for (const auto& name : support::Split(nameList, ',')) {
    if (name.empty()) continue;
    if (name.find('#') == std::string::npos) {
      if (fs.Exists(base + name)) items.push_back(base + name);
      continue;
    }
    for (const DirEntry& e : ListNamed(fs, base, name)) items.push_back(base + e.name);
  }
  return items;
}

// Silent and unasked when the user does not watch.
ShellOpFlags QuietUnlessShown(WindowHandle owner, bool showProgress) {
  ShellOpFlags flags;
  flags.owner = owner;
  flags.silent = !showProgress;
  flags.noConfirmation = !showProgress;
  return flags;
}

bool CopyPattern(FileSystem& fs, const std::string& from, const std::string& to,
                 const std::string& pattern) {
  if (pattern.empty()) return true;
  for (const auto& entry : ListNamed(fs, from, pattern))
    if (!entry.isFolder && !CopyOneFile(fs, from + entry.name, to + entry.name)) return false;
  return true;
}

}  // namespace

bool CopyFolderItems(FileSystem& fs, Dialogs& dialogs, const std::string& sourceFolder,
                     const std::string& destFolder, WindowHandle owner, bool showProgress,
                     std::string_view nameList) {
  std::vector<std::string> items;
  if (nameList.empty()) {
    items.push_back(support::RemoveTrailingSeparator(sourceFolder));
  } else {
    items = ExistingItems(fs, sourceFolder, nameList);
    if (items.empty()) {
      Inform(dialogs, "コピーするファイルが、１つも存在しません。\r\n中止します。");
      return false;
    }
  }
  ShellOpFlags flags = QuietUnlessShown(owner, showProgress);
  flags.filesOnly = true;
  // Never asked: the copies go into folders the program prepared itself
  // (a staging folder, a data folder it has just made), where the shell's
  // "replace?" would stop a restore half-way.
  flags.noConfirmation = true;
  return fs.ShellCopy(items, destFolder, flags);
}

bool DeleteFolderItems(FileSystem& fs, const std::string& folder, std::string_view nameList,
                       WindowHandle owner, bool toRecycleBin, bool showProgress) {
  std::vector<std::string> items;
  if (nameList.empty())
    items.push_back(support::RemoveTrailingSeparator(folder));
  else
    items = ExistingItems(fs, folder, nameList);
  if (items.empty()) return true;
  ShellOpFlags flags = QuietUnlessShown(owner, showProgress);
  flags.simpleProgress = true;
  flags.allowUndo = toRecycleBin;
  return fs.ShellDelete(items, flags);
}

namespace {

bool DeleteBelow(FileSystem& fs, const std::string& folder) {
  const std::string base = support::EnsureTrailingSeparator(folder);
  bool all = true;
  for (const DirEntry& e : fs.List(base + "*"))
    all = (e.isFolder ? DeleteBelow(fs, base + e.name) : fs.DeleteFile(base + e.name)) && all;
  return fs.RemoveEmptyFolder(support::RemoveTrailingSeparator(folder)) && all;
}

}  // namespace

bool DeleteOneFile(FileSystem& fs, const std::string& path, WindowHandle owner, bool toRecycleBin) {
  if (path.find_first_of("*?") != std::string::npos || !fs.Exists(path) || fs.IsFolder(path)) return false;
  ShellOpFlags flags = QuietUnlessShown(owner, false);
  flags.allowUndo = toRecycleBin;
  return fs.ShellDelete({path}, flags) && !fs.Exists(path);
}

bool DeleteTree(FileSystem& fs, const std::string& folder, WindowHandle owner) {
  const std::string path = support::RemoveTrailingSeparator(folder);
  if (!fs.Exists(path)) return true;
  if (DeleteBelow(fs, path)) return true;
  DeleteFolderItems(fs, path, "", owner, false, false);
  return !fs.Exists(path);
}

bool RenameFolder(FileSystem& fs, Dialogs& dialogs, const std::string& source,
                  const std::string& dest, WindowHandle owner, bool showProgress) {
  const std::string from = support::RemoveTrailingSeparator(source);
  if (!fs.Exists(from)) {
    if (showProgress) Inform(dialogs, "元のフォルダが存在しません。");
    return false;
  }
  ShellOpFlags flags = QuietUnlessShown(owner, showProgress);
  flags.simpleProgress = true;
  return fs.ShellMove(from, support::RemoveTrailingSeparator(dest), flags);
}

bool CopyMatchingFiles(FileSystem& fs, const std::string& sourceFolder,
                       const std::string& destFolder, std::string_view patternList) {
  const std::string from = support::EnsureTrailingSeparator(sourceFolder);
  const std::string to = support::EnsureTrailingSeparator(destFolder);
  bool anyComplete = false;
  for (const auto& pattern : support::Split(patternList, ',')) {
    if (!CopyPattern(fs, from, to, pattern)) return anyComplete;
    anyComplete = true;
  }
  return anyComplete;
}

bool CopyOneFile(FileSystem& fs, const std::string& source, const std::string& dest) {
  return fs.CopyFile(source, dest, true);
}

}  // namespace platform
