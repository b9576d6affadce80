#include "shell/main_menu_win.h"

#include <string>
#include <vector>

#include "platform/text_win.h"

namespace shell {
namespace {

HMENU BuildMenu(const std::vector<MenuEntry>& entries, HMENU* rows);

void Append(HMENU menu, const MenuEntry& entry, HMENU* rows) {
  if (entry.submenu) {
    HMENU sub = BuildMenu(entry.items, rows);
    if (rows && std::string(entry.submenu) == "表示行数") *rows = sub;
    AppendMenuW(menu, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), platform::Widen(entry.submenu).c_str());
    return;
  }
  const CommandRow* row = FindCommandRow(entry.id);
  if (!row) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  AppendMenuW(menu, MF_STRING, row->id, platform::Widen(MenuItemText(*row)).c_str());
}

HMENU BuildMenu(const std::vector<MenuEntry>& entries, HMENU* rows) {
  HMENU menu = CreatePopupMenu();
  for (const MenuEntry& entry : entries) Append(menu, entry, rows);
  return menu;
}

}  // namespace

MainMenu BuildMainMenu() {
  MainMenu m;
  m.bar = CreateMenu();
  for (const MenuLayout& layout : MenuBarLayout())
    AppendMenuW(m.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(layout.items, &m.rows)),
                platform::Widen(layout.caption).c_str());
  return m;
}

HMENU BuildGridMenu(bool closeButtonMode) { return BuildMenu(GridMenuLayout(closeButtonMode), nullptr); }

HMENU BuildDeleteMenu() { return BuildMenu(DeleteMenuLayout(), nullptr); }

HMENU BuildTrayMenu(bool closeButtonMode) { return BuildMenu(TrayMenuLayout(closeButtonMode), nullptr); }

HACCEL BuildAccelerators() {
  std::vector<ACCEL> keys;
  for (const KeyBinding& b : KeyBindings()) {
    BYTE flags = FVIRTKEY;
    if (b.shortcut.ctrl) flags |= FCONTROL;
    if (b.shortcut.alt) flags |= FALT;
    if (b.shortcut.shift) flags |= FSHIFT;
    keys.push_back({flags, static_cast<WORD>(b.shortcut.key), static_cast<WORD>(b.id)});
  }
  return CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size()));
}

void UpdateMenuItems(HMENU menu, const CommandState& state) {
  for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
    const UINT id = GetMenuItemID(menu, i);
    const CommandRow* row = id == 0 || id == static_cast<UINT>(-1) ? nullptr : FindCommandRow(id);
    if (!row) continue;
    EnableMenuItem(menu, i, MF_BYPOSITION | (CommandEnabled(*row, state) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, i, MF_BYPOSITION | (CommandChecked(*row, state) ? MF_CHECKED : MF_UNCHECKED));
  }
}

}  // namespace shell
