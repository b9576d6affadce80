#include "shell/main_controller.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "shell/fakes_testutil.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using platform::MsgResult;

const char kLocalSetupQuestionStart[] = "「楓帳 -Velda-」Ver8.1.0 のセットアップを行いますか？";

class ControllerTest : public ::testing::Test {
 protected:
  ControllerTest() { fake.system.programFolder = program.path(); }

  MainController& Make(std::vector<std::string> args = {}) {
    controller = std::make_unique<MainController>(fake.services, ParseSwitches(args), view);
    return *controller;
  }
  MainController& Started(std::vector<std::string> args = {}) {
    Make(std::move(args));
    EXPECT_TRUE(controller->Create());
    return *controller;
  }
  std::string Folder(const std::string& relative) {
    return support::JoinPath(program.path(), relative);
  }
  void Format2() {
    for (const char* f : {"Data", "Data/Files1", "Data/Files2"}) fake.fs.CreateFolder(Folder(f));
  }
  void WriteMonth(const std::string& folder, int year, int month, int entries) {
    fake.fs.WriteAtomic(support::JoinPath(folder, store::MonthFileName(year, month)),
                        Cp932Lines(MonthLines(year, month, entries)));
  }
  std::optional<std::string> MonthFile(const std::string& folder, int year, int month) {
    return fake.fs.ReadAll(support::JoinPath(folder, store::MonthFileName(year, month)));
  }
  bool Shown(const std::string& text) const {
    for (const auto& t : fake.dialogs.Texts())
      if (t.find(text) != std::string::npos) return true;
    return false;
  }
  // An edit still in memory (its write at confirmation failed).
  void AddEntry(int slot, const char* text) {
    controller->cycle().slot(slot).data.lines.push_back(std::string(" 3,1,,") + text + ",,,,,,");
    controller->cycle().NoteEdit(slot);
  }

  platform::TempFolder program;
  platform::FakeServices fake;
  FakeShellView view;
  std::unique_ptr<MainController> controller;
};

TEST_F(ControllerTest, FirstStartInAnEmptyFolderAsksForSetupAndNoKeepsFormatOne) {
  bool setupOpened = false;
  Make().later().openSetup = [&](bool) { setupOpened = true; };
  ASSERT_TRUE(controller->Create());
  fake.dialogs.Answer(MsgResult::No);
  controller->OnShown();
  ASSERT_FALSE(fake.dialogs.shown.empty());
  EXPECT_EQ(fake.dialogs.shown.back().text.rfind(kLocalSetupQuestionStart, 0), 0u);
  EXPECT_EQ(fake.dialogs.shown.back().defaultButton, 0);  // Yes
  EXPECT_FALSE(setupOpened);
  EXPECT_EQ(controller->folders().sets.dataFormat, 1);
  EXPECT_EQ(controller->folders().folders.dataFolder, program.path());
  EXPECT_EQ(view.monthPageShown, 1);
  EXPECT_TRUE(fake.fs.Exists(program / kRunLogFileName));
}

TEST_F(ControllerTest, SetupQuestionYesOpensSetupOnce) {
  int opened = 0;
  Make().later().openSetup = [&](bool fromNetwork) { opened += fromNetwork ? 10 : 1; };
  ASSERT_TRUE(controller->Create());
  fake.dialogs.Answer(MsgResult::Yes);
  controller->OnShown();
  controller->OnShown();  // shown again later: no second question
  EXPECT_EQ(opened, 1);
}

TEST_F(ControllerTest, NetworkFirstStartNeverAsksForSetup) {
  Started({"/F"}).OnShown();
  EXPECT_FALSE(Shown("セットアップ"));
}

