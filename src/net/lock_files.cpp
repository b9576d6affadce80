#include "net/lock_files.h"

#include <exception>

#include "platform/dialog_helpers.h"
#include "platform/list_files.h"
#include "support/paths.h"
#include "support/text.h"

namespace net {
namespace {

constexpr char kAdministrator[] = "楓帳";

std::string OtherComputerLocks(const std::string& owner, const std::string& path) {
  return "他のコンピュータ【" + owner + "】がデータをロックしています。\r\n"
         "しばらくしてから、もう一度お願いいたします。\r\n"
         "ロックファイル[" + path + "]";
}

std::string LockFailed(const std::string& display) {
  return "[" + display + "]のロックに失敗しました。\r\n頻繁に出現しましたら、" + kAdministrator +
         "管理者にご連絡下さい。";
}

std::string LockTakenByOther(const std::string& owner) {
  return "他のコンピュータ(" + owner + ")にロックファイルの内容が変わっています" + "\r\n" + kAdministrator +
         "管理者にご連絡下さい。";
}

std::string DeleteFailed(const std::string& path) {
  return "ロックファイル[" + path + "]の削除に失敗しました。" + "\r\n" + kAdministrator + "管理者にご連絡下さい。";
}

// The first line of a lock file's bytes; a blank one names no one.
std::optional<std::string> OwnerIn(const std::string& bytes) {
  platform::LineList lines = platform::ParseListText(bytes);
  if (lines.empty() || support::IsBlank(lines.front())) return std::nullopt;
  return lines.front();
}

}  // namespace

std::string LockDisplayName(std::string_view path) {
  std::string name = support::LastFolderName(path);
  const size_t dot = name.find_last_of('.');
  return (dot == std::string::npos ? name : name.substr(0, dot)) + ".kdf";
}

std::optional<std::string> LockFiles::TryLock(const std::string& path, const std::string& name) {
  try {
    if (os_.fs.Exists(path)) return ReadOwner(path);
    return CreateOwned(path, name);
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

std::optional<std::string> LockFiles::ReadOwner(const std::string& path) {
  std::unique_ptr<platform::FileLock> held = os_.fs.OpenExclusive(path);
  if (!held) return std::nullopt;
  std::optional<std::string> bytes = held->ReadContent();
  return bytes ? OwnerIn(*bytes) : std::nullopt;
}

// Exclusive creation fails when the file exists, so of two computers that
// both found it absent only one succeeds. What was written is read back
// through the held handle: a server that did not honour the exclusive
// creation shows here.
std::optional<std::string> LockFiles::CreateOwned(const std::string& path, const std::string& name) {
  std::unique_ptr<platform::FileLock> held = os_.fs.CreateExclusive(path, platform::FormatListText({name}));
  if (!held) return std::nullopt;
  std::optional<std::string> bytes = held->ReadContent();
  if (!bytes || OwnerIn(*bytes) != name) return std::nullopt;
  return name;
}

void LockFiles::Status(std::string_view display, std::string_view what, LabelColor color) {
  std::string text = "[";
  text.append(display).append("]").append(what);
  label_.Show({std::move(text), color});
}

void LockFiles::Tell(const std::string& text) { platform::Inform(os_.dialogs, text); }

bool LockFiles::AcquireLock(const std::string& path, const std::string& name, unsigned waitMs,
                            int tries) {
  if (name.empty()) {
    Tell("コンピュータ名が不明です。\r\n中止します。");
    return false;
  }
  const std::string display = LockDisplayName(path);
  for (int i = 0; i <= tries; ++i) {
    const std::optional<std::string> owner = TryLock(path, name);
    if (owner == name) {
      label_.Hide();
      return true;
    }
    if (owner) {
      Status(display, "他のコンピュータがロック中", LabelColor::Fuchsia);
      Tell(OtherComputerLocks(*owner, path));
      label_.Hide();
      return false;
    }
    if (i > 0) Status(display, "書込権限取得のため待機中", LabelColor::Fuchsia);
    os_.clock.Sleep(waitMs);
  }
  Status(display, "ロック失敗", LabelColor::Red);
  Tell(LockFailed(display));
  label_.Hide();
  return false;
}

bool LockFiles::StillOwns(const std::string& path, const std::string& name, unsigned waitMs,
                          int tries) {
  for (int i = 0; i <= tries; ++i) {
    try {
      if (!os_.fs.Exists(path)) return false;
      if (const std::optional<std::string> owner = ReadOwner(path)) return *owner == name;
    } catch (const std::exception&) {
    }
    os_.clock.Sleep(waitMs);
  }
  return false;
}

bool LockFiles::ReleaseLock(const std::string& path, const std::string& name, unsigned waitMs,
                            int tries) {
  const std::string display = LockDisplayName(path);
  for (int i = 0; i <= tries; ++i) {
    const char* waiting = "ロックＯｆｆ処理待機中";
    try {
      if (!os_.fs.Exists(path)) {
        label_.Hide();
        return true;
      }
      // Read, never created: a release leaves no lock file behind.
      const std::optional<std::string> owner = ReadOwner(path);
      if (owner && *owner != name) {
        Status(display, "他のコンピュータがロック中", LabelColor::Fuchsia);
        Tell(LockTakenByOther(*owner));
        label_.Hide();
        return false;
      }
      if (owner && os_.fs.DeleteFile(path)) {
        label_.Hide();
        return true;
      }
      if (owner) waiting = "ロックＯｆｆ処理待機中(2)";
    } catch (const std::exception&) {
      waiting = "ロックＯｆｆ処理待機中(3)";
    }
    if (i > 0) Status(display, waiting, LabelColor::Fuchsia);
    os_.clock.Sleep(waitMs);
  }
  Status(display, "ロックＯｆｆ失敗", LabelColor::Fuchsia);
  Tell(DeleteFailed(path));
  label_.Hide();
  return false;
}

}  // namespace net
