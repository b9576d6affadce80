#pragma once
// The program's message boxes. Captions, icons and default buttons are fixed
// here so that every window asks and informs alike.
#include <string>

#include "platform/dialogs.h"

namespace platform {

// "確認", Yes/No, question icon; true for Yes.
bool AskYesNo(Dialogs& dialogs, const std::string& text, bool defaultYes);
// As AskYesNo with `caption`, or "確認" when the caption is blank.
bool AskYesNoCaption(Dialogs& dialogs, const std::string& text, const std::string& caption,
                     bool defaultYes);
// Information icon and `caption`, or "確認" when the caption is blank.
void ShowInfo(Dialogs& dialogs, const std::string& text, const std::string& caption);
// The program's own information box: "確認 -楓帳-" with an OK button.
void Inform(Dialogs& dialogs, const std::string& text);
// The error box for the system's own error texts: "エラー -楓帳-".
void ShowError(Dialogs& dialogs, const std::string& text);

}  // namespace platform
