#include "net/lock_files.h"

#include "net/net_test_fixture.h"

namespace net {
namespace {

using platform::FailingFileSystem;
using After = SteppingInFileSystem::After;

constexpr char kFuchsia[] = "clFuchsia";

class LockFilesTest : public NetTest {
 protected:
  std::string lock = P("Ca200403.lock");
  Computer pc01{fs, "PC01"};
  Computer pc02{fs, "PC02"};
  LockFiles locks01{pc01.os, pc01.label};
  LockFiles locks02{pc02.os, pc02.label};
};

TEST(LockDisplayName, IsTheFileNameWithTheDataExtension) {
  EXPECT_EQ(LockDisplayName(support::JoinPath("/shared/Data/Files1/", "Ca200403.lock")), "Ca200403.kdf");
  EXPECT_EQ(LockDisplayName("CaFromTo.lock"), "CaFromTo.kdf");
  EXPECT_EQ(LockDisplayName(support::JoinPath("/shared/", "mente.lock")), "mente.kdf");
  EXPECT_EQ(ColorName(LabelColor::Fuchsia), kFuchsia);
  EXPECT_EQ(ColorValue(LabelColor::Red), 0x0000FFu);
}

TEST_F(LockFilesTest, TheSecondComputerIsRefusedAtOnceWithTheOwnerAndTheFile) {
  ASSERT_TRUE(locks01.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(Get("Ca200403.lock"), "PC01\r\n");

  EXPECT_FALSE(locks02.AcquireLock(lock, "PC02", kLockWaitMs, kAcquireTries));
  EXPECT_TRUE(pc02.clock.sleeps.empty());
  ASSERT_EQ(pc02.dialogs.Texts().size(), 1u);
  EXPECT_EQ(pc02.dialogs.Texts()[0],
            "他のコンピュータ【PC01】がデータをロックしています。\r\n"
            "しばらくしてから、もう一度お願いいたします。\r\n"
            "ロックファイル[" + lock + "]");
  EXPECT_EQ(pc02.dialogs.shown[0].caption, "確認 -楓帳-");
  EXPECT_EQ(pc02.label.shown, (std::vector<LockStatus>{{"[Ca200403.kdf]他のコンピュータがロック中", LabelColor::Fuchsia}}));
  EXPECT_FALSE(pc02.label.visible);
  EXPECT_EQ(Get("Ca200403.lock"), "PC01\r\n");
}

// Both computers find the file absent; the one that creates it second must
// not believe it holds the lock too.
TEST_F(LockFilesTest, OfTwoComputersThatFindTheLockAbsentOnlyOneOwnsIt) {
  std::optional<std::string> second;
  fs.StepIn(After::Exists, lock, [&] { second = locks02.TryLock(lock, "PC02"); });
  std::optional<std::string> first = locks01.TryLock(lock, "PC01");

  EXPECT_EQ(second, "PC02");
  EXPECT_EQ(first, std::nullopt) << "both computers believe they hold the lock";
  EXPECT_EQ(Get("Ca200403.lock"), "PC02\r\n");
}

// A file server that does not honour exclusive creation: what was written
// is read back through the held handle before the lock counts as ours.
class CarelessServer : public SteppingInFileSystem {
 public:
  std::unique_ptr<platform::FileLock> CreateExclusive(const std::string& p, std::string_view) override {
    struct Other : platform::FileLock {
      std::optional<std::string> ReadContent() override { return "PC02\r\n"; }
    };
    created = true;
    return std::make_unique<Other>();
  }
  bool created = false;
};

TEST_F(LockFilesTest, ALockThatDoesNotReadBackAsOursIsNotHeld) {
  CarelessServer server;
  Computer pc{server, "PC01"};
  LockFiles locks{pc.os, pc.label};
  EXPECT_EQ(locks.TryLock(lock, "PC01"), std::nullopt);
  EXPECT_TRUE(server.created);
}

TEST_F(LockFilesTest, AnEmptyLockFileIsTriedSixTimesThenReportedInRed) {
  Put("Ca200403.lock", "");
  EXPECT_FALSE(locks01.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(pc01.clock.sleeps, std::vector<unsigned>(6, 300));
  std::vector<LockStatus> expected(5, {"[Ca200403.kdf]書込権限取得のため待機中", LabelColor::Fuchsia});
  expected.push_back({"[Ca200403.kdf]ロック失敗", LabelColor::Red});
  EXPECT_EQ(pc01.label.shown, expected);
  EXPECT_EQ(pc01.dialogs.Texts(), std::vector<std::string>{
                                      "[Ca200403.kdf]のロックに失敗しました。\r\n"
                                      "頻繁に出現しましたら、楓帳管理者にご連絡下さい。"});
  EXPECT_FALSE(pc01.label.visible);
  EXPECT_EQ(Get("Ca200403.lock"), "");
}

// The holder's own handle keeps the file busy until the sixth attempt.
class ClockThatFreesTheLock : public platform::FakeClock {
 public:
  void Sleep(unsigned ms) override {
    FakeClock::Sleep(ms);
    if (sleeps.size() == freeAfter) held.reset();
  }
  std::unique_ptr<platform::FileLock> held;
  size_t freeAfter = 0;
};

TEST_F(LockFilesTest, ALockObtainedOnTheLastAttemptCountsAsObtained) {
  Put("Ca200403.lock", "PC01\r\n");
  Computer pc{fs, "PC01"};
  ClockThatFreesTheLock clock;
  clock.held = fs.OpenExclusive(lock);
  clock.freeAfter = 5;
  platform::Services os{fs, pc.dialogs, clock, pc.system, pc.shell, pc.clipboard};
  LockFiles locks{os, pc.label};
  EXPECT_TRUE(locks.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(clock.sleeps.size(), 5u);
  EXPECT_TRUE(pc.dialogs.shown.empty());
  EXPECT_FALSE(pc.label.visible);
}

// Just before a write inside the lock: "すべてのロックを解除" may have
// removed it, and another computer taken it since.
TEST_F(LockFilesTest, StillOwnsOnlyTheLockFileThatNamesThisComputer) {
  ASSERT_TRUE(locks01.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_TRUE(locks01.StillOwns(lock, "PC01", kLockWaitMs, kAcquireTries));

  fs.DeleteFile(lock);
  EXPECT_FALSE(locks01.StillOwns(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_FALSE(Has("Ca200403.lock")) << "asking must not take the lock again";

  ASSERT_TRUE(locks02.AcquireLock(lock, "PC02", kLockWaitMs, kAcquireTries));
  EXPECT_FALSE(locks01.StillOwns(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(Get("Ca200403.lock"), "PC02\r\n");
  EXPECT_TRUE(pc01.dialogs.shown.empty());
}

TEST_F(LockFilesTest, StillOwnsWaitsForABusyLockFileAndThenGivesUp) {
  Put("Ca200403.lock", "PC01\r\n");
  Computer pc{fs, "PC01"};
  ClockThatFreesTheLock clock;
  clock.held = fs.OpenExclusive(lock);
  clock.freeAfter = 2;
  platform::Services os{fs, pc.dialogs, clock, pc.system, pc.shell, pc.clipboard};
  LockFiles locks{os, pc.label};
  EXPECT_TRUE(locks.StillOwns(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(clock.sleeps.size(), 2u);

  auto busy = fs.OpenExclusive(lock);
  EXPECT_FALSE(locks.StillOwns(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(clock.sleeps.size(), 2u + kAcquireTries + 1);
}

TEST_F(LockFilesTest, ALockThisComputerLeftBehindIsTakenOverAtOnce) {
  Put("Ca200403.lock", "PC01\r\n");
  EXPECT_TRUE(locks01.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_TRUE(pc01.clock.sleeps.empty());
  EXPECT_TRUE(pc01.dialogs.shown.empty());
}

TEST_F(LockFilesTest, NoComputerNameNoLock) {
  EXPECT_FALSE(locks01.AcquireLock(lock, "", kLockWaitMs, kAcquireTries));
  EXPECT_EQ(pc01.dialogs.Texts(), std::vector<std::string>{"コンピュータ名が不明です。\r\n中止します。"});
  EXPECT_FALSE(Has("Ca200403.lock"));
}

TEST_F(LockFilesTest, ReleaseDeletesOnlyTheHoldersOwnLock) {
  ASSERT_TRUE(locks01.AcquireLock(lock, "PC01", kLockWaitMs, kAcquireTries));
  EXPECT_TRUE(locks01.ReleaseLock(lock, "PC01", kLockWaitMs, kDataReleaseTries));
  EXPECT_FALSE(Has("Ca200403.lock"));
  EXPECT_TRUE(locks01.ReleaseLock(lock, "PC01", kLockWaitMs, kDataReleaseTries));  // already gone
  EXPECT_FALSE(Has("Ca200403.lock"));  // and not made again

  Put("Ca200403.lock", "PC02\r\n");
  EXPECT_FALSE(locks01.ReleaseLock(lock, "PC01", kLockWaitMs, kDataReleaseTries));
  EXPECT_EQ(pc01.dialogs.Texts(), std::vector<std::string>{
                                      "他のコンピュータ(PC02)にロックファイルの内容が変わっています\r\n"
                                      "楓帳管理者にご連絡下さい。"});
  EXPECT_EQ(Get("Ca200403.lock"), "PC02\r\n");
  EXPECT_FALSE(pc01.label.visible);
}

TEST_F(LockFilesTest, AReleaseThatCannotReadTheLockGivesUpAfterElevenAttempts) {
  Put("Ca200403.lock", "PC01\r\n");
  auto busy = fs.OpenExclusive(lock);
  EXPECT_FALSE(locks01.ReleaseLock(lock, "PC01", kLockWaitMs, kDataReleaseTries));
  EXPECT_EQ(pc01.clock.sleeps, std::vector<unsigned>(11, 300));
  ASSERT_EQ(pc01.label.shown.size(), 11u);
  EXPECT_EQ(pc01.label.shown[0], (LockStatus{"[Ca200403.kdf]ロックＯｆｆ処理待機中", LabelColor::Fuchsia}));
  EXPECT_EQ(pc01.label.shown[10], (LockStatus{"[Ca200403.kdf]ロックＯｆｆ失敗", LabelColor::Fuchsia}));
  EXPECT_EQ(pc01.dialogs.Texts(), std::vector<std::string>{
                                      "ロックファイル[" + lock + "]の削除に失敗しました。\r\n"
                                      "楓帳管理者にご連絡下さい。"});
  busy.reset();
  EXPECT_EQ(Get("Ca200403.lock"), "PC01\r\n");
}

TEST_F(LockFilesTest, AFailedDeleteIsRetried) {
  Put("Ca200403.lock", "PC01\r\n");
  fs.Fail(FailingFileSystem::Op::DeleteFile, 2);
  EXPECT_TRUE(locks01.ReleaseLock(lock, "PC01", kLockWaitMs, kDataReleaseTries));
  EXPECT_EQ(pc01.clock.sleeps.size(), 2u);
  EXPECT_EQ(pc01.label.shown,
            (std::vector<LockStatus>{{"[Ca200403.kdf]ロックＯｆｆ処理待機中(2)", LabelColor::Fuchsia}}));
  EXPECT_FALSE(Has("Ca200403.lock"));
}

}  // namespace
}  // namespace net
