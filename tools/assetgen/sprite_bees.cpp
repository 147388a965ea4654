// The bees: seven tiny coloured workers and the queen.
//
// A worker is only 4 x 3 pixels, too small for outlines: a white wing pixel on
// top of a two-row body striped black and colour, head (black) to the left.
// The seven frames are the same bee in the seven bee colours, so a bee's frame
// number is its colour.
//
// The queen is 16 x 12 with a one-pixel outline: a white 4 x 4 wing, a black
// head on the left and a body striped yellow and black two pixels wide. She
// rests on her legs on the bottom row, where the game puts her handle.
#include <array>

#include "tools/assetgen/sprite_parts.h"

namespace assetgen {
namespace {

// Frame order is the bee colour order of the game: plain yellow first.
const std::array<Colour, kBeeColours> kWorkerBodies = {
    palette::kYellow.mid, palette::kGreen.light, palette::kPurple.light, palette::kPink.light,
    palette::kOrange.mid, palette::kRed.mid,     palette::kBlue.mid};

// '.' clear, 'w' wing, 'k' black, 'c' the bee's colour.
constexpr std::array<const char*, kBeeCellHeight> kWorkerShape = {
    "..w.",
    "kckc",
    ".ckc",
};

void paintWorker(platform::Pixels& sheet, int frame, Colour body) {
  const int left = frame * kBeeCellWidth;
  for (int y = 0; y < kBeeCellHeight; ++y) {
    for (int x = 0; x < kBeeCellWidth; ++x) {
      switch (kWorkerShape[y][x]) {
        case 'w': putPixel(sheet, left + x, y, palette::kWhite); break;
        case 'k': putPixel(sheet, left + x, y, palette::kBlack); break;
        case 'c': putPixel(sheet, left + x, y, body); break;
        default: break;
      }
    }
  }
}

// The queen's body, from the head back: two-pixel stripes, yellow then black.
constexpr int kQueenHeadLeft = 1;
constexpr int kQueenHeadRight = 4;
constexpr int kQueenBodyLeft = 4;
constexpr int kQueenBodyRight = 14;
constexpr int kQueenBodyTop = 5;
constexpr int kQueenBodyBottom = 9;
constexpr int kQueenStripeWidth = 2;
constexpr int kQueenWingLeft = 8;
constexpr int kQueenWingTop = 1;
constexpr int kQueenWingSize = 4;
constexpr int kQueenLegRow = 11;
constexpr std::array<int, 3> kQueenLegColumns = {5, 8, 11};
constexpr Colour kQueenHeadSheen{84, 78, 104};

void paintQueenBody(platform::Pixels& queen) {
  fillEllipse(queen, (kQueenBodyLeft + kQueenBodyRight + 1) * 0.5f,
              (kQueenBodyTop + kQueenBodyBottom + 1) * 0.5f,
              (kQueenBodyRight - kQueenBodyLeft + 1) * 0.5f,
              (kQueenBodyBottom - kQueenBodyTop + 1) * 0.5f + 0.3f, palette::kYellow.mid);
  for (int x = kQueenBodyLeft; x <= kQueenBodyRight + 1; ++x) {
    const bool blackStripe = ((x - kQueenBodyLeft - 1) / kQueenStripeWidth) % 2 == 1;
    for (int y = kQueenBodyTop - 1; y <= kQueenBodyBottom + 1; ++y) {
      if (!isOpaque(queen, x, y)) continue;
      Colour c = blackStripe ? palette::kBlack : palette::kYellow.mid;
      if (!blackStripe && !isOpaque(queen, x, y - 1)) c = palette::kYellow.light;
      if (!blackStripe && !isOpaque(queen, x, y + 1)) c = palette::kYellow.dark;
      putPixel(queen, x, y, c);
    }
  }
}

void paintQueenHead(platform::Pixels& queen) {
  fillEllipse(queen, (kQueenHeadLeft + kQueenHeadRight + 1) * 0.5f, kQueenBodyTop + 2.5f, 2.0f,
              2.2f, palette::kBlack);
  putPixel(queen, kQueenHeadLeft + 1, kQueenBodyTop + 1, palette::kWhite);  // eye
  putPixel(queen, kQueenHeadLeft + 2, kQueenBodyTop, kQueenHeadSheen);
}

// Drawn after the outline, so they stay one pixel thin.
void paintQueenAntenna(platform::Pixels& queen) {
  putPixel(queen, kQueenHeadLeft + 1, kQueenBodyTop - 1, palette::kInk);
  putPixel(queen, kQueenHeadLeft, kQueenBodyTop - 2, palette::kInk);
}

void paintQueenWing(platform::Pixels& queen) {
  fillRect(queen, kQueenWingLeft, kQueenWingTop, kQueenWingSize, kQueenWingSize, palette::kWhite);
}

}  // namespace

platform::Pixels paintBees() {
  platform::Pixels sheet(kBeeCellWidth * kBeeColours, kBeeCellHeight);
  for (int frame = 0; frame < kBeeColours; ++frame) paintWorker(sheet, frame, kWorkerBodies[frame]);
  return sheet;
}

platform::Pixels paintQueen() {
  platform::Pixels queen(kQueenWidth, kQueenHeight);
  paintQueenBody(queen);
  paintQueenHead(queen);
  paintQueenWing(queen);
  outline(queen, palette::kInk);
  // Legs last, over the outline, so she stands on the bottom row.
  for (int x : kQueenLegColumns) putPixel(queen, x, kQueenLegRow, palette::kInk);
  paintQueenAntenna(queen);
  return queen;
}

}  // namespace assetgen
