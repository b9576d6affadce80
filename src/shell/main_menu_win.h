#pragma once
// The menu bar, the keys and the command numbers of the main window.
#include <windows.h>

#include <span>

namespace shell {

// Command numbers of menu items, buttons and keys.
enum CommandId : UINT {
  // ファイル
  kCmdResident = 1001,  // 常駐(&J) mnJouchuu
  kCmdFiles1,
  kCmdFiles2,
  kCmdFiles3,           // hidden
  kCmdNetOn,            // ネットＯｎ
  kCmdNetReload,        // ネット読み直し
  kCmdBackup,           // バックアップ＆リストア(&B)
  kCmdExport,           // テキスト書出(&W)
  kCmdExit,             // 楓帳終了(&X)
  // 移動
  kCmdPrevMonth = 1101,
  kCmdNextMonth,
  kCmdPrevYear,
  kCmdNextYear,
  kCmdThisMonth,        // "今月" button, Ctrl+Up
  kCmdEnterMonth,       // "年月指定" button
  kCmdStandard,         // "標準表示" button
  kCmdPrevMonthKey,     // Ctrl+Left, Ctrl+Right, Ctrl+Up on the month page
  kCmdNextMonthKey,
  kCmdThisMonthKey,
  kCmdNextPage,         // Alt+Right
  kCmdPrevPage,         // Alt+Left
  // 表示
  kCmdRokuyo = 1201,    // 六曜表示(&R)
  kCmdWindowSize,       // 横×縦 (hidden, Alt+Ctrl+H)
  kCmdShowOptions,      // 設定表示(&S)
  kCmdRunLog,           // 起動時刻(&J)
  kCmdReadMe,           // ReadMe(&R)
  kCmdUsage,            // 使用法(&U)
  kCmdMemoWindow,       // メモ欄(&M) > メモ(&M)
  // 機能
  kCmdAlarm = 1301,     // 時限［タイマー］(&T) T1, button btnM10
  kCmdSearch,           // 検索(&F)
  kCmdPrint,            // 印刷(&P)
  kCmdOptions,          // オプション設定(&O)
  kCmdResidentButton,   // "常駐" button btnM12 ("終了" in close-button mode)
  // the grid's pop-up menus
  kCmdPopupEditDay = 1501,    // 予定編集(&E)
  kCmdPopupMonthMemo,         // 月メモ編集(&T)
  kCmdPopupPeriodStart,       // 期間予定開始(&A)
  kCmdPopupPeriodEnd,         // 期間予定終了(&Z)
  kCmdPopupDayCopy,           // Ｄａｙコピー(&C) pmDayCopy
  kCmdPopupDayPaste,          // Ｄａｙペースト(&P) pmDayPaste
  kCmdPopupSpecialDay,        // 記念日の設定(&K)
  kCmdPopupResident,          // 常駐(&J) pmJouchuu
  kCmdPopupExit,              // 楓帳終了(&X) pmShuuryou
  kCmdPopupCancel,            // キャンセル(&C) of the delete menu
  kCmdPopupDeletePeriod,      // 削除(&D)
  // 表示行数: base + mode number
  kCmdRowsBase = 1400,
};

inline UINT RowsCommand(int mode) { return kCmdRowsBase + static_cast<UINT>(mode); }
inline bool IsRowsCommand(UINT id) { return id > kCmdRowsBase && id < kCmdRowsBase + 100; }
inline int ModeOfRowsCommand(UINT id) { return static_cast<int>(id - kCmdRowsBase); }

inline bool IsPopupCommand(UINT id) { return id >= kCmdPopupEditDay && id <= kCmdPopupDeletePeriod; }

struct MainMenu {
  HMENU bar = nullptr;
  HMENU view = nullptr;  // 表示(&V)
  HMENU rows = nullptr;  // 表示行数
  HMENU memo = nullptr;  // メモ欄(&M)
};

MainMenu BuildMainMenu();
// The grid's pop-up menu on a day; "常駐(&J)" is left out in close-button
// mode. Items start enabled; the window greys them when the menu opens.
HMENU BuildGridMenu(bool closeButtonMode);
// The menu while a period bar is selected: "キャンセル(&C)", "削除(&D)".
HMENU BuildDeleteMenu();

// Ctrl+J, K, I, M, Ctrl+F5, F6, Alt+Ctrl+H.
HACCEL BuildAccelerators();

}  // namespace shell
