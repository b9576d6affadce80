#include "net/admin_files.h"

#include "net/admin_setup.h"
#include "net/net_test_fixture.h"
#include "platform/scrambled_files.h"
#include "support/cp932.h"
#include "support/scramble.h"

namespace net {
namespace {

// What other installations find when they unscramble the files.
std::vector<std::string> KeyBookLines(const std::string& bytes) {
  std::vector<std::string> lines = support::DecodeKeyBook(bytes, support::Utf8ToCp932(platform::kKeyBookKey));
  for (std::string& line : lines) line = support::Cp932ToUtf8(line);
  return lines;
}

class AdminTest : public NetTest {
 protected:
  AdminTest() {
    admin.SetNetFolder(dir.path());
    pc.clock.Set({2026, 12, 8, 9, 0, 0, 0});
  }
  // The administration list as the management computer `manager` writes it.
  void WriteList(const std::string& manager, const std::string& password) {
    Computer other{fs, manager};
    NetAdmin writer{other.os, settings.path(), false};
    writer.SetAdministrator("管理者", password);
    ASSERT_TRUE(writer.WriteAdminList(P("velnet.kdf")));
  }
  std::vector<std::string> IdLines() {
    return KeyBookLines(platform::RealFileSystem().ReadAll(admin.idFilePath()).value_or(""));
  }

  platform::TempFolder settings;
  Computer pc{fs, "PC01"};
  NetAdmin admin{pc.os, settings.path(), false};
};

TEST_F(AdminTest, TheAdministrationListIsAScrambledKeyBookOfFiveLines) {
  admin.SetAdministrator("総務 管理者", "pass,word");
  ASSERT_TRUE(admin.WriteAdminList(P("velnet.kdf")));
  const std::string bytes = Get("velnet.kdf");
  EXPECT_EQ(bytes.find("pass"), std::string::npos);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1);
  std::vector<std::string> lines = KeyBookLines(bytes);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end() - 1),
            (std::vector<std::string>{"総務 管理者", "pass,word", "PC01", "0", "46364"}));
  EXPECT_EQ(lines.back(), support::HeaderTrailer(lines.front()));
}

TEST_F(AdminTest, TheAdministrationIniIsScrambledLineByLineUnderItsHeader) {
  admin.SetAdministrator("管理者", "secret");
  ASSERT_TRUE(admin.WriteAdminIni(P("veldanet.bini")));
  const std::string bytes = Get("veldanet.bini");
  EXPECT_EQ(bytes.find("secret"), std::string::npos);
  EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")), support::Utf8ToCp932(support::kScrambledIniHeader));
  std::vector<std::string> lines = support::DecodeScrambledIni(bytes, platform::kNetAdminIniKey);
  for (std::string& line : lines) line = support::Cp932ToUtf8(line);
  ASSERT_EQ(lines.size(), 7u);
  const std::string code = lines[1].substr(5);
  EXPECT_EQ(lines, (std::vector<std::string>{"[Net]", "dum1=" + code, "SvName=管理者", "SvCode=secret",
                                             "SvPCName=PC01", "Hiduke=46364",
                                             "dum2=" + support::HeaderTrailer(code)}));
  EXPECT_GE(code.size(), 6u);
}

TEST_F(AdminTest, TheAdministrationIniNeedsANameAndAPassword) {
  admin.SetAdministrator("管理者", "");
  EXPECT_FALSE(admin.WriteAdminIni(P("veldanet.bini")));
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{
                                    "管理者コード作成エラー（１）\r\n管理者名と暗証コードをチェックした後、再度処理を試みてください。"});
  EXPECT_FALSE(Has("veldanet.bini"));
}

// The rights of this computer from the administration list: the management
// computer whatever it knows, an administrator when it knows the password.
TEST_F(AdminTest, RightsFollowTheManagementComputerAndThePassword) {
  struct {
    const char* manager;
    const char* stored;
    const char* known;
    int level;
  } cases[] = {
      {"PC01", "secret", "", kManagementComputer}, {"PC01", "", "wrong", kManagementComputer},
      {"PC09", "secret", "secret", kAdministrator}, {"PC09", "secret", "Secret", kParticipant},
      {"PC09", "", "false", kAdministrator},        {"PC09", "", "", kParticipant},
  };
  for (const auto& c : cases) {
    WriteList(c.manager, c.stored);
    admin.SetAdministrator("", c.known);
    ASSERT_TRUE(admin.RebuildIdFile());
    EXPECT_EQ(admin.level(), c.level) << c.manager << " " << c.stored << " " << c.known;
    EXPECT_EQ(IdLines()[4], std::to_string(c.level));
    EXPECT_EQ(admin.ReadRights(), c.level);
  }
  EXPECT_TRUE(pc.dialogs.shown.empty());
}

