// What every build's file system promises, run against the real one.
#include "platform/filesystem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace platform {
namespace {

class RealFiles : public testing::Test {
 protected:
  std::string Path(const std::string& relative) { return support::JoinPath(dir.path(), relative); }
  void Write(const std::string& relative, const std::string& bytes) {
    ASSERT_TRUE(fs.WriteAtomic(Path(relative), bytes));
  }
  std::vector<std::string> Names(const std::string& pattern) {
    std::vector<std::string> names;
    for (const auto& e : fs.List(Path(pattern))) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder dir;
  FileSystem& fs = RealFileSystem();
};

TEST_F(RealFiles, WriteAtomicReplacesAndLeavesNoTemporary) {
  Write("予定.kdf", "old");
  Write("予定.kdf", "new\r\n");
  EXPECT_EQ(fs.ReadAll(Path("予定.kdf")), "new\r\n");
  EXPECT_EQ(Names("*"), std::vector<std::string>{"予定.kdf"});
  EXPECT_EQ(fs.ReadAll(Path("missing.kdf")), std::nullopt);
}

TEST_F(RealFiles, WriteAtomicIntoAMissingFolderFails) {
  EXPECT_FALSE(fs.WriteAtomic(Path("none\\a.kdf"), "x"));
}

TEST_F(RealFiles, AppendCreatesThenAppends) {
  EXPECT_TRUE(fs.Append(Path("VeldaSte.kdl"), "1\r\n"));
  EXPECT_TRUE(fs.Append(Path("VeldaSte.kdl"), "2\r\n"));
  EXPECT_EQ(fs.ReadAll(Path("VeldaSte.kdl")), "1\r\n2\r\n");
}

TEST_F(RealFiles, LockFilesAreExclusiveAndReadableThroughTheirHandle) {
  std::string lock = Path("Ca202612.lock");
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
  opened.reset();
  EXPECT_TRUE(fs.DeleteFile(lock));
  EXPECT_FALSE(fs.OpenExclusive(lock));
}

TEST_F(RealFiles, AHeldFileIsRewrittenThroughItsHandleAndStaysHeld) {
  std::string counter = Path("update.kdf");
  Write("update.kdf", "41\r\n");
  auto held = fs.OpenExclusive(counter);
  ASSERT_TRUE(held);
  EXPECT_EQ(fs.ReadAll(counter), std::nullopt);
  ASSERT_TRUE(held->Rewrite("42\r\n"));
  EXPECT_EQ(held->ReadContent(), "42\r\n");
  EXPECT_FALSE(fs.OpenExclusive(counter));
  held.reset();
  EXPECT_EQ(fs.ReadAll(counter), "42\r\n");
}

// The lock's content is written before its name appears: a reader that
// gets hold of the file always finds the owner in it, never an empty file.
TEST_F(RealFiles, ACreatedLockFileIsNeverFoundEmpty) {
  std::string lock = Path("CaFromTo.lock");
  std::atomic<bool> stop{false};
  std::atomic<int> emptySeen{0}, readsDone{0};
  std::thread reader([&] {  // handles of its own, as another computer has
    while (!stop) {
      if (auto held = fs.OpenExclusive(lock)) {
        if (held->ReadContent().value_or("") == "") ++emptySeen;
        ++readsDone;
      }
    }
  });
  int created = 0;
  for (int i = 0; i < 3000 && (i < 300 || readsDone < 50); ++i) {
    if (auto held = fs.CreateExclusive(lock, "PC01\r\n")) {
      ++created;
      held.reset();
    }
    fs.DeleteFile(lock);
  }
  stop = true;
  reader.join();
  EXPECT_GT(created, 0);
  EXPECT_EQ(emptySeen, 0) << "of " << readsDone << " reads";
}

TEST_F(RealFiles, WildcardsMatchNamesButNeverDotEntries) {
  Write("Ca202612.kdf", "");
  Write("Ca199912.kdf", "");
  Write("CaFromTo.kdf", "");
  ASSERT_TRUE(fs.CreateFolder(Path("Data")));
  ASSERT_TRUE(fs.CreateFolder(Path("Empty")));
  EXPECT_TRUE(fs.Exists(Path("Ca20*.kdf")));
  EXPECT_FALSE(fs.Exists(Path("Ca21*.kdf")));
  EXPECT_EQ(Names("Ca20*.kdf"), std::vector<std::string>{"Ca202612.kdf"});
  EXPECT_EQ(Names("*").size(), 5u);
  EXPECT_TRUE(fs.Exists(Path("Data")));
  EXPECT_TRUE(fs.Exists(Path("Data\\")));
  EXPECT_TRUE(fs.IsFolder(Path("Data")));
  EXPECT_FALSE(fs.IsFolder(Path("CaFromTo.kdf")));
  EXPECT_FALSE(fs.Exists(Path("Empty\\*")));
}

TEST_F(RealFiles, ListReportsKindSizeAndTime) {
  Write("a.kdf", "12345");
  ASSERT_TRUE(fs.CreateFolder(Path("sub")));
  auto entries = fs.List(Path("*"));
  std::sort(entries.begin(), entries.end(), [](auto& a, auto& b) { return a.name < b.name; });
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_FALSE(entries[0].isFolder);
  EXPECT_EQ(entries[0].size, 5u);
  EXPECT_TRUE(entries[1].isFolder);
  EXPECT_EQ(fs.ModifiedTime(Path("a.kdf")), entries[0].modified);
  EXPECT_GE(entries[0].modified.year, 2024);
  EXPECT_EQ(fs.ModifiedTime(Path("none.kdf")), std::nullopt);
}

// Regression: an overwriting copy used to truncate the destination first.
TEST_F(RealFiles, CopyFileNeverLeavesAPartialDestination) {
  Write("src.kdf", "new");
  Write("dst.kdf", "old");
  EXPECT_FALSE(fs.CopyFile(Path("src.kdf"), Path("dst.kdf"), false));
  EXPECT_EQ(fs.ReadAll(Path("dst.kdf")), "old");
  EXPECT_FALSE(fs.CopyFile(Path("missing.kdf"), Path("dst.kdf"), true));
  EXPECT_EQ(fs.ReadAll(Path("dst.kdf")), "old");
  EXPECT_TRUE(fs.CopyFile(Path("src.kdf"), Path("dst.kdf"), true));
  EXPECT_EQ(fs.ReadAll(Path("dst.kdf")), "new");
  EXPECT_TRUE(fs.CopyFile(Path("src.kdf"), Path("third.kdf"), false));
  EXPECT_EQ(Names("*").size(), 3u);
}

TEST_F(RealFiles, RenameNeverReplaces) {
  Write("a", "1");
  Write("b", "2");
  EXPECT_FALSE(fs.Rename(Path("a"), Path("b")));
  EXPECT_TRUE(fs.Rename(Path("a"), Path("c")));
  EXPECT_EQ(fs.ReadAll(Path("c")), "1");
  EXPECT_TRUE(fs.DeleteFile(Path("c")));
  EXPECT_FALSE(fs.Exists(Path("c")));
  EXPECT_FALSE(fs.DeleteFile(Path("c")));
}

TEST_F(RealFiles, EmptyFoldersAreRemovedOnlyWhenEmpty) {
  ASSERT_TRUE(fs.CreateFolder(Path("d")));
  EXPECT_FALSE(fs.CreateFolder(Path("d")));
  Write("d\\x", "");
  EXPECT_FALSE(fs.RemoveEmptyFolder(Path("d")));
  ASSERT_TRUE(fs.DeleteFile(Path("d\\x")));
  EXPECT_TRUE(fs.RemoveEmptyFolder(Path("d")));
}

class RealShellOperations : public RealFiles {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.CreateFolder(Path("Files2")));
    ASSERT_TRUE(fs.CreateFolder(Path("Files2\\深い")));
    Write("Files2\\Ca202612.kdf", "month");
    Write("Files2\\深い\\x.txt", "deep");
  }
  ShellOpFlags quiet{0, true, false, true, false, false};
};

