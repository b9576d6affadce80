#pragma once
// The main window's status bar: three panels drawn by us (so that the
// day change can turn it yellow under any theme), the data-set label and
// the window-size label laid over it.
#include <windows.h>

#include <array>
#include <string>

#include "platform/win_handles_win.h"

namespace shell {

class StatusBar {
 public:
  bool Create(HWND parent, HFONT font, HFONT boldFont, int dpi);
  // The panels' and labels' widths at the main window's new DPI; the
  // window gives the new fonts to its children itself.
  void SetDpi(int dpi, HFONT font);
  HWND hwnd() const { return bar_; }
  int height() const { return height_; }
  void SetHeight(int height);
  // After the parent changed size.
  void Resize();

  // Panel 2's own text, and a notice laid over it for a while ("" ends it).
  void SetText(int panel, const std::string& text, bool rightAligned);
  void SetNotice(const std::string& text);
  void SetAlert(bool on);  // yellow while the date changes
  // " --- Files2 ---" in teal and bold; "" hides the label.
  void SetDataSetLabel(const std::string& text);
  void SetSizeLabel(const std::string& text);
  // The network's lock status in its colour, laid over panel 2 (whose text
  // is set aside meanwhile); "" hides it.
  void SetLockStatus(const std::string& text, COLORREF colour);
  bool sizeLabelShown() const { return sizeShown_; }

  // From the parent's WM_DRAWITEM and WM_CTLCOLORSTATIC.
  bool DrawPanel(const DRAWITEMSTRUCT& item);
  HBRUSH LabelColours(HWND label, HDC dc);

 private:
  int Px(int pixels96) const;
  void SetParts();
  struct Panel {
    std::string text;
    bool right = false;
  };
  void Redraw(int panel);
  void PlaceLabels();
  const Panel& Shown(int panel) const;
  LONG LabelsRight() const;

  HWND bar_ = nullptr;
  HWND dataSetLabel_ = nullptr;
  HWND sizeLabel_ = nullptr;
  HWND lockLabel_ = nullptr;
  COLORREF lockColour_ = 0;
  HFONT font_ = nullptr;
  std::array<Panel, 3> panels_;
  Panel notice_;
  bool alert_ = false;
  bool sizeShown_ = false;
  int height_ = 22;
  int dpi_ = 96;
  platform::UniqueBrush alertBrush_;
};

}  // namespace shell
