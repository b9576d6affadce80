#include "net/network_mode.h"

#include "net/net_test_fixture.h"
#include "platform/dialog_helpers.h"
#include "store/data_folders.h"

namespace net {
namespace {

// The main window as the tests see it: every request recorded.
class RecordingHost : public NetHost {
 public:
  void RereadShownMonth() override { calls.push_back("month"); }
  bool RereadPeriods() override { return calls.push_back("periods"), true; }
  void SaveAndQuit() override { calls.push_back("quit"); }
  bool SaveAndTidy() override { return calls.push_back("tidy"), tidied; }
  void UseSharedData(const std::string& folder) override {
    calls.push_back("shared " + folder);
    if (whileReading) whileReading();
  }
  void UseLocalData() override { calls.push_back("local"); }
  void ShowNetworkState(const NetworkControls& c) override { controls = c; }
  void FollowShownMonth() override { calls.push_back("follow"); }
  std::vector<std::string> calls;
  NetworkControls controls;
  std::function<void()> whileReading;
  bool tidied = true;  // false: a local edit could not be written
};

// One computer of the office with the network mode of its main window.
struct Desk {
  Desk(platform::FileSystem& fs, const std::string& name, const store::Folders& folders,
       const std::string& settingsFolder)
      : pc(fs, name), admin(pc.os, settingsFolder, false), mode(pc.os, folders, link, pc.label, host, admin) {}
  Computer pc;
  store::NetworkLink link;
  RecordingHost host;
  NetAdmin admin;
  NetworkMode mode;
};

class NetworkModeTest : public NetTest {
 protected:
  NetworkModeTest() {
    folders.netFolder = dir.path();
    folders.dataFolder = store::DataSetFolder(dir.path(), 1);
    EXPECT_TRUE(store::CreateDataFolders(platform::RealFileSystem(), desk.pc.dialogs, dir.path(), false));
    desk.link.on = true;
  }
  std::string Shared(const char* name) const { return support::JoinPath(folders.dataFolder, name); }

  platform::TempFolder settings;
  store::Folders folders;
  Desk desk{fs, "PC01", folders, settings.path()};
};

constexpr char kMaintenance[] = "現在、メンテナンス中です。\r\nしばらくしてから、処理をお願いいたします。";

TEST(DecidePoll, ReadsAgainOnAChangeAndStopsEveryoneAboveTheStopCount) {
  struct {
    int count, remembered;
    PollAction action;
  } cases[] = {
      {5, 5, PollAction::None},          {6, 5, PollAction::Reload},          {1, 1000000001, PollAction::Reload},
      {-1, 5, PollAction::None},         {999000000, 5, PollAction::Reload},  {999000001, 5, PollAction::SaveAndQuit},
      {999000001, 999000001, PollAction::SaveAndQuit},
  };
  for (const auto& c : cases) EXPECT_EQ(DecidePoll(c.count, c.remembered), c.action) << c.count << " " << c.remembered;
  EXPECT_EQ(PollIntervalMs(0), 0u);
  EXPECT_EQ(PollIntervalMs(1), 10000u);
  EXPECT_EQ(PollIntervalMs(2), 60000u);
}

TEST_F(NetworkModeTest, APollReadsTheShownMonthAndPeriodsAgainWhenAnotherComputerWrote) {
  Put("update.kdf", "7\r\n");
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::Reload);
  EXPECT_EQ(desk.host.calls, (std::vector<std::string>{"month", "periods"}));
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::None);

  // Its own write needs no re-read.
  ASSERT_TRUE(desk.link.CountUpdate());
  EXPECT_EQ(Get("update.kdf"), "8\r\n");
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::None);
  EXPECT_EQ(desk.host.calls.size(), 2u);
}

TEST_F(NetworkModeTest, NoPollWhileHiddenEditingOffOrWithoutTheFolder) {
  Put("update.kdf", "7\r\n");
  EXPECT_EQ(desk.mode.Poll(false, false), PollAction::None);
  EXPECT_EQ(desk.mode.Poll(true, true), PollAction::None);
  desk.link.on = false;
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::None);
  EXPECT_FALSE(desk.link.CountUpdate());
  EXPECT_EQ(Get("update.kdf"), "7\r\n");
  desk.link.on = true;
  folders.dataFolder = P("gone/");
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::None);
  EXPECT_TRUE(desk.host.calls.empty());
}

TEST_F(NetworkModeTest, AStopCountMakesEveryPollingComputerSaveAndEnd) {
  Desk pc02{fs, "PC02", folders, settings.path()}, pc03{fs, "PC03", folders, settings.path()};
  pc02.link.on = pc03.link.on = true;
  Put("update.kdf", "999000001\r\n");
  for (Desk* d : {&desk, &pc02, &pc03}) {
    EXPECT_EQ(d->mode.Poll(true, false), PollAction::SaveAndQuit);
    EXPECT_EQ(d->host.calls, std::vector<std::string>{"quit"});
  }
}

