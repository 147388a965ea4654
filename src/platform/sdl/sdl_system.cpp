// Start-up of the real platform. SDL is told to leave the signal handlers
// alone, so that SIGTERM ends the game at once by its default action.
//
// SDL quietly falls back to a windowless video driver ("offscreen" or
// "dummy") when there is no display; a game running there would show nothing
// and wait forever for a key. So such a driver is accepted only when the
// caller allows it (tests, screenshots) or the environment asked for it by name.
#include "platform/sdl/sdl_system.h"

#include <SDL.h>

#include <cstdlib>
#include <cstring>

#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_clock.h"
#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_screen.h"

namespace platform {
namespace {

bool windowlessDriver(const char* driver) {
  return driver && (SDL_strcasecmp(driver, "offscreen") == 0 || SDL_strcasecmp(driver, "dummy") == 0);
}

// True when SDL_VIDEODRIVER names `driver` (it may hold a comma-separated list).
bool environmentAsksFor(const char* driver) {
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  if (!asked) return false;
  const size_t length = std::strlen(driver);
  for (const char* p = asked; *p;) {
    const char* end = std::strchr(p, ',');
    const size_t n = end ? static_cast<size_t>(end - p) : std::strlen(p);
    if (n == length && SDL_strncasecmp(p, driver, n) == 0) return true;
    p += n + (end ? 1 : 0);
  }
  return false;
}

class SdlSystemImpl : public SdlSystem {
 public:
  explicit SdlSystemImpl(const SdlOptions& options)
      : screen_(input_, clock_, options.windowed, options.softwareRenderer),
        audio_(options.audio) {}
  ~SdlSystemImpl() override = default;  // members close their SDL parts first

  Screen& screen() override { return screen_; }
  Input& input() override { return input_; }
  Audio& audio() override { return audio_; }
  Clock& clock() override { return clock_; }
  bool readPixels(Pixels& out) override { return screen_.readPixels(out); }
  std::string rendererName() const override { return screen_.rendererName(); }

 private:
  // SDL itself is shut down after every member is gone.
  struct SdlLifetime {
    ~SdlLifetime() { SDL_Quit(); }
  } lifetime_;
  SdlClock clock_;
  SdlInput input_;
  SdlScreen screen_;
  SdlAudio audio_;
};

}  // namespace

std::unique_ptr<SdlSystem> SdlSystem::create(const SdlOptions& options, std::string& error) {
  // With no display named at all, say so at once: probing the drivers would only
  // add the windowing libraries' own complaints to our one line.
  if (!options.allowOffscreen && !std::getenv("SDL_VIDEODRIVER") && !std::getenv("DISPLAY") &&
      !std::getenv("WAYLAND_DISPLAY")) {
    error = "no display found";
    return nullptr;
  }
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  // Naming a render driver by hint turns SDL's own batching off unless asked for.
  SDL_SetHint(SDL_HINT_RENDER_BATCHING, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot start the video: ") + SDL_GetError();
    return nullptr;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (windowlessDriver(driver) && !options.allowOffscreen && !environmentAsksFor(driver)) {
    SDL_Quit();
    error = "no display found";
    return nullptr;
  }
  return std::make_unique<SdlSystemImpl>(options);
}

}  // namespace platform
