#include "grid/year_page_win.h"

#include <commctrl.h>

#include <string>
#include <utility>

#include "platform/dpi_win.h"
#include "platform/push_button_win.h"
#include "platform/text_win.h"
#include "support/text.h"

namespace grid {
namespace {

enum ControlId : int {
  kHeaderId = 100, kYearEditId, kUpDownId, kApplyId, kPreviousId, kNextId, kThisYearId,
  kYearGroupId, kChoiceGroupId, kChoiceFirstId,                  // three radio buttons
  kLabelFirstId = 120, kCalendarFirstId = 140,
};

// 96-DPI places.
constexpr int kMargin = 12;
constexpr int kCalendarWidth = 184;
constexpr int kCalendarHeight = 125;
constexpr int kColumnPitch = 196;
constexpr int kLabelHeight = 17;
constexpr int kRowPitch = kLabelHeight + kCalendarHeight + 2;
constexpr int kGridTop = 38;
constexpr int kSideLeft = kMargin + 3 * kColumnPitch + 4;
constexpr int kUiFontHeight = 14;
constexpr int kLabelFontHeight = 15;
constexpr const wchar_t* kChoiceTexts[3] = {L"標準", L"年度", L"特別"};

}  // namespace

YearPageWindow::YearPageWindow(const YearPageWindowArgs& args) : page_(args.today, *args.dialogs, *args.owner) {}

YearPageWindow::~YearPageWindow() {
  // The children go first, while the fonts they use still exist.
  if (hwnd()) DestroyWindow(hwnd());
}

std::unique_ptr<YearPageWindow> CreateYearPageWindow(const YearPageWindowArgs& args) {
  if (!args.dialogs || !args.owner) return nullptr;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_UPDOWN_CLASS | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  auto window = std::make_unique<YearPageWindow>(args);
  if (!window->Create(args)) return nullptr;
  return window;
}

bool YearPageWindow::Create(const YearPageWindowArgs& args) {
  platform::WindowArgs w;
  w.className = kYearPageClass;
  w.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN;
  w.exStyle = WS_EX_CONTROLPARENT;
  w.x = args.x;
  w.y = args.y;
  w.width = w.height = 1;  // sized by Layout at the window's DPI
  w.parent = args.parent;
  w.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
  w.classStyle = 0;
  w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!CreateWindowFrom(w)) return false;
  MakeFonts();
  CreateControls();
  ApplyFonts();
  Layout();
  Refresh();
  return true;
}

SIZE YearPageWindow::PixelSize() const { return {Scale(kYearPageWidth), Scale(kYearPageHeight)}; }

void YearPageWindow::MakeFonts() {
  uiFont_.reset(platform::CreateUiFont(kUiFontHeight, Dpi()));
  labelFont_.reset(platform::CreateUiFont(kLabelFontHeight, Dpi(), true));
}

HWND YearPageWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style, int id) {
  return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, hwnd(),
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), platform::ModuleInstance(),
                         nullptr);
}

void YearPageWindow::CreateControls() {
  header_ = AddControl(L"STATIC", L"", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN, kHeaderId);
  for (int tag = 1; tag <= kYearCalendars; ++tag) {
    labels_[tag - 1] = AddControl(L"STATIC", L"", SS_LEFT, kLabelFirstId + tag);
    UseSystemWeekdayNames(page_.Calendar(tag));
    hosts_[tag - 1] = std::make_unique<CalendarHost>(page_.Calendar(tag));
    hosts_[tag - 1]->Create(hwnd(), kSeMCalendarClass, RECT{0, 0, 1, 1}, kCalendarFirstId + tag);
  }
  yearGroup_ = AddControl(L"BUTTON", L" 年変更 ", BS_GROUPBOX, kYearGroupId);
  yearEdit_ = AddControl(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_CENTER, kYearEditId);
  upDown_ = AddControl(UPDOWN_CLASSW, L"", UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                       kUpDownId);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(yearEdit_), 0);
  SendMessageW(upDown_, UDM_SETRANGE32, kYearBoxMin, kYearBoxMax);
  applyButton_ = AddControl(L"BUTTON", L"変更実行", WS_TABSTOP | BS_OWNERDRAW, kApplyId);
  previousButton_ = AddControl(L"BUTTON", L"前年", WS_TABSTOP, kPreviousId);
  nextButton_ = AddControl(L"BUTTON", L"翌年", WS_TABSTOP, kNextId);
  thisYearButton_ = AddControl(L"BUTTON", L"今年", WS_TABSTOP, kThisYearId);
  choiceGroup_ = AddControl(L"BUTTON", L" 表示 ", BS_GROUPBOX, kChoiceGroupId);
  for (int i = 0; i < 3; ++i)
    choices_[i] = AddControl(L"BUTTON", kChoiceTexts[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                             kChoiceFirstId + i);
}

void YearPageWindow::ApplyFonts() {
  const auto set = [](HWND control, HFONT font) {
    if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  };
  for (HWND control : {yearGroup_, yearEdit_, upDown_, applyButton_, previousButton_, nextButton_,
                       thisYearButton_, choiceGroup_, choices_[0], choices_[1], choices_[2]})
    set(control, uiFont_.get());
  set(header_, labelFont_.get());
  for (HWND label : labels_) set(label, labelFont_.get());
}

