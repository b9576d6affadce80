#pragma once
// What the setup pages share: the page's font, its controls made at
// 96-DPI places scaled to the screen, found by id, and owner-drawn buttons
// that can light up.
#include <windows.h>

#include <string>

#include "platform/win_handles_win.h"
#include "store/color_text.h"

namespace settings {

// A place in 96-DPI pixels.
struct Place {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

class PageControls {
 public:
  // The page window the controls go on; its font is made here.
  void Attach(HWND page);
  HFONT font() const { return font_.get(); }
  int Scale(int pixels96) const { return MulDiv(pixels96, dpi_, 96); }

  HWND Add(const wchar_t* className, const std::string& text, DWORD style, Place place, int id,
           DWORD exStyle = 0);
  HWND Item(int id) const { return GetDlgItem(page_, id); }
  void SetText(int id, const std::string& utf8) const;
  std::string Text(int id) const;
  void Enable(int id, bool on) const;
  void Check(int id, bool on) const;
  bool Checked(int id) const;
  void Show(int id, bool on) const;

 private:
  HWND page_ = nullptr;
  int dpi_ = 96;
  platform::UniqueFont font_;
};

// The text of any window as UTF-8.
std::string WindowTextUtf8(HWND window);

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

}  // namespace settings
