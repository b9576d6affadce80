#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/ini_file.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::FailingFileSystem;
using support::JoinPath;

class SettingsFileTest : public testing::Test {
 protected:
  SettingsFileTest() {
    facts.programFolder = temp.path();
    facts.settingsFolder = temp.path();
    facts.workArea = {0, 0, 1280, 984};
    facts.windowWidth = 800;
    facts.windowHeight = 600;
    os.system.shellMajor = 6;
  }

  std::string IniPath() const { return temp / "Velda.ini"; }
  void WriteText(const std::string& path, const std::string& utf8) {
    ASSERT_TRUE(os.fs.WriteAtomic(path, support::Utf8ToCp932(utf8)));
  }
  std::string ReadText(const std::string& path) {
    return support::Cp932ToUtf8(os.fs.ReadAll(path).value_or("<missing>"));
  }
  LoadOutcome Load() { return LoadSettings(os.services, facts, s, folders); }

  platform::TempFolder temp;
  platform::FakeServices os;
  StartupFacts facts;
  Settings s;
  DataFolderState folders;
};

TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndTheFirstSaveWritesEveryKey) {
  LoadOutcome out = Load();
  EXPECT_EQ(out.fileRead, "");
  EXPECT_TRUE(s.cbHotkey);
  EXPECT_EQ(s.vCalGyou, 5);
  EXPECT_EQ(s.edtCYotei, 0x00484848u);
  EXPECT_EQ(s.pTimer, (TimeOfDay{9, 0, 0}));  // the clock's time
  EXPECT_TRUE(os.dialogs.shown.empty());

  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s));
  support::IniText ini;
  ASSERT_TRUE(platform::LoadIniFile(os.fs, IniPath(), ini));
  EXPECT_EQ(ini.Sections(), (std::vector<std::string>{"Header", "kanri", "Set2", "Settei",
                                                       "Option", "SeMCal", "Velprin", "Memo"}));
  EXPECT_EQ(ini.ReadString("Header", "Version", ""), "Ver9.1.0");
  EXPECT_EQ(ini.ReadString("Header", "Folder", ""), facts.programFolder);
  for (const auto& row : SettingsKeys())
    EXPECT_TRUE(ini.ValueExists(row.section, row.key)) << row.key;
  EXPECT_EQ(ini.ReadString("Option", "edtCWeekDay", ""), "clWindowText");
  EXPECT_EQ(ini.ReadString("Settei", "pTimer", ""), "9:00");
  EXPECT_EQ(ini.ReadString("Settei", "edFolder", "x"), "");
}

TEST_F(SettingsFileTest, SavedSettingsLoadBackEqual) {
  Load();
  s.edtKColor = 0x00123456;
  s.edFolder = "D:\\予定\\";
  s.cbBackKankaku = 4;
  s.HyoujiIchi = 1;
  s.fmC21Left = 17;
  s.fmC21Top = 33;
  s.pTimer = {18, 5, 0};
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s));
  Settings again{};
  DataFolderState otherRun;
  LoadOutcome out = LoadSettings(os.services, facts, again, otherRun);
  EXPECT_EQ(out.fileRead, IniPath());
  for (const auto& row : SettingsKeys()) EXPECT_EQ(ValueText(row, again), ValueText(row, s)) << row.key;
  EXPECT_FALSE(out.placement.centred);
  EXPECT_EQ(out.placement.left, 17);
}

TEST_F(SettingsFileTest, HandWrittenFileKeepsUnknownKeysAndSectionsOfOthers) {
  WriteText(IniPath(),
            "; by hand\r\n[Settei]\r\ncbHotkey=0\r\nMyOwnKey=kept\r\nudKidouGyou=lots\r\n"
            "[fmDay]\r\nfmTop=120\r\n[Memo]\r\nvCLine1=4\r\n");
  Load();
  EXPECT_FALSE(s.cbHotkey);
  EXPECT_EQ(s.udKidouGyou, 100);
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s));
  const std::string text = ReadText(IniPath());
  EXPECT_EQ(text.rfind("; by hand\r\n[Settei]\r\ncbHotkey=0\r\nMyOwnKey=kept\r\nudKidouGyou=100\r\n", 0),
            0u)
      << text;
  EXPECT_NE(text.find("[fmDay]\r\nfmTop=120\r\n"), std::string::npos);
  EXPECT_NE(text.find("vCLine1=4\r\nvisMemoMHide=0\r\n"), std::string::npos);
}

