// paintSprites(): every sprite sheet of the game in catalogue order, each with
// the cell grid the game cuts it by and the pixel format it is written in.
#include <utility>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

PictureFile sheet(const char* name, platform::Pixels pixels, int cellWidth, int cellHeight) {
  return {name, std::move(pixels), true, cellWidth, cellHeight};
}

PictureFile single(const char* name, platform::Pixels pixels, bool withAlpha = true) {
  const int width = pixels.width;
  const int height = pixels.height;
  return {name, std::move(pixels), withAlpha, width, height};
}

// The seed is one opaque white pixel, stored without alpha.
platform::Pixels paintSeed() {
  platform::Pixels seed(1, 1);
  putPixel(seed, 0, 0, palette::kWhite);
  return seed;
}

}  // namespace

std::vector<PictureFile> paintSprites() {
  std::vector<PictureFile> sprites;
  sprites.push_back(sheet("bee.png", paintBees(), kBeeCellWidth, kBeeCellHeight));
  sprites.push_back(single("bee2.png", paintQueen()));
  sprites.push_back(sheet("cloud.png", paintCloud(), kCloudCellWidth, kCloudCellHeight));
  sprites.push_back(single("seed.png", paintSeed(), false));
  sprites.push_back(sheet("tree.png", paintTreeDraft(), kTreeCellWidth, kTreeCellHeight));
  // Contrasting centres: a warm eye in the cool flowers, a dark one in the warm ones.
  sprites.push_back(sheet("flower01.png", paintFlower(palette::kPurple, palette::kYellow.light),
                          kFlowerCellWidth, kFlowerCellHeight));
  sprites.push_back(sheet("flower02.png", paintFlower(palette::kOrange, palette::kBrown.dark),
                          kFlowerCellWidth, kFlowerCellHeight));
  const Ramp whiteWithPink{palette::kWhite, palette::kWhite, palette::kPink.mid};
  sprites.push_back(sheet("flower03.png", paintFlower(whiteWithPink, palette::kYellow.mid),
                          kFlowerCellWidth, kFlowerCellHeight));
  sprites.push_back(sheet("flower04.png", paintFlower(palette::kYellow, palette::kBrown.mid),
                          kFlowerCellWidth, kFlowerCellHeight));
  sprites.push_back(sheet("tree2.png", paintTrees(), kTreeCellWidth, kTreeCellHeight));
  sprites.push_back(sheet("grass.png", paintGrass(), kGrassCellWidth, kGrassCellHeight));
  sprites.push_back(sheet("bush.png", paintBush(), kBushCellWidth, kBushCellHeight));
  return sprites;
}

}  // namespace assetgen
