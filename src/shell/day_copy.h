#pragma once
// "Ｄａｙコピー" and "Ｄａｙペースト": every entry of one day through the
// clipboard onto another day of any month. The text is a header line and
// the day's lines exactly as the month file holds them, each ended by
// CR LF, so other programs' clipboard viewers show it too:
//
//   --- Velda&Velka [DayCopy] ---
//    5,1,,会議，第二会議室,clRed,,9:05:00,,,
//    5,2,,歯医者,,,,,,
//
// Pasting rebuilds each line for the target day and appends it; the day's
// own entries stay first.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/julius.h"
#include "platform/services.h"
#include "shell/edit_flows.h"
#include "store/month_file.h"

namespace shell {

inline constexpr char kDayCopyHeader[] = "--- Velda&Velka [DayCopy] ---";

// The clipboard text of `day` of `year`/`month` in `slot`; nothing when the
// slot holds another month or no line of the day has a text.
std::optional<std::string> DayCopyText(const store::MonthSlot& slot, const calendar::Date& date);

enum class PasteRefusal { None, NoText, NoData, NotDayCopy, ConversionError };

struct PastedLines {
  PasteRefusal refusal = PasteRefusal::None;
  std::vector<std::string> lines;  // ScheduleItem lines of the target day
};

// The clipboard text read back as lines of `day`: day and position from
// the copy's position field (0 when it is no number), fields 3..8 as they
// stand. A line of fewer than nine fields refuses the whole paste.
PastedLines ParseDayCopy(const std::optional<std::string>& text, int day);

// The message box text of a refusal; empty for None.
std::string RefusalMessage(PasteRefusal refusal);

// Holds the day-copy flag of the main window: set by a copy that put text
// on the clipboard, the paste item is offered while it is set.
class DayCopy {
 public:
  explicit DayCopy(platform::Services& os) : os_(os) {}

  bool pending() const { return pending_; }

  // The day of the shown month onto the clipboard. False, with the
  // clipboard and the flag as they were, when there is nothing to copy.
  bool Copy(EditHost& host, const calendar::Date& date);
  // The copied lines appended to the day in the shown month and written at
  // once. A refusal shows its message, clears the flag and
  // leaves the month alone.
  bool Paste(EditHost& host, const calendar::Date& date);
  // The day editor, the memo window or the search window opens: a day copy
  // still on the clipboard is removed so that it is not pasted there as
  // text; another program's text on the clipboard stays.
  void Forget();

 private:
  platform::Services& os_;
  bool pending_ = false;
};

}  // namespace shell
