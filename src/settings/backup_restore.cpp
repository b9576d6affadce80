#include "settings/backup_restore.h"

#include <cstdio>
#include <optional>
#include <vector>

#include "calendar/japanese_era.h"
#include "platform/copy_check.h"
#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "settings/folder_checks.h"
#include "settings/staged_replace.h"
#include "store/data_folders.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::Inform;
using support::EnsureTrailingSeparator;
using support::JoinPath;

constexpr char kStageFolder[] = "wk_VeldaStage\\";
constexpr char kAsideFolder[] = "wk_VeldaOld\\";
constexpr char kCancelled[] = "中止します。";
constexpr char kOverlapText[] = "バックアップデータとデータの保存先が重なっています。\r\n中止します。";
constexpr char kRestartText[] = "\r\n\r\n一旦、楓帳を終了させます。\r\n楓帳を立ち上げ直して下さい。";

bool IsFolderPath(platform::FileSystem& fs, const std::string& folder) {
  return fs.IsFolder(support::RemoveTrailingSeparator(folder));
}

std::string SetName(int set) { return "Files" + std::to_string(set); }

// The data root the copies read from or write to: the shared folder, the
// settings' local data folder, or the program folder.
std::optional<std::string> DataRootOf(platform::Services& os, const DataPlace& place) {
  const std::string root = place.networkDataInUse ? place.folders.netFolder
                           : place.edFolder.empty() ? place.programFolder
                                                    : place.edFolder;
  if (IsFolderPath(os.fs, root)) return EnsureTrailingSeparator(root);
  Inform(os.dialogs, "データフォルダエラー");
  return std::nullopt;
}

// The folder below the root that every data file lies in: "Data\" in the
// newer layout, the root itself in the older one.
std::string DataHome(platform::FileSystem& fs, const std::string& root) {
  const std::string data = JoinPath(root, "Data\\");
  return IsFolderPath(fs, data) ? data : root;
}

bool InsideTheData(platform::FileSystem& fs, const DataPlace& place, const std::string& root,
                   const std::string& folder) {
  const store::Folders& f = place.folders;
  return FolderInside(folder, DataHome(fs, root)) || FolderInside(folder, f.dataFolder) ||
         FolderInside(folder, f.commonDataFolder);
}

// The texts of the folders a copy may not touch, in the order they are tested.
struct PlaceTexts {
  const char* dataFolder;
  const char* commonFolder;
  const char* dataRoot;
  const char* insideData;
  const char* holdsData;
};

constexpr PlaceTexts kBackupTexts{
    "データフォルダはデータの保存先に出来ません。\r\n中止します。",
    "データ共通フォルダはデータの保存先に出来ません。\r\n中止します。",
    "起動フォルダはデータの保存先に出来ません。\r\n中止します。",
    "退避先がデータフォルダの中にあります。\r\nデータフォルダの外のフォルダを指定してください。\r\n中止します。",
    "退避先の中にデータフォルダか起動フォルダがあります。\r\nそれらの外のフォルダを指定してください。\r\n中止します。"};
constexpr PlaceTexts kRestoreTexts{
    "データフォルダとデータの保存元が同じです。\r\n中止します。",
    "データ共通フォルダとデータの保存元が同じです。\r\n中止します。",
    "起動フォルダとデータの保存元が同じです。\r\n中止します。",
    "回復元がデータフォルダの中にあります。\r\nデータフォルダの外のフォルダを指定してください。\r\n中止します。",
    "回復元の中にデータフォルダか起動フォルダがあります。\r\nそれらの外のフォルダを指定してください。\r\n中止します。"};

const char* RefusalFor(platform::FileSystem& fs, const DataPlace& place, const std::string& root,
                       const std::string& folder, const PlaceTexts& texts) {
  const store::Folders& f = place.folders;
  if (SameFolder(folder, f.dataFolder)) return texts.dataFolder;
  if (SameFolder(folder, f.commonDataFolder)) return texts.commonFolder;
  if (SameFolder(folder, f.dataRoot)) return texts.dataRoot;
  if (place.networkDataInUse && FoldersOverlap(folder, root)) return kOverlapText;
  // A copy into the data would be copied again by the next one, and a
  // restore would move it aside with the old data.
  if (SameFolder(folder, root) || InsideTheData(fs, place, root, folder)) return texts.insideData;
  // The replacement of its sub-folders would move the live data or the
  // program aside with them.
  for (const std::string& kept : {root, f.dataRoot, f.dataFolder, place.programFolder})
    if (!kept.empty() && FolderInside(kept, folder)) return texts.holdsData;
  if (!place.programFolder.empty() && FolderInside(folder, place.programFolder)) return texts.holdsData;
  return nullptr;
}

