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

TEST_F(SdlInputTest, LosingFocusForgetsEverythingButClosingTheWindowDoesNothing) {
  pushSdlKey("Left", true);
  pushSdlKey("Escape", true);
  pushSdlMouseButton(1, true);
  pushSdlFocusLost();
  EXPECT_FALSE(input().keyDown(kKeyLeft));
  EXPECT_FALSE(input().mouseDown(kMouseLeft));
  EXPECT_EQ(input().keyHit(kKeyEscape), 0);

  pushSdlQuit();
  pushSdlKey("Up", true);
  EXPECT_EQ(input().keyHit(kKeyUp), 1) << "input goes on after a close request";
  EXPECT_EQ(input().keyHit(kKeyEscape), 0) << "a close request is no Escape";
}
