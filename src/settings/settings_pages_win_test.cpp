// The three setup pages as windows: their controls drive the pages'
// decisions and show what those decided.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "platform/text_win.h"
#include "settings/commemoration_page_win.h"
#include "settings/export_page_win.h"
#include "settings/special_day_page_win.h"
#include "support/cp932.h"

namespace settings {
namespace {

using platform::MsgResult;

class Hosts : public CommemorationPanelHost, public SpecialDayPanelHost, public ExportHost {
 public:
  void ClosePage(bool done) override { closed.push_back(done); }
  void ShowCloseButton(bool visible) override { closeButton = visible; }
  void SavePendingData() override { ++saves; }
  std::optional<std::string> ChooseSaveFile(const SaveFileRequest& request) override {
    return chosenFolder + request.fileName;
  }
  platform::DateTime UtcNow() override { return {2026, 12, 8, 1, 2, 3, 0}; }

  std::vector<bool> closed;
  bool closeButton = true;
  int saves = 0;
  std::string chosenFolder;
};

class PagesTest : public testing::Test {
 protected:
  PagesTest() {
    parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPED, 0, 0, 900, 700, nullptr, nullptr, nullptr, nullptr);
    folders.dataFolder = folders.commonDataFolder = folders.programFolder = dir.path();
  }
  ~PagesTest() override { DestroyWindow(parent); }

  void Put(const std::string& name, const std::string& utf8) {
    ASSERT_TRUE(platform::RealFileSystem().WriteAtomic(dir / name, support::Utf8ToCp932(utf8)));
  }
  std::string Get(const std::string& name) {
    return support::Cp932ToUtf8(platform::RealFileSystem().ReadAll(dir / name).value_or("<missing>"));
  }
  static HWND Control(HWND page, const char* text) {
    return FindWindowExW(page, nullptr, nullptr, platform::Widen(text).c_str());
  }
  static void Click(HWND page, const char* caption) {
    HWND button = Control(page, caption);
    ASSERT_NE(button, nullptr) << caption;
    SendMessageW(button, BM_CLICK, 0, 0);
  }
  static void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }

  platform::TempFolder dir;
  platform::FakeServices fake;
  store::Folders folders;
  store::NetworkLink network;
  Hosts hosts;
  HWND parent = nullptr;
};

std::string CellText(HWND list, int item, int column) {
  wchar_t text[128]{};
  ListView_GetItemText(list, item, column, text, 128);
  return platform::Narrow(text);
}

