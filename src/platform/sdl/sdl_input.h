// Keyboard and mouse from SDL's event queue. Every query drains the queue
// first, so answers are current when asked. SDL's keys are mapped onto the
// game's numbers (Enter 13, Escape 27, Space 32, arrows 37-40, digits 48-57,
// letters 65-90); auto-repeat is ignored; SDL's middle and right buttons
// (2, 3) become the game's 3 and 2. Losing or regaining the focus forgets
// every held key and button and every count. The system's request to close
// the window is deliberately ignored: only Escape ends the game.
#pragma once
#include "platform/input.h"

namespace platform {

class SdlInput : public Input {
 public:
  // The canvas the pointer is kept within (its coordinates are canvas pixels).
  void setCanvas(int width, int height) {
    canvasWidth_ = width;
    canvasHeight_ = height;
  }

 protected:
  void pollEvents() override;

 private:
  // One SDL_Event, passed untyped so that SDL stays out of this header.
  void handleEvent(const void* sdlEvent);

  int canvasWidth_ = 1024;
  int canvasHeight_ = 768;
};

// Synthetic events put on SDL's queue as the system would deliver them: for
// tests and scripted runs. Keys are named as SDL names them ("Return", "Z", "Left").
bool pushSdlKey(const char* keyName, bool down, bool repeat = false);
void pushSdlMouseButton(int sdlButton, bool down);
void pushSdlMouseMotion(int x, int y);
void pushSdlFocusLost();
void pushSdlFocusGained();
void pushSdlQuit();

}  // namespace platform
