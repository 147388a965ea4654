// Behaviour by kind: the meadow's one cycle of life.
//
// The player's cloud chases the point under the mouse and shows its rain.
// Bees drift, now and then pick the newest flower, fly to it and, hovering
// close, use up its life. A flower that has withered owes the meadow a seed
// (seedBudget); bees pay the seeds out one at a time (seedDropTimer spaces the
// drops). A seed falls, bounces and takes root as foliage of the dropping
// bee's colour. When foliage crowds past its limit, old foliage withers and
// sprouts again somewhere near.
//
// Everything counts frames (60 a second) except the cloud's animation, which
// reads the millisecond clock. Positions and velocities are 32-bit floats and
// every step is done and stored in single precision, except the bees' height
// test, which compares against a double-precision random band.
//
// [SECTION] tuning   [SECTION] cloud   [SECTION] bee   [SECTION] flower
// [SECTION] foliage  [SECTION] seed    [SECTION] dispatch
#include "world/behaviour.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/random.h"
#include "world/world.h"

namespace {

// [SECTION] tuning ----------------------------------------------------------

// Cloud: where it aims, how hard it steers, how its cells step.
constexpr float kCloudAheadOfCamera = 500.0f;  // world units in front of the camera
constexpr float kCloudTargetHeight = 64.0f;
constexpr float kPointerAcrossPerUnit = 1.9f;  // screen pixels per world unit across
constexpr float kPointerDepthPerUnit = 1.1f;   // screen pixels per world unit in depth
constexpr float kCloudThrust = 2.1f;           // world units per frame, per frame
constexpr float kCloudDamping = 0.9f;          // velocity kept each frame
constexpr int64_t kCloudIdleCellMs = 600;
constexpr int64_t kCloudRainCellMs = 200;
constexpr int32_t kCloudFirstRainCell = 2;

// Bees.
constexpr int kBeePickChance = 300;        // 1 in this many frames a bee picks currentFlower
constexpr float kBeeThrust = 0.2f;         // world units per frame, per frame
constexpr double kBeeHoverHeight = 150.0;  // above the target, world units
constexpr double kBeeHoverSpread = 100.0;  // the band around it, either side
constexpr float kBeeVisitReach = 20.0f;    // across and in depth, world units
constexpr int32_t kBeeVisitCost = 2;       // target lifeTimer frames per visiting bee
constexpr int32_t kSeedDropGap = 300;      // bee updates between two seed drops
constexpr int kBeeJitter = 1;              // world units, either way
constexpr float kBeeDamping = 0.98f;
constexpr float kBeeFloorHeight = 30.0f;  // world units
constexpr float kBeeFloorLift = 2.0f;     // world units per frame

// Flowers.
constexpr int32_t kWitherFrames = 30;
constexpr float kFlowerWitherCells = 6.9f;  // top withering cell, less a hair
constexpr int32_t kFramesPerGrowthCell = 6;
constexpr int32_t kFlowerLastGrowthCell = 7;
constexpr int kFlowerAttractChance = 200;  // 1 in this many frames a flower becomes current

// Foliage.
constexpr int32_t kFoliageCrowdLimit = 1000;
constexpr double kSproutReach = 2000.0;  // world units, across and in depth
constexpr int kRegrowthVariant = 0;      // the plain green tree

// Seeds.
constexpr float kSeedGravity = 1.0f;  // world units per frame, per frame
constexpr float kSeedDrag = 0.98f;
constexpr float kSeedLandingSpeed = -3.0f;  // slower falls than this take root
constexpr float kSeedBounce = -0.7f;

bool chance(int oneIn) { return platform::randomInt(oneIn, 1) == 1; }

// Moves `velocity` by `step` toward whichever side of `position` `target` lies.
void steerToward(float position, float target, float step, float& velocity) {
  if (position > target) velocity -= step;
  if (position < target) velocity += step;
}

// Cloud and bees alike: velocities damped (depth first), then the move.
void dampThenMove(TDO& object, float damping) {
  object.zv *= damping;
  object.xv *= damping;
  object.yv *= damping;
  object.x += object.xv;
  object.y += object.yv;
  object.z += object.zv;
}

// [SECTION] cloud -----------------------------------------------------------

// The platform clock is 32 bits and wraps (and read as signed it turns
// negative after 24.8 days, which would give cell -1). The cloud keeps its own
// 64-bit count, advanced by each reading's wrapping difference from the last,
// so its cells alternate evenly however long the game runs.
struct CloudClock {
  uint32_t lastReading = 0;
  int64_t ms = 0;
} cloudClock;

int64_t cloudMillisecs() {
  if (!worldServices.clock) return cloudClock.ms;
  const uint32_t now = worldServices.clock->millisecs();
  cloudClock.ms += platform::elapsedMs(now, cloudClock.lastReading);
  cloudClock.lastReading = now;
  return cloudClock.ms;
}

// Which of two cells shows at `ms` when they take turns every `cellMs`.
int32_t alternatingCell(int64_t ms, int64_t cellMs) {
  int64_t step = ms / cellMs;
  if (ms % cellMs < 0) --step;  // round toward minus infinity
  return static_cast<int32_t>(step & 1);
}

// The point on the meadow under the pointer, a little ahead of the camera.
void aimCloud(TDO& cloud) {
  if (!worldServices.screen || !worldServices.input) return;
  const int halfWidth = worldServices.screen->width() / 2;
  const int halfHeight = worldServices.screen->height() / 2;
  const int mouseX = worldServices.input->mouseX();
  const int mouseY = worldServices.input->mouseY();
  cloud.dx = camX + static_cast<float>(halfWidth - mouseX) / kPointerAcrossPerUnit;
  cloud.dz =
      (camZ - kCloudAheadOfCamera) + static_cast<float>(mouseY - halfHeight) / kPointerDepthPerUnit;
  cloud.dy = kCloudTargetHeight;
}

void updateCloud(TDO& cloud) {
  aimCloud(cloud);
  const int64_t ms = cloudMillisecs();
  cloud.frame = alternatingCell(ms, kCloudIdleCellMs);
  if (cloud.rainTimer > 0) {
    cloud.frame = kCloudFirstRainCell + alternatingCell(ms, kCloudRainCellMs);
    --cloud.rainTimer;
  }
  steerToward(cloud.x, cloud.dx, kCloudThrust, cloud.xv);
  steerToward(cloud.y, cloud.dy, kCloudThrust, cloud.yv);
  steerToward(cloud.z, cloud.dz, kCloudThrust, cloud.zv);
  dampThenMove(cloud, kCloudDamping);
}

// [SECTION] bee -------------------------------------------------------------

// A visit uses up the target's life. The cloud can be followed for ever, so
// the count stops at the smallest whole number instead of running past it;
// any value at or below zero means the same to a flower.
void useUpLife(TDO& target) {
  const int64_t lowered = static_cast<int64_t>(target.lifeTimer) - kBeeVisitCost;
  target.lifeTimer =
      static_cast<int32_t>(std::max<int64_t>(lowered, std::numeric_limits<int32_t>::min()));
}

// Steering uses the bee's position from before this update's motion.
void steerBee(TDO& bee, TDO& target) {
  steerToward(bee.x, target.x, kBeeThrust, bee.xv);
  const double hoverBase = static_cast<double>(target.y) + kBeeHoverHeight;
  const double highLimit = hoverBase + platform::randomReal(-kBeeHoverSpread, kBeeHoverSpread);
  if (static_cast<double>(bee.y) > highLimit) bee.yv -= kBeeThrust;
  const double lowLimit = hoverBase + platform::randomReal(-kBeeHoverSpread, kBeeHoverSpread);
  if (static_cast<double>(bee.y) < lowLimit) bee.yv += kBeeThrust;
  steerToward(bee.z, target.z, kBeeThrust, bee.zv);
  // Height never counts: a bee straight above its flower is visiting it.
  if (std::fabs(bee.x - target.x) < kBeeVisitReach &&
      std::fabs(bee.z - target.z) < kBeeVisitReach) {
    useUpLife(target);
  }
}

// Pays out one owed seed when the gap since the last drop has run out.
void maybeDropSeed(const TDO& bee) {
  if (seedDropTimer > 0) --seedDropTimer;
  if (seedBudget <= 0 || seedDropTimer > 0) return;
  --seedBudget;
  TDOPtr seed = TDO::New();
  seed->seedMe();
  seed->x = bee.x;
  seed->y = bee.y;
  seed->z = bee.z;
  seed->seedType = bee.frame;  // the bee's colour becomes the foliage's variant
  seedDropTimer = kSeedDropGap;
}

void updateBee(TDO& bee) {
  if (chance(kBeePickChance)) {
    bee.following = 1;
    bee.followTDO = currentFlower;  // may be none, or a flower already dying
  }
  if (bee.followTDO && bee.followTDO->killMe) bee.following = 0;
  if (bee.following != 0 && bee.followTDO) steerBee(bee, *bee.followTDO);
  maybeDropSeed(bee);
  bee.x += static_cast<float>(platform::randomInt(-kBeeJitter, kBeeJitter));
  bee.y += static_cast<float>(platform::randomInt(-kBeeJitter, kBeeJitter));
  dampThenMove(bee, kBeeDamping);
  if (bee.y < kBeeFloorHeight) bee.yv += kBeeFloorLift;  // felt in the next frame's motion
}

// [SECTION] flower ----------------------------------------------------------

void updateFlower(WorldList& list, std::size_t index) {
  TDO& flower = *list[index];
  if (flower.lifeTimer > 0) --flower.lifeTimer;
  if (flower.lifeTimer <= 0 && flower.deathCounter <= 0) flower.deathCounter = kWitherFrames;
  if (flower.deathCounter > 0) {
    flower.frame = static_cast<int32_t>(static_cast<float>(flower.deathCounter) *
                                        kFlowerWitherCells / static_cast<float>(kWitherFrames));
    --flower.deathCounter;
    if (flower.deathCounter == 0) {
      flower.killMe = 1;
      ++seedBudget;  // every withered flower owes the meadow one seed
    }
  } else {
    ++flower.spawnTimer;
    flower.frame = std::min(kFlowerLastGrowthCell, flower.spawnTimer / kFramesPerGrowthCell);
  }
  // Even a dying flower may catch the bees' eye.
  if (chance(kFlowerAttractChance)) currentFlower = list[index];
}

// [SECTION] foliage ---------------------------------------------------------

// A withered plant leaves a plain green tree somewhere near in its place.
void sproutElsewhere(const TDO& old) {
  TDOPtr sprout = TDO::New();
  sprout->foliageMe(kRegrowthVariant);
  sprout->x = static_cast<float>(old.x + platform::randomReal(-kSproutReach, kSproutReach));
  sprout->z = static_cast<float>(old.z + platform::randomReal(-kSproutReach, kSproutReach));
}

void updateFoliage(TDO& plant) {
  ++plant.spawnTimer;
  plant.frame = std::min(plant.maxFrame, plant.spawnTimer / kFramesPerGrowthCell);
  if (foliageCount > kFoliageCrowdLimit) {
    plant.deathCounter = kWitherFrames;  // restarts a withering already under way
    --foliageCount;
  }
  if (plant.deathCounter > 0) {
    plant.frame = plant.deathCounter * plant.maxFrame / kWitherFrames;
    --plant.deathCounter;
    if (plant.deathCounter == 0) {
      plant.killMe = 1;
      sproutElsewhere(plant);
    }
  }
}

// [SECTION] seed ------------------------------------------------------------

void updateSeed(TDO& seed) {
  seed.yv = (seed.yv - kSeedGravity) * kSeedDrag;
  seed.y += seed.yv;
  if (seed.y > 0.0f) return;
  if (seed.yv >= kSeedLandingSpeed) {
    seed.killMe = 1;
    TDOPtr plant = TDO::New();
    plant->foliageMe(seed.seedType);
    plant->x = seed.x;
    plant->z = seed.z;
  } else {
    seed.yv *= kSeedBounce;  // y is left below ground; the next frame lifts it
  }
}

}  // namespace

// [SECTION] dispatch --------------------------------------------------------

void updateByKind(WorldList& list, std::size_t index) {
  TDO& object = *list[index];
  switch (object.kind) {
    case TDO::KINDCLOUD:  // the cloud chases the pointer and shows its rain
      updateCloud(object);
      break;
    case TDO::KINDBEE:  // bees drift, visit the newest flower and pay out seeds
      updateBee(object);
      break;
    case TDO::KINDFLOWER:  // flowers grow, wither and die owing a seed
      updateFlower(list, index);
      break;
    case TDO::KINDFOLIAGE:  // foliage grows, and withers when the meadow is crowded
      updateFoliage(object);
      break;
    case TDO::KINDSEED:  // seeds fall, bounce and take root
      updateSeed(object);
      break;
    default:  // no behaviour: the object is only drawn
      break;
  }
}

void resetCloudClock() { cloudClock = {}; }
