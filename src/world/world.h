// The world's shared state: the list of every live object, the globals the
// kinds share, the camera the shell flies, the pictures start-up loads, and
// the platform services the world draws and reads through.
#pragma once
#include <cstdint>
#include <memory>

#include "platform/clock.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "world/tdo.h"

// Every live object in drawing order; none until the first object is made.
extern std::shared_ptr<WorldList> worldList;
extern TDOPtr currentFlower;  // the flower bees pick as their target, or none
extern TDOPtr playerCloud;    // the cloud the player steers
extern int32_t foliageCount;  // foliage made, less one per crowding step
extern int32_t seedBudget;    // seeds owed by withered flowers
extern int32_t seedDropTimer; // bee updates until the next seed may drop

// Camera position (world units) and velocity (world units per frame).
// Only the frame loop writes them; the world reads them.
extern float camX, camY, camZ;
extern float camXv, camYv, camZv;

// The eleven world pictures, loaded by start-up before the first object is made.
extern std::shared_ptr<platform::Image> beeImage, bee2Image, seedImage, cloudImage;
extern std::shared_ptr<platform::Image> flower01Image, flower02Image, flower03Image, flower04Image;
extern std::shared_ptr<platform::Image> tree2Image, grassImage, bushImage;

// What the world draws on and reads from (the pointer, the screen size, the clock).
struct WorldServices {
  platform::Screen* screen = nullptr;
  platform::Input* input = nullptr;
  platform::Clock* clock = nullptr;
};
extern WorldServices worldServices;

// Puts every world global (objects, counters, camera, services) back to its
// start value; the pictures are kept. Tests and headless runs call it between runs.
void resetWorld();
