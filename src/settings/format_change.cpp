#include "settings/format_change.h"

#include <tuple>
#include <utility>

#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "settings/folder_checks.h"
#include "settings/generation_backup.h"
#include "store/data_folders.h"
#include "store/date_stamp.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::Inform;
using support::EnsureTrailingSeparator;
using support::JoinPath;

constexpr int kGenerations = 3;
constexpr char kSettingsFile[] = "Velda.ini";
constexpr char kPeriodBackups[] = "CaFT*.kdp";
constexpr char kProgramFolderCommonFiles[] = "CaMe*.kdp,Cmr.kdf,SDay.kdf,VeldaSte.kdl";

std::string Beside(const std::string& folder, const char* name) {
  const std::string parent = support::ParentPart(folder);
  return parent.empty() ? "" : JoinPath(EnsureTrailingSeparator(parent), std::string(name) + "\\");
}

calendar::Date Today(platform::Clock& clock) {
  const platform::DateTime now = clock.Now();
  return {now.year, now.month, now.day};
}

std::string Advice() {
  return "一度、コンピュータをシャットダウンしてから、もう一度、セットアップをお願いいたします。\r\n中止します";
}

}  // namespace

std::string FormatChangeErrorText(int code, const std::string& folder) {
  switch (code) {
    case 201: return folder + "の削除が出来ませんでした(201)。" + Advice();
    case 202: return "現フォルダの名称変更エラー(202)\r\n中止します";
    case 203: return "フォルダ作成でエラー発生(203)\r\n中止します";
    case 204: return folder + "の削除が出来ませんでした(204)。" + Advice();
    case 205: return "現フォルダの名称変更エラー(205)\r\n中止します";
    case 206: return "新しいデータ変換でエラー発生［フォルダ指定：フォルダ作成］(206)\r\n中止します";
    case 207: return "新しいデータ変換でエラー発生［フォルダ指定：データ移動］(207)\r\n中止します";
    case 208: return "データ形式１からデータ形式２にする過程（１１）で、エラーが発生しました(208)。\r\n中止します";
    case 209: return "データ形式１からデータ形式２にする過程（１２）で、エラーが発生しました(209)。\r\n中止します";
    case 210: return "データ形式１からデータ形式２にする過程（１３）で、エラーが発生しました(210)。\r\n中止します";
    case 211: return "新しいデータ変換でエラー発生［指定なし：データ移動］(211)\r\n中止します";
    case 212: return "新フォルダのエラー時削除エラー(212)\r\n中止します";
    case 213: return "現フォルダへの名称変更エラー(213)\r\n中止します";
    case 214: return "新フォルダデータのエラー時削除エラー(214)\r\n中止します";
    case 215: return "現フォルダデータへの名称変更エラー(215)\r\n中止します";
    default: return "";
  }
}

FormatChange::FormatChange(platform::Services& os, FormatChangeArgs args,
                           std::function<void(const std::string&)> progress)
    : os_(os), args_(std::move(args)), progress_(std::move(progress)) {
  args_.setupFolder = EnsureTrailingSeparator(args_.setupFolder);
  if (!args_.dataFolder.empty()) args_.dataFolder = EnsureTrailingSeparator(args_.dataFolder);
  oldSetup_ = Beside(args_.setupFolder, "Old_Velda");
  if (!args_.dataFolder.empty()) oldData_ = Beside(args_.dataFolder, "OD_Velda");
}

bool FormatChange::Run() {
  if (progress_) progress_("データ形式変更");
  if (Refused()) return false;
  if (!ClearLeftover(oldSetup_, "Old_Velda", 201)) return false;
  if (!MoveSetupFolder()) return false;
  if (args_.dataFolder.empty()) {
    if (!store::ConvertToFormat2(os_, oldSetup_, args_.setupFolder, true, false, {args_.owner, args_.owner != 0}))
      return Fail(211);
  } else if (!MoveDataFolder()) {
    return false;
  }
  return true;
}

void FormatChange::Commit() {
  store::WriteStamp(os_.fs, oldSetup_, Today(os_.clock));
  setupMoved_ = dataMoved_ = false;
}

bool FormatChange::Refused() {
  const std::string& data = args_.dataFolder;
  if (!data.empty() && (SameFolder(data, args_.setupFolder) || FolderInside(data, args_.setupFolder))) {
    Inform(os_.dialogs, "この組み合わせの場合は、自動でファイル形式を変更できません(102)。\r\n中止します");
    return true;
  }
  // A drive root has no folder beside it to move aside into.
  if (oldSetup_.empty() || (!data.empty() && oldData_.empty())) {
    Inform(os_.dialogs, FormatChangeErrorText(oldSetup_.empty() ? 202 : 205, ""));
    return true;
  }
  return false;
}

