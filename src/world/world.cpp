// The world's shared state and its reset.
#include "world/world.h"

#include "world/behaviour.h"

std::shared_ptr<WorldList> worldList;
TDOPtr currentFlower;
TDOPtr playerCloud;
int32_t foliageCount = 0;
int32_t seedBudget = 0;
int32_t seedDropTimer = 0;

float camX = 0.0f, camY = 96.0f, camZ = 0.0f;
float camXv = 0.0f, camYv = 0.0f, camZv = 0.0f;

std::shared_ptr<platform::Image> beeImage, bee2Image, seedImage, cloudImage;
std::shared_ptr<platform::Image> flower01Image, flower02Image, flower03Image, flower04Image;
std::shared_ptr<platform::Image> tree2Image, grassImage, bushImage;

WorldServices worldServices;

void resetWorld() {
  worldList.reset();
  currentFlower.reset();
  playerCloud.reset();
  foliageCount = 0;
  seedBudget = 0;
  seedDropTimer = 0;
  camX = 0.0f, camY = 96.0f, camZ = 0.0f;
  camXv = 0.0f, camYv = 0.0f, camZv = 0.0f;
  worldServices = {};
  resetCloudClock();
}
