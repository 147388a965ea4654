// The camera on a 1024 x 768 screen: which pointer positions push which way,
// keys before the pointer, and the glide that damping gives.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/headless/headless_screen.h"
#include "shell/camera.h"
#include "world/world.h"

namespace {

struct CameraRig {
  explicit CameraRig(int width = 1024, int height = 768) {
    resetWorld();
    std::string error;
    EXPECT_TRUE(screen.open(width, height, 32, 60, 0, error)) << error;
  }
  ~CameraRig() { resetWorld(); }
  void step() { shell::moveCamera(screen, input); }

  platform::ManualClock clock;
  platform::Input input;
  platform::HeadlessScreen screen{clock, input};
};

// One frame's push along x and z, in steps: +1, 0 or -1.
struct Push {
  int x, z;
};

void expectOneFrame(const Push& p, const std::string& what) {
  EXPECT_EQ(camX, p.x * 0.2f) << what;
  EXPECT_EQ(camZ, p.z * 0.2f) << what;
  EXPECT_EQ(camXv, p.x * 0.2f * 0.93f) << what;
  EXPECT_EQ(camZv, p.z * 0.2f * 0.93f) << what;
  EXPECT_EQ(camY, 96.0f) << what;
}

}  // namespace

TEST(Camera, PointerZonesOnTheFullScreen) {
  struct Case {
    int x, y;
    Push push;
  } cases[] = {
      {512, 384, {0, 0}},    // the centre: no zone, and y 384 is not in the top zone
      {204, 500, {+1, 0}},   {205, 500, {0, 0}},    // left zone ends at 204
      {820, 500, {-1, 0}},   {819, 500, {0, 0}},    // right zone starts at 820
      {512, 383, {0, -1}},   {512, 0, {0, -1}},     // top zone: the whole upper half
      {512, 615, {0, +1}},   {512, 614, {0, 0}},    // bottom zone starts at 615
      {0, 0, {+1, -1}},      {1023, 767, {-1, +1}}, // corners are in two zones at once
  };
  for (const Case& c : cases) {
    CameraRig rig;
    rig.input.movePointer(c.x, c.y);
    rig.step();
    expectOneFrame(c.push, "pointer " + std::to_string(c.x) + "," + std::to_string(c.y));
  }
}

// The bounds follow the size of the open screen; where a bound falls on a
// whole pixel, the strict comparison leaves that pixel out of the zone.
TEST(Camera, PointerZonesFollowTheScreenSize) {
  struct Case {
    int width, height, x, y;
    Push push;
  } cases[] = {
      {1000, 1000, 199, 700, {+1, 0}}, {1000, 1000, 200, 700, {0, 0}},
      {1000, 1000, 800, 700, {0, 0}},  {1000, 1000, 801, 700, {-1, 0}},
      {1000, 1000, 500, 499, {0, -1}}, {1000, 1000, 500, 500, {0, 0}},
      {1000, 1000, 500, 800, {0, 0}},  {1000, 1000, 500, 801, {0, +1}},
      {640, 480, 127, 300, {+1, 0}},   {640, 480, 128, 300, {0, 0}},
      {640, 480, 320, 239, {0, -1}},   {640, 480, 320, 240, {0, 0}},
      {640, 480, 320, 384, {0, 0}},    {640, 480, 320, 385, {0, +1}},
  };
  for (const Case& c : cases) {
    CameraRig rig(c.width, c.height);
    rig.input.movePointer(c.x, c.y);
    rig.step();
    expectOneFrame(c.push, std::to_string(c.width) + "x" + std::to_string(c.height) + " pointer " +
                               std::to_string(c.x) + "," + std::to_string(c.y));
  }
}

TEST(Camera, KeysComeBeforeTheirPointerZone) {
  struct Case {
    const char* what;
    std::vector<int> keys;
    int x, y;
    Push push;
  } cases[] = {
      {"left arrow with the pointer in the left zone", {37}, 10, 500, {+1, 0}},
      {"up arrow with the pointer in the sky", {38}, 512, 10, {0, -1}},
      {"down arrow with the pointer at the bottom", {40}, 512, 700, {0, +1}},
      {"left and right arrows cancel", {37, 39}, 512, 500, {0, 0}},
      {"right arrow against the pointer's left zone", {39}, 10, 500, {0, 0}},
      {"all four arrows", {37, 38, 39, 40}, 512, 500, {0, 0}},
  };
  for (const Case& c : cases) {
    CameraRig rig;
    for (int key : c.keys) rig.input.pressKey(key);
    rig.input.movePointer(c.x, c.y);
    rig.step();
    expectOneFrame(c.push, c.what);
  }
}

TEST(Camera, GlidesToRestAndKeepsItsHeight) {
  CameraRig rig;
  camXv = 2.0f;
  camZv = -1.0f;
  for (int frame = 0; frame < 200; ++frame) {
    const float before = camXv;
    rig.step();
    ASSERT_NEAR(camXv / before, 0.93, 1e-6) << "frame " << frame;
  }
  EXPECT_LT(std::abs(camXv), 1e-5f);
  EXPECT_LT(std::abs(camZv), 1e-5f);
  EXPECT_NEAR(camX, 2.0 / (1 - 0.93), 1e-3) << "the glide's whole distance";
  EXPECT_EQ(camY, 96.0f);
  EXPECT_EQ(camYv, 0.0f);
}

// No input drives camYv, yet height moves and damps like the other axes.
TEST(Camera, MovesThenDampsOnAllThreeAxes) {
  CameraRig rig;
  camXv = 1.0f;
  camYv = 2.0f;
  camZv = -4.0f;
  rig.step();  // the pointer rests at the centre: no push
  EXPECT_EQ(camX, 1.0f);
  EXPECT_EQ(camY, 98.0f);
  EXPECT_EQ(camZ, -4.0f);
  EXPECT_EQ(camXv, 1.0f * 0.93f);
  EXPECT_EQ(camYv, 2.0f * 0.93f);
  EXPECT_EQ(camZv, -4.0f * 0.93f);
}

TEST(Camera, AHeldDirectionApproachesItsTopSpeed) {
  CameraRig rig;
  rig.input.pressKey(platform::kKeyLeft);
  float lastX = 0;
  for (int frame = 0; frame < 300; ++frame) {
    lastX = camX;
    rig.step();
  }
  EXPECT_NEAR(camX - lastX, 0.2 / (1 - 0.93), 1e-3) << "distance in the last frame";
  EXPECT_EQ(camZ, 0.0f);
}
