#pragma once
// The file system as the program sees it: whole files, never a file held
// open between operations (lock files excepted). Paths are UTF-8; folder
// paths end with the separator.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/datetime.h"

namespace platform {

enum class DriveKind { Unknown, Removable, Fixed, Network, CdRom, RamDisk };

struct DirEntry {
  std::string name;  // without folder
  bool isFolder = false;
  bool hidden = false;
  bool system = false;
  std::uint64_t size = 0;
  DateTime modified;
};

// Flags of the shell's file operations, with their Win32 meanings kept.
struct ShellOpFlags {
  std::uintptr_t owner = 0;  // owner window, 0 for none
  bool silent = false;           // no progress window
  bool simpleProgress = false;   // progress without file names
  bool noConfirmation = false;   // answer "yes to all"
  bool allowUndo = false;        // deletes go to the recycle bin
  bool filesOnly = false;        // wildcards match files only
};

// An exclusively opened file; the handle is closed when this is destroyed.
class FileLock {
 public:
  virtual ~FileLock() = default;
  // The whole file, read through the held handle (no one else can open it).
  virtual std::optional<std::string> ReadContent() { return std::nullopt; }
  // The whole content replaced through the held handle, so that no one
  // sees the file missing or half written. False for a read-only file.
  virtual bool Rewrite(std::string_view content) { return false; }
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Whole-file read with others denied writing; nullopt when the file is
  // missing, locked or unreadable.
  virtual std::optional<std::string> ReadAll(const std::string& path) = 0;
  // Writes a temporary file beside the target and replaces the target with
  // it; on any failure the old file is left exactly as it was.
  virtual bool WriteAtomic(const std::string& path, std::string_view bytes) = 0;
  // Creates the file when missing.
  virtual bool Append(const std::string& path, std::string_view bytes) = 0;

  // Any directory entry matches; the last path component may hold * and ?.
  virtual bool Exists(const std::string& pathOrPattern) = 0;
  virtual bool IsFolder(const std::string& path) = 0;
  // Entries matching a pattern ("folder/*.kdf"); "." and ".." excluded.
  virtual std::vector<DirEntry> List(const std::string& pattern) = 0;
  virtual std::optional<DateTime> ModifiedTime(const std::string& path) = 0;
  // The kind of the drive a root folder ("C:\") belongs to.
  virtual DriveKind KindOfDrive(const std::string& root) = 0;
  // The short (8.3) form of an existing path, when its volume keeps one.
  virtual std::optional<std::string> ShortPathOf(const std::string&) { return std::nullopt; }

  // One folder level; the parent must exist.
  virtual bool CreateFolder(const std::string& path) = 0;
  virtual bool RemoveEmptyFolder(const std::string& path) = 0;
  virtual bool CopyFile(const std::string& from, const std::string& to, bool overwrite) = 0;
  virtual bool Rename(const std::string& from, const std::string& to) = 0;
  virtual bool DeleteFile(const std::string& path) = 0;

  // The shell's file operations over lists of names or patterns.
  virtual bool ShellCopy(const std::vector<std::string>& from, const std::string& toFolder,
                         const ShellOpFlags& flags) = 0;
  virtual bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) = 0;
  virtual bool ShellMove(const std::string& from, const std::string& to,
                         const ShellOpFlags& flags) = 0;

  // Lock files: create fails when the file exists and makes the file appear
  // with its content already written; open fails while another holder has
  // it open (and opens for writing too unless the file is read-only). Both
  // keep the file open until released.
  virtual std::unique_ptr<FileLock> CreateExclusive(const std::string& path,
                                                    std::string_view content) = 0;
  virtual std::unique_ptr<FileLock> OpenExclusive(const std::string& path) = 0;
};

// The build's own file system: POSIX natively, Win32 on Windows.
std::unique_ptr<FileSystem> CreateNativeFileSystem();

}  // namespace platform
