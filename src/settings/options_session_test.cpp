#include "settings/options_session.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/ini_file.h"
#include "settings/settings_file.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace settings {
namespace {

using C = OptionsChanges;

struct ChangeCase {
  const char* key;
  const char* value;
  std::vector<bool C::*> expected;
};

class OptionsChangesOf : public testing::TestWithParam<ChangeCase> {};

// One key changed gives exactly the work it needs, nothing more.
TEST_P(OptionsChangesOf, OneKeyGivesItsWork) {
  const ChangeCase& c = GetParam();
  const Settings before = DefaultSettings();
  Settings after = before;
  for (const auto& row : SettingsKeys())
    if (row.key == c.key) StoreText(row, c.value, after);
  const OptionsChanges changes = ChangesOf(before, after, false);
  EXPECT_EQ(changes.changedKeys, std::vector<std::string>{c.key});
  const std::vector<bool C::*> all = {&C::gridOptions, &C::yearPage, &C::displayMode, &C::timeCheckInterval,
                                      &C::alarmButton, &C::backupInterval, &C::hotkeys, &C::runLog,
                                      &C::statusBar, &C::memoTab, &C::printButton, &C::companionPaths,
                                      &C::netPoll, &C::netFolder, &C::switchNetworkOff, &C::nextStart,
                                      &C::endProgram};
  for (std::size_t i = 0; i < all.size(); ++i) {
    const bool wanted = std::find(c.expected.begin(), c.expected.end(), all[i]) != c.expected.end();
    EXPECT_EQ(changes.*all[i], wanted) << c.key << ", flag " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionsChangesOf,
    testing::Values(ChangeCase{"cbTukiMemo", "1", {&C::gridOptions}},
                    ChangeCase{"edtCSun", "clBlue", {&C::gridOptions, &C::yearPage}},
                    ChangeCase{"SpHajimariTuki", "4", {&C::yearPage}},
                    ChangeCase{"udYokoC", "-20", {&C::displayMode}},
                    ChangeCase{"cbTimerNo", "2", {&C::timeCheckInterval}},
                    ChangeCase{"cbJigen", "0", {&C::timeCheckInterval, &C::alarmButton}},
                    ChangeCase{"cbBackKankaku", "3", {&C::backupInterval}},
                    ChangeCase{"cbToday", "1", {&C::hotkeys}},
                    ChangeCase{"cbKidouKiroku", "1", {&C::runLog}},
                    ChangeCase{"cb24ji", "1", {&C::statusBar}},
                    ChangeCase{"cbMemo", "0", {&C::memoTab}},
                    ChangeCase{"cbPrint", "1", {&C::printButton}},
                    ChangeCase{"rbNetKoushin", "1", {&C::netPoll}},
                    ChangeCase{"edtNetFolder", "\\\\srv\\v\\", {&C::netFolder}},
                    ChangeCase{"cbCloseBtn", "1", {&C::nextStart}},
                    ChangeCase{"edFolder", "D:\\data\\", {&C::endProgram}},
                    ChangeCase{"cbNihongo", "0", {}}));

TEST(OptionsChanges, SameFolderInAnotherFormIsNoChangeOfFolder) {
  Settings before = DefaultSettings();
  const std::string sep(1, support::kPathSeparator);
  before.edFolder = "D:" + sep + "Data";
  Settings after = before;
  after.edFolder = "d:" + sep + "data" + sep;
  EXPECT_FALSE(ChangesOf(before, after, false).endProgram);
}

TEST(OptionsChanges, NetworkGoesOffWhenSharingOrItsFolderChangesWhileItRuns) {
  Settings before = DefaultSettings();
  before.cbNet = true;
  Settings after = before;
  after.cbNet = false;
  EXPECT_TRUE(ChangesOf(before, after, true).switchNetworkOff);
  EXPECT_FALSE(ChangesOf(before, after, false).switchNetworkOff);
  after = before;
  after.edtNetFolder = "\\\\other\\share\\";
  EXPECT_TRUE(ChangesOf(before, after, true).switchNetworkOff);
  after = before;
  after.rbNetKoushin = 2;
  EXPECT_FALSE(ChangesOf(before, after, true).switchNetworkOff);
}

TEST(OptionsChanges, ProgramEndsOnlyForAChangedFolderAndSaysSo) {
  platform::ScriptedDialogs dialogs;
  OptionsChanges changes;
  EXPECT_FALSE(AfterOptionsClosed(changes, dialogs));
  EXPECT_TRUE(dialogs.shown.empty());
  changes.endProgram = true;
  EXPECT_TRUE(AfterOptionsClosed(changes, dialogs));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"データフォルダ等が変更になったため、一度終了します。\r\n"
                                                      "再び、起動した後は、設定した項目が有効になります。"});
}

class OptionsSessionTest : public testing::Test {
 protected:
  OptionsSessionTest() {
    context.programFolder = temp.path();
    context.shellMajorVersion = 6;
    s = DefaultSettings();
  }
  void PutFile(const std::string& text) { ASSERT_TRUE(os.fs.WriteAtomic(file, support::Utf8ToCp932(text))); }
  support::IniText File() {
    support::IniText ini;
    platform::LoadIniFile(os.fs, file, ini);
    return ini;
  }

