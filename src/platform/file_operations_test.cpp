#include "platform/file_operations.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace platform {
namespace {

// The real file system, with the shell operations' arguments recorded and
// copies of chosen names refused. The operations themselves run quietly:
// a test must never wait for a confirmation box.
class Recorder : public FailingFileSystem {
 public:
  Recorder() : FailingFileSystem(RealFileSystem()) {}
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const ShellOpFlags& f) override {
    items = from;
    flags = f;
    return FailingFileSystem::ShellCopy(from, to, Quiet(f));
  }
  bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& f) override {
    items = paths;
    flags = f;
    return FailingFileSystem::ShellDelete(paths, Quiet(f));
  }
  bool ShellMove(const std::string& from, const std::string& to, const ShellOpFlags& f) override {
    items = {from, to};
    flags = f;
    return FailingFileSystem::ShellMove(from, to, Quiet(f));
  }
  static ShellOpFlags Quiet(ShellOpFlags f) {
    f.owner = 0;
    f.silent = f.noConfirmation = true;
    f.allowUndo = false;
    return f;
  }
  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    if (support::LastFolderName(from) == refuse) return false;
    return FailingFileSystem::CopyFile(from, to, overwrite);
  }
  std::vector<std::string> items;
  ShellOpFlags flags;
  std::string refuse;
};

class FileOperations : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.CreateFolder(Path("src")));
    Write("src\\Ca202612.kdf", "12");
    Write("src\\Ca202701.kdf", "01");
    Write("src\\CaMemo.kdf", "memo");
    ASSERT_TRUE(fs.CreateFolder(Path("src\\Files2")));
    Write("src\\Files2\\Ca202612.kdf", "f2");
  }
  std::string Path(const std::string& relative) { return support::JoinPath(dir.path(), relative); }
  void Write(const std::string& relative, const std::string& bytes) {
    ASSERT_TRUE(fs.WriteAtomic(Path(relative), bytes));
  }
  std::vector<std::string> Names(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& e : fs.List(support::JoinPath(Path(folder), "*"))) names.push_back(e.name);
    std::sort(names.begin(), names.end());
    return names;
  }

  TempFolder dir;
  Recorder fs;
  ScriptedDialogs dialogs;
};

TEST_F(FileOperations, CopyWholeFolderArrivesUnderItsName) {
  ASSERT_TRUE(CopyFolderItems(fs, dialogs, Path("src\\Files2\\"), Path("dst\\Data\\"), 0, false, ""));
  EXPECT_EQ(fs.ReadAll(Path("dst\\Data\\Files2\\Ca202612.kdf")), "f2");
  EXPECT_TRUE(fs.flags.silent && fs.flags.noConfirmation && fs.flags.filesOnly);
}

TEST_F(FileOperations, CopyListedNamesThatExist) {
  ASSERT_TRUE(CopyFolderItems(fs, dialogs, Path("src"), Path("dst"), 7, true,
                              "CaFT*.kdp,Ca20*.kdf,CaFromTo.kdf"));
  EXPECT_EQ(fs.items, std::vector<std::string>{Path("src\\Ca20*.kdf")});
  EXPECT_EQ(Names("dst"), (std::vector<std::string>{"Ca202612.kdf", "Ca202701.kdf"}));
  EXPECT_EQ(fs.flags.owner, 7u);
  EXPECT_FALSE(fs.flags.silent);  // the progress shows
  EXPECT_TRUE(fs.flags.noConfirmation && fs.flags.filesOnly);
  EXPECT_TRUE(dialogs.shown.empty());
}

TEST_F(FileOperations, CopyOfNoExistingNameIsToldAndCopiesNothing) {
  EXPECT_FALSE(CopyFolderItems(fs, dialogs, Path("src"), Path("dst"), 0, false,
                               "Velka.exe,Velda.ini"));
  EXPECT_EQ(dialogs.Texts(),
            std::vector<std::string>{"コピーするファイルが、１つも存在しません。\r\n中止します。"});
  EXPECT_EQ(fs.Calls(FailingFileSystem::Op::ShellCopy), 0);
  EXPECT_FALSE(fs.Exists(Path("dst")));
}

TEST_F(FileOperations, FailedShellCopyIsFalse) {
  fs.Fail(FailingFileSystem::Op::ShellCopy);
  EXPECT_FALSE(CopyFolderItems(fs, dialogs, Path("src"), Path("dst"), 0, false, ""));
}

