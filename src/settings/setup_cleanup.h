#pragma once
// The first start after a setup offers to delete what the setup came from:
// the self-extracting archive ("/D2") and the work folder it unpacked into
// ("/D3"). Only a folder holding "localfol.kdf", as the archive makes it,
// counts as a work folder; nor is a drive root, or a folder holding this
// program or its data, ever deleted.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/services.h"

namespace settings {

enum class CleanupMode { ArchiveFile, WorkFolder };

inline constexpr char kCleanupYesCaption[] = "「はい」削除します(&Y)";
inline constexpr char kCleanupNoCaption[] = "「いいえ」削除しません(&N)";

struct CleanupTexts {
  std::string title;
  std::string heading;
  std::string pathLabel;
  std::vector<std::string> notes;
  std::uint32_t pathColour = 0;  // 0x00BBGGRR
};
CleanupTexts CleanupTextsOf(CleanupMode mode);

// Folders a clean-up never takes: they hold the running program or its data.
struct CleanupGuard {
  std::string programFolder;
  std::string dataRoot;
};

// "「はい」削除します(&Y)": deletes and tells how it went. The archive goes
// to the recycle bin; the work folder is deleted for good, as the shell
// does it, silently. True when it was deleted.
bool DeleteSetupLeftover(platform::Services& os, CleanupMode mode, const std::string& path,
                         const CleanupGuard& guard, platform::WindowHandle owner);

}  // namespace settings
