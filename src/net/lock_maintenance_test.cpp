#include "net/lock_maintenance.h"

#include "net/net_test_fixture.h"
#include "platform/list_files.h"
#include "support/paths.h"

namespace net {
namespace {

using platform::MsgResult;

class LockMaintenanceTest : public NetTest {
 protected:
  void SetUp() override {
    MakeFolder("Data");
    MakeFolder("Data/Files1");
    MakeFolder("Data/Files2");
    Put("mente.lock", "PC07\r\n");
    Put("Data\\Files1\\Ca200403.lock", "PC01\r\n");
    Put("Data\\Files1\\CaFromTo.lock", "");  // being written
    Put("Data\\Files2\\Ca200404.lock", "PC02\r\n");
    Put("Data\\Files1\\Ca200403.kdf", " 0,0,9,2004/ 3\r\n");
  }
  Computer pc{fs, "PC01"};
};

TEST_F(LockMaintenanceTest, FindsEveryLockWithItsOwnerAndCreatesNone) {
  const std::vector<FoundLock> locks = FindLocks(fs, dir.path());
  ASSERT_EQ(locks.size(), 4u);
  EXPECT_EQ(locks[0].shown, "mente.lock");
  EXPECT_EQ(locks[0].owner, "PC07");
  EXPECT_EQ(locks[1].shown, support::ToNativeSeparators("Data\\Files1\\Ca200403.lock"));
  EXPECT_EQ(locks[1].owner, "PC01");
  EXPECT_EQ(locks[2].shown, support::ToNativeSeparators("Data\\Files1\\CaFromTo.lock"));
  EXPECT_EQ(locks[2].owner, std::nullopt);
  EXPECT_EQ(locks[3].owner, "PC02");
  EXPECT_EQ(fs.Calls(platform::FailingFileSystem::Op::CreateExclusive), 0);
  EXPECT_EQ(Get("Data\\Files1\\CaFromTo.lock"), "");
}

TEST_F(LockMaintenanceTest, SearchNamesTheLocksOrTheirAbsence) {
  ASSERT_TRUE(SearchLocks(pc.os, dir.path()));
  ASSERT_EQ(pc.dialogs.shown.size(), 1u);
  const std::string& text = pc.dialogs.shown[0].text;
  EXPECT_EQ(text.rfind("ロックファイルが、4 個あります。\r\n\r\nmente.lock　【PC07】\r\n", 0), 0u) << text;
  EXPECT_NE(text.find("CaFromTo.lock　【使用中】"), std::string::npos);

  platform::TempFolder empty;
  ASSERT_TRUE(SearchLocks(pc.os, empty.path()));
  EXPECT_EQ(pc.dialogs.shown.back().text, "ロックファイルはありません。");
}

TEST_F(LockMaintenanceTest, FolderNotSetOrMissingIsTold) {
  EXPECT_FALSE(SearchLocks(pc.os, " "));
  EXPECT_EQ(pc.dialogs.shown.back().text,
            "「ネットワーク上のデータフォルダ」が設定されていません。\r\n先に設定してください。");
  EXPECT_EQ(UnlockAll(pc.os, P("gone\\")).removed, 0);
  EXPECT_EQ(pc.dialogs.shown.back().text, "「ネットワーク上のデータフォルダ」が確認できません。\r\n中止します。");
}

TEST_F(LockMaintenanceTest, UnlockAllAsksWithNoAsDefaultThenDeletesOnlyLocks) {
  EXPECT_EQ(UnlockAll(pc.os, dir.path()).removed, 0);  // the default answer, No
  EXPECT_EQ(pc.dialogs.shown.back().defaultButton, 1);
  EXPECT_TRUE(Has("mente.lock"));

  pc.dialogs.Answer(MsgResult::Yes);
  const UnlockResult result = UnlockAll(pc.os, dir.path());
  EXPECT_EQ(result.removed, 4);
  EXPECT_TRUE(result.failed.empty());
  EXPECT_TRUE(FindLocks(fs, dir.path()).empty());
  EXPECT_TRUE(Has("Data\\Files1\\Ca200403.kdf"));
  EXPECT_EQ(pc.dialogs.shown.back().text, "ロックファイルを、4 個削除しました。");
}

TEST_F(LockMaintenanceTest, ALockThatCannotBeDeletedIsNamed) {
  pc.dialogs.Answer(MsgResult::Yes);
  fs.Fail(platform::FailingFileSystem::Op::DeleteFile, 1);
  const UnlockResult result = UnlockAll(pc.os, dir.path());
  EXPECT_EQ(result.removed, 3);
  ASSERT_EQ(result.failed.size(), 1u);
  EXPECT_EQ(result.failed[0], P("mente.lock"));
  EXPECT_TRUE(Has("mente.lock"));
  EXPECT_NE(pc.dialogs.shown.back().text.find("ロックファイル[" + P("mente.lock") + "]の削除に失敗しました。"),
            std::string::npos);
}

}  // namespace
}  // namespace net
