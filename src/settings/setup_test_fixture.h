#pragma once
// What the tests of backup, restore, setup and clean-up share: scratch
// folders on the real file system, a file system that fails the n-th call
// of an operation, a host that records what the window was asked, a shell
// whose shortcuts are files, and the whole content of a folder tree.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "platform/doubles_testutil.h"
#include "platform/folders.h"
#include "settings/setup_install.h"
#include "support/paths.h"

namespace settings {

// Fails chosen calls (counted from 1) of one operation; others pass.
class NthCallFails : public platform::FailingFileSystem {
 public:
  explicit NthCallFails(platform::FileSystem& inner) : FailingFileSystem(inner) {}
  void FailCalls(Op op, std::set<int> calls) {
    op_ = op;
    failing_ = std::move(calls);
    seen_ = 0;
  }
  void FailCall(Op op, int n) { FailCalls(op, {n}); }
  int seen() const { return seen_; }
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const platform::ShellOpFlags& flags) override {
    copyFlags.push_back(flags);
    return !Hit(Op::ShellCopy) && FailingFileSystem::ShellCopy(from, to, Unowned(flags));
  }
  std::vector<platform::ShellOpFlags> copyFlags;
  bool Rename(const std::string& from, const std::string& to) override {
    return !Hit(Op::Rename) && FailingFileSystem::Rename(from, to);
  }
  bool ShellMove(const std::string& from, const std::string& to, const platform::ShellOpFlags& flags) override {
    return !Hit(Op::ShellMove) && FailingFileSystem::ShellMove(from, to, flags);
  }
  bool ShellDelete(const std::vector<std::string>& paths, const platform::ShellOpFlags& flags) override {
    deleteFlags.push_back(flags);
    return !Hit(Op::ShellDelete) && FailingFileSystem::ShellDelete(paths, Unowned(flags));
  }
  std::vector<platform::ShellOpFlags> deleteFlags;

 private:
  // The owners tests name are no windows: the flags are recorded as asked
  // and the operation runs without one.
  static platform::ShellOpFlags Unowned(platform::ShellOpFlags flags) {
    flags.owner = 0;
    return flags;
  }
  bool Hit(Op op) { return op == op_ && failing_.count(++seen_) > 0; }
  Op op_ = Op::ReadAll;
  std::set<int> failing_;
  int seen_ = 0;
};

// Shortcuts become small files, so that their presence can be seen.
class FileShortcutShell : public platform::FakeShell {
 public:
  explicit FileShortcutShell(platform::FileSystem& fs) : fs_(fs) {}
  bool CreateShortcut(const platform::ShortcutSpec& spec) override {
    shortcuts.push_back(spec);
    return !refuse && fs_.WriteAtomic(spec.linkPath, spec.target);
  }
  bool refuse = false;

 private:
  platform::FileSystem& fs_;
};

class RecordingHost : public SetupHost {
 public:
  void SavePendingData() override { calls.push_back("save data"); }
  void SaveWindowKeys() override { calls.push_back("save keys"); }
  platform::WindowHandle ProgressOwner() override { return owner; }
  bool AutoBackupRunning() override { return autoBackupRunning; }
  bool Busy() override { return busy; }
  void ShowProgress(const std::string& label) override { progress.push_back(label); }
  void RecordEnd() override { calls.push_back("record end"); }

  std::vector<std::string> calls;
  std::vector<std::string> progress;
  platform::WindowHandle owner = 0;
  bool autoBackupRunning = false;
  bool busy = false;
};

// Relative path ("Data/Files1/Ca202612.kdf", native separators) -> bytes
// of every file below `folder`.
inline void CollectTree(platform::FileSystem& fs, const std::string& folder, const std::string& prefix,
                        std::map<std::string, std::string>& tree) {
  for (const platform::DirEntry& e : fs.List(folder + "*")) {
    if (e.isFolder)
      CollectTree(fs, support::EnsureTrailingSeparator(folder + e.name), prefix + e.name + "/", tree);
    else
      tree[prefix + e.name] = fs.ReadAll(folder + e.name).value_or("<unreadable>");
  }
}
inline std::map<std::string, std::string> TreeOf(platform::FileSystem& fs, const std::string& folder) {
  std::map<std::string, std::string> tree;
  CollectTree(fs, support::EnsureTrailingSeparator(folder), "", tree);
  return tree;
}

// Scratch folders and the services over them.
class SetupWorld : public ::testing::Test {
 protected:
  SetupWorld() : fs(platform::RealFileSystem()), shell(fs) {
    fake.clock.Set({2026, 12, 8, 9, 5, 0, 0});
  }

  std::string Folder(const std::string& relative) {
    const std::string path = support::JoinPath(temp.path(), relative);
    platform::CreateFolderChain(fs, path);
    return support::EnsureTrailingSeparator(path);
  }
  void Put(const std::string& folder, const std::string& name, const std::string& bytes) {
    platform::CreateFolderChain(fs, folder);
    ASSERT_TRUE(fs.WriteAtomic(support::JoinPath(folder, name), bytes)) << folder << name;
  }
  std::string Read(const std::string& path) { return fs.ReadAll(path).value_or("<missing>"); }
  bool Exists(const std::string& path) { return fs.Exists(support::RemoveTrailingSeparator(path)); }
  std::vector<std::string> Texts() const { return fake.dialogs.Texts(); }
  void Answer(std::initializer_list<platform::MsgResult> answers) {
    for (auto a : answers) fake.dialogs.Answer(a);
  }

  platform::TempFolder temp;
  platform::FakeServices fake;
  NthCallFails fs;
  FileShortcutShell shell;
  platform::Services os{fs, fake.dialogs, fake.clock, fake.system, shell, fake.clipboard};
  RecordingHost host;
};

}  // namespace settings
