// TfmDay under Wine, driven as a person would through its messages: the
// script runs when the window is shown, inside its modal loop's reach.
#include "editors/day_window_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <filesystem>
#include <functional>

#include "platform/doubles_testutil.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "store/schedule_item.h"
#include "support/utf8.h"

namespace editors {
namespace {

class ScriptHost : public DayEditorHost {
 public:
  void EditorShown() override {
    ++shown;
    if (script) script();
  }
  void EditorHidden() override { ++hidden; }
  std::function<void()> script;
  int shown = 0, hidden = 0;
};

void HoldCtrl(bool down) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class TfmDayTest : public testing::Test {
 protected:
  void SetUp() override {
    auto& n = native.services();
    os = std::make_unique<platform::Services>(platform::Services{
        n.fs, dialogs, n.clock, n.system, n.shell, n.clipboard});
    settingsFile = (std::filesystem::temp_directory_path() / "velda_day_test.ini").string();
    std::filesystem::remove(settingsFile);
    ASSERT_TRUE(day.Create({nullptr, os.get(), settingsFile, &host}));
  }
  void TearDown() override { std::filesystem::remove(settingsFile); }

  HWND editor() { return day.Editor().hwnd(); }
  void Type(const std::string& utf8) {
    for (char16_t unit : support::Utf8ToUtf16(utf8)) SendMessageW(editor(), WM_CHAR, unit, 1);
  }
  void Key(unsigned key) { SendMessageW(editor(), WM_KEYDOWN, key, 1); }
  void CtrlKey(HWND to, unsigned key) {
    HoldCtrl(true);
    SendMessageW(to, WM_KEYDOWN, key, 1);
    HoldCtrl(false);
  }
  void Click(int id) {
    SendMessageW(day.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(day.hwnd(), id)));
  }
  std::vector<std::string> Stored(const DayResult& r) {
    std::vector<std::string> lines;
    int position = 0;
    for (const auto& e : r.entries) lines.push_back(store::FormatItemLine(5, ++position, e));
    return lines;
  }

