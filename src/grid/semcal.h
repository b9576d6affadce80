#pragma once
// TSeMCal, the month schedule grid: seven columns of fixed-size day cells,
// six week rows under the weekday row. Each cell shows its day number, the
// day's names or rokuyo and up to `ItemGyo` lines, each line slot holding
// one schedule entry or one period bar. This class keeps the month data it
// is handed, lays out the slot table, paints through a Canvas
// (semcal_paint.cpp), answers mouse positions and turns a mouse-down into
// the selected day or a move to a neighbour month.
#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "grid/custom_calendar.h"
#include "grid/period_index.h"
#include "platform/services.h"
#include "store/month_file.h"
#include "store/period_item.h"

namespace grid {

inline constexpr int kWeekRows = 6;
inline constexpr int kCellCount = 42;
inline constexpr int kSlotsPerCell = 10;
inline constexpr int kMaxItemGyo = kSlotsPerCell - 1;
inline constexpr int kMonthRecords = 5;
inline constexpr int kMonthMemoDay = 77;

inline constexpr Colour kDefaultEntryColour = 0x484848;
inline constexpr Colour kSelectionColour = 0xFFFFB9;
inline constexpr Colour kClickedDayColour = 0xBBFDF8;
inline constexpr Colour kTodayColour = 0xD0FFD5;
inline constexpr Colour kSelectedBarColour = 0xFF00FF;
inline constexpr Colour kCellLineColour = 0xC0C0C0;
inline constexpr Colour kDefaultPeriodColour = 0xFF0000;  // clBlue

// The published properties of the grid with the grid's own defaults (the
// main window sets its values when it creates the grid). Sizes in pixels.
struct SeMCalProps {
  bool isFontBold = false;
  bool SelfSize = false;       // stored only
  int ItemGyo = 5;             // entry lines per cell, 1..9
  bool UeTume = false;         // entries packed to the top (off: bottom)
  bool TukiMemo = false;       // the month memo in the last row
  bool TukiMUeTume = true;     // month memo lines packed to the top
  std::string EntryFace;       // the entries' typeface; empty: the weekday row's
  bool SkipUpDate = false;     // while on, changes do not re-render
  bool SkipUpDate2 = false;
  int LenYoubiH = 24;          // weekday row height
  int LenFontYoubiH = 16;
  int LenDayH = 95;            // day cell height
  int LenDayW = 128;           // day cell width
  int LenHidukeH = 23;         // date band at the top of a cell
  int LenHidukeW = 28;         // room for the day number
  int LenYoteiH = 17;          // stored only
  int LenYohaku = 4;           // gap after the day number
  int LenFontHidukeH = 18;
  int LenFontNeighbH = 16;
  int LenFontKinenbH = 12;     // names and rokuyo, shown month
  int LenFontKinenbNH = 11;    // the same, neighbour months
  int LenTopItem = 2;          // gap between date band and first line
  int LenFontYoteiH = 16;      // entry lines
  int LenBottomItem = 2;       // used by the main window to size the grid
  int LenGyokan = 2;           // gap between lines
  int LenItemLeftM = 8;        // left margin of entry lines
  int LenKinenC = 3;           // lift of the names, shown month
  int LenKinenNC = 1;          // the same, neighbour months
  int TabMojiSuu = 2;          // tab width in characters
  int TabChousei = 150;        // tab adjustment in percent
  bool NameOverhang = false;   // names may run 9 pixels into the next cell
  Colour DefaultPeriodColor = kDefaultPeriodColour;
  Colour DefaultEntryColor = kDefaultEntryColour;  // entries without a colour of their own

  bool operator==(const SeMCalProps&) const = default;
};

// One line slot of a cell.
struct Slot {
  char tag = 0;    // 0 free, 'F' period bar, '0'..'4' entry of that month record
  int index = -1;  // line index in the period list or the month record
  // An entry that follows an open <H> of an entry the layout left out:
  // painting starts from the same state, so it shows what the layout saw.
  bool hiddenBefore = false;

