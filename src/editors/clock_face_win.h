#pragma once
// An analogue clock face with a digital line beneath it: the current time
// (Clock2) and the set time (ckTimer) of the alarm window.
#include <windows.h>

#include "platform/window_win.h"
#include "settings/value_text.h"

namespace editors {

class ClockFace : public platform::Window {
 public:
  bool Create(HWND parent, int id, COLORREF faceColor);
  void SetTime(const settings::TimeOfDay& time);
  const settings::TimeOfDay& time() const { return time_; }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  void OnDpiChanged(int oldDpi) override;

 private:
  // A 96-DPI pen width at the window's DPI.
  int Thick(int width96) const;
  void Paint(HDC dc, const RECT& area) const;
  void PaintFace(HDC dc, POINT centre, int radius) const;
  void PaintHands(HDC dc, POINT centre, int radius) const;
  void PaintDigits(HDC dc, const RECT& line) const;

  settings::TimeOfDay time_;
  COLORREF faceColor_ = RGB(255, 255, 255);
};

}  // namespace editors
