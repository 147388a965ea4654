// One texture page holding every cell of every image drawn so far, with all
// their mip levels, plus one white texel for filled rectangles: with a single
// page a whole frame can go to the renderer as one batch.
//
// Every piece is stored twice, as drawn and mirrored left to right, so that a
// mirrored draw still reads its texels left to right. Renderers then never
// see a reversed texture span, which SDL's software renderer gets a texel
// wrong; the pictures are small, so the second copy costs little.
//
// Packing is by shelves: pieces are laid left to right along the current
// shelf, a new shelf opens below when one is full, and the page doubles its
// narrower side when it runs out of room. Growing never moves a piece that
// is already placed, so regions handed out stay valid. Images are keyed by
// Image::id() and their pixels are copied in, so an image dropped by the game
// can never leave the page pointing at freed memory. Space is not reclaimed:
// the game loads its pictures once, at start-up.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "platform/image.h"

namespace platform {

// A piece of the page, in texels.
struct AtlasRect {
  int x = 0, y = 0, w = 0, h = 0;
};

// One cell at one mip level: as drawn, and mirrored left to right.
struct AtlasPiece {
  AtlasRect upright;
  AtlasRect mirrored;
  // The smallest box, in the upright cell's own texels, that holds every
  // texel not wholly clear (w = h = 0 for a clear cell). Drawing only this
  // part paints the same picture: clear texels blend to nothing.
  AtlasRect opaque;
};

class Atlas {
 public:
  // Clear texels around every piece, so that rounding at a piece's edge
  // samples nothing of its neighbour.
  static constexpr int kPadding = 1;
  static constexpr int kInitialSide = 256;  // texels

  Atlas();

  // The pieces of `image`, [frame][level]; the image is packed on first sight.
  const std::vector<std::vector<AtlasPiece>>& regionsFor(const Image& image);
  bool contains(const Image& image) const { return images_.count(image.id()) != 0; }
  // A fully opaque white texel.
  const AtlasRect& white() const { return white_; }

  const Pixels& page() const { return page_; }
  // Changes whenever the page's pixels change: the cue to upload it again.
  uint64_t version() const { return version_; }

 private:
  AtlasRect place(const Pixels& piece);
  void grow(int minWidth);

  std::unordered_map<uint64_t, std::vector<std::vector<AtlasPiece>>> images_;
  Pixels page_;
  AtlasRect white_;
  int shelfX_ = 0;       // next free x on the current shelf
  int shelfY_ = 0;       // top of the current shelf
  int shelfHeight_ = 0;  // tallest piece on the current shelf, padding included
  uint64_t version_ = 0;
};

}  // namespace platform
