// Pixel-art primitives shared by every picture the asset generator paints.
//
// Everything draws hard-edged pixels into a platform::Pixels canvas: a pixel is
// either fully transparent or fully opaque, never blended, so the pictures stay
// crisp when the game scales them by 8. All drawing clips to the canvas, so a
// shape may hang over an edge. Coordinates: pixel (x, y) covers the square
// [x, x + 1) x [y, y + 1); y grows downwards.
//
// The palette is one small set of named colours so that every sprite and the
// title share the same sunny-meadow look.
#pragma once
#include <cstdint>

#include "platform/image.h"

namespace assetgen {

struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  uint8_t a = 255;
  constexpr bool operator==(const Colour&) const = default;
};

// Three shades of one hue, for simple top-lit shading.
struct Ramp {
  Colour light;
  Colour mid;
  Colour dark;
};

namespace palette {

constexpr Colour kClear{0, 0, 0, 0};
// Outlines are a very dark plum rather than black: softer against both backdrops.
constexpr Colour kInk{34, 24, 44};
constexpr Colour kBlack{16, 14, 20};
constexpr Colour kWhite{255, 255, 255};
constexpr Colour kCloudShade{214, 226, 240};
constexpr Colour kRainBlue{40, 96, 220};
constexpr Colour kRainLight{120, 170, 255};

// The colours the game itself paints behind the sprites.
constexpr Colour kGameSky{100, 200, 255};
constexpr Colour kGameGround{240, 60, 150};

constexpr Ramp kYellow{{255, 238, 110}, {250, 200, 40}, {206, 140, 20}};
constexpr Ramp kGreen{{150, 226, 80}, {70, 176, 56}, {30, 112, 54}};
constexpr Ramp kBlueGreen{{110, 230, 200}, {32, 176, 160}, {16, 110, 116}};
constexpr Ramp kPurple{{200, 150, 255}, {146, 86, 226}, {92, 48, 160}};
constexpr Ramp kPink{{255, 190, 224}, {246, 120, 190}, {190, 64, 140}};
constexpr Ramp kOrange{{255, 196, 100}, {250, 140, 36}, {196, 84, 20}};
constexpr Ramp kRed{{255, 120, 110}, {226, 48, 52}, {150, 22, 40}};
constexpr Ramp kBlue{{130, 190, 255}, {56, 120, 236}, {32, 64, 170}};
constexpr Ramp kBrown{{176, 116, 64}, {130, 80, 44}, {86, 50, 30}};
constexpr Ramp kSkyBlue{{190, 236, 255}, {120, 206, 250}, {70, 150, 220}};

}  // namespace palette

// Single pixels; reading outside the canvas gives kClear, writing there does nothing.
void putPixel(platform::Pixels& canvas, int x, int y, Colour colour);
Colour pixelAt(const platform::Pixels& canvas, int x, int y);
bool isOpaque(const platform::Pixels& canvas, int x, int y);

// Lines: both ends included, in either order.
void hLine(platform::Pixels& canvas, int x0, int x1, int y, Colour colour);
void vLine(platform::Pixels& canvas, int x, int y0, int y1, Colour colour);
// Any direction, one pixel thick, no doubled corners.
void line(platform::Pixels& canvas, int x0, int y0, int x1, int y1, Colour colour);

void fillRect(platform::Pixels& canvas, int x, int y, int width, int height, Colour colour);
void fill(platform::Pixels& canvas, Colour colour);

// Every pixel whose centre lies inside the ellipse. The centre is in pixel-edge
// coordinates: (4.5, 4.5) centres on pixel (4, 4), (5, 5) on the corner between
// four pixels, so even and odd widths are both symmetric.
void fillEllipse(platform::Pixels& canvas, float centreX, float centreY, float radiusX,
                 float radiusY, Colour colour);
void fillDisc(platform::Pixels& canvas, float centreX, float centreY, float radius, Colour colour);

// A one-pixel line of `colour` on every transparent pixel that touches an opaque
// one (side neighbours; also diagonal ones when `withCorners`).
void outline(platform::Pixels& canvas, Colour colour, bool withCorners = false);

// Swaps every pixel of exactly `from` for `to`.
void recolour(platform::Pixels& canvas, Colour from, Colour to);

// Left-right mirror image.
platform::Pixels mirrored(const platform::Pixels& picture);

// Copies the opaque pixels of `sprite` with its top-left corner at (x, y).
void stamp(platform::Pixels& canvas, const platform::Pixels& sprite, int x, int y);
// Copies `cell` whole (transparent pixels too) into the cell at `column`, `row`
// of a sheet whose cells are cell.width x cell.height.
void placeInCell(platform::Pixels& sheet, const platform::Pixels& cell, int column, int row);

}  // namespace assetgen
