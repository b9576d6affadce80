// TfmNichiji under Wine, driven through its controls from a timer that
// runs inside its modal loop, on a clock the test moves.
#include "editors/alarm_window_win.h"

#include <gtest/gtest.h>

#include "platform/dpi.h"
#include <commctrl.h>

#include <deque>
#include <functional>

#include "platform/doubles_testutil.h"
#include "platform/modal_script_win_testutil.h"
#include "platform/text_win.h"

namespace editors {
namespace {

// Steps run one by one, 300 ms apart, while the window is shown modally.
struct Script {
  static void Run(std::deque<std::function<void()>> steps) { platform::ModalScript::Run(std::move(steps), 300); }
};

class TfmNichijiTest : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    fake.clock.Set({2026, 12, 8, 10, 0, 0, 0});
    ASSERT_TRUE(window.Create({nullptr, &fake.services}));
  }
  HWND Item(int id) { return GetDlgItem(window.hwnd(), id); }
  std::string Text(int id) {
    wchar_t text[256]{};
    GetWindowTextW(Item(id), text, 256);
    return platform::Narrow(text);
  }
  void Click(int id) { SendMessageW(Item(id), BM_CLICK, 0, 0); }
  int ClientWidth() {
    RECT r{};
    GetClientRect(window.hwnd(), &r);
    return r.right;
  }
  bool Visible(int id) { return IsWindowVisible(Item(id)) != FALSE; }

  platform::FakeServices fake;
  TfmNichiji window;
};

