#include "settings/setup_layout_win.h"
#include "settings/setup_panels_win.h"

namespace settings {

std::unique_ptr<ShortcutPanel> CreateShortcutPanel(const ShortcutPanelArgs& args) {
  if (!args.os) return nullptr;
  std::unique_ptr<ShortcutPanel> panel(new ShortcutPanel(args));
  if (!panel->CreateWindowFrom(PanelWindowArgs(kShortcutPageClass, args.parent, args.id)) || !panel->Build())
    return nullptr;
  return panel;
}

bool ShortcutPanel::Build() {
  PageControls& c = controls_;
  c.Attach(hwnd(), Dpi());
  c.SizePage(layout::kShortcutPageWidth, layout::kShortcutPageHeight);
  for (const ShortcutGroup& g : ShortcutGroups()) {
    const int top = layout::kShortcutGroupTop + static_cast<int>(g.kind) * layout::kShortcutGroupStep;
    Place group = layout::kShortcutGroup;
    group.y += top;
    c.Add(L"BUTTON", g.caption, BS_GROUPBOX, group, OnId(g.kind) - 1);
    Place on = layout::kShortcutOn, off = layout::kShortcutOff;
    on.y += top;
    off.y += top;
    c.Add(L"BUTTON", "設定する", BS_RADIOBUTTON | WS_TABSTOP | WS_GROUP, on, OnId(g.kind));
    c.Add(L"BUTTON", "設定しない", BS_RADIOBUTTON | WS_TABSTOP, off, OffId(g.kind));
    on_[static_cast<int>(g.kind)] = ShortcutPresent(*args_.os, g.kind);
    Show(g.kind);
  }
  c.Add(L"BUTTON", "すべて解除", BS_PUSHBUTTON | WS_TABSTOP | WS_GROUP, layout::kAllOff, kAllOffId);
  return true;
}

void ShortcutPanel::Show(ShortcutKind kind) {
  const bool on = on_[static_cast<int>(kind)];
  controls_.Check(OnId(kind), on);
  controls_.Check(OffId(kind), !on);
}

void ShortcutPanel::OnCommand(int id) {
  for (const ShortcutGroup& g : ShortcutGroups()) {
    bool& on = on_[static_cast<int>(g.kind)];
    if (id == OnId(g.kind) && !on) on = TurnShortcutOn(*args_.os, g.kind, args_.programFolder);
    if ((id == OffId(g.kind) || id == kAllOffId) && on) on = TurnShortcutOff(*args_.os, g.kind);
    Show(g.kind);
  }
}

LRESULT ShortcutPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
    OnCommand(LOWORD(wParam));
    return 0;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
