#include "settings/setup_window_win.h"

#include <commctrl.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <vector>

#include "platform/dialog_helpers.h"
#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "settings/commemoration_page_win.h"
#include "settings/export_page_win.h"
#include "settings/settings_file.h"
#include "settings/setup_layout_win.h"
#include "settings/setup_panels_win.h"
#include "settings/special_day_page_win.h"

namespace settings {
namespace {

// A page asked to close: posted, so that the page's own handler ends first.
constexpr UINT kClosePageMessage = WM_APP + 21;
enum ControlId : int { kTabsId = 10, kSubTabsId, kBackupId = 20, kExportId, kInstallId, kShortcutId,
                       kCommemorationId, kSpecialDaysId };
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExStyle = WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;

SIZE SizeOf(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// The size a tab control needs to show pages of `page` inside its frame.
SIZE TabAround(HWND tab, SIZE page) {
  RECT r{0, 0, page.cx, page.cy};
  TabCtrl_AdjustRect(tab, TRUE, &r);
  return {r.right - r.left, r.bottom - r.top};
}

// Where a tab control shows its pages, in its parent's coordinates.
RECT PageArea(HWND tab) {
  RECT r{};
  GetClientRect(tab, &r);
  TabCtrl_AdjustRect(tab, FALSE, &r);
  MapWindowPoints(tab, GetParent(tab), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

void AddTab(HWND tab, int index, const std::string& caption) {
  std::wstring text = platform::Widen(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT;
  item.pszText = text.data();
  SendMessageW(tab, TCM_INSERTITEMW, index, reinterpret_cast<LPARAM>(&item));
}

// Pages fill the area inside the tab's frame, so that no bare frame shows
// beside a smaller page.
void Fill(HWND window, const RECT& area, int inset) {
  if (window)
    SetWindowPos(window, nullptr, area.left + inset, area.top + inset, area.right - area.left - 2 * inset,
                 area.bottom - area.top - 2 * inset, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowOnTop(HWND window, bool show) {
  if (!window) return;
  ShowWindow(window, show ? SW_SHOW : SW_HIDE);
  if (show) SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

class SetupWindow : public platform::Window,
                    public BackupPanelHost,
                    public InstallPanelHost,
                    public CommemorationPanelHost,
                    public SpecialDayPanelHost {
 public:
  SetupWindow(const SetupWindowArgs& args, SetupPage page)
      : args_(args), os_(*args.os), layout_(TabsFor(page, args.days && args.shownMonth)) {}

  bool Build() {
    keys_ = LoadSetupWindowKeys(os_.fs, args_.settingsFile, Defaults(SetupWindowKeyRows()));
    platform::WindowArgs w;
    w.className = kSetupWindowClass;
    w.title = platform::Widen(kProductTitle);
    w.style = kWindowStyle;
    w.exStyle = kWindowExStyle;
    const POINT start = WindowPlace(0, 0);  // made on the monitor it is shown on, at that one's DPI
    w.x = start.x;
    w.y = start.y;
    w.width = w.height = 100;
    w.parent = args_.owner;
    w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!CreateWindowFrom(w)) return false;
    font_.Attach(hwnd(), Dpi());
    tabs_ = MakeTabControl(kTabsId);
    for (std::size_t i = 0; i < layout_.tabs.size(); ++i)
      AddTab(tabs_, static_cast<int>(i), kSetupTabCaptions[static_cast<int>(layout_.tabs[i])]);
    if (!MakePages()) return false;
    Arrange();
    const auto at = std::find(layout_.tabs.begin(), layout_.tabs.end(), layout_.selected);
    SelectTab(static_cast<int>(at - layout_.tabs.begin()));
    return true;
  }

  SetupWindowResult RunModal() {
    if (args_.dialogs) args_.dialogs->SetOwner(reinterpret_cast<platform::WindowHandle>(hwnd()));
    platform::ModalOwner owner(args_.owner);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    platform::RunModalLoop(hwnd(), [this] { return closed_; });
    KeepWindowState();
    if (args_.dialogs) args_.dialogs->SetOwner(reinterpret_cast<platform::WindowHandle>(args_.owner));
    owner.Return(hwnd());
    if (commemoration_) {
      result_.reloadNeeded = commemoration_->page().reloadNeeded();
      if (result_.commemorationApplied) result_.commemoration = commemoration_->page().Apply();
    }
    return result_;
  }

  // ---- the pages' hosts ----
  void SavePendingData() override {
    if (args_.main) args_.main->SavePendingData();
  }
  void SaveWindowKeys() override {
    if (!SaveSetupWindowKeys(os_.fs, args_.settingsFile, keys_)) platform::Inform(os_.dialogs, "イニシャルファイルエラー");
  }
  platform::WindowHandle ProgressOwner() override { return reinterpret_cast<platform::WindowHandle>(hwnd()); }
  void RestoreEnded() override {
    RecordEnd();
    result_.ending = SetupEnding::EndProgram;
    RequestClose();
  }
  bool AutoBackupRunning() override { return args_.main && args_.main->AutoBackupRunning(); }
  bool Busy() override { return args_.main && args_.main->Busy(); }
  void ShowProgress(const std::string& label) override {
    if (install_) install_->ShowProgress(label);
  }
  void RecordEnd() override {
    if (args_.main) args_.main->RecordEnd();
  }
  void SetupEnded(const SetupOutcome& outcome) override {
    result_.ending = SetupEnding::Restart;
    result_.commandLine = outcome.commandLine;
    result_.workingFolder = outcome.workingFolder;
    RequestClose();
  }
  // Both the commemoration page and the table close the window this way;
  // each stands alone in it.
  void ClosePage(bool done) override {
    if (layout_.selected == SetupTab::Commemoration) result_.commemorationApplied = done;
    else result_.specialDaysWritten = done;
    RequestClose();
  }
  void ShowCloseButton(bool visible) override {
    closeAllowed_ = visible;
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, visible ? style | WS_SYSMENU : style & ~WS_SYSMENU);
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CLOSE:
        if (closeAllowed_) closed_ = true;
        return 0;
      case WM_SIZE:
        if (tabs_) PlaceTabs();
        return 0;
      case kClosePageMessage:
        closed_ = true;
        return 0;
      case WM_NOTIFY: {
        const NMHDR& header = *reinterpret_cast<NMHDR*>(lParam);
        if (header.code == TCN_SELCHANGE && header.hwndFrom == tabs_) SelectTab(TabCtrl_GetCurSel(tabs_));
        if (header.code == TCN_SELCHANGE && header.hwndFrom == subTabs_) SelectSubPage(TabCtrl_GetCurSel(subTabs_));
        return 0;
      }
      default:
        return Default(message, wParam, lParam);
    }
  }

 private:
  HWND MakeTabControl(int id) {
    HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP, 0, 0,
                               100, 100, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               platform::ModuleInstance(), nullptr);
    SendMessageW(tab, WM_SETFONT, reinterpret_cast<WPARAM>(font_.font()), FALSE);
    return tab;
  }

  bool Shows(SetupTab tab) const {
    return std::find(layout_.tabs.begin(), layout_.tabs.end(), tab) != layout_.tabs.end();
  }

  bool MakePages() {
    if (Shows(SetupTab::Copy) && !MakeCopyPages()) return false;
    if (Shows(SetupTab::Install)) {
      install_ = CreateInstallPanel({hwnd(), kInstallId, &os_, args_.setup, &keys_, this});
      shortcuts_ = CreateShortcutPanel({hwnd(), kShortcutId, &os_, args_.setup.sourceFolder});
      if (!install_ || !shortcuts_) return false;
    }
    if (Shows(SetupTab::Commemoration)) {
      commemoration_ = CreateCommemorationPanel(
          {hwnd(), 0, 0, kCommemorationId, &os_, &args_.place.folders, args_.network, args_.commemoration, this});
      if (!commemoration_) return false;
    }
    if (Shows(SetupTab::SpecialDays)) {
      specialDays_ = CreateSpecialDayPanel({hwnd(), 0, 0, kSpecialDaysId, &os_, &args_.place.folders, this});
      if (!specialDays_) return false;
    }
    return true;
  }

  bool MakeCopyPages() {
    subTabs_ = MakeTabControl(kSubTabsId);
    AddTab(subTabs_, 0, kBackupSubPageCaption);
    backup_ = CreateBackupPanel({hwnd(), kBackupId, &os_, args_.place, &keys_, this});
    if (!backup_) return false;
    if (!layout_.exportShown) return true;
    AddTab(subTabs_, 1, kExportSubPageCaption);
    exportHost_ = std::make_unique<WindowExportHost>(hwnd(), [this] { SavePendingData(); });
    export_ = CreateExportPanel({hwnd(), 0, 0, kExportId, &os_, &args_.place.folders, args_.days, exportHost_.get(),
                                 args_.shownMonth, ExportChoiceOf(keys_, args_.place.programFolder)});
    return export_ != nullptr;
  }

  std::vector<HWND> SubPages() const {
    return {backup_ ? backup_->hwnd() : nullptr, export_ ? export_->hwnd() : nullptr};
  }

  // The panels of a tab (the sub-pages of "コピー" count through their tab).
  HWND PanelOf(SetupTab tab) const {
    switch (tab) {
      case SetupTab::Copy: return subTabs_;
      case SetupTab::Install: return install_ ? install_->hwnd() : nullptr;
      case SetupTab::Shortcuts: return shortcuts_ ? shortcuts_->hwnd() : nullptr;
      case SetupTab::Commemoration: return commemoration_ ? commemoration_->hwnd() : nullptr;
      case SetupTab::SpecialDays: return specialDays_ ? specialDays_->hwnd() : nullptr;
    }
    return nullptr;
  }

  SIZE Padded(SIZE size) const {
    const int inset = 2 * font_.Scale(layout::kTabInset);
    return {size.cx + inset, size.cy + inset};
  }

  // The window sized to the tabs around its largest page.
  void Arrange() {
    const SIZE client = ClientForPages();
    const RECT frame =
        platform::AdjustWindowRectForDpi({0, 0, client.cx, client.cy}, kWindowStyle, kWindowExStyle, Dpi());
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    const POINT at = WindowPlace(width, height);
    SetWindowPos(hwnd(), nullptr, at.x, at.y, width, height, SWP_NOZORDER);
    PlaceTabs();
  }

  SIZE ClientForPages() {
    SIZE copy{0, 0};
    if (subTabs_) {
      SIZE sub{0, 0};
      for (HWND page : SubPages())
        if (page) sub = {std::max(sub.cx, SizeOf(page).cx), std::max(sub.cy, SizeOf(page).cy)};
      copy = TabAround(subTabs_, Padded(sub));
      SetWindowPos(subTabs_, nullptr, 0, 0, copy.cx, copy.cy, SWP_NOMOVE | SWP_NOZORDER);
    }
    SIZE pages{0, 0};
    for (SetupTab tab : layout_.tabs) {
      const SIZE size = tab == SetupTab::Copy ? copy : Padded(SizeOf(PanelOf(tab)));
      pages = {std::max(pages.cx, size.cx), std::max(pages.cy, size.cy)};
    }
    const int margin = font_.Scale(layout::kMargin);
    const SIZE tabs = TabAround(tabs_, pages);
    return {tabs.cx + 2 * margin, tabs.cy + 2 * margin};
  }

  // The tabs fill the window inside its margin, the pages the tabs.
  void PlaceTabs() {
    RECT client{};
    GetClientRect(hwnd(), &client);
    const int margin = font_.Scale(layout::kMargin);
    SetWindowPos(tabs_, nullptr, margin, margin, client.right - 2 * margin, client.bottom - 2 * margin,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    PlacePages();
  }

  // The pages made again at the new DPI (each at its own size), then
  // filling the tabs of the window wherever the system puts it.
  void OnDpiChanged(int) override {
    font_.SetDpi(Dpi());
    for (platform::Window* panel : Panels()) panel->SetDpi(Dpi());
    PlaceTabs();
  }

  std::vector<platform::Window*> Panels() const {
    std::vector<platform::Window*> panels;
    for (platform::Window* panel : std::initializer_list<platform::Window*>{
             backup_.get(), export_.get(), install_.get(), shortcuts_.get(), commemoration_.get(), specialDays_.get()})
      if (panel) panels.push_back(panel);
    return panels;
  }

  void PlacePages() {
    const int inset = font_.Scale(layout::kTabInset);
    const RECT area = PageArea(tabs_);
    for (SetupTab tab : layout_.tabs) Fill(PanelOf(tab), area, tab == SetupTab::Copy ? 0 : inset);
    if (!subTabs_) return;
    const RECT sub = PageArea(subTabs_);
    for (HWND page : SubPages()) Fill(page, sub, inset);
  }

  // Where the window last was, when that is on the screen; else over the
  // main window's middle.
  POINT WindowPlace(int width, int height) const {
    const RECT work = platform::WorkArea();
    const bool kept = (keys_.SetupX != 0 || keys_.SetupY != 0) && keys_.SetupX >= work.left &&
                      keys_.SetupY >= work.top && keys_.SetupX + width <= work.right &&
                      keys_.SetupY + height <= work.bottom;
    if (kept) return {keys_.SetupX, keys_.SetupY};
    RECT around = work;
    if (args_.owner && IsWindowVisible(args_.owner)) GetWindowRect(args_.owner, &around);
    const int x = std::clamp<int>((around.left + around.right - width) / 2, work.left,
                                  std::max<int>(work.left, work.right - width));
    const int y = std::clamp<int>((around.top + around.bottom - height) / 2, work.top,
                                  std::max<int>(work.top, work.bottom - height));
    return {x, y};
  }

  void SelectTab(int index) {
    if (index < 0 || index >= static_cast<int>(layout_.tabs.size())) return;
    TabCtrl_SetCurSel(tabs_, index);
    const SetupTab chosen = layout_.tabs[index];
    for (SetupTab tab : layout_.tabs) ShowOnTop(PanelOf(tab), tab == chosen);
    for (HWND page : SubPages()) ShowOnTop(page, false);
    if (chosen == SetupTab::Copy) SelectSubPage(subShown_ >= 0 ? subShown_ : layout_.exportSelected ? 1 : 0);
  }

  void SelectSubPage(int index) {
    const std::vector<HWND> pages = SubPages();
    if (index < 0 || index >= static_cast<int>(pages.size()) || !pages[index]) return;
    subShown_ = index;
    TabCtrl_SetCurSel(subTabs_, index);
    for (std::size_t i = 0; i < pages.size(); ++i) ShowOnTop(pages[i], static_cast<int>(i) == index);
  }

  void RequestClose() { PostMessageW(hwnd(), kClosePageMessage, 0, 0); }

  void KeepWindowState() {
    if (backup_) backup_->ReadFields();
    if (install_) install_->ReadFields();
    if (export_) StoreExportChoice(export_->choice(), keys_);
    RECT r{};
    GetWindowRect(hwnd(), &r);
    keys_.SetupX = r.left;
    keys_.SetupY = r.top;
    SaveWindowKeys();
  }

  SetupWindowArgs args_;
  platform::Services& os_;
  SetupTabLayout layout_;
  SetupWindowKeys keys_;
  PageControls font_;
  HWND tabs_ = nullptr;
  HWND subTabs_ = nullptr;
  int subShown_ = -1;
  std::unique_ptr<BackupPanel> backup_;
  std::unique_ptr<WindowExportHost> exportHost_;
  std::unique_ptr<ExportPanel> export_;
  std::unique_ptr<InstallPanel> install_;
  std::unique_ptr<ShortcutPanel> shortcuts_;
  std::unique_ptr<CommemorationPanel> commemoration_;
  std::unique_ptr<SpecialDayPanel> specialDays_;
  SetupWindowResult result_;
  bool closed_ = false;
  bool closeAllowed_ = true;
};

}  // namespace

std::optional<SetupWindowResult> ShowSetupWindow(SetupPage page, const SetupWindowArgs& args) {
  if (!args.os) return std::nullopt;
  SetupWindow window(args, page);
  if (!window.Build()) return std::nullopt;
  return window.RunModal();
}

}  // namespace settings
