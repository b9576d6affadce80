#include "settings/setup_install.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"
#include "settings/format_change.h"
#include "settings/generation_backup.h"
#include "settings/generation_backup_testutil.h"
#include "settings/setup_test_fixture.h"
#include "store/data_folders.h"
#include "store/date_stamp.h"
#include "support/cp932.h"

namespace settings {
namespace {

using platform::MsgResult;
using support::JoinPath;
using Op = platform::FailingFileSystem::Op;
using Tree = std::map<std::string, std::string>;
using Lines = std::vector<std::string>;

constexpr char kStart[] = "セットアップを開始してよろしいですか？";
constexpr char kBackedUp[] = "現在のデータのバックアップはされましたか？";
constexpr char kFinished[] = "楓帳のセットアップが終了しました。";
constexpr char kRestart[] =
    "現在起動中の楓帳を終了させ、\r\nセットアップした楓帳を起動させます。\r\n"
    "一時的に、楓帳が２つ立ち上がります。\r\n確認（ＯＫ）後、10秒程度、そのままでお待ちください。";
constexpr char kRolledBack[] =
    "上書きセットアップ、データ形式変更時に、エラーになりましたので、\r\n"
    "運用フォルダを元に戻しておきました。\r\n現在の状態は、セットアップ前の状態に戻っています。";

class SetupTest : public SetupWorld {
 protected:
  SetupTest() {
    source = Folder("Work");
    Put(source, "Velda.exe", "program v9");
    Put(source, "HDay.dat", "holidays v9");
    Put(source, "CaSima.dat", "usage v9");
    Put(source, "localfol.kdf", "[Set]\r\nFirst=1\r\n");
    facts.sourceFolder = source;
    facts.driveKindOf = [this](const std::string& path) {
      for (const auto& [start, kind] : driveKinds)
        if (path.rfind(start, 0) == 0) return kind;
      return std::string("FIXED");
    };
    for (auto [csidl, name] : {std::pair{26, "AppData"}, {7, "Startup"}, {16, "Desktop"}, {11, "StartMenu"},
                               {2, "Programs"}, {40, "Profile"}})
      fake.system.specialFolders[csidl] = Folder(name);
    target = support::EnsureTrailingSeparator(JoinPath(temp.path(), "Velda"));
    request.folder = target;
  }

  SetupOutcome Run(SetupKind kind, std::initializer_list<MsgResult> answers) {
    request.kind = kind;
    Answer(answers);
    return RunSetup(os, host, facts, request);
  }
  // An installation of the one-folder layout, as older versions left it.
  void OldInstallation(const std::string& dataFolder = "") {
    Folder("Velda");
    Put(target, "Velda.exe", "program v4");
    Put(target, "HDay.dat", "holidays v4");
    Put(target, "Velda.ini", "[Set2]\r\nyDataForm=1\r\n[Settei]\r\nedFolder=" + dataFolder + "\r\n");
    if (!dataFolder.empty()) return;
    WriteMonthFiles(fs, target, 12, 4, 2026);
    Put(target, "CaFromTo.kdf", "periods\r\n");
    Put(target, "CaMemo.kdf", "memo\r\n");
    Put(Folder("Velda/Files2"), "Ca202601.kdf", "sub set\r\n");
  }
  std::string Backups() { return JoinPath(fake.system.specialFolders[26], "AppFiles/Velda/" +
                                          support::EncodeFolderKey(target) + "/SafeGuard/"); }
  bool Generation(int n, const char* name) { return Exists(GenerationFolder(Backups(), n, name)); }

