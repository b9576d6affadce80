#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/doubles_testutil.h"
#include "platform/filesystem.h"
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
  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<std::string> names;
    for (const auto& e : fs.List(pattern)) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
  }
  void Write(const std::string& name, const std::string& bytes) {
    ASSERT_TRUE(fs.WriteAtomic(dir / name, bytes));
  }

  TempFolder dir;
  FileSystem& fs = RealFileSystem();
};

TEST_F(WinFileSystem, WriteAtomicReplacesAndLeavesNoTemporary) {
  Write("予定.kdf", "old");
  Write("予定.kdf", "new\r\n");
  EXPECT_EQ(fs.ReadAll(dir / "予定.kdf"), "new\r\n");
  EXPECT_EQ(Names(dir / "*"), std::vector<std::string>{"予定.kdf"});
}

// Regression: a write that truncated first lost the whole file when it
// could not finish.
TEST_F(WinFileSystem, WriteAtomicKeepsOldFileWhenTargetIsHeld) {
  Write("Ca202612.kdf", "old");
  {
    UniqueHandle holder = Open(dir / "Ca202612.kdf", GENERIC_READ, 0);
    ASSERT_TRUE(holder);
    EXPECT_FALSE(fs.WriteAtomic(dir / "Ca202612.kdf", "new"));
  }
  EXPECT_EQ(fs.ReadAll(dir / "Ca202612.kdf"), "old");
  EXPECT_EQ(Names(dir / "*"), std::vector<std::string>{"Ca202612.kdf"});
}

TEST_F(WinFileSystem, WriteAtomicKeepsReadOnlyFile) {
  Write("a.kdf", "old");
  std::wstring path = Widen(dir / "a.kdf");
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_FALSE(fs.WriteAtomic(dir / "a.kdf", "new"));
  SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), "old");
  EXPECT_EQ(Names(dir / "*").size(), 1u);
}

TEST_F(WinFileSystem, ReadAllIsRefusedWhileAnotherHolderWrites) {
  Write("a.kdf", "abc");
  {
    UniqueHandle writer = Open(dir / "a.kdf", GENERIC_WRITE, FILE_SHARE_READ);
    ASSERT_TRUE(writer);
    EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), std::nullopt);
  }
  UniqueHandle reader = Open(dir / "a.kdf", GENERIC_READ, FILE_SHARE_READ);
  EXPECT_EQ(fs.ReadAll(dir / "a.kdf"), "abc");
  EXPECT_EQ(fs.ReadAll(dir / "missing.kdf"), std::nullopt);
}

TEST_F(WinFileSystem, AppendCreatesThenAppends) {
  EXPECT_TRUE(fs.Append(dir / "VeldaSte.kdl", "1\r\n"));
  EXPECT_TRUE(fs.Append(dir / "VeldaSte.kdl", "2\r\n"));
  EXPECT_EQ(fs.ReadAll(dir / "VeldaSte.kdl"), "1\r\n2\r\n");
}

TEST_F(WinFileSystem, LockFilesAreExclusive) {
  std::string lock = dir / "Ca202612.lock";
  auto held = fs.CreateExclusive(lock, "PC01\r\n");
  ASSERT_TRUE(held);
  EXPECT_EQ(held->ReadContent(), "PC01\r\n");
  EXPECT_FALSE(fs.CreateExclusive(lock, "PC02\r\n"));
  EXPECT_FALSE(fs.OpenExclusive(lock));
  EXPECT_EQ(fs.ReadAll(lock), std::nullopt);
  held.reset();
  auto opened = fs.OpenExclusive(lock);
  ASSERT_TRUE(opened);
  EXPECT_EQ(opened->ReadContent(), "PC01\r\n");
  EXPECT_FALSE(fs.OpenExclusive(lock));
  EXPECT_FALSE(fs.OpenExclusive(dir / "missing.lock"));
}

TEST_F(WinFileSystem, WildcardsMatchNamesWithoutDots) {
  Write("Ca202612.kdf", "");
  Write("Ca199912.kdf", "");
  Write("CaFromTo.kdf", "");
  ASSERT_TRUE(fs.CreateFolder(dir / "Data"));
  EXPECT_TRUE(fs.Exists(dir / "Ca20*.kdf"));
  EXPECT_FALSE(fs.Exists(dir / "Ca21*.kdf"));
  EXPECT_EQ(Names(dir / "Ca20*.kdf"), std::vector<std::string>{"Ca202612.kdf"});
  EXPECT_EQ(Names(dir / "*").size(), 4u);
  EXPECT_TRUE(fs.Exists(dir / "Data"));
  EXPECT_TRUE(fs.Exists(dir / "Data\\"));
  EXPECT_TRUE(fs.IsFolder(dir / "Data"));
  EXPECT_FALSE(fs.IsFolder(dir / "CaFromTo.kdf"));
  ASSERT_TRUE(fs.CreateFolder(dir / "Empty"));
  EXPECT_FALSE(fs.Exists(dir / "Empty\\*"));
}

