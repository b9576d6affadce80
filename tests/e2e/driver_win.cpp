// velda-driver: a small Windows program that the end-to-end tests and
// run.sh use to drive Velda.exe under Wine: wait for its windows, read
// what they show, type into them, time them and close them.
//
//   velda-driver wait CLASS [TIMEOUT_MS]          a visible top-level window of CLASS exists
//   velda-driver wait-child CLASS CHILD [TIMEOUT] ... and a visible child of class CHILD in it
//   velda-driver gone CLASS [TIMEOUT_MS]          no visible window of CLASS is left
//   velda-driver close CLASS [TIMEOUT_MS]         asks it to close, waits until it is gone
//   velda-driver hide CLASS                       hides it (as residency would)
//   velda-driver count CLASS                      prints the number of windows of CLASS
//   velda-driver month [TIMEOUT_MS]               prints the month the grid shows
//   velda-driver expect-month TEXT [TIMEOUT_MS]   waits until the grid shows TEXT ("2026年12月")
//   velda-driver press CAPTION                    clicks the main window's button CAPTION
//   velda-driver enter-month YYYYMM               "年月指定", the digits and Enter
//   velda-driver time-start EXE [ARGS...]         starts EXE, prints ms until the grid is painted
//   velda-driver time-window CLASS EXE [ARGS...]  starts EXE, prints ms until a window of CLASS
//                                                 is visible with nothing left to paint
//   velda-driver time-months N                    prints ms for N "翌月" and N "前月" clicks
//   velda-driver memory CLASS                     prints the working set and private bytes
//   velda-driver box-text [TIMEOUT_MS]            waits for a message box, prints its text
//   velda-driver answer yes|no|ok                 presses that button of the message box
//   velda-driver day-point DAY [THIRD]            prints "X Y" on the screen: the date band of
//                                                 DAY of the shown month, in THIRD 1..3 (2)
//   velda-driver red-pixels DAY                   prints how many red pixels the entry lines
//                                                 of DAY show on the screen
//   velda-driver red-point DAY                    prints "X Y" of the first red pixel there
//   velda-driver green-names DAY                  prints how many green pixels the date band of
//                                                 DAY shows (commemoration names)
//   velda-driver clip-set HEX                     puts the UTF-8 text given in hex on the
//                                                 clipboard as Unicode text, as other programs do
//   velda-driver clip-get                         prints the clipboard's Unicode text
//   velda-driver text CLASS ID                    prints the text of control ID of window CLASS
//   velda-driver click CLASS CAPTION              clicks button CAPTION of window CLASS
//   velda-driver idle CLASS [TIMEOUT_MS]          waits until window CLASS handles messages again
//   velda-driver focus CLASS                      prints the classes of the active and the focused
//                                                 window of CLASS's thread, and its modes
//   velda-driver set-text CLASS ID HEX            sets control ID's text (UTF-8 in hex)
//   velda-driver command CLASS ID                 posts the menu command ID to window CLASS
//   velda-driver fits CLASS CHILD                 exit 0 when the visible child of class CHILD
//                                                 lies wholly inside CLASS's client area
//   velda-driver post-close CLASS                 asks it to close and returns at once
//   velda-driver kill CLASS                       ends its process from outside, as a crash would
//   velda-driver end-session CLASS                sends it the end of the Windows session
//                                                 (WM_QUERYENDSESSION, WM_ENDSESSION) and
//                                                 prints the query's answer
//
// The grid's cells are found from its size as the month page lays it out
// (a 24-pixel weekday row, weeks from Sunday, the first row one week
// before the 1st when the 1st is a Sunday).
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMain[] = L"TfmC21";
constexpr wchar_t kGrid[] = L"TSeMCal";
constexpr int kEntryBoxId = 111;  // shell/month_entry_win.h

// The visible window of the class: a window of a process just ended from
// outside may still be listed, hidden, ahead of the new one.
HWND FindVisible(const wchar_t* className) {
  HWND w = nullptr;
  while ((w = FindWindowExW(nullptr, w, className, nullptr)))
    if (IsWindowVisible(w)) return w;
  return nullptr;
}

struct ChildSearch {
  const wchar_t* className;
  const wchar_t* text;  // null: any
  HWND found;
};

