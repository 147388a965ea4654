// The headless driver's command line and its soak checks: every corruption of
// the world that the checks exist for is caught, and a sound world passes.
#include <gtest/gtest.h>

#include <algorithm>

#include "shell/population.h"
#include "shell_rig.h"
#include "tools/sim/options.h"
#include "tools/sim/world_checks.h"
#include "world/world.h"

using namespace shelltest;

TEST(SimOptions, ReadsWhatItKnowsAndRefusesTheRest) {
  struct Case {
    std::vector<const char*> args;
    bool ok;
    long frames = 600, foliage = 0;
    std::optional<int32_t> seed = std::nullopt;
    bool check = false;
  } cases[] = {
      {{}, true},
      {{"--frames", "0"}, true, 0},
      {{"--frames", "36000", "--foliage", "500", "--check"}, true, 36000, 500, std::nullopt, true},
      {{"--seed", "-5"}, true, 600, 0, -5},
      {{"--seed", "4294967295"}, true, 600, 0, -1},
      {{"--input", "a.txt", "--screenshot", "b.png"}, true},
      {{"--frames"}, false},
      {{"--frames", "-1"}, false},
      {{"--frames", "12x"}, false},
      {{"--frames", ""}, false},
      {{"--frames", "1000000001"}, false},
      {{"--seed", "4294967296"}, false},
      {{"--foliage", "1000001"}, false},
      {{"--fast"}, false},
      {{"frames", "10"}, false},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"quillmoor-sim"};
    argv.insert(argv.end(), c.args.begin(), c.args.end());
    sim::SimOptions options;
    std::string error;
    const bool ok = sim::parseOptions(static_cast<int>(argv.size()), argv.data(), options, error);
    std::string what = c.args.empty() ? "(none)" : c.args[0];
    EXPECT_EQ(ok, c.ok) << what << " " << error;
    if (!ok) {
      EXPECT_FALSE(error.empty()) << what;
      EXPECT_EQ(error.find('\n'), std::string::npos) << what;
      continue;
    }
    EXPECT_EQ(options.frames, c.frames) << what;
    EXPECT_EQ(options.foliage, c.foliage) << what;
    EXPECT_EQ(options.seed, c.seed) << what;
    EXPECT_EQ(options.check, c.check) << what;
  }
}

TEST(SimChecks, CatchEachBrokenInvariant) {
  struct Case {
    const char* what;
    std::function<void()> beforePass;  // breaks the world before the pass begins
    std::function<void()> afterPass;   // or the list the pass left
    bool fails;
  } cases[] = {
      {"a sound world", [] {}, [] {}, false},
      {"an object already marked dead", [] { (*worldList)[5]->killMe = 1; }, [] {}, true},
      {"the cloud gone from the list", [] { worldList->pop_back(); }, [] {}, true},
      {"no cloud at all", [] { playerCloud.reset(); }, [] {}, true},
      {"a negative seed budget", [] { seedBudget = -1; }, [] {}, true},
      {"a cell past the picture", [] { (*worldList)[0]->frame = 7; }, [] {}, true},
      {"a cell before the picture", [] { (*worldList)[3]->frameOffset = -1; }, [] {}, true},
      {"the list out of depth order", [] {},
       [] { std::reverse(worldList->begin(), worldList->end()); }, true},
      {"a cell broken during the pass", [] {}, [] { playerCloud->frame = 99; }, true},
  };
  for (const Case& c : cases) {
    ShellRig rig;
    rig.startUpQuickly();
    shell::populateWorld(rig.platform);
    sim::WorldChecker checker;
    c.beforePass();
    checker.beforePass(12);
    TDO::render();
    c.afterPass();
    checker.afterPass();
    EXPECT_EQ(checker.failed(), c.fails) << c.what << ": " << checker.failure();
    if (c.fails) {
      EXPECT_EQ(checker.failure().rfind("frame 12: ", 0), 0u) << checker.failure();
    }
  }
}
