#include "roles.h"

#include <random>

#include "desk.h"
#include "net/lock_maintenance.h"
#include "proof_files.h"
#include "support/paths.h"
#include "support/text.h"

namespace proof {
namespace {

constexpr unsigned kSignalTimeoutMs = 120000;
// A person gives up on an edit after this long; the proof counts it.
constexpr std::uint64_t kGiveUpAfterMs = 60000;

std::string Control(const RoleArgs& a, const std::string& name) { return support::JoinPath(a.control, name); }

std::string Escaped(const std::string& text) { return support::ReplaceAll(text, "\n", "\\n"); }

void AddMessages(Report& report, const Desk& desk, size_t from = 0) {
  for (size_t i = from; i < desk.messages().size(); ++i) report.emplace("message", Escaped(desk.messages()[i]));
}

Outcome EditOnce(Desk& desk, bool period, int day, const std::string& text) {
  return period ? desk.AddPeriod(day, text) : desk.AddToDay(day, text);
}

// One edit retried until it is stored; every refusal counted by its reason.
void EditUntilStored(Desk& desk, std::mt19937& rng, bool period, int day, const std::string& text,
                     std::map<std::string, int>& counts, std::uint64_t& longestWaitMs) {
  const std::uint64_t start = TickMs();
  for (;;) {
    ++counts["attempted"];
    const Outcome outcome = EditOnce(desk, period, day, text);
    ++counts[OutcomeName(outcome)];
    if (outcome == Outcome::Stored) break;
    if (TickMs() - start > kGiveUpAfterMs) {
      ++counts["given up"];
      break;
    }
    SleepMs(5 + rng() % 25);  // tried again a moment later
  }
  longestWaitMs = std::max<std::uint64_t>(longestWaitMs, TickMs() - start);
}

int Edits(const RoleArgs& a) {
  const int n = std::stoi(a.rest.at(0));
  std::mt19937 rng(static_cast<unsigned>(std::stoul(a.rest.at(1))));
  Desk desk(a.computer, a.shared, a.settings);
  std::map<std::string, int> counts{{"given up", 0}};
  for (Outcome o : {Outcome::Stored, Outcome::HeldByOther, Outcome::LockBusy, Outcome::Maintenance,
                    Outcome::LostAtConfirm, Outcome::NotWritten})
    counts[OutcomeName(o)] = 0;
  std::uint64_t longestWaitMs = 0;
  Touch(Control(a, "started-" + a.computer));
  AwaitFile(Control(a, "go"), kSignalTimeoutMs);
  for (int k = 0; k < n; ++k) {
    SleepMs(rng() % 4);
    if (rng() % 10 == 0) desk.mode().Poll(true, false);
    const bool period = rng() % 3 == 0;
    EditUntilStored(desk, rng, period, 1 + static_cast<int>(rng() % 28), EntryText(a.computer, k), counts,
                    longestWaitMs);
  }
  Touch(Control(a, "done-" + a.computer));
  if (!AwaitFile(Control(a, "poll-now"), kSignalTimeoutMs)) return 2;
  desk.mode().Poll(true, false);
  Touch(Control(a, "view-" + a.computer + ".kdf"), desk.MonthBytes());
  Touch(Control(a, "view-" + a.computer + "-periods.kdf"), desk.PeriodBytes());
  Report report;
  for (const auto& [key, count] : counts) report.emplace(key, std::to_string(count));
  report.emplace("longest acquire ms", std::to_string(desk.longestAcquireMs()));
  report.emplace("longest wait ms", std::to_string(longestWaitMs));
  report.emplace("release failures", std::to_string(desk.releaseFailures()));
  report.emplace("made again", std::to_string(desk.editsMadeAgain()));
  for (const auto& [ms, times] : desk.waits()) report.emplace("waits of " + std::to_string(ms) + " ms", std::to_string(times));
  AddMessages(report, desk);
  WriteReport(Control(a, "report-" + a.computer), report);
  return 0;
}

std::string LockPath(const RoleArgs& a, const std::string& kind) {
  const std::string data = support::JoinPath(a.shared, "Data\\Files1\\");
  return support::JoinPath(data, kind == "period" ? "CaFromTo.lock" : "Ca202612.lock");
}

int Hold(const RoleArgs& a) {
  Desk desk(a.computer, a.shared, a.settings);
  const std::string lock = LockPath(a, a.rest.at(0));
  if (!desk.mode().AcquireLock(lock)) return 2;
  Touch(Control(a, "holding-" + a.computer + "-" + a.rest.at(0)));
  if (!AwaitFile(Control(a, "release-" + a.computer), kSignalTimeoutMs)) return 3;
  return desk.mode().ReleaseLock(lock) ? 0 : 4;
}

int Once(const RoleArgs& a) {
  Desk desk(a.computer, a.shared, a.settings);
  const std::uint64_t start = TickMs();
  const Outcome outcome = EditOnce(desk, a.rest.at(0) == "period", 10, EntryText(a.computer, 0));
  Report report{{"outcome", OutcomeName(outcome)}, {"ms", std::to_string(TickMs() - start)}};
  AddMessages(report, desk);
  WriteReport(Control(a, "once-" + a.computer), report);
  return 0;
}

int Maintenance(const RoleArgs& a) {
  Desk desk(a.computer, a.shared, a.settings);
  Report report{{"day", OutcomeName(desk.AddToDay(10, EntryText(a.computer, 0)))},
                {"period", OutcomeName(desk.AddPeriod(10, EntryText(a.computer, 1)))},
                {"reload", desk.mode().NetReload() ? "done" : "refused"}};
  desk.mode().SetNetwork(false);
  report.emplace("switch on", desk.mode().SetNetwork(true) ? "done" : "refused");
  AddMessages(report, desk);
  WriteReport(Control(a, "maintenance-" + a.computer), report);
  return 0;
}

// The administrator's "すべてのロックを解除" every MS while others edit.
int Unlocker(const RoleArgs& a) {
  const unsigned interval = static_cast<unsigned>(std::stoul(a.rest.at(0)));
  Desk desk(a.computer, a.shared, a.settings);
  desk.AgreeToEverything();
  Touch(Control(a, "started-" + a.computer));
  int removed = 0, rounds = 0;
  const std::uint64_t end = TickMs() + kSignalTimeoutMs;
  while (!Present(Control(a, "stop-unlocking")) && TickMs() < end) {
    SleepMs(interval);
    removed += net::UnlockAll(desk.os(), a.shared).removed;
    ++rounds;
  }
  WriteReport(Control(a, "report-" + a.computer),
              {{"removed", std::to_string(removed)}, {"rounds", std::to_string(rounds)}});
  return TickMs() < end ? 0 : 2;
}

int Poller(const RoleArgs& a) {
  const unsigned interval = static_cast<unsigned>(std::stoul(a.rest.at(0)));
  Desk desk(a.computer, a.shared, a.settings);
  desk.mode().Poll(true, false);
  Touch(Control(a, "polling-" + a.computer));
  const std::uint64_t end = TickMs() + kSignalTimeoutMs;
  while (!desk.quitRequested() && TickMs() < end) {
    SleepMs(interval);
    desk.mode().Poll(true, false);
  }
  if (!desk.quitRequested()) return 2;
  // What SaveAndQuit saves in network mode: the settings, no data.
  Touch(support::JoinPath(a.settings, "Velda.ini"), "[Settei]\r\nvNet_flg=1\r\n");
  Touch(Control(a, "ended-" + a.computer), std::to_string(TickMs()));
  return 0;
}

}  // namespace

std::string EntryText(const std::string& computer, int n) { return "会議" + computer + "#" + std::to_string(n); }

int RunRole(const std::string& role, const RoleArgs& args) {
  if (role == "edits") return Edits(args);
  if (role == "hold") return Hold(args);
  if (role == "once") return Once(args);
  if (role == "maintenance") return Maintenance(args);
  if (role == "poller") return Poller(args);
  if (role == "unlocker") return Unlocker(args);
  return 64;
}

}  // namespace proof
