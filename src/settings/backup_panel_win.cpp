#include "settings/folder_checks.h"
#include "settings/pick_folder_win.h"
#include "settings/setup_layout_win.h"
#include "settings/setup_panels_win.h"

namespace settings {
namespace {

int SlotId(int slot, int id) { return id + (slot - 1) * BackupPanel::kSlotStep; }

}  // namespace

std::unique_ptr<BackupPanel> CreateBackupPanel(const BackupPanelArgs& args) {
  if (!args.os || !args.keys || !args.host) return nullptr;
  std::unique_ptr<BackupPanel> panel(new BackupPanel(args));
  if (!panel->CreateWindowFrom(PanelWindowArgs(kBackupPageClass, args.parent, args.id)) || !panel->Build())
    return nullptr;
  return panel;
}

bool BackupPanel::Build() {
  PageControls& c = controls_;
  c.Attach(hwnd(), Dpi());
  c.SizePage(layout::kBackupPageWidth, layout::kBackupPageHeight);
  const DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
  const DWORD field = ES_AUTOHSCROLL | WS_TABSTOP;
  for (int slot = 1; slot <= 2; ++slot) {
    const Place& group = layout::kSlotGroup[slot - 1];
    c.Add(L"BUTTON", slot == 1 ? " 退避先１ " : " 退避先２ ", BS_GROUPBOX, group, SlotId(slot, kSlotGroupId));
    c.Add(L"EDIT", "", field | WS_GROUP, Inside(group, layout::kSlotField), SlotId(slot, kSlotFieldId),
          WS_EX_CLIENTEDGE);
    c.Add(L"BUTTON", "参照", push, Inside(group, layout::kSlotPick), SlotId(slot, kSlotPickId));
    c.Add(L"BUTTON", "← データ退避実行", push, Inside(group, layout::kSlotRun), SlotId(slot, kSlotRunId));
    c.Add(L"STATIC", "", SS_LEFT | SS_NOPREFIX, Inside(group, layout::kSlotLabel), SlotId(slot, kSlotLabelId));
  }
  const Place& group = layout::kRestoreGroup;
  c.Add(L"BUTTON", " データ回復（リストア） ", BS_GROUPBOX, group, kRestoreGroupId);
  c.Add(L"BUTTON", "①「データ回復」をオン", push | WS_GROUP, Inside(group, layout::kRestoreOn), kRestoreOnId);
  c.Add(L"EDIT", "", field, Inside(group, layout::kRestoreField), kRestoreFieldId, WS_EX_CLIENTEDGE);
  c.Add(L"BUTTON", "参照", push, Inside(group, layout::kRestorePick), kRestorePickId);
  c.Add(L"BUTTON", "← ②データ回復", push, Inside(group, layout::kRestoreRun), kRestoreRunId);
  Refresh();
  return true;
}

void BackupPanel::Refresh() {
  const bool net = args_.place.networkDataInUse;
  SetupWindowKeys& keys = *args_.keys;
  for (int slot = 1; slot <= 2; ++slot) {
    controls_.SetText(SlotId(slot, kSlotFieldId), DestinationField(keys, slot, net));
    controls_.SetText(SlotId(slot, kSlotLabelId), SlotLabel(keys, slot, net));
  }
  controls_.SetText(kRestoreFieldId, RestoreField(keys, net));
  for (int id : {kRestoreFieldId, kRestorePickId, kRestoreRunId}) controls_.Enable(id, restoreOn_);
}

void BackupPanel::ReadFields() {
  const bool net = args_.place.networkDataInUse;
  platform::FileSystem& fs = args_.os->fs;
  for (int slot = 1; slot <= 2; ++slot)
    KeepFolderField(fs, DestinationField(*args_.keys, slot, net), controls_.Text(SlotId(slot, kSlotFieldId)));
  KeepFolderField(fs, RestoreField(*args_.keys, net), controls_.Text(kRestoreFieldId));
}

void BackupPanel::Pick(int fieldId) {
  if (const auto folder = PickFolder(hwnd(), controls_.Text(fieldId))) controls_.SetText(fieldId, *folder);
}

void BackupPanel::OnCommand(int id) {
  platform::Services& os = *args_.os;
  ReadFields();
  if (id == kSlotPickId || id == SlotId(2, kSlotPickId)) Pick(id - 1);
  if (id == kRestorePickId) Pick(kRestoreFieldId);
  if (id == kSlotRunId || id == SlotId(2, kSlotRunId))
    BackupData(os, *args_.host, args_.place, *args_.keys, id == kSlotRunId ? 1 : 2);
  if (id == kRestoreOnId) restoreOn_ = restoreOn_ || ConfirmRestorePanel(os.dialogs);
  if (id == kRestoreRunId && RestoreData(os, *args_.host, args_.place, *args_.keys) != CopyOutcome::Refused) {
    args_.host->RestoreEnded();
    return;
  }
  Refresh();
}

LRESULT BackupPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
