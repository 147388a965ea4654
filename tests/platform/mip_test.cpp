// The mip chain of a mipmapped image: level sizes, hard alpha and colours.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "platform/image.h"

using namespace platform;

namespace {

Pixels filled(int w, int h, std::vector<uint8_t> rgba) {
  Pixels p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) std::copy(rgba.begin(), rgba.end(), p.at(x, y));
  return p;
}

void put(Pixels& p, int x, int y, std::vector<uint8_t> rgba) { std::copy(rgba.begin(), rgba.end(), p.at(x, y)); }

}  // namespace

TEST(MipChain, LevelsHalveRoundingDownToOnePixel) {
  struct Case {
    int w, h;
    std::vector<std::pair<int, int>> levels;
  } cases[] = {
      {16, 8, {{16, 8}, {8, 4}, {4, 2}, {2, 1}, {1, 1}}},
      {5, 3, {{5, 3}, {2, 1}, {1, 1}}},
      {7, 1, {{7, 1}, {3, 1}, {1, 1}}},
      {1, 1, {{1, 1}}},
      {46, 64, {{46, 64}, {23, 32}, {11, 16}, {5, 8}, {2, 4}, {1, 2}, {1, 1}}},
  };
  for (const Case& c : cases) {
    Image image({filled(c.w, c.h, {10, 20, 30, 255})}, kImageMipmapped);
    ASSERT_EQ(image.levelCount(0), static_cast<int>(c.levels.size())) << c.w << "x" << c.h;
    for (size_t k = 0; k < c.levels.size(); ++k) {
      EXPECT_EQ(image.cell(0, static_cast<int>(k)).width, c.levels[k].first) << c.w << "x" << c.h << " level " << k;
      EXPECT_EQ(image.cell(0, static_cast<int>(k)).height, c.levels[k].second) << c.w << "x" << c.h << " level " << k;
    }
  }
}

TEST(MipChain, OnlyMipmappedImagesGetLevelsAndEveryCellHasItsOwn) {
  Image plain({filled(8, 8, {1, 2, 3, 255})}, 0);
  EXPECT_EQ(plain.levelCount(0), 1);
  Image twoCells({filled(4, 4, {200, 0, 0, 255}), filled(4, 4, {0, 0, 200, 255})}, kImageMipmapped);
  ASSERT_EQ(twoCells.levelCount(1), 3);
  EXPECT_EQ(twoCells.cell(0, 2).at(0, 0)[0], 200);
  EXPECT_EQ(twoCells.cell(1, 2).at(0, 0)[2], 200) << "each cell shrinks its own pixels";
}

// A 2 x 2 box of the full cell becomes one pixel of level 1.
TEST(MipChain, AlphaStaysHardAndColourAveragesOnlyOpaquePixels) {
  const std::vector<uint8_t> clear = {255, 255, 255, 0};
  struct Case {
    const char* what;
    std::vector<std::vector<uint8_t>> box;  // the four source pixels
    std::vector<uint8_t> expected;
  } cases[] = {
      {"all opaque: plain average",
       {{0, 0, 0, 255}, {100, 40, 8, 255}, {200, 80, 16, 255}, {100, 40, 0, 255}},
       {100, 40, 6, 255}},
      {"half opaque counts as opaque; clear pixels lend no colour",
       {{100, 0, 50, 255}, clear, clear, {200, 0, 150, 255}},
       {150, 0, 100, 255}},
      {"one in four opaque is clear", {{90, 90, 90, 255}, clear, clear, clear}, {90, 90, 90, 0}},
      {"three in four opaque", {{30, 0, 0, 255}, {60, 0, 0, 255}, {90, 0, 0, 255}, clear}, {60, 0, 0, 255}},
      {"wholly clear", {clear, clear, clear, clear}, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    Pixels cell(2, 2);
    put(cell, 0, 0, c.box[0]);
    put(cell, 1, 0, c.box[1]);
    put(cell, 0, 1, c.box[2]);
    put(cell, 1, 1, c.box[3]);
    Image image({cell}, kImageMipmapped);
    const uint8_t* p = image.cell(0, 1).at(0, 0);
    EXPECT_EQ(p[3], c.expected[3]) << c.what;
    if (c.expected[3] != 0) {
      for (int ch = 0; ch < 3; ++ch) EXPECT_EQ(p[ch], c.expected[ch]) << c.what << " channel " << ch;
    }
  }
}

TEST(MipChain, DeepLevelsFilterTheFullCellNotTheLevelAbove) {
  // Left quarter opaque red over a 4 x 1 strip, the rest clear. Level 1 (2 x 1)
  // has half its left box opaque, so it is opaque; filtering that level again
  // would make level 2 half opaque too, while only a quarter of the strip is.
  Pixels strip(4, 1);
  put(strip, 0, 0, {255, 0, 0, 255});
  Image image({strip}, kImageMipmapped);
  ASSERT_EQ(image.levelCount(0), 3);
  EXPECT_EQ(image.cell(0, 1).at(0, 0)[3], 255);
  EXPECT_EQ(image.cell(0, 1).at(1, 0)[3], 0);
  EXPECT_EQ(image.cell(0, 2).at(0, 0)[3], 0);
}

TEST(MipChain, OddSizesCoverEverySourcePixel) {
  // 3 x 1: level 1 is one pixel whose box is the whole strip.
  Pixels strip(3, 1);
  put(strip, 0, 0, {30, 0, 0, 255});
  put(strip, 1, 0, {60, 0, 0, 255});
  put(strip, 2, 0, {150, 0, 0, 255});
  Image image({strip}, kImageMipmapped);
  EXPECT_EQ(image.cell(0, 1).at(0, 0)[0], 80);
}
