#include "platform/sdl/sdl_input.h"

#include <SDL.h>

#include <algorithm>

namespace platform {
namespace {

constexpr int kGameKeyA = 65;
constexpr int kGameKey0 = 48;
constexpr int kNoKey = -1;

int gameKey(SDL_Keycode sym) {
  if (sym >= SDLK_a && sym <= SDLK_z) return kGameKeyA + (sym - SDLK_a);
  if (sym >= SDLK_0 && sym <= SDLK_9) return kGameKey0 + (sym - SDLK_0);
  switch (sym) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER: return kKeyEnter;
    case SDLK_ESCAPE: return kKeyEscape;
    case SDLK_SPACE: return kKeySpace;
    case SDLK_LEFT: return kKeyLeft;
    case SDLK_UP: return kKeyUp;
    case SDLK_RIGHT: return kKeyRight;
    case SDLK_DOWN: return kKeyDown;
    default: return kNoKey;
  }
}

int gameButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    default: return kNoKey;
  }
}

}  // namespace

void SdlInput::pollEvents() {
  SDL_Event event;
  while (SDL_PollEvent(&event)) handleEvent(&event);
}

void SdlInput::handleEvent(const void* sdlEvent) {
  const SDL_Event& event = *static_cast<const SDL_Event*>(sdlEvent);
  switch (event.type) {
    case SDL_KEYDOWN:
      if (!event.key.repeat) pressKey(gameKey(event.key.keysym.sym));
      break;
    case SDL_KEYUP: releaseKey(gameKey(event.key.keysym.sym)); break;
    case SDL_MOUSEBUTTONDOWN: pressButton(gameButton(event.button.button)); break;
    case SDL_MOUSEBUTTONUP: releaseButton(gameButton(event.button.button)); break;
    case SDL_MOUSEMOTION:
      // With a logical canvas SDL has already turned window pixels into canvas
      // pixels; in the letterbox bars they fall outside it, hence the clamp.
      movePointer(std::clamp(event.motion.x, 0, canvasWidth_ - 1),
                  std::clamp(event.motion.y, 0, canvasHeight_ - 1));
      break;
    case SDL_WINDOWEVENT:
      // Keys and buttons that changed while another window had the focus were
      // never seen: whatever is held counts as released until pressed again.
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
          event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED)
        clear();
      break;
    default: break;
  }
}

bool pushSdlKey(const char* keyName, bool down, bool repeat) {
  const SDL_Keycode sym = SDL_GetKeyFromName(keyName);
  if (sym == SDLK_UNKNOWN) return false;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = sym;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(sym);
  return SDL_PushEvent(&event) == 1;
}

void pushSdlMouseButton(int sdlButton, bool down) {
  SDL_Event event{};
  event.type = down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
  event.button.button = static_cast<Uint8>(sdlButton);
  event.button.state = down ? SDL_PRESSED : SDL_RELEASED;
  SDL_PushEvent(&event);
}

void pushSdlMouseMotion(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

namespace {

void pushSdlWindowEvent(Uint8 windowEvent) {
  SDL_Event event{};
  event.type = SDL_WINDOWEVENT;
  event.window.event = windowEvent;
  SDL_PushEvent(&event);
}

}  // namespace

void pushSdlFocusLost() { pushSdlWindowEvent(SDL_WINDOWEVENT_FOCUS_LOST); }

void pushSdlFocusGained() { pushSdlWindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED); }

void pushSdlQuit() {
  SDL_Event event{};
  event.type = SDL_QUIT;
  SDL_PushEvent(&event);
}

}  // namespace platform