bool Allowed(platform::Services& os, const DataPlace& place, const std::string& root,
             const std::string& folder, const PlaceTexts& texts) {
  const char* refusal = RefusalFor(os.fs, place, root, folder, texts);
  if (refusal) Inform(os.dialogs, refusal);
  return refusal == nullptr;
}

store::CopyProgress ProgressOf(MaintenanceHost& host) {
  const platform::WindowHandle owner = host.ProgressOwner();
  return {owner, owner != 0};
}

// ---- backup ---------------------------------------------------------------

// Where each kind of the source lies, in whichever layout it has.
struct SourceLayout {
  std::string data;
  std::string common;
  std::string sets[2];  // Files2, Files3
};

SourceLayout LayoutOf(platform::FileSystem& fs, const std::string& root) {
  const bool layout2 = IsFolderPath(fs, store::DataSetFolder(root, 1));
  SourceLayout l;
  l.data = layout2 ? store::DataSetFolder(root, 1) : root;
  l.common = DataHome(fs, root);
  for (int set = 2; set <= 3; ++set)
    l.sets[set - 2] = layout2 ? store::DataSetFolder(root, set) : JoinPath(root, SetName(set) + "\\");
  return l;
}

bool BackupArrived(platform::FileSystem& fs, const std::string& root, const std::string& stage, bool net) {
  const SourceLayout l = LayoutOf(fs, root);
  if (!platform::SameNamedFiles(fs, l.data, stage, store::kDataFileNames) ||
      !platform::SameNamedFiles(fs, l.common, stage, store::kCommonFileNames))
    return false;
  for (int set = 2; set <= 3 && !net; ++set)
    if (IsFolderPath(fs, l.sets[set - 2]) && !platform::SameTree(fs, l.sets[set - 2], JoinPath(stage, SetName(set))))
      return false;
  return !net || platform::SameNamedFiles(fs, root, stage, kNetAdminFileName);
}

bool StageBackup(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                 const std::string& root, const std::string& stage) {
  const bool net = place.networkDataInUse;
  if (!store::ConvertToFormat1(os, root, stage, false, net, ProgressOf(host))) return false;
  if (net && os.fs.Exists(root + kNetAdminFileName) &&
      !platform::CopyFolderItems(os.fs, os.dialogs, root, stage, host.ProgressOwner(), false, kNetAdminFileName))
    return false;
  return BackupArrived(os.fs, root, stage, net);
}

std::string BackupKinds(bool net) {
  std::string kinds = std::string(store::kDataFileNames) + "," + store::kCommonFileNames;
  return net ? kinds + "," + kNetAdminFileName : kinds;
}

ReplaceResult CopyThroughStage(platform::Services& os, MaintenanceHost& host, const std::string& asideRoot,
                               const std::vector<ReplaceGroup>& groups, const std::string& stage,
                               OldFiles old = OldFiles::Remove) {
  const ReplaceResult r = ReplaceWithStaged(os.fs, groups, asideRoot, host.ProgressOwner(), old);
  RemoveLeftoverCopy(os.fs, stage, host.ProgressOwner());
  return r;
}

bool CopyBackup(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                const std::string& root, const std::string& dest) {
  const std::string stage = JoinPath(dest, kStageFolder);
  if (!RemoveLeftoverCopy(os.fs, stage, host.ProgressOwner())) return false;
  if (!StageBackup(os, host, place, root, stage)) {
    RemoveLeftoverCopy(os.fs, stage, host.ProgressOwner());
    return false;
  }
  std::vector<std::string> sets;
  if (!place.networkDataInUse) sets = {SetName(2), SetName(3)};
  return CopyThroughStage(os, host, JoinPath(dest, kAsideFolder),
                          {{dest, stage, BackupKinds(place.networkDataInUse), sets}}, stage)
             .outcome == ReplaceOutcome::Replaced;
}

