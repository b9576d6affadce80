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

TEST_F(FolderWaitTest, TheWindowShowsTheCountAndTheButtonWhileItWaits) {
  FolderWait wait{fs, P("Data/Files1/")};
  FolderWaitView v = wait.View();
  EXPECT_EQ(v.progress, 0);
  EXPECT_EQ(v.counter, "0");
  EXPECT_TRUE(v.waiting);
  EXPECT_FALSE(v.foundShown || v.closeNow || v.closeSoon);
  for (int i = 0; i < 37; ++i) wait.Tick();
  v = wait.View();
  EXPECT_EQ(v.progress, 37);
  EXPECT_EQ(v.counter, "37");
  EXPECT_TRUE(v.waiting);
}

// The count that times out is never shown as 101 of 100.
TEST_F(FolderWaitTest, PastAHundredTheWindowClosesAtOnceWithTheBarFull) {
  FolderWait wait{fs, P("Data/Files1/")};
  while (wait.Tick() == FolderWait::State::Waiting) {}
  const FolderWaitView v = wait.View();
  EXPECT_EQ(wait.state(), FolderWait::State::TimedOut);
  EXPECT_TRUE(v.closeNow);
  EXPECT_FALSE(v.closeSoon || v.foundShown || v.waiting);
  EXPECT_EQ(v.progress, 100);
  EXPECT_EQ(v.counter, "100");
}

// The folder found at the last look (count 100) is found, not timed out.
TEST_F(FolderWaitTest, AFolderFoundAtTheHundredthCountIsFound) {
  FolderWait wait{fs, P("Data/Files1/")};
  for (int i = 0; i < 99; ++i) wait.Tick();
  MakeFolder("Data");
  MakeFolder("Data/Files1");
  EXPECT_EQ(wait.Tick(), FolderWait::State::Found);
}

// A tick already queued when the window stopped its timer must not undo
// the find: the found window hides the button and waits a second.
TEST_F(FolderWaitTest, AfterTheFindTheWaitIsOverAndTheButtonGoes) {
  MakeFolder("Data");
  MakeFolder("Data/Files1");
  FolderWait wait{fs, P("Data/Files1/")};
  for (int i = 0; i < 10; ++i) wait.Tick();
  ASSERT_EQ(wait.state(), FolderWait::State::Found);
  EXPECT_EQ(wait.Tick(), FolderWait::State::Found);
  EXPECT_EQ(wait.count(), 10);
  const FolderWaitView v = wait.View();
  EXPECT_FALSE(v.waiting);
  EXPECT_TRUE(v.foundShown);
  EXPECT_TRUE(v.closeSoon);
  EXPECT_FALSE(v.closeNow);
  EXPECT_EQ(v.counter, "10");
}

}  // namespace
}  // namespace net
