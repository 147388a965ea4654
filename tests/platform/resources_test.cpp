// The embedded-resource registry and cutting pictures into cell grids.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "platform/image.h"
#include "platform/resources.h"

namespace {

TEST(Resources, FirstRegistrationOfANameWinsAndNamesMatchExactly) {
  static const uint8_t first[] = {1, 2, 3};
  static const uint8_t second[] = {9};
  platform::Resources registry;
  EXPECT_TRUE(registry.add("bee.png", first, sizeof first));
  EXPECT_FALSE(registry.add("bee.png", second, sizeof second));

  auto bytes = registry.open("bee.png");
  ASSERT_TRUE(bytes);
  EXPECT_EQ(bytes->data(), first);
  EXPECT_EQ(bytes->size(), sizeof first);
  for (const char* missing : {"Bee.png", "bee.png ", "bee", ""}) EXPECT_FALSE(registry.open(missing)) << missing;
}

// A picture whose every pixel tells where it came from: red = x, green = y.
platform::Pixels coordinatePicture(int w, int h) {
  platform::Pixels p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.at(x, y);
      px[0] = static_cast<uint8_t>(x), px[1] = static_cast<uint8_t>(y), px[2] = 0, px[3] = 255;
    }
  return p;
}

TEST(CutImage, CellsRunLeftToRightThenTopToBottomFromTheFirstCell) {
  // 3 cells a row and 2 rows of 4 x 5, plus a remainder strip that is ignored.
  const auto picture = coordinatePicture(14, 11);
  auto image = platform::cutImage(picture, 4, 5, 2, 3, 0);
  ASSERT_TRUE(image);
  ASSERT_EQ(image->frameCount(), 3);
  EXPECT_EQ(image->frameWidth(), 4);
  EXPECT_EQ(image->frameHeight(), 5);
  struct Corner {
    int frame, x, y;
  } corners[] = {{0, 8, 0}, {1, 0, 5}, {2, 4, 5}};  // cells 2, 3, 4
  for (const Corner& c : corners) {
    const uint8_t* px = image->cell(c.frame).at(0, 0);
    EXPECT_EQ(px[0], c.x) << "frame " << c.frame;
    EXPECT_EQ(px[1], c.y) << "frame " << c.frame;
  }
  EXPECT_EQ(image->handleX(), 0);
  EXPECT_EQ(image->handleY(), 0);
}

TEST(CutImage, AGridWithTooFewCellsGivesNoImage) {
  const auto picture = coordinatePicture(28, 3);  // the bee sheet: 7 cells of 4 x 3
  EXPECT_TRUE(platform::cutImage(picture, 4, 3, 0, 7, 0));
  EXPECT_FALSE(platform::cutImage(picture, 4, 3, 0, 8, 0));
  EXPECT_FALSE(platform::cutImage(picture, 4, 3, 1, 7, 0));
  EXPECT_FALSE(platform::cutImage(picture, 29, 3, 0, 1, 0)) << "a cell wider than the picture";
  EXPECT_FALSE(platform::cutImage(picture, 0, 3, 0, 1, 0));
  EXPECT_FALSE(platform::cutImage(picture, 4, 3, -1, 1, 0));
}

TEST(LoadImage, UnknownOrUndecodableResourcesFailWithAReason) {
  static const uint8_t junk[] = {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'};
  platform::Resources registry;
  registry.add("junk.png", junk, sizeof junk);
  std::string error;
  EXPECT_FALSE(platform::loadImage(registry, "missing.png", -1, error));
  EXPECT_NE(error.find("missing.png"), std::string::npos) << error;
  error.clear();
  EXPECT_FALSE(platform::loadAnimImage(registry, "junk.png", 4, 3, 0, 7, -1, error));
  EXPECT_NE(error.find("junk.png"), std::string::npos) << error;
}

}  // namespace
