#include "shell/commands.h"

#include <algorithm>

namespace shell {
namespace {

using S = CommandState;
using C = MainCommands;

constexpr Shortcut Ctrl(unsigned key) { return {key, true, false, false}; }
constexpr Shortcut Alt(unsigned key) { return {key, false, true, false}; }
constexpr Shortcut CtrlAlt(unsigned key) { return {key, true, true, false}; }
constexpr Shortcut CtrlShift(unsigned key) { return {key, true, false, true}; }

bool MemoDocRule(const S& s, CommandId id) {
  if (!s.view.memoSubmenu) return false;
  if (id == kCmdReadMe) return s.view.readMe;
  if (id == kCmdUsage) return s.view.usage;
  return true;
}
bool MemoDocChecked(const S& s, CommandId id) {
  static constexpr CommandId kDocs[] = {kCmdMemoWindow, kCmdReadMe, kCmdUsage, kCmdMemoEditorDoc};
  return s.memoDoc >= 0 && s.memoDoc < 4 && kDocs[s.memoDoc] == id;
}
template <int Doc>
void OpenMemoOn(C& c, CommandId) {
  c.OpenMemo(Doc);
}
bool PrintRule(const S& s, CommandId) { return s.printOn; }

bool DataSetRule(const S& s, CommandId id) {
  return s.dataSetEnabled[id - kCmdFiles1] && !s.networkOn;
}
// Backup and export work on the local data; shared data have their own.
bool LocalDataRule(const S& s, CommandId) { return !s.networkOn; }
bool PopupRule(const S& s, CommandId id) {
  if (!s.editing) return false;
  if (s.popupMenu == GridMenu::Delete) return id == kCmdPopupCancel || id == kCmdPopupDeletePeriod;
  switch (id) {
    case kCmdPopupEditDay: return s.popup.editDay;
    case kCmdPopupMonthMemo: return s.popup.editMonthMemo;
    case kCmdPopupPeriodStart: return s.popup.periodStart;
    case kCmdPopupPeriodEnd: return s.popup.periodEnd;
    case kCmdPopupDayCopy: return s.popup.dayCopy;
    case kCmdPopupDayPaste: return s.popup.dayPaste;
    case kCmdPopupSpecialDay: return s.popup.specialDay;
    case kCmdPopupPrint: return s.printOn;
    case kCmdPopupMemo:
    case kCmdPopupExit:
    case kCmdPopupResident: return true;
    default: return false;
  }
}

// Runs a pop-up item on the grid's commands.
template <void (GridCommands::*Item)()>
void OnGrid(C& c, CommandId) {
  if (GridCommands* grid = c.Grid()) (grid->*Item)();
}

const CommandRow kRows[] = {
    // ファイル
    {kCmdResident, "常駐(&J)", {}, [](C& c, CommandId) { c.GoResident(kResidentFromFileMenu); }, nullptr, nullptr},
    {kCmdFiles1, "Files1", Ctrl(kVkF5), [](C& c, CommandId) { c.SwitchDataSet(1); }, DataSetRule, nullptr},
    {kCmdFiles2, "Files2", Ctrl(kVkF6), [](C& c, CommandId) { c.SwitchDataSet(2); }, DataSetRule, nullptr},
    {kCmdFiles3, "Files3", {}, [](C& c, CommandId) { c.SwitchDataSet(3); }, DataSetRule, nullptr},
    {kCmdNetOn, "ネットＯｎ", {}, [](C& c, CommandId) { c.ToggleNetwork(); },
     [](const S& s, CommandId) { return s.networkAvailable || s.networkOn; }, nullptr},
    {kCmdNetReload, "ネット読み直し", {}, [](C& c, CommandId) { c.NetReload(); },
     [](const S& s, CommandId) { return s.networkOn; }, nullptr},
    {kCmdBackup, "バックアップ＆リストア(&B)", {}, [](C& c, CommandId) { c.OpenBackup(); }, LocalDataRule, nullptr},
    {kCmdExport, "テキスト書出(&W)", {}, [](C& c, CommandId) { c.OpenExport(); }, LocalDataRule, nullptr},
    {kCmdExit, "楓帳終了(&X)", {}, [](C& c, CommandId) { c.Exit(); }, nullptr, nullptr},
    // 移動, and the buttons and keys that move
    {kCmdPrevMonth, "前月(&J)", Ctrl('J'), [](C& c, CommandId) { c.MoveMonths(-1); }, nullptr, nullptr},
    {kCmdNextMonth, "翌月(&K)", Ctrl('K'), [](C& c, CommandId) { c.MoveMonths(1); }, nullptr, nullptr},
    {kCmdPrevYear, "前年(&I)", Ctrl('I'), [](C& c, CommandId) { c.MoveMonths(-12); }, nullptr, nullptr},
    {kCmdNextYear, "翌年(&M)", Ctrl('M'), [](C& c, CommandId) { c.MoveMonths(12); }, nullptr, nullptr},
    {kCmdThisMonth, "今月", {}, [](C& c, CommandId) { c.ThisMonth(); }, nullptr, nullptr},
    {kCmdEnterMonth, "年月指定", {}, [](C& c, CommandId) { c.ToggleEntryBox(); }, nullptr, nullptr},
    {kCmdStandard, "標準表示", {}, [](C& c, CommandId) { c.ShowStandard(); }, nullptr, nullptr},
    {kCmdPrevMonthKey, "", Ctrl(kVkLeft), [](C& c, CommandId) { c.MoveMonthsByKey(-1); }, nullptr, nullptr},
    {kCmdNextMonthKey, "", Ctrl(kVkRight), [](C& c, CommandId) { c.MoveMonthsByKey(1); }, nullptr, nullptr},
    {kCmdThisMonthKey, "", Ctrl(kVkUp), [](C& c, CommandId) { c.ThisMonthByKey(); }, nullptr, nullptr},
    {kCmdNextPage, "", Alt(kVkRight), [](C& c, CommandId) { c.NextPage(); }, nullptr, nullptr},
    {kCmdPrevPage, "", Alt(kVkLeft), [](C& c, CommandId) { c.PreviousPage(); }, nullptr, nullptr},
    // 表示
    {kCmdRokuyo, "六曜表示(&R)", {}, [](C& c, CommandId) { c.ToggleRokuyo(); }, nullptr,
     [](const S& s, CommandId) { return s.rokuyoShown; }},
    {kCmdWindowSize, "横×縦", CtrlAlt('H'), [](C& c, CommandId) { c.ToggleWindowSize(); }, nullptr, nullptr},
    {kCmdShowOptions, "設定表示(&S)", {}, [](C& c, CommandId) { c.OpenOptions(); }, nullptr, nullptr},
    {kCmdRunLog, "起動時刻(&J)", {}, [](C& c, CommandId) { c.ShowRunLog(); },
     [](const S& s, CommandId) { return s.view.runLog; }, nullptr},
    {kCmdMemoWindow, "メモ(&M)", {}, OpenMemoOn<0>, MemoDocRule, MemoDocChecked},
    {kCmdReadMe, "ReadMe(&R)", {}, OpenMemoOn<1>, MemoDocRule, MemoDocChecked},
    {kCmdUsage, "使用法(&U)", {}, OpenMemoOn<2>, MemoDocRule, MemoDocChecked},
    {kCmdMemoEditorDoc, "Editor(&E)", {}, OpenMemoOn<3>, MemoDocRule, MemoDocChecked},
    {kCmdMemoMenu, "メモ欄(&M)", {}, [](C&, CommandId) {}, [](const S& s, CommandId) { return s.view.memoSubmenu; },
     nullptr},
    {kCmdMemoKey, "", Alt('M'), OpenMemoOn<-1>, nullptr, nullptr},
    // 機能
    {kCmdAlarm, "時限［タイマー］(&T)", {}, [](C& c, CommandId) { c.OpenAlarm(); },
     [](const S& s, CommandId) { return s.alarmAvailable; }, nullptr},
    {kCmdSearch, "検索(&F)", Ctrl('F'), [](C& c, CommandId) { c.OpenSearch(); }, nullptr, nullptr},
    {kCmdPrint, "印刷(&P)", {}, [](C& c, CommandId) { c.Print(); }, PrintRule, nullptr},
    {kCmdClock, "楓時計表示(&C)", {}, [](C& c, CommandId) { c.StartClock(); },
     [](const S& s, CommandId) { return s.clockFound; }, nullptr},
    {kCmdEditorToggle, "", Ctrl(kVkF11), [](C& c, CommandId) { c.ToggleEditor(); }, nullptr, nullptr},
    {kCmdEditorClose, "", CtrlShift(kVkF11), [](C& c, CommandId) { c.CloseEditor(); }, nullptr, nullptr},
    {kCmdMemoButton, "", {}, [](C& c, CommandId) { c.MemoButton(); },
     [](const S& s, CommandId) { return s.editorIntegration; }, nullptr},
    {kCmdCommemoration, "かえで記念機能(&M)", {}, [](C& c, CommandId) { c.OpenCommemoration(); }, nullptr, nullptr},
    {kCmdSpecialDayTable, "記念日等一括編集(&E)", {}, [](C& c, CommandId) { c.OpenSpecialDayTable(); }, nullptr,
     nullptr},
    {kCmdOptions, "オプション設定(&O)", {}, [](C& c, CommandId) { c.OpenOptions(); }, nullptr, nullptr},
    {kCmdResidentButton, "常駐", {}, [](C& c, CommandId) { c.ResidentButton(); }, nullptr, nullptr},
    // その他
    {kCmdProperties, "プロパティ表示(&R)", {}, [](C& c, CommandId) { c.ShowProperties(); }, nullptr, nullptr},
    {kCmdMakerSite, "楓帳のサイトを表示", {}, [](C& c, CommandId) { c.OpenMakerSite(); }, nullptr, nullptr},
    // the grid's pop-up menus
    {kCmdPopupEditDay, "予定編集(&E)", {}, OnGrid<&GridCommands::PopupEditDay>, PopupRule, nullptr},
    {kCmdPopupMonthMemo, "月メモ編集(&T)", {}, OnGrid<&GridCommands::PopupEditMonthMemo>, PopupRule, nullptr},
    {kCmdPopupPeriodStart, "期間予定開始(&A)", {}, OnGrid<&GridCommands::PopupPeriodStart>, PopupRule, nullptr},
    {kCmdPopupPeriodEnd, "期間予定終了(&Z)", {}, OnGrid<&GridCommands::PopupPeriodEnd>, PopupRule, nullptr},
    {kCmdPopupDayCopy, "Ｄａｙコピー(&C)", {}, OnGrid<&GridCommands::PopupDayCopy>, PopupRule, nullptr},
    {kCmdPopupDayPaste, "Ｄａｙペースト(&P)", {}, OnGrid<&GridCommands::PopupDayPaste>, PopupRule, nullptr},
    {kCmdPopupSpecialDay, "記念日の設定(&K)", {}, OnGrid<&GridCommands::PopupSpecialDay>, PopupRule, nullptr},
    {kCmdPopupMemo, "メモ(&M)", {}, [](C& c, CommandId) { c.MemoButton(); }, PopupRule, nullptr},
    {kCmdPopupPrint, "印刷(&P)", {}, [](C& c, CommandId) { c.Print(); }, PopupRule, nullptr},
    {kCmdPopupResident, "常駐(&J)", {}, [](C& c, CommandId) { c.GoResident(kResidentFromGridPopup); },
     PopupRule, nullptr},
    {kCmdPopupExit, "楓帳終了(&X)", {}, [](C& c, CommandId) { c.Exit(); }, PopupRule, nullptr},
    {kCmdPopupCancel, "キャンセル(&C)", {}, [](C&, CommandId) {}, PopupRule, nullptr},
    {kCmdPopupDeletePeriod, "削除(&D)", {}, OnGrid<&GridCommands::PopupDeletePeriod>, PopupRule, nullptr},
    // the notification-area icon's menu
    {kCmdTrayResident, "常駐(&J)", {}, [](C& c, CommandId) { c.GoResident(kResidentFromTray); }, nullptr, nullptr},
    {kCmdTrayOpen, "開く(&O)", {}, [](C& c, CommandId) { c.Restore(false); }, nullptr, nullptr},
    {kCmdTrayTopLeft, "左上移動(L)", {}, [](C& c, CommandId) { c.Restore(true); },
     [](const S& s, CommandId) { return s.moveMenuEnabled; }, nullptr},
    {kCmdTrayExit, "楓帳終了(&X)", {}, [](C& c, CommandId) { c.Exit(); }, nullptr, nullptr},
    {kCmdTrayCancel, "キャンセル(&C)", {}, [](C&, CommandId) {}, nullptr, nullptr},
};

// The "表示行数" rows, one per mode a setting can select.
std::vector<CommandRow> MakeRowsRows() {
  std::vector<CommandRow> rows;
  for (const DisplayMode& mode : DisplayModes()) {
    if (!mode.visible) continue;
    rows.push_back({RowsCommand(mode.mode), mode.item, {},
                    [](C& c, CommandId id) { c.ChooseDisplayMode(ModeOfRowsCommand(id)); },
                    [](const S& s, CommandId id) { return ModeSelectable(ModeOfRowsCommand(id), s.workAreaHeight); },
                    [](const S& s, CommandId id) { return s.displayMode == ModeOfRowsCommand(id); }});
  }
  return rows;
}

const std::vector<CommandRow>& AllRows() {
  static const std::vector<CommandRow> rows = [] {
    std::vector<CommandRow> all(std::begin(kRows), std::end(kRows));
    for (const CommandRow& row : MakeRowsRows()) all.push_back(row);
    return all;
  }();
  return rows;
}

MenuEntry Item(CommandId id) { return {id, nullptr, {}}; }
MenuEntry Separator() { return {}; }

std::vector<MenuEntry> RowsMenu() {
  std::vector<MenuEntry> items;
  for (const CommandRow& row : MakeRowsRows()) items.push_back(Item(row.id));
  return items;
}

std::string KeyName(unsigned key) {
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x6F);
  switch (key) {
    case kVkLeft: return "Left";
    case kVkUp: return "Up";
    case kVkRight: return "Right";
  }
  return std::string(1, static_cast<char>(key));
}

}  // namespace

