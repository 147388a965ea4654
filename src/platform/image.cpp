// Images and their mip chains.
//
// A mipmapped cell keeps a chain of copies, each half the size of the one
// before (rounded down, never below 1 px), down to 1 x 1. Every level is
// box-filtered straight from the full-size cell rather than from the level
// above, so rounding and thresholds never pile up from level to level.
//
// Our pictures are hard-edged pixel art: every pixel is either fully opaque or
// fully clear. A plain average would give half-transparent fringes that show
// as dark or pale halos once scaled down and blended, so the levels stay hard
// too: a level pixel is opaque when at least half of its box is opaque, and its
// colour is the average of the opaque pixels alone (clear pixels carry no
// colour worth mixing in).
#include "platform/image.h"

#include <algorithm>
#include <atomic>

namespace platform {
namespace {

int gAutoFlags = 0;
std::atomic<uint64_t> gNextImageId{1};

Pixels copyRect(const Pixels& src, int x0, int y0, int w, int h) {
  Pixels out(w, h);
  for (int y = 0; y < h; ++y)
    std::copy_n(src.at(x0, y0 + y), static_cast<size_t>(w) * 4, out.at(0, y));
  return out;
}

int resolveFlags(int flags) { return flags == kAutoFlags ? gAutoFlags : flags; }

constexpr uint8_t kOpaque = 255;
constexpr uint8_t kOpaqueThreshold = 128;  // source alpha counted as opaque from here

// One level pixel: the box [x0, x1) x [y0, y1) of the full-size cell.
void filterBox(const Pixels& src, int x0, int y0, int x1, int y1, uint8_t* out) {
  unsigned sum[3] = {0, 0, 0};
  int opaque = 0;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) {
      const uint8_t* p = src.at(x, y);
      if (p[3] < kOpaqueThreshold) continue;
      for (int c = 0; c < 3; ++c) sum[c] += p[c];
      ++opaque;
    }
  }
  const int area = (x1 - x0) * (y1 - y0);
  for (int c = 0; c < 3; ++c) out[c] = opaque ? static_cast<uint8_t>((sum[c] + opaque / 2) / opaque) : 0;
  out[3] = 2 * opaque >= area ? kOpaque : 0;
}

Pixels shrinkHardEdged(const Pixels& src, int width, int height) {
  Pixels out(width, height);
  for (int y = 0; y < height; ++y) {
    const int y0 = y * src.height / height, y1 = (y + 1) * src.height / height;
    for (int x = 0; x < width; ++x) {
      const int x0 = x * src.width / width, x1 = (x + 1) * src.width / width;
      filterBox(src, x0, y0, x1, y1, out.at(x, y));
    }
  }
  return out;
}

std::vector<Pixels> mipChain(Pixels cell) {
  std::vector<Pixels> chain;
  chain.push_back(std::move(cell));
  int w = chain.front().width, h = chain.front().height;
  while (w > 1 || h > 1) {
    w = std::max(1, w / 2);
    h = std::max(1, h / 2);
    chain.push_back(shrinkHardEdged(chain.front(), w, h));
  }
  return chain;
}

}  // namespace

void setAutoImageFlags(int flags) { gAutoFlags = flags; }
int autoImageFlags() { return gAutoFlags; }

Image::Image(std::vector<Pixels> cells, int flags)
    : flags_(flags), id_(gNextImageId.fetch_add(1)) {
  if (!cells.empty()) {
    frameWidth_ = cells.front().width;
    frameHeight_ = cells.front().height;
  }
  levels_.reserve(cells.size());
  const bool mipmapped = (flags & kImageMipmapped) != 0;
  for (Pixels& cell : cells) {
    if (mipmapped && cell.width > 0 && cell.height > 0) {
      levels_.push_back(mipChain(std::move(cell)));
    } else {
      std::vector<Pixels> chain;
      chain.push_back(std::move(cell));
      levels_.push_back(std::move(chain));
    }
  }
}

std::shared_ptr<Image> makeImage(const Pixels& picture, int flags) {
  return std::make_shared<Image>(std::vector<Pixels>{picture}, resolveFlags(flags));
}

std::shared_ptr<Image> cutImage(const Pixels& picture, int cellWidth, int cellHeight, int first,
                                int count, int flags) {
  if (cellWidth <= 0 || cellHeight <= 0 || first < 0 || count <= 0) return nullptr;
  const int perRow = picture.width / cellWidth;
  const int rows = picture.height / cellHeight;
  if (static_cast<long long>(perRow) * rows < static_cast<long long>(first) + count) return nullptr;
  std::vector<Pixels> cells;
  cells.reserve(count);
  for (int k = 0; k < count; ++k) {
    const int i = first + k;
    cells.push_back(copyRect(picture, cellWidth * (i % perRow), cellHeight * (i / perRow),
                             cellWidth, cellHeight));
  }
  return std::make_shared<Image>(std::move(cells), resolveFlags(flags));
}

namespace {

bool openPicture(const Resources& resources, std::string_view name, Pixels& picture,
                 std::string& error) {
  auto bytes = resources.open(name);
  if (!bytes) {
    error = std::string(name) + ": no such resource";
    return false;
  }
  std::string why;
  if (!decodePng(*bytes, picture, why)) {
    error = std::string(name) + ": " + why;
    return false;
  }
  return true;
}

}  // namespace

std::shared_ptr<Image> loadImage(const Resources& resources, std::string_view name, int flags,
                                 std::string& error) {
  Pixels picture;
  if (!openPicture(resources, name, picture, error)) return nullptr;
  return makeImage(picture, flags);
}

std::shared_ptr<Image> loadAnimImage(const Resources& resources, std::string_view name,
                                     int cellWidth, int cellHeight, int first, int count, int flags,
                                     std::string& error) {
  Pixels picture;
  if (!openPicture(resources, name, picture, error)) return nullptr;
  auto image = cutImage(picture, cellWidth, cellHeight, first, count, flags);
  if (!image) error = std::string(name) + ": the picture holds too few cells for its grid";
  return image;
}

}  // namespace platform
