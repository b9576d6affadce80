#pragma once
// Text helpers of the day and list views, and the small string tools every
// folder needs. Texts are UTF-8; where a width counts, it is the Shift-JIS
// (CP932) byte length, the width a fixed-pitch Japanese font gives.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace support {

// Trimming drops bytes up to 0x20 (blanks and control characters); the
// bytes of a non-ASCII character are never among them.
std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);
bool IsBlank(std::string_view text);

// ASCII case folding only, as the Windows profile functions compare.
char ToLowerAscii(char c);
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);
// <0, 0, >0 as the folded texts compare byte by byte.
int CompareIgnoreCase(std::string_view a, std::string_view b);
bool StartsWithIgnoreCase(std::string_view text, std::string_view prefix);

// Every occurrence replaced, left to right; an empty `find` changes nothing.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view with);

// Pieces between the separators, empty ones kept: "a,,b" gives three, ""
// one empty piece, "a," "a" and "". SplitAt appends them to `list`.
void SplitAt(std::string_view text, char separator, std::vector<std::string>& list);
std::vector<std::string> Split(std::string_view text, char separator);
std::string Join(const std::vector<std::string>& pieces, std::string_view separator);

// Lines as a list of lines sees them: CR LF, LF and CR each end a line; a
// break at the very end opens no further line ("" gives no lines).
std::vector<std::string> SplitLines(std::string_view text);
// Every line followed by the break, CR LF unless told.
std::string JoinLines(const std::vector<std::string>& lines, std::string_view lineBreak = "\r\n");

// An integer as Delphi's StrToIntDef reads one: leading blanks, a sign,
// decimal digits or hexadecimal after "$", "0x" or "x", nothing after the
// digits; within 32 bits (hexadecimal up to $FFFFFFFF, which wraps).
std::optional<std::int32_t> ParseInt(std::string_view text);
std::int32_t StrToIntDef(std::string_view text, std::int32_t fallback);

// 0..9 -> "０".."９"; any other value "９".
std::string FullWidthDigit(int digit);
// Every ASCII digit in its full-width form.
std::string ToFullWidthDigits(std::string_view text);

// 1 = Sunday .. 7 = Saturday: "日".."土" and "日曜日".."土曜日"; else "不明".
std::string WeekdayShort(int weekday);
std::string WeekdayLong(int weekday);
// "日曜日".."土曜日" -> "1".."7"; anything else, short names too, "".
std::string WeekdayNumber(std::string_view name);

std::string Repeat(std::string_view text, int times);
// Cut or filled with blanks to exactly `width` CP932 bytes. A double-byte
// character that would be cut in half is left out and a blank stands in
// its place. PadRight keeps the start of the text, PadLeft the end.
std::string PadRight(std::string_view text, int width);
std::string PadLeft(std::string_view text, int width);
// The end of the text, at most `width` CP932 bytes, whole characters only.
std::string RightPart(std::string_view text, int width);

// encode: every " " -> "_\Sp\_"; decode: the reverse.
std::string SpaceToken(std::string_view text, bool encode);
// 'text' -> text, with '' inside read as '; anything else unchanged.
std::string Unquote(std::string_view text);
// A COLORREF (0x00BBGGRR) as "#rrggbb", lower-case.
std::string ColorToHex(std::uint32_t color);

// A most-recent-first history: a blank text is ignored; otherwise equal
// entries are removed, the text goes to the top, and with limit > 0 the
// list is cut to `limit` entries.
void PushRecent(std::vector<std::string>& list, std::string_view text, int limit);

}  // namespace support