  platform::NativeServices native;
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<platform::Services> os;
  std::string settingsFile;
  ScriptHost host;
  TfmDay day;
  DayEditorSettings settings;
};

PeriodPage APeriod(store::PeriodDate start, store::PeriodDate end, store::PeriodDate summary, const char* text,
                   bool isNew = false) {
  PeriodPage page;
  page.isNew = isNew;
  page.start = start;
  page.end = end;
  page.summary = summary;
  page.text = text;
  return page;
}

DayRequest March5(std::vector<store::DayEntry> entries) {
  return {2004, 3, 5, std::move(entries), {{"誕生日", true}, {"祝日", false}}};
}

TEST_F(TfmDayTest, TwoLinesTheFirstRedWriteBackWithClRed) {
  std::wstring title;
  host.script = [&] {
    wchar_t text[64]{};
    GetWindowTextW(day.hwnd(), text, 64);
    title = text;
    Type("会議");
    Key(VK_RETURN);
    Type("昼食");
    day.Editor().SetCaret({0, 1});
    CtrlKey(editor(), 'R');
    CtrlKey(editor(), VK_RETURN);
  };
  DayResult r = day.EditDay(March5({}), settings);
  EXPECT_EQ(title, L"楓帳 -Velda-");
  ASSERT_TRUE(r.writeBack);
  EXPECT_EQ(Stored(r), (std::vector<std::string>{" 5,1,,会議,clRed,,,,,", " 5,2,,昼食,,,,,,"}));
  EXPECT_EQ(host.shown, 1);
  EXPECT_EQ(host.hidden, 1);
  wchar_t after[64]{};
  GetWindowTextW(day.hwnd(), after, 64);
  EXPECT_STREQ(after, L"");  // recognisable as closed by the main window's timers
}

TEST_F(TfmDayTest, EnterAtTheStartOfARedLineKeepsTheColourWithItsText) {
  store::ItemAttributes red{0x0000FF, 1, 9 * 3600, 2, 3};
  host.script = [&] {
    day.Editor().SetCaret({0, 0});
    Key(VK_RETURN);
    day.Editor().SetCaret({2, 1});
    Key(VK_RETURN);  // in the middle of the blue line: the second half is default
    Click(TfmDay::kBtnKakikomi);
  };
  DayResult r = day.EditDay(March5({{"赤", red}, {"青い", {0xFF0000}}}), settings);
  ASSERT_TRUE(r.writeBack);
  ASSERT_EQ(r.entries.size(), 4u);
  EXPECT_EQ(r.entries[0], (store::DayEntry{"", {}}));
  EXPECT_EQ(r.entries[1], (store::DayEntry{"赤", red}));
  EXPECT_EQ(r.entries[2], (store::DayEntry{"青", {0xFF0000}}));
  EXPECT_EQ(r.entries[3], (store::DayEntry{"い", {}}));
}

TEST_F(TfmDayTest, DeletingThreeSelectedLinesRemovesTheirAttributes) {
  host.script = [&] {
    day.Editor().Select({1, 0}, {4, 0});
    Key(VK_BACK);
    CtrlKey(editor(), 'Z');  // undo brings lines and colours back
    CtrlKey(editor(), 'Y');
    Click(TfmDay::kBtnKakikomi);
  };
  std::vector<store::DayEntry> entries;
  for (int i = 0; i < 6; ++i) entries.push_back({std::to_string(i), {static_cast<store::Color>(i)}});
  DayResult r = day.EditDay(March5(entries), settings);
  ASSERT_EQ(r.entries.size(), 3u);
  EXPECT_EQ(r.entries[0].attributes.color, 0u);
  EXPECT_EQ(r.entries[1], (store::DayEntry{"4", {4}}));
  EXPECT_EQ(r.entries[2], (store::DayEntry{"5", {5}}));
}

TEST_F(TfmDayTest, AnUntouchedEmptyDayWritesNothing) {
  std::vector<std::string> lines;
  host.script = [&] {
    lines = day.Editor().Lines();
    Click(TfmDay::kBtnKakikomi);
  };
  DayResult r = day.EditDay(March5({store::DayEntry{}}), settings);
  EXPECT_EQ(lines, (std::vector<std::string>{""}));
  EXPECT_FALSE(r.writeBack);
  EXPECT_TRUE(r.clearSelectedPeriod);
}

TEST_F(TfmDayTest, EscAsksAndNoKeepsTheWindowOpen) {
  bool openAfterNo = false;
  dialogs.Answer(platform::MsgResult::No);
  dialogs.Answer(platform::MsgResult::Yes);
  host.script = [&] {
    Type("x");
    SendMessageW(editor(), WM_KEYDOWN, VK_ESCAPE, 1);
    openAfterNo = IsWindowVisible(day.hwnd()) && day.Editor().Text() == "x";
    SendMessageW(editor(), WM_KEYDOWN, VK_ESCAPE, 1);
  };
  DayResult r = day.EditDay(March5({}), settings);
  EXPECT_TRUE(openAfterNo);
  ASSERT_EQ(dialogs.shown.size(), 2u);
  EXPECT_EQ(dialogs.shown[0].text, "キャンセルしますか？");
  EXPECT_EQ(dialogs.shown[0].caption, "確認 -楓帳-");
  EXPECT_TRUE(r.cancelled);
  EXPECT_FALSE(r.writeBack);
}

TEST_F(TfmDayTest, MonthMemoHasNoColourCommands) {
  std::wstring caption;
  host.script = [&] {
    wchar_t text[64]{};
    GetWindowTextW(GetDlgItem(day.hwnd(), TfmDay::kPanel1), text, 64);
    caption = text;
    Type("支払い");
    CtrlKey(editor(), 'R');
    Click(TfmDay::kBtnKakikomi);
  };
  DayResult r = day.EditMonthMemo({2004, 3, {{"月末", {store::kClBlack}}}}, settings);
  EXPECT_EQ(caption, L"２００４年３月メモ");
  ASSERT_TRUE(r.writeBack);
  EXPECT_EQ(r.entries, (std::vector<store::DayEntry>{{"月末支払い", {store::kClBlack}}}));
}

TEST_F(TfmDayTest, APeriodSummaryOutsideThePeriodMovesToTheMiddle) {
  const PeriodPage page = APeriod({2004, 3, 5}, {2004, 3, 12}, {2004, 4, 1}, "出張,大阪");
  RECT before{}, during{}, after{};
  GetWindowRect(day.hwnd(), &before);
  host.script = [&] {
    GetWindowRect(day.hwnd(), &during);
    Click(TfmDay::kBtnKakikomi);
  };
  PeriodResult r = day.EditPeriod(page, settings);
  GetWindowRect(day.hwnd(), &after);
  ASSERT_TRUE(r.writeBack);  // a period page always writes
  EXPECT_EQ(r.page.summary, (store::PeriodDate{2004, 3, 8}));
  EXPECT_EQ(r.page.text, "出張,大阪");
  EXPECT_EQ(during.right - during.left, platform::ScaleToDpi(TfmDay::kStandardWidth, day.Dpi()));
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}

// Refused where it is typed: nothing moves, not even the summary day, and
// the page stays for the user to mend.
TEST_F(TfmDayTest, AReversedPeriodIsRefusedWithItsSummaryDayWhereItWas) {
  const PeriodPage page = APeriod({2004, 3, 12}, {2004, 3, 5}, {2004, 4, 1}, "出張");
  bool stayed = false;
  host.script = [&] {
    Click(TfmDay::kBtnKakikomi);
    stayed = !day.Finished();
    Click(TfmDay::kBtnCancel);
  };
  PeriodResult r = day.EditPeriod(page, settings);
  EXPECT_TRUE(stayed);
  EXPECT_TRUE(r.cancelled);
  EXPECT_EQ(r.page.summary, (store::PeriodDate{2004, 4, 1}));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"初めと終わりが逆です。"});
}

