#include "platform/notify_retry.h"

namespace platform {

bool RetryShellRefusal(Clock& clock, const std::function<bool()>& attempt) {
  for (int i = 1; i <= kNotifyAttempts; ++i) {
    if (attempt()) return true;
    if (i < kNotifyAttempts) clock.Sleep(kNotifyPauseMs);
  }
  return false;
}

}  // namespace platform
