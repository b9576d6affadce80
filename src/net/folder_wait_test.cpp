#include "net/folder_wait.h"

#include "net/net_test_fixture.h"

namespace net {
namespace {

class FolderWaitTest : public NetTest {};

TEST_F(FolderWaitTest, TheFolderIsLookedForEveryTenthSecondUntilAHundredHavePassed) {
  FolderWait wait{fs, P("Data/Files1/")};
  EXPECT_EQ(wait.SearchedText(), "検索フォルダ[ " + P("Data/Files1/") + " ]");
  for (int i = 1; i <= 100; ++i) ASSERT_EQ(wait.Tick(), FolderWait::State::Waiting) << i;
  EXPECT_EQ(wait.Tick(), FolderWait::State::TimedOut);
}

TEST_F(FolderWaitTest, AFolderThatComesBackIsFoundAtTheNextTenthCount) {
  FolderWait wait{fs, P("Data/Files1/")};
  for (int i = 0; i < 13; ++i) wait.Tick();
  MakeFolder("Data");
  MakeFolder("Data/Files1");
  for (int i = 14; i < 20; ++i) EXPECT_EQ(wait.Tick(), FolderWait::State::Waiting) << i;
  EXPECT_EQ(wait.Tick(), FolderWait::State::Found);
  EXPECT_EQ(wait.count(), 20);
}

}  // namespace
}  // namespace net
