#pragma once
// Points, sizes and rectangles in pixels, shared by the painting code and
// the window-placement rules.

namespace support {

struct Point {
  int x = 0;
  int y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0;
  int height = 0;
  bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as in Win32's RECT.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  bool operator==(const Rect&) const = default;
};

}  // namespace support
