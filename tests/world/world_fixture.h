// A deterministic headless meadow for the world's tests: a seeded random
// service, a clock set by hand, a recording screen of 1024 x 768 with its
// origin at the centre, a plain input for the pointer, and stand-in pictures
// with the catalogue's cell sizes, counts and handles (blank pixels: only
// their shape matters here).
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/headless/headless_screen.h"
#include "platform/image.h"
#include "platform/input.h"
#include "platform/random.h"
#include "world/world.h"

namespace world_test {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int32_t kNoBehaviour = 99;  // a kind outside 0..4: drawn, never updated

struct StandInPictures {
  std::shared_ptr<platform::Image> bee, bee2, seed, cloud, flower[4], tree2, grass, bush;
};

inline std::shared_ptr<platform::Image> grid(int w, int h, int cellW, int cellH, int count,
                                             float handleX, float handleY) {
  auto image = platform::cutImage(platform::Pixels(w, h), cellW, cellH, 0, count, 0);
  image->setHandle(handleX, handleY);
  return image;
}

inline std::shared_ptr<platform::Image> single(int w, int h, float handleX, float handleY) {
  auto image = platform::makeImage(platform::Pixels(w, h), 0);
  image->setHandle(handleX, handleY);
  return image;
}

inline const StandInPictures& standInPictures() {
  static const StandInPictures pictures = [] {
    StandInPictures p;
    p.bee = grid(28, 3, 4, 3, 7, 2, 2);
    p.bee2 = single(16, 12, 8, 12);
    p.seed = single(1, 1, 0, 0);
    p.cloud = grid(72, 24, 18, 24, 4, 9, 24);
    for (auto& f : p.flower) f = grid(72, 18, 9, 18, 8, 4, 18);
    p.tree2 = grid(644, 496, 46, 62, 112, 23, 62);
    p.grass = grid(88, 8, 11, 8, 8, 6, 8);
    p.bush = grid(210, 12, 21, 12, 10, 10, 12);
    return p;
  }();
  return pictures;
}

inline bool inWorld(const TDOPtr& object) {
  for (const TDOPtr& o : *worldList) {
    if (o == object) return true;
  }
  return false;
}

inline int countKind(int32_t kind) {
  int n = 0;
  for (const TDOPtr& o : *worldList) n += o->kind == kind;
  return n;
}

class WorldTest : public ::testing::Test {
 protected:
  static constexpr int32_t kSeed = 20240611;

  void SetUp() override {
    resetWorld();
    const StandInPictures& p = standInPictures();
    beeImage = p.bee, bee2Image = p.bee2, seedImage = p.seed, cloudImage = p.cloud;
    flower01Image = p.flower[0], flower02Image = p.flower[1];
    flower03Image = p.flower[2], flower04Image = p.flower[3];
    tree2Image = p.tree2, grassImage = p.grass, bushImage = p.bush;
    platform::seedRandom(kSeed);
    std::string error;
    ASSERT_TRUE(screen_.open(kScreenWidth, kScreenHeight, 32, 60, 0, error)) << error;
    screen_.setOrigin(kScreenWidth / 2.0f, kScreenHeight / 2.0f);
    screen_.setRecording(true);
    worldServices = {&screen_, &input_, &clock_};
  }

  void TearDown() override { resetWorld(); }

  // Runs one world pass and gives the draws it made.
  std::vector<platform::DrawCommand> renderFrame() {
    const size_t before = screen_.currentFrame().size();
    EXPECT_EQ(TDO::render(), 0);
    const auto& all = screen_.currentFrame();
    return {all.begin() + static_cast<std::ptrdiff_t>(before), all.end()};
  }

  // A new object of `kind` at a chosen place, at rest.
  static TDOPtr makeAt(int32_t kind, float x, float y, float z) {
    TDOPtr object = TDO::New();
    object->kind = kind;
    object->x = x, object->y = y, object->z = z;
    return object;
  }

  platform::ManualClock clock_;
  platform::Input input_;
  platform::HeadlessScreen screen_{clock_, input_};
};

}  // namespace world_test
