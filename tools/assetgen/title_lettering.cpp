// The big "Quillmoor" lettering of the title picture.
//
// The letters are drawn by hand below as masks ('#' is ink) with thick
// vertical strokes and slimmer horizontal ones, which reads well when the
// title is blown up four times on the screen. Styling happens afterwards so
// every letter gets exactly the same treatment:
//   1. warm bands from pale yellow at the top to orange at the baseline,
//   2. a bright rim along top edges and a dark one along bottom edges,
//   3. an ink outline, corners included, so no letter bleeds into the sky,
//   4. a drop shadow in deep sky blue.
#include <algorithm>
#include <cstring>
#include <span>

#include "tools/assetgen/paint.h"
#include "tools/assetgen/title_parts.h"

namespace assetgen::title {
namespace {

// clang-format off
constexpr const char* kCapitalQ[] = {
    "........##########.........",
    ".....################......",
    "....##################.....",
    "...####################....",
    "..#######........#######...",
    "..######..........######...",
    ".######............######..",
    ".#####..............#####..",
    "######..............######.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "#####................#####.",
    "######..............######.",
    ".#####..............#####..",
    ".######............######..",
    "..######..........######...",
    "..#######......#########...",
    "...####################....",
    "....##################.....",
    ".....##################....",
    "........##########.#####...",
    "....................#####..",
    ".....................#####.",
    "......................#####",
    "........................###",
};

constexpr const char* kSmallU[] = {
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "######.......######",
    ".######.....#######",
    ".##################",
    "..#################",
    "...################",
    ".....##############",
};

constexpr const char* kSmallI[] = {
    ".###.",
    "#####",
    "#####",
    "#####",
    ".###.",
    ".....",
    ".....",
    ".....",
    ".###.",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
};

constexpr const char* kSmallL[] = {
    ".###.",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
    "#####",
};

constexpr const char* kSmallM[] = {
    "############.....#######.....",
    "#############...##########...",
    "#############...##########...",
    "#############...##########...",
    "#######...#########...######.",
    "######.....#######.....######",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
    "#####.......#####.......#####",
};

constexpr const char* kSmallO[] = {
    ".....#########.....",
    "...#############...",
    "..###############..",
    ".#################.",
    ".######.....######.",
    "######.......######",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "#####.........#####",
    "######.......######",
    ".######.....######.",
    ".#################.",
    "..###############..",
    "...#############...",
    ".....#########.....",
};

constexpr const char* kSmallR[] = {
    "############..",
    "#############.",
    "#############.",
    "############..",
    "#######.......",
    "######........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
    "#####.........",
};

// clang-format on

constexpr int kCapHeight = 28;     // pixels, the capital and the ascenders
constexpr int kXHeight = 20;       // pixels, the small letters
constexpr int kLetterSpacing = 3;  // pixels between letters
constexpr int kShadowOffsetX = 2;  // pixels
constexpr int kShadowOffsetY = 3;  // pixels
constexpr int kMargin = 1;         // pixels around the word for the outline

struct BigLetter {
  std::span<const char* const> rows;
  int top;  // pixels from the cap line
};

int letterWidth(const BigLetter& letter) { return static_cast<int>(std::strlen(letter.rows[0])); }

const BigLetter kWord[] = {
    {kCapitalQ, 0},
    {kSmallU, kCapHeight - kXHeight},
    {kSmallI, 0},
    {kSmallL, 0},
    {kSmallL, 0},
    {kSmallM, kCapHeight - kXHeight},
    {kSmallO, kCapHeight - kXHeight},
    {kSmallO, kCapHeight - kXHeight},
    {kSmallR, kCapHeight - kXHeight},
};

constexpr Colour kRimLight{255, 252, 226};
constexpr Colour kShadow{44, 92, 170};

// Band colour by the height of a pixel above the baseline (negative below it).
Colour bandColour(int heightAboveBaseline) {
  if (heightAboveBaseline < 0) return palette::kOrange.dark;
  if (heightAboveBaseline < 6) return palette::kOrange.mid;
  if (heightAboveBaseline < 13) return palette::kYellow.mid;
  return palette::kYellow.light;
}

int wordWidth() {
  int width = 0;
  for (const BigLetter& letter : kWord) width += letterWidth(letter) + kLetterSpacing;
  return width - kLetterSpacing;
}

int wordHeight() {
  int height = 0;
  for (const BigLetter& letter : kWord)
    height = std::max(height, letter.top + static_cast<int>(letter.rows.size()));
  return height;
}

platform::Pixels paintFilledWord() {
  platform::Pixels word(wordWidth() + 2 * kMargin, wordHeight() + 2 * kMargin);
  const int baseline = kMargin + kCapHeight;
  int left = kMargin;
  for (const BigLetter& letter : kWord) {
    for (int row = 0; row < static_cast<int>(letter.rows.size()); ++row) {
      const int y = kMargin + letter.top + row;
      for (int column = 0; letter.rows[row][column] != '\0'; ++column)
        if (letter.rows[row][column] == '#')
          putPixel(word, left + column, y, bandColour(baseline - 1 - y));
    }
    left += letterWidth(letter) + kLetterSpacing;
  }
  return word;
}

void addRims(platform::Pixels& word) {
  const platform::Pixels filled = word;
  for (int y = 0; y < word.height; ++y)
    for (int x = 0; x < word.width; ++x) {
      if (!isOpaque(filled, x, y)) continue;
      if (!isOpaque(filled, x, y - 1))
        putPixel(word, x, y, kRimLight);
      else if (!isOpaque(filled, x, y + 1))
        putPixel(word, x, y, palette::kOrange.dark);
    }
}

}  // namespace

platform::Pixels paintLettering() {
  platform::Pixels word = paintFilledWord();
  addRims(word);
  outline(word, palette::kInk, /*withCorners=*/true);

  platform::Pixels shadowed(word.width + kShadowOffsetX, word.height + kShadowOffsetY);
  platform::Pixels shadow = word;
  for (int y = 0; y < shadow.height; ++y)
    for (int x = 0; x < shadow.width; ++x)
      if (isOpaque(shadow, x, y)) putPixel(shadow, x, y, kShadow);
  stamp(shadowed, shadow, kShadowOffsetX, kShadowOffsetY);
  stamp(shadowed, word, 0, 0);
  return shadowed;
}

}  // namespace assetgen::title
