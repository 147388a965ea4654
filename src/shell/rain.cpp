// The rain and chime step. The clock is read twice on a chime on purpose: the
// gap is judged by the reading before the chime and measured from the reading
// after it, as the game always has.
#include "shell/rain.h"

#include "shell/startup.h"
#include "world/world.h"

namespace shell {

int32_t rainCooldown = 0;
uint32_t lastChimeTime = 0;
int32_t chimeIndex = 3;
int32_t chimeEchoIndex = 2;
int32_t chimeMuteIndex = 1;
RainStats rainStats;

namespace {

constexpr float kNewChimeVolume = 0.3f;
constexpr float kEchoVolume = 0.15f;
constexpr float kFaintEchoVolume = 0.07f;
constexpr float kSilent = 0.0f;

void plantFlower() {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->x = playerCloud->x;
  flower->z = playerCloud->z;
  rainCooldown = kPlantingCooldownFrames;
  playerCloud->rainTimer = kCloudRainFrames;
  ++rainStats.plantings;
}

void ringChime(platform::Audio& audio, platform::Clock& clock) {
  audio.setChannelVolume(chimeChannels[chimeMuteIndex], kSilent);
  audio.setChannelVolume(chimeChannels[chimeEchoIndex], kFaintEchoVolume);
  audio.setChannelVolume(chimeChannels[chimeIndex], kEchoVolume);
  chimeMuteIndex = chimeEchoIndex;
  chimeEchoIndex = chimeIndex;
  chimeIndex = (chimeIndex + 1) % kChimeChannelCount;
  audio.setChannelVolume(chimeChannels[chimeIndex], kNewChimeVolume);
  audio.playSound(fx1Sound, chimeChannels[chimeIndex]);
  lastChimeTime = clock.millisecs();
  ++rainStats.chimes;
}

}  // namespace

void startChimeClock(platform::Clock& clock) { lastChimeTime = clock.millisecs() - kChimeClockLeadMs; }

void rainStep(platform::Input& input, platform::Audio& audio, platform::Clock& clock) {
  if (rainCooldown > 0) --rainCooldown;
  if (!input.mouseDown(platform::kMouseLeft) || rainCooldown >= 1) return;
  plantFlower();
  if (platform::elapsedMs(clock.millisecs(), lastChimeTime) >= kChimeGapMs) ringChime(audio, clock);
}

void resetRain() {
  rainCooldown = 0;
  lastChimeTime = 0;
  chimeIndex = 3;
  chimeEchoIndex = 2;
  chimeMuteIndex = 1;
  rainStats = {};
}

}  // namespace shell
