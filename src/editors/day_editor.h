#pragma once
// The day editor's decisions, apart from its window: what it is given and
// hands back, how the line attributes follow the text, the colour commands
// with their check marks, what a key does, the close decision, the period
// page's date rules, and the texts of its header.
#include <optional>
#include <string>
#include <vector>

#include "calendar/day_classifier.h"
#include "editors/rec_list.h"
#include "editors/text_change.h"
#include "store/period_item.h"
#include "store/schedule_item.h"

namespace editors {

using store::Color;

// The grid's colour for entries without a colour of their own.
inline constexpr Color kDefaultEntryColor = 0x484848;

enum class DayEditorMode { Day = 0, Period = 1, SpecialDay = 2 };

// ---- What the main window hands in and gets back ----------------------

struct DayEditorSettings {
  int tabWidth = 2;                       // the grid's TabMojiSuu
  bool japaneseInput = true;              // cbNihongo: input method open on show
  Color defaultEntryColor = kDefaultEntryColor;
  Color specialDayColor = 0x008000;       // the names strip: special days
  Color holidayColor = 0x0000FF;          // and holidays
};

// One day: its entries as LinesOfDay gives them and the day's names.
struct DayRequest {
  int year = 0;
  int month = 0;
  int day = 0;
  std::vector<store::DayEntry> entries;
  std::vector<calendar::DayName> names;
  // The entries hold what was typed and not yet written (its write was
  // refused): closing writes them even when nothing more is typed.
  bool unwritten = false;
};

// The month memo (day 77) of a month.
struct MonthMemoRequest {
  int year = 0;
  int month = 0;
  std::vector<store::DayEntry> entries;
  bool unwritten = false;  // as for a day
};

struct DayResult {
  bool writeBack = false;  // hand `entries` to ReplaceDay
  bool cancelled = false;
  bool clearSelectedPeriod = false;
  std::vector<store::DayEntry> entries;
};

// The period page, its texts as the user sees them.
struct PeriodPage {
  bool isNew = true;  // "追加"; else "修正"
  store::PeriodDate start;
  store::DayPart startPart = store::DayPart::Morning;
  store::PeriodDate end;
  store::DayPart endPart = store::DayPart::Evening;
  store::PeriodDate summary;  // "摘要を書込む日"
  std::string text;           // "," for the user's commas
  int thickness = 1;          // 1..3
  Color color = 0xFF0000;

  bool operator==(const PeriodPage&) const = default;
};

struct PeriodResult {
  bool writeBack = false;
  bool cancelled = false;
  bool clearSelectedPeriod = false;
  PeriodPage page;
};

// The special day of a date: the name and the first and last display year
// as typed (either may be empty).
struct SpecialDayPage {
  std::string name;
  std::string fromYear;
  std::string toYear;

  bool operator==(const SpecialDayPage&) const = default;
};

struct SpecialDayResult {
  bool writeBack = false;
  SpecialDayPage page;
};

// ---- Period page ------------------------------------------------------

// The page for an existing item ("修正") or a new one ("追加", from
// store::NewPeriodItem): the text shown with its digit comma, the colour of
// field 12 when longer than 2 characters, else `defaultEntryColor`.
PeriodPage PeriodPageOf(const store::PeriodItem& item, bool isNew, Color defaultEntryColor,
                        Color unreadableColor);
// The item to store; the caller checks the dates (store::ConfirmPeriodDates).
store::PeriodItem PeriodItemOf(const PeriodPage& page, const std::string& author);

// A summary date before the start or after the end (compared as
// "%.4d/%.2d/%.2d" texts) moves to the day halfway between them.
void CorrectSummaryDate(PeriodPage& page);

// The up-downs of a date: day 1..31 and month 1..12 wrap and carry into the
// next larger field; the year stays within 0..9999.
enum class DateField { Year, Month, Day };
store::PeriodDate StepDate(store::PeriodDate date, DateField field, int delta);

// ---- Line attributes and colours --------------------------------------

// Where the selection and the caret lie, in editor rows and columns.
struct EditorSelection {
  bool exists = false;
  int startRow = 0;
  int endRow = 0;
  int endColumn = 0;
  int caretRow = 0;
};

enum class ColorCommand { Red, Blue, Pink, Teal, Brown, Dialog, Standard };
inline constexpr ColorCommand kColorCommands[] = {
    ColorCommand::Red,   ColorCommand::Blue,   ColorCommand::Pink,    ColorCommand::Teal,
    ColorCommand::Brown, ColorCommand::Dialog, ColorCommand::Standard};
// The colour of a fixed command; the default colour for "標準色".
Color CommandColor(ColorCommand command);

// The attributes of the day page, one per editor line.
class DayLines {
 public:
  explicit DayLines(TRecList::Report report = {}) : attrs_(std::move(report)) {}