  std::string source, target;
  std::map<std::string, std::string> driveKinds;
  SetupFacts facts;
  SetupRequest request;
};

TEST_F(SetupTest, ANewSetupInstallsTheProgramAndItsShortcuts) {
  request.shortcuts = {false, true, false, true};
  // A shortcut the user has already is left as it is.
  const std::string desktop = support::EnsureTrailingSeparator(fake.system.specialFolders[2]);
  Put(desktop, "楓帳.lnk", "D:\\Other\\Velda.exe");
  facts.offerCleanup = true;
  const SetupOutcome out = Run(SetupKind::New, {MsgResult::Yes});
  ASSERT_TRUE(out.installed);
  EXPECT_EQ(Texts(), (Lines{kStart, kFinished, kRestart}));
  EXPECT_EQ(host.calls, (Lines{"save data", "save keys", "record end"}));
  EXPECT_EQ(host.progress, (Lines{"セットアップ", "実行に必要なファイルのコピー", "最終処理"}));
  EXPECT_EQ(Read(target + "Velda.exe"), "program v9");
  EXPECT_EQ(Read(target + "CaSima.dat"), "usage v9");
  EXPECT_FALSE(Exists(target + "localfol.kdf"));  // a fixed drive keeps its settings per user
  for (int set = 1; set <= 3; ++set) EXPECT_TRUE(Exists(store::DataSetFolder(target, set)));
  EXPECT_EQ(Read(fake.system.specialFolders[16] + "楓帳.lnk"), target + "Velda.exe");
  EXPECT_EQ(Read(fake.system.specialFolders[2] + "楓帳.lnk"), "D:\\Other\\Velda.exe");
  EXPECT_FALSE(Exists(fake.system.specialFolders[7] + "楓帳.lnk"));
  ASSERT_EQ(shell.shortcuts.size(), 1u);
  EXPECT_EQ(shell.shortcuts[0].workingFolder, target);
  EXPECT_EQ(out.commandLine, QuoteArgument(target + "Velda.exe") + " /F /2 " + QuoteArgument("/D3" + source));
  EXPECT_EQ(out.workingFolder, target);
}

struct Refusal {
  const char* name;
  SetupKind kind;
  std::vector<MsgResult> answers;
  const char* text;  // the last message
};

class SetupRefusals : public SetupTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(SetupRefusals, NothingChanges) {
  const Refusal& r = GetParam();
  const std::string name = r.name;
  if (name == "SameFolder") request.folder = source;
  if (name == "NoProgram") {
    ASSERT_TRUE(fs.DeleteFile(source + "Velda.exe"));
  }
  if (name == "NoHolidays") {
    ASSERT_TRUE(fs.DeleteFile(source + "HDay.dat"));
  }
  if (name == "Busy") host.busy = true;
  if (name == "Clock") host.autoBackupRunning = true;
  if (name == "AlreadyThere") Put(Folder("Velda"), "velda.EXE", "program v4");
  if (name == "NothingToOverwrite") Folder("Velda");
  const Tree before = TreeOf(fs, temp.path());
  request.kind = r.kind;
  for (MsgResult a : r.answers) fake.dialogs.Answer(a);
  EXPECT_FALSE(RunSetup(os, host, facts, request).installed);
  std::string text = r.text;
  if (name == "NoProgram") text = source + text;
  if (name == "NoHolidays") text = source + text;
  EXPECT_EQ(Texts().back(), text);
  EXPECT_EQ(TreeOf(fs, temp.path()), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetupRefusals,
    ::testing::Values(
        Refusal{"StartNo", SetupKind::New, {MsgResult::No}, "中止します。"},
        Refusal{"NotBackedUp", SetupKind::Overwrite, {MsgResult::No}, "念のため、データのバックアップをお願いいたします。"},
        Refusal{"Busy", SetupKind::New, {MsgResult::Yes}, "今はセットアップできません。\r\nもう少し後、実行してください。"},
        Refusal{"Clock", SetupKind::New, {MsgResult::Yes},
                "時刻取得中です。現在はセットアップできません。\r\nもう少し後、実行してください。"},
        Refusal{"NoProgram", SetupKind::New, {MsgResult::Yes}, "Velda.exe が存在しません。\r\n中止します。"},
        Refusal{"NoHolidays", SetupKind::New, {MsgResult::Yes}, "HDay.dat が存在しません。\r\n中止します。"},
        Refusal{"SameFolder", SetupKind::New, {MsgResult::Yes},
                "受け手と送り手のフォルダーが同じです。\r\nセットアップを中止します。"},
        Refusal{"AlreadyThere", SetupKind::New, {MsgResult::Yes},
                "指定されたフォルダーに、Velda.exe が存在します。\r\n上書きセットアップで、\r\nセットアップし直してください。"},
        Refusal{"NothingToOverwrite", SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes},
                "指定されたフォルダーに、Velda.exe が存在しません。\r\n上書きセットアップを中止します。"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupTest, AnOverwriteMovesTheOlderLayoutIntoDataFiles1AfterItsBackups) {
  OldInstallation();
  const Tree before = TreeOf(fs, target);
  const SetupOutcome out = Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes});
  ASSERT_TRUE(out.installed) << ::testing::PrintToString(Texts());
  EXPECT_EQ(Texts(), (Lines{kBackedUp, kStart, kFinished, kRestart}));
  const Tree after = TreeOf(fs, target);
  EXPECT_EQ(after.at("Data/Files1/Ca202603.kdf"), before.at("Ca202603.kdf"));
  EXPECT_EQ(after.at("Data/Files1/CaFromTo.kdf"), "periods\r\n");
  EXPECT_EQ(after.at("Data/CaMemo.kdf"), "memo\r\n");
  EXPECT_EQ(after.at("Data/Files2/Ca202601.kdf"), "sub set\r\n");
  EXPECT_EQ(after.at("Velda.ini"), before.at("Velda.ini"));
  EXPECT_EQ(after.at("Velda.exe"), "program v9");
  EXPECT_FALSE(after.count("Ca202603.kdf"));
  // The installation as it was stays beside it, and in generation 01.
  Tree old = TreeOf(fs, JoinPath(temp.path(), "Old_Velda"));
  EXPECT_EQ(old.count("VelDate.kdf"), 1u);
  old.erase("VelDate.kdf");
  EXPECT_EQ(old, before);
  EXPECT_TRUE(Generation(1, "Velda"));
  EXPECT_EQ(store::DaysSinceStamp(fs, GenerationFolder(Backups(), 1, "Velda"), {2026, 12, 8}), 0);
  EXPECT_EQ(host.progress, (Lines{"上書セットアップ既存フォルダチェック", "データ形式をチェック",
                                  "バックアップフォルダの存在をチェック", "世代バックアップ",
                                  "世代バックアップ（プログラム関係）", "データ形式変更",
                                  "実行に必要なファイルのコピー", "最終処理"}));

