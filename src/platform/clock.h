// The millisecond clock and the 60-frames-a-second pacing schedule.
// The clock is a 32-bit count that wraps; always compare readings with elapsedMs().
#pragma once
#include <cstdint>

namespace platform {

// now - then in wrapping 32-bit arithmetic, read as a signed difference.
inline int32_t elapsedMs(uint32_t now, uint32_t then) {
  return static_cast<int32_t>(now - then);
}

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds since some fixed moment; wraps after 2^32.
  virtual uint32_t millisecs() = 0;
  // Returns once millisecs() has reached `target` (at once if it already has).
  virtual void sleepUntil(uint32_t target) = 0;
};

// A clock that only moves when told to: tests and headless runs.
class ManualClock : public Clock {
 public:
  explicit ManualClock(uint32_t start = 0) : now_(start) {}
  uint32_t millisecs() override { return now_; }
  void sleepUntil(uint32_t target) override {
    if (elapsedMs(target, now_) > 0) now_ = target;
  }
  void advance(uint32_t ms) { now_ += ms; }
  void set(uint32_t ms) { now_ = ms; }

 private:
  uint32_t now_;
};

// The sleeping schedule used when the display's vsync cannot be trusted:
// each frame's deadline is 16 ms after the last, plus 1 ms on 40 frames of
// every 60, so 60 frames take exactly 1000 ms. A frame that is already late
// moves the deadline to "now": lost time is never caught up.
class FramePacer {
 public:
  static constexpr uint32_t kFrameMs = 16;
  static constexpr uint32_t kRemainderStep = 40;  // 1000 - 16 * 60
  static constexpr uint32_t kRemainderLimit = 60;

  void start(uint32_t now) {
    target_ = now;
    remainder_ = 0;
  }
  // Advances the deadline by one frame and gives the time to sleep until.
  uint32_t nextDeadline(uint32_t now) {
    target_ += kFrameMs;
    remainder_ += kRemainderStep;
    if (remainder_ >= kRemainderLimit) {
      remainder_ -= kRemainderLimit;
      target_ += 1;
    }
    if (elapsedMs(target_, now) < 0) target_ = now;
    return target_;
  }
  // Sleeps on `clock` until the next deadline.
  void pace(Clock& clock) { clock.sleepUntil(nextDeadline(clock.millisecs())); }

 private:
  uint32_t target_ = 0;
  uint32_t remainder_ = 0;
};

}  // namespace platform