TEST_F(ControllerTest, FormatTwoDataLoadsTodaysMonthWithoutQuestions) {
  Format2();
  WriteMonth(Folder("Data/Files1"), 2026, 12, 3);
  fake.fs.WriteAtomic(Folder("Data/Files1/CaFromTo.kdf"),
                      Cp932Lines({"***** FromTo予定 [Data\\Files1\\]"}));
  Started().OnShown();
  EXPECT_EQ(controller->folders().sets.dataFormat, 2);
  EXPECT_EQ(controller->cycle().slot(1).data.lines, MonthLines(2026, 12, 3));
  EXPECT_EQ(view.shownSlot, 1);
  EXPECT_TRUE(fake.dialogs.shown.empty());
  EXPECT_EQ(view.specialDayFolders.back(), Folder("Data/"));
  EXPECT_TRUE(view.dataSetCommands[0] && view.dataSetCommands[1] && !view.dataSetCommands[2]);
}

TEST_F(ControllerTest, TheStoredDisplayModeIsAppliedAtStart) {
  Started();
  ASSERT_EQ(view.modes.size(), 1u);
  EXPECT_EQ(view.modes[0].gridWidth, 927);  // vCalGyou defaults to 5
  EXPECT_TRUE(view.centred[0]);
  EXPECT_EQ(controller->sizeClass(), 1);
}

TEST_F(ControllerTest, AModeNotOfferedOnThisDesktopIsIgnored) {
  Make().SetWindowFacts({{0, 0, 1024, 768}});
  ASSERT_TRUE(controller->Create());
  controller->ChooseDisplayMode(26);
  EXPECT_EQ(view.modes.size(), 1u);
  controller->ChooseDisplayMode(6);
  EXPECT_EQ(controller->settings().vCalGyou, 6);
  EXPECT_EQ(controller->sizeClass(), 3);
}

TEST_F(ControllerTest, RokuyoSwitchesTwiceBackToCommemorationDays) {
  Started();
  controller->ToggleRokuyo();
  EXPECT_TRUE(view.showRokuyo);
  EXPECT_FALSE(controller->settings().rbKinenbi);
  controller->ToggleRokuyo();
  EXPECT_FALSE(view.showRokuyo);
  EXPECT_TRUE(controller->settings().rbKinenbi);
}

TEST_F(ControllerTest, CleanupSwitchesRunOnTheFirstShowOnly) {
  fake.fs.WriteAtomic(program / "old.txt", "x");
  std::vector<std::string> offered;
  Make({"/D1" + program / "old.txt", "/D2C:\\dl\\setup.exe", "/D3C:\\dl\\work"});
  controller->later().offerArchiveDeletion = [&](const std::string& p) { offered.push_back(p); };
  controller->later().offerWorkFolderDeletion = [&](const std::string& p) { offered.push_back(p); };
  ASSERT_TRUE(controller->Create());
  controller->OnShown();
  controller->OnShown();
  EXPECT_FALSE(fake.fs.Exists(program / "old.txt"));
  EXPECT_EQ(offered, (std::vector<std::string>{"C:\\dl\\setup.exe", "C:\\dl\\work"}));
  EXPECT_EQ(fake.clock.sleeps, std::vector<unsigned>{300});
}

TEST_F(ControllerTest, ARestartRequestEndsAtTheFirstShow) {
  Started().RequestRestart();
  controller->OnShown();
  EXPECT_EQ(fake.dialogs.Texts().back(),
            "一度終了します。\r\n終了後、再び楓歌を起動してください。\r\n"
            "（必ず、一度楓歌を起動させておいてください。）");
  EXPECT_EQ(view.closeRequests, 1);
  EXPECT_EQ(view.monthPageShown, 0);
}

TEST_F(ControllerTest, FirstActivationStartsTheFunctionTimerAndShowsPendingText) {
  Format2();
  Started().SetPendingInfo("前回は不正終了しました。");
  controller->OnActivated();
  controller->OnActivated();
  EXPECT_EQ(view.functionTimerStarts, 1);
  EXPECT_EQ(fake.dialogs.Texts(), std::vector<std::string>{"前回は不正終了しました。"});
  EXPECT_EQ(view.panels[0], "2026/12/8 (火) AM 9 : 0");
}

// ---- closing --------------------------------------------------------------

