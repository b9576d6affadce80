#include "desk.h"

#include <algorithm>
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

// Answers every box with its default button (or Yes to every question)
// and remembers its text.
class RememberingDialogs : public platform::Dialogs {
 public:
  platform::MsgResult Ask(const platform::Message& m) override {
    texts.push_back(support::ReplaceAll(m.text, "\r\n", "\n"));
    if (yesToAll && m.buttons != platform::MsgButtons::Ok) return platform::MsgResult::Yes;
    return platform::DefaultAnswer(m);
  }
  std::vector<std::string> texts;
  bool yesToAll = false;
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
  link_.on = true;
  admin_ = std::make_unique<net::NetAdmin>(os_, settingsFolder, false);
  mode_ = std::make_unique<net::NetworkMode>(os_, folders_, link_, parts_->label, *this, *admin_);
  shell::MonthView& view = *this;
  shell::CycleHost& cycleHost = *this;
  shell::DayEditorPort& editor = *this;
  cycle_ = std::make_unique<shell::MonthCycle>(os_, folders_, link_, view, cycleHost);
  cycle_->BuildWindow({kYear, kMonth, 1});
  cycle_->ReloadAll();
  host_ = std::make_unique<shell::CycleEditHost>(os_, folders_, *cycle_, link_, view);
  flows_ = std::make_unique<shell::EditFlows>(os_, folders_, settings_, *host_, editor, days_);
  flows_->SetSharedFolder(this);
  periodEdit_ = std::make_unique<shell::PeriodEdit>(os_, folders_, settings_, *host_, editor);
  periodEdit_->SetSharedFolder(this);
}

Desk::~Desk() = default;

void Desk::AgreeToEverything() { parts_->dialogs.yesToAll = true; }

const std::vector<std::string>& Desk::messages() const { return parts_->dialogs.texts; }
const std::map<unsigned, int>& Desk::waits() const { return parts_->clock.waits; }

void Desk::RereadShownMonth() { host_->RereadMonth(cycle_->current()); }

bool Desk::RereadPeriods() { return host_->RereadPeriods() == store::PeriodReadResult::Read; }

bool Desk::AcquireLock(const std::string& path) {
  const std::uint64_t start = os_.clock.TickMs();
  const bool held = mode_->AcquireLock(path);
  longestAcquireMs_ = std::max<unsigned>(longestAcquireMs_, static_cast<unsigned>(os_.clock.TickMs() - start));
  return held;
}

bool Desk::ReleaseLock(const std::string& path) {
  const bool released = mode_->ReleaseLock(path);
  if (!released) ++releaseFailures_;
  return released;
}

// The editor stays open while the person types, with the lock held.
void Desk::Type() {
  if (++shownEdits_ > 1) ++editsMadeAgain_;
  os_.clock.Sleep(kTypingMs);
}

// What the person had typed is shown again after a lost lock: written as
// it stands, it must not be added twice.
editors::DayResult Desk::EditDay(const editors::DayRequest& request) {
  Type();
  editors::DayResult result{true, false, false, request.entries};
  std::erase_if(result.entries, [](const store::DayEntry& e) { return e.text.empty(); });
  if (std::none_of(result.entries.begin(), result.entries.end(),
                   [&](const store::DayEntry& e) { return e.text == typing_; }))
    result.entries.push_back({typing_, {}});
  return result;
}

editors::PeriodResult Desk::EditPeriod(const editors::PeriodPage& page) {
  Type();
  editors::PeriodResult result{true, false, false, page};
  result.page.text = typing_;
  return result;
}

Outcome Desk::Refusal(size_t messagesBefore) const {
  for (size_t i = messagesBefore; i < messages().size(); ++i) {
    const std::string& text = messages()[i];
    if (text.starts_with("他のコンピュータ【")) return Outcome::HeldByOther;
    if (text.find("のロックに失敗しました") != std::string::npos) return Outcome::LockBusy;
    if (text.find("メンテナンス中") != std::string::npos) return Outcome::Maintenance;
    if (text.find("このコンピュータのものではなくなっています") != std::string::npos) return Outcome::LostAtConfirm;
  }
  return Outcome::NotWritten;
}

Outcome Desk::AddToDay(int day, const std::string& text) {
  const size_t before = messages().size();
  typing_ = text;
  shownEdits_ = 0;
  if (flows_->EditDay(calendar::DateToJulius(kYear, kMonth, day))) return Outcome::Stored;
  return Refusal(before);
}

Outcome Desk::AddPeriod(int day, const std::string& text) {
  const size_t before = messages().size();
  typing_ = text;
  shownEdits_ = 0;
  const calendar::DayNumber start = calendar::DateToJulius(kYear, kMonth, day);
  if (periodEdit_->NewPeriod({{start, 1}, {start + 2, 3}})) return Outcome::Stored;
  return Refusal(before);
}

std::string Desk::MonthBytes() const {
  const store::MonthSlot& month = cycle_->slot(cycle_->current()).data;
  return store::EncodeLines(month.lines, &month.originals);
}

std::string Desk::PeriodBytes() const {
  return store::EncodeLines(cycle_->periods().lines, &cycle_->periods().originals);
}

}  // namespace proof
