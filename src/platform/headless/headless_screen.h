// A screen with no window: it keeps the drawing state, paces a clock like the
// real one, and optionally records the current frame's drawing so that a test
// can read it or a real renderer can replay it.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "platform/clock.h"
#include "platform/input.h"
#include "platform/screen.h"

namespace platform {

struct DrawCommand {
  enum Kind { kCls, kRect, kImage } kind;
  DrawState state;            // the drawing state the command was given
  float x = 0, y = 0;         // position before the origin is added
  float w = 0, h = 0;         // rectangles only
  const Image* image = nullptr;  // images only; valid while the image lives
  int frame = 0;
};

class HeadlessScreen : public Screen {
 public:
  // `input` is cleared and its pointer centred when the screen opens.
  HeadlessScreen(Clock& clock, Input& input) : clock_(clock), input_(input) {}

  void setTitle(std::string_view title) override { title_ = title; }
  bool open(int width, int height, int depth, int hz, int flags, std::string& error) override;
  void hidePointer() override { pointerHidden_ = true; }

  void cls() override;
  void drawRect(float x, float y, float w, float h) override;
  void drawImage(const Image& image, float x, float y, int frame) override;
  // Sleeps the clock to the next 16/17 ms deadline; starts a new recording.
  void flip(int pacing) override;

  // Recording is off by default: a long headless run then costs nothing per draw.
  void setRecording(bool on) { recording_ = on; }
  // The commands of the frame being drawn (cleared by flip) and of the last presented one.
  const std::vector<DrawCommand>& currentFrame() const { return current_; }
  const std::vector<DrawCommand>& lastFrame() const { return last_; }
  long long imageDraws() const { return imageDraws_; }
  long long presents() const { return presents_; }
  const std::string& title() const { return title_; }
  bool pointerHidden() const { return pointerHidden_; }
  bool isOpen() const { return open_; }

  // Draws `commands` onto another screen (say, a real renderer for a screenshot).
  static void replay(const std::vector<DrawCommand>& commands, Screen& target);

 private:
  Clock& clock_;
  Input& input_;
  FramePacer pacer_;
  std::string title_;
  bool open_ = false;
  bool pointerHidden_ = false;
  bool recording_ = false;
  std::vector<DrawCommand> current_;
  std::vector<DrawCommand> last_;
  long long imageDraws_ = 0;
  long long presents_ = 0;
};

}  // namespace platform
