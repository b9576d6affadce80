#include "net/admin_setup.h"

#include "platform/dialog_helpers.h"
#include "store/data_folders.h"
#include "support/paths.h"
#include "support/text.h"

namespace net {
namespace {

constexpr char kStopped[] = "中止します。";
constexpr char kNoNetFolder[] = "「ネットワーク上のデータフォルダ」が設定されていません。\r\n先に設定してください。";
constexpr char kNoComputerName[] =
    "コンピュータ名が取得できません。\r\n\r\nネットワークデータフォルダ作成処理を中止します。";
constexpr char kCannotRegister[] =
    "相性の問題で、これらの管理者名、又はパスワードが登録できません。\r\n"
    "管理者名、又はパスワードを変更して、再度実行してください。";
constexpr char kWrongPassword[] = "パスワードが、管理者によって設定されたものと違います。";

bool SameFolder(const std::string& a, const std::string& b) {
  return support::EnsureTrailingSeparator(support::Trim(a)) == support::EnsureTrailingSeparator(support::Trim(b));
}

}  // namespace

AdminDialogTexts TextsOf(AdminDialogMode mode) {
  AdminDialogTexts t;
  t.nameLabel = "ネット管理者名";
  switch (mode) {
    case AdminDialogMode::Create:
      t.title = "ネット上の予定データフォルダ作成";
      t.execute = "フォルダ選択＆実行";
      break;
    case AdminDialogMode::Rewrite:
      t.title = t.execute = "管理ファイル書込";
      break;
    case AdminDialogMode::Rights:
      t.title = "管理権限設定";
      t.execute = "管理権限設定実行";
      t.nameLabel = "名称";
      t.rightsNote = "このＰＣに管理者権限を与えます。";
      t.prompt = "管理者が設定したパスワードを入力してください。";
      break;
  }
  return t;
}

AdminEntry InitialEntry(AdminEntry fields, const std::string& computerName) {
  if (fields.name.empty()) fields.name = computerName;
  if (fields.password.empty()) fields.password = computerName;
  return fields;
}

void AdminSetup::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

OpenCheck AdminSetup::CanOpen(AdminDialogMode mode, bool sharingChecked, const std::string& netFolderField) {
  if (os_.system.ComputerName().empty()) {
    Tell(kNoComputerName);
    return OpenCheck::NoComputerName;
  }
  if (mode == AdminDialogMode::Create && sharingChecked) {
    Tell("現在、「ネットワークデータ共有機能を使用する」設定になっています。\r\n"
         "ネットワークフォルダを一旦、「使用しない」にして、もう一度処理をお願いします。");
    return OpenCheck::Refused;
  }
  if (mode != AdminDialogMode::Create && support::IsBlank(netFolderField)) {
    Tell(kNoNetFolder);
    return OpenCheck::Refused;
  }
  return OpenCheck::Open;
}

// An empty name keeps the dialog open; an empty password may close it.
bool AdminSetup::CheckEntry(const AdminEntry& entry, bool& close) {
  close = false;
  if (entry.name.empty()) {
    Tell("ネット管理者名を記入してください。");
    return false;
  }
  if (entry.password.empty() && platform::AskYesNo(os_.dialogs, "暗証コードの記入がありません。\r\n中止しますか？", true)) {
    close = true;
    return false;
  }
  return true;
}

std::optional<std::string> AdminSetup::ChooseTarget(AdminDialogMode mode, const std::string& netFolderField) {
  if (mode != AdminDialogMode::Create) {
    if (support::IsBlank(netFolderField) || !os_.fs.IsFolder(netFolderField)) {
      Tell(kNoNetFolder);
      return std::nullopt;
    }
    return support::EnsureTrailingSeparator(support::Trim(netFolderField));
  }
  std::optional<std::string> picked = picker_.PickFolder(netFolderField);
  if (!picked) {
    Tell(kStopped);
    return std::nullopt;
  }
  return support::EnsureTrailingSeparator(*picked);
}

// Create mode: the user agrees to a folder that holds files and to an
// existing administration file being replaced; the data layout is made.
bool AdminSetup::ConfirmNewFolder(const std::string& target) {
  auto refuse = [&] { return Tell(kStopped), false; };
  if (!SameFolder(target, operatingFolder_) && !os_.fs.List(support::JoinPath(target, "*")).empty() &&
      !platform::AskYesNo(os_.dialogs,
                          "いずれかのファイルが存在します。\r\n推奨は、他のファイルがないフォルダですが、\r\n"
                          "このフォルダでよろしいですか？",
                          false))
    return refuse();
  if (os_.fs.Exists(support::JoinPath(target, kAdminIniName)) &&
      !platform::AskYesNo(os_.dialogs, "既に、データフォルダ管理ファイルが存在します。\r\n上書きしますか？", false))
    return refuse();
  if (os_.fs.IsFolder(store::DataSetFolder(target, 1))) {
    Tell("管理者コードだけを書き換えます。");
    return true;
  }
  if (store::CreateDataFolders(os_.fs, os_.dialogs, target, false)) return true;
  Tell("ネットフォルダ作成でエラー発生\r\n中止します");
  return false;
}

bool AdminSetup::WriteBoth(const std::string& target) {
  if (!admin_.WriteAdminIni(support::JoinPath(target, kAdminIniName))) return false;
  if (!admin_.WriteAdminList(support::JoinPath(target, kAdminListName))) {
    Tell(kCannotRegister);
    return false;
  }
  Tell("データ構造は正常に作成されました。");
  return true;
}

ExecuteResult AdminSetup::Execute(AdminDialogMode mode, const AdminEntry& entry,
                                  const std::string& netFolderField) {
  ExecuteResult result;
  if (!CheckEntry(entry, result.close)) return result;
  // Rights mode only hands the entry to the rights check: a participant
  // must not be able to replace the administrator's files from here.
  if (mode == AdminDialogMode::Rights) return {true, std::nullopt};
  std::optional<std::string> target = ChooseTarget(mode, netFolderField);
  if (!target) return {mode == AdminDialogMode::Create, std::nullopt};
  if (mode == AdminDialogMode::Create && !ConfirmNewFolder(*target)) return {true, std::nullopt};
  admin_.SetAdministrator(entry.name, entry.password);
  if (!WriteBoth(*target)) return result;
  return {true, target};
}

bool AdminSetup::AfterClose(const std::string& target, const std::string& netFolderField) {
  bool change = false;
  if (!SameFolder(target, netFolderField)) {
    change = platform::AskYesNo(os_.dialogs, "ネットワーク上のデータフォルダを、今設定したフォルダに変更しますか？", true);
    if (!change) Tell("ネットワーク上のデータフォルダを調整してください。");
  }
  admin_.SetNetFolder(change ? target : netFolderField);
  admin_.ReadRights();
  return change;
}

bool AdminSetup::SetRights(AdminDialogPort& dialog, const std::string& netFolder) {
  const std::string me = os_.system.ComputerName();
  if (me.empty()) return Tell(kNoComputerName), false;
  if (support::IsBlank(netFolder) || !os_.fs.IsFolder(netFolder)) {
    Tell("「ネットワーク上のデータフォルダ」が確認できません。\r\n中止します。");
    return false;
  }
  admin_.SetNetFolder(netFolder);
  std::optional<AdminEntry> entry = dialog.Show(AdminDialogMode::Rights, InitialEntry({}, me));
  if (!entry) return false;
  std::vector<std::string> list;
  if (!admin_.ReadAdminList(list)) return false;
  if (list[2] == me) {
    Tell("管理コンピュータには、管理者権限はすでに設定されています。");
    return false;
  }
  const std::string stored = list[1].empty() ? "false" : list[1];
  if (entry->password == stored) {
    if (!WriteRights(entry->name, entry->password, kAdministrator)) return false;
    Tell("管理者権限を設定しました。");
    return true;
  }
  if (admin_.level() != kAdministrator) {
    Tell(std::string(kWrongPassword) + "\r\n中止します。");
    return false;
  }
  if (!platform::AskYesNo(os_.dialogs, std::string(kWrongPassword) + "\r\nこのコンピュータの管理者権限を削除しますか？", false))
    return false;
  return WriteRights(entry->name, "", kParticipant);
}

// The rights hold only once the computer's own file holds them: a failed
// write leaves them as they were and is told with the file.
bool AdminSetup::WriteRights(const std::string& name, const std::string& password, int level) {
  if (!admin_.WriteIdFile(name, password, level, admin_.idFilePath())) {
    Tell("[" + admin_.idFilePath() + "]に書き込めませんでした。\r\n管理者権限は変わっていません。");
    return false;
  }
  admin_.SetLevel(level);
  return true;
}

}  // namespace net
