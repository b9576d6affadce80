#include "platform/folders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "platform/doubles_testutil.h"
#include "platform/ini_file.h"
#include "support/paths.h"

namespace platform {
namespace {

std::string P(const std::string& path) { return support::ToNativeSeparators(path); }

// Folders in memory, with drive kinds by root.
class FolderSet : public FailingFileSystem {
 public:
  FolderSet() : FailingFileSystem(RealFileSystem()) {}
  bool Exists(const std::string& p) override { return folders.count(p) > 0; }
  // Succeeds under an existing folder or a writable drive root only.
  bool CreateFolder(const std::string& p) override {
    made.push_back(p);
    std::string parent = support::ParentPart(p);
    DriveKind root = KindOfDrive(parent + support::kPathSeparator);
    bool writable = folders.count(parent) || root == DriveKind::Fixed || root == DriveKind::Removable;
    return writable && folders.insert(p).second;
  }
  DriveKind KindOfDrive(const std::string& root) override {
    auto it = drives.find(root);
    return it == drives.end() ? DriveKind::Unknown : it->second;
  }
  std::set<std::string> folders;
  std::vector<std::string> made;
  std::map<std::string, DriveKind> drives{{P("C:/"), DriveKind::Fixed},
                                          {P("E:/"), DriveKind::Removable},
                                          {P("Q:/"), DriveKind::CdRom}};
};

TEST(CreateFolderChain, MakesMissingParentsFromTheDriveRootDown) {
  FolderSet fs;
  EXPECT_TRUE(CreateFolderChain(fs, P("C:/AppFiles/Velda/Data/")));
  EXPECT_EQ(fs.made, (std::vector<std::string>{P("C:/AppFiles"), P("C:/AppFiles/Velda"),
                                               P("C:/AppFiles/Velda/Data")}));
}

TEST(CreateFolderChain, StopsAtTheFirstExistingAncestor) {
  FolderSet fs;
  fs.folders.insert(P("E:/Velda"));
  EXPECT_TRUE(CreateFolderChain(fs, P("E:/Velda/Data/Files1")));
  EXPECT_EQ(fs.made, (std::vector<std::string>{P("E:/Velda/Data"), P("E:/Velda/Data/Files1")}));
}

TEST(CreateFolderChain, ACdRomRootIsNoStoppingPoint) {
  FolderSet fs;
  EXPECT_FALSE(CreateFolderChain(fs, P("Q:/Velda")));
  EXPECT_EQ(fs.made, (std::vector<std::string>{"Q:", P("Q:/Velda")}));
}

// Regression: a path without any separator above it used to recurse on an
// empty parent for ever.
TEST(CreateFolderChain, EndsOnPathsWithoutARoot) {
  FolderSet fs;
  EXPECT_FALSE(CreateFolderChain(fs, ""));
  EXPECT_FALSE(CreateFolderChain(fs, P("nowhere/a/b")));
  EXPECT_EQ(fs.made, (std::vector<std::string>{"nowhere", P("nowhere/a"), P("nowhere/a/b")}));
}

TEST(CreateFolderChain, MakesRealNestedFolders) {
  TempFolder dir;
  std::string deep = support::JoinPath(dir.path(), "a\\予定\\c\\");
  EXPECT_TRUE(CreateFolderChain(RealFileSystem(), deep));
  EXPECT_TRUE(RealFileSystem().IsFolder(deep));
  EXPECT_FALSE(CreateFolderChain(RealFileSystem(), deep));  // already there: nothing made
}

class ForceFolderTest : public testing::Test {
 protected:
  TempFolder dir;
  FakeServices fake;
  std::string missing = support::JoinPath(dir.path(), "Data\\Files1");
};

TEST_F(ForceFolderTest, ExistingFolderWithOrWithoutSeparator) {
  EXPECT_TRUE(ForceFolder(fake.fs, fake.dialogs, dir.path(), false, false));
  EXPECT_TRUE(ForceFolder(fake.fs, fake.dialogs, support::RemoveTrailingSeparator(dir.path()),
                          false, true));
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ForceFolderTest, MissingWithoutCreateAsksNothing) {
  EXPECT_FALSE(ForceFolder(fake.fs, fake.dialogs, missing, false, true));
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

TEST_F(ForceFolderTest, AskedNoMakesNothing) {
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(ForceFolder(fake.fs, fake.dialogs, missing + support::kPathSeparator, true, true));
  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(fake.dialogs.shown[0].text, "フォルダ[" + missing + "]が存在しません。\r\n作成しますか。");
  EXPECT_EQ(fake.dialogs.shown[0].defaultButton, 0);
  EXPECT_FALSE(fake.fs.Exists(missing));
}

TEST_F(ForceFolderTest, AskedYesMakesTheChain) {
  fake.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(ForceFolder(fake.fs, fake.dialogs, missing, true, true));
  EXPECT_TRUE(fake.fs.IsFolder(missing));
}

TEST_F(ForceFolderTest, FailureIsToldOnlyWhenAsking) {
  fake.fs.Fail(FailingFileSystem::Op::CreateFolder, -1);
  EXPECT_FALSE(ForceFolder(fake.fs, fake.dialogs, missing, true, false));
  EXPECT_TRUE(fake.dialogs.shown.empty());
  EXPECT_FALSE(ForceFolder(fake.fs, fake.dialogs, missing, true, true));
  ASSERT_EQ(fake.dialogs.shown.size(), 2u);
  EXPECT_EQ(fake.dialogs.shown[1].text,
            "フォルダ[" + missing + "]が作成出来ません。\r\nフォルダの作成を中止します。");
  EXPECT_EQ(fake.dialogs.shown[1].caption, "確認 -楓帳-");
}

TEST(FolderNames, ShortPathsAreNoticedButStillSplit) {
  ScriptedDialogs dialogs;
  EXPECT_EQ(LastFolderName(dialogs, P("ab/c")), "c");
  EXPECT_EQ(ParentPart(dialogs, P("ab/c")), "ab");
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text,
            "Currentfol--->５文字以上のフォルダでないとこの関数は使えません。");
}

TEST(FolderNames, FullPathsAreSplitQuietly) {
  ScriptedDialogs dialogs;
  std::string path = support::kPathSeparator == '\\' ? "C:\\Velda\\SafeGuard\\" : "/Velda/SafeGuard/";
  EXPECT_EQ(LastFolderName(dialogs, path), "SafeGuard");
  EXPECT_EQ(ParentPart(dialogs, path), P(support::kPathSeparator == '\\' ? "C:/Velda" : "/Velda"));
  EXPECT_TRUE(dialogs.shown.empty());
}

class Existence : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(fs.WriteAtomic(dir / "Ca202612.kdf", ""));
    ASSERT_TRUE(fs.CreateFolder(dir / "Files2"));
  }
  TempFolder dir;
  FileSystem& fs = RealFileSystem();
};

