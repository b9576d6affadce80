#pragma once
// The commemoration days of "Sday.kdf" as a table: one row per rule, eight
// columns, at least 54 rows (row 0 the heading), more when the file holds
// more rules. Rules in the short forms of the rule grammar are shown in
// the general 7-field form; lines that are no rule are kept aside and
// written back as they were.
//
//   file line                     row
//   1990,,5,14,,,結婚記念日        1 | 1990 |  | 5 | 14 |        |   | 結婚記念日
//   ,,,,2,2,第二月曜日             2 |      |  |   |    | 月曜日 | 2 | 第二月曜日
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

inline constexpr int kTableColumns = 8;
inline constexpr int kTableMinRows = 54;  // the heading and 53 rules

enum TableColumn : int {
  kColNumber = 0, kColYear1, kColYear2, kColMonth, kColDay, kColWeekday, kColWeek, kColText,
};
inline constexpr const char* kColumnHeadings[kTableColumns] = {"No", "年1", "年2", "月", "日", "曜日", "何週目", "記念日等"};

using TableRow = std::array<std::string, kTableColumns>;

struct SpecialDayTable {
  std::vector<TableRow> rows;          // rows[0] is the heading
  std::vector<std::string> keptLines;  // lines that are no rule, as read
};

// The table of the file's lines: row k for the k-th rule, the weekday as
// "日曜日".."土曜日", the row numbers in column 0.
SpecialDayTable TableOfLines(const std::vector<std::string>& lines);
// The file's lines: every row with a text, in the 7-field form with the
// weekday as "1".."7", then the kept lines.
std::vector<std::string> LinesOfTable(const SpecialDayTable& table);
// Another row at the end, numbered.
void AppendRow(SpecialDayTable& table);

// The six forms ("形式") of a rule; a form only enables entry boxes.
enum class RuleForm { MonthDay = 0, WeekdayWeekly, DayMonthly, NthWeekdayMonthly, NthWeekdayOfMonth, Unknown };
inline constexpr const char* kFormCaptions[6] = {"○月○日", "毎週△曜日", "毎月○日", "毎月第□△曜日",
                                                 "○月第□△曜日", "不明"};
struct FormBoxes {
  bool month = false;
  bool day = false;
  bool weekday = false;
  bool week = false;
};
FormBoxes BoxesOf(RuleForm form);
RuleForm FormOfRow(const TableRow& row);

// The entry area below the table. The weekday is an index of the list
// "", "日曜日" .. "土曜日"; the text shows blanks for full-width blanks.
struct EntryArea {
  std::string year1, year2, month, day;
  int weekday = 0;
  std::string week, text;

  bool operator==(const EntryArea&) const = default;
};
EntryArea EntryOfRow(const TableRow& row);
// Why the entry area cannot go into the table, or "" when it can.
std::string EntryProblem(const EntryArea& entry);
// Into the row: the numbers as typed (full-width digits made plain), the
// weekday name unless the index is 0, the text with blanks and commas in
// their full-width stored form.
void TransferEntry(const EntryArea& entry, TableRow& row);

// A cell typed into the table itself, in the form the table keeps (a
// weekday may be typed as 1..7); nullopt with `problem` set when it cannot
// be kept.
std::optional<std::string> CellValue(int column, std::string_view typed, std::string& problem);

// The message naming the characters Shift-JIS cannot hold, or "" when
// there are none.
std::string ShiftJisProblem(std::string_view text);

// The cell Enter moves to: the next column, or column 1 of the next row
// from the last column; the last row stays.
struct Cell {
  int row = 1;
  int column = 1;
  bool operator==(const Cell&) const = default;
};
Cell CellAfterEnter(Cell from, int rowCount);

}  // namespace settings
