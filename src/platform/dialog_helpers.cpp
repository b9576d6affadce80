#include "platform/dialog_helpers.h"

#include "support/text.h"

namespace platform {
namespace {

constexpr char kConfirmCaption[] = "確認";
constexpr char kInformCaption[] = "確認 -楓帳-";
constexpr char kErrorCaption[] = "エラー -楓帳-";

std::string CaptionOrConfirm(const std::string& caption) {
  return support::IsBlank(caption) ? kConfirmCaption : caption;
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