TEST_F(Existence, PathsAndWildcards) {
  EXPECT_TRUE(PathExists(fs, dir / "Ca20*.kdf"));
  EXPECT_TRUE(PathExists(fs, dir / "Files2"));
  EXPECT_FALSE(PathExists(fs, dir / "Ca19*.kdf"));
  EXPECT_TRUE(PlainFileExists(fs, dir / "Ca2*.kdf"));
  EXPECT_FALSE(PlainFileExists(fs, dir / "Files2"));
  EXPECT_FALSE(PlainFileExists(fs, dir / "none.kdf"));
}

TEST_F(Existence, AnyNameOfTheList) {
  EXPECT_TRUE(AnyNameExists(fs, dir.path(), "CaFT*.kdp,Ca20*.kdf,CaFromTo.kdf"));
  EXPECT_TRUE(AnyNameExists(fs, support::RemoveTrailingSeparator(dir.path()), "x,Files2"));
  EXPECT_FALSE(AnyNameExists(fs, dir.path(), "CaMe*.kdp,CaMemo.kdf"));
  EXPECT_FALSE(AnyNameExists(fs, dir.path(), ",,"));  // empty pieces never name the folder
  EXPECT_FALSE(AnyNameExists(fs, dir.path(), ""));
}

// "#" is one digit: the month files of every year and nothing else, which
// the system's "?" (it may match nothing before the dot) cannot say.
TEST(NameMatchesTest, DigitsWildcardsAndCase) {
  struct Case {
    const char* pattern;
    const char* name;
    bool matches;
  };
  const Case cases[] = {
      {"Ca######.kdf", "Ca197701.kdf", true}, {"Ca######.kdf", "ca209912.KDF", true},
      {"Ca######.kdf", "CaMemo.kdf", false},  {"Ca######.kdf", "CaFromTo.kdf", false},
      {"Ca######.kdf", "Ca20261.kdf", false}, {"Ca######.kdf", "Ca2026123.kdf", false},
      {"Ca######.kdf", "Ca202612.kdf.tmp", false}, {"CaFT*.kdp", "CaFT1208.kdp", true},
      {"CaFT*.kdp", "CaFT.kdp", true},        {"*.k?f", "x.kdf", true},
      {"*.k?f", "x.kf", false},               {"", "", true},
  };
  for (const Case& c : cases) EXPECT_EQ(NameMatches(c.pattern, c.name), c.matches) << c.pattern << " " << c.name;
}

TEST_F(Existence, ListNamedTestsEveryNameItself) {
  for (const char* name : {"Ca197701.kdf", "CaMemo.kdf", "CaFromTo.kdf", "Ca20261.kdf"})
    ASSERT_TRUE(fs.WriteAtomic(dir / name, ""));
  std::vector<std::string> names;
  for (const DirEntry& e : ListNamed(fs, dir.path(), "Ca######.kdf")) names.push_back(e.name);
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"Ca197701.kdf", "Ca202612.kdf"}));
  EXPECT_TRUE(AnyNameExists(fs, dir.path(), "x,Ca######.kdf"));
  EXPECT_FALSE(AnyNameExists(fs, dir.path(), "Cb######.kdf"));
}

TEST_F(Existence, FileDateOrNothing) {
  EXPECT_EQ(FileDate(fs, dir / "Ca202612.kdf"), fs.ModifiedTime(dir / "Ca202612.kdf"));
  EXPECT_TRUE(FileDate(fs, dir / "Ca202612.kdf").has_value());
  EXPECT_EQ(FileDate(fs, dir / "none.kdf"), std::nullopt);
}

TEST(LocalFolderFile, WritesFolderAndFirstKeepingOtherKeys) {
  TempFolder dir;
  FileSystem& fs = RealFileSystem();
  ASSERT_TRUE(fs.WriteAtomic(dir / "localfol.kdf", "[Set]\r\nFirst=1\r\nOther=x\r\n"));
  ASSERT_TRUE(WriteLocalFolderFile(fs, dir.path()));
  support::IniText ini;
  ASSERT_TRUE(LoadIniFile(fs, dir / "localfol.kdf", ini));
  EXPECT_EQ(ini.ReadString("Set", "Folder", ""), dir.path());
  EXPECT_EQ(ini.ReadString("Set", "First", ""), "0");
  EXPECT_EQ(ini.ReadString("Set", "Other", ""), "x");
}

}  // namespace
}  // namespace platform
