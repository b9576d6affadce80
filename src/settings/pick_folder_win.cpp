#include "settings/pick_folder_win.h"

#include <objbase.h>
#include <shlobj.h>

#include "platform/text_win.h"
#include "support/paths.h"

namespace settings {
namespace {

int CALLBACK StartIn(HWND dialog, UINT message, LPARAM, LPARAM start) {
  if (message == BFFM_INITIALIZED && start) SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
  return 0;
}

}  // namespace

std::optional<std::string> PickFolder(HWND owner, const std::string& start) {
  // The dialog of the newer style needs COM on this thread.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  const std::wstring startW = platform::Widen(support::RemoveTrailingSeparator(start));
  BROWSEINFOW info{};
  info.hwndOwner = owner;
  info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
  info.lpfn = StartIn;
  info.lParam = startW.empty() ? 0 : reinterpret_cast<LPARAM>(startW.c_str());
  PIDLIST_ABSOLUTE list = SHBrowseForFolderW(&info);
  std::optional<std::string> chosen;
  wchar_t path[MAX_PATH] = {};
  if (list && SHGetPathFromIDListW(list, path)) chosen = support::EnsureTrailingSeparator(platform::Narrow(path));
  if (list) CoTaskMemFree(list);
  if (SUCCEEDED(com)) CoUninitialize();
  return chosen;
}

}  // namespace settings
