#pragma once
// The global hot keys of the main window: which are bound, what a failed
// binding or release says, and what a pressed key does.
#include <string>
#include <vector>

#include "platform/services.h"
#include "shell/virtual_keys.h"

namespace shell {

inline constexpr int kHotkeyShowHide = 123;  // Ctrl+F12
inline constexpr int kHotkeyEditor = 125;    // Ctrl+F11
inline constexpr int kHotkeyToday = 129;     // Alt+Down, "今日の予定表示キー"

// RegisterHotKey's modifier flags, kept free of windows.h.
inline constexpr unsigned kModAlt = 0x0001, kModControl = 0x0002;

struct HotkeyBinding {
  int id = 0;
  unsigned modifiers = 0;
  unsigned key = 0;
  std::string failureText;  // told when the binding fails
};

// Ctrl+F12 always; Ctrl+F11 with a known editor program and cbEditor;
// Alt+Down with cbToday. (Whether hot keys are on at all, cbHotkey and
// close-button mode, is decided by the settings' load.)
std::vector<HotkeyBinding> HotkeysToBind(bool editorKnown, bool editorOn, bool todayOn);

class HotkeyRegistrar {
 public:
  virtual ~HotkeyRegistrar() = default;
  virtual bool Register(int id, unsigned modifiers, unsigned key) = 0;
  virtual bool Unregister(int id) = 0;
};

inline constexpr char kHotkeyReleaseError[] =
    "ホットキーが解除エラーになりました。\r\n動作に問題はありません。";

// Binds each key; a failure is told once per key unless "Velda2Ju.$$$"
// lies in the current folder. Returns the ids that were bound.
std::vector<int> BindHotkeys(platform::Services& os, HotkeyRegistrar& registrar,
                             const std::vector<HotkeyBinding>& bindings);
// When the window is destroyed: the bound ids released; an error is told
// once.
void ReleaseHotkeys(platform::Services& os, HotkeyRegistrar& registrar, const std::vector<int>& ids);

enum class HotkeyAction { None, ToggleResidency, LaunchEditor, ToggleTodayBalloon };
// WM_HOTKEY: nothing at all while hot keys are off (the message is
// answered with 0 either way).
HotkeyAction HotkeyActionOf(int id, bool hotkeysOn);

}  // namespace shell