  // A second overwrite the same day: the folders now hold the newer layout
  // (the file will say so once the program has run); no second backup.
  fake.dialogs.shown.clear();
  host.progress.clear();
  const SetupOutcome again =
      Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes, MsgResult::No, MsgResult::Yes});
  ASSERT_TRUE(again.installed);
  EXPECT_EQ(Texts()[2], "データ形式の整合性が合いません。\r\nデータ形式は、Ver4.2.0以前の物ですか？");
  EXPECT_EQ(Texts()[3], "データ形式を【新しい】データ形式でセットアップしてよろしいですか？");
  EXPECT_FALSE(Generation(2, "Velda"));
  EXPECT_EQ(TreeOf(fs, target).at("Data/Files1/Ca202603.kdf"), before.at("Ca202603.kdf"));
}

TEST_F(SetupTest, NoBackupTickedMakesNoGenerations) {
  OldInstallation();
  request.noBackup = true;
  ASSERT_TRUE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  EXPECT_TRUE(TreeOf(fs, Backups()).empty());
  EXPECT_FALSE(Generation(1, "Velda"));
}

class LayoutChangeSteps : public SetupTest, public ::testing::WithParamInterface<Op> {};

// Whichever copy or move of the layout change fails, or the program files
// after it, the installation is put back as it was.
TEST_P(LayoutChangeSteps, AFailureAtAnyStepPutsTheInstallationBack) {
  OldInstallation();
  request.noBackup = true;
  const Tree before = TreeOf(fs, temp.path());
  int call = 1;
  for (;; ++call) {
    fake.dialogs.shown.clear();
    fs.FailCall(GetParam(), call);
    if (Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed) break;
    ASSERT_EQ(TreeOf(fs, temp.path()), before) << call;
    if (GetParam() != Op::ShellMove || call > 1) {
      ASSERT_EQ(Texts().back(), kRolledBack) << call;
    }
  }
  EXPECT_GT(call, GetParam() == Op::ShellCopy ? 3 : 1);
}

INSTANTIATE_TEST_SUITE_P(Ops, LayoutChangeSteps, ::testing::Values(Op::ShellCopy, Op::ShellMove),
                         [](const auto& info) { return info.param == Op::ShellMove ? "Move" : "Copy"; });

