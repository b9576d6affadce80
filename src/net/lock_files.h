#pragma once
// Lock files beside the shared data. A lock file holds one line, the owner's
// computer name, ended by CR LF (Shift-JIS on disk):
//
//   Data\Files1\Ca200403.lock   "PC01\r\n"     the month 2004/03
//   Data\Files1\CaFromTo.lock   "PC01\r\n"     the period file
//   mente.lock                  "PC07\r\n"     maintenance (in the shared folder)
//
// Exclusive creation makes exactly one of several computers the owner; a
// lock file is read with every other access denied, so one being written is
// seen as busy. A lock this computer left behind (after a crash) is taken
// over at its next acquire; one left by another computer blocks until
// maintenance removes it.
#include <optional>
#include <string>
#include <string_view>

#include "net/status_label.h"
#include "platform/services.h"

namespace net {

inline constexpr unsigned kLockWaitMs = 300;
inline constexpr int kAcquireTries = 5;          // data and maintenance locks
inline constexpr int kDataReleaseTries = 10;
inline constexpr int kServiceReleaseTries = 5;

// The name a lock is shown by: its file name with ".kdf" for its extension
// ("Ca200403.lock" -> "Ca200403.kdf").
std::string LockDisplayName(std::string_view path);

class LockFiles {
 public:
  LockFiles(platform::Services& os, StatusLabel& label) : os_(os), label_(label) {}

  // The owner the lock file names: `name` when this call created it, nullopt
  // when it is busy (being written, empty, unreadable, or just created by
  // another computer) or the folder cannot be reached.
  std::optional<std::string> TryLock(const std::string& path, const std::string& name);
  // `tries` + 1 attempts `waitMs` apart while the file is busy. Another
  // owner is refused at once with its name and the lock file's path; the
  // waits and refusals are shown on the status label and in message boxes.
  bool AcquireLock(const std::string& path, const std::string& name, unsigned waitMs, int tries);
  // The lock file is there and names `name`, read back as TryLock reads it
  // (a busy file `tries` more times `waitMs` apart). Maintenance may have
  // removed a held lock meanwhile, and another computer taken it: a write
  // inside the lock asks this first.
  bool StillOwns(const std::string& path, const std::string& name, unsigned waitMs, int tries);
  // Deletes the lock file when it names `name`; true when it is gone.
  bool ReleaseLock(const std::string& path, const std::string& name, unsigned waitMs, int tries);

 private:
  std::optional<std::string> ReadOwner(const std::string& path);
  std::optional<std::string> CreateOwned(const std::string& path, const std::string& name);
  void Status(std::string_view display, std::string_view what, LabelColor color);
  void Tell(const std::string& text);

  platform::Services& os_;
  StatusLabel& label_;
};

}  // namespace net
