#include <gtest/gtest.h>

#include <vector>

#include "world_fixture.h"

namespace world_test {
namespace {

using RenderTest = WorldTest;

TEST_F(RenderTest, ProjectsByDepthInFrontOfTheCamera) {
  struct Case {
    const char* name;
    float x, y, z;
    float camX, camY, camZ;
    int32_t facing;
    bool drawn;
    float screenX, screenY;  // where the handle lands, origin included
    float scaleX, scaleY;
  } cases[] = {
      {"one depth unit ahead", 100, 0, -400, 0, 96, 0, 0, true, 412, 480, 8, 8},
      {"mirrored", 100, 0, -400, 0, 96, 0, 1, true, 412, 480, -8, 8},
      {"ten units ahead", 100, 0, -4000, 0, 96, 0, 0, true, 502, 393.6f, 0.8f, 0.8f},
      {"camera moved", -50, 296, -100, 0, 96, 300, 0, true, 562, 184, 8, 8},
      {"just ahead", 1, 0, -0.4f, 0, 96, 0, 0, true, -488, 96384, 8000, 8000},
      {"level with the camera", 0, 0, 250, 0, 96, 250, 0, false, 0, 0, 0, 0},
      {"behind the camera", 0, 0, 10, 0, 96, 0, 0, false, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    camX = c.camX, camY = c.camY, camZ = c.camZ;
    TDOPtr object = makeAt(kNoBehaviour, c.x, c.y, c.z);
    object->facing = c.facing;
    const auto draws = renderFrame();
    ASSERT_EQ(draws.size(), c.drawn ? 1u : 0u) << c.name;
    if (!c.drawn) continue;
    const platform::DrawCommand& d = draws[0];
    EXPECT_FLOAT_EQ(d.x + d.state.originX, c.screenX) << c.name;
    EXPECT_FLOAT_EQ(d.y + d.state.originY, c.screenY) << c.name;
    EXPECT_FLOAT_EQ(d.state.scaleX, c.scaleX) << c.name;
    EXPECT_FLOAT_EQ(d.state.scaleY, c.scaleY) << c.name;
  }
}

TEST_F(RenderTest, DrawsTheFlowerOfTheWorkedExampleUnmirrored) {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->x = 100, flower->z = -400;
  const auto draws = renderFrame();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].image, flower->image.get());
  EXPECT_EQ(draws[0].x + 512, 412);
  EXPECT_EQ(draws[0].y + 384, 480);
  EXPECT_EQ(draws[0].state.scaleX, 8);
  EXPECT_EQ(draws[0].state.scaleY, 8);
}

TEST_F(RenderTest, DrawsTheCellOfFramePlusOffset) {
  TDOPtr tree = makeAt(kNoBehaviour, 0, 0, -800);
  tree->image = tree2Image;
  tree->frame = 13, tree->frameOffset = 6 * 14;
  const auto draws = renderFrame();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].frame, 97);
  EXPECT_EQ(draws[0].image, tree2Image.get());
}

TEST_F(RenderTest, FarthestFirstAndEqualDepthsKeepTheirOrder) {
  const float depths[] = {-300, -100, -300, -200, -100, -300, -200, -100, -300};
  struct Placed {
    float x, z;
  };
  std::vector<Placed> expected;  // each object is told apart by its x
  for (float z : {-300.0f, -200.0f, -100.0f}) {
    for (int i = 0; i < 9; ++i) {
      if (depths[i] == z) expected.push_back({static_cast<float>(i), z});
    }
  }
  for (int i = 0; i < 9; ++i) makeAt(kNoBehaviour, static_cast<float>(i), 96, depths[i]);
  for (int pass = 0; pass < 25; ++pass) {
    const auto draws = renderFrame();
    ASSERT_EQ(draws.size(), expected.size());
    for (size_t k = 0; k < draws.size(); ++k) {
      ASSERT_FLOAT_EQ(draws[k].x, expected[k].x / (expected[k].z / 400)) << "pass " << pass;
      ASSERT_EQ((*worldList)[k]->x, expected[k].x) << "pass " << pass;
    }
  }
}

TEST_F(RenderTest, ObjectAtDepthZeroIsDrawnThenNudged) {
  camZ = 400;
  TDOPtr object = makeAt(kNoBehaviour, 0, 96, 0);
  const auto draws = renderFrame();
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].state.scaleY, 8) << "drawn with z = 0";
  EXPECT_EQ(object->z, 1e-10f);
}

TEST_F(RenderTest, FacingFollowsTravelButTurnsAtMostOnceIn30Updates) {
  TDOPtr object = makeAt(kNoBehaviour, 0, 0, -400);
  struct Phase {
    float xv;
    int updates;
    int32_t facingAfterEach;
  } phases[] = {
      {0, 3, 0},    // at rest: keeps its facing
      {1, 1, 0},    // update k: set to 0
      {-1, 29, 0},  // k+1 .. k+29: held
      {-1, 1, 1},   // k+30: turns
      {-1, 45, 1},  // keeps going the same way
      {0, 40, 1},   // stops: keeps facing
      {1, 1, 0},    // the hold has long run out
  };
  int update = 0;
  for (const Phase& p : phases) {
    for (int i = 0; i < p.updates; ++i) {
      object->xv = p.xv;
      const auto draws = renderFrame();
      ++update;
      ASSERT_EQ(object->facing, p.facingAfterEach) << "update " << update;
      ASSERT_EQ(draws.size(), 1u);
      ASSERT_EQ(draws[0].state.scaleX > 0, p.facingAfterEach == 0) << "update " << update;
    }
  }
  EXPECT_EQ(object->flipTimer, 30) << "the last turn started a new hold";
}

