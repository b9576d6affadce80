#include "settings/options.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

using platform::MsgResult;

class OptionsTest : public testing::Test {
 protected:
  OptionsTest() {
    context.programFolder = temp.path();
    context.shellMajorVersion = 6;
    s = DefaultSettings();
  }

  OptionsForm Open() { return FillOptions(s, OptionsWindowKeys{}, memo, context); }

  platform::TempFolder temp;
  platform::FakeServices os;
  OptionsContext context;
  Settings s;
  MemoWindowKeys memo;
};

TEST_F(OptionsTest, ProgramFolderInAnotherLetterCaseIsStoredEmpty) {
  OptionsForm form = Open();
  form.values.edFolder = support::ToUpperAscii(support::RemoveTrailingSeparator(temp.path()));
  CopyOptionsBack(form, context, s, memo);
  EXPECT_EQ(s.edFolder, "");
  form.values.edFolder = temp / "data";
  CopyOptionsBack(form, context, s, memo);
  EXPECT_EQ(s.edFolder, temp / "data");
}

TEST_F(OptionsTest, BackupIntervalFollowsTheChosenIndex) {
  s.cbBackKankaku = 3;  // read from a file without vBackKankaku
  s.vBackKankaku = 0;
  CopyOptionsBack(Open(), context, s, memo);
  EXPECT_EQ(s.vBackKankaku, 7);
}

TEST_F(OptionsTest, OnlyTheWindowsControlsGoBack) {
  OptionsForm form = Open();
  form.values.cbBold = false;
  form.values.edtCSun = store::kClBlue;
  form.values.visMemoMHide = true;
  form.values.fmC21Top = 999;   // no control: the main window's value stays
  form.values.vNet_flg = true;  // switched by the network code only
  form.memo.vMenuCount = 12;
  s.fmC21Top = 40;  // moved while the window was open
  CopyOptionsBack(form, context, s, memo);
  EXPECT_FALSE(s.cbBold);
  EXPECT_EQ(s.edtCSun, store::kClBlue);
  EXPECT_TRUE(s.visMemoMHide);
  EXPECT_EQ(s.fmC21Top, 40);
  EXPECT_FALSE(s.vNet_flg);
  EXPECT_EQ(memo.vMenuCount, 12);
}

TEST_F(OptionsTest, ResetGivesTheSixDefaultColoursOnly) {
  OptionsForm form = Open();
  for (auto m : {&Settings::edtCYotei, &Settings::edtCRokuyo, &Settings::edtCKinenbi,
                 &Settings::edtCSun, &Settings::edtCSat, &Settings::edtCWeekDay, &Settings::edtKColor})
    form.values.*m = 0x00010203;
  ResetTextColors(form.values);
  EXPECT_EQ(form.values.edtCYotei, 0x00484848u);
  EXPECT_EQ(form.values.edtCRokuyo, 0x00484848u);
  EXPECT_EQ(form.values.edtCKinenbi, 0x00008000u);
  EXPECT_EQ(form.values.edtCSun, 0x000000FFu);
  EXPECT_EQ(form.values.edtCSat, store::kClBlue);
  EXPECT_EQ(form.values.edtCWeekDay, store::kClWindowText);
  EXPECT_EQ(form.values.edtKColor, 0x00010203u);  // the period colour is no text colour
}

TEST_F(OptionsTest, OldShellAndCdRomDisableTheirControls) {
  s.cbToday = true;
  context.shellMajorVersion = 4;
  context.onCdRom = true;
  OptionsForm form = Open();
  EXPECT_FALSE(form.cbTodayEnabled);
  EXPECT_FALSE(form.values.cbToday);
  EXPECT_FALSE(form.cbLocalEnabled);
  context.shellMajorVersion = 5;
  EXPECT_TRUE(Open().cbTodayEnabled);
}

TEST_F(OptionsTest, RemovableDriveOffersToTurnBackupOff) {
  EXPECT_EQ(ConfirmBackupInterval(3, false, os.dialogs), 3);
  EXPECT_EQ(ConfirmBackupInterval(0, true, os.dialogs), 0);
  EXPECT_TRUE(os.dialogs.shown.empty());

  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_EQ(ConfirmBackupInterval(3, true, os.dialogs), 0);
  os.dialogs.Answer(MsgResult::No);
  EXPECT_EQ(ConfirmBackupInterval(5, true, os.dialogs), 5);
  ASSERT_EQ(os.dialogs.shown.size(), 4u);
  EXPECT_EQ(os.dialogs.shown[0].defaultButton, 0);  // Yes
  EXPECT_EQ(os.dialogs.shown[1].text, "自動バックアップは、行いません。");
  EXPECT_EQ(os.dialogs.shown[3].text,
            "起動したパソコンに、自動的にデータをバックアップする可能性があります。\r\nご注意下さい。");
}

