// TfmNetWait under Wine, on a short tick, over a scratch folder that
// appears while it waits; watched and driven from a thread timer that runs
// inside its modal loop.
#include "net/folder_wait_window_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <deque>
#include <functional>

#include "platform/doubles_testutil.h"
#include "platform/text_win.h"
#include "support/paths.h"

namespace net {
namespace {

constexpr unsigned kFastTickMs = 50;

// Steps tried every 20 ms while the window is shown modally: each returns
// true when it is done, and the next one starts.
class Watch {
 public:
  static void Run(std::deque<std::function<bool()>> steps) {
    if (timer_) KillTimer(nullptr, timer_);  // a failed test's leftover steps
    steps_ = std::move(steps);
    timer_ = SetTimer(nullptr, 0, 20, Next);
  }

 private:
  static void CALLBACK Next(HWND, UINT, UINT_PTR, DWORD) {
    if (!steps_.empty() && steps_.front()()) steps_.pop_front();
    if (steps_.empty()) {
      KillTimer(nullptr, timer_);
      timer_ = 0;
    }
  }
  static inline std::deque<std::function<bool()>> steps_;
  static inline UINT_PTR timer_ = 0;
};

std::string TextOf(HWND window) {
  wchar_t text[512]{};
  GetWindowTextW(window, text, 512);
  return platform::Narrow(text);
}

class TfmNetWaitTest : public ::testing::Test {
 protected:
  HWND Shown() { return FindWindowW(L"TfmNetWait", nullptr); }
  HWND Item(int id) { return GetDlgItem(Shown(), id); }
  std::string Text(int id) { return TextOf(Item(id)); }
  bool Visible(int id) { return IsWindowVisible(Item(id)) != FALSE; }
  int Count() { return Shown() ? std::atoi(Text(TfmNetWait::kLblCount).c_str()) : 0; }
  void MakeFolder() {
    ASSERT_TRUE(platform::RealFileSystem().CreateFolder(support::RemoveTrailingSeparator(folder)));
  }

