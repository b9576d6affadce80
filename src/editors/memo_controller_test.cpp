#include "editors/memo_controller.h"

#include <gtest/gtest.h>

#include <deque>

#include "calendar/julius.h"
#include "editors/search_listing.h"
#include "platform/doubles_testutil.h"
#include "support/cp932.h"
#include "support/ini.h"
#include "support/paths.h"

namespace editors {
namespace {

using platform::MsgResult;
using Lines = std::vector<std::string>;

class FakeTextArea : public MemoTextArea {
 public:
  const std::string& Text() const override { return text; }
  void SetLines(const Lines& lines) override {
    text = JoinEditorLines(lines);
    modified = false;
    start = end = {0, 0};
  }
  bool Modified() const override { return modified; }
  void SetModified(bool m) override { modified = m; }
  bool ReadOnly() const override { return readOnly; }
  void SetReadOnly(bool r) override { readOnly = r; }
  TextPos Caret() const override { return end; }
  void SetCaret(TextPos p) override { start = end = PosOfOffset(text, OffsetOfPos(text, p)); }
  void Select(TextPos from, TextPos to) override {
    start = from;
    end = to;
  }
  TextPos SelectionStart() const override { return start; }
  TextPos SelectionEnd() const override { return end; }
  int TopRow() const override { return top; }
  void SetTopRow(int row) override { top = row; }
  int VisibleRows() const override { return 20; }

  // As the user types at the caret.
  void Type(const std::string& s) {
    std::size_t at = OffsetOfPos(text, end);
    text.insert(at, s);
    start = end = PosOfOffset(text, at + s.size());
    modified = true;
  }
  std::string Selected() const {
    std::size_t a = OffsetOfPos(text, start), b = OffsetOfPos(text, end);
    return text.substr(a, b - a);
  }

  std::string text;
  bool modified = false;
  bool readOnly = false;
  TextPos start, end;
  int top = 0;
};

class RecordingScreen : public MemoScreen {
 public:
  void ShowTitle(const std::string& t) override { title = t; }
  void ShowDocument(MemoDoc d, bool readOnly) override { shownDocs.push_back(d); }
  void ShowJumpPanel(bool shown) override { jumpPanel = shown; }
  void ShowMarks(const std::array<int, 10>& m) override { marks = m; }
  FileDialogAnswer AskSaveName(const FileDialogRequest& r) override {
    saveRequests.push_back(r);
    if (saveAnswers.empty()) return {false, r.name};
    FileDialogAnswer a = saveAnswers.front();
    saveAnswers.pop_front();
    return a;
  }
  FileDialogAnswer AskOpenName(const FileDialogRequest& r) override {
    openRequests.push_back(r);
    return openAnswer;
  }
  void BeginWait() override { waits += "["; }
  void ShowProgress(int done, int total) override { progress.push_back({done, total}); }
  void EndWait() override { waits += "]"; }

  std::string title;
  std::vector<MemoDoc> shownDocs;
  bool jumpPanel = false;
  std::array<int, 10> marks{};
  std::deque<FileDialogAnswer> saveAnswers;
  std::vector<FileDialogRequest> saveRequests;
  FileDialogAnswer openAnswer;
  std::vector<FileDialogRequest> openRequests;
  std::string waits;
  std::vector<std::pair<int, int>> progress;
};

const Bounds kDesign{100, 80, 640, 480};

class MemoControllerTest : public testing::Test {
 protected:
  void SetUp() override {
    auto sub = [&](const std::string& relative) { return support::JoinPath(root.path(), relative); };
    folders = {sub("prog\\"), sub("Data\\"), sub("Data\\Files1\\"), sub("prog\\Velda.ini")};
    for (const auto& f : {folders.programFolder, folders.commonDataFolder, folders.dataFolder})
      ASSERT_TRUE(fake.fs.CreateFolder(f));
  }
  MemoController& Start(MemoKind kind) {
    memo = std::make_unique<MemoController>(kind, fake.services, text, screen);
    memo->SetFolders(folders);
    memo->LoadSettings(kDesign);
    return *memo;
  }
  void Write(const std::string& path, const Lines& lines) {
    std::string bytes;
    for (const auto& l : lines) bytes += support::Utf8ToCp932(l) + "\r\n";
    ASSERT_TRUE(fake.fs.WriteAtomic(path, bytes));
  }
  std::string Bytes(const std::string& path) { return fake.fs.ReadAll(path).value_or("<none>"); }
  std::string Cp932(const std::string& utf8) { return support::Utf8ToCp932(utf8); }
  std::string MemoPath() const { return folders.commonDataFolder + "CaMemo.kdf"; }
  std::string IniText() { return support::Cp932ToUtf8(Bytes(folders.settingsFile)); }
  Lines Texts() const { return fake.dialogs.Texts(); }

