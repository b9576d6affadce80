#include "shell/startup_state.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/ini_file.h"
#include "support/paths.h"

namespace shell {
namespace {

using platform::DriveKind;

// A file system whose drives are of a chosen kind.
class DriveFileSystem : public platform::FailingFileSystem {
 public:
  using FailingFileSystem::FailingFileSystem;
  DriveKind KindOfDrive(const std::string& root) override {
    roots.push_back(root);
    return kind;
  }
  DriveKind kind = DriveKind::Fixed;
  std::vector<std::string> roots;
};

class StartupStateTest : public ::testing::Test {
 protected:
  StartupStateTest() {
    fake.system.programFolder = program.path();
    fake.system.specialFolders[platform::kAppDataFolder] = appData.path();
    fake.system.specialFolders[platform::kProfileFolder] = "/home/tanaka/";
    fake.system.windowsFolder = "D:\\Windows\\";
  }
  StartupState Resolve() { return ResolveStartupState(os); }
  void Put(const std::string& name, const std::string& text = "") {
    fake.fs.WriteAtomic(program / name, text);
  }
  void MakeDataFolder() { fake.fs.CreateFolder(program / "Data"); }

  platform::TempFolder program;
  platform::TempFolder appData;
  platform::FakeServices fake;
  DriveFileSystem drives{fake.fs};
  platform::Services os{drives, fake.dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
};

TEST(DriveKindOf, NetworkNamesNeedNoQuestionAndOtherTextsAreUnknown) {
  platform::FakeServices fake;
  EXPECT_EQ(DriveKindOf(fake.fs, "\\\\SERVER\\Share\\"), DriveKind::Network);
  EXPECT_EQ(DriveKindOf(fake.fs, "1:\\x\\"), DriveKind::Unknown);
  EXPECT_EQ(DriveKindOf(fake.fs, ""), DriveKind::Unknown);
}

TEST_F(StartupStateTest, DriveLetterIsAskedAsItsRootInUpperCase) {
  DriveKindOf(drives, "c:\\Velda\\");
  EXPECT_EQ(drives.roots, std::vector<std::string>{"C:\\"});
}

TEST_F(StartupStateTest, AnEmptyProgramFolderIsAFirstRunInTheProgramFolder) {
  StartupState s = Resolve();
  EXPECT_TRUE(s.firstRun);
  EXPECT_FALSE(s.localMode);
  EXPECT_EQ(s.programFolder, program.path());
  EXPECT_EQ(s.settingsFolder, program.path());
  EXPECT_EQ(s.settingsFile, program / "Velda.ini");
  EXPECT_EQ(s.computerName, "PC01");
}

TEST_F(StartupStateTest, ADataFolderMakesAnOrdinaryStart) {
  MakeDataFolder();
  EXPECT_FALSE(Resolve().firstRun);
}

TEST_F(StartupStateTest, UserWorkFolderIsKeyedByTheProgramFolder) {
  StartupState s = Resolve();
  const std::string key = support::EncodeFolderKey(program.path());
  EXPECT_EQ(s.userWorkFolder, support::JoinPath(appData.path(), "AppFiles\\Velda\\" + key + "\\"));
  EXPECT_TRUE(s.perUserMode);  // Windows 10
  EXPECT_EQ(s.safeGuardFolder, support::JoinPath(s.userWorkFolder, "SafeGuard\\"));
}

TEST_F(StartupStateTest, OldWindowsKeepsBackupsInTheCommonFilesFolder) {
  fake.system.version = {5, 1, 2600};
  StartupState s = Resolve();
  EXPECT_FALSE(s.perUserMode);
  EXPECT_EQ(s.safeGuardFolder,
            support::JoinPath("D:\\", "Program Files\\Common Files\\Bren\\Velda\\SafeGuard\\"));
}

TEST_F(StartupStateTest, WithoutApplicationDataTheProgramFolderServes) {
  fake.system.specialFolders.erase(platform::kAppDataFolder);
  StartupState s = Resolve();
  EXPECT_EQ(s.userWorkFolder, program.path());
  EXPECT_FALSE(s.perUserMode);
}

TEST_F(StartupStateTest, LocalMarkerFirstKeyIsSeenOnceAndTurnedOff) {
  MakeDataFolder();
  Put("localfol.kdf", "[Set]\r\nFolder=C:\\Velda\\\r\nFirst=1\r\n");
  StartupState s = Resolve();
  EXPECT_TRUE(s.localMode);
  EXPECT_TRUE(s.firstRun);
  support::IniText ini;
  ASSERT_TRUE(platform::LoadIniFile(fake.fs, program / "localfol.kdf", ini));
  EXPECT_FALSE(ini.ReadBool("Set", "First", true));
  EXPECT_EQ(ini.ReadString("Set", "Folder", ""), "C:\\Velda\\");
  EXPECT_FALSE(Resolve().firstRun);
}

TEST_F(StartupStateTest, RemovableDriveActsAsIfTheMarkerWereThere) {
  MakeDataFolder();
  drives.kind = DriveKind::Removable;
  fake.system.programFolder = "E:\\Velda\\";
  StartupState s = Resolve();
  EXPECT_TRUE(s.onRemovableDrive);
  EXPECT_TRUE(s.localMode);
}

TEST_F(StartupStateTest, ANetworkCopyWithoutStartMarkerAsksEveryTime) {
  fake.system.programFolder = "\\\\SERVER\\Share\\Velda\\";
  StartupState s = Resolve();
  EXPECT_TRUE(s.onNetworkDrive);
  EXPECT_TRUE(s.firstRun);
  EXPECT_EQ(s.settingsFolder, s.programFolder);
}

}  // namespace
}  // namespace shell
