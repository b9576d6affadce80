#include "settings/options_net_tab.h"

#include "net/lock_maintenance.h"
#include "support/text.h"

namespace settings {

NetTab::NetTab(platform::Services& os, OptionsNetworkHost& host, net::FolderPicker& picker, std::string dataRoot)
    : os_(os), host_(host), setup_(os, host.Admin(), picker, std::move(dataRoot)),
      folderAtOpen_(host.Admin().netFolder()) {}

void NetTab::Shown(const OptionsForm& form) {
  if (!form.values.cbNet || support::IsBlank(form.values.edtNetFolder)) return;
  host_.Admin().SetNetFolder(form.values.edtNetFolder);
  host_.Admin().ReadRights();
}

net::NetTabEnables NetTab::Enables(const OptionsForm& form) {
  net::NetTabEnables e = net::NetTabFor(host_.Admin().level(), form.values.cbNet);
  e.backupAndRestore = e.backupAndRestore && host_.CanOpenNetBackup();
  return e;
}

std::string NetTab::RightsText() { return net::RightsLabel(host_.Admin().level()); }

void NetTab::SearchLocks(const OptionsForm& form) { net::SearchLocks(os_, form.values.edtNetFolder); }

void NetTab::UnlockAll(const OptionsForm& form) { net::UnlockAll(os_, form.values.edtNetFolder); }

void NetTab::SharingOff(OptionsForm& form) {
  form.values.cbNet = false;
  if (host_.NetworkOn()) host_.SetNetwork(false);
}

void NetTab::RunAdminDialog(net::AdminDialogMode mode, OptionsForm& form, AdminWindows& windows) {
  std::string& field = form.values.edtNetFolder;
  switch (setup_.CanOpen(mode, form.values.cbNet, field)) {
    case net::OpenCheck::Refused: return;
    case net::OpenCheck::NoComputerName: return SharingOff(form);
    case net::OpenCheck::Open: break;
  }
  const net::AdminEntry initial = net::InitialEntry({}, os_.system.ComputerName());
  const std::optional<std::string> target = windows.ShowAdminDialog(setup_, mode, field, initial);
  if (target && setup_.AfterClose(*target, field)) field = *target;
}

void NetTab::SetRights(OptionsForm& form, AdminWindows& windows) {
  const bool named = !os_.system.ComputerName().empty();
  const std::string field = form.values.edtNetFolder;
  setup_.SetRights(*windows.RightsDialog(setup_, field), field);
  if (!named) SharingOff(form);
}

void NetTab::OpenBackup() {
  if (host_.CanOpenNetBackup()) host_.OpenNetBackup();
}

void NetTab::Finish(const std::optional<std::string>& netFolderInForce) {
  host_.Admin().SetNetFolder(netFolderInForce.value_or(folderAtOpen_));
}

}  // namespace settings