TEST_F(RenderTest, ObjectWithNoKnownKindIsDrawnButNotUpdated) {
  TDOPtr object = makeAt(kNoBehaviour, 5, 6, -700);
  object->xv = 0, object->yv = 3, object->zv = 4;
  object->lifeTimer = 7, object->spawnTimer = 8, object->deathCounter = 9, object->frame = 2;
  EXPECT_EQ(renderFrame().size(), 1u);
  EXPECT_EQ(object->x, 5);
  EXPECT_EQ(object->y, 6);
  EXPECT_EQ(object->z, -700);
  EXPECT_EQ(object->yv, 3);
  EXPECT_EQ(object->zv, 4);
  EXPECT_EQ(object->lifeTimer, 7);
  EXPECT_EQ(object->spawnTimer, 8);
  EXPECT_EQ(object->deathCounter, 9);
  EXPECT_EQ(object->frame, 2);
}

TEST_F(RenderTest, DeadCurrentFlowerStaysReadableAndIsNeverDrawnAgain) {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  flower->x = 0, flower->z = -800, flower->lifeTimer = 0, flower->deathCounter = 1;
  const platform::Image* picture = flower->image.get();
  std::weak_ptr<TDO> watched = flower;
  flower.reset();  // from now on only the list and currentFlower hold it

  int flowerDraws = 0;
  for (const auto& d : renderFrame()) flowerDraws += d.image == picture;
  EXPECT_EQ(flowerDraws, 1) << "drawn in the pass in which it dies";
  ASSERT_FALSE(watched.expired());
  EXPECT_EQ(currentFlower, watched.lock());
  EXPECT_EQ(currentFlower->killMe, 1);
  EXPECT_EQ(worldList->size(), 0u);
  for (int pass = 0; pass < 10; ++pass) EXPECT_TRUE(renderFrame().empty());
  currentFlower.reset();
  EXPECT_TRUE(watched.expired()) << "the last holder let it go";
}

// What a maker appends while handled is handled in the same pass, unless the
// maker was the last entry of the list: then it waits a frame but is kept.
TEST_F(RenderTest, ObjectsMadeDuringThePassAreHandledUnlessTheMakerWasLast) {
  for (bool makerLast : {false, true}) {
    SCOPED_TRACE(makerLast ? "maker last" : "maker not last");
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    playerCloud = makeAt(TDO::KINDCLOUD, 0, 64, -4990);
    playerCloud->image = cloudImage;
    foliageCount = 99;                                   // the seed's foliage brings the green bee
    TDOPtr seed = makeAt(TDO::KINDSEED, 0, 0.5f, 4000);  // lands at once
    seed->image = seedImage;
    if (!makerLast) makeAt(kNoBehaviour, 0, 0, 4500);

    renderFrame();
    ASSERT_EQ(seed->killMe, 1);
    TDOPtr plant, bee;
    for (const TDOPtr& o : *worldList) {
      if (o->kind == TDO::KINDFOLIAGE) plant = o;
      if (o->kind == TDO::KINDBEE && o->followTDO == playerCloud) bee = o;
    }
    ASSERT_TRUE(plant && bee) << "both are in the list the pass leaves behind";
    EXPECT_EQ(plant->spawnTimer, makerLast ? 0 : 1);
    EXPECT_EQ(bee->flipTimer != 0, !makerLast) << "the bee was handled (its facing step ran)";
    renderFrame();
    EXPECT_EQ(plant->spawnTimer, makerLast ? 1 : 2);
  }
}

TEST_F(RenderTest, SeedDroppedDuringThePassFallsInItUnlessTheBeeWasLast) {
  for (bool beeLast : {false, true}) {
    SCOPED_TRACE(beeLast ? "bee last" : "bee not last");
    resetWorld();
    worldServices = {&screen_, &input_, &clock_};
    seedBudget = 1;
    TDOPtr bee = makeAt(TDO::KINDBEE, 0, 500, -1000);
    if (!beeLast) makeAt(kNoBehaviour, 0, 0, 4500);
    int seedDraws = 0;
    for (const auto& d : renderFrame()) seedDraws += d.image == seedImage.get();
    ASSERT_EQ(countKind(TDO::KINDSEED), 1);
    TDOPtr seed;
    for (const TDOPtr& o : *worldList) {
      if (o->kind == TDO::KINDSEED) seed = o;
    }
    EXPECT_EQ(seedDraws, beeLast ? 0 : 1);
    EXPECT_EQ(seed->yv, beeLast ? 0.0f : -0.98f);
  }
}

}  // namespace
}  // namespace world_test
