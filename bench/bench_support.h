// What the benchmarks share: the game's real pictures, a meadow populated the
// way play leaves it, and one real SDL screen for the whole run.
//
// Everything is seeded, so each run measures the same meadow and the same
// sprites. The SDL system is made on first use and kept; the start-up
// benchmark, which opens SDL by itself, lets it go first.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/image.h"
#include "platform/resources.h"
#include "platform/sdl/naive_screen.h"
#include "platform/sdl/sdl_system.h"
#include "shell/catalogue.h"

namespace bench {

constexpr int kCanvasWidth = 1024;
constexpr int kCanvasHeight = 768;
constexpr int32_t kBenchSeed = 12345;

using WorldPictures = std::array<std::shared_ptr<platform::Image>, shell::kWorldPictureCount>;

// The eleven world pictures from the embedded files, in catalogue order, cut
// and handled as start-up does (mipmapped). False with the reason when one
// does not decode.
bool loadWorldPictures(const platform::Resources& resources, WorldPictures& out,
                       std::string& error);

// The game's embedded files, registered once.
const platform::Resources& gameResources();
// The world pictures, loaded once and handed to the world's picture globals.
const WorldPictures& worldPictures();

// Replaces the world by a seeded meadow of `objects` objects as a long game
// leaves it: the cloud, the first bees and the milestone bees, flowers at every
// stage of growth and withering, foliage of all three kinds at every stage,
// and falling seeds. The camera stands at its start. The foliage count is left
// at the crowding limit, where play holds it.
void populateMeadow(int objects, int32_t seed = kBenchSeed);

// The real SDL screen, 1024 x 768, windowed, origin at the centre: on the
// display when there is one (run under Xvfb for the accelerated renderer),
// else SDL's offscreen driver with its software renderer.
platform::SdlSystem& sdlSystem();
// The plain one-copy-per-sprite screen on the same video driver, renderer
// kind and canvas, in a window of its own.
platform::NaiveScreen& naiveScreen();
// Closes both shared screens and shuts SDL down; the next use opens them again.
void releaseSdlScreens();

}  // namespace bench
