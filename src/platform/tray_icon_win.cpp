#include "platform/tray_icon_win.h"

#include <shellapi.h>

#include <cwchar>

#include "platform/text_win.h"

namespace platform {
namespace {

template <std::size_t N>
void CopyCut(wchar_t (&to)[N], const std::string& utf8) {
  const std::wstring wide = Widen(utf8);
  std::wcsncpy(to, wide.c_str(), N - 1);
  to[N - 1] = L'\0';
}

}  // namespace

TrayIcon::~TrayIcon() {
  if (added_) TryRemove();
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
  NOTIFYICONDATAW d{};
  d.cbSize = sizeof d;
  d.hWnd = args_.owner;
  d.uID = args_.id;
  d.uFlags = flags;
  d.uCallbackMessage = args_.callbackMessage;
  d.hIcon = args_.icon ? args_.icon : LoadIconW(nullptr, IDI_APPLICATION);
  CopyCut(d.szTip, args_.tip);
  return d;
}

bool TrayIcon::TryAdd() {
  NOTIFYICONDATAW d = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
  // After Explorer restarted the old icon is gone although we think it is
  // there: an add then succeeds, a modify would not.
  if (!Shell_NotifyIconW(NIM_ADD, &d) && !Shell_NotifyIconW(NIM_MODIFY, &d)) return false;
  added_ = true;
  return true;
}

bool TrayIcon::TryRemove() {
  NOTIFYICONDATAW d = Data(0);
  if (!Shell_NotifyIconW(NIM_DELETE, &d)) return false;
  added_ = false;
  return true;
}

bool TrayIcon::TryShowBalloon(const std::string& title, const std::string& text, unsigned timeoutMs) {
  if (!added_ && !TryAdd()) return false;
  NOTIFYICONDATAW d = Data(NIF_INFO);
  CopyCut(d.szInfoTitle, title);
  CopyCut(d.szInfo, text);
  d.uTimeout = timeoutMs;
  d.dwInfoFlags = NIIF_INFO;
  return Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
}

bool TrayIcon::TryHideBalloon() {
  if (!added_) return true;
  NOTIFYICONDATAW d = Data(NIF_INFO);  // an empty text takes the balloon down
  return Shell_NotifyIconW(NIM_MODIFY, &d) != FALSE;
}

UINT TrayIcon::TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

}  // namespace platform
