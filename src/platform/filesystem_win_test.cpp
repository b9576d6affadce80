// What only the Win32 file system can show: share modes against other
// handles, attributes and drive types.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/filesystem.h"
#include "platform/folders.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace platform {
namespace {

class WinFileSystem : public testing::Test {
 protected:
  UniqueHandle Open(const std::string& path, DWORD access, DWORD share) {
    return UniqueHandle(CreateFileW(Widen(path).c_str(), access, share, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
  }
  size_t Count() { return fs.List(dir / "*").size(); }

  TempFolder dir;
  FileSystem& fs = RealFileSystem();
};

// Regression: a write that truncated first lost the whole file when it
// could not finish.
TEST_F(WinFileSystem, WriteAtomicKeepsOldFileWhenTargetIsHeld) {
  ASSERT_TRUE(fs.WriteAtomic(dir / "Ca202612.kdf", "old"));
  {
    UniqueHandle holder = Open(dir / "Ca202612.kdf", GENERIC_READ, 0);
    ASSERT_TRUE(holder);
    EXPECT_FALSE(fs.WriteAtomic(dir / "Ca202612.kdf", "new"));
  }
  EXPECT_EQ(fs.ReadAll(dir / "Ca202612.kdf"), "old");
  EXPECT_EQ(Count(), 1u);
}

// A folder Shift-JIS cannot name ("José") still goes into the settings
// file: by the short form the volume keeps for it.
TEST_F(WinFileSystem, AFolderShiftJisCannotNameIsStoredByItsShortForm) {
  const std::string jose = dir / "José";
  ASSERT_TRUE(fs.CreateFolder(jose));
  const std::optional<std::string> storable = StorablePath(fs, jose + "\\");
  ASSERT_TRUE(storable);
  EXPECT_NE(*storable, jose + "\\");
  EXPECT_TRUE(fs.IsFolder(*storable));
  EXPECT_EQ(storable->back(), '\\');
}

TEST_F(WinFileSystem, ReadOnlyFilesAreNeitherWrittenNorCopiedOver) {
  ASSERT_TRUE(fs.WriteAtomic(dir / "a.kdf", "old"));
  ASSERT_TRUE(fs.WriteAtomic(dir / "b.kdf", "new"));
  std::wstring path = Widen(dir / "a.kdf");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(fs.WriteAtomic(dir / "a.kdf", "new"));
  EXPECT_FALSE(fs.CopyFile(dir / "b.kdf", dir / "a.kdf", true));
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), "old");
  EXPECT_EQ(Count(), 2u);
}

TEST_F(WinFileSystem, ReadAllIsRefusedWhileAnotherHolderWrites) {
  ASSERT_TRUE(fs.WriteAtomic(dir / "a.kdf", "abc"));
  {
    UniqueHandle writer = Open(dir / "a.kdf", GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_TRUE(writer);
    EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), std::nullopt);
  }
  UniqueHandle reader = Open(dir / "a.kdf", GENERIC_READ, FILE_SHARE_READ);
  EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), "abc");
}

TEST_F(WinFileSystem, HiddenAndSystemAttributesAreListed) {
  ASSERT_TRUE(fs.WriteAtomic(dir / "h.kdf", ""));
  SetFileAttributesW(Widen(dir / "h.kdf").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  auto entries = fs.List(dir / "*");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_TRUE(entries[0].hidden);
  EXPECT_TRUE(entries[0].system);
}

TEST(WinDrives, SystemDriveIsFixedAndUnknownSharesAreNot) {
  wchar_t windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 2u);
  std::string root = Narrow(std::wstring(windows, 3));
  EXPECT_EQ(RealFileSystem().KindOfDrive(root), DriveKind::Fixed);
  EXPECT_EQ(RealFileSystem().KindOfDrive(root.substr(0, 2)), DriveKind::Fixed);
  EXPECT_NE(RealFileSystem().KindOfDrive("\\\\no-such-server-velda\\share\\"), DriveKind::Fixed);
}

}  // namespace
}  // namespace platform
