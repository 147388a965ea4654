#include "platform/input.h"

namespace platform {

bool Input::keyDown(int key) {
  pollEvents();
  return validKey(key) && keyHeld_[key];
}

int Input::keyHit(int key) {
  pollEvents();
  if (!validKey(key)) return 0;
  int hits = keyHits_[key];
  keyHits_[key] = 0;
  return hits;
}

bool Input::mouseDown(int button) {
  pollEvents();
  return validButton(button) && buttonHeld_[button];
}

int Input::mouseX() {
  pollEvents();
  return pointerX_;
}

int Input::mouseY() {
  pollEvents();
  return pointerY_;
}

void Input::pressKey(int key) {
  if (!validKey(key) || keyHeld_[key]) return;
  keyHeld_[key] = true;
  ++keyHits_[key];
}

void Input::releaseKey(int key) {
  if (validKey(key)) keyHeld_[key] = false;
}

void Input::pressButton(int button) {
  if (validButton(button)) buttonHeld_[button] = true;
}

void Input::releaseButton(int button) {
  if (validButton(button)) buttonHeld_[button] = false;
}

void Input::movePointer(int x, int y) {
  pointerX_ = x;
  pointerY_ = y;
}

void Input::clear() {
  keyHeld_.fill(false);
  keyHits_.fill(0);
  buttonHeld_.fill(false);
}

}  // namespace platform
