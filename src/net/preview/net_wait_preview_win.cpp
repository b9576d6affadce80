// Opens the waiting window "待機中" over a folder, to look at it. Prints
// "found" or "not found" when it closes.
//
//   net_wait_preview.exe [folder] [tick ms] [create after ms]
//
// Without a folder it waits for a scratch folder under the temporary
// folder; with "create after ms" that folder is made that long after the
// start (a thread timer inside the window's loop).
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "net/folder_wait_window_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"

namespace {

std::filesystem::path g_toCreate;

void CALLBACK CreateFolder(HWND, UINT, UINT_PTR timer, DWORD) {
  KillTimer(nullptr, timer);
  std::error_code ignored;
  std::filesystem::create_directories(g_toCreate, ignored);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  std::filesystem::path folder = std::filesystem::temp_directory_path() / L"velda-net-wait-preview" / L"Data" /
                                 L"Files1";
  if (argc > 1) folder = argv[1];
  const unsigned tickMs = argc > 2 ? static_cast<unsigned>(_wtoi(argv[2])) : net::kFolderWaitTickMs;
  if (argc > 3) {
    g_toCreate = folder;
    SetTimer(nullptr, 0, static_cast<UINT>(_wtoi(argv[3])), CreateFolder);
  }
  platform::NativeServices native;
  std::string path = platform::Narrow(folder.wstring());
  if (path.empty() || path.back() != '\\') path += '\\';
  const auto result = net::ShowFolderWaitWindow(nullptr, native.services(), path, tickMs);
  std::puts(result == net::FolderWaitResult::Found ? "found" : "not found");
  return result == net::FolderWaitResult::Found ? 0 : 1;
}
