// Scripted input for headless runs: one event a line, "FRAME ACTION ARGS",
// where FRAME counts frames of play from 0 and the event takes effect just
// before that frame runs.
//
//   120 move 300 200     pointer to canvas pixel (300, 200)
//   120 press left       left button down (release left: up)
//   240 keydown 37       key 37 down (keyup 37: up); keys 13 27 32 37-40 90
//
// '#' starts a comment; blank lines are fine; frames never go backwards.
// The parser takes any bytes: whatever it cannot read is a numbered error.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/input.h"

namespace sim {

constexpr int kCanvasWidth = 1024;
constexpr int kCanvasHeight = 768;
constexpr long kMaxScriptFrame = 1'000'000'000;

struct ScriptEvent {
  enum Action { kMove, kPress, kRelease, kKeyDown, kKeyUp };
  long frame = 0;
  Action action = kMove;
  int a = 0;  // move: x; keydown/keyup: the key
  int b = 0;  // move: y
};

struct ScriptError {
  int line = 0;  // 1-based
  std::string message;
};

// Parses a whole script. On failure returns false and says which line and why.
bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, ScriptError& error);

// Feeds a parsed script to an Input frame by frame.
class ScriptPlayer {
 public:
  explicit ScriptPlayer(std::vector<ScriptEvent> events) : events_(std::move(events)) {}
  // Applies every event due at or before `frame` that has not been applied yet.
  void feed(long frame, platform::Input& input);

 private:
  std::vector<ScriptEvent> events_;
  size_t next_ = 0;
};

}  // namespace sim