TEST_F(SettingsFileTest, FailedWriteReportsFalseAndLeavesTheFileAlone) {
  WriteText(IniPath(), "[Settei]\r\ncbHotkey=0\r\n");
  os.fs.Fail(FailingFileSystem::Op::WriteAtomic);
  EXPECT_FALSE(SaveSettings(os.fs, IniPath(), facts.programFolder, DefaultSettings()));
  EXPECT_EQ(ReadText(IniPath()), "[Settei]\r\ncbHotkey=0\r\n");
  EXPECT_TRUE(os.dialogs.shown.empty());
}

TEST_F(SettingsFileTest, UnreadableFileIsNotOverwritten) {
  WriteText(IniPath(), "[Setup]\r\nedtCopy1=E:\\backup\\\r\n");
  const int writes = os.fs.Calls(FailingFileSystem::Op::WriteAtomic);
  os.fs.Fail(FailingFileSystem::Op::ReadAll);
  EXPECT_FALSE(SaveSettings(os.fs, IniPath(), facts.programFolder, DefaultSettings()));
  EXPECT_EQ(os.fs.Calls(FailingFileSystem::Op::WriteAtomic), writes);
  EXPECT_EQ(ReadText(IniPath()), "[Setup]\r\nedtCopy1=E:\\backup\\\r\n");
}

// A file that is there is read as patiently as the data; one that still
// cannot be read is named, so the run never saves defaults over it.
TEST_F(SettingsFileTest, AFileThatCannotBeReadIsRetriedThenNamed) {
  WriteText(IniPath(), "[Settei]\r\ncbHotkey=0\r\n");
  os.fs.Fail(FailingFileSystem::Op::ReadAll, 4);
  LoadOutcome out = Load();
  EXPECT_EQ(out.fileRead, IniPath());
  EXPECT_FALSE(s.cbHotkey);
  EXPECT_EQ(os.clock.sleeps, (std::vector<unsigned>(4, 500)));
  os.fs.Fail(FailingFileSystem::Op::ReadAll, 5);
  out = Load();
  EXPECT_EQ(out.fileRead, "");
  EXPECT_EQ(out.unreadable, IniPath());
}

// "José" has no Shift-JIS form: written as "?" it would move the data
// root for good at the next start.
TEST_F(SettingsFileTest, APathTheFileCannotHoldIsWrittenShortOrNotAtAll) {
  WriteText(IniPath(), "[Settei]\r\nedFolder=D:\\予定\\\r\n");
  Load();
  s.edFolder = "C:\\Users\\José\\予定\\";
  s.edtEditorFolder = "C:\\Users\\José\\Gakto.exe";
  os.fs.shortPaths[s.edFolder] = "C:\\Users\\JOS~1\\予定\\";
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s));
  const std::string text = ReadText(IniPath());
  EXPECT_NE(text.find("edFolder=C:\\Users\\JOS~1\\予定\\"), std::string::npos);
  EXPECT_EQ(text.find("edtEditorFolder"), std::string::npos);  // no short form, nothing before
  EXPECT_EQ(text.find('?'), std::string::npos);
  os.fs.shortPaths.clear();
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s));
  EXPECT_NE(ReadText(IniPath()).find("edFolder=C:\\Users\\JOS~1\\予定\\"), std::string::npos);
}

