// The depth pass: the world's single entry per frame.
//
// The meadow is drawn in layered pseudo-3D: every object is a flat picture
// scaled by its distance in front of the camera, and drawn farthest first so
// nearer ones cover it. One pass per frame:
//
//   1. sort worldList by depth (stable; DepthSorter is cheap on the nearly
//      sorted list that last frame leaves);
//   2. walk it from first to last; for each object: its kind update, its
//      perspective divisor, its facing, the nudge off z = 0, and its draw;
//   3. purge: a new list of the objects that did not die in this pass.
//
// The walk steps past an object before handling it, like a linked list's
// walker: objects made during the pass (seeds, foliage, milestone bees) are
// appended and reached later in the same pass -- unless they were made while
// the last entry was handled, when the walk has already stepped off the end;
// they wait for the next frame but still join the new list.
#include "world/behaviour.h"
#include "world/depth_sort.h"
#include "world/world.h"

namespace {

constexpr float kDepthUnit = 400.0f;        // world units in front of the camera at divisor -1
constexpr float kPixelsAtUnitDepth = 8.0f;  // screen pixels per picture pixel at divisor -1
constexpr int32_t kFlipHoldUpdates = 30;    // updates before facing may change again
constexpr float kNudgedZ = 1e-10f;          // keeps later divisors off exactly zero

constexpr std::size_t kPrefetchAhead = 6;  // objects

DepthSorter<TDOPtr> depthSorter;

void prefetchObject(const TDO& object) {
  __builtin_prefetch(&object);
  __builtin_prefetch(reinterpret_cast<const char*>(&object) + sizeof(TDO) - 1);
}

// Faces the object the way it travels across, but turns it at most once in 30 updates.
void updateFacing(TDO& object) {
  if (object.flipTimer >= 0) --object.flipTimer;
  if (object.xv > 0.0f && object.flipTimer <= 0) {
    object.facing = 0;
    object.flipTimer = kFlipHoldUpdates;
  }
  if (object.xv < 0.0f && object.flipTimer <= 0) {
    object.facing = 1;
    object.flipTimer = kFlipHoldUpdates;
  }
}

// Draws the object's cell at its projected place; depth is negative in front of the camera.
void drawProjected(const TDO& object, float depth) {
  platform::Screen* screen = worldServices.screen;
  if (!screen || !object.image) return;
  const float size = kPixelsAtUnitDepth / depth;  // negative
  screen->setScale(object.facing == 0 ? -size : size, -size);
  screen->drawImage(*object.image, (object.x - camX) / depth, (object.y - camY) / depth,
                    object.frame + object.frameOffset);
}

void handle(WorldList& list, std::size_t index) {
  TDO& object = *list[index];  // the heap object stays put even if the list grows
  updateByKind(list, index);
  const float depth = (object.z - camZ) / kDepthUnit;
  updateFacing(object);
  if (object.z == 0.0f) object.z = kNudgedZ;
  if (depth < 0.0f) drawProjected(object, depth);
}

void purgeDead() {
  auto survivors = std::make_shared<WorldList>();
  survivors->reserve(worldList->size());
  for (TDOPtr& object : *worldList) {
    if (object->killMe == 0) survivors->push_back(std::move(object));
  }
  worldList = std::move(survivors);  // the old list, and the last hold on the dead, go here
}

}  // namespace

int TDO::render() {
  if (!worldList) return 0;
  WorldList& list = *worldList;
  depthSorter.sort(list, [](const TDOPtr& object) { return object->z; });
  for (std::size_t i = 0; i < list.size(); ++i) {
    // The objects lie scattered in memory: ask for one a few steps ahead
    // while this one is handled.
    if (i + kPrefetchAhead < list.size()) prefetchObject(*list[i + kPrefetchAhead]);
    const bool wasLast = i + 1 == list.size();
    handle(list, i);
    if (wasLast) break;  // the walk stepped off the end before anything new arrived
  }
  purgeDead();
  return 0;
}
