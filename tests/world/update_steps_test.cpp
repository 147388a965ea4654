// One update at a time, checked to the last bit: the steps of each kind's
// update run in a fixed order (steer, damp, move; jitter before motion; the
// floor lift after it), and every random draw advances the one shared
// generator, so a step or a draw out of place shows here as a wrong number.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "world_fixture.h"

namespace world_test {
namespace {

using UpdateStepsTest = WorldTest;

// A seed under which the next "1 in N" draws come out as listed (hit or miss).
int32_t seedGiving(std::initializer_list<std::pair<int, bool>> chances) {
  constexpr int32_t kMaxSeed = 50'000'000;
  for (int32_t seed = 1; seed < kMaxSeed; ++seed) {
    platform::seedRandom(seed);
    bool matches = true;
    for (const auto& [oneIn, hit] : chances) {
      matches = matches && ((platform::randomInt(oneIn, 1) == 1) == hit);
    }
    if (matches) return seed;
  }
  ADD_FAILURE() << "no seed gives those draws";
  return 1;
}

// True when `value` is `base` moved by a jitter of -1, 0 or 1 and then by `velocity`.
bool jitteredThenMoved(float value, float base, float velocity) {
  for (float jitter : {-1.0f, 0.0f, 1.0f}) {
    if (value == (base + jitter) + velocity) return true;
  }
  return false;
}

// [cloud] -------------------------------------------------------------------

TEST_F(UpdateStepsTest, CloudSteersThenDampsThenMoves) {
  input_.movePointer(kScreenWidth / 2, kScreenHeight / 2);  // target (0, 64, -500)
  TDOPtr cloud = makeAt(TDO::KINDCLOUD, 100, 64, -600);
  cloud->yv = 1.0f;  // level with the target: only damped
  renderFrame();
  const float xv = (0.0f - 2.1f) * 0.9f, yv = 1.0f * 0.9f, zv = (0.0f + 2.1f) * 0.9f;
  EXPECT_EQ(cloud->xv, xv);
  EXPECT_EQ(cloud->yv, yv);
  EXPECT_EQ(cloud->zv, zv);
  EXPECT_EQ(cloud->x, 100.0f + xv);
  EXPECT_EQ(cloud->y, 64.0f + yv);
  EXPECT_EQ(cloud->z, -600.0f + zv);
}

// [bee] ---------------------------------------------------------------------

TEST_F(UpdateStepsTest, BeeSteersJittersDampsMovesAndIsLiftedAfterwards) {
  constexpr float kSteered = 0.2f * 0.98f;
  struct Case {
    const char* name;
    float x, y, z;
    float xv, yv, zv;
    bool following;  // toward a still target at (0, 0, -1000)
    float xvAfter, yvAfter, zvAfter;
    float yvMoved;  // the height velocity this update's motion used
  } cases[] = {
      {"drifting", 0, 500, -1000, 1, 0, 1, false, 0.98f, 0, 0.98f, 0},
      // The lift comes after the motion: the bee sinks this update, rises the next.
      {"under the floor", 0, 20, -1000, 0, -1, 0, false, 0, -0.98f + 2.0f, 0, -0.98f},
      {"above and behind the band", 300, 300, -1300, 0, 0, 0, true, -kSteered, -kSteered, kSteered,
       -kSteered},
      {"below and in front of it", -300, 40, -700, 0, 0, 0, true, kSteered, kSteered, -kSteered,
       kSteered},
      {"level with the target across", 0, 300, -1000, 0, 0, 0, true, 0, -kSteered, 0, -kSteered},
  };
  for (const Case& c : cases) {
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    TDOPtr target = makeAt(kNoBehaviour, 0, 0, -1000);
    TDOPtr bee = makeAt(TDO::KINDBEE, c.x, c.y, c.z);
    bee->xv = c.xv, bee->yv = c.yv, bee->zv = c.zv;
    if (c.following) bee->following = 1, bee->followTDO = target;
    currentFlower = c.following ? target : nullptr;  // a chance pick changes nothing
    renderFrame();
    SCOPED_TRACE(c.name);
    EXPECT_FLOAT_EQ(bee->xv, c.xvAfter);
    EXPECT_FLOAT_EQ(bee->yv, c.yvAfter);
    EXPECT_FLOAT_EQ(bee->zv, c.zvAfter);
    EXPECT_TRUE(jitteredThenMoved(bee->x, c.x, bee->xv)) << bee->x;
    EXPECT_TRUE(jitteredThenMoved(bee->y, c.y, c.yvMoved)) << bee->y;
    EXPECT_EQ(bee->z, c.z + bee->zv) << "depth gets no jitter";
  }
}

TEST_F(UpdateStepsTest, DroppedSeedStartsWhereTheBeeStoodWithItsColour) {
  seedBudget = 1;
  TDOPtr bee = makeAt(TDO::KINDBEE, 37, 412, -650);  // the last entry: the seed waits a frame
  bee->xv = 3, bee->yv = -2, bee->zv = 1.5f;
  bee->frame = 5;
  renderFrame();
  ASSERT_EQ(worldList->size(), 2u);
  const TDOPtr& seed = worldList->back();
  EXPECT_EQ(seed->kind, TDO::KINDSEED);
  EXPECT_EQ(seed->image, seedImage);
  EXPECT_EQ(seed->x, 37.0f);
  EXPECT_EQ(seed->y, 412.0f);
  EXPECT_EQ(seed->z, -650.0f);
  EXPECT_EQ(seed->yv, 0.0f) << "at rest";
  EXPECT_EQ(seed->seedType, 5);
  EXPECT_EQ(seedBudget, 0);
  EXPECT_EQ(seedDropTimer, 300);
  EXPECT_NE(bee->z, -650.0f) << "the bee itself moved on";
}

// [flower] ------------------------------------------------------------------

// A dying flower can still catch the bees' eye: it becomes current in its
// last update, and a bee that picks it then drops its old target and does not
// steer at all in that update.
TEST_F(UpdateStepsTest, FlowerMayBecomeCurrentInTheUpdateItDies) {
  TDOPtr dying = TDO::New();
  dying->flowerMe();
  dying->x = -400, dying->z = -2000, dying->lifeTimer = 0, dying->deathCounter = 1;
  TDOPtr newer = TDO::New();
  newer->flowerMe();
  newer->x = 500, newer->z = -3000;  // updated first
  TDOPtr bee = makeAt(TDO::KINDBEE, 0, 500, -1000);
  bee->following = 1, bee->followTDO = newer;
  ASSERT_EQ(currentFlower, newer);

  // The pass draws, in list order: newer's attraction, dying's attraction, the bee's pick.
  platform::seedRandom(seedGiving({{200, false}, {200, true}, {300, true}}));
  renderFrame();

  EXPECT_EQ(dying->killMe, 1);
  EXPECT_EQ(currentFlower, dying);
  EXPECT_EQ(bee->followTDO, dying);
  EXPECT_EQ(bee->following, 0);
  EXPECT_EQ(bee->xv, 0.0f) << "steered toward neither flower";
  EXPECT_EQ(bee->zv, 0.0f);
}

// [foliage] -----------------------------------------------------------------

TEST_F(UpdateStepsTest, FoliageGrowsWithersAndSproutsAPlainTreeNearby) {
  struct Case {
    const char* name;
    std::shared_ptr<platform::Image>* image;
    int32_t maxFrame, frameOffset;
  } cases[] = {
      {"tree of variant 6", &tree2Image, 13, 6 * 14},
      {"bush", &bushImage, 9, 0},
      {"grass", &grassImage, 7, 0},
  };
  constexpr int kGrowingUpdates = 90;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    TDOPtr plant = makeAt(TDO::KINDFOLIAGE, 250, 0, -900);
    plant->image = *c.image, plant->maxFrame = c.maxFrame, plant->frameOffset = c.frameOffset;
    plant->seedType = 6;
    for (int update = 1; update <= kGrowingUpdates; ++update) {
      const auto draws = renderFrame();
      ASSERT_EQ(draws.size(), 1u);
      ASSERT_EQ(draws[0].frame, c.frameOffset + std::min(c.maxFrame, update / 6)) << update;
    }
    foliageCount = 1001;  // crowded: this plant starts withering
    for (int32_t left = 30; left >= 1; --left) {
      const int32_t stateBefore = platform::randomState();
      const auto draws = renderFrame();
      ASSERT_EQ(draws[0].frame, c.frameOffset + left * c.maxFrame / 30) << left;
      ASSERT_EQ(plant->killMe, left == 1 ? 1 : 0) << left;
      if (left > 1) continue;
      // The replacement: made, set up as variant 0, then moved across and then in depth.
      ASSERT_EQ(worldList->size(), 1u);
      const TDOPtr& sprout = worldList->back();
      platform::seedRandom(stateBefore);
      for (int i = 0; i < 3; ++i) platform::randomFraction();  // its random place
      platform::randomInt(0, 10);                             // its foliage picture
      const double across = platform::randomReal(-2000, 2000);
      const double depth = platform::randomReal(-2000, 2000);
      EXPECT_EQ(sprout->kind, TDO::KINDFOLIAGE);
      EXPECT_EQ(sprout->seedType, 0);
      EXPECT_EQ(sprout->y, 0.0f);
      EXPECT_EQ(sprout->x, static_cast<float>(250.0 + across));
      EXPECT_EQ(sprout->z, static_cast<float>(-900.0 + depth));
      EXPECT_EQ(foliageCount, 1001);
    }
  }
}

}  // namespace
}  // namespace world_test