  platform::TempFolder temp;
  platform::FakeServices os;
  OptionsContext context;
  std::string file = temp / "Velda.ini";
  Settings s;
};

TEST_F(OptionsSessionTest, ConfirmedCloseCopiesBackAndWritesOnlyTheWindowsOwnKeys) {
  PutFile("[Jikoku]\r\nrbDay=0\r\nrbShitei=1\r\nvTime=073000\r\n[Settei]\r\ncbBold=1\r\n[Mine]\r\nx=y\r\n");
  OptionsSession session(os.services, context, file);
  OptionsForm form = session.Open(s, OptionsMode::Main);
  EXPECT_TRUE(form.windowKeys.rbShitei);
  EXPECT_EQ(form.windowKeys.vTime, "073000");
  form.values.cbTukiMemo = true;
  form.values.cbBold = false;
  const OptionsChanges changes = session.Close(form, 5, true, false, s);

  EXPECT_TRUE(s.cbTukiMemo);
  EXPECT_FALSE(s.cbBold);
  EXPECT_TRUE(changes.gridOptions);
  const support::IniText ini = File();
  EXPECT_EQ(ini.ReadString("Option", "PageIndex", ""), "5");
  EXPECT_EQ(ini.ReadString("Jikoku", "rbDay", ""), "0");
  EXPECT_EQ(ini.ReadString("Jikoku", "rbShitei", ""), "1");
  EXPECT_EQ(ini.ReadString("Jikoku", "vTime", ""), "073000");
  EXPECT_EQ(ini.ReadString("Settei", "cbBold", ""), "1");   // the main window saves it
  EXPECT_FALSE(ini.ValueExists("Settei", "cbTukiMemo"));
  EXPECT_EQ(ini.ReadString("Mine", "x", ""), "y");
  EXPECT_FALSE(ini.SectionExists("Memo"));  // not opened in memo mode
}

TEST_F(OptionsSessionTest, CancelledCloseKeepsEverythingButAnExecutedFolderChange) {
  OptionsSession session(os.services, context, file);
  OptionsForm form = session.Open(s, OptionsMode::Main);
  form.values.cbTukiMemo = true;
  form.values.edFolder = temp / "data\\";
  const OptionsChanges changes = session.Close(form, 2, false, false, s);
  EXPECT_FALSE(s.cbTukiMemo);
  EXPECT_EQ(s.edFolder, temp / "data\\");
  EXPECT_EQ(changes.changedKeys, std::vector<std::string>{"edFolder"});
  EXPECT_TRUE(changes.endProgram);
  EXPECT_EQ(File().ReadString("Option", "PageIndex", ""), "2");
}

// In memo mode the jump keys reach the file (the memo window reads them
// again); its place and other keys stay as the file had them or absent.
TEST_F(OptionsSessionTest, MemoModeWritesTheJumpKeysAlone) {
  PutFile("[Memo]\r\nvCLine1=4\r\nMemoTopLine=12\r\n");
  OptionsSession session(os.services, context, file);
  OptionsForm form = session.Open(s, OptionsMode::Memo);
  EXPECT_EQ(form.memo.vCLine1, 4);
  EXPECT_EQ(form.memo.vCLine2, 3);
  form.memo.vCLine2 = 9;
  form.memo.vJHanten = true;
  form.values.visMemoMHide = true;
  session.Close(form, 8, true, false, s);
  const support::IniText ini = File();
  EXPECT_EQ(ini.ReadString("Memo", "vCLine1", ""), "4");
  EXPECT_EQ(ini.ReadString("Memo", "vCLine2", ""), "9");
  EXPECT_EQ(ini.ReadString("Memo", "vJHanten", ""), "1");
  EXPECT_EQ(ini.ReadString("Memo", "MemoTopLine", ""), "12");
  EXPECT_FALSE(ini.ValueExists("Memo", "fmMemoTop"));
  EXPECT_TRUE(s.visMemoMHide);

  // Cancelled: the file's jump keys stay.
  form = session.Open(s, OptionsMode::Memo);
  form.memo.vCLine2 = 1;
  session.Close(form, 8, false, false, s);
  EXPECT_EQ(File().ReadString("Memo", "vCLine2", ""), "9");
}

TEST_F(OptionsSessionTest, AnUnreadableFileIsNotWrittenOver) {
  PutFile("[Memo]\r\nvCLine1=4\r\n");
  OptionsSession session(os.services, context, file);
  OptionsForm form = session.Open(s, OptionsMode::Memo);
  os.fs.Fail(platform::FailingFileSystem::Op::ReadAll, -1);
  form.memo.vCLine1 = 6;
  session.Close(form, 1, true, false, s);
  os.fs.Fail(platform::FailingFileSystem::Op::ReadAll, 0);
  EXPECT_EQ(File().ReadString("Memo", "vCLine1", ""), "4");
  EXPECT_FALSE(File().SectionExists("Option"));
}

}  // namespace
}  // namespace settings
