// The screen on an SDL renderer. The game always sees a 1024 x 768 canvas:
// full screen takes the desktop's mode and scales the canvas with nearest
// sampling, letterboxed. A frame is collected as one batch of quads over one
// atlas texture and drawn with a single geometry call when it is presented.
//
// Blending is alpha blending (mode 3), the only mode the game uses; the
// batch does not split by mode, so another mode also draws alpha-blended.
//
// Pacing: on opening, the renderer is created with vsync and three presents
// in a row of 16 ms (+-1 ms) within the first second prove the display runs at
// 60 Hz; otherwise vsync is turned off and presents sleep on the 16/17 ms
// schedule of FramePacer.
#pragma once
#include <cstdint>
#include <string>

#include "platform/clock.h"
#include "platform/input.h"
#include "platform/screen.h"
#include "platform/sdl/atlas.h"
#include "platform/sdl/sprite_batch.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

class SdlInput;

class SdlScreen : public Screen {
 public:
  struct FrameStats {
    int geometryCalls = 0;  // renderer draw calls made by the last present
    int quads = 0;          // quads those calls drew
    int dropped = 0;        // draws dropped before batching (off the canvas, empty)
  };

  SdlScreen(SdlInput& input, Clock& clock, bool windowed, bool softwareRenderer);
  ~SdlScreen() override;
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  void setTitle(std::string_view title) override;
  bool open(int width, int height, int depth, int hz, int flags, std::string& error) override;
  void hidePointer() override;
  void cls() override;
  void drawRect(float x, float y, float w, float h) override;
  void drawImage(const Image& image, float x, float y, int frame) override;
  void flip(int pacing) override;

  // The canvas as drawn so far this frame, without presenting it.
  bool readPixels(Pixels& out);
  std::string rendererName() const;
  const FrameStats& lastFrame() const { return lastFrame_; }
  // True when presents wait for the display's vertical sync.
  bool vsyncPaced() const { return vsyncPaced_; }

 private:
  bool createWindowAndRenderer(bool fullScreen, std::string& error);
  void measureVsync();
  void centrePointer();
  bool uploadAtlas();
  int renderBatch();
  void fillCanvas(const Rgb& colour);
  bool canvasFillsOutput() const;
  void close();

  SdlInput& input_;
  Clock& clock_;
  bool windowed_;
  bool softwareRenderer_;
  std::string title_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  uint64_t textureVersion_ = 0;
  Atlas atlas_;
  SpriteBatch batch_;
  FramePacer pacer_;
  bool vsyncPaced_ = false;
  FrameStats lastFrame_;
  bool clearQueued_ = false;  // the batch's first quad is this frame's clear
  Rgb clearColour_;
};

}  // namespace platform
