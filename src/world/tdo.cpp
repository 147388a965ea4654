// Making, destroying and ordering world objects.
//
// Every object starts life the same way: a plain bee somewhere in the
// meadow, already appended to worldList. The maker then calls one kind setup
// (setups.cpp) to turn it into whatever it needs. Objects are shared: the
// list, currentFlower, playerCloud and bees' followTDO may all hold the same
// one, and it goes away with its last holder.
#include "platform/random.h"
#include "world/world.h"

namespace {

// Where a new object may appear, world units; heights keep new bees airborne.
constexpr double kSpawnAcrossMin = -5000.0, kSpawnAcrossMax = 5000.0;
constexpr double kSpawnHeightMin = 10.0, kSpawnHeightMax = 200.0;
constexpr double kSpawnDepthMin = -5000.0, kSpawnDepthMax = 5000.0;

}  // namespace

TDOPtr TDO::New() {
  auto object = std::make_shared<TDO>();  // every field zero, no picture, no target
  if (!worldList) worldList = std::make_shared<WorldList>();
  // Three draws in a fixed order, so a seeded run places everything the same way.
  object->x = static_cast<float>(platform::randomReal(kSpawnAcrossMin, kSpawnAcrossMax));
  object->y = static_cast<float>(platform::randomReal(kSpawnHeightMin, kSpawnHeightMax));
  object->z = static_cast<float>(platform::randomReal(kSpawnDepthMin, kSpawnDepthMax));
  worldList->push_back(object);
  object->image = beeImage;
  object->kind = KINDBEE;
  object->frame = 0;
  return object;
}

TDO::~TDO() {
  // The target goes first, then the picture.
  followTDO.reset();
  image.reset();
}

int TDO::Compare(const TDO& other) const { return z <= other.z ? -1 : 1; }
