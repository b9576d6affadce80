// The clipboard of Velda.exe. Text goes on as Unicode and as our own CP932
// form side by side, with the Japanese locale, so that neither we nor older
// programs depend on the system's ANSI code page; reading prefers Unicode.
#include <windows.h>

#include <cstring>

#include "platform/native_services.h"
#include "platform/text_win.h"
#include "support/cp932.h"

namespace platform {
namespace {

constexpr LCID kJapanese = 0x0411;

// Another program may hold the clipboard for a moment.
bool OpenWithRetry(HWND owner) {
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(20);
  }
  return false;
}

class ClipboardSession {
 public:
  explicit ClipboardSession(HWND owner) : open_(OpenWithRetry(owner)) {}
  ~ClipboardSession() {
    if (open_) CloseClipboard();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

// Copies `size` bytes into movable global memory the clipboard will own.
HGLOBAL ToGlobal(const void* data, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  std::memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  return memory;
}

bool Put(UINT format, const void* data, size_t size) {
  HGLOBAL memory = ToGlobal(data, size);
  if (memory && SetClipboardData(format, memory)) return true;
  if (memory) GlobalFree(memory);
  return false;
}

// The text of a clipboard format, up to its terminating zero.
template <typename Char>
std::optional<std::basic_string<Char>> Read(UINT format) {
  HANDLE memory = GetClipboardData(format);
  if (!memory) return std::nullopt;
  auto* data = static_cast<const Char*>(GlobalLock(memory));
  if (!data) return std::nullopt;
  size_t capacity = GlobalSize(memory) / sizeof(Char);
  size_t length = 0;
  while (length < capacity && data[length] != 0) ++length;
  std::basic_string<Char> text(data, length);
  GlobalUnlock(memory);
  return text;
}

class WinClipboard : public Clipboard {
 public:
  ~WinClipboard() override {
    if (owner_) DestroyWindow(owner_);
  }

  std::optional<std::string> GetText() override {
    ClipboardSession session(Owner());
    if (!session) return std::nullopt;
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
      auto text = Read<wchar_t>(CF_UNICODETEXT);
      return text ? std::optional(Narrow(*text)) : std::nullopt;
    }
    if (IsClipboardFormatAvailable(CF_TEXT)) {
      auto text = Read<char>(CF_TEXT);
      return text ? std::optional(support::Cp932ToUtf8(*text)) : std::nullopt;
    }
    return std::nullopt;
  }

  bool SetText(const std::string& utf8) override {
    std::wstring wide = Widen(utf8);
    std::string cp932 = support::Utf8ToCp932(utf8);
    ClipboardSession session(Owner());
    if (!session || !EmptyClipboard()) return false;
    bool ok = Put(CF_UNICODETEXT, wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)) &&
              Put(CF_TEXT, cp932.c_str(), cp932.size() + 1);
    Put(CF_LOCALE, &kJapanese, sizeof kJapanese);
    return ok;
  }

 private:
  // EmptyClipboard makes the opener the owner; a null owner may make
  // SetClipboardData fail, so we keep a message-only window for it.
  HWND Owner() {
    if (!owner_)
      owner_ = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    return owner_;
  }
  HWND owner_ = nullptr;
};

}  // namespace

std::unique_ptr<Clipboard> CreateNativeClipboard() { return std::make_unique<WinClipboard>(); }

}  // namespace platform
