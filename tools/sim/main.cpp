// quillmoor-sim: runs the game's real start-up and frame loop on the headless
// platform -- a hand-moved clock paced 16/17 ms a frame like the real one,
// silent audio, scripted input -- for a given number of frames of play, then
// prints one line of JSON about the meadow and the run.
//
// The title is left by a Space press made as the screen opens, the way a
// player's quick key press would; the frames counted are frames of play.
#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "platform/headless/headless_screen.h"
#include "platform/headless/silent_audio.h"
#include "platform/random.h"
#include "shell/catalogue.h"
#include "shell/frame_loop.h"
#include "shell/population.h"
#include "shell/rain.h"
#include "shell/startup.h"
#include "tools/sim/options.h"
#include "tools/sim/screenshot.h"
#include "tools/sim/script.h"
#include "tools/sim/world_checks.h"
#include "world/world.h"

namespace {

constexpr uint32_t kClockStart = 1'000'000;  // ms; any start will do, the pacing is relative
constexpr int kExitUsage = 2;
constexpr int kExitCheckFailed = 3;
constexpr int kFoliageVariants = 7;

// Presses Space the moment the screen opens, so the title ends after its first frame.
class TitleSkippingScreen : public platform::HeadlessScreen {
 public:
  TitleSkippingScreen(platform::Clock& clock, platform::Input& input)
      : HeadlessScreen(clock, input), input_(input) {}
  bool open(int width, int height, int depth, int hz, int flags, std::string& error) override {
    if (!HeadlessScreen::open(width, height, depth, hz, flags, error)) return false;
    input_.pressKey(platform::kKeySpace);
    input_.releaseKey(platform::kKeySpace);
    return true;
  }

 private:
  platform::Input& input_;
};

int failWith(int status, const std::string& message) {
  std::fprintf(stderr, "quillmoor-sim: %s\n", message.c_str());
  return status;
}

bool loadScript(const std::string& path, std::vector<sim::ScriptEvent>& events, std::string& error) {
  if (path.empty()) return true;
  std::ifstream in(path, std::ios::binary);
  if (!in) return error = "cannot read " + path, false;
  std::stringstream text;
  text << in.rdbuf();
  sim::ScriptError scriptError;
  if (sim::parseScript(text.str(), events, scriptError)) return true;
  error = "script line " + std::to_string(scriptError.line) + ": " + scriptError.message;
  return false;
}

// Foliage as a landed seed makes it: a plain object at New's random place, then a random variant.
void addFoliage(long count) {
  for (long i = 0; i < count; ++i) TDO::New()->foliageMe(platform::randomInt(0, kFoliageVariants - 1));
}

struct FrameTimes {
  using Clock = std::chrono::steady_clock;
  double totalMs = 0, maxMs = 0;
  long count = 0;
  std::optional<Clock::time_point> start;
  void lap() {
    const auto now = Clock::now();
    if (start) {
      const double ms = std::chrono::duration<double, std::milli>(now - *start).count();
      totalMs += ms, maxMs = std::max(maxMs, ms), ++count;
    }
    start = now;
  }
};

std::string number(double v) {
  if (!std::isfinite(v)) return "null";
  char text[32];
  std::snprintf(text, sizeof text, "%.9g", v);
  return text;
}

void printReport(long frames, const FrameTimes& times) {
  long counts[5] = {};
  for (const TDOPtr& o : *worldList)
    if (o->kind >= 0 && o->kind < 5) ++counts[o->kind];
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  std::printf(
      "{\"frames\":%ld,\"objects\":%zu,\"clouds\":%ld,\"bees\":%ld,\"flowers\":%ld,\"foliage\":%ld,"
      "\"seeds\":%ld,\"foliageCount\":%d,\"seedBudget\":%d,\"camX\":%s,\"camY\":%s,\"camZ\":%s,"
      "\"plantings\":%lld,\"chimes\":%lld,\"ms_per_frame_mean\":%s,\"ms_per_frame_max\":%s,"
      "\"peak_rss_kib\":%ld}\n",
      frames, worldList->size(), counts[TDO::KINDCLOUD], counts[TDO::KINDBEE], counts[TDO::KINDFLOWER],
      counts[TDO::KINDFOLIAGE], counts[TDO::KINDSEED], foliageCount, seedBudget, number(camX).c_str(),
      number(camY).c_str(), number(camZ).c_str(), shell::rainStats.plantings, shell::rainStats.chimes,
      number(times.count ? times.totalMs / times.count : 0).c_str(), number(times.maxMs).c_str(),
      usage.ru_maxrss);
}

}  // namespace

int main(int argc, char** argv) {
  sim::SimOptions options;
  std::string error;
  if (!sim::parseOptions(argc, argv, options, error)) return failWith(kExitUsage, error + "; " + sim::kUsage);
  std::vector<sim::ScriptEvent> events;
  if (!loadScript(options.inputPath, events, error)) return failWith(kExitUsage, error);

  platform::ManualClock clock(kClockStart);
  platform::Input input;
  TitleSkippingScreen screen(clock, input);
  platform::SilentAudio audio;
  platform::Resources resources;
  shell::registerAssets(resources);
  platform::Platform headless{screen, input, audio, clock, resources};
  if (!shell::startUp(headless, error, {options.seed})) return failWith(1, error);

  shell::populateWorld(headless);
  addFoliage(options.foliage);
  screen.setRecording(!options.screenshotPath.empty());

  sim::ScriptPlayer script(std::move(events));
  sim::WorldChecker checker;
  FrameTimes times;
  shell::FrameHooks hooks;
  hooks.beforeFrame = [&](long frame) {
    times.lap();
    if (frame >= options.frames || checker.failed()) {
      times.start.reset();  // the run ends here, not after another frame
      return false;
    }
    script.feed(frame, input);
    if (options.check) checker.beforePass(frame);
    return !checker.failed();
  };
  if (options.check) hooks.afterWorld = [&] { checker.afterPass(); };
  const long frames = shell::runFrameLoop(headless, hooks);
  if (times.start) times.lap();  // Escape ended the loop: close the last frame's lap

  if (checker.failed()) return failWith(kExitCheckFailed, "check failed at " + checker.failure());
  if (!options.screenshotPath.empty() && !sim::writeScreenshot(screen.lastFrame(), options.screenshotPath, error))
    return failWith(1, error);
  printReport(frames, times);
  return 0;
}
