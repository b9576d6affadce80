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

#include "net/admin_files.h"
#include "net/network_mode.h"
#include "platform/services.h"
#include "store/folders.h"
#include "store/month_file.h"
#include "store/period_file.h"

namespace proof {

inline constexpr int kYear = 2026;
inline constexpr int kMonth = 12;

// Why an edit did not get through.
enum class Outcome { Stored, HeldByOther, LockBusy, Maintenance, LostAtConfirm, NotWritten };
const char* OutcomeName(Outcome outcome);

class Desk : public net::NetHost {
 public:
  Desk(const std::string& name, const std::string& sharedFolder, const std::string& settingsFolder);
  ~Desk() override;

  platform::Services& os() { return os_; }
  net::NetworkMode& mode() { return *mode_; }
  const store::MonthSlot& month() const { return month_; }
  const store::PeriodList& periods() const { return periods_; }
  // Every message box shown, "\r\n" written as "\n".
  const std::vector<std::string>& messages() const;
  // The waits of the protocol (lock busy, counter busy, read retries) by length in ms.
  const std::map<unsigned, int>& waits() const;
  bool quitRequested() const { return quit_; }

  // The edit protocol of a day and of a period, as the main window runs it:
  // maintenance check, lock, re-read, lock confirmed, the change, the
  // guarded write with its count, the release.
  Outcome AddToDay(int day, const std::string& text);
  Outcome AddPeriod(int day, const std::string& text);
  // The longest AcquireLock call of this desk so far, in ms.
  unsigned longestAcquireMs() const { return longestAcquireMs_; }
  int releaseFailures() const { return releaseFailures_; }

  // The view as files: what the main window shows of the shared data.
  std::string MonthBytes() const;
  std::string PeriodBytes() const;

 private:
  // NetHost
  void RereadShownMonth() override;
  bool RereadPeriods() override;
  void SaveAndQuit() override;
  bool SaveAndTidy() override { return true; }
  void UseSharedData(const std::string&) override {}
  void UseLocalData() override {}
  void ShowNetworkState(const net::NetworkControls&) override {}
  void FollowShownMonth() override {}

  Outcome Lock(const std::string& path, size_t messagesBefore);
  Outcome Refusal(size_t messagesBefore) const;
  void Release(const std::string& path);
  store::StoreEnv env() { return {os_, folders_}; }

  struct Parts;
  std::unique_ptr<Parts> parts_;
  platform::Services& os_;
  store::Folders folders_;
  store::NetworkLink link_;
  store::MonthSlot month_;
  store::PeriodList periods_;
  store::PeriodBackups backups_;
  std::unique_ptr<net::NetAdmin> admin_;
  std::unique_ptr<net::NetworkMode> mode_;
  unsigned longestAcquireMs_ = 0;
  int releaseFailures_ = 0;
  bool quit_ = false;
};

}  // namespace proof
