// The player's rain cloud, four 18 x 24 frames.
//
// The cloud itself fills the top ten rows of every frame: a union of puffs,
// shaded grey-blue along its underside and outlined in ink, with two black
// eyes. Frames 0 and 1 are the calm cloud, its puffs bulging slightly
// differently so that alternating them makes it breathe. Frames 2 and 3 are the
// same two outlines with knitted brows and a frown, and rain below: streaks
// that fall one step between the frames, so alternating them makes it pour.
#include <array>

#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

constexpr int kCloudRows = 10;  // the cloud body, outline included
constexpr int kRainTop = kCloudRows;

struct Puff {
  float centreX;
  float centreY;
  float radius;
};

// Two breaths of the same cloud: every puff shifts by a pixel or so.
constexpr std::array<std::array<Puff, 4>, 2> kBreaths = {{
    {{{5.5f, 5.5f, 3.6f}, {11.0f, 5.0f, 4.0f}, {4.0f, 6.5f, 2.5f}, {14.0f, 6.5f, 2.5f}}},
    {{{6.0f, 4.8f, 4.0f}, {11.5f, 5.0f, 3.9f}, {3.5f, 6.5f, 2.6f}, {14.5f, 6.5f, 2.6f}}},
}};
constexpr float kBellyCentreY = 7.0f;
constexpr float kBellyRadiusX = 7.5f;
constexpr float kBellyRadiusY = 2.0f;

constexpr int kLeftEyeX = 6;
constexpr int kRightEyeX = 11;
constexpr int kEyeTop = 5;

void paintBody(platform::Pixels& cell, int breath) {
  const float middleX = kCloudCellWidth * 0.5f;
  fillEllipse(cell, middleX, kBellyCentreY, kBellyRadiusX, kBellyRadiusY, palette::kWhite);
  for (const Puff& puff : kBreaths[breath])
    fillDisc(cell, puff.centreX, puff.centreY, puff.radius, palette::kWhite);
  // Keep a free row above and below for the outline: the cloud owns rows 0-9 only.
  fillRect(cell, 0, 0, kCloudCellWidth, 1, palette::kClear);
  fillRect(cell, 0, kCloudRows - 1, kCloudCellWidth, kCloudCellHeight, palette::kClear);
  // The underside: the lowest pixel of every column is in shade.
  for (int x = 0; x < kCloudCellWidth; ++x)
    for (int y = kCloudRows - 1; y >= 0; --y)
      if (isOpaque(cell, x, y)) {
        putPixel(cell, x, y, palette::kCloudShade);
        break;
      }
  outline(cell, palette::kInk);
}

void paintCalmFace(platform::Pixels& cell) {
  for (int x : {kLeftEyeX, kRightEyeX}) vLine(cell, x, kEyeTop, kEyeTop + 1, palette::kBlack);
}

void paintFrowningFace(platform::Pixels& cell) {
  putPixel(cell, kLeftEyeX, kEyeTop + 1, palette::kBlack);
  putPixel(cell, kRightEyeX, kEyeTop + 1, palette::kBlack);
  // Brows slope down towards the middle.
  putPixel(cell, kLeftEyeX - 1, kEyeTop - 1, palette::kBlack);
  putPixel(cell, kLeftEyeX, kEyeTop, palette::kBlack);
  putPixel(cell, kRightEyeX + 1, kEyeTop - 1, palette::kBlack);
  putPixel(cell, kRightEyeX, kEyeTop, palette::kBlack);
}

struct Streak {
  int x;
  int top;  // first row below the cloud, counted from kRainTop
};

constexpr int kStreakLength = 3;
constexpr int kFallPerFrame = 6;  // half the wrap, so the two frames interleave
constexpr int kRainDepth = kCloudCellHeight - kRainTop;
constexpr std::array<Streak, 8> kStreaks = {{
    {2, 1}, {4, 8}, {6, 3}, {8, 10}, {10, 0}, {12, 6}, {14, 2}, {16, 9},
}};

// Each streak is a pale trail over a deeper drop; `fallen` moves them all down,
// wrapping round inside the rain area so that every streak stays whole.
void paintRain(platform::Pixels& cell, int fallen) {
  for (const Streak& streak : kStreaks) {
    const int start = (streak.top + fallen) % (kRainDepth - kStreakLength + 1);
    for (int i = 0; i < kStreakLength; ++i) {
      const Colour colour = i == 0 ? palette::kRainLight : palette::kRainBlue;
      putPixel(cell, streak.x, kRainTop + start + i, colour);
    }
  }
}

}  // namespace

platform::Pixels paintCloud() {
  platform::Pixels sheet(kCloudCellWidth * kCloudFrames, kCloudCellHeight);
  for (int frame = 0; frame < kCloudFrames; ++frame) {
    const bool raining = frame >= 2;
    platform::Pixels cell(kCloudCellWidth, kCloudCellHeight);
    paintBody(cell, frame % 2);
    if (raining) {
      paintFrowningFace(cell);
      paintRain(cell, (frame % 2) * kFallPerFrame);
    } else {
      paintCalmFace(cell);
    }
    placeInCell(sheet, cell, frame, 0);
  }
  return sheet;
}

}  // namespace assetgen
