// The small pixel font of the title screen and the contact sheet.
//
// Each glyph is hand-drawn in a 7-pixel-tall box: capitals and digits fill the
// top five rows, lower-case letters sit on the same baseline with their
// x-height in rows 1-4, and g j p q y hang two rows below it. Glyphs are as
// wide as they need to be (1 to 5 pixels) and letters are set one pixel apart.
// An optional whole-number scale enlarges every pixel to a square block.
//
// A character without a glyph is a mistake in the generator, so it throws
// instead of being skipped: a missing letter must never reach a picture.
#pragma once
#include <string_view>

#include "platform/image.h"
#include "tools/assetgen/paint.h"

namespace assetgen::font {

constexpr int kCapHeight = 5;    // pixels, baseline to the top of a capital
constexpr int kGlyphHeight = 7;  // pixels, including the descenders
constexpr int kLetterGap = 1;    // pixels between neighbouring glyphs

// True when `c` can be drawn.
bool hasGlyph(char c);

// Width in pixels of `text` as drawText sets it, from the left edge of the
// first glyph to the right edge of the last; 0 for empty text.
// Throws std::invalid_argument for a character without a glyph.
int textWidth(std::string_view text, int scale = 1);

}  // namespace assetgen::font

namespace assetgen {

// Draws `text` with the top-left corner of its first glyph at (x, y), clipped to
// the canvas. Throws std::invalid_argument for a character without a glyph,
// before anything is drawn.
void drawText(platform::Pixels& canvas, int x, int y, std::string_view text, Colour colour,
              int scale = 1);

// Width in pixels of `text`; see font::textWidth.
inline int textWidth(std::string_view text, int scale = 1) { return font::textWidth(text, scale); }

}  // namespace assetgen
