#include "tools/sim/screenshot.h"

#include <fstream>

#include "platform/png_encode.h"
#include "platform/sdl/sdl_system.h"
#include "shell/startup.h"

namespace sim {
namespace {

constexpr int kWindowDepth = 0;  // a plain window, never a full-screen mode

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) error = "cannot write " + path;
  return static_cast<bool>(out);
}

}  // namespace

bool writeScreenshot(const std::vector<platform::DrawCommand>& frame, const std::string& path,
                     std::string& error) {
  auto sdl = platform::SdlSystem::create(
      {.windowed = true, .softwareRenderer = true, .allowOffscreen = true, .audio = false}, error);
  if (!sdl) return false;
  if (!sdl->screen().open(shell::kScreenWidth, shell::kScreenHeight, kWindowDepth, shell::kScreenHz, 0,
                          error))
    return false;
  platform::HeadlessScreen::replay(frame, sdl->screen());
  platform::Pixels pixels;
  if (!sdl->readPixels(pixels)) return error = "cannot read the canvas back", false;
  std::vector<uint8_t> png;
  if (!platform::encodePng(pixels, false, png, error)) return false;
  return writeFile(path, png, error);
}

}  // namespace sim
