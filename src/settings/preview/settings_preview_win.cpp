// Shows the export, commemoration and commemoration-day pages of the setup
// window on sample data, to look at them and to drive them from outside
// (xdotool under Xvfb). The sample data folder is made afresh each start.
//
//   settings_preview.exe [export|commemoration|days] [--seconds n] [--data folder]
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <memory>
#include <string>

#include "platform/native_services.h"
#include "platform/text_win.h"
#include "platform/window_win.h"
#include "settings/commemoration_page_win.h"
#include "settings/export_page_win.h"
#include "settings/special_day_page_win.h"
#include "store/special_days.h"
#include "support/cp932.h"
#include "support/paths.h"

namespace {

using namespace settings;

constexpr int kTabsId = 10;
constexpr UINT_PTR kCloseTimer = 1;
constexpr const char* kPageNames[3] = {"export", "commemoration", "days"};
constexpr const char* kTabCaptions[3] = {"　データ書出　", "かえで記念", "記念日"};

void PutSample(platform::FileSystem& fs, const std::string& path, const std::string& utf8) {
  fs.WriteAtomic(path, support::Utf8ToCp932(utf8));
}

void WriteSamples(platform::FileSystem& fs, const std::string& folder) {
  PutSample(fs, folder + "Ca200403.kdf",
            " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 1,1,,会議，第二会議室,clRed,,,,,\r\n"
            " 5,1,,朝礼　,,,,,,\r\n 5,2,,資料作成,,,,,,\r\n20,1,,<b>お彼岸</b>,,,,,,\r\n");
  PutSample(fs, folder + "Ca200403.cmr",
            " 0,0,9,2004/ 3 [Data\\Files1\\]\r\n 3,1,,ひな祭り,,,,,1001,\r\n14,1,,ホワイトデー,,,,,1001,\r\n");
  PutSample(fs, folder + "Sday.kdf",
            "1990,,5,14,,,結婚記念日\r\n2003,,12,25,,,クリスマス会\r\n,,,,2,2,第二月曜日の集まり\r\n"
            ",,,,6,,毎週金曜日の例\r\n,,1,1,,,元日の集い\r\n");
}

class PreviewWindow : public platform::Window, public CommemorationPanelHost, public SpecialDayPanelHost {
 public:
  PreviewWindow(platform::NativeServices& native, store::Folders folders)
      : native_(native), folders_(std::move(folders)), exportHost_(nullptr, [] { std::puts("save pending data"); }) {
    days_.SetHolidayList({"1,1,元日", "2,11,建国記念の日", "4,29,昭和の日", "5,3,憲法記念日", "5,5,こどもの日"});
    store::LoadSpecialDayFile(native_.services(), days_, folders_.commonDataFolder);
  }

  bool Create(int page) {
    platform::WindowArgs w;
    w.className = L"TSettingsPreview";
    w.title = L"楓帳 -Velda-";
    w.style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    w.exStyle = WS_EX_CONTROLPARENT;
    w.x = 20;
    w.y = 20;
    w.width = 820;
    w.height = 700;
    w.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    if (!CreateWindowFrom(w)) return false;
    native_.dialogs().SetOwner(reinterpret_cast<platform::WindowHandle>(hwnd()));
    exportHost_.SetOwner(hwnd());
    MakeTabs();
    MakePages();
    Select(page);
    return exportPage_ && commemorationPage_ && dayPage_;
  }

