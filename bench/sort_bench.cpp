// The depth sort against std::stable_sort and against the floor of one
// comparison pass, on 100,000 world objects in three shapes:
//
//   sorted  the list in depth order, as a still meadow leaves it;
//   nearly  the list as one real frame of play leaves it (a seeded meadow,
//           one world pass of motion), plus 1% newly made objects at its end;
//   random  the same objects shuffled.
//
// The objects were made in a different order from their depth order, so as
// in play the list's walk jumps about in memory. Every timed sort starts
// from an untimed copy of the input; the world's own sorter is used, on the
// world's list type, with the depth key render() gives it.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <string>

#include "bench/bench_support.h"
#include "world/depth_sort.h"
#include "world/world.h"

namespace {

constexpr int kNewObjectsPercent = 1;
constexpr uint32_t kShuffleSeed = 777;

enum Shape { kSorted, kNearly, kRandom };
const char* const kShapeNames[] = {"sorted", "nearly", "random"};

bool nearer(const TDOPtr& a, const TDOPtr& b) { return a->z < b->z; }

struct SortInputs {
  WorldList shapes[3];
};

const SortInputs& inputs(int objects) {
  static int madeFor = -1;
  static SortInputs made;
  if (madeFor == objects) return made;
  const int newObjects = objects * kNewObjectsPercent / 100;
  bench::populateMeadow(objects - newObjects);
  TDO::render();  // no screen: sorts, moves and purges only
  for (int i = 0; i < newObjects; ++i) TDO::New();
  made.shapes[kNearly] = *worldList;
  made.shapes[kSorted] = made.shapes[kNearly];
  std::stable_sort(made.shapes[kSorted].begin(), made.shapes[kSorted].end(), nearer);
  made.shapes[kRandom] = made.shapes[kNearly];
  std::shuffle(made.shapes[kRandom].begin(), made.shapes[kRandom].end(),
               std::mt19937(kShuffleSeed));
  resetWorld();  // the inputs keep the objects alive
  madeFor = objects;
  return made;
}

template <class Sort>
void timeSort(benchmark::State& state, Shape shape, int objects, Sort sort) {
  const WorldList& input = inputs(objects).shapes[shape];
  WorldList work;
  for (auto _ : state) {
    state.PauseTiming();
    work = input;
    state.ResumeTiming();
    sort(work);
  }
  if (!std::is_sorted(work.begin(), work.end(), nearer)) state.SkipWithError("left unsorted");
}

void BM_DepthSort(benchmark::State& state, Shape shape, int objects) {
  DepthSorter<TDOPtr> sorter;
  timeSort(state, shape, objects, [&](WorldList& list) {
    sorter.sort(list, [](const TDOPtr& object) { return object->z; });
  });
}

void BM_StdStableSort(benchmark::State& state, Shape shape, int objects) {
  timeSort(state, shape, objects,
           [](WorldList& list) { std::stable_sort(list.begin(), list.end(), nearer); });
}

void BM_SortFloor(benchmark::State& state, int objects) {
  const WorldList& sorted = inputs(objects).shapes[kSorted];
  for (auto _ : state)
    benchmark::DoNotOptimize(std::is_sorted(sorted.begin(), sorted.end(), nearer));
}

}  // namespace

// Named BM_DepthSort/<shape>/<objects>, the shape by its name.
constexpr int kObjects = 100000;
static const bool kRegistered = [] {
  // Names are built by appending: GCC 12 warns wrongly on "literal" + std::string.
  auto name = [](const char* benchmark, const char* shape) {
    std::string n(benchmark);
    if (shape) n.append("/").append(shape);
    return n.append("/").append(std::to_string(kObjects));
  };
  for (Shape shape : {kSorted, kNearly, kRandom}) {
    benchmark::RegisterBenchmark(name("BM_DepthSort", kShapeNames[shape]).c_str(), BM_DepthSort,
                                 shape, kObjects)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(name("BM_StdStableSort", kShapeNames[shape]).c_str(),
                                 BM_StdStableSort, shape, kObjects)
        ->Unit(benchmark::kMicrosecond);
  }
  benchmark::RegisterBenchmark(name("BM_SortFloor", nullptr).c_str(), BM_SortFloor, kObjects)
      ->Unit(benchmark::kMicrosecond);
  return true;
}();
