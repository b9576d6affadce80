#pragma once
// The real operating system, made once by a composition root (src/app,
// velcal) and handed down as `Services&`.
#include <functional>
#include <memory>
#include <string>

#include "platform/services.h"
#include "platform/shell.h"

namespace platform {

// Message boxes with a settable owner window and a status-text sink.
class NativeDialogs : public Dialogs {
 public:
  // The window that owns message boxes (0: none, the boxes are task-modal).
  virtual void SetOwner(WindowHandle owner) = 0;
  // Where SetStatusText goes; the main window points it at its status bar.
  virtual void SetStatusSink(std::function<void(const std::string&)> sink) = 0;
  // While silent, no box is shown and each is answered with its default
  // button (the end of the Windows session waits for nobody).
  void SetSilent(bool silent) { silent_ = silent; }
  bool silent() const { return silent_; }

 private:
  bool silent_ = false;
};

// Each returns the build's implementation: Win32 on Windows; natively a
// console stand-in where there is no Win32 counterpart.
std::unique_ptr<NativeDialogs> CreateNativeDialogs();
std::unique_ptr<Clock> CreateNativeClock();
std::unique_ptr<System> CreateNativeSystem();
std::unique_ptr<Shell> CreateNativeShell();
std::unique_ptr<Clipboard> CreateNativeClipboard();

class NativeServices {
 public:
  NativeServices();
  NativeServices(const NativeServices&) = delete;
  NativeServices& operator=(const NativeServices&) = delete;

  Services& services() { return services_; }
  NativeDialogs& dialogs() { return *dialogs_; }

 private:
  std::unique_ptr<FileSystem> fs_;
  std::unique_ptr<NativeDialogs> dialogs_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<System> system_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<Clipboard> clipboard_;
  Services services_;
};

}  // namespace platform
