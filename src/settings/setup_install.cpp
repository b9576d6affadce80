#include "settings/setup_install.h"

#include <optional>
#include <string_view>
#include <vector>

#include "platform/dialog_helpers.h"
#include "platform/file_operations.h"
#include "platform/folders.h"
#include "platform/ini_file.h"
#include "platform/system_folders.h"
#include "settings/folder_checks.h"
#include "settings/format_change.h"
#include "settings/generation_backup.h"
#include "store/data_folders.h"
#include "store/date_stamp.h"
#include "support/paths.h"
#include "support/text.h"

namespace settings {
namespace {

using platform::Inform;
using support::EnsureTrailingSeparator;
using support::JoinPath;

constexpr char kQuestionCaption[] = "確認 -楓帳-";
constexpr char kHolidayFileName[] = "HDay.dat";
constexpr char kLocalMarker[] = "localfol.kdf";
constexpr char kStartMarker[] = "Kidou.kdf";
constexpr char kSettingsFile[] = "Velda.ini";
constexpr char kNetIdFile[] = "velnetid.kdf";
constexpr int kSetupGenerations = 3;
constexpr const char* kOptionalProgramFiles[] = {"CaSima.dat", "Readme.txt", "Velclock.exe"};

bool IsFolderPath(platform::FileSystem& fs, const std::string& folder) {
  return fs.IsFolder(support::RemoveTrailingSeparator(folder));
}

bool Ask(platform::Dialogs& dialogs, const std::string& text, bool defaultYes) {
  return platform::AskYesNoCaption(dialogs, text, kQuestionCaption, defaultYes);
}

std::string DriveKindOf(platform::Services& os, const SetupFacts& facts, const std::string& path) {
  return facts.driveKindOf ? facts.driveKindOf(path) : platform::GetDriveKind(os.fs, path);
}

calendar::Date Today(platform::Clock& clock) {
  const platform::DateTime now = clock.Now();
  return {now.year, now.month, now.day};
}

// What an overwrite finds in the installation's own settings file.
struct InstalledState {
  int layout = 1;          // "Set2"/"yDataForm"
  std::string dataFolder;  // "Settei"/"edFolder", "" when it is the setup folder
};

InstalledState ReadInstalledState(platform::FileSystem& fs, const std::string& folder) {
  support::IniText ini;
  platform::LoadIniFile(fs, folder + kSettingsFile, ini);
  InstalledState state;
  state.layout = ini.ReadInteger("Set2", "yDataForm", 1) >= 2 ? 2 : 1;
  const std::string data = ini.ReadString("Settei", "edFolder", "");
  if (!support::Trim(data).empty() && !SameFolder(data, folder)) state.dataFolder = EnsureTrailingSeparator(data);
  return state;
}

class Installer {
 public:
  Installer(platform::Services& os, SetupHost& host, const SetupFacts& facts, const SetupRequest& request)
      : os_(os), host_(host), facts_(facts), request_(request),
        overwrite_(request.kind == SetupKind::Overwrite),
        source_(EnsureTrailingSeparator(facts.sourceFolder)) {}

  SetupOutcome Run() {
    host_.SavePendingData();
    host_.SaveWindowKeys();
    if (!AskToStart() || !NotBusy() || !SourceComplete() || !TargetChosen()) return {};
    std::optional<FormatChange> change;
    if (overwrite_) {
      if (!OverwriteTargetReady() || !BackupsMade()) return {};
      if (installed_.layout == 1) {
        change.emplace(os_, FormatChangeArgs{target_, installed_.dataFolder, backupRoot_, host_.ProgressOwner()},
                       [this](const std::string& label) { host_.ShowProgress(label); });
        if (!change->Run()) return {};
      }
    } else if (!NewTargetReady()) {
      return {};
    }
    if (!CopyProgramFiles()) {
      if (change) change->Undo();
      return {};
    }
    if (change) change->Commit();
    MakeShortcuts();
    return Finish();
  }

 private:
  bool AskToStart() {
    if (overwrite_ && !Ask(os_.dialogs, "現在のデータのバックアップはされましたか？", true)) {
      Inform(os_.dialogs, "念のため、データのバックアップをお願いいたします。");
      return false;
    }
    if (platform::AskYesNoCaption(os_.dialogs, "セットアップを開始してよろしいですか？", "確認", false)) return true;
    Inform(os_.dialogs, "中止します。");
    return false;
  }