// Two touches set 10:05, the start arms it and narrows the window; when
// the clock reaches the warning the page itself turns into the notice.
TEST_F(TfmNichijiTest, SetModeArmsAndTurnsIntoTheNoticeOnItsOwnTick) {
  std::string title, caption, sadou;
  int fullWidth = 0, narrowWidth = 0;
  bool twoTouchHidden = false, startHidden = false, noticeShown = false;
  Script::Run({
      [&] {
        title = platform::Narrow([&] { wchar_t t[64]{}; GetWindowTextW(window.hwnd(), t, 64); return std::wstring(t); }());
        fullWidth = ClientWidth();
        Click(TfmNichiji::kBtnH0 + 10);
        Click(TfmNichiji::kBtnM0 + 1);  // 5 minutes
      },
      [&] { Click(TfmNichiji::kBtnTimerOnOff); },
      [&] {
        caption = Text(TfmNichiji::kBtnTimerOnOff);
        narrowWidth = ClientWidth();
        twoTouchHidden = !Visible(TfmNichiji::kGb2Tach) && !Visible(TfmNichiji::kBtnH0);
        fake.clock.Set({2026, 12, 8, 10, 2, 0, 0});
      },
      // the switch comes on an undimmed tick, the notice text on the next:
      // at most four ticks of 800 ms
      [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {}, [] {},
      [&] {
        sadou = Text(TfmNichiji::kLblSadou);
        startHidden = !Visible(TfmNichiji::kBtnTimerOnOff);
        noticeShown = Visible(TfmNichiji::kLblShuuryou);
        Click(TfmNichiji::kBtnClose);
      },
  });
  const auto back = window.ShowModal({{9, 0, 0}, false, kAlarmSetMode, 3});
  ASSERT_TRUE(back);
  EXPECT_EQ(title, "楓帳 -Velda-");
  EXPECT_EQ(fullWidth, platform::ScaleToDpi(TfmNichiji::kClientWidth, window.Dpi()));
  EXPECT_EQ(caption, "タイマー中止(&G)");
  EXPECT_EQ(narrowWidth, platform::ScaleToDpi(TfmNichiji::kNarrowClientWidth, window.Dpi()));
  EXPECT_TRUE(twoTouchHidden);
  EXPECT_EQ(sadou, "設定された時刻になりました。");
  EXPECT_TRUE(startHidden);
  EXPECT_TRUE(noticeShown);
  EXPECT_EQ(window.page().view().notice, "設定時刻、4 分前です");
  EXPECT_EQ(back->time, (settings::TimeOfDay{10, 5, 0}));
  EXPECT_EQ(back->mode, kAlarmDisplayMode);
  EXPECT_FALSE(back->armed);
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

// Closing without starting asks first; No keeps the window open.
TEST_F(TfmNichijiTest, ClosingUnsetAsksAndNoKeepsItOpen) {
  bool stillShown = false;
  fake.dialogs.Answer(platform::MsgResult::No);
  Script::Run({
      [&] { Click(TfmNichiji::kBtnClose); },
      [&] {
        stillShown = IsWindowVisible(window.hwnd()) != FALSE;
        PostMessageW(window.hwnd(), WM_CLOSE, 0, 0);  // the default answer, Yes
      },
  });
  fake.dialogs.Answer(platform::MsgResult::Yes);
  const auto back = window.ShowModal({{9, 0, 0}, false, kAlarmSetMode, 5});
  EXPECT_TRUE(stillShown);
  ASSERT_EQ(fake.dialogs.Texts(), (std::vector<std::string>{
                                      "タイマーをセットせずに、閉じてもよろしいですか？",
                                      "タイマーをセットせずに、閉じてもよろしいですか？"}));
  ASSERT_TRUE(back);
  EXPECT_FALSE(back->armed);
  EXPECT_EQ(back->warningMinutes, 5);
  EXPECT_EQ(Text(TfmNichiji::kEdtHour), "10");  // the current time was set
}

// A press on the minute up-down's upper arrow at 59 carries into the hour.
TEST_F(TfmNichijiTest, TheMinuteUpDownCarriesIntoTheHour) {
  std::string hour, minute;
  Script::Run({
      [&] { SetWindowTextW(Item(TfmNichiji::kEdtMin), L"59"); },
      [&] {
        HWND upDown = Item(TfmNichiji::kUdMin);
        RECT r{};
        GetClientRect(upDown, &r);
        const LPARAM upperHalf = MAKELPARAM(r.right / 2, r.bottom / 4);
        SendMessageW(upDown, WM_LBUTTONDOWN, MK_LBUTTON, upperHalf);
        SendMessageW(upDown, WM_LBUTTONUP, 0, upperHalf);
      },
      [&] {
        hour = Text(TfmNichiji::kEdtHour);
        minute = Text(TfmNichiji::kEdtMin);
        PostMessageW(window.hwnd(), WM_CLOSE, 0, 0);
      },
  });
  fake.dialogs.Answer(platform::MsgResult::Yes);
  window.ShowModal({{9, 0, 0}, false, kAlarmSetMode, 3});
  EXPECT_EQ(hour, "11");
  EXPECT_EQ(minute, "0");
  EXPECT_EQ(window.page().view().clockTime, (settings::TimeOfDay{11, 0, 0}));
}

TEST_F(TfmNichijiTest, DisplayModeIsNarrowTopmostAndClosesAtOnce) {
  int width = 0;
  bool topmost = false, startVisible = true;
  std::string sadou;
  Script::Run({
      [&] {
        width = ClientWidth();
        topmost = (GetWindowLongPtrW(window.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        startVisible = Visible(TfmNichiji::kBtnTimerOnOff);
        sadou = Text(TfmNichiji::kLblSadou);
        Click(TfmNichiji::kBtnClose);
      },
  });
  const auto back = window.ShowModal({{10, 2, 0}, false, kAlarmDisplayMode, 3});
  ASSERT_TRUE(back);
  EXPECT_EQ(width, platform::ScaleToDpi(TfmNichiji::kNarrowClientWidth, window.Dpi()));
  EXPECT_TRUE(topmost);
  EXPECT_FALSE(startVisible);
  EXPECT_EQ(sadou, "設定された時刻になりました。");
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

}  // namespace
}  // namespace editors
