#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "grid/calendar_window_win.h"
#include "grid/canvas_testutil.h"
#include "grid/year_page_win.h"
#include "platform/doubles_testutil.h"
#include "platform/dpi_win.h"
#include "platform/text_win.h"

namespace grid {
namespace {

using calendar::DateToJulius;

// A plain top-level window to put the calendars in.
class Parent : public platform::Window {
 public:
  Parent() {
    platform::WindowArgs args;
    args.className = L"VeldaGridTestParent";
    args.style = WS_OVERLAPPEDWINDOW;
    args.x = 0;
    args.y = 0;
    args.width = 1000;
    args.height = 700;
    CreateWindowFrom(args);
  }
};

LPARAM PointParam(int x, int y) { return MAKELPARAM(x, y); }

// ---- GdiCanvas -----------------------------------------------------------

// The grid's rules at 192 DPI are two pixels wide and must stay inside
// their cell: a pen of width w at x covers x - w/2 .. x + (w-1)/2.
TEST(GdiCanvas, AWidePenCoversHalfItsWidthBeforeTheLine) {
  GdiCanvas canvas;
  ASSERT_TRUE(canvas.Resize({40, 40}));
  for (int w = 1; w <= 4; ++w) {
    canvas.FillRect({0, 0, 40, 40}, 0xFFFFFF);
    canvas.Line({20, 5}, {20, 30}, 0x000000, w);
    canvas.Line({0, 35}, {30, 35}, 0x000000, w);
    for (int d = -3; d <= 3; ++d) {
      const bool covered = d >= -(w / 2) && d <= (w - 1) / 2;
      EXPECT_EQ(canvas.PixelAt(20 + d, 15) == 0, covered) << "width " << w << ", x " << 20 + d;
      EXPECT_EQ(canvas.PixelAt(10, 35 + d) == 0, covered) << "width " << w << ", y " << 35 + d;
    }
  }
}

TEST(GdiCanvas, FillsDrawsAndClips) {
  GdiCanvas canvas;
  ASSERT_TRUE(canvas.Resize({200, 100}));
  EXPECT_EQ(canvas.PixelAt(10, 10), 0xFFFFFFu);
  canvas.FillRect({0, 0, 50, 50}, 0xD0FFD5);
  EXPECT_EQ(canvas.PixelAt(49, 49), 0xD0FFD5u);
  EXPECT_EQ(canvas.PixelAt(50, 50), 0xFFFFFFu);
  canvas.Line({0, 70}, {200, 70}, 0x0000FF, 3);
  EXPECT_EQ(canvas.PixelAt(100, 70), 0x0000FFu);

  const CanvasFont font{"", 20, true};
  const Size wide = canvas.TextSize(font, "会議会議");
  EXPECT_GT(wide.width, canvas.TextSize(font, "会議").width);
  EXPECT_EQ(wide.height, 20);
  // A clipped text leaves everything outside its box untouched.
  canvas.DrawText({60, 0, 90, 30}, "会議会議会議", {font, 0x000000});
  int inside = 0, outside = 0;
  for (int y = 0; y < 60; ++y)
    for (int x = 50; x < 200; ++x) {
      if (canvas.PixelAt(x, y) == 0xFFFFFFu) continue;
      (x >= 60 && x < 90 && y < 30 ? inside : outside)++;
    }
  EXPECT_GT(inside, 10);
  EXPECT_EQ(outside, 0);
}

TEST(GdiCanvas, SavesABmpFile) {
  GdiCanvas canvas;
  ASSERT_TRUE(canvas.Resize({31, 7}));
  canvas.FillRect({0, 0, 1, 1}, 0x0000FF);
  platform::TempFolder folder;
  const std::string path = folder / "grid.bmp";
  ASSERT_TRUE(canvas.SaveBmp(path));
  const std::string bytes = platform::RealFileSystem().ReadAll(path).value_or("");
  ASSERT_EQ(bytes.size(), 54u + 96u * 7u);  // rows of 93 bytes padded to 96
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  // The top-left pixel is the first of the last row: blue 0, green 0, red FF.
  EXPECT_EQ(bytes.substr(54 + 96 * 6, 3), std::string("\0\0\xFF", 3));
}

// ---- the grid window -----------------------------------------------------

struct GridWindow : testing::Test {
  void SetUp() override {
    ASSERT_NE(parent.hwnd(), nullptr);
    SeMCalWindowArgs args;
    args.parent = parent.hwnd();
    args.bounds = {0, 0, 7 * 128 + 3, 6 * 95 + 24 + 3};
    args.today = DateToJulius(2024, 5, 15);
    args.events = &events;
    window = CreateSeMCalWindow(args);
    ASSERT_NE(window, nullptr);
    // At the window's DPI (a prefix of another DPI), as the main window sizes it.
    const Size size = window->grid().GridSize();
    SetWindowPos(window->hwnd(), nullptr, 0, 0, size.width + 4, size.height + 4, SWP_NOMOVE | SWP_NOZORDER);
    window->grid().SetShownDate(2024, 5, 15);
    events.log.clear();
  }
  // A point in the middle of the cell of a May 2024 day.
  Point CellPoint(int day) const {
    const int index = DateToJulius(2024, 5, day) - window->grid().CachedFirstShownDay();
    const SeMCalProps& m = window->grid().Metrics();
    return {(index % 7) * m.LenDayW + m.LenDayW / 2, m.LenYoubiH + (index / 7) * m.LenDayH + m.LenDayH * 60 / 95};
  }
  LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) {
    return SendMessageW(window->hwnd(), message, wParam, lParam);
  }
  Parent parent;
  RecordingEvents events;
  std::unique_ptr<SeMCalWindow> window;
};

TEST_F(GridWindow, ClassStylesAndDialogCodes) {
  wchar_t name[32] = {};
  GetClassNameW(window->hwnd(), name, 32);
  EXPECT_STREQ(name, L"TSeMCal");
  EXPECT_EQ(Send(WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
  EXPECT_EQ(Send(WM_ERASEBKGND, 0, 0), 1);
  EXPECT_TRUE(GetWindowLongW(window->hwnd(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
  EXPECT_TRUE(GetWindowLongW(window->hwnd(), GWL_STYLE) & WS_TABSTOP);
}

TEST_F(GridWindow, DrawsIntoTheBitmapOfTheClientSize) {
  RECT client{};
  GetClientRect(window->hwnd(), &client);
  EXPECT_EQ(window->bitmap().size(), (Size{client.right, client.bottom}));
  const Point today = CellPoint(15);
  EXPECT_EQ(window->bitmap().PixelAt(today.x, today.y), kTodayColour);
  const int width = platform::ScaleToDpi(600, window->grid().Dpi()) + 4;
  const int height = platform::ScaleToDpi(400, window->grid().Dpi()) + 4;
  SetWindowPos(window->hwnd(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER);
  EXPECT_EQ(window->bitmap().size(), (Size{width - 4, height - 4}));
  EXPECT_EQ(window->grid().ClientSize(), (Size{width - 4, height - 4}));
  EXPECT_EQ(window->bitmap().PixelAt(today.x, today.y), kTodayColour);
}

TEST_F(GridWindow, MouseMessagesReachTheOwnerInOrder) {
  const Point p = CellPoint(20);
  Send(WM_LBUTTONDOWN, MK_LBUTTON, PointParam(p.x, p.y));
  Send(WM_LBUTTONUP, 0, PointParam(p.x, p.y));
  const std::string at = std::to_string(p.x) + "," + std::to_string(p.y);
  EXPECT_EQ(events.log,
            (std::vector<std::string>{"down " + at, "day 2024/5/20", "click", "up " + at}));

  events.log.clear();
  Send(WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(p.x, p.y));
  Send(WM_LBUTTONUP, 0, PointParam(p.x, p.y));
  EXPECT_EQ(events.log, (std::vector<std::string>{"dblclick", "down " + at, "up " + at}));
}

// The owner sizes the grid, so the owner sets its DPI; until then it draws
// the 96-DPI metrics it was given, whatever the window's DPI.
TEST_F(GridWindow, DrawsAt96UntilItsOwnerSetsTheDpi) {
  EXPECT_EQ(window->grid().Dpi(), 96);
  SendMessageW(window->hwnd(), platform::kWmDpiChangedAfterParent, 0, 0);  // what the system would say
  EXPECT_EQ(window->grid().Dpi(), 96);
  window->SetDpi(192);
  EXPECT_EQ(window->grid().Dpi(), 192);
  EXPECT_EQ(window->grid().Metrics().LenDayW, 2 * window->grid().GridProps().LenDayW);
  const Size size = window->grid().GridSize();
  SetWindowPos(window->hwnd(), nullptr, 0, 0, size.width + 4, size.height + 4, SWP_NOMOVE | SWP_NOZORDER);
  const int index = DateToJulius(2024, 5, 15) - window->grid().CachedFirstShownDay();
  const Point today{(index % 7) * 256 + 128, 48 + (index / 7) * 190 + 120};
  EXPECT_EQ(window->bitmap().PixelAt(today.x, today.y), kTodayColour);
}

TEST_F(GridWindow, KeysGoToTheOwner) {
  Send(WM_KEYDOWN, VK_RIGHT, 0);
  ASSERT_FALSE(events.log.empty());
  EXPECT_EQ(events.log.back(), "key 39");
  EXPECT_EQ(window->grid().Day(), 15);  // the grid itself does not move
}

// ---- the year page -------------------------------------------------------

struct Owner : YearPageOwner {
  void ShowMonthPage(int year, int month) override { shown.push_back(year * 100 + month); }
  std::vector<int> shown;
};

HWND ChildWithText(HWND parent, const wchar_t* text) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t buffer[64] = {};
    GetWindowTextW(child, buffer, 64);
    if (wcscmp(buffer, text) == 0) return child;
  }
  return nullptr;
}

// The year page of 2024 with 15 May as today, shown in a parent window.
class YearPageWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    YearPageWindowArgs args{parent.hwnd(), 0, 0, 7, DateToJulius(2024, 5, 15), &dialogs, &owner};
    window = CreateYearPageWindow(args);
    ASSERT_NE(window, nullptr);
    window->Shown();
  }
  Parent parent;
  platform::ScriptedDialogs dialogs;
  Owner owner;
  std::unique_ptr<YearPageWindow> window;
};

TEST_F(YearPageWindowTest, ButtonsStepTheYearAndTheHeaderFollows) {
  ASSERT_NE(ChildWithText(window->hwnd(), L"2024/1 - 2024/12"), nullptr);
  SendMessageW(ChildWithText(window->hwnd(), L"翌年"), BM_CLICK, 0, 0);
  EXPECT_EQ(window->page().Header(), "2025/1 - 2025/12");
  EXPECT_NE(ChildWithText(window->hwnd(), L"2025/1 - 2025/12"), nullptr);
  EXPECT_NE(ChildWithText(window->hwnd(), L"2025"), nullptr);  // the year box
  SendMessageW(ChildWithText(window->hwnd(), L"年度"), BM_CLICK, 0, 0);
  EXPECT_EQ(window->page().Header(), "2024/4 - 2025/3");
  wchar_t name[32] = {};
  GetClassNameW(window->CalendarWindow(1), name, 32);
  EXPECT_STREQ(name, L"TSeMCalendar");
  EXPECT_NE(ChildWithText(window->hwnd(), L"4"), nullptr);  // the first month's label
}

TEST_F(YearPageWindowTest, AClickOnASmallMonthAsksAndMoves) {
  dialogs.Answer(platform::MsgResult::Yes);
  HWND june = window->CalendarWindow(6);
  SendMessageW(june, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(90, 60));
  SendMessageW(june, WM_LBUTTONUP, 0, PointParam(90, 60));
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0].text, "2024 年 6 月のマンスリーカレンダーを表示しますか？");
  EXPECT_EQ(owner.shown, (std::vector<int>{202406}));
  // Today's cell in May is painted in the year page's today colour.
  const TSeMCalendar& may = window->page().Calendar(5);
  const int index = DateToJulius(2024, 5, 15) - may.FirstShownDay();
  const Rect cell = may.CellRect(index % 7, index / 7 + 1);
  EXPECT_EQ(window->CalendarBitmap(5).PixelAt(cell.left + 1, cell.top + 1), 0x81FE8Au);
}

LONG FontHeightOf(HWND control) {
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
  return font.lfHeight;
}

RECT RectIn(HWND parent, HWND child) {
  RECT r{};
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

TEST_F(YearPageWindowTest, LaidOutAtItsDpiAndAgainAtANewOne) {
  const int start = window->Dpi();
  RECT panel{};
  GetWindowRect(window->hwnd(), &panel);
  EXPECT_EQ(panel.right - panel.left, platform::ScaleToDpi(kYearPageWidth, start));
  for (int dpi : {192, 144, start}) {
    window->SetDpi(dpi);  // as the main window passes on its WM_DPICHANGED
    GetWindowRect(window->hwnd(), &panel);
    EXPECT_EQ(panel.right - panel.left, window->PixelSize().cx);
    EXPECT_EQ(window->PixelSize().cx, platform::ScaleToDpi(kYearPageWidth, dpi));
    EXPECT_EQ(window->PixelSize().cy, platform::ScaleToDpi(kYearPageHeight, dpi));
    const RECT first = RectIn(window->hwnd(), window->CalendarWindow(1));
    const RECT second = RectIn(window->hwnd(), window->CalendarWindow(2));
    // Edges are scaled, not sizes: a size may come out a pixel off.
    EXPECT_NEAR(first.right - first.left, platform::ScaleToDpi(184, dpi), 1);
    EXPECT_NEAR(first.bottom - first.top, platform::ScaleToDpi(125, dpi), 1);
    EXPECT_EQ(second.left - first.left, platform::ScaleToDpi(196, dpi));
    EXPECT_EQ(window->page().Calendar(12).Dpi(), dpi);
    EXPECT_EQ(FontHeightOf(ChildWithText(window->hwnd(), L"今年")), -platform::ScaleToDpi(14, dpi));
    // The last calendar and the side groups stay inside the panel.
    const RECT last = RectIn(window->hwnd(), window->CalendarWindow(12));
    const RECT choice = RectIn(window->hwnd(), ChildWithText(window->hwnd(), L" 表示 "));
    EXPECT_LE(last.bottom, window->PixelSize().cy);
    EXPECT_LE(choice.right, window->PixelSize().cx);
    EXPECT_LE(choice.bottom, last.bottom);
  }
}

}  // namespace
}  // namespace grid