TEST_F(ControllerTest, CloseWritesSettingsAndChangedMonths) {
  Format2();
  WriteMonth(Folder("Data/Files1"), 2026, 12, 3);
  Started();
  AddEntry(1, "忘年会");
  EXPECT_TRUE(controller->QueryClose());
  auto month = MonthFile(Folder("Data/Files1"), 2026, 12);
  ASSERT_TRUE(month);
  EXPECT_NE(month->find(support::Utf8ToCp932("忘年会")), std::string::npos);
  auto ini = fake.fs.ReadAll(program / "Velda.ini");
  ASSERT_TRUE(ini);
  EXPECT_NE(ini->find("Version=Ver9.1.0"), std::string::npos);
  EXPECT_NE(ini->find("UseFolNo=1"), std::string::npos);
  EXPECT_EQ(view.captures, 1);
}

struct EndingCase {
  const char* name;
  Ending how;
  std::vector<std::string> steps;
  bool monthSaved;
  int stopsRecorded;
};

class EndingTest : public ControllerTest, public ::testing::WithParamInterface<EndingCase> {};

// Every end past the close query: the open windows' save step first, then
// the months, then the end; after a restore nothing in memory goes to disk.
TEST_P(EndingTest, TheOpenWorkTheMonthsAndTheRunLogComeBeforeTheEnd) {
  const EndingCase& c = GetParam();
  Format2();
  WriteMonth(Folder("Data/Files1"), 2026, 12, 3);
  int stops = 0;
  Make().later().recordStop = [&] { ++stops; };
  ASSERT_TRUE(controller->Create());
  controller->settings().cbKidouKiroku = true;  // the load read the default
  fake.dialogs.shown.clear();                    // the new period file's notice
  AddEntry(1, "忘年会");
  EXPECT_TRUE(controller->EndProgram(c.how));
  EXPECT_EQ(view.steps, c.steps);
  EXPECT_EQ(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("忘年会")) != std::string::npos,
            c.monthSaved);
  EXPECT_EQ(stops, c.stopsRecorded);
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Endings, EndingTest,
                         ::testing::Values(EndingCase{"StopCount", Ending::Saving, {"finish", "end"}, true, 1},
                                           EndingCase{"Session", Ending::Session, {"finish silently", "end"}, true, 1},
                                           EndingCase{"AfterRestore", Ending::DiskNewer, {"end"}, false, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControllerTest, AnEndWhoseSaveFailedAsksAndNoKeepsTheProgramRunning) {
  Format2();
  Started();
  AddEntry(1, "会議");
  fake.dialogs.shown.clear();
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(controller->EndProgram(Ending::Saving));
  EXPECT_EQ(view.steps, (std::vector<std::string>{"finish"}));
  ASSERT_FALSE(fake.dialogs.shown.empty());
  EXPECT_EQ(fake.dialogs.Texts().back().rfind("次のデータを保存できませんでした。", 0), 0u);
}

TEST_F(ControllerTest, CloseIsRefusedWhileBusyOrWhileTheDateChanges) {
  Started().SetBusy(true);
  EXPECT_FALSE(controller->QueryClose());
  EXPECT_EQ(fake.dialogs.Texts().back(),
            "ただいま作業中です。現在は終了できません。\r\nもう少し後、終了させてください。");
  EXPECT_FALSE(fake.fs.Exists(program / "Velda.ini"));
}

TEST_F(ControllerTest, AnArmedAlarmAsksAndNoKeepsRunning) {
  Make().later().alarmArmed = [] { return true; };
  int stops = 0;
  controller->later().recordStop = [&] { ++stops; };
  controller->settings().cbKidouKiroku = true;
  ASSERT_TRUE(controller->Create());
  controller->settings().cbKidouKiroku = true;  // the load read the default
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_FALSE(controller->QueryClose());
  EXPECT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{
                                      "タイマーが作動中ですが、終了してもよろしいですか。",
                                      "終了しません。"}));
  EXPECT_EQ(stops, 0);
  fake.dialogs.Answer(MsgResult::Yes);
  EXPECT_TRUE(controller->QueryClose());
  EXPECT_EQ(stops, 1);
}

