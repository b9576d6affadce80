#pragma once
// Colour text as stored in the data and settings files: a name of the
// standard or system colour table, else "$" and eight upper-case hex digits.
//
//   clBlack   clRed   clWindowText   $00484848   8421504
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace store {

// 0x00BBGGRR (red in the lowest byte), or 0x800000nn for system colour nn.
using Color = std::uint32_t;

inline constexpr Color kClBlack = 0x000000;
inline constexpr Color kClBlue = 0xFF0000;
inline constexpr Color kClTeal = 0x808000;
inline constexpr Color kClWindowText = 0x80000008;  // the default entry colour
inline constexpr Color kClBtnFace = 0x8000000F;

bool IsSystemColor(Color color);

// The table name when the colour has one, else "$XXXXXXXX".
std::string ColorToText(Color color);

// A table name (any case), "$" hex or a decimal number; nullopt otherwise.
std::optional<Color> ParseColorText(std::string_view text);

}  // namespace store
