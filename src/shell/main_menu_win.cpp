#include "shell/main_menu_win.h"

#include <string>

#include "platform/text_win.h"
#include "shell/display_modes.h"

namespace shell {
namespace {

struct Item {
  UINT id;  // 0: separator
  const char* caption;
};

void Append(HMENU menu, const Item& item) {
  if (!item.id) {
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    return;
  }
  AppendMenuW(menu, MF_STRING, item.id, platform::Widen(item.caption).c_str());
}

HMENU Popup(std::initializer_list<Item> items) {
  HMENU menu = CreatePopupMenu();
  for (const Item& item : items) Append(menu, item);
  return menu;
}

void AppendPopup(HMENU parent, HMENU popup, const char* caption) {
  AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), platform::Widen(caption).c_str());
}

// Hidden items of the row choice are left out: no setting selects them.
HMENU RowsMenu() {
  HMENU menu = CreatePopupMenu();
  for (const DisplayMode& mode : DisplayModes())
    if (mode.visible) Append(menu, {RowsCommand(mode.mode), mode.item});
  return menu;
}

}  // namespace

MainMenu BuildMainMenu() {
  MainMenu m;
  m.bar = CreateMenu();
  AppendPopup(m.bar,
              Popup({{kCmdResident, "常駐(&J)"}, {0, ""}, {kCmdFiles1, "Files1\tCtrl+F5"},
                     {kCmdFiles2, "Files2\tCtrl+F6"}, {0, ""}, {kCmdNetOn, "ネットＯｎ"},
                     {kCmdNetReload, "ネット読み直し"}, {0, ""},
                     {kCmdBackup, "バックアップ＆リストア(&B)"}, {kCmdExport, "テキスト書出(&W)"},
                     {0, ""}, {kCmdExit, "楓帳終了(&X)"}}),
              "ファイル(&F)");
  AppendPopup(m.bar,
              Popup({{kCmdPrevMonth, "前月(&J)\tCtrl+J"}, {kCmdNextMonth, "翌月(&K)\tCtrl+K"},
                     {kCmdPrevYear, "前年(&I)\tCtrl+I"}, {kCmdNextYear, "翌年(&M)\tCtrl+M"}}),
              "移動(&G)");
  m.view = CreatePopupMenu();
  m.rows = RowsMenu();
  AppendPopup(m.view, m.rows, "表示行数");
  Append(m.view, {kCmdRokuyo, "六曜表示(&R)"});
  Append(m.view, {0, ""});
  m.memo = Popup({{kCmdMemoWindow, "メモ(&M)"}});
  AppendPopup(m.view, m.memo, "メモ欄(&M)");
  Append(m.view, {kCmdShowOptions, "設定表示(&S)"});
  Append(m.view, {kCmdRunLog, "起動時刻(&J)"});
  Append(m.view, {0, ""});
  Append(m.view, {kCmdReadMe, "ReadMe(&R)"});
  Append(m.view, {kCmdUsage, "使用法(&U)"});
  AppendPopup(m.bar, m.view, "表示(&V)");
  AppendPopup(m.bar,
              Popup({{kCmdAlarm, "時限［タイマー］(&T)"}, {kCmdSearch, "検索(&F)\tCtrl+F"},
                     {kCmdPrint, "印刷(&P)"}, {0, ""}, {kCmdOptions, "オプション設定(&O)"}}),
              "機能(&K)");
  return m;
}

HMENU BuildGridMenu(bool closeButtonMode) {
  HMENU menu = Popup({{kCmdPopupEditDay, "予定編集(&E)"}, {kCmdPopupMonthMemo, "月メモ編集(&T)"}, {0, ""},
                      {kCmdPopupPeriodStart, "期間予定開始(&A)"}, {kCmdPopupPeriodEnd, "期間予定終了(&Z)"},
                      {0, ""}, {kCmdPopupDayCopy, "Ｄａｙコピー(&C)"},
                      {kCmdPopupDayPaste, "Ｄａｙペースト(&P)"}, {0, ""},
                      {kCmdPopupSpecialDay, "記念日の設定(&K)"}, {0, ""}});
  if (!closeButtonMode) Append(menu, {kCmdPopupResident, "常駐(&J)"});
  Append(menu, {kCmdPopupExit, "楓帳終了(&X)"});
  return menu;
}

HMENU BuildDeleteMenu() { return Popup({{kCmdPopupCancel, "キャンセル(&C)"}, {kCmdPopupDeletePeriod, "削除(&D)"}}); }

HACCEL BuildAccelerators() {
  ACCEL keys[] = {
      {FCONTROL | FVIRTKEY, 'J', static_cast<WORD>(kCmdPrevMonth)},
      {FCONTROL | FVIRTKEY, 'K', static_cast<WORD>(kCmdNextMonth)},
      {FCONTROL | FVIRTKEY, 'I', static_cast<WORD>(kCmdPrevYear)},
      {FCONTROL | FVIRTKEY, 'M', static_cast<WORD>(kCmdNextYear)},
      {FCONTROL | FVIRTKEY, VK_F5, static_cast<WORD>(kCmdFiles1)},
      {FCONTROL | FVIRTKEY, VK_F6, static_cast<WORD>(kCmdFiles2)},
      {FCONTROL | FALT | FVIRTKEY, 'H', static_cast<WORD>(kCmdWindowSize)},
      {FCONTROL | FVIRTKEY, 'F', static_cast<WORD>(kCmdSearch)},
      {FCONTROL | FVIRTKEY, VK_LEFT, static_cast<WORD>(kCmdPrevMonthKey)},
      {FCONTROL | FVIRTKEY, VK_RIGHT, static_cast<WORD>(kCmdNextMonthKey)},
      {FCONTROL | FVIRTKEY, VK_UP, static_cast<WORD>(kCmdThisMonthKey)},
      {FALT | FVIRTKEY, VK_RIGHT, static_cast<WORD>(kCmdNextPage)},
      {FALT | FVIRTKEY, VK_LEFT, static_cast<WORD>(kCmdPrevPage)},
  };
  return CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys)));
}

}  // namespace shell
