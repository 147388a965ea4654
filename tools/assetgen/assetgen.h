// Quillmoor's asset generator: paints every picture and composes both sounds.
// Output is deterministic: the same bytes on every run on the same machine.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/image.h"

namespace assetgen {

struct PictureFile {
  std::string name;         // "bee.png"
  platform::Pixels pixels;  // straight RGBA; every alpha 0 or 255
  bool withAlpha = true;    // false: written as 8-bit RGB
  int cellWidth = 0;        // the cell grid, for the contact sheet
  int cellHeight = 0;
};

struct SoundFile {
  std::string name;           // "fx1.ogg"
  std::vector<uint8_t> bytes;  // the encoded Ogg Vorbis stream
};

// Every sprite sheet (all pictures but the title), in catalogue order.
std::vector<PictureFile> paintSprites();
// The 256 x 192 title picture.
platform::Pixels paintTitle();
// fx1.ogg and track1.ogg, encoded.
std::vector<SoundFile> composeSounds();
// Every picture enlarged on one sheet, frames laid out with their numbers.
platform::Pixels contactSheet(const std::vector<PictureFile>& pictures);

}  // namespace assetgen
