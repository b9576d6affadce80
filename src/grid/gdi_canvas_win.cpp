#include "grid/gdi_canvas_win.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/fonts_win.h"
#include "platform/text_win.h"

namespace grid {
namespace {

constexpr std::size_t kFontCacheLimit = 32;

RECT ToRect(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

platform::UniqueFont MakeFont(const CanvasFont& font) {
  const std::wstring face = font.face.empty() ? platform::ChooseUiFontFace() : platform::Widen(font.face);
  return platform::UniqueFont(CreateFontW(-font.height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL,
                                          FALSE, FALSE, font.strikeOut, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                          DEFAULT_PITCH | FF_DONTCARE, face.c_str()));
}

}  // namespace

GdiCanvas::GdiCanvas() : dc_(CreateCompatibleDC(nullptr)) {
  if (dc_) SetBkMode(dc_.get(), TRANSPARENT);
}

GdiCanvas::~GdiCanvas() {
  if (dc_ && firstBitmap_) SelectObject(dc_.get(), firstBitmap_);
}

bool GdiCanvas::Resize(Size size) {
  if (!dc_) return false;
  if (firstBitmap_) SelectObject(dc_.get(), firstBitmap_);
  firstBitmap_ = nullptr;
  bitmap_.reset();
  bits_ = nullptr;
  size_ = {std::max(size.width, 1), std::max(size.height, 1)};
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size_.width;
  info.bmiHeader.biHeight = -size_.height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) {
    bitmap_.reset();
    return false;
  }
  bits_ = static_cast<std::uint32_t*>(bits);
  firstBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  FillRect({0, 0, size_.width, size_.height}, 0xFFFFFF);
  return true;
}

void GdiCanvas::CopyTo(HDC target, const RECT& area) const {
  if (!bits_) return;
  BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(),
         area.left, area.top, SRCCOPY);
}

Colour GdiCanvas::PixelAt(int x, int y) const {
  if (!bits_ || x < 0 || y < 0 || x >= size_.width || y >= size_.height) return 0;
  GdiFlush();
  const std::uint32_t rgb = bits_[static_cast<std::size_t>(y) * size_.width + x];  // 0x00RRGGBB
  return ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}

Image GdiCanvas::Snapshot() const {
  Image image{size_.width, size_.height, {}};
  if (!bits_) return image;
  image.pixels.reserve(static_cast<std::size_t>(size_.width) * size_.height);
  for (int y = 0; y < size_.height; ++y)
    for (int x = 0; x < size_.width; ++x) image.pixels.push_back(PixelAt(x, y));
  return image;
}

bool GdiCanvas::SaveBmp(const std::string& path) const {
  const std::string bytes = EncodeBmp(Snapshot());
  if (bytes.empty()) return false;
  FILE* file = _wfopen(platform::Widen(path).c_str(), L"wb");
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
  return std::fclose(file) == 0 && written;
}

const GdiCanvas::CachedFont& GdiCanvas::FontFor(const CanvasFont& font) {
  for (const CachedFont& cached : fonts_)
    if (cached.font == font) return cached;
  if (fonts_.size() >= kFontCacheLimit) fonts_.erase(fonts_.begin());
  CachedFont made{font, MakeFont(font), {}};
  platform::SelectGuard select(dc_.get(), made.handle.get());
  GetTextMetricsW(dc_.get(), &made.metrics);
  fonts_.push_back(std::move(made));
  return fonts_.back();
}

Size GdiCanvas::TextSize(const CanvasFont& font, std::string_view text) {
  if (!dc_) return {0, font.height};
  const CachedFont& cached = FontFor(font);
  platform::SelectGuard select(dc_.get(), cached.handle.get());
  const std::wstring wide = platform::Widen(text);
  SIZE size{};
  GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
  return {size.cx, font.height};
}

void GdiCanvas::DrawText(const Rect& box, std::string_view text, const TextStyle& style) {
  if (!bits_ || text.empty()) return;
  const CachedFont& cached = FontFor(style.font);
  platform::SelectGuard select(dc_.get(), cached.handle.get());
  const std::wstring wide = platform::Widen(text);
  SIZE extent{};
  GetTextExtentPoint32W(dc_.get(), wide.c_str(), static_cast<int>(wide.size()), &extent);
  const int x = AlignedLeft(box, extent.cx, style.hAlign);
  const int top = AlignedTop(box, style.font.height, style.vAlign);
  // The em box of the font starts at `top`; its baseline divides it as the
  // font divides its own ascent and descent.
  const TEXTMETRICW& m = cached.metrics;
  const int baseline =
      top + (m.tmHeight > 0 ? static_cast<int>(std::lround(double(style.font.height) * m.tmAscent / m.tmHeight))
                            : style.font.height);
  SetTextColor(dc_.get(), style.colour & 0xFFFFFF);
  SetTextAlign(dc_.get(), TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  const RECT clip = ToRect(box);
  ExtTextOutW(dc_.get(), x, baseline, style.clip ? ETO_CLIPPED : 0, &clip, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
}

void GdiCanvas::FillRect(const Rect& area, Colour colour) {
  if (!bits_ || area.Width() <= 0 || area.Height() <= 0) return;
  SetDCBrushColor(dc_.get(), colour & 0xFFFFFF);
  const RECT r = ToRect(area);
  ::FillRect(dc_.get(), &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void GdiCanvas::Line(Point from, Point to, Colour colour, int width) {
  if (!bits_) return;
  platform::UniquePen pen(CreatePen(PS_SOLID, std::max(width, 1), colour & 0xFFFFFF));
  platform::SelectGuard select(dc_.get(), pen.get());
  MoveToEx(dc_.get(), from.x, from.y, nullptr);
  LineTo(dc_.get(), to.x, to.y);
}

Colour GdiCanvas::SystemColour(int index) { return GetSysColor(index); }

std::array<std::string, 7> SystemWeekdayNames() {
  std::array<std::string, 7> names;
  for (int i = 0; i < 7; ++i) {
    // LOCALE_SABBREVDAYNAME1 is Monday; Sunday is the seventh.
    const LCTYPE item = LOCALE_SABBREVDAYNAME1 + (i + 6) % 7;
    wchar_t name[32] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, item, name, 32) > 0) names[i] = platform::Narrow(name);
  }
  return names;
}

}  // namespace grid
