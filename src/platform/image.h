// Pictures: decoded once from PNG bytes, cut into equal cells row by row, each
// drawn by its handle point. With the mipmap flag every cell also carries a
// chain of half-size copies for drawing at reduced size.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/resources.h"

namespace platform {

// Straight (non-premultiplied) RGBA, 8 bits a channel, rows top to bottom.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> rgba;  // width * height * 4 bytes

  Pixels() = default;
  Pixels(int w, int h) : width(w), height(h), rgba(static_cast<size_t>(w) * h * 4, 0) {}
  uint8_t* at(int x, int y) { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
  const uint8_t* at(int x, int y) const { return &rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

// Decodes PNG bytes (8-bit RGB or RGBA, and whatever libpng can expand to them).
// On failure returns false and says why in `error`; never reads past `bytes`.
bool decodePng(Bytes bytes, Pixels& out, std::string& error);

// Image flags.
constexpr int kImageMasked = 1;
constexpr int kImageSmoothed = 2;
constexpr int kImageMipmapped = 4;
constexpr int kAutoFlags = -1;  // "use the automatic flags"
void setAutoImageFlags(int flags);
int autoImageFlags();

class Image {
 public:
  // Cells are given at full size; the mip chain is built here when `flags` ask for it.
  Image(std::vector<Pixels> cells, int flags);

  int frameWidth() const { return frameWidth_; }
  int frameHeight() const { return frameHeight_; }
  int frameCount() const { return static_cast<int>(levels_.size()); }
  int flags() const { return flags_; }
  // Unique for the life of the program, so drawing backends can cache per image.
  uint64_t id() const { return id_; }

  float handleX() const { return handleX_; }
  float handleY() const { return handleY_; }
  void setHandle(float x, float y) {
    handleX_ = x;
    handleY_ = y;
  }
  void centreHandle() { setHandle(frameWidth_ * 0.5f, frameHeight_ * 0.5f); }

  // Level 0 is the cell itself; each further level is half the size of the one before.
  int levelCount(int frame) const { return static_cast<int>(levels_[frame].size()); }
  const Pixels& cell(int frame, int level = 0) const { return levels_[frame][level]; }

 private:
  std::vector<std::vector<Pixels>> levels_;  // [frame][level]
  int frameWidth_ = 0;
  int frameHeight_ = 0;
  int flags_ = 0;
  uint64_t id_ = 0;
  float handleX_ = 0;
  float handleY_ = 0;
};

// One frame holding the whole picture; handle at (0, 0).
std::shared_ptr<Image> makeImage(const Pixels& picture, int flags = kAutoFlags);
// Cells of cellWidth x cellHeight, taken left to right, top to bottom, starting
// at cell `first`; nullptr when the picture holds fewer than first + count cells.
std::shared_ptr<Image> cutImage(const Pixels& picture, int cellWidth, int cellHeight, int first,
                                int count, int flags = kAutoFlags);

// The same from the registry; nullptr with a one-line reason in `error`.
std::shared_ptr<Image> loadImage(const Resources& resources, std::string_view name, int flags,
                                 std::string& error);
std::shared_ptr<Image> loadAnimImage(const Resources& resources, std::string_view name,
                                     int cellWidth, int cellHeight, int first, int count, int flags,
                                     std::string& error);

}  // namespace platform
