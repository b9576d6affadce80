#pragma once
// The window the first start after a setup shows for "/D2" (the archive
// file) and "/D3" (the work folder): the question, the path in colour and
// "「はい」削除します(&Y)" / "「いいえ」削除しません(&N)". The decision and the
// deletion are setup_cleanup.h's.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/native_services.h"
#include "settings/setup_cleanup.h"

namespace settings {

inline constexpr wchar_t kCleanupWindowClass[] = L"TfmSakujo";

struct CleanupContext {
  HWND owner = nullptr;                        // the main window, disabled meanwhile
  platform::Services* os = nullptr;
  platform::NativeDialogs* dialogs = nullptr;  // boxes owned by this window while it is open; may be null
  // The folders never deleted, asked when the window is shown (after the
  // settings have been read).
  std::function<CleanupGuard()> guard;
};

// Shows the window modally; true when the user chose to delete (whether
// the deletion then succeeded or not, its message told).
bool ShowCleanupWindow(const CleanupContext& context, CleanupMode mode, const std::string& path);

// Exactly the shape of LaterWork::offerArchiveDeletion and
// LaterWork::offerWorkFolderDeletion.
std::function<void(const std::string& path)> ArchiveDeletionOffer(CleanupContext context);
std::function<void(const std::string& path)> WorkFolderDeletionOffer(CleanupContext context);

}  // namespace settings