std::string ShortcutText(const Shortcut& s) {
  if (!s) return "";
  std::string text;
  if (s.alt) text += "Alt+";
  if (s.ctrl) text += "Ctrl+";
  if (s.shift) text += "Shift+";
  return text + KeyName(s.key);
}

std::span<const CommandRow> CommandRows() { return AllRows(); }

const CommandRow* FindCommandRow(unsigned id) {
  for (const CommandRow& row : AllRows())
    if (row.id == id) return &row;
  return nullptr;
}

bool CommandEnabled(const CommandRow& row, const CommandState& state) {
  return row.run && (!row.enabled || row.enabled(state, row.id));
}

bool CommandChecked(const CommandRow& row, const CommandState& state) {
  return row.checked && row.checked(state, row.id);
}

bool RunCommand(unsigned id, MainCommands& target, const CommandState& state) {
  const CommandRow* row = FindCommandRow(id);
  if (!row || !CommandEnabled(*row, state)) return false;
  row->run(target, row->id);
  return true;
}

std::vector<MenuLayout> MenuBarLayout(bool memoMenu) {
  std::vector<MenuEntry> view = {{kCmdNone, "表示行数", RowsMenu()}, Item(kCmdRokuyo), Separator()};
  if (memoMenu)
    view.push_back({kCmdMemoMenu, "メモ欄(&M)",
                    {Item(kCmdMemoWindow), Item(kCmdReadMe), Item(kCmdUsage), Item(kCmdMemoEditorDoc)}});
  for (CommandId id : {kCmdShowOptions, kCmdRunLog}) view.push_back(Item(id));
  return {
      {"ファイル(&F)",
       {Item(kCmdResident), Separator(), Item(kCmdFiles1), Item(kCmdFiles2), Separator(), Item(kCmdNetOn),
        Item(kCmdNetReload), Separator(), Item(kCmdBackup), Item(kCmdExport), Separator(), Item(kCmdExit)}},
      {"移動(&G)", {Item(kCmdPrevMonth), Item(kCmdNextMonth), Item(kCmdPrevYear), Item(kCmdNextYear)}},
      {"表示(&V)", view},
      {"機能(&K)",
       {Item(kCmdAlarm), Item(kCmdSearch), Item(kCmdPrint), Item(kCmdClock), Separator(), Item(kCmdCommemoration),
        Item(kCmdSpecialDayTable), Separator(), Item(kCmdOptions)}},
      {"その他(&O)", {Item(kCmdProperties), Item(kCmdMakerSite)}},
  };
}

