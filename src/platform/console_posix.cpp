// Stand-ins for the parts of the seam the native build has no use for:
// message boxes go to standard error and take their default answer, there
// is no shell to hand documents to, and the clipboard lives in the process.
#include <cstdio>

#include "platform/native_services.h"

namespace platform {
namespace {

class ConsoleDialogs : public NativeDialogs {
 public:
  MsgResult Ask(const Message& m) override {
    std::fprintf(stderr, "[%s] %s\n", m.caption.c_str(), m.text.c_str());
    return DefaultAnswer(m);
  }
  void SetStatusText(const std::string& text) override {
    if (sink_) sink_(text);
  }
  void SetOwner(WindowHandle) override {}
  void SetStatusSink(std::function<void(const std::string&)> sink) override {
    sink_ = std::move(sink);
  }

 private:
  std::function<void(const std::string&)> sink_;
};

class NoShell : public Shell {
 public:
  bool Open(const std::string&, int) override { return false; }
  bool ShowProperties(const std::string&) override { return false; }
  bool CreateShortcut(const ShortcutSpec&) override { return false; }
  bool StartProgram(const std::string&, const std::string&) override { return false; }
  WindowHandle FindTopWindow(const std::string&, const std::string&) override { return 0; }
  bool BringToFront(WindowHandle) override { return false; }
  bool PostMessage(WindowHandle, unsigned, std::uintptr_t, std::intptr_t) override {
    return false;
  }
};

class ProcessClipboard : public Clipboard {
 public:
  std::optional<std::string> GetText() override { return text_; }
  bool SetText(const std::string& utf8) override {
    text_ = utf8;
    return true;
  }

 private:
  std::optional<std::string> text_;
};

}  // namespace

std::unique_ptr<NativeDialogs> CreateNativeDialogs() { return std::make_unique<ConsoleDialogs>(); }
std::unique_ptr<Shell> CreateNativeShell() { return std::make_unique<NoShell>(); }
std::unique_ptr<Clipboard> CreateNativeClipboard() { return std::make_unique<ProcessClipboard>(); }

}  // namespace platform