TEST_F(FileOperations, DeleteFlagsFollowProgressAndRecycleBin) {
  ASSERT_TRUE(DeleteFolderItems(fs, Path("src"), "CaMemo.kdf,none.kdf", 0, true, true));
  EXPECT_EQ(fs.items, std::vector<std::string>{Path("src\\CaMemo.kdf")});
  EXPECT_TRUE(fs.flags.simpleProgress && fs.flags.allowUndo);
  EXPECT_FALSE(fs.flags.silent || fs.flags.noConfirmation);
  EXPECT_FALSE(fs.Exists(Path("src\\CaMemo.kdf")));

  ASSERT_TRUE(DeleteFolderItems(fs, Path("src\\"), "", 0, false, false));
  EXPECT_TRUE(fs.flags.simpleProgress && fs.flags.silent && fs.flags.noConfirmation);
  EXPECT_FALSE(fs.flags.allowUndo);
  EXPECT_FALSE(fs.Exists(Path("src")));
}

TEST_F(FileOperations, DeleteOfNothingListedSucceedsUntouched) {
  EXPECT_TRUE(DeleteFolderItems(fs, Path("src"), "a.kdf,b.kdf", 0, false, false));
  EXPECT_EQ(fs.Calls(FailingFileSystem::Op::ShellDelete), 0);
  EXPECT_EQ(Names("src").size(), 4u);
}

TEST_F(FileOperations, RenameMovesTheFolder) {
  ASSERT_TRUE(RenameFolder(fs, dialogs, Path("src\\Files2\\"), Path("Gen01\\"), 0, false));
  EXPECT_EQ(fs.items, (std::vector<std::string>{Path("src\\Files2"), Path("Gen01")}));
  EXPECT_TRUE(fs.flags.simpleProgress && fs.flags.silent && fs.flags.noConfirmation);
  EXPECT_EQ(fs.ReadAll(Path("Gen01\\Ca202612.kdf")), "f2");
}

TEST_F(FileOperations, RenameOfMissingSourceIsToldOnlyWithProgress) {
  EXPECT_FALSE(RenameFolder(fs, dialogs, Path("none"), Path("Gen01"), 0, false));
  EXPECT_TRUE(dialogs.shown.empty());
  EXPECT_FALSE(RenameFolder(fs, dialogs, Path("none"), Path("Gen01"), 0, true));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"元のフォルダが存在しません。"});
  EXPECT_EQ(fs.Calls(FailingFileSystem::Op::ShellMove), 0);
}

TEST_F(FileOperations, RenameNeverReplacesAnExistingFolder) {
  ASSERT_TRUE(fs.CreateFolder(Path("Gen01")));
  EXPECT_FALSE(RenameFolder(fs, dialogs, Path("src"), Path("Gen01"), 0, false));
  EXPECT_TRUE(fs.Exists(Path("src\\CaMemo.kdf")));
}

TEST_F(FileOperations, CopyMatchingFilesSkipsFoldersAndOverwrites) {
  ASSERT_TRUE(fs.CreateFolder(Path("dst")));
  Write("dst\\CaMemo.kdf", "old");
  ASSERT_TRUE(CopyMatchingFiles(fs, Path("src"), Path("dst\\"), "Ca2026*.kdf,CaMemo.kdf,*s2"));
  EXPECT_EQ(Names("dst"), (std::vector<std::string>{"Ca202612.kdf", "CaMemo.kdf"}));
  EXPECT_EQ(fs.ReadAll(Path("dst\\CaMemo.kdf")), "memo");
}

TEST_F(FileOperations, CopyMatchingFilesStopsAtTheFirstFailure) {
  ASSERT_TRUE(fs.CreateFolder(Path("dst")));
  fs.refuse = "CaMemo.kdf";
  EXPECT_TRUE(CopyMatchingFiles(fs, Path("src"), Path("dst"), "Ca2026*.kdf,CaMemo.kdf,Ca2027*.kdf"));
  EXPECT_EQ(Names("dst"), std::vector<std::string>{"Ca202612.kdf"});
  EXPECT_FALSE(CopyMatchingFiles(fs, Path("src"), Path("dst"), "CaMemo.kdf,Ca2027*.kdf"));
}

// Regression: the copy used to truncate the destination first, so a failed
// copy left it empty.
TEST_F(FileOperations, CopyOneFileLeavesTheDestinationWhenItFails) {
  Write("dst.kdf", "old");
  EXPECT_FALSE(CopyOneFile(fs, Path("missing.kdf"), Path("dst.kdf")));
  EXPECT_EQ(fs.ReadAll(Path("dst.kdf")), "old");
  EXPECT_TRUE(CopyOneFile(fs, Path("src\\CaMemo.kdf"), Path("dst.kdf")));
  EXPECT_EQ(fs.ReadAll(Path("dst.kdf")), "memo");
}

}  // namespace
}  // namespace platform
