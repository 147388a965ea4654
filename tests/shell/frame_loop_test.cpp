// The frame loop on the real shell: population, the sky, the frame's order of
// drawing, and the ways the loop ends.
#include <gtest/gtest.h>

#include <string>

#include "shell/frame_loop.h"
#include "shell/population.h"
#include "shell/rain.h"
#include "shell/startup.h"
#include "shell_rig.h"
#include "world/world.h"

using namespace shelltest;
using platform::DrawCommand;

namespace {

struct LoopRig : ShellRig {
  LoopRig() {
    startUpQuickly();
    shell::populateWorld(platform);
  }
  // Runs at most `frames` frames; returns how many ran.
  long run(long frames, std::function<void(long)> before = nullptr) {
    shell::FrameHooks hooks;
    hooks.beforeFrame = [&](long frame) {
      if (frame >= frames) return false;
      if (before) before(frame);
      return true;
    };
    return shell::runFrameLoop(platform, hooks);
  }
};

}  // namespace

TEST(Population, TwoHundredAndOneBeesThenTheCloud) {
  LoopRig rig;
  ASSERT_TRUE(worldList);
  ASSERT_EQ(worldList->size(), 202u);
  for (size_t i = 0; i < 201; ++i) EXPECT_EQ((*worldList)[i]->kind, TDO::KINDBEE) << i;
  EXPECT_EQ(worldList->back(), playerCloud);
  EXPECT_EQ(playerCloud->kind, TDO::KINDCLOUD);
  EXPECT_EQ(shell::lastChimeTime, rig.clock.millisecs() - 2000);
  EXPECT_EQ(worldServices.screen, &rig.screen);
  EXPECT_EQ(worldServices.input, &rig.input);
  EXPECT_EQ(worldServices.clock, &rig.clock);
}

TEST(FrameLoop, PaintsTheSkyOverTheTopHalfThenTheWorldInItsOwnColours) {
  LoopRig rig;
  rig.run(1);
  const std::vector<DrawCommand>& frame = rig.screen.lastFrame();
  ASSERT_GE(frame.size(), 3u);
  EXPECT_EQ(frame[0].kind, DrawCommand::kCls);
  EXPECT_EQ(frame[0].state.clsColor.r, 240);
  EXPECT_EQ(frame[0].state.clsColor.g, 60);
  EXPECT_EQ(frame[0].state.clsColor.b, 150);

  const DrawCommand& sky = frame[1];
  ASSERT_EQ(sky.kind, DrawCommand::kRect);
  EXPECT_EQ(sky.state.color.r, 100);
  EXPECT_EQ(sky.state.color.g, 200);
  EXPECT_EQ(sky.state.color.b, 255);
  EXPECT_EQ(sky.state.alpha, 1.0f);
  // In screen pixels: rows 0 to 383, the full width.
  EXPECT_EQ(sky.x + sky.state.originX, 0.0f);
  EXPECT_EQ(sky.y + sky.state.originY, 0.0f);
  EXPECT_EQ(sky.w * sky.state.scaleX, 1024.0f);
  EXPECT_EQ(sky.h * sky.state.scaleY, 384.0f);

  int images = 0;
  for (size_t i = 2; i < frame.size(); ++i) {
    EXPECT_EQ(frame[i].kind, DrawCommand::kImage);
    EXPECT_EQ(frame[i].state.color.r + frame[i].state.color.g + frame[i].state.color.b, 765);
    ++images;
  }
  EXPECT_GT(images, 0) << "the world drew nothing";
}

TEST(FrameLoop, EscapeEndsTheLoopAfterTheFrameItWasSeenIn) {
  struct Case {
    const char* what;
    long pressBefore;  // -1: during the title
    long framesRun;
  } cases[] = {
      {"Escape during the title", -1, 1},
      {"Escape before frame 0", 0, 1},
      {"Escape before frame 4", 4, 5},
  };
  for (const Case& c : cases) {
    ShellRig rig;
    rig.screen.afterFlip = [&](long presents) {
      if (presents != 1) return;
      rig.input.pressKey(platform::kKeySpace);
      if (c.pressBefore < 0) rig.input.pressKey(platform::kKeyEscape);
    };
    std::string error;
    ASSERT_TRUE(shell::startUp(rig.platform, error)) << error;
    shell::populateWorld(rig.platform);
    const long presentsBefore = rig.screen.presents();
    shell::FrameHooks hooks;
    hooks.beforeFrame = [&](long frame) {
      if (frame == c.pressBefore) rig.input.pressKey(platform::kKeyEscape);
      return frame < 100;
    };
    EXPECT_EQ(shell::runFrameLoop(rig.platform, hooks), c.framesRun) << c.what;
    EXPECT_EQ(rig.screen.presents() - presentsBefore, c.framesRun) << c.what << ": last frame presented";
  }
}

