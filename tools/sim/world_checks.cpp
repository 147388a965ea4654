#include "tools/sim/world_checks.h"

#include <algorithm>

#include "world/world.h"

namespace sim {

void WorldChecker::fail(const std::string& what) {
  if (failure_.empty()) failure_ = "frame " + std::to_string(frame_) + ": " + what;
}

void WorldChecker::checkCells(const char* when) {
  for (size_t i = 0; worldList && i < worldList->size(); ++i) {
    const TDO& o = *(*worldList)[i];
    const int cell = o.frame + o.frameOffset;
    if (o.image && (cell < 0 || cell >= o.image->frameCount()))
      return fail(std::string(when) + ": object " + std::to_string(i) + " (kind " +
                  std::to_string(o.kind) + ") shows cell " + std::to_string(cell) + " of " +
                  std::to_string(o.image->frameCount()));
  }
}

void WorldChecker::beforePass(long frame) {
  frame_ = frame;
  heldBefore_.clear();
  depthAtSort_.clear();
  if (!worldList) return fail("the world list is gone");
  for (size_t i = 0; i < worldList->size(); ++i) {
    const TDOPtr& o = (*worldList)[i];
    if (o->killMe != 0)
      return fail("object " + std::to_string(i) + " (kind " + std::to_string(o->kind) +
                  ") is marked dead at the start of the pass");
    heldBefore_.push_back(o);
    depthAtSort_[o.get()] = o->z;
  }
  if (!playerCloud || playerCloud->killMe != 0 ||
      std::find(worldList->begin(), worldList->end(), playerCloud) == worldList->end())
    return fail("the player's cloud has left the world");
  if (seedBudget < 0) return fail("seedBudget is " + std::to_string(seedBudget));
  checkCells("before the pass");
}

void WorldChecker::afterPass() {
  if (failed()) return;
  if (!worldList) return fail("the world list is gone after the pass");
  float lastDepth = 0;
  bool first = true;
  for (const TDOPtr& o : *worldList) {
    auto it = depthAtSort_.find(o.get());
    if (it == depthAtSort_.end()) continue;  // made during the pass
    if (!first && it->second < lastDepth)
      return fail("the list is out of depth order after the sort (z " + std::to_string(it->second) +
                  " after " + std::to_string(lastDepth) + ")");
    lastDepth = it->second;
    first = false;
  }
  heldBefore_.clear();
  checkCells("after the pass");
}

}  // namespace sim
