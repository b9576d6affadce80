#pragma once
// What the mouse and the keyboard do on the month grid: a click on an
// entry or a Ctrl+click opens the day editor, a double-click on a day too,
// the month memo opens from its area, a click selects a period bar and a
// second click edits it, an Alt+drag marks a new period from the part of
// the day where it starts to the part where it ends, the right button
// prepares the pop-up menu, and the day-number box in the status bar opens
// a day by its number.
//
// The grid lays out, paints and hit-tests; this class keeps the state of
// one click and tells the host (the main window) what to open. The Win32
// window forwards the grid's events here.
#include <functional>
#include <optional>
#include <string_view>

#include "calendar/julius.h"
#include "grid/custom_calendar.h"
#include "grid/semcal.h"
#include "platform/dialogs.h"
#include "shell/day_copy.h"
#include "shell/edit_flows.h"
#include "shell/period_edit.h"
#include "shell/special_day_edit.h"
#include "store/network_link.h"

namespace shell {

// What the grid's commands open and ask; the main window runs each edit
// modally before the call returns.
class GridCommandHost {
 public:
  virtual ~GridCommandHost() = default;
  virtual void EditDay(calendar::DayNumber day) = 0;
  virtual void EditMonthMemo() = 0;
  virtual void EditPeriod(int index) = 0;
  // False when the marks were refused (reversed).
  virtual bool NewPeriod(const PeriodMarks& marks) = 0;
  virtual void DeletePeriod() = 0;
  virtual void CopyDay(calendar::DayNumber day) = 0;
  virtual void PasteDay(calendar::DayNumber day) = 0;
  virtual void EditSpecialDay(calendar::DayNumber day) = 0;
  virtual bool DayCopyPending() const = 0;
  virtual bool NetworkOn() const = 0;
  virtual bool MonthMemoOption() const = 0;  // "cbTukiMemo"
  // A press on the grid stops the automatic-residency countdown.
  virtual void CancelResidencyCountdown() {}
};

// The grid's pop-up menu: the normal one, or the delete menu ("キャンセル(&C)",
// "削除(&D)") while a period bar is selected.
enum class GridMenu { Normal, Delete };

// The items of the normal menu this class decides.
struct PopupItems {
  bool editDay = true;         // "予定編集(&E)"
  bool editMonthMemo = false;  // "月メモ編集(&T)"
  bool periodStart = false;    // "期間予定開始(&A)"
  bool periodEnd = false;      // "期間予定終了(&Z)"
  bool dayCopy = false;        // "Ｄａｙコピー(&C)"
  bool dayPaste = false;       // "Ｄａｙペースト(&P)"
  bool specialDay = false;     // the special day of the clicked date

  bool operator==(const PopupItems&) const = default;
};

struct GridPopup {
  GridMenu menu = GridMenu::Normal;
  PopupItems items;
};

// Virtual keys of the day-number box.
inline constexpr int kKeyReturn = 0x0D;
inline constexpr int kKeyEscape = 0x1B;
inline constexpr int kKeySpace = 0x20;
inline constexpr int kKeyL = 0x4C;

enum class DayBoxKey { None, Enter, Clear };

class GridCommands {
 public:
  GridCommands(grid::TSeMCal& grid, GridCommandHost& host, platform::Dialogs& dialogs)
      : grid_(grid), host_(host), dialogs_(dialogs) {}

  // The grid's mouse events (its own mouse-down handling runs around
  // MouseDown) and its double-click.
  void MouseDown(const grid::MouseEvent& event);
  void MouseMove(const grid::MouseEvent& event);
  void MouseUp(const grid::MouseEvent& event);
  void DblClick();

  // The menu to show now; nothing when the delete menu has no period to
  // delete. Opening the delete menu clears the day selection.
  std::optional<GridPopup> OpenPopup();
  GridMenu menu() const { return menu_; }

  // Pop-up items. Each does nothing when its item is disabled.
  void PopupEditDay();
  void PopupEditMonthMemo();
  void PopupPeriodStart();
  void PopupPeriodEnd();
  void PopupDayCopy();
  void PopupDayPaste();
  void PopupSpecialDay();
  void PopupDeletePeriod();

