// The batched SDL screen against the plain one-copy-per-sprite reference:
// the same crowded scene (several pictures and cells, every mip level in use,
// half of the sprites mirrored, some tinted or half transparent, interleaved
// as depth order leaves them) must come out the same picture, but for the odd
// pixel where the two paths round an edge differently. On SDL's software
// renderer by default; with QM_TEST_GL under Xvfb, on the accelerated one,
// where the batch also trims cells to their parts that are not clear.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/sdl/naive_screen.h"
#include "sdl_test_system.h"

using namespace platform;

namespace {

constexpr int kWidth = 1024, kHeight = 768;
constexpr double kMinSameShare = 0.995;
constexpr int kSprites = 800;

// Cells whose every pixel has its own colour, with a clear corner and clear
// margins that differ from cell to cell (as a young plant leaves most of its
// cell clear), so that a wrong cell, level, offset, trim or mirroring changes
// many pixels.
std::shared_ptr<Image> patternedGrid(int cellW, int cellH, int cells, int seed) {
  Pixels p(cellW * cells, cellH);
  for (int y = 0; y < cellH; ++y)
    for (int x = 0; x < cellW * cells; ++x) {
      uint8_t* px = p.at(x, y);
      const int cell = x / cellW, inCell = x % cellW;
      const bool clearCorner = inCell + y < 2;
      const bool clearMargin = inCell >= cellW - cell % 3 || y < (cell % 4) * cellH / 8;
      px[0] = static_cast<uint8_t>(seed * 40 + x * 7);
      px[1] = static_cast<uint8_t>(y * 13 + x / cellW * 50);
      px[2] = static_cast<uint8_t>(255 - x * 3 - y * 5);
      px[3] = clearCorner || clearMargin ? 0 : 255;
    }
  auto image = cutImage(p, cellW, cellH, 0, cells, kImageMipmapped);
  image->setHandle(cellW / 2.0f, static_cast<float>(cellH));
  return image;
}

struct Sprite {
  const Image* image;
  int frame;
  float x, y, scaleX, scaleY, alpha;
  Rgb tint;
};

std::vector<Sprite> scene(const std::vector<std::shared_ptr<Image>>& images) {
  std::mt19937 rng(99);
  std::uniform_real_distribution<float> across(-kWidth / 2.0f, kWidth / 2.0f);
  std::uniform_real_distribution<float> down(-kHeight / 2.0f, kHeight / 2.0f);
  std::uniform_real_distribution<float> scale(0.5f, 1.0f);
  std::vector<Sprite> sprites;
  for (int i = 0; i < kSprites; ++i) {
    const Image& image = *images[i % images.size()];
    const float s = scale(rng) * (i % 7 == 0 ? 4.0f : 1.0f);  // a few large ones too
    const bool mirrored = i % 2 == 1;
    const bool tinted = i % 4 == 3;
    sprites.push_back({&image, static_cast<int>(rng() % image.frameCount()),
                       std::floor(across(rng)), std::floor(down(rng)), mirrored ? -s : s, s,
                       tinted ? 0.5f : 1.0f, tinted ? Rgb{255, 128, 64} : Rgb{}});
  }
  return sprites;
}

void draw(Screen& screen, const std::vector<Sprite>& sprites) {
  screen.setOrigin(kWidth / 2.0f, kHeight / 2.0f);
  screen.setClsColor(240, 60, 150);
  screen.cls();
  for (const Sprite& s : sprites) {
    screen.setScale(s.scaleX, s.scaleY);
    screen.setAlpha(s.alpha);
    screen.setColor(s.tint.r, s.tint.g, s.tint.b);
    screen.drawImage(*s.image, s.x, s.y, s.frame);
  }
}

bool sameRgb(const uint8_t* a, const uint8_t* b) {
  return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

TEST(BatchEquivalence, BatchedAndOneCopyPerSpriteDrawTheSamePicture) {
  std::string error;
  auto system = sdltest::openTestSystem(error);
  ASSERT_NE(system, nullptr) << error;
  NaiveScreen naive(!sdltest::useGl());
  ASSERT_TRUE(naive.open(kWidth, kHeight, 0, 60, 0, error)) << error;
  ASSERT_EQ(naive.rendererName(), system->rendererName());

  const std::vector<std::shared_ptr<Image>> images = {
      patternedGrid(9, 18, 8, 1), patternedGrid(46, 62, 3, 2), patternedGrid(4, 3, 7, 3),
      patternedGrid(21, 12, 10, 4)};
  const std::vector<Sprite> sprites = scene(images);
  draw(system->screen(), sprites);
  draw(naive, sprites);
  Pixels batched, plain;
  ASSERT_TRUE(system->readPixels(batched));
  ASSERT_TRUE(naive.readPixels(plain));

  const uint8_t background[3] = {240, 60, 150};
  long same = 0, covered = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      same += sameRgb(batched.at(x, y), plain.at(x, y));
      covered += !sameRgb(plain.at(x, y), background);
    }
  const double pixels = static_cast<double>(kWidth) * kHeight;
  // Without a well-covered canvas the comparison would prove nothing.
  EXPECT_GT(covered / pixels, 0.25) << "the scene covers too little of the canvas";
  EXPECT_GE(same / pixels, kMinSameShare) << (pixels - same) << " pixels differ";
}

}  // namespace
