// The contact sheet shows each frame enlarged where its grid puts it, lets
// transparency show as the checkerboard (not as the black hidden behind alpha
// 0), and stays a reasonable size with every picture of the game on it.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "tools/assetgen/assetgen.h"

namespace {

using Rgb = std::tuple<int, int, int>;

Rgb rgbAt(const platform::Pixels& p, int x, int y) {
  const uint8_t* px = p.at(x, y);
  return {px[0], px[1], px[2]};
}

void put(platform::Pixels& p, int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a) {
  uint8_t* px = p.at(x, y);
  px[0] = r;
  px[1] = g;
  px[2] = b;
  px[3] = a;
}

// Whether some square of `size` x `size` sheet pixels is all one colour.
bool hasBlock(const platform::Pixels& sheet, Rgb colour, int size) {
  for (int y = 0; y + size <= sheet.height; ++y)
    for (int x = 0; x + size <= sheet.width; ++x) {
      bool whole = true;
      for (int dy = 0; dy < size && whole; ++dy)
        for (int dx = 0; dx < size && whole; ++dx) whole = rgbAt(sheet, x + dx, y + dy) == colour;
      if (whole) return true;
    }
  return false;
}

TEST(ContactSheet, ShowsFramesEnlargedAndTransparencyAsChecker) {
  // Three 1 x 1 frames: red, invisible black, green. The black must not show.
  platform::Pixels strip(3, 1);
  put(strip, 0, 0, 250, 10, 20, 255);
  put(strip, 1, 0, 0, 0, 0, 0);
  put(strip, 2, 0, 20, 240, 30, 255);
  const platform::Pixels sheet = assetgen::contactSheet({{"strip.png", strip, true, 1, 1}});

  constexpr int kSmallestEnlargement = 2;
  EXPECT_TRUE(hasBlock(sheet, {250, 10, 20}, kSmallestEnlargement));
  EXPECT_TRUE(hasBlock(sheet, {20, 240, 30}, kSmallestEnlargement));
  for (int y = 0; y < sheet.height; ++y)
    for (int x = 0; x < sheet.width; ++x) {
      ASSERT_EQ(sheet.at(x, y)[3], 255) << "at " << x << ", " << y;
      ASSERT_NE(rgbAt(sheet, x, y), Rgb(0, 0, 0)) << "at " << x << ", " << y;
    }
}

TEST(ContactSheet, HoldsEveryPictureOfTheGameWithinAReasonableSize) {
  std::vector<assetgen::PictureFile> pictures;
  pictures.push_back({"title.png", assetgen::paintTitle(), false, 256, 192});
  for (auto& sprite : assetgen::paintSprites()) pictures.push_back(std::move(sprite));
  const platform::Pixels sheet = assetgen::contactSheet(pictures);

  EXPECT_LE(sheet.width, 2000);
  EXPECT_LE(sheet.height, 6000);
}

}  // namespace
