#include "settings/icalendar_text.h"

#include <cstdio>

#include "support/cp932.h"
#include "support/utf8.h"

namespace settings {
namespace {

constexpr std::size_t kMaxLineOctets = 75;

bool IsContinuationByte(unsigned char b) { return (b & 0xC0) == 0x80; }

// Bytes of `line` from `from` that fit in `room` octets, ending on a
// character boundary (at least one character, so the loop always moves).
std::size_t FittingBytes(std::string_view line, std::size_t from, std::size_t room) {
  if (line.size() - from <= room) return line.size() - from;
  std::size_t end = from + room;
  while (end > from && IsContinuationByte(static_cast<unsigned char>(line[end]))) --end;
  if (end == from) end = from + support::DecodeUtf8At(line, from).length;
  return end - from;
}

char32_t SafeCode(const support::Utf8Char& c) {
  if (!c.valid || c.code >= support::kCp932EscapeBase) return support::kReplacementChar;
  return c.code;
}

}  // namespace

std::string IcsText(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 8);
  for (std::size_t pos = 0; pos < text.size();) {
    const support::Utf8Char c = support::DecodeUtf8At(text, pos);
    pos += c.length;
    const char32_t code = SafeCode(c);
    if ((code < 0x20 && code != U'\t') || code == 0x7F) continue;
    if (code == U'\\' || code == U';' || code == U',') out += '\\';
    support::AppendUtf8(out, code);
  }
  return out;
}

void AppendContentLine(std::string& out, std::string_view line) {
  std::size_t pos = FittingBytes(line, 0, kMaxLineOctets);
  out.append(line.substr(0, pos)).append("\r\n");
  while (pos < line.size()) {
    const std::size_t n = FittingBytes(line, pos, kMaxLineOctets - 1);  // the blank takes one
    out.append(" ").append(line.substr(pos, n)).append("\r\n");
    pos += n;
  }
}

std::string IcsDate(int year, int month, int day) {
  char text[24];
  std::snprintf(text, sizeof text, "%.4d%.2d%.2d", year, month, day);
  return text;
}

std::string IcsUtcStamp(const platform::DateTime& utc) {
  char text[24];
  std::snprintf(text, sizeof text, "T%.2d%.2d%.2dZ", utc.hour, utc.minute, utc.second);
  return IcsDate(utc.year, utc.month, utc.day) + text;
}

}  // namespace settings
