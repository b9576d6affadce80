#include "settings/backup_restore.h"

#include <gtest/gtest.h>

#include "settings/generation_backup_testutil.h"
#include "settings/setup_test_fixture.h"

namespace settings {
namespace {

using platform::MsgResult;
using Op = platform::FailingFileSystem::Op;
using Tree = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

constexpr char kDone[] = "データ退避作業を終了しました。";
constexpr char kCopyError[] = "コピー作業中にエラーが生じました。\r\n中止します。";
std::string RestoredText(const std::string& kept) {
  return "データ回復作業を終了しました。\r\n置き換えた元のデータは、[" + kept +
         "]に残してあります。\r\n\r\n一旦、楓帳を終了させます。\r\n楓帳を立ち上げ直して下さい。";
}

class BackupRestore : public SetupWorld {
 protected:
  BackupRestore() {
    root = Folder("Velda");
    files1 = Folder("Velda/Data/Files1");
    common = Folder("Velda/Data");
    WriteMonthFiles(fs, files1, 30, 8, 2000);
    Put(files1, "CaFromTo.kdf", "2026/12/01,2026/12/03,出張,,,\r\n");
    Put(files1, "CaFT20261201.kdp", "backup of the periods\r\n");
    // The months of every year are data, whatever century.
    Put(files1, "Ca197701.kdf", " 0,0,9,1977/ 1 [Data\\Files1\\]\r\n 3,1,,新年会,,,,,,\r\n");
    Put(files1, "Ca209912.kdf", " 0,0,9,2099/12 [Data\\Files1\\]\r\n");
    Put(files1, "Ca20261.kdf", "no month file: five digits\r\n");
    Put(files1, "Ca200403.cmr", "a commemoration file\r\n");
    Put(common, "CaMemo.kdf", "memo\r\n");
    Put(common, "Sday.kdf", "1990,,5,14,,,記念日\r\n");
    Put(common, "VeldaSte.kdl", "log\r\n");
    Put(Folder("Velda/Data/Files2"), "Ca202001.kdf", "sub set\r\n");
    dest = Folder("Backup");
    place.programFolder = root;
    place.folders.programFolder = place.folders.dataRoot = root;
    place.folders.dataFolder = files1;
    place.folders.commonDataFolder = common;
    keys.edtCopy1 = dest;
    keys.edtCopy3 = dest;
  }

  CopyOutcome Backup(int slot = 1) { return BackupData(os, host, place, keys, slot); }
  CopyOutcome Restore() {
    fake.dialogs.Answer(MsgResult::Yes);  // "データ回復を行いますか？"
    return RestoreData(os, host, place, keys);
  }
  Tree Data() { return TreeOf(fs, common); }
  Tree Saved() { return TreeOf(fs, dest); }
  // The data after the user went on working since the backup.
  void WorkOn() {
    Put(files1, "Ca200001.kdf", "changed after the backup\r\n");
    Put(files1, "Ca202701.kdf", "a month begun after the backup\r\n");
    Put(common, "CaMemo.kdf", "memo changed\r\n");
    Put(Folder("Velda/Data/Files2"), "Ca202001.kdf", "sub set changed\r\n");
  }
  bool NoWorkFolders(const std::string& folder) {
    for (const auto& e : fs.List(folder + "wk_*"))
      if (e.isFolder) return false;
    return true;
  }

