// Opens the administration dialog in one of its modes, to look at it.
// Prints what was entered (the password as its length only) and where the
// files went.
//
//   admin_preview.exe [create|rewrite|rights] [shared folder]
#include <windows.h>

#include <cstdio>
#include <filesystem>

#include "net/admin_dialog_win.h"
#include "platform/dpi_win.h"
#include "platform/native_services.h"
#include "platform/text_win.h"

int wmain(int argc, wchar_t** argv) {
  platform::DeclarePerMonitorDpiAwareness();  // as Velda.exe's manifest does
  const std::string mode = argc > 1 ? platform::Narrow(argv[1]) : "create";
  const std::string shared = argc > 2 ? platform::Narrow(argv[2]) : "";
  platform::NativeServices native;
  platform::Services& os = native.services();
  const auto settings = std::filesystem::temp_directory_path() / "velda-admin-preview";
  std::filesystem::create_directories(settings);
  net::NetAdmin admin(os, platform::Narrow(settings.wstring()) + "\\", false);
  net::ShellFolderPicker picker(nullptr);
  net::AdminSetup setup(os, admin, picker, "");
  net::AdminDialog dialog(nullptr, setup, shared);
  const net::AdminDialogMode which = mode == "rights"    ? net::AdminDialogMode::Rights
                                     : mode == "rewrite" ? net::AdminDialogMode::Rewrite
                                                         : net::AdminDialogMode::Create;
  const auto entry = dialog.Show(which, net::InitialEntry({}, os.system.ComputerName()));
  if (!entry) {
    std::puts("cancelled");
    return 1;
  }
  std::printf("name=%s password-length=%zu target=%s\n", entry->name.c_str(), entry->password.size(),
              dialog.target().value_or("").c_str());
  return 0;
}
