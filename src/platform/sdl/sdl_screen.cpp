#include "platform/sdl/sdl_screen.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "platform/sdl/sdl_input.h"

namespace platform {
namespace {

constexpr double kVsyncFrameMs = 1000 / 60;  // whole milliseconds: 16, give or take the tolerance
constexpr double kVsyncToleranceMs = 1.0;
constexpr int kVsyncPresentsNeeded = 3;
constexpr double kVsyncMeasureMs = 1000.0;

constexpr std::size_t kIndicesPerQuad = 6;  // two triangles

Uint8 channel(int value) { return static_cast<Uint8>(std::clamp(value, 0, 255)); }

double msSince(Uint64 start) {
  return static_cast<double>(SDL_GetPerformanceCounter() - start) * 1000.0 /
         static_cast<double>(SDL_GetPerformanceFrequency());
}

}  // namespace

SdlScreen::SdlScreen(SdlInput& input, Clock& clock, bool windowed, bool softwareRenderer)
    : input_(input),
      clock_(clock),
      windowed_(windowed),
      softwareRenderer_(softwareRenderer),
      batch_(atlas_, 1024, 768) {}

SdlScreen::~SdlScreen() { close(); }

void SdlScreen::close() {
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  texture_ = nullptr;
  renderer_ = nullptr;
  window_ = nullptr;
  textureVersion_ = 0;
}

void SdlScreen::setTitle(std::string_view title) {
  title_ = title;
  if (window_) SDL_SetWindowTitle(window_, title_.c_str());
}

bool SdlScreen::open(int width, int height, int depth, int /*hz*/, int /*flags*/,
                     std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "bad screen size";
    return false;
  }
  close();
  width_ = width;
  height_ = height;
  // Pixel art stays hard-edged at any window size.
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "nearest");
  if (!createWindowAndRenderer(depth != 0 && !windowed_, error)) return false;
  SDL_RenderSetLogicalSize(renderer_, width, height);
  // SDL's software renderer draws each quad as a blit to whole pixels, so a
  // trimmed quad would round its edges apart from the whole cell's and shift
  // the cell's texels by a pixel; there the cells are drawn whole.
  batch_.setTrimClearTexels(rendererName() != "software");
  batch_.setCanvas(width, height);
  batch_.clear();
  clearQueued_ = false;
  measureVsync();
  // Taking in the window system's events lets the renderer learn the size the
  // window really got; what was typed before the screen opened is dropped.
  SDL_PumpEvents();
  SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
  input_.setCanvas(width, height);
  input_.clear();
  centrePointer();
  pacer_.start(clock_.millisecs());
  return true;
}

bool SdlScreen::createWindowAndRenderer(bool fullScreen, std::string& error) {
  Uint32 windowFlags = 0;
  int x = SDL_WINDOWPOS_CENTERED, y = SDL_WINDOWPOS_CENTERED, w = width_, h = height_;
  SDL_DisplayMode desktop;
  if (fullScreen && SDL_GetDesktopDisplayMode(0, &desktop) == 0) {
    // Born at the desktop's size and place: where no window manager honours the
    // full-screen request (a bare X server), the window still covers the screen.
    windowFlags = SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_BORDERLESS;
    x = 0, y = 0, w = desktop.w, h = desktop.h;
  } else if (fullScreen) {
    windowFlags = SDL_WINDOW_FULLSCREEN_DESKTOP;
  }
  window_ = SDL_CreateWindow(title_.c_str(), x, y, w, h, windowFlags);
  if (!window_) {
    error = std::string("cannot open the window: ") + SDL_GetError();
    return false;
  }
  const Uint32 rendererFlags = softwareRenderer_ ? SDL_RENDERER_SOFTWARE
                                                 : SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
  renderer_ = SDL_CreateRenderer(window_, -1, rendererFlags);
  if (!renderer_ && !softwareRenderer_) renderer_ = SDL_CreateRenderer(window_, -1, 0);
  if (!renderer_) {
    error = std::string("cannot create a renderer: ") + SDL_GetError();
    close();
    return false;
  }
  return true;
}