TEST(FrameLoop, RunsAtSixtyFramesASecondOnTheClock) {
  LoopRig rig;
  const uint32_t start = rig.clock.millisecs();
  rig.run(120);
  EXPECT_EQ(rig.clock.millisecs() - start, 2000u);
}

TEST(FrameLoop, TheCameraMovesAfterTheWorldIsDrawn) {
  LoopRig rig;
  std::vector<float> camXSeenByFrame;
  shell::FrameHooks hooks;
  hooks.beforeFrame = [&](long frame) {
    if (frame == 0) rig.input.pressKey(platform::kKeyLeft);
    return frame < 3;
  };
  hooks.afterWorld = [&] { camXSeenByFrame.push_back(camX); };
  shell::runFrameLoop(rig.platform, hooks);
  ASSERT_EQ(camXSeenByFrame.size(), 3u);
  EXPECT_EQ(camXSeenByFrame[0], 0.0f) << "the first frame's world sees the camera unmoved";
  EXPECT_EQ(camXSeenByFrame[1], 0.2f);
  EXPECT_GT(camX, camXSeenByFrame[2]);
}

TEST(FrameLoop, SkyIsMeasuredInWholeNumberHalvesAtScaleOne) {
  struct Case {
    int width, height;
    float x, y, w, h;  // relative to the origin
  } cases[] = {
      {1024, 768, -512, -384, 1024, 384},
      {1025, 767, -512, -383, 1025, 383},  // odd sizes: the halves truncate
  };
  for (const Case& c : cases) {
    platform::ManualClock clock;
    platform::Input input;
    platform::HeadlessScreen screen{clock, input};
    std::string error;
    ASSERT_TRUE(screen.open(c.width, c.height, 32, 60, 0, error)) << error;
    screen.setRecording(true);
    screen.setScale(-3.5f, 3.5f);  // as the world's last object may leave it
    shell::drawSky(screen);
    ASSERT_EQ(screen.currentFrame().size(), 1u);
    const DrawCommand& sky = screen.currentFrame()[0];
    EXPECT_EQ(sky.x, c.x) << c.width << "x" << c.height;
    EXPECT_EQ(sky.y, c.y) << c.width << "x" << c.height;
    EXPECT_EQ(sky.w, c.w) << c.width << "x" << c.height;
    EXPECT_EQ(sky.h, c.h) << c.width << "x" << c.height;
    EXPECT_EQ(sky.state.scaleX, 1.0f);
    EXPECT_EQ(sky.state.scaleY, 1.0f);
  }
}

// The rain step comes after the world's pass: a flower planted in a frame is
// placed under the cloud as the pass left it, and only the next pass updates
// and draws it.
TEST(FrameLoop, APlantedFlowerIsFirstUpdatedAndDrawnInTheNextFrame) {
  LoopRig rig;
  auto flowersDrawn = [&] {
    int drawn = 0;
    for (const DrawCommand& c : rig.screen.lastFrame())
      for (const auto* flower : {&flower01Image, &flower02Image, &flower03Image, &flower04Image})
        drawn += c.kind == DrawCommand::kImage && c.image == flower->get();
    return drawn;
  };
  rig.input.pressButton(platform::kMouseLeft);
  rig.run(1);
  ASSERT_EQ(shell::rainStats.plantings, 1);
  ASSERT_EQ(worldList->back(), currentFlower);
  EXPECT_EQ(currentFlower->x, playerCloud->x);
  EXPECT_EQ(currentFlower->z, playerCloud->z);
  EXPECT_EQ(currentFlower->flipTimer, 0) << "not yet handled by a pass";
  EXPECT_EQ(flowersDrawn(), 0);

  rig.input.releaseButton(platform::kMouseLeft);
  rig.run(1);
  EXPECT_EQ(currentFlower->flipTimer, -1) << "handled once";
  EXPECT_EQ(flowersDrawn(), 1);
}
