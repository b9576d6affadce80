// The file system of Velda.exe. Only W functions, so names in any language
// work whatever the ANSI code page is. windows.h makes CopyFile and
// DeleteFile macros, hence the Win32 calls spelled ::CopyFileW here.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <atomic>

#include "platform/filesystem.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace platform {
namespace {

bool HasWildcard(std::wstring_view path) {
  size_t name = path.find_last_of(L"\\/");
  name = name == std::wstring_view::npos ? 0 : name + 1;
  return path.find_first_of(L"*?", name) != std::wstring_view::npos;
}

std::wstring WithoutTrailingSeparator(std::wstring path) {
  while (path.size() > 1 && (path.back() == L'\\' || path.back() == L'/')) path.pop_back();
  return path;
}

std::wstring WithTrailingSeparator(std::wstring path) {
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path;
}

DateTime ToLocalDateTime(const FILETIME& utc) {
  SYSTEMTIME st{}, local{};
  if (!FileTimeToSystemTime(&utc, &st)) return {};
  if (!SystemTimeToTzSpecificLocalTime(nullptr, &st, &local)) local = st;
  return {local.wYear, local.wMonth, local.wDay, local.wHour,
          local.wMinute, local.wSecond, local.wMilliseconds};
}

bool WriteWhole(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size(), 1u << 24));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

std::optional<std::string> ReadToEnd(HANDLE file) {
  std::string data;
  char buffer[65536];
  for (;;) {
    DWORD read = 0;
    if (!ReadFile(file, buffer, sizeof buffer, &read, nullptr)) return std::nullopt;
    if (read == 0) return data;
    data.append(buffer, read);
  }
}

// A fresh name in the target's own folder, so that the final rename stays on
// one volume and is atomic.
std::wstring TempNameBeside(const std::wstring& target) {
  static std::atomic<unsigned> counter{0};
  return target + L".~" + std::to_wstring(GetCurrentProcessId()) + L"-" +
         std::to_wstring(++counter);
}