  bool NotBusy() {
    if (host_.AutoBackupRunning())
      Inform(os_.dialogs, "時刻取得中です。現在はセットアップできません。\r\nもう少し後、実行してください。");
    else if (host_.Busy())
      Inform(os_.dialogs, "今はセットアップできません。\r\nもう少し後、実行してください。");
    else
      return true;
    return false;
  }

  bool SourceComplete() {
    if (!ActualFileName(os_.fs, source_, kProgramFileName)) {
      Inform(os_.dialogs, source_ + kProgramFileName + " が存在しません。\r\n中止します。");
      return false;
    }
    if (!ActualFileName(os_.fs, source_, kHolidayFileName)) {
      Inform(os_.dialogs, source_ + "HDay.dat が存在しません。\r\n中止します。");
      return false;
    }
    return true;
  }

  bool TargetChosen() {
    target_ = support::EnsureTrailingChar(request_.folder, support::kPathSeparator);
    if (target_.size() <= 1) {
      Inform(os_.dialogs, "フォルダの設定が、不明です。\r\n中止します。");
      return false;
    }
    if (SameFolder(target_, source_)) {
      Inform(os_.dialogs, "受け手と送り手のフォルダーが同じです。\r\nセットアップを中止します。");
      return false;
    }
    // The installed program names its folder in its settings file.
    if (!platform::StorablePath(os_.fs, target_)) {
      Inform(os_.dialogs, platform::UnstorableFolderText(target_));
      return false;
    }
    targetDrive_ = DriveKindOf(os_, facts_, target_);
    return true;
  }

  bool OverwriteTargetReady() {
    host_.ShowProgress("上書セットアップ既存フォルダチェック");
    if (!ActualFileName(os_.fs, target_, kProgramFileName)) {
      Inform(os_.dialogs, std::string("指定されたフォルダーに、") + kProgramFileName +
                              " が存在しません。\r\n上書きセットアップを中止します。");
      return false;
    }
    installed_ = ReadInstalledState(os_.fs, target_);
    host_.ShowProgress("データ形式をチェック");
    return LayoutAgreed();
  }

  // The layout the file names must match the folders found.
  bool LayoutAgreed() {
    const bool hasData = IsFolderPath(os_.fs, JoinPath(target_, "Data\\"));
    if (hasData == (installed_.layout == 2)) return true;
    installed_.layout =
        Ask(os_.dialogs, "データ形式の整合性が合いません。\r\nデータ形式は、Ver4.2.0以前の物ですか？", true) ? 1 : 2;
    const std::string name = installed_.layout == 1 ? "古い" : "新しい";
    if (Ask(os_.dialogs, "データ形式を【" + name + "】データ形式でセットアップしてよろしいですか？", false))
      return true;
    Inform(os_.dialogs, "中止します");
    return false;
  }

  bool BackupsMade() {
    if (targetDrive_ != "FIXED") return true;
    if (!BackupRootReady()) return false;
    if (request_.noBackup || backupRoot_.empty()) return true;
    host_.ShowProgress("世代バックアップ");
    // The layout change that follows could not move such data.
    if (installed_.layout == 1 && !installed_.dataFolder.empty() && FolderInside(installed_.dataFolder, target_)) {
      Inform(os_.dialogs, "データフォルダ：" + installed_.dataFolder + "\r\nセットアップフォルダ：" + target_ +
                              "\r\nこの組み合わせの場合は、自動でファイル形式を変更できません(101)。"
                              "ホームページにて、ご質問下さい。");
      return false;
    }
    const std::string& data = installed_.dataFolder;
    if (!data.empty() && IsFolderPath(os_.fs, data) &&
        !Generation(data, "VeldaData", "世代バックアップ（データフォルダ）",
                    "セットアップ世代データバックアップエラー"))
      return false;
    return Generation(target_, "Velda", "世代バックアップ（プログラム関係）", "セットアップ世代アプリバックアップエラー");
  }

  // The installation's own backup root, below the user's application data.
  bool BackupRootReady() {
    host_.ShowProgress("バックアップフォルダの存在をチェック");
    const std::string appData = platform::SpecialFolderPath(os_.system, platform::kAppDataFolder);
    const std::string root =
        appData.empty() ? JoinPath(source_, "SafeGuard\\")
                        : JoinPath(appData, "AppFiles\\Velda\\" + support::EncodeFolderKey(target_) + "\\SafeGuard\\");
    // A root inside what it backs up would be copied into itself.
    const bool inside = FolderInside(root, target_) ||
                        (!installed_.dataFolder.empty() && FolderInside(root, installed_.dataFolder));
    if (!inside && (IsFolderPath(os_.fs, root) || platform::CreateFolderChain(os_.fs, root))) {
      backupRoot_ = root;
      return true;
    }
    return Ask(os_.dialogs, "[" + root + "]フォルダが作成できません。\r\n世代バックアップが出来ませんが\r\n"
                            "セットアップをこのまま続けますか。", false);
  }

