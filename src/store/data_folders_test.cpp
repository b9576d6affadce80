#include "store/data_folders.h"

#include <gtest/gtest.h>

#include "store/store_test_fixture.h"
#include "platform/folders.h"
#include "support/paths.h"

namespace store {
namespace {

using Op = platform::FailingFileSystem::Op;
using Lines = std::vector<std::string>;

class DataFolders : public StoreTest {
 protected:
  DataFolders() {
    folders = Folders{};
    folders.programFolder = P("prog\\");
  }
  void MakeFolder(const std::string& relative) {
    platform::ScriptedDialogs quiet;
    ASSERT_TRUE(platform::ForceFolder(platform::RealFileSystem(), quiet, P(relative), true, false));
  }
  void RemoveFolder(const std::string& relative) { ASSERT_TRUE(fake.fs.RemoveEmptyFolder(P(relative))); }
  void Resolve(const std::string& edFolder = "") {
    ResolveDataFolders(fake.fs, fake.dialogs, edFolder, folders, sets);
  }
  DataSets sets;
};

TEST_F(DataFolders, ANewInstallationUsesFormatOneInTheProgramFolder) {
  MakeFolder("prog\\");
  Resolve();
  EXPECT_EQ(folders.dataRoot, P("prog\\"));
  EXPECT_EQ(folders.dataFolder, P("prog\\"));
  EXPECT_EQ(folders.commonDataFolder, P("prog\\"));
  EXPECT_EQ(sets.dataFormat, 1);
  EXPECT_EQ(sets.enabled, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(folders.setName, "Data\\Files1\\");
  EXPECT_TRUE(Texts().empty());
}

TEST_F(DataFolders, FormatTwoIsFoundBelowTheDataRoot) {
  MakeFolder("root\\Data\\Files1\\");
  MakeFolder("root\\Data\\Files3\\");
  Resolve(P("root"));
  EXPECT_EQ(folders.dataRoot, P("root\\"));
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files1\\"));
  EXPECT_EQ(folders.commonDataFolder, P("root\\Data\\"));
  EXPECT_EQ(sets.dataFormat, 2);
  EXPECT_EQ(sets.enabled, (std::array<bool, 3>{true, false, true}));
}

// A folder the file system does not show, as a share without the right to
// list it may look.
class HidingFileSystem : public platform::FailingFileSystem {
 public:
  HidingFileSystem(platform::FileSystem& inner, std::string hidden)
      : FailingFileSystem(inner), hidden_(std::move(hidden)) {}
  bool IsFolder(const std::string& p) override { return p != hidden_ && FailingFileSystem::IsFolder(p); }

 private:
  std::string hidden_;
};

TEST_F(DataFolders, FilesOneWithoutTheCommonFolderKeepsTheCommonFilesInTheRoot) {
  MakeFolder("root\\Data\\Files1\\");
  HidingFileSystem fs(platform::RealFileSystem(), P("root\\Data\\"));
  ResolveDataFolders(fs, fake.dialogs, P("root"), folders, sets);
  EXPECT_EQ(sets.dataFormat, 2);
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files1\\"));
  EXPECT_EQ(folders.commonDataFolder, P("root\\"));
}

TEST_F(DataFolders, OnlyTheCommonFolderStillMeansFormatTwo) {
  MakeFolder("root\\Data\\");
  Resolve(P("root"));
  EXPECT_EQ(sets.dataFormat, 2);
  EXPECT_EQ(folders.dataFolder, P("root\\"));
  EXPECT_EQ(folders.commonDataFolder, P("root\\Data\\"));
}

TEST_F(DataFolders, TheRootOnceSetStaysAndAChangedCommonFolderIsTold) {
  MakeFolder("root\\");
  Resolve(P("root"));
  EXPECT_TRUE(Texts().empty());  // the first resolution only counts
  EXPECT_EQ(sets.commonDataChanges, 1);
  MakeFolder("root\\Data\\");
  Resolve(P("elsewhere"));
  EXPECT_EQ(folders.dataRoot, P("root\\"));
  EXPECT_EQ(Texts(), Lines{"共通データが書き変わりました。(2)\r\n以前：" + P("root\\") + "\r\n今回：" +
                           P("root\\Data\\")});
  Resolve();
  EXPECT_EQ(Texts().size(), 1u);  // unchanged: nothing more to tell
}

// The month rollover resolves again: a user on Files2 must stay on Files2,
// or they would edit Files1 while the status bar says Files2.
TEST_F(DataFolders, OnlyTheUsersSwitchChangesTheSetInUse) {
  MakeFolder("root\\Data\\Files2\\");
  MakeFolder("root\\Data\\Files1\\");
  Resolve(P("root"));
  UseDataSet(folders, sets, 2);
  Resolve();
  EXPECT_EQ(sets.inUse, 2);
  EXPECT_EQ(folders.setName, "Data\\Files2\\");
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files2\\"));
  RemoveFolder("root\\Data\\Files2\\");  // gone meanwhile: back to the main set
  Resolve();
  EXPECT_EQ(sets.inUse, 1);
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files1\\"));
}

// A root that keeps its data in itself (format 1, or a stale format 2 in
// the settings): the main set is the root, never a Files1 that is not there.
TEST_F(DataFolders, TheMainSetIsWhereTheResolutionFoundIt) {
  MakeFolder("root\\");
  sets.dataFormat = 2;
  Resolve(P("root"));
  EXPECT_EQ(folders.dataFolder, P("root\\"));
  UseDataSet(folders, sets, 1);
  EXPECT_EQ(folders.dataFolder, P("root\\"));
}

TEST_F(DataFolders, SwitchingSets) {
  MakeFolder("root\\Data\\Files1\\");
  MakeFolder("root\\Data\\Files2\\");
  Resolve(P("root"));
  EXPECT_FALSE(CanSwitchDataSet(fake.fs, fake.dialogs, folders, sets, 1, false));  // in use
  EXPECT_FALSE(CanSwitchDataSet(fake.fs, fake.dialogs, folders, sets, 2, true));   // network
  EXPECT_TRUE(Texts().empty());
  EXPECT_FALSE(CanSwitchDataSet(fake.fs, fake.dialogs, folders, sets, 3, false));
  EXPECT_EQ(Texts(), Lines{P("root\\") + "Data\\Files3\\のフォルダがありません。\r\n"
                                         "セットアップされていない場合は、セットアップすれば、作成されます。"});
  ASSERT_TRUE(CanSwitchDataSet(fake.fs, fake.dialogs, folders, sets, 2, false));
  UseDataSet(folders, sets, 2);
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files2\\"));
  EXPECT_EQ(folders.setName, "Data\\Files2\\");
  ASSERT_TRUE(CanSwitchDataSet(fake.fs, fake.dialogs, folders, sets, 1, false));
  UseDataSet(folders, sets, 1);
  EXPECT_EQ(folders.dataFolder, P("root\\Data\\Files1\\"));
}

TEST_F(DataFolders, CreatesTheRootAndItsThreeSets) {
  EXPECT_TRUE(CreateDataFolders(fake.fs, fake.dialogs, P("new\\root\\"), true));
  for (const char* f : {"new\\root\\Data\\Files1", "new\\root\\Data\\Files2", "new\\root\\Data\\Files3"})
    EXPECT_TRUE(fake.fs.IsFolder(P(f))) << f;
  EXPECT_TRUE(Texts().empty());
}

TEST_F(DataFolders, TheFirstFolderThatCannotBeMadeIsTold) {
  struct Case {
    int createsBeforeFailure;
    const char* told;
  } cases[] = {{0, "運用フォルダが作成できません。\r\n中止します。"},
               {2, "メインデータフォルダが作成できません。\r\n中止します。"},
               {3, "サブデータフォルダが作成できません。\r\n中止します。"},
               {4, "Files3フォルダが作成できません。\r\n中止します。"}};
  int round = 0;
  for (const auto& c : cases) {
    platform::ScriptedDialogs dialogs;
    platform::FailingFileSystem fs(platform::RealFileSystem());
    // Folder creations: root, Data, Files1, Files2, Files3.
    std::string root = P(std::string("r") + std::to_string(round++) + "\\");
    for (int i = 0; i < c.createsBeforeFailure; ++i) {
      const char* parts[] = {"", "Data\\", "Data\\Files1\\", "Data\\Files2\\"};
      ASSERT_TRUE(platform::CreateFolderChain(fs, support::JoinPath(root, parts[i])));
    }
    fs.Fail(Op::CreateFolder, -1);
    EXPECT_FALSE(CreateDataFolders(fs, dialogs, root, true));
    EXPECT_EQ(dialogs.Texts(), Lines{c.told});
    platform::ScriptedDialogs quiet;
    EXPECT_FALSE(CreateDataFolders(fs, quiet, root, false));
    EXPECT_TRUE(quiet.shown.empty());
  }
}

class Conversion : public DataFolders {
 protected:
  void PutAt(const std::string& relative, std::string_view bytes = "x") {
    MakeFolder(support::ParentPart(P(relative)).substr(dir.path().size()) + "\\");
    ASSERT_TRUE(platform::RealFileSystem().WriteAtomic(P(relative), bytes));
  }
  bool Exists(const std::string& relative) { return platform::RealFileSystem().Exists(P(relative)); }
};

TEST_F(Conversion, FormatOneToTwoCopiesEachKindToItsPlace) {
  for (const char* f : {"old\\Ca200403.kdf", "old\\CaFromTo.kdf", "old\\CaFT4031.kdp", "old\\Ca197701.kdf",
                        "old\\Ca209912.kdf", "old\\Ca20040.kdf", "old\\CaMemo.kdf", "old\\Sday.kdf", "old\\CaME4031.kdp", "old\\Velda.ini",
                        "old\\Files2\\Ca200501.kdf", "old\\other.txt"})
    PutAt(f);
  MakeFolder("old\\Files3\\");
  EXPECT_TRUE(ConvertToFormat2(fake.services, P("old\\"), P("new\\"), true, false));
  for (const char* f : {"new\\Data\\Files1\\Ca200403.kdf", "new\\Data\\Files1\\CaFromTo.kdf",
                        "new\\Data\\Files1\\Ca197701.kdf", "new\\Data\\Files1\\Ca209912.kdf",
                        "new\\Data\\Files1\\CaFT4031.kdp", "new\\Data\\CaMemo.kdf", "new\\Data\\Sday.kdf",
                        "new\\Data\\CaME4031.kdp", "new\\Velda.ini", "new\\Data\\Files2\\Ca200501.kdf"})
    EXPECT_TRUE(Exists(f)) << f;
  for (const char* f : {"new\\Data\\Files1\\Ca20040.kdf", "new\\Data\\Files1\\CaMemo.kdf",
                        "new\\other.txt", "new\\Data\\Files1\\other.txt"})
    EXPECT_FALSE(Exists(f)) << f;
  EXPECT_TRUE(fake.fs.IsFolder(P("new\\Data\\Files3\\")));
  EXPECT_TRUE(Texts().empty());  // Files3 without data files is not told
}

TEST_F(Conversion, FormatOneToTwoTellsWhatIsMissing) {
  EXPECT_FALSE(ConvertToFormat2(fake.services, P("old\\"), P("new\\"), true, false));
  EXPECT_EQ(Texts(), Lines{"元データにデータファイルが一つもありません(101)。\r\n"
                           "データ形式１からデータ形式２にする過程（１）又はデータ回復を中止します。"});
  EXPECT_TRUE(fake.fs.IsFolder(P("new\\Data\\Files1\\")));

  fake.dialogs.shown.clear();
  PutAt("old\\Ca200403.kdf");
  MakeFolder("old\\Files2\\");
  EXPECT_TRUE(ConvertToFormat2(fake.services, P("old\\"), P("new\\"), true, false));
  EXPECT_EQ(Texts(), (Lines{"元データに共通データファイルが一つもありません(102)。\r\n"
                            "運用によってはこれらのファイルは、存在しない可能性もありますので、\r\n処理は続行します。",
                            "元データに \\Files2 のデータファイルが一つもありません(103)。\r\n"
                            "運用によってはこれらのファイルは、存在しない可能性もありますので、\r\n処理は続行します。",
                            "元データに設定されたファイルが一つもありません(105)。\r\n[ Velka.exe,Velda.ini,"
                            "Velclock.exe,CaSima.dat,HelpVelk.chm,Veluser.chm,HDay.dat,Readme.txt ]"
                            "以外のファイルは正常にコピーできています。\r\n何かキーを押してください。"}));
}

// Lets the first copies through and fails the n-th (from 0).
class FailNthCopy : public platform::FailingFileSystem {
 public:
  FailNthCopy(platform::FileSystem& inner, int n) : FailingFileSystem(inner), n_(n) {}
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const platform::ShellOpFlags& flags) override {
    return copies_++ != n_ && FailingFileSystem::ShellCopy(from, to, flags);
  }

 private:
  int n_;
  int copies_ = 0;
};

TEST_F(Conversion, EachConversionStopsAtTheFirstFailedCopy) {
  for (const char* f : {"old\\Ca200403.kdf", "old\\Sday.kdf", "old\\Files2\\Ca200501.kdf",
                        "old\\Files3\\Ca200601.kdf", "old\\Velda.ini", "v2\\Data\\Files1\\Ca200403.kdf",
                        "v2\\Data\\Sday.kdf", "v2\\Data\\Files2\\Ca200501.kdf",
                        "v2\\Data\\Files3\\Ca200601.kdf", "v2\\Velda.ini"})
    PutAt(f);
  const std::string to2 = "データ形式１からデータ形式２にする過程";
  const std::string to1 = "データ形式２からデータ形式１にする過程";
  const char* toFormat2[] = {"（１）又はデータ回復で", "（２）又はデータ回復で", "Files2", "Files3",
                             "（３）又はデータ回復で"};
  const char* toFormat1[] = {"（１）又はバックアップで", "（２）又はバックアップで", "Files2", "Files3",
                             "（３）又はバックアップで"};
  for (int n = 0; n < 5; ++n) {
    for (bool format2 : {true, false}) {
      platform::ScriptedDialogs dialogs;
      FailNthCopy fs(platform::RealFileSystem(), n);
      platform::Services os{fs, dialogs, fake.clock, fake.system, fake.shell, fake.clipboard};
      std::string dest = P("out" + std::to_string(n) + (format2 ? "a\\" : "b\\"));
      bool ok = format2 ? ConvertToFormat2(os, P("old\\"), dest, true, false)
                        : ConvertToFormat1(os, P("v2\\"), dest, true, false);
      EXPECT_FALSE(ok) << n;
      std::string expected;
      const char* step = format2 ? toFormat2[n] : toFormat1[n];
      if (n == 2 || n == 3)
        expected = format2 ? std::string("データ形式２の \\") + step + " フォルダを回復する過程で、エラーが発生しました。"
                           : std::string("データ形式２の \\") + step + " のバックアップで、エラーが発生しました。";
      else
        expected = (format2 ? to2 : to1) + step + "、エラーが発生しました。";
      EXPECT_EQ(dialogs.Texts(), Lines{expected}) << n << format2;
    }
  }
}

TEST_F(Conversion, FormatTwoToOneCopiesBackAndTellsMissingCommonFiles) {
  for (const char* f : {"v2\\Data\\Files1\\Ca200403.kdf", "v2\\Data\\Files1\\Ca199912.kdf",
                        "v2\\Data\\Files2\\Ca200501.kdf", "v2\\Velda.ini"})
    PutAt(f);
  EXPECT_TRUE(ConvertToFormat1(fake.services, P("v2\\"), P("v1\\"), true, false));
  EXPECT_TRUE(Exists("v1\\Ca200403.kdf"));
  EXPECT_TRUE(Exists("v1\\Ca199912.kdf"));
  EXPECT_TRUE(Exists("v1\\Files2\\Ca200501.kdf"));
  EXPECT_TRUE(Exists("v1\\Velda.ini"));
  EXPECT_EQ(Texts(), Lines{"元データに共通データファイルが一つもありません(202)。\r\n"
                           "運用によってはこれらのファイルは、存在しない可能性もありますので、\r\n"
                           "処理は続行します。\r\n何かキーを押してください。"});
}

TEST_F(Conversion, SubSetsAreLeftOutInNetworkMode) {
  PutAt("v2\\Data\\Files1\\Ca200403.kdf");
  PutAt("v2\\Data\\Files2\\Ca200501.kdf");
  PutAt("v2\\Data\\Sday.kdf");
  EXPECT_TRUE(ConvertToFormat1(fake.services, P("v2\\"), P("v1\\"), false, true));
  EXPECT_TRUE(Exists("v1\\Sday.kdf"));
  EXPECT_FALSE(Exists("v1\\Files2"));
}

TEST_F(Conversion, FormatTwoToOneWithoutDataFilesFails) {
  MakeFolder("v2\\Data\\Files1\\");
  EXPECT_FALSE(ConvertToFormat1(fake.services, P("v2\\"), P("v1\\"), false, false));
  EXPECT_EQ(Texts(), (Lines{"コピーするファイルが、１つも存在しません。\r\n中止します。",
                            "データ形式２からデータ形式１にする過程（１）又はバックアップで、エラーが発生しました。"}));
}

}  // namespace
}  // namespace store
