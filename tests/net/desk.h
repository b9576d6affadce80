#pragma once
// One computer of the office as the proof runs it: its own name and
// settings folder, the real file system and clock of this build, message
// boxes that answer their default and are remembered, and the main window's
// view of the shared data (the shown month and the period list) kept
// through the network mode and the data store's own readers and writers.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "net/admin_files.h"
#include "net/network_mode.h"
#include "platform/services.h"
#include "settings/settings.h"
#include "shell/edit_flows.h"
#include "shell/month_cycle.h"
#include "shell/period_edit.h"
#include "store/folders.h"

namespace proof {

inline constexpr int kYear = 2026;
inline constexpr int kMonth = 12;
inline constexpr unsigned kTypingMs = 2;

// Why an edit did not get through.
enum class Outcome { Stored, HeldByOther, LockBusy, Maintenance, LostAtConfirm, NotWritten };
const char* OutcomeName(Outcome outcome);

// The main window's edits as they ship (shell::EditFlows and
// shell::PeriodEdit over the month cycle), with the network mode as their
// shared folder; only the day editor is a person who adds one entry.
class Desk : public net::NetHost,
             private shell::SharedFolder,
             private shell::DayEditorPort,
             private shell::MonthView,
             private shell::CycleHost {
 public:
  Desk(const std::string& name, const std::string& sharedFolder, const std::string& settingsFolder);
  ~Desk() override;

  platform::Services& os() { return os_; }
  net::NetworkMode& mode() { return *mode_; }
  // Every message box shown, "\r\n" written as "\n".
  const std::vector<std::string>& messages() const;
  // The waits of the protocol (lock busy, counter busy, read retries) by length in ms.
  const std::map<unsigned, int>& waits() const;
  bool quitRequested() const { return quit_; }
  // The person answers Yes to every question ("すべてのロックを解除" asks).
  void AgreeToEverything();

  // A day's edit and a new period of three days, each adding `text`; a
  // refusal is read from the message the program showed.
  Outcome AddToDay(int day, const std::string& text);
  Outcome AddPeriod(int day, const std::string& text);
  // The longest AcquireLock call of this desk so far, in ms.
  unsigned longestAcquireMs() const { return longestAcquireMs_; }
  int releaseFailures() const { return releaseFailures_; }
  // Edits whose lock was lost before the write and that were made again.
  int editsMadeAgain() const { return editsMadeAgain_; }

  // The view as files: what the main window shows of the shared data.
  std::string MonthBytes() const;
  std::string PeriodBytes() const;

 private:
  // NetHost
  void RereadShownMonth() override;
  bool RereadPeriods() override;
  void SaveAndQuit() override { quit_ = true; }
  bool SaveAndTidy() override { return true; }
  void UseSharedData(const std::string&) override {}
  void UseLocalData() override {}
  void ShowNetworkState(const net::NetworkControls&) override {}
  void FollowShownMonth() override {}
  // SharedFolder, as the main window's network feature gives it.
  bool On() const override { return mode_->On(); }
  bool ServiceLockPresent() override { return mode_->ServiceLockPresent(); }
  bool AcquireLock(const std::string& path) override;
  bool ReleaseLock(const std::string& path) override;
  bool HoldsLock(const std::string& path) override { return mode_->HoldsLock(path); }
  // DayEditorPort: the person types `typing_` and writes back.
  editors::DayResult EditDay(const editors::DayRequest& request) override;
  editors::DayResult EditMonthMemo(const editors::MonthMemoRequest&) override { return {}; }
  editors::PeriodResult EditPeriod(const editors::PeriodPage& page) override;
  editors::SpecialDayResult EditSpecialDay(const calendar::Date&, const editors::SpecialDayPage&) override {
    return {};
  }
  bool Changed() const override { return false; }
  editors::DayResult FinishDay() override { return {}; }
  editors::PeriodResult FinishPeriod() override { return {}; }
  editors::SpecialDayResult FinishSpecialDay() override { return {}; }
  // MonthView and CycleHost: no window to paint.
  void ShowSlot(int, calendar::DayNumber) override {}
  void SetTabs(const std::vector<std::string>&, int) override {}
  void SetEntryText(const std::string&) override {}
  void Refresh() override {}
  bool SaveAll() override { return true; }
  void NetworkFolderLost() override {}

  void Type();
  Outcome Refusal(size_t messagesBefore) const;

  struct Parts;
  std::unique_ptr<Parts> parts_;
  platform::Services& os_;
  store::Folders folders_;
  store::NetworkLink link_;
  settings::Settings settings_;
  calendar::DayClassifier days_;
  std::unique_ptr<net::NetAdmin> admin_;
  std::unique_ptr<net::NetworkMode> mode_;
  std::unique_ptr<shell::MonthCycle> cycle_;
  std::unique_ptr<shell::CycleEditHost> host_;
  std::unique_ptr<shell::EditFlows> flows_;
  std::unique_ptr<shell::PeriodEdit> periodEdit_;
  std::string typing_;
  int shownEdits_ = 0;
  unsigned longestAcquireMs_ = 0;
  int releaseFailures_ = 0;
  int editsMadeAgain_ = 0;
  bool quit_ = false;
};

}  // namespace proof