// A shared folder given with "/DN" is for that run: the user's network keys
// stay in the file.
TEST_F(SettingsFileTest, KeepNetworkKeysLeavesThemAsTheFileHasThem) {
  WriteText(IniPath(), "[Settei]\r\ncbNet=1\r\nedtNetFolder=\\\\srv\\velda\\\r\n");
  Load();
  s.cbNet = false;
  s.edtNetFolder = "\\\\other\\share\\";
  s.cbHotkey = false;
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, s, SaveScope::KeepNetworkKeys));
  const std::string text = ReadText(IniPath());
  EXPECT_NE(text.find("cbNet=1"), std::string::npos);
  EXPECT_NE(text.find("edtNetFolder=\\\\srv\\velda\\"), std::string::npos);
  EXPECT_NE(text.find("cbHotkey=0"), std::string::npos);
}

TEST_F(SettingsFileTest, LocalModeFallsBackOnTheProgramFolderFile) {
  platform::TempFolder user;
  facts.settingsFolder = user.path();
  WriteText(IniPath(), "[Settei]\r\ncbMemo=0\r\n");

  EXPECT_EQ(FileToRead(os.services, facts), "");  // not local: the user's file only
  facts.localMode = true;
  EXPECT_EQ(FileToRead(os.services, facts), IniPath());
  WriteText(user / "Velda.ini", "[Settei]\r\ncbMemo=1\r\n");
  EXPECT_EQ(FileToRead(os.services, facts), user / "Velda.ini");
}

TEST_F(SettingsFileTest, NetworkCopyWithoutAUserPathSaysSo) {
  platform::TempFolder user;
  facts.settingsFolder = user.path();
  facts.localMode = true;
  facts.onNetworkDrive = true;
  WriteText(temp / "Kidou.kdf", "");
  os.system.specialFolders[platform::kProfileFolder] = "C:\\Users\\tanaka\\";
  EXPECT_EQ(FileToRead(os.services, facts), "");
  EXPECT_TRUE(os.dialogs.shown.empty());

  os.system.specialFolders[platform::kProfileFolder] = "C:\\ab\\";
  EXPECT_EQ(FileToRead(os.services, facts), "");
  EXPECT_EQ(os.dialogs.Texts(), std::vector<std::string>{"ユーザーパスが取得できません。"});
}

TEST_F(SettingsFileTest, DataFoldersOfTheNewLayout) {
  os.fs.CreateFolder(temp / "Data");
  os.fs.CreateFolder(JoinPath(temp.path(), "Data\\Files1"));
  os.fs.CreateFolder(JoinPath(temp.path(), "Data\\Files3"));
  Load();
  EXPECT_EQ(s.yDataForm, 2);
  EXPECT_EQ(folders.folders.dataRoot, temp.path());
  EXPECT_EQ(folders.folders.dataFolder, JoinPath(temp.path(), "Data\\Files1\\"));
  EXPECT_EQ(folders.folders.commonDataFolder, JoinPath(temp.path(), "Data\\"));
  EXPECT_EQ(folders.sets.enabled, (std::array<bool, 3>{true, false, true}));
}

TEST_F(SettingsFileTest, DataFoldersOfTheOldLayout) {
  platform::TempFolder data;
  WriteText(IniPath(), "[Settei]\r\nedFolder=" + data.path() + "\r\n");
  Load();
  EXPECT_EQ(s.yDataForm, 1);
  EXPECT_EQ(folders.folders.dataFolder, data.path());
  EXPECT_EQ(folders.folders.commonDataFolder, data.path());
  EXPECT_EQ(folders.sets.enabled, (std::array<bool, 3>{false, false, false}));
}

TEST_F(SettingsFileTest, SharedDataNeedTheSharedFolder) {
  platform::TempFolder net;
  WriteText(IniPath(), "[Settei]\r\ncbNet=1\r\nvNet_flg=1\r\nedtNetFolder=" + net.path() + "\r\n");
  LoadOutcome out = Load();
  EXPECT_FALSE(folders.networkOn);
  EXPECT_TRUE(folders.netFolderMissing);
  EXPECT_FALSE(s.vNet_flg);
  EXPECT_EQ(folders.folders.dataFolder, temp.path());
  EXPECT_EQ(out.netFiles.menteLock, net / "mente.lock");

  os.fs.CreateFolder(net / "Data");
  os.fs.CreateFolder(JoinPath(net.path(), "Data\\Files1"));
  Settings again{};
  DataFolderState run;
  LoadSettings(os.services, facts, again, run);
  EXPECT_TRUE(run.networkOn);
  EXPECT_FALSE(run.netFolderMissing);
  EXPECT_EQ(run.folders.dataFolder, JoinPath(net.path(), "Data\\Files1\\"));
}