void YearPageWindow::Place(HWND control, int x, int y, int width, int height) {
  // Edges scaled one by one: neighbours at 96 DPI stay neighbours.
  const support::Rect r = platform::ScaleRectToDpi({x, y, x + width, y + height}, Dpi());
  MoveWindow(control, r.left, r.top, r.Width(), r.Height(), TRUE);
}

void YearPageWindow::Layout() {
  const SIZE size = PixelSize();
  SetWindowPos(hwnd(), nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  Place(header_, kMargin, 6, 3 * kColumnPitch - 12, 26);
  for (int tag = 1; tag <= kYearCalendars; ++tag) {
    const int column = (tag - 1) % 3, row = (tag - 1) / 3;
    const int x = kMargin + column * kColumnPitch, y = kGridTop + row * kRowPitch + kLabelHeight;
    Place(labels_[tag - 1], x + 2, y - kLabelHeight, 60, kLabelHeight);
    Place(hosts_[tag - 1]->hwnd(), x, y, kCalendarWidth, kCalendarHeight);
  }
  Place(yearGroup_, kSideLeft, kGridTop, 184, 170);
  Place(yearEdit_, kSideLeft + 12, kGridTop + 26, 72, 26);
  // The arrows as wide as a scroll bar at this DPI; attached again, they
  // take their place beside the box and narrow it.
  MoveWindow(upDown_, 0, 0, platform::SystemMetricForDpi(SM_CXVSCROLL, Dpi()), 1, FALSE);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(yearEdit_), 0);
  Place(applyButton_, kSideLeft + 100, kGridTop + 24, 74, 30);
  Place(previousButton_, kSideLeft + 12, kGridTop + 70, 78, 30);
  Place(nextButton_, kSideLeft + 96, kGridTop + 70, 78, 30);
  Place(thisYearButton_, kSideLeft + 12, kGridTop + 116, 162, 30);
  Place(choiceGroup_, kSideLeft, kGridTop + 190, 184, 112);
  for (int i = 0; i < 3; ++i) Place(choices_[i], kSideLeft + 20, kGridTop + 214 + i * 28, 150, 24);
}

void YearPageWindow::OnDpiChanged(int) {
  // The old fonts live until the controls hold the new ones.
  const platform::UniqueFont oldUi = std::move(uiFont_), oldLabel = std::move(labelFont_);
  MakeFonts();
  ApplyFonts();
  for (auto& host : hosts_) host->SetDpi(Dpi());
  Layout();
}

void YearPageWindow::Shown() {
  page_.Shown();
  Refresh();
}

void YearPageWindow::FocusYearBox() {
  SetFocus(yearEdit_);
  SendMessageW(yearEdit_, EM_SETSEL, 0, -1);
}

void YearPageWindow::Refresh() {
  refreshing_ = true;
  SetWindowTextW(header_, platform::Widen(page_.Header()).c_str());
  for (int tag = 1; tag <= kYearCalendars; ++tag)
    SetWindowTextW(labels_[tag - 1], platform::Widen(page_.Label(tag)).c_str());
  SendMessageW(upDown_, UDM_SETPOS32, 0, page_.YearBox());
  SetWindowTextW(yearEdit_, std::to_wstring(page_.YearBox()).c_str());
  for (int i = 0; i < 3; ++i)
    SendMessageW(choices_[i], BM_SETCHECK, static_cast<int>(page_.Choice()) == i ? BST_CHECKED : BST_UNCHECKED, 0);
  InvalidateRect(applyButton_, nullptr, TRUE);
  refreshing_ = false;
}

LRESULT YearPageWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_DRAWITEM:
      if (wParam == kApplyId) {
        DrawApplyButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    default: break;
  }
  return Default(message, wParam, lParam);
}

void YearPageWindow::OnYearEdited() {
  const std::string text = platform::WindowTextUtf8(yearEdit_);
  if (const auto year = support::ParseInt(support::Trim(text))) page_.SetYearBox(*year);
}

void YearPageWindow::OnCommand(int id, int code) {
  if (id == kYearEditId) {
    if (code == EN_SETFOCUS) page_.YearBoxEntered();
    if (code == EN_CHANGE && !refreshing_) {
      OnYearEdited();
      page_.YearBoxEntered();
    }
    if (code == EN_SETFOCUS || code == EN_CHANGE) InvalidateRect(applyButton_, nullptr, TRUE);
    return;
  }
  if (code != BN_CLICKED) return;
  if (id >= kChoiceFirstId && id < kChoiceFirstId + 3) {
    page_.SetChoice(static_cast<YearStart>(id - kChoiceFirstId));
  } else if (id == kApplyId) {
    OnYearEdited();
    page_.Apply();
    SetFocus(CalendarWindow(1));
  } else if (id == kPreviousId || id == kNextId) {
    OnYearEdited();
    if (id == kPreviousId) page_.PreviousYear();
    else page_.NextYear();
  } else if (id == kThisYearId) {
    page_.ThisYear();
  } else {
    return;
  }
  Refresh();
}

// Grey while nothing waits for it; black once the year box was entered.
void YearPageWindow::DrawApplyButton(const DRAWITEMSTRUCT& item) {
  platform::DrawPushButton(item, uiFont_.get(), L"変更実行",
                           GetSysColor(page_.ApplyPending() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
}

}  // namespace grid
