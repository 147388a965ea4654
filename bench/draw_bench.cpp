// Whole frames of sprites presented through the real SDL renderer, two ways:
//
//   BM_DrawBatched  our SdlScreen: every draw appended to one vertex batch
//                   over one atlas texture, one geometry call per frame;
//   BM_DrawNaive    NaiveScreen, the plain reference: one texture per picture
//                   cell and one SDL_RenderCopyExF per sprite.
//
// Both draw the same n sprites: every world picture, scales 0.5 to 1, half of
// them mirrored, in a seeded random depth order so that pictures interleave.
// Run under Xvfb for the accelerated renderer; the label names the renderer.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "bench/bench_support.h"
#include "platform/random.h"

namespace {

constexpr double kMinScale = 0.5, kMaxScale = 1.0;
constexpr int32_t kSpriteSeed = 4242;

struct Sprite {
  const platform::Image* image;
  int frame;
  float x, y;  // from the canvas centre
  float scaleX, scaleY;
  double depth;
};

std::vector<Sprite> makeSprites(int count) {
  const bench::WorldPictures& pictures = bench::worldPictures();
  platform::seedRandom(kSpriteSeed);
  std::vector<Sprite> sprites(count);
  for (Sprite& s : sprites) {
    const platform::Image& image = *pictures[platform::randomInt(0, shell::kWorldPictureCount - 1)];
    s.image = &image;
    s.frame = platform::randomInt(0, image.frameCount() - 1);
    s.x = static_cast<float>(
        platform::randomReal(-bench::kCanvasWidth / 2.0, bench::kCanvasWidth / 2.0));
    s.y = static_cast<float>(
        platform::randomReal(-bench::kCanvasHeight / 2.0, bench::kCanvasHeight / 2.0));
    const float scale = static_cast<float>(platform::randomReal(kMinScale, kMaxScale));
    s.scaleX = platform::randomInt(0, 1) ? -scale : scale;
    s.scaleY = scale;
    s.depth = platform::randomFraction();
  }
  std::stable_sort(sprites.begin(), sprites.end(),
                   [](const Sprite& a, const Sprite& b) { return a.depth < b.depth; });
  return sprites;
}

void drawFrame(platform::Screen& screen, const std::vector<Sprite>& sprites) {
  screen.setClsColor(240, 60, 150);
  screen.cls();
  for (const Sprite& s : sprites) {
    screen.setScale(s.scaleX, s.scaleY);
    screen.drawImage(*s.image, s.x, s.y, s.frame);
  }
  screen.flip(0);  // presented at once, unpaced
}

void timeFrames(benchmark::State& state, platform::Screen& screen, const std::string& renderer) {
  const auto sprites = makeSprites(static_cast<int>(state.range(0)));
  drawFrame(screen, sprites);  // uploads the textures before timing
  for (auto _ : state) drawFrame(screen, sprites);
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetLabel(renderer);
}

void BM_DrawBatched(benchmark::State& state) {
  platform::SdlSystem& system = bench::sdlSystem();
  timeFrames(state, system.screen(), system.rendererName());
}
BENCHMARK(BM_DrawBatched)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

void BM_DrawNaive(benchmark::State& state) {
  platform::NaiveScreen& screen = bench::naiveScreen();
  timeFrames(state, screen, screen.rendererName());
}
BENCHMARK(BM_DrawNaive)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace
