// Packing images into the one atlas page.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/atlas.h"

using namespace platform;

namespace {

// A cell whose every pixel tells where it came from.
Pixels marked(int w, int h, uint8_t tag) {
  Pixels p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.at(x, y);
      px[0] = tag, px[1] = static_cast<uint8_t>(x), px[2] = static_cast<uint8_t>(y), px[3] = 255;
    }
  return p;
}

bool overlaps(const AtlasRect& a, const AtlasRect& b) {
  return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool holds(const Pixels& page, const AtlasRect& r, const Pixels& cell, bool mirrored = false) {
  if (r.w != cell.width || r.h != cell.height) return false;
  for (int y = 0; y < r.h; ++y)
    for (int x = 0; x < r.w; ++x)
      for (int c = 0; c < 4; ++c)
        if (page.at(r.x + x, r.y + y)[c] != cell.at(mirrored ? r.w - 1 - x : x, y)[c]) return false;
  return true;
}

}  // namespace

TEST(Atlas, PiecesHoldTheirPixelsAndNeverOverlapAsThePageGrows) {
  Atlas atlas;
  std::vector<std::unique_ptr<Image>> images;
  // Wider than the first page, then many small ones: the page must grow both ways.
  images.push_back(std::make_unique<Image>(std::vector<Pixels>{marked(300, 20, 1)}, kImageMipmapped));
  for (uint8_t tag = 2; tag < 40; ++tag)
    images.push_back(std::make_unique<Image>(std::vector<Pixels>{marked(37, 41, tag), marked(37, 41, tag + 100)},
                                             kImageMipmapped));
  const AtlasRect firstBefore = atlas.regionsFor(*images[0])[0][0].upright;
  for (auto& image : images) atlas.regionsFor(*image);
  EXPECT_EQ(atlas.regionsFor(*images[0])[0][0].upright.x, firstBefore.x) << "growing never moves a piece";

  std::vector<AtlasRect> all{atlas.white()};
  for (auto& image : images) {
    const auto& regions = atlas.regionsFor(*image);
    for (int f = 0; f < image->frameCount(); ++f)
      for (int l = 0; l < image->levelCount(f); ++l) {
        for (bool mirrored : {false, true}) {
          const AtlasRect& r = mirrored ? regions[f][l].mirrored : regions[f][l].upright;
          ASSERT_LE(r.x + r.w + Atlas::kPadding, atlas.page().width);
          ASSERT_LE(r.y + r.h + Atlas::kPadding, atlas.page().height);
          EXPECT_TRUE(holds(atlas.page(), r, image->cell(f, l), mirrored))
              << "frame " << f << " level " << l << (mirrored ? " mirrored" : "");
          all.push_back(r);
        }
      }
  }
  for (size_t i = 0; i < all.size(); ++i)
    for (size_t j = i + 1; j < all.size(); ++j) {
      AtlasRect padded = all[i];
      padded.x -= Atlas::kPadding, padded.y -= Atlas::kPadding;
      padded.w += 2 * Atlas::kPadding, padded.h += 2 * Atlas::kPadding;
      ASSERT_FALSE(overlaps(padded, all[j])) << "pieces " << i << " and " << j << " touch";
    }
  // GPUs limit each side of a texture, so the page grows both ways.
  EXPECT_LE(atlas.page().height, 2 * atlas.page().width);
  EXPECT_LE(atlas.page().width, 2 * atlas.page().height);
  const uint8_t* white = atlas.page().at(atlas.white().x, atlas.white().y);
  EXPECT_EQ(white[0] & white[1] & white[2] & white[3], 255);
}

TEST(Atlas, AnImageIsPackedOnceAndOutlivesItsImage) {
  Atlas atlas;
  auto image = std::make_unique<Image>(std::vector<Pixels>{marked(8, 8, 7)}, 0);
  const AtlasRect piece = atlas.regionsFor(*image)[0][0].upright;
  const uint64_t version = atlas.version();
  atlas.regionsFor(*image);
  EXPECT_EQ(atlas.version(), version) << "a known image is not packed again";
  const Pixels copy = image->cell(0);
  image.reset();  // the game lets the picture go; the page keeps its own copy
  EXPECT_TRUE(holds(atlas.page(), piece, copy));
}
