#pragma once
// The commands of the main window, one row each: its number, caption,
// shortcut, what it runs and when it is enabled and checked. The menu bar,
// the grid's pop-up menus, the accelerator keys and the buttons' states
// are all built from these rows, so a shortcut shown in a menu is always
// the key that runs the command. A row without `run` is later work: its
// menu item and button stay greyed.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "shell/display_modes.h"
#include "shell/grid_commands.h"
#include "shell/virtual_keys.h"

namespace shell {

// Command numbers of menu items, buttons and keys (WM_COMMAND ids).
enum CommandId : unsigned {
  kCmdNone = 0,
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
  kCmdThisMonth,        // "今月" button
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
  kCmdReadMe,           // メモ欄(&M) > ReadMe(&R)
  kCmdUsage,            // メモ欄(&M) > 使用法(&U)
  kCmdMemoWindow,       // メモ欄(&M) > メモ(&M)
  kCmdMemoEditorDoc,    // メモ欄(&M) > Editor(&E)
  kCmdMemoMenu,         // the submenu メモ欄(&M) itself
  kCmdMemoKey,          // Alt+M: the memo window on its current document
  // 機能
  kCmdAlarm = 1301,     // 時限［タイマー］(&T), button btnM10
  kCmdSearch,           // 検索(&F)
  kCmdPrint,            // 印刷(&P)
  kCmdOptions,          // オプション設定(&O)
  kCmdResidentButton,   // "常駐" button btnM12 ("終了" in close-button mode)
  kCmdClock,            // 楓時計表示(&C) mnVelClock
  kCmdEditorToggle,     // 楓メモ呼出, Ctrl+F11 (key only)
  kCmdEditorClose,      // 楓メモ終了, Ctrl+Shift+F11 (key only)
  kCmdMemoButton,       // button btnM8: the memo file in the editor program
  kCmdCommemoration,    // かえで記念機能(&M)
  kCmdSpecialDayTable,  // 記念日等一括編集(&E)
  // その他
  kCmdProperties = 1351,  // プロパティ表示(&R)
  kCmdMakerSite,          // 楓帳のサイトを表示 GotoSite
  // 表示行数: base + mode number
  kCmdRowsBase = 1400,
  // the grid's pop-up menus
  kCmdPopupEditDay = 1501,    // 予定編集(&E)
  kCmdPopupMonthMemo,         // 月メモ編集(&T)
  kCmdPopupPeriodStart,       // 期間予定開始(&A)
  kCmdPopupPeriodEnd,         // 期間予定終了(&Z)
  kCmdPopupDayCopy,           // Ｄａｙコピー(&C) pmDayCopy
  kCmdPopupDayPaste,          // Ｄａｙペースト(&P) pmDayPaste
  kCmdPopupSpecialDay,        // 記念日の設定(&K)
  kCmdPopupMemo,              // メモ(&M) or 岳斗(&M)
  kCmdPopupPrint,             // 印刷(&P) mnPrintGo
  kCmdPopupResident,          // 常駐(&J) pmJouchuu
  kCmdPopupExit,              // 楓帳終了(&X) pmShuuryou
  kCmdPopupCancel,            // キャンセル(&C) of the delete menu
  kCmdPopupDeletePeriod,      // 削除(&D)
  // the notification-area icon's menu
  kCmdTrayResident = 1601,    // 常駐(&J) iconJouchuu
  kCmdTrayOpen,               // 開く(&O) Open1
  kCmdTrayTopLeft,            // 左上移動(L) iconIdou
  kCmdTrayExit,               // 楓帳終了(&X) Exit2
  kCmdTrayCancel,             // キャンセル(&C) N3
};

inline CommandId RowsCommand(int mode) { return static_cast<CommandId>(kCmdRowsBase + mode); }
inline bool IsRowsCommand(unsigned id) { return id > kCmdRowsBase && id < kCmdRowsBase + 100; }
inline int ModeOfRowsCommand(unsigned id) { return static_cast<int>(id - kCmdRowsBase); }


struct Shortcut {
  unsigned key = 0;  // virtual-key code; 0: none
  bool ctrl = false;
  bool alt = false;
  bool shift = false;

