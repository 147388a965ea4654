// SDL's events as the game sees them: its key numbers, buttons and pointer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "platform/sdl/sdl_input.h"
#include "platform/sdl/sdl_system.h"
#include "sdl_test_system.h"

using namespace platform;

namespace {

class SdlInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    system_ = sdltest::openTestSystem(error);
    ASSERT_NE(system_, nullptr) << error;
    input().keyHit(0);  // takes in whatever opening the window queued
  }
  Input& input() { return system_->input(); }
  std::unique_ptr<SdlSystem> system_;
};

}  // namespace

TEST_F(SdlInputTest, KeysArriveAsTheGameNumbersThem) {
  struct Case {
    const char* sdlName;
    int key;
  } cases[] = {{"Return", 13}, {"Keypad Enter", 13}, {"Escape", 27}, {"Space", 32}, {"Left", 37},
               {"Up", 38},     {"Right", 39},        {"Down", 40},   {"A", 65},     {"Z", 90},
               {"0", 48},      {"9", 57}};
  for (const Case& c : cases) {
    ASSERT_TRUE(pushSdlKey(c.sdlName, true)) << c.sdlName;
    EXPECT_TRUE(input().keyDown(c.key)) << c.sdlName;
    EXPECT_EQ(input().keyHit(c.key), 1) << c.sdlName;
    pushSdlKey(c.sdlName, false);
    EXPECT_FALSE(input().keyDown(c.key)) << c.sdlName;
  }
}

TEST_F(SdlInputTest, AutoRepeatAndUnmappedKeysCountForNothing) {
  pushSdlKey("Space", true);
  for (int i = 0; i < 5; ++i) pushSdlKey("Space", true, true);
  EXPECT_EQ(input().keyHit(kKeySpace), 1);
  pushSdlKey("F5", true);
  pushSdlKey("Tab", true);
  for (int key = 0; key < kKeyCodeCount; ++key)
    EXPECT_EQ(input().keyHit(key), 0) << "key " << key;
}

TEST_F(SdlInputTest, MouseButtonsAndPointer) {
  struct Button {
    int sdlButton, gameButton;
  } buttons[] = {{1, 1}, {3, 2}, {2, 3}};  // SDL: 1 left, 2 middle, 3 right
  for (const Button& b : buttons) {
    pushSdlMouseButton(b.sdlButton, true);
    EXPECT_TRUE(input().mouseDown(b.gameButton)) << "SDL button " << b.sdlButton;
    pushSdlMouseButton(b.sdlButton, false);
    EXPECT_FALSE(input().mouseDown(b.gameButton)) << "SDL button " << b.sdlButton;
  }
  struct Motion {
    int x, y, expectX, expectY;
  } motions[] = {{100, 200, 100, 200}, {-5, 900, 0, 767}, {2000, 10, 1023, 10}, {1023, 767, 1023, 767}};
  for (const Motion& m : motions) {
    pushSdlMouseMotion(m.x, m.y);
    EXPECT_EQ(input().mouseX(), m.expectX) << m.x << "," << m.y;
    EXPECT_EQ(input().mouseY(), m.expectY) << m.x << "," << m.y;
  }
}

TEST_F(SdlInputTest, LosingOrRegainingFocusForgetsEverything) {
  struct Case {
    const char* what;
    void (*focusChange)();
  } cases[] = {{"focus lost", pushSdlFocusLost}, {"focus regained", pushSdlFocusGained}};
  for (const Case& c : cases) {
    pushSdlKey("Left", true);
    pushSdlKey("Escape", true);
    pushSdlMouseButton(1, true);
    c.focusChange();
    EXPECT_FALSE(input().keyDown(kKeyLeft)) << c.what;
    EXPECT_FALSE(input().mouseDown(kMouseLeft)) << c.what;
    EXPECT_EQ(input().keyHit(kKeyEscape), 0) << c.what << ": a pending Escape is dropped";
    // Still physically held: the key counts again only once pressed anew.
    pushSdlKey("Left", false);
    pushSdlKey("Escape", false);
    pushSdlMouseButton(1, false);
  }
}

TEST_F(SdlInputTest, ClosingTheWindowDoesNothing) {
  pushSdlQuit();
  pushSdlKey("Up", true);
  EXPECT_EQ(input().keyHit(kKeyUp), 1) << "input goes on after a close request";
  EXPECT_EQ(input().keyHit(kKeyEscape), 0) << "a close request is no Escape";
}

// What happened before the screen opened is forgotten, even while still
// queued in SDL: a button already held then reads up until pressed again.
TEST_F(SdlInputTest, OpeningTheScreenForgetsWhatCameBefore) {
  pushSdlKey("Escape", true);
  pushSdlKey("Escape", false);
  pushSdlMouseButton(1, true);
  std::string error;
  ASSERT_TRUE(system_->screen().open(1024, 768, 0, 60, 0, error)) << error;
  EXPECT_EQ(input().keyHit(kKeyEscape), 0);
  EXPECT_FALSE(input().mouseDown(kMouseLeft)) << "held before the opening";

  pushSdlMouseButton(1, false);
  EXPECT_FALSE(input().mouseDown(kMouseLeft));
  pushSdlMouseButton(1, true);
  EXPECT_TRUE(input().mouseDown(kMouseLeft)) << "pressed again after the opening";
  pushSdlKey("Z", true);
  EXPECT_EQ(input().keyHit(kKeyZ), 1) << "presses count from the opening on";
}
