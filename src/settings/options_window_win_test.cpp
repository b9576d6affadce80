// TfmOption under Wine, driven through its controls by steps that run
// inside its modal loop, and the settings ShowOptions hands back.
#include "settings/options_window_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <deque>
#include <functional>

#include "platform/doubles_testutil.h"
#include "platform/modal_script_win_testutil.h"
#include "platform/ini_file.h"
#include "platform/text_win.h"
#include "settings/dpi_test_fixture_win.h"
#include "support/paths.h"

namespace settings {
namespace {

using platform::MsgResult;

// Steps run one by one, 200 ms apart, while the window is shown modally.
struct Script {
  static void Run(std::deque<std::function<void()>> steps) { platform::ModalScript::Run(std::move(steps), 200); }
};

class OptionsWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&icc);
    args.os = &fake.services;
    args.context.programFolder = temp.path();
    args.context.shellMajorVersion = 6;
    args.settingsFile = temp / "Velda.ini";
    args.dataRoot = temp.path();
    s = DefaultSettings();
  }

  static HWND Window() { return FindWindowW(TfmOption::kClassName, nullptr); }
  static HWND Item(int id) { return GetDlgItem(Window(), id); }
  static HWND Named(std::string_view name, int part = kMain) { return Item(IdOf(name, part)); }
  static std::string Text(HWND h) { return WindowTextUtf8(h); }
  static void Click(HWND h) { SendMessageW(h, BM_CLICK, 0, 0); }
  // As a click on the tab strip: the selection, then its notice.
  static void ChooseTab(int index) {
    HWND tabs = Item(TfmOption::kTabs);
    TabCtrl_SetCurSel(tabs, index);
    NMHDR header{tabs, static_cast<UINT_PTR>(TfmOption::kTabs), static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(Window(), WM_NOTIFY, TfmOption::kTabs, reinterpret_cast<LPARAM>(&header));
  }
  static std::vector<std::string> TabCaptions() {
    std::vector<std::string> captions;
    HWND tabs = Item(TfmOption::kTabs);
    for (int i = 0; i < TabCtrl_GetItemCount(tabs); ++i) {
      wchar_t text[64]{};
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = text;
      item.cchTextMax = 64;
      TabCtrl_GetItem(tabs, i, &item);
      captions.push_back(platform::Narrow(text));
    }
    return captions;
  }
  // Typed into a box, then the focus moves on as Tab would move it.
  static void TypeAndLeave(HWND box, const wchar_t* text) {
    SetFocus(box);
    SetWindowTextW(box, text);
    SetFocus(Item(IDCANCEL));
  }
  static void Key(HWND to, WPARAM key) { PostMessageW(to, WM_KEYDOWN, key, 0); }
  support::IniText File() {
    support::IniText ini;
    platform::LoadIniFile(fake.fs, args.settingsFile, ini);
    return ini;
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  ShowOptionsArgs args;
  Settings s;
};

// Main mode: eight tabs, no memo page; a check box and two numbers typed
// out of range, clamped as the up-downs keep them; Enter closes with OK
// while the focus is still in a number box.
TEST_F(OptionsWindowTest, ValuesChangedThroughTheControlsComeBackWithOk) {
  std::string title, leftKidou, firstTab;
  std::vector<std::string> captions;
  bool memoControlMade = true, hiddenShown = true;
  Script::Run({
      [&] {
        title = Text(Window());
        captions = TabCaptions();
        firstTab = captions.at(static_cast<std::size_t>(TabCtrl_GetCurSel(Item(TfmOption::kTabs))));
        memoControlMade = Named("vCLine1") != nullptr;
        ChooseTab(3);  // " 月表示 "
      },
      [&] { Click(Named("cbTukiMemo")); },
      [&] {
        ChooseTab(5);  // " 機能 "
        hiddenShown = IsWindowVisible(Named("cbTimerNo")) != FALSE;
        TypeAndLeave(Named("udKidouGyou"), L"5000");
        leftKidou = Text(Named("udKidouGyou"));
      },
      [&] { ChooseTab(1); },  // " 表示全般 "
      [&] {
        HWND box = Named("udYokoC");
        SetFocus(box);
        SetWindowTextW(box, L"-999");
        Key(box, VK_RETURN);
      },
  });
  const OptionsOutcome out = ShowOptions(args, 0, s);
  ASSERT_TRUE(out.shown);
  EXPECT_EQ(title, "楓帳 -Velda-");
  EXPECT_EQ(captions, (std::vector<std::string>{" 基本 ", " 表示全般 ", "  暦表示共通 ", " 月表示 ", " 年表示 ",
                                                 " 機能 ", " 連携 ", " ネット１ "}));
  EXPECT_EQ(firstTab, " 基本 ");
  EXPECT_FALSE(memoControlMade);
  EXPECT_FALSE(hiddenShown);
  EXPECT_EQ(leftKidou, "1000");
  EXPECT_TRUE(out.confirmed);
  EXPECT_TRUE(s.cbTukiMemo);
  EXPECT_EQ(s.udKidouGyou, 1000);
  EXPECT_EQ(s.udYokoC, -256);
  EXPECT_TRUE(out.changes.gridOptions);
  EXPECT_TRUE(out.changes.displayMode);
  EXPECT_FALSE(out.changes.endProgram);
  EXPECT_EQ(File().ReadString("Option", "PageIndex", ""), "1");
  EXPECT_EQ(File().ReadString("Jikoku", "rbDay", ""), "1");
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

// Memo mode: the memo page is there and shown first; its numbers reach the
// memo window's section of the file. Esc would have dropped them.
TEST_F(OptionsWindowTest, MemoModeOpensOnTheMemoPageAndWritesItsKeys) {
  std::vector<std::string> captions;
  int shown = -1;
  Script::Run({
      [&] {
        captions = TabCaptions();
        shown = TabCtrl_GetCurSel(Item(TfmOption::kTabs));
        TypeAndLeave(Named("vCLine1"), L"60");
        Click(Named("vJHanten"));
      },
      [&] { Click(Item(IDOK)); },
  });
  const OptionsOutcome out = ShowOptions(args, 1, s);
  ASSERT_EQ(captions.size(), 9u);
  EXPECT_EQ(captions.back(), " メモ ");
  EXPECT_EQ(shown, 8);
  EXPECT_TRUE(out.confirmed);
  EXPECT_EQ(File().ReadString("Memo", "vCLine1", ""), "50");
  EXPECT_EQ(File().ReadString("Memo", "vJHanten", ""), "1");
  EXPECT_EQ(File().ReadString("Option", "PageIndex", ""), "8");
}

TEST_F(OptionsWindowTest, EscapeDropsTheChangesButTheWindowsOwnKeysAreWritten) {
  Script::Run({
      [&] { ChooseTab(3); },
      [&] {
        Click(Named("cbBold"));
        Key(Named("cbBold"), VK_ESCAPE);
      },
  });
  const OptionsOutcome out = ShowOptions(args, 0, s);
  EXPECT_FALSE(out.confirmed);
  EXPECT_TRUE(s.cbBold);
  EXPECT_FALSE(out.changes.any());
  EXPECT_EQ(File().ReadString("Option", "PageIndex", ""), "3");
}

// "変更" opens the colour dialog; what it gives is the key's new colour.
// "規定値に戻す" gives the defaults back.
TEST_F(OptionsWindowTest, ColoursComeFromTheColourDialog) {
  std::vector<store::Color> offered;
  args.pickColour = [&](HWND, store::Color initial) -> std::optional<store::Color> {
    offered.push_back(initial);
    return 0x0000FF00;
  };
  Script::Run({
      [&] { ChooseTab(1); },
      [&] {
        Click(Named("edtCSun", kChange));
        Click(Named("edtCSat", kChange));
        Click(Named("btnDefaultColours"));
        Click(Named("edtCSun", kChange));
      },
      [&] { Click(Item(IDOK)); },
  });
  const OptionsOutcome out = ShowOptions(args, 0, s);
  EXPECT_EQ(offered, (std::vector<store::Color>{0x000000FF, 0x00FF0000, 0x000000FF}));
  EXPECT_EQ(s.edtCSun, 0x0000FF00u);
  EXPECT_EQ(s.edtCSat, store::kClBlue);
  EXPECT_TRUE(out.changes.yearPage);
}

// The system's own dialog opens over the window; cancelled, nothing changes.
TEST_F(OptionsWindowTest, TheSystemColourDialogOpensAndCancelChangesNothing) {
  bool dialogSeen = false;
  Script::Run({
      [&] { ChooseTab(1); },
      [&] { PostMessageW(Named("edtCSun", kChange), BM_CLICK, 0, 0); },
      [&] {
        HWND dialog = FindWindowW(L"#32770", nullptr);
        dialogSeen = dialog && GetWindow(dialog, GW_OWNER) == Window();
        if (dialog) PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
      },
      [&] { Click(Item(IDOK)); },
  });
  ShowOptions(args, 0, s);
  EXPECT_TRUE(dialogSeen);
  EXPECT_EQ(s.edtCSun, 0x000000FFu);
}

// A pending folder change keeps the window open until it is decided; an
// executed change stands even when the window is cancelled, and ends the
// program once.
TEST_F(OptionsWindowTest, FolderChangeIsDecidedBeforeTheWindowCloses) {
  const std::string target = support::JoinPath(temp.path(), "予定\\");
  bool openAfterOk = false, executeEnabledBefore = true;
  fake.dialogs.Answer(MsgResult::Yes);  // データフォルダの変更を行いますか？
  fake.dialogs.Answer(MsgResult::Yes);  // 作成しますか？
  Script::Run({
      [&] {
        executeEnabledBefore = IsWindowEnabled(Named("btnFolderExecute")) != FALSE;
        Click(Named("btnFolderChange"));
      },
      [&] { Click(Item(IDOK)); },
      [&] {
        openAfterOk = IsWindowVisible(Window()) != FALSE;
        SetWindowTextW(Named("edFolder"), platform::Widen(target).c_str());
        Click(Named("btnFolderExecute"));
      },
      [&] { Key(Item(IDCANCEL), VK_ESCAPE); },
  });
  const OptionsOutcome out = ShowOptions(args, 0, s);
  EXPECT_FALSE(executeEnabledBefore);
  EXPECT_TRUE(openAfterOk);
  ASSERT_GE(fake.dialogs.shown.size(), 4u);
  EXPECT_EQ(fake.dialogs.shown[0].text, "変更実行か、キャンセルか、決めて下さい。");
  EXPECT_TRUE(fake.fs.IsFolder(target));
  EXPECT_FALSE(out.confirmed);
  EXPECT_EQ(s.edFolder, target);
  EXPECT_TRUE(out.changes.endProgram);
}

// Tab walks the shown page's controls in their order and skips the other
// pages' (hidden) and greyed ones.
TEST_F(OptionsWindowTest, TabMovesThroughTheShownPageOnly) {
  std::vector<HWND> focus;
  auto tabFrom = [&](HWND from) {
    return std::function<void()>([&, from] {
      SetFocus(from);
      Key(from, VK_TAB);
    });
  };
  auto record = [&] { focus.push_back(GetFocus()); };
  Script::Run({
      tabFrom(Named("cbZenkai")), record,
      tabFrom(Named("btnFolderChange")), record,  // "変更実行", "キャンセル" are greyed
      tabFrom(Named("cbCloseBtn")), record,       // the last of " 基本 "
      [&] { Key(Item(IDOK), VK_ESCAPE); },
  });
  ShowOptions(args, 0, s);
  ASSERT_EQ(focus.size(), 3u);
  EXPECT_EQ(focus[0], Named("cbShiyouchuu"));
  EXPECT_EQ(focus[1], Named("cbLocal"));
  EXPECT_EQ(focus[2], Item(IDOK));
}

class FakeHost : public OptionsNetworkHost {
 public:
  explicit FakeHost(platform::Services& os, const std::string& folder) : admin_(os, folder, false) {}
  bool NetworkOn() override { return false; }
  bool SetNetwork(bool) override { return false; }
  net::NetAdmin& Admin() override { return admin_; }
  bool CanOpenNetBackup() override { return true; }
  void OpenNetBackup() override { ++backups; }
  int backups = 0;

 private:
  net::NetAdmin admin_;
};

// The network tab's buttons follow the rights; lock search reports.
TEST_F(OptionsWindowTest, NetworkButtonsFollowTheRights) {
  FakeHost host(fake.services, temp.path());
  args.network = &host;
  s.cbNet = true;
  s.edtNetFolder = temp.path();
  bool createEnabled = true, searchEnabled = false, fieldReadOnly = false;
  Script::Run({
      [&] { ChooseTab(7); },
      [&] {
        createEnabled = IsWindowEnabled(Named("btnCreateFolder")) != FALSE;
        searchEnabled = IsWindowEnabled(Named("btnLockSearch")) != FALSE;
        fieldReadOnly = (GetWindowLongW(Named("edtNetFolder"), GWL_STYLE) & ES_READONLY) != 0;
        Click(Named("btnLockSearch"));
        Click(Named("btnNetBackup"));  // greyed: nothing happens
      },
      [&] { Click(Item(IDOK)); },
  });
  ShowOptions(args, 0, s);
  EXPECT_FALSE(createEnabled);
  EXPECT_TRUE(searchEnabled);
  EXPECT_TRUE(fieldReadOnly);
  EXPECT_EQ(host.backups, 0);
  EXPECT_EQ(fake.dialogs.Texts().back(), "ロックファイルはありません。");
}

// Moved to monitors of 144 and then 192 DPI, the window takes the
// rectangle the system suggests and lays every control of every tab out
// from its 96-DPI place, with fonts for that DPI, none cut off.
TEST_F(OptionsWindowTest, FollowsTheDpiOfTheMonitorItIsMovedTo) {
  if (platform::SystemDpi() != 96) GTEST_SKIP() << "laid out at 96 DPI first";
  Script::Run({[&] {
    HWND window = Window();
    const auto at96 = dpi_test::ChildrenOf(window);
    RECT outer{};
    GetWindowRect(window, &outer);
    for (int dpi : {144, 192}) {
      EXPECT_TRUE(dpi_test::MoveToDpi(window, outer, dpi));
      dpi_test::ExpectScaledFrom(at96, dpi, OptionsGeometry().fontHeight);
      dpi_test::ExpectNothingClipped(window);
    }
    Click(Item(IDCANCEL));
  }});
  EXPECT_FALSE(ShowOptions(args, 0, s).confirmed);
}

}  // namespace
}  // namespace settings
