#pragma once
// The menu bar, the grid's pop-up menus and the accelerator keys of the
// main window, built from the command rows (commands.h).
#include <windows.h>

#include "shell/commands.h"

namespace shell {

struct MainMenu {
  HMENU bar = nullptr;
  HMENU rows = nullptr;  // 表示(&V) > 表示行数
};

// メモ欄(&M) only with `memoMenu` (cbMemo).
MainMenu BuildMainMenu(bool memoMenu);
// The grid's pop-up menu on a day; "常駐(&J)" is left out in close-button
// mode. Items start enabled; the window greys them when the menu opens.
HMENU BuildGridMenu(bool closeButtonMode, bool printOn);
// The menu while a period bar is selected: "キャンセル(&C)", "削除(&D)".
HMENU BuildDeleteMenu();
// The notification-area icon's menu.
HMENU BuildTrayMenu(bool closeButtonMode);
// Every shortcut of the command rows.
HACCEL BuildAccelerators();

// Greys, enables and checks every command item of `menu` (not its submenus).
void UpdateMenuItems(HMENU menu, const CommandState& state);

}  // namespace shell
