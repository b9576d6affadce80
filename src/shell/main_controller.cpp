#include "shell/main_controller.h"

#include "platform/dpi.h"
#include "platform/dialog_helpers.h"
#include <utility>

#include "net/network_mode.h"
#include "shell/instance.h"
#include "shell/month_entry.h"
#include "shell/status_texts.h"
#include "store/data_folders.h"
#include "store/special_days.h"
#include "support/paths.h"
#include "support/text.h"

namespace shell {
namespace {

using platform::AskYesNo;
using platform::Inform;
using support::JoinPath;

constexpr char kMonthSetupFailed[] =
    "月の初期設定に失敗しました。\r\n一旦、終了させますので\r\nもう一度、立ち上げ直してください。";
constexpr unsigned kRolloverPauseMs = 1000;
constexpr unsigned kCleanupPauseMs = 300;

}  // namespace

MainController::MainController(platform::Services& os, const CommandSwitches& switches,
                               ShellView& view)
    : os_(os),
      switches_(switches),
      view_(view),
      startup_(ResolveStartupState(os)),
      settings_(settings::DefaultSettings()),
      cycle_(os, folders_.folders, network_, view, *this) {
  folders_.folders.safeGuardFolder = startup_.safeGuardFolder;
}

ScreenFacts MainController::screen() const {
  const int dpi = facts_.dpi;
  return {platform::ScaleFromDpi(facts_.workArea.Width(), dpi), platform::ScaleFromDpi(facts_.workArea.Height(), dpi),
          platform::ScaleFromDpi(facts_.outsideWidth, dpi),
          settings_.udYokoC};
}

settings::StartupFacts MainController::Facts() const {
  settings::StartupFacts f;
  f.programFolder = startup_.programFolder;
  f.settingsFolder = startup_.settingsFolder;
  f.localMode = startup_.localMode;
  f.onNetworkDrive = startup_.onNetworkDrive;
  f.netFolderSetByStartup = netFolderSetByStartup_;
  f.workArea = facts_.workArea;
  f.windowWidth = facts_.windowWidth;
  f.windowHeight = facts_.windowHeight;
  f.dpi = facts_.dpi;
  return f;
}

// "/F" from a share that is not yet set up for several computers: this
// copy's folder becomes the shared folder.
void MainController::SeedNetworkFirstStart() {
  if (!switches_.networkFirstStart || !startup_.onNetworkDrive || startup_.HasStartMarker(os_.fs))
    return;
  settings_.edtNetFolder = startup_.programFolder;
  settings_.cbNet = settings_.cbNetIni = true;
  settings_.rbNetKoushin = 2;
  netFolderSetByStartup_ = true;
  netKeysForThisRunOnly_ = false;
  if (later_.registerNetworkAdministrator && !later_.registerNetworkAdministrator())
    Inform(os_.dialogs,
           "相性の問題で、これらの管理者名、又はパスワードが登録できません。\r\n"
           "管理者名、又はパスワードを変更して、再度実行してください。");
}

// "/DN" names an existing shared folder for this run: it stands in the
// settings before they are read, so the network keys are not read and the
// lock paths are formed from it.
void MainController::ApplyNetFolderSwitch() {
  if (!switches_.netFolder || !os_.fs.IsFolder(*switches_.netFolder)) return;
  settings_.edtNetFolder = support::EnsureTrailingSeparator(*switches_.netFolder);
  if (!netFolderSetByStartup_) netKeysForThisRunOnly_ = true;
  netFolderSetByStartup_ = true;
}

void MainController::LoadSettingsNow() {
  ApplyNetFolderSwitch();
  loadOutcome_ = settings::LoadSettings(os_, Facts(), settings_, folders_);
  if (!loadOutcome_.unreadable.empty() && !settingsUnreadable_)
    Inform(os_.dialogs, "設定ファイル[ " + loadOutcome_.unreadable + " ]が読み込めません。\r\n"
                        "今回は標準の設定で起動し、設定ファイルには書き込みません。");
  settingsUnreadable_ = !loadOutcome_.unreadable.empty();
  folders_.folders.safeGuardFolder = startup_.safeGuardFolder;
  network_.on = folders_.networkOn;
  cycle_.periodBackups().names = {settings_.CaFT1, settings_.CaFT2, settings_.CaFT3};
  view_.SetDataSetCommands(folders_.sets.enabled);
}

bool MainController::Create() {
  SeedNetworkFirstStart();
  if (!InitMonthWindow()) {
    Inform(os_.dialogs, kMonthSetupFailed);
    return false;
  }
  view_.LoadSpecialDays(folders_.folders.commonDataFolder);
  if (later_.dataFoldersChanged) later_.dataFoldersChanged(folders_.folders.commonDataFolder);
  ApplyDisplayMode(settings_.vCalGyou, false);
  if (settings_.cbKidouKiroku && later_.recordStart && !later_.recordStart())
    Inform(os_.dialogs, "起動時刻取得エラー\r\n処理は続けます。");
  if (loadOutcome_.hotkeysOn && later_.registerHotkeys) later_.registerHotkeys();
  ShowFolderPanel();
  return true;
}

bool MainController::InitMonthWindow() {
  try {
    const platform::DateTime now = os_.clock.Now();
    cycle_.BuildWindow({now.year, now.month, now.day});
    LoadSettingsNow();
    if (cycle_.ReloadAll() == ReloadResult::FolderNotCreatable) return false;
    view_.ApplyGridSettings(settings_);
    const std::string holidays = JoinPath(startup_.programFolder, store::kHolidayFileName);
    if (os_.fs.Exists(holidays)) view_.LoadHolidays(holidays);
    view_.SetYearPageStart(settings_.rgYFirstMonth, settings_.SpHajimariTuki);
    view_.Refresh();
    if (later_.monthViewInitialised) later_.monthViewInitialised();
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

void MainController::ShowFolderPanel() {
  view_.SetStatusPanel(2, FolderPanelText(startup_.programFolder, settings_.cbShiyouchuu),
                       settings_.cbShiyouchuu);
}

void MainController::ApplyDisplayMode(int mode, bool fromMenu) {
  const DisplayMode& row = DisplayModeOf(mode);
  settings_.vCalGyou = row.mode;
  sizeClass_ = row.sizeClass;
  const bool centre = (fromMenu || settings_.HyoujiIchi == 0) && !settings_.cbNotMannaka;
  view_.ApplyDisplayMode(MetricsOfMode(row.mode, screen()), centre);
}

void MainController::ReapplyDisplayMode() {
  view_.ApplyDisplayMode(MetricsOfMode(settings_.vCalGyou, screen()), false);
}

void MainController::ApplyNetFolderSetting() {
  if (switches_.netFolder) return;
  folders_.folders.netFolder = support::EnsureTrailingSeparator(settings_.edtNetFolder);
}

void MainController::ChooseDisplayMode(int mode) {
  if (!ModeSelectable(mode, screen().workAreaHeight)) return;
  ApplyDisplayMode(mode, true);
}

void MainController::ToggleRokuyo() {
  settings_.rbKinenbi = !settings_.rbKinenbi;
  view_.ApplyGridSettings(settings_);
  view_.Refresh();
}

// ---- first show and activation -------------------------------------------

bool MainController::ConfirmNetworkFolder() {
  if (!network_.on || os_.fs.IsFolder(folders_.folders.dataFolder)) return true;
  if (!AskYesNo(os_.dialogs, net::FirstShowQuestion(folders_.folders.dataFolder), true)) return true;
  view_.EndApplication();
  return false;
}

void MainController::RunCleanupSwitches() {
  if (!switches_.AnyCleanup()) return;
  if (switches_.deleteFile && os_.fs.Exists(*switches_.deleteFile))
    os_.fs.DeleteFile(*switches_.deleteFile);
  if (switches_.setupArchive && later_.offerArchiveDeletion)
    later_.offerArchiveDeletion(*switches_.setupArchive);
  os_.clock.Sleep(kCleanupPauseMs);
  if (switches_.setupWorkFolder && later_.offerWorkFolderDeletion)
    later_.offerWorkFolderDeletion(*switches_.setupWorkFolder);
}

void MainController::AskSetupQuestion() {
  if (switches_.networkFirstStart || !(startup_.onCdRom || startup_.firstRun)) return;
  const std::string product = "「楓帳 -Velda-」";
  const bool fromNetwork = startup_.onNetworkDrive;
  const std::string text =
      fromNetwork
          ? product + "Ver8.1.0をＰＣ(" + startup_.computerName + ")にセットアップしますか？\r\n\r\n\r\n"
                "[はい]----セットアップ\r\n\r\n[いいえ]--ネットフォルダ上にある" + product +
                "の管理起動\r\n\r\n\r\nこの確認は、ネット上の" + product +
                "を起動したときに表示されます。\r\n\r\n"
          : product + "Ver8.1.0 のセットアップを行いますか？\r\n\r\n\r\n"
                "[はい]----セットアップフォーム表示\r\n\r\n[いいえ]--" + product +
                "の通常起動\r\n\r\n\r\n"
                "この確認は、固定ディスクの場合、（原則）初回起動時１回しか表示されません。\r\n"
                "[いいえ]の場合は、" + product + "から通常のセットアップを行ってください。";
  if (AskYesNo(os_.dialogs, text, true) && later_.openSetup) later_.openSetup(fromNetwork);
}

void MainController::OnShown() {
  if (restartRequested_) {
    Inform(os_.dialogs,
           "一度終了します。\r\n終了後、再び楓歌を起動してください。\r\n"
           "（必ず、一度楓歌を起動させておいてください。）");
    view_.RequestClose();
    return;
  }
  if (!ConfirmNetworkFolder()) return;
  view_.ShowMonthPage();
  const bool first = !shownBefore_;
  shownBefore_ = true;
  if (first) RunCleanupSwitches();
  view_.Refresh();
  if (first) AskSetupQuestion();
}

void MainController::OnActivated() {
  const bool first = !activatedBefore_;
  activatedBefore_ = true;
  if (view_.MainPanelEnabled()) view_.SetStatusPanel(0, ClockText(os_.clock.Now(), settings_.cb24ji), false);
  if (!pendingInfo_.empty()) Inform(os_.dialogs, std::exchange(pendingInfo_, {}));
  if (folders_.netFolderMissing) {
    folders_.netFolderMissing = false;
    if (later_.showNetworkWaitWindow) later_.showNetworkWaitWindow();
  }
  if (!first) return;
  view_.StartFunctionTimer();
  if (switches_.residencySeconds > 0 && later_.startResidencyCountdown)
    later_.startResidencyCountdown();
}

std::optional<Page> MainController::TakePendingPage() { return std::exchange(pendingPage_, {}); }

// ---- saving and closing -------------------------------------------------

void MainController::SaveSettingsFile() {
  if (settingsUnreadable_) return;
  view_.CaptureWindowState(settings_);
  settings_.UseFolNo = folders_.sets.inUse;
  const auto& backups = cycle_.periodBackups().names;
  settings_.CaFT1 = backups[0];
  settings_.CaFT2 = backups[1];
  settings_.CaFT3 = backups[2];
  const settings::SaveScope scope =
      netKeysForThisRunOnly_ ? settings::SaveScope::KeepNetworkKeys : settings::SaveScope::AllKeys;
  if (!settings::SaveSettings(os_.fs, startup_.settingsFile, startup_.programFolder, settings_, scope))
    saveFailures_.push_back(startup_.settingsFile);
}

bool MainController::SaveAll() {
  saveFailures_.clear();
  try {
    SaveSettingsFile();
    if (!network_.on && !switchingNetworkOff_)
      for (std::string& file : cycle_.SaveData()) saveFailures_.push_back(std::move(file));
    if (network_.on && later_.networkAccessLevel && later_.networkAccessLevel() > 5 &&
        later_.dayFirstBackup)
      later_.dayFirstBackup();
  } catch (const std::exception& e) {
    saveFailures_.push_back(std::string("（") + e.what() + "）");
  }
  return saveFailures_.empty();
}

// Keeps the three daily copies of the period file named in the settings
// and the memo copies of the same days; older ones go.
void MainController::DeleteStaleBackups() {
  const auto& names = cycle_.periodBackups().names;
  auto kept = [&](const std::string& name, bool memo) {
    for (const std::string& n : names) {
      if (n.empty()) continue;
      const std::string keep = memo ? store::MemoBackupName(n) : n;
      if (support::EqualsIgnoreCase(name, keep)) return true;
    }
    return false;
  };
  auto sweep = [&](const std::string& folder, const char* pattern, bool memo) {
    for (const platform::DirEntry& e : os_.fs.List(JoinPath(folder, pattern))) {
      if (e.isFolder || kept(e.name, memo)) continue;
      if (!os_.fs.DeleteFile(JoinPath(folder, e.name))) {
        Inform(os_.dialogs, "ファイルの削除に失敗しました。");
        return false;
      }
    }
    return true;
  };
  if (sweep(folders_.folders.dataFolder, "CaFT*.kdp", false))
    sweep(folders_.folders.commonDataFolder, "CaME*.kdp", true);
}

bool MainController::SaveAndTidy() {
  if (network_.on && !os_.fs.IsFolder(folders_.folders.dataFolder)) {
    Inform(os_.dialogs, store::NetworkFolderMissingText(folders_.folders.dataFolder, "[n050]"));
    NetworkFolderLost();
    return false;
  }
  if (!SaveAll()) {
    Inform(os_.dialogs, "不要アイテム削除エラー");
    return false;
  }
  if (cycle_.periodBackups().rotated) DeleteStaleBackups();
  return true;
}

bool MainController::PrepareEnd(Ending how) {
  if (how != Ending::DiskNewer) {
    view_.FinishOpenWork(how == Ending::Session);
    if (!SaveAll() && how == Ending::Saving && !ConfirmCloseUnsaved()) return false;
    // The run log too was restored: a stop written now would replace it.
    RecordStop();
  }
  ReleaseMaintenanceLock();
  return true;
}

bool MainController::EndProgram(Ending how) {
  if (!PrepareEnd(how)) return false;
  view_.EndApplication();
  return true;
}

// Leaving with edits that are not on disk is the user's choice, never a
// silent one; "No" keeps the program open to try again or copy the text.
bool MainController::ConfirmCloseUnsaved() {
  std::string files;
  for (const std::string& f : saveFailures_) files += "\r\n　" + f;
  return AskYesNo(os_.dialogs,
                  "次のデータを保存できませんでした。\r\n" + files +
                      "\r\n\r\n保存しないまま終了しますか？\r\n"
                      "（[いいえ]で楓帳は終了しません。もう一度終了するか、入力した内容を控えてください。）",
                  false);
}

void MainController::RecordStop() {
  if (settings_.cbKidouKiroku && later_.recordStop) later_.recordStop();
}

// A maintenance lock left behind would stop every computer's edits.
void MainController::ReleaseMaintenanceLock() {
  if (!network_.on || !later_.holdsMaintenanceLock || !later_.holdsMaintenanceLock() ||
      !later_.releaseMaintenanceLock || later_.releaseMaintenanceLock())
    return;
  Inform(os_.dialogs, "メンテナンスロックファイルが、削除できません。\r\n管理者にご連絡下さい。");
}

bool MainController::QueryClose() {
  if (busy_) {
    Inform(os_.dialogs,
           "ただいま作業中です。現在は終了できません。\r\nもう少し後、終了させてください。");
    return false;
  }
  if (rollingOver_) {
    Inform(os_.dialogs, "今は終了できません。");
    return false;
  }
  if (later_.alarmArmed && later_.alarmArmed() &&
      !AskYesNo(os_.dialogs, "タイマーが作動中ですが、終了してもよろしいですか。", true)) {
    Inform(os_.dialogs, "終了しません。");
    return false;
  }
  if (!SaveAll() && !ConfirmCloseUnsaved()) return false;
  RecordStop();
  ReleaseMaintenanceLock();
  return true;
}

// ---- the network, until its own part takes over ------------------------

void MainController::NetworkFolderLost() {
  if (later_.switchNetworkOff) {
    later_.switchNetworkOff();
    return;
  }
  // Back to the local data set that was in use before.
  network_.on = folders_.networkOn = false;
  settings_.vNet_flg = false;
  store::UseDataSet(folders_.folders, folders_.sets, folders_.sets.inUse);
}

// ---- data sets -----------------------------------------------------------

void MainController::SwitchDataSet(int set) {
  if (set < 1 || set > 3) return;
  if (!store::CanSwitchDataSet(os_.fs, os_.dialogs, folders_.folders, folders_.sets, set,
                               network_.on))
    return;
  if (!SaveAndTidy()) return;  // the reload would drop what could not be written
  if (!settings_.cbABackupJ && later_.generationBackup) later_.generationBackup();
  store::UseDataSet(folders_.folders, folders_.sets, set);
  cycle_.ReloadAll();
  FollowShownMonth();
  if (set != 3) view_.SetDataSetLabel(DataSetLabelText(set));
}

void MainController::FollowShownMonth() {
  if (cycle_.outside()) cycle_.GoToMonth(MonthText(cycle_.shownYear(), cycle_.shownMonth()));
}

void MainController::UseSharedData(const std::string& dataFolder) {
  settings_.vNet_flg = true;
  network_.on = folders_.networkOn = true;
  folders_.folders.dataFolder = dataFolder;
  folders_.folders.setName = store::DataSetName(1);
  cycle_.ReloadAll();
}

void MainController::UseLocalData() {
  settings_.vNet_flg = false;
  network_.on = folders_.networkOn = false;
  store::UseDataSet(folders_.folders, folders_.sets, folders_.sets.inUse);
  cycle_.ReloadAll();
}

// ---- the change of date ---------------------------------------------------


// The window of months follows the calendar month. A day change that skips
// the 1st (the computer slept over it) moves the window as well.
bool MainController::MonthChangedTo(calendar::DayNumber today) const {
  const calendar::Date d = calendar::JuliusToDate(today);
  const store::MonthSlot& current = cycle_.slot(kCurrentMonthSlot).data;
  return d.year != current.year || d.month != current.month;
}

void MainController::RollOverTo(calendar::DayNumber today) {
  const bool panelWasEnabled = view_.MainPanelEnabled();
  if (panelWasEnabled) {
    view_.HideEntryBox();
    cycle_.GoToCurrentMonth();
    view_.SetDateChangeLook(true);
  }
  view_.SetMainPanelEnabled(false);
  rollingOver_ = true;
  cycle_.SetToday(today);
  view_.SetToday(today);
  bool ended = false;
  if (!MonthChangedTo(today)) {
    view_.Refresh();
  } else if (SaveAll()) {
    os_.clock.Sleep(kRolloverPauseMs);
    cycle_.ClearForRebuild();
    if (!InitMonthWindow()) {
      Inform(os_.dialogs, kMonthSetupFailed);
      view_.EndApplication();
      ended = true;
    } else {
      view_.LoadSpecialDays(folders_.folders.commonDataFolder);
      os_.clock.Sleep(kRolloverPauseMs);
    }
  }
  if (ended) return;
  view_.RefreshYearPage();
  view_.SetMainPanelEnabled(true);
  rollingOver_ = false;
  view_.SetDateChangeLook(false);
}

}  // namespace shell
