#pragma once
// A ScheduleItem line (store/schedule_item.h) as one line of a day cell:
//
//   12,1,,<B>会議	第二会議室,clRed,,,,,
//   -> "会議   第二会議室", bold, red
//
// Nothing here raises: missing fields give an empty text, an unreadable
// colour the default colour.
#include <optional>
#include <string>
#include <string_view>

#include "store/color_text.h"

namespace grid {

// Field `n` of a comma-separated line without quoting; empty when missing.
std::string_view FieldOf(std::string_view line, int n);
int FieldCount(std::string_view line);

struct EntryLine {
  std::string text;    // shown text: markup removed, tabs expanded
  bool bold = false;
  bool strikeOut = false;
  bool hidden = false;  // the hiding markup leaves nothing of it
  std::optional<store::Color> colour;  // field 4; none: the default colour
};

// Prepares the entry drawn after entries that left `hidden` as it is, and
// updates `hidden` for the next one.
EntryLine PrepareEntryLine(std::string_view line, bool& hidden, int tabBlanks);

// Field 4 as a colour: none when the line has five fields or fewer, when
// the field is empty or "1", or when it is no colour text.
std::optional<store::Color> EntryColour(std::string_view line);

}  // namespace grid
