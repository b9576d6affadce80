#include "settings/commemoration_page.h"

#include <cstdio>

#include "platform/dialog_helpers.h"
#include "support/text.h"

namespace settings {
namespace {

constexpr char kCaption[] = "確認 -楓帳-";
constexpr char kBackupQuestion[] = "予定データは退避（バックアップ）されましたでしょうか？";
constexpr char kBackUpFirst[] = "退避（バックアップ）してから、実行してください。\r\n中止します。";

std::string Counted(const char* format, int files) {
  char text[96];
  std::snprintf(text, sizeof text, format, files);
  return text;
}

}  // namespace

CommemorationPage::CommemorationPage(const Context& context, const CommemorationSettings& settings)
    : context_(context), opened_(settings) {
  view_.settings = settings;
}

void CommemorationPage::SetSettings(const CommemorationSettings& settings) {
  view_.settings = settings;
  Changed();
}

void CommemorationPage::Changed() {
  view_.cancelEnabled = view_.applyEnabled = true;
}

bool CommemorationPage::BackedUp() {
  if (platform::AskYesNoCaption(context_.os.dialogs, kBackupQuestion, kCaption, false)) return true;
  platform::Inform(context_.os.dialogs, kBackUpFirst);
  return false;
}

void CommemorationPage::ToggleImport() {
  if (view_.importOn) {
    view_.importOn = false;
    return;
  }
  if (!context_.os.fs.Exists(context_.folders.dataFolder + kCommemorationPattern)) {
    platform::Inform(context_.os.dialogs, "読み込むべきデータが有りません。");
    return;
  }
  view_.importOn = BackedUp();
}

void CommemorationPage::SetInsertBefore(bool on) { view_.insertBefore = on; }

void CommemorationPage::SetDefaultColour(bool on) {
  view_.defaultColour = on;
  view_.readColourEnabled = !on;
  if (!on) readColour_ = store::kClTeal;
  view_.readColourShown = on ? kClSilver : readColour_;
}

void CommemorationPage::SetReadColour(store::Color colour) {
  if (view_.defaultColour) return;
  readColour_ = view_.readColourShown = colour;
}

void CommemorationPage::Import() {
  if (!view_.importOn) return;
  if (!platform::AskYesNoCaption(context_.os.dialogs, "かえで記念日の予定を読み込みますか？", kCaption, true)) {
    platform::Inform(context_.os.dialogs, "読込を中止いたします。");
    return;
  }
  const ImportOptions options{view_.insertBefore, view_.defaultColour, readColour_};
  Finished(ImportCommemorations(env(), context_.network, options), "%d 件（ファイル単位）読み込みました。",
           "追加処理の途中でエラーが発生しました。\r\nデータをチェックしてください。");
  if (!closeRequested_) view_.importOn = false;
}

void CommemorationPage::ToggleRemoval() {
  if (view_.removeOn) {
    view_.removeOn = view_.startRemovalEnabled = false;
    return;
  }
  if (!BackedUp()) return;
  view_.removeOn = focusDeleteCode_ = true;
}

void CommemorationPage::SetDeleteCode(std::string text) {
  view_.deleteCode = std::move(text);
  view_.startRemovalEnabled = view_.removeOn;
}

void CommemorationPage::Remove() {
  if (!view_.removeOn) return;
  const int code = support::StrToIntDef(support::Trim(view_.deleteCode), -1);
  if (code < kLowestDeleteCode) {
    platform::Inform(context_.os.dialogs, "削除番号が不明です。");
    return;
  }
  const std::string question = "かえで記念日の予定の内、削除コード[" + std::to_string(code) + "]を削除しますか？";
  if (!platform::AskYesNoCaption(context_.os.dialogs, question, kCaption, false)) {
    platform::Inform(context_.os.dialogs, "中止いたします。");
    return;
  }
  Finished(RemoveDeleteCode(env(), context_.network, code), "%d 件（ファイル単位）削除しました。",
           "削除処理の途中でエラーが発生しました。\r\nデータをチェックしてください。");
  if (!closeRequested_) view_.removeOn = view_.startRemovalEnabled = false;
}

// Files written before an error keep their new content, so the main
// window must re-read them even then: its months in memory are older and
// would be written over the imported entries at the next save.
void CommemorationPage::Finished(const MergeRun& run, const char* countFormat, const char* errorText) {
  reload_ = reload_ || run.rewrote;
  if (!run.ok) {
    platform::Inform(context_.os.dialogs, errorText);
    closeRequested_ = true;
    return;
  }
  view_.cancelEnabled = false;
  view_.applyEnabled = true;
  view_.closeButtonVisible = false;
  platform::Inform(context_.os.dialogs, Counted(countFormat, run.files));
}

}  // namespace settings
