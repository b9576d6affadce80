#pragma once
// What the settings windows and the setup pages share: the page's font and
// its controls made at 96-DPI places scaled to the page's DPI, laid out
// again when the DPI changes, found by id; and owner-drawn buttons that
// can light up.
#include <windows.h>

#include <string>
#include <vector>

#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "platform/window_win.h"
#include "settings/layout_place.h"
#include "store/color_text.h"

namespace settings {

// The height of the pages' UI font at 96 DPI.
inline constexpr int kPageFontHeight96 = 12;

class PageControls {
 public:
  // The window the controls go on, shown at `dpi`; its font is made here.
  void Attach(HWND page, int dpi, int fontHeight96 = kPageFontHeight96);
  HFONT font() const { return font_.get(); }
  int Scale(int pixels96) const;
  // The page window itself `width96` x `height96`, at every DPI it gets.
  void SizePage(int width96, int height96);

  HWND Add(const wchar_t* className, const std::string& text, DWORD style, Place place, int id,
           DWORD exStyle = 0);
  // A new font and every control at its place for `dpi`; the controls
  // that had the old font get the new one.
  void SetDpi(int dpi);

  HWND Item(int id) const { return GetDlgItem(page_, id); }
  void SetText(int id, const std::string& utf8) const;
  std::string Text(int id) const;
  void Enable(int id, bool on) const;
  void Check(int id, bool on) const;
  bool Checked(int id) const;
  void Show(int id, bool on) const;

 private:
  struct Placed {
    HWND control;
    Place place;
  };
  void MakeFont();
  void MoveTo(HWND control, const Place& place) const;

  HWND page_ = nullptr;
  int dpi_ = 96;
  int fontHeight96_ = kPageFontHeight96;
  support::Size pageSize96_;  // none: the page's size is not the controls' to set
  std::vector<Placed> placed_;
  platform::UniqueFont font_;
};

// A window holding page controls: laid out again at a new DPI (a
// top-level one then moves to the rectangle the system suggests).
class PageWindow : public platform::Window {
 protected:
  void OnDpiChanged(int oldDpi) override;
  PageControls controls_;
};

// The text of any window as UTF-8.
using platform::WindowTextUtf8;

// A push button drawn by its page: the face colour, or while `lit` the
// colour given (one when pressed or focused, another otherwise).
struct ButtonLook {
  bool lit = false;
  store::Color active = 0xFFFF00;    // $FFFF00
  store::Color inactive = 0xD7D7FF;  // $D7D7FF
};
void DrawPageButton(const DRAWITEMSTRUCT& item, HFONT font, const ButtonLook& look);

// The style of a page: a child holding controls (tab moves through them).
// Not clipping its children: group boxes paint no inside of their own.
inline constexpr DWORD kPageStyle = WS_CHILD | WS_VISIBLE;
inline constexpr DWORD kPageExStyle = WS_EX_CONTROLPARENT;

// The window of a page of the setup window: `className`, at (x, y) in its
// parent, sized by its controls afterwards.
platform::WindowArgs PanelWindowArgs(const wchar_t* className, HWND parent, int id, int x = 0, int y = 0);

}  // namespace settings
