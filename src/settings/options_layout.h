#pragma once
// The options window as a table: its tabs, and one row per control with
// its name (the settings key it backs, or the button's name), its caption,
// its 96-DPI place on the tab's page, its range or list items. The Win32
// window builds itself from these rows and scales every size by its DPI;
// nothing else in the window holds a pixel size.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/layout_place.h"

namespace settings {

// Every tab the window knows, in the order they are shown.
enum class OptionsTab { Kihon, HyoujiZenpan, Koyomi, Tuki, Nen, Kinou, Renkei, Net1, Memo };

enum class OptionsMode { Main = 0, Memo = 1 };

struct OptionsTabInfo {
  OptionsTab tab;
  std::string_view caption;
};
// The tabs shown in a mode: " メモ " only in memo mode. The window's
// never-shown tabs are not made at all.
std::vector<OptionsTabInfo> VisibleTabs(OptionsMode mode);
// The tab the window opens on.
OptionsTab FirstTab(OptionsMode mode);

// A place in 96-DPI pixels on a tab's page (or on the window for the
// window's own parts).
using OptionsPlace = Place;

// The window's own parts, 96 DPI.
struct OptionsWindowGeometry {
  int clientWidth;
  int clientHeight;
  OptionsPlace tabs;   // the tab control's strip
  OptionsPlace frame;  // the frame round the page, in the window's colour
  OptionsPlace page;  // where a tab's controls go; their places count from here
  OptionsPlace okButton;
  OptionsPlace cancelButton;
  int fontHeight;      // of the window's UI font
  int dropDownHeight;  // a list's dropped-down part, below its box
};
const OptionsWindowGeometry& OptionsGeometry();

enum class ControlKind {
  Check,   // check box
  Radio,   // group box with its items in a row
  Number,  // caption, edit box with an up-down, optional suffix
  Choice,  // caption, drop-down list, optional suffix
  Text,    // caption, edit box
  Colour,  // caption, colour swatch and its "変更" button
  Label,
  Group,
  Button,
};

// Where a control's value lives.
enum class BindTo {
  None,         // labels, group boxes, buttons
  Settings,     // a key of Settings (settings.h), by the key's name
  Memo,         // a key of MemoWindowKeys (the memo page)
  LocalMarker,  // cbLocal: "localfol.kdf" in the program folder
};

struct NumberRange {
  int min = 0;
  int max = 0;
};

// A list item or radio item: what it shows and the value it stands for, in
// the key's file form.
struct ChoiceItem {
  std::string_view caption;
  std::string_view value;
};

struct OptionControl {
  OptionsTab tab;
  ControlKind kind;
  std::string_view name;  // the key it backs, or the control's own name
  std::string_view caption;
  OptionsPlace place;     // the whole row
  int labelWidth = 0;     // caption part (Number, Choice, Text, Colour); radio item width
  int fieldWidth = 0;     // edit box, list or swatch (Number, Choice, Colour)
  std::string_view suffix = {};
  NumberRange range = {};
  std::span<const ChoiceItem> items = {};
  BindTo bind = BindTo::None;
  bool hidden = false;    // made but never shown in this edition
};

// Every control of every tab. A control's Win32 ids are ControlId(index)
// and the ids after it (ControlPart).
std::span<const OptionControl> OptionControls();

// The ids of one control's parts: the control itself, its up-down, its
// caption, its suffix, its "変更" button, radio item i at kItem + i.
enum ControlPart : int { kMain = 0, kUpDown = 1, kCaption = 2, kSuffix = 3, kChange = 4, kItem = 5 };
inline constexpr int kFirstControlId = 1000;
inline constexpr int kIdsPerControl = 10;
int ControlId(std::size_t index, int part = kMain);
// The row an id belongs to, and which part of it; false when none.
bool ControlOfId(int id, std::size_t& index, int& part);
// The row of a name ("cbHotkey", "btnLockKensaku"); nullptr when none.
const OptionControl* FindControl(std::string_view name);
std::size_t IndexOf(const OptionControl& control);
// The id of a named control's part; -1 when there is no such control.
int IdOf(std::string_view name, int part = kMain);

// The places of a row's parts, in page coordinates.
struct ControlParts {
  OptionsPlace caption;
  OptionsPlace field;   // edit, list, swatch, check box, button, label, group
  OptionsPlace upDown;  // Number
  OptionsPlace change;  // Colour: its "変更" button
  OptionsPlace suffix;
  std::vector<OptionsPlace> items;  // Radio
};
ControlParts PartsOf(const OptionControl& control);

}  // namespace settings
