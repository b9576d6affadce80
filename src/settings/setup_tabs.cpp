#include "settings/setup_tabs.h"

namespace settings {

SetupTabLayout TabsFor(SetupPage page, bool exportAvailable) {
  SetupTabLayout l;
  switch (page) {
    case SetupPage::Commemoration:
      return {{SetupTab::Commemoration}, SetupTab::Commemoration};
    case SetupPage::SpecialDays:
      return {{SetupTab::SpecialDays}, SetupTab::SpecialDays};
    case SetupPage::Backup:
      break;
    case SetupPage::Export:
      l.exportSelected = exportAvailable;
      [[fallthrough]];
    default:
      l.exportShown = exportAvailable;
  }
  l.tabs = {SetupTab::Copy, SetupTab::Install, SetupTab::Shortcuts};
  l.selected = page == SetupPage::Install     ? SetupTab::Install
               : page == SetupPage::Shortcuts ? SetupTab::Shortcuts
                                              : SetupTab::Copy;
  return l;
}

}  // namespace settings
