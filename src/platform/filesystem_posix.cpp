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

class PosixLock : public FileLock {
 public:
  explicit PosixLock(int fd) : fd_(fd) {}
  ~PosixLock() override { ::close(fd_); }

 private:
  int fd_;
};

class PosixFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string data;
    char buf[65536];
    for (;;) {
      ssize_t n = ::read(fd, buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        ::close(fd);
        return std::nullopt;
      }
      if (n == 0) break;
      data.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return data;
  }

  bool WriteAtomic(const std::string& path, std::string_view bytes) override {
    static std::mt19937 rng{std::random_device{}()};
    std::string temp = path + ".tmp" + std::to_string(rng() % 1000000);
    int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteWhole(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temp.c_str(), path.c_str()) == 0) return true;
    ::unlink(temp.c_str());
    return false;
  }

  bool Append(const std::string& path, std::string_view bytes) override {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = WriteWhole(fd, bytes);
    return (::close(fd) == 0) && ok;
  }

  bool Exists(const std::string& pathOrPattern) override {
    std::string p = pathOrPattern;
    while (p.size() > 1 && p.back() == '/') p.pop_back();
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

  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    std::error_code ec;
    auto opt = overwrite ? fs::copy_options::overwrite_existing : fs::copy_options::none;
    return fs::copy_file(fs::path(from), fs::path(to), opt, ec) && !ec;
  }

  bool Rename(const std::string& from, const std::string& to) override {
    struct stat st;
    if (::lstat(to.c_str(), &st) == 0) return false;  // as MoveFile: never replaces
    return ::rename(from.c_str(), to.c_str()) == 0;
  }

  bool DeleteFile(const std::string& path) override { return ::unlink(path.c_str()) == 0; }

  bool ShellCopy(const std::vector<std::string>& from, const std::string& toFolder,
                 const ShellOpFlags& flags) override {
    std::error_code ec;
    fs::create_directories(fs::path(toFolder), ec);
    for (const auto& source : Expand(from, flags.filesOnly)) {
      fs::path src(source);
      fs::copy(src, fs::path(toFolder) / src.filename(),
               fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
      if (ec) return false;
    }
    return true;
  }

  bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) override {
    std::error_code ec;
    for (const auto& p : Expand(paths, flags.filesOnly)) {
      fs::remove_all(fs::path(p), ec);
      if (ec) return false;
    }
    return true;
  }

  bool ShellMove(const std::string& from, const std::string& to, const ShellOpFlags&) override {
    std::error_code ec;
    fs::rename(fs::path(from), fs::path(to), ec);
    return !ec;
  }

  std::unique_ptr<FileLock> CreateExclusive(const std::string& path,
                                            std::string_view content) override {
    int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) return nullptr;
    if (!WriteWhole(fd, content) || ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixLock>(fd);
  }

  std::unique_ptr<FileLock> OpenExclusive(const std::string& path) override {
    int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return nullptr;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
      ::close(fd);
      return nullptr;
    }
    return std::make_unique<PosixLock>(fd);
  }

 private:
  std::vector<std::string> Expand(const std::vector<std::string>& names, bool filesOnly) {
    std::vector<std::string> out;
    for (const auto& n : names) {
      auto [folder, name] = SplitFolder(n);
      if (!HasWildcard(name)) {
        if (Exists(n)) out.push_back(n);
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
