#pragma once
// Numbers in the data files, read the way the files were always read:
// leading blanks skipped, an optional sign, decimal digits or "$"/"0x"
// followed by hexadecimal digits; nothing may follow.
#include <cstdint>
#include <optional>
#include <string_view>

namespace store {

// nullopt when the text is not such a number or leaves the 32-bit range
// (hexadecimal takes any 32-bit pattern: "$80000008" is negative).
std::optional<std::int32_t> ParseInt32(std::string_view text);

// ParseInt32 with a fallback for texts that are not numbers.
std::int32_t ParseInt32Or(std::string_view text, std::int32_t fallback);

// Blanks and control characters removed from both ends.
std::string_view TrimBlanks(std::string_view text);

}  // namespace store
