// The 60-frames-a-second sleeping schedule and wrapping clock arithmetic.
#include <gtest/gtest.h>

#include <vector>

#include "platform/clock.h"

namespace {

using platform::elapsedMs;
using platform::FramePacer;
using platform::ManualClock;

TEST(Clock, ElapsedIsRightAcrossTheWrap) {
  struct Case {
    uint32_t now, then;
    int32_t elapsed;
  } cases[] = {
      {1000, 0, 1000},
      {5, 0xFFFFFFF0u, 21},           // the clock wrapped between the readings
      {0x80000010u, 0x7FFFFFF0u, 32},  // crossing into "negative" signed values
      {0, 2000, -2000},               // a reading behind the other is negative
  };
  for (const Case& c : cases) EXPECT_EQ(elapsedMs(c.now, c.then), c.elapsed) << c.now << " " << c.then;
}

// Frame lengths produced by the pacer when every frame's work takes no time.
std::vector<uint32_t> frameLengths(uint32_t start, int frames) {
  ManualClock clock(start);
  FramePacer pacer;
  pacer.start(clock.millisecs());
  std::vector<uint32_t> lengths;
  for (int i = 0; i < frames; ++i) {
    const uint32_t before = clock.millisecs();
    pacer.pace(clock);
    lengths.push_back(clock.millisecs() - before);
  }
  return lengths;
}

TEST(FramePacer, SixtyFramesTakeExactlyOneSecondIn16And17MsSteps) {
  for (uint32_t start : {0u, 123456u, 0xFFFFFF00u}) {  // the last one wraps mid-run
    const auto lengths = frameLengths(start, 600);
    uint32_t total = 0;
    int seventeens = 0;
    for (size_t i = 0; i < lengths.size(); ++i) {
      ASSERT_TRUE(lengths[i] == 16 || lengths[i] == 17) << "frame " << i << ": " << lengths[i];
      seventeens += lengths[i] == 17;
      total += lengths[i];
      if ((i + 1) % 60 == 0) {
        EXPECT_EQ(total, (i + 1) / 60 * 1000) << "after frame " << i;
      }
    }
    EXPECT_EQ(seventeens, 400) << "1 ms more on 40 frames of every 60";
  }
}

TEST(FramePacer, LateFramesAreNotMadeUp) {
  ManualClock clock(1000);
  FramePacer pacer;
  pacer.start(clock.millisecs());
  pacer.pace(clock);
  clock.advance(100);  // a frame that took far too long
  const uint32_t late = clock.millisecs();
  pacer.pace(clock);
  EXPECT_EQ(clock.millisecs(), late) << "a passed deadline moves to now: no sleep";
  const uint32_t before = clock.millisecs();
  pacer.pace(clock);
  const uint32_t next = clock.millisecs() - before;
  EXPECT_TRUE(next == 16 || next == 17) << "the schedule carries on from now, not from the old deadline";
}

}  // namespace
