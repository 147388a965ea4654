// The soak checks: the world's invariants, asserted around every world pass.
// Before a pass: no object is already marked dead, the player's cloud is in
// the world, the seed budget is not negative and every object's cell lies
// within its picture. After it: the objects that were there before the pass
// and survived it are in the order of their depths at the sort (the purge
// keeps the sorted order, so this is the sort's order seen from outside), and
// every cell is still within its picture.
#pragma once
#include <string>
#include <unordered_map>
#include <vector>

#include "world/tdo.h"

namespace sim {

class WorldChecker {
 public:
  void beforePass(long frame);
  void afterPass();
  bool failed() const { return !failure_.empty(); }
  // "frame N: what went wrong", the first violation only.
  const std::string& failure() const { return failure_; }

 private:
  void fail(const std::string& what);
  void checkCells(const char* when);

  long frame_ = 0;
  std::vector<TDOPtr> heldBefore_;  // keeps the pass's objects at their addresses
  std::unordered_map<const TDO*, float> depthAtSort_;
  std::string failure_;
};

}  // namespace sim
