#include "desk.h"

#include <map>

#include "net/status_label.h"
#include "platform/native_services.h"
#include "store/data_folders.h"
#include "store/exact_lines.h"
#include "store/save_guard.h"
#include "support/paths.h"
#include "support/text.h"

namespace proof {
namespace {

// This computer's name instead of the machine's.
class NamedSystem : public platform::System {
 public:
  NamedSystem(std::unique_ptr<platform::System> inner, std::string name)
      : inner_(std::move(inner)), name_(std::move(name)) {}
  std::string ComputerName() override { return name_; }
  std::string UserName() override { return inner_->UserName(); }
  std::string SpecialFolder(int csidl) override { return inner_->SpecialFolder(csidl); }
  std::string WindowsFolder() override { return inner_->WindowsFolder(); }
  std::string ProgramFolder() override { return inner_->ProgramFolder(); }
  platform::OsVersion Version() override { return inner_->Version(); }
  int ShellMajorVersion() override { return inner_->ShellMajorVersion(); }
  bool InternetConnected() override { return false; }
  bool CapsLockOn() override { return false; }

 private:
  std::unique_ptr<platform::System> inner_;
  std::string name_;
};

// Answers every box with its default button and remembers its text.
class RememberingDialogs : public platform::Dialogs {
 public:
  platform::MsgResult Ask(const platform::Message& m) override {
    texts.push_back(support::ReplaceAll(m.text, "\r\n", "\n"));
    return platform::DefaultAnswer(m);
  }
  std::vector<std::string> texts;
};

// The real clock, with every wait counted by its length.
class CountingClock : public platform::Clock {
 public:
  explicit CountingClock(std::unique_ptr<platform::Clock> inner) : inner_(std::move(inner)) {}
  platform::DateTime Now() override { return inner_->Now(); }
  std::uint64_t TickMs() override { return inner_->TickMs(); }
  void Sleep(unsigned ms) override {
    ++waits[ms];
    inner_->Sleep(ms);
  }
  std::map<unsigned, int> waits;

 private:
  std::unique_ptr<platform::Clock> inner_;
};

class NoShell : public platform::Shell {
 public:
  bool Open(const std::string&, int) override { return false; }
  bool ShowProperties(const std::string&) override { return false; }
  bool CreateShortcut(const platform::ShortcutSpec&) override { return false; }
  bool StartProgram(const std::string&, const std::string&) override { return false; }
  platform::WindowHandle FindTopWindow(const std::string&, const std::string&) override { return 0; }
  bool BringToFront(platform::WindowHandle) override { return false; }
  bool PostMessage(platform::WindowHandle, unsigned, std::uintptr_t, std::intptr_t) override { return false; }
};

class NoClipboard : public platform::Clipboard {
 public:
  std::optional<std::string> GetText() override { return std::nullopt; }
  bool SetText(const std::string&) override { return false; }
};

}  // namespace

struct Desk::Parts {
  explicit Parts(const std::string& name)
      : fs(platform::CreateNativeFileSystem()), clock(platform::CreateNativeClock()),
        system(platform::CreateNativeSystem(), name) {}
  std::unique_ptr<platform::FileSystem> fs;
  CountingClock clock;
  NamedSystem system;
  RememberingDialogs dialogs;
  NoShell shell;
  NoClipboard clipboard;
  net::NoStatusLabel label;
  platform::Services services{*fs, dialogs, clock, system, shell, clipboard};
};

const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
    case Outcome::Stored: return "stored";
    case Outcome::HeldByOther: return "held by another computer";
    case Outcome::LockBusy: return "lock busy after 6 attempts";
    case Outcome::Maintenance: return "maintenance";
    case Outcome::LostAtConfirm: return "lock lost before the write";
    case Outcome::NotWritten: return "not written";
  }
  return "?";
}

Desk::Desk(const std::string& name, const std::string& sharedFolder, const std::string& settingsFolder)
    : parts_(std::make_unique<Parts>(name)), os_(parts_->services) {
  folders_.netFolder = folders_.dataRoot = support::EnsureTrailingSeparator(sharedFolder);
  folders_.dataFolder = store::DataSetFolder(folders_.netFolder, 1);
  folders_.commonDataFolder = folders_.safeGuardFolder = support::EnsureTrailingSeparator(settingsFolder);
  folders_.programFolder = folders_.commonDataFolder;
  month_.year = kYear;
  month_.month = kMonth;
  link_.on = true;
  admin_ = std::make_unique<net::NetAdmin>(os_, settingsFolder, false);
  mode_ = std::make_unique<net::NetworkMode>(os_, folders_, link_, parts_->label, *this, *admin_);
  RereadShownMonth();
  RereadPeriods();
}

