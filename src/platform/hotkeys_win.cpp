#include "platform/hotkeys_win.h"

#include <algorithm>

namespace platform {

GlobalHotkeys::~GlobalHotkeys() {
  for (int id : held_) UnregisterHotKey(window_, id);
}

bool GlobalHotkeys::Register(int id, UINT modifiers, UINT key) {
  if (!RegisterHotKey(window_, id, modifiers, key)) return false;
  held_.push_back(id);
  return true;
}

bool GlobalHotkeys::Unregister(int id) {
  held_.erase(std::remove(held_.begin(), held_.end(), id), held_.end());
  return UnregisterHotKey(window_, id) != FALSE;
}

}  // namespace platform
