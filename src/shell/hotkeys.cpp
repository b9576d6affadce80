#include "shell/hotkeys.h"

#include "platform/dialog_helpers.h"
#include "shell/instance.h"

namespace shell {
namespace {

std::string FailureText(const char* key) {
  return std::string("RegisterHotKey();に失敗しました\r\n") + key + "は使えません。";
}

}  // namespace

std::vector<HotkeyBinding> HotkeysToBind(bool editorKnown, bool editorOn, bool todayOn) {
  std::vector<HotkeyBinding> keys{
      {kHotkeyShowHide, kModControl, kVkF12, FailureText("[Ctrl]+[F12]")}};
  if (editorKnown && editorOn)
    keys.push_back({kHotkeyEditor, kModControl, kVkF11, FailureText("[Ctrl]+[F11]")});
  if (todayOn) keys.push_back({kHotkeyToday, kModAlt, kVkDown, FailureText("[今日の予定表示キー]")});
  return keys;
}

std::vector<int> BindHotkeys(platform::Services& os, HotkeyRegistrar& registrar,
                             const std::vector<HotkeyBinding>& bindings) {
  std::vector<int> bound;
  for (const HotkeyBinding& b : bindings) {
    if (registrar.Register(b.id, b.modifiers, b.key)) {
      bound.push_back(b.id);
    } else if (!os.fs.Exists(kSecondStartMarker)) {
      platform::Inform(os.dialogs, b.failureText);
    }
  }
  return bound;
}

void ReleaseHotkeys(platform::Services& os, HotkeyRegistrar& registrar, const std::vector<int>& ids) {
  bool failed = false;
  for (int id : ids) failed |= !registrar.Unregister(id);
  if (failed) platform::Inform(os.dialogs, kHotkeyReleaseError);
}

HotkeyAction HotkeyActionOf(int id, bool hotkeysOn) {
  if (!hotkeysOn) return HotkeyAction::None;
  switch (id) {
    case kHotkeyShowHide: return HotkeyAction::ToggleResidency;
    case kHotkeyEditor: return HotkeyAction::LaunchEditor;
    case kHotkeyToday: return HotkeyAction::ToggleTodayBalloon;
    default: return HotkeyAction::None;
  }
}

}  // namespace shell