BOOL CALLBACK MatchChild(HWND child, LPARAM param) {
  auto* s = reinterpret_cast<ChildSearch*>(param);
  wchar_t name[64];
  GetClassNameW(child, name, 64);
  if (_wcsicmp(name, s->className) != 0) return TRUE;
  if (s->text) {
    wchar_t text[128];
    GetWindowTextW(child, text, 128);
    if (wcscmp(text, s->text) != 0) return TRUE;
  }
  s->found = child;
  return FALSE;
}

HWND FindChild(HWND parent, const wchar_t* className, const wchar_t* text = nullptr) {
  if (!parent) return nullptr;
  ChildSearch s{className, text, nullptr};
  EnumChildWindows(parent, MatchChild, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

template <class Test>
bool Poll(DWORD timeoutMs, Test test) {
  const DWORD start = GetTickCount();
  do {
    if (test()) return true;
    Sleep(50);
  } while (GetTickCount() - start < timeoutMs);
  return test();
}

std::wstring TextOf(HWND window) {
  wchar_t text[256]{};
  if (window) GetWindowTextW(window, text, 256);
  return text;
}

HWND Grid() {
  HWND grid = FindChild(FindVisible(kMain), kGrid);
  return grid && IsWindowVisible(grid) ? grid : nullptr;
}

// Prints UTF-16 text as UTF-8 so that scripts can compare it.
void PrintLine(const std::wstring& text) {
  int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string utf8(n > 0 ? n - 1 : 0, '\0');
  if (n > 1) WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, utf8.data(), n, nullptr, nullptr);
  std::printf("%s\n", utf8.c_str());
  std::fflush(stdout);
}

DWORD Timeout(int argc, wchar_t** argv, int index, DWORD fallback = 30000) {
  return argc > index ? static_cast<DWORD>(_wtoi(argv[index])) : fallback;
}

bool Press(const wchar_t* caption) {
  HWND button = FindChild(FindVisible(kMain), L"Button", caption);
  if (!button) return false;
  SendMessageW(button, BM_CLICK, 0, 0);
  return true;
}

// The box takes digits over the caret; Home first puts the caret at the
// start so that all six are typed over.
int EnterMonth(const wchar_t* yyyymm) {
  if (!Press(L"年月指定")) return 1;
  HWND edit = nullptr;
  if (!Poll(5000, [&] { return (edit = GetDlgItem(FindVisible(kMain), kEntryBoxId)) && IsWindowVisible(edit); }))
    return 1;
  SendMessageW(edit, WM_KEYDOWN, VK_HOME, 0);
  for (const wchar_t* c = yyyymm; *c; ++c) SendMessageW(edit, WM_CHAR, *c, 0);
  PostMessageW(edit, WM_CHAR, L'\r', 0);
  return 0;
}

// Start-up to the first paint of the grid: the process is created, the
// grid becomes visible and has nothing left to paint.
// Milliseconds from starting the command line `argv[first]..` until `ready`.
template <class Ready>
int TimeUntil(int argc, wchar_t** argv, int first, Ready ready) {
  std::wstring command = L"\"" + std::wstring(argv[first]) + L"\"";
  for (int i = first + 1; i < argc; ++i) command += L" " + std::wstring(argv[i]);
  STARTUPINFOW si{sizeof si};
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
    return 1;
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  // A fine poll: the figure is what is measured.
  bool painted = false;
  for (const DWORD start = GetTickCount(); !painted && GetTickCount() - start < 60000;) {
    painted = ready();
    if (!painted) Sleep(2);
  }
  QueryPerformanceCounter(&end);
  if (!painted) return 1;
  std::printf("%.1f\n", (end.QuadPart - begin.QuadPart) * 1000.0 / frequency.QuadPart);
  return 0;
}

int TimeStart(int argc, wchar_t** argv) {
  return TimeUntil(argc, argv, 2, [] {
    HWND grid = Grid();
    return grid && !TextOf(grid).empty() && !GetUpdateRect(grid, nullptr, FALSE);
  });
}

int TimeWindow(int argc, wchar_t** argv) {
  const wchar_t* className = argv[2];
  return TimeUntil(argc, argv, 3, [className] {
    HWND w = FindVisible(className);
    return w && !GetUpdateRect(w, nullptr, FALSE);
  });
}

// Each click is handled before SendMessage returns; UpdateWindow then has
// the grid copy its new bitmap to the screen.
int TimeMonths(int count) {
  HWND grid = Grid();
  if (!grid) return 1;
  LARGE_INTEGER frequency, begin, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&begin);
  for (int i = 0; i < count; ++i) {
    Press(L"翌月");
    UpdateWindow(grid);
    Press(L"前月");
    UpdateWindow(grid);
  }
  QueryPerformanceCounter(&end);
  std::printf("%.2f\n", (end.QuadPart - begin.QuadPart) * 1000.0 / frequency.QuadPart / (2.0 * count));
  return 0;
}