std::vector<MenuEntry> GridMenuLayout(bool closeButtonMode, bool printOn) {
  std::vector<MenuEntry> items = {
      Item(kCmdPopupEditDay), Item(kCmdPopupMonthMemo), Separator(), Item(kCmdPopupPeriodStart),
      Item(kCmdPopupPeriodEnd), Separator(), Item(kCmdPopupDayCopy), Item(kCmdPopupDayPaste), Separator(),
      Item(kCmdPopupSpecialDay), Separator(), Item(kCmdPopupMemo)};
  // "印刷(&P)" shares its key with "Ｄａｙペースト(&P)": it is there only for
  // those who print, so that P pastes for everyone else.
  if (printOn) items.push_back(Item(kCmdPopupPrint));
  items.push_back(Separator());
  if (!closeButtonMode) items.push_back(Item(kCmdPopupResident));
  items.push_back(Item(kCmdPopupExit));
  return items;
}

std::vector<MenuEntry> DeleteMenuLayout() { return {Item(kCmdPopupCancel), Item(kCmdPopupDeletePeriod)}; }

std::vector<MenuEntry> TrayMenuLayout(bool closeButtonMode) {
  std::vector<MenuEntry> items;
  if (!closeButtonMode) items.push_back(Item(kCmdTrayResident));
  for (CommandId id : {kCmdTrayOpen, kCmdTrayTopLeft}) items.push_back(Item(id));
  items.push_back(Separator());
  items.push_back(Item(kCmdTrayExit));
  items.push_back(Separator());
  items.push_back(Item(kCmdTrayCancel));
  return items;
}

std::string MenuItemText(const CommandRow& row) {
  const std::string key = ShortcutText(row.shortcut);
  return key.empty() ? row.caption : std::string(row.caption) + "\t" + key;
}

std::vector<KeyBinding> KeyBindings() {
  std::vector<KeyBinding> keys;
  for (const CommandRow& row : AllRows())
    if (row.shortcut) keys.push_back({row.shortcut, row.id});
  return keys;
}

}  // namespace shell