void RemoveTemp(const std::wstring& temp) {
  SetFileAttributesW(temp.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileW(temp.c_str());
}

// A read-only file is the user's word that it must not change. Windows
// refuses to replace one; Wine does not, so we ask first.
bool IsReadOnly(const std::wstring& path) {
  DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

// MoveFileExW rather than ReplaceFileW: without a backup name, ReplaceFileW
// can fail after the target is already gone.
bool MoveIntoPlace(const std::wstring& temp, const std::wstring& target, bool replace) {
  DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
  if (MoveFileExW(temp.c_str(), target.c_str(), flags)) return true;
  RemoveTemp(temp);
  return false;
}

// Calls `visit` for each entry matching `pattern`, "." and ".." left out,
// until it returns false.
template <typename Visit>
void ForEachMatch(const std::string& pattern, Visit visit) {
  WIN32_FIND_DATAW data;
  UniqueFindHandle find(FindFirstFileExW(Widen(pattern).c_str(), FindExInfoBasic, &data,
                                         FindExSearchNameMatch, nullptr, 0));
  if (!find) return;
  do {
    std::wstring_view name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    if (!visit(data)) return;
  } while (FindNextFileW(find.get(), &data));
}

DirEntry ToDirEntry(const WIN32_FIND_DATAW& data) {
  DirEntry e;
  e.name = Narrow(data.cFileName);
  e.isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  e.hidden = (data.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN) != 0;
  e.system = (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0;
  e.size = (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
  e.modified = ToLocalDateTime(data.ftLastWriteTime);
  return e;
}

// The shell wants its names zero-terminated with one more zero at the end.
std::wstring ZeroTerminatedList(const std::vector<std::string>& paths) {
  std::wstring list;
  for (const auto& p : paths) {
    list += WithoutTrailingSeparator(Widen(p));
    list += L'\0';
  }
  list += L'\0';
  return list;
}

bool AnyWildcard(const std::vector<std::string>& paths) {
  for (const auto& p : paths)
    if (p.find_first_of("*?") != std::string::npos) return true;
  return false;
}

FILEOP_FLAGS ToShellFlags(const ShellOpFlags& flags) {
  FILEOP_FLAGS f = 0;
  if (flags.silent) f |= FOF_SILENT;
  if (flags.simpleProgress) f |= FOF_SIMPLEPROGRESS;
  if (flags.noConfirmation) f |= FOF_NOCONFIRMATION | FOF_NOCONFIRMMKDIR;
  if (flags.allowUndo) f |= FOF_ALLOWUNDO;
  if (flags.filesOnly) f |= FOF_FILESONLY;
  // An operation the user does not watch must not stop on an error box; its
  // caller reports the failure.
  if (flags.silent && flags.noConfirmation) f |= FOF_NOERRORUI;
  return f;
}

bool RunShellOperation(UINT function, const std::wstring& from, const std::wstring* to,
                       FILEOP_FLAGS flags, std::uintptr_t owner) {
  SHFILEOPSTRUCTW op{};
  op.hwnd = reinterpret_cast<HWND>(owner);
  op.wFunc = function;
  op.pFrom = from.c_str();
  op.pTo = to ? to->c_str() : nullptr;
  op.fFlags = flags;
  return SHFileOperationW(&op) == 0 && !op.fAnyOperationsAborted;
}

DriveKind ToDriveKind(UINT type) {
  switch (type) {
    case DRIVE_REMOVABLE: return DriveKind::Removable;
    case DRIVE_FIXED: return DriveKind::Fixed;
    case DRIVE_REMOTE: return DriveKind::Network;
    case DRIVE_CDROM: return DriveKind::CdRom;
    case DRIVE_RAMDISK: return DriveKind::RamDisk;
    default: return DriveKind::Unknown;
  }
}

class WinLock : public FileLock {
 public:
  explicit WinLock(UniqueHandle file) : file_(std::move(file)) {}
  std::optional<std::string> ReadContent() override {
    LARGE_INTEGER start{};
    if (!SetFilePointerEx(file_.get(), start, nullptr, FILE_BEGIN)) return std::nullopt;
    return ReadToEnd(file_.get());
  }
  bool Rewrite(std::string_view content) override {
    LARGE_INTEGER start{};
    return SetFilePointerEx(file_.get(), start, nullptr, FILE_BEGIN) && SetEndOfFile(file_.get()) &&
           WriteWhole(file_.get(), content) && FlushFileBuffers(file_.get());
  }

 private:
  UniqueHandle file_;
};

UniqueHandle OpenFile(const std::string& path, DWORD access, DWORD share, DWORD disposition) {
  return UniqueHandle(CreateFileW(Widen(path).c_str(), access, share, nullptr, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
}

class WinFileSystem : public FileSystem {
 public:
  std::optional<std::string> ReadAll(const std::string& path) override {
    UniqueHandle file = OpenFile(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING);
    if (!file) return std::nullopt;
    return ReadToEnd(file.get());
  }

  bool WriteAtomic(const std::string& path, std::string_view bytes) override {
    std::wstring target = Widen(path);
    if (IsReadOnly(target)) return false;
    std::wstring temp = TempNameBeside(target);
    UniqueHandle file(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    bool written = WriteWhole(file.get(), bytes) && FlushFileBuffers(file.get());
    file.reset();
    if (!written) {
      RemoveTemp(temp);
      return false;
    }
    return MoveIntoPlace(temp, target, true);
  }

  bool Append(const std::string& path, std::string_view bytes) override {
    UniqueHandle file = OpenFile(path, FILE_APPEND_DATA, FILE_SHARE_READ, OPEN_ALWAYS);
    return file && WriteWhole(file.get(), bytes);
  }

  bool Exists(const std::string& pathOrPattern) override {
    std::wstring path = Widen(pathOrPattern);
    if (!HasWildcard(path)) return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
    bool found = false;
    ForEachMatch(pathOrPattern, [&](const WIN32_FIND_DATAW&) { return !(found = true); });
    return found;
  }

  bool IsFolder(const std::string& path) override {
    DWORD attributes = GetFileAttributesW(Widen(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
  }

  std::vector<DirEntry> List(const std::string& pattern) override {
    std::vector<DirEntry> entries;
    ForEachMatch(pattern, [&](const WIN32_FIND_DATAW& data) {
      entries.push_back(ToDirEntry(data));
      return true;
    });
    return entries;
  }

  std::optional<DateTime> ModifiedTime(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &data))
      return std::nullopt;
    return ToLocalDateTime(data.ftLastWriteTime);
  }

  std::optional<std::string> ShortPathOf(const std::string& path) override {
    const std::wstring wide = Widen(path);
    const DWORD size = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring shortName(size, L'\0');
    const DWORD length = GetShortPathNameW(wide.c_str(), shortName.data(), size);
    if (length == 0 || length >= size) return std::nullopt;
    shortName.resize(length);
    return Narrow(shortName);
  }

  DriveKind KindOfDrive(const std::string& root) override {
    return ToDriveKind(GetDriveTypeW(WithTrailingSeparator(Widen(root)).c_str()));
  }

  bool CreateFolder(const std::string& path) override {
    return CreateDirectoryW(Widen(path).c_str(), nullptr);
  }
  bool RemoveEmptyFolder(const std::string& path) override {
    return RemoveDirectoryW(Widen(path).c_str());
  }

  // Copies beside the target first, so that a failed copy never leaves a
  // truncated destination.
  bool CopyFile(const std::string& from, const std::string& to, bool overwrite) override {
    std::wstring target = Widen(to);
    if (IsReadOnly(target)) return false;
    std::wstring temp = TempNameBeside(target);
    if (!::CopyFileW(Widen(from).c_str(), temp.c_str(), TRUE)) {
      RemoveTemp(temp);
      return false;
    }
    return MoveIntoPlace(temp, target, overwrite);
  }

  bool Rename(const std::string& from, const std::string& to) override {
    return MoveFileExW(Widen(from).c_str(), Widen(to).c_str(), MOVEFILE_COPY_ALLOWED);
  }

  bool DeleteFile(const std::string& path) override { return ::DeleteFileW(Widen(path).c_str()); }

  bool ShellCopy(const std::vector<std::string>& from, const std::string& toFolder,
                 const ShellOpFlags& flags) override {
    if (from.empty()) return true;
    // The destination is made first so that a single folder always arrives
    // inside it rather than becoming it.
    std::wstring folder = WithoutTrailingSeparator(Widen(toFolder));
    int made = SHCreateDirectoryExW(reinterpret_cast<HWND>(flags.owner), folder.c_str(), nullptr);
    if (made != ERROR_SUCCESS && made != ERROR_ALREADY_EXISTS) return false;
    std::wstring to = folder + L'\0';
    // "Files only" means something only for wildcards; Wine's shell also
    // leaves out the sub-folders of a whole folder copied with it, and says
    // nothing.
    ShellOpFlags copyFlags = flags;
    copyFlags.filesOnly = flags.filesOnly && AnyWildcard(from);
    return RunShellOperation(FO_COPY, ZeroTerminatedList(from), &to,
                             ToShellFlags(copyFlags) | FOF_NOCONFIRMMKDIR, flags.owner);
  }

  bool ShellDelete(const std::vector<std::string>& paths, const ShellOpFlags& flags) override {
    if (paths.empty()) return true;
    return RunShellOperation(FO_DELETE, ZeroTerminatedList(paths), nullptr, ToShellFlags(flags),
                             flags.owner);
  }

  bool ShellMove(const std::string& from, const std::string& to,
                 const ShellOpFlags& flags) override {
    std::wstring target = WithoutTrailingSeparator(Widen(to)) + L'\0';
    return RunShellOperation(FO_RENAME, ZeroTerminatedList({from}), &target, ToShellFlags(flags),
                             flags.owner);
  }

  std::unique_ptr<FileLock> CreateExclusive(const std::string& path,
                                            std::string_view content) override {
    UniqueHandle file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_NEW);
    if (!file) return nullptr;
    if (!WriteWhole(file.get(), content) || !FlushFileBuffers(file.get())) {
      file.reset();
      ::DeleteFileW(Widen(path).c_str());
      return nullptr;
    }
    return std::make_unique<WinLock>(std::move(file));
  }

  std::unique_ptr<FileLock> OpenExclusive(const std::string& path) override {
    UniqueHandle file = OpenFile(path, GENERIC_READ | GENERIC_WRITE, 0, OPEN_EXISTING);
    // A read-only file is still a lock to read; a held one stays refused.
    if (!file && GetLastError() == ERROR_ACCESS_DENIED)
      file = OpenFile(path, GENERIC_READ, 0, OPEN_EXISTING);
    if (!file) return nullptr;
    return std::make_unique<WinLock>(std::move(file));
  }
};

}  // namespace

std::unique_ptr<FileSystem> CreateNativeFileSystem() { return std::make_unique<WinFileSystem>(); }

}  // namespace platform