TEST_F(NetworkModeTest, MaintenanceRefusesReloadsAndSwitchingOnWithItsText) {
  Put("mente.lock", "PC09\r\n");
  EXPECT_TRUE(desk.mode.ServiceLockPresent());
  EXPECT_FALSE(desk.mode.NetReload());
  desk.link.on = false;
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  EXPECT_EQ(desk.pc.dialogs.Texts(), std::vector<std::string>(3, kMaintenance));
  EXPECT_EQ(desk.host.calls, std::vector<std::string>{"follow"});
  EXPECT_FALSE(desk.link.on);
}

// The poll neither shows the maintenance box every tick nor forgets the
// change it could not read: it reads it once maintenance is over.
TEST_F(NetworkModeTest, AChangeSeenDuringMaintenanceIsReadAfterwards) {
  Put("mente.lock", "PC09\r\n");
  Put("update.kdf", "7\r\n");
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::Reload);
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::Reload);
  EXPECT_TRUE(desk.host.calls.empty());
  EXPECT_TRUE(desk.pc.dialogs.shown.empty());
  platform::RealFileSystem().DeleteFile(P("mente.lock"));
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::Reload);
  EXPECT_EQ(desk.host.calls, (std::vector<std::string>{"month", "periods"}));
}

// A re-read while an edit holds its lock, or while a question is up (the
// shrink guard's, whose box runs the timers), would replace what the user
// is about to confirm: the poll holds back and reads the change afterwards.
TEST_F(NetworkModeTest, NoPollRereadsWhileAnEditHoldsItsLockOrAQuestionIsOpen) {
  Put("update.kdf", "7\r\n");  // another computer wrote
  const std::string lock = Shared("Ca202612.lock");
  ASSERT_TRUE(desk.mode.AcquireLock(lock));
  ASSERT_TRUE(desk.mode.AcquireLock(lock));  // the edit's confirmation after its re-read
  PollAction insideQuestion = PollAction::Reload;
  desk.pc.dialogs.whileShown = [&] { insideQuestion = desk.mode.Poll(true, false); };
  EXPECT_FALSE(platform::AskYesNo(desk.pc.dialogs, "この月を保存してもいいですか。", false));
  EXPECT_EQ(insideQuestion, PollAction::None);
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::None);
  EXPECT_TRUE(desk.mode.ReleaseLock(lock));
  EXPECT_TRUE(desk.host.calls.empty());

  EXPECT_FALSE(platform::AskYesNo(desk.pc.dialogs, "この月を保存してもいいですか。", false));
  EXPECT_EQ(insideQuestion, PollAction::None);  // no lock now, but a question
  EXPECT_TRUE(desk.host.calls.empty());
  desk.pc.dialogs.whileShown = nullptr;
  EXPECT_EQ(desk.mode.Poll(true, false), PollAction::Reload);
  EXPECT_EQ(desk.host.calls, (std::vector<std::string>{"month", "periods"}));
}

TEST_F(NetworkModeTest, EditLocksCarryThisComputersName) {
  const std::string lock = Shared("Ca202612.lock");
  ASSERT_TRUE(desk.mode.AcquireLock(lock));
  EXPECT_EQ(Get("Data/Files1/Ca202612.lock"), "PC01\r\n");
  EXPECT_TRUE(desk.mode.ReleaseLock(lock));
  EXPECT_FALSE(Has("Data/Files1/Ca202612.lock"));
}

TEST_F(NetworkModeTest, SwitchingOnSavesTheLocalDataThenUsesTheSharedData) {
  desk.link.on = false;
  EXPECT_TRUE(desk.mode.SetNetwork(true));
  EXPECT_TRUE(desk.link.on);
  EXPECT_EQ(desk.host.calls, (std::vector<std::string>{"tidy", "shared " + folders.dataFolder, "follow"}));
  EXPECT_EQ(desk.host.controls, ControlsFor(true));
  EXPECT_EQ(desk.host.controls.switchCaption, "ネットＯｆｆ");
  EXPECT_FALSE(desk.host.controls.dataSetButtons || desk.host.controls.backupMenu ||
               desk.host.controls.textExportMenu || desk.host.controls.setAsideButton);
  EXPECT_TRUE(desk.host.controls.netReload && desk.host.controls.networkLabel);
  // Without an administration list the rights are those of a participant.
  EXPECT_EQ(desk.mode.accessLevel(), kParticipant);

  EXPECT_TRUE(desk.mode.SetNetwork(false));
  EXPECT_FALSE(desk.link.on);
  EXPECT_EQ(desk.host.controls.switchCaption, "ネットＯｎ");
  EXPECT_TRUE(desk.host.controls.clearPanel1);
  EXPECT_EQ(desk.host.calls.back(), "follow");
  EXPECT_EQ(desk.host.calls[desk.host.calls.size() - 2], "local");
}

