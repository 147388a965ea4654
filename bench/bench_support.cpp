#include "bench/bench_support.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <stdexcept>

#include "platform/image.h"
#include "platform/random.h"
#include "shell/catalogue.h"
#include "shell/population.h"
#include "shell/startup.h"
#include "world/world.h"

namespace bench {
namespace {

constexpr int kColours = 7;  // bee colours, and so seed and tree variants
constexpr int32_t kFlowerLifeFrames = 1600;
constexpr int32_t kWitherFrames = 30;
constexpr int32_t kFramesPerGrowthCell = 6;
constexpr int32_t kFlowerLastGrowthCell = 7;
constexpr int32_t kFoliageCrowdLimit = 1000;

// Shares of a grown meadow, in objects per thousand (foliage takes the rest).
constexpr int kFlowersPerThousand = 50;
constexpr int kSeedsPerThousand = 10;
constexpr int kWitheringPerHundred = 10;  // flowers and foliage caught withering
constexpr int kFollowingPerHundred = 30;  // bees on their way to a flower

bool percentChance(int percent) { return platform::randomInt(1, 100) <= percent; }

void addFlower() {
  TDOPtr flower = TDO::New();
  flower->flowerMe();
  if (percentChance(kWitheringPerHundred)) {
    flower->lifeTimer = 0;
    flower->deathCounter = platform::randomInt(1, kWitherFrames);
  } else {
    flower->lifeTimer = platform::randomInt(1, kFlowerLifeFrames);
    flower->spawnTimer = kFlowerLifeFrames - flower->lifeTimer;
    flower->frame = std::min(kFlowerLastGrowthCell, flower->spawnTimer / kFramesPerGrowthCell);
  }
}

void addFoliage() {
  TDOPtr plant = TDO::New();
  plant->foliageMe(platform::randomInt(0, kColours - 1));
  plant->spawnTimer = platform::randomInt(0, (plant->maxFrame + 2) * kFramesPerGrowthCell);
  plant->frame = std::min(plant->maxFrame, plant->spawnTimer / kFramesPerGrowthCell);
  if (percentChance(kWitheringPerHundred)) {
    plant->deathCounter = platform::randomInt(1, kWitherFrames);
  }
}

void addSeed() {
  TDOPtr seed = TDO::New();
  seed->seedMe();
  seed->seedType = platform::randomInt(0, kColours - 1);
  seed->yv = static_cast<float>(platform::randomReal(-8.0, 0.0));
}

void sendSomeBeesToFlowers() {
  for (const TDOPtr& object : *worldList) {
    if (object->kind != TDO::KINDBEE || object->following || !percentChance(kFollowingPerHundred))
      continue;
    object->following = 1;
    object->followTDO = currentFlower;
  }
}

std::unique_ptr<platform::SdlSystem> gSystem;
std::unique_ptr<platform::NaiveScreen> gNaive;

std::unique_ptr<platform::SdlSystem> openSystem(bool onDisplay, std::string& error) {
  // Presents must not wait for a (virtual) vertical blank: frames are timed
  // as fast as they can be drawn, batched and naive alike.
  setenv("SDL_RENDER_VSYNC", "0", 1);
  platform::SdlOptions options;
  options.windowed = true;
  options.softwareRenderer = !onDisplay;
  options.allowOffscreen = !onDisplay;
  options.audio = false;
  auto system = platform::SdlSystem::create(options, error);
  if (system && !system->screen().open(kCanvasWidth, kCanvasHeight, 0, 60, 0, error))
    system.reset();
  return system;
}

}  // namespace

bool loadWorldPictures(const platform::Resources& resources, WorldPictures& out,
                       std::string& error) {
  platform::setAutoImageFlags(platform::kImageMipmapped);  // as start-up leaves them
  if (!shell::loadWorldPictures(resources, error)) return false;
  const auto slots = shell::worldPictureSlots();
  for (int i = 0; i < shell::kWorldPictureCount; ++i) out[i] = *slots[i];
  return true;
}

const platform::Resources& gameResources() {
  static const platform::Resources resources = [] {
    platform::Resources r;
    shell::registerAssets(r);
    return r;
  }();
  return resources;
}

const WorldPictures& worldPictures() {
  static const WorldPictures pictures = [] {
    WorldPictures p;
    std::string error;
    if (!loadWorldPictures(gameResources(), p, error)) throw std::runtime_error(error);
    return p;
  }();
  return pictures;
}

void populateMeadow(int objects, int32_t seed) {
  resetWorld();
  const WorldPictures& p = worldPictures();
  const auto slots = shell::worldPictureSlots();
  for (int i = 0; i < shell::kWorldPictureCount; ++i) *slots[i] = p[i];
  platform::seedRandom(seed);
  for (int i = 0; i < shell::kFirstBees; ++i) TDO::New();
  playerCloud = TDO::New();
  playerCloud->cloudMe();
  const int flowers = objects * kFlowersPerThousand / 1000;
  const int seeds = objects * kSeedsPerThousand / 1000;
  for (int i = 0; i < flowers; ++i) addFlower();
  for (int i = 0; i < seeds; ++i) addSeed();
  while (static_cast<int>(worldList->size()) < objects) addFoliage();
  sendSomeBeesToFlowers();
  foliageCount = kFoliageCrowdLimit;
}

platform::SdlSystem& sdlSystem() {
  if (!gSystem) {
    std::string error;
    gSystem = openSystem(true, error);
    if (!gSystem) gSystem = openSystem(false, error);
    if (!gSystem) throw std::runtime_error("no SDL screen: " + error);
    platform::Screen& screen = gSystem->screen();
    screen.setOrigin(kCanvasWidth / 2.0f, kCanvasHeight / 2.0f);
    screen.setBlend(platform::kBlendAlpha);
  }
  return *gSystem;
}

platform::NaiveScreen& naiveScreen() {
  if (!gNaive) {
    const bool software = sdlSystem().rendererName() == "software";
    gNaive = std::make_unique<platform::NaiveScreen>(software);
    std::string error;
    if (!gNaive->open(kCanvasWidth, kCanvasHeight, 0, 60, 0, error)) {
      gNaive.reset();
      throw std::runtime_error("no naive screen: " + error);
    }
    gNaive->setOrigin(kCanvasWidth / 2.0f, kCanvasHeight / 2.0f);
  }
  return *gNaive;
}

void releaseSdlScreens() {
  gNaive.reset();
  gSystem.reset();
}

}  // namespace bench