  platform::FakeServices fake;
  platform::TempFolder root;
  MemoFolders folders;
  FakeTextArea text;
  RecordingScreen screen;
  std::unique_ptr<MemoController> memo;
};

// ---- The memo document ------------------------------------------------------------

TEST_F(MemoControllerTest, MissingMemoStartsEmptyAndUnchangedAndClosingWritesNoFile) {
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  EXPECT_EQ(Texts(), Lines{"メモファイルが見あたりません。\r\n新しいメモファイルを作ります。"});
  EXPECT_EQ(text.text, "");
  EXPECT_FALSE(text.modified);
  EXPECT_EQ(screen.title, "メモ : " + MemoPath());
  ASSERT_TRUE(memo->Close({10, 20, 700, 500}));
  EXPECT_FALSE(fake.fs.Exists(MemoPath()));
  EXPECT_NE(IniText().find("[Memo]\r\nfmMemoTop=20\r\nfmMemoLeft=10\r\nfmMemoHeight=500\r\nfmMemoWidth=700"),
            std::string::npos);
}

TEST_F(MemoControllerTest, TypedMemoIsOnDiskAfterTheCloseAndComesBack) {
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.Type("買い物\n&1 牛乳，卵");
  memo->TextChanged();
  EXPECT_EQ(screen.title, "メモ : " + MemoPath() + "(更新)");
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(MemoPath()), Cp932("買い物\r\n&1 牛乳，卵\r\n"));
  fake.dialogs.shown.clear();
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  EXPECT_EQ(text.text, "買い物\n&1 牛乳，卵");
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(memo->marks()[1], 1);
}

TEST_F(MemoControllerTest, UneditedLinesGoBackByteForByte) {
  // NEC row 13 "≒" (87 90) decodes to the character Windows writes as 81 E0.
  std::string original = std::string("\x87\x90", 2) + "\r\nabc\r\n";
  ASSERT_TRUE(fake.fs.WriteAtomic(MemoPath(), original));
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.SetCaret({1, 3});
  text.Type("d");
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(MemoPath()), std::string("\x87\x90", 2) + "\r\nabcd\r\n");
}

TEST_F(MemoControllerTest, CharactersShiftJisLacksKeepTheWindowOpenAndTheFileAsItWas) {
  Write(MemoPath(), {"古いメモ"});
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.SetCaret({0, 4});
  text.Type("\n予定🎍と😀");
  EXPECT_FALSE(memo->Close(kDesign));
  EXPECT_FALSE(memo->Switch(MemoDoc::Editor));
  ASSERT_EQ(Texts().size(), 2u);
  EXPECT_EQ(Texts()[0], support::UnencodableNotice({{"🎍", 2, 3}, {"😀", 2, 5}}));
  EXPECT_EQ(Bytes(MemoPath()), Cp932("古いメモ\r\n"));
  EXPECT_TRUE(text.modified);
  EXPECT_EQ(memo->doc(), MemoDoc::Memo);

  memo->SessionEnding();
  EXPECT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(MemoPath()), Cp932("古いメモ\r\n予定?と?\r\n"));
}

TEST_F(MemoControllerTest, AFailedWriteKeepsTheWindowOpen) {
  Write(MemoPath(), {"古いメモ"});
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.Type("新しい行\n");
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_FALSE(memo->Close(kDesign));
  EXPECT_EQ(Texts(), Lines{"[ " + MemoPath() + " ]の書込に失敗しました。"});
  EXPECT_EQ(Bytes(MemoPath()), Cp932("古いメモ\r\n"));
  EXPECT_TRUE(text.modified);
}