  // Where a restore at the fake clock's time keeps what it replaced.
  std::string Kept() const { return root + "回復前データ20261208_0905" + support::kPathSeparator; }
  std::string root, files1, common, dest;
  DataPlace place;
  SetupWindowKeys keys = Defaults(SetupWindowKeyRows());
};

TEST_F(BackupRestore, ABackupRestoredGivesTheDataBackByteForByte) {
  const Tree before = Data();
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  EXPECT_EQ(Texts(), Lines{kDone});
  EXPECT_EQ(keys.lblCopy1, "令和08年12月8日(火) 09:05 退避");
  EXPECT_EQ(keys.lblCopy2, kNotBackedUpText);
  const Tree saved = Saved();
  EXPECT_EQ(saved.size(), 32u + 2 + 3 + 1);  // months, periods, common files, Files2
  EXPECT_EQ(saved.at("Sday.kdf"), before.at("Sday.kdf"));
  EXPECT_EQ(saved.at("Files2/Ca202001.kdf"), "sub set\r\n");
  EXPECT_EQ(saved.at("Ca197701.kdf"), before.at("Files1/Ca197701.kdf"));
  EXPECT_EQ(saved.at("Ca209912.kdf"), before.at("Files1/Ca209912.kdf"));
  EXPECT_FALSE(saved.count("Ca20261.kdf"));
  EXPECT_TRUE(NoWorkFolders(dest));

  WorkOn();
  fake.dialogs.shown.clear();
  ASSERT_EQ(Restore(), CopyOutcome::Done);
  EXPECT_EQ(Texts(), (Lines{"データ回復を行いますか？", RestoredText(Kept())}));
  // What the backup holds is back; the month begun since, which it does not
  // hold, stays; what the restore replaced is kept beside the data.
  Tree expected = before;
  expected["Files1/Ca202701.kdf"] = "a month begun after the backup\r\n";
  EXPECT_EQ(Data(), expected);
  const Tree kept = TreeOf(fs, Kept());
  EXPECT_EQ(kept.at("1/Ca200001.kdf"), "changed after the backup\r\n");
  EXPECT_EQ(kept.at("2/CaMemo.kdf"), "memo changed\r\n");
  EXPECT_FALSE(kept.count("1/Ca202701.kdf"));
  EXPECT_TRUE(NoWorkFolders(root));
  EXPECT_EQ(host.calls, (Lines{"save data", "save data", "save keys"}));
}

// A backup holding only some of the data puts back what it holds and
// nothing else goes: the memo, the special days and the other months stay.
TEST_F(BackupRestore, ARestoreFromAPartialBackupKeepsWhatItDoesNotHold) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  for (const char* name : {"CaMemo.kdf", "Sday.kdf", "VeldaSte.kdl", "Ca197701.kdf"})
    ASSERT_TRUE(fs.DeleteFile(dest + name));
  WorkOn();
  const Tree data = Data();
  ASSERT_EQ(Restore(), CopyOutcome::Done);
  const Tree now = Data();
  for (const char* kept : {"CaMemo.kdf", "Sday.kdf", "VeldaSte.kdl", "Files1/Ca197701.kdf", "Files1/Ca202701.kdf"})
    EXPECT_EQ(now.at(kept), data.at(kept)) << kept;
  EXPECT_EQ(now.at("Files1/Ca200001.kdf"), Saved().at("Ca200001.kdf"));
}

// With a window to own it, every copy shows the shell's progress; the
// moves and the removal of the old files are quick and silent.
TEST_F(BackupRestore, CopiesShowTheShellsProgressWhenAWindowOwnsThem) {
  host.owner = 77;
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  ASSERT_EQ(Restore(), CopyOutcome::Done);
  ASSERT_FALSE(fs.copyFlags.empty());
  for (const platform::ShellOpFlags& f : fs.copyFlags) {
    EXPECT_EQ(f.owner, 77u);
    EXPECT_FALSE(f.silent);
  }
  for (const platform::ShellOpFlags& f : fs.deleteFlags) EXPECT_TRUE(f.silent && f.noConfirmation && !f.allowUndo);
}

TEST_F(BackupRestore, ASecondBackupReplacesTheFirstWhole) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  ASSERT_TRUE(fs.DeleteFile(files1 + "Ca200005.kdf"));
  WorkOn();
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  Tree expected = Data();
  const Tree saved = Saved();
  EXPECT_EQ(saved.at("Ca202701.kdf"), expected.at("Files1/Ca202701.kdf"));
  EXPECT_FALSE(saved.count("Ca200005.kdf"));  // gone from the data, gone from the backup
  EXPECT_EQ(saved.at("Files2/Ca202001.kdf"), "sub set changed\r\n");
}

