#include "support/cp932.h"

#include "support/cp932_table.h"
#include "support/text.h"
#include "support/utf8.h"

namespace support {
namespace {

namespace table = cp932_table;

// 0 when the pair is not an assigned double-byte code.
char16_t DecodePair(unsigned char lead, unsigned char trail) {
  const int li = table::LeadIndex(lead);
  const int ti = table::TrailIndex(trail);
  if (li < 0 || ti < 0) return 0;
  return table::kDouble[li * table::kTrailCount + ti];
}

// Writes a BMP character as UTF-8 at `out`; returns the end.
char* PutBmp(char* out, char16_t c) {
  if (c < 0x800) {
    *out++ = static_cast<char>(0xC0 | (c >> 6));
  } else {
    *out++ = static_cast<char>(0xE0 | (c >> 12));
    *out++ = static_cast<char>(0x80 | ((c >> 6) & 0x3F));
  }
  *out++ = static_cast<char>(0x80 | (c & 0x3F));
  return out;
}

// kCp932EscapeBase + b for b in [0x80, 0xFF]: F4 8F BE/BF xx.
char* PutEscape(char* out, unsigned char b) {
  *out++ = static_cast<char>(0xF4);
  *out++ = static_cast<char>(0x8F);
  *out++ = static_cast<char>(0xBC | (b >> 6));
  *out++ = static_cast<char>(0x80 | (b & 0x3F));
  return out;
}

// The CP932 code of a non-ASCII character: 0 when it has none, below 0x100
// one byte. Escaped bytes come back as themselves.
unsigned CodeOf(char32_t c) {
  if (c >= kCp932EscapeBase + 0x80 && c <= kCp932EscapeBase + 0xFF) return c - kCp932EscapeBase;
  if (c > 0xFFFF) return 0;
  return table::kEncode[table::kPageOf[c >> 8]][c & 0xFF];
}

struct Encoded {
  unsigned code;         // as CodeOf; meaningless when !representable
  std::size_t length;    // UTF-8 bytes taken
  bool representable;
};

Encoded EncodeAt(std::string_view utf8, std::size_t pos) {
  const auto b = static_cast<unsigned char>(utf8[pos]);
  if (b < 0x80) return {b, 1, true};
  const Utf8Char c = DecodeUtf8At(utf8, pos);
  const unsigned code = c.valid ? CodeOf(c.code) : 0;
  return {code, c.length, code != 0};
}

std::size_t BytesOf(const Encoded& e) {
  return e.representable && e.code > 0xFF ? 2 : 1;
}

}  // namespace

bool IsCp932LeadByte(unsigned char b) { return table::LeadIndex(b) >= 0; }

std::string Cp932ToUtf8(std::string_view bytes) {
  std::string out(bytes.size() * 4, '\0');  // an escape is the longest: 4 per byte
  char* p = out.data();
  const std::size_t n = bytes.size();
  for (std::size_t i = 0; i < n;) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) {
      *p++ = static_cast<char>(b);
      ++i;
      continue;
    }
    if (i + 1 < n) {
      if (const char16_t c = DecodePair(b, static_cast<unsigned char>(bytes[i + 1]))) {
        p = PutBmp(p, c);
        i += 2;
        continue;
      }
    }
    const char16_t single = table::kSingle[b - 0x80];
    p = single ? PutBmp(p, single) : PutEscape(p, b);
    ++i;
  }
  out.resize(static_cast<std::size_t>(p - out.data()));
  return out;
}

std::string Utf8ToCp932(std::string_view utf8) {
  std::string out(utf8.size(), '\0');  // never longer than its UTF-8 form
  char* p = out.data();
  for (std::size_t pos = 0; pos < utf8.size();) {
    const auto b = static_cast<unsigned char>(utf8[pos]);
    if (b < 0x80) {
      *p++ = static_cast<char>(b);
      ++pos;
      continue;
    }
    const Encoded e = EncodeAt(utf8, pos);
    pos += e.length;
    if (!e.representable) {
      *p++ = '?';
    } else if (e.code > 0xFF) {
      *p++ = static_cast<char>(e.code >> 8);
      *p++ = static_cast<char>(e.code & 0xFF);
    } else {
      *p++ = static_cast<char>(e.code);
    }
  }
  out.resize(static_cast<std::size_t>(p - out.data()));
  return out;
}

bool Cp932CanEncode(std::string_view utf8) {
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Encoded e = EncodeAt(utf8, pos);
    if (!e.representable) return false;
    pos += e.length;
  }
  return true;
}

std::vector<UnencodableChar> Cp932Unencodable(std::string_view utf8) {
  constexpr char kReplacement[] = "\xEF\xBF\xBD";  // U+FFFD
  std::vector<UnencodableChar> found;
  int line = 1, column = 1;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Encoded e = EncodeAt(utf8, pos);
    if (utf8[pos] == '\n') {
      ++line;
      column = 1;
    } else if (utf8[pos] != '\r') {
      if (!e.representable) {
        const bool wellFormed = DecodeUtf8At(utf8, pos).valid;
        found.push_back({wellFormed ? std::string(utf8.substr(pos, e.length)) : kReplacement, line, column});
      }
      ++column;
    }
    pos += e.length;
  }
  return found;
}

std::string UnencodableNotice(const std::vector<UnencodableChar>& found) {
  constexpr std::size_t kNamed = 10;
  std::string text = "次の文字は、保存できない文字（Shift-JISにない文字）です。\r\n";
  for (std::size_t i = 0; i < found.size() && i < kNamed; ++i)
    text += "\r\n　「" + found[i].character + "」　" + std::to_string(found[i].line) + "行目 " +
            std::to_string(found[i].column) + "文字目";
  if (found.size() > kNamed) text += "\r\n　ほか " + std::to_string(found.size() - kNamed) + "文字";
  return text + "\r\n\r\nこれらの文字を書き換えてから、もう一度書き込んでください。";
}

std::size_t Cp932Length(std::string_view utf8) {
  std::size_t total = 0;
  for (std::size_t pos = 0; pos < utf8.size();) {
    const Encoded e = EncodeAt(utf8, pos);
    total += BytesOf(e);
    pos += e.length;
  }
  return total;
}

std::string CopyMbcs(std::string_view text, std::ptrdiff_t from, std::ptrdiff_t count) {
  if (count <= 0) return {};
  const std::size_t first = from < 1 ? 0 : static_cast<std::size_t>(from - 1);
  const std::size_t end = first + static_cast<std::size_t>(count);  // CP932 offsets
  std::size_t offset = 0, begin = text.size(), stop = text.size();
  for (std::size_t pos = 0; pos < text.size();) {
    const Encoded e = EncodeAt(text, pos);
    const std::size_t next = offset + BytesOf(e);
    if (offset >= first && begin == text.size()) begin = pos;
    if (next > end) {
      stop = pos;
      break;
    }
    offset = next;
    pos += e.length;
  }
  return begin < stop ? std::string(text.substr(begin, stop - begin)) : std::string();
}

std::string ReplaceAllMbcs(std::string_view text, std::string_view find, std::string_view with) {
  return ReplaceAll(text, find, with);
}

}  // namespace support
