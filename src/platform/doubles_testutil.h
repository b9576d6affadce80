#pragma once
// Test doubles of the operating-system seam.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/services.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace platform {

// Answers message boxes from a script and records every one shown. When the
// script runs out, a box gets its default button.
class ScriptedDialogs : public Dialogs {
 public:
  MsgResult Ask(const Message& message) override;
  void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }

  void Answer(MsgResult result) { script_.push_back(result); }
  std::vector<std::string> Texts() const;

  std::vector<Message> shown;
  std::vector<std::string> statusTexts;
  // Runs while each box is up, as the timers of a real box's modal loop do.
  std::function<void()> whileShown;

 private:
  std::deque<MsgResult> script_;
};

// Time stands still until someone sleeps or advances it.
class FakeClock : public Clock {
 public:
  explicit FakeClock(DateTime start = {2026, 12, 8, 9, 0, 0, 0}) : now_(start) {}
  DateTime Now() override { return now_; }
  std::uint64_t TickMs() override { return tick_; }
  void Sleep(unsigned milliseconds) override;

  void Advance(unsigned milliseconds);
  void Set(const DateTime& now) { now_ = now; }
  std::vector<unsigned> sleeps;

 private:
  DateTime now_;
  std::uint64_t tick_ = 1000;
};

// Wraps a real file system and makes chosen operations fail a chosen number
// of times. A failed WriteAtomic or Append writes nothing.
class FailingFileSystem : public FileSystem {
 public:
  enum class Op { ReadAll, WriteAtomic, Append, CreateFolder, CopyFile, Rename, DeleteFile,
                  ShellCopy, ShellDelete, ShellMove, CreateExclusive, OpenExclusive };

  explicit FailingFileSystem(FileSystem& inner) : inner_(inner) {}
  // The next `times` calls of `op` fail (times < 0: every call).
  void Fail(Op op, int times = 1) { failures_[op] = times; }
  int Calls(Op op) const;

  std::optional<std::string> ReadAll(const std::string& path) override;
  bool WriteAtomic(const std::string& path, std::string_view bytes) override;
  bool Append(const std::string& path, std::string_view bytes) override;
  bool Exists(const std::string& p) override { return inner_.Exists(p); }
  bool IsFolder(const std::string& p) override { return inner_.IsFolder(p); }
  std::vector<DirEntry> List(const std::string& p) override { return inner_.List(p); }
  std::optional<DateTime> ModifiedTime(const std::string& p) override { return inner_.ModifiedTime(p); }
  DriveKind KindOfDrive(const std::string& root) override { return inner_.KindOfDrive(root); }
  // The short forms of the paths given here ("": none, as on a volume
  // without 8.3 names); others as the real file system has them.
  std::optional<std::string> ShortPathOf(const std::string& path) override;
  std::map<std::string, std::string> shortPaths;
  bool CreateFolder(const std::string& path) override;
  bool RemoveEmptyFolder(const std::string& p) override { return inner_.RemoveEmptyFolder(p); }
  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override;
  bool Rename(const std::string& from, const std::string& to) override;
  bool DeleteFile(const std::string& path) override;
  bool ShellCopy(const std::vector<std::string>& from, const std::string& to,
                 const ShellOpFlags& flags) override;
  bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) override;
  bool ShellMove(const std::string& from, const std::string& to, const ShellOpFlags& flags) override;
  std::unique_ptr<FileLock> CreateExclusive(const std::string& path, std::string_view content) override;
  std::unique_ptr<FileLock> OpenExclusive(const std::string& path) override;

 private:
  bool ShouldFail(Op op);
  FileSystem& inner_;
  std::map<Op, int> failures_;
  std::map<Op, int> calls_;
};

class FakeSystem : public System {
 public:
  std::string ComputerName() override { return computerName; }
  std::string UserName() override { return userName; }
  std::string SpecialFolder(int csidl) override;
  std::string WindowsFolder() override { return windowsFolder; }
  std::string ProgramFolder() override { return programFolder; }
  OsVersion Version() override { return version; }
  int ShellMajorVersion() override { return shellMajor; }
  bool InternetConnected() override { return online; }
  bool CapsLockOn() override { return capsLock; }

  std::string computerName = "PC01";
  std::string userName = "tanaka";
  std::string windowsFolder;
  std::string programFolder;
  std::map<int, std::string> specialFolders;
  OsVersion version{10, 0, 19045};
  int shellMajor = 6;
  bool online = true;
  bool capsLock = false;
};

// Records what the program asked of the shell.
class FakeShell : public Shell {
 public:
  bool Open(const std::string& target, int) override { opened.push_back(target); return true; }
  bool ShowProperties(const std::string& path) override { opened.push_back("properties:" + path); return true; }
  bool CreateShortcut(const ShortcutSpec& spec) override { shortcuts.push_back(spec); return true; }
  bool StartProgram(const std::string& commandLine, const std::string&) override;
  WindowHandle FindTopWindow(const std::string& className, const std::string& title) override;
  bool BringToFront(WindowHandle window) override { raised.push_back(window); return true; }
  bool OwnsForeground(WindowHandle window) override { return window && window == foregroundOwner; }
  bool PostMessage(WindowHandle window, unsigned message, std::uintptr_t, std::intptr_t) override;

  std::vector<std::string> opened;
  std::vector<ShortcutSpec> shortcuts;
  std::vector<std::string> started;
  std::vector<WindowHandle> raised;
  std::vector<std::pair<WindowHandle, unsigned>> posted;
  std::map<std::pair<std::string, std::string>, WindowHandle> windows;  // (class, title)
  WindowHandle foregroundOwner = 0;  // the window whose program is in front
};

class FakeClipboard : public Clipboard {
 public:
  std::optional<std::string> GetText() override { return text; }
  bool SetText(const std::string& utf8) override { text = utf8; return true; }
  std::optional<std::string> text;
};

// A scratch folder under the system's temporary folder, removed afterwards.
class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  // The folder path with its separator.
  const std::string& path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// The real file system of the build (POSIX natively, Win32 under Wine).
FileSystem& RealFileSystem();

// Everything faked but the file system, which fails on request.
struct FakeServices {
  FakeServices() : fs(RealFileSystem()) {}
  FailingFileSystem fs;
  ScriptedDialogs dialogs;
  FakeClock clock;
  FakeSystem system;
  FakeShell shell;
  FakeClipboard clipboard;
  Services services{fs, dialogs, clock, system, shell, clipboard};
};

}  // namespace platform
