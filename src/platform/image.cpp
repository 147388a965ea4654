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
  for (Pixels& cell : cells) {
    std::vector<Pixels> chain;
    chain.push_back(std::move(cell));
    levels_.push_back(std::move(chain));
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
