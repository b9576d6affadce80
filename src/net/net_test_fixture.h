#pragma once
// A scratch shared folder with faked dialogs and clock for the tests of
// this folder, a status label that records what it showed, and a file
// system that lets another computer step in at a chosen moment.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "net/status_label.h"
#include "platform/doubles_testutil.h"
#include "support/paths.h"

namespace net {

inline void PrintTo(const LockStatus& s, std::ostream* os) {
  *os << '"' << s.text << "\" " << ColorName(s.color);
}

class RecordingLabel : public StatusLabel {
 public:
  void Show(const LockStatus& status) override { shown.push_back(status); visible = true; }
  void Hide() override { visible = false; }
  std::vector<LockStatus> shown;
  bool visible = false;
};

// Runs `then` right after an operation on `path` returned: the moment
// another computer acts between two steps of this one. Once, after the
// named operation, or after every operation on the path.
class SteppingInFileSystem : public platform::FailingFileSystem {
 public:
  // Read: ReadAll or OpenExclusive, whichever comes first.
  enum class After { Exists, OpenExclusive, ReadAll, DeleteFile, WriteAtomic, CreateExclusive, Read, Any };
  SteppingInFileSystem() : FailingFileSystem(platform::RealFileSystem()) {}

  void StepIn(After op, std::string path, std::function<void()> then) {
    op_ = op;
    path_ = std::move(path);
    then_ = std::move(then);
    every_ = false;
  }
  void StepInAfterEach(std::string path, std::function<void()> then) {
    StepIn(After::Any, std::move(path), std::move(then));
    every_ = true;
  }

  bool Exists(const std::string& p) override { return Fire(After::Exists, p, FailingFileSystem::Exists(p)); }
  std::unique_ptr<platform::FileLock> OpenExclusive(const std::string& p) override {
    return Fire(After::OpenExclusive, p, FailingFileSystem::OpenExclusive(p));
  }
  std::unique_ptr<platform::FileLock> CreateExclusive(const std::string& p, std::string_view c) override {
    return Fire(After::CreateExclusive, p, FailingFileSystem::CreateExclusive(p, c));
  }
  std::optional<std::string> ReadAll(const std::string& p) override {
    return Fire(After::ReadAll, p, FailingFileSystem::ReadAll(p));
  }
  bool DeleteFile(const std::string& p) override { return Fire(After::DeleteFile, p, FailingFileSystem::DeleteFile(p)); }
  bool WriteAtomic(const std::string& p, std::string_view b) override {
    return Fire(After::WriteAtomic, p, FailingFileSystem::WriteAtomic(p, b));
  }

 private:
  template <typename T>
  T Fire(After op, const std::string& p, T result) {
    if (!then_ || running_ || p != path_ || !Matches(op)) return result;
    running_ = true;  // the other computer's own steps do not step in again
    then_();
    running_ = false;
    if (!every_) then_ = nullptr;
    return result;
  }
  bool Matches(After op) const {
    if (op_ == After::Read) return op == After::ReadAll || op == After::OpenExclusive;
    return op_ == After::Any || op == op_;
  }
  After op_{};
  std::string path_;
  std::function<void()> then_;
  bool every_ = false;
  bool running_ = false;
};

// One computer of the test: its own name, dialogs, clock and status label
// over the shared file system.
class Computer {
 public:
  Computer(platform::FileSystem& fs, const std::string& name) : fs_(fs) { system.computerName = name; }
  Computer(const Computer&) = delete;
  Computer& operator=(const Computer&) = delete;

 private:
  platform::FileSystem& fs_;

 public:
  platform::ScriptedDialogs dialogs;
  platform::FakeClock clock;
  platform::FakeSystem system;
  platform::FakeShell shell;
  platform::FakeClipboard clipboard;
  RecordingLabel label;
  platform::Services os{fs_, dialogs, clock, system, shell, clipboard};
};

class NetTest : public testing::Test {
 protected:
  std::string P(const std::string& relative) const { return support::JoinPath(dir.path(), relative); }
  void Put(const std::string& relative, std::string_view bytes) {
    ASSERT_TRUE(platform::RealFileSystem().WriteAtomic(P(relative), bytes));
  }
  std::string Get(const std::string& relative) {
    return platform::RealFileSystem().ReadAll(P(relative)).value_or("<missing>");
  }
  bool Has(const std::string& relative) { return platform::RealFileSystem().Exists(P(relative)); }
  void MakeFolder(const std::string& relative) {
    ASSERT_TRUE(platform::RealFileSystem().CreateFolder(support::RemoveTrailingSeparator(P(relative))));
  }

  platform::TempFolder dir;
  SteppingInFileSystem fs;
};

}  // namespace net