int Memory(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  DWORD pid = 0;
  if (!w || !GetWindowThreadProcessId(w, &pid)) return 1;
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (!process) return 1;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  const bool ok = GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                                       sizeof counters);
  CloseHandle(process);
  if (!ok) return 1;
  std::printf("pid=%lu working_set_kb=%llu private_kb=%llu peak_working_set_kb=%llu\n",
              static_cast<unsigned long>(pid),
              static_cast<unsigned long long>(counters.WorkingSetSize / 1024),
              static_cast<unsigned long long>(counters.PrivateUsage / 1024),
              static_cast<unsigned long long>(counters.PeakWorkingSetSize / 1024));
  return 0;
}

int CountWindows(const wchar_t* className) {
  int count = 0;
  HWND w = nullptr;
  while ((w = FindWindowExW(nullptr, w, className, nullptr))) ++count;
  std::printf("%d\n", count);
  return 0;
}

HWND MessageBoxWindow() {
  HWND box = FindWindowW(L"#32770", nullptr);
  return box && IsWindowVisible(box) ? box : nullptr;
}

int BoxText(DWORD timeoutMs) {
  if (!Poll(timeoutMs, [] { return MessageBoxWindow() != nullptr; })) return 1;
  wchar_t text[2048]{};
  GetDlgItemTextW(MessageBoxWindow(), 0xFFFF, text, 2048);  // the box's message
  PrintLine(text);
  return 0;
}

int Answer(const std::wstring& which) {
  HWND box = MessageBoxWindow();
  if (!box) return 1;
  const WPARAM id = which == L"yes" ? IDYES : which == L"no" ? IDNO : IDOK;
  PostMessageW(box, WM_COMMAND, id, 0);
  return Poll(5000, [&] { return !IsWindow(box); }) ? 0 : 1;
}

// ---- the month grid as drawn ------------------------------------------------

// The scenario's display DPI ("VELDA_E2E_DPI", 96 unless set): the grid
// draws its 96-DPI sizes scaled by it.
int ScenarioDpi() {
  wchar_t value[8]{};
  const int dpi = GetEnvironmentVariableW(L"VELDA_E2E_DPI", value, 8) ? _wtoi(value) : 96;
  return dpi >= 96 ? dpi : 96;
}

int AtDpi(int pixels96) { return MulDiv(pixels96, ScenarioDpi(), 96); }

const int kWeekdayRowHeight = AtDpi(24);

// Days since 1970-01-01 of a civil date (Hinnant's days_from_civil).
long DaysFromCivil(int y, int m, int d) {
  y -= m <= 2;
  const long era = (y >= 0 ? y : y - 399) / 400;
  const long yoe = y - era * 400;                                  // [0, 399]
  const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;  // [0, 365]
  const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;          // [0, 146096]
  return era * 146097 + doe - 719468;
}

struct GridCell {
  RECT screen;  // the cell on the screen
};

// "2030年6月" from the grid's name.
bool ShownMonth(HWND grid, int& year, int& month) {
  return swscanf(TextOf(grid).c_str(), L"%d年%d", &year, &month) == 2;
}

bool CellOfDay(int day, GridCell& cell) {
  HWND grid = Grid();
  int year = 0, month = 0;
  if (!grid || !ShownMonth(grid, year, month)) return false;
  RECT client{};
  GetClientRect(grid, &client);
  const int width = (client.right + 1) / 7;
  const int height = (client.bottom + 1 - kWeekdayRowHeight) / 6;
  const long first = DaysFromCivil(year, month, 1);
  const int weekday = static_cast<int>(((first % 7) + 11) % 7);  // 0 Sunday; 1970-01-01 was a Thursday
  const int offset = (weekday == 0 ? 7 : weekday) + day - 1;     // cells before the day
  POINT origin{(offset % 7) * width, kWeekdayRowHeight + (offset / 7) * height};
  ClientToScreen(grid, &origin);
  cell.screen = {origin.x, origin.y, origin.x + width, origin.y + height};
  return true;
}

