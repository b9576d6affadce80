#include "settings/cleanup_window_win.h"

#include <utility>

#include "platform/dpi_win.h"
#include "platform/modal_loop_win.h"
#include "platform/text_win.h"
#include "platform/win_handles_win.h"
#include "platform/window_win.h"
#include "settings/page_controls_win.h"
#include "settings/setup_layout_win.h"

namespace settings {
namespace {

enum ControlId : int { kHeadingId = 100, kPathLabelId, kPathId, kNoteFirstId, kYesId = IDYES, kNoId = IDNO };
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

class CleanupWindow : public PageWindow {
 public:
  CleanupWindow(const CleanupContext& context, CleanupMode mode, std::string path)
      : context_(context), mode_(mode), path_(std::move(path)), texts_(CleanupTextsOf(mode)) {}

  bool Build() {
    platform::WindowArgs w;
    w.className = kCleanupWindowClass;
    w.title = platform::Widen(texts_.title);
    w.style = kStyle;
    w.exStyle = kExStyle;
    w.parent = context_.owner;
    const RECT work = platform::WorkArea();  // made on the monitor it is shown on, at that one's DPI
    w.x = work.left;
    w.y = work.top;
    w.width = w.height = 1;
    w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!CreateWindowFrom(w)) return false;
    controls_.Attach(hwnd(), Dpi());
    CreateControls();
    Center(work);
    return true;
  }

  bool RunModal() {
    if (context_.dialogs) context_.dialogs->SetOwner(reinterpret_cast<platform::WindowHandle>(hwnd()));
    platform::ModalOwner owner(context_.owner);
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    SetFocus(controls_.Item(kYesId));
    platform::RunModalLoop(hwnd(), [this] { return closed_; });
    if (context_.dialogs) context_.dialogs->SetOwner(reinterpret_cast<platform::WindowHandle>(context_.owner));
    owner.Return(hwnd());
    return deleteChosen_;
  }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_COMMAND:
        if (LOWORD(wParam) == kYesId) Delete();
        if (LOWORD(wParam) == kNoId || LOWORD(wParam) == IDCANCEL) closed_ = true;
        return 0;
      case WM_CLOSE:
        closed_ = true;
        return 0;
      case WM_CTLCOLORSTATIC:
        if (reinterpret_cast<HWND>(lParam) == controls_.Item(kPathId)) {
          HDC dc = reinterpret_cast<HDC>(wParam);
          SetTextColor(dc, static_cast<COLORREF>(texts_.pathColour));
          SetBkMode(dc, TRANSPARENT);
          return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return Default(message, wParam, lParam);
      default:
        return Default(message, wParam, lParam);
    }
  }

 private:
  void CreateControls() {
    PageControls& c = controls_;
    c.Add(L"STATIC", texts_.heading, SS_LEFT | SS_NOPREFIX, layout::kCleanupHeading, kHeadingId);
    c.Add(L"STATIC", texts_.pathLabel, SS_LEFT | SS_NOPREFIX, layout::kCleanupPathLabel, kPathLabelId);
    c.Add(L"STATIC", path_, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS, layout::kCleanupPath, kPathId);
    for (std::size_t i = 0; i < texts_.notes.size() && i < 2; ++i)
      c.Add(L"STATIC", texts_.notes[i], SS_LEFT | SS_NOPREFIX, layout::kCleanupNote[i], kNoteFirstId + static_cast<int>(i));
    c.Add(L"BUTTON", kCleanupYesCaption, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_GROUP, layout::kCleanupYes, kYesId);
    c.Add(L"BUTTON", kCleanupNoCaption, BS_PUSHBUTTON | WS_TABSTOP, layout::kCleanupNo, kNoId);
  }

  // A small fixed window in the middle of the work area.
  void Center(const RECT& work) {
    const SIZE size =
        platform::OuterSizeForClient(layout::kCleanupWidth, layout::kCleanupHeight, kStyle, kExStyle, Dpi());
    const POINT place = platform::CentredIn(work, size);
    SetWindowPos(hwnd(), nullptr, place.x, place.y, size.cx, size.cy, SWP_NOZORDER);
  }

  void Delete() {
    deleteChosen_ = true;
    HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    const CleanupGuard guard = context_.guard ? context_.guard() : CleanupGuard{};
    DeleteSetupLeftover(*context_.os, mode_, path_, guard, reinterpret_cast<platform::WindowHandle>(hwnd()));
    SetCursor(before);
    closed_ = true;
  }

  CleanupContext context_;
  CleanupMode mode_;
  std::string path_;
  CleanupTexts texts_;
  bool closed_ = false;
  bool deleteChosen_ = false;
};

}  // namespace

bool ShowCleanupWindow(const CleanupContext& context, CleanupMode mode, const std::string& path) {
  if (!context.os) return false;
  CleanupWindow window(context, mode, path);
  return window.Build() && window.RunModal();
}

std::function<void(const std::string& path)> ArchiveDeletionOffer(CleanupContext context) {
  return [context](const std::string& path) { ShowCleanupWindow(context, CleanupMode::ArchiveFile, path); };
}

std::function<void(const std::string& path)> WorkFolderDeletionOffer(CleanupContext context) {
  return [context](const std::string& path) { ShowCleanupWindow(context, CleanupMode::WorkFolder, path); };
}

}  // namespace settings
