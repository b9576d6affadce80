#pragma once
// What the calendars draw on: the smallest surface their painting needs.
// The program draws through a GDI implementation into an off-screen bitmap
// (gdi_canvas_win.h); tests draw on a recording one (canvas_testutil.h).
//
// Text boxes are measured by the font's em height: a text of a font of
// height h is h pixels high wherever it is drawn, so that the calendars'
// arithmetic ("line bottom minus text height") gives the same places with
// every font.
#include <cstdint>
#include <string>
#include <string_view>

#include "store/color_text.h"
#include "support/geometry.h"

namespace grid {

// 0x00BBGGRR, or 0x800000nn for system colour nn (COLOR_WINDOW = 5 ...),
// the same values the data files' colour texts hold.
using Colour = store::Color;

inline constexpr Colour kSystemColourBase = 0x80000000;
inline constexpr int kColorWindow = 5;
inline constexpr int kColorWindowText = 8;
inline constexpr int kColorBtnFace = 15;
inline constexpr int kColorBtnShadow = 16;
inline constexpr Colour kClWindow = kSystemColourBase + kColorWindow;
using store::kClWindowText;
inline constexpr Colour kClBtnShadow = kSystemColourBase + kColorBtnShadow;

using support::Point;
using support::Rect;
using support::Size;

struct CanvasFont {
  std::string face;  // empty: the Japanese UI font of the system
  int height = 12;   // em height in pixels
  bool bold = false;
  bool strikeOut = false;

  bool operator==(const CanvasFont&) const = default;
};

enum class HAlign { Left, Center, Right };
enum class VAlign { Top, Center };

struct TextStyle {
  CanvasFont font;
  Colour colour = 0;  // plain RGB; system colours are resolved before drawing
  HAlign hAlign = HAlign::Left;
  VAlign vAlign = VAlign::Top;
  bool clip = true;  // cut what leaves the box
};

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Width of the text in the font; the height is always font.height.
  virtual Size TextSize(const CanvasFont& font, std::string_view text) = 0;
  // One line of text in the box, aligned as the style says.
  virtual void DrawText(const Rect& box, std::string_view text, const TextStyle& style) = 0;
  virtual void FillRect(const Rect& area, Colour colour) = 0;
  // From `from` up to but not including `to`, as LineTo draws.
  virtual void Line(Point from, Point to, Colour colour, int width) = 0;
  // The RGB value of system colour `index` (COLOR_WINDOW ...).
  virtual Colour SystemColour(int index) = 0;
};

bool IsSystemColour(Colour colour);
// System colours looked up on the canvas; anything else cut to 0x00BBGGRR.
Colour ResolveColour(Canvas& canvas, Colour colour);

// Horizontal start of a text of `width` in `box`.
int AlignedLeft(const Rect& box, int width, HAlign align);
// Vertical start of a text of `height` in `box`.
int AlignedTop(const Rect& box, int height, VAlign align);

}  // namespace grid
