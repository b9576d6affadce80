// The clean-up after a setup, the shortcuts page and which pages each
// opening of the setup window shows.
#include "settings/setup_cleanup.h"

#include <gtest/gtest.h>

#include "settings/setup_tabs.h"
#include "settings/setup_test_fixture.h"
#include "settings/shortcuts.h"

namespace settings {
namespace {

using platform::MsgResult;
using Lines = std::vector<std::string>;

class CleanupTest : public SetupWorld {
 protected:
  CleanupTest() {
    guard.programFolder = Folder("AppFiles/Velda");
    guard.dataRoot = Folder("VeldaData");
  }
  bool Delete(CleanupMode mode, const std::string& path) {
    return DeleteSetupLeftover(os, mode, path, guard, 0);
  }
  CleanupGuard guard;
};

TEST_F(CleanupTest, AWorkFolderMadeByTheArchiveIsDeleted) {
  const std::string work = Folder("Temp/VeldaWork");
  Put(work, "localfol.kdf", "[Set]\r\n");
  Put(Folder("Temp/VeldaWork/Data/Files1"), "Ca202612.kdf", "x");
  EXPECT_TRUE(Delete(CleanupMode::WorkFolder, work));
  EXPECT_FALSE(Exists(work));
  ASSERT_EQ(fs.deleteFlags.size(), 1u);
  EXPECT_FALSE(fs.deleteFlags[0].allowUndo);  // for good, as the shell does it
  EXPECT_TRUE(fs.deleteFlags[0].silent);
  EXPECT_EQ(Texts(), Lines{"フォルダ[ " + work + " ]を削除しました。"});
}

TEST_F(CleanupTest, OnlyAWorkFolderIsEverDeleted) {
  const std::string plain = Folder("Documents");
  Put(plain, "letter.txt", "keep me");
  const std::string marked = guard.programFolder;
  Put(marked, "localfol.kdf", "[Set]\r\n");
  const std::string parent = Folder("AppFiles");
  Put(parent, "localfol.kdf", "[Set]\r\n");
  for (const std::string& folder : {plain, marked, parent, std::string(1, support::kPathSeparator)}) {
    fake.dialogs.shown.clear();
    EXPECT_FALSE(Delete(CleanupMode::WorkFolder, folder)) << folder;
    EXPECT_EQ(Texts(), Lines{"このフォルダ[ " + folder +
                             " ]はワークフォルダでない可能性がありますので、削除いたしません。"});
  }
  EXPECT_EQ(Read(plain + "letter.txt"), "keep me");
  EXPECT_TRUE(Exists(marked + "localfol.kdf"));
}

TEST_F(CleanupTest, TheArchiveGoesToTheRecycleBin) {
  const std::string archive = Folder("Downloads") + "VeldaSetup.exe";
  Put(Folder("Downloads"), "VeldaSetup.exe", "archive");
  EXPECT_TRUE(Delete(CleanupMode::ArchiveFile, archive));
  EXPECT_FALSE(Exists(archive));
  ASSERT_EQ(fs.deleteFlags.size(), 1u);
  EXPECT_TRUE(fs.deleteFlags[0].allowUndo);
  EXPECT_FALSE(Delete(CleanupMode::ArchiveFile, archive));  // gone already
  // Never a file of the program or of its data.
  Put(guard.programFolder, "Velda.exe", "program");
  EXPECT_FALSE(Delete(CleanupMode::ArchiveFile, guard.programFolder + "Velda.exe"));
  EXPECT_TRUE(Exists(guard.programFolder + "Velda.exe"));
  EXPECT_EQ(Texts(), (Lines{"[ " + archive + " ]を削除しました。", "[ " + archive + " ]は削除できませんでした。",
                            "[ " + guard.programFolder + "Velda.exe ]は削除できませんでした。"}));
}

// The name is the file's, literally: its comma splits nothing and a
// wildcard in it names no file.
TEST_F(CleanupTest, OnlyTheOneArchiveNamedIsDeleted) {
  const std::string downloads = Folder("Downloads");
  for (const char* name : {"a,b.zip", "a", "b.zip", "c.zip"}) Put(downloads, name, "keep");
  EXPECT_TRUE(Delete(CleanupMode::ArchiveFile, downloads + "a,b.zip"));
  EXPECT_FALSE(Exists(downloads + "a,b.zip"));
  EXPECT_FALSE(Delete(CleanupMode::ArchiveFile, downloads + "*.zip"));
  EXPECT_FALSE(Delete(CleanupMode::ArchiveFile, downloads + "?.zip"));
  EXPECT_FALSE(Delete(CleanupMode::ArchiveFile, Folder("Downloads/sub")));  // a folder is no archive
  for (const char* name : {"a", "b.zip", "c.zip"}) EXPECT_EQ(Read(downloads + name), "keep") << name;
  EXPECT_EQ(fs.deleteFlags.size(), 1u);
}

TEST_F(CleanupTest, AFailedDeletionIsTold) {
  const std::string work = Folder("Temp/Work");
  Put(work, "localfol.kdf", "[Set]\r\n");
  fs.Fail(platform::FailingFileSystem::Op::ShellDelete);
  EXPECT_FALSE(Delete(CleanupMode::WorkFolder, work));
  EXPECT_EQ(Texts(), Lines{"フォルダ[ " + work + " ]は削除できませんでした。"});
  EXPECT_TRUE(Exists(work + "localfol.kdf"));
}

TEST(CleanupTexts, TitlesAndNotes) {
  const CleanupTexts file = CleanupTextsOf(CleanupMode::ArchiveFile);
  EXPECT_EQ(file.title, "「楓歌」 Ver9.1.0　自己解凍書庫削除（確認）");
  EXPECT_EQ(file.pathLabel, "削除ファイル　：");
  EXPECT_EQ(file.pathColour, 0xFF00FFu);
  const CleanupTexts folder = CleanupTextsOf(CleanupMode::WorkFolder);
  EXPECT_EQ(folder.title, "「楓歌」 Ver9.1.0　ワークフォルダ削除（確認）");
  EXPECT_EQ(folder.notes.size(), 2u);
  EXPECT_EQ(folder.pathColour, 0xFF0000u);
}

class ShortcutTest : public SetupWorld {
 protected:
  ShortcutTest() {
    program = Folder("Velda");
    for (const ShortcutGroup& g : ShortcutGroups()) fake.system.specialFolders[g.csidl] = Folder("Link" + std::to_string(g.csidl));
  }
  std::string FolderOf(ShortcutKind kind) { return ShortcutFolder(fake.system, kind); }
  std::string program;
};

TEST_F(ShortcutTest, EachKindAsksAndMakesOrDeletesItsShortcut) {
  for (const ShortcutGroup& g : ShortcutGroups()) {
    fake.dialogs.shown.clear();
    EXPECT_FALSE(ShortcutPresent(os, g.kind));
    Answer({MsgResult::No});
    EXPECT_FALSE(TurnShortcutOn(os, g.kind, program));
    EXPECT_TRUE(TurnShortcutOn(os, g.kind, program));  // default Yes
    EXPECT_EQ(Read(FolderOf(g.kind) + "楓帳.lnk"), program + "Velda.exe");
    Put(FolderOf(g.kind), "Velda.lnk", "an older one");
    Answer({MsgResult::No});
    EXPECT_TRUE(TurnShortcutOff(os, g.kind));
    EXPECT_FALSE(TurnShortcutOff(os, g.kind));
    EXPECT_FALSE(Exists(FolderOf(g.kind) + "Velda.lnk"));
    EXPECT_EQ(Texts(), (Lines{g.onQuestion, g.onQuestion, g.offQuestion, g.offQuestion}));
    for (const auto& m : fake.dialogs.shown) EXPECT_EQ(m.caption, "確認 -楓帳-");
  }
  EXPECT_EQ(ShortcutGroups()[0].onQuestion, std::string("楓帳の自動起動を設定しても良いですか？"));
}

TEST_F(ShortcutTest, FailuresAreTold) {
  shell.refuse = true;
  EXPECT_FALSE(TurnShortcutOn(os, ShortcutKind::Desktop, program));
  EXPECT_EQ(Texts().back(), "ショートカットの作成に失敗しました。");
  Put(FolderOf(ShortcutKind::Desktop), "楓帳.lnk", "x");
  fs.Fail(platform::FailingFileSystem::Op::DeleteFile);
  EXPECT_TRUE(TurnShortcutOff(os, ShortcutKind::Desktop));
  EXPECT_EQ(Texts().back(), "ファイルの削除に失敗しました。");
}

TEST(SetupTabsTest, EachOpeningShowsItsPages) {
  const std::vector<SetupTab> maintenance{SetupTab::Copy, SetupTab::Install, SetupTab::Shortcuts};
  SetupTabLayout backup = TabsFor(SetupPage::Backup, true);
  EXPECT_EQ(backup.tabs, maintenance);
  EXPECT_EQ(backup.selected, SetupTab::Copy);
  EXPECT_FALSE(backup.exportShown);  // the backup menu hides the export
  SetupTabLayout exporting = TabsFor(SetupPage::Export, true);
  EXPECT_TRUE(exporting.exportShown && exporting.exportSelected);
  EXPECT_FALSE(TabsFor(SetupPage::Export, false).exportShown);
  EXPECT_EQ(TabsFor(SetupPage::Install, true).selected, SetupTab::Install);
  EXPECT_FALSE(TabsFor(SetupPage::Install, true).exportSelected);
  EXPECT_EQ(TabsFor(SetupPage::Shortcuts, false).selected, SetupTab::Shortcuts);
  EXPECT_EQ(TabsFor(SetupPage::Commemoration, true).tabs, std::vector<SetupTab>{SetupTab::Commemoration});
  EXPECT_EQ(TabsFor(SetupPage::SpecialDays, true).tabs, std::vector<SetupTab>{SetupTab::SpecialDays});
}

}  // namespace
}  // namespace settings
