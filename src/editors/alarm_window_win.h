#pragma once
// TfmNichiji, the alarm window ("日付と時刻のプロパティ"), of which only the
// page "タイマー" is used: the set mode in which the user sets the alarm,
// and the display mode, the notice when its time has come. Made for each
// use and shown modally; its decisions live in alarm_page.h.
#include <windows.h>

#include <memory>
#include <optional>

#include "editors/alarm_page.h"
#include "platform/services.h"
#include "platform/window_win.h"

namespace editors {

struct TfmNichijiArgs {
  HWND owner = nullptr;  // the main window, disabled while this is shown
  platform::Services* os = nullptr;
};

class TfmNichiji : public platform::Window {
 public:
  // Client size of the full window at 96 DPI; the narrow one keeps the
  // left and right panels and 73 pixels between them.
  static constexpr int kClientWidth = 774;
  static constexpr int kClientHeight = 363;
  static constexpr int kLeftPanelWidth = 300;
  static constexpr int kRightPanelWidth = 216;
  static constexpr int kNarrowClientWidth = kLeftPanelWidth + kRightPanelWidth + 73;

  // Control ids, for owners and test drivers.
  enum ControlId : int {
    kPageTabs = 101, kClock2, kCkTimer, kEdtHour, kUdHour, kEdtMin, kUdMin, kEdtSec, kUdSec,
    kTimeColons, kGb2Tach, kBtnImaSet, kCbTimerBf, kLblBf, kBtnTimerOnOff, kBtnClose,
    kLblSadou, kLblCDown, kLblShuuryou, kPageFrame,
    kBtnH0 = 200,  // .. kBtnH0 + 23
    kBtnM0 = 230,  // .. kBtnM0 + 11: minutes 0, 5, .., 55
  };

  TfmNichiji();
  ~TfmNichiji() override;

  bool Create(const TfmNichijiArgs& args);
  // Shows the window modally in the values' mode and returns the values as
  // they stand when it closes; nullopt when no time could be shown.
  std::optional<AlarmValues> ShowModal(const AlarmValues& values);

  const AlarmPage& page() const { return *page_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  struct Controls;

  void CreateControls();
  HWND Add(const wchar_t* cls, const wchar_t* text, DWORD style, int id, DWORD exStyle = 0);
  void CreateTimePanel();
  void CreateTwoTouchGroup();
  void CreateRightPanel();
  void MakeFonts();
  void ApplyFonts();
  void PlaceControls();
  void PlaceRightPanel(int clientWidth);

  void Render();
  void RenderLayout(const AlarmView& v);
  void RenderLabels(const AlarmView& v);
  void RenderTime(const AlarmView& v);
  void RenderFocusAndTimer(const AlarmView& v);
  void ResizeClient(int width);

  void OnCommand(int id, int code);
  bool OnNotify(const NMHDR& header, LRESULT& result);
  void AskClose();
  bool PreTranslateKey(const MSG& msg);
  LRESULT OnCtlColor(UINT message, HDC dc, HWND control);
  platform::DateTime Now() const;

  platform::Services* os_ = nullptr;
  HWND owner_ = nullptr;
  std::unique_ptr<AlarmPage> page_;
  std::unique_ptr<Controls> c_;
  bool closed_ = true;
  bool rendering_ = false;
  std::optional<bool> shownRunning_;  // the state last laid out
  bool timerOn_ = false;
};

}  // namespace editors
