#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "world_fixture.h"

namespace world_test {
namespace {

using BehaviourTest = WorldTest;

// [flower] ------------------------------------------------------------------

TEST_F(BehaviourTest, UnvisitedFlowerGrowsThenWithersThroughItsCellsAndDies) {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->x = 100, flower->z = -400;
  const int witheringCells[30] = {6, 6, 6, 6, 5, 5, 5, 5, 5, 4, 4, 4, 4, 3, 3,
                                  3, 3, 2, 2, 2, 2, 2, 1, 1, 1, 1, 0, 0, 0, 0};
  for (int update = 1; update <= 1629; ++update) {
    const auto draws = renderFrame();
    ASSERT_EQ(draws.size(), 1u) << "update " << update;
    const int expected = update < 1600 ? std::min(7, update / 6) : witheringCells[update - 1600];
    ASSERT_EQ(draws[0].frame, expected) << "update " << update;
    ASSERT_EQ(flower->killMe, update == 1629 ? 1 : 0) << "update " << update;
  }
  EXPECT_EQ(seedBudget, 1);
  EXPECT_FALSE(inWorld(flower));
  EXPECT_TRUE(renderFrame().empty());
}

// [seed] --------------------------------------------------------------------

// The starting fall speed whose first step gives exactly `target` after drag.
float fallSpeedReaching(float target) {
  float yv = target / 0.98f + 1.0f;
  for (int i = 0; i < 64 && (yv - 1.0f) * 0.98f != target; ++i) {
    yv = std::nextafter(yv, (yv - 1.0f) * 0.98f < target ? 0.0f : -10.0f);
  }
  EXPECT_EQ((yv - 1.0f) * 0.98f, target);
  return yv;
}

TEST_F(BehaviourTest, SeedsFallBounceAndTakeRoot) {
  const float exactlyLanding = fallSpeedReaching(-3.0f);
  const float justTooFast = std::nextafter(exactlyLanding, -10.0f);
  struct Case {
    const char* name;
    float y, yv;
    int landsInUpdate;
    int bouncesInUpdate;  // 0: never
  } cases[] = {
      {"at rest at 0.5", 0.5f, 0.0f, 1, 0},
      {"at rest at 64", 64.0f, 0.0f, 13, 12},
      {"reaching the ground at exactly -3", 0.001f, exactlyLanding, 1, 0},
      {"reaching the ground just below -3", 0.001f, justTooFast, 2, 1},
  };
  for (const Case& c : cases) {
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    TDOPtr seed = TDO::New();
    seed->seedMe();
    seed->x = 12, seed->y = c.y, seed->z = -700, seed->yv = c.yv, seed->seedType = 5;
    for (int update = 1; update <= c.landsInUpdate; ++update) {
      renderFrame();
      SCOPED_TRACE(std::string(c.name) + ", update " + std::to_string(update));
      if (update == c.bouncesInUpdate) {
        EXPECT_LE(seed->y, 0.0f);
        EXPECT_GT(seed->yv, 2.1f) << "thrown back up";
      }
      ASSERT_EQ(seed->killMe, update == c.landsInUpdate ? 1 : 0);
    }
    EXPECT_GE(seed->yv, -3.0f) << c.name;
    ASSERT_EQ(countKind(TDO::KINDFOLIAGE), 1) << c.name;
    for (const TDOPtr& o : *worldList) {
      if (o->kind != TDO::KINDFOLIAGE) continue;
      EXPECT_EQ(o->x, 12.0f);
      EXPECT_EQ(o->z, -700.0f);
      EXPECT_EQ(o->y, 0.0f);
      EXPECT_EQ(o->seedType, 5);
    }
  }
}

TEST_F(BehaviourTest, SeedFromHeight64MatchesTheWorkedNumbers) {
  TDOPtr seed = TDO::New();
  seed->seedMe();
  seed->y = 64, seed->z = -700;
  for (int i = 0; i < 11; ++i) renderFrame();
  EXPECT_GT(seed->y, 0.0f);
  renderFrame();
  EXPECT_NEAR(seed->y, -7.1f, 0.05f);
  EXPECT_NEAR(seed->yv, 10.55f * 0.7f, 0.01f);
  renderFrame();
  EXPECT_EQ(seed->killMe, 1);
  EXPECT_LT(seed->y, 0.0f) << "lands still below ground";
  EXPECT_GT(seed->yv, 0.0f) << "and moving up";
}

// [foliage] -----------------------------------------------------------------

int witheringFoliage() {
  int n = 0;
  for (const TDOPtr& o : *worldList) n += o->kind == TDO::KINDFOLIAGE && o->deathCounter > 0;
  return n;
}

TEST_F(BehaviourTest, CrowdedMeadowWithersOneFoliageAtATimeWithoutEnd) {
  std::vector<TDOPtr> plants;
  for (int i = 0; i < 5; ++i) {
    TDOPtr plant = TDO::New();
    plant->foliageMe(0);
    plant->z = -1000.0f * (i + 1);  // sorted order: the last made comes first
    plants.push_back(plant);
  }
  foliageCount = 1001;
  renderFrame();
  EXPECT_EQ(foliageCount, 1000);
  EXPECT_EQ(plants[4]->deathCounter, 29) << "the first foliage updated starts withering";
  EXPECT_EQ(witheringFoliage(), 1);

  for (int pass = 2; pass < 30; ++pass) renderFrame();
  EXPECT_EQ(plants[4]->killMe, 0);
  renderFrame();
  EXPECT_EQ(plants[4]->killMe, 1) << "dies in its 30th withering update";
  EXPECT_EQ(plants[3]->deathCounter, 29) << "the next foliage updated takes over";

  int deaths = 0;
  for (int pass = 31; pass <= 400; ++pass) {
    std::vector<TDOPtr> before;
    for (const TDOPtr& o : *worldList) before.push_back(o);
    renderFrame();
    for (const TDOPtr& o : before) deaths += !inWorld(o);
    ASSERT_EQ(countKind(TDO::KINDFOLIAGE), 5) << "every death leaves a replacement";
    ASSERT_LE(witheringFoliage(), 1) << "pass " << pass;
    ASSERT_TRUE(foliageCount == 1000 || (foliageCount == 1001 && witheringFoliage() == 0))
        << "pass " << pass;
  }
  EXPECT_GE(deaths, 11) << "about one every 30 passes";
}

// [bee] ---------------------------------------------------------------------

TEST_F(BehaviourTest, BeeWithNoFlowerInTheWorldPicksNothingAndDoesNotSteer) {
  TDOPtr bee = makeAt(TDO::KINDBEE, 0, 5000, -800);  // high above the floor lift
  int pass = 0;
  for (; pass < 3000 && bee->following == 0; ++pass) renderFrame();
  ASSERT_EQ(bee->following, 1) << "a pick happens about once in 300 frames";
  for (int i = 0; i < 100; ++i) renderFrame();
  EXPECT_EQ(bee->followTDO, nullptr);
  EXPECT_EQ(bee->xv, 0.0f);
  EXPECT_EQ(bee->yv, 0.0f);
  EXPECT_EQ(bee->zv, 0.0f);
}

TEST_F(BehaviourTest, VisitingBeesUseUpAFlowersLifeWhateverTheirHeight) {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->x = 0, flower->z = -1000, flower->lifeTimer = 1000;
  struct Case {
    float x, y, z;
    float xv;  // closeness is judged before this update's motion
    bool visits;
  } bees[] = {
      {5, 150, -995, 0, true},
      {-19.5f, 4000, -1019.5f, 0, true},  // straight above counts
      {20, 150, -1000, 0, false},         // the reach is strictly under 20
      {0, 150, -980, 0, false},
      {19, 150, -1000, 40, true},    // leaving, but still in reach when judged
      {40, 150, -1000, -40, false},  // arriving, but not yet in reach
  };
  int32_t visitors = 0;
  for (const Case& c : bees) {
    TDOPtr bee = makeAt(TDO::KINDBEE, c.x, c.y, c.z);
    bee->xv = c.xv;
    bee->following = 1, bee->followTDO = flower;
    visitors += c.visits;
  }
  renderFrame();
  EXPECT_EQ(flower->lifeTimer, 1000 - 1 - 2 * visitors);
}

TEST_F(BehaviourTest, BeesStopFollowingADeadFlowerAtTheirNextUpdate) {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->z = -1000, flower->lifeTimer = 0, flower->deathCounter = 1;  // dies this pass
  TDOPtr before = makeAt(TDO::KINDBEE, 0, 500, -2000);                 // updated before the flower
  TDOPtr after = makeAt(TDO::KINDBEE, 0, 500, -500);                   // updated after it
  for (const TDOPtr& bee : {before, after}) bee->following = 1, bee->followTDO = flower;
  renderFrame();
  EXPECT_EQ(flower->killMe, 1);
  EXPECT_EQ(before->following, 1) << "it read the flower before it died";
  EXPECT_EQ(after->following, 0) << "same pass";
  renderFrame();
  EXPECT_EQ(before->following, 0) << "next pass";
  EXPECT_EQ(before->followTDO, flower) << "the bee still holds it";
}

int seedsDropped() { return countKind(TDO::KINDSEED) + countKind(TDO::KINDFOLIAGE); }

TEST_F(BehaviourTest, BeesPayOutOwedSeedsOneEvery300BeeUpdates) {
  for (int i = 0; i < 10; ++i) {
    TDOPtr bee = makeAt(TDO::KINDBEE, 100.0f * i, 1000, -900 - i);
    bee->frame = 4;
  }
  renderFrame();
  EXPECT_EQ(seedsDropped(), 0) << "nothing is owed";
  seedBudget = 3;
  struct Step {
    int throughPass;
    int dropped;
  } steps[] = {{1, 1}, {30, 1}, {31, 2}, {60, 2}, {61, 3}, {400, 3}};
  int pass = 0;
  for (const Step& s : steps) {
    while (pass < s.throughPass) renderFrame(), ++pass;
    EXPECT_EQ(seedsDropped(), s.dropped) << "after pass " << pass;
  }
  EXPECT_EQ(seedBudget, 0);
  EXPECT_EQ(countKind(TDO::KINDFOLIAGE), 3) << "every seed has landed by now";
  for (const TDOPtr& o : *worldList) {
    if (o->kind == TDO::KINDFOLIAGE) {
      EXPECT_EQ(o->seedType, 4) << "the orange bee's variant";
    }
  }
}

TEST_F(BehaviourTest, FollowedCloudsLifeCountStopsAtTheSmallestWholeNumber) {
  playerCloud = makeAt(TDO::KINDCLOUD, 0, 64, -500);  // resting on its target (pointer centred)
  playerCloud->lifeTimer = std::numeric_limits<int32_t>::min() + 3;
  TDOPtr bee = makeAt(TDO::KINDBEE, 0, 214, -500);
  bee->following = 1, bee->followTDO = playerCloud;
  for (int i = 0; i < 4; ++i) renderFrame();  // overflow would stop the sanitizer build here
  EXPECT_EQ(playerCloud->lifeTimer, std::numeric_limits<int32_t>::min());
}

// [cloud] -------------------------------------------------------------------

TEST_F(BehaviourTest, CloudAimsAtThePointUnderThePointer) {
  struct Case {
    int mouseX, mouseY;
    float camX, camZ;
    float dx, dz;
  } cases[] = {
      {512, 384, 0, 0, 0, -500},
      {512, 384, 300, -1200, 300, -1700},
      {0, 0, 0, 0, 512 / 1.9f, -500 - 384 / 1.1f},
      {0, 0, -40, 25, -40 + 512 / 1.9f, 25 - 500 - 384 / 1.1f},
      {1024, 768, 0, 0, -512 / 1.9f, -500 + 384 / 1.1f},
  };
  for (const Case& c : cases) {
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    camX = c.camX, camZ = c.camZ;
    input_.movePointer(c.mouseX, c.mouseY);
    TDOPtr cloud = TDO::New();
    cloud->cloudMe();
    renderFrame();
    EXPECT_FLOAT_EQ(cloud->dx, c.dx) << c.mouseX << "," << c.mouseY;
    EXPECT_EQ(cloud->dy, 64.0f);
    EXPECT_FLOAT_EQ(cloud->dz, c.dz) << c.mouseX << "," << c.mouseY;
  }
}

TEST_F(BehaviourTest, CloudSteersTowardItsTarget) {
  TDOPtr cloud = TDO::New();
  cloud->cloudMe();
  cloud->x = 900, cloud->y = 128, cloud->z = -3000;
  for (int i = 0; i < 600; ++i) renderFrame();
  EXPECT_NEAR(cloud->x, 0.0f, 30.0f);
  EXPECT_NEAR(cloud->y, 64.0f, 30.0f);
  EXPECT_NEAR(cloud->z, -500.0f, 30.0f);
}

// Lengths of the runs of equal cells the cloud shows while the clock moves in steps.
std::vector<int> cellRuns(platform::ManualClock& clock, const TDO& cloud, uint32_t stepMs,
                          int steps, std::vector<int32_t>& cells) {
  std::vector<int> runs;
  for (int i = 0; i < steps; ++i) {
    TDO::render();
    cells.push_back(cloud.frame);
    if (i > 0 && cells[i] == cells[i - 1]) {
      ++runs.back();
    } else {
      runs.push_back(1);
    }
    clock.advance(stepMs);
  }
  return runs;
}

TEST_F(BehaviourTest, CloudCellsAlternateEvenlyAcrossClockWraps) {
  struct Case {
    const char* name;
    uint32_t start;
    int32_t rainTimer;
    int32_t firstCell;
    int stepsPerCell;  // 50 ms steps
  } cases[] = {
      {"idle from zero", 0, 0, 0, 12},
      {"idle past the signed turn", 0x80000000u - 1000, 0, 0, 12},
      {"idle across the wrap", 0xFFFFFFFFu - 1000, 0, 0, 12},
      {"raining past the signed turn", 0x80000000u - 1000, 100000, 2, 4},
      {"raining across the wrap", 0xFFFFFFFFu - 1000, 100000, 2, 4},
  };
  for (const Case& c : cases) {
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    clock_.set(c.start);
    TDOPtr cloud = TDO::New();
    cloud->cloudMe();
    cloud->rainTimer = c.rainTimer;
    std::vector<int32_t> cells;
    const std::vector<int> runs = cellRuns(clock_, *cloud, 50, 200, cells);
    for (int32_t cell : cells) {
      ASSERT_TRUE(cell == c.firstCell || cell == c.firstCell + 1) << c.name << ": cell " << cell;
    }
    for (size_t r = 1; r + 1 < runs.size(); ++r) {
      ASSERT_EQ(runs[r], c.stepsPerCell) << c.name << ", run " << r;
    }
  }
}

TEST_F(BehaviourTest, PlantingShowsRainCellsFor30UpdatesThenIdleCells) {
  TDOPtr cloud = TDO::New();
  cloud->cloudMe();
  clock_.set(1000);
  renderFrame();
  cloud->rainTimer = 30;
  std::vector<int32_t> cells;
  cellRuns(clock_, *cloud, 16, 40, cells);
  for (int i = 0; i < 40; ++i) {
    const bool raining = i < 30;
    EXPECT_TRUE(raining ? cells[i] >= 2 : cells[i] <= 1) << "update " << i + 1 << ": " << cells[i];
  }
  EXPECT_EQ(cloud->rainTimer, 0);
  EXPECT_NE(std::count(cells.begin(), cells.begin() + 30, 2), 0);
  EXPECT_NE(std::count(cells.begin(), cells.begin() + 30, 3), 0);
}

}  // namespace
}  // namespace world_test
