#include "net/admin_setup.h"

#include "net/net_test_fixture.h"
#include "platform/scrambled_files.h"
#include "store/data_folders.h"

namespace net {
namespace {

using platform::MsgResult;

class ScriptedPicker : public FolderPicker {
 public:
  std::optional<std::string> PickFolder(const std::string& start) override {
    starts.push_back(start);
    return answer;
  }
  std::optional<std::string> answer;
  std::vector<std::string> starts;
};

class ScriptedAdminDialog : public AdminDialogPort {
 public:
  std::optional<AdminEntry> Show(AdminDialogMode mode, const AdminEntry& initial) override {
    modes.push_back(mode);
    initials.push_back(initial.name + "/" + initial.password);
    return answer;
  }
  std::optional<AdminEntry> answer;
  std::vector<AdminDialogMode> modes;
  std::vector<std::string> initials;
};

class AdminSetupTest : public NetTest {
 protected:
  std::vector<std::string> List(const std::string& relative) {
    std::vector<std::string> lines;
    platform::TextKeyBook(pc.os, platform::ScrambleMode::Load, lines, "", P(relative));
    return lines;
  }
  std::vector<std::string> Id() {
    std::vector<std::string> lines;
    platform::TextKeyBook(pc.os, platform::ScrambleMode::Load, lines, "", admin.idFilePath());
    return lines;
  }

  platform::TempFolder settings;
  Computer pc{fs, "PC01"};
  NetAdmin admin{pc.os, settings.path(), false};
  ScriptedPicker picker;
  AdminSetup setup{pc.os, admin, picker, settings.path()};
};

TEST(AdminDialogTexts, EachModeHasItsTitleAndButton) {
  struct {
    AdminDialogMode mode;
    const char *title, *execute, *nameLabel;
  } cases[] = {
      {AdminDialogMode::Create, "ネット上の予定データフォルダ作成", "フォルダ選択＆実行", "ネット管理者名"},
      {AdminDialogMode::Rewrite, "管理ファイル書込", "管理ファイル書込", "ネット管理者名"},
      {AdminDialogMode::Rights, "管理権限設定", "管理権限設定実行", "名称"},
  };
  for (const auto& c : cases) {
    AdminDialogTexts t = TextsOf(c.mode);
    EXPECT_EQ(t.caption, "データフォルダ作成");
    EXPECT_EQ(t.title, c.title);
    EXPECT_EQ(t.execute, c.execute);
    EXPECT_EQ(t.nameLabel, c.nameLabel);
    EXPECT_EQ(t.rightsNote.empty(), c.mode != AdminDialogMode::Rights);
  }
  EXPECT_EQ(TextsOf(AdminDialogMode::Rights).prompt, "管理者が設定したパスワードを入力してください。");
  AdminEntry start = InitialEntry({"", ""}, "PC01");
  EXPECT_EQ(start.name + "/" + start.password, "PC01/PC01");
}

TEST_F(AdminSetupTest, TheDialogOpensOnlyWhenItsModeCanRun) {
  EXPECT_EQ(setup.CanOpen(AdminDialogMode::Create, true, ""), OpenCheck::Refused);
  EXPECT_EQ(setup.CanOpen(AdminDialogMode::Rewrite, false, " "), OpenCheck::Refused);
  EXPECT_EQ(setup.CanOpen(AdminDialogMode::Create, false, ""), OpenCheck::Open);
  pc.system.computerName = "";
  EXPECT_EQ(setup.CanOpen(AdminDialogMode::Rights, false, dir.path()), OpenCheck::NoComputerName);
  EXPECT_EQ(pc.dialogs.Texts(),
            (std::vector<std::string>{
                "現在、「ネットワークデータ共有機能を使用する」設定になっています。\r\n"
                "ネットワークフォルダを一旦、「使用しない」にして、もう一度処理をお願いします。",
                "「ネットワーク上のデータフォルダ」が設定されていません。\r\n先に設定してください。",
                "コンピュータ名が取得できません。\r\n\r\nネットワークデータフォルダ作成処理を中止します。"}));
}

TEST_F(AdminSetupTest, CreateModeMakesTheLayoutAndBothFiles) {
  picker.answer = P("shared");
  MakeFolder("shared");
  ExecuteResult r = setup.Execute(AdminDialogMode::Create, {"管理者", "secret"}, P("old"));
  EXPECT_TRUE(r.close);
  ASSERT_TRUE(r.target);
  EXPECT_EQ(*r.target, P("shared/"));
  EXPECT_EQ(picker.starts, std::vector<std::string>{P("old")});
  for (const char* f : {"shared/Data/Files1", "shared/Data/Files2", "shared/Data/Files3", "shared/veldanet.bini",
                        "shared/velnet.kdf"})
    EXPECT_TRUE(Has(f)) << f;
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{"データ構造は正常に作成されました。"});

