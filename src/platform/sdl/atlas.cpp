#include "platform/sdl/atlas.h"

#include <algorithm>

namespace platform {
namespace {

Pixels mirrored(const Pixels& cell) {
  Pixels out(cell.width, cell.height);
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) std::copy_n(cell.at(x, y), 4, out.at(cell.width - 1 - x, y));
  return out;
}

AtlasRect opaqueBounds(const Pixels& cell) {
  constexpr int kAlpha = 3;
  int left = cell.width, top = cell.height, right = 0, bottom = 0;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) {
      if (cell.at(x, y)[kAlpha] == 0) continue;
      left = std::min(left, x), right = std::max(right, x + 1);
      top = std::min(top, y), bottom = std::max(bottom, y + 1);
    }
  if (right <= left) return {};
  return {left, top, right - left, bottom - top};
}

}  // namespace

Atlas::Atlas() : page_(kInitialSide, kInitialSide) {
  Pixels white(1, 1);
  std::fill(white.rgba.begin(), white.rgba.end(), uint8_t{255});
  white_ = place(white);
}

const std::vector<std::vector<AtlasPiece>>& Atlas::regionsFor(const Image& image) {
  auto found = images_.find(image.id());
  if (found != images_.end()) return found->second;
  std::vector<std::vector<AtlasPiece>> regions(image.frameCount());
  for (int frame = 0; frame < image.frameCount(); ++frame) {
    for (int level = 0; level < image.levelCount(frame); ++level) {
      const Pixels& cell = image.cell(frame, level);
      const AtlasRect upright = place(cell);
      regions[frame].push_back({upright, place(mirrored(cell)), opaqueBounds(cell)});
    }
  }
  return images_.emplace(image.id(), std::move(regions)).first->second;
}

AtlasRect Atlas::place(const Pixels& piece) {
  const int outerW = piece.width + 2 * kPadding;
  const int outerH = piece.height + 2 * kPadding;
  for (;;) {
    const bool fitsShelf = shelfX_ + outerW <= page_.width && shelfY_ + outerH <= page_.height;
    const int nextShelfY = shelfY_ + shelfHeight_;
    const bool fitsNewShelf = outerW <= page_.width && nextShelfY + outerH <= page_.height;
    if (fitsShelf) break;
    if (fitsNewShelf) {
      shelfX_ = 0;
      shelfY_ = nextShelfY;
      shelfHeight_ = 0;
      break;
    }
    grow(outerW);
  }
  AtlasRect rect{shelfX_ + kPadding, shelfY_ + kPadding, piece.width, piece.height};
  for (int y = 0; y < piece.height; ++y)
    std::copy_n(piece.at(0, y), static_cast<size_t>(piece.width) * 4, page_.at(rect.x, rect.y + y));
  shelfX_ += outerW;
  shelfHeight_ = std::max(shelfHeight_, outerH);
  ++version_;
  return rect;
}

// Doubles the narrower side, so the page stays near square (GPUs limit each
// side, not the area), and at least as wide as the widest piece.
void Atlas::grow(int minWidth) {
  int width = page_.width, height = page_.height;
  if (width < minWidth) {
    while (width < minWidth) width *= 2;
  } else if (width <= height) {
    width *= 2;
  } else {
    height *= 2;
  }
  Pixels grown(width, height);
  for (int y = 0; y < page_.height; ++y)
    std::copy_n(page_.at(0, y), static_cast<size_t>(page_.width) * 4, grown.at(0, y));
  page_ = std::move(grown);
}

}  // namespace platform
