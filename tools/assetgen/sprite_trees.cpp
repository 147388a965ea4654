// Trees: fourteen 46 x 62 growth frames, in eight crown colours.
//
// How a tree grows, frame by frame:
//   0-4   a green sprout that becomes a sapling: a stem (green, then woody)
//         with leaf clumps at its top and on two short side shoots;
//   5-6   a bare brown trunk with its branches, first at 3/4 size, then full;
//   7-12  leafy clumps appear at the branch tips, swell and spread inwards;
//   13    every clump full over a solid crown.
// The skeleton and clumps are tables in picture pixels for the full-size
// tree; the trunk's base is centred on the bottom edge, where the game puts the
// handle. Only the crown's ramp changes between rows, so every row has exactly
// the same silhouette.
#include <algorithm>
#include <array>

#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

constexpr int kBottom = kTreeCellHeight - 1;
constexpr float kBaseX = kTreeCellWidth * 0.5f;  // the handle: between columns 22 and 23
constexpr int kTrunkLeft = 21;                   // four pixels wide
constexpr int kTrunkWidth = 4;
constexpr int kTrunkTop = 26;
constexpr int kFirstBareFrame = 5;
constexpr int kFullSizeFrame = 6;
constexpr int kFirstCrownFrame = 7;
constexpr int kSolidCrownFrame = 13;
constexpr float kYoungTreeScale = 0.75f;

// Crown colours by row: the plain green tree, then one per coloured bee, then yellow.
const std::array<Ramp, kTreeVariants> kCrowns = {
    palette::kGreen,  palette::kBlueGreen, palette::kPurple, palette::kPink,
    palette::kOrange, palette::kRed,       palette::kBlue,   palette::kYellow};

// [SECTION] Skeleton --------------------------------------------------------

struct Limb {
  int x0, y0, x1, y1;
  int thickness;  // 2: a bough, drawn with its right-hand neighbour; 1: a twig
};

constexpr std::array<Limb, 13> kLimbs = {{
    {22, kTrunkTop, 22, 9, 2},   // the leader
    {21, 42, 11, 30, 2},         // low left bough
    {11, 30, 6, 23, 1},
    {14, 33, 12, 24, 1},
    {24, 38, 34, 27, 2},         // low right bough
    {35, 27, 40, 21, 1},
    {31, 30, 33, 20, 1},
    {22, 28, 14, 17, 1},         // upper left
    {14, 17, 10, 12, 1},
    {23, 23, 31, 13, 1},         // upper right
    {31, 13, 36, 10, 1},
    {22, 13, 19, 6, 1},          // top fork
    {23, 13, 27, 5, 1},
}};

// Maps a full-size point to a tree scaled about the base of its trunk.
int scaledX(int x, float scale) { return static_cast<int>(kBaseX + (x + 0.5f - kBaseX) * scale); }
int scaledY(int y, float scale) { return kBottom - static_cast<int>((kBottom - y) * scale + 0.5f); }

void paintTrunk(platform::Pixels& cell, float scale, bool withRootFlare) {
  const int top = scaledY(kTrunkTop, scale);
  for (int i = 0; i < kTrunkWidth; ++i) {
    const Colour bark = i == 0 ? palette::kBrown.light
                        : i == kTrunkWidth - 1 ? palette::kBrown.dark
                                               : palette::kBrown.mid;
    vLine(cell, kTrunkLeft + i, top, kBottom, bark);
  }
  if (withRootFlare) {
    putPixel(cell, kTrunkLeft - 1, kBottom, palette::kBrown.light);
    putPixel(cell, kTrunkLeft - 1, kBottom - 1, palette::kBrown.light);
    putPixel(cell, kTrunkLeft + kTrunkWidth, kBottom, palette::kBrown.dark);
    putPixel(cell, kTrunkLeft + kTrunkWidth, kBottom - 1, palette::kBrown.dark);
  }
}

void paintLimbs(platform::Pixels& cell, float scale) {
  for (const Limb& limb : kLimbs) {
    const int x0 = scaledX(limb.x0, scale), y0 = scaledY(limb.y0, scale);
    const int x1 = scaledX(limb.x1, scale), y1 = scaledY(limb.y1, scale);
    line(cell, x0, y0, x1, y1, palette::kBrown.mid);
    if (limb.thickness > 1) line(cell, x0 + 1, y0, x1 + 1, y1, palette::kBrown.dark);
  }
}

// [SECTION] Crown -----------------------------------------------------------

struct Clump {
  float centreX, centreY, radius;
  int firstFrame;  // appears at a third of its size, full two frames later
};

// Tips first, then inwards; drawn top to bottom so lower clumps sit in front.
constexpr std::array<Clump, 14> kCrownClumps = {{
    {20.0f, 8.0f, 6.0f, 7},  {37.0f, 15.0f, 5.5f, 7},  {8.0f, 23.0f, 5.0f, 7},
    {11.0f, 14.0f, 5.5f, 8}, {29.0f, 8.0f, 5.5f, 8},   {39.5f, 23.0f, 5.0f, 9},
    {23.0f, 17.0f, 7.0f, 9}, {30.0f, 20.0f, 6.0f, 10}, {16.0f, 22.0f, 6.0f, 10},
    {9.5f, 30.0f, 4.5f, 10}, {36.0f, 30.0f, 4.5f, 11}, {23.0f, 28.0f, 6.0f, 11},
    {16.0f, 31.0f, 4.5f, 12}, {30.0f, 31.0f, 4.5f, 12},
}};
constexpr float kCrownCentreX = kBaseX;
constexpr float kCrownCentreY = 19.5f;
constexpr float kCrownRadiusX = 18.0f;
constexpr float kCrownRadiusY = 14.0f;