// A write that failed is never lost silently at close: the user is asked,
// and "No" (the default) keeps the program open to retry or copy the text.
TEST_F(ControllerTest, CloseWithAnEditThatCannotBeWrittenAsksFirst) {
  Format2();
  Started();
  AddEntry(1, "会議");
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_FALSE(controller->QueryClose());
  const std::string month = support::JoinPath(Folder("Data/Files1"), "Ca202612.kdf");
  ASSERT_FALSE(fake.dialogs.shown.empty());
  const platform::Message& asked = fake.dialogs.shown.back();
  EXPECT_EQ(asked.text.rfind("次のデータを保存できませんでした。", 0), 0u);
  EXPECT_NE(asked.text.find(month), std::string::npos);
  EXPECT_NE(asked.text.find(program / "Velda.ini"), std::string::npos);
  EXPECT_EQ(asked.defaultButton, 1);  // No
  EXPECT_EQ(controller->saveFailures().size(), 2u);
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, 0);
  EXPECT_TRUE(controller->QueryClose());
  EXPECT_NE(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("会議")), std::string::npos);
}

// Settings the run could not read are never replaced by its defaults.
TEST_F(ControllerTest, SettingsThatCouldNotBeReadAreNeverWrittenOver) {
  const std::string ini = "[Settei]\r\nedFolder=D:\\予定\\\r\n";
  fake.fs.WriteAtomic(program / "Velda.ini", support::Utf8ToCp932(ini));
  fake.fs.Fail(platform::FailingFileSystem::Op::ReadAll, 5);
  Started();
  EXPECT_TRUE(Shown("今回は標準の設定で起動し、設定ファイルには書き込みません。"));
  EXPECT_TRUE(controller->QueryClose());
  EXPECT_EQ(fake.fs.ReadAll(program / "Velda.ini"), support::Utf8ToCp932(ini));
}

// The session ends: no question holds it up (not even the armed alarm's),
// and what is in memory is saved as a close saves it.
TEST_F(ControllerTest, TheSessionEndSavesWithoutAsking) {
  Format2();
  Make().later().alarmArmed = [] { return true; };
  ASSERT_TRUE(controller->Create());
  AddEntry(1, "会議");
  controller->SetBusy(true);
  controller->EndProgram(Ending::Session);
  EXPECT_TRUE(fake.dialogs.shown.empty());
  EXPECT_NE(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("会議")), std::string::npos);
  EXPECT_TRUE(fake.fs.Exists(program / "Velda.ini"));
}

// "/DN" stands in the settings before they are read: the network keys are
// not read, the shared folder is the one given, and the file keeps the
// user's own network keys.
TEST_F(ControllerTest, TheDnSwitchGovernsTheLoadAndIsForThisRunOnly) {
  platform::TempFolder shared;
  const std::string ini = "[Settei]\r\ncbNet=1\r\nedtNetFolder=Z:\\velda\\\r\n";
  fake.fs.WriteAtomic(program / "Velda.ini", support::Utf8ToCp932(ini));
  Started({"/DN" + shared.path()});
  EXPECT_EQ(controller->settings().edtNetFolder, shared.path());
  EXPECT_EQ(controller->folders().folders.netFolder, shared.path());
  EXPECT_EQ(controller->loadOutcome().netFiles.updateCounter, shared / "update.kdf");
  EXPECT_FALSE(controller->settings().cbNet);
  EXPECT_TRUE(controller->QueryClose());
  const std::string written = support::Cp932ToUtf8(*fake.fs.ReadAll(program / "Velda.ini"));
  EXPECT_NE(written.find("cbNet=1"), std::string::npos);
  EXPECT_NE(written.find("edtNetFolder=Z:\\velda\\"), std::string::npos);
}

