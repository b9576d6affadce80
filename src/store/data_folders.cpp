#include "store/data_folders.h"

#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "support/paths.h"

namespace store {
namespace {

using support::JoinPath;

const char kCommonFolder[] = "Data\\";
std::string NoCommonFilesText(const char* code) {
  return std::string("元データに共通データファイルが一つもありません(") + code +
         ")。\r\n運用によってはこれらのファイルは、存在しない可能性もありますので、\r\n処理は続行します。";
}

std::string ToFormat2Failure(const char* step) {
  return std::string("データ形式１からデータ形式２にする過程") + step + "又はデータ回復で、エラーが発生しました。";
}
std::string ToFormat1Failure(const char* step) {
  return std::string("データ形式２からデータ形式１にする過程") + step + "又はバックアップで、エラーが発生しました。";
}

bool Copy(platform::Services& os, const std::string& from, const std::string& to, const char* names,
          const CopyProgress& progress) {
  return platform::CopyFolderItems(os.fs, os.dialogs, from, to, progress.owner, progress.show, names);
}

// Reports `failure` when the copy failed.
bool CopyOrTell(platform::Services& os, const std::string& from, const std::string& to,
                const char* names, const std::string& failure, const CopyProgress& progress) {
  if (Copy(os, from, to, names, progress)) return true;
  platform::Inform(os.dialogs, failure);
  return false;
}

bool IsFolderPath(platform::FileSystem& fs, const std::string& folder) {
  return fs.IsFolder(support::RemoveTrailingSeparator(folder));
}

void DecideLayout(platform::FileSystem& fs, Folders& f, DataSets& sets) {
  const std::string files1 = DataSetFolder(f.dataRoot, 1);
  const std::string common = JoinPath(f.dataRoot, kCommonFolder);
  f.dataFolder = fs.IsFolder(files1) ? files1 : f.dataRoot;
  f.commonDataFolder = fs.IsFolder(common) ? common : f.dataRoot;
  if (f.dataFolder != f.dataRoot || f.commonDataFolder != f.dataRoot) sets.dataFormat = 2;
}

// Format-1 sub set "Files2"/"Files3" of `source` into `dest`\Data\.
bool CopySubSetToFormat2(platform::Services& os, const std::string& source, const std::string& dest,
                         int set, const CopyProgress& progress) {
  const std::string name = "Files" + std::to_string(set);
  const std::string from = JoinPath(source, name + "\\");
  if (!os.fs.IsFolder(from)) return true;
  platform::ForceFolder(os.fs, os.dialogs, DataSetFolder(dest, set), true, false);
  if (platform::AnyNameExists(os.fs, from, kDataFileNames))
    return CopyOrTell(os, from, JoinPath(dest, kCommonFolder), "",
                      "データ形式２の \\" + name + " フォルダを回復する過程で、エラーが発生しました。", progress);
  if (set == 2)
    platform::Inform(os.dialogs, "元データに \\Files2 のデータファイルが一つもありません(103)。\r\n"
                                 "運用によってはこれらのファイルは、存在しない可能性もありますので、\r\n"
                                 "処理は続行します。");
  return true;
}

}  // namespace

std::string DataSetName(int set) { return "Data\\Files" + std::to_string(set) + "\\"; }

std::string DataSetFolder(const std::string& root, int set) { return JoinPath(root, DataSetName(set)); }

std::string NetworkFolderMissingText(const std::string& dataFolder, const char* code) {
  return "ネットフォルダ[" + dataFolder + "]が確認できません。\r\nローカルフォルダに設定を戻します（ネットＯｆｆ）。" + code;
}

void ResolveDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs,
                        const std::string& edFolder, Folders& f, DataSets& sets) {
  const std::string before = f.commonDataFolder;
  const int keep = sets.loads > 0 ? sets.inUse : 1;
  sets.inUse = 1;
  f.setName = DataSetName(1);
  if (!f.dataRoot.empty() && f.dataFolder.empty()) {
    f.dataFolder = f.commonDataFolder = f.programFolder;
    if (sets.dataFormat < 2 && fs.IsFolder(JoinPath(f.programFolder, kCommonFolder))) {
      sets.dataFormat = 2;
      f.dataFolder = DataSetFolder(f.programFolder, 1);
      f.commonDataFolder = JoinPath(f.programFolder, kCommonFolder);
    }
  } else {
    if (f.dataRoot.empty())
      f.dataRoot = edFolder.empty() ? f.programFolder : support::EnsureTrailingSeparator(edFolder);
    DecideLayout(fs, f, sets);
  }
  for (int set = 1; set <= 3; ++set)
    sets.enabled[set - 1] = sets.dataFormat >= 2 && fs.IsFolder(DataSetFolder(f.dataRoot, set));
  sets.mainSetFolder = f.dataFolder;
  if (keep != 1 && sets.enabled[keep - 1]) UseDataSet(f, sets, keep);
  bool firstLoad = sets.loads++ == 0;
  if (f.commonDataFolder == before) return;
  // The first resolution of a run sets the folder: counted, not told.
  ++sets.commonDataChanges;
  if (!firstLoad)
    platform::Inform(dialogs, "共通データが書き変わりました。(" + std::to_string(sets.commonDataChanges) +
                                  ")\r\n以前：" + before + "\r\n今回：" + f.commonDataFolder);
}

