// TfmMemo and TfmKensaku under Wine, driven through their messages as a
// person would drive them: typing, keys, menu commands, buttons.
#include "editors/memo_window_win.h"
#include "editors/search_listing.h"
#include "editors/search_window_win.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <filesystem>
#include <fstream>

#include "platform/doubles_testutil.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "store/long_history_testutil.h"
#include "support/cp932.h"
#include "support/paths.h"
#include "support/utf8.h"

namespace editors {
namespace {

class RecordingHost : public MemoWindowHost {
 public:
  void MemoWindowClosed(Page page) override { closed.push_back(page); }
  bool CanShowDay() override { return true; }
  void ShowDay(int y, int m, int d) override { days.push_back({y, m, d}); }
  std::vector<Page> closed;
  std::vector<ListingDate> days;
};

void HoldKey(int key, bool down) {
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[key] = down ? 0x80 : 0;
  SetKeyboardState(keys);
}

class MemoWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    auto& n = native.services();
    os = std::make_unique<platform::Services>(
        platform::Services{n.fs, dialogs, n.clock, n.system, n.shell, n.clipboard});
    auto sub = [&](const std::string& r) { return support::JoinPath(root.path(), r); };
    folders = {sub("prog\\"), sub("Data\\"), sub("Data\\Files1\\"), sub("prog\\Velda.ini")};
    for (const auto& f : {folders.programFolder, folders.commonDataFolder, folders.dataFolder})
      ASSERT_TRUE(n.fs.CreateFolder(f));
  }
  void Write(const std::string& path, const std::vector<std::string>& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += support::Utf8ToCp932(l) + "\r\n";
    ASSERT_TRUE(os->fs.WriteAtomic(path, bytes));
  }
  std::string Bytes(const std::string& path) { return os->fs.ReadAll(path).value_or("<none>"); }
  // Enter acts when the key goes down, as with a keyboard.
  void Type(MemoWindow& w, const std::string& utf8) {
    for (char16_t unit : support::Utf8ToUtf16(utf8)) {
      if (unit == u'\n') SendMessageW(w.editor().hwnd(), WM_KEYDOWN, VK_RETURN, 1);
      else SendMessageW(w.editor().hwnd(), WM_CHAR, unit, 1);
    }
  }
  std::string Title(MemoWindow& w) {
    wchar_t text[512]{};
    GetWindowTextW(w.hwnd(), text, 512);
    return platform::Narrow(text);
  }
  void Click(MemoWindow& w, int id) {
    HWND control = GetDlgItem(w.hwnd(), id);
    SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  }

  platform::NativeServices native;
  platform::ScriptedDialogs dialogs;
  std::unique_ptr<platform::Services> os;
  platform::TempFolder root;
  MemoFolders folders;
  RecordingHost host;
};

TEST_F(MemoWindowTest, TheMemoTypedIsOnDiskAfterCloseAndBackAfterReopening) {
  TfmMemo memo;
  ASSERT_TRUE(memo.Create({nullptr, os.get(), folders, &host}));
  memo.Open(MemoDoc::Memo);
  ASSERT_TRUE(memo.Showing());
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"メモファイルが見あたりません。\r\n新しいメモファイルを作ります。"});
  Type(memo, "買い物\n&1 牛乳");
  EXPECT_EQ(Title(memo), "メモ : " + folders.commonDataFolder + "CaMemo.kdf(更新)");
  EXPECT_EQ(memo.StatusText(0), "    2 行:   6 桁");
  EXPECT_EQ(memo.StatusText(2), "挿入");
  EXPECT_EQ(memo.StatusText(6), "メモ");
  memo.RunCommand(MemoWindow::kMnClose);
  EXPECT_FALSE(memo.Showing());
  EXPECT_EQ(host.closed, std::vector<MemoWindowHost::Page>{MemoWindowHost::Page::Keep});
  EXPECT_EQ(Bytes(folders.commonDataFolder + "CaMemo.kdf"), support::Utf8ToCp932("買い物\r\n&1 牛乳\r\n"));
  memo.Open(MemoDoc::Memo);
  EXPECT_EQ(memo.editor().Text(), "買い物\n&1 牛乳");
  EXPECT_EQ(memo.controller().marks()[1], 1);
}

TEST_F(MemoWindowTest, ACharacterShiftJisLacksKeepsTheWindowOpen) {
  TfmMemo memo;
  ASSERT_TRUE(memo.Create({nullptr, os.get(), folders, &host}));
  memo.Open(MemoDoc::Memo);
  Type(memo, "初詣🎍");
  EXPECT_FALSE(memo.CloseWindow());
  EXPECT_TRUE(memo.Showing());
  EXPECT_EQ(dialogs.Texts().back(), support::UnencodableNotice({{"🎍", 1, 3}}));
  EXPECT_FALSE(os->fs.Exists(folders.commonDataFolder + "CaMemo.kdf"));
  memo.editor().Select({0, 2}, {0, 4});  // the emoji is two UTF-16 units
  memo.editor().DeleteSelection();
  EXPECT_EQ(memo.editor().Text(), "初詣");
  EXPECT_TRUE(memo.CloseWindow());
}

TEST_F(MemoWindowTest, TheUsageGuideIsReadOnlyAndItsJumpButtonsFindTheMarks) {
  std::filesystem::copy_file(std::filesystem::path(VELDA_SOURCE_DIR) / "data" / "CaSima.dat",
                             std::filesystem::u8path(folders.programFolder + "CaSima.dat"));
  TfmMemo memo;
  ASSERT_TRUE(memo.Create({nullptr, os.get(), folders, &host}));
  memo.Open(MemoDoc::Usage);
  EXPECT_EQ(Title(memo), "使用法");
  EXPECT_TRUE(memo.editor().ReadOnly());
  EXPECT_EQ(memo.StatusText(1), "Read Only");
  EXPECT_EQ(memo.StatusText(6), "使用法");
  const auto marks = memo.controller().marks();
  for (int digit = 1; digit <= 9; ++digit) ASSERT_GE(marks[digit], 0) << digit;
  Click(memo, TfmMemo::kBtnDigit1 + 2);  // "3"
  EXPECT_EQ(memo.editor().Caret(), (TextPos{marks[3], 0}));
  EXPECT_EQ(memo.editor().FirstVisibleRow(), std::max(0, marks[3] - 2));
  Type(memo, "x");
  EXPECT_FALSE(memo.editor().Modified());
  EXPECT_TRUE(memo.CloseWindow());
}

