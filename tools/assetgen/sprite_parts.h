// The painters behind paintSprites(), one per sheet, and the few shading
// helpers they share. Each painter returns its whole sheet, cells already laid
// out left to right, top to bottom.
#pragma once
#include "platform/image.h"
#include "tools/assetgen/paint.h"

namespace assetgen {

// Cell sizes of the sheets, in picture pixels.
constexpr int kBeeCellWidth = 4;
constexpr int kBeeCellHeight = 3;
constexpr int kBeeColours = 7;
constexpr int kQueenWidth = 16;
constexpr int kQueenHeight = 12;
constexpr int kCloudCellWidth = 18;
constexpr int kCloudCellHeight = 24;
constexpr int kCloudFrames = 4;
constexpr int kFlowerCellWidth = 9;
constexpr int kFlowerCellHeight = 18;
constexpr int kFlowerFrames = 8;
constexpr int kTreeCellWidth = 46;
constexpr int kTreeCellHeight = 62;
constexpr int kTreeFrames = 14;
constexpr int kTreeVariants = 8;
constexpr int kGrassCellWidth = 11;
constexpr int kGrassCellHeight = 8;
constexpr int kGrassFrames = 8;
constexpr int kBushCellWidth = 21;
constexpr int kBushCellHeight = 12;
constexpr int kBushFrames = 10;

platform::Pixels paintBees();
platform::Pixels paintQueen();
platform::Pixels paintCloud();
// `petals` shades the open head; `centre` is the one pixel in its middle.
platform::Pixels paintFlower(const Ramp& petals, Colour centre);
// All eight crown colours, one row each.
platform::Pixels paintTrees();
// The green row alone, as first drawn: a few pixels short of the finished row.
platform::Pixels paintTreeDraft();
platform::Pixels paintGrass();
platform::Pixels paintBush();

// A round, top-lit clump: dark disc, a mid disc nudged up-left over it and a
// small light spot nearer the top-left, so overlapping clumps read as foliage.
void shadedClump(platform::Pixels& canvas, float centreX, float centreY, float radius,
                 const Ramp& ramp);

}  // namespace assetgen
