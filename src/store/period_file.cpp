#include "store/period_file.h"

#include <cstdio>
#include <exception>

#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "store/data_folders.h"
#include "store/line_reader.h"
#include "store/memo_file.h"
#include "store/save_guard.h"

namespace store {
namespace {

constexpr int kPeriodWriteTries = 10;
constexpr unsigned kPeriodWriteWaitMs = 300;
constexpr unsigned kBackupWriteWaitMs = 500;

const char kShrinkQuestion[] =
    "期間予定が立ち上げ時の半分以下、または０になっています。\r\n"
    "期間予定を保存してもいいですか。\r\n"
    "（※期間予定を削除した以外は、「いいえ」（保存しない）にしてください。）";
const char kShrinkConfirm[] = "本当に期間予定を（大量に）削除しましたか？";
const char kNotSaved[] = "期間予定は保存しません。";
const char kPeriodsUnreadText[] =
    "期間予定データが読み込めていないため、\r\nファイルを守るため期間予定は保存しません。";

void DeleteOldBackup(const StoreEnv& env, const std::string& path, const char* failure) {
  if (env.os.fs.Exists(path) && !env.os.fs.DeleteFile(path))
    platform::Inform(env.os.dialogs, failure + path);
}

void WriteBackupCopy(const StoreEnv& env, const PeriodList& list, const std::string& path) {
  try {
    if (!WriteLinesRetry(env.os, path, kBackupWriteWaitMs, kPeriodWriteTries, list.lines, &list.originals))
      platform::Inform(env.os.dialogs, "[ " + path + " ]の書込に失敗しました。");
  } catch (const std::exception&) {
    platform::Inform(env.os.dialogs, "期間ファイルを書き込めません。\r\n" + path);
  }
}

void CopyMemoBackup(const StoreEnv& env, const std::string& backupName) {
  const std::string& common = env.folders.commonDataFolder;
  std::string memo = common + kMemoFileName;
  std::string path = common + MemoBackupName(backupName);
  bool copied = false;
  try {
    copied = !env.os.fs.Exists(memo) || env.os.fs.CopyFile(memo, path, true);
  } catch (const std::exception&) {
  }
  if (!copied) platform::Inform(env.os.dialogs, "メモファイルを書き込めません。\r\n" + path);
}

void RotateBackups(const StoreEnv& env, const PeriodList& list, PeriodBackups& backups,
                   const std::string& today) {
  backups.rotated = true;
  const std::string& oldest = backups.names[2];
  if (!oldest.empty()) {
    DeleteOldBackup(env, env.folders.dataFolder + oldest, "旧期間ファイルを削除できません。\r\n");
    DeleteOldBackup(env, env.folders.commonDataFolder + MemoBackupName(oldest),
                    "旧メモファイルを削除できません。\r\n");
  }
  backups.names = {today, backups.names[0], backups.names[1]};
  WriteBackupCopy(env, list, env.folders.dataFolder + today);
  CopyMemoBackup(env, today);
}

// The file is missing: tell the user when other data is there, start a
// new list and write it at once.
PeriodReadResult StartNewPeriodFile(const StoreEnv& env, PeriodList& list, bool reload) {
  const Folders& f = env.folders;
  std::string path = f.dataFolder + kPeriodFileName;
  if (env.os.fs.Exists(f.dataFolder + "*.kdf"))
    platform::Inform(env.os.dialogs, path + " が存在しません。\r\n新しい期間データを作ります。");
  list.lines.assign(1, PeriodHeader(f.setName));
  if (!reload && !f.dataRoot.empty() &&
      !platform::ForceFolder(env.os.fs, env.os.dialogs, f.dataRoot, true, false)) {
    env.os.dialogs.Show({"フォルダを作成できません。", "エラー", platform::MsgIcon::Error,
                         platform::MsgButtons::Ok, 0});
    return PeriodReadResult::FolderNotCreatable;
  }
  if (!WriteLinesRetry(env.os, path, kPeriodWriteWaitMs, kPeriodWriteTries, list.lines, &list.originals))
    platform::Inform(env.os.dialogs, "書込エラー[" + path + "]");
  return PeriodReadResult::Read;
}

SaveOutcome WritePeriodFile(const StoreEnv& env, const PeriodList& list, const NetworkLink& network) {
  std::string path = env.folders.dataFolder + kPeriodFileName;
  bool written = WriteLinesRetry(env.os, path, kPeriodWriteWaitMs, kPeriodWriteTries, list.lines, &list.originals);
  bool counted = !written || !network.on || !env.os.fs.IsFolder(env.folders.dataFolder) ||
                 network.CountUpdate();
  if (!written || !counted) platform::Inform(env.os.dialogs, "期間予定データ書込エラー[" + path + "]");
  return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

}  // namespace

std::string PeriodHeader(const std::string& setName) { return "***** FromTo予定 [" + setName + "]"; }

std::string PeriodBackupName(const platform::DateTime& today) {
  char digits[40];
  std::snprintf(digits, sizeof digits, "%.4d%.2d%.2d", today.year, today.month,
                today.day >= 30 ? 29 : today.day);
  return "CaFT" + std::string(digits).substr(3, 4) + ".kdp";
}

std::string MemoBackupName(const std::string& periodBackupName) {
  return "CaME" + periodBackupName.substr(std::min<size_t>(4, periodBackupName.size()), 8);
}

PeriodReadResult ReadPeriods(const StoreEnv& env, PeriodList& list, bool reload, bool networkOn,
                             PeriodBackups& backups) {
  const Folders& f = env.folders;
  if (networkOn && !env.os.fs.IsFolder(f.dataFolder)) {
    platform::Inform(env.os.dialogs, NetworkFolderMissingText(f.dataFolder, "[n040]"));
    return PeriodReadResult::NetworkFolderMissing;
  }
  std::string path = f.dataFolder + kPeriodFileName;
  list.unread = false;
  if (env.os.fs.Exists(path)) {
    std::string today = PeriodBackupName(env.os.clock.Now());
    list.unread = !LoadLines(env.os, list.lines, path, &list.originals);
    // A failed read leaves nothing worth a backup; keep the old ones.
    if (!list.unread && !reload && today != backups.names[0]) RotateBackups(env, list, backups, today);
  } else if (StartNewPeriodFile(env, list, reload) == PeriodReadResult::FolderNotCreatable) {
    return PeriodReadResult::FolderNotCreatable;
  }
  if (list.lines.empty()) list.lines.push_back(PeriodHeader(f.setName));
  list.loadCount = static_cast<int>(list.lines.size());
  return list.unread ? PeriodReadResult::Unread : PeriodReadResult::Read;
}

SaveOutcome SavePeriods(const StoreEnv& env, const PeriodList& list, NetworkLink& network) {
  if (list.unread) {
    platform::Inform(env.os.dialogs, kPeriodsUnreadText);
    return SaveOutcome::Failed;
  }
  if (!network.TakeWriteTurn()) return SaveOutcome::Skipped;
  if (!ShrankTooMuch(static_cast<int>(list.lines.size()), list.loadCount))
    return WritePeriodFile(env, list, network);
  platform::Dialogs& d = env.os.dialogs;
  if (!platform::AskYesNo(d, kShrinkQuestion, false) || !platform::AskYesNo(d, kShrinkConfirm, false)) {
    platform::Inform(d, kNotSaved);
    return SaveOutcome::Refused;
  }
  return WritePeriodFile(env, list, network);
}

}  // namespace store
