// The asset catalogue: the fifteen files the game carries inside itself, in
// the order they are registered, and how each world picture is cut into
// frames and where its handle sits. The bytes are linked in from assets/ by
// an assembler file the build generates (library qm_assets).
#pragma once
#include <array>
#include <string_view>

#include "platform/resources.h"

namespace shell {

// A picture cut into a grid of cells, and the point it is drawn by.
struct ImageCut {
  std::string_view name;
  int cellWidth, cellHeight;  // pixels
  int firstCell, cellCount;
  float handleX, handleY;  // pixels from a frame's top-left corner
  bool singleImage;        // one frame of the whole picture instead of a grid
};

// The eleven world pictures, in the order start-up loads them.
enum WorldPicture {
  kBeePicture, kBee2Picture, kSeedPicture, kCloudPicture,
  kFlower01Picture, kFlower02Picture, kFlower03Picture, kFlower04Picture,
  kTree2Picture, kGrassPicture, kBushPicture,
  kWorldPictureCount
};
extern const std::array<ImageCut, kWorldPictureCount> kWorldPictures;

// Registers every embedded file under its name, in catalogue order (the order
// is kept with the file list in src/shell/CMakeLists.txt). False when an entry
// was refused (its name already registered). Defined in qm_assets.
bool registerAssets(platform::Resources& resources);

}  // namespace shell