TEST_F(AdminTest, WithoutIdFileAndListTheRightsAreNoneAfterOneMessage) {
  EXPECT_EQ(admin.ReadRights(), kParticipant);
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{"ネット管理ファイル[" + P("velnet.kdf") + "]がありません。"});
  EXPECT_FALSE(Has(support::JoinPath(settings.path(), "velnetid.kdf")));
}

TEST_F(AdminTest, AShortListIsNoAdministrationList) {
  Computer other{fs, "PC09"};
  std::vector<std::string> two{"管理者", "secret"};
  ASSERT_TRUE(platform::TextKeyBook(other.os, platform::ScrambleMode::Save, two, "", P("velnet.kdf")));
  EXPECT_EQ(admin.ReadRights(), kParticipant);
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{
                                    "ネット管理ファイル[" + P("velnet.kdf") +
                                    "]が規定のデータではありません。\r\n管理コンピュータにて「管理コンピュータ再指定」を実行してください。"});
}

// A copy installed from the shared folder with "/F" on another computer
// finds an id file naming the computer it came from.
TEST_F(AdminTest, ASetupStartOnAnotherComputerMakesTheIdFileAgain) {
  WriteList("PC01", "secret");
  Computer old{fs, "PC05"};
  NetAdmin before{old.os, settings.path(), false};
  ASSERT_TRUE(before.WriteIdFile("PC05", "", kAdministrator, before.idFilePath()));

  NetAdmin fresh{pc.os, settings.path(), true};
  fresh.SetNetFolder(dir.path());
  EXPECT_EQ(fresh.ReadRights(), kManagementComputer);
  EXPECT_EQ(pc.dialogs.Texts(), std::vector<std::string>{
                                    "管理コンピュータをインストールしたコンピュータに変更します。\r\nFrom [PC01] to [PC05]"});
  EXPECT_EQ(IdLines()[3], "PC01");
}

TEST_F(AdminTest, TheIdFileDisplayNeverShowsThePassword) {
  ASSERT_TRUE(admin.WriteIdFile("PC01", "secret", kAdministrator, admin.idFilePath()));
  admin.SetLevel(kAdministrator);
  const std::vector<std::string> shown = admin.IdFileDisplay();
  EXPECT_EQ(shown, (std::vector<std::string>{"名前 : PC01", "ＰＷ : ********", "ＰＣ : PC01", "権限 : 6",
                                             "日付 : 46364", "Acc  : 6"}));
}

TEST_F(AdminTest, ASetupStartMakesThisComputerTheAdministrator) {
  ASSERT_TRUE(admin.RegisterNetworkAdministrator(dir.path()));
  std::vector<std::string> lines = KeyBookLines(Get("velnet.kdf"));
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.begin() + 5),
            (std::vector<std::string>{"PC01", "PC01", "PC01", "0"}));
}

TEST(NetTab, RightsEnableTheMaintenanceButtons) {
  EXPECT_EQ(RightsLabel(kParticipant), "");
  EXPECT_EQ(RightsLabel(kAdministrator), "管理者権限");
  EXPECT_EQ(RightsLabel(kManagementComputer), "管理コンピュータ");
  NetTabEnables participant = NetTabFor(kParticipant, true);
  EXPECT_FALSE(participant.backupAndRestore || participant.redesignate || participant.createInitialFolder ||
               participant.netFolderEditable);
  EXPECT_TRUE(participant.lockSearch && participant.unlockAll && participant.setRights);
  NetTabEnables all;
  all.backupAndRestore = all.redesignate = all.createInitialFolder = all.netFolderEditable = true;
  EXPECT_EQ(NetTabFor(kAdministrator, true), all);
  EXPECT_EQ(NetTabFor(kManagementComputer, false), all);
  EXPECT_EQ(NetTabFor(kParticipant, false), all);
}

}  // namespace
}  // namespace net