  bool Free() const { return tag == 0; }
  bool IsPeriod() const { return tag == 'F'; }
  bool IsEntry() const { return tag >= '0' && tag <= '4'; }
  int Record() const { return tag - '0'; }
  bool operator==(const Slot&) const = default;
};
// Slots 0..ItemGyo-1 are drawn; slot ItemGyo is the overflow slot.
using CellSlots = std::array<Slot, kSlotsPerCell>;
using SlotTable = std::array<CellSlots, kCellCount>;

struct HitResult {
  int column = 0;  // 0..6 inside the grid
  int third = 1;   // 1 morning, 2 noon, 3 evening
  int row = 0;     // 0 weekday row, 1..6 week rows
  int line = 0;    // 0 weekday row; ItemGyo + 1 the date band; n: slot n - 1

  int Cell() const { return (row - 1) * 7 + column; }
  bool operator==(const HitResult&) const = default;
};

// What a cell holds, for printing.
struct CellContents {
  int month = 0;
  int day = 0;
  std::string names;         // all names as comma text
  std::string holidayNames;  // holiday rules, equinox, substitute holiday
  std::string specialNames;
  std::vector<std::string> entries;  // the first five drawn entries
};

class TSeMCal : public TCustomCalendarEx {
 public:
  // `os`, when given, reads the holiday and special-day files and asks the
  // questions; without it those do nothing.
  explicit TSeMCal(DayNumber today, platform::Services* os = nullptr);

  const SeMCalProps& GridProps() const { return grid_; }
  // Stores; re-renders unless only stored-only values changed or updates
  // are suspended.
  void SetProps(const SeMCalProps& props);
  using TCustomCalendarEx::Set;
  template <class T>
  void Set(T SeMCalProps::*field, std::type_identity_t<T> value) {
    SeMCalProps changed = grid_;
    changed.*field = value;
    SetProps(changed);
  }
  const std::string& DataKyoFile() const { return dataKyoFile_; }
  // A different folder loads its "Sday.kdf" into SpecialDayList.
  void SetDataKyoFile(const std::string& folder);

  // The properties as drawn: GridProps() holds the 96-DPI values (the
  // display modes' and the settings' numbers), Metrics() the same at the
  // grid's DPI. Layout, painting and hit test use Metrics().
  const SeMCalProps& Metrics() const { return metrics_; }
  // Every size of `props96` at `dpi`. The line step and the date band with
  // the gap under it are scaled whole, so rounding is not added up once
  // per line; the cell grows by whatever rounding still added to its
  // content, so what fitted a cell at 96 DPI fits it at every DPI.
  static SeMCalProps ScaledProps(const SeMCalProps& props96, int dpi);
  // The cells and the weekday row at the grid's DPI: the client size the
  // window needs (the main window adds its frame).
  Size GridSize() const;

  // Derived metrics, at the grid's DPI.
  int LineStep() const { return metrics_.LenFontYoteiH + metrics_.LenGyokan; }
  int ItemsTop() const { return metrics_.LenHidukeH + metrics_.LenTopItem; }
  int ColumnThird() const { return metrics_.LenDayW / 3 + 1; }
  void RecalcMetrics() { Rebuild(); }

  // The month window: record 1 is the shown month at each load, 0 the month
  // before, 2..4 the months after. The grid reads the main window's lists.
  void SetMonthRecord(int index, const store::MonthSlot* month);
  const store::MonthSlot* MonthRecord(int index) const;
  int CurrentMonthIndex() const { return currentMonthIndex_; }
  void SetCurrentMonthIndex(int index);
  DayNumber WindowFirstDay() const { return windowFirstDay_; }
  DayNumber WindowLastDay() const { return windowLastDay_; }
  void SetWindowDays(DayNumber first, DayNumber last);
  // The period list (the main window's); DeletePeriodItem edits it.
  void SetPeriodList(store::PeriodList* list) { periodList_ = list; }
  store::PeriodList* PeriodList() const { return periodList_; }
  int PeriodCountAtLoad() const { return periodList_ ? periodList_->loadCount : 0; }
  // Line index of the selected period (the list's selection); 0 = none.
  int SelectedPeriod() const { return periodList_ ? periodList_->selected : 0; }
  void SetSelectedPeriod(int index);
  const PeriodIndex& Periods() const { return periods_; }

