#include "shell/camera.h"

#include "world/world.h"

namespace shell {
namespace {

// Zone bounds are fractions of the screen size taken in single precision,
// and every comparison is strict: on 1024 x 768 the left zone ends at x 204
// and the top zone at y 383.
constexpr float kLeftZone = 0.2f;
constexpr float kRightZone = 0.8f;
constexpr float kTopZone = 0.5f;  // the whole sky, not a fifth
constexpr float kBottomZone = 0.8f;

float pointerX(platform::Input& input) { return static_cast<float>(input.mouseX()); }
float pointerY(platform::Input& input) { return static_cast<float>(input.mouseY()); }

}  // namespace

void moveCamera(platform::Screen& screen, platform::Input& input) {
  const float width = static_cast<float>(screen.width());
  const float height = static_cast<float>(screen.height());
  // The pointer is only asked when the direction's key is up (|| short-circuits).
  if (input.keyDown(platform::kKeyLeft) || pointerX(input) < width * kLeftZone) camXv += kCameraStep;
  if (input.keyDown(platform::kKeyRight) || pointerX(input) > width * kRightZone) camXv -= kCameraStep;
  if (input.keyDown(platform::kKeyUp) || pointerY(input) < height * kTopZone) camZv -= kCameraStep;
  if (input.keyDown(platform::kKeyDown) || pointerY(input) > height * kBottomZone) camZv += kCameraStep;

  camX += camXv;
  camY += camYv;
  camZ += camZv;
  camXv *= kCameraDamping;
  camYv *= kCameraDamping;
  camZv *= kCameraDamping;
}

}  // namespace shell
