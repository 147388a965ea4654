#include "platform/sdl/naive_screen.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/sdl/sprite_batch.h"

namespace platform {
namespace {

constexpr int kBytesPerPixel = 4;

Uint8 channel(int value) { return static_cast<Uint8>(std::clamp(value, 0, 255)); }
Uint8 alphaByte(float alpha) { return static_cast<Uint8>(std::lround(alpha * 255.0f)); }

}  // namespace

NaiveScreen::NaiveScreen(bool softwareRenderer) : softwareRenderer_(softwareRenderer) {}

NaiveScreen::~NaiveScreen() { close(); }

void NaiveScreen::close() {
  for (auto& [id, frames] : textures_)
    for (auto& levels : frames)
      for (SDL_Texture* texture : levels)
        if (texture) SDL_DestroyTexture(texture);
  textures_.clear();
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  renderer_ = nullptr;
  window_ = nullptr;
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoStarted_ = false;
}

bool NaiveScreen::open(int width, int height, int /*depth*/, int /*hz*/, int /*flags*/,
                       std::string& error) {
  close();
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = std::string("cannot start the video: ") + SDL_GetError();
    return false;
  }
  videoStarted_ = true;
  width_ = width;
  height_ = height;
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  window_ = SDL_CreateWindow(title_.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width,
                             height, 0);
  const Uint32 flags = softwareRenderer_ ? SDL_RENDERER_SOFTWARE : SDL_RENDERER_ACCELERATED;
  if (window_) renderer_ = SDL_CreateRenderer(window_, -1, flags);
  if (!renderer_) {
    error = std::string("cannot create a renderer: ") + SDL_GetError();
    close();
    return false;
  }
  SDL_RenderSetLogicalSize(renderer_, width, height);
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
  return true;
}

void NaiveScreen::cls() {
  if (!renderer_) return;
  const Rgb& c = state_.clsColor;
  SDL_SetRenderDrawColor(renderer_, channel(c.r), channel(c.g), channel(c.b), SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_);
}

void NaiveScreen::drawRect(float x, float y, float w, float h) {
  if (!renderer_) return;
  const Rgb& c = state_.color;
  SDL_SetRenderDrawColor(renderer_, channel(c.r), channel(c.g), channel(c.b),
                         alphaByte(state_.alpha));
  const float left = x + state_.originX, top = y + state_.originY;
  const float right = left + w * state_.scaleX, bottom = top + h * state_.scaleY;
  const SDL_FRect box{std::min(left, right), std::min(top, bottom), std::fabs(right - left),
                      std::fabs(bottom - top)};
  SDL_RenderFillRectF(renderer_, &box);
}

void NaiveScreen::drawImage(const Image& image, float x, float y, int frame) {
  if (!renderer_ || frame < 0 || frame >= image.frameCount()) return;
  const float left = x + state_.originX - image.handleX() * state_.scaleX;
  const float top = y + state_.originY - image.handleY() * state_.scaleY;
  const float right = left + static_cast<float>(image.frameWidth()) * state_.scaleX;
  const float bottom = top + static_cast<float>(image.frameHeight()) * state_.scaleY;
  const int level = SpriteBatch::mipLevelFor(image, frame, state_.scaleX, state_.scaleY);
  SDL_Texture* texture = textureFor(image, frame, level);
  if (!texture) return;
  const Rgb& c = state_.color;
  SDL_SetTextureColorMod(texture, channel(c.r), channel(c.g), channel(c.b));
  SDL_SetTextureAlphaMod(texture, alphaByte(state_.alpha));
  const SDL_FRect box{std::min(left, right), std::min(top, bottom), std::fabs(right - left),
                      std::fabs(bottom - top)};
  const int flip =
      (right < left ? SDL_FLIP_HORIZONTAL : 0) | (bottom < top ? SDL_FLIP_VERTICAL : 0);
  SDL_RenderCopyExF(renderer_, texture, nullptr, &box, 0.0, nullptr,
                    static_cast<SDL_RendererFlip>(flip));
}

SDL_Texture* NaiveScreen::textureFor(const Image& image, int frame, int level) {
  auto& frames = textures_[image.id()];
  if (frames.empty()) {
    frames.resize(image.frameCount());
    for (int f = 0; f < image.frameCount(); ++f) frames[f].assign(image.levelCount(f), nullptr);
  }
  SDL_Texture*& texture = frames[frame][level];
  if (texture) return texture;
  const Pixels& cell = image.cell(frame, level);
  texture = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                              cell.width, cell.height);
  if (!texture) return nullptr;
  SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
  SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);
  SDL_UpdateTexture(texture, nullptr, cell.rgba.data(), cell.width * kBytesPerPixel);
  return texture;
}

void NaiveScreen::flip(int /*pacing*/) {
  if (renderer_) SDL_RenderPresent(renderer_);
}

bool NaiveScreen::readPixels(Pixels& out) {
  if (!renderer_) return false;
  out = Pixels(width_, height_);
  return SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, out.rgba.data(),
                              width_ * kBytesPerPixel) == 0;
}

std::string NaiveScreen::rendererName() const {
  SDL_RendererInfo info;
  if (!renderer_ || SDL_GetRendererInfo(renderer_, &info) != 0) return "";
  return info.name;
}

}  // namespace platform
