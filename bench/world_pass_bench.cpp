// The world's whole pass per frame, and the batch's share of it.
//
// BM_WorldPass: one TDO::render() (sort, kind updates, projection, drawing
// into the real SDL screen's batch, purge) over a seeded meadow of n objects,
// camera at its start. Nothing is presented: the batch is cleared each frame
// by cls(), as the frame loop does. The meadow lives on from frame to frame
// just as in play. Counters: ns_per_object, and bytes_per_object, the heap
// the meadow and its first pass took (objects, list, sort scratch, vertices)
// over the number of objects.
//
// BM_WholeFrame: the same meadow of 100,000 presented frame after frame.
//
// BM_BatchBuild: the draws of one 100,000-object frame, recorded once, fed
// again and again to a SpriteBatch (culling, mip level, quad): CPU alone.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <ctime>
#include <vector>

#include "bench/bench_support.h"
#include "platform/clock.h"
#include "platform/headless/headless_screen.h"
#include "platform/input.h"
#include "platform/sdl/atlas.h"
#include "platform/sdl/sprite_batch.h"
#include "shell/frame_loop.h"
#include "world/world.h"

namespace {

constexpr uint32_t kFrameMs = 16;  // the clock's step between two passes

size_t heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

// This thread's CPU time over the timed loop, per item handled: on a machine
// shared with builds, wall time would count other programs' turns too.
class NsPerItem {
 public:
  void start() { start_ = threadCpuNs(); }
  double stop(benchmark::State& state, double itemsPerIteration) const {
    return (threadCpuNs() - start_) / (static_cast<double>(state.iterations()) * itemsPerIteration);
  }

 private:
  static double threadCpuNs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e9 + static_cast<double>(now.tv_nsec);
  }
  double start_ = 0;
};

void BM_WorldPass(benchmark::State& state) {
  const int objects = static_cast<int>(state.range(0));
  platform::SdlSystem& system = bench::sdlSystem();
  platform::Input input;
  platform::ManualClock clock;
  resetWorld();
  const size_t heapBefore = heapInUse();
  bench::populateMeadow(objects);
  worldServices = {&system.screen(), &input, &clock};
  system.screen().cls();
  TDO::render();
  const size_t heapAfter = heapInUse();

  NsPerItem timer;
  timer.start();
  for (auto _ : state) {
    system.screen().cls();
    TDO::render();
    clock.advance(kFrameMs);
  }
  state.counters["ns_per_object"] = timer.stop(state, objects);
  state.counters["bytes_per_object"] =
      (static_cast<double>(heapAfter) - static_cast<double>(heapBefore)) / objects;
  state.counters["objects_at_end"] = static_cast<double>(worldList->size());
  state.SetLabel(system.rendererName());
  system.screen().cls();
  resetWorld();
}
BENCHMARK(BM_WorldPass)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// A whole frame of play as the frame loop makes it, less the pacing: clear,
// sky, world pass, and the present through the real renderer.
void BM_WholeFrame(benchmark::State& state) {
  platform::SdlSystem& system = bench::sdlSystem();
  platform::Screen& screen = system.screen();
  platform::Input input;
  platform::ManualClock clock;
  bench::populateMeadow(static_cast<int>(state.range(0)));
  worldServices = {&screen, &input, &clock};
  for (auto _ : state) {
    screen.cls();
    shell::drawSky(screen);
    TDO::render();
    screen.flip(0);
    clock.advance(kFrameMs);
  }
  state.SetLabel(system.rendererName());
  resetWorld();
}
BENCHMARK(BM_WholeFrame)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The draws one pass of a seeded meadow makes, with the state each was given.
std::vector<platform::DrawCommand> recordMeadowDraws(int objects) {
  platform::Input input;
  platform::ManualClock clock;
  platform::HeadlessScreen screen(clock, input);
  std::string error;
  screen.open(bench::kCanvasWidth, bench::kCanvasHeight, 0, 60, 0, error);
  screen.setOrigin(bench::kCanvasWidth / 2.0f, bench::kCanvasHeight / 2.0f);
  screen.setRecording(true);
  bench::populateMeadow(objects);
  worldServices = {&screen, &input, &clock};
  TDO::render();
  std::vector<platform::DrawCommand> draws = screen.currentFrame();
  resetWorld();  // the pictures the draws point at stay loaded
  return draws;
}

void BM_BatchBuild(benchmark::State& state) {
  const auto draws = recordMeadowDraws(static_cast<int>(state.range(0)));
  platform::Atlas atlas;
  platform::SpriteBatch batch(atlas, bench::kCanvasWidth, bench::kCanvasHeight);
  auto build = [&] {
    batch.clear();
    for (const platform::DrawCommand& d : draws)
      batch.addImage(d.state, *d.image, d.x, d.y, d.frame);
  };
  build();  // packs the pictures into the atlas before timing
  NsPerItem timer;
  timer.start();
  for (auto _ : state) {
    build();
    benchmark::DoNotOptimize(batch.vertices().data());
  }
  state.counters["ns_per_sprite"] = timer.stop(state, static_cast<double>(draws.size()));
  state.counters["quads"] = batch.quadCount();
  state.counters["dropped"] = batch.droppedCount();
}
BENCHMARK(BM_BatchBuild)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
