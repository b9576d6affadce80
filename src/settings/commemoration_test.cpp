#include <gtest/gtest.h>

#include "settings/commemoration_import.h"
#include "settings/commemoration_page.h"
#include "store/month_file.h"
#include "store/store_test_fixture.h"
#include "support/cp932.h"
#include "support/text.h"

namespace settings {
namespace {

using Lines = std::vector<std::string>;
using Op = platform::FailingFileSystem::Op;
using platform::MsgResult;

const std::string kHeader = " 0,0,9,2004/ 3 [Data\\Files1\\]";
const std::string kMarch = kHeader + "\r\n 5,1,,歯医者,,,,,,\r\n20,1,,≒ 彼岸の集まり,clRed,,,,,\r\n";
const std::string kMarchCmr = kHeader + "\r\n20,1,,春分の日（天文）,,,,,1001,\r\n 5,1,,歯医者,,,,,1001,\r\n"
                              " 3,1,,ひな祭り,clFuchsia,,,,1002,\r\n";

// Shift-JIS with "≒" and "纊" in the forms Windows does not write (NEC row
// 13 87 90, NEC-selected IBM extension ED 40): they must come back as they
// were.
std::string Sjis(const std::string& utf8) {
  const std::string windows = support::Utf8ToCp932(utf8);
  return support::ReplaceAll(support::ReplaceAll(windows, "\x81\xE0", "\x87\x90"), "\xFA\x5C", "\xED\x40");
}

TEST(CommemorationLines, LineToAddColoursOnlyWithoutTheDefaultColour) {
  const ImportOptions plain;
  ImportOptions coloured;
  coloured.defaultColour = false;
  coloured.readColour = 0x0000FF;
  EXPECT_EQ(LineToAdd("20,1,,春分,,,,,1001,", plain), "20,1,,春分,,,,,1001,");
  EXPECT_EQ(LineToAdd("20,1,,春分,,,,,1001,", coloured), "20,1,,春分,clRed,,,,1001,");
  EXPECT_EQ(LineToAdd("20,1,,春分,clLime,3,,,1001,", coloured), "20,1,,春分,clRed,3,,,1001,");
  // A short line gets the fields in which a colour is read at all.
  EXPECT_EQ(LineToAdd("7,1,,短い", coloured), "7,1,,短い,clRed,,,,,");
  EXPECT_EQ(LineToAdd("7,1,,短い", plain), "7,1,,短い");
  EXPECT_FALSE(LineToAdd("7,1,", plain));
}

TEST(CommemorationLines, DuplicatesAreTextsHeldByAnEntryOfTheSameDayField) {
  const Lines month = {kHeader, " 5,1,,山田さんの誕生日会,,,,,,", "12,1,,会議,,,,,,"};
  EXPECT_TRUE(AlreadyInMonth(month, " 5,1,,誕生日,,,,,1001,"));
  EXPECT_FALSE(AlreadyInMonth(month, "5,1,,誕生日,,,,,1001,"));  // " 5" and "5" differ as text
  EXPECT_FALSE(AlreadyInMonth(month, " 6,1,,誕生日,,,,,1001,"));
  EXPECT_FALSE(AlreadyInMonth(month, " 5,1,,,,,,,1001,"));  // an empty text is never held
  EXPECT_FALSE(AlreadyInMonth(month, "12,1,,会議室予約,,,,,1001,"));
}

TEST(CommemorationLines, MergeInsertsAfterTheHeaderOrAppends) {
  const Lines month = {kHeader, " 5,1,,歯医者,,,,,,"};
  const Lines cmr = {kHeader, " 3,1,,ひな祭り,,,,,1002,", " 5,1,,歯医者,,,,,1001,", "20,1,,春分,,,,,1001,"};
  ImportOptions options;
  EXPECT_EQ(MergeCommemoration(month, cmr, options),
            (Lines{kHeader, " 3,1,,ひな祭り,,,,,1002,", "20,1,,春分,,,,,1001,", " 5,1,,歯医者,,,,,,"}));
  options.insertBefore = false;
  EXPECT_EQ(MergeCommemoration(month, cmr, options),
            (Lines{kHeader, " 5,1,,歯医者,,,,,,", " 3,1,,ひな祭り,,,,,1002,", "20,1,,春分,,,,,1001,"}));
  EXPECT_FALSE(MergeCommemoration(month, {"x,1"}, options));
}

TEST(CommemorationLines, RemovalTakesExactlyTheCodeFromFullLines) {
  const Lines lines = {kHeader, " 1,1,,a,,,,,1000,", " 2,1,,b,,,,,10000,", " 3,1,,c,,,,,,",
                       " 4,1,,d,,,,,1000", " 5,1,,e,,,,,1000,,extra"};
  EXPECT_EQ(LinesWithoutCode(lines, 1000), (Lines{kHeader, " 2,1,,b,,,,,10000,", " 3,1,,c,,,,,,", " 4,1,,d,,,,,1000"}));
}

TEST(CommemorationLines, OnlyMonthNamesAreTaken) {
  EXPECT_EQ(MonthOfFileName("Ca200403.cmr", ".cmr")->month, 3);
  EXPECT_EQ(MonthOfFileName("cA200412.CMR", ".cmr")->year, 2004);
  for (const char* name : {"Ca2004031.cmr", "Ca200413.cmr", "Ca2004-3.cmr", "Ca200403.kdf", "Xa200403.cmr"})
    EXPECT_FALSE(MonthOfFileName(name, ".cmr")) << name;
}

// ---- runs over the data folder ------------------------------------------------

class CommemorationRun : public store::StoreTest {
 protected:
  MergeRun Import(const ImportOptions& options = {}) { return ImportCommemorations(env, network, options); }
  MergeRun Remove(int code) { return RemoveDeleteCode(env, network, code); }
  store::NetworkLink network;
};

TEST_F(CommemorationRun, ACommemorationFileForANewMonthBecomesItsFileUnchanged) {
  const std::string cmr = Sjis(kHeader + "\r\n 3,1,,≒ひな祭り,,,,,1002,\r\n");
  Put("Ca200403.cmr", cmr);
  const MergeRun run = Import();
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(run.files, 1);
  EXPECT_TRUE(run.rewrote);
  EXPECT_EQ(Get("Ca200403.kdf"), cmr);
  EXPECT_FALSE(Has("Ca200403.cmr"));
  EXPECT_TRUE(Texts().empty());
}

TEST_F(CommemorationRun, ImportingTheSameFileTwiceAddsNothingTheSecondTime) {
  Put("Ca200403.kdf", Sjis(kMarch));
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  EXPECT_TRUE(Import().ok);
  const std::string once = Get("Ca200403.kdf");
  EXPECT_EQ(support::Cp932ToUtf8(once), kHeader + "\r\n20,1,,春分の日（天文）,,,,,1001,\r\n"
                                                  " 3,1,,ひな祭り,clFuchsia,,,,1002,\r\n" +
                                             kMarch.substr(kHeader.size() + 2));
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  const MergeRun again = Import();
  EXPECT_EQ(again.files, 1);
  EXPECT_EQ(Get("Ca200403.kdf"), once);
  EXPECT_FALSE(Has("Ca200403.cmr"));
}

TEST_F(CommemorationRun, AFailedMonthWriteKeepsTheCommemorationFile) {
  Put("Ca200403.kdf", Sjis(kMarch));
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  fake.fs.Fail(Op::WriteAtomic, -1);
  const MergeRun run = Import();
  EXPECT_FALSE(run.ok);
  EXPECT_FALSE(run.rewrote);
  EXPECT_EQ(Get("Ca200403.kdf"), Sjis(kMarch));
  EXPECT_EQ(Get("Ca200403.cmr"), Sjis(kMarchCmr));
  EXPECT_EQ(Texts(), std::vector<std::string>{"2004年3月のデータを書き損ねたおそれがあります(fs05)。\r\nチェック願います。"});
}

TEST_F(CommemorationRun, AMonthThatCannotBeReadIsNeverWrittenOver) {
  Put("Ca200403.kdf", Sjis(kMarch));
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  fake.fs.Fail(Op::ReadAll, -1);
  EXPECT_FALSE(Import().ok);
  fake.fs.Fail(Op::ReadAll, 0);
  EXPECT_EQ(Get("Ca200403.kdf"), Sjis(kMarch));
  EXPECT_TRUE(Has("Ca200403.cmr"));
  EXPECT_EQ(fake.fs.Calls(Op::WriteAtomic), 0);
}

TEST_F(CommemorationRun, AShortLineEndsTheRunAndEarlierFilesKeepTheirImport) {
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  Put("Ca200404.kdf", Sjis(" 0,0,9,2004/ 4 [Data\\Files1\\]\r\n 1,1,,x,,,,,,\r\n"));
  Put("Ca200404.cmr", "1,2\r\n");
  const MergeRun run = Import();
  EXPECT_FALSE(run.ok);
  EXPECT_TRUE(run.rewrote);
  EXPECT_TRUE(Has("Ca200403.kdf"));
  EXPECT_TRUE(Has("Ca200404.cmr"));
}

// The user confirmed the removal once: the months it empties or halves are
// written without the guard's two questions each. A month that could not
// be read is still never written over.
TEST_F(CommemorationRun, RemovalOverManyEmptiedMonthsAsksNothingMore) {
  Put("Ca200403.kdf", Sjis(kHeader + "\r\n 1,1,,a,,,,,1000,\r\n 2,1,,b,,,,,1001,\r\n 3,1,,c,,,,,,\r\n"));
  Put("Ca200404.kdf", Sjis(kMarch));
  auto header = [](int y, int m) { return store::MonthHeader(y, m, "Data\\Files1\\") + "\r\n"; };
  for (int year : {1985, 2005})
    for (int month = 1; month <= 12; ++month)
      Put(store::MonthFileName(year, month), Sjis(header(year, month) + " 1,1,,a,,,,,1000,\r\n"));
  const MergeRun run = Remove(1000);
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(run.files, 13);  // the months named "Ca2*.kdf" only
  EXPECT_TRUE(Texts().empty());
  EXPECT_EQ(support::Cp932ToUtf8(Get("Ca200403.kdf")), kHeader + "\r\n 2,1,,b,,,,,1001,\r\n 3,1,,c,,,,,,\r\n");
  EXPECT_EQ(Get("Ca200512.kdf"), Sjis(header(2005, 12)));
  EXPECT_EQ(Get("Ca200404.kdf"), Sjis(kMarch));
  EXPECT_EQ(fake.fs.Calls(Op::WriteAtomic), 13);

  Put("Ca200406.kdf", Sjis(header(2004, 6) + " 1,1,,a,,,,,1000,\r\n"));
  fake.fs.Fail(Op::ReadAll, -1);
  EXPECT_FALSE(Remove(1000).ok);
  fake.fs.Fail(Op::ReadAll, 0);
  EXPECT_EQ(Get("Ca200406.kdf"), Sjis(header(2004, 6) + " 1,1,,a,,,,,1000,\r\n"));
  EXPECT_EQ(fake.fs.Calls(Op::WriteAtomic), 13);
}

// Import then removal by code gives every month file back byte for byte,
// whichever way the entries went in.
TEST_F(CommemorationRun, ImportThenRemovalGivesTheMonthsBackByteForByte) {
  const std::string april = Sjis(" 0,0,9,2004/ 4 [Data\\Files1\\]\r\n29,1,,纊 昭和の日,,,,,,\r\n");
  for (bool before : {true, false})
    for (bool colour : {true, false}) {
      Put("Ca200403.kdf", Sjis(kMarch));
      Put("Ca200404.kdf", april);
      Put("Ca200403.cmr", Sjis(kMarchCmr));
      Put("Ca200404.cmr", Sjis(" 0,0,9,2004/ 4 [Data\\Files1\\]\r\n29,1,,みどりの日,,,,,1001,\r\n"));
      ImportOptions options{before, colour, 0x00FF00};
      ASSERT_TRUE(Import(options).ok);
      ASSERT_NE(Get("Ca200403.kdf"), Sjis(kMarch));
      const MergeRun first = Remove(1001);
      const MergeRun second = Remove(1002);
      EXPECT_EQ(first.files, 2);
      EXPECT_EQ(second.files, 1);
      EXPECT_EQ(Get("Ca200403.kdf"), Sjis(kMarch)) << before << colour;
      EXPECT_EQ(Get("Ca200404.kdf"), april) << before << colour;
    }
  EXPECT_TRUE(Texts().empty());
}

TEST_F(CommemorationRun, FoldersAndOtherNamesAreLeftAlone) {
  ASSERT_TRUE(fake.fs.CreateFolder(dir / "Ca200405.cmr"));
  Put("Ca2004051.cmr", Sjis(kMarchCmr));
  const MergeRun run = Import();
  EXPECT_TRUE(run.ok);
  EXPECT_EQ(run.files, 0);
  EXPECT_TRUE(Has("Ca2004051.cmr"));
  EXPECT_FALSE(Has("Ca200405.kdf"));
}

// ---- the page ----------------------------------------------------------------

class CommemorationPageTest : public CommemorationRun {
 protected:
  CommemorationPage page{{fake.services, folders, network}, {}};
  const CommemorationView& view() { return page.view(); }
};

TEST_F(CommemorationPageTest, ImportIsSwitchedOnOnlyWithFilesAndABackup) {
  page.ToggleImport();
  EXPECT_FALSE(view().importOn);
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  fake.dialogs.Answer(MsgResult::No);
  page.ToggleImport();
  EXPECT_FALSE(view().importOn);
  page.ToggleImport();  // the question's default is No
  EXPECT_FALSE(view().importOn);
  fake.dialogs.Answer(MsgResult::Yes);
  page.ToggleImport();
  EXPECT_TRUE(view().importOn);
  page.ToggleImport();
  EXPECT_FALSE(view().importOn);
  const std::string backup = "予定データは退避（バックアップ）されましたでしょうか？";
  const std::string refused = "退避（バックアップ）してから、実行してください。\r\n中止します。";
  EXPECT_EQ(Texts(), (std::vector<std::string>{"読み込むべきデータが有りません。", backup, refused, backup,
                                               refused, backup}));
  EXPECT_EQ(fake.dialogs.shown[1].caption, "確認 -楓帳-");
}

TEST_F(CommemorationPageTest, ASuccessfulImportLeavesOnlyApplyAndCountsFiles) {
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  Put("Ca200404.cmr", Sjis(kMarchCmr));
  Put("Ca200404.kdf", Sjis(kHeader + "\r\n"));
  fake.dialogs.Answer(MsgResult::Yes);
  page.ToggleImport();
  page.SetDefaultColour(false);
  EXPECT_EQ(view().readColourShown, store::kClTeal);
  fake.dialogs.Answer(MsgResult::Yes);
  page.Import();
  EXPECT_EQ(Texts().back(), "2 件（ファイル単位）読み込みました。");
  EXPECT_TRUE(view().applyEnabled);
  EXPECT_FALSE(view().cancelEnabled);
  EXPECT_FALSE(view().closeButtonVisible);
  EXPECT_FALSE(view().importOn);
  EXPECT_TRUE(page.reloadNeeded());
  EXPECT_NE(support::Cp932ToUtf8(Get("Ca200404.kdf")).find("ひな祭り,clTeal,"), std::string::npos);
}

TEST_F(CommemorationPageTest, ImportDeclinedOrFailedIsTold) {
  Put("Ca200403.kdf", Sjis(kMarch));
  Put("Ca200403.cmr", Sjis(kMarchCmr));
  fake.dialogs.Answer(MsgResult::Yes);
  page.ToggleImport();
  fake.dialogs.Answer(MsgResult::No);
  page.Import();
  EXPECT_EQ(Texts().back(), "読込を中止いたします。");
  fake.fs.Fail(Op::WriteAtomic, -1);
  page.Import();  // the question's default is Yes
  EXPECT_EQ(Texts().back(), "追加処理の途中でエラーが発生しました。\r\nデータをチェックしてください。");
  EXPECT_TRUE(page.closeRequested());
  EXPECT_FALSE(page.reloadNeeded());
  EXPECT_TRUE(Has("Ca200403.cmr"));
}

TEST_F(CommemorationPageTest, RemovalNeedsACodeOfAtLeast1000AndAYes) {
  Put("Ca200403.kdf", Sjis(kHeader + "\r\n 1,1,,a,,,,,1000,\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,999,\r\n"));
  fake.dialogs.Answer(MsgResult::Yes);
  page.ToggleRemoval();
  EXPECT_TRUE(view().removeOn);
  EXPECT_TRUE(page.TakeFocusRequest());
  EXPECT_FALSE(view().startRemovalEnabled);
  for (const char* code : {"999", "abc", ""}) {
    page.SetDeleteCode(code);
    page.Remove();
    EXPECT_EQ(Texts().back(), "削除番号が不明です。") << code;
  }
  page.SetDeleteCode(" 1000 ");
  EXPECT_TRUE(view().startRemovalEnabled);
  page.Remove();  // the question's default is No
  EXPECT_EQ(Texts()[Texts().size() - 2], "かえで記念日の予定の内、削除コード[1000]を削除しますか？");
  EXPECT_EQ(Texts().back(), "中止いたします。");
  fake.dialogs.Answer(MsgResult::Yes);
  page.Remove();
  EXPECT_EQ(Texts().back(), "1 件（ファイル単位）削除しました。");
  EXPECT_EQ(support::Cp932ToUtf8(Get("Ca200403.kdf")), kHeader + "\r\n 2,1,,b,,,,,,\r\n 3,1,,c,,,,,999,\r\n");
  EXPECT_FALSE(view().removeOn);
  EXPECT_TRUE(page.reloadNeeded());
}

TEST_F(CommemorationPageTest, SettingsAndColoursOfThePage) {
  EXPECT_EQ(view().readColourShown, kClSilver);
  EXPECT_FALSE(view().applyEnabled);
  CommemorationSettings changed;
  changed.pCcbYuusen = true;
  page.SetSettings(changed);
  EXPECT_TRUE(view().applyEnabled && view().cancelEnabled);
  page.SetReadColour(0x123456);  // ignored while the default colour is on
  EXPECT_EQ(view().readColourShown, kClSilver);
  page.SetDefaultColour(false);
  page.SetReadColour(0x123456);
  EXPECT_EQ(view().readColourShown, 0x123456u);
  page.SetDefaultColour(true);
  page.SetDefaultColour(false);  // switched off again: teal once more
  EXPECT_EQ(view().readColourShown, store::kClTeal);
  page.Cancel();
  EXPECT_FALSE(page.Apply().pCcbYuusen);
}

}  // namespace
}  // namespace settings
