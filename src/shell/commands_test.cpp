#include "shell/commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace shell {
namespace {

std::vector<CommandId> MenuIds(const std::vector<MenuEntry>& entries) {
  std::vector<CommandId> ids;
  for (const MenuEntry& e : entries) {
    if (e.submenu) {
      for (CommandId id : MenuIds(e.items)) ids.push_back(id);
    } else if (e.id != kCmdNone) {
      ids.push_back(e.id);
    }
  }
  return ids;
}

std::vector<CommandId> EveryMenuItem() {
  std::vector<CommandId> ids;
  for (const MenuLayout& menu : MenuBarLayout())
    for (CommandId id : MenuIds(menu.items)) ids.push_back(id);
  for (bool closeButton : {false, true})
    for (CommandId id : MenuIds(GridMenuLayout(closeButton, true))) ids.push_back(id);
  for (CommandId id : MenuIds(DeleteMenuLayout())) ids.push_back(id);
  for (CommandId id : MenuIds(TrayMenuLayout(false))) ids.push_back(id);
  return ids;
}

// A shortcut shown in a menu is the key that runs that very command.
TEST(Commands, EveryShortcutAMenuShowsIsBoundToItsCommand) {
  std::map<std::string, CommandId> bound;
  for (const KeyBinding& b : KeyBindings()) bound[ShortcutText(b.shortcut)] = b.id;
  int shown = 0;
  for (CommandId id : EveryMenuItem()) {
    const CommandRow* row = FindCommandRow(id);
    ASSERT_NE(row, nullptr) << id;
    const std::string text = MenuItemText(*row);
    const auto tab = text.find('\t');
    if (tab == std::string::npos) continue;
    ++shown;
    EXPECT_EQ(bound[text.substr(tab + 1)], id) << text;
  }
  EXPECT_EQ(shown, 7);  // Files1, Files2, the four moves, search
}

TEST(Commands, NoTwoCommandsShareAKeyOrANumber) {
  std::set<std::string> keys;
  for (const KeyBinding& b : KeyBindings()) EXPECT_TRUE(keys.insert(ShortcutText(b.shortcut)).second) << b.id;
  std::set<unsigned> ids;
  for (const CommandRow& row : CommandRows()) EXPECT_TRUE(ids.insert(row.id).second) << row.id;
}

TEST(Commands, MenuTextsAsTheUserReadsThem) {
  const std::pair<CommandId, const char*> texts[] = {
      {kCmdFiles1, "Files1\tCtrl+F5"},         {kCmdPrevMonth, "前月(&J)\tCtrl+J"},
      {kCmdNextYear, "翌年(&M)\tCtrl+M"},      {kCmdWindowSize, "横×縦\tAlt+Ctrl+H"},
      {kCmdSearch, "検索(&F)\tCtrl+F"},        {kCmdPopupDayPaste, "Ｄａｙペースト(&P)"},
      {RowsCommand(26), "６行（縦900ドット）"}, {kCmdExit, "楓帳終了(&X)"}};
  for (const auto& [id, text] : texts) EXPECT_EQ(MenuItemText(*FindCommandRow(id)), text);
  EXPECT_EQ(MenuIds(GridMenuLayout(true)).size() + 1, MenuIds(GridMenuLayout(false)).size());
  EXPECT_EQ(MenuIds(GridMenuLayout(false)).size() + 1, MenuIds(GridMenuLayout(false, true)).size());
  EXPECT_EQ(ShortcutText(FindCommandRow(kCmdEditorClose)->shortcut), "Ctrl+Shift+F11");
  // Without cbMemo the View menu has no メモ欄(&M) and its four documents.
  auto viewItems = [](bool memo) { return MenuIds(MenuBarLayout(memo)[2].items).size(); };
  EXPECT_EQ(viewItems(true), viewItems(false) + 4);
}

// ---- enable and check rules ---------------------------------------------------

struct RuleCase {
  const char* name;
  CommandState state;
  CommandId id;
  bool enabled;
};

CommandState WithSets(bool one, bool two, bool network) {
  CommandState s;
  s.dataSetEnabled = {one, two, false};
  s.networkOn = network;
  return s;
}

CommandState Popup(GridMenu menu, PopupItems items, bool editing = true) {
  CommandState s;
  s.editing = editing;
  s.popupMenu = menu;
  s.popup = items;
  return s;
}

CommandState Height(int workAreaHeight) {
  CommandState s;
  s.workAreaHeight = workAreaHeight;
  return s;
}

class RuleTest : public testing::TestWithParam<RuleCase> {};

TEST_P(RuleTest, Enabled) {
  const RuleCase& c = GetParam();
  EXPECT_EQ(CommandEnabled(*FindCommandRow(c.id), c.state), c.enabled);
}

PopupItems PasteOnly() {
  PopupItems items;
  items.editDay = false;
  items.dayPaste = true;
  return items;
}

CommandState Memo(bool readMe, bool editorOn) {
  CommandState s;
  s.view = ViewMenuStateOf({readMe, true, false, false, editorOn});
  return s;
}

CommandState Companion(bool print, bool clock, bool integration) {
  CommandState s = Popup(GridMenu::Normal, {});
  s.printOn = print;
  s.clockFound = clock;
  s.editorIntegration = integration;
  return s;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, RuleTest,
    testing::Values(RuleCase{"Files2WithItsFolder", WithSets(true, true, false), kCmdFiles2, true},
                    RuleCase{"Files2WithoutItsFolder", WithSets(true, false, false), kCmdFiles2, false},
                    RuleCase{"NoDataSetInNetworkMode", WithSets(true, true, true), kCmdFiles1, false},
                    RuleCase{"NoAlarmWithoutTheFunction", [] { CommandState s; s.alarmAvailable = false; return s; }(), kCmdAlarm, false},
                    RuleCase{"TheTrayMovesOnlyAHiddenWindow", CommandState{}, kCmdTrayTopLeft, false},
                    RuleCase{"BackupOfLocalData", WithSets(true, true, false), kCmdBackup, true},
                    RuleCase{"NoBackupOfSharedData", WithSets(true, true, true), kCmdBackup, false},
                    RuleCase{"NoExportOfSharedData", WithSets(true, true, true), kCmdExport, false},
                    RuleCase{"MovesAlwaysRun", CommandState{}, kCmdPrevYear, true},
                    RuleCase{"PopupItemAsTheGridDecided", Popup(GridMenu::Normal, PasteOnly()), kCmdPopupDayPaste, true},
                    RuleCase{"PopupItemTheGridRefused", Popup(GridMenu::Normal, PasteOnly()), kCmdPopupEditDay, false},
                    RuleCase{"DeleteMenuOffersDelete", Popup(GridMenu::Delete, {}), kCmdPopupDeletePeriod, true},
                    RuleCase{"DeleteMenuOffersNoEdit", Popup(GridMenu::Delete, {}), kCmdPopupEditDay, false},
                    RuleCase{"NoPopupWithoutEditing", Popup(GridMenu::Normal, {}, false), kCmdPopupExit, false},
                    RuleCase{"TallModeOnATallScreen", Height(984), RowsCommand(26), true},
                    RuleCase{"TallModeNotOnALaptop", Height(728), RowsCommand(26), false},
                    RuleCase{"OnlyThreeRowsOnATinyScreen", Height(570), RowsCommand(5), false},
                    RuleCase{"NetworkOnlyWhenSetUp", CommandState{}, kCmdNetOn, false},
                    RuleCase{"NetworkOffAlways", WithSets(true, true, true), kCmdNetOn, true},
                    RuleCase{"NetReloadOnlyOnTheNetwork", WithSets(true, true, false), kCmdNetReload, false},
                    RuleCase{"ReadMeWithItsFile", Memo(true, false), kCmdReadMe, true},
                    RuleCase{"NoReadMeWithoutItsFile", Memo(false, false), kCmdReadMe, false},
                    RuleCase{"TheEditorTakesTheMemoSubmenu", Memo(true, true), kCmdMemoMenu, false},
                    RuleCase{"NoMemoItemWhileTheEditorTakesIt", Memo(true, true), kCmdMemoWindow, false},
                    RuleCase{"AltMOpensTheMemoEvenThen", Memo(true, true), kCmdMemoKey, true},
                    RuleCase{"NoPrintWithoutTheSetting", Companion(false, true, true), kCmdPrint, false},
                    RuleCase{"PopupPrintWithTheSetting", Companion(true, false, false), kCmdPopupPrint, true},
                    RuleCase{"NoClockWhenNotFound", Companion(true, false, true), kCmdClock, false},
                    RuleCase{"MemoButtonOnlyForTheEditor", Companion(true, true, false), kCmdMemoButton, false},
                    RuleCase{"PopupMemoAlways", Companion(false, false, false), kCmdPopupMemo, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Commands, TheCheckMarksFollowTheState) {
  CommandState s;
  s.displayMode = 15;
  s.rokuyoShown = true;
  EXPECT_TRUE(CommandChecked(*FindCommandRow(RowsCommand(15)), s));
  EXPECT_FALSE(CommandChecked(*FindCommandRow(RowsCommand(5)), s));
  EXPECT_TRUE(CommandChecked(*FindCommandRow(kCmdRokuyo), s));
  s.rokuyoShown = false;
  EXPECT_FALSE(CommandChecked(*FindCommandRow(kCmdRokuyo), s));
  s.memoDoc = 2;
  EXPECT_TRUE(CommandChecked(*FindCommandRow(kCmdUsage), s));
  EXPECT_FALSE(CommandChecked(*FindCommandRow(kCmdMemoWindow), s));
}

// ---- what runs ----------------------------------------------------------------

class RecordingCommands : public MainCommands {
 public:
  void SwitchDataSet(int set) override { Note("set " + std::to_string(set)); }
  void Exit() override { Note("exit"); }
  void MoveMonths(int months) override { Note("move " + std::to_string(months)); }
  void MoveMonthsByKey(int months) override { Note("key move " + std::to_string(months)); }
  void ThisMonth() override { Note("this month"); }
  void ThisMonthByKey() override { Note("key this month"); }
  void ToggleEntryBox() override { Note("entry box"); }
  void ShowStandard() override { Note("standard"); }
  void NextPage() override { Note("next page"); }
  void PreviousPage() override { Note("previous page"); }
  void ChooseDisplayMode(int mode) override { Note("mode " + std::to_string(mode)); }
  void ToggleRokuyo() override { Note("rokuyo"); }
  void ToggleWindowSize() override { Note("size"); }
  void ResidentButton() override { Note("resident button"); }
  void GoResident(int caller) override { Note("resident " + std::to_string(caller)); }
  void Restore(bool topLeft) override { Note(topLeft ? "restore top left" : "restore"); }
  void OpenAlarm() override { Note("alarm"); }
  void ShowRunLog() override { Note("run log"); }
  void OpenMemo(int doc) override { Note("memo " + std::to_string(doc)); }
  void OpenSearch() override { Note("search"); }
  void MemoButton() override { Note("memo button"); }
  void Print() override { Note("print"); }
  void StartClock() override { Note("clock"); }
  void ToggleEditor() override { Note("editor"); }
  void CloseEditor() override { Note("close editor"); }
  void ShowProperties() override { Note("properties"); }
  void OpenMakerSite() override { Note("site"); }
  void OpenOptions() override { Note("options"); }
  void ToggleNetwork() override { Note("network"); }
  void NetReload() override { Note("net reload"); }
  void OpenBackup() override { Note("backup"); }
  void OpenExport() override { Note("export"); }
  void OpenCommemoration() override { Note("commemoration"); }
  void OpenSpecialDayTable() override { Note("special day table"); }
  GridCommands* Grid() override { return nullptr; }

  std::string last;

 private:
  void Note(std::string what) { last = std::move(what); }
};

TEST(Commands, EachRowRunsItsCommandAndADisabledOneNothing) {
  CommandState state = WithSets(true, true, false);
  state.workAreaHeight = 984;
  state.closeButtonMode = true;
  state.view.memoSubmenu = true;
  const std::pair<CommandId, const char*> runs[] = {
      {kCmdFiles2, "set 2"},         {kCmdPrevMonth, "move -1"},         {kCmdNextYear, "move 12"},
      {kCmdNextMonthKey, "key move 1"}, {kCmdThisMonthKey, "key this month"}, {kCmdEnterMonth, "entry box"},
      {kCmdPrevPage, "previous page"}, {RowsCommand(14), "mode 14"},     {kCmdWindowSize, "size"},
      {kCmdResidentButton, "resident button"}, {kCmdExit, "exit"}, {kCmdResident, "resident 0"},
      {kCmdTrayResident, "resident 2"}, {kCmdTrayOpen, "restore"}, {kCmdAlarm, "alarm"},
      {kCmdMemoKey, "memo -1"},      {kCmdMemoEditorDoc, "memo 3"},      {kCmdSearch, "search"},
      {kCmdEditorToggle, "editor"},  {kCmdEditorClose, "close editor"}, {kCmdMakerSite, "site"},
      {kCmdShowOptions, "options"},  {kCmdBackup, "backup"},            {kCmdExport, "export"},
      {kCmdCommemoration, "commemoration"}, {kCmdSpecialDayTable, "special day table"}};
  for (const auto& [id, expected] : runs) {
    RecordingCommands target;
    EXPECT_TRUE(RunCommand(id, target, state)) << id;
    EXPECT_EQ(target.last, expected);
  }
  RecordingCommands target;
  state.networkOn = true;
  EXPECT_FALSE(RunCommand(kCmdFiles2, target, state));
  EXPECT_FALSE(RunCommand(kCmdBackup, target, state));
  EXPECT_FALSE(RunCommand(9999, target, state));
  EXPECT_EQ(target.last, "");
}

}  // namespace
}  // namespace shell