class EveryStep : public BackupRestore, public ::testing::WithParamInterface<Op> {
 protected:
  // Fails the first call of the operation, then the second, and so on
  // until the run gets through; `check` looks at what each failure left.
  template <class Run, class Check>
  int FailEachCall(Run run, Check check) {
    int call = 1;
    for (;; ++call) {
      fake.dialogs.shown.clear();
      fs.FailCall(GetParam(), call);
      if (run() == CopyOutcome::Done) break;
      check(call);
      if (::testing::Test::HasFatalFailure()) break;
    }
    fs.FailCalls(GetParam(), {});
    return call;
  }
  int Steps() const { return GetParam() == Op::Rename ? 60 : 3; }
};

// A copy that stops half-way, at any of its steps, leaves the earlier
// backup and the data exactly as they were.
TEST_P(EveryStep, ABackupFailingKeepsTheEarlierBackup) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  const Tree first = Saved();
  const std::string label = keys.lblCopy1;
  WorkOn();
  const Tree data = Data();
  fake.clock.Advance(60 * 60 * 1000);
  const int calls = FailEachCall([&] { return Backup(); }, [&](int call) {
    ASSERT_EQ(Texts().back(), kCopyError) << call;
    ASSERT_EQ(Saved(), first) << call;
    ASSERT_EQ(Data(), data) << call;
    ASSERT_EQ(keys.lblCopy1, label);
    ASSERT_TRUE(NoWorkFolders(dest)) << call;
  });
  EXPECT_GT(calls, Steps());
  EXPECT_EQ(Saved().at("Ca200001.kdf"), "changed after the backup\r\n");
  EXPECT_EQ(keys.lblCopy1, "令和08年12月8日(火) 10:05 退避");
}

// The fault this guards against: a restore that clears the data before its
// copy is whole loses both when the copy fails.
TEST_P(EveryStep, ARestoreFailingLeavesTheDataAsTheyWere) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  const Tree saved = Saved();
  const Tree before = Data();
  WorkOn();
  const Tree data = Data();
  const int calls = FailEachCall([&] { return Restore(); }, [&](int call) {
    ASSERT_EQ(Texts().back(),
              "コピー作業中にエラーが生じました。\r\n\r\n一旦、楓帳を終了させます。\r\n楓帳を立ち上げ直して下さい。");
    ASSERT_EQ(Data(), data) << call;
    ASSERT_EQ(Saved(), saved) << call;
    ASSERT_TRUE(NoWorkFolders(root)) << call;
  });
  EXPECT_GT(calls, Steps());
  Tree expected = before;
  expected["Files1/Ca202701.kdf"] = "a month begun after the backup\r\n";  // not in the backup: kept
  EXPECT_EQ(Data(), expected);
}

INSTANTIATE_TEST_SUITE_P(Ops, EveryStep, ::testing::Values(Op::ShellCopy, Op::Rename),
                         [](const auto& info) { return info.param == Op::Rename ? "Rename" : "ShellCopy"; });

TEST_F(BackupRestore, WhenPuttingBackFailsTooTheUserIsToldWhereTheOldDataAre) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  WorkOn();
  const std::string changed = Read(files1 + "Ca200001.kdf");
  fs.FailCalls(Op::Rename, {40, 41});  // a move in, then the first move back
  EXPECT_EQ(Restore(), CopyOutcome::Failed);
  const std::string aside = Kept();
  EXPECT_EQ(Texts().back(), "コピー作業中にエラーが生じました。\r\n元のデータは、[" + aside +
                                "]に移してあります。\r\n\r\n一旦、楓帳を終了させます。\r\n楓帳を立ち上げ直して下さい。");
  // Every old file is either back or aside: none is lost.
  const Tree left = TreeOf(fs, aside);
  EXPECT_TRUE(left.count("1/Ca200001.kdf") ? left.at("1/Ca200001.kdf") == changed
                                           : Read(files1 + "Ca200001.kdf") == changed);
}

