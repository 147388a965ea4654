#include "shell/frame_loop.h"

#include "shell/camera.h"
#include "shell/rain.h"
#include "world/world.h"

namespace shell {
namespace {

constexpr platform::Rgb kSkyBlue{100, 200, 255};
constexpr platform::Rgb kWhite{255, 255, 255};  // draws images in their own colours

}  // namespace

void drawSky(platform::Screen& screen) {
  const int width = screen.width();
  const int height = screen.height();
  screen.setColor(kSkyBlue.r, kSkyBlue.g, kSkyBlue.b);
  // The world leaves the scale of the last object it drew.
  screen.setScale(1.0f, 1.0f);
  // Relative to the centre origin: from the top-left corner, half the height down.
  screen.drawRect(static_cast<float>(-width / 2), static_cast<float>(-height / 2),
                  static_cast<float>(width), static_cast<float>(height / 2));
}

long runFrameLoop(platform::Platform& p, const FrameHooks& hooks) {
  long frame = 0;
  for (;; ++frame) {
    if (hooks.beforeFrame && !hooks.beforeFrame(frame)) break;
    p.screen.cls();
    drawSky(p.screen);
    p.screen.setColor(kWhite.r, kWhite.g, kWhite.b);
    TDO::render();
    if (hooks.afterWorld) hooks.afterWorld();
    moveCamera(p.screen, p.input);
    rainStep(p.input, p.audio, p.clock);
    p.screen.flip(platform::kPaceToRefresh);
    if (p.input.keyHit(platform::kKeyEscape) != 0) return frame + 1;
  }
  return frame;
}

}  // namespace shell