  // Ctrl+Down or Ctrl+L on the month page while the month entry box is
  // hidden shows the day-number box.
  static bool OpensDayNumberBox(int key, grid::ShiftState shift, bool monthPage, bool entryBoxShown);
  // A key in the day-number box: Space and Enter open the day, Esc clears.
  static DayBoxKey DayNumberBoxKey(int key);
  // Space or Enter with `text` in the box: true when the day was opened
  // (the box is then cleared and hidden). A number that is no day of the
  // shown month gets "[ n ]日は、日付に出来ません。"; a blank box nothing.
  bool DayNumberEntered(std::string_view text);

  const PeriodMarks& marks() const { return marks_; }
  bool monthMemoPending() const { return monthMemoPending_; }
  bool editorJustOpened() const { return editorJustOpened_; }

 private:
  bool InDayRow(const grid::HitResult& hit) const;
  calendar::DayNumber DayOf(const grid::HitResult& hit) const;
  bool InShownMonth(calendar::DayNumber day) const;
  bool OpensDayEditor(const grid::HitResult& hit) const;
  void RightButtonDown();
  void RememberPopupPlace(const grid::HitResult& hit);
  void MonthMemoClick(const grid::MouseEvent& event);
  bool EntryOrCtrlClick(const grid::MouseEvent& event, const grid::HitResult& hit,
                        const grid::Slot& slot, bool& stop);
  bool AltDragEnd(const grid::MouseEvent& event, const grid::HitResult& hit, bool& stop);
  void PeriodBarClick(const grid::HitResult& hit, const grid::Slot& slot, bool editorOpened);
  PopupItems NormalItems() const;
  void OpenNewPeriod();
  void AfterDayCommand();

  grid::TSeMCal& grid_;
  GridCommandHost& host_;
  platform::Dialogs& dialogs_;

  bool mouseDownSeen_ = false;
  grid::Point downPoint_{};
  PeriodMarks marks_;
  int lastDragCell_ = -1;
  bool monthMemoPending_ = false;
  bool editorJustOpened_ = false;
  GridMenu menu_ = GridMenu::Normal;
  // Where the last right click fell, for the pop-up items; day 0: no day.
  PeriodMark popupPlace_;
};

// GridCommandHost over the edit flows of the main window. `network` is
// the main window's network state (the day copy is local data only).
class EditCommands : public GridCommandHost {
 public:
  EditCommands(EditHost& host, EditFlows& flows, PeriodEdit& periods, SpecialDayEdit& specialDays,
               DayCopy& dayCopy, const settings::Settings& settings, const store::NetworkLink& network)
      : host_(host), flows_(flows), periods_(periods), specialDays_(specialDays), dayCopy_(dayCopy),
        settings_(settings), network_(network) {}

  void EditDay(calendar::DayNumber day) override { flows_.EditDay(day); }
  void EditMonthMemo() override { flows_.EditMonthMemo(); }
  void EditPeriod(int index) override { periods_.EditPeriod(index); }
  bool NewPeriod(const PeriodMarks& marks) override;
  void DeletePeriod() override { periods_.DeletePeriod(); }
  void CopyDay(calendar::DayNumber day) override;
  void PasteDay(calendar::DayNumber day) override;
  void EditSpecialDay(calendar::DayNumber day) override;
  bool DayCopyPending() const override { return dayCopy_.pending(); }
  bool NetworkOn() const override { return network_.on; }
  bool MonthMemoOption() const override { return settings_.cbTukiMemo; }
  void CancelResidencyCountdown() override {
    if (cancelResidencyCountdown) cancelResidencyCountdown();
  }

  // The main window's automatic-residency countdown.
  std::function<void()> cancelResidencyCountdown;

 private:
  EditHost& host_;
  EditFlows& flows_;
  PeriodEdit& periods_;
  SpecialDayEdit& specialDays_;
  DayCopy& dayCopy_;
  const settings::Settings& settings_;
  const store::NetworkLink& network_;
};

}  // namespace shell
