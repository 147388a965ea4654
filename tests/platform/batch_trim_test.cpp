// Cells drawn trimmed to their part that is not clear: the atlas finds that
// part, and the batch's quad covers exactly the canvas pixels that show it,
// mirrored or not, with the texture coordinates of just those texels.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "platform/sdl/atlas.h"
#include "platform/sdl/sprite_batch.h"

using namespace platform;

namespace {

constexpr int kCanvasW = 200, kCanvasH = 200;

// An 8 x 6 cell that is clear but for columns 2..4 of rows 1..5.
std::shared_ptr<Image> youngPlant() {
  Pixels p(8, 6);
  for (int y = 1; y < 6; ++y)
    for (int x = 2; x < 5; ++x) p.at(x, y)[3] = 255;
  auto image = makeImage(p, 0);
  image->setHandle(0, 0);
  return image;
}

std::shared_ptr<Image> clearCell() {
  auto image = makeImage(Pixels(5, 5), 0);
  image->setHandle(0, 0);
  return image;
}

TEST(BatchTrim, AtlasFindsThePartOfEachCellThatIsNotClear) {
  Atlas atlas;
  const AtlasRect plant = atlas.regionsFor(*youngPlant())[0][0].opaque;
  EXPECT_EQ(plant.x, 2);
  EXPECT_EQ(plant.y, 1);
  EXPECT_EQ(plant.w, 3);
  EXPECT_EQ(plant.h, 5);
  const AtlasRect clear = atlas.regionsFor(*clearCell())[0][0].opaque;
  EXPECT_EQ(clear.w * clear.h, 0);
}

TEST(BatchTrim, QuadCoversOnlyThePixelsOfTheTexelsThatShow) {
  struct Case {
    std::string what;
    float x, scaleX;  // the handle's canvas x (origin 0) and the x scale
    bool trim;
    float x0, x1, y0, y1;  // the quad, canvas pixels
    int texel0, texel1;    // its first and last texel column + 1, from the piece's left edge
  } cases[] = {
      // Columns 2..4 at 2 px a texel: x 104..110; rows 1..5: y 52..62.
      {"upright", 100, 2, true, 104, 110, 52, 62, 2, 5},
      // Mirrored about the handle: columns 2..4 land on x 90..96 and are read
      // from the mirrored piece, where they are columns 3..5.
      {"mirrored", 100, -2, true, 90, 96, 52, 62, 3, 6},
      {"trimming off", 100, 2, false, 100, 116, 50, 62, 0, 8},
  };
  for (const Case& c : cases) {
    Atlas atlas;
    SpriteBatch batch(atlas, kCanvasW, kCanvasH);
    batch.setTrimClearTexels(c.trim);
    auto image = youngPlant();
    DrawState state;
    state.scaleX = c.scaleX, state.scaleY = 2;
    batch.addImage(state, *image, c.x, 50, 0);
    ASSERT_EQ(batch.quadCount(), 1) << c.what;
    const BatchVertex& topLeft = batch.vertices()[0];
    const BatchVertex& bottomRight = batch.vertices()[2];
    EXPECT_FLOAT_EQ(topLeft.x, c.x0) << c.what;
    EXPECT_FLOAT_EQ(bottomRight.x, c.x1) << c.what;
    EXPECT_FLOAT_EQ(topLeft.y, c.y0) << c.what;
    EXPECT_FLOAT_EQ(bottomRight.y, c.y1) << c.what;

    const AtlasPiece& piece = atlas.regionsFor(*image)[0][0];
    const AtlasRect& read = c.scaleX < 0 ? piece.mirrored : piece.upright;
    const float pageW = static_cast<float>(atlas.page().width);
    EXPECT_FLOAT_EQ(topLeft.u * pageW, static_cast<float>(read.x + c.texel0)) << c.what;
    EXPECT_FLOAT_EQ(bottomRight.u * pageW, static_cast<float>(read.x + c.texel1)) << c.what;
  }
}

TEST(BatchTrim, CellsWithNothingToShowOnTheCanvasAreDropped) {
  struct Case {
    std::string what;
    std::shared_ptr<Image> image;
    float x;  // the handle's canvas x, scale 2
  } cases[] = {
      {"a wholly clear cell", clearCell(), 100},
      // The whole cell reaches x -13..3, into the canvas; what shows lies at x -9..-3.
      {"only clear texels reach the canvas", youngPlant(), -13},
  };
  for (const Case& c : cases) {
    Atlas atlas;
    SpriteBatch batch(atlas, kCanvasW, kCanvasH);
    DrawState state;
    state.scaleX = 2, state.scaleY = 2;
    batch.addImage(state, *c.image, c.x, 50, 0);
    EXPECT_EQ(batch.quadCount(), 0) << c.what;
    EXPECT_EQ(batch.droppedCount(), 1) << c.what;
  }
}

}  // namespace
