// grid_preview: shows the month grid or the year page on sample data, to
// look at (under Wine: xvfb-run, then `import -window root`) and to save
// the grid's bitmap as a BMP file.
//
//   grid_preview [month|rokuyo|year] [--bmp file.bmp] [--seconds n]
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "calendar/julius.h"
#include "grid/calendar_window_win.h"
#include "grid/year_page_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "platform/window_win.h"

namespace {

using calendar::DateToJulius;

constexpr int kCloseTimer = 1;

// ---- sample data ---------------------------------------------------------

const std::vector<std::string> kHolidays = {
    "1949,,1,1,,,元日",         "2000,,1,,2,2,成人の日",   "1967,,2,11,,,建国記念の日",
    "2020,,2,23,,,天皇誕生日",   "2007,,4,29,,,昭和の日",   "1949,,5,3,,,憲法記念日",
    "2007,,5,4,,,みどりの日",     "1949,,5,5,,,こどもの日",   "2022,,7,,2,3,海の日",
    "2022,,8,11,,,山の日",       "2003,,9,,2,3,敬老の日",   "2022,,10,,2,2,スポーツの日",
    "1948,,11,3,,,文化の日",     "1948,,11,23,,,勤労感謝の日",
};

const std::vector<std::string> kSpecialDays = {
    "1990,,5,14,,,結婚記念日", "2000,,5,3,,,家族旅行記念", "5,2,1,母の日", "5,20,母の誕生日",
};

std::string Line(int day, const std::string& text, const std::string& colour = "") {
  char head[16];
  std::snprintf(head, sizeof head, "%2d,1,,", day);
  return head + text + "," + colour + ",,,,,";
}

store::MonthSlot Month(int year, int month, std::vector<std::string> lines) {
  lines.insert(lines.begin(), store::MonthHeader(year, month, "Data\\Files1\\"));
  const int count = static_cast<int>(lines.size());
  return store::MonthSlot{year, month, std::move(lines), count, {}};
}

std::vector<std::string> MayLines() {
  return {
      Line(1, "9:00 朝礼"), Line(1, "<B>資料提出締切</B>"), Line(1, "14:00 営業会議"),
      Line(2, "歯医者 16:30"),
      Line(7, "<S>出張</S> 中止"), Line(7, "打合せ\t第二会議室"), Line(7, "重要：見積提出", "clRed"),
      Line(8, "A社訪問"), Line(8, "B社訪問"), Line(8, "C社訪問"), Line(8, "報告書作成"),
      Line(8, "経費精算の締め切りが近いので注意"), Line(8, "夕食会"), Line(8, "電話連絡"),
      Line(10, "買い物<H>内緒のプレゼント"), Line(10, "ケーキ予約"), Line(10, "花束</H>受け取り"),
      Line(10, "映画 18:30"),
      Line(15, "10:00 定例"), Line(15, "ランチ 12:00", "$00008000"),
      Line(21, "健康診断", "clBlue"), Line(21, "<b>プロジェクト開始"),
      Line(24, "給料日"), Line(28, "1，000円 返す"), Line(31, "月末処理", "clMaroon"),
      Line(77, "・自動車税の支払い"), Line(77, "・町内会費"), Line(77, "・定期券更新 (6/1)"),
  };
}

std::vector<std::string> PeriodLines() {
  return {
      "***** FromTo予定 [Data\\Files1\\]",
      "2024, 5, 3,A,2024, 5, 6,E,2024, 5, 4,2,clGreen,帰省,PC01,,,,,",
      "2024, 5,13,M,2024, 5,17,E,2024, 5,15,1,clBlue,研修週間,PC01,,,,,",
      "2024, 5,15,A,2024, 5,22,M,2024, 5,20,1,clRed,展示会準備,PC01,,,,,",
      "2024, 5,27,M,2024, 6, 4,E,2024, 5,29,1,$00FF8000,決算期間,PC01,,,,,",
      "2024, 4,25,M,2024, 5, 2,E,2024, 4,30,1,clPurple,連休前作業,PC01,,,,,",
  };
}

// ---- the preview window --------------------------------------------------

class Preview : public platform::Window, private grid::YearPageOwner {
 public:
  Preview(std::string mode, std::string bmpPath, int seconds)
      : mode_(std::move(mode)), bmpPath_(std::move(bmpPath)), seconds_(seconds) {}

  bool Create() {
    platform::WindowArgs args;
    args.className = L"TGridPreview";
    args.title = L"楓帳 -Velda- grid preview";
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    args.x = 0;
    args.y = 0;
    const int dpi = platform::DpiAtPoint({0, 0});
    args.width = platform::ScaleToDpi(mode_ == "year" ? 830 : 960, dpi);
    args.height = platform::ScaleToDpi(680, dpi);
    args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!CreateWindowFrom(args)) return false;
    if (mode_ == "year") return CreateYearPage();
    return CreateGrid();
  }