// Keeps vsync only when the display is seen to present at 60 Hz.
void SdlScreen::measureVsync() {
  SDL_RendererInfo info;
  vsyncPaced_ = false;
  if (softwareRenderer_) return;  // never synced to a display: tests and screenshots
  if (SDL_GetRendererInfo(renderer_, &info) == 0 && (info.flags & SDL_RENDERER_PRESENTVSYNC)) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
    const Uint64 start = SDL_GetPerformanceCounter();
    int inRow = 0;
    while (inRow < kVsyncPresentsNeeded && msSince(start) < kVsyncMeasureMs) {
      const Uint64 before = SDL_GetPerformanceCounter();
      SDL_RenderClear(renderer_);
      SDL_RenderPresent(renderer_);
      const bool onBeat = std::fabs(msSince(before) - kVsyncFrameMs) <= kVsyncToleranceMs;
      inRow = onBeat ? inRow + 1 : 0;
    }
    vsyncPaced_ = inRow == kVsyncPresentsNeeded;
    if (!vsyncPaced_) SDL_RenderSetVSync(renderer_, 0);
  }
}

void SdlScreen::centrePointer() {
  const int x = width_ / 2, y = height_ / 2;
  int windowX = x, windowY = y;
  SDL_RenderLogicalToWindow(renderer_, static_cast<float>(x), static_cast<float>(y), &windowX,
                            &windowY);
  SDL_WarpMouseInWindow(window_, windowX, windowY);
  input_.movePointer(x, y);
}

void SdlScreen::hidePointer() { SDL_ShowCursor(SDL_DISABLE); }

// The clear is the batch's first quad, opaque in the clear colour, and the
// renderer's own clear paints the letterbox bars black. When the frame is
// drawn that quad goes to the renderer apart, as a plain unblended fill: a
// software rasteriser (Mesa's, under Xvfb) fills the canvas that way several
// times faster than as one more textured, blended quad of the batch.
void SdlScreen::cls() {
  batch_.clear();
  DrawState plain;
  plain.color = state_.clsColor;
  batch_.addRect(plain, 0, 0, static_cast<float>(width_), static_cast<float>(height_));
  clearQueued_ = batch_.quadCount() == 1;
  clearColour_ = state_.clsColor;
}

void SdlScreen::drawRect(float x, float y, float w, float h) { batch_.addRect(state_, x, y, w, h); }

void SdlScreen::drawImage(const Image& image, float x, float y, int frame) {
  batch_.addImage(state_, image, x, y, frame);
}

bool SdlScreen::uploadAtlas() {
  const Pixels& page = atlas_.page();
  if (texture_ && textureVersion_ == atlas_.version()) return true;
  int texWidth = 0, texHeight = 0;
  if (texture_) SDL_QueryTexture(texture_, nullptr, nullptr, &texWidth, &texHeight);
  if (!texture_ || texWidth != page.width || texHeight != page.height) {
    if (texture_) SDL_DestroyTexture(texture_);
    texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGBA32, SDL_TEXTUREACCESS_STATIC,
                                 page.width, page.height);
    if (!texture_) {
      SDL_Log("cannot make the %dx%d atlas texture: %s", page.width, page.height, SDL_GetError());
      return false;
    }
    SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  }
  SDL_UpdateTexture(texture_, nullptr, page.rgba.data(), page.width * 4);
  textureVersion_ = atlas_.version();
  return true;
}

// Draws the frame so far onto the renderer's back buffer; gives the number of draw calls.
int SdlScreen::renderBatch() {
  // With no letterbox bars the renderer's clear can paint the clear colour
  // itself, the cheapest fill there is.
  const bool clearInOne = clearQueued_ && canvasFillsOutput();
  const Rgb bars = clearInOne ? clearColour_ : Rgb{0, 0, 0};
  SDL_SetRenderDrawColor(renderer_, channel(bars.r), channel(bars.g), channel(bars.b),
                         SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_);
  std::size_t firstIndex = 0;
  if (clearQueued_) {
    if (!clearInOne) fillCanvas(clearColour_);
    firstIndex = kIndicesPerQuad;
  }
  const auto& vertices = batch_.vertices();
  const auto& indices = batch_.indices();
  if (indices.size() <= firstIndex || !uploadAtlas()) return 0;
  constexpr int stride = sizeof(BatchVertex);
  // The indices name vertices of the whole batch, so the vertices go whole.
  SDL_RenderGeometryRaw(renderer_, texture_, &vertices[0].x, stride,
                        reinterpret_cast<const SDL_Color*>(&vertices[0].r), stride, &vertices[0].u,
                        stride, static_cast<int>(vertices.size()), indices.data() + firstIndex,
                        static_cast<int>(indices.size() - firstIndex), sizeof(uint32_t));
  return 1;
}

