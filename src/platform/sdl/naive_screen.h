// The plain way to draw sprites, kept as the yardstick for the batched
// SdlScreen: one SDL texture per picture cell and mip level, and one
// SDL_RenderCopyExF per drawn cell, with the colour and alpha set on the
// texture before each copy. The game never draws through it; the benchmarks
// time it against the batch and a test checks that both paint the same
// picture. Placement, mirroring and the choice of mip level follow the
// batch exactly, so any difference is the renderer's rounding.
#pragma once
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/screen.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

namespace platform {

class NaiveScreen : public Screen {
 public:
  // SDL's software renderer, or the first accelerated one, without vsync.
  explicit NaiveScreen(bool softwareRenderer);
  ~NaiveScreen() override;
  NaiveScreen(const NaiveScreen&) = delete;
  NaiveScreen& operator=(const NaiveScreen&) = delete;

  void setTitle(std::string_view title) override { title_ = title; }
  // Always a window of width x height; depth, hz and flags are ignored.
  bool open(int width, int height, int depth, int hz, int flags, std::string& error) override;
  void hidePointer() override {}
  void cls() override;
  void drawRect(float x, float y, float w, float h) override;
  void drawImage(const Image& image, float x, float y, int frame) override;
  // Presents at once: the reference is never paced.
  void flip(int pacing) override;

  // The canvas as drawn so far this frame.
  bool readPixels(Pixels& out);
  std::string rendererName() const;

 private:
  SDL_Texture* textureFor(const Image& image, int frame, int level);
  void close();

  bool softwareRenderer_;
  bool videoStarted_ = false;
  std::string title_;
  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  // Image id -> [frame][level], made on first draw.
  std::unordered_map<uint64_t, std::vector<std::vector<SDL_Texture*>>> textures_;
};

}  // namespace platform
