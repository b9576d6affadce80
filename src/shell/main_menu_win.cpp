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
    // A submenu with a command id is greyed by that row's rule.
    std::wstring caption = platform::Widen(entry.submenu);
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_SUBMENU | MIIM_STRING | MIIM_ID;
    info.hSubMenu = sub;
    info.wID = entry.id;
    info.dwTypeData = caption.data();
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
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

MainMenu BuildMainMenu(bool memoMenu) {
  MainMenu m;
  m.bar = CreateMenu();
  for (const MenuLayout& layout : MenuBarLayout(memoMenu))
    AppendMenuW(m.bar, MF_POPUP, reinterpret_cast<UINT_PTR>(BuildMenu(layout.items, &m.rows)),
                platform::Widen(layout.caption).c_str());
  return m;
}

HMENU BuildGridMenu(bool closeButtonMode, bool printOn) {
  return BuildMenu(GridMenuLayout(closeButtonMode, printOn), nullptr);
}

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
    MENUITEMINFOW info{sizeof info};
    info.fMask = MIIM_ID;
    GetMenuItemInfoW(menu, i, TRUE, &info);
    const CommandRow* row = info.wID == 0 ? nullptr : FindCommandRow(info.wID);
    if (!row) continue;
    EnableMenuItem(menu, i, MF_BYPOSITION | (CommandEnabled(*row, state) ? MF_ENABLED : MF_GRAYED));
    CheckMenuItem(menu, i, MF_BYPOSITION | (CommandChecked(*row, state) ? MF_CHECKED : MF_UNCHECKED));
  }
}

}  // namespace shell
