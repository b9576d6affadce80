#include "editors/search_window_win.h"

#include <cstdio>

#include "platform/text_win.h"

namespace editors {
namespace {

constexpr int kBarHeight = 32;
constexpr int kButtonWidth = 56;
constexpr int kHistoryRows = 20;
constexpr std::uint64_t kPaintEveryMs = 30;

struct BarButton {
  int id;
  const wchar_t* caption;
};
const BarButton kButtons[] = {
    {TfmKensaku::kBtnKensaku, L"検索"},   {TfmKensaku::kBtnUp, L"上候補"},
    {TfmKensaku::kBtnDown, L"下候補"},    {TfmKensaku::kBtnSaisho, L"最初"},
    {TfmKensaku::kBtnSaigo, L"最後"},     {TfmKensaku::kBtnSaisakusei, L"再作成"},
    {TfmKensaku::kBtnTojiru, L"閉じる"},
};

}  // namespace

HWND TfmKensaku::AddBarControl(const wchar_t* cls, const wchar_t* text, DWORD style, int id) {
  HWND control = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 10, 10, hwnd(),
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 platform::ModuleInstance(), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(UiFont()), FALSE);
  bar_.push_back(control);
  return control;
}

void TfmKensaku::CreateExtras() {
  bar_.clear();
  AddBarControl(L"STATIC", L"検索文字列", SS_LEFT | SS_CENTERIMAGE, kLblKensaku);
  box_ = AddBarControl(L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP,
                       kCbKensaku);
  for (const BarButton& b : kButtons) AddBarControl(L"BUTTON", b.caption, BS_PUSHBUTTON | WS_TABSTOP, b.id);
}

RECT TfmKensaku::LayoutExtras(RECT area) {
  const int h = Scale(24), y = area.top + (Scale(kBarHeight) - h) / 2;
  int x = area.left + Scale(6);
  MoveWindow(bar_[0], x, y, Scale(68), h, TRUE);
  x += Scale(70);
  // The drop-down shows twenty rows of the history.
  MoveWindow(box_, x, y, Scale(180), h + Scale(18) * kHistoryRows, TRUE);
  x += Scale(186);
  for (std::size_t i = 2; i < bar_.size(); ++i, x += Scale(kButtonWidth + 2))
    MoveWindow(bar_[i], x, y, Scale(kButtonWidth), h, TRUE);
  area.top += Scale(kBarHeight);
  return area;
}

std::string TfmKensaku::BoxText() const {
  return platform::WindowTextUtf8(box_);
}

void TfmKensaku::FillHistory() {
  const std::string typed = BoxText();
  SendMessageW(box_, CB_RESETCONTENT, 0, 0);
  for (const auto& word : controller().history())
    SendMessageW(box_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Widen(word).c_str()));
  SetWindowTextW(box_, platform::Widen(typed).c_str());
}

void TfmKensaku::AfterOpen() {
  SetWindowTextW(box_, platform::Widen(controller().lastWord()).c_str());
  FillHistory();
  SendMessageW(box_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

void TfmKensaku::Search() {
  const std::string word = BoxText();
  if (word.empty()) return;
  controller().SearchFromTop(word);
  FillHistory();
  editor().Focus();
}

void TfmKensaku::FindFromBox(bool forward) {
  const std::string word = BoxText();
  if (word.empty()) return;
  controller().Find(word, forward);
  editor().Focus();
}

bool TfmKensaku::OnExtraCommand(int id, int code) {
  if (id == IDOK) {  // Enter in the box
    if (GetFocus() == box_ || IsChild(box_, GetFocus())) Search();
    return true;
  }
  if (id < kLblKensaku || id > kBtnTojiru) return false;
  if (code != BN_CLICKED || id == kCbKensaku) return true;
  switch (id) {
    case kBtnKensaku: Search(); break;
    case kBtnUp: FindFromBox(false); break;
    case kBtnDown: FindFromBox(true); break;
    case kBtnSaisho: controller().ToFirstLine(); editor().Focus(); break;
    case kBtnSaigo: controller().ToLastLine(); editor().Focus(); break;
    case kBtnSaisakusei: RunCommand(kMnRebuild); break;
    case kBtnTojiru: CloseWindow(Page::Keep); break;
  }
  return true;
}

// ---- The wait while the listing is built ---------------------------------------

void TfmKensaku::BeginWait() {
  cursorBefore_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  waitStart_ = lastPaint_ = os().clock.TickMs();
  buildMs_ = showMs_ = 0;
  if (!wait_.Show()) return;
  RECT mine{}, box{};
  GetWindowRect(hwnd(), &mine);
  GetWindowRect(wait_.hwnd(), &box);
  const int w = box.right - box.left, h = box.bottom - box.top;
  SetWindowPos(wait_.hwnd(), HWND_TOPMOST, (mine.left + mine.right - w) / 2, (mine.top + mine.bottom - h) / 2,
               0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
  UpdateWindow(wait_.hwnd());
}

// The count of files goes into panel 0 as the listing grows; writing and
// painting it (and letting the wait window blink) more often than a screen
// shows would only slow the listing down, under Wine several times over.
void TfmKensaku::ShowProgress(int done, int total) {
  const std::uint64_t now = os().clock.TickMs();
  if (done == total) buildMs_ = now - waitStart_;
  if (done < total && now - lastPaint_ < kPaintEveryMs) return;
  lastPaint_ = now;
  char text[48];
  std::snprintf(text, sizeof text, "%d / %d", done, total);
  SetStatus(0, text);
  MSG msg;
  while (wait_.hwnd() && PeekMessageW(&msg, wait_.hwnd(), 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  UpdateWindow(GetDlgItem(hwnd(), kStatusBar));
}

void TfmKensaku::EndWait() {
  showMs_ = os().clock.TickMs() - waitStart_ - buildMs_;
  wait_.Hide();
  SetCursor(cursorBefore_);
}

}  // namespace editors
