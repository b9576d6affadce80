#pragma once
// One opening of the options window, without the window: what it reads
// when it opens and writes when it closes. The main keys go back only into
// the main window's settings (it saves them); the window's own keys
// ("PageIndex" and the "Jikoku" keys) and, in memo mode, the memo window's
// jump keys are written to the settings file here.
#include <string>

#include "platform/services.h"
#include "settings/options.h"
#include "settings/options_changes.h"
#include "settings/options_layout.h"
#include "settings/settings.h"

namespace settings {

class OptionsSession {
 public:
  OptionsSession(platform::Services& os, OptionsContext context, std::string settingsFile);

  // The form on the main window's settings, the window's own keys and, in
  // memo mode, the memo window's keys as the file has them.
  OptionsForm Open(const Settings& s, OptionsMode mode);

  // `pageIndex`: the tab shown at the close. Confirmed: every control goes
  // back into `s` (and the memo keys into the file); cancelled: only a
  // data folder change the user executed. The window's own keys are
  // written either way. `networkOn`: the network mode runs now.
  OptionsChanges Close(const OptionsForm& form, int pageIndex, bool confirmed, bool networkOn, Settings& s);

  const OptionsContext& context() const { return context_; }
  const std::string& settingsFile() const { return settingsFile_; }

 private:
  bool SaveMemoOptionKeys(const MemoWindowKeys& memo);

  platform::Services& os_;
  OptionsContext context_;
  std::string settingsFile_;
  OptionsMode mode_ = OptionsMode::Main;
};

}  // namespace settings
