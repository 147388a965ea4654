// The real SDL platform as the SDL tests use it: windowed, on SDL's windowless
// "dummy" video driver with the software renderer, so the tests need no
// display (and the dummy driver, unlike "offscreen", loads no EGL stack that
// leaks at shut-down). With QM_TEST_GL set, the environment's display and the
// accelerated renderer are used instead: run that under Xvfb.
#pragma once
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/sdl/sdl_system.h"

namespace platform::sdltest {

inline bool useGl() { return std::getenv("QM_TEST_GL") != nullptr; }

// A system with its screen open at 1024 x 768; nullptr with the reason in `error`.
inline std::unique_ptr<SdlSystem> openTestSystem(std::string& error) {
  if (!useGl()) setenv("SDL_VIDEODRIVER", "dummy", 1);
  SdlOptions options;
  options.windowed = true;
  options.softwareRenderer = !useGl();
  options.allowOffscreen = true;
  options.audio = false;
  auto system = SdlSystem::create(options, error);
  if (system && !system->screen().open(1024, 768, 0, 60, 0, error)) system.reset();
  return system;
}

}  // namespace platform::sdltest