// The rollover reads the settings again; a user on Files2 stays on Files2.
TEST_F(ControllerTest, TheMonthRolloverKeepsTheDataSetInUse) {
  Format2();
  WriteMonth(Folder("Data/Files2"), 2027, 1, 4);
  Started();
  controller->SwitchDataSet(2);
  fake.clock.Set({2027, 1, 1, 0, 0, 5});
  controller->RollOverTo(DateToJulius(2027, 1, 1));
  EXPECT_EQ(controller->folders().sets.inUse, 2);
  EXPECT_EQ(controller->folders().folders.dataFolder, Folder("Data/Files2/"));
  EXPECT_EQ(controller->cycle().slot(1).data.lines, MonthLines(2027, 1, 4));
  EXPECT_EQ(view.dataSetLabel, " --- Files2 ---");
}

// The year page's 年度 choice survives the close and the rollover's
// settings reload.
TEST_F(ControllerTest, TheYearPagesStartChoiceIsKept) {
  Format2();
  Started();
  view.yearChoice = 1;  // the user chose 年度
  fake.clock.Set({2027, 1, 1, 0, 0, 5});
  controller->RollOverTo(DateToJulius(2027, 1, 1));
  EXPECT_EQ(view.yearChoice, 1);
  EXPECT_EQ(controller->settings().rgYFirstMonth, 1);
  ASSERT_TRUE(controller->QueryClose());
  EXPECT_NE(support::Cp932ToUtf8(*fake.fs.ReadAll(program / "Velda.ini")).find("rgYFirstMonth=1"),
            std::string::npos);
}

TEST_F(ControllerTest, AHeldMaintenanceLockIsReleasedAtClose) {
  Started();
  controller->network().on = true;
  controller->later().holdsMaintenanceLock = [] { return true; };
  controller->later().releaseMaintenanceLock = [] { return false; };
  EXPECT_TRUE(controller->QueryClose());
  EXPECT_EQ(fake.dialogs.Texts().back(),
            "メンテナンスロックファイルが、削除できません。\r\n管理者にご連絡下さい。");
}

// The network switch reads the shared folder's months and, switched off,
// the local set in use again, writing nothing on either way (the shared
// data are written when confirmed; a local month must not go there).
TEST_F(ControllerTest, TheNetworkSwitchReadsTheSharedSetAndBackWithoutWriting) {
  Format2();
  WriteMonth(Folder("Data/Files2"), 2026, 12, 5);
  const std::string shared = Folder("Shared/Data/Files1/");
  fake.fs.CreateFolder(Folder("Shared"));
  fake.fs.CreateFolder(Folder("Shared/Data"));
  fake.fs.CreateFolder(shared);
  WriteMonth(shared, 2026, 12, 3);
  Started().SwitchDataSet(2);
  controller->UseSharedData(shared);
  EXPECT_TRUE(controller->network().on);
  EXPECT_TRUE(controller->settings().vNet_flg);
  EXPECT_EQ(controller->cycle().slot(1).data.lines, MonthLines(2026, 12, 3));
  controller->UseLocalData();
  EXPECT_FALSE(controller->network().on || controller->settings().vNet_flg);
  EXPECT_EQ(controller->folders().folders.dataFolder, Folder("Data/Files2/"));
  EXPECT_EQ(controller->cycle().slot(1).data.lines, MonthLines(2026, 12, 5));
  EXPECT_EQ(MonthFile(shared, 2026, 12), Cp932Lines(MonthLines(2026, 12, 3)));
}

// ---- data sets ------------------------------------------------------------

TEST_F(ControllerTest, FilesTwoIsReadAndShownUntilFilesOneComesBack) {
  Format2();
  WriteMonth(Folder("Data/Files1"), 2026, 12, 2);
  WriteMonth(Folder("Data/Files2"), 2026, 12, 5);
  Started();
  AddEntry(1, "本社");
  controller->SwitchDataSet(2);
  EXPECT_EQ(view.dataSetLabel, " --- Files2 ---");
  EXPECT_EQ(controller->cycle().slot(1).data.lines, MonthLines(2026, 12, 5));
  EXPECT_NE(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("本社")),
            std::string::npos);
  controller->SwitchDataSet(1);
  EXPECT_EQ(view.dataSetLabel, "");
  EXPECT_EQ(controller->cycle().slot(1).data.lines.size(), 4u);
}

