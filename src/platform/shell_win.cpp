// Programs, documents, shortcuts and other programs' windows for Velda.exe.
// windows.h makes PostMessage a macro, hence ::PostMessageW below.
#include <windows.h>
#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shobjidl.h>

#include "platform/native_services.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"

namespace platform {
namespace {

const wchar_t* OrNull(const std::wstring& text) { return text.empty() ? nullptr : text.c_str(); }

// COM for the calling thread for as long as this lives, unless the thread
// already has it in another apartment model, which serves as well.
class ComScope {
 public:
  ComScope() : hr_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComScope() {
    if (SUCCEEDED(hr_)) CoUninitialize();
  }
  bool usable() const { return SUCCEEDED(hr_) || hr_ == RPC_E_CHANGED_MODE; }

 private:
  HRESULT hr_;
};

template <typename T>
class ComPtr {
 public:
  ~ComPtr() {
    if (p_) p_->Release();
  }
  T* operator->() const { return p_; }
  T** put() { return &p_; }
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

bool SaveShortcut(const ShortcutSpec& spec) {
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(link.put()))))
    return false;
  link->SetPath(Widen(spec.target).c_str());
  link->SetArguments(Widen(spec.arguments).c_str());
  link->SetWorkingDirectory(Widen(spec.workingFolder).c_str());
  link->SetDescription(Widen(spec.description).c_str());
  ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(file.put()))))
    return false;
  return SUCCEEDED(file->Save(Widen(spec.linkPath).c_str(), TRUE));
}

class WinShell : public Shell {
 public:
  bool Open(const std::string& target, int showCommand) override {
    auto result = ShellExecuteW(nullptr, L"open", Widen(target).c_str(), nullptr, nullptr,
                                showCommand);
    return reinterpret_cast<INT_PTR>(result) > 32;
  }

  bool ShowProperties(const std::string& path) override {
    std::wstring file = Widen(path);
    SHELLEXECUTEINFOW info{sizeof info};
    info.fMask = SEE_MASK_INVOKEIDLIST;
    info.lpVerb = L"properties";
    info.lpFile = file.c_str();
    info.nShow = SW_SHOW;
    return ShellExecuteExW(&info);
  }

  bool CreateShortcut(const ShortcutSpec& spec) override {
    ComScope com;
    return com.usable() && SaveShortcut(spec);
  }

  bool StartProgram(const std::string& commandLine, const std::string& workingFolder) override {
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    std::wstring folder = Widen(workingFolder);
    STARTUPINFOW startup{sizeof startup};
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        OrNull(folder), &startup, &process))
      return false;
    UniqueHandle thread(process.hThread), owned(process.hProcess);
    return true;
  }

  WindowHandle FindTopWindow(const std::string& className, const std::string& title) override {
    std::wstring cls = Widen(className), text = Widen(title);
    return reinterpret_cast<WindowHandle>(FindWindowW(OrNull(cls), OrNull(text)));
  }

  bool BringToFront(WindowHandle window) override {
    HWND hwnd = reinterpret_cast<HWND>(window);
    if (!IsWindow(hwnd)) return false;
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    return SetForegroundWindow(hwnd);
  }

  bool PostMessage(WindowHandle window, unsigned message, std::uintptr_t wParam,
                   std::intptr_t lParam) override {
    return ::PostMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
  }
};

}  // namespace

std::unique_ptr<Shell> CreateNativeShell() { return std::make_unique<WinShell>(); }

}  // namespace platform
