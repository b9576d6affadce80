#include "settings/special_day_table.h"

#include <optional>

#include "calendar/comma_text.h"
#include "calendar/day_rules.h"
#include "store/special_days.h"
#include "support/cp932.h"
#include "support/text.h"
#include "support/utf8.h"

namespace settings {
namespace {

constexpr char kFullWidthBlank[] = "　";
constexpr char kNumbersOnly[] = "「年1」「年2」「月」「日」「何週目」には数字を入れてください。";
constexpr char kWeekdayNames[] = "曜日には「日曜日」～「土曜日」か 1～7 を入れてください。";

using Fields = std::vector<std::string>;

// The year bound of the 5- and 6-field forms as from-year and to-year.
std::pair<std::string, std::string> YearBound(const std::string& year, const std::string& kind) {
  return {kind == "0" || kind == "2" ? year : "", kind == "0" || kind == "1" ? year : ""};
}

// The general form of a short rule: from, to, month, day, weekday, week, name.
std::optional<Fields> GeneralForm(const Fields& f) {
  switch (f.size()) {
    case 3: return Fields{"", "", f[0], f[1], "", "", f[2]};
    case 4: return Fields{"", "", f[0], "", f[2], f[1], f[3]};
    case 5: {
      auto [from, to] = YearBound(f[0], f[1]);
      return Fields{from, to, f[2], f[3], "", "", f[4]};
    }
    case 6: {
      auto [from, to] = YearBound(f[0], f[1]);
      return Fields{from, to, f[2], "", f[4], f[3], f[5]};
    }
    default: return std::nullopt;
  }
}

// The seven fields a line shows in the table; nullopt for a line that is
// no rule. The general form is shown as it stands, numbers or not, so the
// user can mend it; a short form only when the rules read it.
std::optional<Fields> RuleFields(const std::string& line) {
  Fields f = calendar::SplitCommaText(line);
  if (f.size() == 7) return f;
  if (f.size() < 3 || f.size() > 6 || calendar::ParseDayRules({line}).rules.empty()) return std::nullopt;
  return GeneralForm(f);
}

TableRow NumberedRow(std::size_t k) {
  TableRow row;
  row[kColNumber] = std::to_string(k);
  return row;
}

std::string WeekdayShown(const std::string& field) {
  const auto n = support::ParseInt(support::Trim(field));
  return n && *n >= 1 && *n <= 7 ? support::WeekdayLong(*n) : field;
}

int NumberOf(std::string_view text) { return support::StrToIntDef(support::Trim(text), 0); }

int WeekdayIndexOf(const std::string& cell) {
  const std::string number = support::WeekdayNumber(support::Trim(cell));
  return number.empty() ? 0 : NumberOf(number);
}

std::string PlainDigits(std::string_view text) {
  std::string out(support::Trim(text));
  for (int d = 0; d <= 9; ++d) out = support::ReplaceAll(out, support::FullWidthDigit(d), std::to_string(d));
  return out;
}

bool IsNumberOrEmpty(std::string_view text) {
  const std::string plain = PlainDigits(text);
  return plain.empty() || support::ParseInt(plain).has_value();
}

bool IsNumberColumn(int column) {
  return column == kColYear1 || column == kColYear2 || column == kColMonth || column == kColDay ||
         column == kColWeek;
}

}  // namespace

SpecialDayTable TableOfLines(const std::vector<std::string>& lines) {
  SpecialDayTable table;
  table.rows.push_back({});
  for (int c = 0; c < kTableColumns; ++c) table.rows[0][c] = kColumnHeadings[c];
  for (const std::string& line : lines) {
    if (support::IsBlank(line)) continue;
    const auto fields = RuleFields(line);
    if (!fields) {
      table.keptLines.push_back(line);
      continue;
    }
    TableRow row = NumberedRow(table.rows.size());
    for (int c = 1; c < kTableColumns; ++c) row[c] = (*fields)[c - 1];
    row[kColWeekday] = WeekdayShown(row[kColWeekday]);
    table.rows.push_back(std::move(row));
  }
  while (table.rows.size() < static_cast<std::size_t>(kTableMinRows)) AppendRow(table);
  return table;
}

void AppendRow(SpecialDayTable& table) { table.rows.push_back(NumberedRow(table.rows.size())); }

std::vector<std::string> LinesOfTable(const SpecialDayTable& table) {
  std::vector<std::string> lines;
  for (std::size_t k = 1; k < table.rows.size(); ++k) {
    const TableRow& row = table.rows[k];
    std::string name = store::SpecialDayNameText(row[kColText]);
    if (name.empty()) continue;
    Fields f;
    for (int c = kColYear1; c < kColText; ++c) f.push_back(support::Trim(row[c]));
    f[kColWeekday - 1] = support::WeekdayNumber(f[kColWeekday - 1]);
    f.push_back(std::move(name));
    // Quoted only where a field would otherwise split: what the table
    // shows is what is read back.
    lines.push_back(calendar::JoinCommaText(f));
  }
  lines.insert(lines.end(), table.keptLines.begin(), table.keptLines.end());
  return lines;
}

FormBoxes BoxesOf(RuleForm form) {
  switch (form) {
    case RuleForm::MonthDay: return {true, true, false, false};
    case RuleForm::WeekdayWeekly: return {false, false, true, false};
    case RuleForm::DayMonthly: return {false, true, false, false};
    case RuleForm::NthWeekdayMonthly: return {false, false, true, true};
    case RuleForm::NthWeekdayOfMonth: return {true, false, true, true};
    case RuleForm::Unknown: break;
  }
  return {true, true, true, true};
}

RuleForm FormOfRow(const TableRow& row) {
  const int week = NumberOf(row[kColWeek]), month = NumberOf(row[kColMonth]), day = NumberOf(row[kColDay]);
  const std::string typed = support::Trim(row[kColWeekday]);
  const int weekday = support::WeekdayNumber(typed).empty() ? NumberOf(typed) : WeekdayIndexOf(typed);
  if (week > 0) {
    if (weekday == 0) return RuleForm::Unknown;
    return month > 0 ? RuleForm::NthWeekdayOfMonth : RuleForm::NthWeekdayMonthly;
  }
  if (weekday > 0) return month == 0 && day == 0 ? RuleForm::WeekdayWeekly : RuleForm::Unknown;
  if (day == 0) return RuleForm::Unknown;
  return month > 0 ? RuleForm::MonthDay : RuleForm::DayMonthly;
}

EntryArea EntryOfRow(const TableRow& row) {
  return {row[kColYear1], row[kColYear2], row[kColMonth], row[kColDay], WeekdayIndexOf(row[kColWeekday]),
          row[kColWeek], store::SpecialDayNameShown(row[kColText])};
}

std::string EntryProblem(const EntryArea& e) {
  for (const std::string* number : {&e.year1, &e.year2, &e.month, &e.day, &e.week})
    if (!IsNumberOrEmpty(*number)) return kNumbersOnly;
  return ShiftJisProblem(e.text);
}

void TransferEntry(const EntryArea& e, TableRow& row) {
  row[kColYear1] = PlainDigits(e.year1);
  row[kColYear2] = PlainDigits(e.year2);
  row[kColMonth] = PlainDigits(e.month);
  row[kColDay] = PlainDigits(e.day);
  if (e.weekday != 0) row[kColWeekday] = support::WeekdayLong(e.weekday);
  row[kColWeek] = PlainDigits(e.week);
  row[kColText] = store::SpecialDayNameText(e.text);
}

std::optional<std::string> CellValue(int column, std::string_view typed, std::string& problem) {
  problem.clear();
  if (IsNumberColumn(column)) {
    if (IsNumberOrEmpty(typed)) return PlainDigits(typed);
    problem = kNumbersOnly;
  } else if (column == kColWeekday) {
    const std::string plain = PlainDigits(typed);
    if (plain.empty() || !support::WeekdayNumber(plain).empty()) return plain;
    const auto n = support::ParseInt(plain);
    if (n && *n >= 1 && *n <= 7) return support::WeekdayLong(*n);
    problem = kWeekdayNames;
  } else if (column == kColText) {
    problem = ShiftJisProblem(typed);
    if (problem.empty()) return store::SpecialDayNameText(typed);
  }
  return std::nullopt;
}

std::string ShiftJisProblem(std::string_view text) {
  const auto lacking = support::Cp932Unencodable(text);
  return lacking.empty() ? std::string() : support::UnencodableNotice(lacking);
}

Cell CellAfterEnter(Cell from, int rowCount) {
  if (from.column < kColText) return {from.row, from.column + 1};
  if (from.row + 1 < rowCount) return {from.row + 1, kColYear1};
  return from;
}

}  // namespace settings