struct Refusal {
  const char* name;
  const char* folder;  // below the scratch folder; "" for the field as is
  const char* text;
};

class BackupRefusals : public BackupRestore, public ::testing::WithParamInterface<Refusal> {};

TEST_P(BackupRefusals, NothingIsCopied) {
  const Refusal& r = GetParam();
  const std::string folder = r.folder;
  keys.edtCopy1 = folder.empty()        ? "C"
                  : folder == "Nowhere" ? support::JoinPath(temp.path(), folder)
                  : folder == "."       ? support::EnsureTrailingSeparator(temp.path())
                                        : Folder(folder);
  const Tree data = Data();
  EXPECT_EQ(Backup(), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), Lines{r.text});
  EXPECT_EQ(Data(), data);
  EXPECT_TRUE(Saved().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BackupRefusals,
    ::testing::Values(
        Refusal{"OneLetter", "", "フォルダが存在しません。\r\n中止します。"},
        Refusal{"Missing", "Nowhere", "フォルダが存在しません。\r\n中止します。"},
        Refusal{"DataFolder", "Velda/Data/Files1", "データフォルダはデータの保存先に出来ません。\r\n中止します。"},
        Refusal{"CommonFolder", "Velda/Data/", "データ共通フォルダはデータの保存先に出来ません。\r\n中止します。"},
        Refusal{"DataRoot", "Velda", "起動フォルダはデータの保存先に出来ません。\r\n中止します。"},
        // A backup inside the data would be copied into itself and moved
        // aside by the next restore.
        Refusal{"InsideASubSet", "Velda/Data/Files2/Backup",
                "退避先がデータフォルダの中にあります。\r\nデータフォルダの外のフォルダを指定してください。\r\n中止します。"},
        Refusal{"InsideTheData", "Velda/Data/Backup",
                "退避先がデータフォルダの中にあります。\r\nデータフォルダの外のフォルダを指定してください。\r\n中止します。"},
        // Its "Files2" and "Files3" replaced, the live data would go aside.
        Refusal{"HoldsTheData", ".",
                "退避先の中にデータフォルダか起動フォルダがあります。\r\nそれらの外のフォルダを指定してください。\r\n中止します。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupRestore, FieldRefusalsBeforeTheCopy) {
  keys.edtCopy1 = "";
  EXPECT_EQ(Backup(), CopyOutcome::Refused);
  EXPECT_EQ(Backup(3), CopyOutcome::Refused);
  const std::string emoji = Folder("絵文字😀");
  fs.shortPaths[emoji] = "";  // a volume without 8.3 names
  keys.edtCopy2 = emoji;
  EXPECT_EQ(Backup(2), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), (Lines{"フォルダの設定が、不明です。\r\n中止します。", "ボタンエラー\r\n中止します。",
                            platform::UnstorableFolderText(emoji)}));
  place.edFolder = support::JoinPath(temp.path(), "Gone");
  fake.dialogs.shown.clear();
  EXPECT_EQ(Backup(), CopyOutcome::Refused);
  keys.edtCopy1 = dest;
  EXPECT_EQ(Backup(), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), (Lines{"フォルダの設定が、不明です。\r\n中止します。", "データフォルダエラー"}));
}

TEST_F(BackupRestore, SharedDataUseTheNetKeysAndTheAdministrationFile) {
  const std::string net = Folder("Net");
  WriteMonthFiles(fs, Folder("Net/Data/Files1"), 3, 2, 2026);
  Put(Folder("Net/Data"), "Sday.kdf", "shared\r\n");
  Put(net, kNetAdminFileName, "admin\r\n");
  place.networkDataInUse = true;
  place.folders.netFolder = net;
  place.folders.dataFolder = support::JoinPath(net, "Data/Files1/");
  keys.edtNetCopy2 = support::JoinPath(net, "Backup");
  Folder("Net/Backup");
  EXPECT_EQ(Backup(2), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), Lines{"バックアップデータとデータの保存先が重なっています。\r\n中止します。"});
  keys.edtNetCopy2 = Folder("NetBackup");
  ASSERT_EQ(Backup(2), CopyOutcome::Done);
  const Tree saved = TreeOf(fs, keys.edtNetCopy2);
  EXPECT_EQ(saved.size(), 5u);  // three months, Sday.kdf, velnet.kdf; no Files2
  EXPECT_EQ(saved.at(kNetAdminFileName), "admin\r\n");
  EXPECT_EQ(keys.lblNetCopy2.substr(0, 6), "令和");
  EXPECT_EQ(keys.lblCopy2, kNotBackedUpText);
  EXPECT_TRUE(host.calls.empty());  // shared data are written as they change
}

