// A flower's growth, eight 9 x 18 frames, the same shape for all four flowers.
//
// Each frame is a small hand-drawn map: the stem rises from the bottom-middle
// pixel (where the game puts the handle), buds, gains leaves, opens and ends
// as a round four-petalled head seen from the front with one centre pixel. The
// maps name shades, not colours, so one map serves every petal colour.
#include <array>
#include <string_view>

#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

// '.' clear; petals 'p' light, 'P' mid, 'd' dark; 'c' the centre;
// greens 'l' light, 'g' mid, 'G' dark.
using FlowerMap = std::array<std::string_view, kFlowerCellHeight>;

constexpr std::array<FlowerMap, kFlowerFrames> kGrowth = {{
    // 0: a single green pixel
    {".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", ".........", ".........", ".........", "....g...."},
    // 1: a short stem
    {".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", ".........", "....l....", "....g....", "....g...."},
    // 2: a stem with a small bud
    {".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", ".........", ".........", ".........", "....P....",
     "...lgl...", "....g....", "....g....", "....g....", "....g....", "....g...."},
    // 3: a taller stem with a flat bud
    {".........", ".........", ".........", ".........", ".........", ".........",
     ".........", ".........", "...pPd...", "...GgG...", "....g....", "....g....",
     "....g....", "..l.g....", "...lg....", "....g....", "....g....", "....g...."},
    // 4: leaves and a closed bud
    {".........", ".........", ".........", ".........", ".........", "....p....",
     "...pPd...", "...dPd...", "...GgG...", "....g....", "....g....", ".ll.g....",
     "..llg....", "....g.ll.", "....gll..", "....g....", "....g....", "....g...."},
    // 5: the head opening
    {".........", ".........", ".........", ".........", "...p.p...", "..pPpPd..",
     "...dPd...", "...GgG...", "....g....", "....g....", "....g....", ".ll.g....",
     "..llg....", "....g.ll.", "....gll..", "....g....", "....g....", "....g...."},
    // 6: opening wider
    {".........", ".........", "..p...p..", ".pP.p.Pd.", ".pPPpPPd.", "..dPPPd..",
     "...dPd...", "...GgG...", "....g....", "....g....", "....g....", ".ll.g....",
     "..llg....", "....g.ll.", "....gll..", "....g....", "....g....", "....g...."},
    // 7: the open flower
    {".........", "...p.p...", "..pPpPp..", ".pPPdPPd.", "..PdcdP..", ".pPPdPPd.",
     "..dPdPd..", "...dGd...", "....g....", "....g....", "....g....", ".ll.g....",
     "..llg....", "....g.ll.", "....gll..", "....g....", "....g....", "....g...."},
}};

Colour shade(char key, const Ramp& petals, Colour centre) {
  switch (key) {
    case 'p': return petals.light;
    case 'P': return petals.mid;
    case 'd': return petals.dark;
    case 'c': return centre;
    case 'l': return palette::kGreen.light;
    case 'g': return palette::kGreen.mid;
    case 'G': return palette::kGreen.dark;
    default: return palette::kClear;
  }
}

}  // namespace

platform::Pixels paintFlower(const Ramp& petals, Colour centre) {
  platform::Pixels sheet(kFlowerCellWidth * kFlowerFrames, kFlowerCellHeight);
  for (int frame = 0; frame < kFlowerFrames; ++frame) {
    const int left = frame * kFlowerCellWidth;
    for (int y = 0; y < kFlowerCellHeight; ++y)
      for (int x = 0; x < kFlowerCellWidth; ++x)
        putPixel(sheet, left + x, y, shade(kGrowth[frame][y][x], petals, centre));
  }
  return sheet;
}

}  // namespace assetgen