 private:
  bool CreateGrid() {
    grid::SeMCalWindowArgs args;
    args.parent = hwnd();
    args.bounds = {Scale(8), Scale(8), Scale(8) + 1, Scale(8) + 1};
    args.today = DateToJulius(2024, 5, 15);
    grid_ = grid::CreateSeMCalWindow(args);
    if (!grid_) return false;
    grid_->SetDpi(Dpi());  // as the main window does
    LoadSamples(grid_->grid());
    // Sized as the main window sizes it: the cells at the window's DPI and the frame.
    const grid::Size size = grid_->grid().GridSize();
    SetWindowPos(grid_->hwnd(), nullptr, 0, 0, size.width + Scale(3), size.height + Scale(3),
                 SWP_NOMOVE | SWP_NOZORDER);
    if (!bmpPath_.empty()) {
      const bool saved = grid_->bitmap().SaveBmp(bmpPath_);
      std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", bmpPath_.c_str());
    }
    return true;
  }

  void LoadSamples(grid::TSeMCal& cal) {
    months_ = {Month(2024, 4, {Line(30, "前月の予定"), Line(28, "ゴルフ")}), Month(2024, 5, MayLines()),
               Month(2024, 6, {Line(1, "6月の予定"), Line(3, "出張", "clRed")}), Month(2024, 7, {}),
               Month(2024, 8, {})};
    periods_.lines = PeriodLines();
    periods_.loadCount = static_cast<int>(periods_.lines.size());
    grid::SeMCalProps p = cal.GridProps();
    p.SkipUpDate = true;
    cal.SetProps(p);
    p.isFontBold = true;
    p.LenDayW = 132;
    p.LenHidukeH = 22;
    p.LenTopItem = 0;
    p.LenFontYoteiH = 12;
    p.LenBottomItem = 3;
    p.LenItemLeftM = 6;
    p.LenKinenC = 2;
    p.LenKinenNC = 1;
    p.TukiMemo = true;
    p.SkipUpDate = false;
    cal.SetProps(p);
    cal.Set(&grid::CalendarProps::ShowRokuyo, mode_ == "rokuyo");
    cal.SetHolidayList(kHolidays);
    cal.SetSpecialDayList(kSpecialDays);
    for (int i = 0; i < 5; ++i) cal.SetMonthRecord(i, &months_[i]);
    cal.SetCurrentMonthIndex(1);
    cal.SetPeriodList(&periods_);
    cal.SetSelectedPeriod(4);
    cal.SetShownDate(2024, 5, 15);
    cal.RecalcMetrics();
  }

  bool CreateYearPage() {
    dialogs_ = platform::CreateNativeDialogs();
    grid::YearPageWindowArgs args;
    args.parent = hwnd();
    args.x = Scale(8);
    args.y = Scale(8);
    args.today = DateToJulius(2024, 5, 15);
    args.dialogs = dialogs_.get();
    args.owner = this;
    year_ = grid::CreateYearPageWindow(args);
    if (!year_) return false;
    year_->page().SetHolidayList(kHolidays);
    year_->page().SetSpecialDayList(kSpecialDays);
    year_->page().SetChoice(grid::YearStart::FiscalYear);
    year_->Shown();
    return true;
  }

  void ShowMonthPage(int year, int month) override {
    SetWindowTextW(hwnd(), (L"GoToMonth " + std::to_wstring(year) + L"/" + std::to_wstring(month)).c_str());
  }

  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_CREATE:
        if (seconds_ > 0) SetTimer(hwnd(), kCloseTimer, seconds_ * 1000, nullptr);
        return 0;
      case WM_TIMER:
        DestroyWindow(hwnd());
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default: return Default(message, wParam, lParam);
    }
  }

  std::string mode_, bmpPath_;
  int seconds_ = 0;
  std::array<store::MonthSlot, 5> months_;
  store::PeriodList periods_;
  std::unique_ptr<grid::SeMCalWindow> grid_;
  std::unique_ptr<platform::NativeDialogs> dialogs_;
  std::unique_ptr<grid::YearPageWindow> year_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&icc);
  std::string mode = "month", bmp;
  int seconds = 0;
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; i < argc; ++i) {
    const std::string arg = platform::Narrow(argv[i]);
    if (arg == "--bmp" && i + 1 < argc) bmp = platform::Narrow(argv[++i]);
    else if (arg == "--seconds" && i + 1 < argc) seconds = std::stoi(platform::Narrow(argv[++i]));
    else mode = arg;
  }
  LocalFree(argv);
  Preview preview(mode, bmp, seconds);
  if (!preview.Create()) return 1;
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(preview.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
