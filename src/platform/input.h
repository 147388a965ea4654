// Polled keyboard and mouse. The game speaks these key numbers; each backend
// maps its own keys onto them. Every query first takes in pending events.
#pragma once
#include <array>

namespace platform {

enum KeyCode : int {
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeySpace = 32,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyZ = 90,
};
constexpr int kMouseLeft = 1;
constexpr int kKeyCodeCount = 256;
constexpr int kMouseButtonCount = 4;  // 1 left, 2 right, 3 middle

// Key and button states, hit counts and the pointer. Backends feed it events;
// the game only asks questions.
class Input {
 public:
  virtual ~Input() = default;

  // Non-zero while the key is held; asking changes nothing.
  bool keyDown(int key);
  // Presses of `key` since its last query (auto-repeat excluded); resets that key's count alone.
  int keyHit(int key);
  // True while the button (1 left, 2 right, 3 middle) is held.
  bool mouseDown(int button);
  // Pointer position in canvas pixels, as of its last movement.
  int mouseX();
  int mouseY();

  // Event feed, used by backends, scripts and tests. A repeated press of a held key is auto-repeat.
  void pressKey(int key);
  void releaseKey(int key);
  void pressButton(int button);
  void releaseButton(int button);
  void movePointer(int x, int y);
  // Forgets every held key and button and every hit count (screen opening, focus loss).
  void clear();

 protected:
  // Takes in the system's pending events; called at the start of every query.
  virtual void pollEvents() {}

 private:
  static bool validKey(int key) { return key >= 0 && key < kKeyCodeCount; }
  static bool validButton(int b) { return b >= 0 && b < kMouseButtonCount; }

  std::array<bool, kKeyCodeCount> keyHeld_{};
  std::array<int, kKeyCodeCount> keyHits_{};
  std::array<bool, kMouseButtonCount> buttonHeld_{};
  int pointerX_ = 0;
  int pointerY_ = 0;
};

}  // namespace platform
