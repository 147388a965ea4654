// Start-up: everything from an open platform to the first frame of play, in
// one fixed order. It opens the 1024 x 768 screen, sets the drawing state the
// rest of the game relies on (origin at the centre, alpha blending, hard-edged
// sampling), loads the title and both sounds, starts the music, allocates the
// chime channels, seeds the random service from the clock, shows the title
// until a start input, fades it to white and loads the world's pictures.
//
// The embedded files must already be registered in the platform's resources.
// Running it once per process is the caller's business (main keeps a guard);
// tests and the headless driver call it on fresh platforms.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/audio.h"
#include "platform/image.h"
#include "platform/platform.h"
#include "shell/catalogue.h"

namespace shell {

constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kScreenDepth = 32;  // bits per pixel; non-zero asks for full screen
constexpr int kScreenHz = 60;
constexpr int kChimeChannelCount = 10;

// Held from start-up to exit.
extern std::shared_ptr<platform::Image> titleImage;
extern std::shared_ptr<platform::Sound> fx1Sound;    // the chime, plays once
extern std::shared_ptr<platform::Sound> track1Sound; // the music, loops from start-up on
extern std::array<platform::Channel, kChimeChannelCount> chimeChannels;

struct StartupOptions {
  // Replaces the clock as the random seed, right after the clock seeding: a
  // headless run with a fixed seed builds the same meadow every time.
  std::optional<int32_t> seed;
};

// The world's eleven picture globals, in the order of kWorldPictures.
std::array<std::shared_ptr<platform::Image>*, kWorldPictureCount> worldPictureSlots();
// Loads the world's pictures into them with their grids and handles, under the
// automatic image flags (start-up's last loading step). False with a reason.
bool loadWorldPictures(const platform::Resources& resources, std::string& error);

// Runs start-up on `platform`. False, with a one-line reason, only where the
// game truly cannot start: the screen does not open or a picture or sound
// does not decode.
bool startUp(platform::Platform& platform, std::string& error, const StartupOptions& options = {});

}  // namespace shell
