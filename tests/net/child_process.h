#pragma once
// Other processes of this program, each standing for another computer: the
// POSIX implementation forks and execs, the Win32 one calls CreateProcessW
// (under Wine, real Windows processes sharing one wineserver).
#include <memory>
#include <string>
#include <vector>

namespace proof {

class ChildProcess {
 public:
  virtual ~ChildProcess() = default;
  // Waits up to `ms`; the exit code, or -1 while it still runs.
  virtual int WaitFor(unsigned ms) = 0;
  // Ends it at once, as a crash or a pulled plug would.
  virtual void Kill() = 0;
};

// This program's own file.
std::string SelfPath();
std::unique_ptr<ChildProcess> StartChild(const std::string& exe, const std::vector<std::string>& args);

}  // namespace proof
