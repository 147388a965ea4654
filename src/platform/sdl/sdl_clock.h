// The real millisecond clock: SDL's tick count, a 32-bit number that wraps
// after about 49.7 days; sleeping works on the wrapping difference, so a
// deadline just past the wrap is still in the future.
#pragma once
#include "platform/clock.h"

namespace platform {

class SdlClock : public Clock {
 public:
  uint32_t millisecs() override;
  void sleepUntil(uint32_t target) override;
};

}  // namespace platform
