// The platform as the game sees it: one bundle of the facilities start-up,
// the frame loop and the world use. Built by main() on SDL, or headless.
#pragma once
#include "platform/audio.h"
#include "platform/clock.h"
#include "platform/input.h"
#include "platform/resources.h"
#include "platform/screen.h"

namespace platform {

struct Platform {
  Screen& screen;
  Input& input;
  Audio& audio;
  Clock& clock;
  Resources& resources;
};

}  // namespace platform
