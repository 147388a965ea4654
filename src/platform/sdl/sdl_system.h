// The real platform on SDL2: one object that initialises SDL and owns the
// screen, input, audio and clock built on it. SDL's headers stay in the .cpp.
#pragma once
#include <memory>
#include <string>

#include "platform/platform.h"

namespace platform {

struct SdlOptions {
  bool windowed = false;          // a plain window instead of the desktop's full-screen mode
  bool softwareRenderer = false;  // SDL's software renderer (pixel read-back tests, screenshots)
  bool allowOffscreen = false;    // accept SDL's offscreen video driver; the game itself refuses it
  bool audio = true;              // try to open an audio device (channels stay silent if none opens)
};

class SdlSystem {
 public:
  // Initialises SDL; nullptr with a one-line reason when no usable display exists.
  static std::unique_ptr<SdlSystem> create(const SdlOptions& options, std::string& error);
  virtual ~SdlSystem() = default;

  virtual Screen& screen() = 0;
  virtual Input& input() = 0;
  virtual Audio& audio() = 0;
  virtual Clock& clock() = 0;
  // The canvas as drawn so far this frame (1024 x 768 after open), for tests and screenshots.
  virtual bool readPixels(Pixels& out) = 0;
  // Which SDL render driver is in use ("opengl", "software", ...).
  virtual std::string rendererName() const = 0;
};

}  // namespace platform
