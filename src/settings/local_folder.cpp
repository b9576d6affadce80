// The local data folder field and the local-mode marker of the options
// window.
#include "platform/dialog_helpers.h"
#include "platform/folders.h"
#include "settings/options.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

constexpr char kLocalMarkerName[] = "localfol.kdf";

void ShowCreateError(platform::Dialogs& dialogs) {
  dialogs.Show({"データフォルダを作成できません。", "エラー", platform::MsgIcon::Error,
                platform::MsgButtons::Ok, 0});
}

// A missing folder is created after the user agrees; false leaves the old
// folder in place.
bool MakeSureFolderExists(platform::Services& os, const std::string& folder) {
  if (os.fs.IsFolder(folder)) return true;
  if (!platform::AskYesNo(os.dialogs, "指定されたフォルダーが、存在しません。\r\n作成しますか？",
                          true)) {
    platform::Inform(os.dialogs, "変更は、キャンセルされます。");
    return false;
  }
  if (platform::CreateFolderChain(os.fs, folder)) return true;
  ShowCreateError(os.dialogs);
  return false;
}

}  // namespace

void LocalFolderEdit::Begin() {
  if (pending_) return;
  previous_ = text_;
  pending_ = true;
}

void LocalFolderEdit::Cancel() { EndChange(false, {}); }

void LocalFolderEdit::EndChange(bool keepTyped, const std::string& typed) {
  if (keepTyped) text_ = typed;
  else if (pending_) text_ = previous_;
  pending_ = false;
}

bool LocalFolderEdit::MayLeave(platform::Dialogs& dialogs) const {
  if (!pending_) return true;
  platform::Inform(dialogs, "変更実行か、キャンセルか、決めて下さい。");
  return false;
}

bool LocalFolderEdit::Execute(platform::Services& os, const std::string& programFolder,
                              const std::string& typed) {
  if (!pending_) return false;
  if (!platform::AskYesNoCaption(os.dialogs, "データフォルダの変更を行いますか？", "確認 -楓帳-",
                                 false))
    return false;
  const std::string folder = support::EnsureTrailingSeparator(support::Trim(typed));
  if (folder == support::EnsureTrailingSeparator(previous_)) {
    platform::Inform(os.dialogs, "フォルダが変更されていません\r\n中止します。");
    EndChange(false, {});
    return false;
  }
  // An empty field stands for the program folder, which exists.
  if (!MakeSureFolderExists(os, folder.empty() ? programFolder : folder)) {
    EndChange(false, {});
    return false;
  }
  // The settings file is Shift-JIS: a name it cannot hold would come back
  // as "?" and lose the data at the next start.
  const std::optional<std::string> storable = platform::StorablePath(os.fs, folder);
  if (!storable) {
    platform::Inform(os.dialogs, platform::UnstorableFolderText(folder));
    EndChange(false, {});
    return false;
  }
  EndChange(true, support::EnsureTrailingSeparator(*storable));
  changed_ = true;
  platform::Inform(os.dialogs,
                   "データフォルダを変更しました。\r\n次回起動時から、このデータフォルダを使用します。"
                   "\r\n^^^^^^^^^^^^^^\r\nデータの移動が必要な場合は、\r\n"
                   "楓歌を終了後、ご自分でデータの移動を行ってください。");
  return true;
}

bool SetLocalMarker(platform::FileSystem& fs, const OptionsContext& context, bool checked) {
  if (context.onCdRom) return false;
  const std::string marker = support::JoinPath(context.programFolder, kLocalMarkerName);
  if (checked) return platform::WriteLocalFolderFile(fs, context.programFolder);
  return !fs.Exists(marker) || fs.DeleteFile(marker);
}

}  // namespace settings
