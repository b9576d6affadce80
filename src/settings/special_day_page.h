#pragma once
// The page "記念日" ("「記念日等」一括編集") of the setup window without its
// window: the table of "Sday.kdf", the row being edited, the entry area
// with its form, and the buttons "↑ 表に転記(&A)", "削除(&D)",
// "追加場所検索(&S)", "最初", "最後" and "書込／閉じる(&W)".
#include <string>
#include <string_view>

#include "platform/services.h"
#include "settings/special_day_table.h"
#include "store/special_days.h"
#include "store/folders.h"

namespace settings {

inline constexpr char kSpecialDayPageCaption[] = "「記念日等」一括編集";

class SpecialDayPage {
 public:
  SpecialDayPage(platform::Services& os, const store::Folders& folders);

  // Reads "Sday.kdf" of the common data folder when it exists and loads
  // row 1 into the entry area.
  void Load();

  const SpecialDayTable& table() const { return table_; }
  int rowCount() const { return static_cast<int>(table_.rows.size()); }
  int currentRow() const { return current_; }
  const EntryArea& entry() const { return entry_; }
  RuleForm form() const { return form_; }
  FormBoxes boxes() const { return BoxesOf(form_); }
  // The entry area holds what the table does not have yet.
  bool entryChanged() const { return entry_ != loaded_; }
  // The transfer button is highlighted while the entry area holds changes;
  // after a transfer the write button is, until the window closes.
  bool transferHighlighted() const { return entryChanged(); }
  bool writeHighlighted() const { return transferred_; }

  // What the user typed or chose in the entry area.
  void SetEntry(const EntryArea& entry) { entry_ = entry; }
  void SetForm(RuleForm form) { form_ = form; }

  // A row was clicked, moved to or the table entered: pending changes are
  // asked about ("変更事項を書き込みますか？"), then the row is loaded.
  // False when the selection stays because the changes could not be kept.
  bool SelectRow(int row);
  bool Transfer();      // "↑ 表に転記(&A)"; false and the reason told when refused
  void Clear();         // "削除(&D)"
  void FindFreeRow();   // "追加場所検索(&S)"
  void FirstRow();      // "最初"
  void LastRow();       // "最後"
  // A cell typed in the table itself; false (and told) when refused.
  bool EditCell(Cell cell, std::string_view typed);
  // "書込／閉じる(&W)": true when the file was written and the window closes.
  bool Write();

 private:
  bool KeepOrDropChanges();
  void LoadRow(int row);
  void Tell(const std::string& text);
  std::string FilePath() const;

  platform::Services& os_;
  const store::Folders& folders_;
  SpecialDayTable table_;
  store::RuleFileCopy file_;  // "Sday.kdf" as read
  int current_ = 1;
  EntryArea entry_;
  EntryArea loaded_;
  RuleForm form_ = RuleForm::Unknown;
  bool transferred_ = false;
};

}  // namespace settings
