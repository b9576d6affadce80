#include "grid/year_page_win.h"

#include <commctrl.h>

#include <string>

#include "platform/fonts_win.h"
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

constexpr int kMargin = 12;
constexpr int kCalendarWidth = 184;
constexpr int kCalendarHeight = 125;
constexpr int kColumnPitch = 196;
constexpr int kLabelHeight = 17;
constexpr int kRowPitch = kLabelHeight + kCalendarHeight + 2;
constexpr int kGridTop = 38;
constexpr int kSideLeft = kMargin + 3 * kColumnPitch + 4;
constexpr const wchar_t* kChoiceTexts[3] = {L"標準", L"年度", L"特別"};

RECT Bounds(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

RECT CalendarBounds(int tag) {
  const int column = (tag - 1) % 3, row = (tag - 1) / 3;
  return Bounds(kMargin + column * kColumnPitch, kGridTop + row * kRowPitch + kLabelHeight,
                kCalendarWidth, kCalendarHeight);
}

platform::UniqueFont UiFont(int height, bool bold) {
  return platform::UniqueFont(CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE,
                                          FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                          CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                          DEFAULT_PITCH | FF_DONTCARE,
                                          platform::ChooseUiFontFace().c_str()));
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

YearPageWindow::YearPageWindow(const YearPageWindowArgs& args)
    : page_(args.today, *args.dialogs, *args.owner), uiFont_(UiFont(14, false)), labelFont_(UiFont(15, true)) {}

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
  w.width = kYearPageWidth;
  w.height = kYearPageHeight;
  w.parent = args.parent;
  w.menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(args.id));
  w.classStyle = 0;
  w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  if (!CreateWindowFrom(w)) return false;
  CreateControls();
  Refresh();
  return true;
}

HWND YearPageWindow::AddControl(const wchar_t* className, const wchar_t* text, DWORD style,
                                RECT b, int id, HFONT font) {
  HWND control = CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, b.left, b.top,
                                 b.right - b.left, b.bottom - b.top, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 platform::ModuleInstance(), nullptr);
  if (control) SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void YearPageWindow::CreateControls() {
  HFONT ui = uiFont_.get();
  header_ = AddControl(L"STATIC", L"", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN,
                       Bounds(kMargin, 6, 3 * kColumnPitch - 12, 26), kHeaderId, labelFont_.get());
  for (int tag = 1; tag <= kYearCalendars; ++tag) {
    const RECT cal = CalendarBounds(tag);
    labels_[tag - 1] = AddControl(L"STATIC", L"", SS_LEFT, Bounds(cal.left + 2, cal.top - kLabelHeight, 60, kLabelHeight),
                                  kLabelFirstId + tag, labelFont_.get());
    UseSystemWeekdayNames(page_.Calendar(tag));
    hosts_[tag - 1] = std::make_unique<CalendarHost>(page_.Calendar(tag));
    hosts_[tag - 1]->Create(hwnd(), kSeMCalendarClass, cal, kCalendarFirstId + tag);
  }
  AddControl(L"BUTTON", L" 年変更 ", BS_GROUPBOX, Bounds(kSideLeft, kGridTop, 184, 170), kYearGroupId, ui);
  yearEdit_ = AddControl(L"EDIT", L"", WS_TABSTOP | WS_BORDER | ES_NUMBER | ES_CENTER,
                         Bounds(kSideLeft + 12, kGridTop + 26, 72, 26), kYearEditId, ui);
  upDown_ = AddControl(UPDOWN_CLASSW, L"",
                       UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                       Bounds(0, 0, 0, 0), kUpDownId, ui);
  SendMessageW(upDown_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(yearEdit_), 0);
  SendMessageW(upDown_, UDM_SETRANGE32, kYearBoxMin, kYearBoxMax);
  applyButton_ = AddControl(L"BUTTON", L"変更実行", WS_TABSTOP | BS_OWNERDRAW,
                            Bounds(kSideLeft + 100, kGridTop + 24, 74, 30), kApplyId, ui);
  AddControl(L"BUTTON", L"前年", WS_TABSTOP, Bounds(kSideLeft + 12, kGridTop + 70, 78, 30), kPreviousId, ui);
  AddControl(L"BUTTON", L"翌年", WS_TABSTOP, Bounds(kSideLeft + 96, kGridTop + 70, 78, 30), kNextId, ui);
  AddControl(L"BUTTON", L"今年", WS_TABSTOP, Bounds(kSideLeft + 12, kGridTop + 116, 162, 30), kThisYearId, ui);
  AddControl(L"BUTTON", L" 表示 ", BS_GROUPBOX, Bounds(kSideLeft, kGridTop + 190, 184, 112), kChoiceGroupId, ui);
  for (int i = 0; i < 3; ++i)
    choices_[i] = AddControl(L"BUTTON", kChoiceTexts[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0),
                             Bounds(kSideLeft + 20, kGridTop + 214 + i * 28, 150, 24), kChoiceFirstId + i, ui);
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
  const std::string text = platform::Narrow(WindowText(yearEdit_));
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
