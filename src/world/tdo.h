// TDO: the one record for everything that lives in the meadow (the cloud,
// bees, flowers, foliage and seeds), told apart by `kind`. Every object is
// shared: the world list holds it, and so may a bee's followTDO,
// currentFlower and playerCloud; it lives while any of them does.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/image.h"

struct TDO;
using TDOPtr = std::shared_ptr<TDO>;
using WorldList = std::vector<TDOPtr>;

struct TDO {
  static constexpr int32_t KINDCLOUD = 0;
  static constexpr int32_t KINDBEE = 1;
  static constexpr int32_t KINDFLOWER = 2;
  static constexpr int32_t KINDFOLIAGE = 3;
  static constexpr int32_t KINDSEED = 4;

  float x = 0, y = 0, z = 0;     // position, world units; y is height above the ground
  float xv = 0, yv = 0, zv = 0;  // velocity, world units per frame
  float dx = 0, dy = 0, dz = 0;  // cloud: the point it steers toward
  std::shared_ptr<platform::Image> image;
  int32_t frame = 0;  // cell of `image` before frameOffset is added
  int32_t kind = 0;
  int32_t spawnTimer = 0;    // flowers, foliage: growth updates so far (frames)
  int32_t rainTimer = 0;     // cloud: raining frames left
  int32_t lifeTimer = 0;     // flowers: frames left before withering
  int32_t following = 0;     // bees: 1 while steering toward followTDO
  int32_t deathCounter = 0;  // flowers, foliage: withering frames left
  int32_t killMe = 0;        // 1: leaves the world at the end of this frame's pass
  TDOPtr followTDO;          // bees: the cloud or a flower
  int32_t facing = 0;        // 0 drawn as painted, 1 mirrored
  int32_t flipTimer = 0;     // updates until facing may change again
  int32_t maxFrame = 0;      // foliage: last growth cell
  int32_t seedType = 0;      // foliage and seeds: the variant (a tree's row)
  int32_t frameOffset = 0;   // added to frame when drawn

  // Makes a plain bee at a random place and appends it to worldList.
  static TDOPtr New();
  // Drops followTDO, then image.
  ~TDO();
  // -1 when this object's z <= other's, +1 when greater: never 0.
  int Compare(const TDO& other) const;

  // Kind setups: called once, right after New().
  void cloudMe();
  void flowerMe();
  void foliageMe(int variant);
  void colourMe(int colour);
  void queenMe();
  void seedMe();

  // The world pass: sort by depth, update and draw each object, purge the dead.
  static int render();
};