int DayPoint(int day, int third) {
  GridCell cell;
  if (!CellOfDay(day, cell)) return 1;
  const RECT& r = cell.screen;
  const int thirdWidth = (r.right - r.left) / 3;
  std::printf("%ld %ld\n", r.left + thirdWidth * (third - 1) + thirdWidth / 2, r.top + AtDpi(8));
  std::fflush(stdout);
  return 0;
}

struct ColourScan {
  int count = 0;
  POINT first{-1, -1};  // on the screen
};

bool Reddish(const unsigned char* bgr) { return bgr[2] > 160 && bgr[1] < 90 && bgr[0] < 90; }
bool Greenish(const unsigned char* bgr) { return bgr[1] > 100 && bgr[2] < 70 && bgr[0] < 70; }

// From the screen as the user sees it: the entry lines below the date
// band, or the date band itself, where the day's names are.
bool ScanCell(int day, bool dateBand, bool (*wanted)(const unsigned char*), ColourScan& scan) {
  GridCell cell;
  if (!CellOfDay(day, cell)) return false;
  RECT r = cell.screen;
  if (dateBand) r.bottom = r.top + kWeekdayRowHeight;
  else r.top += kWeekdayRowHeight;
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  const auto* pixel = static_cast<const unsigned char*>(bits);  // B, G, R, x
  for (int i = 0; i < w * h; ++i, pixel += 4) {
    if (!wanted(pixel)) continue;
    if (scan.count++ == 0) scan.first = {r.left + i % w, r.top + i / w};
  }
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return true;
}

int ColourPixels(int day, bool dateBand, bool (*wanted)(const unsigned char*)) {
  ColourScan scan;
  if (!ScanCell(day, dateBand, wanted, scan)) return 1;
  std::printf("%d\n", scan.count);
  std::fflush(stdout);
  return 0;
}

int RedPoint(int day) {
  ColourScan scan;
  if (!ScanCell(day, false, Reddish, scan) || scan.count == 0) return 1;
  std::printf("%ld %ld\n", scan.first.x, scan.first.y);
  std::fflush(stdout);
  return 0;
}

// ---- the process from outside -------------------------------------------------

int Kill(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  DWORD pid = 0;
  if (!w || !GetWindowThreadProcessId(w, &pid)) return 1;
  HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
  if (!process) return 1;
  const bool ended = TerminateProcess(process, 9) && WaitForSingleObject(process, 10000) == WAIT_OBJECT_0;
  CloseHandle(process);
  return ended ? 0 : 1;
}

int EndSession(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  if (!w) return 1;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(w, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG, 10000, &answer))
    return 1;
  std::printf("%s\n", answer ? "yes" : "no");
  std::fflush(stdout);
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutW(w, WM_ENDSESSION, answer ? TRUE : FALSE, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                             20000, &ignored)
             ? 0
             : 1;
}

// ---- clipboard -----------------------------------------------------------------

std::wstring FromUtf8(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring text(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), text.data(), n);
  return text;
}

std::string FromHex(const std::wstring& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2)
    bytes.push_back(static_cast<char>(std::wcstol(hex.substr(i, 2).c_str(), nullptr, 16)));
  return bytes;
}

bool OpenClipboardRetry() {
  return Poll(3000, [] { return OpenClipboard(nullptr) != FALSE; });
}

int ClipSet(const std::wstring& hex) {
  const std::wstring text = FromUtf8(FromHex(hex));
  if (!OpenClipboardRetry()) return 1;
  EmptyClipboard();
  const size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(memory), text.c_str(), bytes);
  GlobalUnlock(memory);
  const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  return set ? 0 : 1;
}

int ClipGet() {
  if (!OpenClipboardRetry()) return 1;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  PrintLine(text);
  return 0;
}

// ---- other windows ---------------------------------------------------------------

