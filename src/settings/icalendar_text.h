#pragma once
// The text rules of iCalendar files (RFC 5545) that the export needs:
// TEXT values with "\", ";" and "," escaped, content lines folded at 75
// octets without splitting a UTF-8 character, CR LF after every line.
//
//   SUMMARY:会議\, 第二会議室\; 資料\\写し
#include <string>
#include <string_view>

#include "platform/datetime.h"

namespace settings {

// A value for a TEXT property: control characters other than TAB dropped,
// bytes kept from an undecodable Shift-JIS code shown as U+FFFD, then
// "\" -> "\\", ";" -> "\;", "," -> "\,".
std::string IcsText(std::string_view text);

// Appends one content line to `out`, folded so that no physical line is
// longer than 75 octets (continuations start with one blank), each ended
// by CR LF.
void AppendContentLine(std::string& out, std::string_view line);

// "20040305" and "20261208T000000Z".
std::string IcsDate(int year, int month, int day);
std::string IcsUtcStamp(const platform::DateTime& utc);

}  // namespace settings