  explicit operator bool() const { return key != 0; }
  bool operator==(const Shortcut&) const = default;
};
// As a menu shows it: "Ctrl+J", "Ctrl+F5", "Alt+Ctrl+H".
std::string ShortcutText(const Shortcut& shortcut);

// What the main window does for its commands.
class MainCommands {
 public:
  virtual ~MainCommands() = default;
  virtual void SwitchDataSet(int set) = 0;
  virtual void Exit() = 0;
  virtual void MoveMonths(int months) = 0;
  // The Ctrl+arrow keys: only on the month page with the entry box hidden.
  virtual void MoveMonthsByKey(int months) = 0;
  virtual void ThisMonth() = 0;
  virtual void ThisMonthByKey() = 0;
  virtual void ToggleEntryBox() = 0;
  virtual void ShowStandard() = 0;
  virtual void NextPage() = 0;
  virtual void PreviousPage() = 0;
  virtual void ChooseDisplayMode(int mode) = 0;
  virtual void ToggleRokuyo() = 0;
  virtual void ToggleWindowSize() = 0;
  virtual void ResidentButton() = 0;
  // 常駐 from the File menu (0), the grid's pop-up (1) or the tray menu (2).
  virtual void GoResident(int caller) = 0;
  virtual void Restore(bool moveTopLeft) = 0;
  virtual void OpenAlarm() = 0;
  virtual void ShowRunLog() = 0;
  // The memo window on document 0..3, or on its current one (-1).
  virtual void OpenMemo(int doc) = 0;
  virtual void OpenSearch() = 0;
  // btnM8 and the pop-up "メモ(&M)": the memo file in the editor program
  // when it takes it over, else the memo window.
  virtual void MemoButton() = 0;
  virtual void Print() = 0;
  virtual void StartClock() = 0;
  virtual void ToggleEditor() = 0;
  virtual void CloseEditor() = 0;
  virtual void ShowProperties() = 0;
  virtual void OpenMakerSite() = 0;
  virtual void OpenOptions() = 0;
  virtual void ToggleNetwork() = 0;
  virtual void NetReload() = 0;
  // The setup window on the page of each command.
  virtual void OpenBackup() = 0;
  virtual void OpenExport() = 0;
  virtual void OpenCommemoration() = 0;
  virtual void OpenSpecialDayTable() = 0;
  // The grid's commands, when editing is wired.
  virtual GridCommands* Grid() = 0;
};

inline constexpr int kResidentFromFileMenu = 0, kResidentFromGridPopup = 1, kResidentFromTray = 2;

// What the enable and check rules look at, taken when a menu opens.
struct CommandState {
  bool networkOn = false;
  bool networkAvailable = false;  // cbNet
  bool alarmAvailable = true;  // cbJigen
  bool moveMenuEnabled = false;  // the tray's "左上移動(L)", once the window was hidden
  std::array<bool, 3> dataSetEnabled{};
  bool closeButtonMode = false;
  bool rokuyoShown = false;
  int displayMode = kDefaultMode;
  int workAreaHeight = 0;
  ViewMenuState view;
  bool memoMenu = true;          // cbMemo: the View menu's メモ欄(&M) exists
  int memoDoc = 0;               // the memo window's document
  bool printOn = false;          // cbPrint
  bool clockFound = false;
  bool editorIntegration = false;  // cbEditor with the editor program found
  bool editing = false;
  GridMenu popupMenu = GridMenu::Normal;
  PopupItems popup;
};

using CommandRule = bool (*)(const CommandState& state, CommandId id);
using CommandRun = void (*)(MainCommands& target, CommandId id);

struct CommandRow {
  CommandId id;
  const char* caption;   // the menu's text ("" for key-only commands)
  Shortcut shortcut;
  CommandRun run;        // null: later work, always greyed
  CommandRule enabled;   // null: enabled whenever it can run
  CommandRule checked;   // null: never checked
};

std::span<const CommandRow> CommandRows();
const CommandRow* FindCommandRow(unsigned id);
bool CommandEnabled(const CommandRow& row, const CommandState& state);
bool CommandChecked(const CommandRow& row, const CommandState& state);
// Runs the command when it is enabled; false when it did not run.
bool RunCommand(unsigned id, MainCommands& target, const CommandState& state);

// A menu as a list of items: a command, a separator or a submenu.
struct MenuEntry {
  CommandId id = kCmdNone;   // kCmdNone: separator, unless `submenu` is set
  const char* submenu = nullptr;
  std::vector<MenuEntry> items;  // of the submenu
};
struct MenuLayout {
  const char* caption;
  std::vector<MenuEntry> items;
};
// The menu bar; メモ欄(&M) only with `memoMenu` (cbMemo).
std::vector<MenuLayout> MenuBarLayout(bool memoMenu = true);
// The grid's pop-up on a day; "常駐(&J)" is left out in close-button mode.
// "印刷(&P)" only with `printOn` (cbPrint).
std::vector<MenuEntry> GridMenuLayout(bool closeButtonMode, bool printOn = false);
std::vector<MenuEntry> DeleteMenuLayout();
// The notification-area icon's menu; "常駐(&J)" is left out in close-button
// mode.
std::vector<MenuEntry> TrayMenuLayout(bool closeButtonMode);
// "前月(&J)\tCtrl+J": the caption and, after a tab, the shortcut.
std::string MenuItemText(const CommandRow& row);

// Every shortcut of the rows, for the accelerator table.
struct KeyBinding {
  Shortcut shortcut;
  CommandId id;
};
std::vector<KeyBinding> KeyBindings();

}  // namespace shell