// A control by its id anywhere in the window, a page's control included;
// a visible one first, as pages share ids.
HWND ControlById(const wchar_t* className, int id) {
  struct Search {
    int id;
    HWND found;
  } s{id, nullptr};
  EnumChildWindows(
      FindVisible(className),
      [](HWND child, LPARAM data) {
        auto* s = reinterpret_cast<Search*>(data);
        if (GetDlgCtrlID(child) != s->id || !IsWindowVisible(child)) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&s));
  return s.found;
}

int ControlText(const wchar_t* className, int id) {
  HWND control = ControlById(className, id);
  if (!control) return 1;
  // GetWindowText of another process's window gives the window's own
  // caption, not an edit control's text: ask the control.
  wchar_t text[2048]{};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(control, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      5000, &copied);
  PrintLine(text);
  return 0;
}

// The line of the caret in edit control ID of window CLASS.
int CaretLine(const wchar_t* className, int id) {
  HWND control = GetDlgItem(FindVisible(className), id);
  if (!control) return 1;
  const LRESULT line = SendMessageW(control, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0);
  wchar_t text[1024]{};
  *reinterpret_cast<WORD*>(text) = 1023;
  const LRESULT n = SendMessageW(control, EM_GETLINE, line, reinterpret_cast<LPARAM>(text));
  text[n >= 0 && n < 1024 ? n : 0] = 0;
  PrintLine(text);
  return 0;
}

int SetText(const wchar_t* className, int id, const std::wstring& hex) {
  HWND control = ControlById(className, id);
  if (!control) return 1;
  const std::wstring text = FromUtf8(FromHex(hex));
  DWORD_PTR done = 0;
  if (!SendMessageTimeoutW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                           5000, &done) ||
      !done)
    return 1;
  // As typing would: Wine's edit control does not tell its parent of a
  // WM_SETTEXT, Windows' does.
  SendMessageTimeoutW(GetParent(control), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(control), EN_CHANGE),
                      reinterpret_cast<LPARAM>(control), SMTO_ABORTIFHUNG, 5000, &done);
  return 0;
}

int Fits(const wchar_t* className, const wchar_t* childClass) {
  HWND parent = FindVisible(className);
  HWND child = FindChild(parent, childClass);
  if (!child || !IsWindowVisible(child)) return 1;
  RECT client{}, inner{};
  GetClientRect(parent, &client);
  GetWindowRect(child, &inner);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&inner), 2);
  const bool fits = inner.left >= 0 && inner.top >= 0 && inner.right <= client.right && inner.bottom <= client.bottom;
  if (!fits)
    std::printf("%ld,%ld-%ld,%ld in %ldx%ld\n", inner.left, inner.top, inner.right, inner.bottom, client.right,
                client.bottom);
  return fits ? 0 : 1;
}

int Click(const wchar_t* className, const wchar_t* caption) {
  HWND button = FindChild(FindVisible(className), L"Button", caption);
  if (!button) return 1;
  PostMessageW(button, BM_CLICK, 0, 0);
  return 0;
}

// Keys typed while the program is still busy closing a window (Wine
// without a window manager waits for the hidden window) can be lost.
int Idle(const wchar_t* className, DWORD timeoutMs) {
  HWND w = FindWindowW(className, nullptr);
  DWORD_PTR result = 0;
  return w && SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &result) ? 0 : 1;
}

std::wstring ClassOf(HWND w) {
  wchar_t name[64]{};
  if (w) GetClassNameW(w, name, 64);
  return w ? name : L"-";
}

int FocusInfo(const wchar_t* className) {
  HWND w = FindWindowW(className, nullptr);
  GUITHREADINFO info{sizeof info};
  if (!w || !GetGUIThreadInfo(GetWindowThreadProcessId(w, nullptr), &info)) return 1;
  PrintLine(L"active=" + ClassOf(info.hwndActive) + L" focus=" + ClassOf(info.hwndFocus) +
            L" capture=" + ClassOf(info.hwndCapture) + (info.flags & GUI_INMENUMODE ? L" menu" : L"") +
            (info.flags & GUI_INMOVESIZE ? L" movesize" : L""));
  return 0;
}

