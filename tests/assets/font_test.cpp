// The asset generator's pixel font and the pictures that set text with it:
// the width the layout code centres by must be the width that is drawn, a
// character without a glyph must stop the generator rather than leave a gap,
// and the title must come out whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/font.h"

namespace {

struct InkBox {
  int left = 1 << 30;
  int top = 1 << 30;
  int right = -1;
  int bottom = -1;
};

InkBox inkBox(const platform::Pixels& canvas) {
  InkBox box;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (canvas.at(x, y)[3] != 0) {
        box.left = std::min(box.left, x);
        box.top = std::min(box.top, y);
        box.right = std::max(box.right, x);
        box.bottom = std::max(box.bottom, y);
      }
  return box;
}

TEST(PixelFont, TextWidthIsTheWidthDrawn) {
  struct Case {
    const char* text;
    int scale;
    int inkRows;  // glyph rows the text reaches down to
  } cases[] = {
      {"A", 1, assetgen::font::kCapHeight},
      {"MOUSE: MOVE THE CLOUD", 1, assetgen::font::kCapHeight},
      {"Quillmoor", 1, assetgen::font::kCapHeight},
      {"flower01.png", 1, assetgen::font::kGlyphHeight},
      {"(c) 2026", 2, assetgen::font::kCapHeight},
      {"PRESS SPACE", 3, assetgen::font::kCapHeight},
      {"jig", 3, assetgen::font::kGlyphHeight},
  };
  constexpr int kLeft = 3;
  constexpr int kTop = 2;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.text) + " at scale " + std::to_string(c.scale));
    const int width = assetgen::textWidth(c.text, c.scale);
    platform::Pixels canvas(width + 2 * kLeft, assetgen::font::kGlyphHeight * c.scale + 2 * kTop);
    assetgen::drawText(canvas, kLeft, kTop, c.text, assetgen::palette::kWhite, c.scale);
    const InkBox box = inkBox(canvas);
    EXPECT_EQ(box.left, kLeft);
    EXPECT_EQ(box.right, kLeft + width - 1);
    EXPECT_EQ(box.top, kTop);
    EXPECT_EQ(box.bottom, kTop + c.inkRows * c.scale - 1);
  }
}

TEST(PixelFont, EmptyTextHasNoWidthAndNoInk) {
  platform::Pixels canvas(8, 8);
  assetgen::drawText(canvas, 0, 0, "", assetgen::palette::kWhite);
  EXPECT_EQ(assetgen::textWidth(""), 0);
  EXPECT_EQ(inkBox(canvas).right, -1);
}

TEST(PixelFont, MissingGlyphIsAnErrorAndDrawsNothing) {
  const char* cases[] = {"QUILL~MOOR", "tab\there", "caf\xc3\xa9", "50%"};
  for (const char* text : cases) {
    SCOPED_TRACE(text);
    platform::Pixels canvas(200, 10);
    EXPECT_THROW(assetgen::drawText(canvas, 0, 0, text, assetgen::palette::kWhite),
                 std::invalid_argument);
    EXPECT_THROW(assetgen::textWidth(text), std::invalid_argument);
    EXPECT_EQ(inkBox(canvas).right, -1) << "a bad string must not be half drawn";
  }
}

TEST(TitlePicture, IsWholeOpaqueAndTheSameEveryTime) {
  // paintTitle sets every line of its text with the font, so a glyph missing
  // from any of them throws here.
  platform::Pixels title;
  ASSERT_NO_THROW(title = assetgen::paintTitle());
  ASSERT_EQ(title.width, 256);
  ASSERT_EQ(title.height, 192);
  for (int y = 0; y < title.height; ++y)
    for (int x = 0; x < title.width; ++x)
      ASSERT_EQ(title.at(x, y)[3], 255) << "at " << x << ", " << y;
  EXPECT_EQ(assetgen::paintTitle().rgba, title.rgba);
}

}  // namespace
