// The headless driver's input scripts: what the parser takes, what it refuses
// (with the right line number), and how a script reaches the input.
#include <gtest/gtest.h>

#include "tools/sim/script.h"

using sim::ScriptEvent;

TEST(Script, AcceptsEveryEventKindCommentsAndBlankLines) {
  const std::string text =
      "# a comment line\n"
      "\n"
      "0 move 0 0\n"
      "  0\tpress left   # trailing comment\n"
      "5 release left\r\n"
      "5 keydown 37\n"
      "1023 move 1023 767\n"
      "1023 keyup 90";  // no final newline
  std::vector<ScriptEvent> events;
  sim::ScriptError error;
  ASSERT_TRUE(sim::parseScript(text, events, error)) << error.line << ": " << error.message;
  struct Expected {
    long frame;
    ScriptEvent::Action action;
    int a, b;
  } expected[] = {
      {0, ScriptEvent::kMove, 0, 0},          {0, ScriptEvent::kPress, 0, 0},
      {5, ScriptEvent::kRelease, 0, 0},       {5, ScriptEvent::kKeyDown, 37, 0},
      {1023, ScriptEvent::kMove, 1023, 767},  {1023, ScriptEvent::kKeyUp, 90, 0},
  };
  ASSERT_EQ(events.size(), std::size(expected));
  for (size_t i = 0; i < events.size(); ++i) {
    EXPECT_EQ(events[i].frame, expected[i].frame) << i;
    EXPECT_EQ(events[i].action, expected[i].action) << i;
    EXPECT_EQ(events[i].a, expected[i].a) << i;
    EXPECT_EQ(events[i].b, expected[i].b) << i;
  }
}

TEST(Script, AcceptsEachScriptKey) {
  for (int key : {13, 27, 32, 37, 38, 39, 40, 90}) {
    std::vector<ScriptEvent> events;
    sim::ScriptError error;
    EXPECT_TRUE(sim::parseScript("3 keydown " + std::to_string(key), events, error)) << key;
  }
}

TEST(Script, RefusesBadLinesNamingTheLine) {
  struct Case {
    std::string text;
    int line;
  } cases[] = {
      {"jump", 1},
      {"5", 1},
      {"-1 press left", 1},
      {"x press left", 1},
      {"5x press left", 1},
      {"99999999999999999999 press left", 1},
      {"1000000001 press left", 1},
      {"0 fly", 1},
      {"0 press right", 1},
      {"0 press", 1},
      {"0 press left now", 1},
      {"0 move 10", 1},
      {"0 move 10 20 30", 1},
      {"0 move 1024 0", 1},
      {"0 move 0 768", 1},
      {"0 move -1 5", 1},
      {"0 move 1e3 5", 1},
      {"0 keydown 65", 1},
      {"0 keydown", 1},
      {"0 keyup 0x20", 1},
      {"0 MOVE 1 1", 1},
      {"0 move 1 1\n\n# fine so far\n7 press left\n3 release left", 5},  // frames went back
      {"1 press left\n2 move 3", 2},
      {std::string("0 press left\n0 move 1\0 2\n", 25), 2},
      {"0 press left\n\xff\xfe garbage\n", 2},
  };
  for (const Case& c : cases) {
    std::vector<ScriptEvent> events;
    sim::ScriptError error;
    EXPECT_FALSE(sim::parseScript(c.text, events, error)) << c.text;
    EXPECT_EQ(error.line, c.line) << c.text;
    EXPECT_FALSE(error.message.empty()) << c.text;
  }
}

TEST(Script, SurvivesEveryByteValue) {
  std::string text;
  for (int i = 0; i < 4096; ++i) text.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
  std::vector<ScriptEvent> events;
  sim::ScriptError error;
  EXPECT_FALSE(sim::parseScript(text, events, error));
  EXPECT_GE(error.line, 1);
  for (char ch : error.message) EXPECT_TRUE(ch >= 0x20 && ch < 0x7F) << "message echoes raw bytes";
}

TEST(Script, PlayerAppliesEventsDueAtOrBeforeEachFrame) {
  std::vector<ScriptEvent> events;
  sim::ScriptError error;
  ASSERT_TRUE(sim::parseScript("2 move 100 200\n2 press left\n2 keydown 39\n6 release left\n"
                               "6 keyup 39\n6 keydown 39",
                               events, error));
  sim::ScriptPlayer player(events);
  platform::Input input;
  player.feed(1, input);
  EXPECT_FALSE(input.mouseDown(platform::kMouseLeft));
  player.feed(2, input);
  EXPECT_TRUE(input.mouseDown(platform::kMouseLeft));
  EXPECT_TRUE(input.keyDown(platform::kKeyRight));
  EXPECT_EQ(input.mouseX(), 100);
  EXPECT_EQ(input.mouseY(), 200);
  player.feed(9, input);  // frames with no events of their own are skipped over
  EXPECT_FALSE(input.mouseDown(platform::kMouseLeft));
  EXPECT_TRUE(input.keyDown(platform::kKeyRight));
  EXPECT_EQ(input.keyHit(platform::kKeyRight), 2) << "released and pressed again: a second hit";
}
