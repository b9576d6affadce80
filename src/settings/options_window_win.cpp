#include "settings/options_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "settings/colour_dialog_win.h"

namespace settings {
namespace {

using platform::Widen;

constexpr wchar_t kFormCaption[] = L"オプション設定";
constexpr wchar_t kShownTitle[] = L"楓帳 -Velda-";
constexpr UINT kHoldFolderFocus = WM_APP + 1;
constexpr int kTextLimit = 259;
constexpr int kNumberLimit = 12;
constexpr DWORD kFirstInRow = WS_TABSTOP | WS_GROUP;  // ends the radio group before it

bool IsNetButton(const OptionControl& c) {
  return c.tab == OptionsTab::Net1 && c.kind == ControlKind::Button;
}

}  // namespace

// ---- the flow --------------------------------------------------------------------

OptionsOutcome ShowOptions(const ShowOptionsArgs& args, int mode, Settings& s) {
  OptionsOutcome outcome;
  const OptionsMode m = mode == 1 ? OptionsMode::Memo : OptionsMode::Main;
  OptionsSession session(*args.os, args.context, args.settingsFile);
  OptionsController controller(*args.os, args.context, session.Open(s, m));
  TfmOption window(args, controller);
  if (!window.Create(m)) return outcome;
  outcome.shown = true;
  outcome.confirmed = window.ShowModal();
  const std::string netFolderBefore = s.edtNetFolder;
  const bool networkOn = args.network && args.network->NetworkOn();
  outcome.changes = session.Close(controller.form(), window.pageIndex(), outcome.confirmed, networkOn, s);
  if (NetTab* net = window.netTab())
    net->Finish(s.edtNetFolder != netFolderBefore ? std::optional<std::string>(s.edtNetFolder) : std::nullopt);
  return outcome;
}

// ---- creation --------------------------------------------------------------------

TfmOption::TfmOption(const ShowOptionsArgs& args, OptionsController& controller)
    : args_(args), controller_(controller) {}

TfmOption::~TfmOption() {
  if (hwnd()) DestroyWindow(hwnd());
}

bool TfmOption::Create(OptionsMode mode) {
  tabs_ = VisibleTabs(mode);
  const OptionsWindowGeometry& g = OptionsGeometry();
  platform::WindowArgs w;
  w.className = kClassName;
  w.title = kFormCaption;
  // Without WS_CLIPCHILDREN: the window's colour shows inside the group
  // boxes, which paint only their frame.
  w.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
  w.exStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
  w.parent = args_.owner;
  w.background = GetSysColorBrush(COLOR_BTNFACE);
  const RECT area = platform::WorkArea();
  w.x = area.left;  // made on the monitor it is shown on, at that one's DPI
  w.y = area.top;
  w.width = w.height = 1;
  if (!CreateWindowFrom(w)) return false;
  controls_.Attach(hwnd(), Dpi(), g.fontHeight);
  const SIZE size = platform::OuterSizeForClient(g.clientWidth, g.clientHeight, w.style, w.exStyle, Dpi());
  const POINT place = platform::CentredIn(area, size);
  SetWindowPos(hwnd(), nullptr, place.x, place.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  if (args_.network) {
    picker_ = net::ShellFolderPicker(hwnd());
    net_ = std::make_unique<NetTab>(*args_.os, *args_.network, picker_, args_.dataRoot);
  }
  MakeControls();
  const OptionsTab first = FirstTab(mode);
  for (std::size_t i = 0; i < tabs_.size(); ++i)
    if (tabs_[i].tab == first) SelectTab(static_cast<int>(i));
  return true;
}

HWND TfmOption::Add(const wchar_t* cls, const std::string& text, DWORD style, const OptionsPlace& place, int id,
                    DWORD exStyle) {
  const OptionsPlace& page = OptionsGeometry().page;
  return controls_.Add(cls, text, style, {page.x + place.x, page.y + place.y, place.width, place.height}, id,
                       exStyle);
}

void TfmOption::MakeControls() {
  const OptionsWindowGeometry& g = OptionsGeometry();
  tabControl_ = controls_.Add(WC_TABCONTROLW, "", WS_CLIPSIBLINGS | WS_TABSTOP,
                              {g.tabs.x, g.tabs.y, g.tabs.width, g.tabs.height}, kTabs);
  for (std::size_t i = 0; i < tabs_.size(); ++i) {
    std::wstring caption = Widen(tabs_[i].caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = caption.data();
    TabCtrl_InsertItem(tabControl_, static_cast<int>(i), &item);
  }
  frame_ = controls_.Add(L"STATIC", "", SS_ETCHEDFRAME, {g.frame.x, g.frame.y, g.frame.width, g.frame.height}, kFrame);
  for (std::size_t i = 0; i < OptionControls().size(); ++i) MakeControl(i);
  controls_.Add(L"BUTTON", "OK", WS_TABSTOP | WS_GROUP | BS_DEFPUSHBUTTON,
                {g.okButton.x, g.okButton.y, g.okButton.width, g.okButton.height}, IDOK);
  controls_.Add(L"BUTTON", "キャンセル", WS_TABSTOP | BS_PUSHBUTTON,
                {g.cancelButton.x, g.cancelButton.y, g.cancelButton.width, g.cancelButton.height}, IDCANCEL);
  // The page's frame lies beneath the controls placed on it.
  SetWindowPos(frame_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TfmOption::MakeControl(std::size_t i) {
  const OptionControl& c = OptionControls()[i];
  bool onAShownTab = false;
  for (const auto& t : tabs_) onAShownTab = onAShownTab || t.tab == c.tab;
  if (!onAShownTab) return;
  const ControlParts p = PartsOf(c);
  Made made{i, {}};
  switch (c.kind) {
    case ControlKind::Check:
      AddPart(made, L"BUTTON", c.caption, kFirstInRow | BS_AUTOCHECKBOX, p.field, kMain);
      break;
    case ControlKind::Radio: MakeRadio(c, p, made); break;
    case ControlKind::Number: MakeNumber(c, p, made); break;
    case ControlKind::Choice: MakeChoice(c, p, made); break;
    case ControlKind::Text:
      AddCaption(c, p, made);
      SendMessageW(AddPart(made, L"EDIT", "", kFirstInRow | ES_AUTOHSCROLL, p.field, kMain, WS_EX_CLIENTEDGE),
                   EM_LIMITTEXT, kTextLimit, 0);
      break;
    case ControlKind::Colour:
      AddCaption(c, p, made);
      AddPart(made, L"STATIC", "", SS_OWNERDRAW, p.field, kMain);
      AddPart(made, L"BUTTON", "変更", kFirstInRow | BS_PUSHBUTTON, p.change, kChange);
      break;
    case ControlKind::Label: AddPart(made, L"STATIC", c.caption, SS_LEFT | SS_NOPREFIX, p.field, kMain); break;
    case ControlKind::Group: AddPart(made, L"BUTTON", c.caption, BS_GROUPBOX, p.field, kMain); break;
    case ControlKind::Button: AddPart(made, L"BUTTON", c.caption, kFirstInRow | BS_PUSHBUTTON, p.field, kMain); break;
  }
  made_.push_back(std::move(made));
}

HWND TfmOption::AddPart(Made& made, const wchar_t* cls, std::string_view text, DWORD style, const OptionsPlace& place,
                        int part, DWORD exStyle) {
  HWND h = Add(cls, std::string(text), style, place, ControlId(made.index, part), exStyle);
  made.parts.push_back(h);
  return h;
}

void TfmOption::AddCaption(const OptionControl& c, const ControlParts& p, Made& made) {
  if (!c.caption.empty() && c.labelWidth) AddPart(made, L"STATIC", c.caption, SS_LEFT | SS_NOPREFIX, p.caption, kCaption);
}

void TfmOption::AddSuffix(const OptionControl& c, const ControlParts& p, Made& made) {
  if (!c.suffix.empty()) AddPart(made, L"STATIC", c.suffix, SS_LEFT | SS_NOPREFIX, p.suffix, kSuffix);
}

void TfmOption::MakeRadio(const OptionControl& c, const ControlParts& p, Made& made) {
  AddPart(made, L"BUTTON", c.caption, BS_GROUPBOX, p.field, kMain);
  for (std::size_t k = 0; k < c.items.size(); ++k)
    AddPart(made, L"BUTTON", c.items[k].caption, (k == 0 ? kFirstInRow : 0) | BS_AUTORADIOBUTTON, p.items[k],
            kItem + static_cast<int>(k));
}

// The up-down keeps its buddy's text a number within the range when its
// arrows are used; typed text is the controller's to check.
void TfmOption::MakeNumber(const OptionControl& c, const ControlParts& p, Made& made) {
  AddCaption(c, p, made);
  HWND box = AddPart(made, L"EDIT", "", kFirstInRow | ES_AUTOHSCROLL | ES_RIGHT, p.field, kMain, WS_EX_CLIENTEDGE);
  SendMessageW(box, EM_LIMITTEXT, kNumberLimit, 0);
  HWND upDown = AddPart(made, UPDOWN_CLASSW, "", UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, p.upDown, kUpDown);
  SendMessageW(upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(box), 0);
  SendMessageW(upDown, UDM_SETRANGE32, c.range.min, c.range.max);
  AddSuffix(c, p, made);
}

void TfmOption::MakeChoice(const OptionControl& c, const ControlParts& p, Made& made) {
  AddCaption(c, p, made);
  OptionsPlace withList = p.field;
  withList.height += OptionsGeometry().dropDownHeight;
  FillLists(c, AddPart(made, L"COMBOBOX", "", kFirstInRow | CBS_DROPDOWNLIST | WS_VSCROLL, withList, kMain));
  AddSuffix(c, p, made);
}

void TfmOption::FillLists(const OptionControl& c, HWND list) {
  for (const auto& item : c.items)
    SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Widen(item.caption).c_str()));
}

// ---- tabs ------------------------------------------------------------------------

bool TfmOption::OnShownTab(const OptionControl& c) const { return c.tab == tabs_[shown_].tab && !c.hidden; }

void TfmOption::SelectTab(int shown) {
  TabCtrl_SetCurSel(tabControl_, shown);
  ShowTab(shown);
}

void TfmOption::ShowTab(int shown) {
  shown_ = shown;
  for (const Made& m : made_) {
    const int show = OnShownTab(OptionControls()[m.index]) ? SW_SHOWNA : SW_HIDE;
    for (HWND part : m.parts) ShowWindow(part, show);
  }
  if (net_ && tabs_[shown_].tab == OptionsTab::Net1) net_->Shown(controller_.form());
  Render();
  InvalidateRect(hwnd(), nullptr, TRUE);
}

// ---- showing the form --------------------------------------------------------------

std::string TfmOption::TextOf(std::size_t index) const { return WindowTextUtf8(Part(index)); }

bool TfmOption::NetAllows(const OptionControl& c) {
  if (!IsNetButton(c)) return true;
  if (!net_) return false;
  const net::NetTabEnables e = net_->Enables(controller_.form());
  if (c.name == "btnNetBackup") return e.backupAndRestore;
  if (c.name == "btnRedesignate") return e.redesignate;
  if (c.name == "btnCreateFolder") return e.createInitialFolder;
  if (c.name == "btnLockSearch") return e.lockSearch;
  if (c.name == "btnUnlockAll") return e.unlockAll;
  if (c.name == "btnSetRights") return e.setRights;
  return true;
}

void TfmOption::Render() {
  rendering_ = true;
  for (const Made& m : made_) {
    const OptionControl& c = OptionControls()[m.index];
    const BOOL enabled = controller_.Enabled(c) && NetAllows(c);
    for (HWND part : m.parts) EnableWindow(part, enabled);
    RenderValue(c, m.index);
  }
  if (const OptionControl* net = FindControl("edtNetFolder"); net && net_) {
    const bool editable = net_->Enables(controller_.form()).netFolderEditable;
    SendMessageW(Part(IndexOf(*net)), EM_SETREADONLY, !editable, 0);
  }
  rendering_ = false;
}

void TfmOption::RenderValue(const OptionControl& c, std::size_t index) {
  const std::string value = controller_.Value(c);
  switch (c.kind) {
    case ControlKind::Check:
      controls_.Check(ControlId(index), value == "1");
      break;
    case ControlKind::Radio:
      for (std::size_t k = 0; k < c.items.size(); ++k)
        controls_.Check(ControlId(index, kItem + static_cast<int>(k)), c.items[k].value == value);
      break;
    case ControlKind::Choice: {
      int chosen = -1;
      for (std::size_t k = 0; k < c.items.size(); ++k)
        if (c.items[k].value == value) chosen = static_cast<int>(k);
      if (SendMessageW(Part(index), CB_GETCURSEL, 0, 0) != chosen) SendMessageW(Part(index), CB_SETCURSEL, chosen, 0);
      break;
    }
    case ControlKind::Number:
    case ControlKind::Text: {
      const bool typing = GetFocus() == Part(index) || (c.name == "edFolder" && controller_.FolderPending());
      if (!typing) controls_.SetText(ControlId(index), value);
      if (c.name == "edFolder") SendMessageW(Part(index), EM_SETREADONLY, controller_.ReadOnly(c), 0);
      break;
    }
    case ControlKind::Colour:
      InvalidateRect(Part(index), nullptr, FALSE);
      break;
    case ControlKind::Label:
      if (c.name == "lblRights") controls_.SetText(ControlId(index), net_ ? net_->RightsText() : "");
      break;
    default:
      break;
  }
}

void TfmOption::DrawSwatch(const DRAWITEMSTRUCT& item) {
  std::size_t index = 0;
  int part = 0;
  if (!ControlOfId(static_cast<int>(item.CtlID), index, part)) return;
  const store::Color colour = store::ParseColorText(controller_.Value(OptionControls()[index])).value_or(0);
  platform::UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
  FillRect(item.hDC, &item.rcItem, brush.get());
  FrameRect(item.hDC, &item.rcItem, GetSysColorBrush(COLOR_WINDOWTEXT));
}

// ---- the modal loop --------------------------------------------------------------

bool TfmOption::ShowModal() {
  SetWindowTextW(hwnd(), kShownTitle);
  closed_ = false;
  confirmed_ = false;
  platform::ModalOwner owner(args_.owner);
  ShowWindow(hwnd(), SW_SHOW);
  SetForegroundWindow(hwnd());
  SetFocus(tabControl_);
  platform::RunModalLoop(hwnd(), [this] { return closed_; },
                         platform::OwnKeysFirst([this](const MSG& msg) { return PreTranslate(msg); }));
  owner.Return(hwnd());
  SetWindowTextW(hwnd(), kFormCaption);
  return confirmed_;
}

// Ctrl+Tab and Ctrl+Shift+Tab move between the tabs, as in a property sheet.
bool TfmOption::PreTranslate(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || !(GetKeyState(VK_CONTROL) & 0x8000)) return false;
  if (msg.hwnd != hwnd() && !IsChild(hwnd(), msg.hwnd)) return false;
  if (controller_.FolderPending()) return controller_.MayLeaveFolder(), true;
  const int count = static_cast<int>(tabs_.size());
  SelectTab((shown_ + ((GetKeyState(VK_SHIFT) & 0x8000) ? count - 1 : 1)) % count);
  return true;
}

void TfmOption::OnOk() {
  if (controller_.FolderPending()) {
    holdingFolder_ = true;
    controller_.MayLeaveFolder();
    holdingFolder_ = false;
    SetFocus(Part(IndexOf(*FindControl("edFolder"))));
    return;
  }
  LeaveAllNumbers();
  confirmed_ = true;
  closed_ = true;
}

// Esc, "キャンセル" and the close box: a pending folder change is dropped.
void TfmOption::OnCancel() {
  controller_.CancelFolderChange();
  closed_ = true;
}

// Enter closes without the focused number box being left first.
void TfmOption::LeaveAllNumbers() {
  for (const Made& m : made_) {
    const OptionControl& c = OptionControls()[m.index];
    if (c.kind == ControlKind::Number) controls_.SetText(ControlId(m.index), controller_.LeaveNumber(c, TextOf(m.index)));
  }
}

// Posted when the folder field lost the focus: a pending change keeps it
// there unless the focus went to "変更実行" or "キャンセル".
void TfmOption::HoldFolderFocus() {
  if (!controller_.FolderPending() || holdingFolder_) return;
  HWND focus = GetFocus();
  HWND field = Part(IndexOf(*FindControl("edFolder")));
  if (!focus || focus == field || !IsChild(hwnd(), focus)) return;
  if (focus == Part(IndexOf(*FindControl("btnFolderExecute"))) ||
      focus == Part(IndexOf(*FindControl("btnFolderCancel"))))
    return;
  holdingFolder_ = true;
  controller_.MayLeaveFolder();
  holdingFolder_ = false;
  SetFocus(field);
}

// ---- messages ----------------------------------------------------------------------

LRESULT TfmOption::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
      return 0;
    case WM_NOTIFY: {
      const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
      if (header.idFrom != kTabs) break;
      if (header.code == TCN_SELCHANGING) {
        if (!controller_.FolderPending()) return FALSE;
        controller_.MayLeaveFolder();
        return TRUE;  // the tab stays
      }
      if (header.code == TCN_SELCHANGE) ShowTab(TabCtrl_GetCurSel(tabControl_));
      return 0;
    }
    case WM_DRAWITEM:
      DrawSwatch(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
      return TRUE;
    case kHoldFolderFocus:
      HoldFolderFocus();
      return 0;
    case WM_CLOSE:
      OnCancel();
      return 0;
  }
  return Default(message, wParam, lParam);
}

void TfmOption::OnCommand(int id, int code, HWND from) {
  if (rendering_) return;
  if (id == IDOK) return OnOk();
  if (id == IDCANCEL) return OnCancel();
  std::size_t index = 0;
  int part = 0;
  if (!from || !ControlOfId(id, index, part)) return;
  OnControl(OptionControls()[index], index, part, code);
}

void TfmOption::OnControl(const OptionControl& c, std::size_t index, int part, int code) {
  // A click sent to a greyed control (BM_CLICK from another program) does
  // what a greyed control does: nothing.
  if (!IsWindowEnabled(GetDlgItem(hwnd(), ControlId(index, part)))) return;
  switch (c.kind) {
    case ControlKind::Check:
      if (code != BN_CLICKED) return;
      controller_.Change(c, controls_.Checked(ControlId(index)) ? "1" : "0");
      break;
    case ControlKind::Radio:
      if (code != BN_CLICKED || part < kItem) return;
      controller_.Change(c, std::string(c.items[static_cast<std::size_t>(part - kItem)].value));
      break;
    case ControlKind::Choice: {
      if (code != CBN_SELCHANGE) return;
      const LRESULT chosen = SendMessageW(Part(index), CB_GETCURSEL, 0, 0);
      if (chosen < 0 || static_cast<std::size_t>(chosen) >= c.items.size()) return;
      controller_.Change(c, std::string(c.items[static_cast<std::size_t>(chosen)].value));
      break;
    }
    case ControlKind::Number:
      if (code == EN_CHANGE) return controller_.Typed(c, TextOf(index));
      if (code != EN_KILLFOCUS) return;
      controls_.SetText(ControlId(index), controller_.LeaveNumber(c, TextOf(index)));
      break;
    case ControlKind::Text:
      if (c.name == "edFolder") {
        if (code == EN_KILLFOCUS) PostMessageW(hwnd(), kHoldFolderFocus, 0, 0);
        return;
      }
      if (code != EN_CHANGE) return;
      controller_.Change(c, TextOf(index));
      break;
    case ControlKind::Colour:
      if (part != kChange || code != BN_CLICKED) return;
      PickColourFor(c);
      break;
    case ControlKind::Button:
      if (code != BN_CLICKED) return;
      OnButton(c);
      break;
    default:
      return;
  }
  Render();
}

void TfmOption::PickColourFor(const OptionControl& c) {
  const store::Color now = store::ParseColorText(controller_.Value(c)).value_or(0);
  const std::optional<store::Color> picked = args_.pickColour ? args_.pickColour(hwnd(), now) : PickColour(hwnd(), now);
  if (picked) controller_.Change(c, store::ColorToText(*picked));
}

void TfmOption::OnButton(const OptionControl& c) {
  if (IsNetButton(c) && !net_) return;
  OptionsForm& form = controller_.form();
  AdminWindows& windows = args_.adminWindows ? *args_.adminWindows : static_cast<AdminWindows&>(*this);
  const std::pair<std::string_view, std::function<void()>> actions[] = {
      {"btnFolderChange", [&] { BeginFolderChange(); }},
      {"btnFolderExecute", [&] { controller_.ExecuteFolderChange(TextOf(IndexOf(*FindControl("edFolder")))); }},
      {"btnFolderCancel", [&] { controller_.CancelFolderChange(); }},
      {"btnDefaultColours", [&] { controller_.ResetColours(); }},
      {"btnLockSearch", [&] { net_->SearchLocks(form); }},
      {"btnUnlockAll", [&] { net_->UnlockAll(form); }},
      {"btnSetRights", [&] { net_->SetRights(form, windows); }},
      {"btnCreateFolder", [&] { net_->RunAdminDialog(net::AdminDialogMode::Create, form, windows); }},
      {"btnRedesignate", [&] { net_->RunAdminDialog(net::AdminDialogMode::Rewrite, form, windows); }},
      {"btnNetBackup", [&] { net_->OpenBackup(); }},
  };
  for (const auto& [name, act] : actions)
    if (name == c.name) return act();
}

// "変更": the field opens for typing, its text selected.
void TfmOption::BeginFolderChange() {
  controller_.BeginFolderChange();
  Render();
  HWND field = Part(IndexOf(*FindControl("edFolder")));
  SetFocus(field);
  SendMessageW(field, EM_SETSEL, 0, -1);
}

// ---- the administration dialog --------------------------------------------------

std::optional<std::string> TfmOption::ShowAdminDialog(net::AdminSetup& setup, net::AdminDialogMode mode,
                                                      const std::string& netFolderField,
                                                      const net::AdminEntry& initial) {
  net::AdminDialog dialog(hwnd(), setup, netFolderField);
  dialog.Show(mode, initial);
  return dialog.target();
}

std::unique_ptr<net::AdminDialogPort> TfmOption::RightsDialog(net::AdminSetup& setup,
                                                              const std::string& netFolderField) {
  return std::make_unique<net::AdminDialog>(hwnd(), setup, netFolderField);
}

}  // namespace settings
