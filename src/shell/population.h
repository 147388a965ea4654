// The world's first inhabitants: 201 plain bees, then the player's cloud.
#pragma once
#include "platform/platform.h"

namespace shell {

constexpr int kFirstBees = 201;

// Hands the world its screen, input and clock, fills worldList with the bees
// and the cloud (last), and starts the chime clock.
void populateWorld(platform::Platform& platform);

}  // namespace shell