bool CanSwitchDataSet(platform::FileSystem& fs, platform::Dialogs& dialogs, const Folders& folders,
                      const DataSets& sets, int set, bool networkOn) {
  if (networkOn || set == sets.inUse || set < 1 || set > 3) return false;
  if (set == 1 || fs.IsFolder(DataSetFolder(folders.dataRoot, set))) return true;
  platform::Inform(dialogs, folders.dataRoot + DataSetName(set) + "のフォルダがありません。\r\n"
                            "セットアップされていない場合は、セットアップすれば、作成されます。");
  return false;
}

void UseDataSet(Folders& folders, DataSets& sets, int set) {
  sets.inUse = set;
  folders.setName = DataSetName(set);
  if (set == 1 && !sets.mainSetFolder.empty()) {
    folders.dataFolder = sets.mainSetFolder;
    return;
  }
  // Format 1 keeps the main set in the root itself.
  bool inRoot = set == 1 && sets.dataFormat < 2;
  folders.dataFolder = inRoot ? folders.dataRoot : DataSetFolder(folders.dataRoot, set);
}

bool CreateDataFolders(platform::FileSystem& fs, platform::Dialogs& dialogs, const std::string& root,
                       bool report) {
  const std::pair<std::string, const char*> steps[] = {
      {root, "運用フォルダが作成できません。\r\n中止します。"},
      {DataSetFolder(root, 1), "メインデータフォルダが作成できません。\r\n中止します。"},
      {DataSetFolder(root, 2), "サブデータフォルダが作成できません。\r\n中止します。"},
      {DataSetFolder(root, 3), "Files3フォルダが作成できません。\r\n中止します。"},
  };
  for (const auto& [folder, failure] : steps) {
    if (platform::ForceFolder(fs, dialogs, folder, true, false)) continue;
    if (report) platform::Inform(dialogs, failure);
    return false;
  }
  return true;
}

bool ConvertToFormat2(platform::Services& os, const std::string& source, const std::string& dest,
                      bool withProgramFiles, bool networkOn, const CopyProgress& progress) {
  const std::string files1 = DataSetFolder(dest, 1);
  const std::string common = JoinPath(dest, kCommonFolder);
  platform::ForceFolder(os.fs, os.dialogs, files1, true, false);
  if (!platform::AnyNameExists(os.fs, source, kDataFileNames)) {
    platform::Inform(os.dialogs, "元データにデータファイルが一つもありません(101)。\r\n"
                                 "データ形式１からデータ形式２にする過程（１）又はデータ回復を中止します。");
    return false;
  }
  if (!CopyOrTell(os, source, files1, kDataFileNames, ToFormat2Failure("（１）"), progress)) return false;
  if (!platform::AnyNameExists(os.fs, source, kCommonFileNames))
    platform::Inform(os.dialogs, NoCommonFilesText("102"));
  else if (!CopyOrTell(os, source, common, kCommonFileNames, ToFormat2Failure("（２）"), progress))
    return false;
  if (!networkOn && !(CopySubSetToFormat2(os, source, dest, 2, progress) &&
                     CopySubSetToFormat2(os, source, dest, 3, progress)))
    return false;
  if (!withProgramFiles) return true;
  if (platform::AnyNameExists(os.fs, source, kProgramFileNames))
    return CopyOrTell(os, source, dest, kProgramFileNames, ToFormat2Failure("（３）"), progress);
  platform::Inform(os.dialogs, std::string("元データに設定されたファイルが一つもありません(105)。\r\n[ ") +
                                   kProgramFileNames +
                                   " ]以外のファイルは正常にコピーできています。\r\n何かキーを押してください。");
  return true;
}

bool ConvertToFormat1(platform::Services& os, const std::string& source, const std::string& dest,
                      bool withProgramFiles, bool networkOn, const CopyProgress& progress) {
  // A source still in the one-folder layout is read as it lies, so that its
  // data are not left out of a backup.
  const bool layout2 = IsFolderPath(os.fs, DataSetFolder(source, 1));
  const std::string data = layout2 ? DataSetFolder(source, 1) : source;
  const std::string common =
      IsFolderPath(os.fs, JoinPath(source, kCommonFolder)) ? JoinPath(source, kCommonFolder) : source;
  if (!CopyOrTell(os, data, dest, kDataFileNames, ToFormat1Failure("（１）"), progress))
    return false;
  if (!platform::AnyNameExists(os.fs, common, kCommonFileNames))
    platform::Inform(os.dialogs, NoCommonFilesText("202") + "\r\n何かキーを押してください。");
  else if (!CopyOrTell(os, common, dest, kCommonFileNames, ToFormat1Failure("（２）"), progress))
    return false;
  for (int set = 2; set <= 3 && !networkOn; ++set) {
    const std::string folder =
        layout2 ? DataSetFolder(source, set) : JoinPath(source, "Files" + std::to_string(set) + "\\");
    if (IsFolderPath(os.fs, folder) &&
        !CopyOrTell(os, folder, dest, "",
                    "データ形式２の \\Files" + std::to_string(set) + " のバックアップで、エラーが発生しました。", progress))
      return false;
  }
  return !withProgramFiles ||
         CopyOrTell(os, source, dest, kProgramFileNames, ToFormat1Failure("（３）"), progress);
}

}  // namespace store
