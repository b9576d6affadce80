#include "settings/special_day_page_win.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "platform/text_win.h"
#include "support/text.h"

namespace settings {
namespace {

enum ControlId : int {
  kTableId = 100, kEntryGroupId, kFormGroupId,
  kYear1LabelId, kYear1Id, kYear2LabelId, kYear2Id, kMonthLabelId, kMonthId, kDayLabelId, kDayId,
  kWeekdayLabelId, kWeekdayId, kWeekLabelId, kWeekId, kTextLabelId, kTextId,
  kTransferId, kClearId, kFindFreeId, kFirstId, kLastId, kWriteId, kCancelId,
  kFormFirstId,  // six radio items
};

constexpr UINT_PTR kSubclassId = 1;
// Ends the typing in a cell outside the edit box's own messages: wParam 1
// keeps the text, 2 also moves on to the next cell.
constexpr UINT kMsgEndEdit = WM_APP + 1;
// A row chosen (wParam) or the table entered (wParam 0), handled after the
// list view has finished with the mouse: a question asked inside its
// click tracking would leave it waiting for a mouse move.
constexpr UINT kMsgRowChosen = WM_APP + 2;
constexpr int kColumnWidths[kTableColumns] = {40, 56, 56, 40, 40, 70, 56, 360};
constexpr COLORREF kCurrentRowBack = 0xD0FFD5;   // $D0FFD5
constexpr COLORREF kCurrentRowText = 0xFF0000;   // $FF0000, blue
constexpr COLORREF kCurrentCellBack = 0xFFFFB9;  // the grid's selection colour

int ItemOf(int row) { return row - 1; }

// Set while the page may be asking: the focus then comes and goes.
struct BusyGuard {
  explicit BusyGuard(bool& flag) : flag_(flag), was_(std::exchange(flag, true)) {}
  ~BusyGuard() { flag_ = was_; }
  bool& flag_;
  bool was_;
};
int RowOf(int item) { return item + 1; }

}  // namespace

SpecialDayPanel::SpecialDayPanel(const SpecialDayPanelArgs& args)
    : host_(*args.host), page_(*args.os, *args.folders) {}

SpecialDayPanel::~SpecialDayPanel() {
  if (hwnd()) DestroyWindow(hwnd());  // the children first, while the font lives
}

std::unique_ptr<SpecialDayPanel> CreateSpecialDayPanel(const SpecialDayPanelArgs& args) {
  if (!args.os || !args.folders || !args.host) return nullptr;
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&classes);
  auto panel = std::make_unique<SpecialDayPanel>(args);
  if (!panel->CreateWindowFrom(PanelWindowArgs(kSpecialDayPageClass, args.parent, args.id, args.x, args.y)) || !panel->Create()) return nullptr;
  return panel;
}

bool SpecialDayPanel::Create() {
  controls_.Attach(hwnd(), Dpi());
  controls_.SizePage(kSpecialDayPageWidth, kSpecialDayPageHeight);
  CreateControls();
  page_.Load();
  RefreshAll();
  return list_ != nullptr;
}