// A close from outside or the session's end finishes the page as it
// stands; a new period nobody touched is not one the user asked for.
TEST_F(TfmDayTest, FinishingAnUntouchedNewPeriodAddsNothing) {
  for (bool touched : {false, true}) {
    const PeriodPage page = APeriod({2004, 3, 5}, {2004, 3, 6}, {2004, 3, 5}, "", true);
    host.script = [&] {
      if (touched) SetWindowTextW(GetDlgItem(day.hwnd(), TfmDay::kSeEdit4), L"研修");
      day.FinishNow();
    };
    PeriodResult r = day.EditPeriod(page, settings);
    EXPECT_EQ(r.cancelled, !touched) << touched;
    EXPECT_EQ(r.writeBack, touched) << touched;
  }
}

TEST_F(TfmDayTest, TheDayUpDownCarriesIntoTheMonth) {
  PeriodPage page;
  page.start = {2004, 3, 31};
  page.end = {2004, 4, 2};
  page.summary = {2004, 4, 1};
  host.script = [&] {
    NMUPDOWN up{};
    up.hdr.hwndFrom = GetDlgItem(day.hwnd(), TfmDay::kUdDay1);
    up.hdr.idFrom = TfmDay::kUdDay1;
    up.hdr.code = UDN_DELTAPOS;
    up.iDelta = 1;
    SendMessageW(day.hwnd(), WM_NOTIFY, TfmDay::kUdDay1, reinterpret_cast<LPARAM>(&up));
    Click(TfmDay::kBtnKakikomi);
  };
  PeriodResult r = day.EditPeriod(page, settings);
  EXPECT_EQ(r.page.start, (store::PeriodDate{2004, 4, 1}));
}

TEST_F(TfmDayTest, ASpecialDayWritesOnlyWhenSomethingChanged) {
  host.script = [&] { Click(TfmDay::kBtnKakikomi); };
  SpecialDayResult same = day.EditSpecialDay(2004, 3, 5, {"結婚記念日", "1990", ""}, settings);
  EXPECT_FALSE(same.writeBack);
  host.script = [&] {
    SetWindowTextW(GetDlgItem(day.hwnd(), TfmDay::kEdtKinenYear2), L"2030");
    Click(TfmDay::kBtnKakikomi);
  };
  SpecialDayResult changed = day.EditSpecialDay(2004, 3, 5, {"結婚記念日", "1990", ""}, settings);
  EXPECT_TRUE(changed.writeBack);
  EXPECT_EQ(changed.page, (SpecialDayPage{"結婚記念日", "1990", "2030"}));
}