TEST_F(MemoWindowTest, AltKeysCloseAndAskForAPage) {
  TfmMemo memo;
  ASSERT_TRUE(memo.Create({nullptr, os.get(), folders, &host}));
  const std::pair<WPARAM, MemoWindowHost::Page> keys[] = {{'M', MemoWindowHost::Page::Keep},
                                                         {VK_RIGHT, MemoWindowHost::Page::Month},
                                                         {VK_LEFT, MemoWindowHost::Page::Year}};
  for (const auto& [key, page] : keys) {
    memo.Open(MemoDoc::Editor);
    ASSERT_TRUE(memo.Showing());
    SendMessageW(memo.editor().hwnd(), WM_SYSKEYDOWN, key, 1 << 29);
    EXPECT_FALSE(memo.Showing()) << key;
    EXPECT_EQ(host.closed.back(), page);
  }
  memo.Open(MemoDoc::Editor);
  HoldKey(VK_CONTROL, true);
  SendMessageW(memo.editor().hwnd(), WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(memo.Showing());  // Ctrl+Enter closes when the key is let go
  EXPECT_EQ(memo.editor().Text(), "");
  SendMessageW(memo.editor().hwnd(), WM_KEYUP, VK_RETURN, 1);
  HoldKey(VK_CONTROL, false);
  EXPECT_FALSE(memo.Showing());
}

TEST_F(MemoWindowTest, SwitchingDocumentsAndGoingResident) {
  Write(folders.programFolder + "ReadMe.txt", {"楓帳 -Velda-　ReadMe"});
  TfmMemo memo;
  ASSERT_TRUE(memo.Create({nullptr, os.get(), folders, &host}));
  memo.Open(MemoDoc::Memo);
  Type(memo, "残すメモ");
  memo.RunCommand(MemoWindow::kMnDocReadMe);
  EXPECT_EQ(Title(memo), "ReadMe.txt");
  EXPECT_EQ(memo.editor().Text(), "楓帳 -Velda-　ReadMe");
  EXPECT_EQ(Bytes(folders.commonDataFolder + "CaMemo.kdf"), support::Utf8ToCp932("残すメモ\r\n"));
  ASSERT_TRUE(memo.SaveAndDestroy());
  EXPECT_EQ(memo.hwnd(), nullptr);
  memo.Open(MemoDoc::Memo);  // made again
  ASSERT_TRUE(memo.Showing());
  EXPECT_EQ(memo.editor().Text(), "残すメモ");
  EXPECT_TRUE(memo.SaveAndDestroy());
}

// The listing of a folder, a word two years back found from the search bar.
TEST_F(MemoWindowTest, SearchFindsAWordTwoYearsBack) {
  Write(folders.dataFolder + "Ca202612.kdf", {" 8,1,,忘年会,,,,,,"});
  Write(folders.dataFolder + "Ca202412.kdf", {" 3,1,,歯医者,,,,,,", " 3,2,,車検の予約,,,,,,"});
  TfmKensaku search;
  ASSERT_TRUE(search.Create({nullptr, os.get(), folders, &host}));
  search.Open(MemoDoc::Memo);
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"検索データが見あたりません。\r\n新しい検索データを作ります。"});
  EXPECT_EQ(Title(search), "【検索】");
  EXPECT_EQ(search.StatusText(6), "検索");
  HWND box = GetDlgItem(search.hwnd(), TfmKensaku::kCbKensaku);
  SetWindowTextW(box, L"車検");
  Click(search, TfmKensaku::kBtnKensaku);
  const TextPos caret = search.editor().Caret();
  const auto lines = SplitEditorText(search.editor().Text());
  ASSERT_LT(caret.row, static_cast<int>(lines.size()));
  EXPECT_NE(lines[caret.row].find("車検の予約"), std::string::npos);
  EXPECT_EQ(search.controller().history().front(), "車検");
  search.RunCommand(MemoWindow::kPmShowDay);
  EXPECT_EQ(host.days, (std::vector<ListingDate>{{2024, 12, 3}}));
  Click(search, TfmKensaku::kBtnTojiru);
  EXPECT_FALSE(search.Showing());
  EXPECT_NE(Bytes(folders.dataFolder + "kensaku.txt").find(support::Utf8ToCp932("2024年12月 3日(火) 歯医者")),
            std::string::npos);
  EXPECT_NE(support::Cp932ToUtf8(Bytes(folders.settingsFile)).find("vItems=車検"), std::string::npos);
}

// Ten years of months: a listing long enough that the text control is
// made anew rather than emptied. Every opening of a session shows the same
// listing once and finds the same entry.
TEST_F(MemoWindowTest, EveryOpeningOfALongListingFindsTheSameEntry) {
  store::LongHistorySpec spec;
  spec.years = 10;
  spec.firstYear = 1980;
  store::LongHistory written;
  ASSERT_TRUE(store::WriteLongHistory(os->fs, folders.dataFolder, folders.commonDataFolder, spec, written));
  TfmKensaku search;
  ASSERT_TRUE(search.Create({nullptr, os.get(), folders, &host}));
  std::vector<int> rows;
  std::size_t lineCount = 0;
  for (int round = 0; round < 3; ++round) {
    search.Open(MemoDoc::Memo);
    const std::vector<std::string> lines = SplitEditorText(search.editor().Text());
    if (round == 0) lineCount = lines.size();
    EXPECT_GT(lines.size(), 2000u);
    EXPECT_EQ(lines.size(), lineCount) << round;
    SetWindowTextW(GetDlgItem(search.hwnd(), TfmKensaku::kCbKensaku), L"楓の記念植樹");
    Click(search, TfmKensaku::kBtnKensaku);
    const TextPos caret = search.editor().Caret();
    ASSERT_LT(caret.row, static_cast<int>(lines.size()));
    EXPECT_NE(lines[caret.row].find("楓の記念植樹"), std::string::npos) << round;
    EXPECT_EQ(GetFocus(), search.editor().hwnd()) << round;
    EXPECT_EQ(GetDlgItem(search.hwnd(), MemoWindow::kMemo1), search.editor().hwnd());
    rows.push_back(caret.row);
    Click(search, TfmKensaku::kBtnTojiru);
    EXPECT_FALSE(search.Showing());
  }
  EXPECT_EQ(rows, (std::vector<int>{rows[0], rows[0], rows[0]}));
  EXPECT_EQ(dialogs.Texts(), std::vector<std::string>{"検索データが見あたりません。\r\n新しい検索データを作ります。"});
}

}  // namespace
}  // namespace editors
