// From nothing to the first title frame on the screen: an empty registry
// filled with the fifteen embedded files, SDL started and the 1024 x 768
// screen opened on SDL's offscreen driver (software renderer), the title,
// both sounds (the music on a second core, as start-up does) and the eleven
// world pictures decoded, and the title drawn and
// presented once. Tearing SDL down again is not timed.
//
// The shared screens of the other benchmarks are closed first: each
// iteration starts and stops SDL itself.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <future>
#include <memory>
#include <optional>
#include <string>

#include "bench/bench_support.h"
#include "shell/catalogue.h"
#include "shell/startup.h"

namespace {

constexpr float kTitleScale = 4.0f;  // the title is 256 x 192, drawn to fill the canvas

// Sets an environment variable for one scope and puts the old value back.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      setenv(name_, old_->c_str(), 1);
    } else {
      unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// One start-up; false with the reason in `error`.
bool startToTitle(std::unique_ptr<platform::SdlSystem>& system, std::string& error) {
  platform::Resources resources;
  shell::registerAssets(resources);
  // As start-up does: the music decodes on a second core while the screen opens.
  auto musicAside = std::async(std::launch::async,
                               [&resources] { return platform::decodeSound(resources, "track1.ogg"); });
  platform::SdlOptions options;
  options.windowed = true;
  options.softwareRenderer = true;
  options.allowOffscreen = true;
  options.audio = false;
  system = platform::SdlSystem::create(options, error);
  if (!system) return false;
  platform::Screen& screen = system->screen();
  screen.setTitle("Quillmoor");
  if (!screen.open(shell::kScreenWidth, shell::kScreenHeight, 0, shell::kScreenHz, 0, error))
    return false;
  platform::setAutoImageFlags(platform::kImageMipmapped);
  auto title = platform::loadImage(resources, "title.png", platform::kAutoFlags, error);
  auto chime = system->audio().loadSound(resources, "fx1.ogg", 0, error);
  auto music = system->audio().adoptSound(musicAside.get(), platform::kSoundLoops, error);
  bench::WorldPictures pictures;
  if (!title || !chime || !music || !bench::loadWorldPictures(resources, pictures, error))
    return false;
  title->centreHandle();
  screen.setOrigin(shell::kScreenWidth / 2.0f, shell::kScreenHeight / 2.0f);
  screen.setClsColor(255, 255, 255);
  screen.cls();
  screen.setScale(kTitleScale, kTitleScale);
  screen.drawImage(*title, 0, 0, 0);
  screen.flip(0);
  return true;
}

void BM_StartupToTitle(benchmark::State& state) {
  bench::releaseSdlScreens();
  ScopedEnv offscreen("SDL_VIDEODRIVER", "offscreen");
  for (auto _ : state) {
    std::unique_ptr<platform::SdlSystem> system;
    std::string error;
    if (!startToTitle(system, error)) {
      state.SkipWithError(error.c_str());
      break;
    }
    state.PauseTiming();
    system.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_StartupToTitle)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