  // Layout results and click state.
  const SlotTable& Slots() const { return slots_; }
  const Slot& SlotAt(const HitResult& hit) const;
  DayNumber CachedFirstShownDay() const { return firstShown_; }
  DayNumber ClickedDay() const { return clickedDay_; }
  DayNumber SelectionStart() const { return selectionStart_; }
  DayNumber SelectionEnd() const { return selectionEnd_; }
  void SetSelectionStart(DayNumber day) { selectionStart_ = day; }
  void SetSelectionEnd(DayNumber day) { selectionEnd_ = day; }
  bool ClickHighlight() const { return clickHighlight_; }
  void SetClickHighlight(bool on) { clickHighlight_ = on; }
  bool ReloadNeeded() const { return reloadNeeded_; }
  void SetReloadNeeded(bool on) { reloadNeeded_ = on; }
  bool MonthMemoClicked() const { return monthMemoClicked_; }
  bool InOwnMonth() const { return inOwnMonth_; }
  bool JumpedToNeighbor() const { return jumpedToNeighbor_; }
  int JumpDirection() const { return jumpDirection_; }  // 0 back, 1 forward

  // Paints all cells from the current slot table, without a new layout.
  void RedrawCells();
  // Month 0 is December of the year before, a month above 12 January of
  // the year after; the day is kept inside the month. The days of the 1582
  // reform gap raise calendar::EJuliusError.
  void SetShownDate(int year, int month, int day);
  static void NormalizeYearMonth(int& year, int& month);
  static int DaysOfMonth(int year, int month);
  void ClearSelection();
  // Asks "この予定を削除してもいいですか？" (No by default) and on Yes removes
  // the line; the header (index 0 or below) is never touched.
  void DeletePeriodItem(int index);
  CellContents CellContent(int column, int row) const;
  std::string HolidayNames(int year, int month, int day) const;
  static void SplitFields(std::string_view text, std::vector<std::string>& list, char separator);
  // The line reader of the holiday, special-day and period files.
  bool LoadLines(std::vector<std::string>& list, const std::string& path);
  HitResult HitTest(int x, int y) const;

  // The texts an entry slot shows, in slot order (for CellContent and
  // tests): markup applied as the painter applies it.
  std::vector<std::string> DrawnEntryTexts(int cell) const;
  // The entry line behind a slot; empty when the slot holds none.
  std::string_view EntryLineOf(const Slot& slot) const;
  // The month record a cell's entries come from; -1 when none is loaded.
  int RecordOfDate(const calendar::Date& date) const;

  // Day numbers keep their weekday or holiday font on special days; the
  // special day shows in its names only.
  CalFont GetDayFont(int year, int month, int day) const override;
  void Render() override;
  void MouseDown(const MouseEvent& event) override;

 protected:
  bool UpdatesSuspended() const override { return grid_.SkipUpDate || grid_.SkipUpDate2; }
  void DpiChanged() override;
  void Layout() override;
  void Paint(Canvas& canvas) override;

 private:
  static SeMCalProps Normalized(SeMCalProps props);
  void LayoutPeriods();
  void LayoutEntries();
  void BucketRecord(int record);
  struct TakenEntry {
    int index = 0;
    bool hiddenBefore = false;
  };
  std::vector<TakenEntry> TakenEntries(int record, int day) const;
  void PlaceEntries(CellSlots& cell, int record, const std::vector<TakenEntry>& entries);
  void JumpToNeighbor(const HitResult& hit);

  platform::Services* os_;
  SeMCalProps grid_;     // at 96 DPI, as set
  SeMCalProps metrics_;  // at the grid's DPI
  std::string dataKyoFile_;
  std::array<const store::MonthSlot*, kMonthRecords> monthWindow_{};
  int currentMonthIndex_ = 1;
  DayNumber windowFirstDay_ = 0;
  DayNumber windowLastDay_ = 0;
  store::PeriodList* periodList_ = nullptr;
  PeriodIndex periods_;
  SlotTable slots_{};
  // Entry line indexes of each month record by day (0..31), rebuilt at
  // each layout for the records in view.
  std::array<std::array<std::vector<int>, 32>, kMonthRecords> byDay_;
  DayNumber firstShown_ = 0;
  DayNumber clickedDay_ = 0;
  DayNumber selectionStart_ = 0;
  DayNumber selectionEnd_ = 0;
  bool clickHighlight_ = false;
  bool reloadNeeded_ = false;
  bool monthMemoClicked_ = false;
  bool inOwnMonth_ = false;
  bool jumpedToNeighbor_ = false;
  int jumpDirection_ = 0;
};

}  // namespace grid