TEST_F(BackupRestore, DataStillInOneFolderAreBackedUpAsTheyLie) {
  const std::string old = Folder("Old");
  WriteMonthFiles(fs, old, 4, 3, 2001);
  Put(old, "CaMemo.kdf", "memo\r\n");
  Put(Folder("Old/Files2"), "Ca200101.kdf", "sub\r\n");
  place.programFolder = place.folders.dataRoot = place.folders.dataFolder = place.folders.commonDataFolder = old;
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  EXPECT_EQ(Saved().size(), 4u + 1 + 1);
}

TEST_F(BackupRestore, RestoreAsksWhenTheAdministrationFileDisagrees) {
  ASSERT_EQ(Backup(), CopyOutcome::Done);
  Put(dest, kNetAdminFileName, "admin\r\n");
  WorkOn();
  const Tree data = Data();
  fake.dialogs.shown.clear();
  fake.dialogs.Answer(MsgResult::Yes);
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_EQ(RestoreData(os, host, place, keys), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), (Lines{"データ回復を行いますか？",
                            "コピー元にネット管理ファイルが有ります。コピー元は間違いないでしょうか。\r\n"
                            "（ネットフォルダでなくローカルフォルダにコピー元を回復させます）",
                            "中止します。"}));
  EXPECT_EQ(fake.dialogs.shown[1].defaultButton, 1);  // No
  EXPECT_EQ(Data(), data);
  // The first question's No stops at once.
  fake.dialogs.shown.clear();
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_EQ(RestoreData(os, host, place, keys), CopyOutcome::Refused);
  EXPECT_EQ(Texts(), (Lines{"データ回復を行いますか？", "中止します。"}));
  EXPECT_FALSE(ConfirmRestorePanel(fake.dialogs));  // default No
}

TEST_F(BackupRestore, RestoreRefusesTheDataThemselvesAsItsSource) {
  const std::pair<std::string, const char*> cases[] = {
      {files1, "データフォルダとデータの保存元が同じです。\r\n中止します。"},
      {common, "データ共通フォルダとデータの保存元が同じです。\r\n中止します。"},
      {root, "起動フォルダとデータの保存元が同じです。\r\n中止します。"},
      {Folder("Velda/Data/Files2"),
       "回復元がデータフォルダの中にあります。\r\nデータフォルダの外のフォルダを指定してください。\r\n中止します。"}};
  const Tree data = Data();
  for (const auto& [folder, text] : cases) {
    fake.dialogs.shown.clear();
    keys.edtCopy3 = folder;
    EXPECT_EQ(Restore(), CopyOutcome::Refused);
    EXPECT_EQ(Texts().back(), text);
    EXPECT_EQ(Data(), data);
  }
}

TEST(BackupLabelTest, EraYearOfTwoDigitsAndTheTime) {
  EXPECT_EQ(BackupLabel({2026, 12, 8, 9, 5, 0, 0}), "令和08年12月8日(火) 09:05 退避");
  EXPECT_EQ(BackupLabel({2019, 4, 30, 23, 59, 0, 0}), "平成31年4月30日(火) 23:59 退避");
  EXPECT_EQ(BackupLabel({2019, 5, 1, 0, 0, 0, 0}), "令和01年5月1日(水) 00:00 退避");
}

}  // namespace
}  // namespace settings
