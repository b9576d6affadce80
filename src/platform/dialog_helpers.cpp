#include "platform/dialog_helpers.h"

#include <algorithm>

namespace platform {
namespace {

constexpr char kConfirmCaption[] = "確認";
constexpr char kInformCaption[] = "確認 -楓帳-";
constexpr char kErrorCaption[] = "エラー -楓帳-";

// Blank as the program's other text tests see it: control characters and
// spaces only.
bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) <= ' '; });
}

std::string CaptionOrConfirm(const std::string& caption) {
  return IsBlank(caption) ? kConfirmCaption : caption;
}

}  // namespace

bool AskYesNoCaption(Dialogs& dialogs, const std::string& text, const std::string& caption,
                     bool defaultYes) {
  Message m{text, CaptionOrConfirm(caption), MsgIcon::Question, MsgButtons::YesNo,
            defaultYes ? 0 : 1};
  return dialogs.Show(m) == MsgResult::Yes;
}

bool AskYesNo(Dialogs& dialogs, const std::string& text, bool defaultYes) {
  return AskYesNoCaption(dialogs, text, kConfirmCaption, defaultYes);
}

void ShowInfo(Dialogs& dialogs, const std::string& text, const std::string& caption) {
  dialogs.Show({text, CaptionOrConfirm(caption), MsgIcon::Information, MsgButtons::Ok, 0});
}

void Inform(Dialogs& dialogs, const std::string& text) {
  dialogs.Show({text, kInformCaption, MsgIcon::Information, MsgButtons::Ok, 0});
}

void ShowError(Dialogs& dialogs, const std::string& text) {
  dialogs.Show({text, kErrorCaption, MsgIcon::Error, MsgButtons::Ok, 0});
}

}  // namespace platform
