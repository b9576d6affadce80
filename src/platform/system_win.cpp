// Facts about this computer for Velda.exe.
#include <windows.h>
#include <shlobj.h>
#include <shlwapi.h>
#include <wininet.h>

#include <cstdlib>

#include "platform/native_services.h"
#include "platform/system_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "support/paths.h"

namespace platform {
namespace {

std::string FolderWithSeparator(const wchar_t* path) {
  return support::EnsureTrailingSeparator(Narrow(path));
}

// GetVersionEx reports what the manifest allows; ntdll tells the truth.
// Looked up at run time: the export may be missing under other systems.
OsVersion RealVersion() {
  using RtlGetVersionProc = LONG(WINAPI*)(RTL_OSVERSIONINFOW*);
  HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  auto proc = ntdll ? reinterpret_cast<RtlGetVersionProc>(
                          reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                    : nullptr;
  RTL_OSVERSIONINFOW info{sizeof info};
  if (proc && proc(&info) == 0)
    return {static_cast<int>(info.dwMajorVersion), static_cast<int>(info.dwMinorVersion),
            static_cast<int>(info.dwBuildNumber)};
  OSVERSIONINFOW fallback{sizeof fallback};
  if (!GetVersionExW(&fallback)) return {};
  return {static_cast<int>(fallback.dwMajorVersion), static_cast<int>(fallback.dwMinorVersion),
          static_cast<int>(fallback.dwBuildNumber)};
}

// The toggle state as the foreground window's thread sees it: key states
// belong to each thread's input queue.
bool ForegroundKeyToggled(int virtualKey) {
  DWORD own = GetCurrentThreadId();
  HWND foreground = GetForegroundWindow();
  DWORD other = foreground ? GetWindowThreadProcessId(foreground, nullptr) : own;
  bool attached = other != own && AttachThreadInput(own, other, TRUE);
  bool on = (GetKeyState(virtualKey) & 1) != 0;
  if (attached) AttachThreadInput(own, other, FALSE);
  return on;
}

}  // namespace

int LibraryMajorVersion(const wchar_t* library) {
  UniqueModule module(LoadLibraryW(library));
  if (!module) return 0;
  auto proc = reinterpret_cast<DLLGETVERSIONPROC>(
      reinterpret_cast<void*>(GetProcAddress(module.get(), "DllGetVersion")));
  if (!proc) return 0;
  DLLVERSIONINFO info{sizeof info};
  if (FAILED(proc(&info))) return 0;
  return static_cast<int>(info.dwMajorVersion);
}

namespace {

class WinSystem : public System {
 public:
  std::string ComputerName() override {
    // Several "computers" on one test machine (the end-to-end tests of the
    // shared folder) name themselves here.
    if (const wchar_t* standIn = _wgetenv(L"VELDA_COMPUTER_NAME"); standIn && *standIn)
      return Narrow(standIn);
    wchar_t name[128];
    DWORD size = 128;
    return GetComputerNameW(name, &size) ? Narrow(std::wstring_view(name, size)) : "";
  }

  std::string UserName() override {
    wchar_t name[257];
    DWORD size = 257;
    return GetUserNameW(name, &size) ? Narrow(name) : "";
  }

  std::string SpecialFolder(int csidl) override {
    wchar_t path[MAX_PATH] = {};
    HRESULT hr = SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path);
    // S_FALSE: the folder is known but not made yet; callers may make it.
    if (FAILED(hr) || path[0] == 0) return "";
    return FolderWithSeparator(path);
  }

  std::string WindowsFolder() override {
    wchar_t path[MAX_PATH];
    UINT n = GetWindowsDirectoryW(path, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? "" : FolderWithSeparator(path);
  }

  std::string ProgramFolder() override {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
      DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
      if (n == 0) return "";
      if (n < path.size()) {
        path.resize(n);
        break;
      }
      path.resize(path.size() * 2);
    }
    return Narrow(path.substr(0, path.find_last_of(L'\\') + 1));
  }

  OsVersion Version() override { return RealVersion(); }

  int ShellMajorVersion() override { return LibraryMajorVersion(L"shell32.dll"); }

  bool InternetConnected() override {
    DWORD flags = 0;
    return InternetGetConnectedState(&flags, 0);
  }

  bool CapsLockOn() override { return ForegroundKeyToggled(VK_CAPITAL); }
};

}  // namespace

std::unique_ptr<System> CreateNativeSystem() { return std::make_unique<WinSystem>(); }

}  // namespace platform
