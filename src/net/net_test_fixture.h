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

// Runs `then` once, right after the named operation on `path` returned:
// the moment another computer acts between two steps of this one.
class SteppingInFileSystem : public platform::FailingFileSystem {
 public:
  enum class After { Exists, OpenExclusive, ReadAll };
  SteppingInFileSystem() : FailingFileSystem(platform::RealFileSystem()) {}

  void StepIn(After op, std::string path, std::function<void()> then) {
    op_ = op;
    path_ = std::move(path);
    then_ = std::move(then);
  }
  bool Exists(const std::string& p) override {
    bool r = FailingFileSystem::Exists(p);
    Fire(After::Exists, p);
    return r;
  }
  std::unique_ptr<platform::FileLock> OpenExclusive(const std::string& p) override {
    auto r = FailingFileSystem::OpenExclusive(p);
    Fire(After::OpenExclusive, p);
    return r;
  }
  std::optional<std::string> ReadAll(const std::string& p) override {
    auto r = FailingFileSystem::ReadAll(p);
    Fire(After::ReadAll, p);
    return r;
  }

 private:
  void Fire(After op, const std::string& p) {
    if (!then_ || op != op_ || p != path_) return;
    auto then = std::move(then_);
    then_ = nullptr;
    then();
  }
  After op_{};
  std::string path_;
  std::function<void()> then_;
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