TEST_F(SetupTest, AProgramFileThatCannotBeCopiedPutsTheOldLayoutBack) {
  OldInstallation();
  request.noBackup = true;
  const Tree before = TreeOf(fs, target);
  fs.Fail(Op::CopyFile, 1);
  EXPECT_FALSE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  const Lines texts = Texts();
  EXPECT_EQ(Lines(texts.end() - 2, texts.end()), (Lines{"ファイルのコピーに失敗しました。", kRolledBack}));
  EXPECT_EQ(TreeOf(fs, target), before);
  EXPECT_FALSE(Exists(JoinPath(temp.path(), "Old_Velda")));
}

TEST_F(SetupTest, WhenPuttingBackFailsTheUserIsToldWhichFoldersToRename) {
  OldInstallation();
  request.noBackup = true;
  fs.FailCalls(Op::ShellMove, {2});  // the move back of the installation
  fs.Fail(Op::CopyFile, 1);
  EXPECT_FALSE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  const std::string old = support::EnsureTrailingSeparator(JoinPath(temp.path(), "Old_Velda"));
  const Lines texts = Texts();
  EXPECT_EQ(texts[texts.size() - 2], "現フォルダへの名称変更エラー(213)\r\n中止します");
  EXPECT_EQ(texts.back(), "上書きセットアップ、データ形式変更時に、エラーになりましたが、\r\n"
                          "運用フォルダを元に戻せませんでした。\r\n[" + target + "]を削除してから、[" + old +
                              "]の名前を[Velda]に戻してください。");
  EXPECT_TRUE(Exists(old + "Ca202603.kdf"));  // the data wait there
}

TEST_F(SetupTest, DataKeptElsewhereMoveBesideTheirFolderAndComeBackOnFailure) {
  const std::string data = Folder("MyData");
  OldInstallation(data);
  WriteMonthFiles(fs, data, 3, 2, 2026);
  Put(data, "Sday.kdf", "the data folder's own\r\n");
  Put(target, "Sday.kdf", "an older copy in the program folder\r\n");
  Put(target, "CaFT20261130.kdp", "period backup\r\n");
  request.noBackup = true;
  const Tree before = TreeOf(fs, temp.path());
  fs.FailCall(Op::ShellCopy, 1);  // the copy of the data into their new layout
  EXPECT_FALSE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  EXPECT_EQ(Texts()[Texts().size() - 2], "新しいデータ変換でエラー発生［フォルダ指定：データ移動］(207)\r\n中止します");
  EXPECT_EQ(TreeOf(fs, temp.path()), before);

  fs.FailCalls(Op::ShellCopy, {});
  fake.dialogs.shown.clear();
  ASSERT_TRUE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  const Tree moved = TreeOf(fs, data);
  EXPECT_EQ(moved.at("Data/Files1/Ca202601.kdf"), before.at("MyData/Ca202601.kdf"));
  EXPECT_EQ(moved.at("Data/Sday.kdf"), "the data folder's own\r\n");
  EXPECT_EQ(moved.at("Data/Files1/CaFT20261130.kdp"), "period backup\r\n");
  EXPECT_EQ(Read(target + "Velda.ini"), before.at("Velda/Velda.ini"));
  EXPECT_TRUE(Exists(JoinPath(temp.path(), "OD_Velda/Ca202601.kdf")));
}

TEST_F(SetupTest, DataInsideTheInstallationCannotChangeLayout) {
  const std::string inside = Folder("Velda/MyData");
  OldInstallation(inside);
  const Tree before = TreeOf(fs, temp.path());
  EXPECT_FALSE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  EXPECT_EQ(Texts().back(), "データフォルダ：" + inside + "\r\nセットアップフォルダ：" + target +
                                "\r\nこの組み合わせの場合は、自動でファイル形式を変更できません(101)。"
                                "ホームページにて、ご質問下さい。");
  request.noBackup = true;
  EXPECT_FALSE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes}).installed);
  EXPECT_EQ(Texts().back(), "この組み合わせの場合は、自動でファイル形式を変更できません(102)。\r\n中止します");
  Tree after = TreeOf(fs, temp.path());
  for (auto it = after.begin(); it != after.end();)
    it = it->first.rfind("AppData/", 0) == 0 ? after.erase(it) : std::next(it);
  EXPECT_EQ(after, before);
}

