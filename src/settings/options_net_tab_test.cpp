#include "settings/options_net_tab.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/scrambled_files.h"
#include "store/data_folders.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::MsgResult;

class FakeHost : public OptionsNetworkHost {
 public:
  explicit FakeHost(net::NetAdmin& admin) : admin_(admin) {}
  bool NetworkOn() override { return on; }
  bool SetNetwork(bool wanted) override {
    switches.push_back(wanted);
    on = wanted;
    return true;
  }
  net::NetAdmin& Admin() override { return admin_; }
  bool CanOpenNetBackup() override { return canBackup; }
  void OpenNetBackup() override { ++backups; }

  bool on = false;
  bool canBackup = true;
  std::vector<bool> switches;
  int backups = 0;

 private:
  net::NetAdmin& admin_;
};

class NoPicker : public net::FolderPicker {
 public:
  std::optional<std::string> PickFolder(const std::string&) override { return std::nullopt; }
};

class RightsEntry : public net::AdminDialogPort {
 public:
  explicit RightsEntry(std::optional<net::AdminEntry> entry) : entry_(std::move(entry)) {}
  std::optional<net::AdminEntry> Show(net::AdminDialogMode, const net::AdminEntry&) override { return entry_; }

 private:
  std::optional<net::AdminEntry> entry_;
};

// Stands in for TfmNetFolder: runs the execute button once with a name
// and password, as the user would type them.
class FakeAdminWindows : public AdminWindows {
 public:
  std::optional<std::string> ShowAdminDialog(net::AdminSetup& setup, net::AdminDialogMode mode,
                                             const std::string& field, const net::AdminEntry& initial) override {
    initials.push_back(initial.name);
    const net::ExecuteResult result = setup.Execute(mode, entry, field);
    return result.target;
  }
  std::unique_ptr<net::AdminDialogPort> RightsDialog(net::AdminSetup&, const std::string&) override {
    return std::make_unique<RightsEntry>(entry);
  }
  net::AdminEntry entry{"admin", "secret"};
  std::vector<std::string> initials;
};

class NetTabTest : public testing::Test {
 protected:
  NetTabTest() {
    form = FillOptions(DefaultSettings(), {}, {}, {});
    shared = support::JoinPath(root.path(), "share\\");
  }
  // A shared folder made by another computer, PC07, with password "pw".
  void MakeSharedFolder() {
    ASSERT_TRUE(store::CreateDataFolders(os.fs, os.dialogs, shared, false));
    platform::FakeServices other;
    other.system.computerName = "PC07";
    net::NetAdmin otherAdmin(other.services, settingsFolder.path(), false);
    otherAdmin.SetAdministrator("admin", "pw");
    ASSERT_TRUE(otherAdmin.WriteAdminList(support::JoinPath(shared, net::kAdminListName)));
  }

  platform::TempFolder root, settingsFolder;
  platform::FakeServices os;
  net::NetAdmin admin{os.services, settingsFolder.path(), false};
  FakeHost host{admin};
  NoPicker picker;
  NetTab tab{os.services, host, picker, root.path()};
  FakeAdminWindows windows;
  OptionsForm form;
  std::string shared;
};

TEST_F(NetTabTest, RightsDecideTheButtonsWhileSharingIsChecked) {
  form.values.cbNet = false;
  EXPECT_TRUE(tab.Enables(form).createInitialFolder);
  form.values.cbNet = true;
  EXPECT_FALSE(tab.Enables(form).createInitialFolder);
  EXPECT_FALSE(tab.Enables(form).netFolderEditable);
  EXPECT_TRUE(tab.Enables(form).unlockAll);
  admin.SetLevel(net::kAdministrator);
  EXPECT_TRUE(tab.Enables(form).backupAndRestore);
  EXPECT_EQ(tab.RightsText(), "管理者権限");
}

TEST_F(NetTabTest, ShowingTheTabWithSharingReadsTheRightsOfTheFieldsFolder) {
  MakeSharedFolder();
  os.system.computerName = "PC07";  // this computer manages the folder
  form.values.cbNet = true;
  form.values.edtNetFolder = shared;
  tab.Shown(form);
  EXPECT_EQ(admin.level(), net::kManagementComputer);
  EXPECT_EQ(tab.RightsText(), "管理コンピュータ");
  tab.Finish(std::nullopt);
  EXPECT_EQ(admin.netFolder(), "");  // back to the folder in force at the opening
}

TEST_F(NetTabTest, CreateIsRefusedWhileSharingIsChecked) {
  form.values.cbNet = true;
  tab.RunAdminDialog(net::AdminDialogMode::Create, form, windows);
  EXPECT_TRUE(windows.initials.empty());
  ASSERT_EQ(os.dialogs.shown.size(), 1u);
  EXPECT_EQ(os.dialogs.shown[0].text.rfind("現在、「ネットワークデータ共有機能を使用する」設定になっています。", 0), 0u);
}

TEST_F(NetTabTest, WithoutAComputerNameSharingGoesOff) {
  os.system.computerName = "";
  host.on = true;
  form.values.cbNet = true;
  tab.RunAdminDialog(net::AdminDialogMode::Rewrite, form, windows);
  EXPECT_FALSE(form.values.cbNet);
  EXPECT_EQ(host.switches, std::vector<bool>{false});
  EXPECT_EQ(os.dialogs.shown.at(0).text,
            "コンピュータ名が取得できません。\r\n\r\nネットワークデータフォルダ作成処理を中止します。");
}

// Rewrite writes both administration files into the field's folder; the
// field keeps its folder and this computer becomes the management computer.
TEST_F(NetTabTest, RewriteMakesThisComputerTheManagementComputer) {
  MakeSharedFolder();
  form.values.edtNetFolder = shared;
  tab.RunAdminDialog(net::AdminDialogMode::Rewrite, form, windows);
  EXPECT_EQ(windows.initials, std::vector<std::string>{"PC01"});  // starts with the computer name
  EXPECT_EQ(form.values.edtNetFolder, shared);
  EXPECT_EQ(admin.level(), net::kManagementComputer);
  EXPECT_TRUE(os.fs.Exists(support::JoinPath(shared, net::kAdminIniName)));
}

TEST_F(NetTabTest, TheAdministratorsPasswordGivesRights) {
  MakeSharedFolder();
  form.values.edtNetFolder = shared;
  windows.entry = {"tanaka", "wrong"};
  tab.SetRights(form, windows);
  EXPECT_EQ(admin.level(), net::kParticipant);
  windows.entry = {"tanaka", "pw"};
  tab.SetRights(form, windows);
  EXPECT_EQ(admin.level(), net::kAdministrator);
  EXPECT_EQ(os.dialogs.shown.back().text, "管理者権限を設定しました。");
}

TEST_F(NetTabTest, BackupButtonOpensTheSetupThroughTheMainWindowWhenItCan) {
  admin.SetLevel(net::kAdministrator);
  form.values.cbNet = true;
  tab.OpenBackup();
  EXPECT_EQ(host.backups, 1);
  EXPECT_TRUE(tab.Enables(form).backupAndRestore);
  host.canBackup = false;
  EXPECT_FALSE(tab.Enables(form).backupAndRestore);
  tab.OpenBackup();
  EXPECT_EQ(host.backups, 1);
}

}  // namespace
}  // namespace settings
