// Writing pictures as PNG: screenshots of the canvas and the asset tools.
#pragma once
#include <string>
#include <vector>

#include "platform/image.h"

namespace platform {

// Encodes 8-bit RGBA (or RGB when `withAlpha` is false) as PNG bytes.
bool encodePng(const Pixels& pixels, bool withAlpha, std::vector<uint8_t>& out, std::string& error);

}  // namespace platform
