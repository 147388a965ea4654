// The SDL screen read back pixel by pixel (see sdl_test_system.h for which
// driver and renderer).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "platform/sdl/sdl_screen.h"
#include "platform/sdl/sdl_system.h"
#include "sdl_test_system.h"

using namespace platform;

namespace {

constexpr int kWidth = 1024, kHeight = 768;
using Rgba = std::vector<int>;

class SdlScreenTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    std::string error;
    system_ = sdltest::openTestSystem(error).release();
    ASSERT_NE(system_, nullptr) << error;
  }
  static void TearDownTestSuite() {
    delete system_;
    system_ = nullptr;
  }
  void SetUp() override {
    ASSERT_NE(system_, nullptr);
    Screen& s = screen();
    s.setOrigin(512, 384);
    s.setScale(1, 1);
    s.setAlpha(1);
    s.setColor(255, 255, 255);
    s.setClsColor(10, 20, 30);
    s.cls();
  }
  static Screen& screen() { return system_->screen(); }
  static SdlScreen& sdlScreen() { return dynamic_cast<SdlScreen&>(system_->screen()); }
  static Pixels read() {
    Pixels p;
    EXPECT_TRUE(system_->readPixels(p));
    EXPECT_EQ(p.width, kWidth);
    EXPECT_EQ(p.height, kHeight);
    return p;
  }
  static Rgba at(const Pixels& p, int x, int y) {
    const uint8_t* px = p.at(x, y);
    return {px[0], px[1], px[2]};
  }
  static inline SdlSystem* system_ = nullptr;
};

// A cell whose every pixel has its own colour, so any misplaced pixel shows.
std::shared_ptr<Image> patterned(int w, int h) {
  Pixels p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      uint8_t* px = p.at(x, y);
      px[0] = static_cast<uint8_t>(40 + 50 * x), px[1] = static_cast<uint8_t>(40 + 60 * y), px[2] = 200;
      px[3] = 255;
    }
  return makeImage(p, 0);
}

std::shared_ptr<Image> solid(int w, int h, Rgba rgba, int flags = 0) {
  Pixels p(w, h);
  for (int i = 0; i < w * h; ++i)
    for (int c = 0; c < 4; ++c) p.rgba[i * 4 + c] = static_cast<uint8_t>(rgba[c]);
  return makeImage(p, flags);
}

}  // namespace

TEST_F(SdlScreenTest, ClsFillsTheCanvasAndDropsWhatCameBefore) {
  screen().drawRect(-512, -384, 1024, 768);  // white everywhere, then cleared away
  screen().setClsColor(240, 60, 150);
  screen().cls();
  const Pixels p = read();
  for (auto [x, y] : {std::pair{0, 0}, {1023, 0}, {0, 767}, {1023, 767}, {512, 384}})
    EXPECT_EQ(at(p, x, y), (Rgba{240, 60, 150})) << x << "," << y;
  EXPECT_EQ(sdlScreen().rendererName(), sdltest::useGl() ? "opengl" : "software");
}

TEST_F(SdlScreenTest, SkyRectangleCoversExactlyTheTopHalf) {
  screen().setColor(100, 200, 255);
  screen().drawRect(-512, -384, 1024, 384);
  const Pixels p = read();
  for (int x : {0, 511, 1023}) {
    EXPECT_EQ(at(p, x, 0), (Rgba{100, 200, 255}));
    EXPECT_EQ(at(p, x, 383), (Rgba{100, 200, 255})) << "column " << x;
    EXPECT_EQ(at(p, x, 384), (Rgba{10, 20, 30})) << "column " << x;
  }
}

// Every canvas pixel around the draw is checked against the inverse of the
// placement rule: the handle lands on the point, extents scale about it.
TEST_F(SdlScreenTest, ImageCellLandsByItsHandleScaledAndMirroredAboutIt) {
  auto image = patterned(4, 3);
  image->setHandle(1, 2);
  struct Case {
    float sx, sy;
  } cases[] = {{1, 1}, {2, 2}, {-2, 2}, {3, 1}, {-1, 1}, {1, 4}};
  const float px = 10, py = -20;  // handle lands on (522, 364)
  for (const Case& c : cases) {
    screen().cls();
    screen().setScale(c.sx, c.sy);
    screen().drawImage(*image, px, py, 0);
    const Pixels p = read();
    int mismatches = 0;
    for (int y = 364 - 20; y < 364 + 20; ++y)
      for (int x = 522 - 20; x < 522 + 20; ++x) {
        const float u = 1 + (x + 0.5f - 522) / c.sx, v = 2 + (y + 0.5f - 364) / c.sy;
        Rgba expected{10, 20, 30};
        if (u >= 0 && u < 4 && v >= 0 && v < 3)
          expected = {40 + 50 * static_cast<int>(u), 40 + 60 * static_cast<int>(v), 200};
        if (at(p, x, y) != expected && ++mismatches <= 3)
          ADD_FAILURE() << "scale " << c.sx << "," << c.sy << " pixel " << x << "," << y << " is "
                        << at(p, x, y)[0] << "," << at(p, x, y)[1] << " not " << expected[0] << ","
                        << expected[1];
      }
    EXPECT_EQ(mismatches, 0) << "scale " << c.sx << "," << c.sy;
  }
}

