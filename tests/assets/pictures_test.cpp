// The committed pictures decode to what the game cuts and draws: the
// catalogue's sizes, pixel formats and frame grids, hard-edged alpha, plants
// standing on their handles, and the sheets whose frames must share one
// silhouette (bees, flowers, tree rows) really doing so.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/image.h"

namespace {

constexpr int kPngColourTypeOffset = 25;  // signature 8 + chunk length 4 + "IHDR" 4 + size 8 + depth 1
constexpr int kPngBitDepthOffset = 24;
constexpr uint8_t kColourTypeRgb = 2;
constexpr uint8_t kColourTypeRgba = 6;

struct Picture {
  std::vector<uint8_t> bytes;
  platform::Pixels pixels;
  std::string error;  // empty when the file was read and decoded
};

// Each file read and decoded once for all the tests.
const Picture& picture(const std::string& name) {
  static std::map<std::string, Picture> cache;
  auto found = cache.find(name);
  if (found != cache.end()) return found->second;
  Picture p;
  std::ifstream in(std::string(QM_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
  p.bytes.assign(std::istreambuf_iterator<char>(in), {});
  if (p.bytes.empty())
    p.error = "missing or empty";
  else if (!platform::decodePng(p.bytes, p.pixels, p.error) && p.error.empty())
    p.error = "does not decode";
  return cache.emplace(name, std::move(p)).first->second;
}

struct Entry {
  const char* name;
  int width;
  int height;
  uint8_t colourType;
  int cellWidth;
  int cellHeight;
  int cellCount;
  int handleX;  // of plants standing on the bottom edge; -1 for the others
};

constexpr int kNotAPlant = -1;

void PrintTo(const Entry& e, std::ostream* os) { *os << e.name; }

// The thirteen pictures of the catalogue, in catalogue order.
const std::array<Entry, 13> kCatalogue = {{
    {"title.png", 256, 192, kColourTypeRgb, 256, 192, 1, kNotAPlant},
    {"bee.png", 28, 3, kColourTypeRgba, 4, 3, 7, kNotAPlant},
    {"bee2.png", 16, 12, kColourTypeRgba, 16, 12, 1, kNotAPlant},
    {"cloud.png", 72, 24, kColourTypeRgba, 18, 24, 4, kNotAPlant},
    {"seed.png", 1, 1, kColourTypeRgb, 1, 1, 1, kNotAPlant},
    {"tree.png", 644, 62, kColourTypeRgba, 46, 62, 14, 23},
    {"flower01.png", 72, 18, kColourTypeRgba, 9, 18, 8, 4},
    {"flower02.png", 72, 18, kColourTypeRgba, 9, 18, 8, 4},
    {"flower03.png", 72, 18, kColourTypeRgba, 9, 18, 8, 4},
    {"flower04.png", 72, 18, kColourTypeRgba, 9, 18, 8, 4},
    {"tree2.png", 644, 496, kColourTypeRgba, 46, 62, 112, 23},
    {"grass.png", 88, 8, kColourTypeRgba, 11, 8, 8, 6},
    {"bush.png", 210, 12, kColourTypeRgba, 21, 12, 10, 10},
}};

std::vector<platform::Pixels> cells(const Entry& e) {
  auto image = platform::cutImage(picture(e.name).pixels, e.cellWidth, e.cellHeight, 0,
                                  e.cellCount, 0);
  std::vector<platform::Pixels> out;
  if (!image) return out;
  for (int i = 0; i < image->frameCount(); ++i) out.push_back(image->cell(i));
  return out;
}

const Entry& entry(const std::string& name) {
  for (const Entry& e : kCatalogue)
    if (name == e.name) return e;
  throw std::invalid_argument(name + " is not in the catalogue");
}

uint8_t alphaAt(const platform::Pixels& p, int x, int y) { return p.at(x, y)[3]; }

int opaqueCount(const platform::Pixels& p) {
  int n = 0;
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) n += alphaAt(p, x, y) != 0;
  return n;
}

bool sameSilhouette(const platform::Pixels& a, const platform::Pixels& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (alphaAt(a, x, y) != alphaAt(b, x, y)) return false;
  return true;
}

bool rowHasOpaque(const platform::Pixels& p, int y, int fromX, int toX) {
  for (int x = fromX; x <= toX; ++x)
    if (alphaAt(p, x, y) != 0) return true;
  return false;
}

// [SECTION] Every picture --------------------------------------------------

class CataloguePicture : public testing::TestWithParam<Entry> {};

TEST_P(CataloguePicture, DecodesAtItsSizeAndFormat) {
  const Entry& e = GetParam();
  const Picture& p = picture(e.name);
  ASSERT_TRUE(p.error.empty()) << e.name << ": " << p.error;
  ASSERT_GT(p.bytes.size(), static_cast<size_t>(kPngColourTypeOffset));
  EXPECT_EQ(p.bytes[kPngBitDepthOffset], 8) << e.name;
  EXPECT_EQ(p.bytes[kPngColourTypeOffset], e.colourType) << e.name;
  EXPECT_EQ(p.pixels.width, e.width) << e.name;
  EXPECT_EQ(p.pixels.height, e.height) << e.name;
}

TEST_P(CataloguePicture, AlphaIsHardEdged) {
  const Entry& e = GetParam();
  const platform::Pixels& pixels = picture(e.name).pixels;
  ASSERT_GT(pixels.width, 0) << e.name;
  const bool opaque = e.colourType == kColourTypeRgb;
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      const uint8_t a = alphaAt(pixels, x, y);
      ASSERT_TRUE(a == 255 || (a == 0 && !opaque))
          << e.name << " alpha " << int(a) << " at (" << x << ", " << y << ")";
    }
  }
}

