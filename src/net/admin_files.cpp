#include "net/admin_files.h"

#include "calendar/julius.h"
#include "platform/dialog_helpers.h"
#include "platform/scrambled_files.h"
#include "support/ini.h"
#include "support/paths.h"
#include "support/scramble.h"
#include "support/text.h"

namespace net {
namespace {

constexpr char kReadError[] = "テキストコード読込エラー発生\r\n中止します";
constexpr char kWriteError[] = "テキストコード書込エラー発生\r\n中止します";
// An empty password line of the administration list compares as this word.
constexpr char kEmptyPassword[] = "false";

std::string StoredPassword(const std::vector<std::string>& list) {
  return list.size() > 1 && !list[1].empty() ? list[1] : kEmptyPassword;
}

std::string Line(const std::vector<std::string>& lines, size_t i) {
  return i < lines.size() ? lines[i] : std::string();
}

}  // namespace

std::string RightsLabel(int level) {
  if (level == kManagementComputer) return "管理コンピュータ";
  if (level == kAdministrator) return "管理者権限";
  return "";
}

NetTabEnables NetTabFor(int level, bool sharingOn) {
  const bool rights = level >= kAdministrator;
  NetTabEnables e;
  e.backupAndRestore = e.redesignate = e.createInitialFolder = !sharingOn || rights;
  e.netFolderEditable = !sharingOn || rights;
  return e;
}

int SerialDay(const platform::DateTime& date) {
  return calendar::DateToJulius(date.year, date.month, date.day) - calendar::DateToJulius(1899, 12, 30);
}

NetAdmin::NetAdmin(platform::Services& os, const std::string& settingsFolder, bool setupStart)
    : os_(os), idFile_(support::JoinPath(settingsFolder, kIdFileName)), setupStart_(setupStart) {}

void NetAdmin::SetNetFolder(const std::string& netFolder) {
  netFolder_ = support::EnsureTrailingSeparator(netFolder);
}

std::string NetAdmin::AdminListPath() const { return support::JoinPath(netFolder_, kAdminListName); }

void NetAdmin::SetAdministrator(const std::string& name, const std::string& password) {
  adminName_ = name;
  password_ = password;
}

std::string NetAdmin::ComputerName() const { return os_.system.ComputerName(); }

void NetAdmin::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

bool NetAdmin::LoadBook(const std::string& path, std::vector<std::string>& lines) {
  lines.clear();
  if (platform::TextKeyBook(os_, platform::ScrambleMode::Load, lines, "", path)) return true;
  Tell(kReadError);
  return false;
}

bool NetAdmin::WriteAdminList(const std::string& path) {
  std::vector<std::string> lines{adminName_, password_, ComputerName(), "0",
                                 std::to_string(SerialDay(os_.clock.Now()))};
  return platform::TextKeyBook(os_, platform::ScrambleMode::Save, lines, "", path);
}

bool NetAdmin::WriteAdminIni(const std::string& path) {
  if (adminName_.empty() || password_.empty()) {
    Tell("管理者コード作成エラー（１）\r\n管理者名と暗証コードをチェックした後、再度処理を試みてください。");
    return false;
  }
  const std::string code = support::MakeHeaderCode();
  if (code.empty()) {
    Tell("管理者コード作成エラー（２）\r\n再度処理を試みてください。");
    return false;
  }
  support::IniText ini;
  ini.WriteString("Net", "dum1", code);
  ini.WriteString("Net", "SvName", adminName_);
  ini.WriteString("Net", "SvCode", password_);
  ini.WriteString("Net", "SvPCName", ComputerName());
  ini.WriteString("Net", "Hiduke", std::to_string(SerialDay(os_.clock.Now())));
  ini.WriteString("Net", "dum2", support::HeaderTrailer(code));
  if (platform::ScrambledIni(os_, platform::ScrambleMode::Save, ini, platform::kNetAdminIniKey, path))
    return true;
  Tell("管理者コード書込エラー発生\r\n中止します");
  return false;
}

bool NetAdmin::WriteIdFile(const std::string& name, const std::string& password, int level,
                           const std::string& path) {
  std::vector<std::string> lines{name, password, ComputerName(), std::to_string(level),
                                 std::to_string(SerialDay(os_.clock.Now()))};
  return platform::TextKeyBook(os_, platform::ScrambleMode::Save, lines, "", path);
}

bool NetAdmin::ReadAdminList(std::vector<std::string>& lines) {
  const std::string list = AdminListPath();
  if (!os_.fs.Exists(list)) {
    Tell("ネット管理ファイル[" + list + "]がありません。");
    return false;
  }
  if (!LoadBook(list, lines)) return false;
  if (lines.size() >= 3) return true;
  Tell("ネット管理ファイル[" + list + "]が規定のデータではありません。\r\n"
       "管理コンピュータにて「管理コンピュータ再指定」を実行してください。");
  return false;
}

bool NetAdmin::RebuildIdFile() {
  std::vector<std::string> lines;
  if (!ReadAdminList(lines)) return false;
  const std::string me = ComputerName();
  int level = kParticipant;
  if (lines[2] == me)
    level = kManagementComputer;
  else if (StoredPassword(lines) == password_)
    level = kAdministrator;
  adminName_ = me;
  if (!WriteIdFile(me, password_, level, idFile_)) {
    Tell(kWriteError);
    return false;
  }
  level_ = level;
  return true;
}

int NetAdmin::ReadRights() {
  level_ = kParticipant;
  for (int round = 0; round < 2; ++round) {
    if (!os_.fs.Exists(idFile_)) {
      if (round == 1) Tell("アクセス権限エラー");
      if (round == 1 || !RebuildIdFile()) return level_ = kParticipant;
      continue;
    }
    std::vector<std::string> lines;
    if (!LoadBook(idFile_, lines)) return level_ = kParticipant;
    const std::string me = ComputerName();
    if (setupStart_ && Line(lines, 2) != me) {
      Tell("管理コンピュータをインストールしたコンピュータに変更します。\r\nFrom [" + me + "] to [" +
           Line(lines, 2) + "]");
      RebuildIdFile();
      continue;
    }
    return level_ = support::StrToIntDef(support::Trim(Line(lines, 3)), kParticipant);
  }
  return level_ = kParticipant;
}

std::vector<std::string> NetAdmin::IdFileDisplay() {
  std::vector<std::string> lines;
  if (os_.fs.Exists(idFile_)) platform::TextKeyBook(os_, platform::ScrambleMode::Load, lines, "", idFile_);
  const char* labels[] = {"名前 : ", "ＰＷ : ", "ＰＣ : ", "権限 : ", "日付 : "};
  std::vector<std::string> shown;
  for (size_t i = 0; i < std::size(labels); ++i) {
    std::string value = Line(lines, i);
    if (i == 1) value = value.empty() ? "" : "********";
    shown.push_back(labels[i] + value);
  }
  shown.push_back("Acc  : " + std::to_string(level_));
  return shown;
}

bool NetAdmin::RegisterNetworkAdministrator(const std::string& programFolder) {
  const std::string me = ComputerName();
  SetAdministrator(me, me);
  return WriteAdminList(support::JoinPath(programFolder, kAdminListName));
}

}  // namespace net