TEST_F(MemoControllerTest, AMemoThatCannotBeReadIsNeverWrittenOver) {
  Write(MemoPath(), {"大事なメモ"});
  Start(MemoKind::Memo);
  fake.fs.Fail(platform::FailingFileSystem::Op::ReadAll, 1);
  memo->Show(MemoDoc::Memo);
  EXPECT_EQ(Texts(), Lines{"[ " + MemoPath() + " ]の読込に失敗しました。"});
  EXPECT_TRUE(text.readOnly);
  text.modified = true;  // even if something changed it
  EXPECT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(MemoPath()), Cp932("大事なメモ\r\n"));
}

// ---- Document 3 and save-as ---------------------------------------------------------

TEST_F(MemoControllerTest, UntitledTextAsksToSaveAndCancellingTheDialogAsksAgain) {
  ASSERT_TRUE(fake.fs.CreateFolder(folders.programFolder + "Files"));
  Start(MemoKind::Memo).Show(MemoDoc::Editor);
  EXPECT_EQ(screen.title, "Editor : 無題");
  text.Type("下書き");
  fake.dialogs.Answer(MsgResult::Yes);  // save it?
  fake.dialogs.Answer(MsgResult::Yes);  // all right not to save?
  ASSERT_TRUE(memo->Close(kDesign));
  ASSERT_EQ(screen.saveRequests.size(), 1u);
  const FileDialogRequest& r = screen.saveRequests[0];
  EXPECT_EQ(r.title, "保存するファイル名を指定してください。");
  EXPECT_EQ(r.filter, "テキスト( .txt)|*.txt|ハイパーテキスト( .htm, *.html)|*.htm;*.html|すべてのファイル( *.* )|*.*");
  EXPECT_EQ(r.folder, support::JoinPath(folders.programFolder, "Files\\"));
  EXPECT_EQ(r.name, "無題.txt");
  EXPECT_EQ(Texts(), (Lines{"テキストが更新されています。\r\n保存しますか。", "保存しなくてもいいですか？",
                            "この無題のファイルは保存しません"}));
  EXPECT_EQ(fake.dialogs.shown[1].defaultButton, 1);  // No is the default
}

TEST_F(MemoControllerTest, SaveAsRefusesTheUntitledNameAndAskedOverwrites) {
  const std::string existing = folders.programFolder + "todo.txt";
  const std::string chosen = folders.programFolder + "予定メモ.txt";
  Write(existing, {"keep"});
  Start(MemoKind::Memo).Show(MemoDoc::Editor);
  text.Type("本文");
  EXPECT_EQ(screen.saveRequests.size(), 0u);
  screen.saveAnswers = {{true, folders.programFolder + "無題.TxT"}, {true, existing}, {true, chosen}};
  fake.dialogs.Answer(MsgResult::Ok);
  fake.dialogs.Answer(MsgResult::No);  // do not overwrite todo.txt
  ASSERT_TRUE(memo->SaveAs());
  EXPECT_EQ(screen.saveRequests.size(), 3u);
  EXPECT_EQ(screen.saveRequests[0].folder, folders.programFolder);  // no "Files" folder
  EXPECT_EQ(Texts(), (Lines{"[無題] というファイル名では登録できません。\r\nファイル名を変更してください。",
                            "同名のファイルが存在します。\r\n上書きしますか？"}));
  EXPECT_EQ(fake.dialogs.shown[1].caption, "確認 -楓帳-");
  EXPECT_EQ(Bytes(existing), "keep\r\n");
  EXPECT_EQ(Bytes(chosen), Cp932("本文\r\n"));
  EXPECT_EQ(memo->keys().vEditorFile, chosen);
  EXPECT_EQ(screen.title, "Editor : " + chosen);
  EXPECT_FALSE(text.modified);
}

