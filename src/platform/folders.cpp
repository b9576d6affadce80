#include "platform/folders.h"

#include "platform/dialog_helpers.h"
#include "platform/ini_file.h"
#include "support/cp932.h"
#include "support/paths.h"
#include "support/text.h"

namespace platform {
namespace {

using support::kPathSeparator;

void NoticeIfNotFullPath(Dialogs& dialogs, std::string_view path) {
  if (!support::IsFullFolderPath(path))
    Inform(dialogs, "Currentfol--->５文字以上のフォルダでないとこの関数は使えません。");
}

// "C:" on Windows; natively the empty text before the root "/".
bool IsDriveRootName(std::string_view folder) {
  if (kPathSeparator == '/' && folder.empty()) return true;
  return folder.size() == 2 && folder[1] == ':' &&
         ((folder[0] >= 'A' && folder[0] <= 'Z') || (folder[0] >= 'a' && folder[0] <= 'z'));
}

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool CountsAsPresent(FileSystem& fs, const std::string& folder) {
  if (!folder.empty() && fs.Exists(folder)) return true;
  if (!IsDriveRootName(folder)) return false;
  DriveKind kind = fs.KindOfDrive(folder + kPathSeparator);
  return kind == DriveKind::Fixed || kind == DriveKind::Removable;
}

}  // namespace

std::string LastFolderName(Dialogs& dialogs, std::string_view path) {
  NoticeIfNotFullPath(dialogs, path);
  return support::LastFolderName(path);
}

std::string ParentPart(Dialogs& dialogs, std::string_view path) {
  NoticeIfNotFullPath(dialogs, path);
  return support::ParentPart(path);
}

bool PathExists(FileSystem& fs, const std::string& path) { return fs.Exists(path); }

bool PlainFileExists(FileSystem& fs, const std::string& path) {
  for (const auto& e : fs.List(path))
    if (!e.isFolder && !e.hidden && !e.system) return true;
  return false;
}

bool AnyNameExists(FileSystem& fs, const std::string& folder, std::string_view nameList) {
  const std::string base = support::EnsureTrailingSeparator(folder);
  for (const auto& name : support::Split(nameList, ',')) {
    if (name.empty()) continue;  // it would test the folder itself
    if (name.find('#') == std::string::npos ? PathExists(fs, base + name) : !ListNamed(fs, base, name).empty())
      return true;
  }
  return false;
}

bool NameMatches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern[0] == '*')
    return NameMatches(pattern.substr(1), name) || (!name.empty() && NameMatches(pattern, name.substr(1)));
  if (name.empty()) return false;
  const char p = pattern[0], c = name[0];
  const bool one = p == '?' || (p == '#' ? c >= '0' && c <= '9' : AsciiLower(p) == AsciiLower(c));
  return one && NameMatches(pattern.substr(1), name.substr(1));
}

std::vector<DirEntry> ListNamed(FileSystem& fs, const std::string& folder, std::string_view pattern) {
  const std::string base = support::EnsureTrailingSeparator(folder);
  std::string system(pattern);
  if (system.find('#') == std::string::npos) return fs.List(base + system);
  // The system narrows the listing; the exact test is ours.
  for (char& c : system)
    if (c == '#') c = '?';
  std::vector<DirEntry> entries = fs.List(base + system);
  std::erase_if(entries, [&](const DirEntry& e) { return !NameMatches(pattern, e.name); });
  return entries;
}

bool ForceFolder(FileSystem& fs, Dialogs& dialogs, const std::string& path, bool create,
                 bool ask) {
  const std::string folder = support::RemoveTrailingSeparator(path);
  if (fs.Exists(folder)) return true;
  if (!create) return false;
  if (ask && !AskYesNo(dialogs, "フォルダ[" + folder + "]が存在しません。\r\n作成しますか。", true))
    return false;
  if (CreateFolderChain(fs, folder)) return true;
  if (ask)
    Inform(dialogs, "フォルダ[" + folder + "]が作成出来ません。\r\nフォルダの作成を中止します。");
  return false;
}

bool CreateFolderChain(FileSystem& fs, const std::string& path) {
  const std::string folder = support::RemoveTrailingSeparator(path);
  if (folder.empty()) return false;
  const size_t sep = folder.find_last_of(kPathSeparator);
  if (sep != std::string::npos) {
    // The parent is strictly shorter, so the recursion ends.
    const std::string parent = folder.substr(0, sep);
    if (!CountsAsPresent(fs, parent)) CreateFolderChain(fs, parent);
  }
  return fs.CreateFolder(folder);
}

std::optional<DateTime> FileDate(FileSystem& fs, const std::string& path) {
  return fs.ModifiedTime(path);
}

std::optional<std::string> StorablePath(FileSystem& fs, const std::string& path) {
  if (support::Cp932CanEncode(path)) return path;
  const std::optional<std::string> shortForm = fs.ShortPathOf(path);
  if (shortForm && support::Cp932CanEncode(*shortForm)) return shortForm;
  return std::nullopt;
}

std::string UnstorableFolderText(const std::string& folder) {
  return "フォルダ[" + folder + "]の名前には、設定ファイルに保存できない文字（Shift-JISにない文字）が"
         "含まれています。\r\n別のフォルダを指定してください。";
}

bool WriteLocalFolderFile(FileSystem& fs, const std::string& folder) {
  const std::string path = support::EnsureTrailingSeparator(folder) + "localfol.kdf";
  support::IniText ini;
  LoadIniFile(fs, path, ini);
  if (const auto storable = StorablePath(fs, folder)) ini.WriteString("Set", "Folder", *storable);
  ini.WriteBool("Set", "First", false);
  return SaveIniFile(fs, path, ini);
}

}  // namespace platform
