#pragma once
// Shift-JIS as Windows has it (code page 932), table-driven and the same on
// both builds. The data and settings files are CP932 on disk and UTF-8 in
// memory.
//
// Decoding never loses a byte: a byte that is not part of a valid CP932
// character (an unassigned code, a lead byte without a valid trail byte,
// a lone lead byte at the end) becomes the private-use code point
// kCp932EscapeBase + byte, which the encoder turns back into that byte. A
// lead byte followed by a bad trail byte is escaped alone and decoding goes
// on at the next byte. So Utf8ToCp932(Cp932ToUtf8(b)) == b for any bytes,
// except that the codes Windows maps to the same character as another code
// (NEC row 13 copies of row 2 symbols, the NEC-selected IBM extensions
// ED40-EEFC) come back in the form Windows itself writes (should such a code
// follow an undecodable lead byte, the two may read as another pair next
// time). The user-defined area F040-F9FC is U+E000-U+E757, as on Windows.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// kCp932EscapeBase + 0x80 .. + 0xFF carry undecodable bytes 80-FF; no CP932
// character maps to plane 16.
inline constexpr char32_t kCp932EscapeBase = 0x10FF00;

std::string Cp932ToUtf8(std::string_view bytes);
// A character CP932 lacks (an emoji, say) becomes "?", as Windows writes
// it; so does every byte of malformed UTF-8.
std::string Utf8ToCp932(std::string_view utf8);
// False when Utf8ToCp932 would put a "?" for something.
bool Cp932CanEncode(std::string_view utf8);

// A character CP932 cannot hold, where it stands: line and column from 1,
// the column counting characters. Malformed UTF-8 is listed as U+FFFD.
struct UnencodableChar {
  std::string character;
  int line = 0;
  int column = 0;

  bool operator==(const UnencodableChar&) const = default;
};
// Every such character of `utf8` (lines split at LF; a CR before it is
// part of no line), in text order.
std::vector<UnencodableChar> Cp932Unencodable(std::string_view utf8);
// The one box that tells the user which characters cannot be stored and
// where, so they can change them before anything is written; at most the
// first ten are named.
std::string UnencodableNotice(const std::vector<UnencodableChar>& found);
// Bytes of the CP932 form: what the user sees as a width in columns.
std::size_t Cp932Length(std::string_view utf8);
bool IsCp932LeadByte(unsigned char b);

// A piece of text cut by CP932 bytes, as a byte substring of the Shift-JIS
// form would be, without splitting a double-byte character: the characters
// lying wholly inside bytes from .. from+count-1. `from` is 1-based; below
// 1 it counts as 1. A piece that would end on a lead byte ends one byte
// earlier; one that would start on a trail byte starts one byte later.
std::string CopyMbcs(std::string_view text, std::ptrdiff_t from, std::ptrdiff_t count);
// Every occurrence of `find` replaced. UTF-8 matches only whole characters,
// so the plain search is already double-byte safe. An empty `find` changes
// nothing.
std::string ReplaceAllMbcs(std::string_view text, std::string_view find, std::string_view with);

}  // namespace support
