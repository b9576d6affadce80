#pragma once
// Local time, a millisecond tick and sleeps. Waits between retries go
// through Sleep so that tests take no real time.
#include <cstdint>

#include "platform/datetime.h"

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual DateTime Now() = 0;
  virtual std::uint64_t TickMs() = 0;
  virtual void Sleep(unsigned milliseconds) = 0;
};

}  // namespace platform
