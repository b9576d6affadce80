#include "shell/residency.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"

namespace shell {
namespace {

// Writes down every step in order.
class FakeResidencyPort : public ResidencyPort {
 public:
  void EnableMoveMenu() override { steps.push_back("move menu"); }
  void CloseMainWindow() override { steps.push_back("close"); }
  void HideMainWindow() override { steps.push_back("hide"); visible = false; }
  void ClearGridSelection() override { steps.push_back("clear selection"); }
  bool MemoWindowOpen() override { return memoOpen; }
  void SaveAndCloseMemoWindow() override { steps.push_back("memo saved"); }
  bool SearchWindowOpen() override { return searchOpen; }
  void SaveAndCloseSearchWindow() override { steps.push_back("search saved"); }
  void SaveAndTidy() override { steps.push_back("save and tidy"); }
  bool TryShowTrayIcon() override {
    steps.push_back("tray");
    return ++trayAttempts > trayRefusals;
  }
  void AutoBackup() override { steps.push_back("backup"); }
  bool MainWindowVisible() override { return visible; }
  bool BringApplicationForward() override {
    steps.push_back("application forward");
    return applicationFound;
  }
  void BringMainWindowForward() override { steps.push_back("main forward"); }
  void EndProgram() override { steps.push_back("end"); }
  void ShowMainWindow() override { steps.push_back("show"); visible = true; }
  bool MemoPageActive() override { return memoPage; }
  void ShowMonthPageAndRefresh() override { steps.push_back("month page"); }
  void RunFunctionTick() override { steps.push_back("tick"); }
  bool NetworkOn() override { return network; }
  int DataSetInUse() override { return dataSet; }
  void SwitchDataSet(int set) override { steps.push_back("data set " + std::to_string(set)); }
  void CheckSharedFolder() override { steps.push_back("shared folder"); }
  void MoveToTopLeft() override { steps.push_back("top left"); }

  std::vector<std::string> steps;
  bool visible = true, memoOpen = false, searchOpen = false, applicationFound = true;
  bool memoPage = false, network = false;
  int dataSet = 1, trayAttempts = 0, trayRefusals = 0;
};

using Steps = std::vector<std::string>;

class ResidencyTest : public ::testing::Test {
 protected:
  platform::FakeServices fake;
  FakeResidencyPort port;
  Residency residency{fake.services, port, false};
};

TEST_F(ResidencyTest, GoingResidentSavesTheSubWindowsThenTheDataThenShowsTheIconThenBacksUp) {
  port.memoOpen = port.searchOpen = true;
  port.trayRefusals = 1;
  residency.GoResident(ResidencyCaller::ResidentButton);
  EXPECT_EQ(port.steps, (Steps{"move menu", "hide", "clear selection", "memo saved", "search saved",
                               "save and tidy", "tray", "tray", "backup"}));
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>{500}));
}

TEST_F(ResidencyTest, ARefusingShellIsTriedFiveTimesAndTheBackupStillRuns) {
  port.trayRefusals = 99;
  residency.GoResident(ResidencyCaller::TrayMenu);
  EXPECT_EQ(port.trayAttempts, 5);
  EXPECT_EQ(fake.clock.sleeps, (std::vector<unsigned>(4, 500)));
  EXPECT_EQ(port.steps.back(), "backup");
}

TEST_F(ResidencyTest, CloseButtonModeEndsTheProgramExceptFromTheFileMenu) {
  Residency closing(fake.services, port, true);
  for (auto caller : {ResidencyCaller::ResidentButton, ResidencyCaller::GridPopup,
                      ResidencyCaller::Countdown, ResidencyCaller::BeforeSubWindow,
                      ResidencyCaller::CompanionProgram, ResidencyCaller::HotKey}) {
    port.steps.clear();
    closing.GoResident(caller);
    EXPECT_EQ(port.steps, (Steps{"move menu", "close"})) << static_cast<int>(caller);
  }
  port.steps.clear();
  closing.GoResident(ResidencyCaller::FileMenu);
  EXPECT_EQ(port.steps.at(1), "hide");
  EXPECT_STREQ(ResidentButtonCaption(true), "終了");
  EXPECT_STREQ(ResidentButtonCaption(false), "常駐");
}

TEST_F(ResidencyTest, RestoringTicksAtOnceAndGoesBackToFiles1) {
  port.visible = false;
  port.memoPage = true;
  port.dataSet = 2;
  residency.Restore(true);
  EXPECT_EQ(port.steps, (Steps{"top left", "show", "month page", "tick", "main forward", "data set 1",
                               "shared folder"}));
}

TEST_F(ResidencyTest, RestoringInTheNetworkModeKeepsTheDataSet) {
  port.visible = false;
  port.network = true;
  port.dataSet = 2;
  residency.Restore();
  EXPECT_EQ(port.steps, (Steps{"show", "tick", "main forward", "shared folder"}));
}

TEST_F(ResidencyTest, AVisibleWindowIsBroughtForwardOrTheProgramEnds) {
  residency.Restore();
  EXPECT_EQ(port.steps, (Steps{"application forward"}));
  port.steps.clear();
  port.applicationFound = false;
  residency.Restore();
  EXPECT_EQ(port.steps, (Steps{"application forward", "main forward", "end"}));
  EXPECT_EQ(fake.dialogs.Texts(), (Steps{"常駐回復エラー、楓帳を終了させます。"}));
  EXPECT_EQ(fake.dialogs.shown[0].caption, "確認 -楓帳-");
}

TEST_F(ResidencyTest, CtrlF12HidesOnlyAVisibleActiveWindow) {
  residency.ToggleByHotkey(false);  // another application is active
  EXPECT_EQ(port.steps, (Steps{"application forward"}));
  port.steps.clear();
  residency.ToggleByHotkey(true);
  EXPECT_EQ(port.steps.at(1), "hide");
  port.steps.clear();
  residency.ToggleByHotkey(true);  // hidden now
  EXPECT_EQ(port.steps.at(0), "show");
}

TEST(ResidencyCountdownTest, CountsDownToResidencyOrIsCancelled) {
  ResidencyCountdown c;
  c.Start(3);
  std::vector<int> shown;
  bool resident = false;
  while (!resident) {
    shown.push_back(c.seconds());
    resident = c.Tick();
  }
  EXPECT_EQ(shown, (std::vector<int>{3, 2, 1}));
  EXPECT_FALSE(c.Tick());
  c.Start(10);
  EXPECT_TRUE(c.Cancel());
  EXPECT_FALSE(c.Cancel());
  EXPECT_FALSE(c.Tick());
  c.Start(-4);
  EXPECT_FALSE(c.running());
}

}  // namespace
}  // namespace shell
