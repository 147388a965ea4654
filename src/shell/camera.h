// The camera: input pushes its velocity, the velocity moves it, and damping
// slows it every frame, so the view glides and comes to rest by itself. The
// arrow keys fly it, and so does the pointer near the screen's edges: left
// and right fifths pan, the upper half (the sky) moves forward, the bottom
// fifth back. A held key wins over its pointer zone: one push per direction.
#pragma once
#include "platform/input.h"
#include "platform/screen.h"

namespace shell {

constexpr float kCameraStep = 0.2f;      // world units per frame, per push
constexpr float kCameraDamping = 0.93f;  // velocity kept per frame, every axis

// One frame of camera flight: reads the keys and pointer, writes camX.. camZv.
void moveCamera(platform::Screen& screen, platform::Input& input);

}  // namespace shell