TEST_F(ControllerTest, AnEditThatCannotBeWrittenKeepsTheSetUntilItIs) {
  Format2();
  WriteMonth(Folder("Data/Files2"), 2026, 12, 5);
  Started();
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  AddEntry(1, "本社");
  controller->SwitchDataSet(2);
  EXPECT_EQ(controller->folders().sets.inUse, 1);
  EXPECT_EQ(controller->cycle().slot(1).data.lines.back(), " 3,1,,本社,,,,,,");
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, 0);
  controller->SwitchDataSet(2);
  EXPECT_EQ(controller->folders().sets.inUse, 2);
  EXPECT_NE(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("本社")),
            std::string::npos);
}

TEST_F(ControllerTest, AMissingSetIsNamedAndNothingChanges) {
  Format2();
  Started().SwitchDataSet(3);
  EXPECT_EQ(fake.dialogs.Texts().back(),
            program.path() + "Data\\Files3\\" +
                "のフォルダがありません。\r\nセットアップされていない場合は、セットアップすれば、作成されます。");
  EXPECT_EQ(controller->folders().sets.inUse, 1);
}

TEST_F(ControllerTest, SwitchingSetsWhileOutsideReadsTheOutsideMonthAgain) {
  Format2();
  WriteMonth(Folder("Data/Files2"), 2030, 5, 2);
  Started().cycle().GoToMonth("203005");
  controller->SwitchDataSet(2);
  EXPECT_EQ(controller->cycle().slot(kExtraSlot).data.lines, MonthLines(2030, 5, 2));
}

// ---- the change of date ----------------------------------------------------

TEST_F(ControllerTest, ANewDayWithinTheMonthRepaintsOnly) {
  Format2();
  Started();
  fake.clock.Set({2026, 12, 9, 0, 0, 5});
  controller->RollOverTo(DateToJulius(2026, 12, 9));
  EXPECT_EQ(view.today, DateToJulius(2026, 12, 9));
  EXPECT_EQ(controller->cycle().today(), DateToJulius(2026, 12, 9));
  EXPECT_EQ(view.dateChangeLooks, (std::vector<bool>{true, false}));
  EXPECT_TRUE(view.mainPanelEnabled);
  EXPECT_FALSE(controller->rollingOver());
  EXPECT_EQ(controller->cycle().slot(1).data.month, 12);
}

TEST_F(ControllerTest, TheFirstOfAMonthSavesAndMovesTheWindowOn) {
  Format2();
  Started();
  AddEntry(1, "大掃除");
  fake.clock.Set({2027, 1, 1, 0, 0, 5});
  controller->RollOverTo(DateToJulius(2027, 1, 1));
  EXPECT_NE(MonthFile(Folder("Data/Files1"), 2026, 12)->find(support::Utf8ToCp932("大掃除")),
            std::string::npos);
  EXPECT_EQ(controller->cycle().slot(1).data.year, 2027);
  EXPECT_EQ(controller->cycle().slot(1).data.month, 1);
  EXPECT_EQ(view.shownSlot, 1);
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>{1000, 1000}));
  EXPECT_EQ(view.specialDayFolders.size(), 2u);  // read again with the new window
  EXPECT_TRUE(view.mainPanelEnabled);
}

TEST_F(ControllerTest, ADayChangeThatSkipsTheFirstStillMovesTheWindow) {
  Format2();
  Started();
  fake.clock.Set({2027, 1, 3, 0, 0, 5});  // the computer slept over New Year
  controller->RollOverTo(DateToJulius(2027, 1, 3));
  EXPECT_EQ(controller->cycle().slot(1).data.month, 1);
}


}  // namespace
}  // namespace shell
