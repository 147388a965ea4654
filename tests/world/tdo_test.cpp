#include <gtest/gtest.h>

#include <limits>

#include "world_fixture.h"

namespace world_test {
namespace {

using TdoTest = WorldTest;

TEST_F(TdoTest, NewMakesAPlainBeeAtTheEndOfTheList) {
  ASSERT_EQ(worldList, nullptr);
  TDOPtr first = TDO::New();
  ASSERT_NE(worldList, nullptr) << "the first object makes the list";
  const auto list = worldList;
  TDOPtr second = TDO::New();
  EXPECT_EQ(worldList, list) << "later objects reuse it";
  ASSERT_EQ(worldList->size(), 2u);
  EXPECT_EQ(worldList->back(), second);

  EXPECT_EQ(second->kind, TDO::KINDBEE);
  EXPECT_EQ(second->image, beeImage);
  EXPECT_EQ(second->frame, 0);
  EXPECT_EQ(second->xv, 0.0f);
  EXPECT_EQ(second->yv, 0.0f);
  EXPECT_EQ(second->zv, 0.0f);
  EXPECT_EQ(second->followTDO, nullptr);
  EXPECT_EQ(second->killMe, 0);
}

TEST_F(TdoTest, NewDrawsAcrossThenHeightThenDepth) {
  platform::seedRandom(4242);
  const float x = static_cast<float>(platform::randomReal(-5000, 5000));
  const float y = static_cast<float>(platform::randomReal(10, 200));
  const float z = static_cast<float>(platform::randomReal(-5000, 5000));
  platform::seedRandom(4242);
  TDOPtr bee = TDO::New();
  EXPECT_EQ(bee->x, x);
  EXPECT_EQ(bee->y, y);
  EXPECT_EQ(bee->z, z);
  for (int i = 0; i < 1000; ++i) {
    TDOPtr o = TDO::New();
    ASSERT_TRUE(o->x >= -5000 && o->x < 5000 && o->y >= 10 && o->y < 200 && o->z >= -5000 &&
                o->z < 5000);
  }
}

TEST_F(TdoTest, CompareNeverReportsEquality) {
  struct Case {
    float a, b;
    int expected;
  } cases[] = {
      {1, 2, -1}, {2, 1, 1}, {5, 5, -1}, {-0.0f, 0.0f, -1}, {0.0f, -0.0f, -1}, {-3, -4, 1},
  };
  TDO a, b;
  for (const Case& c : cases) {
    a.z = c.a, b.z = c.b;
    EXPECT_EQ(a.Compare(b), c.expected) << c.a << " vs " << c.b;
  }
}

TEST_F(TdoTest, DestructionDropsTheTargetBeforeThePicture) {
  auto target = std::make_shared<TDO>();
  std::weak_ptr<TDO> watched = target;
  bool targetGoneFirst = false;
  bool pictureReleased = false;
  auto* object = new TDO;
  object->followTDO = std::move(target);
  object->image = std::shared_ptr<platform::Image>(new platform::Image({platform::Pixels(1, 1)}, 0),
                                                   [&](platform::Image* image) {
                                                     pictureReleased = true;
                                                     targetGoneFirst = watched.expired();
                                                     delete image;
                                                   });
  delete object;
  EXPECT_TRUE(pictureReleased);
  EXPECT_TRUE(targetGoneFirst);
}

// [setups] ------------------------------------------------------------------

TEST_F(TdoTest, SetupsGiveEachKindItsPictureAndStart) {
  playerCloud = TDO::New();
  struct Case {
    const char* name;
    void (*setup)(TDO&);
    int32_t kind;
    std::shared_ptr<platform::Image>* image;
    int32_t frame;
    float y;
  } cases[] = {
      {"cloud", [](TDO& o) { o.cloudMe(); }, TDO::KINDCLOUD, &cloudImage, 3, 128.0f},
      {"seed", [](TDO& o) { o.seedMe(); }, TDO::KINDSEED, &seedImage, 0, 77.0f},
      {"queen", [](TDO& o) { o.queenMe(); }, TDO::KINDBEE, &bee2Image, 0, 77.0f},
      {"colour 0", [](TDO& o) { o.colourMe(0); }, TDO::KINDBEE, &beeImage, 0, 77.0f},
      {"colour 4", [](TDO& o) { o.colourMe(4); }, TDO::KINDBEE, &beeImage, 4, 77.0f},
      {"colour 6", [](TDO& o) { o.colourMe(6); }, TDO::KINDBEE, &beeImage, 6, 77.0f},
      {"colour 7", [](TDO& o) { o.colourMe(7); }, TDO::KINDBEE, &beeImage, 6, 77.0f},
      {"colour huge", [](TDO& o) { o.colourMe(1 << 30); }, TDO::KINDBEE, &beeImage, 6, 77.0f},
      {"colour negative", [](TDO& o) { o.colourMe(-2); }, TDO::KINDBEE, &beeImage, 0, 77.0f},
  };
  for (const Case& c : cases) {
    TDOPtr o = TDO::New();
    o->frame = 3, o->y = 77.0f;
    c.setup(*o);
    EXPECT_EQ(o->kind, c.kind) << c.name;
    EXPECT_EQ(o->image, *c.image) << c.name;
    EXPECT_EQ(o->frame, c.frame) << c.name;
    EXPECT_EQ(o->y, c.y) << c.name;
  }
}

TEST_F(TdoTest, FlowerBecomesCurrentAndPicksItsPictureFromOneDraw) {
  const std::shared_ptr<platform::Image>* pictures[] = {&flower01Image, &flower02Image,
                                                        &flower03Image, &flower04Image};
  TDOPtr earlier;
  bool seen[4] = {};
  for (int i = 1; i <= 40; ++i) {
    const int32_t seed = i * 48611 + 977;  // small seeds give small first draws
    TDOPtr flower = TDO::New();
    platform::seedRandom(seed);
    const int pick = platform::randomInt(0, 3);
    platform::seedRandom(seed);
    flower->flowerMe();
    seen[pick] = true;
    EXPECT_EQ(flower->image, *pictures[pick]);
    EXPECT_EQ(flower->kind, TDO::KINDFLOWER);
    EXPECT_EQ(flower->y, 0.0f);
    EXPECT_EQ(flower->lifeTimer, 1600);
    EXPECT_EQ(currentFlower, flower);
    if (earlier) {
      EXPECT_TRUE(inWorld(earlier)) << "the earlier flower stays in the world";
    }
    earlier = flower;
  }
  EXPECT_TRUE(seen[0] && seen[1] && seen[2] && seen[3]);
}

TEST_F(TdoTest, FoliageFollowsItsDrawAndVariant) {
  struct Expect {
    std::shared_ptr<platform::Image>* image;
    int32_t maxFrame;
    bool usesVariantRow;
  };
  // Draws 0..10: two trees, two bushes, seven grasses.
  const Expect byDraw[11] = {
      {&tree2Image, 13, true}, {&tree2Image, 13, true}, {&bushImage, 9, false},
      {&bushImage, 9, false},  {&grassImage, 7, false}, {&grassImage, 7, false},
      {&grassImage, 7, false}, {&grassImage, 7, false}, {&grassImage, 7, false},
      {&grassImage, 7, false}, {&grassImage, 7, false}};
  bool seen[11] = {};
  for (int i = 1; i <= 60; ++i) {
    const int32_t seed = i * 48611 + 977;
    const int variant = i % 7;
    TDOPtr plant = TDO::New();
    platform::seedRandom(seed);
    const int draw = platform::randomInt(0, 10);
    platform::seedRandom(seed);
    plant->foliageMe(variant);
    const Expect& e = byDraw[draw];
    seen[draw] = true;
    EXPECT_EQ(plant->kind, TDO::KINDFOLIAGE);
    EXPECT_EQ(plant->image, *e.image) << "draw " << draw;
    EXPECT_EQ(plant->maxFrame, e.maxFrame);
    EXPECT_EQ(plant->seedType, variant);
    EXPECT_EQ(plant->frameOffset, e.usesVariantRow ? 14 * variant : 0);
    EXPECT_EQ(plant->y, 0.0f);
    EXPECT_EQ(plant->frame, 0);
  }
  EXPECT_EQ(foliageCount, 60);
  EXPECT_TRUE(seen[0] && seen[2] && seen[10]) << "trees, bushes and grass all drawn";
}

TEST_F(TdoTest, FoliageMilestonesBringColouredBeesAndTheQueen) {
  playerCloud = TDO::New();
  playerCloud->cloudMe();
  struct Case {
    int32_t countBefore;
    bool makesBee;
    std::shared_ptr<platform::Image>* image;
    int32_t frame;
  } cases[] = {
      {98, false, nullptr, 0},    {99, true, &beeImage, 1},  {149, true, &beeImage, 2},
      {199, true, &beeImage, 3},  {249, true, &beeImage, 4}, {299, true, &beeImage, 5},
      {349, true, &beeImage, 6},  {399, false, nullptr, 0},  {449, false, nullptr, 0},
      {499, true, &bee2Image, 0}, {100, false, nullptr, 0},  {999, false, nullptr, 0},
  };
  for (const Case& c : cases) {
    foliageCount = c.countBefore;
    TDOPtr plant = TDO::New();
    const size_t before = worldList->size();
    plant->foliageMe(2);
    EXPECT_EQ(foliageCount, c.countBefore + 1);
    ASSERT_EQ(worldList->size(), before + (c.makesBee ? 1 : 0)) << "count " << c.countBefore + 1;
    if (!c.makesBee) continue;
    const TDOPtr& bee = worldList->back();
    EXPECT_EQ(worldList->at(before - 1), plant) << "the bee stands behind the foliage";
    EXPECT_EQ(bee->kind, TDO::KINDBEE);
    EXPECT_EQ(bee->image, *c.image);
    EXPECT_EQ(bee->frame, c.frame);
    EXPECT_EQ(bee->followTDO, playerCloud);
    EXPECT_EQ(bee->following, 1);
  }
}

}  // namespace
}  // namespace world_test
