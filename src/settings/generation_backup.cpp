#include "settings/generation_backup.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <vector>

#include "platform/copy_check.h"
#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "store/date_stamp.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

using platform::Inform;
using support::EnsureTrailingSeparator;
using support::RemoveTrailingSeparator;

constexpr int kMostGenerations = 99;
constexpr int kLayoutFiles1 = 2;

// One backup run: the paths and the silent folder steps it is made of.
class Rotation {
 public:
  Rotation(platform::Services& os, const GenerationBackupArgs& a)
      : os_(os), a_(a), root_(EnsureTrailingSeparator(a.root)),
        sourceName_(platform::LastFolderName(os.dialogs, a.source)), copy_(root_ + sourceName_) {}

  std::string Generation(int n) const { return GenerationFolder(root_, n, a_.name); }
  bool Exists(const std::string& folder) const { return os_.fs.IsFolder(RemoveTrailingSeparator(folder)); }

  int CountGenerations() const {
    int j = 0;
    while (j < kMostGenerations && Exists(Generation(j + 1))) ++j;
    return j;
  }

  bool Delete(const std::string& folder) {
    return platform::DeleteFolderItems(os_.fs, folder, "", a_.owner, false, false);
  }
  bool Rename(const std::string& from, const std::string& to) {
    return platform::RenameFolder(os_.fs, os_.dialogs, from, to, a_.owner, false);
  }

  // A folder of the same name left by an interrupted run goes to "wk_".
  void MoveAside(const std::string& name) {
    const std::string leftover = root_ + name, aside = root_ + "wk_" + name;
    if (!Exists(leftover)) return;
    if (Exists(aside)) Delete(aside);
    Rename(leftover, aside);
  }

  // The whole source as root + its folder name; a partial copy is removed.
  // The shell's word is not enough: a silent copy may skip a file it could
  // not read (one held open by another program) and still report success.
  bool CopySource() {
    const bool copied = platform::CopyFolderItems(os_.fs, os_.dialogs, a_.source, root_, a_.owner,
                                                  a_.showProgress, "");
    if (copied && Exists(copy_) && platform::SameTree(os_.fs, a_.source, copy_)) return true;
    if (Exists(copy_)) Delete(copy_);
    return false;
  }

  // At most generations - 1 kept, each moved up by one; 01 left free.
  bool MakeRoomForNewest(int existing) {
    for (int d = existing; d >= a_.generations; --d)
      if (Exists(Generation(d))) Delete(Generation(d));
    for (int d = existing; d >= 1; --d)
      if (Exists(Generation(d))) Rename(Generation(d), Generation(d + 1));
    if (!Exists(Generation(1)) || Delete(Generation(1))) return true;
    std::string text = "[";
    text += Generation(1);
    text += "]の削除エラー\r\nフォルダはバックアップされていません。\r\n手動でバックアップしておいてください。";
    Inform(os_.dialogs, text);
    return false;
  }

  bool Run() {
    platform::CreateFolderChain(os_.fs, root_);
    const int existing = CountGenerations();
    MoveAside(sourceName_);
    MoveAside(a_.name);
    if (!CopySource()) return false;
    if (!MakeRoomForNewest(existing)) {
      Delete(copy_);
      return false;
    }
    return Rename(copy_, Generation(1));
  }

 private:
  platform::Services& os_;
  const GenerationBackupArgs& a_;
  std::string root_;
  std::string sourceName_;
  std::string copy_;
};

bool SkipsAutomaticBackup(const AutoBackupFacts& f, const Settings& s, calendar::DayNumber today) {
  using platform::DriveKind;
  if (f.networkDataInUse || s.vBackKankaku <= 0) return true;
  if (f.programDrive == DriveKind::CdRom || f.programDrive == DriveKind::Network ||
      f.programDrive == DriveKind::Removable)
    return true;
  if (today - s.BackupDay < s.vBackKankaku || s.yDataForm != kLayoutFiles1) return true;
  return support::EqualsIgnoreCase(EnsureTrailingSeparator(f.dataFolder),
                                   EnsureTrailingSeparator(f.programFolder));
}

calendar::DayNumber TodayOf(platform::Clock& clock) {
  const platform::DateTime now = clock.Now();
  return calendar::DateToJulius(now.year, now.month, now.day);
}

}  // namespace

std::string GenerationFolder(const std::string& root, int number, const std::string& name) {
  char prefix[8];
  std::snprintf(prefix, sizeof prefix, "%.2d_", number);
  return EnsureTrailingSeparator(EnsureTrailingSeparator(root) + prefix + name);
}

bool GenerationBackup(platform::Services& os, const GenerationBackupArgs& args) {
  const std::string source = EnsureTrailingSeparator(args.source);
  if (!os.fs.IsFolder(RemoveTrailingSeparator(source))) {
    if (args.showMessages) Inform(os.dialogs, "[" + source + "]がありません。");
    return false;
  }
  if (args.generations < 2 || args.generations > 9) {
    if (args.showMessages) Inform(os.dialogs, "世代の数が正しくありません。");
    return false;
  }
  try {
    GenerationBackupArgs a = args;
    a.source = source;
    return Rotation(os, a).Run();
  } catch (const std::exception&) {
    Inform(os.dialogs, "世代コピーエラー [" + source + "]");
    return false;
  }
}


std::string UsableBackupRoot(platform::FileSystem& fs, const std::string& preferred,
                             const std::string& fallback) {
  for (const std::string& root : {preferred, fallback}) {
    if (root.empty()) continue;
    if (fs.IsFolder(RemoveTrailingSeparator(root)) || platform::CreateFolderChain(fs, root))
      return EnsureTrailingSeparator(root);
  }
  return "";
}

AutoBackupResult AutoBackup(platform::Services& os, const AutoBackupFacts& facts, Settings& s,
                            const std::function<void(bool)>& markRunning) {
  const calendar::DayNumber today = TodayOf(os.clock);
  if (SkipsAutomaticBackup(facts, s, today)) return {};
  struct RunningMark {
    const std::function<void(bool)>& mark;
    explicit RunningMark(const std::function<void(bool)>& m) : mark(m) { if (mark) mark(true); }
    ~RunningMark() { if (mark) mark(false); }
  } running(markRunning);

  AutoBackupResult result{AutoBackupOutcome::StampedToday,
                          UsableBackupRoot(os.fs, facts.backupRoot, facts.fallbackRoot)};
  const std::string root = result.root.empty() ? facts.backupRoot : result.root;
  const std::string newest = GenerationFolder(root, 1, kAutoBackupName);
  if (store::DaysSinceStamp(os.fs, newest, calendar::JuliusToDate(today)) != 0) {
    GenerationBackupArgs a{facts.dataFolder, root, facts.owner, false, kAutoBackupGenerations,
                           kAutoBackupName};
    if (!GenerationBackup(os, a)) {
      Inform(os.dialogs, "自動世代データバックアップエラー\r\n\r\n世代バックアップが出来ませんでした。");
      s.BackupDay += 1;
      result.outcome = AutoBackupOutcome::Failed;
      return result;
    }
    store::WriteStamp(os.fs, newest, calendar::JuliusToDate(today));
    result.outcome = AutoBackupOutcome::BackedUp;
  }
  s.BackupDay = today;
  return result;
}

}  // namespace settings