Desk::~Desk() = default;

const std::vector<std::string>& Desk::messages() const { return parts_->dialogs.texts; }
const std::map<unsigned, int>& Desk::waits() const { return parts_->clock.waits; }

void Desk::RereadShownMonth() {
  month_.lines.clear();
  month_.originals.Clear();
  store::ReadMonth(env(), month_, 1, true);
}

bool Desk::RereadPeriods() {
  periods_.lines.clear();
  periods_.originals.Clear();
  return store::ReadPeriods(env(), periods_, true, true, backups_) == store::PeriodReadResult::Read;
}

void Desk::SaveAndQuit() { quit_ = true; }

Outcome Desk::Refusal(size_t messagesBefore) const {
  for (size_t i = messagesBefore; i < messages().size(); ++i) {
    const std::string& text = messages()[i];
    if (text.starts_with("他のコンピュータ【")) return Outcome::HeldByOther;
    if (text.find("のロックに失敗しました") != std::string::npos) return Outcome::LockBusy;
  }
  return Outcome::NotWritten;
}

Outcome Desk::Lock(const std::string& path, size_t messagesBefore) {
  const std::uint64_t start = os_.clock.TickMs();
  const bool held = mode_->AcquireLock(path);
  longestAcquireMs_ = std::max<unsigned>(longestAcquireMs_, static_cast<unsigned>(os_.clock.TickMs() - start));
  return held ? Outcome::Stored : Refusal(messagesBefore);
}

void Desk::Release(const std::string& path) {
  if (!mode_->ReleaseLock(path)) ++releaseFailures_;
}

Outcome Desk::AddToDay(int day, const std::string& text) {
  const size_t before = messages().size();
  if (mode_->ServiceLockPresent()) return Outcome::Maintenance;
  char name[32];
  std::snprintf(name, sizeof name, "Ca%.4d%.2d.lock", kYear, kMonth);
  const std::string lock = support::JoinPath(folders_.dataFolder, name);
  if (Outcome o = Lock(lock, before); o != Outcome::Stored) return o;
  RereadShownMonth();
  if (!mode_->AcquireLock(lock)) return Outcome::LostAtConfirm;
  std::vector<store::DayEntry> entries = store::LinesOfDay(month_, kMonth, day, false);
  std::erase_if(entries, [](const store::DayEntry& e) { return e.text.empty(); });
  entries.push_back({text, {}});
  store::ReplaceDay(month_, kMonth, day, entries, false);
  link_.writePending = true;
  const store::SaveOutcome saved = store::SaveMonth(env(), month_, link_);
  Release(lock);
  return saved == store::SaveOutcome::Written ? Outcome::Stored : Outcome::NotWritten;
}

Outcome Desk::AddPeriod(int day, const std::string& text) {
  const size_t before = messages().size();
  if (mode_->ServiceLockPresent()) return Outcome::Maintenance;
  const std::string lock = support::JoinPath(folders_.dataFolder, "CaFromTo.lock");
  if (Outcome o = Lock(lock, before); o != Outcome::Stored) return o;
  if (!RereadPeriods()) return Outcome::NotWritten;
  if (!mode_->AcquireLock(lock)) return Outcome::LostAtConfirm;
  const calendar::DayNumber start = calendar::DateToJulius(kYear, kMonth, day);
  store::PeriodItem item = store::NewPeriodItem(start, 1, start + 2, 3, 1, "clBlue", os_.system.ComputerName());
  item.text = text;
  store::StorePeriodLine(periods_, 0, store::FormatPeriodItem(item));
  link_.writePending = true;
  const store::SaveOutcome saved = store::SavePeriods(env(), periods_, link_);
  Release(lock);
  return saved == store::SaveOutcome::Written ? Outcome::Stored : Outcome::NotWritten;
}

std::string Desk::MonthBytes() const { return store::EncodeLines(month_.lines, &month_.originals); }
std::string Desk::PeriodBytes() const { return store::EncodeLines(periods_.lines, &periods_.originals); }

}  // namespace proof