  // ---- the hosts ----
  void ClosePage(bool done) override {
    std::printf("page closed: %s, reload %s\n", done ? "apply/written" : "cancel",
                commemorationPage_ && commemorationPage_->page().reloadNeeded() ? "yes" : "no");
    std::fflush(stdout);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
  }
  void ShowCloseButton(bool visible) override {
    std::printf("close button %s\n", visible ? "shown" : "hidden");
    std::fflush(stdout);
  }

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_NOTIFY:
        if (reinterpret_cast<NMHDR*>(lParam)->code == TCN_SELCHANGE)
          Select(static_cast<int>(SendMessageW(tabs_, TCM_GETCURSEL, 0, 0)));
        return 0;
      case WM_TIMER:
        PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        return 0;
      case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
      default: return Default(message, wParam, lParam);
    }
  }

 private:
  void MakeTabs() {
    tabs_ = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 4, 4, 796, 650, hwnd(),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kTabsId)), platform::ModuleInstance(), nullptr);
    font_.Attach(hwnd(), Dpi());
    SendMessageW(tabs_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.font()), FALSE);
    for (int i = 0; i < 3; ++i) {
      std::wstring caption = platform::Widen(kTabCaptions[i]);
      TCITEMW item{};
      item.mask = TCIF_TEXT;
      item.pszText = caption.data();
      SendMessageW(tabs_, TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
  }

  void MakePages() {
    const int x = 14, y = 40;
    exportPage_ = CreateExportPanel({hwnd(), x, y, 101, &native_.services(), &folders_, &days_, &exportHost_,
                                     [] { return calendar::Date{2004, 3, 1}; }, {folders_.dataFolder}});
    CommemorationSettings shown{"かえで記念機能", "かえで記念機能", true, "", true, true, false, store::kClTeal};
    commemorationPage_ = CreateCommemorationPanel({hwnd(), x, y, 102, &native_.services(), &folders_, &network_, shown, this});
    dayPage_ = CreateSpecialDayPanel({hwnd(), x, y, 103, &native_.services(), &folders_, this});
  }

  void Select(int page) {
    SendMessageW(tabs_, TCM_SETCURSEL, page, 0);
    HWND pages[3] = {exportPage_ ? exportPage_->hwnd() : nullptr, commemorationPage_ ? commemorationPage_->hwnd() : nullptr,
                     dayPage_ ? dayPage_->hwnd() : nullptr};
    for (int i = 0; i < 3; ++i)
      if (pages[i]) {
        ShowWindow(pages[i], i == page ? SW_SHOW : SW_HIDE);
        if (i == page) SetWindowPos(pages[i], HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
      }
  }

  platform::NativeServices& native_;
  store::Folders folders_;
  store::NetworkLink network_;
  calendar::DayClassifier days_;
  WindowExportHost exportHost_;
  PageControls font_;
  HWND tabs_ = nullptr;
  std::unique_ptr<ExportPanel> exportPage_;
  std::unique_ptr<CommemorationPanel> commemorationPage_;
  std::unique_ptr<SpecialDayPanel> dayPage_;
};

std::string SampleFolder(platform::FileSystem& fs) {
  wchar_t temp[MAX_PATH]{};
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = support::EnsureTrailingSeparator(platform::Narrow(temp) + "VeldaSettingsPreview");
  fs.CreateFolder(folder);
  return folder;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_TAB_CLASSES | ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&icc);
  int page = 0, seconds = 0;
  std::string data;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = platform::Narrow(argv[i]);
    if (arg == "--seconds" && i + 1 < argc) seconds = _wtoi(argv[++i]);
    else if (arg == "--data" && i + 1 < argc) data = support::EnsureTrailingSeparator(platform::Narrow(argv[++i]));
    for (int p = 0; p < 3; ++p)
      if (arg == kPageNames[p]) page = p;
  }
  platform::NativeServices native;
  platform::FileSystem& fs = native.services().fs;
  if (data.empty()) {
    data = SampleFolder(fs);
    WriteSamples(fs, data);
  }
  store::Folders folders;
  folders.programFolder = folders.dataRoot = folders.dataFolder = folders.commonDataFolder = data;
  PreviewWindow window(native, folders);
  if (!window.Create(page)) return 2;
  ShowWindow(window.hwnd(), SW_SHOW);
  if (seconds > 0) SetTimer(window.hwnd(), kCloseTimer, static_cast<UINT>(seconds) * 1000, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (IsDialogMessageW(window.hwnd(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
