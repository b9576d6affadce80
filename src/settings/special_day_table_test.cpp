#include <gtest/gtest.h>

#include "settings/special_day_page.h"
#include "support/cp932.h"
#include "settings/special_day_table.h"
#include "store/store_test_fixture.h"
#include "support/cp932.h"

namespace settings {
namespace {

using Lines = std::vector<std::string>;
using platform::MsgResult;
using Op = platform::FailingFileSystem::Op;

TableRow Row(std::initializer_list<const char*> cells) {
  TableRow row;
  int c = 1;
  for (const char* cell : cells) row[c++] = cell;
  return row;
}

TEST(SpecialDayTable, FormsFollowWeekWeekdayMonthAndDay) {
  struct Case {
    TableRow row;
    RuleForm form;
  } cases[] = {
      {Row({"2003", "", "12", "25", "", "", "クリスマス"}), RuleForm::MonthDay},
      {Row({"", "", "", "", "月曜日", "2", "第二月曜"}), RuleForm::NthWeekdayMonthly},
      {Row({"", "", "1", "", "月曜日", "2", "成人"}), RuleForm::NthWeekdayOfMonth},
      {Row({"", "", "", "", "", "2", "週だけ"}), RuleForm::Unknown},
      {Row({"", "", "", "", "金曜日", "", "毎週"}), RuleForm::WeekdayWeekly},
      {Row({"", "", "3", "", "金曜日", "", "月と曜日"}), RuleForm::Unknown},
      {Row({"", "", "", "15", "", "", "毎月"}), RuleForm::DayMonthly},
      {Row({"", "", "4", "", "", "", "月だけ"}), RuleForm::Unknown},
  };
  for (const Case& c : cases) EXPECT_EQ(FormOfRow(c.row), c.form) << c.row[kColText];
  EXPECT_EQ(BoxesOf(RuleForm::NthWeekdayOfMonth).month, true);
  EXPECT_EQ(BoxesOf(RuleForm::NthWeekdayOfMonth).day, false);
  EXPECT_EQ(BoxesOf(RuleForm::WeekdayWeekly).weekday, true);
  EXPECT_EQ(BoxesOf(RuleForm::WeekdayWeekly).month, false);
}

TEST(SpecialDayTable, LoadsEveryRuleFormAndWritesTheGeneralForm) {
  const Lines file = {"2003,,12,25,,,クリスマス",
                      ",,,,2,2,第二月曜日",
                      "5,5,こどもの日",
                      "1,2,2,成人の日",
                      "2006,1,4,29,みどりの日",
                      "2003,2,9,3,2,敬老の日",
                      "",
                      "これは規則ではない",
                      "1,1,New Year",
                      "1,1,\"New Year\""};
  const SpecialDayTable table = TableOfLines(file);
  ASSERT_EQ(table.rows.size(), 54u);
  EXPECT_EQ(table.rows[0][kColText], "記念日等");
  EXPECT_EQ(table.rows[1], (TableRow{"1", "2003", "", "12", "25", "", "", "クリスマス"}));
  EXPECT_EQ(table.rows[2], (TableRow{"2", "", "", "", "", "月曜日", "2", "第二月曜日"}));
  EXPECT_EQ(table.rows[3], (TableRow{"3", "", "", "5", "5", "", "", "こどもの日"}));
  EXPECT_EQ(table.rows[4], (TableRow{"4", "", "", "1", "", "月曜日", "2", "成人の日"}));
  EXPECT_EQ(table.rows[5], (TableRow{"5", "", "2006", "4", "29", "", "", "みどりの日"}));
  EXPECT_EQ(table.rows[6], (TableRow{"6", "2003", "", "9", "", "月曜日", "3", "敬老の日"}));
  EXPECT_EQ(table.rows[7], (TableRow{"7", "", "", "1", "1", "", "", "New Year"}));
  EXPECT_EQ(table.rows[8][kColNumber], "8");
  EXPECT_EQ(table.keptLines, (Lines{"これは規則ではない", "1,1,New Year"}));
  EXPECT_EQ(LinesOfTable(table), (Lines{"2003,,12,25,,,クリスマス", ",,,,2,2,第二月曜日", ",,5,5,,,こどもの日",
                                        ",,1,,2,2,成人の日", ",2006,4,29,,,みどりの日", "2003,,9,,2,3,敬老の日",
                                        ",,1,1,,,New　Year", "これは規則ではない", "1,1,New Year"}));
}

// What the table writes reads back as the same table, odd fields included.
TEST(SpecialDayTable, WrittenLinesShowTheSameTable) {
  const Lines odd = {"\"1,2\",,3,4,,,x", "2000,,1,1,,,\"\"\"q\"", ",,2,2,,,　", "1,2,3,4,5,6,7,8"};
  const Lines written = LinesOfTable(TableOfLines(odd));
  EXPECT_EQ(written, (Lines{"\"1,2\",,3,4,,,x", "2000,,1,1,,,\"\"\"q\"", "1,2,3,4,5,6,7,8"}));
  EXPECT_EQ(LinesOfTable(TableOfLines(written)), written);
}

TEST(SpecialDayTable, GrowsWithTheFile) {
  Lines file;
  for (int i = 1; i <= 60; ++i) file.push_back(",,1," + std::to_string(i % 28 + 1) + ",,,日" + std::to_string(i));
  const SpecialDayTable table = TableOfLines(file);
  EXPECT_EQ(table.rows.size(), 61u);
  EXPECT_EQ(LinesOfTable(table), file);
}

TEST(SpecialDayTable, EntryAreaShowsBlanksAndStoresThemFullWidth) {
  TableRow row = Row({"1990", "", "5", "14", "", "", "結婚　記念日（1，000日）"});
  const EntryArea entry = EntryOfRow(row);
  EXPECT_EQ(entry.text, "結婚 記念日（1,000日）");
  EXPECT_EQ(entry.weekday, 0);
  EntryArea typed = entry;
  typed.text = " 銀婚式 まで,あと ";
  typed.month = "６";
  typed.weekday = 3;
  TransferEntry(typed, row);
  EXPECT_EQ(row[kColText], "銀婚式　まで，あと");
  EXPECT_EQ(row[kColMonth], "6");
  EXPECT_EQ(row[kColWeekday], "火曜日");
  typed.weekday = 0;  // index 0 leaves the weekday as it was
  TransferEntry(typed, row);
  EXPECT_EQ(row[kColWeekday], "火曜日");
}

TEST(SpecialDayTable, RefusesWhatTheFileCannotHold) {
  EXPECT_EQ(ShiftJisProblem("誕生日"), "");
  EXPECT_EQ(ShiftJisProblem("🎂誕生日"), support::UnencodableNotice({{"🎂", 1, 1}}));
  EntryArea entry;
  entry.text = "🎂誕生日";
  EXPECT_NE(EntryProblem(entry), "");
  entry.text = "誕生日";
  entry.day = "十五";
  EXPECT_EQ(EntryProblem(entry), "「年1」「年2」「月」「日」「何週目」には数字を入れてください。");
  entry.day = "１５";
  EXPECT_EQ(EntryProblem(entry), "");
  std::string problem;
  EXPECT_EQ(CellValue(kColWeekday, "2", problem), "月曜日");
  EXPECT_EQ(CellValue(kColWeekday, "水曜日", problem), "水曜日");
  EXPECT_FALSE(CellValue(kColWeekday, "月", problem));
  EXPECT_FALSE(CellValue(kColMonth, "x", problem));
  EXPECT_EQ(CellValue(kColText, "a b,c", problem), "a　b，c");
  EXPECT_FALSE(CellValue(kColText, "😀", problem));
}

TEST(SpecialDayTable, EnterWalksTheColumnsAndRows) {
  EXPECT_EQ(CellAfterEnter({3, kColDay}, 54), (Cell{3, kColWeekday}));
  EXPECT_EQ(CellAfterEnter({3, kColText}, 54), (Cell{4, kColYear1}));
  EXPECT_EQ(CellAfterEnter({53, kColText}, 54), (Cell{53, kColText}));
}

// ---- the page over "Sday.kdf" --------------------------------------------------

class SpecialDayPageTest : public store::StoreTest {
 protected:
  void Open(const std::string& utf8Lines) {
    Put("Sday.kdf", support::Utf8ToCp932(utf8Lines));
    page.Load();
  }
  std::string File() { return support::Cp932ToUtf8(Get("Sday.kdf")); }
  SpecialDayPage page{fake.services, folders};
};

TEST_F(SpecialDayPageTest, OpensOnRowOneAndWritesBackWhatItRead) {
  Open("2003,,12,25,,,クリスマス\r\n,,,,2,2,第二月曜日\r\n");
  EXPECT_EQ(page.currentRow(), 1);
  EXPECT_EQ(page.form(), RuleForm::MonthDay);
  EXPECT_EQ(page.entry().month, "12");
  EXPECT_TRUE(page.SelectRow(2));
  EXPECT_EQ(page.form(), RuleForm::NthWeekdayMonthly);
  EXPECT_EQ(page.entry().weekday, 2);
  EXPECT_FALSE(page.writeHighlighted());
  EXPECT_TRUE(page.Write());
  EXPECT_EQ(File(), "2003,,12,25,,,クリスマス\r\n,,,,2,2,第二月曜日\r\n");
}

TEST_F(SpecialDayPageTest, LeavingAChangedRowAsksAndKeepsOrDropsTheChange) {
  Open("2003,,12,25,,,クリスマス\r\n,,5,5,,,こどもの日\r\n");
  EntryArea typed = page.entry();
  typed.text = "聖夜";
  page.SetEntry(typed);
  EXPECT_TRUE(page.transferHighlighted());
  fake.dialogs.Answer(MsgResult::No);
  EXPECT_TRUE(page.SelectRow(2));
  EXPECT_EQ(page.table().rows[1][kColText], "クリスマス");
  typed = page.entry();
  typed.text = "端午";
  page.SetEntry(typed);
  EXPECT_TRUE(page.SelectRow(1));  // the question's default is Yes
  EXPECT_EQ(page.table().rows[2][kColText], "端午");
  EXPECT_TRUE(page.writeHighlighted());
  EXPECT_EQ(Texts(), (std::vector<std::string>(2, "変更事項を書き込みますか？")));
  // A change that cannot be kept keeps the selection where it was.
  typed = page.entry();
  typed.month = "十二";
  page.SetEntry(typed);
  fake.dialogs.Answer(MsgResult::Yes);
  EXPECT_FALSE(page.SelectRow(2));
  EXPECT_EQ(page.currentRow(), 1);
}

TEST_F(SpecialDayPageTest, AClearedRowIsNotWrittenAndAFullTableGrows) {
  Open("2003,,12,25,,,クリスマス\r\n,,5,5,,,こどもの日\r\n");
  page.Clear();  // default No
  EXPECT_EQ(Texts().back(), "削除いたしません。");
  fake.dialogs.Answer(MsgResult::Yes);
  page.Clear();
  EXPECT_EQ(page.form(), RuleForm::Unknown);
  page.FindFreeRow();
  EXPECT_EQ(page.currentRow(), 1);
  EXPECT_EQ(Texts().back(), "形式を指定して、必要事項を記入してください。\r\n「記念日等」は必須です。");
  page.LastRow();
  EXPECT_EQ(page.currentRow(), 2);
  EXPECT_TRUE(page.Write());
  EXPECT_EQ(File(), ",,5,5,,,こどもの日\r\n");

  std::string full;
  for (int i = 1; i <= 53; ++i) full += ",,1,1,,,日" + std::to_string(i) + "\r\n";
  Open(full);
  page.FindFreeRow();
  EXPECT_EQ(page.currentRow(), 54);
  EXPECT_EQ(page.rowCount(), 55);
}

TEST_F(SpecialDayPageTest, TypedCellsAndTransfersAreCheckedBeforeTheyAreKept) {
  Open("");
  EntryArea typed;
  typed.text = "😀の日";
  typed.day = "1";
  page.SetEntry(typed);
  EXPECT_FALSE(page.Transfer());
  EXPECT_EQ(page.table().rows[1][kColText], "");
  EXPECT_FALSE(page.EditCell({1, kColText}, "𠮷野家の日"));
  EXPECT_TRUE(page.EditCell({3, kColText}, "吉野家の日"));
  EXPECT_TRUE(page.EditCell({3, kColWeekday}, "6"));
  EXPECT_EQ(page.table().rows[3][kColWeekday], "金曜日");
  typed.text = "元日";
  typed.month = "1";
  page.SetEntry(typed);
  EXPECT_TRUE(page.Write());  // the pending change is asked about (Yes) and kept
  EXPECT_EQ(File(), ",,1,1,,,元日\r\n,,,,6,,吉野家の日\r\n");
}

TEST_F(SpecialDayPageTest, AFileThatCouldNotBeReadIsNeverWrittenOver) {
  Put("Sday.kdf", support::Utf8ToCp932("2003,,12,25,,,クリスマス\r\n"));
  fake.fs.Fail(Op::ReadAll, -1);
  page.Load();
  fake.fs.Fail(Op::ReadAll, 0);
  EXPECT_FALSE(page.Write());
  EXPECT_EQ(File(), "2003,,12,25,,,クリスマス\r\n");
  EXPECT_EQ(Texts().back(), store::SpecialDaysUnreadText(dir.path()));
}

TEST_F(SpecialDayPageTest, AFailedWriteKeepsTheWindowAndTheFile) {
  Open("2003,,12,25,,,クリスマス\r\n");
  page.EditCell({1, kColText}, "聖夜");
  fake.fs.Fail(Op::WriteAtomic, -1);
  EXPECT_FALSE(page.Write());
  EXPECT_EQ(File(), "2003,,12,25,,,クリスマス\r\n");
  EXPECT_EQ(Texts().back(), "[ " + dir.path() + "Sday.kdf ]の書込に失敗しました。");
}

}  // namespace
}  // namespace settings
