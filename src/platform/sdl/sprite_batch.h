// A frame's drawing as one list of textured quads over one atlas page.
//
// Every image cell and every filled rectangle becomes a quad of four vertices
// and six indices: positions in canvas pixels, texture coordinates into the
// atlas page, and the drawing colour and alpha in the vertex colour (a
// rectangle samples the page's white texel, so its colour is the vertex
// colour alone). A renderer then draws the whole frame in one call.
//
// Nothing is rotated, so every quad is an axis-aligned box. Boxes wholly off
// the canvas are dropped before anything else is done with them, and boxes
// that reach far past it are cut back to a guard band around it, texture
// coordinates and all, so that an object right in front of the camera cannot
// hand the rasteriser coordinates in the billions.
#pragma once
#include <cstdint>
#include <vector>

#include "platform/image.h"
#include "platform/screen.h"
#include "platform/sdl/atlas.h"

namespace platform {

struct BatchVertex {
  float x, y;         // canvas pixels
  uint8_t r, g, b, a;  // tint and alpha
  float u, v;         // 0..1 across the atlas page
};

class SpriteBatch {
 public:
  // How far past the canvas a quad may reach before it is cut back, in pixels.
  static constexpr float kGuardBand = 256.0f;

  SpriteBatch(Atlas& atlas, int canvasWidth, int canvasHeight);

  // Cell `frame` of `image`, its handle on (x, y) + origin, scaled about the handle.
  void addImage(const DrawState& state, const Image& image, float x, float y, int frame);
  // A filled box at (x, y) + origin of (w * scaleX, h * scaleY).
  void addRect(const DrawState& state, float x, float y, float w, float h);
  void setCanvas(int width, int height) {
    canvasWidth_ = static_cast<float>(width);
    canvasHeight_ = static_cast<float>(height);
  }
  // Forgets every quad and the drop count.
  void clear();
  // On (the default): a cell's quad covers only the part of it that is not
  // clear, which paints the same picture with less fill.
  void setTrimClearTexels(bool on) { trimClear_ = on; }

  // Level 0 at full size or larger; below that the level whose size is nearest
  // to the drawn size (ties go to the sharper level).
  static int mipLevelFor(const Image& image, int frame, float scaleX, float scaleY);

  const std::vector<BatchVertex>& vertices() const { return vertices_; }
  const std::vector<uint32_t>& indices() const { return indices_; }
  int quadCount() const { return static_cast<int>(vertices_.size() / 4); }
  // Quads dropped since the last clear(): off the canvas, empty, wholly clear or not finite.
  int droppedCount() const { return dropped_; }

 private:
  struct Box {
    float x0, y0, x1, y1;  // canvas pixels; x1 < x0 when mirrored
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;  // texels
  };
  void appendBox(Box box, const DrawState& state);
  bool trimToTexels(Box& box, const AtlasRect& piece, const AtlasRect& kept) const;
  bool onCanvas(const Box& box) const;
  void matchPageSize();

  Atlas& atlas_;
  float canvasWidth_;
  float canvasHeight_;
  float pageWidth_;   // the page size that the batched texture coordinates assume
  float pageHeight_;
  std::vector<BatchVertex> vertices_;
  std::vector<uint32_t> indices_;
  int dropped_ = 0;
  bool trimClear_ = true;
};

}  // namespace platform
