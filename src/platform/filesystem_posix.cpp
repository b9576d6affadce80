// The file system of the native build: POSIX calls, used by tests and by
// velcal on Linux.
#include <dirent.h>
#include <fcntl.h>
#include <fnmatch.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <random>

#include "platform/filesystem.h"

namespace platform {
namespace {

namespace fs = std::filesystem;

std::pair<std::string, std::string> SplitFolder(const std::string& path) {
  auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return {"./", path};
  return {path.substr(0, slash + 1), path.substr(slash + 1)};
}

std::string WithoutTrailingSlash(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

bool HasWildcard(const std::string& name) { return name.find_first_of("*?") != std::string::npos; }

DateTime ToDateTime(const timespec& ts) {
  std::tm tm{};
  localtime_r(&ts.tv_sec, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour,
          tm.tm_min, tm.tm_sec, static_cast<int>(ts.tv_nsec / 1000000)};
}

bool WriteWhole(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(n));
  }
  return true;
}

std::optional<std::string> ReadToEnd(int fd) {
  std::string data;
  char buf[65536];
  for (;;) {
    ssize_t n = ::read(fd, buf, sizeof buf);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return data;
    data.append(buf, static_cast<size_t>(n));
  }
}

std::string TempNameBeside(const std::string& target) {
  static std::mt19937 rng{std::random_device{}()};
  return target + ".~" + std::to_string(::getpid()) + "-" + std::to_string(rng() % 1000000);
}

// As on Windows, a read-only file is not replaced.
bool IsReadOnly(const std::string& path) {
  struct stat st;
  return ::stat(path.c_str(), &st) == 0 && ::access(path.c_str(), W_OK) != 0;
}

// Moves a finished temporary onto the target, or removes it.
bool MoveIntoPlace(const std::string& temp, const std::string& target, bool replace) {
  bool moved = replace ? ::rename(temp.c_str(), target.c_str()) == 0
                       : ::link(temp.c_str(), target.c_str()) == 0;
  if (!moved || !replace) ::unlink(temp.c_str());
  return moved;
}

class PosixLock : public FileLock {
 public:
  explicit PosixLock(int fd) : fd_(fd) {}
  ~PosixLock() override { ::close(fd_); }
  std::optional<std::string> ReadContent() override {
    if (::lseek(fd_, 0, SEEK_SET) != 0) return std::nullopt;
    return ReadToEnd(fd_);
  }
  bool Rewrite(std::string_view content) override {
    return ::lseek(fd_, 0, SEEK_SET) == 0 && ::ftruncate(fd_, 0) == 0 && WriteWhole(fd_, content) &&
           ::fsync(fd_) == 0;
  }

