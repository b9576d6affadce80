#pragma once
// The generated tables behind the CP932 codec (cp932_table.cpp, made by
// tools/cp932/make_cp932_table.py). Only cp932.cpp reads them.
#include <cstdint>

namespace support::cp932_table {

inline constexpr int kLeadCount = 60;    // 81-9F, E0-FC
inline constexpr int kTrailCount = 188;  // 40-7E, 80-FC
inline constexpr int kPageCount = 108;   // encode pages, the empty one first

// Bytes 80-FF alone; 0 for a lead byte or an unassigned byte.
extern const char16_t kSingle[128];
// Lead and trail byte by their indexes; 0 for an unassigned code.
extern const char16_t kDouble[kLeadCount * kTrailCount];
// The page of kEncode holding U+xx00-U+xxFF; 0 for a page with nothing.
extern const std::uint8_t kPageOf[256];
// A character's code: 0 when it has none, below 0x100 a single byte.
extern const std::uint16_t kEncode[kPageCount][256];

// -1 when the byte cannot lead a double-byte code.
constexpr int LeadIndex(unsigned char b) {
  if (b >= 0x81 && b <= 0x9F) return b - 0x81;         // [0, 30]
  if (b >= 0xE0 && b <= 0xFC) return b - 0xE0 + 31;    // [31, 59]
  return -1;
}

// -1 when the byte cannot follow a lead byte.
constexpr int TrailIndex(unsigned char b) {
  if (b >= 0x40 && b <= 0x7E) return b - 0x40;         // [0, 62]
  if (b >= 0x80 && b <= 0xFC) return b - 0x80 + 63;    // [63, 187]
  return -1;
}

}  // namespace support::cp932_table
