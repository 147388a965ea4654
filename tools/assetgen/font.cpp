#include "tools/assetgen/font.h"

#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

// One glyph: rows from the top separated by '|', '#' for ink. All rows of a
// glyph are equally wide; rows left out at the bottom are blank.
struct Glyph {
  char character;
  const char* rows;
};

// clang-format off
constexpr Glyph kGlyphs[] = {
    {' ', "..."},
    {'A', ".#.|#.#|###|#.#|#.#"}, {'B', "##.|#.#|##.|#.#|##."}, {'C', ".##|#..|#..|#..|.##"},
    {'D', "##.|#.#|#.#|#.#|##."}, {'E', "###|#..|##.|#..|###"}, {'F', "###|#..|##.|#..|#.."},
    {'G', ".##|#..|#.#|#.#|.##"}, {'H', "#.#|#.#|###|#.#|#.#"}, {'I', "###|.#.|.#.|.#.|###"},
    {'J', "..#|..#|..#|#.#|.#."}, {'K', "#.#|#.#|##.|#.#|#.#"}, {'L', "#..|#..|#..|#..|###"},
    {'M', "#...#|##.##|#.#.#|#...#|#...#"}, {'N', "#..#|##.#|#.##|#..#|#..#"},
    {'O', ".#.|#.#|#.#|#.#|.#."}, {'P', "##.|#.#|##.|#..|#.."}, {'Q', ".##.|#..#|#..#|#.#.|.#.#"},
    {'R', "##.|#.#|##.|#.#|#.#"}, {'S', ".##|#..|.#.|..#|##."}, {'T', "###|.#.|.#.|.#.|.#."},
    {'U', "#.#|#.#|#.#|#.#|###"}, {'V', "#.#|#.#|#.#|#.#|.#."},
    {'W', "#...#|#...#|#.#.#|##.##|#...#"}, {'X', "#.#|#.#|.#.|#.#|#.#"},
    {'Y', "#.#|#.#|.#.|.#.|.#."}, {'Z', "###|..#|.#.|#..|###"},

    {'a', "...|.##|#.#|#.#|.##"}, {'b', "#..|##.|#.#|#.#|##."}, {'c', "...|.##|#..|#..|.##"},
    {'d', "..#|.##|#.#|#.#|.##"}, {'e', "...|.#.|###|#..|.##"}, {'f', ".##|#..|##.|#..|#.."},
    {'g', "...|.##|#.#|#.#|.##|..#|##."}, {'h', "#..|##.|#.#|#.#|#.#"}, {'i', "#|.|#|#|#"},
    {'j', ".#|..|.#|.#|.#|.#|#."}, {'k', "#..|#.#|##.|#.#|#.#"}, {'l', "#|#|#|#|#"},
    {'m', ".....|####.|#.#.#|#.#.#|#.#.#"}, {'n', "...|##.|#.#|#.#|#.#"},
    {'o', "...|.#.|#.#|#.#|.#."}, {'p', "...|##.|#.#|#.#|##.|#..|#.."},
    {'q', "...|.##|#.#|#.#|.##|..#|..#"}, {'r', "..|.#|#.|#.|#."}, {'s', "...|.##|#..|..#|##."},
    {'t', ".#.|###|.#.|.#.|..#"}, {'u', "...|#.#|#.#|#.#|.##"}, {'v', "...|#.#|#.#|#.#|.#."},
    {'w', ".....|#...#|#.#.#|#.#.#|.#.#."}, {'x', "...|#.#|.#.|.#.|#.#"},
    {'y', "...|#.#|#.#|#.#|.##|..#|##."}, {'z', "...|###|..#|.#.|###"},

    {'0', "###|#.#|#.#|#.#|###"}, {'1', ".#.|##.|.#.|.#.|###"}, {'2', "##.|..#|.#.|#..|###"},
    {'3', "##.|..#|.#.|..#|##."}, {'4', "#.#|#.#|###|..#|..#"}, {'5', "###|#..|##.|..#|##."},
    {'6', ".##|#..|###|#.#|###"}, {'7', "###|..#|..#|.#.|.#."}, {'8', "###|#.#|###|#.#|###"},
    {'9', "###|#.#|###|..#|##."},

    {'.', ".|.|.|.|#"}, {',', "..|..|..|..|.#|#."}, {':', ".|#|.|#|."}, {'!', "#|#|#|.|#"},
    {'\'', "#|#"}, {'-', "..|..|##"}, {'(', ".#|#.|#.|#.|.#"}, {')', "#.|.#|.#|.#|#."},
    {'/', "..#|..#|.#.|#..|#.."},
};
// clang-format on

const Glyph* findGlyph(char c) {
  for (const Glyph& glyph : kGlyphs)
    if (glyph.character == c) return &glyph;
  return nullptr;
}

const Glyph& glyphOrThrow(char c) {
  if (const Glyph* glyph = findGlyph(c)) return *glyph;
  throw std::invalid_argument(std::string("the pixel font has no glyph for '") + c + "'");
}

int glyphWidth(const Glyph& glyph) {
  int width = 0;
  for (const char* p = glyph.rows; *p != '\0' && *p != '|'; ++p) ++width;
  return width;
}

void drawGlyph(platform::Pixels& canvas, int left, int top, const Glyph& glyph, Colour colour,
               int scale) {
  int row = 0;
  int column = 0;
  for (const char* p = glyph.rows; *p != '\0'; ++p) {
    if (*p == '|') {
      ++row;
      column = 0;
      continue;
    }
    if (*p == '#') fillRect(canvas, left + column * scale, top + row * scale, scale, scale, colour);
    ++column;
  }
}

}  // namespace

namespace font {

bool hasGlyph(char c) { return findGlyph(c) != nullptr; }

int textWidth(std::string_view text, int scale) {
  if (text.empty()) return 0;
  int width = 0;
  for (char c : text) width += glyphWidth(glyphOrThrow(c)) + kLetterGap;
  return (width - kLetterGap) * scale;
}

}  // namespace font

void drawText(platform::Pixels& canvas, int x, int y, std::string_view text, Colour colour,
              int scale) {
  for (char c : text) glyphOrThrow(c);  // a bad string draws nothing at all
  for (char c : text) {
    const Glyph& glyph = *findGlyph(c);
    drawGlyph(canvas, x, y, glyph, colour, scale);
    x += (glyphWidth(glyph) + font::kLetterGap) * scale;
  }
}

}  // namespace assetgen