void paintCrown(platform::Pixels& cell, int frame, const Ramp& crown) {
  if (frame >= kSolidCrownFrame)
    fillEllipse(cell, kCrownCentreX, kCrownCentreY, kCrownRadiusX, kCrownRadiusY, crown.dark);
  std::array<Clump, kCrownClumps.size()> byHeight = kCrownClumps;
  std::stable_sort(byHeight.begin(), byHeight.end(),
                   [](const Clump& a, const Clump& b) { return a.centreY < b.centreY; });
  for (const Clump& c : byHeight) {
    if (frame < c.firstFrame) continue;
    const float grown = std::min(1.0f, (frame - c.firstFrame + 1) / 3.0f);
    shadedClump(cell, c.centreX, c.centreY, c.radius * grown, crown);
  }
}

// [SECTION] Sprout and sapling -----------------------------------------------

struct Sapling {
  int height;  // of the stem above the ground, in pixels
  bool woody;
  float topClump;   // radius of the leaf clump on top, 0 for none
  float sideClump;  // radius of the clumps on the side shoots, 0 for none
  float seedLeaf;   // half-width of the pair of seed leaves, 0 once they have gone
};

constexpr std::array<Sapling, kFirstBareFrame> kSaplings = {{
    {4, false, 0.0f, 0.0f, 1.6f},
    {8, false, 1.6f, 0.0f, 2.0f},
    {13, false, 2.8f, 0.0f, 2.2f},
    {19, true, 3.4f, 2.2f, 0.0f},
    {27, true, 4.4f, 3.0f, 0.0f},
}};

// The sprout's first two leaves, flat ovals either side of the stem.
void paintSeedLeaves(platform::Pixels& cell, int y, float halfWidth) {
  const float halfHeight = halfWidth * 0.6f;
  for (float side : {-1.0f, 1.0f}) {
    const float centreX = kBaseX + side * (halfWidth + 0.5f);
    const float centreY = y + 0.5f - (side > 0 ? 1.0f : 0.0f);
    fillEllipse(cell, centreX, centreY, halfWidth, halfHeight, palette::kGreen.dark);
    fillEllipse(cell, centreX, centreY - 0.5f, halfWidth - 0.4f, halfHeight - 0.3f,
                palette::kGreen.mid);
  }
}

void paintSapling(platform::Pixels& cell, const Sapling& s) {
  const int top = kBottom - s.height;
  const Colour stemLit = s.woody ? palette::kBrown.light : palette::kGreen.mid;
  const Colour stemShade = s.woody ? palette::kBrown.dark : palette::kGreen.dark;
  vLine(cell, kTrunkLeft + 1, top, kBottom, stemLit);
  vLine(cell, kTrunkLeft + 2, top, kBottom, stemShade);
  if (s.seedLeaf > 0) paintSeedLeaves(cell, kBottom - s.height * 2 / 3, s.seedLeaf);
  if (s.sideClump > 0) {
    const int shootY = kBottom - s.height * 3 / 5;
    const int reach = static_cast<int>(s.sideClump * 2);
    line(cell, kTrunkLeft + 1, shootY, kTrunkLeft + 1 - reach, shootY - reach, stemShade);
    line(cell, kTrunkLeft + 2, shootY - 2, kTrunkLeft + 2 + reach, shootY - 2 - reach, stemShade);
    shadedClump(cell, kTrunkLeft + 1.0f - reach, shootY - reach - 0.5f, s.sideClump,
                palette::kGreen);
    shadedClump(cell, kTrunkLeft + 3.0f + reach, shootY - 2.5f - reach, s.sideClump,
                palette::kGreen);
  }
  if (s.topClump > 0)
    shadedClump(cell, kBaseX, top - s.topClump * 0.5f + 0.5f, s.topClump, palette::kGreen);
}

platform::Pixels treeFrame(int frame, const Ramp& crown, bool draft) {
  platform::Pixels cell(kTreeCellWidth, kTreeCellHeight);
  if (frame < kFirstBareFrame) {
    paintSapling(cell, kSaplings[frame]);
  } else {
    const float scale = frame < kFullSizeFrame ? kYoungTreeScale : 1.0f;
    paintLimbs(cell, scale);
    paintTrunk(cell, scale, !draft);
    if (frame >= kFirstCrownFrame) paintCrown(cell, frame, crown);
  }
  outline(cell, palette::kInk);
  return cell;
}

}  // namespace

platform::Pixels paintTrees() {
  platform::Pixels sheet(kTreeCellWidth * kTreeFrames, kTreeCellHeight * kTreeVariants);
  for (int row = 0; row < kTreeVariants; ++row)
    for (int frame = 0; frame < kTreeFrames; ++frame)
      placeInCell(sheet, treeFrame(frame, kCrowns[row], false), frame, row);
  return sheet;
}

platform::Pixels paintTreeDraft() {
  platform::Pixels sheet(kTreeCellWidth * kTreeFrames, kTreeCellHeight);
  for (int frame = 0; frame < kTreeFrames; ++frame)
    placeInCell(sheet, treeFrame(frame, kCrowns[0], true), frame, 0);
  return sheet;
}

}  // namespace assetgen
