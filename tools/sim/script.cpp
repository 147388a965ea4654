// The script parser splits each line into blank-separated words and reads
// numbers with from_chars, so nothing it meets (NULs, stray high bytes, huge
// numbers) can crash it; an error message never echoes the raw bytes.
#include "tools/sim/script.h"

#include <charconv>

namespace sim {
namespace {

constexpr int kScriptKeys[] = {platform::kKeyEnter, platform::kKeyEscape, platform::kKeySpace,
                               platform::kKeyLeft,  platform::kKeyUp,     platform::kKeyRight,
                               platform::kKeyDown,  platform::kKeyZ};

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::vector<std::string_view> splitWords(std::string_view line) {
  std::vector<std::string_view> words;
  size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && isBlank(line[i])) ++i;
    size_t start = i;
    while (i < line.size() && !isBlank(line[i])) ++i;
    if (i > start) words.push_back(line.substr(start, i - start));
  }
  return words;
}

// A whole word of decimal digits (an optional leading '-') within [lo, hi].
bool readNumber(std::string_view word, long lo, long hi, long& out) {
  const char* end = word.data() + word.size();
  auto [ptr, ec] = std::from_chars(word.data(), end, out);
  return ec == std::errc() && ptr == end && out >= lo && out <= hi;
}

bool isScriptKey(long key) {
  for (int k : kScriptKeys)
    if (k == key) return true;
  return false;
}

// Reads the words after the frame number into `event`; a message on failure.
std::string readAction(const std::vector<std::string_view>& w, ScriptEvent& event) {
  const std::string_view action = w[1];
  const size_t args = w.size() - 2;
  if (action == "move") {
    if (args != 2) return "move takes X and Y";
    long x, y;
    if (!readNumber(w[2], 0, kCanvasWidth - 1, x) || !readNumber(w[3], 0, kCanvasHeight - 1, y))
      return "move needs a point on the 1024 x 768 canvas";
    event = {event.frame, ScriptEvent::kMove, static_cast<int>(x), static_cast<int>(y)};
    return "";
  }
  if (action == "press" || action == "release") {
    if (args != 1 || w[2] != "left") return std::string(action) + " takes the button name left";
    event.action = action == "press" ? ScriptEvent::kPress : ScriptEvent::kRelease;
    return "";
  }
  if (action == "keydown" || action == "keyup") {
    long key;
    if (args != 1 || !readNumber(w[2], 0, platform::kKeyCodeCount - 1, key) || !isScriptKey(key))
      return std::string(action) + " takes one of the keys 13, 27, 32, 37-40, 90";
    event.action = action == "keydown" ? ScriptEvent::kKeyDown : ScriptEvent::kKeyUp;
    event.a = static_cast<int>(key);
    return "";
  }
  return "unknown action (move, press, release, keydown, keyup)";
}

// One line without its comment; blank lines give no event.
std::string readLine(std::string_view line, long lastFrame, std::vector<ScriptEvent>& events) {
  if (size_t hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  const std::vector<std::string_view> words = splitWords(line);
  if (words.empty()) return "";
  if (words.size() < 2) return "expected FRAME ACTION ...";
  ScriptEvent event;
  if (!readNumber(words[0], 0, kMaxScriptFrame, event.frame))
    return "the frame must be a whole number from 0 to 1000000000";
  if (event.frame < lastFrame) return "frames must not go backwards";
  if (std::string message = readAction(words, event); !message.empty()) return message;
  events.push_back(event);
  return "";
}

}  // namespace

bool parseScript(std::string_view text, std::vector<ScriptEvent>& events, ScriptError& error) {
  events.clear();
  int lineNumber = 0;
  size_t pos = 0;
  while (pos <= text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    ++lineNumber;
    const long lastFrame = events.empty() ? 0 : events.back().frame;
    std::string message = readLine(text.substr(pos, end - pos), lastFrame, events);
    if (!message.empty()) {
      error = {lineNumber, std::move(message)};
      return false;
    }
    pos = end + 1;
  }
  return true;
}

void ScriptPlayer::feed(long frame, platform::Input& input) {
  for (; next_ < events_.size() && events_[next_].frame <= frame; ++next_) {
    const ScriptEvent& e = events_[next_];
    switch (e.action) {
      case ScriptEvent::kMove: input.movePointer(e.a, e.b); break;
      case ScriptEvent::kPress: input.pressButton(platform::kMouseLeft); break;
      case ScriptEvent::kRelease: input.releaseButton(platform::kMouseLeft); break;
      case ScriptEvent::kKeyDown: input.pressKey(e.a); break;
      case ScriptEvent::kKeyUp: input.releaseKey(e.a); break;
    }
  }
}

}  // namespace sim