// ---- restore --------------------------------------------------------------

bool AskNetAdminQuestion(platform::Services& os, const DataPlace& place, const std::string& source) {
  const bool hasAdminFile = os.fs.Exists(source + kNetAdminFileName);
  const char* question = nullptr;
  if (place.networkDataInUse && !hasAdminFile)
    question = "コピー元にネット管理ファイルがありませんが、コピー元は間違いないでしょうか。\r\n"
               "（ネットフォルダにコピー元を回復させます）";
  if (!place.networkDataInUse && hasAdminFile)
    question = "コピー元にネット管理ファイルが有ります。コピー元は間違いないでしょうか。\r\n"
               "（ネットフォルダでなくローカルフォルダにコピー元を回復させます）";
  if (!question || platform::AskYesNoCaption(os.dialogs, question, "確認 -楓帳-", false)) return true;
  Inform(os.dialogs, kCancelled);
  return false;
}

// The sub sets of the backup that hold data files: only those replace the
// sets of the data folder.
std::vector<std::string> SetsToRestore(platform::FileSystem& fs, const std::string& source, bool net) {
  std::vector<std::string> sets;
  for (int set = 2; set <= 3 && !net; ++set)
    if (platform::AnyNameExists(fs, JoinPath(source, SetName(set) + "\\"), store::kDataFileNames))
      sets.push_back(SetName(set));
  return sets;
}

bool RestoreArrived(platform::FileSystem& fs, const std::string& source, const std::string& stage,
                    const std::vector<std::string>& sets) {
  const std::string common = JoinPath(stage, "Data\\");
  if (!platform::SameNamedFiles(fs, source, store::DataSetFolder(stage, 1), store::kDataFileNames) ||
      !platform::SameNamedFiles(fs, source, common, store::kCommonFileNames))
    return false;
  for (const std::string& set : sets)
    if (!platform::SameTree(fs, JoinPath(source, set + "\\"), JoinPath(common, set + "\\"))) return false;
  return true;
}

// Where a restore keeps the files it replaced: "回復前データ20261210_0905"
// in the data root, on the drive of the data, so that it can be undone.
std::string KeptFolderName(const std::string& root, const platform::DateTime& now) {
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d_%02d%02d", now.year, now.month, now.day, now.hour, now.minute);
  return JoinPath(root, std::string("回復前データ") + stamp + "\\");
}

// What the backup holds replaces the data; every other file stays. The
// files replaced are kept, never deleted.
ReplaceResult CopyRestore(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                          const std::string& source, const std::string& root) {
  const std::string stage = JoinPath(root, kStageFolder);
  const bool net = place.networkDataInUse;
  const std::vector<std::string> sets = SetsToRestore(os.fs, source, net);
  if (!RemoveLeftoverCopy(os.fs, stage, host.ProgressOwner())) return {};
  const bool staged = store::ConvertToFormat2(os, source, stage, false, net, ProgressOf(host)) &&
                      RestoreArrived(os.fs, source, stage, sets) &&
                      platform::ForceFolder(os.fs, os.dialogs, store::DataSetFolder(root, 1), true, false);
  if (!staged) {
    RemoveLeftoverCopy(os.fs, stage, host.ProgressOwner());
    return {};
  }
  const std::vector<ReplaceGroup> groups = {
      {store::DataSetFolder(root, 1), store::DataSetFolder(stage, 1), store::kDataFileNames, {}, true},
      {JoinPath(root, "Data\\"), JoinPath(stage, "Data\\"), store::kCommonFileNames, sets, true}};
  return CopyThroughStage(os, host, KeptFolderName(root, os.clock.Now()), groups, stage, OldFiles::Keep);
}

void TellRestoreFailure(platform::Dialogs& dialogs, const std::string& stranded) {
  std::string text = "コピー作業中にエラーが生じました。";
  if (!stranded.empty()) text += "\r\n元のデータは、[" + stranded + "]に移してあります。";
  Inform(dialogs, text + kRestartText);
}

}  // namespace

