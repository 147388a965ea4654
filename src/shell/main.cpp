// Quillmoor: start-up, then the meadow until Escape. No command line is read.
#include <cstdio>
#include <string>

#include "platform/sdl/sdl_system.h"
#include "shell/catalogue.h"
#include "shell/frame_loop.h"
#include "shell/population.h"
#include "shell/startup.h"

namespace {

int fail(const std::string& reason) {
  std::fprintf(stderr, "quillmoor: %s\n", reason.empty() ? "could not start" : reason.c_str());
  return 1;
}

}  // namespace

int main() {
  // Start-up runs once per process: a second entry returns at once.
  static bool started = false;
  if (started) return 0;
  started = true;

  // The embedded files are openable by name before any layer starts.
  platform::Resources resources;
  shell::registerAssets(resources);

  std::string error;
  // Full screen, accelerated, and never SDL's silent offscreen fallback.
  auto system = platform::SdlSystem::create({}, error);
  if (!system) return fail(error.empty() ? "no display found" : error);

  platform::Platform game{system->screen(), system->input(), system->audio(), system->clock(),
                          resources};
  if (!shell::startUp(game, error)) return fail(error);

  shell::populateWorld(game);
  shell::runFrameLoop(game);
  return 0;
}