TEST_F(MemoControllerTest, OpeningAnotherFileFirstAsksToSaveTheChangedOne) {
  const std::string first = folders.programFolder + "a.txt", second = folders.programFolder + "b.txt";
  Write(first, {"一"});
  Write(second, {"二", "三"});
  Start(MemoKind::Memo).keys().vEditorFile = first;
  memo->Show(MemoDoc::Editor);
  text.SetCaret({0, 1});
  text.Type("と");
  screen.openAnswer = {true, second};
  memo->OpenFile();
  EXPECT_EQ(Texts(), (Lines{"テキストが更新されています。\r\n保存しますか。",
                            "同名のファイルが存在します。\r\n上書きしますか？"}));
  EXPECT_EQ(Bytes(first), Cp932("一と\r\n"));
  EXPECT_EQ(text.text, "二\n三");
  EXPECT_EQ(memo->keys().vEditorFile, second);
  ASSERT_EQ(screen.openRequests.size(), 1u);
  EXPECT_EQ(screen.openRequests[0].filter,
            "テキスト( txt )|*.txt|ハイパーテキスト( htm, html )|*.htm;*.html|すべてのファイル|*.*");
}

TEST_F(MemoControllerTest, AnEditorFileThatVanishedBecomesUntitled) {
  Start(MemoKind::Memo).keys().vEditorFile = folders.programFolder + "gone.txt";
  memo->Show(MemoDoc::Editor);
  EXPECT_EQ(Texts(), Lines{"以前に編集していたファイルが見あたりません。"});
  EXPECT_EQ(memo->path(), "無題");
  EXPECT_EQ(memo->keys().vEditorFile, "無題");
}

TEST_F(MemoControllerTest, ReloadAsksBeforeDiscardingEdits) {
  Write(MemoPath(), {"元の文"});
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.Type("追記");
  memo->Reload();  // No is the default
  EXPECT_EQ(Texts(), (Lines{"今までの編集がクリアされますがよろしいですか？", "再読込いたしません。"}));
  EXPECT_EQ(text.text, "追記元の文");
  fake.dialogs.Answer(MsgResult::Yes);
  memo->Reload();
  EXPECT_EQ(text.text, "元の文");
  EXPECT_FALSE(text.modified);
}

TEST_F(MemoControllerTest, ReloadOfAnUntitledTextClearsItAfterTwoQuestions) {
  Start(MemoKind::Memo).Show(MemoDoc::Editor);
  text.Type("消える文");
  for (int i = 0; i < 3; ++i) fake.dialogs.Answer(MsgResult::Yes);
  memo->Reload();
  EXPECT_EQ(Texts(), (Lines{"今までの編集がクリアされますがよろしいですか？",
                            "ファイル名が「無題」です。内容をクリアしてもいいですか？",
                            "内容が破棄されます。本当にいいですか？"}));
  EXPECT_EQ(text.text, "");
  EXPECT_FALSE(text.modified);
}

// ---- Switching, views, jump marks --------------------------------------------------

TEST_F(MemoControllerTest, EachDocumentComesBackWhereTheUserWas) {
  Lines many;
  for (int i = 0; i < 100; ++i) many.push_back("行" + std::to_string(i));
  Write(MemoPath(), many);
  Write(folders.programFolder + "CaSima.dat", many);
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  text.SetCaret({40, 0});
  text.top = 30;
  ASSERT_TRUE(memo->Switch(MemoDoc::Usage));
  EXPECT_TRUE(text.readOnly);
  EXPECT_EQ(screen.title, "使用法");
  text.SetCaret({70, 0});
  ASSERT_TRUE(memo->Switch(MemoDoc::Memo));
  EXPECT_EQ(text.Caret().row, 40);
  EXPECT_EQ(text.top, 30);
  EXPECT_FALSE(text.readOnly);
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_NE(IniText().find("vMemoRow=40"), std::string::npos);
  EXPECT_NE(IniText().find("vShiyouRow=70"), std::string::npos);
  EXPECT_EQ(screen.shownDocs, (std::vector<MemoDoc>{MemoDoc::Memo, MemoDoc::Usage, MemoDoc::Memo}));
}

