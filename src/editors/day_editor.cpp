#include "editors/day_editor.h"

#include <algorithm>
#include <cstdio>

#include "calendar/julius.h"
#include "platform/dpi.h"
#include "support/text.h"

namespace editors {
namespace {

using store::PeriodDate;

std::optional<calendar::DayNumber> DayNumberOf(const PeriodDate& d) {
  try {
    return calendar::DateToJulius(d.year, d.month, d.day);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

PeriodDate DateOf(calendar::DayNumber n) {
  calendar::Date d = calendar::JuliusToDate(n);
  return {d.year, d.month, d.day};
}

// Steps one field in [low, high]; returns the carry (-1, 0 or +1).
int Wrap(int& value, int delta, int low, int high) {
  value += delta;
  if (value > high) {
    value = low;
    return 1;
  }
  if (value < low) {
    value = high;
    return -1;
  }
  return 0;
}

}  // namespace

// ---- Period page ------------------------------------------------------

PeriodPage PeriodPageOf(const store::PeriodItem& item, bool isNew, Color defaultEntryColor,
                        Color unreadableColor) {
  PeriodPage page;
  page.isNew = isNew;
  page.start = item.start;
  page.startPart = item.startPart;
  page.end = item.end;
  page.endPart = item.endPart;
  page.summary = item.summary;
  page.text = store::DigitCommaToShown(item.text);
  page.thickness = std::clamp(item.thickness, 1, 3);
  page.color = store::PeriodColor(item, defaultEntryColor, unreadableColor);
  return page;
}

store::PeriodItem PeriodItemOf(const PeriodPage& page, const std::string& author) {
  store::PeriodItem item;
  item.start = page.start;
  item.startPart = page.startPart;
  item.end = page.end;
  item.endPart = page.endPart;
  item.summary = page.summary;
  item.thickness = page.thickness;
  item.colorText = store::ColorToText(page.color);
  item.text = store::CommasToStored(page.text);
  item.author = author;
  return item;
}

void CorrectSummaryDate(PeriodPage& page) {
  std::string summary = store::PeriodDateText(page.summary);
  if (summary >= store::PeriodDateText(page.start) && summary <= store::PeriodDateText(page.end))
    return;
  auto start = DayNumberOf(page.start);
  auto end = DayNumberOf(page.end);
  if (!start || !end) return;  // the date check on writing reports them
  // Day numbers are positive here, so the halving truncates like Trunc.
  page.summary = DateOf(static_cast<calendar::DayNumber>((std::int64_t{*start} + *end) / 2));
}

PeriodDate StepDate(PeriodDate date, DateField field, int delta) {
  int carry = delta;
  if (field == DateField::Day) {
    carry = Wrap(date.day, carry, 1, 31);
    if (carry == 0) return date;
  }
  if (field != DateField::Year) {
    carry = Wrap(date.month, carry, 1, 12);
    if (carry == 0) return date;
  }
  date.year = std::clamp(date.year + carry, 0, 9999);
  return date;
}

// ---- Line attributes and colours --------------------------------------

Color CommandColor(ColorCommand command) {
  switch (command) {
    case ColorCommand::Red: return 0x0000FF;
    case ColorCommand::Blue: return 0xFF0000;
    case ColorCommand::Pink: return 0xFF00FF;
    case ColorCommand::Teal: return 0x808000;
    case ColorCommand::Brown: return 0x000080;
    case ColorCommand::Dialog:
    case ColorCommand::Standard: break;
  }
  return kDefaultLineAttr.color;
}

std::vector<std::string> DayLines::Load(const std::vector<store::DayEntry>& entries) {
  std::vector<std::string> lines;
  attrs_.Clear();
  for (const auto& entry : entries) {
    lines.push_back(entry.text);
    attrs_.Add(entry.attributes);
  }
  // A lone empty line starts afresh, whatever was stored with it.
  if (lines.size() == 1 && lines[0].empty()) attrs_.Put(0, kDefaultLineAttr);
  if (lines.empty()) {
    lines.emplace_back();
    attrs_.Add(kDefaultLineAttr);
  }
  return lines;
}

bool DayLines::Follow(const std::string& before, const TextChange& change) {
  return FollowEdit(attrs_, LineEditOf(before, change));
}

std::pair<int, int> DayLines::ColoredRows(const EditorSelection& s) {
  if (!s.exists) return {s.caretRow, s.caretRow};
  // A selection that ends at the start of a line does not colour that line.
  int last = (s.endColumn == 0 && s.endRow > s.startRow) ? s.endRow - 1 : s.endRow;
  return {s.startRow, last};
}

void DayLines::ApplyColor(ColorCommand command, Color color, const EditorSelection& selection) {
  auto [first, last] = ColoredRows(selection);
  bool toggles = !selection.exists && command != ColorCommand::Dialog;
  if (toggles && first < attrs_.Count() && attrs_.Get(first).color == color)
    color = kDefaultLineAttr.color;
  for (int row = std::max(first, 0); row <= last && row < attrs_.Count(); ++row) {
    LineAttr attr = attrs_.Get(row);
    attr.color = color;
    attrs_.Put(row, attr);
  }
}

std::optional<ColorCommand> DayLines::CheckedColor(const EditorSelection& selection) const {
  auto [first, last] = ColoredRows(selection);
  if (first != last || first < 0 || first >= attrs_.Count()) return std::nullopt;
  Color color = attrs_.Get(first).color;
  if (color == kDefaultLineAttr.color) return ColorCommand::Standard;
  for (ColorCommand c : kColorCommands)
    if (c != ColorCommand::Dialog && c != ColorCommand::Standard && CommandColor(c) == color)
      return c;
  return std::nullopt;
}

Color DayLines::LineColor(int row) const {
  if (row < 0 || row >= attrs_.Count()) return kDefaultLineAttr.color;
  return attrs_.Items()[static_cast<size_t>(row)].color;
}

std::vector<store::DayEntry> DayLines::Entries(const std::vector<std::string>& lines) const {
  std::vector<store::DayEntry> entries;
  for (size_t i = 0; i < lines.size(); ++i) {
    LineAttr attr = i < attrs_.Items().size() ? attrs_.Items()[i] : kDefaultLineAttr;
    entries.push_back({lines[i], attr});
  }
  return entries;
}

std::optional<std::string> ConsistencyMessage(int lineCount, const TRecList& attrs) {
  if (lineCount == attrs.Count()) return std::nullopt;
  return "行属性の整合性が、あっておりません。\r\n"
         "申し訳ございませんが、この修正をキャンセルしてください。";
}

// ---- Keys -------------------------------------------------------------

namespace {

constexpr unsigned kVkReturn = 0x0D, kVkEscape = 0x1B, kVkInsert = 0x2D, kVkDelete = 0x2E,
                   kVkF9 = 0x78;

struct Shortcut {
  unsigned key;
  bool alt;
  KeyCommand command;
};

// Ctrl with a letter in the editor: the popup menu's shortcuts.
constexpr Shortcut kCtrlShortcuts[] = {
    {'I', false, KeyCommand::ShowInsertMenu}, {'N', false, KeyCommand::InsertNow},
    {'R', false, KeyCommand::ColorRed},       {'B', false, KeyCommand::ColorBlue},
    {'F', false, KeyCommand::ColorPink},      {'G', false, KeyCommand::ColorTeal},
    {'H', false, KeyCommand::ColorBrown},     {'L', false, KeyCommand::ColorDialog},
    {'O', false, KeyCommand::ColorStandard},  {'Z', false, KeyCommand::Undo},
    {'Z', true, KeyCommand::Redo},            {'Y', false, KeyCommand::Redo},
    {'X', false, KeyCommand::Cut},            {'C', false, KeyCommand::Copy},
    {'V', false, KeyCommand::Paste},          {'A', false, KeyCommand::SelectAll},
};

bool IsColorCommand(KeyCommand c) {
  return c == KeyCommand::ShowColorMenu || ColorOfKeyCommand(c).has_value();
}

// Letters, digits and punctuation with Ctrl would reach the control's
// rich-text shortcuts (bold, alignment, line spacing): the text stays plain.
bool IsCharacterKey(unsigned key) {
  return (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z') || (key >= 0xBA && key <= 0xE2);
}

KeyCommand EditorKey(const KeyStroke& k) {
  if (k.ctrl && !k.shift && k.key == kVkInsert) return KeyCommand::CopyCollapse;
  if (k.shift && !k.ctrl && k.key == kVkInsert) return KeyCommand::Paste;
  if (k.shift && !k.ctrl && k.key == kVkDelete) return KeyCommand::Cut;
  if (!k.ctrl && !k.alt && !k.shift && k.key == kVkF9) return KeyCommand::ShowColorMenu;
  if (!k.ctrl) return KeyCommand::None;
  for (const auto& s : kCtrlShortcuts)
    if (s.key == k.key && s.alt == k.alt && !k.shift) return s.command;
  return IsCharacterKey(k.key) ? KeyCommand::Swallow : KeyCommand::None;
}

}  // namespace

KeyCommand DecideKey(const KeyStroke& k) {
  if (k.key == kVkReturn && k.ctrl && !k.alt) return KeyCommand::WriteClose;
  if (k.key == kVkEscape && !k.ctrl && !k.alt && !k.shift) return KeyCommand::AskCancel;
  if (!k.inEditor) return KeyCommand::None;
  KeyCommand command = EditorKey(k);
  if (k.monthMemo && IsColorCommand(command)) return KeyCommand::Swallow;
  return command;
}

std::optional<ColorCommand> ColorOfKeyCommand(KeyCommand command) {
  switch (command) {
    case KeyCommand::ColorRed: return ColorCommand::Red;
    case KeyCommand::ColorBlue: return ColorCommand::Blue;
    case KeyCommand::ColorPink: return ColorCommand::Pink;
    case KeyCommand::ColorTeal: return ColorCommand::Teal;
    case KeyCommand::ColorBrown: return ColorCommand::Brown;
    case KeyCommand::ColorDialog: return ColorCommand::Dialog;
    case KeyCommand::ColorStandard: return ColorCommand::Standard;
    default: return std::nullopt;
  }
}

// ---- Closing ----------------------------------------------------------

CloseDecision DecideClose(const CloseState& s) {
  if (s.mode == DayEditorMode::SpecialDay) return {s.specialDayChanged && !s.cancelled, false};
  if (s.cancelled || (!s.editorModified && s.mode != DayEditorMode::Period)) return {false, true};
  return {true, false};  // a period page closed without cancelling always writes
}

// ---- Header texts -----------------------------------------------------

std::string DateLabel(int year, int month, int day) {
  char text[48];
  std::snprintf(text, sizeof text, "%4d.%2d.%2d", year, month, day);
  return text;
}

std::string WeekdayLabel(int weekday) {
  return "（ " + support::WeekdayShort(weekday) + "曜日 ）";
}

WeekdayTone ToneOfWeekday(int weekday) {
  if (weekday == 1) return WeekdayTone::Sunday;
  if (weekday == 7) return WeekdayTone::Saturday;
  return WeekdayTone::Normal;
}

std::string MonthMemoCaption(int year, int month) {
  return support::ToFullWidthDigits(std::to_string(year)) + "年" +
         support::ToFullWidthDigits(std::to_string(month)) + "月メモ";
}

std::string TimeStamp(int hour, int minute) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
  return text;
}

std::vector<NamePiece> NameStripPieces(const std::vector<calendar::DayName>& names) {
  std::vector<NamePiece> pieces;
  for (size_t i = 0; i < names.size(); ++i) {
    std::string text = support::ReplaceAll(names[i].text, "　", " ");
    text = support::ReplaceAll(text, "，", ",");
    if (names[i].special && i + 1 < names.size()) text += names[i + 1].special ? "，" : " ";
    pieces.push_back({text, names[i].special});
  }
  return pieces;
}

int NameStripStart(int stripWidth, int namesWidth, int blankWidth) {
  // Trunc of the half: toward zero, as the division of ints does.
  return std::max(0, (stripWidth - namesWidth) / 2 - blankWidth);
}

// ---- Window placement -------------------------------------------------

Bounds BoundsOnScreen(const Bounds& kept, int dpi) {
  return {kept.left, kept.top, platform::ScaleToDpi(kept.width, dpi), platform::ScaleToDpi(kept.height, dpi)};
}

Bounds BoundsToKeep(const Bounds& onScreen, int dpi) {
  return {onScreen.left, onScreen.top, platform::ScaleFromDpi(onScreen.width, dpi),
          platform::ScaleFromDpi(onScreen.height, dpi)};
}

Bounds FitIntoWorkArea(Bounds w, Bounds area) {
  w.left = std::min(w.left, area.left + area.width - w.width);
  w.top = std::min(w.top, area.top + area.height - w.height);
  w.left = std::max(w.left, area.left);
  w.top = std::max(w.top, area.top);
  return w;
}

}  // namespace editors
