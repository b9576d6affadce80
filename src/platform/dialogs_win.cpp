// Message boxes of Velda.exe.
#include <windows.h>

#include "platform/native_services.h"
#include "platform/text_win.h"

namespace platform {
namespace {

UINT ButtonStyle(MsgButtons buttons) {
  switch (buttons) {
    case MsgButtons::Ok: return MB_OK;
    case MsgButtons::OkCancel: return MB_OKCANCEL;
    case MsgButtons::YesNo: return MB_YESNO;
    case MsgButtons::YesNoCancel: return MB_YESNOCANCEL;
  }
  return MB_OK;
}

UINT IconStyle(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::None: return 0;
    case MsgIcon::Information: return MB_ICONINFORMATION;
    case MsgIcon::Question: return MB_ICONQUESTION;
    case MsgIcon::Warning: return MB_ICONWARNING;
    case MsgIcon::Error: return MB_ICONERROR;
  }
  return 0;
}

UINT DefaultButtonStyle(int index) {
  static const UINT styles[] = {MB_DEFBUTTON1, MB_DEFBUTTON2, MB_DEFBUTTON3};
  return styles[index >= 0 && index < 3 ? index : 0];
}

// A box that could not be shown counts as the cautious answer.
MsgResult ToResult(int id, MsgButtons buttons) {
  switch (id) {
    case IDOK: return MsgResult::Ok;
    case IDYES: return MsgResult::Yes;
    case IDNO: return MsgResult::No;
    case IDCANCEL: return MsgResult::Cancel;
  }
  if (buttons == MsgButtons::Ok) return MsgResult::Ok;
  return buttons == MsgButtons::YesNo ? MsgResult::No : MsgResult::Cancel;
}

class WinDialogs : public NativeDialogs {
 public:
  MsgResult Ask(const Message& m) override {
    if (silent()) return DefaultAnswer(m);
    HWND owner = OwnerNow();
    UINT style = ButtonStyle(m.buttons) | IconStyle(m.icon) | DefaultButtonStyle(m.defaultButton);
    if (!owner) style |= MB_TASKMODAL;
    int id = MessageBoxW(owner, Widen(m.text).c_str(), Widen(m.caption).c_str(), style);
    return ToResult(id, m.buttons);
  }
  void SetStatusText(const std::string& text) override {
    if (sink_) sink_(text);
  }
  void SetOwner(WindowHandle owner) override { owner_ = owner; }
  void SetStatusSink(std::function<void(const std::string&)> sink) override {
    sink_ = std::move(sink);
  }

 private:
  // A box belongs to the window the user works in: owned by the main
  // window while a modal one (the day editor) is up, the box would enable
  // the main window when it closes and send the modal window behind it.
  HWND OwnerNow() const {
    HWND owner = reinterpret_cast<HWND>(owner_);
    HWND active = GetActiveWindow();
    if (active && IsWindowEnabled(active) && IsWindowVisible(active)) return active;
    if (owner && !IsWindowEnabled(owner)) {
      HWND popup = GetLastActivePopup(owner);
      if (popup && popup != owner && IsWindowEnabled(popup) && IsWindowVisible(popup)) return popup;
    }
    return owner;
  }

  WindowHandle owner_ = 0;
  std::function<void(const std::string&)> sink_;
};

}  // namespace

std::unique_ptr<NativeDialogs> CreateNativeDialogs() { return std::make_unique<WinDialogs>(); }

}  // namespace platform
