#pragma once
// The calendars' canvas on Windows: an off-screen 32-bit DIB section drawn
// with GDI, copied to the window on WM_PAINT. Texts whose font names no
// face use the Japanese UI font chosen from those installed.
#include <windows.h>

#include <array>
#include <string>
#include <vector>

#include "grid/bmp_image.h"
#include "grid/canvas.h"
#include "platform/win_handles_win.h"

namespace grid {

class GdiCanvas : public Canvas {
 public:
  GdiCanvas();
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  // A bitmap of `size`, filled white; false when GDI refused (the canvas
  // then has no bitmap and draws nothing).
  bool Resize(Size size);
  Size size() const { return size_; }
  bool HasBitmap() const { return bits_ != nullptr; }
  HDC dc() const { return dc_.get(); }
  // Copies `area` of the bitmap to the same place of `target`.
  void CopyTo(HDC target, const RECT& area) const;
  Colour PixelAt(int x, int y) const;  // 0x00BBGGRR
  Image Snapshot() const;
  // The bitmap as a BMP file; false when it cannot be written.
  bool SaveBmp(const std::string& path) const;

  Size TextSize(const CanvasFont& font, std::string_view text) override;
  void DrawText(const Rect& box, std::string_view text, const TextStyle& style) override;
  void FillRect(const Rect& area, Colour colour) override;
  void Line(Point from, Point to, Colour colour, int width) override;
  Colour SystemColour(int index) override;

 private:
  struct CachedFont {
    CanvasFont font;
    platform::UniqueFont handle;
    TEXTMETRICW metrics{};
  };
  const CachedFont& FontFor(const CanvasFont& font);

  platform::UniqueMemoryDc dc_;
  platform::UniqueBitmap bitmap_;
  HGDIOBJ firstBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  Size size_;
  std::vector<CachedFont> fonts_;
};

// The system's abbreviated weekday names, Sunday first ("日".."土" on a
// Japanese system).
std::array<std::string, 7> SystemWeekdayNames();

}  // namespace grid
