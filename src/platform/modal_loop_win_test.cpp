// The modal loop under Wine: a modal window over an owner, messages posted
// to it while the loop runs.
#include "platform/modal_loop_win.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace platform {
namespace {

constexpr UINT kEndMessage = WM_APP + 7;  // the modal window is done
constexpr int kFirstButton = 1, kSecondButton = 2;

class ModalLoopTest : public testing::Test {
 public:
  void SetUp() override {
    WNDCLASSEXW wc{sizeof wc};
    wc.lpfnWndProc = &ModalLoopTest::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"VeldaModalLoopTest";
    RegisterClassExW(&wc);
    owner = CreateWindowExW(0, wc.lpszClassName, L"owner", WS_OVERLAPPEDWINDOW, 10, 10, 300, 200,
                            nullptr, nullptr, wc.hInstance, nullptr);
    modal = CreateWindowExW(WS_EX_CONTROLPARENT, wc.lpszClassName, L"modal", WS_POPUP | WS_CAPTION, 40, 40, 240,
                            120, owner, nullptr, wc.hInstance, nullptr);
    first = Button(L"1", kFirstButton, 10);
    second = Button(L"2", kSecondButton, 120);
    ended = false;
    keysSeen = 0;
  }
  void TearDown() override {
    if (IsWindow(modal)) DestroyWindow(modal);
    DestroyWindow(owner);
  }

  HWND Button(const wchar_t* text, int id, int x) {
    return CreateWindowExW(0, L"BUTTON", text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, x, 20, 100, 30,
                           modal, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr),
                           nullptr);
  }
  static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kEndMessage) ended = true;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  static void CALLBACK QuitNow(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    PostQuitMessage(7);
  }
  bool RunUntilEnded(const ModalFilter& filter = {}) {
    return RunModalLoop(modal, [] { return ended; }, filter);
  }

  HWND owner = nullptr, modal = nullptr, first = nullptr, second = nullptr;
  static inline bool ended = false;
  static inline int keysSeen = 0;
};

// WM_QUIT arriving while the modal window is up ends its loop, reaches the
// loop outside with its exit code, and leaves the owner usable again.
TEST_F(ModalLoopTest, QuitPostedDuringTheLoopReachesTheLoopOutside) {
  {
    ModalOwner guard(owner);
    EXPECT_FALSE(IsWindowEnabled(owner));
    ShowWindow(modal, SW_SHOWNOACTIVATE);
    SetTimer(modal, 1, 10, &ModalLoopTest::QuitNow);
    EXPECT_FALSE(RunUntilEnded());
    EXPECT_FALSE(ended);
    guard.Return(modal);
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_FALSE(IsWindowVisible(modal));
  }
  MSG msg{};
  // As the main loop's GetMessage would: the quit is still there for it.
  ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 7u);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

// The loop ends when the window is done, or when it is gone.
TEST_F(ModalLoopTest, EndsWhenDoneOrWhenTheWindowIsDestroyed) {
  PostMessageW(modal, kEndMessage, 0, 0);
  EXPECT_TRUE(RunUntilEnded());
  EXPECT_TRUE(ended);

  ended = false;
  PostMessageW(modal, WM_CLOSE, 0, 0);  // DefWindowProc destroys it
  EXPECT_TRUE(RunUntilEnded());
  EXPECT_FALSE(IsWindow(modal));
}

// An owner whose modal window failed half way is not left disabled.
TEST_F(ModalLoopTest, TheOwnerIsEnabledAgainWhenSomethingIsThrown) {
  EXPECT_THROW(
      {
        ModalOwner guard(owner);
        EXPECT_FALSE(IsWindowEnabled(owner));
        throw std::runtime_error("page failed");
      },
      std::runtime_error);
  EXPECT_TRUE(IsWindowEnabled(owner));
}

struct RouteCase {
  const char* name;
  ModalRoute route;
  HWND ModalLoopTest::*focusAfterTab;  // where Tab leaves the focus
  bool dispatched;                     // the button's own procedure saw the key
};

class ModalRouteTest : public ModalLoopTest, public testing::WithParamInterface<RouteCase> {
 protected:
  static LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN) ++keysSeen;
    return CallWindowProcW(buttonProc, window, message, wParam, lParam);
  }
  static inline WNDPROC buttonProc = nullptr;
};

// Tab goes through the dialog navigation only where the filter says so; a
// message the window took is not dispatched at all.
TEST_P(ModalRouteTest, TabFollowsTheRouteTheFilterGives) {
  const RouteCase& c = GetParam();
  buttonProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(first, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ModalRouteTest::CountKeys)));
  SetFocus(first);
  ASSERT_EQ(GetFocus(), first);
  PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(modal, kEndMessage, 0, 0);
  int filtered = 0;
  EXPECT_TRUE(RunUntilEnded([&](const MSG& msg) {
    if (msg.message == WM_KEYDOWN) ++filtered;
    return msg.message == WM_KEYDOWN ? c.route : ModalRoute::Navigate;
  }));
  EXPECT_EQ(filtered, 1);
  EXPECT_EQ(GetFocus(), this->*c.focusAfterTab) << c.name;
  EXPECT_EQ(keysSeen > 0, c.dispatched) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Routes, ModalRouteTest,
                         testing::Values(RouteCase{"taken", ModalRoute::Taken, &ModalLoopTest::first, false},
                                         RouteCase{"navigate", ModalRoute::Navigate, &ModalLoopTest::second, false},
                                         RouteCase{"dispatch", ModalRoute::Dispatch, &ModalLoopTest::first, true}),
                         [](const testing::TestParamInfo<RouteCase>& info) { return std::string(info.param.name); });

// Without a filter the loop navigates, as most modal windows want.
TEST_F(ModalLoopTest, WithoutAFilterTabMovesTheFocus) {
  SetFocus(first);
  PostMessageW(first, WM_KEYDOWN, VK_TAB, 0);
  PostMessageW(modal, kEndMessage, 0, 0);
  EXPECT_TRUE(RunUntilEnded());
  EXPECT_EQ(GetFocus(), second);
}

}  // namespace
}  // namespace platform
