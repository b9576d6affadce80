#pragma once
// Every size the program lays out is written at 96 dots per inch, the
// numbers the layout tables and the settings file hold, and scaled to the
// DPI of the window that shows it at the last moment. Portable: the grid's
// layout scales through these, and tests run them natively.
#include "support/geometry.h"

namespace platform {

inline constexpr int kBaseDpi = 96;

// A DPI the program can work with: what the system cannot mean (0 from a
// failed call, negatives, absurd values) is taken as 96.
int UsableDpi(int dpi);

// `pixels96` at `dpi`, rounded to the nearest pixel, halves away from zero
// (as MulDiv rounds). Exact at 96.
int ScaleToDpi(int pixels96, int dpi);
// The reverse: a size measured at `dpi` as its 96-DPI value. At any DPI of
// 96 or more, ScaleFromDpi(ScaleToDpi(v, dpi), dpi) == v.
int ScaleFromDpi(int pixels, int dpi);

// Width of a line drawn `width96` wide at 96 DPI: a whole multiple, never
// below 1, so that a one-pixel rule stays one crisp pixel up to 191 DPI
// and turns two pixels at 192.
int LineWidthForDpi(int width96, int dpi);

// Edges scaled one by one, so that rectangles sharing an edge at 96 DPI
// still share it.
support::Rect ScaleRectToDpi(const support::Rect& rect96, int dpi);

// Points to pixels (a font size of the settings) at `dpi`.
int PointsToPixelsAtDpi(int points, int dpi);

}  // namespace platform
