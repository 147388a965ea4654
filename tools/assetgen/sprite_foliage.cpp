// Grass and bushes, and the clump shading the trees share with them.
//
// Grass is a fan of blades drawn as one-pixel lines from a root beside the
// bottom-middle pixel: each frame lengthens the blades and adds new ones, the
// last frame lays them out wide and low. The bush starts as a brown twig, buds
// leaves at its tips, and then leafy clumps appear and swell until they merge
// into one wide outlined bush on a short stem. Every growth stage is the same
// recipe at a larger size, so consecutive frames differ by a small step.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

// [SECTION] Grass -----------------------------------------------------------

constexpr int kGrassRootY = kGrassCellHeight - 1;
constexpr int kLastUprightGrassFrame = 6;

struct Blade {
  int rootX;
  int tipX;  // where the tip reaches in the full upright tuft
  int tipY;
  int firstFrame;  // the frame it sprouts in
};

constexpr std::array<Blade, 7> kTuft = {{
    {5, 5, 0, 1},
    {5, 3, 2, 2},
    {5, 7, 2, 2},
    {4, 1, 3, 3},
    {6, 9, 3, 3},
    {4, 3, 1, 4},
    {6, 8, 1, 5},
}};

// The last frame: the same blades, flattened out wide.
constexpr std::array<Blade, 7> kSpreadTuft = {{
    {5, 5, 2, 0},
    {5, 2, 3, 0},
    {5, 8, 3, 0},
    {4, 0, 5, 0},
    {6, 10, 5, 0},
    {4, 3, 4, 0},
    {6, 7, 4, 0},
}};

// Root pixels dark, the tip light, the rest mid green.
void paintBlade(platform::Pixels& cell, int rootX, int tipX, int tipY) {
  line(cell, rootX, kGrassRootY, tipX, tipY, palette::kGreen.mid);
  putPixel(cell, tipX, tipY, palette::kGreen.light);
  putPixel(cell, rootX, kGrassRootY, palette::kGreen.dark);
}

platform::Pixels grassFrame(int frame) {
  platform::Pixels cell(kGrassCellWidth, kGrassCellHeight);
  if (frame > kLastUprightGrassFrame) {
    for (const Blade& b : kSpreadTuft) paintBlade(cell, b.rootX, b.tipX, b.tipY);
    return cell;
  }
  // The seedling: one pixel where the middle blade will rise.
  putPixel(cell, kTuft[0].rootX, kGrassRootY, palette::kGreen.mid);
  for (const Blade& b : kTuft) {
    if (frame < b.firstFrame) continue;
    // Every blade lengthens steadily from when it sprouts until the tuft is full.
    const float grown = static_cast<float>(frame - b.firstFrame + 1) /
                        static_cast<float>(kLastUprightGrassFrame - b.firstFrame + 1);
    const int tipX = b.rootX + static_cast<int>(std::lround((b.tipX - b.rootX) * grown));
    const int tipY = kGrassRootY - static_cast<int>(std::lround((kGrassRootY - b.tipY) * grown));
    paintBlade(cell, b.rootX, tipX, tipY);
  }
  return cell;
}

// [SECTION] Bush ------------------------------------------------------------

constexpr int kBushStemLeft = 9;  // two pixels wide, centred on the handle
constexpr int kBushBottom = kBushCellHeight - 1;
constexpr int kWoodyBushFrame = 4;  // the twigs have thickened into one stem

struct Twig {
  int x0, y0, x1, y1;
  int firstFrame;
};

constexpr std::array<Twig, 4> kTwigs = {{
    {10, 11, 10, 6, 0},
    {10, 8, 8, 6, 1},
    {10, 7, 12, 5, 1},
    {10, 6, 10, 4, 2},
}};

struct Clump {
  float centreX, centreY, radius;
  int firstFrame;
};

// In growth order; each swells over three frames after it appears.
constexpr std::array<Clump, 9> kBushClumps = {{
    {10.0f, 5.0f, 2.5f, 2},
    {7.5f, 6.5f, 2.5f, 3},
    {12.5f, 6.0f, 2.5f, 3},
    {10.0f, 4.5f, 3.5f, 4},
    {5.5f, 7.0f, 3.0f, 5},
    {15.0f, 6.5f, 3.0f, 5},
    {7.0f, 5.0f, 3.0f, 6},
    {13.0f, 5.0f, 3.0f, 6},
    {3.5f, 7.5f, 2.5f, 7},
}};
// The outermost clumps, at the edges of the cell once the bush is grown.
constexpr std::array<Clump, 3> kBushRim = {{
    {16.5f, 7.5f, 2.5f, 7},
    {2.5f, 7.0f, 2.0f, 8},
    {17.5f, 7.0f, 2.0f, 8},
}};

void paintBushStem(platform::Pixels& cell, int frame) {
  if (frame >= kWoodyBushFrame) {
    // Woody now: a two-pixel stem, lit on the left.
    vLine(cell, kBushStemLeft, kBushBottom - 3, kBushBottom, palette::kBrown.light);
    vLine(cell, kBushStemLeft + 1, kBushBottom - 3, kBushBottom, palette::kBrown.dark);
    return;
  }
  for (const Twig& t : kTwigs)
    if (frame >= t.firstFrame) line(cell, t.x0, t.y0, t.x1, t.y1, palette::kBrown.mid);
}

void paintBushClumps(platform::Pixels& cell, int frame) {
  auto paint = [&](const Clump& c) {
    if (frame < c.firstFrame) return;
    const float grown = std::min(1.0f, (frame - c.firstFrame + 1) / 3.0f);
    shadedClump(cell, c.centreX, c.centreY, c.radius * grown, palette::kGreen);
  };
  for (const Clump& c : kBushClumps) paint(c);
  for (const Clump& c : kBushRim) paint(c);
}

platform::Pixels bushFrame(int frame) {
  platform::Pixels cell(kBushCellWidth, kBushCellHeight);
  paintBushStem(cell, frame);
  if (frame < 2) {
    outline(cell, palette::kInk);
    return cell;
  }
  // Before the clumps: leaf buds on the twig tips.
  if (frame == 2)
    for (const Twig& t : kTwigs) putPixel(cell, t.x1, t.y1, palette::kGreen.light);
  paintBushClumps(cell, frame);
  outline(cell, palette::kInk);
  return cell;
}

}  // namespace

void shadedClump(platform::Pixels& canvas, float centreX, float centreY, float radius,
                 const Ramp& ramp) {
  if (radius < 0.5f) radius = 0.5f;
  fillDisc(canvas, centreX, centreY, radius, ramp.dark);
  fillDisc(canvas, centreX - radius * 0.2f, centreY - radius * 0.25f, radius * 0.72f, ramp.mid);
  if (radius >= 2.0f)
    fillDisc(canvas, centreX - radius * 0.4f, centreY - radius * 0.45f, radius * 0.3f, ramp.light);
}

platform::Pixels paintGrass() {
  platform::Pixels sheet(kGrassCellWidth * kGrassFrames, kGrassCellHeight);
  for (int frame = 0; frame < kGrassFrames; ++frame) placeInCell(sheet, grassFrame(frame), frame, 0);
  return sheet;
}

platform::Pixels paintBush() {
  platform::Pixels sheet(kBushCellWidth * kBushFrames, kBushCellHeight);
  for (int frame = 0; frame < kBushFrames; ++frame) placeInCell(sheet, bushFrame(frame), frame, 0);
  return sheet;
}

}  // namespace assetgen