  // The shared-folder field takes the new folder when the user agrees.
  EXPECT_TRUE(setup.AfterClose(*r.target, P("old")));
  EXPECT_EQ(pc.dialogs.Texts().back(), "ネットワーク上のデータフォルダを、今設定したフォルダに変更しますか？");
  EXPECT_EQ(admin.level(), kManagementComputer);
}

TEST_F(AdminSetupTest, CreateModeOnAnExistingSharedFolderAsksAndRewritesOnlyTheAdministrationFiles) {
  MakeFolder("shared");
  ASSERT_TRUE(store::CreateDataFolders(platform::RealFileSystem(), pc.dialogs, P("shared/"), false));
  Put("shared/Data/Files1/Ca202612.kdf", "data\r\n");
  Put("shared/veldanet.bini", "old\r\n");
  picker.answer = P("shared/");
  pc.dialogs.Answer(MsgResult::Yes);  // use a folder that holds files
  pc.dialogs.Answer(MsgResult::Yes);  // overwrite the administration file
  ExecuteResult r = setup.Execute(AdminDialogMode::Create, {"管理者", "secret"}, "");
  EXPECT_TRUE(r.target);
  EXPECT_EQ(pc.dialogs.Texts(), (std::vector<std::string>{
                                    "いずれかのファイルが存在します。\r\n推奨は、他のファイルがないフォルダですが、\r\n"
                                    "このフォルダでよろしいですか？",
                                    "既に、データフォルダ管理ファイルが存在します。\r\n上書きしますか？",
                                    "管理者コードだけを書き換えます。", "データ構造は正常に作成されました。"}));
  EXPECT_EQ(pc.dialogs.shown[0].defaultButton, 1);  // No
  EXPECT_EQ(Get("shared/Data/Files1/Ca202612.kdf"), "data\r\n");
  EXPECT_NE(Get("shared/veldanet.bini"), "old\r\n");
}

TEST_F(AdminSetupTest, EachRefusalLeavesTheFilesAsTheyWere) {
  EXPECT_FALSE(setup.Execute(AdminDialogMode::Create, {"", "secret"}, "").close);  // name missing: stays open
  pc.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(setup.Execute(AdminDialogMode::Create, {"管理者", ""}, "").close);  // no password: abort
  picker.answer.reset();
  EXPECT_TRUE(setup.Execute(AdminDialogMode::Create, {"管理者", "secret"}, "").close);  // picker cancelled
  MakeFolder("shared");
  Put("shared/memo.txt", "x");
  picker.answer = P("shared");
  EXPECT_FALSE(setup.Execute(AdminDialogMode::Create, {"管理者", "secret"}, "").target);  // files: No
  EXPECT_EQ(pc.dialogs.Texts(), (std::vector<std::string>{
                                    "ネット管理者名を記入してください。", "暗証コードの記入がありません。\r\n中止しますか？",
                                    "中止します。",
                                    "いずれかのファイルが存在します。\r\n推奨は、他のファイルがないフォルダですが、\r\n"
                                    "このフォルダでよろしいですか？",
                                    "中止します。"}));
  EXPECT_FALSE(Has("shared/velnet.kdf") || Has("shared/veldanet.bini") || Has("shared/Data"));
}

TEST_F(AdminSetupTest, RewriteModeMakesThisTheManagementComputer) {
  MakeFolder("shared");
  EXPECT_TRUE(setup.Execute(AdminDialogMode::Rewrite, {"管理者", "secret"}, P("shared")).target);
  EXPECT_EQ(List("shared/velnet.kdf"), (std::vector<std::string>{"管理者", "secret", "PC01", "0", "46364"}));
  EXPECT_FALSE(Has("shared/Data"));
}

// A participant must not be able to replace the administrator's files.
TEST_F(AdminSetupTest, RightsModeWritesNoAdministrationFile) {
  ExecuteResult r = setup.Execute(AdminDialogMode::Rights, {"PC01", "guess"}, dir.path());
  EXPECT_TRUE(r.close);
  EXPECT_FALSE(r.target);
  EXPECT_FALSE(Has("velnet.kdf") || Has("veldanet.bini"));
}

class RightsDialogTest : public AdminSetupTest {
 protected:
  RightsDialogTest() {
    Computer manager{fs, "PC09"};
    NetAdmin writer{manager.os, settings.path(), false};
    writer.SetAdministrator("管理者", "secret");
    EXPECT_TRUE(writer.WriteAdminList(P("velnet.kdf")));
  }
  ScriptedAdminDialog dialog;
};

TEST_F(RightsDialogTest, TheAdministratorsPasswordGivesAdministratorRights) {
  dialog.answer = AdminEntry{"総務", "secret"};
  EXPECT_TRUE(setup.SetRights(dialog, dir.path()));
  EXPECT_EQ(dialog.initials, std::vector<std::string>{"PC01/PC01"});
  EXPECT_EQ(admin.level(), kAdministrator);
  EXPECT_EQ(Id(), (std::vector<std::string>{"総務", "secret", "PC01", "6", "46364"}));
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{"管理者権限を設定しました。"});
}