// The shared months would replace an edit not yet on disk: the switch waits
// until it can be written (the failure was told by the save).
TEST_F(NetworkModeTest, SwitchingOnWaitsForALocalEditThatCouldNotBeWritten) {
  desk.link.on = false;
  desk.host.tidied = false;
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  EXPECT_FALSE(desk.link.on);
  EXPECT_EQ(desk.host.calls, (std::vector<std::string>{"tidy", "follow"}));
}

TEST_F(NetworkModeTest, AFolderLostWhileTheMonthsAreReadLeavesTheModeOff) {
  desk.link.on = false;
  desk.host.whileReading = [&] {
    folders.dataFolder = P("gone/");
    desk.mode.CheckFolder(FolderCheck::BeforeReadingMonths);
  };
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  EXPECT_FALSE(desk.link.on);
  EXPECT_TRUE(desk.pc.dialogs.Texts().back().ends_with("[n030]"));
  EXPECT_EQ(desk.host.controls.switchCaption, "ネットＯｎ");
}

TEST_F(NetworkModeTest, SwitchingOnIsRefusedWithoutAFolderOrAComputerName) {
  desk.link.on = false;
  folders.netFolder = "";
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  folders.netFolder = P("nowhere/");
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  folders.netFolder = dir.path();
  desk.pc.system.computerName = "";
  EXPECT_FALSE(desk.mode.SetNetwork(true));
  EXPECT_EQ(desk.pc.dialogs.Texts(),
            (std::vector<std::string>{
                "「オプション設定」でネット上のフォルダを先に指定してください。",
                "ネット上のフォルダを見つけられません。\r\nローカルなフォルダに設置を変更します。",
                "コンピュータ名が取得できません。\r\nネットワークフォルダを使用できません。\r\n\r\nネットワーク処理を中止します。"}));
  EXPECT_FALSE(desk.link.on);
  EXPECT_EQ(desk.host.controls, ControlsFor(false));
}

TEST_F(NetworkModeTest, AVanishedFolderIsToldWithItsCodeAndTheModeGoesOff) {
  EXPECT_TRUE(desk.mode.CheckFolder(FolderCheck::BeforeReadingPeriods));
  folders.dataFolder = P("gone/");
  EXPECT_FALSE(desk.mode.CheckFolder(FolderCheck::BeforeReadingPeriods));
  EXPECT_EQ(desk.pc.dialogs.Texts(), std::vector<std::string>{
                                         "ネットフォルダ[" + P("gone/") +
                                         "]が確認できません。\r\nローカルフォルダに設定を戻します（ネットＯｆｆ）。[n040]"});
  EXPECT_FALSE(desk.link.on);
  EXPECT_TRUE(MissingFolderText("X", FolderCheck::BeforeReadingMonths).ends_with("（ネットＯｆｆ）。[n030]"));
  EXPECT_TRUE(MissingFolderText("X", FolderCheck::BeforeSaving).ends_with("（ネットＯｆｆ）。[n050]"));
}

TEST_F(NetworkModeTest, TheWaitAtStartEndsWithTheModeOnOrTheButtonMarked) {
  desk.link.on = false;
  desk.mode.AfterNetworkWait(false);
  EXPECT_TRUE(desk.host.controls.switchWarning);
  EXPECT_EQ(desk.pc.dialogs.Texts(), std::vector<std::string>{kNetFolderNotFoundAtStart});
  desk.mode.AfterNetworkWait(true);
  EXPECT_TRUE(desk.link.on);
  EXPECT_FALSE(desk.host.controls.switchWarning);
}

TEST_F(NetworkModeTest, TheMaintenanceLockWaitsForWritersAndIsReleasedAtClose) {
  Put("Data/Files1/CaFromTo.lock", "PC02\r\n");
  EXPECT_FALSE(desk.mode.TakeServiceLock(true));
  EXPECT_EQ(desk.pc.clock.sleeps, std::vector<unsigned>{1000});
  EXPECT_FALSE(Has("mente.lock"));
  EXPECT_FALSE(desk.mode.holdsServiceLock());

  platform::RealFileSystem().DeleteFile(Shared("CaFromTo.lock"));
  ASSERT_TRUE(desk.mode.TakeServiceLock(true));
  EXPECT_EQ(Get("mente.lock"), "PC01\r\n");
  EXPECT_TRUE(desk.mode.holdsServiceLock());
  EXPECT_TRUE(desk.mode.ReleaseServiceLockAtClose());
  EXPECT_FALSE(Has("mente.lock"));
  EXPECT_FALSE(desk.mode.holdsServiceLock());
  EXPECT_TRUE(desk.pc.dialogs.shown.empty());

  Put("mente.lock", "PC02\r\n");
  EXPECT_FALSE(desk.mode.TakeServiceLock(true));
  EXPECT_EQ(desk.pc.dialogs.Texts().back(), "メンテナンスファイルの書出しに失敗しました。");
}

}  // namespace
}  // namespace net