int Usage() {
  std::fprintf(stderr, "usage: velda-driver COMMAND ... (see the source)\n");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return Usage();
  const std::wstring command = argv[1];
  const wchar_t* arg = argc > 2 ? argv[2] : L"";
  if (command == L"wait") return Poll(Timeout(argc, argv, 3), [&] { return FindVisible(arg); }) ? 0 : 1;
  if (command == L"gone") return Poll(Timeout(argc, argv, 3), [&] { return !FindVisible(arg); }) ? 0 : 1;
  if (command == L"wait-child" && argc > 3)
    return Poll(Timeout(argc, argv, 4), [&] {
             HWND child = FindChild(FindVisible(arg), argv[3]);
             return child && IsWindowVisible(child);
           }) ? 0 : 1;
  if (command == L"close") {
    HWND w = FindWindowW(arg, nullptr);
    if (!w) return 1;
    PostMessageW(w, WM_CLOSE, 0, 0);
    return Poll(Timeout(argc, argv, 3), [&] { return !IsWindow(w); }) ? 0 : 1;
  }
  if (command == L"hide") return ShowWindow(FindWindowW(arg, nullptr), SW_HIDE), 0;
  if (command == L"count") return CountWindows(arg);
  if (command == L"month") {
    if (!Poll(Timeout(argc, argv, 2), [] { return !TextOf(Grid()).empty(); })) return 1;
    PrintLine(TextOf(Grid()));
    return 0;
  }
  if (command == L"expect-month") {
    const bool seen = Poll(Timeout(argc, argv, 3, 10000), [&] { return TextOf(Grid()) == arg; });
    if (!seen) PrintLine(L"grid shows: " + TextOf(Grid()));
    return seen ? 0 : 1;
  }
  if (command == L"press") return Press(arg) ? 0 : 1;
  if (command == L"enter-month") return EnterMonth(arg);
  if (command == L"time-start" && argc > 2) return TimeStart(argc, argv);
  if (command == L"time-window" && argc > 3) return TimeWindow(argc, argv);
  if (command == L"time-months") return TimeMonths(argc > 2 ? _wtoi(arg) : 20);
  if (command == L"memory") return Memory(arg);
  if (command == L"box-text") return BoxText(Timeout(argc, argv, 2));
  if (command == L"answer") return Answer(arg);
  if (command == L"day-point" && argc > 2) return DayPoint(_wtoi(arg), argc > 3 ? _wtoi(argv[3]) : 2);
  if (command == L"red-pixels" && argc > 2) return ColourPixels(_wtoi(arg), false, Reddish);
  if (command == L"green-names" && argc > 2) return ColourPixels(_wtoi(arg), true, Greenish);
  if (command == L"clip-set" && argc > 2) return ClipSet(arg);
  if (command == L"clip-get") return ClipGet();
  if (command == L"text" && argc > 3) return ControlText(arg, _wtoi(argv[3]));
  if (command == L"click" && argc > 3) return Click(arg, argv[3]);
  if (command == L"focus" && argc > 2) return FocusInfo(arg);
  if (command == L"idle" && argc > 2) return Idle(arg, Timeout(argc, argv, 3, 10000));
  if (command == L"red-point" && argc > 2) return RedPoint(_wtoi(arg));
  if (command == L"computer-name") {
    wchar_t name[MAX_COMPUTERNAME_LENGTH + 1]{};
    DWORD size = MAX_COMPUTERNAME_LENGTH + 1;
    GetComputerNameW(name, &size);
    PrintLine(name);
    return 0;
  }
  if (command == L"front") {
    HWND w = FindVisible(arg);
    return w && SetWindowPos(w, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE) && SetForegroundWindow(w) ? 0 : 1;
  }
  if (command == L"caret-line" && argc > 3) return CaretLine(arg, _wtoi(argv[3]));
  if (command == L"set-text" && argc > 4) return SetText(arg, _wtoi(argv[3]), argv[4]);
  if (command == L"post-close") return PostMessageW(FindWindowW(arg, nullptr), WM_CLOSE, 0, 0) ? 0 : 1;
  if (command == L"kill") return Kill(arg);
  if (command == L"command" && argc > 3)
    return PostMessageW(FindWindowW(arg, nullptr), WM_COMMAND, _wtoi(argv[3]), 0) ? 0 : 1;
  if (command == L"fits" && argc > 3) return Fits(arg, argv[3]);
  if (command == L"end-session") return EndSession(arg);
  return Usage();
}
