// Screenshots of a headless run: the recorded frame is replayed onto SDL's
// software renderer in an offscreen window and read back as a PNG.
#pragma once
#include <string>
#include <vector>

#include "platform/headless/headless_screen.h"

namespace sim {

// Writes `frame` as a 1024 x 768 PNG at `path`; false with a reason on failure.
bool writeScreenshot(const std::vector<platform::DrawCommand>& frame, const std::string& path,
                     std::string& error);

}  // namespace sim
