#include "store/color_text.h"

#include <array>
#include <cstdio>

#include "support/text.h"

namespace store {
namespace {

struct NamedColor {
  std::string_view name;
  Color value;
};

constexpr std::array<NamedColor, 16> kStandard{{
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080}, {"clTeal", 0x808000},  {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},   {"clLime", 0x00FF00},  {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
}};

// In the order of the Win32 system colour indexes (COLOR_SCROLLBAR = 0 ...
// COLOR_INFOBK = 24); the value is 0x80000000 + index.
constexpr std::array<std::string_view, 25> kSystem{
    "clScrollBar",     "clBackground",        "clActiveCaption",  "clInactiveCaption",
    "clMenu",          "clWindow",            "clWindowFrame",    "clMenuText",
    "clWindowText",    "clCaptionText",       "clActiveBorder",   "clInactiveBorder",
    "clAppWorkSpace",  "clHighlight",         "clHighlightText",  "clBtnFace",
    "clBtnShadow",     "clGrayText",          "clBtnText",        "clInactiveCaptionText",
    "clBtnHighlight",  "cl3DDkShadow",        "cl3DLight",        "clInfoText",
    "clInfoBk",
};

constexpr Color kSystemBase = 0x80000000;

}  // namespace

bool IsSystemColor(Color color) { return color >= kSystemBase && color < kSystemBase + kSystem.size(); }

std::string ColorToText(Color color) {
  for (const auto& c : kStandard)
    if (c.value == color) return std::string(c.name);
  if (IsSystemColor(color)) return std::string(kSystem[color - kSystemBase]);
  char text[12];
  std::snprintf(text, sizeof text, "$%.8X", static_cast<unsigned>(color));
  return text;
}

std::optional<Color> ParseColorText(std::string_view text) {
  for (const auto& c : kStandard)
    if (support::EqualsIgnoreCase(text, c.name)) return c.value;
  for (size_t i = 0; i < kSystem.size(); ++i)
    if (support::EqualsIgnoreCase(text, kSystem[i])) return static_cast<Color>(kSystemBase + i);
  auto number = support::ParseInt(text);
  if (!number) return std::nullopt;
  return static_cast<Color>(*number);
}

}  // namespace store
