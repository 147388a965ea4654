// The six kind setups: each turns a freshly made plain bee into a cloud,
// flower, foliage, coloured bee, queen or seed by giving it a picture, a
// frame, a kind and the few fields its behaviour starts from.
//
// foliageMe also keeps the meadow's foliage count: at fixed counts it brings
// a new coloured bee (and at the last one the queen) that follows the
// player's cloud, so a greener meadow gets a livelier swarm.
#include <algorithm>
#include <array>

#include "platform/random.h"
#include "world/world.h"

namespace {

constexpr float kCloudHeight = 128.0f;  // world units above the ground
constexpr int32_t kFlowerLifeFrames = 1600;
constexpr int kFlowerPictureCount = 4;

// A foliage setup draws 0..10: two chances in eleven of a tree, two of a bush, the rest grass.
constexpr int kFoliageDrawMax = 10;
constexpr int kLastTreeDraw = 1;
constexpr int kLastBushDraw = 3;
constexpr int32_t kTreeLastFrame = 13, kBushLastFrame = 9, kGrassLastFrame = 7;
constexpr int32_t kTreeFramesPerVariant = 14;  // one row of the tree picture per variant

constexpr int32_t kPlainBeeColour = 0;
constexpr int32_t kLastBeeColour = 6;  // blue; the bee picture has no colour beyond it
constexpr int32_t kQueenColour = -1;   // marks the milestone that brings the queen

struct Milestone {
  int32_t foliageCount;
  int32_t colour;  // the new bee's colour, or kQueenColour
};
constexpr std::array<Milestone, 7> kMilestones{{
    {100, 1},  // green
    {150, 2},  // purple
    {200, 3},  // pink
    {250, 4},  // orange
    {300, 5},  // red
    {350, 6},  // blue
    {500, kQueenColour},
}};

// A milestone bee joins the swarm around the player's cloud.
void makeMilestoneBee(int32_t colour) {
  TDOPtr bee = TDO::New();
  if (colour == kQueenColour) {
    bee->queenMe();
  } else {
    bee->colourMe(colour);
  }
  bee->followTDO = playerCloud;
  bee->following = 1;
}

}  // namespace

void TDO::cloudMe() {
  image = cloudImage;
  kind = KINDCLOUD;
  y = kCloudHeight;
}

void TDO::flowerMe() {
  const std::shared_ptr<platform::Image>* pictures[kFlowerPictureCount] = {
      &flower01Image, &flower02Image, &flower03Image, &flower04Image};
  image = *pictures[platform::randomInt(0, kFlowerPictureCount - 1)];
  kind = KINDFLOWER;
  // The newest flower is the one bees go for. The list holds this object, so
  // its shared owner is found there (searching from the end: it was just made).
  if (worldList) {
    for (auto it = worldList->rbegin(); it != worldList->rend(); ++it) {
      if (it->get() == this) {
        currentFlower = *it;
        break;
      }
    }
  }
  y = 0.0f;
  lifeTimer = kFlowerLifeFrames;
}

void TDO::foliageMe(int variant) {
  y = 0.0f;
  ++foliageCount;
  seedType = variant;
  for (const Milestone& m : kMilestones) {
    if (foliageCount == m.foliageCount) {
      makeMilestoneBee(m.colour);
      break;
    }
  }
  kind = KINDFOLIAGE;
  const int draw = platform::randomInt(0, kFoliageDrawMax);
  if (draw <= kLastTreeDraw) {
    image = tree2Image;
    maxFrame = kTreeLastFrame;
    frameOffset = seedType * kTreeFramesPerVariant;
  } else if (draw <= kLastBushDraw) {
    image = bushImage;
    maxFrame = kBushLastFrame;
  } else {
    image = grassImage;
    maxFrame = kGrassLastFrame;
  }
}

void TDO::colourMe(int colour) {
  image = beeImage;
  // Colours past blue show as blue; a negative one (never asked for) as the
  // plain bee rather than a cell the picture does not have.
  frame = std::clamp(static_cast<int32_t>(colour), kPlainBeeColour, kLastBeeColour);
}

void TDO::queenMe() {
  image = bee2Image;
  frame = 0;
}

void TDO::seedMe() {
  image = seedImage;
  frame = 0;
  kind = KINDSEED;
}