  platform::FakeServices fake;
  platform::TempFolder dir;
  std::string folder = support::EnsureTrailingSeparator(support::JoinPath(dir.path(), "Files1"));
};

// The folder comes after three counts; it is looked for at the tenth, the
// button and the animation go, the red notice shows for a second.
TEST_F(TfmNetWaitTest, AFolderThatAppearsIsFoundAtTheTenthCountAndTheWindowClosesASecondLater) {
  TfmNetWait window(fake.fs, folder, kFastTickMs);
  ASSERT_TRUE(window.Create(nullptr));
  std::string title, waiting, starts, searched, timeout, outOf, button;
  bool foundHiddenWhileWaiting = false, buttonGone = false, animationGone = false, pleaseWait = false;
  std::string foundText, counter;
  LRESULT bar = -1;
  DWORD foundAt = 0;
  Watch::Run({
      [&] {
        if (!IsWindowVisible(window.hwnd())) return false;
        title = TextOf(window.hwnd());
        waiting = Text(TfmNetWait::kLblWaiting);
        starts = Text(TfmNetWait::kLblStarts);
        searched = Text(TfmNetWait::kLblSearched);
        timeout = Text(TfmNetWait::kLblTimeout);
        outOf = Text(TfmNetWait::kLblOutOf);
        button = Text(TfmNetWait::kBtnLocal);
        foundHiddenWhileWaiting = !Visible(TfmNetWait::kLblFound) && !Visible(TfmNetWait::kLblPleaseWait);
        return true;
      },
      [&] {
        if (window.wait().count() < 3) return false;
        MakeFolder();
        return true;
      },
      [&] {
        if (!Visible(TfmNetWait::kLblFound)) return false;
        foundAt = GetTickCount();
        foundText = Text(TfmNetWait::kLblFound);
        pleaseWait = Visible(TfmNetWait::kLblPleaseWait);
        buttonGone = !Visible(TfmNetWait::kBtnLocal);
        animationGone = !Visible(TfmNetWait::kAnimation);
        counter = Text(TfmNetWait::kLblCount);
        bar = SendMessageW(Item(TfmNetWait::kProgress), PBM_GETPOS, 0, 0);
        return true;
      },
  });
  const FolderWaitResult result = window.ShowModal();
  const DWORD closedAt = GetTickCount();

  EXPECT_EQ(result, FolderWaitResult::Found);
  EXPECT_EQ(title, "待機中");
  EXPECT_EQ(waiting, "ネット上のフォルダが使用できるまで待機中です。");
  EXPECT_EQ(starts, "前回終了時に使用していたフォルダが使用できるようになれば自動的に起動します。");
  EXPECT_EQ(searched, "検索フォルダ[ " + folder + " ]");
  EXPECT_EQ(timeout, "タイムアウト");
  EXPECT_EQ(outOf, "／ 100");
  EXPECT_EQ(button, "ローカルフォルダで起動");
  EXPECT_TRUE(foundHiddenWhileWaiting);
  EXPECT_EQ(foundText, "ネットフォルダが見つかりました。");
  EXPECT_TRUE(pleaseWait);
  EXPECT_TRUE(buttonGone);
  EXPECT_TRUE(animationGone);
  EXPECT_EQ(counter, "10");
  EXPECT_EQ(bar, 10);
  EXPECT_EQ(window.wait().count(), 10);  // the tick stopped at the find
  ASSERT_NE(foundAt, 0u);
  EXPECT_GE(closedAt - foundAt, 800u);   // the second of the notice
  EXPECT_FALSE(IsWindowVisible(window.hwnd()));
}

// "ローカルフォルダで起動" ends the wait at once, the owner enabled again.
TEST_F(TfmNetWaitTest, TheButtonStartsWithTheLocalFolder) {
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(owner, nullptr);
  bool ownerDisabled = false, animating = false;
  int counted = 0;
  LRESULT bar = -1;
  Watch::Run({
      [&] {
        if (Count() < 3) return false;
        ownerDisabled = !IsWindowEnabled(owner);
        animating = Visible(TfmNetWait::kAnimation) && Visible(TfmNetWait::kBtnLocal);
        counted = Count();
        bar = SendMessageW(Item(TfmNetWait::kProgress), PBM_GETPOS, 0, 0);
        SendMessageW(Item(TfmNetWait::kBtnLocal), BM_CLICK, 0, 0);
        return true;
      },
  });
  const FolderWaitResult result = ShowFolderWaitWindow(owner, fake.services, folder, kFastTickMs);
  EXPECT_EQ(result, FolderWaitResult::NotFound);
  EXPECT_TRUE(ownerDisabled);
  EXPECT_TRUE(animating);
  EXPECT_EQ(bar, counted);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_EQ(Shown(), nullptr);  // gone with the call
  DestroyWindow(owner);
}

// A hundred counts without the folder: not found, the bar full at the end.
TEST_F(TfmNetWaitTest, AFolderThatNeverComesTimesOutAfterAHundredCounts) {
  TfmNetWait window(fake.fs, folder, 5);
  ASSERT_TRUE(window.Create(nullptr));
  int firstFrame = -1, laterFrame = -1;
  Watch::Run({
      [&] {
        firstFrame = window.animationFrame();
        return true;
      },
      [&] {
        if (window.wait().count() < 40) return false;
        laterFrame = window.animationFrame();
        return true;
      },
  });
  EXPECT_EQ(window.ShowModal(), FolderWaitResult::NotFound);
  EXPECT_EQ(window.wait().count(), kFolderWaitLimit + 1);
  EXPECT_EQ(SendMessageW(GetDlgItem(window.hwnd(), TfmNetWait::kProgress), PBM_GETPOS, 0, 0), 100);
  EXPECT_EQ(TextOf(GetDlgItem(window.hwnd(), TfmNetWait::kLblCount)), "100");
  EXPECT_NE(firstFrame, laterFrame);  // the animation moved
}

// Esc and the close box are the button: the local folder.
TEST_F(TfmNetWaitTest, ClosingTheWindowStartsWithTheLocalFolder) {
  Watch::Run({
      [&] {
        if (!Shown() || !IsWindowVisible(Shown())) return false;
        PostMessageW(Shown(), WM_CLOSE, 0, 0);
        return true;
      },
  });
  EXPECT_EQ(ShowFolderWaitWindow(nullptr, fake.services, folder, kFastTickMs), FolderWaitResult::NotFound);
}

}  // namespace
}  // namespace net