// A leftover of an earlier change is backed up, then removed.
bool FormatChange::ClearLeftover(const std::string& folder, const std::string& name, int code) {
  if (!os_.fs.IsFolder(support::RemoveTrailingSeparator(folder))) return true;
  if (!args_.backupRoot.empty()) {
    if (progress_) progress_("データ形式変更（データバックアップ）");
    const GenerationBackupArgs backup{folder, args_.backupRoot, args_.owner, true, kGenerations, name,
                                      args_.owner != 0};
    if (GenerationBackup(os_, backup))
      store::WriteStamp(os_.fs, GenerationFolder(args_.backupRoot, 1, name), Today(os_.clock));
    else if (!platform::AskYesNoCaption(os_.dialogs,
                                        "<" + name + ">世代データバックアップエラー\r\n\r\n世代バックアップが出来ませんが\r\n"
                                                     "セットアップをこのまま続けますか。",
                                        "確認 -楓帳-", false))
      return false;
  }
  if (Delete(folder)) return true;
  Inform(os_.dialogs, FormatChangeErrorText(code, folder));
  return false;
}

bool FormatChange::MoveSetupFolder() {
  if (!Rename(args_.setupFolder, oldSetup_)) {
    Inform(os_.dialogs, FormatChangeErrorText(202, ""));
    return false;
  }
  setupMoved_ = true;
  return store::CreateDataFolders(os_.fs, os_.dialogs, args_.setupFolder, false) || Fail(203);
}

bool FormatChange::MoveDataFolder() {
  const std::string& data = args_.dataFolder;
  if (!ClearLeftover(oldData_, "OD_Velda", 204)) {
    Undo();
    return false;
  }
  if (!Rename(data, oldData_)) return Fail(205);
  dataMoved_ = true;
  if (!store::CreateDataFolders(os_.fs, os_.dialogs, data, false)) return Fail(206);
  if (!store::ConvertToFormat2(os_, oldData_, data, false, false, {args_.owner, args_.owner != 0})) return Fail(207);
  if (!CopyMissing(oldSetup_, store::DataSetFolder(data, 1), kPeriodBackups)) return Fail(208);
  if (!CopyMissing(oldSetup_, JoinPath(data, "Data\\"), kProgramFolderCommonFiles)) return Fail(209);
  const bool settings = !os_.fs.Exists(oldSetup_ + kSettingsFile) ||
                        platform::CopyOneFile(os_.fs, oldSetup_ + kSettingsFile, args_.setupFolder + kSettingsFile);
  return settings || Fail(210);
}

// Files the program folder kept for the data: the data folder's own
// copies are newer and stay.
bool FormatChange::CopyMissing(const std::string& from, const std::string& to, const char* patterns) {
  for (const std::string& pattern : support::Split(patterns, ','))
    for (const platform::DirEntry& e : os_.fs.List(from + pattern))
      if (!e.isFolder && !os_.fs.Exists(to + e.name) && !platform::CopyOneFile(os_.fs, from + e.name, to + e.name))
        return false;
  return true;
}

bool FormatChange::Fail(int code) {
  Inform(os_.dialogs, FormatChangeErrorText(code, ""));
  Undo();
  return false;
}

void FormatChange::Undo() {
  const int setupCode = PutBack(setupMoved_, args_.setupFolder, oldSetup_, 212, 213);
  const int dataCode = PutBack(dataMoved_, args_.dataFolder, oldData_, 214, 215);
  setupMoved_ = dataMoved_ = false;
  if (setupCode == 0 && dataCode == 0) {
    Inform(os_.dialogs, "上書きセットアップ、データ形式変更時に、エラーになりましたので、\r\n"
                        "運用フォルダを元に戻しておきました。\r\n現在の状態は、セットアップ前の状態に戻っています。");
    return;
  }
  std::string text = "上書きセットアップ、データ形式変更時に、エラーになりましたが、\r\n運用フォルダを元に戻せませんでした。";
  for (const auto& [code, made, old] : {std::tuple{setupCode, args_.setupFolder, oldSetup_},
                                        std::tuple{dataCode, args_.dataFolder, oldData_}}) {
    if (code == 0) continue;
    Inform(os_.dialogs, FormatChangeErrorText(code, ""));
    text += "\r\n[" + made + "]を削除してから、[" + old + "]の名前を[" + support::LastFolderName(made) + "]に戻してください。";
  }
  Inform(os_.dialogs, text);
}

// 0 when the folder is as it was (or was never moved), else the code of
// the step that failed.
int FormatChange::PutBack(bool moved, const std::string& made, const std::string& old, int deleteCode,
                          int renameCode) {
  if (!moved) return 0;
  if (os_.fs.Exists(support::RemoveTrailingSeparator(made)) && !Delete(made)) return deleteCode;
  return Rename(old, made) ? 0 : renameCode;
}

bool FormatChange::Delete(const std::string& folder) {
  return platform::DeleteFolderItems(os_.fs, folder, "", args_.owner, false, false) &&
         !os_.fs.Exists(support::RemoveTrailingSeparator(folder));
}

bool FormatChange::Rename(const std::string& from, const std::string& to) {
  return platform::RenameFolder(os_.fs, os_.dialogs, from, to, args_.owner, false);
}

}  // namespace settings
