// The contact sheet: every picture of the game on one page, for reviewing the
// art without running the game.
//
// Pictures are stacked top to bottom in the order given. Each gets a caption
// (file name, size, frame grid, enlargement) and then its frames in the grid
// the game cuts it by, cells taken row by row and left to right exactly as the
// game numbers them, each cell with its frame number underneath. A row that
// would run past kMaxRowWidth wraps. Cells sit on a grey checkerboard so that
// transparent pixels show; the sheet itself is opaque.
//
// Each picture is enlarged by the largest whole factor that keeps its cells
// about kTargetCellSize pixels high or wide, between 2x and 12x: the one-pixel
// seed and the 4 x 3 bees become visible while tree2.png and the title stay
// within a sheet under 2000 pixels wide.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/paint.h"

namespace assetgen {
namespace {

constexpr int kTargetCellSize = 128;  // sheet pixels, a cell's longer side
constexpr int kMinScale = 2;
constexpr int kMaxScale = 12;
constexpr int kMaxRowWidth = 1900;    // sheet pixels of cells in one row
constexpr int kMargin = 16;           // sheet pixels round the page
constexpr int kCellGap = 8;           // sheet pixels between neighbouring cells
constexpr int kSectionGap = 24;       // sheet pixels between two pictures
constexpr int kTextScale = 2;
constexpr int kHeadingScale = 3;
constexpr int kCheckerSize = 8;       // sheet pixels per checker square

constexpr int kTextHeight = font::kGlyphHeight * kTextScale;
constexpr int kNumberGap = 4;         // sheet pixels between a cell and its number
constexpr int kCaptionGap = 8;        // sheet pixels between a caption and the cells
constexpr int kHeadingHeight = font::kGlyphHeight * kHeadingScale;

constexpr Colour kPage{48, 52, 64};
constexpr Colour kCheckerLight{150, 154, 166};
constexpr Colour kCheckerDark{118, 122, 136};
constexpr Colour kCaption{240, 240, 244};
constexpr Colour kFrameNumber{176, 184, 204};

// How one picture is laid out on the sheet.
struct Section {
  const PictureFile* picture = nullptr;
  int cellWidth = 0;   // picture pixels
  int cellHeight = 0;
  int sourceColumns = 0;  // cells per row of the picture
  int frames = 0;
  int scale = 1;
  int columns = 0;  // cells per row on the sheet
  int rows = 0;
  int top = 0;      // sheet pixels

  int pitchX() const { return cellWidth * scale + kCellGap; }
  int pitchY() const { return cellHeight * scale + kNumberGap + kTextHeight + kCellGap; }
  int width() const { return columns * pitchX() - kCellGap; }
  int height() const { return kTextHeight + kCaptionGap + rows * pitchY() - kCellGap; }
};

Section planSection(const PictureFile& picture) {
  Section s;
  s.picture = &picture;
  const int w = picture.pixels.width;
  const int h = picture.pixels.height;
  const bool gridFits = picture.cellWidth > 0 && picture.cellHeight > 0 &&
                        picture.cellWidth <= w && picture.cellHeight <= h;
  s.cellWidth = gridFits ? picture.cellWidth : w;
  s.cellHeight = gridFits ? picture.cellHeight : h;
  s.sourceColumns = std::max(1, w / std::max(1, s.cellWidth));
  s.frames = s.sourceColumns * std::max(1, h / std::max(1, s.cellHeight));
  s.scale = std::clamp(kTargetCellSize / std::max({1, s.cellWidth, s.cellHeight}), kMinScale,
                       kMaxScale);
  const int fitting = std::max(1, (kMaxRowWidth + kCellGap) / s.pitchX());
  s.columns = std::min(s.sourceColumns, fitting);
  s.rows = (s.frames + s.columns - 1) / s.columns;
  return s;
}

std::string caption(const Section& s) {
  const PictureFile& p = *s.picture;
  std::string text = p.name + "  " + std::to_string(p.pixels.width) + "x" +
                     std::to_string(p.pixels.height);
  if (s.frames > 1)
    text += ", " + std::to_string(s.frames) + " frames of " + std::to_string(s.cellWidth) + "x" +
            std::to_string(s.cellHeight);
  text += ", shown " + std::to_string(s.scale) + "x";
  return text;
}

void paintChecker(platform::Pixels& sheet, int left, int top, int width, int height) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const bool light = ((x / kCheckerSize) + (y / kCheckerSize)) % 2 == 0;
      putPixel(sheet, left + x, top + y, light ? kCheckerLight : kCheckerDark);
    }
}

// Frame `frame` of the picture, enlarged, with its top-left corner at (left, top).
void paintCell(platform::Pixels& sheet, const Section& s, int frame, int left, int top) {
  const int sourceLeft = (frame % s.sourceColumns) * s.cellWidth;
  const int sourceTop = (frame / s.sourceColumns) * s.cellHeight;
  paintChecker(sheet, left, top, s.cellWidth * s.scale, s.cellHeight * s.scale);
  for (int y = 0; y < s.cellHeight; ++y)
    for (int x = 0; x < s.cellWidth; ++x) {
      Colour colour = pixelAt(s.picture->pixels, sourceLeft + x, sourceTop + y);
      if (colour.a == 0) continue;
      colour.a = 255;
      fillRect(sheet, left + x * s.scale, top + y * s.scale, s.scale, s.scale, colour);
    }
}

void paintSection(platform::Pixels& sheet, const Section& s) {
  drawText(sheet, kMargin, s.top, caption(s), kCaption, kTextScale);
  const int cellsTop = s.top + kTextHeight + kCaptionGap;
  for (int frame = 0; frame < s.frames; ++frame) {
    const int left = kMargin + (frame % s.columns) * s.pitchX();
    const int top = cellsTop + (frame / s.columns) * s.pitchY();
    paintCell(sheet, s, frame, left, top);
    const std::string number = std::to_string(frame);
    const int numberLeft = left + (s.cellWidth * s.scale - textWidth(number, kTextScale)) / 2;
    drawText(sheet, numberLeft, top + s.cellHeight * s.scale + kNumberGap, number, kFrameNumber,
             kTextScale);
  }
}

}  // namespace

platform::Pixels contactSheet(const std::vector<PictureFile>& pictures) {
  constexpr const char* kHeading = "Quillmoor pictures";
  std::vector<Section> sections;
  int top = kMargin + kHeadingHeight + kSectionGap;
  int width = textWidth(kHeading, kHeadingScale);
  for (const PictureFile& picture : pictures) {
    Section s = planSection(picture);
    s.top = top;
    top += s.height() + kSectionGap;
    width = std::max({width, s.width(), textWidth(caption(s), kTextScale)});
    sections.push_back(s);
  }

  platform::Pixels sheet(width + 2 * kMargin, top - kSectionGap + kMargin);
  fill(sheet, kPage);
  drawText(sheet, kMargin, kMargin, kHeading, kCaption, kHeadingScale);
  for (const Section& s : sections) paintSection(sheet, s);
  return sheet;
}

}  // namespace assetgen
