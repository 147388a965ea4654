// The frame loop: one pass is one frame, held to 60 a second by the present.
// Each frame clears the screen, paints the sky over the top half, runs the
// world's pass (update, draw, purge), flies the camera, runs the rain and
// chime step and presents; Escape hit at any time ends the loop after the
// frame it was seen in. The world is drawn before the camera moves, so input
// shows on screen one frame later.
#pragma once
#include <functional>

#include "platform/platform.h"

namespace shell {

// Optional observers for the headless driver and tests; the game passes none.
struct FrameHooks {
  // Called before frame `frame` (0 = the first frame of play) runs; returning
  // false stops the loop without running it.
  std::function<bool(long frame)> beforeFrame;
  // Called right after the world's pass of each frame.
  std::function<void()> afterWorld;
};

// Runs frames until Escape has been hit (or a hook asks to stop). Returns the
// number of frames run.
long runFrameLoop(platform::Platform& platform, const FrameHooks& hooks = {});

// The sky: the top half of the screen in sky blue, at scale 1 x 1.
void drawSky(platform::Screen& screen);

}  // namespace shell