TEST_F(MemoControllerTest, JumpButtonsPlaceTheMarkedLineAndFollowEdits) {
  Lines lines(60, "本文");
  lines[10] = "&1 買い物";
  lines[50] = "＆２　仕事";
  Write(MemoPath(), lines);
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  EXPECT_TRUE(screen.jumpPanel);  // shown by default for the memo
  EXPECT_EQ(screen.marks[1], 10);
  EXPECT_EQ(screen.marks[2], 50);
  memo->Jump(2, false);
  EXPECT_EQ(text.Caret(), (TextPos{50, 0}));
  EXPECT_EQ(text.top, 48);
  memo->Jump(2, true);
  EXPECT_EQ(text.top, 33);
  memo->keys().vJHanten = true;
  memo->Jump(2, false);
  EXPECT_EQ(text.top, 33);
  memo->Jump(5, false);
  EXPECT_EQ(text.top, 33);
  text.SetCaret({0, 0});
  text.Type("新しい行\n");
  memo->TextChanged();
  EXPECT_EQ(screen.marks[1], 11);
  memo->ToggleJumpPanel();
  EXPECT_FALSE(screen.jumpPanel);
}

TEST_F(MemoControllerTest, KeysTheOptionsWindowChangedSurviveTheClose) {
  Lines lines(60, "本文");
  lines[30] = "&7 ここ";
  Write(MemoPath(), lines);
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  ASSERT_TRUE(fake.fs.WriteAtomic(folders.settingsFile, "[Memo]\r\nvCLine1=5\r\nvJHanten=1\r\n"));
  memo->ReloadOptionKeys();
  memo->Jump(7, true);  // reversed: Shift keeps the line near the top
  EXPECT_EQ(text.top, 25);
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_NE(IniText().find("vCLine1=5"), std::string::npos);
  EXPECT_NE(IniText().find("vJHanten=1"), std::string::npos);
}

TEST_F(MemoControllerTest, FindFromTheCaretTellsWhenNothingIsFound) {
  Write(MemoPath(), {"会議の準備", "昼食", "会議"});
  Start(MemoKind::Memo).Show(MemoDoc::Memo);
  EXPECT_FALSE(memo->FindAgain(true));  // no word yet: nothing, not even a message
  EXPECT_TRUE(Texts().empty());
  ASSERT_TRUE(memo->Find("会議", true));
  EXPECT_EQ(text.start, (TextPos{0, 0}));
  ASSERT_TRUE(memo->FindAgain(true));
  EXPECT_EQ(text.start, (TextPos{2, 0}));
  EXPECT_FALSE(memo->FindAgain(true));
  EXPECT_EQ(Texts(), Lines{"検索文字列  ' 会議 '\r\nは見つかりませんでした。"});
  ASSERT_TRUE(memo->FindAgain(false));
  EXPECT_EQ(text.start, (TextPos{0, 0}));
  EXPECT_EQ(text.Selected(), "会議");
}

// ---- The search window --------------------------------------------------------------

class SearchControllerTest : public MemoControllerTest {
 protected:
  std::string ListingPath() const { return folders.dataFolder + "kensaku.txt"; }
  void MonthFiles() {
    Write(folders.dataFolder + "Ca202401.kdf", {" 0,0,9,2024/ 1 [Data\\Files1\\]", " 9,1,,歯医者,,,,,,"});
    Write(folders.dataFolder + "Ca202612.kdf", {" 8,1,,歯医者の予約,,,,,,", "77,1,,年末調整,clBlack,,,,,"});
  }
  // The clock `days` after the listing file was written.
  void DaysAfterListing(int days) {
    platform::DateTime t = *fake.fs.ModifiedTime(ListingPath());
    calendar::Date d = calendar::JuliusToDate(calendar::DateToJulius(t.year, t.month, t.day) + days);
    fake.clock.Set({d.year, d.month, d.day, t.hour, t.minute, t.second, 0});
  }
};

