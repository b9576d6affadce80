#pragma once
// The administration files of a shared folder. They are scrambled with a
// text key so that they stay text files no one edits by hand; scrambling
// is not encryption, and anyone with the program can read them back.
//
//   <shared>\velnet.kdf      administration list (key book, built-in key):
//                              administrator name / password ("" reads as
//                              "false") / management computer / "0" / day
//   <shared>\veldanet.bini   administration INI (key QuillarBostekFandorMivrat):
//                              [Net] dum1 SvName SvCode SvPCName Hiduke dum2
//   <settings>\velnetid.kdf  this computer's id (key book, built-in key):
//                              name / password / computer / rights level / day
//
// Days count from 1899-12-30 (2026-12-08 is 46364). The rights decide the
// maintenance buttons of the options window and whether the day-first copy
// of the shared data is kept. Passwords are never shown or logged.
#include <string>
#include <vector>

#include "platform/datetime.h"
#include "platform/services.h"

namespace net {

inline constexpr char kAdminListName[] = "velnet.kdf";
inline constexpr char kAdminIniName[] = "veldanet.bini";
inline constexpr char kIdFileName[] = "velnetid.kdf";

// Rights levels as the id file stores them.
inline constexpr int kParticipant = 0;
inline constexpr int kAdministrator = 6;         // this computer holds administrator rights
inline constexpr int kManagementComputer = 7;    // named in the administration list

// "", "管理者権限", "管理コンピュータ": what the options window shows.
std::string RightsLabel(int level);

// The buttons of the options window's " ネット１ " tab the rights enable.
struct NetTabEnables {
  bool backupAndRestore = false;   // "ネットデータバックアップ＆リストア"
  bool redesignate = false;        // "管理コンピュータ再指定"
  bool createInitialFolder = false;  // "初期データフォルダ作成"
  bool lockSearch = true;          // "ロック検索"
  bool unlockAll = true;           // "すべてのロックを解除"
  bool setRights = true;           // "管理者権限設定"
  bool netFolderEditable = false;  // the shared-folder field

  bool operator==(const NetTabEnables&) const = default;
};
NetTabEnables NetTabFor(int level, bool sharingOn);

// Days since 1899-12-30.
int SerialDay(const platform::DateTime& date);

class NetAdmin {
 public:
  // `settingsFolder` holds the id file; `setupStart`: started with "/F"
  // from a network folder.
  NetAdmin(platform::Services& os, const std::string& settingsFolder, bool setupStart);

  // The shared folder (edtNetFolder or "/DN"); the paths follow it.
  void SetNetFolder(const std::string& netFolder);
  const std::string& netFolder() const { return netFolder_; }
  std::string AdminListPath() const;
  const std::string& idFilePath() const { return idFile_; }

  // The administrator name and password of this run: from the creation
  // dialog, or the computer name after "/F".
  void SetAdministrator(const std::string& name, const std::string& password);

  bool WriteAdminList(const std::string& path);
  // The administration list of the shared folder, at least three lines;
  // false (after its message) when it is missing, unreadable or short.
  bool ReadAdminList(std::vector<std::string>& lines);
  bool WriteAdminIni(const std::string& path);
  bool RebuildIdFile();
  bool WriteIdFile(const std::string& name, const std::string& password, int level,
                   const std::string& path);
  // The rights of this computer, 0 when unknown; also kept as level().
  int ReadRights();
  int level() const { return level_; }
  void SetLevel(int level) { level_ = level; }

  // The five id lines for the "Dbg" button, the password masked.
  std::vector<std::string> IdFileDisplay();
  // "/F" from a network folder without "Kidou.kdf": this computer becomes
  // the administrator (name and password its own name) of the program
  // folder. False when the list could not be written; the caller tells.
  bool RegisterNetworkAdministrator(const std::string& programFolder);

 private:
  bool LoadBook(const std::string& path, std::vector<std::string>& lines);
  std::string ComputerName() const;
  void Tell(const std::string& text);

  platform::Services& os_;
  std::string idFile_;
  std::string netFolder_;
  bool setupStart_;
  std::string adminName_;
  std::string password_;  // never shown, never logged
  int level_ = kParticipant;
};

}  // namespace net
