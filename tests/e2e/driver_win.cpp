// velda-driver: a small Windows program that scripts and run.sh use to
// wait for and close the windows of Velda.exe under Wine.
//   velda-driver wait CLASS [TIMEOUT_MS]    exit 0 once a visible window of CLASS exists
//   velda-driver close CLASS [TIMEOUT_MS]   asks it to close, waits until it is gone
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

HWND FindVisible(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  return (w && IsWindowVisible(w)) ? w : nullptr;
}

bool WaitFor(const wchar_t* className, DWORD timeoutMs, bool present) {
  DWORD start = GetTickCount();
  while (GetTickCount() - start < timeoutMs) {
    if ((FindVisible(className) != nullptr) == present) return true;
    Sleep(100);
  }
  return false;
}

int Usage() {
  fwprintf(stderr, L"usage: velda-driver wait|close CLASS [TIMEOUT_MS]\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) return Usage();
  std::wstring command = argv[1];
  const wchar_t* className = argv[2];
  DWORD timeout = argc > 3 ? static_cast<DWORD>(_wtoi(argv[3])) : 30000;
  if (command == L"wait") return WaitFor(className, timeout, true) ? 0 : 1;
  if (command == L"close") {
    HWND w = FindWindowW(className, nullptr);
    if (!w) return 1;
    PostMessageW(w, WM_CLOSE, 0, 0);
    return WaitFor(className, timeout, false) ? 0 : 1;
  }
  return Usage();
}
