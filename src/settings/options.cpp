#include "settings/options.h"

#include <variant>

#include "platform/dialog_helpers.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

using S = Settings;

// The keys the options window has a control for; only these go back.
const MemberOf<Settings> kOptionControls[] = {
    &S::cbBackKankaku, &S::cbABackupJ,
    &S::HyoujiIchi, &S::cbNotMannaka, &S::udYokoC, &S::udCalSize, &S::cbMonthBtn,
    &S::SpHajimariTuki,
    &S::edFolder, &S::cbHotkey, &S::cbMemo, &S::cbToday, &S::cbCloseBtn, &S::cbJigen,
    &S::cbTimerNo, &S::cbKidouKiroku, &S::cbKirokuHyouji, &S::udKidouGyou, &S::cbZenkai,
    &S::cbShiyouchuu, &S::cb24ji, &S::cbTukiYotei, &S::cbCursor, &S::cbKOption,
    &S::edtNetFolder, &S::cbNet, &S::cbNetIni, &S::rbNetKoushin, &S::cbLNetf,
    &S::rgStYoubi, &S::cbEquinox, &S::cbFurikae, &S::cbNextDay, &S::cbNeighborJump, &S::cbBold,
    &S::udKFutosa, &S::edtKColor, &S::cbUetume, &S::cbToubai, &S::cbNihongo, &S::cbTukiMemo,
    &S::cbTukiMUeTume,
    &S::rbKinenbi, &S::edtCYotei, &S::edtCRokuyo, &S::edtCKinenbi, &S::edtCSun, &S::edtCSat,
    &S::edtCWeekDay,
    &S::TabToSp, &S::TabAdj,
    &S::cbEditor, &S::cbVelkaJ, &S::cbVelkaM, &S::edtEditorFolder,
    &S::cbPrint, &S::cbVelkaP, &S::edtPrintFolder,
    &S::visMemoMHide,
};

constexpr char kRemovableWarning[] =
    "リムーバブルディスクから起動した場合は、\r\n"
    "セキュリティの関係上、自動バックアップは実行しないことをお勧めします。\r\n\r\n"
    "「自動バックアップはしない。」に設定し直しますか？";

}  // namespace

OptionsForm FillOptions(const Settings& s, const OptionsWindowKeys& windowKeys,
                        const MemoWindowKeys& memo, const OptionsContext& context) {
  OptionsForm form;
  form.values = s;
  form.windowKeys = windowKeys;
  form.memo = memo;
  form.cbLocal = context.localMarkerExists;
  form.cbLocalEnabled = !context.onCdRom;
  form.cbTodayEnabled = context.shellMajorVersion > 4;
  if (!form.cbTodayEnabled) form.values.cbToday = false;
  return form;
}

void CopyOptionsBack(const OptionsForm& form, const OptionsContext& context, Settings& s,
                     MemoWindowKeys& memo) {
  for (const auto& control : kOptionControls)
    std::visit([&](auto m) { s.*m = form.values.*m; }, control);
  CopyDataFolderBack(form, context, s);
  s.vBackKankaku = BackupIntervalDays(s.cbBackKankaku);
  memo.vCLine1 = form.memo.vCLine1;
  memo.vCLine2 = form.memo.vCLine2;
  memo.vJHanten = form.memo.vJHanten;
  memo.vMenuCount = form.memo.vMenuCount;
}

void CopyDataFolderBack(const OptionsForm& form, const OptionsContext& context, Settings& s) {
  s.edFolder = form.values.edFolder;
  if (SameDataFolder(s.edFolder, context.programFolder)) s.edFolder.clear();
}

bool SameDataFolder(const std::string& a, const std::string& b) {
  return support::EqualsIgnoreCase(support::EnsureTrailingSeparator(support::Trim(a)),
                                   support::EnsureTrailingSeparator(support::Trim(b)));
}

void ResetTextColors(Settings& values) {
  for (const auto& row : SettingsKeys())
    if (row.section == "Option" && row.type() == ValueType::Color) StoreText(row, nullptr, values);
}

int ConfirmBackupInterval(int index, bool onRemovableDrive, platform::Dialogs& dialogs) {
  if (index == 0 || !onRemovableDrive) return index;
  if (platform::AskYesNo(dialogs, kRemovableWarning, true)) {
    platform::Inform(dialogs, "自動バックアップは、行いません。");
    return 0;
  }
  platform::Inform(dialogs,
                   "起動したパソコンに、自動的にデータをバックアップする可能性があります。\r\n"
                   "ご注意下さい。");
  return index;
}

}  // namespace settings
