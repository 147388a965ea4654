// Rain and chimes: the player's one action. While the left button is held the
// cloud rains and plants a flower straight below itself, at most one every 20
// frames; a planting rings the chime when 1970 ms have passed since the last.
// Chimes rotate over the ten chime channels: each new chime starts at 0.3 and
// turns the three before it down to 0.15, 0.07 and silence, so at most three
// are heard trailing off.
#pragma once
#include <cstdint>

#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"

namespace shell {

constexpr int kPlantingCooldownFrames = 20;
constexpr int kCloudRainFrames = 30;
constexpr int32_t kChimeGapMs = 1970;
constexpr uint32_t kChimeClockLeadMs = 2000;  // so the first planting of a run chimes

extern int32_t rainCooldown;     // frames until the next planting may happen
extern uint32_t lastChimeTime;   // clock value of the last chime, ms (wraps)
extern int32_t chimeIndex;       // chimeChannels position of the newest chime
extern int32_t chimeEchoIndex;   // ... of the chime before it
extern int32_t chimeMuteIndex;   // ... of the one before that, silenced at the next chime

// What the rain has done since the last reset, for the headless driver's report.
struct RainStats {
  long long plantings = 0;
  long long chimes = 0;
};
extern RainStats rainStats;

// Starts the chime clock as the frame loop begins.
void startChimeClock(platform::Clock& clock);
// One frame's rain and chime step; needs playerCloud and the chime sound and channels.
void rainStep(platform::Input& input, platform::Audio& audio, platform::Clock& clock);
// Puts every rain global and the stats back to their start values (tests, headless runs).
void resetRain();

}  // namespace shell
