#pragma once
// UTF-8 steps and the conversions to and from UTF-16 (std::u16string, the
// same on both builds; Win32 calls use platform::Widen/Narrow).
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace support {

inline constexpr char32_t kReplacementChar = 0xFFFD;

struct Utf8Char {
  char32_t code = 0;
  std::size_t length = 1;  // bytes taken, at least 1
  bool valid = false;
};

// The character starting at text[pos] (pos < text.size()). A byte that does
// not begin a well-formed sequence (stray continuation, truncated or
// overlong form, surrogate, beyond U+10FFFF) reads as one invalid byte.
Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos);
void AppendUtf8(std::string& out, char32_t code);
bool IsValidUtf8(std::string_view text);
// Number of characters; every invalid byte counts as one.
std::size_t Utf8CharCount(std::string_view text);

// Invalid UTF-8 bytes become U+FFFD each; unpaired surrogates likewise.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

}  // namespace support
