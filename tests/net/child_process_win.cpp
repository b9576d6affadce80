#include <windows.h>

#include "child_process.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace proof {
namespace {

class WinChild : public ChildProcess {
 public:
  explicit WinChild(const PROCESS_INFORMATION& info) : process_(info.hProcess), thread_(info.hThread) {}
  ~WinChild() override {
    if (WaitFor(0) < 0) Kill();
  }
  int WaitFor(unsigned ms) override {
    if (WaitForSingleObject(process_.get(), ms) != WAIT_OBJECT_0) return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<int>(code);
  }
  void Kill() override {
    TerminateProcess(process_.get(), 137);
    WaitForSingleObject(process_.get(), 10000);
  }

 private:
  platform::UniqueHandle process_;
  platform::UniqueHandle thread_;
};

// As the C runtime splits a command line: backslashes are doubled only
// where a quote follows them, the closing one included ("C:\dir\\").
std::wstring Quoted(const std::string& arg) {
  std::wstring out = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : platform::Widen(arg)) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    out += c;
    backslashes = 0;
  }
  out.append(backslashes * 2, L'\\');
  return out + L"\"";
}

}  // namespace

std::string SelfPath() {
  wchar_t path[MAX_PATH * 4] = {};
  GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
  return platform::Narrow(path);
}

std::unique_ptr<ChildProcess> StartChild(const std::string& exe, const std::vector<std::string>& args) {
  std::wstring line = Quoted(exe);
  for (const std::string& a : args) line += L" " + Quoted(a);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
    return nullptr;
  return std::make_unique<WinChild>(info);
}

}  // namespace proof