TEST_P(CataloguePicture, GridHoldsExactlyItsCellsAndNoneIsEmpty) {
  const Entry& e = GetParam();
  const platform::Pixels& pixels = picture(e.name).pixels;
  EXPECT_EQ(pixels.width % e.cellWidth, 0) << e.name;
  EXPECT_EQ(pixels.height % e.cellHeight, 0) << e.name;
  EXPECT_EQ((pixels.width / e.cellWidth) * (pixels.height / e.cellHeight), e.cellCount) << e.name;
  EXPECT_EQ(platform::cutImage(pixels, e.cellWidth, e.cellHeight, 0, e.cellCount + 1, 0), nullptr)
      << e.name;

  const auto frames = cells(e);
  ASSERT_EQ(static_cast<int>(frames.size()), e.cellCount) << e.name;
  for (size_t i = 0; i < frames.size(); ++i) EXPECT_GT(opaqueCount(frames[i]), 0) << e.name << " frame " << i;
}

INSTANTIATE_TEST_SUITE_P(Assets, CataloguePicture, testing::ValuesIn(kCatalogue),
                         [](const testing::TestParamInfo<Entry>& info) {
                           std::string name = info.param.name;
                           return name.substr(0, name.find('.'));
                         });

// A plant's base sits on the bottom row, under its handle (within half a
// pixel: the column either side of the handle's x), or it would float or lean.
TEST(SpriteSheets, PlantsStandOnTheirHandles) {
  for (const Entry& e : kCatalogue) {
    if (e.handleX == kNotAPlant) continue;
    const auto frames = cells(e);
    ASSERT_EQ(static_cast<int>(frames.size()), e.cellCount) << e.name;
    for (size_t i = 0; i < frames.size(); ++i) {
      const platform::Pixels& cell = frames[i];
      EXPECT_TRUE(rowHasOpaque(cell, cell.height - 1, e.handleX - 1, e.handleX))
          << e.name << " frame " << i << " does not stand on its handle";
    }
  }
}

// [SECTION] Sheets whose frames share a shape -------------------------------

