// Start-up on the headless platform: the title screen's exits, the fade, the
// drawing state left behind, the pictures and sounds, and the few failures
// that stop the game from starting.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "platform/random.h"
#include "shell/startup.h"
#include "shell_rig.h"
#include "world/world.h"

using namespace shelltest;
using platform::DrawCommand;

namespace {

constexpr int kFadeFrames = 34;

struct TitleRun {
  int titleFrames = 0;
  int fadeFrames = 0;
  std::vector<float> fadeAlphas;
};

// Starts up, calling `act(presents)` after every present; a Space press after
// present `fallbackAt` keeps a title that ignores its input from running forever.
TitleRun runTitle(ShellRig& rig, std::function<void(long)> act, long fallbackAt = 12) {
  TitleRun run;
  rig.screen.afterFlip = [&](long presents) {
    for (const DrawCommand& c : rig.screen.lastFrame()) {
      if (c.kind != DrawCommand::kImage) continue;
      if (c.state.alpha == 1.0f && run.fadeFrames == 0) {
        ++run.titleFrames;
      } else {
        ++run.fadeFrames;
        run.fadeAlphas.push_back(c.state.alpha);
      }
    }
    if (act) act(presents);
    if (presents == fallbackAt) rig.input.pressKey(platform::kKeySpace);
  };
  std::string error;
  EXPECT_TRUE(shell::startUp(rig.platform, error)) << error;
  rig.screen.afterFlip = nullptr;
  return run;
}

void tapKey(platform::Input& input, int key) {
  input.pressKey(key);
  input.releaseKey(key);
}

}  // namespace

TEST(Title, EndsOnlyOnTheStartInputsAfterAtLeastOneFrame) {
  enum Act { kTap, kHoldButton };
  struct Case {
    const char* what;
    Act act;
    int code;
    long afterPresent;
    int titleFrames;  // 12 = ignored until the fallback Space
  } cases[] = {
      {"Space", kTap, platform::kKeySpace, 1, 1},
      {"Enter", kTap, platform::kKeyEnter, 2, 2},
      {"Z", kTap, platform::kKeyZ, 3, 3},
      {"left button held", kHoldButton, 1, 1, 1},
      {"Escape", kTap, platform::kKeyEscape, 1, 12},
      {"A", kTap, 65, 1, 12},
      {"an arrow key", kTap, platform::kKeyLeft, 1, 12},
      {"right button", kHoldButton, 2, 1, 12},
      {"middle button", kHoldButton, 3, 1, 12},
  };
  for (const Case& c : cases) {
    ShellRig rig;
    TitleRun run = runTitle(rig, [&](long presents) {
      if (presents != c.afterPresent) return;
      if (c.act == kTap) tapKey(rig.input, c.code);
      else rig.input.pressButton(c.code);
    });
    EXPECT_EQ(run.titleFrames, c.titleFrames) << c.what;
    EXPECT_EQ(run.fadeFrames, kFadeFrames) << c.what;
  }
}

TEST(Title, InputMadeBeforeTheFirstTest) {
  struct Case {
    const char* what;
    bool beforeOpen;  // else after the screen opened, while the sounds load
    int titleFrames;
  } cases[] = {
      // Opening the screen forgets a button already held: it counts as up.
      {"button held before the screen opened", true, 12},
      {"button pressed after the screen opened", false, 1},
  };
  for (const Case& c : cases) {
    ShellRig rig;
    if (c.beforeOpen) rig.input.pressButton(platform::kMouseLeft);
    else rig.screen.afterOpen = [&] { rig.input.pressButton(platform::kMouseLeft); };
    EXPECT_EQ(runTitle(rig, nullptr).titleFrames, c.titleFrames) << c.what;
  }
  ShellRig rig;
  rig.screen.afterOpen = [&] { tapKey(rig.input, platform::kKeyZ); };
  EXPECT_EQ(runTitle(rig, nullptr).titleFrames, 1) << "Z tapped while the sounds load";
}

