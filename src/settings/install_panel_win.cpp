#include "settings/folder_checks.h"
#include "settings/pick_folder_win.h"
#include "settings/setup_layout_win.h"
#include "settings/setup_panels_win.h"

namespace settings {
namespace {

constexpr const char* kShortcutBoxCaptions[kShortcutKinds] = {"自動起動（スタートアップ）", "デスクトップ",
                                                              "スタートメニュー", "プログラムメニュー"};
// Ticked when the page opens: a new setup gets these two.
constexpr bool kShortcutBoxDefaults[kShortcutKinds] = {false, true, false, true};

}  // namespace

std::unique_ptr<InstallPanel> CreateInstallPanel(const InstallPanelArgs& args) {
  if (!args.os || !args.keys || !args.host) return nullptr;
  std::unique_ptr<InstallPanel> panel(new InstallPanel(args));
  if (!panel->CreateWindowFrom(PanelWindowArgs(kInstallPageClass, args.parent, args.id)) || !panel->Build())
    return nullptr;
  return panel;
}

bool InstallPanel::Build() {
  controls_.Attach(hwnd(), Dpi());
  controls_.SizePage(layout::kInstallPageWidth, layout::kInstallPageHeight);
  CreateControls();
  controls_.Check(kNewId, true);
  for (int k = 0; k < kShortcutKinds; ++k) controls_.Check(kLinkFirstId + k, kShortcutBoxDefaults[k]);
  const int remembered = args_.keys->Set_Ta;
  Choose(remembered >= 0 && remembered < kSetupFolderChoices ? static_cast<SetupFolderChoice>(remembered)
                                                             : SetupFolderChoice::UserArea);
  return true;
}

void InstallPanel::CreateControls() {
  PageControls& c = controls_;
  const DWORD radio = BS_AUTORADIOBUTTON | WS_TABSTOP;
  c.Add(L"BUTTON", " セットアップの方法 ", BS_GROUPBOX, layout::kKindGroup, kKindGroupId);
  c.Add(L"BUTTON", kNewSetupCaption, radio | WS_GROUP, layout::kKindRadio[0], kNewId);
  c.Add(L"BUTTON", kOverwriteSetupCaption, radio, layout::kKindRadio[1], kOverwriteId);
  c.Add(L"BUTTON", " セットアップの場所 ", BS_GROUPBOX, layout::kFolderGroup, kFolderGroupId);
  for (int i = 0; i < kSetupFolderChoices; ++i) {
    c.Add(L"BUTTON", kSetupFolderChoiceCaptions[i], BS_RADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0),
          layout::kFolderRadio[i], kChoiceFirstId + i);
    c.Enable(kChoiceFirstId + i, SetupFolderChoiceEnabled(*args_.os, static_cast<SetupFolderChoice>(i)));
  }
  c.Add(L"EDIT", "", ES_AUTOHSCROLL | WS_TABSTOP | WS_GROUP, layout::kSetupField, kFieldId, WS_EX_CLIENTEDGE);
  c.Add(L"BUTTON", "参照", BS_PUSHBUTTON | WS_TABSTOP, layout::kSetupPick, kPickId);
  c.Add(L"BUTTON", kNoBackupCaption, BS_CHECKBOX | WS_TABSTOP | WS_GROUP, layout::kNoBackup, kNoBackupId);
  c.Add(L"BUTTON", " ショートカット ", BS_GROUPBOX, layout::kLinkGroup, kLinkGroupId);
  for (int k = 0; k < kShortcutKinds; ++k)
    c.Add(L"BUTTON", kShortcutBoxCaptions[k], BS_AUTOCHECKBOX | WS_TABSTOP | (k == 0 ? WS_GROUP : 0),
          layout::kLinkBox[k], kLinkFirstId + k);
  c.Add(L"STATIC", "", SS_LEFT | SS_SUNKEN | SS_CENTERIMAGE | SS_NOPREFIX, layout::kProgress, kProgressId);
  c.Add(L"BUTTON", kStartSetupCaption, BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, layout::kStart, kStartId);
}

// A fixed choice fills the field; the free one gives back the folder kept.
void InstallPanel::Choose(SetupFolderChoice choice) {
  choice_ = choice;
  for (int i = 0; i < kSetupFolderChoices; ++i) controls_.Check(kChoiceFirstId + i, i == static_cast<int>(choice));
  const bool free = choice == SetupFolderChoice::Free;
  controls_.SetText(kFieldId, free ? args_.keys->edtSetup : SetupFolderOf(*args_.os, choice));
  SendMessageW(controls_.Item(kFieldId), EM_SETREADONLY, free ? FALSE : TRUE, 0);
  controls_.Enable(kPickId, free);
}

void InstallPanel::ReadFields() {
  args_.keys->Set_Ta = static_cast<int>(choice_);
  if (choice_ == SetupFolderChoice::Free) KeepFolderField(args_.os->fs, args_.keys->edtSetup, controls_.Text(kFieldId));
}

void InstallPanel::ShowProgress(const std::string& label) {
  controls_.SetText(kProgressId, label);
  UpdateWindow(controls_.Item(kProgressId));
}

void InstallPanel::Start() {
  ReadFields();
  KeepFolderField(args_.os->fs, args_.keys->edtSetup, controls_.Text(kFieldId));  // the folder last used
  SetupRequest request;
  request.kind = controls_.Checked(kOverwriteId) ? SetupKind::Overwrite : SetupKind::New;
  request.folder = controls_.Text(kFieldId);
  request.noBackup = controls_.Checked(kNoBackupId);
  for (int k = 0; k < kShortcutKinds; ++k) request.shortcuts[k] = controls_.Checked(kLinkFirstId + k);
  const SetupOutcome outcome = RunSetup(*args_.os, *args_.host, args_.facts, request);
  ShowProgress("");
  if (outcome.installed) args_.host->SetupEnded(outcome);
}

void InstallPanel::OnCommand(int id) {
  if (id >= kChoiceFirstId && id < kChoiceFirstId + kSetupFolderChoices) {
    ReadFields();
    Choose(static_cast<SetupFolderChoice>(id - kChoiceFirstId));
  } else if (id == kPickId) {
    if (const auto folder = PickFolder(hwnd(), controls_.Text(kFieldId))) controls_.SetText(kFieldId, *folder);
  } else if (id == kNoBackupId) {
    const bool ticking = !controls_.Checked(kNoBackupId);
    controls_.Check(kNoBackupId, ticking && ConfirmNoBackup(*args_.os, args_.facts, controls_.Text(kFieldId)));
  } else if (id == kStartId) {
    Start();
  }
}

LRESULT InstallPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