TEST_F(PagesTest, TableShowsTheFileAndWritesWhatTheEntryAreaTransferred) {
  Put("Sday.kdf", "1990,,5,14,,,結婚記念日\r\n,,,,2,2,第二月曜日\r\n");
  auto panel = CreateSpecialDayPanel({parent, 0, 0, 1, &fake.services, &folders, &hosts});
  ASSERT_TRUE(panel);
  HWND list = panel->table();
  EXPECT_EQ(ListView_GetItemCount(list), kTableMinRows - 1);
  EXPECT_EQ(CellText(list, 0, kColText), "結婚記念日");
  EXPECT_EQ(CellText(list, 1, kColWeekday), "月曜日");

  // Enter walks the columns of the row being edited.
  SendMessageW(list, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(panel->currentColumn(), kColYear2);

  // The text box of the entry area, typed into and transferred.
  HWND text = nullptr;
  for (HWND c = FindWindowExW(panel->hwnd(), nullptr, L"EDIT", nullptr); c; c = FindWindowExW(panel->hwnd(), c, L"EDIT", nullptr))
    if (WindowTextUtf8(c) == "結婚記念日") text = c;
  ASSERT_NE(text, nullptr);
  SetWindowTextW(text, platform::Widen("銀婚式 記念").c_str());
  EXPECT_TRUE(panel->page().transferHighlighted());
  Click(panel->hwnd(), "↑ 表に転記(&A)");
  EXPECT_EQ(CellText(list, 0, kColText), "銀婚式　記念");
  Click(panel->hwnd(), "書込／閉じる(&W)");
  EXPECT_EQ(hosts.closed, std::vector<bool>{true});
  EXPECT_EQ(Get("Sday.kdf"), "1990,,5,14,,,銀婚式　記念\r\n,,,,2,2,第二月曜日\r\n");
}

TEST_F(PagesTest, ImportFromThePageAndTheCloseButtonGoes) {
  Put("Ca200403.kdf", " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,歯医者,,,,,,\r\n");
  Put("Ca200403.cmr", " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 3,1,,ひな祭り,,,,,1001,\r\n");
  auto panel = CreateCommemorationPanel({parent, 0, 0, 2, &fake.services, &folders, &network, {}, &hosts});
  ASSERT_TRUE(panel);
  HWND import = Control(panel->hwnd(), "予定追加読込");
  EXPECT_FALSE(IsWindowEnabled(import));
  fake.dialogs.Answer(MsgResult::Yes);  // backed up
  Click(panel->hwnd(), "「読込」をＯＮ");
  EXPECT_TRUE(IsWindowEnabled(import));
  SendMessageW(Control(panel->hwnd(), "前に挿入"), BM_CLICK, 0, 0);  // off: appended
  Click(panel->hwnd(), "予定追加読込");  // the question's default is Yes
  EXPECT_EQ(Get("Ca200403.kdf"), " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,歯医者,,,,,,\r\n 3,1,,ひな祭り,,,,,1001,\r\n");
  EXPECT_FALSE(hosts.closeButton);
  EXPECT_FALSE(IsWindowEnabled(Control(panel->hwnd(), "中止(&Q)")));
  EXPECT_TRUE(IsWindowEnabled(Control(panel->hwnd(), "適用(&W)")));
  EXPECT_FALSE(IsWindowEnabled(import));
  EXPECT_EQ(fake.dialogs.Texts().back(), "1 件（ファイル単位）読み込みました。");
  Click(panel->hwnd(), "適用(&W)");
  EXPECT_EQ(hosts.closed, std::vector<bool>{true});
  EXPECT_TRUE(panel->page().reloadNeeded());
}

// The code is typed into its box as a user types it, then the imported
// line goes and the month is as it was before the import.
TEST_F(PagesTest, RemovalByTheCodeTypedIntoItsBox) {
  const std::string before = " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,歯医者,,,,,,\r\n";
  Put("Ca200403.kdf", before + " 3,1,,ひな祭り,,,,,1001,\r\n");
  auto panel = CreateCommemorationPanel({parent, 0, 0, 2, &fake.services, &folders, &network, {}, &hosts});
  ASSERT_TRUE(panel);
  fake.dialogs.Answer(MsgResult::Yes);  // backed up
  Click(panel->hwnd(), "「削除」をＯＮ");
  HWND code = GetDlgItem(panel->hwnd(), kCommemorationDeleteCodeId);
  ASSERT_TRUE(IsWindowEnabled(code));
  for (wchar_t c : std::wstring(L"1001")) SendMessageW(code, WM_CHAR, c, 1);
  EXPECT_EQ(platform::WindowTextUtf8(code), "1001");
  fake.dialogs.Answer(MsgResult::Yes);  // remove code 1001
  Click(panel->hwnd(), "削除開始");
  EXPECT_EQ(Get("Ca200403.kdf"), before);
  EXPECT_EQ(fake.dialogs.Texts().back(), "1 件（ファイル単位）削除しました。");
  EXPECT_TRUE(IsWindowEnabled(Control(panel->hwnd(), "適用(&W)")));
}

TEST_F(PagesTest, ExportButtonWritesTheChosenFormat) {
  Put("Ca200403.kdf", " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 5,1,,歯医者,,,,,,\r\n");
  platform::TempFolder out;
  hosts.chosenFolder = out.path();
  calendar::DayClassifier days;
  auto panel = CreateExportPanel({parent, 0, 0, 3, &fake.services, &folders, &days, &hosts,
                                  [] { return calendar::Date{2004, 3, 1}; }, {out.path(), ExportFormat::Text}});
  ASSERT_TRUE(panel);
  SendMessageW(Control(panel->hwnd(), "iCalender(Google等互換)"), BM_CLICK, 0, 0);
  Click(panel->hwnd(), "予定データ書出実行");
  EXPECT_EQ(hosts.saves, 1);
  EXPECT_EQ(panel->choice().format, ExportFormat::ICalendar);
  const std::string ics = platform::RealFileSystem().ReadAll(out / "Te200403.ics").value_or("");
  EXPECT_NE(ics.find("SUMMARY:歯医者\r\n"), std::string::npos);
  EXPECT_EQ(fake.dialogs.Texts().back(), "テキスト(" + out / "Te200403.ics" + ")を書き出しました。");
  Pump();
}

}  // namespace
}  // namespace settings
