// The title picture: 256 x 192, shown four times enlarged so that it fills the
// 1024 x 768 screen, and fully opaque (it is written without alpha).
//
// It is laid out like a game box: the big lettering across the top, a sun in
// the top right corner, and under it the queen bee sitting on a large daisy
// with a worker bee flying in to join her. The left half holds the controls
// on a little panel and the start prompt; the credits run along the green
// hill at the bottom. The sky is painted in bands, each joined to the next by
// one checkered row, which keeps the palette small and the edges soft.
//
// Everything with an ink outline (the lettering, the plants, the bees, the
// prompt) is painted on its own transparent canvas, outlined there and then
// laid on the scene, back to front.
#include <algorithm>
#include <cmath>
#include <iterator>
#include <numbers>
#include <string_view>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/font.h"
#include "tools/assetgen/paint.h"
#include "tools/assetgen/title_parts.h"

namespace assetgen {
namespace {

constexpr int kTitleWidth = 256;   // pixels
constexpr int kTitleHeight = 192;  // pixels

// Where the pieces go, in title pixels.
constexpr int kLetteringTop = 6;
constexpr float kSunX = 234.0f;
constexpr float kSunY = 22.0f;
constexpr float kSunRadius = 13.0f;
constexpr int kDaisyLeft = 154;  // the head centre lands on (186, 104)
constexpr int kDaisyTop = 80;
constexpr int kQueenLeft = 163;
constexpr int kQueenTop = 70;
constexpr int kWorkerLeft = 120;
constexpr int kWorkerTop = 66;
constexpr float kRainCloudX = 46.0f;
constexpr float kRainCloudY = 110.0f;
constexpr int kPanelLeft = 8;
constexpr int kPanelTop = 62;
constexpr int kPromptCentreX = kTitleWidth / 2;
constexpr int kPromptTop = 166;
constexpr int kPromptScale = 2;
constexpr int kCreditsTop = 182;

constexpr Colour kSkyBands[] = {{92, 184, 242}, palette::kSkyBlue.mid, {156, 222, 252},
                                palette::kSkyBlue.light};
constexpr int kSkyBandTops[] = {0, 50, 100, 136};
constexpr Colour kSunGlow{170, 228, 252};
constexpr Colour kPanelFill{56, 132, 212};
constexpr Colour kTextShadow{30, 62, 120};
constexpr Colour kCreditsShadow{24, 92, 48};

// [Sky and sun] ------------------------------------------------------------

void paintSky(platform::Pixels& title) {
  for (int band = 0; band < static_cast<int>(std::size(kSkyBands)); ++band) {
    const int top = kSkyBandTops[band];
    fillRect(title, 0, top, kTitleWidth, kTitleHeight - top, kSkyBands[band]);
    if (band == 0) continue;
    for (int x = (top + 1) % 2; x < kTitleWidth; x += 2)
      putPixel(title, x, top, kSkyBands[band - 1]);
  }
}

void paintSun(platform::Pixels& title) {
  constexpr int kRays = 12;
  constexpr float kRayGap = 3.0f;    // pixels between the disc and a ray
  constexpr float kLongRay = 8.0f;   // pixels
  constexpr float kShortRay = 5.0f;  // pixels
  fillDisc(title, kSunX, kSunY, kSunRadius + 3.0f, kSunGlow);
  for (int i = 0; i < kRays; ++i) {
    const float angle = 2.0f * std::numbers::pi_v<float> * (i + 0.5f) / kRays;
    const float length = i % 2 == 0 ? kLongRay : kShortRay;
    const float inner = kSunRadius + kRayGap;
    const float outer = inner + length;
    line(title, static_cast<int>(kSunX + inner * std::cos(angle)),
         static_cast<int>(kSunY + inner * std::sin(angle)),
         static_cast<int>(kSunX + outer * std::cos(angle)),
         static_cast<int>(kSunY + outer * std::sin(angle)), palette::kYellow.mid);
  }
  fillDisc(title, kSunX, kSunY, kSunRadius + 1.0f, palette::kOrange.mid);
  fillDisc(title, kSunX, kSunY, kSunRadius, palette::kYellow.mid);
  fillDisc(title, kSunX - 3.0f, kSunY - 3.0f, kSunRadius - 4.0f, palette::kYellow.light);
}

// A fluffy background cloud of three puffs, shaded underneath, no outline.
void paintCloud(platform::Pixels& title, float x, float y, float size) {
  fillEllipse(title, x, y + size * 0.35f, size * 1.6f, size * 0.55f, palette::kCloudShade);
  fillDisc(title, x - size * 0.8f, y, size * 0.6f, palette::kWhite);
  fillDisc(title, x + size * 0.1f, y - size * 0.3f, size * 0.8f, palette::kWhite);
  fillDisc(title, x + size * 0.9f, y + size * 0.05f, size * 0.55f, palette::kWhite);
  fillEllipse(title, x, y + size * 0.15f, size * 1.5f, size * 0.4f, palette::kWhite);
}

// [Hills] ------------------------------------------------------------------

// Each hill's top edge is one slow sine wave across the picture.
struct HillShape {
  int meanTop;      // title pixels
  float amplitude;  // title pixels
  float waveScale;  // radians per title pixel
  float phase;      // radians
  int topAt(int x) const {
    return meanTop + static_cast<int>(std::round(amplitude * std::sin(x * waveScale + phase)));
  }
};
constexpr HillShape kBackHill{146, 6.0f, 0.021f, 2.2f};
constexpr HillShape kFrontHill{163, 4.0f, 0.026f, 0.4f};

int backHillTop(int x) { return kBackHill.topAt(x); }
int frontHillTop(int x) { return kFrontHill.topAt(x); }

void paintBackHill(platform::Pixels& title) {
  for (int x = 0; x < kTitleWidth; ++x) {
    const int top = backHillTop(x);
    vLine(title, x, top, kTitleHeight - 1, palette::kGreen.light);
    putPixel(title, x, top, palette::kGreen.mid);
  }
}

void paintFrontHill(platform::Pixels& title) {
  for (int x = 0; x < kTitleWidth; ++x) {
    const int top = frontHillTop(x);
    vLine(title, x, top, kTitleHeight - 1, palette::kGreen.mid);
    putPixel(title, x, top, palette::kGreen.dark);
    putPixel(title, x, top + 1, palette::kGreen.light);
  }
}

// Tiny meadow flowers in the four flower colours: a plus of petals round a
// bright centre, standing on the back hill.
void paintMeadowFlowers(platform::Pixels& title) {
  constexpr int kXs[] = {14, 38, 61, 83, 104, 127, 226, 246};
  const Colour petals[] = {palette::kPurple.mid, palette::kOrange.mid, palette::kPink.mid,
                           palette::kYellow.mid};
  for (int i = 0; i < static_cast<int>(std::size(kXs)); ++i) {
    const int x = kXs[i];
    const int y = backHillTop(x) + 4 + (i % 3) * 3;
    const Colour petal = petals[i % std::size(petals)];
    putPixel(title, x, y - 1, petal);
    putPixel(title, x - 1, y, petal);
    putPixel(title, x + 1, y, petal);
    putPixel(title, x, y + 1, petal);
    putPixel(title, x, y, palette::kWhite);
    putPixel(title, x, y + 2, palette::kGreen.dark);
  }
}

// [Text] -------------------------------------------------------------------

// Small text with a one-pixel shadow below and to the right.
void shadowedText(platform::Pixels& title, int x, int y, std::string_view text, Colour colour,
                  Colour shadow) {
  drawText(title, x + 1, y + 1, text, shadow);
  drawText(title, x, y, text, colour);
}

void paintControls(platform::Pixels& title) {
  struct ControlLine {
    std::string_view key;
    std::string_view action;
  };
  constexpr ControlLine kLines[] = {{"MOUSE:", " MOVE THE CLOUD"}, {"CLICK:", " PLANT A FLOWER"}};
  constexpr int kLineGap = 10;  // pixels from one line to the next
  constexpr int kPadding = 5;   // pixels inside the panel
  int widest = 0;
  for (const auto& l : kLines)
    widest = std::max(widest, textWidth(l.key) + textWidth(l.action) + font::kLetterGap);
  const int width = widest + 2 * kPadding;
  const int height = kLineGap * static_cast<int>(std::size(kLines)) + 2 * kPadding - 4;

  platform::Pixels panel(width + 2, height + 2);
  fillRect(panel, 1, 1, width, height, kPanelFill);
  hLine(panel, 2, width - 1, 1, palette::kSkyBlue.mid);  // lit top edge
  for (int corner : {0, 1}) {  // round the corners off
    putPixel(panel, 1, corner ? height : 1, palette::kClear);
    putPixel(panel, width, corner ? height : 1, palette::kClear);
  }
  outline(panel, palette::kInk);
  stamp(title, panel, kPanelLeft, kPanelTop);

  int y = kPanelTop + 1 + kPadding;
  for (const auto& l : kLines) {
    const int x = kPanelLeft + 1 + kPadding;
    shadowedText(title, x, y, l.key, palette::kYellow.light, kTextShadow);
    shadowedText(title, x + textWidth(l.key) + font::kLetterGap, y, l.action, palette::kWhite,
                 kTextShadow);
    y += kLineGap;
  }
}

// The start prompt, large: pale yellow warming to orange at the foot of the
// letters, with an ink outline and a shadow.
void paintPrompt(platform::Pixels& title) {
  constexpr std::string_view kPrompt = "PRESS SPACE";
  const int height = font::kCapHeight * kPromptScale;
  platform::Pixels prompt(textWidth(kPrompt, kPromptScale) + 2, height + 2);
  drawText(prompt, 1, 1, kPrompt, palette::kYellow.light, kPromptScale);
  for (int y = 1 + height / 2; y <= height; ++y)
    for (int x = 0; x < prompt.width; ++x)
      if (isOpaque(prompt, x, y)) putPixel(prompt, x, y, palette::kYellow.mid);
  outline(prompt, palette::kInk, /*withCorners=*/true);

  platform::Pixels shadow = prompt;
  for (Colour c : {palette::kInk, palette::kYellow.light, palette::kYellow.mid})
    recolour(shadow, c, kTextShadow);
  const int left = kPromptCentreX - prompt.width / 2;
  stamp(title, shadow, left + 1, kPromptTop + 1);
  stamp(title, prompt, left, kPromptTop);
}

void paintCredits(platform::Pixels& title) {
  constexpr std::string_view kCredits = "A toy by the Quillmoor team - (c) 2026";
  const int x = (kTitleWidth - textWidth(kCredits)) / 2;
  shadowedText(title, x, kCreditsTop, kCredits, palette::kWhite, kCreditsShadow);
}

// [Bees' flight] -----------------------------------------------------------

// The worker's path so far: a dashed curve sweeping up from the meadow.
void paintFlightTrail(platform::Pixels& title) {
  constexpr int kSamples = 70;
  constexpr int kDash = 3;  // samples drawn, then as many skipped
  constexpr float kStartX = 92.0f, kStartY = 128.0f;
  constexpr float kBendX = 98.0f, kBendY = 80.0f;
  constexpr float kEndX = kWorkerLeft + 1.0f, kEndY = kWorkerTop + 9.0f;
  for (int i = 0; i < kSamples; ++i) {
    if ((i / kDash) % 2 == 1) continue;
    const float t = static_cast<float>(i) / kSamples;
    const float u = 1.0f - t;
    const float x = u * u * kStartX + 2.0f * u * t * kBendX + t * t * kEndX;
    const float y = u * u * kStartY + 2.0f * u * t * kBendY + t * t * kEndY;
    putPixel(title, static_cast<int>(std::round(x)), static_cast<int>(std::round(y)),
             palette::kWhite);
  }
}

// The player's rain cloud with its frowning-busy face, raining on two
// flowers that have just come up on the hill.
void paintRainCloud(platform::Pixels& title) {
  constexpr float kX = kRainCloudX;
  constexpr float kY = kRainCloudY;
  platform::Pixels cloud(kTitleWidth, kTitleHeight);
  fillEllipse(cloud, kX, kY + 3.0f, 17.0f, 6.0f, palette::kCloudShade);
  fillDisc(cloud, kX - 8.0f, kY - 1.0f, 7.0f, palette::kWhite);
  fillDisc(cloud, kX + 2.0f, kY - 4.0f, 9.0f, palette::kWhite);
  fillDisc(cloud, kX + 11.0f, kY, 6.0f, palette::kWhite);
  fillEllipse(cloud, kX, kY + 1.5f, 16.0f, 4.5f, palette::kWhite);
  outline(cloud, palette::kInk);
  stamp(title, cloud, 0, 0);
  const int eyeX = static_cast<int>(kX);
  const int eyeY = static_cast<int>(kY) - 2;
  for (int side : {-4, 3}) vLine(title, eyeX + side, eyeY, eyeY + 1, palette::kInk);
  hLine(title, eyeX - 1, eyeX + 1, eyeY + 4, palette::kInk);

  constexpr int kStreakXs[] = {-13, -9, -5, -1, 3, 7, 11, 15};
  constexpr int kStreakRows = 3;
  constexpr int kStreakRowGap = 7;  // pixels
  for (int i = 0; i < static_cast<int>(std::size(kStreakXs)); ++i) {
    const int x = eyeX + kStreakXs[i];
    const int y = static_cast<int>(kY) + 11 + ((i * 2) % kStreakRows) * kStreakRowGap;
    line(title, x, y, x - 2, y + 4, i % 2 ? palette::kRainLight : palette::kRainBlue);
  }
}

void paintSprout(platform::Pixels& title, int x, Colour petal) {
  const int ground = backHillTop(x) + 3;
  vLine(title, x, ground - 6, ground, palette::kGreen.dark);
  putPixel(title, x + 1, ground - 3, palette::kGreen.mid);
  putPixel(title, x - 1, ground - 2, palette::kGreen.mid);
  const int headY = ground - 8;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy)
      if (dx == 0 || dy == 0) putPixel(title, x + dx, headY + dy, petal);
  putPixel(title, x, headY, palette::kYellow.light);
}

}  // namespace

platform::Pixels paintTitle() {
  platform::Pixels title(kTitleWidth, kTitleHeight);
  paintSky(title);
  paintSun(title);
  paintCloud(title, 24.0f, 44.0f, 8.0f);
  paintCloud(title, 138.0f, 122.0f, 7.0f);
  paintBackHill(title);
  paintMeadowFlowers(title);
  paintSprout(title, 36, palette::kPurple.mid);
  paintSprout(title, 52, palette::kOrange.mid);
  paintRainCloud(title);
  stamp(title, title::paintDaisy(), kDaisyLeft, kDaisyTop);
  paintFrontHill(title);

  const platform::Pixels lettering = title::paintLettering();
  stamp(title, lettering, (kTitleWidth - lettering.width) / 2, kLetteringTop);

  paintFlightTrail(title);
  stamp(title, title::paintWorkerBee(), kWorkerLeft, kWorkerTop);
  stamp(title, title::paintQueenBee(), kQueenLeft, kQueenTop);
  paintControls(title);
  paintPrompt(title);
  paintCredits(title);
  return title;
}

}  // namespace assetgen
