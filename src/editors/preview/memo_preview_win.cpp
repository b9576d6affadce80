// Opens the memo or the search window on a prepared folder, to look at it
// and to drive it from outside (xdotool under Xvfb):
//
//   memo_preview.exe ROOT [memo|readme|usage|editor|search]
//   memo_preview.exe ROOT time [WORD [ROUNDS]]
//       times the listing of ROOT\Data\Files1 and ROUNDS (3) rounds of
//       opening the search window, finding WORD and closing it
//
// ROOT holds prog\ (ReadMe.txt, CaSima.dat, Velda.ini), Data\ (CaMemo.kdf)
// and Data\Files1\ (the month files).
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "editors/memo_window_win.h"
#include "editors/search_listing.h"
#include "editors/search_window_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"
#include "support/paths.h"

namespace {

using namespace editors;

class QuitOnClose : public MemoWindowHost {
 public:
  void MemoWindowClosed(Page) override { PostQuitMessage(0); }
  bool CanShowDay() override { return true; }
  void ShowDay(int y, int m, int d) override { std::printf("show day %d-%d-%d\n", y, m, d); }
};

// The timing run answers every box with its default button and prints it.
class DefaultDialogs : public platform::Dialogs {
 public:
  platform::MsgResult Ask(const platform::Message& m) override {
    std::printf("box: %s\n", m.text.c_str());
    return platform::DefaultAnswer(m);
  }
};

MemoFolders FoldersUnder(const std::string& root) {
  std::string r = support::EnsureTrailingSeparator(root);
  return {r + "prog\\", r + "Data\\", r + "Data\\Files1\\", r + "prog\\Velda.ini"};
}

MemoDoc DocOf(const std::string& mode) {
  if (mode == "readme") return MemoDoc::ReadMe;
  if (mode == "usage") return MemoDoc::Usage;
  if (mode == "editor") return MemoDoc::Editor;
  return MemoDoc::Memo;
}

double Ms(auto work) {
  auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void Click(MemoWindow& w, int id) {
  SendMessageW(w.hwnd(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(w.hwnd(), id)));
}

unsigned long long WorkingSetKb() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return counters.WorkingSetSize / 1024;
}

void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

// One round as a person makes it: Ctrl+F (the window opens on the listing),
// the word typed, 検索 (the caret on the hit), 閉じる.
void TimeRound(TfmKensaku& window, const std::string& word, int round) {
  const double open = Ms([&] { window.Open(MemoDoc::Memo); Pump(); });
  SetWindowTextW(GetDlgItem(window.hwnd(), TfmKensaku::kCbKensaku), platform::Widen(word).c_str());
  const double search = Ms([&] { Click(window, TfmKensaku::kBtnKensaku); Pump(); });
  const int row = window.editor().Caret().row;
  const unsigned long long shownKb = WorkingSetKb();
  const double close = Ms([&] { Click(window, TfmKensaku::kBtnTojiru); Pump(); });
  std::printf("round %d: open_ms=%.1f search_ms=%.1f close_ms=%.1f caret_row=%d working_set_kb=%llu "
              "(closed %llu)\n",
              round, open, search, close, row, shownKb, WorkingSetKb());
}

// The listing under this system: a raw read of the month files, the
// listing alone, then the search window built from nothing, opened,
// searched and closed ROUNDS times in one session, and its 再作成.
int Time(platform::Services& real, const MemoFolders& folders, const std::string& word, int rounds) {
  DefaultDialogs dialogs;
  platform::Services os{real.fs, dialogs, real.clock, real.system, real.shell, real.clipboard};
  const auto names = ListingFileNames(os.fs, folders.dataFolder);
  double raw = Ms([&] {
    for (const auto& n : names) os.fs.ReadAll(folders.dataFolder + n);
  });
  std::size_t lines = 0;
  double listing = Ms([&] { lines = BuildSearchListing(os, folders.dataFolder).lines.size(); });
  os.fs.DeleteFile(folders.dataFolder + kSearchFileName);
  TfmKensaku window;
  QuitOnClose host;
  if (!window.Create({nullptr, &os, folders, &host})) return 1;
  std::printf("files=%zu lines=%zu raw_read_ms=%.1f listing_ms=%.1f (x%.1f) working_set_kb=%llu\n",
              names.size(), lines, raw, listing, listing / raw, WorkingSetKb());
  for (int round = 1; round <= rounds; ++round) TimeRound(window, word, round);
  window.Open(MemoDoc::Memo);
  const double rebuild = Ms([&] { Click(window, TfmKensaku::kBtnSaisakusei); Pump(); });
  std::printf("rebuild_ms=%.1f window_build_ms=%llu window_text_ms=%llu\n", rebuild,
              static_cast<unsigned long long>(window.lastBuildMs()),
              static_cast<unsigned long long>(window.lastShowMs()));
  const double close = Ms([&] { window.CloseWindow(); Pump(); });
  std::printf("close_after_rebuild_ms=%.1f\n", close);
  std::fflush(stdout);
  return 0;
}

int Run(platform::NativeServices& native, const std::string& root, const std::string& mode,
        const std::string& word, int rounds) {
  platform::Services& os = native.services();
  MemoFolders folders = FoldersUnder(root);
  if (mode == "time") return Time(os, folders, word, rounds);
  QuitOnClose host;
  TfmMemo memo;
  TfmKensaku search;
  MemoWindow& window = mode == "search" ? static_cast<MemoWindow&>(search) : memo;
  if (!window.Create({nullptr, &os, folders, &host})) return 1;
  native.dialogs().SetOwner(reinterpret_cast<platform::WindowHandle>(window.hwnd()));
  window.Open(DocOf(mode));
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (window.PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
  InitCommonControlsEx(&icc);
  if (argc < 2) {
    std::fputs("memo_preview.exe ROOT [memo|readme|usage|editor|search|time [WORD [ROUNDS]]]\n", stderr);
    return 2;
  }
  platform::NativeServices native;
  return Run(native, platform::Narrow(argv[1]), argc > 2 ? platform::Narrow(argv[2]) : "memo",
             argc > 3 ? platform::Narrow(argv[3]) : "楓の記念植樹", argc > 4 ? _wtoi(argv[4]) : 3);
}