void SpecialDayPanel::CreateTable() {
  list_ = controls_.Add(WC_LISTVIEWW, "", LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP,
                        {8, 8, 744, 300}, kTableId, WS_EX_CLIENTEDGE);
  ListView_SetExtendedListViewStyle(list_, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
  for (int c = 0; c < kTableColumns; ++c) {
    std::wstring heading = platform::Widen(kColumnHeadings[c]);
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = c == kColText ? LVCFMT_LEFT : LVCFMT_CENTER;
    column.cx = controls_.Scale(kColumnWidths[c]);
    column.pszText = heading.data();
    ListView_InsertColumn(list_, c, &column);
  }
  SetWindowSubclass(list_, &SpecialDayPanel::TableProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

// The columns keep their 96-DPI widths, and a cell being typed into stays
// over its cell.
void SpecialDayPanel::OnDpiChanged(int oldDpi) {
  PageWindow::OnDpiChanged(oldDpi);
  for (int c = 0; c < kTableColumns; ++c) ListView_SetColumnWidth(list_, c, controls_.Scale(kColumnWidths[c]));
  RECT r{};
  if (cellEdit_ && ListView_GetSubItemRect(list_, ItemOf(editing_.row), editing_.column, LVIR_LABEL, &r))
    MoveWindow(cellEdit_, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
}

void SpecialDayPanel::CreateControls() {
  CreateTable();
  CreateEntryArea();
  CreateButtons();
}

void SpecialDayPanel::CreateEntryArea() {
  PageControls& c = controls_;
  const DWORD edit = ES_AUTOHSCROLL | WS_TABSTOP;
  c.Add(L"BUTTON", " 入力 ", BS_GROUPBOX, {8, 314, 540, 190}, kEntryGroupId);
  c.Add(L"STATIC", "年1", SS_RIGHT, {16, 340, 32, 20}, kYear1LabelId);
  c.Add(L"EDIT", "", edit | WS_GROUP, {52, 336, 60, 24}, kYear1Id, WS_EX_CLIENTEDGE);
  c.Add(L"STATIC", "年2", SS_RIGHT, {116, 340, 32, 20}, kYear2LabelId);
  c.Add(L"EDIT", "", edit, {152, 336, 60, 24}, kYear2Id, WS_EX_CLIENTEDGE);
  c.Add(L"STATIC", "月", SS_RIGHT, {214, 340, 24, 20}, kMonthLabelId);
  c.Add(L"EDIT", "", edit, {242, 336, 40, 24}, kMonthId, WS_EX_CLIENTEDGE);
  c.Add(L"STATIC", "日", SS_RIGHT, {284, 340, 24, 20}, kDayLabelId);
  c.Add(L"EDIT", "", edit, {312, 336, 40, 24}, kDayId, WS_EX_CLIENTEDGE);
  c.Add(L"STATIC", "曜日", SS_RIGHT, {354, 340, 36, 20}, kWeekdayLabelId);
  HWND weekday = c.Add(L"COMBOBOX", "", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, {394, 336, 100, 240}, kWeekdayId);
  SendMessageW(weekday, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L""));
  for (int d = 1; d <= 7; ++d)
    SendMessageW(weekday, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(platform::Widen(support::WeekdayLong(d)).c_str()));
  c.Add(L"STATIC", "何週目", SS_RIGHT, {16, 378, 48, 20}, kWeekLabelId);
  c.Add(L"EDIT", "", edit, {68, 374, 44, 24}, kWeekId, WS_EX_CLIENTEDGE);
  c.Add(L"STATIC", "記念日等", SS_RIGHT, {116, 378, 64, 20}, kTextLabelId);
  c.Add(L"EDIT", "", edit, {184, 374, 352, 24}, kTextId, WS_EX_CLIENTEDGE);
  c.Add(L"BUTTON", " 形式 ", BS_GROUPBOX, {556, 314, 196, 190}, kFormGroupId);
  for (int i = 0; i < 6; ++i)
    c.Add(L"BUTTON", kFormCaptions[i], BS_AUTORADIOBUTTON | WS_TABSTOP | (i == 0 ? WS_GROUP : 0),
          {570, 336 + i * 27, 174, 24}, kFormFirstId + i);
}

void SpecialDayPanel::CreateButtons() {
  PageControls& c = controls_;
  const DWORD push = BS_PUSHBUTTON | WS_TABSTOP;
  c.Add(L"BUTTON", "↑ 表に転記(&A)", push | BS_OWNERDRAW | WS_GROUP, {18, 414, 150, 36}, kTransferId);
  c.Add(L"BUTTON", "削除(&D)", push, {176, 414, 96, 36}, kClearId);
  c.Add(L"BUTTON", "追加場所検索(&S)", push, {280, 414, 140, 36}, kFindFreeId);
  c.Add(L"BUTTON", "最初", push, {18, 458, 72, 32}, kFirstId);
  c.Add(L"BUTTON", "最後", push, {96, 458, 72, 32}, kLastId);
  c.Add(L"BUTTON", "書込／閉じる(&W)", push | BS_OWNERDRAW | WS_GROUP, {430, 516, 160, 36}, kWriteId);
  c.Add(L"BUTTON", "キャンセル(&Q)", push, {598, 516, 154, 36}, kCancelId);
}

// ---- showing the page ------------------------------------------------------------

void SpecialDayPanel::RefreshAll() {
  ListView_SetItemCountEx(list_, page_.rowCount() - 1, LVSICF_NOSCROLL);
  InvalidateRect(list_, nullptr, FALSE);
  SyncSelection();
  LoadEntry();
}

void SpecialDayPanel::SyncSelection() {
  syncing_ = true;
  const int item = ItemOf(page_.currentRow());
  ListView_SetItemState(list_, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_SetItemState(list_, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  ListView_EnsureVisible(list_, item, FALSE);
  syncing_ = false;
}

void SpecialDayPanel::LoadEntry() {
  refreshing_ = true;
  const EntryArea& e = page_.entry();
  controls_.SetText(kYear1Id, e.year1);
  controls_.SetText(kYear2Id, e.year2);
  controls_.SetText(kMonthId, e.month);
  controls_.SetText(kDayId, e.day);
  SendMessageW(controls_.Item(kWeekdayId), CB_SETCURSEL, static_cast<WPARAM>(e.weekday), 0);
  controls_.SetText(kWeekId, e.week);
  controls_.SetText(kTextId, e.text);
  for (int i = 0; i < 6; ++i) controls_.Check(kFormFirstId + i, static_cast<int>(page_.form()) == i);
  EnableBoxes();
  InvalidateRect(controls_.Item(kTransferId), nullptr, FALSE);
  InvalidateRect(controls_.Item(kWriteId), nullptr, FALSE);
  refreshing_ = false;
}

void SpecialDayPanel::EnableBoxes() {
  const FormBoxes boxes = page_.boxes();
  for (int id : {kMonthLabelId, kMonthId}) controls_.Enable(id, boxes.month);
  for (int id : {kDayLabelId, kDayId}) controls_.Enable(id, boxes.day);
  for (int id : {kWeekdayLabelId, kWeekdayId}) controls_.Enable(id, boxes.weekday);
  for (int id : {kWeekLabelId, kWeekId}) controls_.Enable(id, boxes.week);
}

EntryArea SpecialDayPanel::ReadEntry() const {
  EntryArea e;
  e.year1 = controls_.Text(kYear1Id);
  e.year2 = controls_.Text(kYear2Id);
  e.month = controls_.Text(kMonthId);
  e.day = controls_.Text(kDayId);
  const LRESULT weekday = SendMessageW(controls_.Item(kWeekdayId), CB_GETCURSEL, 0, 0);
  e.weekday = weekday == CB_ERR ? 0 : static_cast<int>(weekday);
  e.week = controls_.Text(kWeekId);
  e.text = controls_.Text(kTextId);
  return e;
}

// ---- commands ----------------------------------------------------------------------

void SpecialDayPanel::OnCommand(int id, int code) {
  if (refreshing_) return;
  const bool typed = (code == EN_CHANGE && id >= kYear1Id && id <= kTextId) || (code == CBN_SELCHANGE && id == kWeekdayId);
  if (typed) {
    page_.SetEntry(ReadEntry());
    InvalidateRect(controls_.Item(kTransferId), nullptr, FALSE);
  } else if (code == BN_CLICKED && id >= kFormFirstId && id < kFormFirstId + 6) {
    page_.SetForm(static_cast<RuleForm>(id - kFormFirstId));
    EnableBoxes();
  } else if (code == BN_CLICKED) {
    OnButton(id);
  }
}

void SpecialDayPanel::OnButton(int id) {
  BusyGuard busy(busy_);
  switch (id) {
    case kTransferId: page_.Transfer(); break;
    case kClearId: page_.Clear(); break;
    case kFindFreeId: page_.FindFreeRow(); break;
    case kFirstId: page_.FirstRow(); break;
    case kLastId: page_.LastRow(); break;
    case kWriteId:
      if (page_.Write()) host_.ClosePage(true);
      return;
    case kCancelId: host_.ClosePage(false); return;
    default: return;
  }
  RefreshAll();
  if (id == kFindFreeId) SetFocus(controls_.Item(kTextId));
}

void SpecialDayPanel::OnRowChosen(int row) {
  if (row == page_.currentRow() && !page_.entryChanged()) return;
  EndEdit(true, false);
  {
    BusyGuard busy(busy_);
    page_.SelectRow(row);
  }
  RefreshAll();
}

void SpecialDayPanel::MoveToCell(Cell cell) {
  column_ = cell.column;
  if (cell.row != page_.currentRow()) OnRowChosen(cell.row);
  InvalidateRect(list_, nullptr, FALSE);
}

// ---- the table --------------------------------------------------------------------

LRESULT SpecialDayPanel::OnNotify(const NMHDR& header) {
  if (header.hwndFrom == list_) return OnTableNotify(header);
  return 0;
}

LRESULT SpecialDayPanel::OnTableNotify(const NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOW:
      FillCellText(*reinterpret_cast<NMLVDISPINFOW*>(const_cast<NMHDR*>(&header)));
      return 0;
    case LVN_ITEMCHANGED: {
      const auto& change = reinterpret_cast<const NMLISTVIEW&>(header);
      if (!syncing_ && change.iItem >= 0 && (change.uNewState & LVIS_SELECTED) && !(change.uOldState & LVIS_SELECTED))
        PostMessageW(hwnd(), kMsgRowChosen, static_cast<WPARAM>(RowOf(change.iItem)), 0);
      return 0;
    }
    case NM_CLICK:
    case NM_DBLCLK:
      OnTableClick(reinterpret_cast<const NMITEMACTIVATE&>(header), header.code == NM_DBLCLK);
      return 0;
    case NM_SETFOCUS:
      // Entering the table counts as choosing the row being edited; the
      // focus coming back from the question itself does not.
      if (!cellEdit_ && !busy_ && page_.entryChanged()) PostMessageW(hwnd(), kMsgRowChosen, 0, 0);
      return 0;
    case NM_CUSTOMDRAW:
      return OnCustomDraw(*reinterpret_cast<NMLVCUSTOMDRAW*>(const_cast<NMHDR*>(&header)));
    default: return 0;
  }
}

void SpecialDayPanel::FillCellText(NMLVDISPINFOW& info) {
  const int row = RowOf(info.item.iItem);
  if (!(info.item.mask & LVIF_TEXT) || row >= page_.rowCount() || info.item.iSubItem >= kTableColumns) return;
  dispText_ = platform::Widen(page_.table().rows[static_cast<std::size_t>(row)][info.item.iSubItem]);
  info.item.pszText = dispText_.data();
}

// A click chooses the column; the row follows from the selection.
void SpecialDayPanel::OnTableClick(const NMITEMACTIVATE& hit, bool doubleClick) {
  if (hit.iItem < 0 || hit.iSubItem < kColYear1) return;
  column_ = hit.iSubItem;
  InvalidateRect(list_, nullptr, FALSE);
  if (doubleClick && RowOf(hit.iItem) == page_.currentRow()) BeginEdit();
}

// The row being edited on $D0FFD5 in blue, its current cell lighter.
LRESULT SpecialDayPanel::OnCustomDraw(NMLVCUSTOMDRAW& draw) const {
  const DWORD stage = draw.nmcd.dwDrawStage;
  if (stage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
  const bool current = static_cast<int>(draw.nmcd.dwItemSpec) == ItemOf(page_.currentRow());
  if (stage == CDDS_ITEMPREPAINT) {
    if (!current) return CDRF_DODEFAULT;
    draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
    return CDRF_NOTIFYSUBITEMDRAW;
  }
  if (stage == (CDDS_ITEMPREPAINT | CDDS_SUBITEM)) {
    draw.nmcd.uItemState &= ~(CDIS_SELECTED | CDIS_FOCUS);
    draw.clrText = kCurrentRowText;
    draw.clrTextBk = draw.iSubItem == column_ && GetFocus() == list_ ? kCurrentCellBack : kCurrentRowBack;
    return CDRF_NEWFONT;
  }
  return CDRF_DODEFAULT;
}

bool SpecialDayPanel::OnTableKey(WPARAM key) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const Cell here{page_.currentRow(), column_};
  switch (key) {
    case VK_RETURN: MoveToCell(CellAfterEnter(here, page_.rowCount())); return true;
    case VK_LEFT: MoveToCell({here.row, std::max<int>(kColYear1, column_ - 1)}); return true;
    case VK_RIGHT: MoveToCell({here.row, std::min<int>(kColText, column_ + 1)}); return true;
    case VK_F2: BeginEdit(); return true;
    case VK_DOWN:
      if (!ctrl) return false;
      SetFocus(controls_.Item(kTextId));
      return true;
    default: return false;
  }
}

void SpecialDayPanel::BeginEdit() {
  EndEdit(true, false);
  const int item = ItemOf(page_.currentRow());
  RECT r{};
  if (!ListView_GetSubItemRect(list_, item, column_, LVIR_LABEL, &r)) return;
  editing_ = {page_.currentRow(), column_};
  const std::wstring text = platform::Widen(page_.table().rows[static_cast<std::size_t>(editing_.row)][column_]);
  cellEdit_ = CreateWindowExW(0, L"EDIT", text.c_str(), WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                              r.left, r.top, r.right - r.left, r.bottom - r.top, list_, nullptr,
                              platform::ModuleInstance(), nullptr);
  if (!cellEdit_) return;
  SendMessageW(cellEdit_, WM_SETFONT, reinterpret_cast<WPARAM>(controls_.font()), FALSE);
  SetWindowSubclass(cellEdit_, &SpecialDayPanel::CellEditProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  SendMessageW(cellEdit_, EM_SETSEL, 0, -1);
  SetFocus(cellEdit_);
}

// The typed cell goes through the page's checks; a refused one is dropped
// (the page said why).
void SpecialDayPanel::EndEdit(bool keep, bool moveOn) {
  if (!cellEdit_ || endingEdit_) return;
  endingEdit_ = true;
  HWND edit = std::exchange(cellEdit_, nullptr);
  const std::string typed = WindowTextUtf8(edit);
  DestroyWindow(edit);
  SetFocus(list_);
  if (keep) {
    BusyGuard busy(busy_);
    page_.EditCell(editing_, typed);
  }
  endingEdit_ = false;
  RefreshAll();
  if (moveOn) MoveToCell(CellAfterEnter(editing_, page_.rowCount()));
}

LRESULT CALLBACK SpecialDayPanel::TableProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR data) {
  auto* self = reinterpret_cast<SpecialDayPanel*>(data);
  return platform::GuardedCall(window, [&]() -> LRESULT {
    switch (message) {
      case WM_GETDLGCODE:
        if (lParam && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
            reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN)
          return DLGC_WANTALLKEYS;
        break;
      case WM_KEYDOWN:
        if (self->OnTableKey(wParam)) return 0;
        break;
      case WM_VSCROLL:
      case WM_HSCROLL:
      case WM_MOUSEWHEEL:
        self->EndEdit(true, false);
        break;
      case WM_NCDESTROY:
        RemoveWindowSubclass(window, &SpecialDayPanel::TableProc, kSubclassId);
        break;
      default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  });
}

LRESULT CALLBACK SpecialDayPanel::CellEditProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                               DWORD_PTR data) {
  auto* self = reinterpret_cast<SpecialDayPanel*>(data);
  return platform::GuardedCall(window, [&]() -> LRESULT {
    switch (message) {
      case WM_GETDLGCODE: return DLGC_WANTALLKEYS;
      case WM_KEYDOWN:
        if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
          PostMessageW(self->hwnd(), kMsgEndEdit, wParam == VK_RETURN ? 2 : 0, 0);
          return 0;
        }
        break;
      case WM_CHAR:
        if (wParam == L'\r' || wParam == 27) return 0;  // no beep
        break;
      case WM_KILLFOCUS:
        if (window == self->cellEdit_) PostMessageW(self->hwnd(), kMsgEndEdit, 1, 0);
        break;
      case WM_NCDESTROY:
        RemoveWindowSubclass(window, &SpecialDayPanel::CellEditProc, kSubclassId);
        break;
      default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
  });
}

LRESULT SpecialDayPanel::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      OnCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_NOTIFY:
      return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
    case kMsgEndEdit:
      EndEdit(wParam != 0, wParam == 2);
      return 0;
    case kMsgRowChosen:
      // A question's own message loop may hand us the next one: never ask twice at once.
      if (!busy_) OnRowChosen(wParam == 0 ? page_.currentRow() : static_cast<int>(wParam));
      return 0;
    case WM_DRAWITEM: {
      const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (wParam == kTransferId) DrawPageButton(item, controls_.font(), {page_.transferHighlighted()});
      if (wParam == kWriteId) DrawPageButton(item, controls_.font(), {page_.writeHighlighted()});
      return TRUE;
    }
    default: break;
  }
  return Default(message, wParam, lParam);
}

}  // namespace settings
