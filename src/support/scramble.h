#pragma once
// Text-key scrambling of the network administration files: a byte-wise XOR
// with a repeating printable key that never produces a control character,
// so the result stays text, and the two containers built on it. It works on
// the bytes as stored, CP932; lines here are CP932 bytes.
//
// Key book (a list of lines), one physical line:
//   scramble(code MARK line1 MARK ... lineN MARK trailer MARK CR LF)
// with MARK the bytes 7F FE, `code` a fresh header code and the trailer its
// first half; one key position runs through the whole line.
//
// Scrambled INI: the header line and CR LF, then chunks of INI lines, each
// line scrambled on its own and followed by MARK, a chunk ended by CR LF as
// soon as it is longer than 192 bytes.
#include <cstddef>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace support {

inline constexpr std::string_view kScrambleMark = "\x7F\xFE";
inline constexpr std::size_t kScrambledIniChunkLimit = 192;
// 217 characters of printable ASCII and half-width katakana; UTF-8 here,
// 217 bytes in the file. It holds neither 7F nor FE, so it is never a scrambled chunk,
// which always ends with the mark.
inline constexpr std::string_view kScrambledIniHeader =
    "･････････････････････････････････････"
    "･････････････････････････････････････"
    " Velda ﾈｯﾄﾜｰｸ ｶﾝﾘ ｾｯﾃｲ - scrambled IN"
    "I - ｺﾉ ﾌｧｲﾙ ｦ ﾍﾝｼｭｳ ｼﾅｲﾃﾞ ｸﾀﾞｻｲ "
    "･････････････････････････････････････"
    "･････････････････････････････････････";

// Bytes from 20 up are XORed with the key byte when the result is 20 or
// more, else kept; bytes below 20 are kept. The key advances on every byte.
// Applying it twice with the same key gives the text back. An empty key
// changes nothing.
std::string ScrambleText(std::string_view bytes, std::string_view key);

// 6 to 99 decimal digits, new for every save.
std::string MakeHeaderCode(std::mt19937& random);
// From a generator seeded once from the clock.
std::string MakeHeaderCode();

// The first half of the header code.
std::string HeaderTrailer(std::string_view code);
std::string EncodeKeyBook(std::string_view code, const std::vector<std::string>& lines,
                          std::string_view key);
// Every plain line of the book: the header code, the content, the trailer.
std::vector<std::string> DecodeKeyBook(std::string_view file, std::string_view key);

std::string EncodeScrambledIni(const std::vector<std::string>& lines, std::string_view key);
// A file whose first line is not the header line is taken as one scrambled
// INI line per physical line.
std::vector<std::string> DecodeScrambledIni(std::string_view file, std::string_view key);

}  // namespace support