  // The editor's lines for the entries; one empty line with the default
  // record when there are none or only one empty one.
  std::vector<std::string> Load(const std::vector<store::DayEntry>& entries);
  // After the user changed the text from `before`: false (the list
  // unchanged) when the change does not fit the list.
  bool Follow(const std::string& before, const TextChange& change);
  // The rows a colour command colours.
  static std::pair<int, int> ColoredRows(const EditorSelection& selection);
  // Applies the command; a fixed command on the caret row that already has
  // its colour toggles back to the default colour.
  void ApplyColor(ColorCommand command, Color color, const EditorSelection& selection);
  // The colour item carrying the check mark, if any.
  std::optional<ColorCommand> CheckedColor(const EditorSelection& selection) const;
  // The line's colour for drawing: the default beyond the list.
  Color LineColor(int row) const;
  // The lines paired with their attributes, for ReplaceDay.
  std::vector<store::DayEntry> Entries(const std::vector<std::string>& lines) const;

  TRecList& Attrs() { return attrs_; }
  const TRecList& Attrs() const { return attrs_; }

 private:
  TRecList attrs_;
};

// "行属性の整合性が、あっておりません。…" when lines and records differ.
std::optional<std::string> ConsistencyMessage(int lineCount, const TRecList& attrs);

// ---- Keys -------------------------------------------------------------

struct KeyStroke {
  unsigned key = 0;  // Windows virtual-key code
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
  bool inEditor = false;  // the day page's text has the focus
  bool monthMemo = false;  // the colour commands are off
};

enum class KeyCommand {
  None,          // the control handles the key itself
  Swallow,       // nobody does (the control's rich-text shortcuts)
  WriteClose, AskCancel,
  CopyCollapse, Copy, Cut, Paste, SelectAll, Undo, Redo,
  InsertNow, ShowInsertMenu, ShowColorMenu,
  ColorRed, ColorBlue, ColorPink, ColorTeal, ColorBrown, ColorDialog, ColorStandard,
};

KeyCommand DecideKey(const KeyStroke& key);
std::optional<ColorCommand> ColorOfKeyCommand(KeyCommand command);

// ---- Closing ----------------------------------------------------------

struct CloseState {
  DayEditorMode mode = DayEditorMode::Day;
  bool cancelled = false;
  bool editorModified = false;
  bool specialDayChanged = false;  // the name was modified or a year changed
};
struct CloseDecision {
  bool writeBack = false;
  bool clearSelectedPeriod = false;
};
CloseDecision DecideClose(const CloseState& state);

// ---- Header texts -----------------------------------------------------

std::string DateLabel(int year, int month, int day);  // "2004. 3. 5"
std::string WeekdayLabel(int weekday);                // "（ 金曜日 ）"; 1 = Sunday
enum class WeekdayTone { Normal, Sunday, Saturday };
WeekdayTone ToneOfWeekday(int weekday);
std::string MonthMemoCaption(int year, int month);    // "２００４年３月メモ"
std::string TimeStamp(int hour, int minute);          // "09:05"

// The names strip: special-day names first, each followed by "，" before
// another special day or a blank before a holiday, then the holidays.
struct NamePiece {
  std::string text;
  bool special = false;

  bool operator==(const NamePiece&) const = default;
};
std::vector<NamePiece> NameStripPieces(const std::vector<calendar::DayName>& names);
// Left edge of the names, centred and one blank to the left; never
// left of the strip.
int NameStripStart(int stripWidth, int namesWidth, int blankWidth);

// ---- Window placement -------------------------------------------------

struct Bounds {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  bool operator==(const Bounds&) const = default;
};
// Moved (not resized) so that it lies inside the work area; a window larger
// than the area keeps its top-left corner at the area's.
Bounds FitIntoWorkArea(Bounds window, Bounds workArea);

// The settings file keeps a window's left and top in screen pixels (they
// name a place on the desktop, whatever the DPI of the monitor there) and
// its width and height at 96 DPI (they keep the window's look on every
// screen; files written before the program scaled hold exactly these).
// Between the kept bounds and the screen's, at the window's DPI:
Bounds BoundsOnScreen(const Bounds& kept, int dpi);
Bounds BoundsToKeep(const Bounds& onScreen, int dpi);

}  // namespace editors