// Bee frames and the four flowers differ only in colour: any change of shape
// would make a bee jump when it changes colour, or one flower grow unlike another.
TEST(SpriteSheets, ColourVariantsShareOneSilhouette) {
  const auto bees = cells(entry("bee.png"));
  ASSERT_EQ(bees.size(), 7u);
  for (size_t i = 1; i < bees.size(); ++i) {
    EXPECT_TRUE(sameSilhouette(bees[0], bees[i])) << "bee frame " << i;
    for (size_t j = 0; j < i; ++j) EXPECT_NE(bees[i].rgba, bees[j].rgba) << "bee frames " << j << ", " << i;
  }

  const auto first = cells(entry("flower01.png"));
  ASSERT_EQ(first.size(), 8u);
  EXPECT_EQ(opaqueCount(first[0]), 1) << "a flower starts as a single pixel";
  for (const char* other : {"flower02.png", "flower03.png", "flower04.png"}) {
    const auto flower = cells(entry(other));
    ASSERT_EQ(flower.size(), first.size()) << other;
    for (size_t f = 0; f < flower.size(); ++f)
      EXPECT_TRUE(sameSilhouette(first[f], flower[f])) << other << " frame " << f;
    EXPECT_NE(first.back().rgba, flower.back().rgba) << other << " blooms like flower01";
  }
}

TEST(SpriteSheets, TreeRowsDifferOnlyInCrownColour) {
  const Entry& e = entry("tree2.png");
  const auto frames = cells(e);
  const int perRow = e.width / e.cellWidth;
  const int rows = e.height / e.cellHeight;
  ASSERT_EQ(static_cast<int>(frames.size()), perRow * rows);
  const int fullCrown = perRow - 1;
  for (int row = 1; row < rows; ++row) {
    for (int n = 0; n < perRow; ++n)
      EXPECT_TRUE(sameSilhouette(frames[n], frames[row * perRow + n])) << "row " << row << " frame " << n;
    for (int other = 0; other < row; ++other)
      EXPECT_NE(frames[other * perRow + fullCrown].rgba, frames[row * perRow + fullCrown].rgba)
          << "rows " << other << " and " << row << " have the same crown";
  }
}

TEST(SpriteSheets, TreeDraftIsNearlyTheFirstTreeRow) {
  constexpr double kMostPixels = 0.95;
  const platform::Pixels& draft = picture("tree.png").pixels;
  const platform::Pixels& trees = picture("tree2.png").pixels;
  ASSERT_EQ(draft.width, trees.width);
  ASSERT_LE(draft.height, trees.height);
  int same = 0;
  for (int y = 0; y < draft.height; ++y)
    for (int x = 0; x < draft.width; ++x)
      same += std::equal(draft.at(x, y), draft.at(x, y) + 4, trees.at(x, y));
  EXPECT_GE(same, kMostPixels * draft.width * draft.height);
}

// [SECTION] The cloud and the seed -------------------------------------------

TEST(SpriteSheets, CloudRainsOnlyInItsRainingFrames) {
  constexpr int kCloudRows = 10;
  const auto frames = cells(entry("cloud.png"));
  ASSERT_EQ(frames.size(), 4u);
  for (size_t f = 0; f < frames.size(); ++f) {
    const platform::Pixels& cell = frames[f];
    const bool raining = f >= 2;
    bool below = false;
    for (int y = kCloudRows; y < cell.height; ++y) below |= rowHasOpaque(cell, y, 0, cell.width - 1);
    EXPECT_EQ(below, raining) << "frame " << f;
    EXPECT_TRUE(rowHasOpaque(cell, 0, 0, cell.width - 1)) << "frame " << f << " leaves its top row bare";
  }
  EXPECT_NE(frames[0].rgba, frames[1].rgba) << "the calm cloud does not breathe";
  EXPECT_NE(frames[2].rgba, frames[3].rgba) << "the rain does not fall";
}

TEST(SpriteSheets, SeedIsOneWhitePixel) {
  const platform::Pixels& seed = picture("seed.png").pixels;
  ASSERT_EQ(seed.rgba.size(), 4u);
  EXPECT_EQ(seed.rgba, (std::vector<uint8_t>{255, 255, 255, 255}));
}

}  // namespace
