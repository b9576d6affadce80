#pragma once
// Comma text: a list of fields in one line, as rule lines and day names
// are written.
//
//   3,20,"Spring ""equinox"" day"   ->  3 | 20 | Spring "equinox" day
//   1 1  New-Year,                  ->  1 | 1 | New-Year | (empty)
//
// Commas, blanks and control characters separate fields; a run of them with
// at most one comma is one separator. A field in double quotes keeps its
// commas and blanks, "" inside it standing for one quote. A comma at the
// very end adds an empty last field. A NUL byte ends the text.
#include <string>
#include <string_view>
#include <vector>

namespace calendar {

std::vector<std::string> SplitCommaText(std::string_view text);

// Joins with commas; a field holding a blank, a control character, a comma
// or a double quote is quoted. A lone empty field gives "".
std::string JoinCommaText(const std::vector<std::string>& fields);

}  // namespace calendar
