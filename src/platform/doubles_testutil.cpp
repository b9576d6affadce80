#include "platform/doubles_testutil.h"

#include <atomic>
#include <filesystem>
#include <random>

#include "support/paths.h"

namespace platform {

MsgResult ScriptedDialogs::Ask(const Message& message) {
  shown.push_back(message);
  if (whileShown) whileShown();
  if (!script_.empty()) {
    MsgResult r = script_.front();
    script_.pop_front();
    return r;
  }
  return DefaultAnswer(message);
}

std::vector<std::string> ScriptedDialogs::Texts() const {
  std::vector<std::string> texts;
  for (const auto& m : shown) texts.push_back(m.text);
  return texts;
}

void FakeClock::Sleep(unsigned milliseconds) {
  sleeps.push_back(milliseconds);
  Advance(milliseconds);
}

void FakeClock::Advance(unsigned milliseconds) {
  tick_ += milliseconds;
  // Carry through seconds, minutes and hours; tests that cross midnight set
  // the date themselves.
  long total = now_.millisecond + static_cast<long>(milliseconds);
  now_.millisecond = static_cast<int>(total % 1000);
  total = now_.second + total / 1000;
  now_.second = static_cast<int>(total % 60);
  total = now_.minute + total / 60;
  now_.minute = static_cast<int>(total % 60);
  total = now_.hour + total / 60;
  now_.hour = static_cast<int>(total % 24);
}

int FailingFileSystem::Calls(Op op) const {
  auto it = calls_.find(op);
  return it == calls_.end() ? 0 : it->second;
}

bool FailingFileSystem::ShouldFail(Op op) {
  ++calls_[op];
  auto it = failures_.find(op);
  if (it == failures_.end() || it->second == 0) return false;
  if (it->second > 0) --it->second;
  return true;
}

std::optional<std::string> FailingFileSystem::ReadAll(const std::string& path) {
  if (ShouldFail(Op::ReadAll)) return std::nullopt;
  return inner_.ReadAll(path);
}
bool FailingFileSystem::WriteAtomic(const std::string& path, std::string_view bytes) {
  return !ShouldFail(Op::WriteAtomic) && inner_.WriteAtomic(path, bytes);
}
bool FailingFileSystem::Append(const std::string& path, std::string_view bytes) {
  return !ShouldFail(Op::Append) && inner_.Append(path, bytes);
}
bool FailingFileSystem::CreateFolder(const std::string& path) {
  return !ShouldFail(Op::CreateFolder) && inner_.CreateFolder(path);
}
std::optional<std::string> FailingFileSystem::ShortPathOf(const std::string& path) {
  const auto found = shortPaths.find(path);
  if (found != shortPaths.end()) return found->second.empty() ? std::nullopt : std::optional(found->second);
  return inner_.ShortPathOf(path);
}

bool FailingFileSystem::CopyFile(const std::string& from, const std::string& to, bool overwrite) {
  return !ShouldFail(Op::CopyFile) && inner_.CopyFile(from, to, overwrite);
}
bool FailingFileSystem::Rename(const std::string& from, const std::string& to) {
  return !ShouldFail(Op::Rename) && inner_.Rename(from, to);
}
bool FailingFileSystem::DeleteFile(const std::string& path) {
  return !ShouldFail(Op::DeleteFile) && inner_.DeleteFile(path);
}
bool FailingFileSystem::ShellCopy(const std::vector<std::string>& from, const std::string& to,
                                  const ShellOpFlags& flags) {
  return !ShouldFail(Op::ShellCopy) && inner_.ShellCopy(from, to, flags);
}
bool FailingFileSystem::ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) {
  return !ShouldFail(Op::ShellDelete) && inner_.ShellDelete(paths, flags);
}
bool FailingFileSystem::ShellMove(const std::string& from, const std::string& to,
                                  const ShellOpFlags& flags) {
  return !ShouldFail(Op::ShellMove) && inner_.ShellMove(from, to, flags);
}
std::unique_ptr<FileLock> FailingFileSystem::CreateExclusive(const std::string& path,
                                                             std::string_view content) {
  if (ShouldFail(Op::CreateExclusive)) return nullptr;
  return inner_.CreateExclusive(path, content);
}
std::unique_ptr<FileLock> FailingFileSystem::OpenExclusive(const std::string& path) {
  if (ShouldFail(Op::OpenExclusive)) return nullptr;
  return inner_.OpenExclusive(path);
}

std::string FakeSystem::SpecialFolder(int csidl) {
  auto it = specialFolders.find(csidl);
  return it == specialFolders.end() ? std::string() : it->second;
}

bool FakeShell::StartProgram(const std::string& commandLine, const std::string&) {
  started.push_back(commandLine);
  return true;
}

WindowHandle FakeShell::FindTopWindow(const std::string& className, const std::string& title) {
  for (const auto& [key, handle] : windows) {
    if ((className.empty() || key.first == className) && (title.empty() || key.second == title))
      return handle;
  }
  return 0;
}

bool FakeShell::PostMessage(WindowHandle window, unsigned message, std::uintptr_t, std::intptr_t) {
  posted.emplace_back(window, message);
  return true;
}

TempFolder::TempFolder() {
  namespace fs = std::filesystem;
  static std::atomic<unsigned> counter{0};
  std::random_device rd;
  fs::path p = fs::temp_directory_path() /
               ("velda-test-" + std::to_string(rd()) + "-" + std::to_string(counter++));
  fs::create_directories(p);
  auto u8 = p.u8string();
  path_ = support::EnsureTrailingSeparator(std::string(u8.begin(), u8.end()));
}

TempFolder::~TempFolder() {
  std::error_code ec;
  std::u8string u8(path_.begin(), path_.end());
  std::filesystem::remove_all(std::filesystem::path(u8), ec);
}

FileSystem& RealFileSystem() {
  static std::unique_ptr<FileSystem> fs = CreateNativeFileSystem();
  return *fs;
}

}  // namespace platform