TEST_F(RightsDialogTest, AWrongPasswordTakesExistingRightsAwayOnlyWhenAsked) {
  admin.SetLevel(kAdministrator);
  dialog.answer = AdminEntry{"総務", "wrong"};
  EXPECT_FALSE(setup.SetRights(dialog, dir.path()));  // No, the default
  EXPECT_EQ(admin.level(), kAdministrator);
  pc.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(setup.SetRights(dialog, dir.path()));
  EXPECT_EQ(admin.level(), kParticipant);
  EXPECT_EQ(Id(), (std::vector<std::string>{"総務", "", "PC01", "0", "46364"}));
  EXPECT_FALSE(setup.SetRights(dialog, dir.path()));
  EXPECT_EQ(pc.dialogs.Texts().back(), "パスワードが、管理者によって設定されたものと違います。\r\n中止します。");
  EXPECT_EQ(pc.dialogs.Texts()[0],
            "パスワードが、管理者によって設定されたものと違います。\r\nこのコンピュータの管理者権限を削除しますか？");
}

// Rights that could not be written are not told as set: the next start
// would read them back as they were.
TEST_F(RightsDialogTest, RightsNotWrittenAreToldWithTheFileAndNotSet) {
  dialog.answer = AdminEntry{"総務", "secret"};
  fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_FALSE(setup.SetRights(dialog, dir.path()));
  EXPECT_EQ(admin.level(), kParticipant);
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{"[" + admin.idFilePath() +
                                                         "]に書き込めませんでした。\r\n管理者権限は変わっていません。"});
}

TEST_F(RightsDialogTest, TheManagementComputerNeedsNoRights) {
  pc.system.computerName = "PC09";
  dialog.answer = AdminEntry{"PC09", "secret"};
  EXPECT_FALSE(setup.SetRights(dialog, dir.path()));
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{"管理コンピュータには、管理者権限はすでに設定されています。"});
  EXPECT_FALSE(setup.SetRights(dialog, P("gone")));
  EXPECT_EQ(pc.dialogs.Texts().back(), "「ネットワーク上のデータフォルダ」が確認できません。\r\n中止します。");
}

}  // namespace
}  // namespace net
