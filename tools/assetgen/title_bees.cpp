// The two bees of the title picture: the crowned queen and a small worker.
//
// Each bee is built from layers (wings, body, head, crown) painted back to
// front. Every layer gets its own ink outline before it is laid on the bee,
// so the parts stay apart where they overlap instead of melting into one
// blob. The body is striped by columns, head to tail, lit from above.
#include <iterator>

#include "tools/assetgen/paint.h"
#include "tools/assetgen/title_parts.h"

namespace assetgen::title {
namespace {

constexpr Colour kWingFill{222, 244, 255};
constexpr Colour kHeadDark{58, 44, 70};
constexpr Colour kHeadLight{104, 84, 120};
constexpr Colour kCheek{255, 150, 180};

void addLayer(platform::Pixels& bee, platform::Pixels layer) {
  outline(layer, palette::kInk);
  stamp(bee, layer, 0, 0);
}

// A wing: pale blue-white with a white gleam toward its top.
platform::Pixels wing(int width, int height, float cx, float cy, float rx, float ry) {
  platform::Pixels layer(width, height);
  fillEllipse(layer, cx, cy, rx, ry, kWingFill);
  fillEllipse(layer, cx - rx * 0.25f, cy - ry * 0.3f, rx * 0.45f, ry * 0.4f, palette::kWhite);
  return layer;
}

// A body striped across its length: `stripe` pixels of yellow, then black,
// starting with black at `firstStripeX`; the top row is lit, the lower rows shaded.
platform::Pixels stripedBody(int width, int height, float cx, float cy, float rx, float ry,
                             int firstStripeX, int stripe) {
  platform::Pixels layer(width, height);
  fillEllipse(layer, cx, cy, rx, ry, palette::kYellow.mid);
  const int bottomShade = static_cast<int>(cy + ry * 0.45f);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!isOpaque(layer, x, y)) continue;
      const bool black = x >= firstStripeX && ((x - firstStripeX) / stripe) % 2 == 0;
      const bool lit = !isOpaque(layer, x, y - 1);
      const bool shaded = y >= bottomShade;
      Colour colour = black ? (lit ? kHeadLight : palette::kBlack)
                            : (lit ? palette::kYellow.light
                                   : shaded ? palette::kYellow.dark : palette::kYellow.mid);
      putPixel(layer, x, y, colour);
    }
  return layer;
}

platform::Pixels head(int width, int height, float cx, float cy, float radius) {
  platform::Pixels layer(width, height);
  fillDisc(layer, cx, cy, radius, kHeadDark);
  fillDisc(layer, cx - radius * 0.3f, cy - radius * 0.35f, radius * 0.45f, kHeadLight);
  return layer;
}

// '.' clear, 'y' gold, 'Y' bright gold, 'o' deep gold, 'r' ruby.
constexpr const char* kCrown[] = {
    "Y....Y....Y",
    "yY..YyY..Yy",
    "yyYYyyyYYyy",
    "yyyyyyyyyyy",
    "yyryyryyryy",
    "ooooooooooo",
};

platform::Pixels crown(int width, int height, int left, int top) {
  platform::Pixels layer(width, height);
  for (int row = 0; row < static_cast<int>(std::size(kCrown)); ++row)
    for (int column = 0; kCrown[row][column] != '\0'; ++column) {
      Colour colour = palette::kClear;
      switch (kCrown[row][column]) {
        case 'y': colour = palette::kYellow.mid; break;
        case 'Y': colour = palette::kYellow.light; break;
        case 'o': colour = palette::kOrange.mid; break;
        case 'r': colour = palette::kRed.mid; break;
        default: continue;
      }
      putPixel(layer, left + column, top + row, colour);
    }
  return layer;
}

}  // namespace

platform::Pixels paintQueenBee() {
  constexpr int kWidth = 42;
  constexpr int kHeight = 36;
  platform::Pixels bee(kWidth, kHeight);
  addLayer(bee, wing(kWidth, kHeight, 28.0f, 10.0f, 6.5f, 8.5f));
  // Legs first so the body hides their roots.
  platform::Pixels legs(kWidth, kHeight);
  for (int legX : {17, 23, 29}) vLine(legs, legX, 27, 34, palette::kInk);
  stamp(bee, legs, 0, 0);
  addLayer(bee, stripedBody(kWidth, kHeight, 26.0f, 22.5f, 13.0f, 8.5f, 16, 4));
  hLine(bee, 39, 40, 23, palette::kInk);  // the sting
  addLayer(bee, wing(kWidth, kHeight, 20.5f, 11.0f, 5.5f, 8.0f));
  addLayer(bee, head(kWidth, kHeight, 10.0f, 21.0f, 7.5f));
  // A friendly face looking left: one big eye and a rosy cheek.
  fillRect(bee, 4, 17, 3, 4, palette::kWhite);
  fillRect(bee, 4, 18, 2, 2, palette::kInk);
  hLine(bee, 8, 9, 24, kCheek);
  hLine(bee, 3, 5, 25, palette::kInk);  // the smile
  addLayer(bee, crown(kWidth, kHeight, 4, 7));
  return bee;
}

platform::Pixels paintWorkerBee() {
  constexpr int kWidth = 18;
  constexpr int kHeight = 14;
  platform::Pixels bee(kWidth, kHeight);
  addLayer(bee, wing(kWidth, kHeight, 7.0f, 4.0f, 3.0f, 3.5f));
  addLayer(bee, stripedBody(kWidth, kHeight, 8.0f, 8.5f, 5.5f, 3.5f, 4, 2));
  putPixel(bee, 2, 8, palette::kInk);  // the sting
  addLayer(bee, wing(kWidth, kHeight, 10.0f, 3.5f, 2.5f, 3.0f));
  addLayer(bee, head(kWidth, kHeight, 13.5f, 8.0f, 2.8f));
  putPixel(bee, 14, 7, palette::kWhite);
  line(bee, 14, 4, 16, 2, palette::kInk);  // antenna
  return bee;
}

}  // namespace assetgen::title
