#pragma once
// TfmDay, the day editor: one day's entries (or the month memo) as lines
// with their colours, one period schedule, or the special day of a date.
// The main window creates it once and, for each edit, calls one of the
// Edit functions, which show it modally and return what to write back.
// The decisions live in day_editor.h; this is the window around them.
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "editors/day_editor.h"
#include "editors/editor_win.h"
#include "platform/services.h"
#include "platform/window_win.h"

namespace editors {

// What the main window hears while the editor is shown: its editor-open
// flag and reminder countdown follow these.
class DayEditorHost {
 public:
  virtual ~DayEditorHost() = default;
  virtual void EditorShown() {}
  virtual void EditorHidden() {}
};

struct TfmDayArgs {
  HWND owner = nullptr;                // the main window, disabled while shown
  platform::Services* os = nullptr;
  std::string settingsFile;            // "Velda.ini": section "fmDay"
  DayEditorHost* host = nullptr;
};

class TfmDay : public platform::Window, private TEditorEvents {
 public:
  // Outer sizes at 96 DPI, shown at the window's DPI.
  static constexpr int kStandardWidth = 422;   // "定型" and the period page
  static constexpr int kStandardHeight = 298;
  static constexpr int kFormWidth = 298;
  static constexpr int kFormHeight = 330;

  // Control and menu item ids, for owners and test drivers.
  enum ControlId : int {
    kLabel1 = 101, kLblYoubi, kImgSaijitu, kPanel1, kMemo2,
    kBtnKakikomi = 120, kBtnCancel, kBtnKiteichi,
    kPnlKikan = 130, kEdtYear1, kUdYear1, kEdtMonth1, kUdMonth1, kEdtDay1, kUdDay1, kCombo1,
    kEdtYear2, kUdYear2, kEdtMonth2, kUdMonth2, kEdtDay2, kUdDay2, kCombo2,
    kEdtYear3, kUdYear3, kEdtMonth3, kUdMonth3, kEdtDay3, kUdDay3,
    kSeEdit4, kEdtFutosa, kUdFutosa, kEdtColor, kBtnColor,
    kEdtKinenbi = 170, kEdtKinenYear1, kEdtKinenYear2,
    kPmNow = 201, kPmColor1, kPmColor2, kPmColor3, kPmColor4, kPmColor5, kPmColorSet,
    kPmColorStd, kPmUndo, kPmRedo, kPmCut, kPmCopy, kPmPaste, kMnSelectAll,
  };

  TfmDay();
  ~TfmDay() override;

  bool Create(const TfmDayArgs& args);

  // Each shows the window modally and returns when it is closed.
  DayResult EditDay(const DayRequest& request, const DayEditorSettings& settings);
  DayResult EditMonthMemo(const MonthMemoRequest& request, const DayEditorSettings& settings);
  PeriodResult EditPeriod(const PeriodPage& page, const DayEditorSettings& settings);
  SpecialDayResult EditSpecialDay(int year, int month, int day, const SpecialDayPage& page,
                                  const DayEditorSettings& settings);

  // For the main window's reminder: open with nothing changed since it
  // opened. The special-day page is exempt from the reminder.
  bool UntouchedForReminder() const {
    return showing_ && mode_ != DayEditorMode::SpecialDay && !Changed();
  }
  // What the window shows differs from what it opened with, on any page.
  bool Changed() const;
  bool Showing() const { return showing_; }
  bool Finished() const { return closed_; }
  // The text the page would write cannot be stored as it stands: told, and
  // the window stays open with the text.
  bool RefusesToWrite();
  // Ends the showing edit at once as if "書込／閉じる" was pressed, without
  // any question (the end of the session, a close from outside); the Edit
  // call returns when its loop unwinds. A page nobody changed ends as
  // cancelled, so an untouched new period is not added. The results:
  void FinishNow();
  DayResult DayResultNow() const;
  PeriodResult PeriodResultNow() const;
  SpecialDayResult SpecialDayResultNow() const;
  TEditor& Editor() { return editor_; }
  const DayLines& Lines() const { return lines_; }
  // The "定型" size at the window's DPI.
  SIZE StandardSize() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  struct Controls;

  // ---- TEditorEvents
  void OnChange(const std::string& before, const TextChange& change) override;
  bool OnKeyDown(unsigned key, bool ctrl, bool shift, bool alt) override;
  void OnContextMenu(int x, int y) override;
  std::optional<store::Color> LineColor(int row) override;
  std::any SaveUndoState() override;
  void RestoreUndoState(const std::any& state) override;

  // ---- Building
  bool CreateWindowAndControls(const TfmDayArgs& args);
  void CreateControls();
  HWND AddControl(const wchar_t* cls, const std::wstring& text, DWORD style, int id);
  void CreateDayPage();
  void CreatePeriodPage();
  void CreateDateRow(int row, int firstId);
  HWND AddPeriodControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id);
  HWND AddPeriodEdit(int id, DWORD style, int limit);
  void CreateSpecialDayPage();
  void CreateMenus();
  void MakeFonts();
  void ApplyFonts();
  void Place(HWND control, int x, int y, int width, int height);
  void Layout();
  void LayoutHeader(int width);
  void LayoutPeriodPage();
  void LayoutSpecialDayPage();
  void LayoutButtons(int width, int height);

  // ---- Showing
  void Prepare(DayEditorMode mode, const DayEditorSettings& settings);
  void ShowPage();
  void PrepareDayPage();
  bool FitScrollBars();
  void SetHeader(int year, int month, int day);
  void SetMonthMemoHeader(int year, int month);
  void RunModal();
  void PumpUntilClosed();
  bool PreTranslateKey(const MSG& msg);
  void FillPeriodPage(const PeriodPage& page);
  PeriodPage ReadPeriodPage() const;
  SpecialDayPage ReadSpecialDayPage() const;

  // ---- Commands
  void OnCommand(int id, int code, HWND from);
  bool RunKeyCommand(KeyCommand command);
  void WriteAndClose();
  // The period page as written: its summary day moved inside the period.
  PeriodPage PeriodToWrite() const;
  std::string TextToWrite() const;
  void AskCancel();
  void CancelAndClose();
  void CloseQuery();
  void ApplyColorCommand(ColorCommand command);
  void InsertNow();
  void ShowSubmenuAtCaret(HMENU menu);
  void OnInitMenuPopup(HMENU menu);
  std::optional<store::Color> PickColor(store::Color initial);
  void StepUpDown(int upDownId, int delta);
  void OpenIme(HWND edit);
  EditorSelection CurrentSelection() const;
  void ReportError(const std::string& text);

  // ---- Painting
  LRESULT OnCtlColor(HDC dc, HWND control);
  void DrawNames(const DRAWITEMSTRUCT& item);

  platform::Services* os_ = nullptr;
  DayEditorHost* host_ = nullptr;
  DayEditorHost noHost_;
  HWND owner_ = nullptr;
  std::string settingsFile_;
  TEditor editor_;
  DayLines lines_;
  std::unique_ptr<Controls> c_;
  DayEditorMode mode_ = DayEditorMode::Day;
  DayEditorSettings settings_;
  bool monthMemo_ = false;
  bool writeBack_ = false;
  bool cancelled_ = false;
  bool closed_ = true;
  bool showing_ = false;
  bool clearSelectedPeriod_ = false;
  int weekday_ = 0;
  std::vector<calendar::DayName> names_;
  SpecialDayPage specialAtOpen_;
  PeriodPage periodAtOpen_;
  store::Color periodColor_ = 0;
  RECT daySize_{};  // the size to go back to after the period page
};

}  // namespace editors
