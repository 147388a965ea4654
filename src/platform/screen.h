// The screen and its drawing state. Every drawing position is relative to the
// origin; images are placed by their handle, scaled about it (a negative x
// scale mirrors), tinted by the colour and blended with the alpha.
#pragma once
#include <algorithm>
#include <string>
#include <string_view>

#include "platform/image.h"

namespace platform {

constexpr int kBlendAlpha = 3;
constexpr int kPaceToRefresh = -1;

struct Rgb {
  int r = 255, g = 255, b = 255;
};

struct DrawState {
  float originX = 0, originY = 0;
  float scaleX = 1, scaleY = 1;
  float alpha = 1;  // always within 0..1
  int blend = kBlendAlpha;
  Rgb color{255, 255, 255};
  Rgb clsColor{0, 0, 0};
};

class Screen {
 public:
  virtual ~Screen() = default;

  // The window's title; takes effect when the screen opens.
  virtual void setTitle(std::string_view title) = 0;
  // Opens the canvas of width x height (depth 0 asks for a window, any other
  // depth for full screen), paces presents to `hz`, clears all input and puts
  // the pointer at the centre. False with a one-line reason on failure.
  virtual bool open(int width, int height, int depth, int hz, int flags, std::string& error) = 0;
  virtual void hidePointer() = 0;

  // The open canvas's size in pixels.
  int width() const { return width_; }
  int height() const { return height_; }

  void setOrigin(float x, float y) { state_.originX = x, state_.originY = y; }
  void setBlend(int mode) { state_.blend = mode; }
  // Clamped to 0..1; a value that is no number at all (NaN) counts as 0.
  void setAlpha(float a) { state_.alpha = a >= 1.0f ? 1.0f : (a > 0.0f ? a : 0.0f); }
  void setColor(int r, int g, int b) { state_.color = {r, g, b}; }
  void setClsColor(int r, int g, int b) { state_.clsColor = {r, g, b}; }
  void setScale(float sx, float sy) { state_.scaleX = sx, state_.scaleY = sy; }
  const DrawState& state() const { return state_; }

  // The whole canvas becomes the clear colour, opaque.
  virtual void cls() = 0;
  // Fills (x, y) + origin, size (w * scaleX, h * scaleY), in the colour, alpha and blend.
  virtual void drawRect(float x, float y, float w, float h) = 0;
  // Cell `frame` of `image` with its handle on (x, y) + origin, scaled about the handle.
  virtual void drawImage(const Image& image, float x, float y, int frame) = 0;
  // Shows the frame; pacing -1 holds the loop to the refresh rate given to open().
  virtual void flip(int pacing) = 0;

 protected:
  DrawState state_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace platform
