// A headless platform for driving the real shell: a hand-moved clock, plain
// input, a recording screen that can act after each present, silent audio
// that remembers its plays, and stand-in assets of the catalogue's sizes.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/headless/headless_screen.h"
#include "platform/headless/silent_audio.h"
#include "platform/platform.h"

namespace shelltest {

// A recording headless screen that calls `afterOpen` once it has opened and
// `afterFlip(presents so far)` after each present.
class HookedScreen : public platform::HeadlessScreen {
 public:
  using HeadlessScreen::HeadlessScreen;
  std::function<void()> afterOpen;
  std::function<void(long presents)> afterFlip;
  bool open(int width, int height, int depth, int hz, int flags, std::string& error) override {
    bool opened = HeadlessScreen::open(width, height, depth, hz, flags, error);
    if (opened && afterOpen) afterOpen();
    return opened;
  }
  void flip(int pacing) override {
    HeadlessScreen::flip(pacing);
    if (afterFlip) afterFlip(presents());
  }
};

// A short stereo Ogg Vorbis stream, made here so the tests need no asset files.
std::vector<uint8_t> encodeStandInOgg();

// Pictures of the catalogue's exact pixel sizes and both sounds, registered in catalogue order.
class StandInAssets {
 public:
  StandInAssets();
  void registerInto(platform::Resources& resources) const;
  // Replaces one file's bytes (to break a picture or a sound on purpose).
  void replace(const std::string& name, std::vector<uint8_t> bytes);

 private:
  std::vector<std::pair<std::string, std::vector<uint8_t>>> files_;
};

// Everything start-up and the frame loop need, world and rain state reset.
struct ShellRig {
  static constexpr uint32_t kClockStart = 50'000;

  explicit ShellRig(const StandInAssets& assets = sharedAssets());
  ~ShellRig();

  // Runs start-up, pressing Space after the first title frame; fails the test on error.
  void startUpQuickly();

  static const StandInAssets& sharedAssets();

  platform::ManualClock clock{kClockStart};
  platform::Input input;
  HookedScreen screen{clock, input};
  platform::SilentAudio audio;
  platform::Resources resources;
  platform::Platform platform{screen, input, audio, clock, resources};

 private:
  int savedImageFlags_;  // start-up changes the process-wide automatic flags
};

}  // namespace shelltest
