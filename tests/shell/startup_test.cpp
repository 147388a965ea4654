// Start-up on the headless platform: the title screen's exits, the fade, the
// drawing state left behind, the pictures and sounds, and the few failures
// that stop the game from starting.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

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

TEST(Title, EscapePressesDuringTheTitleStayCounted) {
  ShellRig rig;
  runTitle(rig, [&](long presents) {
    if (presents == 2 || presents == 5) tapKey(rig.input, platform::kKeyEscape);
  });
  EXPECT_EQ(rig.input.keyHit(platform::kKeyEscape), 2);
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
