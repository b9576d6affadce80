#include "settings/commemoration_page_win.h"

#include <commdlg.h>

namespace settings {
namespace {

enum ControlId : int {
  kShowGroupId = 100, kPanelId, kDaysId, kSchedulesId, kPrecedenceId,
  kImportGroupId, kImportOnId, kInsertBeforeId, kDefaultColourId, kReadColourLabelId, kReadColourBoxId,
  kReadColourId, kImportId,
  kRemoveGroupId, kRemoveOnId, kCodeLabelId, kCodeId = kCommemorationDeleteCodeId, kRemoveId,
  kApplyId, kCancelId,
};

}  // namespace

CommemorationPanel::CommemorationPanel(const CommemorationPanelArgs& args)
    : host_(*args.host), page_({*args.os, *args.folders, *args.network}, args.settings) {}

std::unique_ptr<CommemorationPanel> CreateCommemorationPanel(const CommemorationPanelArgs& args) {
  if (!args.os || !args.folders || !args.network || !args.host) return nullptr;
  auto panel = std::make_unique<CommemorationPanel>(args);
  if (!panel->CreateWindowFrom(PanelWindowArgs(kCommemorationPageClass, args.parent, args.id, args.x, args.y)) || !panel->Create()) return nullptr;
  return panel;
}

bool CommemorationPanel::Create() {
  controls_.Attach(hwnd(), Dpi());
  controls_.SizePage(kCommemorationPageWidth, kCommemorationPageHeight);
  CreateControls();
  Refresh();
  return true;
}

void CommemorationPanel::CreateControls() {
  PageControls& c = controls_;
  const DWORD check = BS_AUTOCHECKBOX | WS_TABSTOP;
  const DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
  c.Add(L"BUTTON", " 表示 ", BS_GROUPBOX, {8, 6, 544, 84}, kShowGroupId);
  c.Add(L"BUTTON", "かえで記念パネルを表示する", check | WS_GROUP, {22, 28, 250, 22}, kPanelId);
  c.Add(L"BUTTON", "記念日を表示する", check, {22, 56, 250, 22}, kDaysId);
  c.Add(L"BUTTON", "予定を表示する", check, {290, 28, 250, 22}, kSchedulesId);
  c.Add(L"BUTTON", "記念日を優先する", check, {290, 56, 250, 22}, kPrecedenceId);

  c.Add(L"BUTTON", " 読込 ", BS_GROUPBOX, {8, 96, 544, 124}, kImportGroupId);
  c.Add(L"BUTTON", "「読込」をＯＮ", push | WS_GROUP, {22, 118, 150, 32}, kImportOnId);
  c.Add(L"BUTTON", "前に挿入", check, {192, 123, 110, 22}, kInsertBeforeId);
  c.Add(L"BUTTON", "規定色", check, {312, 123, 110, 22}, kDefaultColourId);
  c.Add(L"STATIC", "読込色", SS_LEFT, {22, 172, 56, 20}, kReadColourLabelId);
  c.Add(L"STATIC", "", SS_SUNKEN, {80, 166, 60, 28}, kReadColourBoxId);
  c.Add(L"BUTTON", "読込色の変更", push, {150, 164, 140, 32}, kReadColourId);
  c.Add(L"BUTTON", "予定追加読込", push, {392, 160, 146, 40}, kImportId);

  c.Add(L"BUTTON", " 削除 ", BS_GROUPBOX, {8, 226, 544, 104}, kRemoveGroupId);
  c.Add(L"BUTTON", "「削除」をＯＮ", push | WS_GROUP, {22, 250, 150, 32}, kRemoveOnId);
  c.Add(L"STATIC", "削除コード", SS_LEFT, {192, 258, 80, 20}, kCodeLabelId);
  c.Add(L"EDIT", "", ES_NUMBER | ES_AUTOHSCROLL | WS_TABSTOP, {274, 254, 100, 26}, kCodeId, WS_EX_CLIENTEDGE);
  c.Add(L"BUTTON", "削除開始", push, {392, 246, 146, 40}, kRemoveId);

  c.Add(L"BUTTON", "適用(&W)", push | WS_GROUP, {332, 346, 106, 34}, kApplyId);
  c.Add(L"BUTTON", "中止(&Q)", push, {446, 346, 106, 34}, kCancelId);
}

void CommemorationPanel::Refresh() {
  refreshing_ = true;
  const CommemorationView& v = page_.view();
  PageControls& c = controls_;
  c.Check(kPanelId, v.settings.pCcbHorikomi);
  c.Check(kDaysId, v.settings.pCcbKinenbiHyouji);
  c.Check(kSchedulesId, v.settings.pCcbYoteiHyouji);
  c.Check(kPrecedenceId, v.settings.pCcbYuusen);
  c.Check(kInsertBeforeId, v.insertBefore);
  c.Check(kDefaultColourId, v.defaultColour);
  for (int id : {kInsertBeforeId, kDefaultColourId, kImportId}) c.Enable(id, v.importOn);
  for (int id : {kReadColourLabelId, kReadColourBoxId, kReadColourId}) c.Enable(id, v.importOn && v.readColourEnabled);
  for (int id : {kCodeLabelId, kCodeId}) c.Enable(id, v.removeOn);
  c.Enable(kRemoveId, v.startRemovalEnabled);
  c.SetText(kCodeId, v.deleteCode);
  c.Enable(kApplyId, v.applyEnabled);
  c.Enable(kCancelId, v.cancelEnabled);
  InvalidateRect(c.Item(kReadColourBoxId), nullptr, TRUE);
  if (page_.TakeFocusRequest()) SetFocus(c.Item(kCodeId));
  refreshing_ = false;
}

CommemorationSettings CommemorationPanel::SettingsOfBoxes() const {
  CommemorationSettings s = page_.view().settings;
  s.pCcbHorikomi = controls_.Checked(kPanelId);
  s.pCcbKinenbiHyouji = controls_.Checked(kDaysId);
  s.pCcbYoteiHyouji = controls_.Checked(kSchedulesId);
  s.pCcbYuusen = controls_.Checked(kPrecedenceId);
  return s;
}

void CommemorationPanel::ChooseReadColour() {
  CHOOSECOLORW cc{};
  cc.lStructSize = sizeof cc;
  cc.hwndOwner = hwnd();
  cc.rgbResult = static_cast<COLORREF>(page_.view().readColourShown & 0xFFFFFF);
  cc.lpCustColors = customColours_;
  cc.Flags = CC_RGBINIT | CC_FULLOPEN;
  if (ChooseColorW(&cc)) page_.SetReadColour(cc.rgbResult);
}

// A run may close the window (an error) or leave it only with "適用(&W)".
void CommemorationPanel::AfterRun() {
  if (page_.closeRequested()) {
    host_.ClosePage(false);
    return;
  }
  host_.ShowCloseButton(page_.view().closeButtonVisible);
}

void CommemorationPanel::OnCommand(int id, int code) {
  if (refreshing_) return;
  if (id == kCodeId) {
    // Only a change: a refresh on EN_UPDATE would put the old code back
    // before the change is told.
    if (code != EN_CHANGE) return;
    page_.SetDeleteCode(controls_.Text(kCodeId));
  } else if (code != BN_CLICKED) {
    return;
  } else if (id >= kPanelId && id <= kPrecedenceId) {
    page_.SetSettings(SettingsOfBoxes());
  } else if (id == kInsertBeforeId) {
    page_.SetInsertBefore(controls_.Checked(id));
  } else if (id == kDefaultColourId) {
    page_.SetDefaultColour(controls_.Checked(id));
  } else if (id == kReadColourId) {
    ChooseReadColour();
  } else if (id == kImportOnId) {
    page_.ToggleImport();
  } else if (id == kRemoveOnId) {
    page_.ToggleRemoval();
  } else if (id == kImportId || id == kRemoveId) {
    if (id == kImportId) page_.Import();
    else page_.Remove();
    AfterRun();
    if (page_.closeRequested()) return;
  } else if (id == kApplyId || id == kCancelId) {
    if (id == kCancelId) page_.Cancel();
    host_.ClosePage(id == kApplyId);
    return;
  }
  Refresh();
}

LRESULT CommemorationPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_CTLCOLORSTATIC:
      if (reinterpret_cast<HWND>(lParam) == controls_.Item(kReadColourBoxId)) {
        const store::Color shown = page_.view().readColourShown & 0xFFFFFF;
        if (shown != brushColour_) colourBrush_.reset(CreateSolidBrush(static_cast<COLORREF>(shown)));
        brushColour_ = shown;
        return reinterpret_cast<LRESULT>(colourBrush_.get());
      }
      break;
    default: break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
