#include "platform/system_folders.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace platform {
namespace {

// Drives as a table; every question is recorded.
class DriveTable : public FailingFileSystem {
 public:
  DriveTable() : FailingFileSystem(RealFileSystem()) {}
  DriveKind KindOfDrive(const std::string& root) override {
    asked.push_back(root);
    auto it = drives.find(root);
    return it == drives.end() ? DriveKind::Unknown : it->second;
  }
  std::map<std::string, DriveKind> drives{{"C:\\", DriveKind::Fixed},
                                          {"D:\\", DriveKind::CdRom},
                                          {"E:\\", DriveKind::Removable},
                                          {"F:\\", DriveKind::Network},
                                          {"R:\\", DriveKind::RamDisk}};
  std::vector<std::string> asked;
};

struct KindCase {
  const char* path;
  const char* kind;
};

class DriveKinds : public testing::TestWithParam<KindCase> {};

TEST_P(DriveKinds, NameTheDriveOfThePath) {
  DriveTable fs;
  EXPECT_EQ(GetDriveKind(fs, GetParam().path), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(All, DriveKinds,
                         testing::Values(KindCase{"C:\\Velda\\", "FIXED"},
                                         KindCase{"c:\\velda", "FIXED"},
                                         KindCase{"D:\\", "CDROM"},
                                         KindCase{"e:", "REMOVABLE"},
                                         KindCase{"F:\\Share", "NETWORK"},
                                         KindCase{"R:\\", "RAMDISK"},
                                         KindCase{"Z:\\", "?"},
                                         KindCase{"1:\\", "?"},
                                         KindCase{"", "?"},
                                         KindCase{"\\\\SERVER\\Share\\", "NETWORK"}));

TEST(DriveKinds, NetworkPathsAreNotAskedAbout) {
  DriveTable fs;
  GetDriveKind(fs, "\\\\SERVER\\Share");
  EXPECT_TRUE(fs.asked.empty());
}

TEST(DriveKinds, DefaultDataDriveIsDOnlyWhenFixed) {
  DriveTable fs;
  EXPECT_EQ(DefaultDataDrive(fs), "C");  // D: is a CD-ROM drive
  fs.drives["D:\\"] = DriveKind::Fixed;
  EXPECT_EQ(DefaultDataDrive(fs), "D");
}

TEST(SystemFolders, WindowsDriveRootFromTheWindowsFolder) {
  FakeSystem system;
  system.windowsFolder = "D:\\WINDOWS";
  EXPECT_EQ(WindowsDriveRoot(system), "D:\\");
  EXPECT_EQ(CommonFilesFolder(system),
            support::JoinPath("D:\\", "Program Files\\Common Files\\"));
  system.windowsFolder = "";
  std::string fallback = support::kPathSeparator == '\\' ? "C:\\" : "/";
  EXPECT_EQ(WindowsDriveRoot(system), fallback);
}

TEST(SystemFolders, StartupShortcutNeedsAStartupFolder) {
  TempFolder dir;
  FakeSystem system;
  ASSERT_TRUE(RealFileSystem().WriteAtomic(dir / "Horan.lnk", ""));
  EXPECT_FALSE(StartupShortcutExists(RealFileSystem(), system, "Horan"));
  system.specialFolders[kStartupFolder] = dir.path();
  EXPECT_TRUE(StartupShortcutExists(RealFileSystem(), system, "Horan"));
  EXPECT_FALSE(StartupShortcutExists(RealFileSystem(), system, "Velda"));
}

TEST(SystemFolders, VersionsAndNames) {
  FakeSystem system;
  system.version = {6, 0, 6002};
  system.shellMajor = 4;
  EXPECT_TRUE(IsVistaFamily(system));
  EXPECT_FALSE(IsShellVersionAbove4(system));
  system.version = {6, 1, 7601};
  system.shellMajor = 5;
  EXPECT_FALSE(IsVistaFamily(system));
  EXPECT_TRUE(IsShellVersionAbove4(system));

  EXPECT_EQ(UserOrComputerName(system, kUserName), "tanaka");
  EXPECT_EQ(UserOrComputerName(system, kComputerName), "PC01");
  EXPECT_EQ(UserOrComputerName(system, 3), "");
  system.computerName = "";
  EXPECT_EQ(UserOrComputerName(system, kComputerName), std::nullopt);
}

}  // namespace
}  // namespace platform