TEST_F(SdlScreenTest, AlphaBlendsTintMultipliesAndClearPixelsShowThrough) {
  struct Case {
    const char* what;
    Rgba pixel;  // the image's one pixel, with alpha
    Rgba tint;
    float alpha;
    Rgba expected;  // over the clear colour (10, 20, 30)
  } cases[] = {
      {"half alpha", {255, 255, 255, 255}, {255, 255, 255}, 0.5f, {132, 137, 142}},
      {"tint multiplies", {200, 100, 50, 255}, {128, 255, 0}, 1.0f, {100, 100, 0}},
      {"white tinted is the tint", {255, 255, 255, 255}, {100, 200, 50}, 1.0f, {100, 200, 50}},
      {"clear pixel", {255, 0, 0, 0}, {255, 255, 255}, 1.0f, {10, 20, 30}},
      {"alpha zero", {255, 0, 0, 255}, {255, 255, 255}, 0.0f, {10, 20, 30}},
      // The title's last fade frame asks for about -0.02: plain clear colour.
      {"negative alpha counts as zero", {255, 0, 0, 255}, {255, 255, 255}, -0.02f, {10, 20, 30}},
      {"alpha above one counts as one", {200, 100, 50, 255}, {255, 255, 255}, 1.7f, {200, 100, 50}},
  };
  for (const Case& c : cases) {
    auto image = solid(4, 4, c.pixel);
    screen().cls();
    screen().setColor(c.tint[0], c.tint[1], c.tint[2]);
    screen().setAlpha(c.alpha);
    screen().drawImage(*image, 0, 0, 0);
    const Rgba got = at(read(), 513, 385);
    for (int ch = 0; ch < 3; ++ch) EXPECT_NEAR(got[ch], c.expected[ch], 1) << c.what << " channel " << ch;
  }
  screen().setAlpha(1);
}

TEST_F(SdlScreenTest, ReducedDrawsUseTheNearestMipLevel) {
  // A 1-pixel red/blue checkerboard: every level below 0 is purple, while
  // sampling level 0 at reduced size would give pure red or blue.
  Pixels board(16, 16);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      uint8_t* px = board.at(x, y);
      const bool red = (x + y) % 2 == 0;
      px[0] = red ? 255 : 0, px[2] = red ? 0 : 255, px[3] = 255;
    }
  auto image = makeImage(board, kImageMipmapped);
  struct Case {
    float scale;
    bool purple;
  } cases[] = {{1, false}, {2, false}, {0.5f, true}, {-0.5f, true}, {0.3f, true}, {0.9f, false}};
  for (const Case& c : cases) {
    screen().cls();
    screen().setScale(c.scale, std::fabs(c.scale));
    screen().drawImage(*image, 0, 0, 0);
    const Rgba got = at(read(), c.scale > 0 ? 513 : 511, 385);
    if (c.purple) {
      EXPECT_NEAR(got[0], 128, 1) << "scale " << c.scale;
      EXPECT_NEAR(got[2], 128, 1) << "scale " << c.scale;
    } else {
      EXPECT_TRUE(got == (Rgba{255, 0, 0}) || got == (Rgba{0, 0, 255})) << "scale " << c.scale;
    }
  }
}