TEST_F(WinFileSystem, ListReportsKindAndAttributes) {
  Write("h.kdf", "12345");
  SetFileAttributesW(Widen(dir / "h.kdf").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(fs.CreateFolder(dir / "sub"));
  auto entries = fs.List(dir / "*");
  std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_TRUE(entries[0].hidden);
  EXPECT_FALSE(entries[0].isFolder);
  EXPECT_EQ(entries[0].size, 5u);
  EXPECT_TRUE(entries[1].isFolder);
  SYSTEMTIME now;
  GetLocalTime(&now);
  EXPECT_EQ(entries[0].modified.year, now.wYear);
  EXPECT_EQ(fs.ModifiedTime(dir / "h.kdf"), entries[0].modified);
  EXPECT_EQ(fs.ModifiedTime(dir / "none.kdf"), std::nullopt);
}

TEST_F(WinFileSystem, CopyFileNeverLeavesAPartialDestination) {
  Write("src.kdf", "new");
  Write("dst.kdf", "old");
  EXPECT_FALSE(fs.CopyFile(dir / "src.kdf", dir / "dst.kdf", false));
  EXPECT_EQ(fs.ReadAll(dir / "dst.kdf"), "old");
  EXPECT_FALSE(fs.CopyFile(dir / "missing.kdf", dir / "dst.kdf", true));
  EXPECT_EQ(fs.ReadAll(dir / "dst.kdf"), "old");
  EXPECT_TRUE(fs.CopyFile(dir / "src.kdf", dir / "dst.kdf", true));
  EXPECT_EQ(fs.ReadAll(dir / "dst.kdf"), "new");
  EXPECT_TRUE(fs.CopyFile(dir / "src.kdf", dir / "third.kdf", false));
  EXPECT_EQ(Names(dir / "*").size(), 3u);
}

TEST_F(WinFileSystem, RenameNeverReplaces) {
  Write("a", "1");
  Write("b", "2");
  EXPECT_FALSE(fs.Rename(dir / "a", dir / "b"));
  EXPECT_TRUE(fs.Rename(dir / "a", dir / "c"));
  EXPECT_EQ(fs.ReadAll(dir / "c"), "1");
  EXPECT_TRUE(fs.DeleteFile(dir / "c"));
  EXPECT_FALSE(fs.Exists(dir / "c"));
}

class WinShellOperations : public WinFileSystem {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.CreateFolder(dir / "Files2"));
    ASSERT_TRUE(fs.CreateFolder(dir / "Files2\\深い"));
    Write("Files2\\Ca202612.kdf", "month");
    Write("Files2\\深い\\x.txt", "deep");
  }
  ShellOpFlags quiet{0, true, false, true, false, false};
};

TEST_F(WinShellOperations, CopyWholeFolderArrivesInsideDestination) {
  ASSERT_TRUE(fs.ShellCopy({dir / "Files2"}, dir / "Backup\\Data\\", quiet));
  EXPECT_EQ(fs.ReadAll(dir / "Backup\\Data\\Files2\\Ca202612.kdf"), "month");
  EXPECT_EQ(fs.ReadAll(dir / "Backup\\Data\\Files2\\深い\\x.txt"), "deep");
}

TEST_F(WinShellOperations, FilesOnlyWildcardSkipsFolders) {
  ShellOpFlags flags = quiet;
  flags.filesOnly = true;
  ASSERT_TRUE(fs.ShellCopy({dir / "Files2\\*.*"}, dir / "Out", flags));
  EXPECT_EQ(Names(dir / "Out\\*"), std::vector<std::string>{"Ca202612.kdf"});
}

TEST_F(WinShellOperations, CopyOfMissingSourceFails) {
  EXPECT_FALSE(fs.ShellCopy({dir / "NoSuch"}, dir / "Out", quiet));
}

TEST_F(WinShellOperations, DeleteRemovesTreeAndListedNames) {
  Write("keep.kdf", "");
  Write("drop.kdf", "");
  ASSERT_TRUE(fs.ShellDelete({dir / "Files2\\", dir / "drop.kdf"}, quiet));
  EXPECT_FALSE(fs.Exists(dir / "Files2"));
  EXPECT_EQ(Names(dir / "*"), std::vector<std::string>{"keep.kdf"});
}

TEST_F(WinShellOperations, MoveRenamesButNeverOntoAnExistingFolder) {
  ASSERT_TRUE(fs.ShellMove(dir / "Files2", dir / "Gen01\\", quiet));
  EXPECT_EQ(fs.ReadAll(dir / "Gen01\\深い\\x.txt"), "deep");
  EXPECT_FALSE(fs.Exists(dir / "Files2"));
  ASSERT_TRUE(fs.CreateFolder(dir / "Gen02"));
  EXPECT_FALSE(fs.ShellMove(dir / "Gen01", dir / "Gen02", quiet));
  EXPECT_TRUE(fs.Exists(dir / "Gen01\\深い\\x.txt"));
}

TEST(WinDrives, SystemDriveIsFixed) {
  wchar_t windows[MAX_PATH];
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 2u);
  std::string root = Narrow(std::wstring(windows, 3));
  EXPECT_EQ(RealFileSystem().KindOfDrive(root), DriveKind::Fixed);
  EXPECT_EQ(RealFileSystem().KindOfDrive(root.substr(0, 2)), DriveKind::Fixed);
}

}  // namespace
}  // namespace platform