// The place in screen pixels, the size at 96 DPI, whatever the DPI.
TEST_F(TfmDayTest, ThePositionIsKeptInSectionFmDay) {
  host.script = [&] {
    SetWindowPos(day.hwnd(), nullptr, 40, 50, platform::ScaleToDpi(330, day.Dpi()),
                 platform::ScaleToDpi(360, day.Dpi()), SWP_NOZORDER);
    Click(TfmDay::kBtnCancel);
  };
  day.EditDay(March5({}), settings);
  auto text = native.services().fs.ReadAll(settingsFile);
  ASSERT_TRUE(text);
  EXPECT_NE(text->find("[fmDay]"), std::string::npos);
  EXPECT_NE(text->find("fmLeft=40"), std::string::npos);
  EXPECT_NE(text->find("fmWidth=330"), std::string::npos);
}

LONG FontHeightOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

RECT ClientRectOf(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Moved to a monitor of twice the DPI (what WM_DPICHANGED says there), the
// editor takes the suggested rectangle, makes its fonts and places anew,
// and keeps its 96-DPI size in the settings file.
TEST_F(TfmDayTest, FollowsTheDpiOfTheMonitorItIsMovedTo) {
  const int start = day.Dpi(), next = 2 * start;
  std::string kept;
  host.script = [&] {
    RECT now{};
    GetWindowRect(day.hwnd(), &now);
    RECT suggested{now.left, now.top, now.left + 2 * (now.right - now.left), now.top + 2 * (now.bottom - now.top)};
    SendMessageW(day.hwnd(), platform::kWmDpiChanged, MAKEWPARAM(next, next), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(day.Dpi(), next);
    GetWindowRect(day.hwnd(), &now);
    EXPECT_EQ(now.right - now.left, suggested.right - suggested.left);
    HWND label = GetDlgItem(day.hwnd(), TfmDay::kLabel1);
    EXPECT_EQ(FontHeightOf(label), -platform::ScaleToDpi(16, next));
    EXPECT_EQ(FontHeightOf(GetDlgItem(day.hwnd(), TfmDay::kBtnKakikomi)), -platform::ScaleToDpi(12, next));
    const RECT button = ClientRectOf(day.hwnd(), GetDlgItem(day.hwnd(), TfmDay::kBtnKakikomi));
    RECT client{};
    GetClientRect(day.hwnd(), &client);
    EXPECT_EQ(button.bottom - button.top, platform::ScaleToDpi(26, next));
    EXPECT_NEAR(client.bottom - button.bottom, platform::ScaleToDpi(6, next), 1);  // laid out in 96-DPI numbers
    const RECT text = ClientRectOf(day.hwnd(), day.Editor().hwnd());
    EXPECT_EQ(text.top, platform::ScaleToDpi(44, next));
    EXPECT_LT(text.bottom, button.top);
    Click(TfmDay::kBtnCancel);
  };
  RECT before{};
  GetWindowRect(day.hwnd(), &before);
  day.EditDay(March5({}), settings);
  auto text = native.services().fs.ReadAll(settingsFile);
  ASSERT_TRUE(text);
  const int width96 = platform::ScaleFromDpi(before.right - before.left, start);
  EXPECT_NE(text->find("fmWidth=" + std::to_string(width96)), std::string::npos) << *text;
}

// Regression: the period page gave the window its day size back while it
// was hidden without SWP_NOACTIVATE, which left no window active under
// Wine, so the keyboard reached nobody after a period edit.
TEST(TfmDayOwner, TheOwnerIsActiveAgainAfterThePeriodPage) {
  platform::NativeServices native;
  HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300,
                               200, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(owner);
  SetActiveWindow(owner);
  ScriptHost host;
  TfmDay day;
  ASSERT_TRUE(day.Create({owner, &native.services(), "", &host}));
  host.script = [&] {
    SendMessageW(day.hwnd(), WM_COMMAND, MAKEWPARAM(TfmDay::kBtnKakikomi, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(day.hwnd(), TfmDay::kBtnKakikomi)));
  };
  PeriodPage page;
  page.start = {2004, 3, 5};
  page.end = {2004, 3, 12};
  page.summary = {2004, 3, 8};
  ASSERT_TRUE(day.EditPeriod(page, DayEditorSettings{}).writeBack);
  EXPECT_EQ(GetActiveWindow(), owner);
  DestroyWindow(owner);
}

}  // namespace
}  // namespace editors