TEST_F(OptionsTest, LocalMarkerIsWrittenAndDeleted) {
  const std::string marker = temp / "localfol.kdf";
  ASSERT_TRUE(SetLocalMarker(os.fs, context, true));
  support::IniText ini;
  ASSERT_TRUE(platform::LoadIniFile(os.fs, marker, ini));
  EXPECT_EQ(ini.ReadString("Set", "Folder", ""), temp.path());
  EXPECT_EQ(ini.ReadString("Set", "First", ""), "0");
  ASSERT_TRUE(SetLocalMarker(os.fs, context, false));
  EXPECT_FALSE(os.fs.Exists(marker));
  EXPECT_TRUE(SetLocalMarker(os.fs, context, false));  // already gone

  context.onCdRom = true;
  EXPECT_FALSE(SetLocalMarker(os.fs, context, true));
  EXPECT_FALSE(os.fs.Exists(marker));
}

class LocalFolderEditTest : public OptionsTest {
 protected:
  LocalFolderEdit edit{"old"};
};

TEST_F(LocalFolderEditTest, PendingChangeHoldsTheFocusUntilDecided) {
  EXPECT_TRUE(edit.MayLeave(os.dialogs));
  edit.Begin();
  EXPECT_FALSE(edit.MayLeave(os.dialogs));
  EXPECT_EQ(os.dialogs.Texts(), std::vector<std::string>{"変更実行か、キャンセルか、決めて下さい。"});
  edit.Cancel();
  EXPECT_EQ(edit.text(), "old");
  EXPECT_TRUE(edit.MayLeave(os.dialogs));
}

TEST_F(LocalFolderEditTest, NoToTheQuestionChangesNothing) {
  edit.Begin();
  EXPECT_FALSE(edit.Execute(os.services, context.programFolder, temp.path()));
  EXPECT_TRUE(edit.pending());
  EXPECT_EQ(os.dialogs.shown.at(0).caption, "確認 -楓帳-");
  EXPECT_EQ(os.dialogs.shown.at(0).defaultButton, 1);  // No
}

TEST_F(LocalFolderEditTest, SameFolderAborts) {
  LocalFolderEdit same{temp.path()};
  same.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_FALSE(same.Execute(os.services, context.programFolder,
                            support::RemoveTrailingSeparator(temp.path())));
  EXPECT_EQ(os.dialogs.shown.back().text, "フォルダが変更されていません\r\n中止します。");
  EXPECT_FALSE(same.pending());
  EXPECT_FALSE(same.changed());
}

TEST_F(LocalFolderEditTest, ExistingFolderIsTakenWithItsSeparator) {
  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(edit.Execute(os.services, context.programFolder,
                           support::RemoveTrailingSeparator(temp.path())));
  EXPECT_EQ(edit.text(), temp.path());
  EXPECT_TRUE(edit.changed());
  EXPECT_FALSE(edit.pending());
  EXPECT_EQ(os.dialogs.shown.back().text.rfind("データフォルダを変更しました。", 0), 0u);
}

// The settings file is Shift-JIS: a folder named with characters it cannot
// hold goes in its short form, or is refused before anything is saved.
TEST_F(LocalFolderEditTest, AFolderTheSettingsCannotHoldIsShortenedOrRefused) {
  const std::string jose = support::JoinPath(temp.path(), "José\\");
  ASSERT_TRUE(os.fs.CreateFolder(support::RemoveTrailingSeparator(jose)));
  os.fs.shortPaths[jose] = "";  // a volume without 8.3 names
  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_FALSE(edit.Execute(os.services, context.programFolder, jose));
  EXPECT_EQ(os.dialogs.shown.back().text, platform::UnstorableFolderText(jose));
  EXPECT_EQ(edit.text(), "old");
  EXPECT_FALSE(edit.changed());

  os.fs.shortPaths[jose] = support::JoinPath(temp.path(), "JOS~1\\");
  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(edit.Execute(os.services, context.programFolder, jose));
  EXPECT_EQ(edit.text(), support::JoinPath(temp.path(), "JOS~1\\"));
}

TEST_F(LocalFolderEditTest, MissingFolderIsCreatedWhenWanted) {
  const std::string target = support::JoinPath(temp.path(), "a\\b\\c\\");
  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  os.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(edit.Execute(os.services, context.programFolder, target));
  EXPECT_EQ(os.dialogs.shown.back().text, "変更は、キャンセルされます。");
  EXPECT_EQ(edit.text(), "old");
  EXPECT_FALSE(os.fs.IsFolder(target));

  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  os.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(edit.Execute(os.services, context.programFolder, target));
  EXPECT_TRUE(os.fs.IsFolder(target));
  EXPECT_EQ(edit.text(), target);
}

TEST_F(LocalFolderEditTest, FolderThatCannotBeMadeRestoresTheOldText) {
  edit.Begin();
  os.dialogs.Answer(MsgResult::Yes);
  os.dialogs.Answer(MsgResult::Yes);
  os.fs.Fail(platform::FailingFileSystem::Op::CreateFolder, -1);
  EXPECT_FALSE(edit.Execute(os.services, context.programFolder, temp / "new"));
  const auto& box = os.dialogs.shown.back();
  EXPECT_EQ(box.text, "データフォルダを作成できません。");
  EXPECT_EQ(box.caption, "エラー");
  EXPECT_EQ(box.icon, platform::MsgIcon::Error);
  EXPECT_EQ(edit.text(), "old");
  EXPECT_FALSE(edit.changed());
}

}  // namespace
}  // namespace settings
