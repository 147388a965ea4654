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
//
// Speed: a big meadow's objects lie scattered over the heap, and touching one
// that has left the cache costs more than updating it. So the walk asks for
// objects a few steps ahead, and notes whether each one died as it leaves
// it (only an object's own update ever marks it), so that the purge need not
// visit the objects again. The list taken apart by the purge is kept, empty,
// to hold the next frame's survivors, which spares a large allocation per frame.
#include <utility>
#include <vector>

#include "world/behaviour.h"
#include "world/depth_sort.h"
#include "world/world.h"

namespace {

constexpr float kDepthUnit = 400.0f;        // world units in front of the camera at divisor -1
constexpr float kPixelsAtUnitDepth = 8.0f;  // screen pixels per picture pixel at divisor -1
constexpr int32_t kFlipHoldUpdates = 30;    // updates before facing may change again
constexpr float kNudgedZ = 1e-10f;          // keeps later divisors off exactly zero

constexpr std::size_t kPrefetchAhead = 8;  // objects
constexpr std::size_t kCacheLine = 64;     // bytes

DepthSorter<TDOPtr> depthSorter;
std::vector<uint8_t> diedInWalk;     // [list index]: 1 when the object's update marked it
std::shared_ptr<WorldList> spareList;  // last frame's list, emptied, for the next survivors

void prefetchObject(const TDO& object) {
  const char* first = reinterpret_cast<const char*>(&object);
  for (std::size_t offset = 0; offset < sizeof(TDO); offset += kCacheLine)
    __builtin_prefetch(first + offset);
  __builtin_prefetch(first + sizeof(TDO) - 1);
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

// The walk's own record of the dead for what it handled; objects that arrived
// after it stepped off the end are asked directly.
bool died(const WorldList& list, std::size_t index) {
  return index < diedInWalk.size() ? diedInWalk[index] != 0 : list[index]->killMe != 0;
}

void purgeDead() {
  std::shared_ptr<WorldList> survivors = std::move(spareList);
  if (!survivors) survivors = std::make_shared<WorldList>();
  WorldList& list = *worldList;
  survivors->reserve(list.size());
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!died(list, i)) survivors->push_back(std::move(list[i]));
  }
  std::shared_ptr<WorldList> old = std::exchange(worldList, std::move(survivors));
  if (old.use_count() == 1) {  // nobody else holds it: keep it, emptied, for the next frame
    old->clear();                // the last hold on the dead goes here
    spareList = std::move(old);
  }
}

}  // namespace

int TDO::render() {
  if (!worldList) return 0;
  WorldList& list = *worldList;
  depthSorter.sort(list, [](const TDOPtr& object) { return object->z; });
  diedInWalk.clear();
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (i + kPrefetchAhead < list.size()) prefetchObject(*list[i + kPrefetchAhead]);
    const bool wasLast = i + 1 == list.size();
    handle(list, i);
    diedInWalk.push_back(list[i]->killMe != 0);
    if (wasLast) break;  // the walk stepped off the end before anything new arrived
  }
  purgeDead();
  return 0;
}