 private:
  int fd_;
};

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    // A held lock file cannot be read, as on Windows.
    if (::flock(fd, LOCK_SH | LOCK_NB) != 0) {
      ::close(fd);
      return std::nullopt;
    }
    auto data = ReadToEnd(fd);
    ::close(fd);
    return data;
  }

  bool WriteAtomic(const std::string& path, std::string_view bytes) override {
    if (IsReadOnly(path)) return false;
    std::string temp = TempNameBeside(path);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteWhole(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
      ::unlink(temp.c_str());
      return false;
    }
    return MoveIntoPlace(temp, path, true);
  }

  bool Append(const std::string& path, std::string_view bytes) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteWhole(fd, bytes);
    return (::close(fd) == 0) && ok;
  }

  bool Exists(const std::string& pathOrPattern) override {
    std::string p = WithoutTrailingSlash(pathOrPattern);
    auto [folder, name] = SplitFolder(p);
    if (!HasWildcard(name)) {
      struct stat st;
      return ::lstat(p.c_str(), &st) == 0;
    }
    return !List(p).empty();
  }

  bool IsFolder(const std::string& path) override {
    struct stat st;
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
  }

  std::vector<DirEntry> List(const std::string& pattern) override {
    auto [folder, name] = SplitFolder(pattern);
    std::vector<DirEntry> entries;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return entries;
    while (dirent* d = ::readdir(dir)) {
      std::string n = d->d_name;
      if (n == "." || n == "..") continue;
      // Windows matches names without regard to case; so do we.
      if (::fnmatch(name.c_str(), n.c_str(), FNM_CASEFOLD) != 0) continue;
      struct stat st;
      if (::stat((folder + n).c_str(), &st) != 0) continue;
      DirEntry e;
      e.name = n;
      e.isFolder = S_ISDIR(st.st_mode);
      e.hidden = !n.empty() && n[0] == '.';
      e.size = static_cast<std::uint64_t>(st.st_size);
      e.modified = ToDateTime(st.st_mtim);
      entries.push_back(std::move(e));
    }
    ::closedir(dir);
    return entries;
  }

  std::optional<DateTime> ModifiedTime(const std::string& path) override {
    struct stat st;
    if (::stat(path.c_str(), &st) != 0) return std::nullopt;
    return ToDateTime(st.st_mtim);
  }

  DriveKind KindOfDrive(const std::string& root) override {
    return IsFolder(root) ? DriveKind::Fixed : DriveKind::Unknown;
  }

  bool CreateFolder(const std::string& path) override { return ::mkdir(path.c_str(), 0755) == 0; }
  bool RemoveEmptyFolder(const std::string& path) override { return ::rmdir(path.c_str()) == 0; }

  // Copies beside the target first: a failed copy never leaves a truncated
  // destination.
  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    if (IsReadOnly(to)) return false;
    std::string temp = TempNameBeside(to);
    std::error_code ec;
    if (!fs::copy_file(fs::path(from), fs::path(temp), fs::copy_options::none, ec) || ec) {
      ::unlink(temp.c_str());
      return false;
    }
    return MoveIntoPlace(temp, to, overwrite);
  }

  bool Rename(const std::string& from, const std::string& to) override {
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) return false;  // as MoveFile: never replaces
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool DeleteFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

  bool ShellCopy(const std::vector<std::string>& from, const std::string& toFolder,
                 const ShellOpFlags& flags) override {
    auto sources = Expand(from, flags.filesOnly);
    if (!sources) return false;
    std::error_code ec;
    fs::create_directories(fs::path(toFolder), ec);
    for (const auto& source : *sources) {
      fs::path src(source);
      fs::copy(src, fs::path(toFolder) / src.filename(),
               fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
      if (ec) return false;
    }
    return true;
  }

  bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) override {
    auto targets = Expand(paths, flags.filesOnly);
    if (!targets) return false;
    std::error_code ec;
    for (const auto& p : *targets) {
      fs::remove_all(fs::path(p), ec);
      if (ec) return false;
    }
    return true;
  }

  bool ShellMove(const std::string& from, const std::string& to, const ShellOpFlags&) override {
    if (Exists(to)) return false;  // as the shell's rename: never onto an existing name
    std::error_code ec;
    fs::rename(fs::path(WithoutTrailingSlash(from)), fs::path(WithoutTrailingSlash(to)), ec);
    return !ec;
  }

  // As CREATE_NEW with share mode 0: the file is written and locked under
  // a temporary name first and then linked into place, which fails when the
  // name exists. No one ever finds the lock file empty or unlocked.
  std::unique_ptr<FileLock> CreateExclusive(const std::string& path,
                                            std::string_view content) override {
    std::string temp = TempNameBeside(path);
    int fd = ::open(temp.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    bool ready = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && WriteWhole(fd, content) && ::fsync(fd) == 0;
    bool linked = ready && ::link(temp.c_str(), path.c_str()) == 0;
    bool noLinks = ready && !linked && (errno == EPERM || errno == ENOTSUP || errno == EXDEV);
    ::unlink(temp.c_str());
    if (linked) return std::make_unique<PosixLock>(fd);
    ::close(fd);
    return noLinks ? CreateInPlace(path, content) : nullptr;
  }

  std::unique_ptr<FileLock> OpenExclusive(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == EACCES) fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixLock>(fd);
  }

 private:
  // For file systems without hard links: created, then locked and written,
  // with a short moment in which a reader may find it empty.
  static std::unique_ptr<FileLock> CreateInPlace(const std::string& path, std::string_view content) {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || !WriteWhole(fd, content)) {
      ::close(fd);
      ::unlink(path.c_str());
      return nullptr;
    }
    return std::make_unique<PosixLock>(fd);
  }

  // Wildcards expanded; nullopt when a plain name does not exist, as the
  // shell fails then.
  std::optional<std::vector<std::string>> Expand(const std::vector<std::string>& names,
                                                 bool filesOnly) {
    std::vector<std::string> out;
    for (const auto& given : names) {
      std::string n = WithoutTrailingSlash(given);
      auto [folder, name] = SplitFolder(n);
      if (!HasWildcard(name)) {
        if (!Exists(n)) return std::nullopt;
        out.push_back(n);
        continue;
      }
      for (const auto& e : List(n))
        if (!(filesOnly && e.isFolder)) out.push_back(folder + e.name);
    }
    return out;
  }
};

}  // namespace

std::unique_ptr<FileSystem> CreateNativeFileSystem() { return std::make_unique<PosixFileSystem>(); }

}  // namespace platform