  bool Generation(const std::string& folder, const std::string& name, const char* label, const char* failure) {
    const std::string newest = GenerationFolder(backupRoot_, 1, name);
    if (store::DaysSinceStamp(os_.fs, newest, Today(os_.clock)) == 0) return true;
    host_.ShowProgress(label);
    const platform::WindowHandle owner = host_.ProgressOwner();
    if (GenerationBackup(os_, {folder, backupRoot_, owner, true, kSetupGenerations, name, owner != 0})) {
      store::WriteStamp(os_.fs, newest, Today(os_.clock));
      return true;
    }
    return Ask(os_.dialogs, std::string(failure) + "\r\n\r\n世代バックアップが出来ませんが\r\nセットアップをこのまま続けますか。",
               false);
  }

  bool NewTargetReady() {
    host_.ShowProgress("セットアップ");
    if (ActualFileName(os_.fs, target_, kProgramFileName)) {
      Inform(os_.dialogs, std::string("指定されたフォルダーに、") + kProgramFileName +
                              " が存在します。\r\n上書きセットアップで、\r\nセットアップし直してください。");
      return false;
    }
    if (store::CreateDataFolders(os_.fs, os_.dialogs, target_, false)) return true;
    Inform(os_.dialogs, "フォルダ作成でエラー発生(301)\r\n中止します");
    return false;
  }

  bool CopyFromSource(const std::string& name, const std::string& as) {
    return platform::CopyOneFile(os_.fs, source_ + name, target_ + as);
  }

  bool CopyNamed(const char* name, bool required) {
    const std::optional<std::string> actual = ActualFileName(os_.fs, source_, name);
    if (!actual) return !required;
    return CopyFromSource(*actual, *actual);
  }

  bool CopyMarkers() {
    const bool marked = os_.fs.Exists(source_ + kLocalMarker);
    if (marked && targetDrive_ == "REMOVABLE")
      return CopyFromSource(kLocalMarker, kLocalMarker) && CopyFromSource(kLocalMarker, kStartMarker);
    if (marked && targetDrive_ == "NETWORK") {
      support::IniText ini;
      if (!CopyFromSource(kLocalMarker, kLocalMarker) || !platform::LoadIniFile(os_.fs, target_ + kLocalMarker, ini))
        return false;
      ini.WriteBool("Set", "First", true);
      return platform::SaveIniFile(os_.fs, target_ + kLocalMarker, ini);
    }
    if (DriveKindOf(os_, facts_, source_) == "NETWORK" && targetDrive_ == "FIXED") {
      if (os_.fs.Exists(target_ + kNetIdFile) && !os_.fs.DeleteFile(target_ + kNetIdFile)) return false;
      if (!os_.fs.Exists(target_ + kSettingsFile) && os_.fs.Exists(source_ + kSettingsFile))
        return CopyFromSource(kSettingsFile, kSettingsFile);
    }
    return true;
  }

  bool CopyProgramFiles() {
    host_.ShowProgress("実行に必要なファイルのコピー");
    bool ok = CopyNamed(kProgramFileName, true) && CopyNamed(kHolidayFileName, true);
    for (const char* name : kOptionalProgramFiles) ok = ok && CopyNamed(name, false);
    if (ok && CopyMarkers()) return true;
    Inform(os_.dialogs, "ファイルのコピーに失敗しました。");
    return false;
  }

  // A new setup makes each ticked shortcut the user does not have yet (one
  // already there may point at another copy the user keeps); an overwrite
  // refreshes those the user already has, so that they point at the
  // installed copy.
  void MakeShortcuts() {
    if (targetDrive_ != "FIXED") return;
    for (const ShortcutGroup& group : ShortcutGroups()) {
      const std::string folder = ShortcutFolder(os_.system, group.kind);
      if (!request_.shortcuts[static_cast<int>(group.kind)] || folder.empty()) continue;
      for (const char* name : {kShortcutFileName, kOldShortcutFileName}) {
        const bool present = os_.fs.Exists(folder + name);
        const bool wanted = overwrite_ ? present : !present && std::string_view(name) == kShortcutFileName;
        if (wanted && !os_.shell.CreateShortcut(ProgramShortcut(folder + name, target_)))
          Inform(os_.dialogs, "ショートカット[" + folder + name + "]を作成できませんでした。");
      }
    }
  }

