// The big white daisy of the title picture.
//
// The head is seen a little from above, so it is a circle of petals squashed
// to an ellipse. Petals are painted back to front (top of the head first),
// each a long ellipse pointing away from the centre with a pale rim, so the
// petal in front always shows its edge against the one behind. The lower
// petals are in the head's own shadow and take the shaded white. The stem
// and its two leaves are painted first, the head over them, and one ink
// outline then goes round the whole plant.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include "tools/assetgen/paint.h"
#include "tools/assetgen/title_parts.h"

namespace assetgen::title {
namespace {

constexpr int kCanvasWidth = 64;             // pixels
constexpr int kCanvasHeight = 96;            // pixels
constexpr float kHeadCentreX = 32.0f;        // pixel-edge coordinates
constexpr float kHeadCentreY = 24.0f;
constexpr float kHeadSquash = 0.72f;         // vertical / horizontal, the tilt of the head
constexpr int kPetalCount = 14;
constexpr float kPetalInnerRadius = 5.0f;    // pixels from the centre, along the petal
constexpr float kPetalOuterRadius = 29.0f;
constexpr float kPetalHalfWidth = 4.6f;      // pixels, at the petal's widest
constexpr float kPetalTurn = 0.11f;          // radians, so no petal points straight up
constexpr float kDiscRadiusX = 8.0f;         // the yellow centre, pixels
constexpr float kDiscRadiusY = 6.0f;
constexpr int kStemWidth = 3;                // pixels

constexpr Colour kPetalWhite = palette::kWhite;
constexpr Colour kPetalShade = palette::kCloudShade;
constexpr Colour kPetalRim{168, 184, 214};

// True when (x, y), in the unsquashed plane of the head, lies on the petal
// that points along `angle`.
bool onPetal(float x, float y, float angle) {
  const float along = x * std::cos(angle) + y * std::sin(angle);
  const float across = -x * std::sin(angle) + y * std::cos(angle);
  const float middle = (kPetalInnerRadius + kPetalOuterRadius) * 0.5f;
  const float halfLength = (kPetalOuterRadius - kPetalInnerRadius) * 0.5f;
  const float u = (along - middle) / halfLength;
  const float v = across / kPetalHalfWidth;
  return u * u + v * v <= 1.0f;
}

bool onPetalAt(int px, int py, float angle) {
  const float x = px + 0.5f - kHeadCentreX;
  const float y = (py + 0.5f - kHeadCentreY) / kHeadSquash;
  return onPetal(x, y, angle);
}

void paintPetal(platform::Pixels& canvas, float angle) {
  const bool inShadow = std::sin(angle) > 0.35f;  // the lower petals
  for (int y = 0; y < canvas.height; ++y)
    for (int x = 0; x < canvas.width; ++x) {
      if (!onPetalAt(x, y, angle)) continue;
      const bool edge = !onPetalAt(x - 1, y, angle) || !onPetalAt(x + 1, y, angle) ||
                        !onPetalAt(x, y - 1, angle) || !onPetalAt(x, y + 1, angle);
      putPixel(canvas, x, y, edge ? kPetalRim : inShadow ? kPetalShade : kPetalWhite);
    }
}

void paintPetals(platform::Pixels& canvas) {
  std::vector<float> angles;
  for (int i = 0; i < kPetalCount; ++i)
    angles.push_back(kPetalTurn + 2.0f * std::numbers::pi_v<float> * i / kPetalCount);
  // Farthest first: the petals pointing up are behind the ones pointing down.
  std::sort(angles.begin(), angles.end(),
            [](float a, float b) { return std::sin(a) < std::sin(b); });
  for (float angle : angles) paintPetal(canvas, angle);
}

// The yellow centre, lit from the upper left, with a ring of seed dots.
void paintDisc(platform::Pixels& canvas) {
  const float cx = kHeadCentreX;
  const float cy = kHeadCentreY;
  fillEllipse(canvas, cx, cy, kDiscRadiusX + 1, kDiscRadiusY + 1, palette::kOrange.dark);
  fillEllipse(canvas, cx, cy, kDiscRadiusX, kDiscRadiusY, palette::kOrange.mid);
  fillEllipse(canvas, cx - 1, cy - 1, kDiscRadiusX - 1, kDiscRadiusY - 1, palette::kYellow.mid);
  fillEllipse(canvas, cx - 3, cy - 2.5f, 2.5f, 1.5f, palette::kYellow.light);
  constexpr int kSeedDots[][2] = {{2, 1}, {-1, 3}, {4, -1}, {-4, 1}, {1, -2}};
  for (const auto& dot : kSeedDots)
    putPixel(canvas, static_cast<int>(cx) + dot[0], static_cast<int>(cy) + dot[1],
             palette::kYellow.dark);
}

// A leaf: a slim ellipse leaning out from the stem, lit on its upper edge.
void paintLeaf(platform::Pixels& canvas, int rootX, int rootY, int direction) {
  constexpr int kLeafLength = 13;  // pixels
  for (int step = 0; step < kLeafLength; ++step) {
    const float t = static_cast<float>(step) / (kLeafLength - 1);
    const int halfThickness = static_cast<int>(std::round(2.2f * std::sin(t * std::numbers::pi_v<float>)));
    const int x = rootX + direction * step;
    const int y = rootY - static_cast<int>(std::round(6.0f * t * t));
    vLine(canvas, x, y - halfThickness, y + halfThickness, palette::kGreen.mid);
    putPixel(canvas, x, y - halfThickness, palette::kGreen.light);
  }
}

void paintStem(platform::Pixels& canvas) {
  const int left = static_cast<int>(kHeadCentreX) - kStemWidth / 2;
  const int top = static_cast<int>(kHeadCentreY);
  fillRect(canvas, left, top, kStemWidth, kCanvasHeight - top, palette::kGreen.mid);
  vLine(canvas, left, top, kCanvasHeight - 1, palette::kGreen.light);
  vLine(canvas, left + kStemWidth - 1, top, kCanvasHeight - 1, palette::kGreen.dark);
  paintLeaf(canvas, left - 1, 66, -1);
  paintLeaf(canvas, left + kStemWidth, 76, +1);
}

}  // namespace

platform::Pixels paintDaisy() {
  platform::Pixels daisy(kCanvasWidth, kCanvasHeight);
  paintStem(daisy);
  paintPetals(daisy);
  paintDisc(daisy);
  outline(daisy, palette::kInk);
  return daisy;
}

}  // namespace assetgen::title
