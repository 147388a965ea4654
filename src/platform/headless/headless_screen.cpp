#include "platform/headless/headless_screen.h"

namespace platform {

bool HeadlessScreen::open(int width, int height, int /*depth*/, int /*hz*/, int /*flags*/,
                          std::string& error) {
  if (width <= 0 || height <= 0) {
    error = "bad screen size";
    return false;
  }
  width_ = width;
  height_ = height;
  open_ = true;
  input_.clear();
  input_.movePointer(width / 2, height / 2);
  pacer_.start(clock_.millisecs());
  return true;
}

void HeadlessScreen::cls() {
  if (recording_) current_.push_back({DrawCommand::kCls, state_});
}

void HeadlessScreen::drawRect(float x, float y, float w, float h) {
  if (recording_) current_.push_back({DrawCommand::kRect, state_, x, y, w, h});
}

void HeadlessScreen::drawImage(const Image& image, float x, float y, int frame) {
  ++imageDraws_;
  if (recording_) current_.push_back({DrawCommand::kImage, state_, x, y, 0, 0, &image, frame});
}

void HeadlessScreen::flip(int /*pacing*/) {
  ++presents_;
  if (recording_) {
    last_.swap(current_);
    current_.clear();
  }
  pacer_.pace(clock_);
}

void HeadlessScreen::replay(const std::vector<DrawCommand>& commands, Screen& target) {
  for (const DrawCommand& c : commands) {
    target.setOrigin(c.state.originX, c.state.originY);
    target.setBlend(c.state.blend);
    target.setAlpha(c.state.alpha);
    target.setColor(c.state.color.r, c.state.color.g, c.state.color.b);
    target.setClsColor(c.state.clsColor.r, c.state.clsColor.g, c.state.clsColor.b);
    target.setScale(c.state.scaleX, c.state.scaleY);
    switch (c.kind) {
      case DrawCommand::kCls: target.cls(); break;
      case DrawCommand::kRect: target.drawRect(c.x, c.y, c.w, c.h); break;
      case DrawCommand::kImage: target.drawImage(*c.image, c.x, c.y, c.frame); break;
    }
  }
}

}  // namespace platform
