#include "settings/shortcuts.h"

#include "platform/dialog_helpers.h"
#include "platform/system_folders.h"
#include "settings/window_keys.h"

namespace settings {
namespace {

constexpr int kStartMenuFolder = 11;  // CSIDL_STARTMENU
constexpr char kQuestionCaption[] = "確認 -楓帳-";

constexpr std::array<ShortcutGroup, kShortcutKinds> kGroups{{
    {ShortcutKind::Startup, platform::kStartupFolder, " 自動起動（スタートアップ） ",
     "楓帳の自動起動を設定しても良いですか？", "楓帳の自動起動を中止してもいいですか？"},
    {ShortcutKind::Desktop, platform::kDesktopFolder, " デスクトップのショートカット ",
     "デスクトップにショートカットを作成してもいいですか？", "デスクトップのショートカットを削除していいですか？"},
    {ShortcutKind::StartMenu, kStartMenuFolder, " スタートメニュー登録 ",
     "スタートメニューに楓帳を登録してもいいですか？", "スタートメニュー登録を解除していいですか？"},
    {ShortcutKind::Programs, platform::kProgramsMenuFolder, " ＜スタート＞－＜プログラムメニュー＞登録 ",
     "プログラムメニューに楓帳を登録してもいいですか？", "プログラムメニュー登録を解除していいですか？"},
}};

}  // namespace

const std::array<ShortcutGroup, kShortcutKinds>& ShortcutGroups() { return kGroups; }

const ShortcutGroup& GroupOf(ShortcutKind kind) { return kGroups[static_cast<int>(kind)]; }

std::string ShortcutFolder(platform::System& system, ShortcutKind kind) {
  return platform::SpecialFolderPath(system, GroupOf(kind).csidl);
}

bool ShortcutPresent(platform::Services& os, ShortcutKind kind) {
  const std::string folder = ShortcutFolder(os.system, kind);
  return !folder.empty() &&
         (os.fs.Exists(folder + kShortcutFileName) || os.fs.Exists(folder + kOldShortcutFileName));
}

platform::ShortcutSpec ProgramShortcut(const std::string& linkPath, const std::string& programFolder) {
  return {linkPath, programFolder + kProgramFileName, "", programFolder, kProductTitle};
}

bool TurnShortcutOn(platform::Services& os, ShortcutKind kind, const std::string& programFolder) {
  if (!platform::AskYesNoCaption(os.dialogs, GroupOf(kind).onQuestion, kQuestionCaption, true))
    return ShortcutPresent(os, kind);
  const std::string folder = ShortcutFolder(os.system, kind);
  if (folder.empty() || !os.shell.CreateShortcut(ProgramShortcut(folder + kShortcutFileName, programFolder)))
    platform::Inform(os.dialogs, "ショートカットの作成に失敗しました。");
  return ShortcutPresent(os, kind);
}

bool TurnShortcutOff(platform::Services& os, ShortcutKind kind) {
  if (!platform::AskYesNoCaption(os.dialogs, GroupOf(kind).offQuestion, kQuestionCaption, true))
    return ShortcutPresent(os, kind);
  const std::string folder = ShortcutFolder(os.system, kind);
  bool failed = false;
  for (const char* name : {kShortcutFileName, kOldShortcutFileName})
    if (!folder.empty() && os.fs.Exists(folder + name) && !os.fs.DeleteFile(folder + name)) failed = true;
  if (failed) platform::Inform(os.dialogs, "ファイルの削除に失敗しました。");
  return ShortcutPresent(os, kind);
}

}  // namespace settings
