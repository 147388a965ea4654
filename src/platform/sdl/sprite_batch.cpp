#include "platform/sdl/sprite_batch.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace platform {
namespace {

constexpr float kTexelCentre = 0.5f;

uint8_t channel(int value) { return static_cast<uint8_t>(std::clamp(value, 0, 255)); }

// Cuts [a0, a1] (either order) back to [lo, hi], moving the texture coordinate
// of a cut end in proportion. The span is never empty here (see onCanvas).
void clipSpan(float& a0, float& a1, float& t0, float& t1, float lo, float hi) {
  const float c0 = std::clamp(a0, lo, hi), c1 = std::clamp(a1, lo, hi);
  if (c0 == a0 && c1 == a1) return;
  const float span = a1 - a0, tSpan = t1 - t0;
  float n0 = t0 + tSpan * ((c0 - a0) / span);
  float n1 = t0 + tSpan * ((c1 - a0) / span);
  // What is left may lie inside a single texel, which then fills the whole
  // box: say so with that texel's full span, a range a renderer that works in
  // whole texels cannot round down to nothing.
  const float texel = std::floor(std::min(n0, n1));
  if (std::max(n0, n1) <= texel + 1.0f) {
    n0 = n0 <= n1 ? texel : texel + 1.0f;
    n1 = n0 == texel ? texel + 1.0f : texel;
  }
  a0 = c0, a1 = c1, t0 = n0, t1 = n1;
}

int levelSize(const Image& image, int frame, int level) {
  const Pixels& cell = image.cell(frame, level);
  return std::max(cell.width, cell.height);
}

}  // namespace

SpriteBatch::SpriteBatch(Atlas& atlas, int canvasWidth, int canvasHeight)
    : atlas_(atlas),
      canvasWidth_(static_cast<float>(canvasWidth)),
      canvasHeight_(static_cast<float>(canvasHeight)),
      pageWidth_(static_cast<float>(atlas.page().width)),
      pageHeight_(static_cast<float>(atlas.page().height)) {}

void SpriteBatch::clear() {
  vertices_.clear();
  indices_.clear();
  dropped_ = 0;
}

int SpriteBatch::mipLevelFor(const Image& image, int frame, float scaleX, float scaleY) {
  const float scale = std::max(std::fabs(scaleX), std::fabs(scaleY));
  if (!(scale < 1.0f)) return 0;
  const float drawn = static_cast<float>(levelSize(image, frame, 0)) * scale;
  int best = 0;
  float bestMiss = std::fabs(static_cast<float>(levelSize(image, frame, 0)) - drawn);
  // Each level is smaller than the one before, so the miss shrinks down to
  // the nearest level and only grows after it: the first level that does
  // no better ends the search.
  for (int level = 1; level < image.levelCount(frame); ++level) {
    const float miss = std::fabs(static_cast<float>(levelSize(image, frame, level)) - drawn);
    if (!(miss < bestMiss)) break;
    best = level;
    bestMiss = miss;
  }
  return best;
}

void SpriteBatch::addImage(const DrawState& state, const Image& image, float x, float y,
                           int frame) {
  if (frame < 0 || frame >= image.frameCount()) {
    ++dropped_;
    return;
  }
  const float left = x + state.originX - image.handleX() * state.scaleX;
  const float top = y + state.originY - image.handleY() * state.scaleY;
  Box box{left, top, left + static_cast<float>(image.frameWidth()) * state.scaleX,
          top + static_cast<float>(image.frameHeight()) * state.scaleY};
  if (!onCanvas(box)) {
    ++dropped_;
    return;
  }
  const int level = mipLevelFor(image, frame, state.scaleX, state.scaleY);
  const AtlasPiece& pieces = atlas_.regionsFor(image)[frame][level];
  const bool mirror = box.x1 < box.x0;
  if (mirror) std::swap(box.x0, box.x1);
  const AtlasRect& piece = mirror ? pieces.mirrored : pieces.upright;
  // Only the part of the cell that is not clear is drawn (most of a young
  // plant's cell is clear), which spares the rasteriser much of the fill.
  AtlasRect kept = trimClear_ ? pieces.opaque : AtlasRect{0, 0, piece.w, piece.h};
  if (mirror) kept.x = piece.w - kept.x - kept.w;
  if (!trimToTexels(box, piece, kept)) {
    ++dropped_;
    return;
  }
  box.u0 = static_cast<float>(piece.x + kept.x);
  box.v0 = static_cast<float>(piece.y + kept.y);
  box.u1 = static_cast<float>(piece.x + kept.x + kept.w);
  box.v1 = static_cast<float>(piece.y + kept.y + kept.h);
  appendBox(box, state);
}