TEST_F(SetupTest, MarkersFollowTheKindOfDrive) {
  driveKinds[target] = "REMOVABLE";
  ASSERT_TRUE(Run(SetupKind::New, {MsgResult::Yes}).installed);
  EXPECT_EQ(Read(target + "localfol.kdf"), Read(source + "localfol.kdf"));
  EXPECT_EQ(Read(target + "Kidou.kdf"), Read(source + "localfol.kdf"));
  EXPECT_TRUE(shell.shortcuts.empty());

  target = support::EnsureTrailingSeparator(JoinPath(temp.path(), "Net"));
  request.folder = target;
  driveKinds[target] = "NETWORK";
  Put(source, "localfol.kdf", "[Set]\r\nFolder=x\r\nFirst=0\r\n");
  ASSERT_TRUE(Run(SetupKind::New, {MsgResult::Yes}).installed);
  support::IniText ini;
  ASSERT_TRUE(platform::LoadIniFile(fs, target + "localfol.kdf", ini));
  EXPECT_TRUE(ini.ReadBool("Set", "First", false));

  // From a shared folder onto this computer: the old computer id goes, the
  // shared settings come when there are none.
  Put(Folder("Velda"), "velnetid.kdf", "id");
  Put(target, "Velda.exe", "x");
  driveKinds.clear();
  driveKinds[source] = "NETWORK";
  Put(source, "Velda.ini", "[Settei]\r\n");
  target = support::EnsureTrailingSeparator(JoinPath(temp.path(), "Velda"));
  request.folder = target;
  ASSERT_TRUE(Run(SetupKind::Overwrite, {MsgResult::Yes, MsgResult::Yes, MsgResult::No, MsgResult::Yes}).installed)
      << ::testing::PrintToString(Texts());
  EXPECT_FALSE(Exists(target + "velnetid.kdf"));
}

TEST_F(SetupTest, NoBackupOnAFixedDriveIsConfirmed) {
  Answer({MsgResult::No, MsgResult::Yes});
  EXPECT_FALSE(ConfirmNoBackup(os, facts, target));
  EXPECT_TRUE(ConfirmNoBackup(os, facts, target));
  EXPECT_EQ(Texts(), (Lines{"バックアップを取らないと大変危険ですが、\r\nバックアップを取らないでよろしいでしょうか。",
                            "バックアップを取らないと大変危険ですが、\r\nバックアップを取らないでよろしいでしょうか。",
                            "必ず、手動でバックアップをお願いいたします。"}));
  driveKinds[target] = "REMOVABLE";
  EXPECT_TRUE(ConfirmNoBackup(os, facts, target));
  EXPECT_EQ(Texts().size(), 3u);
}

TEST_F(SetupTest, FolderChoices) {
  EXPECT_EQ(SetupFolderOf(os, SetupFolderChoice::UserArea),
            support::EnsureTrailingSeparator(JoinPath(fake.system.specialFolders[40], "AppFiles/Velda")));
  EXPECT_EQ(SetupFolderOf(os, SetupFolderChoice::Free), "");
  EXPECT_TRUE(SetupFolderChoiceEnabled(os, SetupFolderChoice::UserArea));
}

TEST(RestartLine, SwitchesAndQuoting) {
  struct Case {
    RestartFacts facts;
    std::string line;
  } cases[] = {
      {{"C:\\Program Files\\Velda\\"}, R"("C:\Program Files\Velda\Velda.exe" /F /2)"},
      {{"C:\\V\\", true, "\\\\SERVER\\Velda\\"}, R"("C:\V\Velda.exe" /F /2 /N /DN"\\SERVER\Velda\\")"},
      {{"C:\\V\\", false, "", "C:\\Temp\\楓帳 Setup.exe", "C:\\Temp\\Work\\"},
       R"("C:\V\Velda.exe" /F /2 "/D2C:\Temp\楓帳 Setup.exe" "/D3C:\Temp\Work\\")"},
  };
  for (const Case& c : cases) EXPECT_EQ(RestartCommandLine(c.facts), c.line);
  EXPECT_EQ(QuoteArgument(R"(a"b\"c\)"), R"("a\"b\\\"c\\")");
}

}  // namespace
}  // namespace settings