TEST_F(RealShellOperations, CopyWholeFolderArrivesInsideAMissingDestination) {
  ASSERT_TRUE(fs.ShellCopy({Path("Files2")}, Path("Backup\\Data\\"), quiet));
  EXPECT_EQ(fs.ReadAll(Path("Backup\\Data\\Files2\\Ca202612.kdf")), "month");
  EXPECT_EQ(fs.ReadAll(Path("Backup\\Data\\Files2\\深い\\x.txt")), "deep");
}

TEST_F(RealShellOperations, CopyReplacesFilesOfTheSameName) {
  ASSERT_TRUE(fs.CreateFolder(Path("Out")));
  Write("Out\\Ca202612.kdf", "old");
  ASSERT_TRUE(fs.ShellCopy({Path("Files2\\Ca202612.kdf")}, Path("Out"), quiet));
  EXPECT_EQ(fs.ReadAll(Path("Out\\Ca202612.kdf")), "month");
}

TEST_F(RealShellOperations, FilesOnlyWildcardSkipsFolders) {
  ShellOpFlags flags = quiet;
  flags.filesOnly = true;
  ASSERT_TRUE(fs.ShellCopy({Path("Files2\\*.*")}, Path("Out"), flags));
  EXPECT_EQ(Names("Out\\*"), std::vector<std::string>{"Ca202612.kdf"});
}

TEST_F(RealShellOperations, FilesOnlyWholeFolderKeepsItsSubFolders) {
  ShellOpFlags flags = quiet;
  flags.filesOnly = true;
  ASSERT_TRUE(fs.ShellCopy({Path("Files2")}, Path("Out"), flags));
  EXPECT_EQ(fs.ReadAll(Path("Out\\Files2\\深い\\x.txt")), "deep");
}

TEST_F(RealShellOperations, MissingSourcesFail) {
  EXPECT_FALSE(fs.ShellCopy({Path("NoSuch")}, Path("Out"), quiet));
  EXPECT_FALSE(fs.ShellDelete({Path("NoSuch")}, quiet));
}

TEST_F(RealShellOperations, DeleteRemovesTreesAndListedNames) {
  Write("keep.kdf", "");
  Write("drop.kdf", "");
  ASSERT_TRUE(fs.ShellDelete({Path("Files2\\"), Path("drop.kdf")}, quiet));
  EXPECT_FALSE(fs.Exists(Path("Files2")));
  EXPECT_EQ(Names("*"), std::vector<std::string>{"keep.kdf"});
}

TEST_F(RealShellOperations, MoveRenamesButNeverOntoAnExistingName) {
  ASSERT_TRUE(fs.ShellMove(Path("Files2"), Path("Gen01\\"), quiet));
  EXPECT_EQ(fs.ReadAll(Path("Gen01\\深い\\x.txt")), "deep");
  EXPECT_FALSE(fs.Exists(Path("Files2")));
  ASSERT_TRUE(fs.CreateFolder(Path("Gen02")));
  EXPECT_FALSE(fs.ShellMove(Path("Gen01"), Path("Gen02"), quiet));
  EXPECT_TRUE(fs.Exists(Path("Gen01\\深い\\x.txt")));
}

}  // namespace
}  // namespace platform