std::string BackupLabel(const platform::DateTime& now) {
  const calendar::DayNumber day = calendar::DateToJulius(now.year, now.month, now.day);
  const std::optional<calendar::EraDate> era = calendar::EraOf(day);
  char year[32];
  if (era) std::snprintf(year, sizeof year, "%02d", era->year);
  else std::snprintf(year, sizeof year, "%d", now.year);
  char rest[64];
  std::snprintf(rest, sizeof rest, "年%d月%d日(", now.month, now.day);
  char time[16];
  std::snprintf(time, sizeof time, ") %02d:%02d ", now.hour, now.minute);
  return (era ? std::string(era->era) : std::string()) + year + rest +
         support::WeekdayShort(calendar::JuliusDayOfWeek(day)) + time + "退避";
}

std::string& DestinationField(SetupWindowKeys& keys, int slot, bool net) {
  if (slot == 2) return net ? keys.edtNetCopy2 : keys.edtCopy2;
  return net ? keys.edtNetCopy1 : keys.edtCopy1;
}

std::string& SlotLabel(SetupWindowKeys& keys, int slot, bool net) {
  if (slot == 2) return net ? keys.lblNetCopy2 : keys.lblCopy2;
  return net ? keys.lblNetCopy1 : keys.lblCopy1;
}

std::string& RestoreField(SetupWindowKeys& keys, bool net) { return net ? keys.edtNetCopy3 : keys.edtCopy3; }

CopyOutcome BackupData(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                       SetupWindowKeys& keys, int slot) {
  if (slot != 1 && slot != 2) {
    Inform(os.dialogs, "ボタンエラー\r\n中止します。");
    return CopyOutcome::Refused;
  }
  const bool net = place.networkDataInUse;
  if (!net) host.SavePendingData();
  const std::optional<std::string> dest = CheckedFolderField(os, DestinationField(keys, slot, net));
  if (!dest) return CopyOutcome::Refused;
  const std::optional<std::string> root = DataRootOf(os, place);
  if (!root || !Allowed(os, place, *root, *dest, kBackupTexts)) return CopyOutcome::Refused;
  if (!CopyBackup(os, host, place, *root, *dest)) {
    Inform(os.dialogs, "コピー作業中にエラーが生じました。\r\n中止します。");
    return CopyOutcome::Failed;
  }
  Inform(os.dialogs, "データ退避作業を終了しました。");
  DestinationField(keys, slot, net) = *dest;
  SlotLabel(keys, slot, net) = BackupLabel(os.clock.Now());
  return CopyOutcome::Done;
}

bool ConfirmRestorePanel(platform::Dialogs& dialogs) {
  return platform::AskYesNoCaption(dialogs,
                                   "データ回復作業を行いますと、現在のデータは消去されてしまいます。\r\n\r\n"
                                   "データ回復作業を行いますか？",
                                   "確認 -楓帳-", false);
}

CopyOutcome RestoreData(platform::Services& os, MaintenanceHost& host, const DataPlace& place,
                        SetupWindowKeys& keys) {
  if (!platform::AskYesNoCaption(os.dialogs, "データ回復を行いますか？", "確認 -楓帳-", false)) {
    Inform(os.dialogs, kCancelled);
    return CopyOutcome::Refused;
  }
  const bool net = place.networkDataInUse;
  const std::optional<std::string> source = CheckedFolderField(os, RestoreField(keys, net));
  if (!source || !AskNetAdminQuestion(os, place, *source)) return CopyOutcome::Refused;
  const std::optional<std::string> root = DataRootOf(os, place);
  if (!root || !Allowed(os, place, *root, *source, kRestoreTexts)) return CopyOutcome::Refused;
  RestoreField(keys, net) = *source;
  if (!net) host.SavePendingData();
  host.SaveWindowKeys();
  const ReplaceResult r = CopyRestore(os, host, place, *source, *root);
  if (r.outcome != ReplaceOutcome::Replaced) {
    TellRestoreFailure(os.dialogs, r.outcome == ReplaceOutcome::Stranded ? r.asideFolder : std::string());
    return CopyOutcome::Failed;
  }
  Inform(os.dialogs, "データ回復作業を終了しました。\r\n置き換えた元のデータは、[" + r.asideFolder + "]に残してあります。" +
                         kRestartText);
  return CopyOutcome::Done;
}

}  // namespace settings
