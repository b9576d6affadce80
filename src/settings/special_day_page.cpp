#include "settings/special_day_page.h"

#include "platform/dialog_helpers.h"
#include "store/line_reader.h"
#include "store/special_days.h"
#include "support/text.h"

namespace settings {
namespace {

constexpr char kCaption[] = "確認 -楓帳-";

bool HasText(const TableRow& row) { return !support::IsBlank(row[kColText]); }

}  // namespace

SpecialDayPage::SpecialDayPage(platform::Services& os, const store::Folders& folders)
    : os_(os), folders_(folders) {}

std::string SpecialDayPage::FilePath() const { return folders_.commonDataFolder + store::kSpecialDayFileName; }

void SpecialDayPage::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

void SpecialDayPage::Load() {
  std::vector<std::string> lines;
  file_ = {};
  file_.unread = os_.fs.Exists(FilePath()) && !store::LoadLines(os_, lines, FilePath(), &file_.originals);
  table_ = TableOfLines(lines);
  transferred_ = false;
  LoadRow(1);
}

void SpecialDayPage::LoadRow(int row) {
  current_ = row;
  const TableRow& r = table_.rows[static_cast<std::size_t>(row)];
  form_ = FormOfRow(r);
  entry_ = loaded_ = EntryOfRow(r);
}

bool SpecialDayPage::KeepOrDropChanges() {
  if (!entryChanged()) return true;
  if (platform::AskYesNoCaption(os_.dialogs, "変更事項を書き込みますか？", kCaption, true)) return Transfer();
  entry_ = loaded_;
  return true;
}

bool SpecialDayPage::SelectRow(int row) {
  if (row < 1 || row >= rowCount()) return false;
  if (!KeepOrDropChanges()) return false;
  LoadRow(row);
  return true;
}

bool SpecialDayPage::Transfer() {
  if (const std::string problem = EntryProblem(entry_); !problem.empty()) {
    Tell(problem);
    return false;
  }
  TransferEntry(entry_, table_.rows[static_cast<std::size_t>(current_)]);
  entry_ = loaded_ = EntryOfRow(table_.rows[static_cast<std::size_t>(current_)]);
  transferred_ = true;
  return true;
}

void SpecialDayPage::Clear() {
  if (!platform::AskYesNoCaption(os_.dialogs, "このデータを削除していいですか？", kCaption, false)) {
    Tell("削除いたしません。");
    return;
  }
  form_ = RuleForm::Unknown;
  entry_ = {};
  TableRow& row = table_.rows[static_cast<std::size_t>(current_)];
  row[kColWeekday].clear();  // index 0 would leave the old weekday in the cleared row
  Transfer();
}

// A full table grows by a row, so that a new rule never has to take the
// place of another.
void SpecialDayPage::FindFreeRow() {
  int row = 1;
  while (row < rowCount() && HasText(table_.rows[static_cast<std::size_t>(row)])) ++row;
  if (row == rowCount()) AppendRow(table_);
  if (!SelectRow(row)) return;
  Tell("形式を指定して、必要事項を記入してください。\r\n「記念日等」は必須です。");
}

void SpecialDayPage::FirstRow() { SelectRow(1); }

void SpecialDayPage::LastRow() {
  int row = rowCount() - 1;
  while (row > 1 && !HasText(table_.rows[static_cast<std::size_t>(row)])) --row;
  SelectRow(row);
}

bool SpecialDayPage::EditCell(Cell cell, std::string_view typed) {
  if (cell.row < 1 || cell.row >= rowCount() || cell.column < kColYear1 || cell.column > kColText) return false;
  std::string problem;
  const auto value = CellValue(cell.column, typed, problem);
  if (!value) {
    Tell(problem);
    return false;
  }
  table_.rows[static_cast<std::size_t>(cell.row)][static_cast<std::size_t>(cell.column)] = *value;
  transferred_ = true;
  if (cell.row == current_ && !entryChanged()) LoadRow(current_);
  return true;
}

// A file that could not be read is never written over with what little
// the table holds.
bool SpecialDayPage::Write() {
  if (file_.unread) {
    Tell(store::SpecialDaysUnreadText(folders_.commonDataFolder));
    return false;
  }
  if (!KeepOrDropChanges()) return false;
  const std::vector<std::string> lines = LinesOfTable(table_);
  if (const std::string problem = ShiftJisProblem(support::Join(lines, "")); !problem.empty()) {
    Tell(problem);
    return false;
  }
  return store::SaveSpecialDays({os_, folders_}, lines, &file_);
}

}  // namespace settings
