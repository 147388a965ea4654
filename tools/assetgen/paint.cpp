#include "tools/assetgen/paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace assetgen {
namespace {

bool inside(const platform::Pixels& canvas, int x, int y) {
  return x >= 0 && y >= 0 && x < canvas.width && y < canvas.height;
}

// The outline pass must look at the picture as it was, not at the outline it is drawing.
bool touchesOpaque(const platform::Pixels& original, int x, int y, bool withCorners) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (dx == 0 && dy == 0) continue;
      if (!withCorners && dx != 0 && dy != 0) continue;
      if (isOpaque(original, x + dx, y + dy)) return true;
    }
  }
  return false;
}

}  // namespace

void putPixel(platform::Pixels& canvas, int x, int y, Colour colour) {
  if (!inside(canvas, x, y)) return;
  uint8_t* p = canvas.at(x, y);
  p[0] = colour.r;
  p[1] = colour.g;
  p[2] = colour.b;
  p[3] = colour.a;
}

Colour pixelAt(const platform::Pixels& canvas, int x, int y) {
  if (!inside(canvas, x, y)) return palette::kClear;
  const uint8_t* p = canvas.at(x, y);
  return {p[0], p[1], p[2], p[3]};
}

bool isOpaque(const platform::Pixels& canvas, int x, int y) { return pixelAt(canvas, x, y).a != 0; }

void hLine(platform::Pixels& canvas, int x0, int x1, int y, Colour colour) {
  if (x0 > x1) std::swap(x0, x1);
  for (int x = x0; x <= x1; ++x) putPixel(canvas, x, y, colour);
}

void vLine(platform::Pixels& canvas, int x, int y0, int y1, Colour colour) {
  if (y0 > y1) std::swap(y0, y1);
  for (int y = y0; y <= y1; ++y) putPixel(canvas, x, y, colour);
}

void line(platform::Pixels& canvas, int x0, int y0, int x1, int y1, Colour colour) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    putPixel(canvas, x0, y0, colour);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y0 += stepY;
    }
  }
}

void fillRect(platform::Pixels& canvas, int x, int y, int width, int height, Colour colour) {
  for (int row = y; row < y + height; ++row)
    for (int column = x; column < x + width; ++column) putPixel(canvas, column, row, colour);
}

void fill(platform::Pixels& canvas, Colour colour) {
  fillRect(canvas, 0, 0, canvas.width, canvas.height, colour);
}

void fillEllipse(platform::Pixels& canvas, float centreX, float centreY, float radiusX,
                 float radiusY, Colour colour) {
  if (radiusX <= 0 || radiusY <= 0) return;
  const int top = static_cast<int>(std::floor(centreY - radiusY));
  const int bottom = static_cast<int>(std::ceil(centreY + radiusY));
  const int left = static_cast<int>(std::floor(centreX - radiusX));
  const int right = static_cast<int>(std::ceil(centreX + radiusX));
  for (int y = top; y <= bottom; ++y) {
    const float v = (y + 0.5f - centreY) / radiusY;
    for (int x = left; x <= right; ++x) {
      const float u = (x + 0.5f - centreX) / radiusX;
      if (u * u + v * v <= 1.0f) putPixel(canvas, x, y, colour);
    }
  }
}

void fillDisc(platform::Pixels& canvas, float centreX, float centreY, float radius, Colour colour) {
  fillEllipse(canvas, centreX, centreY, radius, radius, colour);
}

void outline(platform::Pixels& canvas, Colour colour, bool withCorners) {
  const platform::Pixels original = canvas;
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (!isOpaque(original, x, y) && touchesOpaque(original, x, y, withCorners))
        putPixel(canvas, x, y, colour);
}

void recolour(platform::Pixels& canvas, Colour from, Colour to) {
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x)
      if (pixelAt(canvas, x, y) == from) putPixel(canvas, x, y, to);
}

platform::Pixels mirrored(const platform::Pixels& picture) {
  platform::Pixels out(picture.width, picture.height);
  for (int y = 0; y < picture.height; ++y)
    for (int x = 0; x < picture.width; ++x)
      putPixel(out, picture.width - 1 - x, y, pixelAt(picture, x, y));
  return out;
}

void stamp(platform::Pixels& canvas, const platform::Pixels& sprite, int x, int y) {
  for (int row = 0; row < sprite.height; ++row)
    for (int column = 0; column < sprite.width; ++column)
      if (isOpaque(sprite, column, row))
        putPixel(canvas, x + column, y + row, pixelAt(sprite, column, row));
}

void placeInCell(platform::Pixels& sheet, const platform::Pixels& cell, int column, int row) {
  const int left = column * cell.width;
  const int top = row * cell.height;
  for (int y = 0; y < cell.height; ++y)
    for (int x = 0; x < cell.width; ++x) putPixel(sheet, left + x, top + y, pixelAt(cell, x, y));
}

}  // namespace assetgen
