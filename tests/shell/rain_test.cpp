// Rain and chimes on the real shell: plantings under the cloud, the cooldown,
// the chime gap on a wrapping clock, and the rotation of the chime channels.
#include <gtest/gtest.h>

#include "shell/frame_loop.h"
#include "shell/population.h"
#include "shell/rain.h"
#include "shell/startup.h"
#include "shell_rig.h"
#include "world/world.h"

using namespace shelltest;

namespace {

// Start-up and population done; the step is then driven directly.
struct RainRig : ShellRig {
  RainRig() {
    startUpQuickly();
    shell::populateWorld(platform);
  }
  void step() { shell::rainStep(input, audio, clock); }
  // Plays after the music, which start-up began.
  std::vector<platform::SilentAudio::Play> chimes() const {
    return {audio.plays().begin() + 1, audio.plays().end()};
  }
};

}  // namespace

TEST(Rain, PlantsAFlowerStraightBelowTheCloud) {
  RainRig rig;
  playerCloud->x = 123.5f;
  playerCloud->y = 300.0f;
  playerCloud->z = -777.25f;
  const size_t before = worldList->size();
  rig.input.pressButton(platform::kMouseLeft);
  rig.step();
  ASSERT_EQ(worldList->size(), before + 1);
  const TDOPtr& flower = worldList->back();
  EXPECT_EQ(flower->kind, TDO::KINDFLOWER);
  EXPECT_EQ(flower, currentFlower);
  EXPECT_EQ(flower->x, 123.5f);
  EXPECT_EQ(flower->y, 0.0f);
  EXPECT_EQ(flower->z, -777.25f);
  EXPECT_EQ(playerCloud->rainTimer, 30);
  EXPECT_EQ(shell::rainCooldown, 20);
  EXPECT_EQ(shell::rainStats.plantings, 1);
  EXPECT_EQ(shell::rainStats.chimes, 1) << "the first planting of a run chimes";
}

TEST(Rain, CooldownSpacesPlantings) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> held;  // [from, to] frames with the button down
    std::vector<int> plantings;
  } cases[] = {
      {"held throughout", {{0, 45}}, {0, 20, 40}},
      {"pressed again during the cooldown", {{0, 0}, {10, 30}}, {0, 20}},
      {"pressed again after the cooldown", {{0, 0}, {26, 26}}, {0, 26}},
      {"never pressed", {}, {}},
  };
  for (const Case& c : cases) {
    RainRig rig;
    std::vector<int> planted;
    for (int frame = 0; frame <= 45; ++frame) {
      bool down = false;
      for (auto [from, to] : c.held) down |= frame >= from && frame <= to;
      down ? rig.input.pressButton(platform::kMouseLeft) : rig.input.releaseButton(platform::kMouseLeft);
      const long before = shell::rainStats.plantings;
      rig.step();
      if (shell::rainStats.plantings != before) planted.push_back(frame);
    }
    EXPECT_EQ(planted, c.plantings) << c.what;
  }
}

TEST(Rain, ChimesOnlyWhenTheGapHasPassedOnAWrappingClock) {
  struct Case {
    uint32_t lastChime, now;
    bool chimes;
  } cases[] = {
      {5000, 6969, false},
      {5000, 6970, true},
      {0xFFFFFC00u, 945, false},  // across the wrap: 1969 ms
      {0xFFFFFC00u, 946, true},   // 1970 ms
      {7000, 5000, false},        // a clock behind the last chime is not a long gap
  };
  for (const Case& c : cases) {
    RainRig rig;
    shell::lastChimeTime = c.lastChime;
    rig.clock.set(c.now);
    rig.input.pressButton(platform::kMouseLeft);
    rig.step();
    EXPECT_EQ(shell::rainStats.plantings, 1);
    EXPECT_EQ(shell::rainStats.chimes, c.chimes ? 1 : 0) << c.lastChime << " -> " << c.now;
    if (c.chimes) {
      EXPECT_EQ(shell::lastChimeTime, c.now);
    }
  }
}

TEST(Rain, NoChimeWithoutAPlanting) {
  RainRig rig;
  for (int i = 0; i < 10; ++i) {
    rig.clock.advance(3000);
    rig.step();
  }
  EXPECT_TRUE(rig.chimes().empty());
}

