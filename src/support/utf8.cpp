#include "support/utf8.h"

namespace support {
namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

// Lead byte -> sequence length and the smallest code that length may carry
// (anything below is an overlong form).
struct LeadInfo {
  std::size_t length;
  char32_t minimum;
  char32_t bits;
};

LeadInfo InfoOfLead(unsigned char b) {
  if (b >= 0xC2 && b <= 0xDF) return {2, 0x80, b & 0x1Fu};
  if (b >= 0xE0 && b <= 0xEF) return {3, 0x800, b & 0x0Fu};
  if (b >= 0xF0 && b <= 0xF4) return {4, 0x10000, b & 0x07u};
  return {0, 0, 0};
}

}  // namespace

Utf8Char DecodeUtf8At(std::string_view text, std::size_t pos) {
  const auto lead = static_cast<unsigned char>(text[pos]);
  if (lead < 0x80) return {lead, 1, true};
  const LeadInfo info = InfoOfLead(lead);
  if (info.length == 0 || pos + info.length > text.size()) return {lead, 1, false};
  char32_t code = info.bits;
  for (std::size_t i = 1; i < info.length; ++i) {
    const auto b = static_cast<unsigned char>(text[pos + i]);
    if (!IsContinuation(b)) return {lead, 1, false};
    code = (code << 6) | (b & 0x3Fu);
  }
  const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
  if (code < info.minimum || surrogate || code > 0x10FFFF) return {lead, 1, false};
  return {code, info.length, true};
}

void AppendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

bool IsValidUtf8(std::string_view text) {
  for (std::size_t pos = 0; pos < text.size();) {
    const Utf8Char c = DecodeUtf8At(text, pos);
    if (!c.valid) return false;
    pos += c.length;
  }
  return true;
}

std::size_t Utf8CharCount(std::string_view text) {
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); ++count) pos += DecodeUtf8At(text, pos).length;
  return count;
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Utf8Char c = DecodeUtf8At(utf8, pos);
    pos += c.length;
    const char32_t code = c.valid ? c.code : kReplacementChar;
    if (code < 0x10000) {
      out += static_cast<char16_t>(code);
    } else {
      out += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  for (std::size_t i = 0; i < utf16.size(); ++i) {
    char32_t code = utf16[i];
    const bool high = code >= 0xD800 && code <= 0xDBFF;
    const bool lowNext = i + 1 < utf16.size() && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF;
    if (high && lowNext) {
      code = 0x10000 + ((code - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (code >= 0xD800 && code <= 0xDFFF) {
      code = kReplacementChar;
    }
    AppendUtf8(out, code);
  }
  return out;
}

}  // namespace support
