#pragma once
// The notification area refuses now and then (Explorer restarting, a busy
// shell): such a request is tried again a few times before it is given up.
#include <functional>

#include "platform/clock.h"

namespace platform {

inline constexpr int kNotifyAttempts = 5;
inline constexpr unsigned kNotifyPauseMs = 500;

// Calls `attempt` until it succeeds, at most five times, sleeping 500 ms
// between tries; true when one succeeded. Errors other than the shell's
// refusal are the attempt's to raise.
bool RetryShellRefusal(Clock& clock, const std::function<bool()>& attempt);

}  // namespace platform