TEST_F(SettingsFileTest, ChangedCommonDataFolderIsCountedAndShownAfterTheFirstLoad) {
  Load();
  Load();
  EXPECT_TRUE(os.dialogs.shown.empty());  // same folder again
  os.fs.CreateFolder(temp / "Data");
  folders.folders.dataFolder.clear();  // a re-initialisation of the folders
  Load();
  ASSERT_EQ(os.dialogs.shown.size(), 1u);
  EXPECT_EQ(os.dialogs.shown[0].text, "共通データが書き変わりました。(2)\r\n以前：" + temp.path() +
                                          "\r\n今回：" + JoinPath(temp.path(), "Data\\"));
  EXPECT_EQ(os.dialogs.shown[0].caption, "確認 -楓帳-");
}

TEST_F(SettingsFileTest, OptionsWindowKeysDefaultToNowAndKeepTheMainKeys) {
  OptionsWindowKeys keys = LoadOptionsWindowKeys(os.services, IniPath());
  EXPECT_EQ(keys.vTime, "090000");
  EXPECT_TRUE(keys.rbDay);
  EXPECT_EQ(keys.cbYoubi, 1);
  ASSERT_TRUE(SaveSettings(os.fs, IniPath(), facts.programFolder, DefaultSettings()));
  keys.PageIndex = 3;
  keys.vTime = "213000";
  ASSERT_TRUE(SaveOptionsWindowKeys(os.fs, IniPath(), keys));
  os.clock.Advance(60000);
  OptionsWindowKeys again = LoadOptionsWindowKeys(os.services, IniPath());
  EXPECT_EQ(again.PageIndex, 3);
  EXPECT_EQ(ParseCompactTime(again.vTime), (TimeOfDay{21, 30, 0}));
  Load();
  EXPECT_TRUE(s.cbHotkey);
}

TEST_F(SettingsFileTest, MemoKeysUnderEitherSection) {
  MemoWindowKeys base{};
  base.fmMemoWidth = 640;  // the window's design value
  MemoWindowKeys memo = LoadMemoWindowKeys(os.fs, IniPath(), "Kensaku", base);
  EXPECT_EQ(memo.fmMemoWidth, 640);
  EXPECT_EQ(memo.vEditorFile, "無題");
  EXPECT_TRUE(memo.visMemoBtn);
  memo.vCLine1 = 9;
  ASSERT_TRUE(SaveMemoWindowKeys(os.fs, IniPath(), "Kensaku", memo));
  EXPECT_EQ(LoadMemoWindowKeys(os.fs, IniPath(), "Kensaku", base).vCLine1, 9);
  EXPECT_EQ(LoadMemoWindowKeys(os.fs, IniPath(), "Memo", base).vCLine1, 2);
}

TEST_F(SettingsFileTest, CommemorationFileAlwaysNamesTheProduct) {
  CommemorationSettings c = LoadCommemoration(os.fs, temp.path());
  EXPECT_EQ(c.pCedtSp, "かえで記念機能");
  EXPECT_EQ(c.pCedtSPColor, store::kClTeal);
  c.pCedtMigishita = "something else";
  c.pCcbYuusen = false;
  ASSERT_TRUE(SaveCommemoration(os.fs, temp.path(), c));
  support::IniText ini;
  ASSERT_TRUE(platform::LoadIniFile(os.fs, temp / "Cmr.kdf", ini));
  EXPECT_EQ(ini.ReadString("Commemoration", "pCedtMigishita", ""), "楓帳 -Velda-");
  EXPECT_FALSE(LoadCommemoration(os.fs, temp.path()).pCcbYuusen);
}

}  // namespace
}  // namespace settings
