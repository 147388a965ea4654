// Key hits, held states and clearing, as the title screen and the frame loop rely on them.
#include <gtest/gtest.h>

#include "platform/input.h"

namespace {

using platform::Input;

TEST(Input, KeyHitCountsEachPressOnceAndResetsOnlyThatKey) {
  Input input;
  input.pressKey(platform::kKeySpace);
  input.pressKey(platform::kKeySpace);  // auto-repeat while held: not a new press
  input.releaseKey(platform::kKeySpace);
  input.pressKey(platform::kKeySpace);
  input.pressKey(platform::kKeyEscape);

  EXPECT_EQ(input.keyHit(platform::kKeySpace), 2);
  EXPECT_EQ(input.keyHit(platform::kKeySpace), 0) << "the query resets the count";
  EXPECT_EQ(input.keyHit(platform::kKeyEscape), 1) << "another key's count survives the query";
  EXPECT_TRUE(input.keyDown(platform::kKeySpace)) << "a hit query leaves the held state alone";
}

TEST(Input, KeyDownAndMouseDownAreStatesNotCounts) {
  Input input;
  input.pressButton(platform::kMouseLeft);
  EXPECT_TRUE(input.mouseDown(platform::kMouseLeft));
  EXPECT_TRUE(input.mouseDown(platform::kMouseLeft));
  input.releaseButton(platform::kMouseLeft);
  EXPECT_FALSE(input.mouseDown(platform::kMouseLeft));

  input.pressKey(platform::kKeyLeft);
  EXPECT_TRUE(input.keyDown(platform::kKeyLeft));
  EXPECT_TRUE(input.keyDown(platform::kKeyLeft));
  input.releaseKey(platform::kKeyLeft);
  EXPECT_FALSE(input.keyDown(platform::kKeyLeft));
}

TEST(Input, ClearForgetsHeldKeysButtonsAndPendingHits) {
  Input input;
  input.pressKey(platform::kKeyEscape);
  input.pressKey(platform::kKeyUp);
  input.pressButton(platform::kMouseLeft);
  input.movePointer(10, 20);
  input.clear();

  EXPECT_EQ(input.keyHit(platform::kKeyEscape), 0);
  EXPECT_FALSE(input.keyDown(platform::kKeyUp));
  EXPECT_FALSE(input.mouseDown(platform::kMouseLeft));
  EXPECT_EQ(input.mouseX(), 10) << "the pointer stays where it was";
  EXPECT_EQ(input.mouseY(), 20);

  // A key still physically held when input was cleared counts again once pressed anew.
  input.pressKey(platform::kKeyUp);
  EXPECT_EQ(input.keyHit(platform::kKeyUp), 1);
}

TEST(Input, OutOfRangeKeysAndButtonsAreIgnoredSafely) {
  Input input;
  for (int key : {-1, platform::kKeyCodeCount, 100000}) {
    input.pressKey(key);
    EXPECT_FALSE(input.keyDown(key)) << key;
    EXPECT_EQ(input.keyHit(key), 0) << key;
  }
  for (int button : {-5, platform::kMouseButtonCount, 99}) {
    input.pressButton(button);
    EXPECT_FALSE(input.mouseDown(button)) << button;
  }
}

// Every query first takes in pending events: a backend's events show in the answer at once.
class ScriptedInput : public Input {
 public:
  int polls = 0;

 protected:
  void pollEvents() override {
    if (polls++ == 0) pressKey(platform::kKeyZ);
  }
};

TEST(Input, EveryQueryTakesInPendingEventsFirst) {
  ScriptedInput input;
  EXPECT_EQ(input.keyHit(platform::kKeyZ), 1);
  input.mouseX();
  input.mouseDown(platform::kMouseLeft);
  input.keyDown(platform::kKeyZ);
  EXPECT_EQ(input.polls, 4);
}

}  // namespace