// The test stops at the first start input that answers yes: the keys after
// it keep their hits.
TEST(Title, AsksTheButtonThenSpaceEnterAndZ) {
  struct Case {
    const char* what;
    bool button;
    std::vector<int> tapped;
    int spaceLeft, enterLeft, zLeft;  // hit counts left once the title has gone
  } cases[] = {
      {"button first", true, {32, 13, 90}, 1, 1, 1},
      {"then Space", false, {32, 13, 90}, 0, 1, 1},
      {"then Enter", false, {13, 90}, 0, 0, 1},
      {"Z last", false, {90}, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ShellRig rig;
    rig.screen.afterOpen = [&] {
      if (c.button) rig.input.pressButton(platform::kMouseLeft);
      for (int key : c.tapped) tapKey(rig.input, key);
    };
    // The fallback Space comes after the fade, too late to count here.
    EXPECT_EQ(runTitle(rig, nullptr, 1 + kFadeFrames + 1).titleFrames, 1) << c.what;
    EXPECT_EQ(rig.input.keyHit(platform::kKeySpace), c.spaceLeft) << c.what;
    EXPECT_EQ(rig.input.keyHit(platform::kKeyEnter), c.enterLeft) << c.what;
    EXPECT_EQ(rig.input.keyHit(platform::kKeyZ), c.zLeft) << c.what;
  }
}

TEST(Title, EscapePressesDuringTheTitleAndTheFadeStayCounted) {
  ShellRig rig;
  // Space after present 12 ends the title; presents 13 to 46 are the fade.
  runTitle(rig, [&](long presents) {
    if (presents == 2 || presents == 5 || presents == 20) tapKey(rig.input, platform::kKeyEscape);
  });
  EXPECT_EQ(rig.input.keyHit(platform::kKeyEscape), 3);
}

TEST(Title, FadesToWhiteInThirtyFourFramesAndRestoresAlpha) {
  ShellRig rig;
  TitleRun run = runTitle(rig, nullptr, 1);
  ASSERT_EQ(run.fadeAlphas.size(), static_cast<size_t>(kFadeFrames));
  for (int k = 1; k < kFadeFrames; ++k)
    EXPECT_NEAR(run.fadeAlphas[k - 1], 1.0 - 0.03 * k, 1e-5) << "fade frame " << k;
  EXPECT_EQ(run.fadeAlphas.back(), 0.0f) << "the last fade frame shows plain white";
  EXPECT_EQ(rig.screen.state().alpha, 1.0f);
  EXPECT_EQ(rig.screen.presents(), 1 + kFadeFrames);
}

TEST(Title, EveryTitleAndFadeFrameIsTheCentredPictureAtFourTimesOverWhite) {
  ShellRig rig;
  std::vector<std::vector<DrawCommand>> frames;
  rig.screen.afterFlip = [&](long presents) {
    frames.push_back(rig.screen.lastFrame());
    if (presents == 3) tapKey(rig.input, platform::kKeyEnter);
  };
  std::string error;
  ASSERT_TRUE(shell::startUp(rig.platform, error)) << error;
  ASSERT_EQ(frames.size(), 3u + kFadeFrames);
  for (const auto& frame : frames) {
    ASSERT_EQ(frame.size(), 2u);
    EXPECT_EQ(frame[0].kind, DrawCommand::kCls);
    EXPECT_EQ(frame[0].state.clsColor.r + frame[0].state.clsColor.g + frame[0].state.clsColor.b, 765);
    const DrawCommand& title = frame[1];
    EXPECT_EQ(title.kind, DrawCommand::kImage);
    EXPECT_EQ(title.image, shell::titleImage.get());
    EXPECT_EQ(title.frame, 0);
    EXPECT_EQ(title.x, 0.0f);
    EXPECT_EQ(title.y, 0.0f);
    EXPECT_EQ(title.state.scaleX, 4.0f);
    EXPECT_EQ(title.state.scaleY, 4.0f);
  }
  EXPECT_EQ(shell::titleImage->handleX(), 128.0f);
  EXPECT_EQ(shell::titleImage->handleY(), 96.0f);
}

TEST(Startup, LeavesTheDrawingStateTheGameReliesOn) {
  ShellRig rig;
  rig.startUpQuickly();
  const platform::DrawState& s = rig.screen.state();
  EXPECT_EQ(rig.screen.title(), "Quillmoor");
  EXPECT_TRUE(rig.screen.pointerHidden());
  EXPECT_EQ(rig.screen.width(), 1024);
  EXPECT_EQ(rig.screen.height(), 768);
  EXPECT_EQ(s.originX, 512.0f);
  EXPECT_EQ(s.originY, 384.0f);
  EXPECT_EQ(s.blend, platform::kBlendAlpha);
  EXPECT_EQ(s.alpha, 1.0f);
  EXPECT_EQ(s.scaleX, 4.0f);
  EXPECT_EQ(s.scaleY, 4.0f);
  EXPECT_EQ(s.color.r + s.color.g + s.color.b, 765);
  EXPECT_EQ(s.clsColor.r, 240);
  EXPECT_EQ(s.clsColor.g, 60);
  EXPECT_EQ(s.clsColor.b, 150);
  EXPECT_EQ(platform::autoImageFlags(), platform::kImageMipmapped);
}

TEST(Startup, StartsTheMusicAndKeepsTenIdleChimeChannels) {
  ShellRig rig;
  rig.startUpQuickly();
  ASSERT_EQ(rig.audio.plays().size(), 1u) << "only the music plays during start-up";
  const auto& music = rig.audio.plays()[0];
  EXPECT_EQ(music.sound, shell::track1Sound.get());
  EXPECT_TRUE(shell::track1Sound->loops());
  ASSERT_TRUE(shell::fx1Sound);
  EXPECT_FALSE(shell::fx1Sound->loops());
  std::vector<platform::Channel> seen{music.channel};
  for (platform::Channel c : shell::chimeChannels) {
    EXPECT_EQ(std::count(seen.begin(), seen.end(), c), 0) << "channel " << c << " is shared";
    seen.push_back(c);
  }
}

TEST(Startup, LoadsTheWorldPicturesWithTheirGridsAndHandles) {
  ShellRig rig;
  rig.startUpQuickly();
  struct Case {
    const char* name;
    const std::shared_ptr<platform::Image>& image;
    int frames, width, height;
    float handleX, handleY;
  } cases[] = {
      {"bee", beeImage, 7, 4, 3, 2, 2},
      {"bee2", bee2Image, 1, 16, 12, 8, 12},
      {"seed", seedImage, 1, 1, 1, 0, 0},
      {"cloud", cloudImage, 4, 18, 24, 9, 24},
      {"flower01", flower01Image, 8, 9, 18, 4, 18},
      {"flower02", flower02Image, 8, 9, 18, 4, 18},
      {"flower03", flower03Image, 8, 9, 18, 4, 18},
      {"flower04", flower04Image, 8, 9, 18, 4, 18},
      {"tree2", tree2Image, 112, 46, 62, 23, 62},
      {"grass", grassImage, 8, 11, 8, 6, 8},
      {"bush", bushImage, 10, 21, 12, 10, 12},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(c.image) << c.name;
    EXPECT_EQ(c.image->frameCount(), c.frames) << c.name;
    EXPECT_EQ(c.image->frameWidth(), c.width) << c.name;
    EXPECT_EQ(c.image->frameHeight(), c.height) << c.name;
    EXPECT_EQ(c.image->handleX(), c.handleX) << c.name;
    EXPECT_EQ(c.image->handleY(), c.handleY) << c.name;
    EXPECT_EQ(c.image->flags(), platform::kImageMipmapped) << c.name;
  }
}

TEST(Startup, SeedsTheRandomServiceFromTheClockOrTheGivenSeed) {
  struct Case {
    std::optional<int32_t> seed;
    int32_t state;
  } cases[] = {{std::nullopt, static_cast<int32_t>(ShellRig::kClockStart)}, {777, 777}};
  for (const Case& c : cases) {
    ShellRig rig;
    rig.screen.afterFlip = [&](long) { tapKey(rig.input, platform::kKeySpace); };
    std::string error;
    ASSERT_TRUE(shell::startUp(rig.platform, error, {c.seed})) << error;
    EXPECT_EQ(platform::randomState(), c.state);
  }
}

TEST(Startup, ReportsWhatStopsTheGameFromStarting) {
  struct Case {
    const char* file;  // replaced by bytes that decode as nothing
  } cases[] = {{"title.png"}, {"fx1.ogg"}, {"track1.ogg"}, {"cloud.png"}, {"bush.png"}};
  for (const Case& c : cases) {
    StandInAssets assets;
    assets.replace(c.file, {'n', 'o', 'p', 'e'});
    ShellRig rig(assets);
    rig.screen.afterFlip = [&](long) { tapKey(rig.input, platform::kKeySpace); };
    std::string error;
    EXPECT_FALSE(shell::startUp(rig.platform, error)) << c.file;
    EXPECT_NE(error.find(c.file), std::string::npos) << error;
  }
}

TEST(Startup, ReportsAScreenThatDoesNotOpen) {
  struct ClosedScreen : HookedScreen {
    using HookedScreen::HookedScreen;
    bool open(int, int, int, int, int, std::string& error) override {
      error = "no display found";
      return false;
    }
  };
  ShellRig rig;
  ClosedScreen closed(rig.clock, rig.input);
  platform::Platform p{closed, rig.input, rig.audio, rig.clock, rig.resources};
  std::string error;
  EXPECT_FALSE(shell::startUp(p, error));
  EXPECT_EQ(error, "no display found");
  EXPECT_EQ(closed.presents(), 0);
}

namespace {

// A platform that writes down, in order, what start-up asks of the screen,
// the audio and the clock. The clock moves on by 1 ms at every reading, so
// the seed tells which reading it came from.
struct JournalRig {
  struct Screen : HookedScreen {
    Screen(platform::Clock& clock, platform::Input& input, std::vector<std::string>& log)
        : HookedScreen(clock, input), log_(log) {}
    void setTitle(std::string_view title) override {
      log_.push_back("title " + std::string(title));
      HookedScreen::setTitle(title);
    }
    bool open(int w, int h, int depth, int hz, int flags, std::string& error) override {
      log_.push_back("open " + std::to_string(w) + "x" + std::to_string(h) + "x" + std::to_string(depth) +
                     " at " + std::to_string(hz) + " flags " + std::to_string(flags));
      return HookedScreen::open(openWidth ? openWidth : w, openHeight ? openHeight : h, depth, hz, flags,
                                error);
    }
    void hidePointer() override {
      log_.push_back("hide pointer");
      HookedScreen::hidePointer();
    }
    void cls() override {
      log_.push_back("cls");
      HookedScreen::cls();
    }
    int openWidth = 0, openHeight = 0;  // a canvas other than the one asked for
    std::vector<std::string>& log_;
  };
  struct Audio : platform::SilentAudio {
    explicit Audio(std::vector<std::string>& log) : log_(log) {}
    platform::Channel allocChannel() override {
      const platform::Channel channel = SilentAudio::allocChannel();
      log_.push_back("channel " + std::to_string(channel));
      return channel;
    }
    void playSound(const std::shared_ptr<platform::Sound>& sound, platform::Channel channel) override {
      log_.push_back(std::string(sound->loops() ? "loop" : "play") + " on " + std::to_string(channel));
      SilentAudio::playSound(sound, channel);
    }
    std::vector<std::string>& log_;
  };
  struct Clock : platform::ManualClock {
    Clock(uint32_t start, std::vector<std::string>& log) : ManualClock(start), log_(log) {}
    uint32_t millisecs() override {
      const uint32_t now = ManualClock::millisecs();
      log_.push_back("clock " + std::to_string(now));
      advance(1);
      return now;
    }
    std::vector<std::string>& log_;
  };

  JournalRig() {
    screen.setRecording(true);
    screen.afterFlip = [this](long presents) {
      if (presents == 1) firstTitleFrame = screen.lastFrame();
      tapKey(base.input, platform::kKeySpace);
    };
  }
  bool startUp() {
    std::string error;
    const bool started = shell::startUp(platform, error);
    EXPECT_TRUE(started) << error;
    return started;
  }
  // The journal up to the first clear, without the clock's readings.
  std::vector<std::string> callsBeforeTheTitle() const {
    std::vector<std::string> calls;
    for (const std::string& entry : log) {
      if (entry == "cls") break;
      if (entry.rfind("clock ", 0) != 0) calls.push_back(entry);
    }
    return calls;
  }

  ShellRig base;
  std::vector<std::string> log;
  std::vector<DrawCommand> firstTitleFrame;
  Clock clock{ShellRig::kClockStart, log};
  Screen screen{clock, base.input, log};
  Audio audio{log};
  platform::Platform platform{screen, base.input, audio, clock, base.resources};
};

}  // namespace

TEST(Startup, TakesItsStepsInOrder) {
  JournalRig rig;
  ASSERT_TRUE(rig.startUp());
  const std::vector<std::string> expected = {
      "title Quillmoor",  // before the screen opens, so the window carries it
      "open 1024x768x32 at 60 flags 0",
      "hide pointer",
      "channel 0", "loop on 0",  // the music, before the title is first drawn
      "channel 1", "channel 2", "channel 3", "channel 4", "channel 5",
      "channel 6", "channel 7", "channel 8", "channel 9", "channel 10",
  };
  EXPECT_EQ(rig.callsBeforeTheTitle(), expected);
  for (int i = 0; i < shell::kChimeChannelCount; ++i)
    EXPECT_EQ(shell::chimeChannels[i], i + 1) << "chime channels are kept in the order allocated";

  // The seed is the one clock reading taken after the channels and before the title.
  const auto lastChannel = std::find(rig.log.begin(), rig.log.end(), "channel 10");
  const auto firstClear = std::find(lastChannel, rig.log.end(), "cls");
  ASSERT_EQ(std::distance(lastChannel, firstClear), 2);
  EXPECT_EQ(*(lastChannel + 1), "clock " + std::to_string(platform::randomState()));

  EXPECT_EQ(shell::titleImage->flags(), platform::kImageMipmapped);
  ASSERT_EQ(rig.firstTitleFrame.size(), 2u);
  const platform::DrawState& title = rig.firstTitleFrame[1].state;
  EXPECT_EQ(title.blend, platform::kBlendAlpha);
  EXPECT_EQ(title.originX, 512.0f);
  EXPECT_EQ(title.originY, 384.0f);
  EXPECT_EQ(title.alpha, 1.0f);
  EXPECT_EQ(title.color.r + title.color.g + title.color.b, 765) << "drawn untinted";
}

TEST(Startup, OriginIsTheCanvasSizeHalvedAsWholeNumbers) {
  struct Case {
    int width, height;
    float originX, originY;
  } cases[] = {{1024, 768, 512.0f, 384.0f}, {1025, 769, 512.0f, 384.0f}, {1023, 767, 511.0f, 383.0f}};
  for (const Case& c : cases) {
    JournalRig rig;
    rig.screen.openWidth = c.width;
    rig.screen.openHeight = c.height;
    ASSERT_TRUE(rig.startUp());
    EXPECT_EQ(rig.screen.state().originX, c.originX) << c.width;
    EXPECT_EQ(rig.screen.state().originY, c.originY) << c.height;
  }
}

TEST(Startup, CarriesTreePngWithoutEverOpeningIt) {
  StandInAssets assets;
  assets.replace("tree.png", {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
  ShellRig rig(assets);
  ASSERT_TRUE(rig.resources.open("tree.png")) << "registered like the others";
  rig.startUpQuickly();  // would fail had it tried to decode tree.png
}