TEST_F(SdlScreenTest, AFrameIsOneGeometryCallAndOffCanvasQuadsAreDropped) {
  auto image = solid(8, 8, {0, 255, 0, 255}, kImageMipmapped);
  auto other = solid(3, 5, {255, 0, 0, 255});
  for (int i = 0; i < 300; ++i) {
    screen().setScale(0.5f + (i % 7), 0.5f + (i % 7));
    screen().drawImage(i % 2 ? *image : *other, static_cast<float>(i % 900 - 450), static_cast<float>(i % 700 - 350), 0);
    screen().drawRect(static_cast<float>(i), 0, 2, 2);
  }
  // Wholly off the canvas on each side, mirrored off, and one that only just reaches in.
  struct Off {
    float x, y, sx;
  } off[] = {{-600, 0, 1}, {600, 0, 1}, {0, -400, 1}, {0, 400, 1}, {-530, 0, 1.5f}};
  for (const Off& o : off) {
    screen().setScale(o.sx, 1);
    screen().drawImage(*image, o.x, o.y, 0);
  }
  screen().setScale(-1, 1);
  screen().drawImage(*image, -512 + 8, 0, 0);   // mirrored: reaches x 0..7, kept
  screen().drawImage(*image, -512 + 0, 0, 0);   // mirrored: ends at x 0, dropped
  screen().setScale(1, 1);
  screen().drawImage(*image, -519, -383, 0);    // one column on the canvas, kept
  screen().flip(0);
  const SdlScreen::FrameStats& frame = sdlScreen().lastFrame();
  EXPECT_EQ(frame.geometryCalls, 1);
  EXPECT_EQ(frame.quads, 1 + 600 + 2) << "the clear, 600 draws and the two that reach in";
  EXPECT_EQ(frame.dropped, 6);
}

TEST_F(SdlScreenTest, HugeAndBrokenScalesNeitherCrashNorSmear) {
  auto dot = solid(1, 1, {255, 255, 0, 255});
  dot->centreHandle();
  screen().setScale(1e7f, 1e7f);
  screen().drawImage(*dot, 0, 0, 0);  // one pixel blown up past the whole canvas
  screen().setScale(NAN, 1);
  screen().drawImage(*dot, 0, 0, 0);
  screen().setScale(INFINITY, INFINITY);
  screen().drawImage(*dot, 0, 0, 0);
  const Pixels p = read();
  for (auto [x, y] : {std::pair{0, 0}, {1023, 767}, {512, 384}}) EXPECT_EQ(at(p, x, y), (Rgba{255, 255, 0}));
  screen().flip(0);
  EXPECT_EQ(sdlScreen().lastFrame().dropped, 2);
}

TEST_F(SdlScreenTest, ImagesCanBeDroppedAndNewOnesDrawnAfterwards) {
  { auto gone = solid(6, 6, {1, 2, 3, 255}); screen().drawImage(*gone, 0, 0, 0); }
  auto later = solid(300, 2, {0, 99, 0, 255});  // wide enough to grow the atlas
  screen().drawImage(*later, -100, 0, 0);
  EXPECT_EQ(at(read(), 512 - 100 + 299, 385), (Rgba{0, 99, 0}));
}

TEST_F(SdlScreenTest, OpeningClearsInputAndCentresThePointer) {
  Input& input = system_->input();
  input.pressKey(kKeyEscape);
  input.movePointer(3, 4);
  std::string error;
  ASSERT_TRUE(screen().open(kWidth, kHeight, 0, 60, 0, error)) << error;
  EXPECT_EQ(input.keyHit(kKeyEscape), 0);
  EXPECT_EQ(input.mouseX(), 512);
  EXPECT_EQ(input.mouseY(), 384);
  EXPECT_EQ(screen().width(), kWidth);
  EXPECT_EQ(screen().height(), kHeight);
}

// SDL falls back to a windowless driver when there is no display; the game
// must refuse that unless asked. Run in a child so SDL's state stays apart.
TEST(SdlSystem, RefusesAWindowlessDriverItWasNotAskedFor) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  auto attempt = [](bool allow, const char* envDriver, const char* display) {
    if (display) setenv("DISPLAY", display, 1); else unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    if (envDriver) setenv("SDL_VIDEODRIVER", envDriver, 1); else unsetenv("SDL_VIDEODRIVER");
    SdlOptions options;
    options.allowOffscreen = allow;
    options.audio = false;
    std::string error;
    auto system = SdlSystem::create(options, error);
    // _Exit: the child ends here, without the leak check that would otherwise
    // report what the windowing libraries SDL probed keep for the process's life.
    if (system) std::_Exit(2);
    std::_Exit(error == "no display found" ? 3 : 4);
  };
  EXPECT_EXIT(attempt(false, nullptr, nullptr), ::testing::ExitedWithCode(3), "");
  // A display that is named but cannot be reached: SDL falls back quietly, we refuse.
  EXPECT_EXIT(attempt(false, nullptr, ":97"), ::testing::ExitedWithCode(3), "");
  // Tests and screenshots may ask for the windowless driver, by option or by name.
  EXPECT_EXIT(attempt(true, nullptr, nullptr), ::testing::ExitedWithCode(2), "");
  EXPECT_EXIT(attempt(false, "offscreen", nullptr), ::testing::ExitedWithCode(2), "");
}