TEST(Rain, ChimesRotateOverTheChannelsAndTrailOff) {
  RainRig rig;
  rig.input.pressButton(platform::kMouseLeft);
  const auto& ch = shell::chimeChannels;
  const int kChimes = 13;
  for (int n = 0; n < kChimes; ++n) {
    rig.clock.advance(2000);
    shell::rainCooldown = 0;
    rig.step();
    ASSERT_EQ(rig.chimes().size(), static_cast<size_t>(n + 1));
    const int newest = (4 + n) % 10;  // 4, 5, ... 9, 0, 1, ...
    const platform::SilentAudio::Play play = rig.chimes().back();
    EXPECT_EQ(play.channel, ch[newest]) << "chime " << n;
    EXPECT_EQ(play.sound, shell::fx1Sound.get());
    EXPECT_FLOAT_EQ(play.volume, 0.3f) << "chime " << n;
    EXPECT_FLOAT_EQ(rig.audio.volume(ch[(newest + 9) % 10]), 0.15f) << "chime " << n;
    EXPECT_FLOAT_EQ(rig.audio.volume(ch[(newest + 8) % 10]), 0.07f) << "chime " << n;
    EXPECT_FLOAT_EQ(rig.audio.volume(ch[(newest + 7) % 10]), 0.0f) << "chime " << n;
  }
}

TEST(Rain, HeldButtonPlantsEveryTwentiethFrameAndChimesEverySixthPlanting) {
  ShellRig rig;
  rig.startUpQuickly();
  shell::populateWorld(rig.platform);
  std::vector<long> plantFrames, chimeFrames;
  long plantings = 0, chimes = 0;
  shell::FrameHooks hooks;
  hooks.beforeFrame = [&](long frame) {
    if (shell::rainStats.plantings != plantings) plantFrames.push_back(frame - 1);
    if (shell::rainStats.chimes != chimes) chimeFrames.push_back(frame - 1);
    plantings = shell::rainStats.plantings;
    chimes = shell::rainStats.chimes;
    if (frame == 0) rig.input.pressButton(platform::kMouseLeft);
    return frame < 600;
  };
  shell::runFrameLoop(rig.platform, hooks);
  ASSERT_EQ(plantFrames.size(), 30u);
  for (size_t i = 0; i < plantFrames.size(); ++i) EXPECT_EQ(plantFrames[i], 20 * static_cast<long>(i));
  ASSERT_EQ(chimeFrames.size(), 5u);
  for (size_t i = 0; i < chimeFrames.size(); ++i) EXPECT_EQ(chimeFrames[i], 120 * static_cast<long>(i));
}

// The gap is measured from a clock reading taken after the chime started: a
// play that keeps the mixer busy for a few milliseconds delays the next chime
// by as much.
TEST(Rain, TheChimeGapRunsFromAfterThePlay) {
  constexpr uint32_t kPlayMs = 5;
  struct SlowAudio : platform::SilentAudio {
    platform::ManualClock* clock = nullptr;
    void playSound(const std::shared_ptr<platform::Sound>& sound, platform::Channel channel) override {
      clock->advance(kPlayMs);
      SilentAudio::playSound(sound, channel);
    }
  } slow;
  RainRig rig;
  slow.clock = &rig.clock;
  for (int i = 0; i <= shell::kChimeChannelCount; ++i) slow.allocChannel();
  rig.input.pressButton(platform::kMouseLeft);
  auto plantAt = [&](uint32_t now) {
    rig.clock.set(now);
    shell::rainCooldown = 0;
    shell::rainStep(rig.input, slow, rig.clock);
  };
  const uint32_t start = rig.clock.millisecs();
  plantAt(start);
  ASSERT_EQ(slow.plays().size(), 1u);
  EXPECT_EQ(shell::lastChimeTime, start + kPlayMs);
  plantAt(start + 1970);
  EXPECT_EQ(slow.plays().size(), 1u) << "1970 ms after the first reading, 1965 after the second";
  plantAt(start + kPlayMs + 1970);
  EXPECT_EQ(slow.plays().size(), 2u);
}