// Narrows `box`, which shows the whole of `piece`, to the part that shows the
// texels `kept` (in the piece's own texels). False when nothing of it is left
// on the canvas.
bool SpriteBatch::trimToTexels(Box& box, const AtlasRect& piece, const AtlasRect& kept) const {
  if (kept.w <= 0 || kept.h <= 0) return false;
  if (kept.x == 0 && kept.y == 0 && kept.w == piece.w && kept.h == piece.h) return true;
  const float texelW = (box.x1 - box.x0) / static_cast<float>(piece.w);  // canvas pixels
  const float texelH = (box.y1 - box.y0) / static_cast<float>(piece.h);
  Box trimmed = box;
  trimmed.x0 = box.x0 + texelW * static_cast<float>(kept.x);
  trimmed.x1 = box.x0 + texelW * static_cast<float>(kept.x + kept.w);
  trimmed.y0 = box.y0 + texelH * static_cast<float>(kept.y);
  trimmed.y1 = box.y0 + texelH * static_cast<float>(kept.y + kept.h);
  if (!onCanvas(trimmed)) return false;
  box = trimmed;
  return true;
}

void SpriteBatch::addRect(const DrawState& state, float x, float y, float w, float h) {
  const float left = x + state.originX, top = y + state.originY;
  Box box{left, top, left + w * state.scaleX, top + h * state.scaleY};
  if (!onCanvas(box)) {
    ++dropped_;
    return;
  }
  const AtlasRect& white = atlas_.white();
  box.u0 = box.u1 = static_cast<float>(white.x) + kTexelCentre;
  box.v0 = box.v1 = static_cast<float>(white.y) + kTexelCentre;
  appendBox(box, state);
}

bool SpriteBatch::onCanvas(const Box& box) const {
  for (float c : {box.x0, box.y0, box.x1, box.y1})
    if (!std::isfinite(c)) return false;
  if (box.x0 == box.x1 || box.y0 == box.y1) return false;  // covers no pixel
  const float minX = std::min(box.x0, box.x1), maxX = std::max(box.x0, box.x1);
  const float minY = std::min(box.y0, box.y1), maxY = std::max(box.y0, box.y1);
  return maxX > 0 && minX < canvasWidth_ && maxY > 0 && minY < canvasHeight_;
}

void SpriteBatch::appendBox(Box box, const DrawState& state) {
  matchPageSize();
  clipSpan(box.x0, box.x1, box.u0, box.u1, -kGuardBand, canvasWidth_ + kGuardBand);
  clipSpan(box.y0, box.y1, box.v0, box.v1, -kGuardBand, canvasHeight_ + kGuardBand);
  const uint8_t r = channel(state.color.r), g = channel(state.color.g), b = channel(state.color.b);
  const uint8_t a = static_cast<uint8_t>(std::lround(std::clamp(state.alpha, 0.0f, 1.0f) * 255.0f));
  const float su = 1.0f / pageWidth_, sv = 1.0f / pageHeight_;
  const uint32_t first = static_cast<uint32_t>(vertices_.size());
  vertices_.push_back({box.x0, box.y0, r, g, b, a, box.u0 * su, box.v0 * sv});
  vertices_.push_back({box.x1, box.y0, r, g, b, a, box.u1 * su, box.v0 * sv});
  vertices_.push_back({box.x1, box.y1, r, g, b, a, box.u1 * su, box.v1 * sv});
  vertices_.push_back({box.x0, box.y1, r, g, b, a, box.u0 * su, box.v1 * sv});
  for (uint32_t corner : {0u, 1u, 2u, 0u, 2u, 3u}) indices_.push_back(first + corner);
}

// Packing a new image may have grown the page since earlier quads were
// batched; their texture coordinates are rescaled to the new page size.
void SpriteBatch::matchPageSize() {
  const float width = static_cast<float>(atlas_.page().width);
  const float height = static_cast<float>(atlas_.page().height);
  if (width == pageWidth_ && height == pageHeight_) return;
  for (BatchVertex& v : vertices_) {
    v.u *= pageWidth_ / width;
    v.v *= pageHeight_ / height;
  }
  pageWidth_ = width;
  pageHeight_ = height;
}

}  // namespace platform
