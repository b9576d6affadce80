#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <climits>
#include <thread>

#include "child_process.h"

namespace proof {
namespace {

class PosixChild : public ChildProcess {
 public:
  explicit PosixChild(pid_t pid) : pid_(pid) {}
  ~PosixChild() override {
    if (WaitFor(0) < 0) Kill();
  }
  int WaitFor(unsigned ms) override {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (exit_ < 0) {
      int status = 0;
      if (::waitpid(pid_, &status, WNOHANG) == pid_) {
        exit_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        break;
      }
      if (std::chrono::steady_clock::now() >= end) break;
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return exit_;
  }
  void Kill() override {
    ::kill(pid_, SIGKILL);
    WaitFor(10000);
  }

 private:
  pid_t pid_;
  int exit_ = -1;
};

}  // namespace

std::string SelfPath() {
  char path[PATH_MAX] = {};
  ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
  return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string();
}

std::unique_ptr<ChildProcess> StartChild(const std::string& exe, const std::vector<std::string>& args) {
  std::vector<char*> argv{const_cast<char*>(exe.c_str())};
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid < 0) return nullptr;
  if (pid == 0) {
    ::execv(exe.c_str(), argv.data());
    ::_exit(127);
  }
  return std::make_unique<PosixChild>(pid);
}

}  // namespace proof
