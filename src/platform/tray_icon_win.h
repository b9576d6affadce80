#pragma once
// The program's one icon in the notification area, with its tooltip and
// balloon. Each Try call is one request to the shell and reports a refusal
// as false (the caller retries, see notify_retry.h); the icon is removed
// when this is destroyed.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace platform {

struct TrayIconArgs {
  HWND owner = nullptr;     // receives `callbackMessage`, lParam the mouse or balloon event
  UINT id = 1;
  UINT callbackMessage = WM_APP + 1;
  HICON icon = nullptr;
  std::string tip;          // "楓帳"
};

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  void Configure(const TrayIconArgs& args) { args_ = args; }
  bool visible() const { return added_; }

  bool TryAdd();
  bool TryRemove();
  // Title at most 63 characters, text at most 255 (the caller cuts the
  // text to 255 Shift-JIS bytes, which never exceed that).
  bool TryShowBalloon(const std::string& title, const std::string& text, unsigned timeoutMs);
  bool TryHideBalloon();

  // Sent to top-level windows when Explorer starts again: the icon must be
  // added anew.
  static UINT TaskbarCreatedMessage();

 private:
  NOTIFYICONDATAW Data(UINT flags) const;
  TrayIconArgs args_;
  bool added_ = false;
};

}  // namespace platform
