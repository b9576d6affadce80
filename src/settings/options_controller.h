#pragma once
// What the options window's controls mean, without the window: the value
// each bound control shows, what a click, a choice or typed text does to
// the form (some act at once: the removable-drive question, the
// local-mode marker), the local data folder group and which controls are
// enabled. The Win32 window forwards every notification here and shows
// what this says.
#include <optional>
#include <string>
#include <string_view>

#include "platform/services.h"
#include "settings/options.h"
#include "settings/options_layout.h"

namespace settings {

// The number a number box takes from typed text, as an up-down control
// keeps it: a number beyond the range becomes the nearer end of the range;
// anything that is no number gives nullopt (the box keeps its value).
// Full-width digits and minus signs, typed with the input method on, count.
std::optional<int> TypedNumber(std::string_view typed, NumberRange range);

class OptionsController {
 public:
  OptionsController(platform::Services& os, OptionsContext context, OptionsForm form);

  const OptionsForm& form() const { return form_; }
  OptionsForm& form() { return form_; }
  const OptionsContext& context() const { return context_; }

  // What a bound control shows, in its key's file form: "1"/"0" for a
  // switch, the number, the colour text ("clRed", "$00484848"), the text.
  std::string Value(const OptionControl& c) const;
  // The user set a check box, a radio or list item, a text or a colour.
  void Change(const OptionControl& c, const std::string& value);
  // Text being typed into a number box: kept while it is a number in range.
  void Typed(const OptionControl& c, const std::string& text);
  // The number box was left; what it shows from now on.
  std::string LeaveNumber(const OptionControl& c, const std::string& text);
  // "規定値に戻す".
  void ResetColours();

  // The " ローカルデータフォルダ " group.
  void BeginFolderChange();                            // "変更"
  bool ExecuteFolderChange(const std::string& typed);  // "変更実行"
  void CancelFolderChange();                           // "キャンセル"
  bool FolderPending() const { return folder_.pending(); }
  // Leaving the field (or closing) while a change is pending is refused
  // with its message.
  bool MayLeaveFolder() const { return folder_.MayLeave(os_.dialogs); }

  // Controls of this window that are greyed (the " ネット１ " buttons are
  // NetTab's) and edit boxes that only show their text.
  bool Enabled(const OptionControl& c) const;
  bool ReadOnly(const OptionControl& c) const;

 private:
  void SetLocalMarker(bool checked);

  platform::Services& os_;
  OptionsContext context_;
  OptionsForm form_;
  LocalFolderEdit folder_;
};

}  // namespace settings
