// Facts about this computer for the native build. The folders a Windows
// user has are mapped onto their usual places under the home folder.
#include <pwd.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>

#include "platform/native_services.h"
#include "support/paths.h"

namespace platform {
namespace {

std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::string HomeFolder() {
  std::string home = Env("HOME");
  if (home.empty())
    if (const passwd* pw = getpwuid(geteuid())) home = pw->pw_dir;
  return support::EnsureTrailingSeparator(home);
}

// An XDG folder from its variable, or its default under the home folder.
std::string XdgFolder(const char* variable, const char* fallback) {
  std::string folder = Env(variable);
  if (!folder.empty()) return support::EnsureTrailingSeparator(folder);
  std::string home = HomeFolder();
  return home.empty() ? "" : support::JoinPath(home, fallback);
}

class PosixSystem : public System {
 public:
  std::string ComputerName() override {
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "";
    std::string host = name;
    return host.substr(0, host.find('.'));
  }

  std::string UserName() override {
    if (const passwd* pw = getpwuid(geteuid())) return pw->pw_name;
    return Env("USER");
  }

  std::string SpecialFolder(int csidl) override {
    switch (csidl) {
      case kProfileFolder: return HomeFolder();
      case kAppDataFolder: return XdgFolder("XDG_DATA_HOME", ".local/share/");
      case kStartupFolder: return support::JoinPath(XdgFolder("XDG_CONFIG_HOME", ".config/"), "autostart/");
      case kDesktopFolder: return HomeFolder().empty() ? "" : support::JoinPath(HomeFolder(), "Desktop/");
      default: return "";
    }
  }

  std::string WindowsFolder() override { return ""; }

  std::string ProgramFolder() override {
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) return "";
    std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.find_last_of('/') + 1);
  }

  OsVersion Version() override { return {}; }  // not Windows
  int ShellMajorVersion() override { return 0; }
  bool InternetConnected() override { return false; }
  bool CapsLockOn() override { return false; }
};

}  // namespace

std::unique_ptr<System> CreateNativeSystem() { return std::make_unique<PosixSystem>(); }

}  // namespace platform