bool SdlScreen::canvasFillsOutput() const {
  int outputW = 0, outputH = 0;
  SDL_GetRendererOutputSize(renderer_, &outputW, &outputH);
  return outputW == width_ && outputH == height_;
}

void SdlScreen::fillCanvas(const Rgb& colour) {
  SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
  SDL_SetRenderDrawColor(renderer_, channel(colour.r), channel(colour.g), channel(colour.b),
                         SDL_ALPHA_OPAQUE);
  const SDL_FRect canvas{0, 0, static_cast<float>(width_), static_cast<float>(height_)};
  SDL_RenderFillRectF(renderer_, &canvas);
}

void SdlScreen::flip(int pacing) {
  if (!renderer_) return;
  lastFrame_ = {renderBatch(), batch_.quadCount(), batch_.droppedCount()};
  SDL_RenderPresent(renderer_);
  batch_.clear();
  clearQueued_ = false;
  // Keeps the window answering the system (and the renderer told of size
  // changes) in stretches where the game asks nothing of the input; the
  // events stay queued for the input to read.
  SDL_PumpEvents();
  if (pacing == kPaceToRefresh && !vsyncPaced_) pacer_.pace(clock_);
}

bool SdlScreen::readPixels(Pixels& out) {
  if (!renderer_) return false;
  renderBatch();
  SDL_Rect canvas;  // where the canvas lies on the output, in canvas pixels
  float scaleX = 1, scaleY = 1;
  int outputW = 0, outputH = 0;
  SDL_RenderGetViewport(renderer_, &canvas);
  SDL_RenderGetScale(renderer_, &scaleX, &scaleY);
  SDL_GetRendererOutputSize(renderer_, &outputW, &outputH);
  const bool oneToOne = outputW == width_ && outputH == height_ && scaleX == 1 && scaleY == 1;
  if (oneToOne) {
    out = Pixels(width_, height_);
    return SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32, out.rgba.data(),
                                width_ * 4) == 0;
  }
  // Scaled and letterboxed: read the whole output in its own pixels (SDL's
  // reading of a logical viewport is not to be trusted), then take the
  // output pixel under the centre of each canvas pixel.
  Pixels shown(outputW, outputH);
  SDL_RenderSetLogicalSize(renderer_, 0, 0);
  SDL_RenderSetViewport(renderer_, nullptr);
  SDL_RenderSetScale(renderer_, 1, 1);
  const bool ok = SDL_RenderReadPixels(renderer_, nullptr, SDL_PIXELFORMAT_RGBA32,
                                       shown.rgba.data(), outputW * 4) == 0;
  SDL_RenderSetLogicalSize(renderer_, width_, height_);
  if (!ok) return false;
  out = Pixels(width_, height_);
  for (int y = 0; y < height_; ++y) {
    const int sy = std::clamp(static_cast<int>((canvas.y + y + 0.5f) * scaleY), 0, outputH - 1);
    for (int x = 0; x < width_; ++x) {
      const int sx = std::clamp(static_cast<int>((canvas.x + x + 0.5f) * scaleX), 0, outputW - 1);
      std::copy_n(shown.at(sx, sy), 4, out.at(x, y));
    }
  }
  return true;
}

std::string SdlScreen::rendererName() const {
  SDL_RendererInfo info;
  if (!renderer_ || SDL_GetRendererInfo(renderer_, &info) != 0) return "";
  return info.name;
}

}  // namespace platform
