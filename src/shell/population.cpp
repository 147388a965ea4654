// Population happens once, between start-up and the first frame. Plain
// construction already makes a bee at a random place and appends it to
// worldList, so the bees need no reference here.
#include "shell/population.h"

#include "shell/rain.h"
#include "world/world.h"

namespace shell {

void populateWorld(platform::Platform& p) {
  worldServices = {&p.screen, &p.input, &p.clock};
  for (int i = 0; i < kFirstBees; ++i) TDO::New();
  playerCloud = TDO::New();
  playerCloud->cloudMe();
  startChimeClock(p.clock);
}

}  // namespace shell
