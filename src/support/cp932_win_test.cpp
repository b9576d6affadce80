// Our codec against the Windows build's own code page 932 (Wine's, when the
// tests run under Wine): the system's answer is the reference.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/cp932.h"
#include "support/utf8.h"

namespace support {
namespace {

constexpr wchar_t kWindowsDefaultChar = 0x30FB;  // what 932 puts for a bad byte

std::string Escape(unsigned char b) {
  std::string s;
  AppendUtf8(s, kCp932EscapeBase + b);
  return s;
}

// The system's decode of exactly one character; empty when it refuses.
std::u16string SystemDecode(const std::string& bytes, DWORD flags) {
  wchar_t out[4] = {};
  const int n = MultiByteToWideChar(932, flags, bytes.data(), static_cast<int>(bytes.size()), out, 4);
  return n > 0 ? std::u16string(out, out + n) : std::u16string();
}

TEST(Cp932Windows, SingleBytesDecodeAsWindows) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::u16string system = SystemDecode(one, 0);
    ASSERT_EQ(system.size(), 1u) << b;
    if (system[0] == kWindowsDefaultChar) {
      EXPECT_EQ(Cp932ToUtf8(one), Escape(static_cast<unsigned char>(b))) << b;
    } else {
      EXPECT_EQ(Cp932ToUtf8(one), Utf16ToUtf8(system)) << b;
    }
  }
}

TEST(Cp932Windows, DoubleByteCodesDecodeAsWindows) {
  int assigned = 0;
  for (int lead = 0x81; lead <= 0xFC; ++lead) {
    for (int trail = 0x40; trail <= 0xFC; ++trail) {
      const std::string pair{static_cast<char>(lead), static_cast<char>(trail)};
      const std::u16string system = SystemDecode(pair, MB_ERR_INVALID_CHARS);
      const std::string ours = Cp932ToUtf8(pair);
      if (system.size() == 1 && IsCp932LeadByte(static_cast<unsigned char>(lead))) {
        ++assigned;
        EXPECT_EQ(ours, Utf16ToUtf8(system)) << std::hex << lead << trail;
      } else if (IsCp932LeadByte(static_cast<unsigned char>(lead))) {
        EXPECT_EQ(ours.substr(0, 4), Escape(static_cast<unsigned char>(lead))) << std::hex << lead << trail;
      }
    }
  }
  EXPECT_EQ(assigned, 9672 - 63 - 5);  // our table: less the half-width kana and the extra singles
}

TEST(Cp932Windows, EveryBmpCharacterEncodesAsWindows) {
  for (char32_t c = 1; c < 0x10000; ++c) {
    if (c >= 0xD800 && c <= 0xDFFF) continue;
    const wchar_t wide = static_cast<wchar_t>(c);
    char out[4] = {};
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, &wide, 1, out, 4, nullptr, &usedDefault);
    std::string text;
    AppendUtf8(text, c);
    if (usedDefault) {
      EXPECT_EQ(Utf8ToCp932(text), "?") << std::hex << static_cast<unsigned>(c);
      EXPECT_FALSE(Cp932CanEncode(text)) << std::hex << static_cast<unsigned>(c);
    } else {
      EXPECT_EQ(Utf8ToCp932(text), std::string(out, n)) << std::hex << static_cast<unsigned>(c);
      EXPECT_TRUE(Cp932CanEncode(text)) << std::hex << static_cast<unsigned>(c);
    }
  }
}

}  // namespace
}  // namespace support