  SetupOutcome Finish() {
    Inform(os_.dialogs, "楓帳のセットアップが終了しました。");
    host_.ShowProgress("最終処理");
    host_.RecordEnd();
    Inform(os_.dialogs, "現在起動中の楓帳を終了させ、\r\nセットアップした楓帳を起動させます。\r\n"
                        "一時的に、楓帳が２つ立ち上がります。\r\n確認（ＯＫ）後、10秒程度、そのままでお待ちください。");
    RestartFacts restart;
    restart.programFolder = target_;
    restart.fromNetworkWithData = DriveKindOf(os_, facts_, source_) == "NETWORK" &&
                                  IsFolderPath(os_.fs, store::DataSetFolder(source_, 1));
    if (facts_.netIni) restart.netFolder = facts_.netFolder;
    if (facts_.offerCleanup) {
      restart.setupArchive = facts_.setupArchive;
      // Only a folder the archive made, and never one the installed copy lies in.
      if (os_.fs.Exists(source_ + kLocalMarker) && !FoldersOverlap(source_, target_)) restart.workFolder = source_;
    }
    return {true, RestartCommandLine(restart), target_};
  }

  platform::Services& os_;
  SetupHost& host_;
  const SetupFacts& facts_;
  const SetupRequest& request_;
  const bool overwrite_;
  const std::string source_;
  std::string target_;
  std::string targetDrive_;
  InstalledState installed_;
  std::string backupRoot_;
};

}  // namespace

std::string SetupFolderOf(platform::Services& os, SetupFolderChoice choice) {
  switch (choice) {
    case SetupFolderChoice::UserArea: {
      const std::string profile = platform::SpecialFolderPath(os.system, platform::kProfileFolder);
      return profile.empty() ? "" : JoinPath(profile, "AppFiles\\Velda\\");
    }
    case SetupFolderChoice::ProgramFiles:
      return JoinPath(platform::WindowsDriveRoot(os.system), "Program Files\\Bren\\Velda\\");
    case SetupFolderChoice::OtherDrive:
      return JoinPath(platform::DefaultDataDrive(os.fs) + ":\\", "AppFiles\\Velda\\");
    case SetupFolderChoice::Free: break;
  }
  return "";
}

bool SetupFolderChoiceEnabled(platform::Services& os, SetupFolderChoice choice) {
  return choice != SetupFolderChoice::OtherDrive || platform::DefaultDataDrive(os.fs) != "C";
}

SetupOutcome RunSetup(platform::Services& os, SetupHost& host, const SetupFacts& facts,
                      const SetupRequest& request) {
  return Installer(os, host, facts, request).Run();
}

bool ConfirmNoBackup(platform::Services& os, const SetupFacts& facts, const std::string& folderField) {
  const std::string folder = support::EnsureTrailingChar(folderField, support::kPathSeparator);
  if (folder.empty() || DriveKindOf(os, facts, folder) != "FIXED") return true;
  if (!Ask(os.dialogs, "バックアップを取らないと大変危険ですが、\r\nバックアップを取らないでよろしいでしょうか。", false))
    return false;
  Inform(os.dialogs, "必ず、手動でバックアップをお願いいたします。");
  return true;
}

std::string QuoteArgument(const std::string& argument) {
  std::string quoted = "\"";
  std::size_t backslashes = 0;
  for (const char c : argument) {
    if (c == '\\') {
      ++backslashes;
      continue;
    }
    // Backslashes before a quote are doubled, and the quote escaped.
    quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
    backslashes = 0;
    quoted.push_back(c);
  }
  // Before the closing quote every backslash is doubled.
  quoted.append(backslashes * 2, '\\');
  return quoted + "\"";
}

std::string RestartCommandLine(const RestartFacts& f) {
  std::string line = QuoteArgument(f.programFolder + kProgramFileName);
  line.append(" /F /2");
  if (f.fromNetworkWithData) line.append(" /N");
  if (!f.netFolder.empty()) line.append(" /DN").append(QuoteArgument(f.netFolder));
  if (!f.setupArchive.empty()) line.append(" ").append(QuoteArgument("/D2" + f.setupArchive));
  if (!f.workFolder.empty()) line.append(" ").append(QuoteArgument("/D3" + f.workFolder));
  return line;
}

}  // namespace settings
