#include "settings/options_layout.h"

#include <array>

namespace settings {
namespace {

using T = OptionsTab;

// ---- 96-DPI sizes: the window and its rows --------------------------------

constexpr int kPageWidth = 600;
constexpr int kPageHeight = 330;
constexpr int kTabStrip = 24;   // the tab control shows its strip only
constexpr int kMargin = 8;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 28;

constexpr int kCheckHeight = 22;
constexpr int kEditHeight = 24;
constexpr int kRowButtonHeight = 28;
constexpr int kUpDownWidth = 18;
constexpr int kGap = 6;           // between a row's parts
constexpr int kRadioTop = 20;     // from a radio group's top to its items
constexpr int kRadioIndent = 12;
constexpr int kColourRowWidth = 270;
constexpr int kColourLabel = 100;
constexpr int kSwatchWidth = 60;
constexpr int kChangeWidth = 60;
constexpr int kFullWidth = 580;   // a row across the page
constexpr int kRowRight = 580;    // where rows end, clear of a group's frame

const OptionsWindowGeometry kGeometry = [] {
  OptionsWindowGeometry g{};
  g.tabs = {kMargin, kMargin, kPageWidth + 2 * kMargin, kTabStrip};
  g.frame = {kMargin, g.tabs.bottom() - 2, g.tabs.width, kPageHeight + 2 * kMargin + 2};
  g.page = {g.frame.x + kMargin, g.tabs.bottom() + kMargin, kPageWidth, kPageHeight};
  g.clientWidth = g.tabs.right() + kMargin;
  const int buttonsTop = g.frame.bottom() + kMargin;
  g.cancelButton = {g.clientWidth - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight};
  g.okButton = {g.cancelButton.x - kMargin - kButtonWidth, buttonsTop, kButtonWidth, kButtonHeight};
  g.clientHeight = buttonsTop + kButtonHeight + 10;
  g.fontHeight = 12;
  g.dropDownHeight = 200;
  return g;
}();

// ---- list items ------------------------------------------------------------

constexpr ChoiceItem kBackupDays[] = {{"0", "0"}, {"1", "1"}, {"3", "2"}, {"7", "3"}, {"15", "4"}, {"30", "5"}};
constexpr ChoiceItem kCheckSeconds[] = {{"1", "0"}, {"2", "1"}, {"3", "2"},  {"4", "3"},  {"5", "4"},
                                        {"7", "5"}, {"10", "6"}, {"20", "7"}, {"30", "8"}, {"60", "9"}};
constexpr ChoiceItem kTabWidths[] = {{"2", "2"}, {"4", "4"}};
constexpr ChoiceItem kTrueTypeAdjust[] = {{"100", "100"}, {"150", "150"}};
constexpr ChoiceItem kPlaces[] = {{"画面の真ん中", "0"}, {"終了時位置", "1"}};
constexpr ChoiceItem kWeekStarts[] = {{"日曜日", "0"}, {"月曜日", "1"}};
constexpr ChoiceItem kNamesOrRokuyo[] = {{"記念日", "1"}, {"六曜", "0"}};
constexpr ChoiceItem kNetChecks[] = {{"常駐回復時のみ", "0"}, {"１０秒間隔", "1"}, {"６０秒間隔", "2"}};

// ---- row makers ------------------------------------------------------------

constexpr OptionControl Check(T tab, std::string_view key, std::string_view caption, int x, int y,
                              int width = kFullWidth, BindTo bind = BindTo::Settings) {
  return {.tab = tab, .kind = ControlKind::Check, .name = key, .caption = caption,
          .place = {x, y, width, kCheckHeight}, .bind = bind};
}

constexpr OptionControl Radio(T tab, std::string_view key, std::string_view caption, OptionsPlace place,
                              int itemWidth, std::span<const ChoiceItem> items) {
  return {.tab = tab, .kind = ControlKind::Radio, .name = key, .caption = caption, .place = place,
          .labelWidth = itemWidth, .items = items, .bind = BindTo::Settings};
}

constexpr OptionControl Number(T tab, std::string_view key, std::string_view caption, int x, int y,
                               int labelWidth, NumberRange range, std::string_view suffix = {},
                               BindTo bind = BindTo::Settings) {
  return {.tab = tab, .kind = ControlKind::Number, .name = key, .caption = caption,
          .place = {x, y, kRowRight - x, kEditHeight}, .labelWidth = labelWidth, .fieldWidth = 56,
          .suffix = suffix, .range = range, .bind = bind};
}

constexpr OptionControl Choice(T tab, std::string_view key, std::string_view caption, int x, int y,
                               int labelWidth, std::span<const ChoiceItem> items, std::string_view suffix = {}) {
  return {.tab = tab, .kind = ControlKind::Choice, .name = key, .caption = caption,
          .place = {x, y, kRowRight - x, kEditHeight}, .labelWidth = labelWidth, .fieldWidth = 70,
          .suffix = suffix, .items = items, .bind = BindTo::Settings};
}

constexpr OptionControl Text(T tab, std::string_view key, std::string_view caption, int x, int y,
                             int labelWidth) {
  return {.tab = tab, .kind = ControlKind::Text, .name = key, .caption = caption,
          .place = {x, y, kRowRight - x, kEditHeight}, .labelWidth = labelWidth, .bind = BindTo::Settings};
}

constexpr OptionControl Colour(T tab, std::string_view key, std::string_view caption, int x, int y,
                               int labelWidth = kColourLabel) {
  return {.tab = tab, .kind = ControlKind::Colour, .name = key, .caption = caption,
          .place = {x, y, labelWidth + kGap + kSwatchWidth + kGap + kChangeWidth, kRowButtonHeight},
          .labelWidth = labelWidth, .fieldWidth = kSwatchWidth, .bind = BindTo::Settings};
}

constexpr OptionControl Plain(T tab, ControlKind kind, std::string_view name, std::string_view caption,
                              OptionsPlace place) {
  return {.tab = tab, .kind = kind, .name = name, .caption = caption, .place = place};
}
constexpr OptionControl Group(T tab, std::string_view name, std::string_view caption, OptionsPlace place) {
  return Plain(tab, ControlKind::Group, name, caption, place);
}
constexpr OptionControl Button(T tab, std::string_view name, std::string_view caption, OptionsPlace place) {
  return Plain(tab, ControlKind::Button, name, caption, place);
}
constexpr OptionControl Label(T tab, std::string_view name, std::string_view caption, OptionsPlace place) {
  return Plain(tab, ControlKind::Label, name, caption, place);
}
constexpr OptionControl Hidden(OptionControl c) {
  c.hidden = true;
  return c;
}

// ---- the rows --------------------------------------------------------------
// Captions in quotes of the settings file's description are verbatim; the
// few the description leaves open are this window's own.

const OptionControl kControls[] = {
    // " 基本 "
    Group(T::Kihon, "gbLocalFolder", " ローカルデータフォルダ ", {8, 6, 584, 112}),
    Label(T::Kihon, "lblLocalFolder", "指定なし（推奨）は、楓帳を起動したフォルダ", {20, 26, 560, 18}),
    Text(T::Kihon, "edFolder", "", 20, 46, 0),
    Button(T::Kihon, "btnFolderChange", "変更", {20, 80, 80, kRowButtonHeight}),
    Button(T::Kihon, "btnFolderExecute", "変更実行", {106, 80, 90, kRowButtonHeight}),
    Button(T::Kihon, "btnFolderCancel", "キャンセル", {202, 80, 90, kRowButtonHeight}),
    Check(T::Kihon, "cbLocal", "この「楓帳」は単独で使用する", 310, 83, 270, BindTo::LocalMarker),
    Check(T::Kihon, "cbZenkai", "前回と同じ表示から始める", 12, 128),
    Check(T::Kihon, "cbShiyouchuu", "【 起動フォルダ 】ステータスバー表示", 12, 152),
    Check(T::Kihon, "cb24ji", " 時刻の２４時表示", 12, 176),
    Radio(T::Kihon, "HyoujiIchi", "表示位置", {8, 204, 584, 50}, 180, kPlaces),
    Check(T::Kihon, "cbNotMannaka", "スクリーンエリア外の表示を許可する（終了時の位置）", 12, 262),
    Check(T::Kihon, "cbCloseBtn", "[常駐ボタン] を [終了ボタン] にする（※次回起動時より）", 12, 286),

    // " 表示全般 "
    Number(T::HyoujiZenpan, "udYokoC", "表示幅の調整", 12, 10, 170, {-256, 256}),
    Number(T::HyoujiZenpan, "udCalSize", "カレンダーの大きさ：", 12, 42, 170, {0, 1},
           "［0］３行表示　［1］５行表示"),
    Choice(T::HyoujiZenpan, "TabToSp", "Tab間隔", 12, 74, 170, kTabWidths),
    Choice(T::HyoujiZenpan, "TabAdj", "TrueTypeフォントの調整", 12, 106, 170, kTrueTypeAdjust, "％"),
    Hidden(Check(T::HyoujiZenpan, "cbMonthBtn", "原則的に右側のボタンを隠す([Shift]+[Ctrl] で一時表示)", 12, 300)),
    Group(T::HyoujiZenpan, "gbColours", " 文字色 ", {8, 140, 584, 150}),
    Colour(T::HyoujiZenpan, "edtCYotei", "予定欄標準色", 20, 162),
    Colour(T::HyoujiZenpan, "edtCRokuyo", "六曜", 20, 196),
    Colour(T::HyoujiZenpan, "edtCKinenbi", "記念日", 20, 230),
    Colour(T::HyoujiZenpan, "edtCSun", "日曜", 310, 162),
    Colour(T::HyoujiZenpan, "edtCSat", "土曜", 310, 196),
    Colour(T::HyoujiZenpan, "edtCWeekDay", "平日", 310, 230),
    Button(T::HyoujiZenpan, "btnDefaultColours", "規定値に戻す", {310, 258, 130, kRowButtonHeight}),

    // "  暦表示共通 "
    Radio(T::Koyomi, "rgStYoubi", "週の始まり", {8, 6, 584, 50}, 140, kWeekStarts),
    Check(T::Koyomi, "cbEquinox", "春分の日、秋分の日を表示しない", 12, 64),
    Check(T::Koyomi, "cbFurikae", "振替休日を表示しない", 12, 88),
    Check(T::Koyomi, "cbNextDay", "祭日表示を次の日にまで延長", 12, 112),
    Check(T::Koyomi, "cbKOption", "記念日オプションを使う", 12, 136),
    Radio(T::Koyomi, "rbKinenbi", "記念日／六曜", {8, 164, 584, 50}, 140, kNamesOrRokuyo),

    // " 月表示 "
    Check(T::Tuki, "cbNeighborJump", "当月以外の日クリックで隣月移動許可", 12, 6),
    Check(T::Tuki, "cbBold", "日付を太字", 12, 30),
    Check(T::Tuki, "cbUetume", "予定上詰め", 12, 54),
    Check(T::Tuki, "cbToubai", "予定に等倍フォントを使う", 12, 78),
    Check(T::Tuki, "cbNihongo", "予定編集時日本語を常にＯｎにする", 12, 102),
    Check(T::Tuki, "cbTukiMemo", "月メモをＯｎ", 12, 126),
    Check(T::Tuki, "cbTukiMUeTume", "月メモ上詰め", 12, 150),
    Check(T::Tuki, "cbTukiYotei", "月予定を表示する", 12, 174),
    Check(T::Tuki, "cbCursor", "カーソルを表示する", 12, 198),
    Group(T::Tuki, "gbPeriod", " 期間予定 ", {8, 226, 584, 92}),
    Number(T::Tuki, "udKFutosa", "期間予定の線の太さ初期値", 20, 248, 200, {1, 3}),
    Colour(T::Tuki, "edtKColor", "色初期値", 20, 280, 200),

    // " 年表示 "
    Number(T::Nen, "SpHajimariTuki", "特別期間表示：", 12, 10, 120, {1, 12}, "月から"),
    Label(T::Nen, "lblSpecialYear", "年表示で「特別」を選ぶと、この月から１２か月を表示します。", {12, 44, 560, 18}),

    // " 機能 "
    Check(T::Kinou, "cbHotkey", "ホットキーを使用する", 12, 6),
    Check(T::Kinou, "cbToday", "「今日の予定」を使用する(原則的にWindows2000/XP以降)", 12, 30),
    Check(T::Kinou, "cbMemo", "メモを使用する", 12, 54),
    Check(T::Kinou, "visMemoMHide", "メモを起動後、「楓歌」を常駐させる。", 32, 78, 560),
    Check(T::Kinou, "cbJigen", "時限（タイマー）機能を使う", 12, 102),
    Hidden(Choice(T::Kinou, "cbTimerNo", "時刻チェック間隔", 12, 300, 170, kCheckSeconds, "秒")),
    Group(T::Kinou, "gbBackup", " 自動バックアップ ", {8, 130, 584, 78}),
    Choice(T::Kinou, "cbBackKankaku", "自動バックアップ間隔", 20, 150, 160, kBackupDays, "日（0：行わない）"),
    Check(T::Kinou, "cbABackupJ", "常駐処理以外は、自動バックアップを行わない。", 20, 180, 560),
    Group(T::Kinou, "gbRunLog", " 起動記録 ", {8, 216, 584, 106}),
    Check(T::Kinou, "cbKidouKiroku", "起動記録を実行", 20, 236, 560),
    Check(T::Kinou, "cbKirokuHyouji", "前回の終了時刻を起動時に表示する", 20, 260, 560),
    Number(T::Kinou, "udKidouGyou", "", 20, 288, 0, {10, 1000}, "行まで記録[ 10 ～ 1000行 ]"),

    // " 連携 "
    Group(T::Renkei, "gbEditor", " エディタ ", {8, 6, 584, 136}),
    Check(T::Renkei, "cbEditor", "エディタを使う", 20, 26, 560),
    Check(T::Renkei, "cbVelkaJ", "エディタを起動後、「楓帳」を常駐させる。", 20, 50, 560),
    Check(T::Renkei, "cbVelkaM", "「楓帳」の旧メモ(CaMemo.kdf)とリンクする。", 20, 74, 560),
    Text(T::Renkei, "edtEditorFolder", "エディタの場所：", 20, 106, 120),
    Group(T::Renkei, "gbPrint", " 楓プリン ", {8, 152, 584, 112}),
    Check(T::Renkei, "cbPrint", "楓プリンを使う", 20, 172, 560),
    Check(T::Renkei, "cbVelkaP", "楓プリンを起動後、「楓帳」を常駐させる。", 20, 196, 560),
    Text(T::Renkei, "edtPrintFolder", "楓プリンの場所：", 20, 228, 120),

    // " ネット１ "
    Check(T::Net1, "cbNet", "ネットワークデータ共有機能を使用する", 12, 6, 400),
    Label(T::Net1, "lblRights", "", {420, 8, 170, 18}),
    Text(T::Net1, "edtNetFolder", "ネットワーク上のデータフォルダ", 12, 34, 190),
    Check(T::Net1, "cbNetIni", "ネットワークフォルダよりセットアップした時、上記フォルダを優先的にセットする。", 12, 64),
    Check(T::Net1, "cbLNetf", "起動フォルダをネットワークフォルダにする", 12, 88),
    Radio(T::Net1, "rbNetKoushin", " 更新の確認 ", {8, 114, 584, 50}, 160, kNetChecks),
    Group(T::Net1, "gbNetAdmin", " ネット管理 ", {8, 172, 584, 128}),
    Button(T::Net1, "btnLockSearch", "ロック検索", {20, 192, 170, kRowButtonHeight}),
    Button(T::Net1, "btnUnlockAll", "すべてのロックを解除", {200, 192, 190, kRowButtonHeight}),
    Button(T::Net1, "btnSetRights", "管理者権限設定", {400, 192, 180, kRowButtonHeight}),
    Button(T::Net1, "btnCreateFolder", "初期データフォルダ作成", {20, 226, 170, kRowButtonHeight}),
    Button(T::Net1, "btnRedesignate", "管理コンピュータ再指定", {200, 226, 190, kRowButtonHeight}),
    Button(T::Net1, "btnNetBackup", "ネットデータバックアップ＆リストア", {20, 260, 260, kRowButtonHeight}),

    // " メモ "
    Group(T::Memo, "gbJump", " ジャンプボタン ", {8, 6, 584, 118}),
    Number(T::Memo, "vCLine1", "ジャンプした行の上に残す行数", 20, 28, 250, {0, 50}, "行", BindTo::Memo),
    Number(T::Memo, "vCLine2", "［Shift］＋ジャンプで、下に残す行数", 20, 60, 250, {0, 50}, "行", BindTo::Memo),
    Check(T::Memo, "vJHanten", "動作を反転", 20, 92, 560, BindTo::Memo),
    Number(T::Memo, "vMenuCount", "メニュー表示数", 12, 136, 120, {0, 30}, "個", BindTo::Memo),
    Check(T::Memo, "visMemoMHide", "メモを起動後、「楓歌」を常駐させる。", 12, 170),
};

constexpr std::array<OptionsTabInfo, 9> kTabs = {{
    {T::Kihon, " 基本 "},
    {T::HyoujiZenpan, " 表示全般 "},
    {T::Koyomi, "  暦表示共通 "},
    {T::Tuki, " 月表示 "},
    {T::Nen, " 年表示 "},
    {T::Kinou, " 機能 "},
    {T::Renkei, " 連携 "},
    {T::Net1, " ネット１ "},
    {T::Memo, " メモ "},
}};

}  // namespace

std::vector<OptionsTabInfo> VisibleTabs(OptionsMode mode) {
  std::vector<OptionsTabInfo> tabs;
  for (const auto& t : kTabs)
    if (t.tab != T::Memo || mode == OptionsMode::Memo) tabs.push_back(t);
  return tabs;
}

OptionsTab FirstTab(OptionsMode mode) { return mode == OptionsMode::Memo ? T::Memo : T::Kihon; }

const OptionsWindowGeometry& OptionsGeometry() { return kGeometry; }

std::span<const OptionControl> OptionControls() { return kControls; }

int ControlId(std::size_t index, int part) {
  return kFirstControlId + static_cast<int>(index) * kIdsPerControl + part;
}

bool ControlOfId(int id, std::size_t& index, int& part) {
  if (id < kFirstControlId) return false;
  index = static_cast<std::size_t>((id - kFirstControlId) / kIdsPerControl);
  part = (id - kFirstControlId) % kIdsPerControl;
  return index < std::size(kControls);
}

const OptionControl* FindControl(std::string_view name) {
  for (const auto& c : kControls)
    if (c.name == name) return &c;
  return nullptr;
}

std::size_t IndexOf(const OptionControl& control) {
  return static_cast<std::size_t>(&control - kControls);
}

int IdOf(std::string_view name, int part) {
  const OptionControl* c = FindControl(name);
  return c ? ControlId(IndexOf(*c), part) : -1;
}

ControlParts PartsOf(const OptionControl& c) {
  ControlParts p;
  const OptionsPlace& r = c.place;
  const int fieldX = r.x + (c.labelWidth ? c.labelWidth + kGap : 0);
  p.caption = {r.x, r.y + 3, c.labelWidth, r.height - 3};
  switch (c.kind) {
    case ControlKind::Number:
      p.field = {fieldX, r.y, c.fieldWidth - kUpDownWidth, r.height};
      p.upDown = {fieldX + c.fieldWidth - kUpDownWidth, r.y, kUpDownWidth, r.height};
      break;
    case ControlKind::Choice:
      p.field = {fieldX, r.y, c.fieldWidth, r.height};
      break;
    case ControlKind::Text:
      p.field = {fieldX, r.y, r.right() - fieldX, r.height};
      break;
    case ControlKind::Colour:
      p.field = {fieldX, r.y + 2, c.fieldWidth, r.height - 4};
      p.change = {fieldX + c.fieldWidth + kGap, r.y, kChangeWidth, r.height};
      break;
    case ControlKind::Radio:
      for (std::size_t i = 0; i < c.items.size(); ++i)
        p.items.push_back({r.x + kRadioIndent + static_cast<int>(i) * c.labelWidth, r.y + kRadioTop,
                           c.labelWidth - kGap, kCheckHeight});
      p.field = r;
      break;
    default:
      p.field = r;
  }
  const int afterField = (c.kind == ControlKind::Colour ? p.change.right() : fieldX + c.fieldWidth) + kGap;
  p.suffix = {afterField, r.y + 3, r.right() - afterField, r.height - 3};
  return p;
}

}  // namespace settings
