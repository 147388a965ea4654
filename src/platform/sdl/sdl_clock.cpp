#include "platform/sdl/sdl_clock.h"

#include <SDL.h>

namespace platform {

uint32_t SdlClock::millisecs() { return SDL_GetTicks(); }

void SdlClock::sleepUntil(uint32_t target) {
  // SDL_Delay may wake a little early on some systems: sleep again until due.
  for (int32_t left = elapsedMs(target, millisecs()); left > 0;
       left = elapsedMs(target, millisecs()))
    SDL_Delay(static_cast<uint32_t>(left));
}

}  // namespace platform