TEST_F(SearchControllerTest, MissingSearchDataIsBuiltAndWrittenAtTheClose) {
  MonthFiles();
  Start(MemoKind::Search).Show(MemoDoc::Memo);
  EXPECT_EQ(Texts(), Lines{"検索データが見あたりません。\r\n新しい検索データを作ります。"});
  EXPECT_EQ(screen.waits, "[]");
  EXPECT_EQ(screen.progress, (std::vector<std::pair<int, int>>{{1, 2}, {2, 2}}));
  EXPECT_EQ(screen.title, "【検索】");
  const std::string listing = "\n[ 2026年12月 ]\n  年末調整\n\n2026年12月 8日(火) 歯医者の予約\n\n"
                              "2024年 1月 9日(火) 歯医者";
  EXPECT_EQ(text.text, listing);
  EXPECT_TRUE(text.modified);
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(ListingPath()),
            Cp932("\r\n[ 2026年12月 ]\r\n  年末調整\r\n\r\n2026年12月 8日(火) 歯医者の予約\r\n\r\n"
                  "2024年 1月 9日(火) 歯医者\r\n"));
}

TEST_F(SearchControllerTest, FreshSearchDataIsLoadedAndNotWrittenAgain) {
  MonthFiles();
  const std::string bytes = Cp932("\n2020年 1月 1日(水) 前の検索");  // LF only: a rewrite would show
  ASSERT_TRUE(fake.fs.WriteAtomic(ListingPath(), bytes));
  DaysAfterListing(30);
  Start(MemoKind::Search).Show(MemoDoc::Memo);
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(text.text, "\n2020年 1月 1日(水) 前の検索");
  EXPECT_FALSE(text.modified);
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Bytes(ListingPath()), bytes);
}

TEST_F(SearchControllerTest, OldSearchDataAsksWhetherToRebuild) {
  MonthFiles();
  Write(ListingPath(), {"古い"});
  DaysAfterListing(31);
  fake.dialogs.Answer(MsgResult::No);
  Start(MemoKind::Search).Show(MemoDoc::Memo);
  EXPECT_EQ(Texts(), Lines{"前回の検索より１ヶ月以上経過しています。\r\n検索データを作り直しますか？"});
  EXPECT_EQ(fake.dialogs.shown[0].defaultButton, 0);  // Yes is the default
  EXPECT_EQ(text.text, "古い");
  EXPECT_FALSE(text.modified);
  memo->Show(MemoDoc::Memo);  // the default answer rebuilds
  EXPECT_NE(text.text.find("歯医者の予約"), std::string::npos);
  EXPECT_TRUE(text.modified);
}

TEST_F(SearchControllerTest, SearchStartsFromTheTopAndKeepsTheHistory) {
  MonthFiles();
  Start(MemoKind::Search).Show(MemoDoc::Memo);
  for (int i = 0; i < 2; ++i) {
    ASSERT_TRUE(memo->SearchFromTop("歯医者"));
    EXPECT_EQ(text.start, (TextPos{4, 15}));  // UTF-16 columns
  }
  ASSERT_TRUE(memo->FindAgain(true));
  EXPECT_EQ(text.start, (TextPos{6, 15}));
  memo->SearchFromTop("年末");
  EXPECT_EQ(memo->history(), (Lines{"年末", "歯医者"}));
  ASSERT_TRUE(memo->Close(kDesign));
  EXPECT_NE(IniText().find("[Kensaku]"), std::string::npos);
  EXPECT_NE(IniText().find("vItems=年末,歯医者"), std::string::npos);
  Start(MemoKind::Search);
  EXPECT_EQ(memo->history(), (Lines{"年末", "歯医者"}));
  EXPECT_EQ(memo->lastWord(), "年末");
}

TEST_F(SearchControllerTest, AListingThatCannotBeWrittenDoesNotHoldTheWindow) {
  MonthFiles();
  Start(MemoKind::Search).Show(MemoDoc::Memo);
  fake.fs.Fail(platform::FailingFileSystem::Op::WriteAtomic, -1);
  EXPECT_TRUE(memo->Close(kDesign));
  EXPECT_EQ(Texts().back(), "[ " + ListingPath() + " ]の書込に失敗しました。");
}

}  // namespace
}  // namespace editors
